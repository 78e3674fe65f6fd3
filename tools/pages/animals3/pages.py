"""The redrawn animal pages of edition 3: each function returns the page's SVG text.

PAGES maps a page stem to (title, drawing function, note for CHOICES.tsv)."""
from . import scenes
from .embed import embed
from .kit import (clipped, group, bubble, circle, cloud, dot, ellipse, eye, flower, ground, hill, line, moon, mountain,
                  open_smile, p, page, pine, reed, rock, round_tree, seaweed, shell, smile, star,
                  stem_flower, sun, tubes, tuft, bush, water, wave_line)


def claw(cx, cy, s):
    """A crab's pincer pointing up, its wrist at (cx, cy + 30 s); s < 0 mirrors it."""
    def t(dx, dy):
        return "%g %g" % (cx + dx * s, cy + dy * abs(s))
    return p("M%s C%s %s %s C%s %s %s L%s C%s %s %s Z" % (
        t(-30, 34), t(-62, 0), t(-50, -70), t(-8, -74), t(-10, -50), t(-12, -26), t(2, -16),
        t(24, -56), t(54, -44), t(56, 10), t(30, 34)))


def crab():
    legs = []
    for y0, (kx, ky), (tx, ty) in zip([290, 320, 348], [(110, 262), (132, 300), (168, 336)],
                                      [(62, 404), (112, 404), (166, 404)]):
        legs.append(("M210 %d Q%d %d %d %d" % (y0, kx, ky, tx, ty), 20))
        legs.append(("M450 %d Q%d %d %d %d" % (y0, 660 - kx, ky, 660 - tx, ty), 20))
    arms = [("M245 250 Q175 250 165 210", 28), ("M415 250 Q485 250 495 210", 28)]
    stalks = [("M300 230 L292 185", 14), ("M360 230 L368 185", 14)]
    return page(
        water(40, 7, 110),
        ground([(120, 404), (330, 412), (520, 398)]),
        seaweed(22, 404, 180, 30, 1), seaweed(632, 400, 200, 30, -1),
        bubble(600, 90, 12), bubble(620, 140, 8), bubble(40, 100, 10), bubble(70, 150, 14),
        tubes(*legs), tubes(*arms), claw(150, 168, -1.2), claw(510, 168, 1.2), tubes(*stalks),
        eye(290, 172, 22, (0.15, 0.2)), eye(370, 172, 22, (-0.15, 0.2)),
        ellipse(330, 300, 165, 88),
        open_smile(330, 318, 80, 22),
        star(330, 438, 20),
    )


def deer():
    antlers = [("M205 104 Q214 60 240 26", 12), ("M214 66 Q236 60 256 46", 11),
               ("M178 104 Q168 60 142 26", 12), ("M168 66 Q146 60 126 46", 11)]
    return page(
        cloud(440, 80, 0.9), cloud(300, 40, 0.6),
        ground([(150, 420), (400, 428), (560, 416)]),
        pine(70, 418, 260, 130), pine(600, 420, 230, 120), bush(560, 424, 80, 40),
        tuft(120, 440), tuft(380, 446), tuft(520, 440),
        tubes(("M455 290 L470 350 L462 424", 22), ("M300 290 L292 424", 22)),
        ellipse(505, 236, 16, 22, 20),
        ellipse(380, 268, 132, 62),
        tubes(("M432 300 L440 350 L430 424", 24), ("M330 300 L330 424", 24)),
        p("M262 236 C250 200 220 170 200 150 L238 124 C262 160 300 200 330 226 Z"),
        tubes(*antlers),
        ellipse(240, 112, 30, 12, -25), ellipse(142, 112, 30, 12, 25),
        ellipse(192, 140, 46, 38), ellipse(170, 170, 34, 26),
        dot(158, 170, 8), eye(178, 128, 11, (-0.2, 0.1)), eye(214, 130, 10, (-0.2, 0.1)),
        smile(170, 184, 20, 6),
    )


def fox():
    return page(
        ground([(150, 414), (320, 412), (500, 416)]),
        round_tree(90, 418, 320, 170), pine(590, 420, 220, 110),
        p("M470 416 v-20 h14 v20z"), p("M452 398 Q477 360 502 398z"),
        p("M150 418 v-26 h16 v26z"), p("M130 394 Q158 352 186 394z"),
        cloud(430, 80, 0.7),
        p("M410 396 C540 420 620 330 590 240 C580 200 560 170 540 150 C520 190 488 210 496 262 C500 300 470 330 420 344 Z"),
        p("M586 228 C578 196 560 170 540 150 C522 186 494 206 496 240 C530 250 566 246 586 228Z"),
        ellipse(250, 372, 48, 42), ellipse(392, 372, 48, 42),
        p("M270 200 C232 260 222 330 240 412 L402 412 C420 330 410 260 372 200 Z"),
        p("M284 208 C296 290 346 290 358 208 Z"),
        tubes(("M298 330 L298 402", 28), ("M344 330 L344 402", 28)),
        ellipse(292, 404, 22, 12), ellipse(350, 404, 22, 12),
        p("M262 108 L250 38 L310 88 Z"), p("M378 108 L390 38 L330 88 Z"),
        p("M264 96 L258 58 L290 86 Z"), p("M376 96 L382 58 L350 86 Z"),
        p("M250 150 C250 110 285 84 320 84 C355 84 390 110 390 150 C385 180 350 212 320 218 C290 212 255 180 250 150Z"),
        p("M262 158 Q298 150 320 174 Q342 150 378 158 Q362 202 320 218 Q278 202 262 158Z"),
        dot(320, 182, 9), smile(320, 204, 22, 6),
        eye(292, 134, 12, (0.1, 0.15)), eye(348, 134, 12, (-0.1, 0.15)),
    )


