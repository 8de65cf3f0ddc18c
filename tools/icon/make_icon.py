#!/usr/bin/env python3
"""Makes the program icon's bitmaps from its source drawings: the PNG files of every size the Linux
front end and the desktop integration use, and hexcribe.ico (256 and 48 px in full colour, 32 and
16 px at 4 bits per pixel in the 16-colour palette).

Usage: make_icon.py ICON.svg ICON-16.svg OUTPUT_DIR

The drawings are pixel art in the 16-colour palette: SVG files of one 1-unit-high <rect> per run of
a colour, on a 32 (ICON.svg, also the scalable icon) and a 16 unit grid (ICON-16.svg, drawn by hand
for the smallest size). Whole multiples of 32 px are the 32 px drawing enlarged pixel for pixel
(crisp); 24 and 48 px are averaged down from its triple size. Standard library only.
"""
import pathlib
import re
import struct
import sys
import xml.etree.ElementTree as ElementTree
import zlib

# The classic 16-colour palette, index -> (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
SIZES = (16, 24, 32, 48, 64, 128, 256)


def read_drawing(path):
    """The drawing as rows of palette indexes, None where it is clear."""
    root = ElementTree.parse(path).getroot()
    grid = re.fullmatch(r"0 0 (\d+) (\d+)", root.get("viewBox", ""))
    if not grid or grid[1] != grid[2]:
        raise ValueError(f"{path}: the drawing needs a square viewBox \"0 0 N N\"")
    size = int(grid[1])
    img = [[None] * size for _ in range(size)]
    for rect in root.iter("{http://www.w3.org/2000/svg}rect"):
        x, y, width, height = (int(rect.get(name)) for name in ("x", "y", "width", "height"))
        colour = tuple(int(rect.get("fill")[i:i + 2], 16) for i in (1, 3, 5))
        if colour not in PALETTE or height != 1 or x < 0 or x + width > size or not 0 <= y < size:
            raise ValueError(f"{path}: a rect outside the grid or the 16-colour palette")
        img[y][x:x + width] = [PALETTE.index(colour)] * width
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


def main(argv):
    if len(argv) != 4:
        print("usage: make_icon.py ICON.svg ICON-16.svg OUTPUT_DIR", file=sys.stderr)
        return 2
    big, small = read_drawing(argv[1]), read_drawing(argv[2])
    if len(big) != 32 or len(small) != 16:
        print("make_icon: the drawings must be 32 and 16 units square", file=sys.stderr)
        return 1
    out = pathlib.Path(argv[3])
    out.mkdir(parents=True, exist_ok=True)
    (out / "hexcribe.ico").write_bytes(
        ico([(256, 0, 32, png(sized(big, small, 256))), (48, 0, 32, dib32(sized(big, small, 48))),
             (32, 16, 4, dib(big)), (16, 16, 4, dib(small))]))
    for size in SIZES:
        (out / f"hexcribe-{size}.png").write_bytes(png(sized(big, small, size)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
