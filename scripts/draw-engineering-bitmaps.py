#!/usr/bin/env python3
"""Draws the engineering dialogs' pictures as 24-bit BMP files in res/:

  res/Bitmap154.bmp  the right triangle of the triangle solver (201 x 177)
  res/Bitmap137.bmp  the bolt-circle diagram of the bolt-hole dialog (126 x 136)

Each picture is the size its picture control has at the dialog font's usual
base units (6 x 13 pixels), so it fills the control. Plain Python, no extra
packages: a few pixel primitives and a 5 x 7 font for the handful of labels.
Run it from anywhere; it rewrites both files.
"""

import math
import os
import struct

GREY = (192, 192, 192)
RED = (255, 0, 0)
BLACK = (0, 0, 0)


class Canvas:
    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]

    def plot(self, x, y, colour):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def line(self, x0, y0, x1, y1, colour, thickness=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1) * 2
        for i in range(int(steps) + 1):
            t = i / steps
            x = x0 + (x1 - x0) * t
            y = y0 + (y1 - y0) * t
            if thickness == 1:
                self.plot(x, y, colour)
            else:
                px, py = int(round(x)), int(round(y))
                for dx in range(thickness):
                    for dy in range(thickness):
                        self.plot(px + dx - thickness // 2, py + dy - thickness // 2, colour)

    def triangle(self, points, colour):
        """Fills a triangle (for arrow heads)."""
        ys = [p[1] for p in points]
        for y in range(int(math.floor(min(ys))), int(math.ceil(max(ys))) + 1):
            xs = []
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                if (ay <= y < by) or (by <= y < ay):
                    xs.append(ax + (y - ay) * (bx - ax) / (by - ay))
            xs.sort()
            for left, right in zip(xs[0::2], xs[1::2]):
                for x in range(int(math.ceil(left)), int(math.floor(right)) + 1):
                    self.plot(x, y, colour)

    def arrow_head(self, tip_x, tip_y, from_x, from_y, colour, length=6, width=3):
        """A filled head at (tip) pointing away from (from)."""
        dx, dy = tip_x - from_x, tip_y - from_y
        norm = math.hypot(dx, dy) or 1.0
        ux, uy = dx / norm, dy / norm
        bx, by = tip_x - ux * length, tip_y - uy * length
        self.triangle([(tip_x, tip_y), (bx - uy * width, by + ux * width), (bx + uy * width, by - ux * width)],
                      colour)

    def arc(self, cx, cy, radius, start_deg, end_deg, colour, dotted=False):
        """An arc counterclockwise on screen (y grows downwards)."""
        length = abs(end_deg - start_deg) * math.pi / 180.0 * radius
        steps = max(int(length * 3), 1)
        for i in range(steps + 1):
            if dotted and (i // 6) % 2 == 1:
                continue
            a = math.radians(start_deg + (end_deg - start_deg) * i / steps)
            self.plot(cx + radius * math.cos(a), cy - radius * math.sin(a), colour)

    def circle(self, cx, cy, radius, colour):
        self.arc(cx, cy, radius, 0, 360, colour)

    def text(self, x, y, string, colour):
        for ch in string:
            rows = FONT[ch]
            for row, bits in enumerate(rows):
                for col in range(5):
                    if bits & (0x10 >> col):
                        self.plot(x + col, y + row, colour)
            x += 6

    def save_bmp(self, path):
        row_size = (self.width * 3 + 3) & ~3
        image = bytearray()
        for y in range(self.height - 1, -1, -1):  # bottom-up rows
            row = bytearray()
            for (r, g, b) in self.pixels[y]:
                row += bytes((b, g, r))
            row += b"\0" * (row_size - len(row))
            image += row
        header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(image), 0, 0, 14 + 40)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
        with open(path, "wb") as f:
            f.write(header + info + image)


# 5 x 7 glyphs, one row a byte, high bit on the left.
FONT = {
    "1": [0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E],
    "2": [0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F],
    "3": [0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E],
    "X": [0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11],
    "Y": [0x11, 0x11, 0x0A, 0x04, 0x04, 0x04, 0x04],
    "Z": [0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F],
}


def dimension_line(c, x0, y0, x1, y1):
    c.line(x0, y0, x1, y1, BLACK)
    c.arrow_head(x0, y0, x1, y1, BLACK)
    c.arrow_head(x1, y1, x0, y0, BLACK)


def draw_triangle():
    """The solver's figure: a at the bottom, b on the right, c the hypotenuse,
    A at the lower left, B at the upper right. Each dimension line and each
    angle arc has a leader towards the edit of its quantity around the
    picture: c up and left, a down, b right, A left, B up and right."""
    c = Canvas(201, 177, GREY)
    ax, ay = 25, 135  # angle A
    rx, ry = 150, 135  # the right angle
    bx, by = 150, 35  # angle B

    # Dimension line of c, parallel to the hypotenuse and 14 pixels out.
    hx, hy = bx - ax, by - ay
    hl = math.hypot(hx, hy)
    nx, ny = hy / hl, -hx / hl  # normal pointing up and left
    nx, ny = -abs(nx), -abs(ny)
    off = 14
    c.line(ax + nx * 3, ay + ny * 3, ax + nx * (off + 4), ay + ny * (off + 4), BLACK)
    c.line(bx + nx * 3, by + ny * 3, bx + nx * (off + 4), by + ny * (off + 4), BLACK)
    c0 = (ax + nx * off, ay + ny * off)
    c1 = (bx + nx * off, by + ny * off)
    dimension_line(c, c0[0], c0[1], c1[0], c1[1])
    mid = ((c0[0] + c1[0]) / 2, (c0[1] + c1[1]) / 2)
    c.line(mid[0], mid[1], 40, 0, BLACK)

    # Dimension line of a, under the base.
    c.line(ax, ay + 4, ax, 162, BLACK)
    c.line(rx, ry + 4, rx, 162, BLACK)
    dimension_line(c, ax, 156, rx, 156)
    c.line(95, 156, 95, 176, BLACK)

    # Dimension line of b, beside the right leg.
    c.line(rx + 4, ry, 177, ry, BLACK)
    c.line(bx + 4, by, 177, by, BLACK)
    dimension_line(c, 171, by, 171, ry)
    c.line(171, 86, 200, 86, BLACK)

    # Arc at A between a and c, leader to the left.
    hyp_deg = math.degrees(math.atan2(ay - by, bx - ax))
    c.arc(ax, ay, 30, 0, hyp_deg, BLACK)
    m = math.radians(hyp_deg / 2)
    c.line(ax + 30 * math.cos(m), ay - 30 * math.sin(m), 0, 92, BLACK)

    # Arc at B between b and c, leader up and to the right.
    c.arc(bx, by, 26, 180 + hyp_deg, 270, BLACK)
    m = math.radians((180 + hyp_deg + 270) / 2)
    c.line(bx + 26 * math.cos(m), by - 26 * math.sin(m), 200, 14, BLACK)

    # The triangle itself, in red over everything, with its right-angle mark.
    c.line(ax, ay, rx, ry, RED, 2)
    c.line(rx, ry, bx, by, RED, 2)
    c.line(bx, by, ax, ay, RED, 2)
    c.line(rx - 10, ry, rx - 10, ry - 10, RED)
    c.line(rx - 10, ry - 10, rx, ry - 10, RED)
    return c


def draw_bolt_circle():
    """The bolt-hole diagram: X right, Y up, Z at the origin, holes 1, 2, 3
    counterclockwise on a dotted arc, the initial angle from the X axis to
    hole 1 and the total angle the pattern covers."""
    c = Canvas(126, 136, GREY)
    ox, oy = 58, 88

    c.line(4, oy, 121, oy, BLACK)
    c.arrow_head(122, oy, 4, oy, BLACK)
    c.line(ox, 132, ox, 7, BLACK)
    c.arrow_head(ox, 6, ox, 132, BLACK)
    c.text(115, oy + 4, "X", BLACK)
    c.text(ox + 4, 4, "Y", BLACK)
    c.text(ox - 9, oy + 4, "Z", BLACK)

    radius = 40
    c.arc(ox, oy, radius, 0, 150, BLACK, dotted=True)
    for number, angle in (("1", 25), ("2", 70), ("3", 115)):
        a = math.radians(angle)
        hx, hy = ox + radius * math.cos(a), oy - radius * math.sin(a)
        c.circle(hx, hy, 4, BLACK)
        c.circle(hx, hy, 3, BLACK)
        lx, ly = ox + (radius + 11) * math.cos(a), oy - (radius + 11) * math.sin(a)
        c.text(lx - 2, ly - 3, number, BLACK)

    # Initial angle: from the X axis to hole 1.
    c.arc(ox, oy, 18, 0, 25, BLACK)
    a = math.radians(25)
    c.arrow_head(ox + 18 * math.cos(a), oy - 18 * math.sin(a),
                 ox + 18 * math.cos(a - 0.3), oy - 18 * math.sin(a - 0.3), BLACK, 5, 2)

    # Total angle: the sweep the pattern covers.
    c.arc(ox, oy, 60, 0, 135, BLACK)
    a = math.radians(135)
    c.arrow_head(ox + 60 * math.cos(a), oy - 60 * math.sin(a),
                 ox + 60 * math.cos(a - 0.15), oy - 60 * math.sin(a - 0.15), BLACK)
    return c


def main():
    res = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res")
    draw_triangle().save_bmp(os.path.join(res, "Bitmap154.bmp"))
    draw_bolt_circle().save_bmp(os.path.join(res, "Bitmap137.bmp"))


if __name__ == "__main__":
    main()
