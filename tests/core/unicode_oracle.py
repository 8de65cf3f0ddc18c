#!/usr/bin/env python3
"""Writes what independent sources say of the characters, for unicode_data_test to compare with.

Usage: unicode_oracle.py UCD_FOLDER OUTPUT

Lines "N;XXXX;CATEGORY;NAME" come from Python's unicodedata (its own, older Unicode version: code
points it does not know are left out); lines "C;SOURCE;NFC" (code points in hex, space-separated)
from the database's own conformance file NormalizationTest.txt, whose version is the tables'.
"""
import bz2
import pathlib
import sys
import unicodedata

folder, output = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
lines = []
for cp in range(0x110000):
    category = unicodedata.category(chr(cp))
    if category != "Cn":
        lines.append(f"N;{cp:04X};{category};{unicodedata.name(chr(cp), '')}")
path = folder / "NormalizationTest.txt"
text = path.read_text(encoding="utf-8") if path.exists() else bz2.open(f"{path}.bz2", "rt", encoding="utf-8").read()
for line in text.splitlines():
    fields = line.split("#", 1)[0].split(";")
    if len(fields) == 6:
        # NFC(c1) = NFC(c2) = NFC(c3) = c2 and NFC(c4) = NFC(c5) = c4.
        lines += [f"C;{fields[i]};{fields[1]}" for i in (0, 1, 2)] + [f"C;{fields[i]};{fields[3]}" for i in (3, 4)]
output.write_text("\n".join(lines) + "\n", encoding="utf-8")
