#!/usr/bin/env python3
"""Draws the exit button's glyph, resources/exit.bmp.

An orange arrow outlined in red: a thick stem rises from the bottom, bends
over the top to the left and ends in a head pointing left. The background is
pure white, which the button draws as transparent; for that reason the outer
edge of the outline is hard (a pixel is either white or red), and only the
edge between the red outline and the orange body is smoothed.

Usage: scripts/make-exit-glyph.py [OUTPUT]   (default: resources/exit.bmp)
"""

import math
import os
import struct
import sys

WIDTH, HEIGHT = 45, 54
SUPERSAMPLE = 5  # samples per pixel along each axis

WHITE = (255, 255, 255)
RED = (196, 18, 12)
ORANGE_LIGHT = (255, 190, 70)
ORANGE = (255, 140, 0)
ORANGE_DARK = (232, 104, 0)

# Geometry, in pixels; y grows downwards, (0, 0) is the top-left corner.
HALF_WIDTH = 5.0      # half the thickness of the orange stroke
OUTLINE = 1.6         # thickness of the red outline
BEND_X, BEND_Y = 22.5, 25.0   # centre of the bend
BEND_RADIUS = 12.0
STEM_X = BEND_X + BEND_RADIUS          # centre line of the rising stem
STEM_BOTTOM = HEIGHT - 0.5 - OUTLINE   # where the orange stem ends
HEAD_TIP = (5.5, BEND_Y - BEND_RADIUS)  # the head points left, level with the top of the bend
HEAD_BASE_X = 20.5
HEAD_HALF_HEIGHT = 10.5


def stroke_offset(x, y):
    """Signed distance from the stroke's centre line, measured across it, or
    None where the point is not beside the stem, the bend or the neck.
    Negative values lie on the outer (right/top) side of the arrow."""
    best = None
    # rising stem
    if BEND_Y <= y <= STEM_BOTTOM:
        best = STEM_X - x
    # bend: a quarter circle from the stem's top to the head's neck
    dx, dy = x - BEND_X, y - BEND_Y
    if dx >= 0 and dy <= 0:
        d = BEND_RADIUS - math.hypot(dx, dy)
        if best is None or abs(d) < abs(best):
            best = d
    # neck between the bend and the base of the head
    if HEAD_BASE_X - 1 <= x <= BEND_X:
        d = y - HEAD_TIP[1]
        if best is None or abs(d) < abs(best):
            best = d
    return best


def stem_bottom_gap(y):
    """How far below the stem's flat end the point lies (<= 0 inside)."""
    return y - STEM_BOTTOM


def _segment_distance(px, py, ax, ay, bx, by):
    vx, vy = bx - ax, by - ay
    t = ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy)
    t = max(0.0, min(1.0, t))
    return math.hypot(px - (ax + t * vx), py - (ay + t * vy))


HEAD = (
    HEAD_TIP,
    (HEAD_BASE_X, HEAD_TIP[1] - HEAD_HALF_HEIGHT),
    (HEAD_BASE_X, HEAD_TIP[1] + HEAD_HALF_HEIGHT),
)


def head_distance(x, y):
    """Distance to the arrow head: 0 inside, else to its nearest edge."""
    (ax, ay), (bx, by), (cx, cy) = HEAD

    def side(px, py, qx, qy):
        return (qx - px) * (y - py) - (qy - py) * (x - px)

    s1, s2, s3 = side(ax, ay, bx, by), side(bx, by, cx, cy), side(cx, cy, ax, ay)
    if (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0):
        return 0.0
    return min(
        _segment_distance(x, y, ax, ay, bx, by),
        _segment_distance(x, y, bx, by, cx, cy),
        _segment_distance(x, y, cx, cy, ax, ay),
    )


def classify(x, y):
    """Returns (in_outline, in_body, shade) for one sample point. shade runs
    from 0 on the arrow's outer side to 1 on its inner side."""
    in_outline = in_body = False
    shade = 0.5

    off = stroke_offset(x, y)
    gap = stem_bottom_gap(y)
    if off is not None and gap <= OUTLINE:
        if abs(off) <= HALF_WIDTH + OUTLINE:
            in_outline = True
        if abs(off) <= HALF_WIDTH and gap <= 0:
            in_body = True
            shade = (off + HALF_WIDTH) / (2 * HALF_WIDTH)
    # the stem's flat end, with its corners rounded by the outline
    if not in_outline and y > STEM_BOTTOM:
        if math.hypot(max(0.0, abs(x - STEM_X) - HALF_WIDTH), gap) <= OUTLINE:
            in_outline = True

    d = head_distance(x, y)
    if d <= OUTLINE:
        in_outline = True
    if d == 0.0:
        in_body = True
        # shaded like the neck it continues: light above, dark below
        shade = min(1.0, max(0.0, (y - HEAD_TIP[1] + HALF_WIDTH) / (2 * HALF_WIDTH)))
    return in_outline, in_body, shade


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def body_colour(shade):
    # a tube lit from the upper right: light on the outer side, dark inside
    if shade < 0.5:
        return mix(ORANGE_LIGHT, ORANGE, shade / 0.5)
    return mix(ORANGE, ORANGE_DARK, (shade - 0.5) / 0.5)


def render():
    """Returns rows of (r, g, b) tuples, top row first."""
    rows = []
    n = SUPERSAMPLE
    for py in range(HEIGHT):
        row = []
        for px in range(WIDTH):
            outline = 0
            body = [0.0, 0.0, 0.0]
            body_count = 0
            for sy in range(n):
                for sx in range(n):
                    x = px + (sx + 0.5) / n
                    y = py + (sy + 0.5) / n
                    o, b, shade = classify(x, y)
                    if o or b:
                        outline += 1
                    if b:
                        c = body_colour(shade)
                        body = [body[i] + c[i] for i in range(3)]
                        body_count += 1
            if outline * 2 < n * n:
                row.append(WHITE)
                continue
            samples = max(outline, body_count)
            colour = [(body[i] + RED[i] * (samples - body_count)) / samples for i in range(3)]
            pixel = tuple(int(round(c)) for c in colour)
            if pixel == WHITE:  # never let the arrow itself turn transparent
                pixel = (254, 254, 254)
            row.append(pixel)
        rows.append(row)
    return rows


def encode_bmp(rows):
    """24-bit BMP with a BITMAPINFOHEADER: bottom-up rows of BGR triples,
    each row padded to a multiple of four bytes."""
    height = len(rows)
    width = len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b in row:
            pixels += bytes((b, g, r))
        pixels += bytes(stride - width * 3)
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info_header = struct.pack(
        "<IiiHHIIiiII",
        40,            # header size
        width,
        height,        # positive: bottom-up
        1,             # planes
        24,            # bits per pixel
        0,             # BI_RGB, uncompressed
        len(pixels),
        2835, 2835,    # 72 dpi
        0, 0,          # no palette
    )
    return file_header + info_header + bytes(pixels)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "exit.bmp")
    rows = render()
    assert rows[HEIGHT - 1][0] == WHITE, "the bottom-left pixel must be white"
    with open(out, "wb") as f:
        f.write(encode_bmp(rows))


if __name__ == "__main__":
    main()
