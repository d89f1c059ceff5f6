#!/usr/bin/env python3
"""Checks two screenshots of the calculator window, taken half a second apart.

Usage: check_window.py FIRST.png SECOND.png

The window is template 102: 290 x 170 dialog units. A dialog unit is a
quarter of the font's average letter width across and an eighth of its
height down, both whole pixels, converted with rounding (MulDiv). The checks:

  size      the window is 290 x 170 dialog units at some whole base units
            (3..20 pixels across, 6..40 down, the height unit 1.2..3 times
            the width unit): only a few sizes are possible, and a window
            sized any other way fails;
  calendar  the month calendar's rectangle (7, 1, 135 x 97 units) is drawn:
            inside its edge, at least 8 distinct colours, none covering more
            than 90 % (a blank control is one colour inside its edge);
  banner    the animation's rectangle (145, 1, 139 x 27 units) is drawn the
            same way in one of the two screenshots at least (3 colours, none
            over 97 %), and it changes between them: the banner plays;
  still     nothing outside the banner's rectangle changes between them.

Exits 0 when every check passes, 1 otherwise, naming each failure.
Standard library only: PNG (8-bit RGB or RGBA, not interlaced) is decoded here.
"""

import struct
import sys
import zlib
from collections import Counter

TEMPLATE_UNITS = (290, 170)
CALENDAR_UNITS = (7, 1, 135, 97)
BANNER_UNITS = (145, 1, 139, 27)


def read_png(path):
    """Returns (width, height, rows), each row a bytes object of RGB triples."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path}: not a PNG file")
    pos = 8
    idat = []
    header = None
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat.append(body)
        elif kind == b"IEND":
            break
    if header is None:
        raise ValueError(f"{path}: no IHDR chunk")
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace != 0:
        raise ValueError(f"{path}: only 8-bit RGB/RGBA, non-interlaced PNG is read here "
                         f"(depth {depth}, colour type {colour}, interlace {interlace})")
    channels = 3 if colour == 2 else 4
    stride = width * channels
    raw = zlib.decompress(b"".join(idat))
    if len(raw) != height * (stride + 1):
        raise ValueError(f"{path}: image data has {len(raw)} bytes, expected {height * (stride + 1)}")
    rows = []
    previous = bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind = raw[start]
        line = bytearray(raw[start + 1:start + 1 + stride])
        if kind == 1:
            for i in range(channels, stride):
                line[i] = (line[i] + line[i - channels]) & 0xFF
        elif kind == 2:
            for i in range(stride):
                line[i] = (line[i] + previous[i]) & 0xFF
        elif kind == 3:
            for i in range(stride):
                left = line[i - channels] if i >= channels else 0
                line[i] = (line[i] + ((left + previous[i]) >> 1)) & 0xFF
        elif kind == 4:
            for i in range(stride):
                a = line[i - channels] if i >= channels else 0
                b = previous[i]
                c = previous[i - channels] if i >= channels else 0
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                predictor = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + predictor) & 0xFF
        elif kind != 0:
            raise ValueError(f"{path}: unknown filter {kind} in row {y}")
        previous = line
        if channels == 4:
            line = bytearray(b for i, b in enumerate(line) if i % 4 != 3)
        rows.append(bytes(line))
    return width, height, rows


def mul_div(a, b, c):
    """a * b / c rounded to the nearest whole number, halves away from zero."""
    product = a * b
    return (product + c // 2) // c if product >= 0 else -((-product + c // 2) // c)


def base_units_for(width, height):
    """Every (across, down) pair of base units that gives exactly this size."""
    found = []
    for bx in range(3, 21):
        for by in range(6, 41):
            if (mul_div(TEMPLATE_UNITS[0], bx, 4) == width and mul_div(TEMPLATE_UNITS[1], by, 8) == height
                    and 1.2 <= by / bx <= 3.0):
                found.append((bx, by))
    return found


def pixel_rect(units, base):
    x, y, cx, cy = units
    bx, by = base
    return (mul_div(x, bx, 4), mul_div(y, by, 8), mul_div(cx, bx, 4), mul_div(cy, by, 8))


def inset(rect, by):
    """The rectangle without its edges (the control's border), by pixels on each side."""
    x, y, w, h = rect
    return (x + by, y + by, max(0, w - 2 * by), max(0, h - 2 * by))


def pixels(rows, rect):
    x, y, w, h = rect
    for row in rows[y:y + h]:
        for i in range(x, x + w):
            yield row[3 * i:3 * i + 3]


def colour_report(rows, rect):
    counts = Counter(pixels(rows, rect))
    total = sum(counts.values())
    top = counts.most_common(1)[0][1] if counts else 0
    return len(counts), (top / total if total else 1.0)


def changed_pixels(first, second, rect=None, outside=None):
    """Pixels that differ, inside rect (or everywhere), skipping outside."""
    height = len(first)
    width = len(first[0]) // 3
    x0, y0, w, h = rect if rect else (0, 0, width, height)
    count = 0
    for y in range(y0, y0 + h):
        a, b = first[y], second[y]
        if a == b:
            continue
        for x in range(x0, x0 + w):
            if outside and outside[0] <= x < outside[0] + outside[2] and outside[1] <= y < outside[1] + outside[3]:
                continue
            if a[3 * x:3 * x + 3] != b[3 * x:3 * x + 3]:
                count += 1
    return count


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    width, height, first = read_png(argv[1])
    width2, height2, second = read_png(argv[2])
    failures = []

    def check(ok, text):
        print(("ok    " if ok else "FAIL  ") + text)
        if not ok:
            failures.append(text)

    check((width, height) == (width2, height2), f"both screenshots are {width}x{height} (second {width2}x{height2})")
    candidates = base_units_for(width, height)
    check(bool(candidates), f"the window, {width}x{height} pixels, is 290x170 dialog units at whole base units "
                            f"(base units that fit: {candidates or 'none'})")
    if not candidates:
        return 1
    base = candidates[0]

    calendar = pixel_rect(CALENDAR_UNITS, base)
    colours, top = colour_report(first, inset(calendar, 3))
    check(colours >= 8 and top <= 0.90,
          f"the calendar at {calendar} is drawn: {colours} colours, the commonest covers {top:.0%}")

    banner = pixel_rect(BANNER_UNITS, base)
    # The clip scrolls, so a frame may be emptier than another: one of the
    # two screenshots must show it drawn.
    drawn = [colour_report(shot, inset(banner, 3)) for shot in (first, second)]
    check(any(colours >= 3 and top <= 0.97 for colours, top in drawn),
          f"the banner at {banner} is drawn: " +
          ", then ".join(f"{colours} colours, the commonest covers {top:.0%}" for colours, top in drawn))
    moved = changed_pixels(first, second, banner)
    check(moved >= 20, f"the banner plays: {moved} of its pixels changed in half a second")
    still = changed_pixels(first, second, None, banner)
    check(still == 0, f"nothing else changed: {still} pixels outside the banner differ")

    print(f"{len(failures)} check(s) failed" if failures else "all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
