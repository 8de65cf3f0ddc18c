#!/usr/bin/env python3
"""Draws the program icon (a small LCD showing the hex of "A") in the 16-colour
palette and writes hexcribe.ico (256 and 48 px in full colour, 32 and 16 px at 4
bits per pixel), the PNG files of every size the Linux front end and the desktop
integration use, and a scalable SVG. The 16 px image is drawn by hand; every
other size comes from the 32 px drawing: whole multiples are enlarged pixel for
pixel (crisp), 24 and 48 px are averaged down from its triple size. Standard
library only. Writes into the folder it runs in: python3 make_icon.py"""
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


def enlarge(img, factor):
    return [[p for p in row for _ in range(factor)] for row in img for _ in range(factor)]


def rgba(img):
    """Palette indexes to (r, g, b, a) tuples."""
    return [[(0, 0, 0, 0) if p is None else PALETTE[p] + (255,) for p in row] for row in img]


def shrink(pixels, factor):
    """Averages factor x factor blocks, weighting colour by coverage."""
    size = len(pixels) // factor
    out = []
    for y in range(size):
        row = []
        for x in range(size):
            block = [pixels[y * factor + dy][x * factor + dx] for dy in range(factor) for dx in range(factor)]
            alpha = sum(p[3] for p in block)
            if alpha == 0:
                row.append((0, 0, 0, 0))
                continue
            colour = tuple((sum(p[c] * p[3] for p in block) + alpha // 2) // alpha for c in range(3))
            row.append(colour + ((alpha + len(block) // 2) // len(block),))
        out.append(row)
    return out


def sized(big, small, size):
    """The icon at one size as rows of (r, g, b, a)."""
    if size == 16:
        return rgba(small)
    if size % 32 == 0:
        return rgba(enlarge(big, size // 32))
    return shrink(rgba(enlarge(big, 3)), 96 // size)


def png(pixels):
    size = len(pixels)
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for p in row:
            raw += bytes(p)

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def dib32(pixels):
    """A 32-bit BGRA icon image with its AND mask."""
    size = len(pixels)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(pixels):  # bottom-up
        bits = bytearray(and_stride)
        for x, (r, g, b, a) in enumerate(row):
            xor += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return info + bytes(xor) + bytes(mask)


def ico(entries):
    """entries: (size, colours, bits, image bytes); a 256 px size is written as 0."""
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, colours, bits, blob in entries:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits, len(blob), offset)
        offset += len(blob)
    return out + b"".join(entry[3] for entry in entries)


def svg(img):
    """The 32 px drawing as one rectangle per horizontal run of a colour."""
    rects = []
    for y, row in enumerate(img):
        x = 0
        while x < len(row):
            end = x
            while end + 1 < len(row) and row[end + 1] == row[x]:
                end += 1
            if row[x] is not None:
                r, g, b = PALETTE[row[x]]
                rects.append(f'<rect x="{x}" y="{y}" width="{end - x + 1}" height="1" fill="#{r:02x}{g:02x}{b:02x}"/>')
            x = end + 1
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 32 32" '
            'shape-rendering="crispEdges">\n' + "\n".join(rects) + "\n</svg>\n")


SIZES = (16, 24, 32, 48, 64, 128, 256)

if __name__ == "__main__":
    big, small = draw32(), draw16()
    with open("hexcribe.ico", "wb") as f:
        f.write(ico([(256, 0, 32, png(sized(big, small, 256))), (48, 0, 32, dib32(sized(big, small, 48))),
                     (32, 16, 4, dib(big)), (16, 16, 4, dib(small))]))
    for size in SIZES:
        with open(f"hexcribe-{size}.png", "wb") as f:
            f.write(png(sized(big, small, size)))
    with open("hexcribe.svg", "w", encoding="ascii") as f:
        f.write(svg(big))
