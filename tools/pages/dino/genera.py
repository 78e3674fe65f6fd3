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
                                     horns=[(0.3, -0.33, 0.1, 100, 0.07)], brow=True,
                                     # running: body level and low in front, far foot pushing off behind
                                     pitch=-8, neck_angle=25, head_angle=-12, tail_droop=10, tail_lift=40,
                                     hind_pose=((-1.0, 30, 55), (0.55, 0, 0)))),
    "ALLOSAUR": ("Allosaurus", _g(THEROPOD, head="slim", head_size=95, roar=30, fingers=3, arm_len=70,
                                  horns=[(0.38, -0.27, 0.15, 95, 0.09)], stripes=[0.33, 0.38, 0.43],
                                  # lunging: head thrust low and forward, tail raised behind
                                  pitch=-14, neck_angle=0, neck_len=70, head_angle=-22, tail_droop=-40,
                                  tail_lift=60, arm_angle=20, hind_pose=((-0.7, 0, 0), (0.45, 0, 0)))),
    "ANATOSAU": ("Anatosaurus", _g(ORNITHOPOD, stripes=[0.3, 0.36],
                                   # grazing on all fours, duck bill down to the plants
                                   quad=True, hind="bird", fore_w=14, pitch=-10, neck_angle=-25,
                                   head_angle=-45, tail_droop=0, tail_lift=25,
                                   hind_pose=((-0.3, 0, 0), (0.15, 0, 0)), fore_pose=((-14, 0), (12, 0)))),
    "ANKYLOSA": ("Ankylosaurus", _g(ANKYLO, club=34, scutes=(3, 26),
                                    flank_spikes=7,
                                    horns=[(0.1, -0.3, 0.22, 160, 0.12), (0.1, 0.12, 0.18, 200, 0.1)],
                                    # tail club swung up high to strike
                                    tail_droop=-70, tail_lift=90)),
    "APATOSAU": ("Apatosaurus", _g(SAUROPOD, neck_w=21, leg_w=26,
                                   # walking, heavy neck raised, tail sweeping behind
                                   neck_angle=38, tail_droop=110, tail_lift=20,
                                   hind_pose=((-18, 0, 0), (16, 0, 0)), fore_pose=((14, 0), (-14, 0)))),
    "BAROSAUR": ("Barosaurus", _g(SAUROPOD, neck_len=260, neck_w=15, body_len=150, tail_len=260, head_size=40,
                                  # rearing up on its hind legs, fore feet off the ground, tail propping it up
                                  pitch=34, neck_angle=45, head_angle=5, tail_droop=60,
                                  fore_pose=((40, 150), (25, 140)))),
    "BRACHIOS": ("Brachiosaurus", _g(SAUROPOD, shoulder_rise=55, neck_len=230, neck_angle=72,
                                     tail_len=220, tail_droop=110, tail_lift=30, leg_len=170, fore_w=24,
                                     head="brachio", head_size=50, head_angle=-20, body_len=160)),
    "CAMARASA": ("Camarasaurus", _g(SAUROPOD, neck_w=20, head="box", head_size=55, shoulder_rise=10,
                                    tail_len=150, body_len=150, neck_len=150,
                                    # short, deep body; neck held straight up above the shoulders
                                    neck_angle=82, head_angle=-15, tail_droop=70, tail_lift=20,
                                    hind_pose=((10, 0, 0), (-10, 0, 0)))),
    "CERATOSA": ("Ceratosaurus", _g(THEROPOD, head="slim", head_size=95,
                                    horns=[(0.82, -0.18, 0.2, 95, 0.07), (0.38, -0.27, 0.1, 90, 0.08)],
                                    spikes=[(f, 14, 0) for f in (0.3, 0.4, 0.5)],
                                    # head held high, deep tail sweeping down to the ground
                                    pitch=12, neck_angle=80, neck_len=80, head_angle=10, tail_w=48,
                                    tail_droop=150, tail_lift=0, hind_pose=((-0.2, 0, 0), (0.1, 0, 0)))),
    "CHASMOSA": ("Chasmosaurus", _g(CERATOPS, frill=dict(size=1.2, tall=0.85, rot=30),
                                    horns=[(0.8, -0.2, 0.12, 80, 0.06), (0.45, -0.28, 0.1, 75, 0.05)],
                                    # stepping out, head raised to show its long frill
                                    pitch=5, neck_angle=35, head_angle=25, tail_droop=90,
                                    fore_pose=((-20, 0), (30, 25)), hind_pose=((20, 0, 0), (-15, 0, 0)))),
    "COELOPHY": ("Coelophysis", _g(SMALL, stripes=[0.3, 0.35, 0.4],
                                   # a slender walker, S-curved neck up, long tail curling up at the end
                                   neck_len=95, neck_angle=65, neck_curve=0.6, head_angle=-15,
                                   tail_droop=-10, tail_lift=90, hind_pose=((-0.5, 10, 30), (0.35, 0, 0)))),
    "COMPSOGN": ("Compsognathus", _g(SMALL, tail_len=200, head_size=55, leg_len=100, arm_len=40,
                                     fingers=2, stripes=[0.33, 0.39],
                                     # crouched low, head forward, stalking, tail high
                                     pitch=-6, neck_angle=12, head_angle=-12, tail_droop=-30, tail_lift=45,
                                     hind_pose=((-0.2, 0, 0), (0.6, 0, 0)))),
    "CORYTHOS": ("Corythosaurus", _g(ORNITHOPOD, crest="helmet",
                                     # standing up on its hind legs, head raised to call
                                     pitch=18, neck_angle=75, neck_curve=0.4, head_angle=12, tail_droop=90,
                                     tail_lift=-10, hind_pose=((-0.2, 0, 0), (0.2, 0, 0)))),
    "DEINONYC": ("Deinonychus", _g(SMALL, sickle=True, head_size=70, arm_len=75, claw=1.3, leg_w=22,
                                   # springing forward off the ground, stiff tail straight out, arms
                                   # reaching, sickle claws raised
                                   air=35, pitch=-5, neck_angle=25, head_angle=-5, arm_angle=30, roar=20,
                                   tail_droop=-5, tail_lift=0, hind_pose=((-0.9, 20, 40), (0.8, 30, -30)))),
    "DILOPHOS": ("Dilophosaurus", _g(THEROPOD, head="slim", head_size=90, crest="double", body_top=36,
                                     body_bot=46, leg_w=28, neck_len=100, neck_w=16,
                                     # standing tall and alert on slender legs
                                     pitch=28, neck_angle=95, neck_curve=0.5, head_angle=-5, leg_len=185,
                                     tail_droop=80, tail_lift=-20, arm_angle=30,
                                     hind_pose=((-0.25, 0, 0), (0.15, 0, 0)))),
    "DIPLODOC": ("Diplodocus", _g(SAUROPOD, whip=True, tail_len=250, neck_len=220, head="diplo", head_size=46,
                                  # neck stretched level, long whip tail out behind
                                  neck_angle=8, head_angle=-8, tail_droop=35, tail_lift=15,
                                  hind_pose=((-12, 0, 0), (14, 0, 0)))),
    "DRYOSAUR": ("Dryosaurus", _g(ORNITHOPOD, head="beak", head_size=60, body_len=95, body_top=32,
                                  body_bot=42, leg_len=140, leg_w=22, neck_w=14, tail_w=24,
                                  arm_len=45, arm_w=6, stripes=[0.32, 0.38, 0.44],
                                  # standing alert, neck up, tail held out straight
                                  pitch=10, neck_angle=85, head_angle=-5, tail_droop=-5, tail_lift=10,
                                  hind_pose=((-0.35, 0, 0), (0.15, 0, 0)))),
    "DRYPTOSA": ("Dryptosaurus", _g(THEROPOD, head="slim", head_size=90, arm_len=80, arm_w=9, claw=1.6,
                                    # leaping at its prey, clear of the ground: one foot trailing, one
                                    # thrust forward, arms reaching out
                                    air=45, pitch=12, roar=25, neck_angle=20, head_angle=0, tail_droop=15,
                                    tail_lift=10, arm_angle=35,
                                    hind_pose=((-0.7, 15, 45), (0.75, 25, -25)))),
    "EUOPLOCE": ("Euoplocephalus", _g(ANKYLO, club=30, scutes=(3, 22), tail_len=190,
                                      spikes=[(f, 16, 0) for f in (0.42, 0.52, 0.62)],
                                      horns=[(0.1, -0.3, 0.18, 150, 0.07), (0.4, -0.36, 0.1, 100, 0.05)],
                                      # walking, head low to browse, club trailing on the ground
                                      neck_angle=-25, head_angle=-35, tail_droop=60, tail_lift=0,
                                      hind_pose=((-15, 0, 0), (15, 0, 0)), fore_pose=((15, 0), (-15, 0)))),
    "GALLIMIM": ("Gallimimus", _g(ORNITHO,
                                  # sprinting: neck stretched forward, legs in full stride
                                  pitch=-10, neck_angle=28, head_angle=-5, tail_droop=5, tail_lift=30,
                                  hind_pose=((-1.1, 45, 70), (0.8, 15, -15)))),
    "HYLAEOSA": ("Hylaeosaurus", _g(ANKYLO, scutes=(2, 24), flank_spikes=8,
                                    spikes=[(f, 36, -30) for f in (0.5, 0.56, 0.62)],
                                    # long and low, head up, tail swept up behind
                                    leg_len=80, body_len=210, neck_angle=50, head_angle=15, tail_droop=-50,
                                    tail_lift=60)),
    "HYPSILOP": ("Hypsilophodon", _g(ORNITHOPOD, head="beak", head_size=55, body_len=85, body_top=28,
                                     body_bot=36, leg_len=130, leg_w=19, neck_w=12, tail_w=20,
                                     arm_len=40, arm_w=6,
                                     # dashing away: both feet off the ground, tail straight out
                                     air=18, pitch=-5, neck_angle=30, head_angle=0, tail_droop=-15, tail_lift=10,
                                     hind_pose=((-1.2, 35, 75), (0.9, 30, -20)))),
    "IGUANODO": ("Iguanodon", _g(ORNITHOPOD, head="beak", head_size=85, arm_len=95, arm_w=11,
                                 fingers=4, thumb=True, body_top=50, body_bot=66, leg_w=36, tail_w=40,
                                 # a heavy animal standing up, arm held out to show its thumb spike
                                 pitch=12, neck_angle=45, head_angle=-5, arm_angle=5, tail_droop=60,
                                 tail_lift=0, hind_pose=((-0.4, 0, 0), (0.3, 0, 0)))),
    "KENTROSA": ("Kentrosaurus", _g(STEGO, plates=(4, 40, 0.5, 0.62),
                                    spikes=[(f, 55, -35) for f in (0.12, 0.2, 0.28, 0.36, 0.44)],
                                    # head down, spiked tail held high
                                    neck_angle=-40, head_angle=-45, tail_droop=-60, tail_lift=60)),
    "MAMENCHI": ("Mamenchisaurus", _g(SAUROPOD, neck_len=320, neck_w=14, body_len=140,
                                      tail_len=200, head_size=38,
                                      # the longest neck, held out forward and a little up
                                      neck_angle=28, head_angle=-5, tail_droop=100, tail_lift=10)),
    "MEGALOSA": ("Megalosaurus", _g(THEROPOD, head="slim", head_size=95, stripes=[0.34, 0.4],
                                    # head down, sniffing along the ground
                                    pitch=-10, neck_angle=-45, neck_len=70, head_angle=-55, tail_droop=-20,
                                    tail_lift=70, hind_pose=((-0.3, 0, 0), (0.4, 0, 0)))),
    "MONOCLON": ("Monoclonius", _g(CERATOPS, frill=dict(size=0.95, bumps=True),
                                   horns=[(0.78, -0.22, 0.35, 75, 0.08)],
                                   # rearing its front up to threaten
                                   pitch=28, neck_angle=20, head_angle=0, tail_droop=10, tail_lift=10,
                                   fore_pose=((35, 60), (50, 75)), hind_pose=((-15, 0, 0), (15, 0, 0)))),
    "MUSSAURU": ("Mussaurus", _g(ORNITHOPOD, head="sauropod", nest=True, head_size=55, neck_len=110,
                                 neck_w=14, body_len=110, body_top=36, body_bot=46, leg_len=135,
                                 leg_w=24, arm_len=70, arm_w=8, tail_w=26,
                                 # on all fours, long neck bent down towards its nest
                                 max_scale=1.05, shift=-85, nest_front=True, quad=True, hind="bird", fore_w=15,
                                 pitch=-8, neck_angle=-30, head_angle=-40,
                                 tail_droop=60, tail_lift=0, fore_pose=((-10, 0), (15, 0)))),
    "ORNITHOL": ("Ornitholestes", _g(SMALL, head_size=62, arm_len=80, claw=1.3, crest=None,
                                     horns=[(0.85, -0.12, 0.08, 80, 0.06)],
                                     # reaching forward with both hands to grab
                                     pitch=20, neck_angle=70, head_angle=15, arm_angle=-5,
                                     tail_droop=40, tail_lift=-10, hind_pose=((-0.6, 0, 0), (0.3, 0, 0)))),
    "ORNITHOM": ("Ornithomimus", _g(ORNITHO, neck_len=130, leg_len=160, stripes=[0.3, 0.36],
                                    # standing tall like an ostrich, neck straight up
                                    pitch=12, neck_angle=92, neck_curve=0.0, head_angle=0, tail_droop=50,
                                    hind_pose=((-0.15, 0, 0), (0.1, 0, 0)))),
    "OURANOSA": ("Ouranosaurus", _g(ORNITHOPOD, head="beak", head_size=80, sail=(70, 0.25, 0.6),
                                    boss_eye=True,
                                    # walking on all fours under its tall back sail
                                    quad=True, hind="bird", fore_w=15, pitch=-6, neck_angle=35, head_angle=-8,
                                    tail_droop=40, tail_lift=0, hind_pose=((-0.4, 0, 0), (0.3, 0, 0)),
                                    fore_pose=((-20, 0), (18, 0)))),
    "PACHYCEP": ("Pachycephalosaurus", _g(ORNITHOPOD, head="dome", head_size=70, crest="dome",
                                          neck_w=16, arm_len=50,
                                          # standing tall, domed head held high, stiff tail out behind
                                          pitch=15, neck_angle=70, neck_len=55, head_angle=-15,
                                          tail_droop=0, tail_lift=0,
                                          hind_pose=((-0.4, 0, 0), (0.3, 0, 0)))),
    "PACHYRHI": ("Pachyrhinosaurus", _g(CERATOPS, boss=True, frill=dict(size=1.0, spikes=4, spike_len=0.35),
                                        # plodding along, head level, tail low
                                        neck_angle=0, head_angle=-20, tail_droop=70, tail_lift=10,
                                        hind_pose=((15, 0, 0), (-20, 0, 0)), fore_pose=((25, 0), (-15, 0)))),
    "PARASAUR": ("Parasaurolophus", _g(ORNITHOPOD, crest="tube",
                                       # striding along on its hind legs, crest swept back
                                       pitch=-4, neck_angle=45, head_angle=0, tail_droop=30, tail_lift=30,
                                       arm_angle=40, hind_pose=((-0.8, 20, 40), (0.5, 0, 0)))),
    "PENTACER": ("Pentaceratops", _g(CERATOPS, frill=dict(size=1.45, tall=1.25, bumps=True,
                                                           windows=[(0.3, -0.3), (0.3, 0.3)]),
                                     horns=[(0.8, -0.2, 0.15, 80, 0.06), (0.42, -0.3, 0.55, 60, 0.08),
                                            (0.3, 0.2, 0.32, 215, 0.17)],
                                     # head high, its huge frill upright
                                     neck_angle=45, head_angle=12, tail_droop=100, pitch=6)),
    "PINACOSA": ("Pinacosaurus", _g(ANKYLO, club=24, scutes=(2, 24), body_len=160,
                                    horns=[(0.1, -0.3, 0.18, 150, 0.07)],
                                    # a young one on long legs, trotting, head up and tail club raised
                                    leg_len=115, leg_w=18, neck_angle=35, head_angle=15, tail_droop=-35,
                                    tail_lift=55, fore_pose=((30, 25), (-20, 0)),
                                    hind_pose=((-20, 0, 0), (25, 20, 0)))),
    "PLATEOSA": ("Plateosaurus", _g(ORNITHOPOD, head="sauropod", head_size=55, neck_len=130,
                                    neck_w=15, tail_len=250, arm_len=80, arm_w=9,
                                    stripes=[0.3, 0.35],
                                    # striding on its hind legs, long neck reaching forward and up
                                    pitch=4, neck_angle=48, neck_curve=0.3, head_angle=0, tail_droop=40,
                                    tail_lift=20, arm_angle=30, hind_pose=((-0.7, 15, 30), (0.45, 0, 0)))),
    "PROTOCER": ("Protoceratops", _g(CERATOPS, head="parrot", nest=True, max_scale=1.0, shift=-75,
                                     frill=dict(size=1.05, rot=25, tall=0.9), body_top=48, body_bot=55,
                                     leg_len=130,
                                     # small, nosing the eggs in its nest, tail held up
                                     pitch=-6, neck_angle=-30, head_angle=-50, tail_droop=-65, tail_lift=50)),
    "PSITTACO": ("Psittacosaurus", _g(ORNITHOPOD, head="parrot", head_size=75, body_len=100,
                                      leg_len=130, leg_w=24, arm_len=50, arm_w=7,
                                      spikes=[(f, 22, -30) for f in (0.1, 0.15, 0.2, 0.25)],
                                      # a small biped with a parrot beak and bristles on its tail
                                      pitch=18, neck_angle=55, head_angle=-8, tail_droop=30,
                                      tail_lift=0, arm_angle=45, hind_pose=((-0.3, 0, 0), (0.35, 0, 0)))),
    "RHOETOSA": ("Rhoetosaurus", _g(SAUROPOD, neck_len=170, stripes=[0.4, 0.47],
                                    # tall on its legs, head down to drink, neck curving to the ground
                                    leg_len=170, neck_angle=-25, neck_curve=-0.3, head_angle=-70, tail_droop=20,
                                    tail_lift=50)),
    "SALTASAU": ("Saltasaurus", _g(SAUROPOD, neck_len=150, tail_len=200, scutes=(2, 22),
                                   # short-legged and stocky, armoured back, tail sweeping to the ground
                                   leg_len=115, leg_w=30, body_top=58, neck_angle=18, head_angle=-10,
                                   tail_droop=120, tail_lift=-20)),
    "SALTOPUS": ("Saltopus", _g(SMALL, head_size=50, body_len=70, tail_len=210, leg_len=120,
                                stripes=[0.32, 0.37, 0.42],
                                # mid-hop, both feet off the ground and tucked back
                                air=18, pitch=14, neck_angle=50, head_angle=0, tail_droop=35, tail_lift=0,
                                hind_pose=((-0.7, 55, 70), (-0.4, 45, 55)))),
    "SAUROLOP": ("Saurolophus", _g(ORNITHOPOD, crest="spike",
                                   # walking on all fours, head raised, spiked crest pointing back
                                   quad=True, hind="bird", fore_w=14, pitch=-4, neck_angle=55, neck_len=80,
                                   head_angle=5, tail_droop=30, tail_lift=20,
                                   hind_pose=((-0.2, 0, 0), (0.35, 0, 0)), fore_pose=((20, 0), (-12, 0)))),
    "SPINOSAU": ("Spinosaurus", _g(THEROPOD, head="croc", head_size=85, sail=(110, 0.3, 0.62),
                                   leg_len=140, tail_len=240, neck_len=70, arm_len=70, fingers=3)),
    "STEGOSAU": ("Stegosaurus", _g(STEGO, plates=(9, 52, 0.3, 0.63),
                                   tail_spikes=[(0.045, 58, 140), (0.08, 62, 135), (0.115, 58, 130),
                                                (0.15, 50, 125)],
                                   # walking, head up, spiked tail swinging low
                                   neck_angle=5, head_angle=-5, tail_droop=70, tail_lift=0)),
    "STYRACOS": ("Styracosaurus", _g(CERATOPS, frill=dict(size=0.95, spikes=6, spike_len=0.5),
                                     horns=[(0.78, -0.22, 0.45, 72, 0.09)],
                                     # rearing its head up, tail raised
                                     pitch=10, neck_angle=30, head_angle=0, tail_droop=-20, tail_lift=60,
                                     fore_pose=((10, 20), (25, 30)))),
    "TRICERAT": ("Triceratops", _g(CERATOPS, frill=dict(size=1.0, bumps=True),
                                   horns=[(0.8, -0.2, 0.16, 75, 0.06), (0.42, -0.3, 0.55, 35, 0.07),
                                          (0.3, -0.34, 0.5, 45, 0.065)],
                                   # head lowered, horns forward, charging
                                   pitch=-8, neck_angle=-15, head_angle=-35, tail_droop=-10, tail_lift=50,
                                   hind_pose=((-25, 0, 0), (20, 0, 0)), fore_pose=((-32, 0), (30, 0)))),
    "TYRANNOS": ("Tyrannosaurus", _g(THEROPOD, head_size=115, neck_len=70, body_bot=62, roar=28, fingers=2,
                                     arm_len=38, arm_w=7,
                                     leg_w=36)),
    "VELOCIRA": ("Velociraptor", _g(SMALL, sickle=True, tail_droop=-60, tail_lift=40, head="slim",
                                    head_size=68, arm_len=65, wing=True, leg_w=18,
                                    # crouched, tail cocked high, neck drawn back
                                    pitch=-8, leg_len=105, neck_angle=85, neck_len=60, head_angle=-5,
                                    hind_pose=((-0.1, 0, 0), (0.45, 0, 0)))),
    "ZEPHYROS": ("Zephyrosaurus", _g(ORNITHOPOD, head="beak", head_size=50, body_len=80, body_top=26,
                                     body_bot=34, leg_w=18, neck_w=11, tail_w=18,
                                     arm_len=38, arm_w=5, stripes=[0.3, 0.35, 0.4, 0.45],
                                     # crouched on all fours, sniffing at the ground by its burrow
                                     quad=True, hind="bird", fore_w=10, pitch=-22, neck_angle=-10,
                                     head_angle=-35, tail_droop=-50, tail_lift=30, leg_len=105,
                                     hind_pose=((-0.1, 0, 0), (0.35, 0, 0)), fore_pose=((-8, 0), (10, 0)))),
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
    ground_local = bodies.ground_level(P)
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
        front = ()
        if P.get("nest_front"):
            # right in front of the lowered head
            cols = np.nonzero(mask[GROUND - 90:GROUND - 5].any(axis=0))[0]
            front = (min(580, int(cols.max()) + 80),) if cols.size else ()
        for nx in front + (100, 560, 585, 75, 180, 480):
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
                scenery.grass(c, fx, GROUND + 6, blades=5, h=105)
            else:
                scenery.fern(c, fx, GROUND + 8, 0.95, flip=fx > 330)
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
