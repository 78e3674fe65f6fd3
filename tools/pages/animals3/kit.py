"""Pieces the animal pages share: the page frame, faces and scenery parts.

Every piece is SVG text in page pixels (660 x 460). Shapes are white-filled so a shape
drawn later hides what lies behind it; outlines are one even 4 px stroke. Free strokes
(grass tufts, sun rays, whiskers) are kept short and apart from other lines, so they read
as marks and never as a line that stops short.
"""
W, H = 660, 460
STROKE = 4


def page(*parts):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
            '<rect width="%d" height="%d" fill="#ffffff"/>'
            '<g fill="#ffffff" stroke="#000000" stroke-width="%d" stroke-linejoin="round" '
            'stroke-linecap="round">%s</g></svg>' % (W, H, W, H, W, H, STROKE, "".join(parts)))


def p(d, extra=""):
    return '<path d="%s"%s/>' % (d, extra)


def line(d):
    """An open stroke (no fill)."""
    return '<path d="%s" fill="none"/>' % d


def circle(x, y, r):
    return '<circle cx="%g" cy="%g" r="%g"/>' % (x, y, r)


def ellipse(x, y, rx, ry, rot=0):
    t = ' transform="rotate(%g %g %g)"' % (rot, x, y) if rot else ""
    return '<ellipse cx="%g" cy="%g" rx="%g" ry="%g"%s/>' % (x, y, rx, ry, t)


def dot(x, y, r):
    """A filled black mark (pupil, nostril)."""
    return '<circle cx="%g" cy="%g" r="%g" fill="#000000" stroke="none"/>' % (x, y, r)


def eye(x, y, r=15, look=(0.25, 0.1)):
    """An eye: a white ball at least 15 px across the radius, its round black pupil resting on
    the rim on the side it looks to (so the white is one roomy crescent, easy to colour)."""
    import math
    r = max(r, 15)
    lx, ly = look
    n = math.hypot(lx, ly)
    lx, ly = (lx / n, ly / n) if n else (0.0, 1.0)
    pr = r * 0.47
    off = r - 2 - pr + 0.5
    return circle(x, y, r) + dot(x + lx * off, y + ly * off, pr)


def smile(x, y, w, d=None):
    """A short smiling mouth mark centred on (x, y), w wide (kept under 40 px long)."""
    d = d if d is not None else w * 0.35
    return line("M%g %g Q%g %g %g %g" % (x - w / 2, y, x, y + d * 2, x + w / 2, y))


def open_smile(x, y, w, d):
    """A smiling open mouth: a closed D shape."""
    return p("M%g %g Q%g %g %g %gZ" % (x - w / 2, y, x, y + d * 2, x + w / 2, y))


def wave_line(y, amp=8, period=80, x0=-20, x1=680, phase=0):
    """A wavy path from x0 to x1 (no closing), for waterlines."""
    d = "M%g %g" % (x0, y)
    x = x0
    up = True
    while x < x1:
        hx = x + period / 2
        d += " Q%g %g %g %g" % (x + period / 4 + phase, y - amp if up else y + amp, hx, y)
        x = hx
        up = not up
    return d


def ground(points, fill=True):
    """A ground from the left edge to the right edge through points [(x, y) ...],
    smoothed, closed below the page so it hides what stands behind it."""
    pts = [(-20, points[0][1])] + list(points) + [(680, points[-1][1])]
    d = "M%g %g" % pts[0]
    for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
        mx = (x0 + x1) / 2
        d += " C%g %g %g %g %g %g" % (mx, y0, mx, y1, x1, y1)
    if fill:
        d += " L680 500 L-20 500Z"
        return p(d)
    return line(d)


def water(y, amp=7, period=90, phase=0):
    """A water surface from edge to edge, closed below the page."""
    return p(wave_line(y, amp, period, phase=phase) + " L680 500 L-20 500Z")


def sun(x, y, r=30, rays=8):
    import math
    out = circle(x, y, r)
    for i in range(rays):
        a = 2 * math.pi * (i + 0.5) / rays
        c, s = math.cos(a), math.sin(a)
        out += line("M%.1f %.1f L%.1f %.1f" % (x + c * (r + 9), y + s * (r + 9), x + c * (r + 24), y + s * (r + 24)))
    return out


def cloud(x, y, s=1.0):
    """A puffy cloud about 120 x 50 px at scale 1, (x, y) its bottom left."""
    def t(dx, dy):
        return "%g %g" % (x + dx * s, y + dy * s)
    return p("M%s C%s %s %s C%s %s %s C%s %s %s C%s %s %s Z" % (
        t(0, 0), t(-20, 0), t(-16, -34), t(12, -30), t(16, -56), t(60, -56), t(66, -34),
        t(84, -50), t(120, -36), t(112, -12), t(126, -4), t(118, 2), t(104, 0)))


