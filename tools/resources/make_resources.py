#!/usr/bin/env python3
"""Draws the program's icon, button glyphs, the buttons' kind pictures, hand cursor,
menu arrow and click sound.

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
    # The button draws the bottom-left pixel's colour as its face: it must be the red
    # background, so the handle ends one pixel short of the corner.
    pixels[11][0] = RED
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


# 16 colours, in the order of the standard VGA palette.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def bmp4(pixels):
    """A bottom-up 16-colour BMP of rows of (r, g, b) taken from PALETTE."""
    height, width = len(pixels), len(pixels[0])
    stride = ((width + 1) // 2 + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):
        indices = [PALETTE.index(p) for p in row] + [0]
        line = bytearray(indices[i] << 4 | indices[i + 1] for i in range(0, width, 2))
        body += line + b"\0" * (stride - len(line))
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(body), 2835, 2835, 16, 0)
    return header + info + palette + bytes(body)


def line(pixels, points, colour, thickness=2):
    """A polyline through `points`, `thickness` pixels wide (down and right of the path)."""
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        steps = max(abs(x1 - x0), abs(y1 - y0))
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            for dy in range(thickness):
                for dx in range(thickness):
                    if 0 <= y + dy < len(pixels) and 0 <= x + dx < len(pixels[0]):
                        pixels[y + dy][x + dx] = colour


def ring(pixels, cx, cy, r, colour, width=1.3, fill=None):
    for y in range(len(pixels)):
        for x in range(len(pixels[0])):
            d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
            if abs(d - r) < width / 2 + 0.2:
                pixels[y][x] = colour
            elif fill and d < r:
                pixels[y][x] = fill


def pattern(pixels, left, top, rows, colour):
    for y, row in enumerate(rows):
        for x, c in enumerate(row):
            if c == "#":
                pixels[top + y][left + x] = colour


def kind_picture(name, colour, size=18):
    """One built-in kind picture, drawn in `colour` on magenta."""
    pixels = canvas(size, size, MAGENTA)
    if name == "ok":
        line(pixels, [(3, 9), (7, 13), (14, 3)], colour)
    elif name == "cancel":
        line(pixels, [(4, 4), (13, 13)], colour)
        line(pixels, [(13, 4), (4, 13)], colour)
    elif name == "help":
        pattern(pixels, 5, 2, [" #####  ", "##   ## ", "     ## ", "    ##  ", "   ##   ",
                               "   ##   ", "   ##   ", "        ", "   ##   ", "   ##   "], colour)
    elif name == "no":
        ring(pixels, 8.5, 8.5, 6, colour, 2)
        line(pixels, [(4, 12), (12, 4)], colour)
    elif name == "close":
        rectangle(pixels, 2, 2, 9, 15, colour, MAGENTA)
        line(pixels, [(7, 8), (15, 8)], colour)
        line(pixels, [(12, 5), (15, 8), (12, 11)], colour, 1)
    elif name == "retry":
        ring(pixels, 8.5, 9, 5.5, colour, 2)
        for y in range(0, 9):
            for x in range(9, 18):
                if pixels[y][x] == colour and x > 11:
                    pixels[y][x] = MAGENTA
        pattern(pixels, 10, 1, ["#####", " ####", "  ###", "   ##"], colour)
    elif name == "ignore":
        line(pixels, [(2, 9), (13, 9)], colour)
        line(pixels, [(9, 5), (13, 9), (9, 13)], colour)
        line(pixels, [(15, 3), (15, 15)], colour, 1)
    elif name == "all":
        line(pixels, [(1, 8), (4, 11), (9, 3)], colour)
        line(pixels, [(7, 12), (10, 15), (16, 5)], colour)
    elif name == "silly":
        ring(pixels, 9, 9, 7.5, colour, 1.2, fill=(255, 255, 0) if colour != GREYS[0] else (192, 192, 192))
        pattern(pixels, 6, 6, ["#   #", "#   #"], colour)
        pattern(pixels, 5, 11, ["#       #"[:9], " #     # ", "  #####  "], colour)
    return pixels


GREYS = [(128, 128, 128)]
KINDS = [("ok", "DA", (0, 128, 0)), ("cancel", "IKSIC", (255, 0, 0)), ("help", "POMOC", (0, 0, 255)),
         ("no", "NE", (255, 0, 0)), ("close", "EXIT", (0, 0, 128)), ("retry", "RETRI", (0, 128, 128)),
         ("ignore", "IGNO", (128, 0, 128)), ("all", "SVE", (0, 128, 0)), ("silly", "GLUPI", (0, 0, 0))]


def hand_cursor():
    """A 32 x 32 monochrome pointing hand, the tip of its finger at the hot spot (0, 0)."""
    shape = ["##      ", "#.#     ", "#..#    ", " #..#   ", "  #..#  ", "   #..#######    ",
             "    #.........#   ", "   #...........#  ", "  #.............# ", " #..............# ",
             " #..............# ", "  #.............# ", "   #...........#  ", "    #.........#   ",
             "     #.......#    ", "      #######     "]
    rows = [(r + " " * 32)[:32] for r in shape] + [" " * 32] * (32 - len(shape))
    xor = bytearray()
    and_mask = bytearray()
    for row in reversed(rows):  # bottom-up
        x_bits = a_bits = 0
        for c in row:
            x_bits = x_bits << 1 | (c == ".")
            a_bits = a_bits << 1 | (c == " ")
        xor += x_bits.to_bytes(4, "big")
        and_mask += a_bits.to_bytes(4, "big")
    info = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, len(xor) + len(and_mask), 0, 0, 2, 0)
    image = info + bytes((0, 0, 0, 0, 255, 255, 255, 0)) + bytes(xor) + bytes(and_mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 2, 0, 0, 0, len(image), 6 + 16)  # hot spot 0, 0
    return directory + entry + image


def menu_arrow():
    """The 5 x 3 arrow beside a button's glyph that marks a menu."""
    black = (0, 0, 0)
    pixels = canvas(5, 3, MAGENTA)
    pattern(pixels, 0, 0, ["#####", " ### ", "  #  "], black)
    return pixels


def click_sound():
    """A short click: 2,578 bytes of 8-bit mono wave at 22,050 Hz."""
    import math
    samples = 2578 - 44
    data = bytes(int(128 + 110 * math.exp(-i / 260) * math.sin(i * 2 * math.pi * 1800 / 22050))
                 for i in range(samples))
    fmt = struct.pack("<HHIIHH", 1, 1, 22050, 22050, 1, 8)
    return (b"RIFF" + struct.pack("<I", 36 + samples) + b"WAVE" + b"fmt " +
            struct.pack("<I", 16) + fmt + b"data" + struct.pack("<I", samples) + data)


for name, resource, colour in KINDS:
    size = 19 if name == "silly" else 18
    write(resource.lower() + "gbtn.bmp", bmp4(kind_picture(name, GREYS[0], size)))
    write(resource.lower() + "btn.bmp", bmp4(kind_picture(name, colour, size)))
write("handbtn.cur", hand_cursor())
write("strela.bmp", bmp24(menu_arrow()))
write("preko.wav", click_sound())
write("copy_glyph.bmp", bmp24(copy_glyph((128, 128, 128), (255, 255, 255), (160, 160, 160))))
write("copy_glyph_hot.bmp", bmp24(copy_glyph((0, 0, 160), (225, 235, 255), (70, 110, 220))))
write("loupe_glyph.bmp", bmp24(loupe_glyph()))
write("pipetto.ico", ico([16, 32, 48]))
