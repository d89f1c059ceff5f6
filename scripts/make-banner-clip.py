#!/usr/bin/env python3
"""Generates res/Animation179.avi, the calculator window's built-in banner.

The program's name and a sum scroll from right to left, drawn in a 5 x 7
pixel font at twice its size. The clip is 8-bit RLE (BI_RLE8), bottom-up,
10 frames a second; each frame after the first only redraws the lines that
changed. Its top-left pixel (the background) is the colour the animation
control makes transparent.

The output is the same byte for byte on every run. Before writing, the
script decodes its own frames again and checks them against the pictures.

Usage: make-banner-clip.py [OUTPUT]   (default: res/Animation179.avi)
"""

import os
import struct
import sys

WIDTH = 200
HEIGHT = 40
SCALE = 2           # pixels per font pixel
ADVANCE = 6         # font pixels from one character to the next
STEP = 8            # pixels the text moves each frame
MICROSECONDS_PER_FRAME = 100000

# Palette: 0 the background (the window face of the default style, so the
# banner looks right with or without transparency), then the text colours.
BACKGROUND = (239, 239, 239)
TEXT_TOP = (24, 64, 160)
TEXT_BOTTOM = (40, 128, 224)
SUM_COLOUR = (208, 96, 16)
MARK_COLOUR = (150, 150, 160)