def seahorse():
    body = "M300 140 C360 146 410 200 400 262 C394 302 370 330 350 342 L318 336 C286 304 254 262 262 214 C268 180 280 160 300 140Z"
    fin = "M404 206 C462 200 468 272 398 280 Z"
    horse = group("translate(-60 -14) scale(1.12)",
        tubes(("M345 320 C352 392 300 420 272 402 C248 386 258 352 286 356", 30), k=1.12),
        clipped(fin, line("M400 224 L470 216 M400 244 L470 244 M400 262 L470 272")),
        clipped(body, line("M240 190 Q330 206 420 184 M240 220 Q330 236 420 214 M240 250 Q330 266 420 244 "
                           "M240 280 Q330 296 420 274 M240 310 Q330 326 420 304")),
        tubes(("M266 122 L192 158", 24), k=1.12),
        p("M280 90 L288 50 L304 70 L318 48 L330 90Z"),
        ellipse(302, 110, 48, 40, -15),
        eye(298, 102, 15, (-0.6, 0.5)), smile(240, 136, 14, 4), k=1.12)
    return page(
        water(30, 7, 100),
        ground([(140, 420), (360, 426), (560, 416)]),
        seaweed(40, 424, 260, 40, 1), seaweed(95, 424, 170, 32, -1),
        seaweed(590, 418, 250, 38, -1), rock(615, 424, 90, 50),
        bubble(90, 120, 9), bubble(70, 86, 13), bubble(100, 58, 8),
        bubble(560, 110, 12), bubble(590, 80, 8),
        horse,
    )


def palm(x, y, h, lean=1):
    """A palm tree: a curved trunk and a crown of drooping leaves (closed shapes)."""
    tx, ty = x + lean * h * 0.25, y - h
    out = tubes(("M%g %g Q%g %g %g %g" % (x, y + 4, x, y - h * 0.6, tx, ty), 22))
    for s in (-1, 1):
        out += p("M%g %g C%g %g %g %g %g %g C%g %g %g %g %g %gZ" % (
            tx, ty, tx + s * 40, ty - 40, tx + s * 100, ty - 20, tx + s * 116, ty + 30,
            tx + s * 90, ty + 4, tx + s * 50, ty - 6, tx, ty))
        out += p("M%g %g C%g %g %g %g %g %g C%g %g %g %g %g %gZ" % (
            tx, ty, tx + s * 20, ty - 56, tx + s * 60, ty - 70, tx + s * 90, ty - 56,
            tx + s * 56, ty - 50, tx + s * 30, ty - 34, tx, ty))
    return out + circle(tx - 12, ty + 12, 13) + circle(tx + 12, ty + 14, 13) + circle(tx, ty - 2, 14)


def camel():
    return page(
        sun(560, 80, 34),
        hill(-60, 260, 400, 300), hill(380, 720, 400, 320),
        mountain([(500, 430), (585, 290), (670, 430)]),
        ground([(100, 412), (330, 420), (560, 410)]),
        tubes(("M488 236 Q505 270 500 310", 10)), ellipse(500, 318, 8, 14),
        tubes(("M430 270 L440 340 L432 418", 22), ("M300 270 L292 340 L300 418", 22)),
        p("M286 220 C292 120 420 120 432 220Z"),
        ellipse(360, 250, 132, 56),
        tubes(("M455 270 L465 340 L458 418", 24), ("M330 270 L325 340 L330 418", 24)),
        tubes(("M262 252 Q196 256 172 186 L160 142", 46)),
        ellipse(178, 104, 14, 8, -30),
        ellipse(142, 126, 46, 28, 10), ellipse(106, 140, 28, 23),
        dot(92, 132, 4), eye(150, 114, 11, (-0.25, 0)), smile(110, 152, 20, 5),
    )


def cat():
    return page(
        p("M-20 330 H680 V500 H-20Z"),
        p("M440 40 h170 v150 h-170z"), line("M525 40 v150 M440 115 h170"),
        ellipse(330, 400, 250, 38),
        tubes(("M420 380 Q560 380 560 300 Q560 250 520 250", 24)),
        clipped("M520 360 A40 40 0 1 1 600 360 A40 40 0 1 1 520 360Z", line("M510 330 Q560 370 610 340 M510 356 Q560 400 610 370")),
        p("M270 200 C216 250 210 330 226 392 L434 392 C450 330 444 250 390 200 Z"),
        ellipse(330, 300, 50, 70),
        ellipse(290, 392, 30, 16), ellipse(370, 392, 30, 16),
        p("M262 110 L256 40 L312 82 Z"), p("M398 110 L404 40 L348 82 Z"),
        p("M268 96 L266 60 L294 84 Z"), p("M392 96 L394 60 L366 84 Z"),
        ellipse(330, 150, 86, 74),
        eye(298, 136, 14, (0, 0.15)), eye(362, 136, 14, (0, 0.15)),
        p("M320 168 h20 l-10 12z"), smile(330, 188, 26, 6),
        line("M298 176 l-28 -4 M298 186 l-28 5 M362 176 l28 -4 M362 186 l28 5"),
    )


def dog():
    return page(
        sun(590, 64, 28), cloud(300, 70, 0.8),
        ground([(120, 414), (360, 420), (560, 412)]),
        p("M20 414 V250 L100 180 L180 250 V414Z"), p("M8 258 L100 170 L192 258 L182 270 L100 192 L18 270Z"),
        p("M60 414 V330 A40 40 0 0 1 140 330 V414Z"),
        p("M380 440 h60 a10 10 0 1 1 0 16 h-60 a10 10 0 1 1 0 -16z"),
        tubes(("M262 250 Q230 220 226 168", 16)),
        tubes(("M290 290 L286 412", 26), ("M410 290 L416 412", 26)),
        ellipse(350, 268, 112, 54),
        tubes(("M320 290 L318 412", 28), ("M440 290 L444 412", 28)),
        p("M430 236 L470 196 L500 226 L470 262Z"),
        circle(486, 178, 56),
        p("M528 220 q12 28 -2 32 q-14 2 -12 -26z"),
        ellipse(530, 202, 40, 26),
        ellipse(452, 196, 18, 40, 20),
        dot(566, 192, 9), eye(498, 160, 12, (0.2, 0.1)), smile(540, 216, 22, 5),
    )


