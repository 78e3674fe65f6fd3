"""The fifty dinosaurs of edition 2: body-plan parameters per genus and page layout."""
import numpy as np

from . import backdrops, bodies
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
    "ALBERTOS": ("Albertosaurus", _g(THEROPOD, body_len=105, leg_len=185, leg_w=28, head_size=112,
                                     neck_w=20, body_top=36, body_bot=48, fingers=2, arm_len=40, roar=28,
                                     stripes=[0.32, 0.37, 0.42, 0.47],
                                     # a lean tyrannosaur running flat out, jaws open
                                     pitch=-4, neck_angle=25, head_angle=-5, tail_droop=0, tail_lift=30,
                                     hind_pose=((-1.0, 30, 55), (0.7, 10, -10)))),
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
    "ANKYLOSA": ("Ankylosaurus", _g(ANKYLO, club=40, scutes=(3, 26), flank_spikes=7, body_len=210, body_top=62,
                                    horns=[(0.1, -0.3, 0.22, 160, 0.12)],
                                    # a big, low tank of a dinosaur, its heavy tail club resting behind
                                    tail_droop=45, tail_lift=0,
                                    hind_pose=((-12, 0, 0), (12, 0, 0)), fore_pose=((12, 0), (-12, 0)))),
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
    "CAMARASA": ("Camarasaurus", _g(SAUROPOD, neck_w=22, head="box", head_size=58, shoulder_rise=20,
                                    tail_len=150, body_len=150, neck_len=150, body_top=60, body_bot=80,
                                    # a chunky, deep-bodied sauropod wading in a lake, neck held high
                                    neck_angle=65, head_angle=-12, tail_droop=70, tail_lift=20, wade=60,
                                    hind_pose=((10, 0, 0), (-10, 0, 0)))),
    "CERATOSA": ("Ceratosaurus", _g(THEROPOD, head="slim", head_size=95,
                                    horns=[(0.82, -0.18, 0.2, 95, 0.07), (0.38, -0.27, 0.1, 90, 0.08)],
                                    spikes=[(f, 18, 0) for f in (0.3, 0.37, 0.44, 0.51)],
                                    # wading through a swamp, head held high, spiky back, deep tail
                                    pitch=12, neck_angle=80, neck_len=80, head_angle=10, tail_w=48,
                                    tail_droop=150, tail_lift=0, hind_pose=((-0.2, 0, 0), (0.1, 0, 0)),
                                    wade=65)),
    "CHASMOSA": ("Chasmosaurus", _g(CERATOPS, frill=dict(size=1.2, tall=0.85, rot=30),
                                    horns=[(0.8, -0.2, 0.12, 80, 0.06), (0.45, -0.28, 0.1, 75, 0.05)],
                                    # stepping out, head raised to show its long frill
                                    pitch=5, neck_angle=35, head_angle=25, tail_droop=90,
                                    fore_pose=((-20, 0), (30, 25)), hind_pose=((20, 0, 0), (-15, 0, 0)))),
    "COELOPHY": ("Coelophysis", _g(SMALL, stripes=[0.3, 0.35, 0.4], roar=16, head_size=66,
                                   # a slender hunter calling to its pack: S-curved neck up, mouth open,
                                   # long thin tail curling up behind
                                   neck_len=110, neck_w=10, neck_angle=70, neck_curve=0.7, head_angle=10,
                                   tail_w=16, tail_droop=-10, tail_lift=90,
                                   hind_pose=((-0.5, 10, 30), (0.35, 0, 0)))),
    "COMPSOGN": ("Compsognathus", _g(SMALL, tail_len=200, head_size=55, leg_len=100, arm_len=40,
                                     fingers=2, stripes=[0.33, 0.39], max_scale=0.95, shift=-70,
                                     # a chicken-sized hunter, small beside a big fern, stalking a dragonfly
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
    "DILOPHOS": ("Dilophosaurus", _g(THEROPOD, head="slim", head_size=95, crest="twin", body_top=34,
                                     body_bot=44, leg_w=26, neck_len=80, neck_w=15, stripes=[0.33, 0.38, 0.43],
                                     # walking along with its two thin head crests held high
                                     pitch=2, neck_angle=50, neck_curve=0.3, head_angle=0, leg_len=170,
                                     tail_droop=10, tail_lift=35, arm_angle=40,
                                     hind_pose=((-0.6, 10, 25), (0.4, 0, 0)))),
    "DIPLODOC": ("Diplodocus", _g(SAUROPOD, whip=True, tail_len=300, neck_len=230, head="diplo", head_size=46,
                                  leg_len=160, body_top=52,
                                  spikes=[(f, 14, 0) for f in (0.2, 0.26, 0.32, 0.38, 0.44, 0.5, 0.56, 0.62,
                                                             0.68, 0.74)],
                                  # a long giant: neck held out high, spines down its back and a whip tail
                                  neck_angle=28, head_angle=-10, tail_droop=60, tail_lift=10,
                                  hind_pose=((-12, 0, 0), (14, 0, 0)))),
    "DRYOSAUR": ("Dryosaurus", _g(ORNITHOPOD, head="beak", head_size=64, body_len=95, body_top=32,
                                  body_bot=42, leg_len=140, leg_w=22, neck_w=14, tail_w=24,
                                  arm_len=45, arm_w=6, stripes=[0.32, 0.38, 0.44], eye=(0.45, -0.1),
                                  # a big-eyed plant eater bending down to nibble the flowers
                                  pitch=-12, neck_angle=-20, head_angle=-35, tail_droop=-30, tail_lift=40,
                                  hind_pose=((-0.35, 0, 0), (0.15, 0, 0)), flip=False, shift=-50, max_scale=1.2)),
    "DRYPTOSA": ("Dryptosaurus", _g(THEROPOD, head="slim", head_size=90, arm_len=95, arm_w=10, claw=1.9,
                                    fingers=3, stripes=[0.36, 0.42],
                                    # standing its ground, long arms held out wide to show its big claws
                                    pitch=4, neck_angle=62, head_angle=-8, tail_droop=30, tail_lift=30,
                                    arm_angle=25, hind_pose=((-0.6, 10, 20), (0.45, 0, 0)))),
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
    "HYLAEOSA": ("Hylaeosaurus", _g(ANKYLO, flank_spikes=7,
                                    spikes=[(0.6, 48, -25), (0.63, 56, -10), (0.66, 48, 5)],
                                    stripes=[0.5, 0.56],
                                    # long and low with tall spikes on its shoulders and a spiky tail
                                    leg_len=80, body_len=210, neck_angle=30, head_angle=5, tail_droop=20,
                                    tail_lift=20)),
    "HYPSILOP": ("Hypsilophodon", _g(ORNITHOPOD, head="beak", head_size=55, body_len=85, body_top=28,
                                     body_bot=36, leg_len=130, leg_w=19, neck_w=12, tail_w=20,
                                     arm_len=40, arm_w=6, stripes=[0.3, 0.36],
                                     # leaping over a fallen log, tail straight out for balance
                                     air=70, pitch=8, neck_angle=40, head_angle=5, tail_droop=-15, tail_lift=10,
                                     hind_pose=((-1.0, 30, 60), (0.6, 40, -10)))),
    "IGUANODO": ("Iguanodon", _g(ORNITHOPOD, head="beak", head_size=85, arm_len=95, arm_w=11,
                                 fingers=4, thumb=True, body_top=50, body_bot=66, leg_w=36, tail_w=40,
                                 # a heavy animal standing up, arm held out to show its thumb spike
                                 pitch=12, neck_angle=45, head_angle=-5, arm_angle=5, tail_droop=60,
                                 tail_lift=0, hind_pose=((-0.4, 0, 0), (0.3, 0, 0)))),
    "KENTROSA": ("Kentrosaurus", _g(STEGO, plates=(4, 40, 0.5, 0.62),
                                    spikes=[(f, 55, -35) for f in (0.12, 0.2, 0.28, 0.36, 0.44)],
                                    # head down, spiked tail held high
                                    neck_angle=-40, head_angle=-45, tail_droop=-60, tail_lift=60)),
    "MAMENCHI": ("Mamenchisaurus", _g(SAUROPOD, neck_len=360, neck_w=13, body_len=140, tail_len=170,
                                      head_size=38, leg_len=140,
                                      # the longest neck of all, stretched up to the top of a tall tree
                                      neck_angle=48, neck_curve=0.0, head_angle=-10, tail_droop=100,
                                      tail_lift=10, flip=False)),
    "MEGALOSA": ("Megalosaurus", _g(THEROPOD, head="slim", head_size=100, stripes=[0.34, 0.4], roar=20,
                                    # wading into a river, jaws open to snap up a fish
                                    pitch=-10, neck_angle=-35, neck_len=70, head_angle=-40, tail_droop=-20,
                                    tail_lift=70, hind_pose=((-0.3, 0, 0), (0.4, 0, 0)))),
    "MONOCLON": ("Monoclonius", _g(CERATOPS, frill=dict(size=0.85, tall=0.8, rot=30, spikes=2, spike_len=0.3),
                                   horns=[(0.78, -0.22, 0.55, 70, 0.1)],
                                   # one big nose horn, a short frill with two hooks; grazing on all fours
                                   pitch=-4, neck_angle=-15, head_angle=-30, tail_droop=40, tail_lift=10,
                                   fore_pose=((-20, 0), (22, 0)), hind_pose=((18, 0, 0), (-15, 0, 0)))),
    "MUSSAURU": ("Mussaurus", _g(ORNITHOPOD, head="sauropod", nest=True, head_size=55, neck_len=110,
                                 neck_w=14, body_len=110, body_top=36, body_bot=46, leg_len=135,
                                 leg_w=24, arm_len=70, arm_w=8, tail_w=26,
                                 # on all fours, long neck bent down towards its nest
                                 max_scale=1.05, shift=-85, nest_front=True, quad=True, hind="bird", fore_w=15,
                                 pitch=-8, neck_angle=-30, head_angle=-40,
                                 tail_droop=60, tail_lift=0, fore_pose=((-10, 0), (15, 0)))),
    "ORNITHOL": ("Ornitholestes", _g(SMALL, head_size=62, arm_len=80, claw=1.3, crest=None,
                                     horns=[(0.85, -0.12, 0.08, 80, 0.06)], stripes=[0.34, 0.4],
                                     # reaching out with both hands to catch a dragonfly
                                     pitch=20, neck_angle=70, head_angle=15, arm_angle=-5,
                                     tail_droop=40, tail_lift=-10, hind_pose=((-0.6, 0, 0), (0.3, 0, 0)),
                                     flip=False, shift=-30)),
    "ORNITHOM": ("Ornithomimus", _g(ORNITHO, neck_len=130, leg_len=160, wing=True, arm_len=70,
                                    # an ostrich-like runner with feathered arms, standing tall on the beach
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
    "PENTACER": ("Pentaceratops", _g(CERATOPS, frill=dict(size=1.55, tall=1.3, spikes=5, spike_len=0.3,
                                                           windows=[(0.3, -0.3), (0.3, 0.3)]),
                                     horns=[(0.8, -0.2, 0.15, 80, 0.06), (0.42, -0.3, 0.7, 70, 0.08),
                                            (0.3, 0.2, 0.32, 215, 0.17)],
                                     # the biggest frill of all, edged with points, held upright
                                     neck_angle=45, head_angle=12, tail_droop=100, pitch=6)),
    "PINACOSA": ("Pinacosaurus", _g(ANKYLO, club=20, body_len=150, body_top=44, body_bot=40, tail_len=190,
                                    tail_w=26, stripes=[0.34, 0.42, 0.5, 0.58],
                                    spikes=[(f, 34, 0) for f in (0.3, 0.39, 0.48, 0.57, 0.66)],
                                    horns=[(0.1, -0.3, 0.25, 150, 0.08)],
                                    # a young one on long legs, trotting, head up, banded back with a
                                    # row of spikes and a little club swinging low
                                    leg_len=120, leg_w=18, neck_len=45, neck_angle=40, head_angle=10,
                                    head_size=62, tail_droop=55, tail_lift=0, fore_pose=((30, 25), (-20, 0)),
                                    hind_pose=((-20, 0, 0), (25, 20, 0)))),
    "PLATEOSA": ("Plateosaurus", _g(ORNITHOPOD, head="sauropod", head_size=55, neck_len=130,
                                    neck_w=15, tail_len=250, arm_len=80, arm_w=9,
                                    stripes=[0.3, 0.35],
                                    # up on its hind legs, long neck stretched to the leaves of a tree
                                    pitch=38, neck_angle=70, neck_curve=0.3, head_angle=-10, tail_droop=110,
                                    tail_lift=0, arm_angle=-20, hind_pose=((-0.3, 0, 0), (0.2, 0, 0)))),
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
    "RHOETOSA": ("Rhoetosaurus", _g(SAUROPOD, neck_len=150, stripes=[0.4, 0.47],
                                    # tall on its legs, head down to drink from a pond
                                    leg_len=170, neck_angle=-35, neck_curve=-0.3, head_angle=-60,
                                    tail_droop=20, tail_lift=50, flip=False)),
    "SALTASAU": ("Saltasaurus", _g(SAUROPOD, neck_len=170, tail_len=210, body_top=58,
                                   spikes=[(f, 16, 0) for f in (0.38, 0.44, 0.5, 0.56, 0.62)],
                                   # a small, stocky sauropod with a bumpy back, by its nest
                                   leg_len=115, leg_w=30, neck_angle=58, head_angle=-15,
                                   tail_droop=80, tail_lift=-10, max_scale=1.15, flip=False)),
    "SALTOPUS": ("Saltopus", _g(SMALL, head_size=50, body_len=70, tail_len=210, leg_len=120,
                                stripes=[0.32, 0.37, 0.42], max_scale=1.0,
                                # a tiny hopper in mid-hop after a dragonfly
                                air=18, pitch=14, neck_angle=50, head_angle=0, tail_droop=35, tail_lift=0,
                                hind_pose=((-0.7, 55, 70), (-0.4, 45, 55)))),
    "SAUROLOP": ("Saurolophus", _g(ORNITHOPOD, crest="longspike",
                                   # wading in a lake, head raised, its long spike crest pointing back
                                   quad=True, hind="bird", fore_w=14, pitch=-4, neck_angle=62, neck_len=85,
                                   head_angle=10, tail_droop=30, tail_lift=20, wade=95,
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


SCENES = {
    "ALBERTOS": ["hills", "sun", "grass", "rocks:1"],
    "ALLOSAUR": ["mountains", "clouds:1", "rocks:2"],
    "ANATOSAU": ["river", "grass", "flowers", "clouds:2"],
    "ANKYLOSA": ["conifer:90", "ferns:2", "clouds:1"],
    "APATOSAU": ["conifer:80", "clouds:1", "ferns:1"],
    "BAROSAUR": ["tree:560", "ferns:1"],
    "BRACHIOS": ["conifer:600", "clouds:2"],
    "CAMARASA": ["hills", "sun", "clouds:1"],
    "CERATOSA": ["night"],
    "CHASMOSA": ["hills", "flowers", "sun"],
    "COELOPHY": ["river", "dragonfly", "grass"],
    "COMPSOGN": ["bigfern:600", "log:420", "dragonfly"],
    "CORYTHOS": ["sea", "palm", "clouds:1"],
    "DEINONYC": ["conifer:90", "log", "clouds:2"],
    "DILOPHOS": ["mountains", "sun", "ferns:1"],
    "DIPLODOC": ["tree:80", "clouds:2", "ferns:1"],
    "DRYOSAUR": ["flowers:612", "bigfern", "sun"],
    "DRYPTOSA": ["hills", "log", "clouds:2"],
    "EUOPLOCE": ["grass", "rocks:2", "sun"],
    "GALLIMIM": ["river", "sun", "grass"],
    "HYLAEOSA": ["conifer:580", "ferns:1", "rocks:1"],
    "HYPSILOP": ["log:330", "grass", "sun", "clouds:1"],
    "IGUANODO": ["hills", "palm", "clouds:1"],
    "KENTROSA": ["volcano", "sun", "rocks:2", "grass"],
    "MAMENCHI": ["tree:590", "pond"],
    "MEGALOSA": ["river", "ferns:1", "clouds:1"],
    "MONOCLON": ["mountains", "grass", "clouds:2"],
    "MUSSAURU": ["nest", "palm", "sun"],
    "ORNITHOL": ["dragonfly:600,95", "bigfern", "clouds:1"],
    "ORNITHOM": ["sea", "grass", "sun"],
    "OURANOSA": ["hills", "sun", "rocks:2"],
    "PACHYCEP": ["mountains", "rocks:2"],
    "PACHYRHI": ["river", "grass", "clouds:2"],
    "PARASAUR": ["pond", "palm", "clouds:1"],
    "PENTACER": ["hills", "sun", "rocks:2"],
    "PINACOSA": ["sun", "rocks:3", "clouds:1"],
    "PLATEOSA": ["tree:560", "ferns:1"],
    "PROTOCER": ["nest", "sun", "rocks:1"],
    "PSITTACO": ["flowers", "clouds:2", "ferns:1"],
    "RHOETOSA": ["pond:570", "tree:80", "clouds:1"],
    "SALTASAU": ["hills", "nest", "sun"],
    "SALTOPUS": ["dragonfly", "grass", "rocks:1", "sun"],
    "SAUROLOP": ["palm", "clouds:2"],
    "SPINOSAU": ["river", "sun", "grass"],
    "STEGOSAU": ["conifer:560", "ferns:1", "clouds:1"],
    "STYRACOS": ["hills", "flowers", "clouds:1"],
    "TRICERAT": ["volcano", "sun", "ferns:1", "rocks:1"],
    "TYRANNOS": ["mountains", "palm", "clouds:1"],
    "VELOCIRA": ["night", "rocks:2"],
    "ZEPHYROS": ["night", "grass", "rocks:1"],
}


def page_svg(stem):
    """The SVG of one edition-2 page: the genus's dinosaur in the scene composed for it."""
    name, P = GENERA[stem]
    probe = _draw(P, (0, 0, 1.0))
    x0, y0, x1, y1 = probe.box
    ground_local = bodies.ground_level(P)
    s = min(620 / (x1 - x0), (GROUND - 22) / (ground_local - y0), P.get("max_scale", 1.6))
    ox = 330 - (x0 + x1) / 2 * s + P.get("shift", 0)
    oy = GROUND - ground_local * s
    dino = _draw(P, (ox, oy, s))
    mask = _silhouette(dino)
    order = sorted(GENERA).index(stem)
    parts = list(SCENES[stem])
    if P.get("nest_front"):
        # the nest right in front of the lowered head
        cols = np.nonzero(mask[GROUND - 90:GROUND - 5].any(axis=0))[0]
        if cols.size:
            parts = ["nest:%d" % min(580, int(cols.max()) + 80) if p == "nest" else p for p in parts]
    c = Canvas()
    backdrops.compose(c, parts, mask, GROUND, seed=order)
    c.items += dino.items
    if P.get("wade"):
        backdrops.water(c, GROUND - P["wade"])
    return name, c.svg(flip=P.get("flip", order % 3 == 1))
