#!/usr/bin/env python3
"""Draws the program's icon and button glyphs as 24-bit bitmaps.

Run it again after changing a picture; it rewrites the files in src/resources.
Standard library only.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "..", "src", "resources")

MAGENTA = (255, 0, 255)
RED = (255, 0, 0)


def bmp24(pixels):
    """A bottom-up 24-bit BMP of rows of (r, g, b), top row first."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        body += line
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return header + info + bytes(body)


def canvas(width, height, colour):
    return [[colour] * width for _ in range(height)]


def rectangle(pixels, left, top, right, bottom, border, fill):
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = y in (top, bottom) or x in (left, right)
            pixels[y][x] = border if edge else fill


def copy_glyph(border, paper, lines):
    """Two overlapping sheets of paper on magenta."""
    pixels = canvas(16, 16, MAGENTA)
    rectangle(pixels, 1, 1, 9, 11, border, paper)
    rectangle(pixels, 6, 4, 14, 14, border, paper)
    for y in (7, 9, 11):
        for x in range(8, 13):
            pixels[y][x] = lines
    return pixels


def loupe_glyph():
    """A magnifying glass with its handle to the lower left, on red."""
    pixels = canvas(12, 12, RED)
    dark, glass = (0, 0, 0), (200, 230, 255)
    cx, cy, r = 7, 4, 3.6
    for y in range(12):
        for x in range(12):
            d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
            if d <= r - 1:
                pixels[y][x] = glass
            elif d <= r + 0.4:
                pixels[y][x] = dark
    for i in range(4):
        pixels[7 + i][3 - i] = dark
        pixels[8 + i][3 - i] = dark
    return pixels


def icon_pixels(size):
    """A pipette tip over a swatch of colour."""
    pixels = canvas(size, size, (255, 255, 255))
    s = size / 32
    for y in range(size):
        for x in range(size):
            if y >= 18 * s:
                pixels[y][x] = (30, 144, 255) if x < size / 2 else (255, 128, 0)
    for i in range(int(20 * s)):
        x, y = int(6 * s) + i, int(26 * s) - i
        for t in range(max(1, int(3 * s))):
            if 0 <= y - t < size and 0 <= x < size:
                pixels[y - t][x] = (60, 60, 60)
    return pixels


def ico(sizes):
    images = []
    for size in sizes:
        pixels = icon_pixels(size)
        bmp = bmp24(pixels)[14:]  # the DIB without its file header
        info = bytearray(bmp[:40])
        struct.pack_into("<i", info, 8, size * 2)  # colour and mask stacked
        mask_stride = ((size + 31) // 32) * 4
        images.append(bytes(info) + bmp[40:] + b"\0" * (mask_stride * size))
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, image in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 24, len(image), offset)
        offset += len(image)
    return header + entries + b"".join(images)


def write(name, data):
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)


write("copy_glyph.bmp", bmp24(copy_glyph((128, 128, 128), (255, 255, 255), (160, 160, 160))))
write("copy_glyph_hot.bmp", bmp24(copy_glyph((0, 0, 160), (225, 235, 255), (70, 110, 220))))
write("loupe_glyph.bmp", bmp24(loupe_glyph()))
write("pipetto.ico", ico([16, 32, 48]))