def cow():
    spots = p("M280 200 C300 196 330 230 310 250 C290 270 260 240 280 200Z") + p("M400 240 C430 230 460 260 440 290 C410 300 390 270 400 240Z") + p("M430 196 C450 192 480 200 470 220 C450 230 430 220 430 196Z")
    return page(
        sun(70, 60, 26), cloud(220, 80, 0.7),
        ground([(200, 414), (400, 420), (560, 416)]),
        p("M520 414 V240 L590 180 L680 240 V414Z"), p("M558 414 v-80 h60 v80z"), line("M558 334 L618 414 M618 334 L558 414"),
        tubes(("M508 214 Q520 260 516 320", 8)), ellipse(516, 330, 9, 16),
        tubes(("M262 300 L262 414", 30), ("M430 300 L432 414", 30)),
        p("M230 190 H480 A30 30 0 0 1 510 220 V290 A30 30 0 0 1 480 320 H230 A30 30 0 0 1 200 290 V220 A30 30 0 0 1 230 190Z"),
        spots,
        
        ellipse(380, 326, 34, 20),
        tubes(("M292 300 L294 414", 30), ("M470 300 L468 414", 30)),
        tubes(("M128 148 Q120 110 104 104", 12), ("M192 148 Q200 110 216 104", 12)),
        ellipse(98, 170, 30, 14, 10), ellipse(222, 170, 30, 14, -10),
        ellipse(160, 190, 56, 64),
        ellipse(160, 244, 50, 32),
        dot(142, 240, 6), dot(178, 240, 6), smile(160, 258, 26, 5),
        eye(138, 178, 12, (0, 0.15)), eye(182, 178, 12, (0, 0.15)),
        tuft(40, 440), tuft(590, 446),
    )


def horse():
    return page(
        cloud(90, 80, 0.8), cloud(300, 50, 0.6),
        ground([(150, 416), (380, 422), (560, 414)]),
        round_tree(600, 420, 230, 130),
        p("M190 210 C140 220 120 300 140 360 C160 330 170 300 190 280Z"),
        tubes(("M220 280 L210 350 L216 412", 24), ("M350 280 L365 350 L360 412", 24)),
        ellipse(290, 250, 122, 60),
        tubes(("M250 290 L244 350 L250 412", 26), ("M380 280 L392 350 L388 412", 26)),
        p("M356 222 C372 170 410 120 436 86 L492 118 C470 150 440 210 410 262Z"),
        p("M430 80 C400 100 380 150 360 190 C375 180 385 170 392 160 C395 170 398 175 400 180 C410 150 420 120 444 98Z"),
        p("M448 82 L452 44 L474 80Z"),
        ellipse(492, 128, 62, 32, 32),
        ellipse(528, 156, 28, 22, 32),
        dot(538, 150, 5), eye(476, 106, 11, (0.2, 0.1)), smile(526, 172, 18, 4),
    )


def goat():
    k = 1.3
    beast = group("translate(-110 -92) scale(%g)" % k,
        tubes(("M420 230 Q444 200 440 186", 12), k=k),
        tubes(("M290 250 L286 318", 20), ("M400 250 L408 318", 20), k=k),
        ellipse(350, 230, 100, 48),
        tubes(("M316 262 L314 318", 22), ("M428 254 L432 318", 22), k=k),
        p("M268 222 C256 190 246 170 236 150 L270 134 C280 160 292 180 306 206Z"),
        tubes(("M244 128 Q262 74 312 92", 16), k=k),
        ellipse(272, 150, 24, 10, 20),
        p("M212 206 L222 244 L234 210Z"),
        p("M232 118 C252 116 268 132 264 152 C258 180 230 210 206 214 C190 214 184 200 190 188 C200 160 210 124 232 118Z"),
        dot(198, 192, 4), eye(236, 146, 15, (-0.7, 0.4)), smile(216, 196, 12, 3), k=k)
    return page(
        sun(590, 70, 30),
        mountain([(-20, 330), (90, 150), (190, 300), (300, 120), (420, 330)]),
        mountain([(300, 330), (470, 160), (560, 260), (620, 200), (690, 330)]),
        ground([(200, 420), (500, 426)]),
        p("M140 430 C130 370 170 320 250 316 L520 312 C590 316 610 380 600 430Z"),
        beast,
    )


def bird():
    breast = "M372 210 C400 240 400 290 350 312 C320 300 330 240 372 210Z"
    return page(
        sun(80, 70, 30), cloud(520, 90, 0.9), cloud(240, 60, 0.6),
        tubes(("M-20 352 Q300 340 600 300", 30)),
        ellipse(560, 290, 30, 14, -30), ellipse(608, 300, 28, 13, 10),         ellipse(210, 372, 28, 12, 20),
        tubes(("M300 300 L296 334", 9), ("M346 300 L348 330", 9)),
        ellipse(286, 338, 16, 7), ellipse(352, 334, 16, 7),
        p("M248 222 C200 190 150 158 116 146 C106 166 126 186 146 196 C124 204 114 222 124 234 C166 236 210 246 246 262Z"),
        ellipse(320, 240, 124, 88, -12),
        p("M236 214 C280 180 350 196 360 244 C330 286 270 284 236 214Z"),
        circle(420, 160, 62),
        p("M472 144 L532 160 L472 176Z"),
        eye(436, 146, 14, (0.25, 0.05)),
    )


def duck():
    return page(
        sun(90, 70, 30), cloud(230, 70, 0.7),
        hill(-60, 300, 300, 230), hill(420, 720, 300, 200),
        reed(40, 372, 230), reed(70, 372, 190), reed(636, 372, 250),
        group("translate(-150 -60) scale(1.3)",
        p("M196 284 L150 232 L214 258Z"),
        ellipse(320, 292, 150, 66),
        p("M230 276 C280 240 360 250 380 280 C350 306 270 310 230 276Z"),
        tubes(("M446 268 L460 196", 56), k=1.3),
        circle(466, 168, 56),
        p("M512 170 C556 160 580 174 576 186 C572 200 540 204 512 198Z"),
        eye(478, 154, 13, (0.25, 0.05)),
        k=1.3),
        p(wave_line(372, 7, 90) + " L680 500 L-20 500Z"),
        ellipse(110, 420, 60, 18), ellipse(560, 425, 54, 16),
        line("M300 410 q14 -6 28 0 M220 440 q14 -6 28 0 M420 430 q14 -6 28 0"),
    )


def rooster():
    return page(
        circle(600, 150, 44), hill(380, 720, 280, 170), cloud(90, 90, 0.8),
        ground([(150, 410), (360, 416), (560, 408)]),
        bush(80, 412, 120, 60),
        tubes(("M300 320 L292 396", 15), ("M350 320 L352 396", 15)),
        tubes(("M292 396 L266 406", 8), ("M292 396 L300 410", 8), ("M352 396 L330 408", 8), ("M352 396 L372 408", 8)),
        ellipse(470, 170, 80, 24, -55), ellipse(500, 214, 84, 24, -25), ellipse(496, 262, 78, 22, 5), ellipse(476, 300, 66, 20, 30),
        ellipse(330, 264, 116, 86),
        p("M280 250 C320 220 390 236 400 276 C370 312 300 312 280 250Z"),
        tubes(("M240 160 L274 236", 70)),
        p("M200 110 A16 16 0 0 1 220 86 A16 16 0 0 1 248 84 A16 16 0 0 1 272 110 Z"),
        circle(236, 140, 46),
        p("M194 134 L162 148 L194 160Z"),
        ellipse(200, 176, 11, 18),
        eye(226, 130, 11, (-0.25, 0.05)),
    )


