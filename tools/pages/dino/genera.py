"""The fifty dinosaurs of edition 2: body-plan parameters per genus and page layout."""
import numpy as np

from . import bodies, scenery
from .svgkit import Canvas
from .raster import render

GROUND = 400

SAUROPOD = dict(quad=True, tail_len=250, tail_w=40, tail_droop=160, tail_lift=60, body_len=170, body_top=50,
                body_bot=70, leg_len=150, leg_w=24, neck_len=190, neck_angle=52, neck_w=17,
                head="sauropod", head_size=46, head_angle=-12)
THEROPOD = dict(quad=False, tail_len=230, tail_w=40, tail_droop=75, tail_lift=35, body_len=115, body_top=42,
                body_bot=55, shoulder_rise=8, leg_len=165, leg_w=32, neck_len=55, neck_angle=60,
                neck_w=24, head="rex", head_size=100, head_angle=-8, arm_len=55, arm_w=8, fingers=3,
                belly_line=False)
SMALL = dict(THEROPOD, tail_len=230, tail_w=22, tail_droop=55, tail_lift=35, body_len=85, body_top=26,
             body_bot=34, shoulder_rise=14, leg_len=130, leg_w=20, neck_len=70, neck_angle=55,
             neck_w=12, head="slim", head_size=60, head_angle=-5, arm_len=60, arm_w=6)
ORNITHO = dict(SMALL, tail_len=210, body_len=90, body_top=30, body_bot=40, leg_len=170, leg_w=22,
               neck_len=120, neck_angle=72, neck_w=11, head="ornitho", head_size=52, head_angle=-6,
               arm_len=70, arm_w=6)
ORNITHOPOD = dict(THEROPOD, tail_len=220, tail_w=34, tail_droop=80, tail_lift=30, body_len=125, body_top=42,
                  body_bot=58, shoulder_rise=10, leg_len=150, leg_w=30, neck_len=65, neck_angle=55,
                  neck_w=20, head="duck", head_size=80, head_angle=-12, arm_len=75, arm_w=9,
                  arm_angle=75, fingers=3)
CERATOPS = dict(quad=True, tail_len=130, tail_w=36, tail_droop=60, body_len=170, body_top=55,
                body_bot=65, shoulder_rise=-10, leg_len=120, leg_w=25, neck_len=30, neck_angle=10,
                neck_w=32, head="cerat", head_size=120, head_angle=-18, belly_dy=8)
ANKYLO = dict(quad=True, tail_len=170, tail_w=34, tail_droop=25, tail_lift=5, body_len=190,
              body_top=58, body_bot=45, shoulder_rise=-12, leg_len=95, leg_w=22, neck_len=25,
              neck_angle=5, neck_w=28, head="ankylo", head_size=70, head_angle=-12)
STEGO = dict(quad=True, tail_len=190, tail_w=36, tail_droop=30, tail_lift=30, body_len=180,
             body_top=58, body_bot=60, shoulder_rise=-35, leg_len=125, leg_w=24, fore_w=19,
             neck_len=45, neck_angle=-10, neck_w=20, head="stego", head_size=52, head_angle=-15)


def _g(base, **kw):
    d = dict(base)
    d.update(kw)
    return d


