"""Drawing helpers: a supersampled canvas, fonts, colour arithmetic and seeded noise.

Everything is deterministic: shapes are drawn at SCALE times the size and box-filtered
down, and noise comes from a counter hash rather than a library generator whose
stream could change between versions."""
import numpy as np
from PIL import Image, ImageDraw, ImageFont

SCALE = 4
FONT_DIR = "/usr/share/fonts/truetype/"
BOLD = FONT_DIR + "dejavu/DejaVuSans-Bold.ttf"
SANS = FONT_DIR + "dejavu/DejaVuSans.ttf"
CONDENSED_BOLD = FONT_DIR + "dejavu/DejaVuSansCondensed-Bold.ttf"
ARIAL_BOLD = FONT_DIR + "liberation/LiberationSans-Bold.ttf"
ARIAL = FONT_DIR + "liberation/LiberationSans-Regular.ttf"

INK = (58, 38, 28)          # the outline colour of all artwork: a warm near-black
WHITE = (255, 255, 255)


def font(path, size):
    return ImageFont.truetype(path, size)


def shade(colour, factor):
    """Darker (factor < 1) or lighter towards white (factor > 1)."""
    c = np.array(colour, dtype=float)
    if factor <= 1:
        c = c * factor
    else:
        c = c + (255 - c) * (factor - 1)
    return tuple(int(round(v)) for v in np.clip(c, 0, 255))


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def noise(seed, shape):
    """Uniform values in [0, 1) from a splitmix64 hash of (seed, index)."""
    n = int(np.prod(shape))
    with np.errstate(over="ignore"):
        x = np.arange(n, dtype=np.uint64) + np.uint64(seed) * np.uint64(0x9E3779B97F4A7C15)
        x = x + np.uint64(0x9E3779B97F4A7C15)
        x = (x ^ (x >> np.uint64(30))) * np.uint64(0xBF58476D1CE4E5B9)
        x = (x ^ (x >> np.uint64(27))) * np.uint64(0x94D049BB133111EB)
        x = x ^ (x >> np.uint64(31))
    return ((x >> np.uint64(11)).astype(np.float64) / float(1 << 53)).reshape(shape)


def smooth_noise(seed, h, w, cell):
    """Value noise: random values on a grid of cell size, bicubically interpolated."""
    gh, gw = h // cell + 3, w // cell + 3
    grid = (noise(seed, (gh, gw)) * 255).astype(np.uint8)
    big = Image.fromarray(grid, "L").resize((gw * cell, gh * cell), Image.Resampling.BICUBIC)
    return np.asarray(big, dtype=float)[cell:cell + h, cell:cell + w] / 255.0


class Canvas:
    """An RGB picture drawn at SCALE x and reduced on result(); coordinates are final pixels."""

    def __init__(self, width, height, background=(255, 255, 255)):
        self.w, self.h, self.s = width, height, SCALE
        if isinstance(background, np.ndarray):
            base = Image.fromarray(np.asarray(background, dtype=np.uint8), "RGB")
            self.img = base.resize((width * SCALE, height * SCALE), Image.Resampling.NEAREST)
        else:
            self.img = Image.new("RGB", (width * SCALE, height * SCALE), tuple(background))
        self.d = ImageDraw.Draw(self.img, "RGBA")

    def _b(self, x0, y0, x1, y1):
        s = self.s
        return [x0 * s, y0 * s, x1 * s - 1, y1 * s - 1]

    def ellipse(self, cx, cy, rx, ry, fill=None, outline=None, width=0):
        self.d.ellipse(self._b(cx - rx, cy - ry, cx + rx, cy + ry), fill=fill,
                       outline=outline, width=int(round(width * self.s)))

    def rrect(self, x0, y0, x1, y1, r, fill=None, outline=None, width=0):
        self.d.rounded_rectangle(self._b(x0, y0, x1, y1), radius=r * self.s, fill=fill,
                                 outline=outline, width=int(round(width * self.s)))

    def poly(self, pts, fill=None, outline=None, width=0):
        s = self.s
        pts = [(x * s, y * s) for x, y in pts]
        if fill is not None:
            self.d.polygon(pts, fill=fill)
        if outline is not None and width:
            self.d.line(pts + [pts[0]], fill=outline, width=int(round(width * s)), joint="curve")
            self._dots(pts, outline, width)

    def line(self, pts, colour, width, round_ends=True):
        s = self.s
        pts = [(x * s, y * s) for x, y in pts]
        self.d.line(pts, fill=colour, width=int(round(width * s)), joint="curve")
        if round_ends:
            self._dots([pts[0], pts[-1]], colour, width)

    def _dots(self, pts, colour, width):
        r = width * self.s / 2
        for x, y in pts:
            self.d.ellipse([x - r, y - r, x + r, y + r], fill=colour)

    def text(self, x, y, s, path, size, fill, anchor="mm", stroke=0, stroke_fill=None):
        f = ImageFont.truetype(path, int(round(size * self.s)))
        self.d.text((x * self.s, y * self.s), s, font=f, fill=fill, anchor=anchor,
                    stroke_width=int(round(stroke * self.s)), stroke_fill=stroke_fill)

    def paste_gradient(self, mask_fn, top, bottom, y0, y1):
        """Fills the shape drawn by mask_fn(ImageDraw on an 'L' mask, scale) with a vertical gradient."""
        mask = Image.new("L", self.img.size, 0)
        mask_fn(ImageDraw.Draw(mask), self.s)
        rows = np.clip((np.arange(self.img.size[1]) / self.s - y0) / max(y1 - y0, 1), 0, 1)
        grad = np.empty((self.img.size[1], self.img.size[0], 3), dtype=np.uint8)
        for i in range(3):
            grad[:, :, i] = np.round(top[i] + (bottom[i] - top[i]) * rows)[:, None]
        self.img.paste(Image.fromarray(grad, "RGB"), (0, 0), mask)

    def result(self):
        return np.asarray(self.img.reduce(self.s), dtype=np.uint8).copy()


def text_width(path, size, s):
    f = ImageFont.truetype(path, size)
    return f.getlength(s)
