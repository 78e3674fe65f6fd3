"""Page files: 660 x 460 line drawings stored 1 bit per pixel.

A page file is a device-independent bitmap whose two-byte type field holds the
edition's signature ("CO", "C2" .. "C5"). The program always reads a 14-byte
file header and a 1064-byte info block (bitmap header plus 256 colour entries),
so a 1-bit page carries a full 256-entry colour table: entry 0 black (line),
entry 1 white (paper), the rest zero; the program replaces the colours with its
own palette on loading. Rows are stored bottom-up, 84 bytes each, most
significant bit first; a set bit is paper, a clear bit is line.
"""
import struct

import numpy as np

WIDTH, HEIGHT = 660, 460
ROW_BYTES = ((WIDTH + 31) // 32) * 4          # 84
HEADER_BYTES = 14
INFO_BYTES = 40 + 256 * 4                      # 1064
PIXEL_OFFSET = HEADER_BYTES + INFO_BYTES       # 1078
FILE_BYTES = PIXEL_OFFSET + ROW_BYTES * HEIGHT  # 39718

SIGNATURES = {1: b"CO", 2: b"C2", 3: b"C3", 4: b"C4", 5: b"C5"}


def encode_page(lines, edition):
    """Returns the bytes of a page file; lines is a bool array (HEIGHT, WIDTH), True = line."""
    lines = np.asarray(lines, dtype=bool)
    if lines.shape != (HEIGHT, WIDTH):
        raise ValueError("page must be %dx%d, got %r" % (WIDTH, HEIGHT, lines.shape))
    if edition not in SIGNATURES:
        raise ValueError("unknown edition %r" % (edition,))
    header = SIGNATURES[edition] + struct.pack("<IHHI", FILE_BYTES, 0, 0, PIXEL_OFFSET)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 1, 0,
                       ROW_BYTES * HEIGHT, 2835, 2835, 2, 2)
    palette = bytearray(1024)
    palette[4:8] = b"\xff\xff\xff\x00"          # entry 1: paper
    paper = ~lines[::-1]                         # bottom row first
    padded = np.ones((HEIGHT, ROW_BYTES * 8), dtype=bool)
    padded[:, :WIDTH] = paper
    pixels = np.packbits(padded, axis=1, bitorder="big").tobytes()
    data = header + info + bytes(palette) + pixels
    assert len(data) == FILE_BYTES
    return data


def write_page(path, lines, edition):
    data = encode_page(lines, edition)
    with open(path, "wb") as f:
        f.write(data)


def decode_page(data):
    """Parses page bytes the way the program does (signature, headers, rows at bfOffBits).

    Returns (signature bytes, fields dict, lines bool array True = line).
    Raises ValueError on anything the program could not load as a 660 x 460 page.
    """
    if len(data) < PIXEL_OFFSET:
        raise ValueError("file shorter than the 1078 bytes of headers")
    sig = data[0:2]
    size, clean, res2, off = struct.unpack_from("<IHHI", data, 2)
    (bisize, w, h, planes, bits, comp, simage, xpm, ypm, used,
     important) = struct.unpack_from("<IiiHHIIiiII", data, 14)
    fields = dict(bfSize=size, bfReserved1=clean, bfReserved2=res2, bfOffBits=off,
                  biSize=bisize, biWidth=w, biHeight=h, biPlanes=planes,
                  biBitCount=bits, biCompression=comp, biSizeImage=simage,
                  biClrUsed=used)
    if bisize != 40 or w != WIDTH or h != HEIGHT:
        raise ValueError("bitmap header is not a 40-byte header of 660 x 460: %r" % fields)
    if bits == 1:
        row = ((w + 31) // 32) * 4
        end = off + row * h
        if off < PIXEL_OFFSET - 1024 or end > len(data):
            raise ValueError("pixel data outside the file")
        raw = np.frombuffer(data[off:end], dtype=np.uint8).reshape(h, row)
        paper = np.unpackbits(raw, axis=1, bitorder="big")[:, :w].astype(bool)
        lines = ~paper[::-1]
    else:
        end = off + w * h
        if end > len(data):
            raise ValueError("pixel data outside the file")
        idx = np.frombuffer(data[off:end], dtype=np.uint8).reshape(h, w)[::-1]
        lines = idx == 0
    return sig, fields, lines


def read_page(path):
    with open(path, "rb") as f:
        return decode_page(f.read())
