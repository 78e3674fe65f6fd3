"""Deterministic colour reduction to a palette that keeps chosen colours exact."""
import numpy as np
from PIL import Image


def to_indexed(rgb, max_colours, pinned=()):
    """Returns (indices (h, w) uint8, palette list of (r, g, b)).

    An image with few enough colours keeps them all. Otherwise the pinned colours come
    first and median cut fills the rest; every pixel maps to its nearest entry, so a pixel
    that equals a pinned colour keeps it exactly."""
    rgb = np.asarray(rgb, dtype=np.uint8)
    h, w, _ = rgb.shape
    flat = rgb.reshape(-1, 3)
    keys = (flat[:, 0].astype(np.uint32) << 16) | (flat[:, 1].astype(np.uint32) << 8) | flat[:, 2]
    uniq, inverse = np.unique(keys, return_inverse=True)
    colours = np.stack([(uniq >> 16) & 255, (uniq >> 8) & 255, uniq & 255], axis=1).astype(np.int32)
    pinned = [tuple(int(v) for v in p) for p in pinned]
    if len(uniq) <= max_colours:
        palette = [tuple(int(v) for v in c) for c in colours]
        return inverse.reshape(h, w).astype(np.uint8), palette
    palette = list(dict.fromkeys(pinned))
    room = max_colours - len(palette)
    quant = Image.fromarray(rgb, "RGB").quantize(colors=room, method=Image.Quantize.MEDIANCUT,
                                                 dither=Image.Dither.NONE)
    raw = quant.getpalette()[:3 * room]
    for i in range(0, len(raw), 3):
        entry = (raw[i], raw[i + 1], raw[i + 2])
        if entry not in palette:
            palette.append(entry)
    pal = np.array(palette, dtype=np.int32)
    # nearest palette entry for every distinct colour (ties go to the earlier, pinned, entry)
    nearest = np.empty(len(colours), dtype=np.int64)
    for start in range(0, len(colours), 4096):
        chunk = colours[start:start + 4096]
        d = ((chunk[:, None, :] - pal[None, :, :]) ** 2).sum(axis=2)
        nearest[start:start + 4096] = d.argmin(axis=1)
    return nearest[inverse].reshape(h, w).astype(np.uint8), palette
