#!/usr/bin/python3
"""Writes tools/pages/art/xray.svg, the x-ray of a hand, from a list of finger lines.

Run once after changing the lists; the SVG is the committed art the page recipes use.
"""
import math
import os

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "art", "xray.svg")
fingers = [  # wrist point, knuckle, tip, phalanges
    ((288, 330), (304, 234), (346, 120), 3),
    ((258, 330), (268, 218), (292, 66), 3),
    ((228, 332), (226, 212), (226, 44), 3),
    ((198, 334), (186, 220), (150, 72), 3),
    ((180, 340), (128, 266), (70, 200), 2),
]
GAP = 16
def seg(p, q, shrink):
    (x0, y0), (x1, y1) = p, q
    L = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / L, (y1 - y0) / L
    return (x0 + ux * shrink, y0 + uy * shrink), (x1 - ux * shrink, y1 - uy * shrink)
def lerp(p, q, t):
    return (p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t)
bones = []
axes = []
for w, k, t, n in fingers:
    axes.append("M%d %dL%d %dL%d %d" % (w + k + t))
    bones.append(seg(w, k, GAP / 2 + 8))
    fr = [0, 0.45, 0.75, 1.0] if n == 3 else [0, 0.55, 1.0]
    for a, b in zip(fr, fr[1:]):
        bones.append(seg(lerp(k, t, a), lerp(k, t, b), GAP / 2 + 8))
bone_d = "".join("M%.0f %.0fL%.0f %.0f" % (p[0], p[1], q[0], q[1]) for p, q in bones)
bone_d += "M202 398L202 470M256 398L256 470"
palm = "M150 330L166 226L188 188L268 180L306 204L318 240L310 300L280 372L176 372Z"
arm = "M174 360L170 470L284 470L282 360Z"
carpals = [(196, 362, 14), (230, 364, 14), (264, 360, 13)]
svg = '''<svg xmlns="http://www.w3.org/2000/svg" width="430" height="432" viewBox="0 0 430 432">
  <!-- An x-ray picture of a hand on a viewing box: the film in its frame, the hand's outline and
       its bones (finger bones, palm bones, wrist bones and the two forearm bones), each bone a
       closed shape with room to colour. Drawn by tools from a list of finger lines; every outline
       is the edge of a thick stroke drawn black and then white, a little narrower, on top. -->
  <defs>
    <clipPath id="film"><rect x="24" y="24" width="382" height="384" rx="8"/></clipPath>
    <g id="hand" stroke-linecap="round" stroke-linejoin="round">
      <path d="%s" fill="none"/>
      <path d="%s"/><path d="%s"/>
    </g>
  </defs>
  <rect x="4" y="4" width="422" height="424" rx="18" fill="#ffffff" stroke="#000000" stroke-width="5"/>
  <rect x="24" y="24" width="382" height="384" rx="8" fill="#ffffff" stroke="#000000" stroke-width="5"/>
  <g clip-path="url(#film)">
    <use href="#hand" fill="#000000" stroke="#000000" stroke-width="46"/>
    <use href="#hand" fill="#ffffff" stroke="#ffffff" stroke-width="38"/>
    <path d="%s" fill="none" stroke="#000000" stroke-width="27" stroke-linecap="round"/>
    <path d="%s" fill="none" stroke="#ffffff" stroke-width="20" stroke-linecap="round"/>
    %s
  </g>
  <rect x="24" y="24" width="382" height="384" rx="8" fill="none" stroke="#000000" stroke-width="5"/>
</svg>
''' % ("".join(axes), palm, arm, bone_d, bone_d,
       "".join('<circle cx="%d" cy="%d" r="%d" fill="#ffffff" stroke="#000000" stroke-width="4"/>' % c for c in carpals))
open(OUT, "w", encoding="utf-8").write(svg)
