#!/usr/bin/env python3
"""Draws icon 128, the program's calculator icon: res/Icon128.svg and the
PNG sizes a desktop needs (res/Icon128-N.png). Standard library only: the
PNGs are rendered here from the same shapes the SVG holds, with 4x4
supersampling, so the two always agree.

    scripts/draw-icon.py            # writes the files into res/
"""
import os
import struct
import zlib

SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
HERE = os.path.dirname(os.path.abspath(__file__))
RES = os.path.join(HERE, "..", "res")

# The design on a 64 x 64 grid: (x, y, w, h, corner radius, RGBA colour).
BODY = (8, 3, 48, 58, 7, (0x2E, 0x3A, 0x4F, 0xFF))
DISPLAY = (13, 9, 38, 13, 2, (0xC8, 0xE6, 0xC9, 0xFF))
KEY_COLOURS = {
    "digit": (0xEC, 0xEF, 0xF1, 0xFF),
    "operator": (0xFF, 0xA7, 0x26, 0xFF),
}


def shapes():
    yield BODY
    yield DISPLAY
    # A 4 x 3 keypad; the right column holds the operators.
    for row in range(3):
        for col in range(4):
            colour = KEY_COLOURS["operator" if col == 3 else "digit"]
            yield (13 + col * 10, 27 + row * 10, 8, 8, 1.5, colour)
    # The display's digits: three dark bars.
    for i in range(3):
        yield (33 + i * 6, 13, 4, 5, 0.5, (0x1B, 0x5E, 0x20, 0xFF))


def svg():
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">']
    for x, y, w, h, r, (cr, cg, cb, ca) in shapes():
        parts.append(
            f'  <rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{r}" ry="{r}" '
            f'fill="#{cr:02x}{cg:02x}{cb:02x}"{"" if ca == 255 else f" fill-opacity={ca / 255:.3f}"}/>'
        )
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def inside(px, py, shape):
    x, y, w, h, r, _ = shape
    if px < x or py < y or px >= x + w or py >= y + h:
        return False
    # Distance into the rounded corners.
    cx = min(max(px, x + r), x + w - r)
    cy = min(max(py, y + r), y + h - r)
    return (px - cx) ** 2 + (py - cy) ** 2 <= r * r


def render(size):
    scale = 64.0 / size
    samples = 4
    shape_list = list(shapes())
    rows = []
    for j in range(size):
        row = bytearray([0])  # PNG filter: none
        for i in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sj in range(samples):
                for si in range(samples):
                    px = (i + (si + 0.5) / samples) * scale
                    py = (j + (sj + 0.5) / samples) * scale
                    colour = None
                    for shape in shape_list:
                        if inside(px, py, shape):
                            colour = shape[5]
                    if colour is not None:
                        a = colour[3] / 255.0
                        acc[0] += colour[0] * a
                        acc[1] += colour[1] * a
                        acc[2] += colour[2] * a
                        acc[3] += a
            n = samples * samples
            alpha = acc[3] / n
            if alpha > 0:
                rgb = [min(255, round(c / acc[3])) for c in acc[:3]]
            else:
                rgb = [0, 0, 0]
            row.extend(rgb + [round(alpha * 255)])
        rows.append(bytes(row))
    return png(size, size, b"".join(rows))


def png(width, height, raw):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def main():
    with open(os.path.join(RES, "Icon128.svg"), "w") as out:
        out.write(svg())
    for size in SIZES:
        with open(os.path.join(RES, f"Icon128-{size}.png"), "wb") as out:
            out.write(render(size))


if __name__ == "__main__":
    main()
