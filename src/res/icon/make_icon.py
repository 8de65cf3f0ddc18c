#!/usr/bin/env python3
"""Draws the program icon (a small LCD showing the hex of "A") in the 16-colour
palette and writes hexcribe.ico (32x32 and 16x16, 4 bits per pixel) and the two
PNG files the Linux front end and the desktop entry use. Standard library only.
Run from this folder: python3 make_icon.py"""
import struct
import zlib

# The classic 16-colour palette, index -> (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GREEN, GRAY, SILVER, LIME, WHITE, NAVY = 0, 2, 8, 7, 10, 15, 4
CLEAR = None

GLYPHS_5x7 = {
    "4": ["...1.", "..11.", ".1.1.", "1..1.", "11111", "...1.", "...1."],
    "1": ["..1..", ".11..", "..1..", "..1..", "..1..", "..1..", ".111."],
    "0": [".111.", "1...1", "1..11", "1.1.1", "11..1", "1...1", ".111."],
}
GLYPHS_3x5 = {
    "4": ["1.1", "1.1", "111", "..1", "..1"],
    "1": [".1.", "11.", ".1.", ".1.", "111"],
}


def canvas(size):
    return [[CLEAR] * size for _ in range(size)]


def fill(img, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            img[y][x] = colour


def frame(img, x0, y0, x1, y1, colour):
    for x in range(x0, x1 + 1):
        img[y0][x] = img[y1][x] = colour
    for y in range(y0, y1 + 1):
        img[y][x0] = img[y][x1] = colour


def text(img, x, y, glyphs, s, colour):
    for ch in s:
        rows = glyphs[ch]
        for dy, row in enumerate(rows):
            for dx, bit in enumerate(row):
                if bit == "1":
                    img[y + dy][x + dx] = colour
        x += len(rows[0]) + 1


def draw32():
    img = canvas(32)
    fill(img, 1, 3, 30, 28, SILVER)          # the device's body
    frame(img, 0, 3, 31, 28, BLACK)
    img[3][0] = img[3][31] = img[28][0] = img[28][31] = CLEAR  # rounded corners
    for x in range(2, 30):
        img[4][x] = WHITE                     # highlight along the top edge
    for x in range(2, 30):
        img[27][x] = GRAY                     # shadow along the bottom edge
    frame(img, 4, 6, 27, 25, GRAY)            # the screen's bezel
    fill(img, 5, 7, 26, 24, LIME)             # the LCD
    text(img, 10, 8, GLYPHS_5x7, "41", BLACK)
    text(img, 10, 16, GLYPHS_5x7, "00", BLACK)
    fill(img, 6, 24, 25, 24, GREEN)           # the screen's lower shade
    return img


def draw16():
    img = canvas(16)
    fill(img, 1, 2, 14, 13, SILVER)
    frame(img, 0, 2, 15, 13, BLACK)
    img[2][0] = img[2][15] = img[13][0] = img[13][15] = CLEAR
    frame(img, 2, 4, 13, 11, GRAY)
    fill(img, 3, 5, 12, 10, LIME)
    text(img, 4, 5, GLYPHS_3x5, "41", BLACK)
    return img


def png(img):
    size = len(img)
    raw = bytearray()
    for row in img:
        raw.append(0)
        for p in row:
            raw += bytes(PALETTE[p]) + b"\xff" if p is not None else b"\0\0\0\0"

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def dib(img):
    size = len(img)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(img):  # bottom-up
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x, p in enumerate(row):
            value = 0 if p is None else p
            line[x // 2] |= value << (4 if x % 2 == 0 else 0)
            if p is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += line
        mask += bits
    return info + palette + bytes(xor) + bytes(mask)


def ico(images):
    blobs = [dib(img) for img in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for img, blob in zip(images, blobs):
        size = len(img)
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


if __name__ == "__main__":
    big, small = draw32(), draw16()
    with open("hexcribe.ico", "wb") as f:
        f.write(ico([big, small]))
    with open("hexcribe-32.png", "wb") as f:
        f.write(png(big))
    with open("hexcribe-16.png", "wb") as f:
        f.write(png(small))