GENERA = {
    "ALBERTOS": ("Albertosaurus", _g(THEROPOD, body_len=105, leg_len=175, leg_w=28, head_size=90,
                                     neck_w=20, body_top=36, body_bot=48, fingers=2, arm_len=40,
                                     horns=[(0.3, -0.33, 0.1, 100, 0.07)], brow=True)),
    "ALLOSAUR": ("Allosaurus", _g(THEROPOD, head="slim", head_size=95, roar=22, fingers=3, arm_len=70,
                                  horns=[(0.38, -0.27, 0.15, 95, 0.09)], stripes=[0.33, 0.38, 0.43])),
    "ANATOSAU": ("Anatosaurus", _g(ORNITHOPOD, stripes=[0.3, 0.36])),
    "ANKYLOSA": ("Ankylosaurus", _g(ANKYLO, club=34, scutes=(3, 26),
                                    flank_spikes=7,
                                    horns=[(0.1, -0.3, 0.22, 160, 0.12), (0.1, 0.12, 0.18, 200, 0.1)])),
    "APATOSAU": ("Apatosaurus", _g(SAUROPOD, neck_w=21, leg_w=26)),
    "BAROSAUR": ("Barosaurus", _g(SAUROPOD, neck_len=260, neck_angle=58, neck_w=15, body_len=150,
                                  tail_len=260, head_size=40)),
    "BRACHIOS": ("Brachiosaurus", _g(SAUROPOD, shoulder_rise=55, neck_len=230, neck_angle=72,
                                     tail_len=220, tail_droop=110, tail_lift=30, leg_len=170, fore_w=24,
                                     head="brachio", head_size=50, head_angle=-20, body_len=160)),
    "CAMARASA": ("Camarasaurus", _g(SAUROPOD, neck_len=140, neck_angle=45, neck_w=20, head="box",
                                    head_size=55, tail_len=190, shoulder_rise=10)),
    "CERATOSA": ("Ceratosaurus", _g(THEROPOD, head="slim", head_size=95,
                                    horns=[(0.82, -0.18, 0.2, 95, 0.07), (0.38, -0.27, 0.1, 90, 0.08)],
                                    spikes=[(f, 14, 0) for f in (0.3, 0.35, 0.4, 0.45, 0.5, 0.55)])),
    "CHASMOSA": ("Chasmosaurus", _g(CERATOPS, frill=dict(size=1.2, tall=0.85, rot=30),
                                    horns=[(0.8, -0.2, 0.12, 80, 0.06), (0.45, -0.28, 0.1, 75, 0.05)])),
    "COELOPHY": ("Coelophysis", _g(SMALL, stripes=[0.3, 0.35, 0.4])),
    "COMPSOGN": ("Compsognathus", _g(SMALL, tail_len=200, head_size=55, leg_len=120, arm_len=40,
                                     fingers=2, stripes=[0.33, 0.39])),
    "CORYTHOS": ("Corythosaurus", _g(ORNITHOPOD, crest="helmet")),
    "DEINONYC": ("Deinonychus", _g(SMALL, sickle=True, tail_droop=-10, tail_lift=25, head_size=70,
                                   arm_len=75, claw=1.3, leg_w=22)),
    "DILOPHOS": ("Dilophosaurus", _g(THEROPOD, head="slim", head_size=90, crest="double", body_top=36,
                                     body_bot=46, leg_w=28, neck_len=70, neck_w=18)),
    "DIPLODOC": ("Diplodocus", _g(SAUROPOD, whip=True, tail_len=250, neck_len=220, neck_angle=40,
                                  head="diplo", head_size=46, tail_droop=35)),
    "DRYOSAUR": ("Dryosaurus", _g(ORNITHOPOD, head="beak", head_size=60, body_len=95, body_top=32,
                                  body_bot=42, leg_len=140, leg_w=22, neck_w=14, tail_w=24,
                                  arm_len=45, arm_w=6, stripes=[0.32, 0.38, 0.44])),
    "DRYPTOSA": ("Dryptosaurus", _g(THEROPOD, head="slim", head_size=90, arm_len=80, arm_w=9, claw=1.6)),
    "EUOPLOCE": ("Euoplocephalus", _g(ANKYLO, club=30, scutes=(3, 22), tail_len=190,
                                      spikes=[(f, 16, 0) for f in (0.42, 0.52, 0.62)],
                                      horns=[(0.1, -0.3, 0.18, 150, 0.07), (0.4, -0.36, 0.1, 100, 0.05)])),
    "GALLIMIM": ("Gallimimus", _g(ORNITHO)),
    "HYLAEOSA": ("Hylaeosaurus", _g(ANKYLO, scutes=(2, 24), flank_spikes=8,
                                    spikes=[(f, 36, -30) for f in (0.5, 0.56, 0.62)])),
    "HYPSILOP": ("Hypsilophodon", _g(ORNITHOPOD, head="beak", head_size=55, body_len=85, body_top=28,
                                     body_bot=36, leg_len=130, leg_w=19, neck_w=12, tail_w=20,
                                     arm_len=40, arm_w=6, tail_lift=15)),
    "IGUANODO": ("Iguanodon", _g(ORNITHOPOD, head="beak", head_size=85, arm_len=95, arm_w=11,
                                 arm_angle=80, fingers=4, thumb=True)),
    "KENTROSA": ("Kentrosaurus", _g(STEGO, plates=(4, 40, 0.5, 0.62),
                                    spikes=[(f, 55, -35) for f in (0.12, 0.2, 0.28, 0.36, 0.44)])),
    "MAMENCHI": ("Mamenchisaurus", _g(SAUROPOD, neck_len=320, neck_angle=40, neck_w=14, body_len=140,
                                      tail_len=200, head_size=38)),
    "MEGALOSA": ("Megalosaurus", _g(THEROPOD, head="slim", head_size=95, stripes=[0.34, 0.4])),
    "MONOCLON": ("Monoclonius", _g(CERATOPS, frill=dict(size=0.95, bumps=True),
                                   horns=[(0.78, -0.22, 0.35, 75, 0.08)])),
    "MUSSAURU": ("Mussaurus", _g(ORNITHOPOD, head="sauropod", nest=True, head_size=55, neck_len=110, neck_angle=55,
                                 neck_w=14, body_len=110, body_top=36, body_bot=46, leg_len=135,
                                 leg_w=24, arm_len=70, arm_w=8, tail_w=26)),
    "ORNITHOL": ("Ornitholestes", _g(SMALL, head_size=62, arm_len=70, claw=1.3, crest=None,
                                     horns=[(0.85, -0.12, 0.08, 80, 0.06)])),
    "ORNITHOM": ("Ornithomimus", _g(ORNITHO, neck_len=110, leg_len=160, stripes=[0.3, 0.36])),
    "OURANOSA": ("Ouranosaurus", _g(ORNITHOPOD, head="beak", head_size=80, sail=(70, 0.25, 0.6),
                                    boss_eye=True)),
    "PACHYCEP": ("Pachycephalosaurus", _g(ORNITHOPOD, head="dome", head_size=70, crest="dome",
                                          neck_w=16, arm_len=50)),
    "PACHYRHI": ("Pachyrhinosaurus", _g(CERATOPS, boss=True, frill=dict(size=1.0, spikes=4, spike_len=0.35))),
    "PARASAUR": ("Parasaurolophus", _g(ORNITHOPOD, crest="tube")),
    "PENTACER": ("Pentaceratops", _g(CERATOPS, frill=dict(size=1.45, tall=1.25, bumps=True,
                                                           windows=[(0.3, -0.3), (0.3, 0.3)]),
                                     horns=[(0.8, -0.2, 0.15, 80, 0.06), (0.42, -0.3, 0.55, 60, 0.08),
                                            (0.25, 0.22, 0.3, 205, 0.1)])),
    "PINACOSA": ("Pinacosaurus", _g(ANKYLO, club=24, scutes=(2, 24), body_len=160, leg_len=90,
                                    horns=[(0.1, -0.3, 0.18, 150, 0.07)])),
    "PLATEOSA": ("Plateosaurus", _g(ORNITHOPOD, head="sauropod", head_size=55, neck_len=130,
                                    neck_angle=50, neck_w=15, tail_len=250, arm_len=80, arm_w=9,
                                    stripes=[0.3, 0.35])),
    "PROTOCER": ("Protoceratops", _g(CERATOPS, head="parrot", nest=True, max_scale=1.0, shift=-75, frill=dict(size=1.05, rot=25, tall=0.9),
                                     body_top=48, body_bot=55, leg_len=105)),
    "PSITTACO": ("Psittacosaurus", _g(ORNITHOPOD, head="parrot", head_size=75, body_len=100,
                                      leg_len=130, leg_w=24, arm_len=50, arm_w=7,
                                      spikes=[(f, 22, -30) for f in (0.1, 0.15, 0.2, 0.25)])),
    "RHOETOSA": ("Rhoetosaurus", _g(SAUROPOD, neck_len=170, neck_angle=38, stripes=[0.4, 0.47])),
    "SALTASAU": ("Saltasaurus", _g(SAUROPOD, neck_len=150, neck_angle=40, tail_len=200, scutes=(2, 22))),
    "SALTOPUS": ("Saltopus", _g(SMALL, head_size=50, body_len=70, tail_len=210, leg_len=120,
                                stripes=[0.32, 0.37, 0.42])),
    "SAUROLOP": ("Saurolophus", _g(ORNITHOPOD, crest="spike")),
    "SPINOSAU": ("Spinosaurus", _g(THEROPOD, head="croc", head_size=85, sail=(110, 0.3, 0.62),
                                   leg_len=140, tail_len=240, neck_len=70, arm_len=70, fingers=3)),
    "STEGOSAU": ("Stegosaurus", _g(STEGO, plates=(9, 52, 0.3, 0.63),
                                   tail_spikes=[(0.045, 58, 140), (0.08, 62, 135), (0.115, 58, 130),
                                                (0.15, 50, 125)])),
    "STYRACOS": ("Styracosaurus", _g(CERATOPS, frill=dict(size=0.95, spikes=6, spike_len=0.5),
                                     horns=[(0.78, -0.22, 0.45, 72, 0.09)])),
    "TRICERAT": ("Triceratops", _g(CERATOPS, frill=dict(size=1.0, bumps=True),
                                   horns=[(0.8, -0.2, 0.16, 75, 0.06), (0.42, -0.3, 0.55, 35, 0.07),
                                          (0.3, -0.34, 0.5, 45, 0.065)])),
    "TYRANNOS": ("Tyrannosaurus", _g(THEROPOD, head_size=115, neck_len=70, body_bot=62, roar=28, fingers=2,
                                     arm_len=38, arm_w=7,
                                     leg_w=36)),
    "VELOCIRA": ("Velociraptor", _g(SMALL, sickle=True, tail_droop=-10, tail_lift=25, head="slim",
                                    head_size=68, arm_len=65, wing=True, leg_w=18)),
    "ZEPHYROS": ("Zephyrosaurus", _g(ORNITHOPOD, head="beak", head_size=50, body_len=80, body_top=26,
                                     body_bot=34, leg_len=125, leg_w=18, neck_w=11, tail_w=18,
                                     arm_len=38, arm_w=5, stripes=[0.3, 0.35, 0.4, 0.45])),
}


