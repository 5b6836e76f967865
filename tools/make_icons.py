#!/usr/bin/env python3
"""Draws the two 48 x 48, 24-bit icons of the about dialogs, and pelorin.svg,
the program's icon for the desktop at any size (the same path as pelorin.png).

pelorin.png: a Pelorin picture in small, one connected path of coloured line
segments that starts near the middle. quorvel.png: the maker's mark, a ring
with a tail on a dark square. Standard library only; the output is the same
on every run.

Usage: tools/make_icons.py [output folder]   (default: src/ui/resources)
"""

import math
import os
import random
import struct
import sys
import zlib

SIZE = 48


def canvas(colour):
    return [[colour for _ in range(SIZE)] for _ in range(SIZE)]


def blend(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def coverage(distance, half_width):
    # One pixel of soft edge keeps the small shapes smooth.
    return max(0.0, min(1.0, half_width + 0.5 - distance))


def segment_distance(px, py, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / length2))
    return math.hypot(px - (x0 + t * dx), py - (y0 + t * dy))


def draw_segment(img, x0, y0, x1, y1, width, colour):
    half = width / 2
    for y in range(SIZE):
        for x in range(SIZE):
            c = coverage(segment_distance(x + 0.5, y + 0.5, x0, y0, x1, y1), half)
            if c > 0:
                img[y][x] = blend(img[y][x], colour, c)


def pelorin_segments():
    """(x0, y0, x1, y1, width, colour) of the icon's path, in pixels."""
    rng = random.Random(99)
    x, y = 24.0, 22.0
    angle = 0.0
    segments = []
    for _ in range(14):
        angle += rng.uniform(-2.2, 2.2)
        length = rng.uniform(5, 11)
        nx = min(max(x + length * math.cos(angle), 4), SIZE - 4)
        ny = min(max(y + length * math.sin(angle), 4), SIZE - 4)
        colour = (rng.randrange(256), rng.randrange(200), rng.randrange(256))
        segments.append((x, y, nx, ny, rng.choice((1, 2, 3)), colour))
        x, y = nx, ny
    return segments


def pelorin_icon():
    img = canvas((255, 255, 255))
    for x0, y0, x1, y1, width, colour in pelorin_segments():
        draw_segment(img, x0, y0, x1, y1, width, colour)
    return img


def write_pelorin_svg(path):
    # Round caps, as draw_segment's distance test gives the PNG.
    lines = [
        '<line x1="%.3f" y1="%.3f" x2="%.3f" y2="%.3f" stroke="rgb(%d,%d,%d)" stroke-width="%d"/>'
        % (x0, y0, x1, y1, *colour, width)
        for x0, y0, x1, y1, width, colour in pelorin_segments()
    ]
    with open(path, "w", newline="\n") as out:
        out.write('<?xml version="1.0" encoding="UTF-8"?>\n')
        out.write('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
                  % (SIZE, SIZE, SIZE, SIZE))
        out.write('<rect width="%d" height="%d" fill="rgb(255,255,255)"/>\n' % (SIZE, SIZE))
        out.write('<g stroke-linecap="round" stroke-linejoin="round">\n')
        out.write("".join(line + "\n" for line in lines))
        out.write("</g>\n</svg>\n")


def quorvel_icon():
    img = canvas((255, 255, 255))
    navy, gold = (24, 40, 96), (240, 184, 40)
    for y in range(SIZE):
        for x in range(SIZE):
            # A square with rounded corners, two pixels in from the edge.
            qx = max(abs(x + 0.5 - 24) - 16, 0)
            qy = max(abs(y + 0.5 - 24) - 16, 0)
            img[y][x] = blend(img[y][x], navy, coverage(math.hypot(qx, qy), 6))
            ring = abs(math.hypot(x + 0.5 - 23, y + 0.5 - 22) - 11)
            img[y][x] = blend(img[y][x], gold, coverage(ring, 2.2))
    draw_segment(img, 29, 28, 37, 37, 4.5, gold)
    return img


def write_png(path, img):
    raw = b"".join(b"\x00" + bytes(v for px in row for v in px) for row in img)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 2, 0, 0, 0)  # 8 bits, RGB
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "src", "ui", "resources")
    os.makedirs(folder, exist_ok=True)
    write_png(os.path.join(folder, "pelorin.png"), pelorin_icon())
    write_png(os.path.join(folder, "quorvel.png"), quorvel_icon())
    write_pelorin_svg(os.path.join(folder, "pelorin.svg"))


if __name__ == "__main__":
    main()