def tuft(x, y, s=0.7):
    """A grass tuft mark standing on (x, y): a short free zigzag."""
    return line("M%g %g l%g %g l%g %g l%g %g l%g %g" % (x - 10 * s, y, 4 * s, -14 * s, 6 * s, 10 * s,
                                                         6 * s, -10 * s, 4 * s, 14 * s))


def flower(x, y, r=9):
    """A small daisy head: a centre ring and five round petals (closed shapes)."""
    import math
    out = ""
    for i in range(5):
        a = 2 * math.pi * i / 5 - math.pi / 2
        out += circle(x + math.cos(a) * r * 1.55, y + math.sin(a) * r * 1.55, r)
    return out + circle(x, y, r * 0.9)


def stem_flower(x, y, h, r=9):
    """A daisy on a stem rising from the ground at (x, y)."""
    return p("M%g %g v%g h12 v%gz" % (x - 6, y + 4, -h, h)) + flower(x, y - h, r)


def rock(x, y, w, h):
    """A rounded rock sitting on y, centred on x."""
    return p("M%g %g C%g %g %g %g %g %g C%g %g %g %g %g %gZ" % (
        x - w / 2, y, x - w / 2, y - h * 0.9, x - w * 0.2, y - h * 1.05, x + w * 0.08, y - h,
        x + w * 0.45, y - h * 0.95, x + w / 2, y - h * 0.4, x + w / 2, y))


def round_tree(x, y, h, w):
    """A leafy tree on the ground at (x, y): trunk and a cloud-like crown."""
    tw = max(18, w * 0.16)
    top = y - h
    crown_y = top + h * 0.38
    out = p("M%g %g L%g %g L%g %g L%g %gZ" % (x - tw / 2 - 4, y + 4, x - tw / 2, crown_y, x + tw / 2, crown_y, x + tw / 2 + 4, y + 4))
    out += p("M%g %g C%g %g %g %g %g %g C%g %g %g %g %g %g C%g %g %g %g %g %g C%g %g %g %g %g %gZ" % (
        x - w * 0.35, crown_y + h * 0.22,
        x - w * 0.62, crown_y + h * 0.2, x - w * 0.62, crown_y - h * 0.2, x - w * 0.36, crown_y - h * 0.22,
        x - w * 0.3, top - h * 0.05, x + w * 0.3, top - h * 0.05, x + w * 0.36, crown_y - h * 0.22,
        x + w * 0.62, crown_y - h * 0.2, x + w * 0.62, crown_y + h * 0.2, x + w * 0.35, crown_y + h * 0.22,
        x + w * 0.15, crown_y + h * 0.3, x - w * 0.15, crown_y + h * 0.3, x - w * 0.35, crown_y + h * 0.22))
    return out


def pine(x, y, h, w):
    """A fir tree of three tiers on a short trunk standing at (x, y)."""
    trunk = h * 0.14
    out = p("M%g %g v%g h%g v%gz" % (x - 9, y + 4, -trunk - 4, 18, trunk + 4))
    base = y - trunk
    tiers = 3
    for i in range(tiers):
        b = base - i * h * 0.26
        ww = w * (1 - i * 0.25) / 2
        tt = b - h * 0.42
        out += p("M%g %g L%g %g L%g %gZ" % (x - ww, b, x, tt, x + ww, b))
    return out


def bush(x, y, w, h):
    """A bush of three bumps standing on y."""
    return p("M%g %g C%g %g %g %g %g %g C%g %g %g %g %g %g C%g %g %g %g %g %gZ" % (
        x - w / 2, y, x - w * 0.6, y - h * 0.7, x - w * 0.3, y - h * 0.9, x - w * 0.15, y - h * 0.7,
        x - w * 0.05, y - h * 1.1, x + w * 0.3, y - h * 1.1, x + w * 0.25, y - h * 0.65,
        x + w * 0.55, y - h * 0.8, x + w * 0.65, y - h * 0.1, x + w / 2, y))


def star(x, y, r):
    import math
    pts = []
    for i in range(10):
        a = math.pi * i / 5 - math.pi / 2
        rr = r if i % 2 == 0 else r * 0.45
        pts.append("%.1f %.1f" % (x + math.cos(a) * rr, y + math.sin(a) * rr))
    return p("M" + " L".join(pts) + "Z")