def _draw(P, at):
    c = Canvas()
    c.at(*at)
    bodies.dinosaur(c, P)
    return c


def _silhouette(c):
    solid = Canvas()
    solid.items = [it.replace('fill="#fff"', 'fill="#000"') for it in c.items]
    return render(solid.svg())


def _free(mask, x0, y0, x1, y1):
    x0, y0 = max(0, int(x0)), max(0, int(y0))
    x1, y1 = min(mask.shape[1], int(x1)), min(mask.shape[0], int(y1))
    return x1 > x0 and y1 > y0 and not mask[y0:y1, x0:x1].any()


def _covered(mask, x0, y0, x1, y1):
    x0, y0 = max(0, int(x0)), max(0, int(y0))
    x1, y1 = min(mask.shape[1], int(x1)), min(mask.shape[0], int(y1))
    return float(mask[y0:y1, x0:x1].mean()) if x1 > x0 and y1 > y0 else 1.0


def page_svg(stem):
    """The SVG of one edition-2 page: scenery behind the genus's dinosaur."""
    name, P = GENERA[stem]
    probe = _draw(P, (0, 0, 1.0))
    x0, y0, x1, y1 = probe.box
    ground_local = P["leg_len"]
    s = min(620 / (x1 - x0), (GROUND - 22) / (ground_local - y0), P.get("max_scale", 1.6))
    ox = 330 - (x0 + x1) / 2 * s + P.get("shift", 0)
    oy = GROUND - ground_local * s
    dino = _draw(P, (ox, oy, s))
    mask = _silhouette(dino)
    mask = np.pad(mask, 0)
    order = sorted(GENERA).index(stem)
    c = Canvas()
    scenery.ground(c, GROUND, phase=len(stem))
    taken = mask.copy()
    suns = [(75, 70), (585, 70), (330, 60), (200, 60), (460, 60)]
    if order % 2:
        suns[0], suns[1] = suns[1], suns[0]
    for sx, sy in suns:
        if _free(taken, sx - 62, sy - 62, sx + 62, sy + 62):
            scenery.sun(c, sx, sy)
            taken[sy - 60:sy + 60, max(0, sx - 60):sx + 60] = True
            break
    if order % 3 == 0:
        for vx in (480, 180, 330):
            if _covered(taken, vx - 105, GROUND - 150, vx + 105, GROUND - 8) < 0.06 and \
                    _free(taken, vx - 40, GROUND - 215, vx + 40, GROUND - 150):
                back = Canvas()
                scenery.volcano(back, vx, GROUND + 20, 210, 135)
                c.items = back.items + c.items
                taken[GROUND - 200:GROUND, vx - 110:vx + 110] = True
                break
    clouds = 0
    for cx, cy in ((200, 55), (470, 60), (330, 45), (90, 150), (570, 150)):
        if clouds < 2 and _free(taken, cx - 70, cy - 35, cx + 70, cy + 35):
            scenery.cloud(c, cx, cy)
            taken[cy - 35:cy + 35, max(0, cx - 70):cx + 70] = True
            clouds += 1
    if P.get("nest"):
        for nx in (100, 560, 585, 75, 180, 480):
            if _free(taken, nx - 76, GROUND - 72, nx + 76, GROUND - 5):
                scenery.nest(c, nx, GROUND + 12)
                taken[GROUND - 80:GROUND + 20, max(0, nx - 85):nx + 85] = True
                break
    ferns = 0
    for fx in ((70, 590, 160, 500) if order % 2 else (590, 70, 500, 160)):
        if ferns < 2 and _free(taken, fx - 95, GROUND - 110, fx + 95, GROUND - 10):
            if order % 4 == 1 and ferns == 0 and _free(taken, fx - 95, GROUND - 285, fx + 95, GROUND - 150) \
                    and _covered(taken, fx - 25, GROUND - 150, fx + 25, GROUND - 10) < 0.05:
                scenery.palm(c, fx, GROUND + 4, 190, flip=fx > 330)
            elif order % 5 == 2:
                scenery.grass(c, fx, GROUND + 6, blades=7, h=105)
            else:
                scenery.fern(c, fx, GROUND + 8, 1.05, flip=fx > 330)
            taken[GROUND - 120:GROUND + 20, max(0, fx - 100):fx + 100] = True
            ferns += 1
    rocks = 0
    for i, (rx, rw) in enumerate(((40, 70), (610, 60), (250, 50), (420, 55), (160, 50), (520, 50))):
        if rocks < 2 and _free(taken, rx - rw / 2 - 10, GROUND - 45, rx + rw / 2 + 10, GROUND - 5):
            scenery.rock(c, rx, GROUND + 22, rw, 34, seed=i + order)
            taken[GROUND - 50:GROUND + 20, max(0, rx - rw):rx + rw] = True
            rocks += 1
    c.items += dino.items
    return name, c.svg(flip=P.get("flip", order % 3 == 1))