def ostrich():
    return page(
        sun(420, 70, 30),
        ground([(150, 412), (360, 418), (560, 410)]),
        scenes.acacia(600, 412, 310),
        tuft(80, 430), tuft(160, 444), tuft(450, 440), tuft(620, 446),
        tubes(("M300 250 L290 330 L300 404", 16), ("M370 250 L384 330 L376 404", 16)),
        tubes(("M300 404 L270 410", 10), ("M376 404 L404 410", 10)),
        p("M400 170 C440 150 470 170 470 200 C480 230 450 250 420 240Z"),
        ellipse(330, 210, 110, 66),
        p("M270 200 C300 170 370 180 380 220 C350 250 290 250 270 200Z"),
        tubes(("M250 190 Q226 130 220 70", 26)),
        ellipse(212, 60, 30, 22),
        p("M186 58 L148 68 L188 76Z"),
        eye(214, 52, 10, (-0.25, 0.05)),
    )


def owl():
    belly = line("M310 300 l12 10 l12 -10 M340 330 l12 10 l12 -10 M296 340 l12 10 l12 -10")
    return page(
        circle(560, 90, 40) + circle(548, 80, 9) + circle(574, 104, 7), star(90, 60, 18), star(170, 140, 16), star(470, 50, 16), star(620, 200, 18), star(70, 220, 16),
        tubes(("M200 410 Q400 390 630 396", 34), ("M560 396 Q600 340 640 330", 16)), ellipse(640, 320, 26, 12, -30),
        ellipse(580, 380, 30, 13, -20), ellipse(620, 430, 28, 12, 20),
        p("M236 120 L250 60 L292 100Z"), p("M424 120 L410 60 L368 100Z"),
        ellipse(330, 240, 124, 156),
        p("M210 220 C180 280 200 360 250 380 C250 320 240 260 210 220Z"),
        p("M450 220 C480 280 460 360 410 380 C410 320 420 260 450 220Z"),
        belly,
        p("M330 200 C300 150 230 150 230 200 C230 250 300 250 330 200 C360 250 430 250 430 200 C430 150 360 150 330 200Z"),
        eye(282, 198, 30, (0, 0.1)), eye(378, 198, 30, (0, 0.1)),
        p("M318 226 L342 226 L330 252Z"),
        ellipse(300, 396, 20, 10), ellipse(360, 396, 20, 10),
    )


def penguin():
    return page(
        cloud(80, 80, 0.8),
        mountain([(380, 300), (470, 170), (520, 220), (560, 150), (680, 300)]),
        p("M-20 300 H680 V500 H-20Z"),
        ground([(150, 400), (360, 396), (560, 402)]),
        line("M40 340 q14 -6 28 0 M520 340 q14 -6 28 0 M90 370 q14 -6 28 0"),
        p("M236 220 C190 200 150 170 130 150 C130 180 180 240 230 270Z"),
        p("M424 220 C470 200 510 170 530 150 C530 180 480 240 430 270Z"),
        ellipse(330, 240, 110, 160),
        ellipse(330, 276, 76, 118),
        p("M330 150 C310 110 260 110 262 150 C262 180 300 196 330 190 C360 196 398 180 398 150 C400 110 350 110 330 150Z"),
        p("M314 170 L330 158 L346 170 L330 190Z"),
        eye(300, 150, 12, (0.1, 0.1)), eye(360, 150, 12, (-0.1, 0.1)),
        ellipse(296, 400, 30, 12), ellipse(364, 400, 30, 12),
        ellipse(520, 344, 50, 64), ellipse(520, 360, 32, 44),
        p("M474 330 C456 340 448 360 452 370 C462 366 472 352 478 344Z"), p("M566 330 C584 340 592 360 588 370 C578 366 568 352 562 344Z"),
        p("M510 318 L530 318 L520 332Z"),
        eye(504, 302, 15, (0, 1)), eye(536, 302, 15, (0, 1)),
        ellipse(502, 408, 18, 8), ellipse(538, 408, 18, 8),
    )


def bear():
    hive = ellipse(560, 170, 40, 22) + ellipse(560, 200, 48, 24) + ellipse(560, 232, 40, 22) + ellipse(560, 244, 12, 8)
    bees = "".join(ellipse(x + 4, y - 14, 12, 8, -30) + ellipse(x, y, 16, 11) for x, y in ((480, 110), (520, 290)))
    return page(
        cloud(250, 60, 0.7),
        ground([(150, 414), (380, 420), (560, 412)]),
        pine(60, 414, 300, 120),
        tubes(("M640 420 L640 100", 40), ("M640 140 L560 150", 16)),
        hive, bees,
        ellipse(280, 196, 76, 56),
        tubes(("M290 300 L292 406", 46), ("M450 300 L456 406", 46)),
        ellipse(370, 270, 150, 88),
        tubes(("M250 300 L246 400", 48), ("M410 306 L414 400", 48)),
        ellipse(240, 404, 34, 13), ellipse(420, 404, 34, 13),
        circle(210, 150, 20), circle(262, 152, 20),
        circle(200, 206, 64),
        ellipse(150, 232, 42, 30),
        dot(116, 224, 9), eye(196, 190, 11, (-0.2, 0.1)), smile(142, 250, 22, 5),
    )


