#!/usr/bin/env python3
"""Draws bitmap 168 of the Photo Sizing dialog as a 24-bit BMP file:

  res/Bitmap168.bmp  a framed picture, upright, with a vertical dimension
                     line on its right and a horizontal one below it (83 x 89)

The size is the picture control's (55 x 55 dialog units) at the dialog font's
usual base units (6 x 13 pixels). The height field sits right of the picture
and the width field over its lower edge, so the dimension lines keep clear of
both. Plain Python, no extra packages. Run it from anywhere; it rewrites the
file.
"""

import os
import struct

WIDTH, HEIGHT = 83, 89

GREY = (192, 192, 192)       # dialog grey
BLACK = (0, 0, 0)
WOOD = (128, 64, 0)
WOOD_DARK = (64, 32, 0)
SKY = (160, 208, 255)
SUN = (255, 224, 0)
HILL = (0, 160, 64)
HILL_FAR = (0, 112, 48)

# The frame's outer edges, and where the two dimension lines run.
LEFT, TOP, RIGHT, BOTTOM = 8, 4, 54, 62
DIM_X = 70                   # vertical dimension line
DIM_Y = 69                   # horizontal dimension line


def blank():
    return [[GREY] * WIDTH for _ in range(HEIGHT)]


def plot(img, x, y, colour):
    if 0 <= x < WIDTH and 0 <= y < HEIGHT:
        img[y][x] = colour


def fill(img, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            plot(img, x, y, colour)


def hline(img, x0, x1, y, colour, dotted=False):
    for x in range(x0, x1 + 1):
        if not dotted or x % 2 == 0:
            plot(img, x, y, colour)


def vline(img, x, y0, y1, colour, dotted=False):
    for y in range(y0, y1 + 1):
        if not dotted or y % 2 == 0:
            plot(img, x, y, colour)


def arrow_heads_vertical(img, x, y0, y1):
    # Filled heads pointing up at y0 and down at y1, four pixels long.
    for i in range(4):
        hline(img, x - i, x + i, y0 + i, BLACK)
        hline(img, x - i, x + i, y1 - i, BLACK)


def arrow_heads_horizontal(img, x0, x1, y):
    for i in range(4):
        vline(img, x0 + i, y - i, y + i, BLACK)
        vline(img, x1 - i, y - i, y + i, BLACK)


def picture(img):
    # The photograph: sky, a sun, a far and a near hill.
    fill(img, LEFT + 4, TOP + 4, RIGHT - 4, BOTTOM - 4, SKY)
    cx, cy, r = LEFT + 14, TOP + 14, 5
    for y in range(cy - r, cy + r + 1):
        for x in range(cx - r, cx + r + 1):
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                plot(img, x, y, SUN)
    for x in range(LEFT + 4, RIGHT - 3):
        far = TOP + 34 - (x - LEFT) // 3
        near = TOP + 42 + abs(x - (LEFT + 14)) // 4
        for y in range(max(far, TOP + 4), BOTTOM - 3):
            plot(img, x, y, HILL_FAR if y < near else HILL)
    # The frame: four pixels of wood with a dark outline inside and out.
    for d in range(4):
        colour = WOOD_DARK if d in (0, 3) else WOOD
        hline(img, LEFT + d, RIGHT - d, TOP + d, colour)
        hline(img, LEFT + d, RIGHT - d, BOTTOM - d, colour)
        vline(img, LEFT + d, TOP + d, BOTTOM - d, colour)
        vline(img, RIGHT - d, TOP + d, BOTTOM - d, colour)


def dimension_lines(img):
    # Height: extension lines from the frame's top and bottom, the line
    # between them on the right.
    hline(img, RIGHT + 2, DIM_X + 3, TOP, BLACK, dotted=True)
    hline(img, RIGHT + 2, DIM_X + 3, BOTTOM, BLACK, dotted=True)
    vline(img, DIM_X, TOP, BOTTOM, BLACK)
    arrow_heads_vertical(img, DIM_X, TOP, BOTTOM)
    # Width: extension lines down from the frame's sides, the line below.
    vline(img, LEFT, BOTTOM + 2, DIM_Y + 3, BLACK, dotted=True)
    vline(img, RIGHT, BOTTOM + 2, DIM_Y + 3, BLACK, dotted=True)
    hline(img, LEFT, RIGHT, DIM_Y, BLACK)
    arrow_heads_horizontal(img, LEFT, RIGHT, DIM_Y)


def write_bmp(path, img):
    row_size = (WIDTH * 3 + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(img):  # bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(row_size - len(line))
        pixels += line
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + pixels)


def main():
    img = blank()
    picture(img)
    dimension_lines(img)
    here = os.path.dirname(os.path.abspath(__file__))
    write_bmp(os.path.join(here, '..', 'res', 'Bitmap168.bmp'), img)


if __name__ == '__main__':
    main()
