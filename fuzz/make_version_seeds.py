#!/usr/bin/env python3
"""Writes the seed inputs of version_block_fuzzer: bare version blocks and small ELF files carrying one.

Input layout of the target: byte 0 even = bare block, odd = ELF file. Run from the
repository's top folder: python3 fuzz/make_version_seeds.py
"""
import struct
import zlib
from pathlib import Path

OUT = Path(__file__).resolve().parent / "corpus" / "version_block_fuzzer"


def string(text):
    units = text.encode("utf-16-le")
    return struct.pack("<H", len(units) // 2) + units


def block(tables, translations=((0x0409, 1200),)):
    body = struct.pack("<9I", 0x00010000, 0x00000001, 0x00010000, 0x00000001, 0x3F, 0, 4, 1, 0)
    body += struct.pack("<H", len(translations)) + b"".join(struct.pack("<HH", *t) for t in translations)
    body += struct.pack("<H", len(tables))
    for language, entries in tables:
        body += string(language) + struct.pack("<H", len(entries))
        for name, value in entries:
            body += string(name) + string(value)
    total = 20 + len(body)
    return b"HXVERBLK" + struct.pack("<III", 1, total, zlib.crc32(body)) + body


def elf(section, bits=64, big=False):
    """A relocatable ELF file with the sections: null, .hexcribe_version, .shstrtab."""
    e = ">" if big else "<"
    names = b"\0.hexcribe_version\0.shstrtab\0"
    ehsize, shentsize = (64, 64) if bits == 64 else (52, 40)
    data_off = ehsize
    names_off = data_off + len(section)
    shoff = (names_off + len(names) + 7) & ~7
    ident = b"\x7fELF" + bytes([2 if bits == 64 else 1, 2 if big else 1, 1]) + bytes(9)
    if bits == 64:
        header = ident + struct.pack(e + "HHIQQQIHHHHHH", 1, 62, 1, 0, 0, shoff, 0, ehsize, 0, 0, shentsize, 3, 2)
        sh = lambda name, typ, off, size: struct.pack(e + "IIQQQQIIQQ", name, typ, 0, 0, off, size, 0, 0, 1, 0)
    else:
        header = ident + struct.pack(e + "HHIIIIIHHHHHH", 1, 3, 1, 0, 0, shoff, 0, ehsize, 0, 0, shentsize, 3, 2)
        sh = lambda name, typ, off, size: struct.pack(e + "IIIIIIIIII", name, typ, 0, 0, off, size, 0, 0, 1, 0)
    body = header + section + names
    body += bytes(shoff - len(body))
    body += bytes(shentsize) + sh(1, 1, data_off, len(section)) + sh(19, 3, names_off, len(names))
    return body


ENGLISH = ("040904b0", [("FileDescription", "Hexcribe"), ("FileVersion", "1, 0, 0, 1"), ("InternalName", "Hexcribe"),
                        ("ProductName", "Hexcribe"), ("ProductVersion", "1, 0, 0, 1"), ("Comments", "")])
KOREAN = ("041204B0", [("ProductVersion", "2, 13, 7, 0")])

OUT.mkdir(parents=True, exist_ok=True)
shipped = block([ENGLISH])
(OUT / "block-shipped").write_bytes(b"\0" + shipped)
(OUT / "block-two-tables").write_bytes(b"\0" + block([KOREAN, ENGLISH, ("040904B0", [("productversion", "9")])]))
(OUT / "elf64-le").write_bytes(b"\1" + elf(shipped))
(OUT / "elf32-be").write_bytes(b"\1" + elf(block([KOREAN]), bits=32, big=True))