def baboon():
    return page(
        sun(90, 70, 30), cloud(300, 60, 0.6),
        ground([(150, 414), (380, 420), (560, 412)]),
        rock(90, 416, 150, 90), rock(600, 414, 120, 70),
        tuft(200, 440), tuft(520, 444), tuft(330, 446),
        tubes(("M214 250 Q150 200 130 260 Q120 300 150 310", 18)),
        tubes(("M240 300 L236 404", 28), ("M390 300 L398 404", 28)),
        ellipse(250, 300, 46, 50),
        ellipse(310, 260, 116, 56, -10),
        tubes(("M270 300 L268 404", 30), ("M420 290 L428 404", 30)),
        p("M380 200 C400 160 470 150 500 180 C520 220 500 270 440 290 C410 270 380 240 380 200Z"),
        circle(470, 150, 12),
        ellipse(482, 190, 42, 40),
        ellipse(534, 212, 48, 24, 18),
        dot(574, 218, 4), dot(566, 226, 4),
        eye(478, 180, 10, (0.2, 0.1)), smile(540, 234, 20, 4),
    )


def bison():
    return page(
        sun(600, 60, 28), cloud(300, 60, 0.7),
        hill(-40, 340, 330, 260), hill(300, 720, 330, 240),
        ground([(150, 414), (380, 420), (560, 412)]),
        tuft(40, 430), tuft(610, 436), tuft(120, 446), tuft(560, 446),
        tubes(("M560 220 Q590 260 584 300", 10)), ellipse(584, 310, 9, 16),
        tubes(("M300 300 L298 406", 36), ("M500 300 L506 406", 36)),
        p("M210 270 C190 170 250 110 330 116 C400 122 460 170 520 182 C566 192 574 250 562 300 C542 330 500 330 480 320 L260 320 C226 320 214 300 210 270Z"),
        p("M210 270 C190 170 250 110 330 116 C360 150 370 200 360 240 Q350 262 334 248 Q324 272 308 256 Q298 282 282 264 Q272 290 256 272 Q246 300 230 290Z"),
        tubes(("M260 306 L256 406", 38), ("M460 306 L464 406", 38)),
        tubes(("M136 214 Q120 190 130 170", 12), ("M196 214 Q212 190 202 170", 12)),
        p("M130 300 L150 346 L176 300Z"),
        ellipse(166, 258, 50, 58),
        p("M120 240 Q118 206 144 212 Q152 190 170 206 Q186 190 196 214 Q216 208 212 240 Q190 228 166 230 Q142 228 120 240Z"),
        ellipse(166, 296, 36, 22),
        dot(154, 294, 5), dot(178, 294, 5), smile(166, 306, 18, 3),
        eye(146, 248, 11, (0, 0.1)), eye(186, 248, 11, (0, 0.1)),
    )


def muskox():
    hem = "".join("Q%d 392 %d 370 " % (x + 20, x + 40) for x in range(120, 520, 40))
    coat = "M120 370 C110 240 190 130 330 124 C470 130 550 240 540 370 " + "".join(
        "Q%d 394 %d 370 " % (x - 20, x - 40) for x in range(540, 120, -40)) + "Z"
    flakes = "".join(star(x, y, 18) for x, y in ((60, 60), (150, 150), (250, 50), (430, 60), (560, 70), (40, 240)))
    return page(
        flakes,
        hill(-60, 260, 380, 270), hill(400, 720, 380, 260),
        ground([(150, 414), (380, 420), (560, 412)]),
        pine(600, 414, 320, 130),
        tubes(("M180 360 L180 408", 30), ("M480 360 L480 408", 30)),
        tubes(("M250 360 L250 410", 38), ("M410 360 L410 410", 38)),
        p(coat),
        tubes(("M292 190 Q236 196 240 250 Q244 288 206 290", 22), ("M368 190 Q424 196 420 250 Q416 288 454 290", 22)),
        ellipse(330, 250, 54, 78),
        ellipse(330, 186, 64, 22),
        ellipse(330, 304, 34, 22), dot(318, 302, 5), dot(342, 302, 5), smile(330, 316, 18, 4),
        eye(306, 238, 15, (0, 1)), eye(354, 238, 15, (0, 1)),
    )


def kangaroo():
    pouch = "M250 300 C260 360 340 370 370 320 C330 330 280 320 250 300Z"
    return page(
        sun(580, 70, 30),
        hill(420, 760, 380, 270),
        ground([(150, 412), (380, 418), (560, 410)]),
        tuft(60, 436), tuft(140, 446), tuft(620, 440),
        tubes(("M400 350 Q500 410 620 404", 30)),
        p("M320 380 C360 410 440 410 470 404 L470 416 L320 416Z"),
        ellipse(360, 336, 64, 62), ellipse(400, 402, 74, 13),
        ellipse(300, 276, 76, 108, -12),
        p("M260 300 C270 350 330 360 364 320 C330 328 290 320 260 300Z"),
        circle(300, 300, 26), ellipse(284, 272, 7, 16, -20), ellipse(314, 272, 7, 16, 20),
        dot(292, 296, 4), dot(310, 296, 4), smile(301, 310, 10, 3),
        tubes(("M262 220 L226 250", 14)),
        ellipse(270, 88, 13, 38, -8), ellipse(300, 94, 13, 38, 22),
        ellipse(262, 150, 50, 34, -12),
        ellipse(218, 166, 26, 20),
        dot(198, 162, 6), eye(260, 140, 11, (-0.2, 0.1)), smile(214, 180, 16, 4),
    )


def hippo():
    friend = (ellipse(454, 158, 14, 6) + ellipse(430, 160, 26, 18) + p("M406 158 L386 150 L392 168Z") +
              circle(440, 154, 7) + dot(442, 154, 4))
    k = 1.22
    beast = group("translate(-80 -70) scale(%g)" % k,
        tubes(("M300 320 L300 520", 48), ("M500 320 L504 520", 48), k=k),
        ellipse(390, 270, 164, 96),
        tubes(("M350 330 L350 520", 50), ("M540 320 L544 520", 50), k=k),
        ellipse(432, 176, 8, 6), friend,
        tubes(("M556 250 Q572 270 568 290", 10), k=k),
        ellipse(262, 178, 14, 11, 30),
        p("M140 160 C180 190 222 232 250 276 L272 284 C220 292 160 294 122 292 C120 250 124 200 140 160Z"),
        ellipse(196, 286, 50, 14),
        p("M146 164 L156 202 L168 178Z"), p("M126 292 L136 260 L148 292Z"),
        p("M290 272 C230 286 170 290 124 290 C96 290 92 332 120 338 C186 346 250 342 300 324Z"),
        p("M304 250 C292 186 250 138 190 100 C160 80 124 76 112 96 C100 116 112 140 140 160 C180 190 222 232 250 276Z"),
        ellipse(124, 96, 8, 5, 40), ellipse(146, 86, 8, 5, 40),
        eye(232, 150, 16, (-1, 0.3)), k=k)
    return page(
        sun(590, 60, 28), cloud(300, 60, 0.7),
        p(wave_line(250, 6, 100) + " L680 500 L-20 500Z"),
        ground([(150, 330), (380, 336), (560, 328)]),
        line("M30 280 q14 -6 28 0 M600 290 q14 -6 28 0"),
        reed(630, 336, 170), reed(606, 336, 120),
        beast,
    )


