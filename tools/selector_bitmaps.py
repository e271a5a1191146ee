#!/usr/bin/env python3
"""Draws the four 16-colour bitmaps of the direction selector controls.

    tools/selector_bitmaps.py resources/sweepkit/bitmaps

Each bitmap is a grid of equal cells.  The first four cell columns are the
drawing states (normal, selected, normal dimmed, selected dimmed); the fifth,
where there is one, is the mask.  An image cell is black outside its shape; a
mask cell is black inside the shape and white outside it.

  1.bmp  80 x 64  16 x 16 cells: rows left, right, up, down arrow; mask at x 64
  2.bmp  40 x 10  10 x 10 cells: the neutral knob; no mask
  3.bmp  70 x 56  14 x 14 cells: rows upper-left, upper-right, lower-right,
                  lower-left arrow; mask at x 56
  4.bmp 210 x 92  42 x 46 cells: rows counterclockwise, clockwise; mask at x 168
"""
import math
import struct
import sys
from pathlib import Path

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, SILVER, GRAY, RED, WHITE = 0, 1, 7, 8, 9, 15

# (fill, outline) of each drawing state.
STATES = [(WHITE, BLACK), (RED, BLACK), (SILVER, GRAY), (MAROON, GRAY)]


def write_bmp(path, pixels):
    """pixels: rows of palette indices, top row first."""
    height, width = len(pixels), len(pixels[0])
    stride = ((width * 4 + 31) // 32) * 4
    rows = []
    for row in reversed(pixels):  # stored bottom-up
        packed = bytearray()
        for x in range(0, width, 2):
            high = row[x]
            low = row[x + 1] if x + 1 < width else 0
            packed.append(high << 4 | low)
        packed.extend(b"\0" * (stride - len(packed)))
        rows.append(bytes(packed))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    bits = b"".join(rows)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(bits), 2835, 2835, 16, 16)
    Path(path).write_bytes(header + info + palette + bits)


def outline_of(shape):
    """Shape pixels with a neighbour outside the shape."""
    return {(x, y) for (x, y) in shape
            if any((x + dx, y + dy) not in shape for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))}


def draw_cells(sheet, shape, left, top, mask_left=None):
    """Draws a shape's four state cells at (left + column * cell width, top)
    and its mask cell at mask_left."""
    edge = outline_of(shape)
    cell_width = max(x for x, _ in shape) + 1 if shape else 0
    for column, (fill, outline) in enumerate(STATES):
        for (x, y) in shape:
            sheet[top + y][left + column * CELL[0] + x] = outline if (x, y) in edge else fill
    if mask_left is not None:
        for y in range(CELL[1]):
            for x in range(CELL[0]):
                sheet[top + y][mask_left + x] = BLACK if (x, y) in shape else WHITE
    return cell_width


def blank(width, height):
    return [[BLACK] * width for _ in range(height)]


def left_arrow():
    shape = set()
    for x in range(1, 8):  # the head, its point at the left
        for y in range(8 - x, 8 + x):
            shape.add((x, y))
    for x in range(8, 15):  # the shaft
        for y in range(5, 11):
            shape.add((x, y))
    return shape


def upper_left_arrow():
    shape = set()
    for y in range(1, 13):
        for x in range(1, 13):
            head = x + y <= 8
            shaft = abs(x - y) <= 1 and x + y <= 23
            if head or shaft:
                shape.add((x, y))
    return shape


def knob():
    return {(x, y) for y in range(10) for x in range(10) if (x - 4.5) ** 2 + (y - 4.5) ** 2 <= 16.5}


def counterclockwise_arrow():
    cx, cy = 21, 24
    shape = set()
    end = math.radians(215)
    # the head: a triangle at the end of the arc, pointing along the turn
    tangent = (-math.sin(end), math.cos(end))  # counterclockwise, y up
    base = [(cx + r * math.cos(end), cy - r * math.sin(end)) for r in (7.0, 20.0)]
    apex_r = 13.5
    apex = (cx + apex_r * math.cos(end) + 9 * tangent[0], cy - (apex_r * math.sin(end) + 9 * tangent[1]))
    triangle = [base[0], base[1], apex]

    def inside(px, py):
        def side(a, b):
            return (b[0] - a[0]) * (py - a[1]) - (b[1] - a[1]) * (px - a[0])
        s = [side(triangle[i], triangle[(i + 1) % 3]) for i in range(3)]
        return all(v >= 0 for v in s) or all(v <= 0 for v in s)

    for y in range(46):
        for x in range(42):
            dx, dy = x + 0.5 - cx, cy - (y + 0.5)
            r = math.hypot(dx, dy)
            angle = math.degrees(math.atan2(dy, dx)) % 360
            ring = 10.5 <= r <= 16.5 and (angle >= 330 or angle <= 215)
            if ring or inside(x + 0.5, y + 0.5):
                shape.add((x, y))
    return shape


def transform(shape, size, mirror_x=False, mirror_y=False, transpose=False):
    width, height = size
    out = set()
    for x, y in shape:
        if transpose:
            x, y = y, x
        if mirror_x:
            x = width - 1 - x
        if mirror_y:
            y = height - 1 - y
        out.add((x, y))
    return out


def main():
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else "resources/sweepkit/bitmaps")
    folder.mkdir(parents=True, exist_ok=True)
    global CELL

    CELL = (16, 16)
    sheet = blank(80, 64)
    left = left_arrow()
    arrows = [left, transform(left, CELL, mirror_x=True), transform(left, CELL, transpose=True),
              transform(left, CELL, transpose=True, mirror_y=True)]
    for row, shape in enumerate(arrows):
        draw_cells(sheet, shape, 0, row * 16, mask_left=64)
    write_bmp(folder / "1.bmp", sheet)

    CELL = (10, 10)
    sheet = blank(40, 10)
    draw_cells(sheet, knob(), 0, 0)
    write_bmp(folder / "2.bmp", sheet)

    CELL = (14, 14)
    sheet = blank(70, 56)
    ul = upper_left_arrow()
    diagonals = [ul, transform(ul, CELL, mirror_x=True), transform(ul, CELL, mirror_x=True, mirror_y=True),
                 transform(ul, CELL, mirror_y=True)]
    for row, shape in enumerate(diagonals):
        draw_cells(sheet, shape, 0, row * 14, mask_left=56)
    write_bmp(folder / "3.bmp", sheet)

    CELL = (42, 46)
    sheet = blank(210, 92)
    ccw = counterclockwise_arrow()
    for row, shape in enumerate([ccw, transform(ccw, CELL, mirror_x=True)]):
        draw_cells(sheet, shape, 0, row * 46, mask_left=168)
    write_bmp(folder / "4.bmp", sheet)


CELL = (0, 0)

if __name__ == "__main__":
    main()
