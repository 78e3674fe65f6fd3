"""EditCursor: a white crayon with a black outline and a black wax point, lying on the
diagonal with its point at the hot spot (0, 0)."""
import numpy as np

SIZE = 32
POINT = 9.0       # length of the sharpened cone along the axis
HALF = 4.2        # half the crayon's thickness
LENGTH = 30.0     # from the point to the flat end, along the axis
BANDS = ((15.5, 16.5), (24.5, 25.5))  # the paper wrapper's lines


def cursor_masks():
    """Returns (white, opaque) boolean 32 x 32 arrays, row 0 at the top."""
    y, x = np.mgrid[0:SIZE, 0:SIZE] + 0.5
    u = (x + y) / np.sqrt(2)          # along the crayon, from the point
    v = (x - y) / np.sqrt(2)          # across it
    half = np.minimum(HALF, 0.35 + u * HALF / POINT)
    inside = (u >= 0) & (u <= LENGTH) & (np.abs(v) <= half)
    edge = inside.copy()
    edge[1:-1, 1:-1] = inside[1:-1, 1:-1] & ~(inside[:-2, 1:-1] & inside[2:, 1:-1]
                                              & inside[1:-1, :-2] & inside[1:-1, 2:])
    wax = inside & (u < POINT * 0.45)
    band = inside & np.any([(u >= a) & (u <= b) for a, b in BANDS], axis=0)
    black = edge | wax | band
    white = inside & ~black
    opaque = inside.copy()
    opaque[0, 0] = True
    white[0, 0] = False
    return white, opaque