def alligator():
    body = ("M28 312 C28 282 80 270 150 268 C180 232 220 218 270 214 C360 204 460 222 530 250 C590 272 630 300 646 320 "
            "C600 332 520 346 440 348 L210 348 C130 348 28 342 28 312Z")
    ridge = "".join(ellipse(x, y - 4, 22, 18) for x, y in ((300, 212), (350, 210), (400, 213), (450, 222), (500, 238), (548, 258)))
    return page(
        sun(380, 60, 28), cloud(60, 90, 0.7),
        ground([(150, 388), (380, 394), (560, 386)]),
        palm(590, 392, 260, -1), reed(20, 392, 150),
        tubes(("M282 330 Q262 360 236 380", 30), ("M480 330 Q500 360 526 380", 30)),
        ridge,
        p(body),
        circle(200, 232, 24), circle(248, 226, 24), eye(200, 232, 16, (-1, 0.3)), eye(248, 226, 16, (-1, 0.3)),
        line("M30 314 L46 318 L58 306 L70 320 L84 306 L98 322 L112 308 L126 322 L140 308 L154 322 L168 316"),
        circle(180, 314, 11), dot(52, 290, 5), dot(70, 286, 5),
        tubes(("M250 340 Q230 370 204 392", 34), ("M440 342 Q464 370 492 392", 34)),
        ellipse(196, 396, 28, 12), ellipse(500, 396, 28, 12),
        p(wave_line(420, 6, 90) + " L680 500 L-20 500Z"),
        ellipse(120, 444, 56, 12), ellipse(560, 446, 50, 11),
    )


def mouse():
    cheese = p("M110 372 L128 310 L236 330 L236 372Z") + circle(160, 348, 13) + circle(208, 354, 11)
    return page(
        p("M-20 330 H680 V500 H-20Z"), p("M-20 370 H680 V500 H-20Z"),
        p("M540 370 V300 A46 46 0 0 1 632 300 V370Z"),
        p("M40 60 h110 v80 h-110z"), line("M95 60 v80 M40 100 h110"),
        tubes(("M462 320 Q530 360 540 300 Q546 250 510 250", 10)),
        ellipse(370, 306, 110, 76),
        ellipse(330, 376, 26, 12), ellipse(420, 378, 26, 12),
        circle(286, 190, 50), circle(286, 194, 30),
        p("M314 236 C270 200 206 218 168 266 C158 278 164 292 178 294 C226 304 290 314 320 294Z"),
        dot(164, 278, 8), eye(236, 250, 12, (-0.15, 0)), smile(196, 298, 20, 4),
        line("M206 268 l-26 -8 M208 280 l-28 2"),
        cheese, tubes(("M270 300 L232 326", 16)), ellipse(228, 330, 14, 10),
    )


def lemming():
    return page(
        star(80, 60, 18), star(560, 50, 18), star(200, 90, 16), star(460, 100, 16),
        hill(-80, 300, 360, 230),
        pine(600, 364, 210, 110),
        ground([(150, 370), (380, 376), (560, 368)]),
        p("M60 372 V330 A36 36 0 0 1 132 330 V372Z"),
        p("M150 374 C150 340 180 330 230 326 L440 326 C490 330 520 340 520 374Z"),
        group("translate(0 -44)",
        ellipse(262, 402, 34, 14), ellipse(398, 402, 34, 14),
        ellipse(330, 300, 128, 108),
        circle(258, 142, 18), circle(402, 142, 18),
        ellipse(330, 190, 96, 76),
        eye(298, 186, 13, (0, 0.1)), eye(362, 186, 13, (0, 0.1)),
        ellipse(330, 222, 12, 8), smile(330, 240, 20, 4),
        line("M290 218 l-28 -2 M292 228 l-28 5 M370 218 l28 -2 M368 228 l28 5"),
        circle(330, 300, 20), ellipse(300, 300, 18, 12), ellipse(360, 300, 18, 12)),
    )


def weasel():
    body = "M282 410 C264 330 270 240 290 196 C304 170 356 170 370 196 C392 250 396 330 378 410Z"
    return page(
        sun(580, 70, 30), cloud(90, 80, 0.8),
        ground([(150, 410), (380, 416), (560, 408)]),
        p("M430 410 C430 360 440 340 470 340 L640 340 C670 340 670 410 640 410Z"), ellipse(470, 375, 18, 35),
        bush(110, 412, 160, 110),
        tuft(200, 436), tuft(250, 446), tuft(560, 440), tuft(620, 450),
        group("translate(330 412) scale(1.2) translate(-330 -412)",
        tubes(("M372 392 Q430 420 470 400", 22), k=1.2),
        p(body),
        p("M300 200 C310 250 312 300 330 340 C348 300 350 250 360 200 C340 190 320 190 300 200Z"),
        ellipse(298, 412, 26, 11), ellipse(362, 412, 26, 11),
        ellipse(312, 250, 16, 12), ellipse(348, 250, 16, 12),
        circle(294, 104, 16), circle(366, 104, 16),
        ellipse(330, 140, 50, 44),
        ellipse(330, 166, 24, 17),
        dot(330, 160, 6), smile(330, 172, 16, 4),
        eye(312, 132, 10, (0, 0.1)), eye(348, 132, 10, (0, 0.1)), k=1.2),
    )