FONT = {
    "N": ["#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"],
    "u": [".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"],
    "m": [".....", ".....", "##.#.", "#.#.#", "#.#.#", "#...#", "#...#"],
    "b": ["#....", "#....", "#.##.", "##..#", "#...#", "#...#", "####."],
    "r": [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    "i": ["..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."],
    "x": [".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "l": [".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "c": [".....", ".....", ".###.", "#....", "#....", "#...#", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "4": ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    "6": ["..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."],
    "7": ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
    "*": [".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "....."],
    "=": [".....", ".....", "#####", ".....", "#####", ".....", "....."],
    "o": [".....", "..#..", ".###.", "#####", ".###.", "..#..", "....."],
    " ": [".....", ".....", ".....", ".....", ".....", ".....", "....."],
}

# The scrolling text and the colour of each character: n name, s sum, o mark.
TEXT = "Numbrix Calc  o  7*6=42  o  "
KINDS = "nnnnnnnnnnnn  o  ssssss  o  "


def palette():
    colours = [BACKGROUND]
    for row in range(7 * SCALE):  # a vertical gradient for the name
        t = row / (7 * SCALE - 1)
        colours.append(tuple(round(a + (b - a) * t) for a, b in zip(TEXT_TOP, TEXT_BOTTOM)))
    colours.append(SUM_COLOUR)
    colours.append(MARK_COLOUR)
    return colours


SUM_INDEX = 1 + 7 * SCALE
MARK_INDEX = SUM_INDEX + 1


def strip():
    """The whole text once, as rows of palette indices; it repeats."""
    period = len(TEXT) * ADVANCE * SCALE
    rows = [[0] * period for _ in range(7 * SCALE)]
    for n, (char, kind) in enumerate(zip(TEXT, KINDS)):
        glyph = FONT[char]
        for gy, line in enumerate(glyph):
            for gx, bit in enumerate(line):
                if bit != "#":
                    continue
                for sy in range(SCALE):
                    y = gy * SCALE + sy
                    colour = {"n": 1 + y, "s": SUM_INDEX}.get(kind, MARK_INDEX)
                    for sx in range(SCALE):
                        rows[y][(n * ADVANCE + gx) * SCALE + sx] = colour
    return rows


def frames():
    """Every frame as rows of palette indices, top row first."""
    text = strip()
    period = len(text[0])
    assert period % STEP == 0
    top = (HEIGHT - len(text)) // 2
    pictures = []
    for f in range(period // STEP):
        picture = [[0] * WIDTH for _ in range(HEIGHT)]
        for y, row in enumerate(text):
            for x in range(WIDTH):
                picture[top + y][x] = row[(x + f * STEP) % period]
        pictures.append(picture)
    return pictures


def encode_row(row):
    """One line in RLE8 codes: runs of three or more, literals between."""
    out = bytearray()
    i = 0
    width = len(row)

    def run_length(at):
        n = 1
        while at + n < width and n < 255 and row[at + n] == row[at]:
            n += 1
        return n

    while i < width:
        n = run_length(i)
        if n >= 3:
            out += bytes([n, row[i]])
            i += n
            continue
        j = i
        while j < width and j - i < 255 and run_length(j) < 3:
            j += 1
        literal = row[i:j]
        if len(literal) >= 3:
            out += bytes([0, len(literal)]) + bytes(literal)
            if len(literal) % 2:
                out.append(0)
        else:
            for value in literal:
                out += bytes([1, value])
        i = j
    return bytes(out)


def encode_frame(picture, previous):
    """A frame in RLE8, bottom line first; lines equal to the previous
    frame's are skipped with a delta code."""
    out = bytearray()
    skipped = 0
    for line in range(HEIGHT):
        row = picture[HEIGHT - 1 - line]
        if previous is not None and previous[HEIGHT - 1 - line] == row:
            skipped += 1
            continue
        while skipped:
            d = min(skipped, 255)
            out += bytes([0, 2, 0, d])
            skipped -= d
        out += encode_row(row)
        out += bytes([0, 0])  # end of line
    out += bytes([0, 1])  # end of bitmap
    return bytes(out)


def decode_frame(data, canvas):
    """Draws RLE8 codes over canvas (rows top first), strictly."""
    x = y = i = 0
    while i < len(data):
        a, b = data[i], data[i + 1]
        i += 2
        if a:
            assert x + a <= WIDTH and y < HEIGHT
            for k in range(a):
                canvas[HEIGHT - 1 - y][x + k] = b
            x += a
        elif b == 0:
            x, y = 0, y + 1
        elif b == 1:
            return
        elif b == 2:
            x, y = x + data[i], y + data[i + 1]
            i += 2
        else:
            assert x + b <= WIDTH and y < HEIGHT
            for k in range(b):
                canvas[HEIGHT - 1 - y][x + k] = data[i + k]
            x += b
            i += b + (b & 1)
    raise AssertionError("no end of bitmap")


def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def riff_list(kind, *parts):
    return chunk(b"LIST", kind + b"".join(parts))


def clip(encoded, colours):
    count = len(encoded)
    largest = max(len(data) for data in encoded)
    avih = struct.pack("<14I", MICROSECONDS_PER_FRAME, largest * 10, 0, 0x10, count, 0, 1,
                       largest, WIDTH, HEIGHT, 0, 0, 0, 0)
    strh = b"vids" + b"mrle" + struct.pack("<IHHIIIIIIIIhhhh", 0, 0, 0, 0, 1,
                                           1000000 // MICROSECONDS_PER_FRAME, 0, count, largest,
                                           0xFFFFFFFF, 0, 0, 0, WIDTH, HEIGHT)
    strf = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 1, largest, 0, 0, len(colours), 0)
    strf += b"".join(bytes([b, g, r, 0]) for r, g, b in colours)
    header = riff_list(b"hdrl", chunk(b"avih", avih), riff_list(b"strl", chunk(b"strh", strh), chunk(b"strf", strf)))

    movie = b""
    index = b""
    for n, data in enumerate(encoded):
        index += b"00dc" + struct.pack("<III", 0x10 if n == 0 else 0, 4 + len(movie), len(data))
        movie += chunk(b"00dc", data)
    body = b"AVI " + header + riff_list(b"movi", movie) + chunk(b"idx1", index)
    return chunk(b"RIFF", body)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "res", "Animation179.avi")
    colours = palette()
    pictures = frames()
    encoded = []
    previous = None
    for picture in pictures:
        encoded.append(encode_frame(picture, previous))
        previous = picture

    canvas = [[0] * WIDTH for _ in range(HEIGHT)]
    for n, (picture, data) in enumerate(zip(pictures, encoded)):
        decode_frame(data, canvas)
        assert canvas == picture, "frame %d does not decode to its picture" % n

    data = clip(encoded, colours)
    with open(output, "wb") as out:
        out.write(data)
    print("%s: %dx%d, %d frames, %d ms a frame, %d bytes"
          % (output, WIDTH, HEIGHT, len(encoded), MICROSECONDS_PER_FRAME // 1000, len(data)))


if __name__ == "__main__":
    main()