def moon(x, y, r):
    """A crescent moon opening to the right."""
    return p("M%g %g A%g %g 0 1 0 %g %g A%g %g 0 1 1 %g %gZ" % (
        x + r * 0.3, y - r * 0.95, r, r, x + r * 0.3, y + r * 0.95, r * 0.8, r * 0.8, x + r * 0.3, y - r * 0.95))


def hill(x0, x1, y, top):
    """A round hill from x0 to x1 on baseline y rising to top; closed below the page (its feet
    run on below the baseline so the ground drawn over them hides them)."""
    m = (x0 + x1) / 2
    y += 40
    return p("M%g %g C%g %g %g %g %g %g C%g %g %g %g %g %g L%g 500 L%g 500Z" % (
        x0, y, x0 + (m - x0) * 0.4, top, m - (m - x0) * 0.4, top, m, top,
        m + (x1 - m) * 0.4, top, x1 - (x1 - m) * 0.4, y, x1, y, x1, x0))


def mountain(pts, y=500):
    """A mountain range outline through pts, closed below."""
    return p("M" + " L".join("%g %g" % q for q in pts) + " L%g %g L%g %gZ" % (pts[-1][0], y, pts[0][0], y))


def bubble(x, y, r):
    return circle(x, y, max(r, 12))


def seaweed(x, y, h, w=26, lean=1):
    """A wavy seaweed frond standing on y (closed shape)."""
    l = lean * w * 0.6
    return p("M%g %g C%g %g %g %g %g %g C%g %g %g %g %g %g C%g %g %g %g %g %g C%g %g %g %g %g %gZ" % (
        x - w / 2, y + 4,
        x - w, y - h * 0.3, x + l, y - h * 0.5, x - w * 0.2 + l, y - h * 0.75,
        x - w * 0.6, y - h * 0.9, x + l, y - h, x + l * 0.6, y - h,
        x + w * 0.4 + l, y - h * 0.8, x + l + w * 0.2, y - h * 0.55, x + w * 0.5, y - h * 0.35,
        x + w * 0.9, y - h * 0.2, x + w * 0.3, y - h * 0.05, x + w / 2, y + 4))


def reed(x, y, h):
    """A cattail: a stalk with a brown head (closed shapes)."""
    return (p("M%g %g v%g h12 v%gz" % (x - 6, y + 4, -h, h)) +
            p("M%g %g h%g a9 9 0 0 0 9 -9 v-36 a9 9 0 0 0 -18 0 v36 a9 9 0 0 0 9 9z" % (x, y - h + 44, 0)))


def shell(x, y, s=1.0):
    """A scallop shell standing on y: a fan and its hinge (closed shapes)."""
    return (p("M%g %g C%g %g %g %g %g %g C%g %g %g %g %g %gZ" % (
        x - 8 * s, y - 6 * s, x - 30 * s, y - 20 * s, x - 22 * s, y - 48 * s, x, y - 48 * s,
        x + 22 * s, y - 48 * s, x + 30 * s, y - 20 * s, x + 8 * s, y - 6 * s)) +
            p("M%g %g h%g l%g %g h%gz" % (x - 8 * s, y - 6 * s, 16 * s, 4 * s, 7 * s, -24 * s)))


def tubes(*paths, k=1.0):
    """Outlined tubes along open paths, as one shape: every (path, width) is drawn as a
    black stroke 2 x STROKE wider, then all in white on top (legs, necks, branches)."""
    black = "".join('<path d="%s" fill="none" stroke-width="%g"/>' % (d, w + 2 * STROKE / k) for d, w in paths)
    white = "".join('<path d="%s" fill="none" stroke="#ffffff" stroke-width="%g"/>' % (d, w) for d, w in paths)
    return black + white


def clipped(shape_d, content):
    """The shape (a closed path) and then content (open lines) kept inside it, so stripes and
    ridges end exactly on the outline."""
    import hashlib
    cid = "c" + hashlib.md5((shape_d + content).encode()).hexdigest()[:10]
    return ('<clipPath id="%s"><path d="%s"/></clipPath><path d="%s"/>'
            '<g clip-path="url(#%s)">%s</g><path d="%s" fill="none"/>' % (cid, shape_d, shape_d, cid, content, shape_d))


def group(transform, *parts, k=1.0):
    """Parts drawn under a transform that scales by k, with the outline kept at STROKE."""
    return '<g transform="%s" stroke-width="%g">%s</g>' % (transform, STROKE / k, "".join(parts))


def scene(*parts):
    """A scenery drawing for a composed page (no paper backdrop: the art is laid over it)."""
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
            '<g fill="#ffffff" stroke="#000000" stroke-width="%d" stroke-linejoin="round" '
            'stroke-linecap="round">%s</g></svg>' % (W, H, W, H, STROKE, "".join(parts)))