def tiger():
    body = "M230 220 C260 190 420 186 500 200 C560 210 570 260 556 300 C540 330 480 336 440 330 L290 330 C240 330 220 290 230 220Z"
    stripes = "".join(p("M%d 170 Q%d 250 %d 350 L%d 350 Q%d 250 %d 170Z" % (x, x + 34, x - 6, x + 16, x + 56, x + 24))
                      for x in (286, 350, 414, 478))
    import math
    leaves = ""
    for bx, angles in ((60, (-120, -95, -70, -45)), (610, (-135, -110, -85, -60))):
        for a in angles:
            r = math.radians(a)
            leaves += ellipse(bx + 80 * math.cos(r), 412 + 80 * math.sin(r), 78, 20, a)
    return page(
        sun(330, 60, 28),
        ground([(150, 412), (380, 418), (560, 410)]),
        leaves,
        tubes(("M550 250 Q600 240 590 170 Q586 140 560 146", 20)),
        tubes(("M300 300 L296 400", 34), ("M500 300 L506 400", 34)),
        clipped(body, stripes),
        tubes(("M270 300 L268 400", 36), ("M460 300 L466 400", 36)),
        ellipse(262, 404, 30, 13), ellipse(470, 404, 30, 13), ellipse(294, 402, 26, 11), ellipse(508, 402, 26, 11),
        circle(140, 150, 22), circle(240, 150, 22),
        p("M122 240 L104 226 L120 210 L104 194 L128 176 C150 150 230 150 252 176 L276 194 L260 210 L276 226 L258 240 C240 290 140 290 122 240Z"),
        clipped("M128 196 C140 150 240 150 252 196 C250 280 130 280 128 196Z",
                p("M176 150 L190 186 L204 150Z") + p("M120 200 L150 210 L120 220Z") + p("M260 200 L230 210 L260 220Z")),
        ellipse(190, 236, 34, 24),
        p("M180 224 h20 l-10 10z"), smile(190, 248, 22, 5),
        eye(164, 206, 12, (0, 0.1)), eye(216, 206, 12, (0, 0.1)),
    )


def dolphin():
    body = ("M140 360 C170 200 320 100 470 112 C510 115 540 130 556 150 L590 157 C598 164 594 175 584 174 L552 172 "
            "C520 200 470 186 420 186 C330 196 250 270 220 360Z")
    return page(
        sun(100, 70, 32), cloud(420, 60, 0.7),
                p("M330 126 C340 80 370 60 400 60 C384 90 380 110 392 120Z"),
        p("M410 190 C420 230 400 250 370 254 C380 230 384 210 380 190Z"),
        p(body),
        eye(514, 142, 11, (0.15, 0)), smile(556, 168, 18, 4),
        p(wave_line(330, 9, 100) + " L680 500 L-20 500Z"),
        circle(110, 300, 13), circle(262, 306, 14), circle(70, 270, 12),
        line("M60 390 q14 -6 28 0 M400 400 q14 -6 28 0 M520 370 q14 -6 28 0 M300 430 q14 -6 28 0"),
    )


def sealion():
    ball = "M384 70 A44 44 0 1 1 472 70 A44 44 0 1 1 384 70Z"
    return page(
        sun(90, 70, 30), line("M520 110 q8 -10 16 0 q8 -10 16 0 M580 160 q7 -8 14 0 q7 -8 14 0"),
        p("M120 340 C130 280 180 260 260 262 C360 262 430 270 470 300 C500 320 510 340 520 360 L110 360Z"),
        p("M210 300 C180 300 150 320 170 336 C190 340 210 330 230 320Z"),
        p("M230 300 C200 220 220 140 290 100 C320 84 360 90 380 110 L402 106 C410 110 408 122 398 124 L376 130 "
          "C360 160 330 200 340 290 C345 310 330 318 300 318 C260 318 240 316 230 300Z"),
        p("M300 200 C330 230 330 280 300 300 C290 280 286 240 300 200Z"),
        clipped(ball, line("M384 70 Q428 40 472 70 M384 70 Q428 100 472 70 M428 26 V114")),
        eye(330, 112, 11, (0.15, 0)), dot(396, 114, 5), smile(370, 136, 16, 4),
        
        p(wave_line(350, 8, 110) + " L680 500 L-20 500Z"),
        line("M60 400 q14 -6 28 0 M500 410 q14 -6 28 0 M280 430 q14 -6 28 0"),
    )


def sand_dollar():
    import math
    petals = "".join(ellipse(470 + 38 * math.cos(a), 310 + 38 * math.sin(a), 26, 10, math.degrees(a))
                     for a in [math.pi * 2 * i / 5 - math.pi / 2 for i in range(5)])
    starfish = []
    for i in range(5):
        a = math.pi * 2 * i / 5 - math.pi / 2
        starfish.append("%.1f %.1f" % (200 + 130 * math.cos(a), 290 + 130 * math.sin(a)))
        b = a + math.pi / 5
        starfish.append("%.1f %.1f" % (200 + 58 * math.cos(b), 290 + 58 * math.sin(b)))
    d = "M" + starfish[0]
    for i in range(1, 10):
        d += " L" + starfish[i]
    return page(
        sun(560, 60, 30), cloud(120, 70, 0.7),
        p(wave_line(150, 8, 110) + " L680 500 L-20 500Z"),
        ground([(150, 210), (380, 220), (560, 206)]),
        '<path d="%sZ" stroke-linejoin="round"/>' % d,
        eye(176, 270, 13, (0, 0.1)), eye(224, 270, 13, (0, 0.1)), open_smile(200, 304, 44, 12),
        circle(470, 310, 96), petals, circle(470, 310, 10),
        shell(600, 440, 1.5), shell(70, 446, 1.3), shell(380, 446, 1.1),
        line("M40 190 q14 -6 28 0 M600 190 q14 -6 28 0"),
    )


def _kept(art, box, scenery, extra, drop=(), flip=False):
    """A page with one of our older drawings (art) on new scenery, with pupils and a mouth added."""
    return lambda: page(*scenery(), embed(art, box, extra, drop, flip))


def _pupils(*eyes):
    """Pupils resting on the rim of the drawing's eyes [(x, y, r, dx, dy)] (drawing units)."""
    return "".join(dot(x + dx * (r * 0.45), y + dy * (r * 0.45), r * 0.5) for x, y, r, dx, dy in eyes)


