"""Background shapes for the pages: ground, sun, clouds, rocks, leafy bushes, grass, cycads, a nest, a volcano."""
import math

from .svgkit import W


def ground(c, y=398, wave=6, phase=0.0):
    pts = [(-20 + i * 55, y + wave * math.sin(i * 1.3 + phase)) for i in range(14)]
    pts += [(W + 30, 480), (-30, 480)]
    c.shape(pts)


def sun(c, x, y, r=32, rays=10):
    c.circle(x, y, r)
    for i in range(rays):
        a = 2 * math.pi * (i + 0.5) / rays
        c.line([(x + (r + 8) * math.cos(a), y + (r + 8) * math.sin(a)),
                (x + (r + 20) * math.cos(a), y + (r + 20) * math.sin(a))])


def cloud(c, x, y, w=110, h=40, bumps=7):
    """A scalloped cloud: bumps along the upper edge of a flat ellipse."""
    pts = []
    for i in range(72):
        t = 2 * math.pi * i / 72
        r = 1.0
        if math.sin(t) < 0.2:
            r += 0.22 * abs(math.sin(bumps * t / 2))
        pts.append((x + w / 2 * r * math.cos(t), y + h / 2 * r * math.sin(t)))
    c.polygon(pts)


def rock(c, x, y, w=60, h=34, seed=0):
    k = [0.0, 0.12, -0.08, 0.1, -0.05, 0.07][seed % 6]
    pts = [(x - w / 2, y + 4), (x - w * (0.42 + k), y - h * 0.45), (x - w * 0.1, y - h),
           (x + w * (0.3 - k), y - h * 0.8), (x + w / 2, y - h * 0.2), (x + w * 0.48, y + 4)]
    c.shape(pts)


def leaf(c, base, length, angle, width=24, bend=0.2):
    """One broad pointed leaf from `base`, curving over at the tip: a single area big enough to fill."""
    a = math.radians(angle)
    ux, uy = math.cos(a), -math.sin(a)
    nx, ny = -uy, ux
    side = 1 if angle < 90 else -1
    left, right = [], []
    for k in range(9):
        t = k / 8
        off = bend * length * t * t * side
        cx, cy = base[0] + ux * length * t + nx * off, base[1] + uy * length * t + ny * off
        w = width / 2 * math.sin(math.pi * min(1.0, 0.12 + 0.88 * t)) ** 0.7
        left.append((cx + nx * w, cy + ny * w))
        right.append((cx - nx * w, cy - ny * w))
    c.shape([base] + left[1:-1] + [left[-1]] + right[-2:0:-1])


def fern(c, x, y, size=1.0, flip=False):
    """A low bush of five broad leaves fanned from one spot."""
    for ang, ln in ((142, 72), (38, 72), (118, 98), (62, 98), (90, 110)):
        a = ang if not flip else 180 - ang
        leaf(c, (x, y), ln * size, a, width=30 * size, bend=0.18)


def volcano(c, x, y, w=200, h=120):
    c.shape([(x - w / 2, y + 5), (x - w * 0.12, y - h), (x - w * 0.02, y - h + 8),
             (x + w * 0.1, y - h), (x + w / 2, y + 5)], smooth=False)
    cloud(c, x + 5, y - h - 35, w * 0.45, 45)


def palm(c, x, y, h=170, flip=False):
    """A cycad-like tree: ringed trunk and a crown of broad leaves."""
    top = (x + (-12 if flip else 12), y - h)
    c.tube([(x, y + 6, 13, 13), ((x + top[0]) / 2, y - h / 2, 10, 10), (top[0], top[1], 8, 8)])
    for k in range(1, 5):
        t = k / 5
        px, py = x + (top[0] - x) * t, y + 6 + (top[1] - y - 6) * t
        c.line([(px - 10, py + 3), (px + 10, py - 3)])
    for ang, ln in ((10, 80), (170, 80), (45, 95), (135, 95), (90, 85)):
        leaf(c, top, ln, ang, width=28, bend=0.35)


def grass(c, x, y, blades=5, h=80):
    """A tuft of grass: long narrow leaves fanned from one spot, outer ones first."""
    order = sorted(range(blades), key=lambda i: -abs(i - (blades - 1) / 2))
    for i in order:
        a = 60 + 60 * i / (blades - 1)
        ln = h * (0.75 + 0.25 * math.cos(math.radians(a - 90) * 2))
        leaf(c, (x, y), ln, a, width=20, bend=0.3)


def nest(c, x, y, eggs=3):
    """A nest of eggs on the ground: eggs first, then the bowl of twigs in front."""
    for i in range(eggs):
        ex = x + (i - (eggs - 1) / 2) * 30
        c.ellipse(ex, y - 34 - (8 if i == 1 else 0), 17, 23, (i - 1) * 12)
    c.shape([(x - 75, y - 30), (x - 60, y - 5), (x, y + 6), (x + 60, y - 5), (x + 75, y - 30), (x, y - 20)])
