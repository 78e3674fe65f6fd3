"""Byte-exact writers (and small readers) for the resource file formats:
BMP (bottom-up, BITMAPINFOHEADER), ICO, monochrome CUR and PCM WAV."""
import struct

import numpy as np

from .quantise import to_indexed

BI_SIZE = 40
PELS_PER_METRE = 2835  # 72 dpi


def _row_bytes(width, bpp):
    return ((width * bpp + 31) // 32) * 4


def _pack_rows(indices, bpp):
    """indices: (h, w) uint8 array, top row first. Returns bottom-up padded rows."""
    h, w = indices.shape
    stride = _row_bytes(w, bpp)
    out = bytearray()
    for y in range(h - 1, -1, -1):
        row = indices[y]
        if bpp == 8:
            data = row.astype(np.uint8).tobytes()
        elif bpp == 4:
            padded = np.zeros(w + (w & 1), dtype=np.uint8)
            padded[:w] = row
            data = ((padded[0::2] << 4) | padded[1::2]).astype(np.uint8).tobytes()
        elif bpp == 1:
            data = np.packbits(row.astype(np.uint8)).tobytes()
        else:
            raise ValueError(bpp)
        out += data + bytes(stride - len(data))
    return bytes(out)


def _info_header(width, height, bpp, image_bytes, colours_used):
    return struct.pack("<IiiHHIIiiII", BI_SIZE, width, height, 1, bpp, 0, image_bytes,
                       PELS_PER_METRE, PELS_PER_METRE, colours_used, 0)


def _palette_bytes(palette):
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)


def dib_bytes(rgb, bpp, pinned=()):
    """A packed DIB (info header, colour table, bottom-up bits) for an (h, w, 3) uint8 image.
    Paletted depths keep every pinned colour exact."""
    rgb = np.asarray(rgb, dtype=np.uint8)
    h, w, _ = rgb.shape
    if bpp == 24:
        stride = _row_bytes(w, 24)
        bits = bytearray()
        for y in range(h - 1, -1, -1):
            data = rgb[y][:, ::-1].tobytes()  # BGR
            bits += data + bytes(stride - len(data))
        return _info_header(w, h, 24, len(bits), 0) + bytes(bits)
    indices, palette = to_indexed(rgb, 1 << bpp, pinned)
    bits = _pack_rows(indices, bpp)
    return _info_header(w, h, bpp, len(bits), len(palette)) + _palette_bytes(palette) + bits


def bmp_bytes(rgb, bpp, pinned=()):
    dib = dib_bytes(rgb, bpp, pinned)
    colours = struct.unpack_from("<I", dib, 32)[0]
    offset = 14 + BI_SIZE + 4 * colours
    return b"BM" + struct.pack("<IHHI", 14 + len(dib), 0, 0, offset) + dib


def read_bmp(data):
    """Returns (width, height, bpp, rgb array top row first). Only what the writer produces."""
    if data[:2] != b"BM":
        raise ValueError("not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    size, w, h, planes, bpp, comp, _img, _xp, _yp, used, _imp = struct.unpack_from("<IiiHHIIiiII", data, 14)
    if size != BI_SIZE or planes != 1 or comp != 0 or h <= 0:
        raise ValueError("unexpected BMP header")
    stride = _row_bytes(w, bpp)
    rgb = np.zeros((h, w, 3), dtype=np.uint8)
    pal = None
    if bpp <= 8:
        n = used or (1 << bpp)
        raw = np.frombuffer(data, dtype=np.uint8, count=4 * n, offset=14 + BI_SIZE).reshape(n, 4)
        pal = raw[:, [2, 1, 0]]
    for y in range(h):
        row = np.frombuffer(data, dtype=np.uint8, count=stride, offset=offset + (h - 1 - y) * stride)
        if bpp == 24:
            rgb[y] = row[:3 * w].reshape(w, 3)[:, ::-1]
        elif bpp == 8:
            rgb[y] = pal[row[:w]]
        elif bpp == 4:
            idx = np.empty(stride * 2, dtype=np.uint8)
            idx[0::2] = row >> 4
            idx[1::2] = row & 15
            rgb[y] = pal[idx[:w]]
        else:
            raise ValueError("unsupported depth %d" % bpp)
    return w, h, bpp, rgb


def _icon_image(rgb, opaque, bpp):
    """One ICO/CUR image: DIB with doubled height, XOR bits, then the AND mask (1 = transparent)."""
    rgb = np.asarray(rgb, dtype=np.uint8).copy()
    h, w, _ = rgb.shape
    rgb[~opaque] = 0
    if bpp == 1:
        indices = (rgb[..., 0] > 127).astype(np.uint8)
        palette = [(0, 0, 0), (255, 255, 255)]
    else:
        indices, palette = to_indexed(rgb, 1 << bpp, ((0, 0, 0),))
        palette = list(palette) + [(0, 0, 0)] * ((1 << bpp) - len(palette))
    xor_bits = _pack_rows(indices, bpp)
    and_bits = _pack_rows((~opaque).astype(np.uint8), 1)
    header = _info_header(w, 2 * h, bpp, len(xor_bits) + len(and_bits), 0)
    return header + _palette_bytes(palette) + xor_bits + and_bits


def icon_bytes(images, bpp=8):
    """images: list of (rgb, opaque mask) pairs, largest first."""
    blobs = [_icon_image(rgb, mask, bpp) for rgb, mask in images]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for (rgb, _), blob in zip(images, blobs):
        h, w = rgb.shape[:2]
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, bpp, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def cursor_bytes(white, opaque, hotspot):
    """A monochrome cursor: white/black where opaque, screen elsewhere."""
    h, w = white.shape
    rgb = np.zeros((h, w, 3), dtype=np.uint8)
    rgb[white] = 255
    blob = _icon_image(rgb, opaque, 1)
    return (struct.pack("<HHH", 0, 2, 1)
            + struct.pack("<BBBBHHII", w, h, 2, 0, hotspot[0], hotspot[1], len(blob), 22) + blob)


def wav_bytes(samples, rate):
    """Mono 16-bit PCM RIFF WAVE from an int16 array."""
    data = np.asarray(samples, dtype="<i2").tobytes()
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    return (b"RIFF" + struct.pack("<I", 4 + 8 + len(fmt) + 8 + len(data)) + b"WAVE"
            + b"fmt " + struct.pack("<I", len(fmt)) + fmt
            + b"data" + struct.pack("<I", len(data)) + data)


def read_wav(data):
    """Returns (format tag, channels, rate, bits, int16 samples); raises on a malformed file."""
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise ValueError("not a RIFF WAVE file")
    if struct.unpack_from("<I", data, 4)[0] != len(data) - 8:
        raise ValueError("RIFF size does not match the file")
    pos, fmt, samples = 12, None, None
    while pos + 8 <= len(data):
        tag, size = data[pos:pos + 4], struct.unpack_from("<I", data, pos + 4)[0]
        body = data[pos + 8:pos + 8 + size]
        if tag == b"fmt ":
            fmt = struct.unpack_from("<HHIIHH", body)
        elif tag == b"data":
            samples = np.frombuffer(body, dtype="<i2")
        pos += 8 + size + (size & 1)
    if fmt is None or samples is None:
        raise ValueError("missing fmt or data chunk")
    return fmt[0], fmt[1], fmt[2], fmt[5], samples
