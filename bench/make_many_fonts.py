#!/usr/bin/python3
"""Makes a folder of many small, distinct font families and a fontconfig file that adds it.

Used to measure the font enumeration with far more faces than this machine has:
a base font is cut down to a few glyphs and saved again under N family names
(a tenth of them also with a Korean localized name). Prints the fontconfig file's
path; set FONTCONFIG_FILE to it.

Usage: make_many_fonts.py OUT_DIR [--count N] [--base FONT]
"""
import argparse
import subprocess
import sys
from pathlib import Path

from fontTools import subset
from fontTools.ttLib import TTFont

DEFAULT_BASE = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"


def small_copy(base, out):
    options = subset.Options()
    options.name_IDs = ["*"]
    options.layout_features = []
    font = TTFont(base)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text="Hexcribe 0123456789ABCDEF")
    subsetter.subset(font)
    font.save(out)


def rename(font, family, korean=None):
    names = font["name"]
    names.names = [n for n in names.names if n.nameID not in (1, 2, 3, 4, 6, 16, 17)]
    for platform, encoding, language in ((3, 1, 0x409), (1, 0, 0)):
        names.setName(family, 1, platform, encoding, language)
        names.setName("Regular", 2, platform, encoding, language)
        names.setName(f"{family} Regular", 3, platform, encoding, language)
        names.setName(family, 4, platform, encoding, language)
        names.setName(family.replace(" ", ""), 6, platform, encoding, language)
    if korean:
        names.setName(korean, 1, 3, 1, 0x412)
        names.setName(korean, 4, 3, 1, 0x412)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("out")
    parser.add_argument("--count", type=int, default=2000)
    parser.add_argument("--base", default=DEFAULT_BASE)
    args = parser.parse_args()
    out = Path(args.out).resolve()
    fonts = out / "fonts"
    fonts.mkdir(parents=True, exist_ok=True)
    seed = out / "seed.ttf"
    small_copy(args.base, seed)
    for i in range(args.count):
        path = fonts / f"bench-face-{i:05d}.ttf"
        if path.exists():
            continue
        font = TTFont(seed)
        rename(font, f"Bench Face {i:05d}", f"벤치 글꼴 {i:05d}" if i % 10 == 0 else None)
        font.save(path)
    conf = out / "fonts.conf"
    conf.write_text(f"""<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>{fonts}</dir>
  <cachedir>{out / "cache"}</cachedir>
</fontconfig>
""")
    # Build the cache once, as an installed system would have it.
    subprocess.run(["fc-cache", "-f", str(fonts)], check=True, env={"FONTCONFIG_FILE": str(conf), "PATH": "/usr/bin:/bin"})
    print(conf)
    return 0


if __name__ == "__main__":
    sys.exit(main())