KEPT = {
    "CHIPMUNK": ("chipmunk with an acorn", _kept("chipmunk.svg", (150, 80, 360, 350), scenes.forest_floor,
                 _pupils((128, 110, 12, -0.7, 0.5)) + line("M66 152 Q78 160 90 152")), "a chipmunk sitting up with an acorn by an oak and a tree stump"),
    "ELEPHANT": ("elephant trumpeting, trunk raised", _kept("elephant.svg", (150, 84, 420, 306), scenes.waterhole,
                 _pupils((150, 160, 15, -0.7, 0.5)),
                 ('<path d="M210 454v-14M230 458v-16M250 454v-14M430 454v-14M450 458v-16M470 454v-14" fill="none"/>',)), "an elephant trumpeting by a waterhole, a flat-topped tree behind"),
    "GIRAFFE": ("giraffe", _kept("giraffe.svg", (262, 6, 360, 416), scenes.tall_tree,
                _pupils((96, 74, 10, -0.7, 0.5)) + line("M30 94 Q42 102 56 96")), "a giraffe with its long neck beside a tall tree"),
    "HEDGEHOG": ("hedgehog carrying an apple", _kept("hedgehog.svg", (110, 100, 440, 286), scenes.garden,
                 _pupils((150, 250, 10, -0.7, 0.5)) + line("M70 296 Q84 306 98 300")), "a hedgehog with an apple on its spines in the garden"),
    "KIWI": ("kiwi bird striding along", _kept("kiwi_striding.svg", (150, 104, 380, 282), scenes.night_bush,
             _pupils((156, 122, 11, -0.7, 0.5))), "KIWI: the bird, not the fruit; out at night among ferns"),
    "LION": ("lion by a big rock", _kept("lion.svg", (70, 96, 520, 330), scenes.savanna_rock,
             _pupils((122, 134, 11, 0, 1), (178, 134, 11, 0, 1))), "a lion with a big mane standing by a rock"),
    "PIG": ("pig sitting in the farmyard", _kept("pig_sitting.svg", (170, 40, 320, 340), scenes.farmyard,
            _pupils((120, 108, 10, -0.7, 0.5)) + line("M98 200 Q112 210 126 200")), "a pig sitting by a mud puddle, a barn behind"),
    "RHINOCER": ("rhinoceros resting by the river", _kept("rhino_resting.svg", (80, 150, 500, 240), scenes.river_bank,
                 _pupils((140, 246, 13, -0.7, 0.5)) + line("M36 310 Q50 320 64 312")), "a rhinoceros lying down to rest by the river"),
}


PAGES = {
    "MOUSE": ("mouse with a piece of cheese", mouse, "a mouse with big round ears and a long tail holding cheese by its mouse hole"),
    "LEMMING": ("lemming in the snow", lemming, "a round furry lemming holding a berry in the snow by its burrow"),
    "WEASEL": ("weasel standing tall", weasel, "a long slim weasel standing up on its hind legs by a log"),
    "TIGER": ("tiger in the jungle", tiger, "a striped tiger walking through the jungle, its face turned to us"),
    "DOLPHIN": ("dolphin jumping from the sea", dolphin, "a smiling dolphin leaping over the waves"),
    "SEALION": ("sea lion balancing a ball", sealion, "a sea lion on a rock in the sea with a striped ball on its nose"),
    "SANDDOLL": ("starfish and sand dollar on the beach", sand_dollar, "a smiling starfish and a sand dollar on the sand, shells, the sea behind"),
    "BEAR": ("bear", bear, "a brown bear walking in the woods towards a beehive"),
    "BABOON": ("baboon", baboon, "a baboon walking on all fours with its long muzzle and arched tail, rocks and grass"),
    "BISON": ("bison on the prairie", bison, "a shaggy bison with horns and a beard on the prairie among flowers"),
    "MUSKOX": ("musk ox in the snow", muskox, "a musk ox facing us in its long shaggy coat, its horns hooked down beside its face, in the snow"),
    "KANGAROO": ("kangaroo with a joey in her pouch", kangaroo, "a kangaroo on her big feet and tail, a joey peeking from the pouch"),
    "HIPPOPOT": ("hippopotamus yawning by the river", hippo, "a big hippo yawning wide, teeth and tongue showing, a little bird on its back, the river behind"),
    "ALLIGATO": ("alligator by the river", alligator, "an alligator lying on the riverbank with a toothy smile, water and reeds"),
    "BIRD": ("robin on a branch", bird, "a robin perched on a leafy branch under the sun"),
    "DUCK": ("duck on the pond", duck, "a duck swimming on a pond among cattails and lily pads"),
    "CHICKEN": ("rooster", rooster, "a rooster with a red comb and a big tail in the farmyard at sunrise"),
    "OSTRICH": ("ostrich", ostrich, "an ostrich with its long neck and legs by a flat-topped tree"),
    "OWL": ("owl on a branch at night", owl, "an owl with big round eyes on a branch under the moon and stars"),
    "PENGUIN": ("penguin and her chick on the ice", penguin, "a penguin waving its flippers with its chick on the snow by the sea, an iceberg behind"),
    "CAMEL": ("camel in the desert", camel, "a one-humped camel among sand dunes with a palm tree and the sun"),
    "CAT": ("cat", cat, "a cat sitting by the window with a ball of wool"),
    "DOG": ("dog by its kennel", dog, "a puppy wagging its tail by its kennel, a bone on the grass"),
    "COW": ("cow on the farm", cow, "a spotted cow looking at us, a barn behind her"),
    "HORSE": ("horse", horse, "a horse with a flowing mane and tail in a field with a tree"),
    "GOAT": ("goat on a rock", goat, "a mountain goat with curved horns and a beard on a rock, mountains behind"),
    "DEER": ("deer in the forest", deer, "a stag with antlers standing among fir trees"),
    "FOX": ("fox", fox, "a red fox sitting with its bushy tail, among autumn trees and toadstools"),
    "SEAHORSE": ("seahorse", seahorse, "a seahorse with a curled tail among seaweed"),
    "CRAB": ("crab on the sea floor", crab, "a smiling crab with big claws and eyes on stalks, seaweed and a shell"),
}

PAGES.update(KEPT)
KEPT["SNAIL"] = ("snail", _kept("snail.svg", (20, 20, 620, 400), scenes.after_rain,
                 _pupils((120, 280, 10, 0, 1), (170, 280, 10, 0, 1)), flip=True), "a smiling snail crawling over the grass after the rain")
PAGES["SNAIL"] = KEPT["SNAIL"]
KEPT_ART = {"SNAIL": "snail.svg", "CHIPMUNK": "chipmunk.svg", "ELEPHANT": "elephant.svg", "GIRAFFE": "giraffe.svg", "HEDGEHOG": "hedgehog.svg",
            "KIWI": "kiwi_striding.svg", "LION": "lion.svg", "PIG": "pig_sitting.svg", "RHINOCER": "rhino_resting.svg"}
