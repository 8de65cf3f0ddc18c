#!/usr/bin/env python3
"""Compiles the PO files named in LINGUAS into C++ tables (res/translations.h) for both front ends.

Usage: compile_translations.py PO_DIR OUTPUT.cpp

Per language: the Windows language ids its resources are tagged with (the PO header's
"X-Windows-Languages", hexadecimal, separated by spaces) and every translated text, sorted by its
English text. Fuzzy, obsolete and empty entries are left out, so those texts show in English.
Each PO file is checked by msgfmt --check and read by polib (Debian: python3-polib).
A line break is written \\n in the PO files (gettext's tools refuse \\r) and is a carriage return in
the program's texts, as static controls break their lines.
"""

import pathlib
import re
import subprocess
import sys

import polib


class PoError(Exception):
    pass


def read_linguas(po_dir):
    codes = []
    for line in (po_dir / "LINGUAS").read_text(encoding="utf-8").splitlines():
        line = line.split("#", 1)[0]
        codes.extend(line.split())
    return codes


def read_po(path):
    """The PO file as gettext's msgfmt checks it (syntax, header, duplicates, and the placeholders of
    every entry with a format flag), then read by polib."""
    check = subprocess.run(["msgfmt", "--check", "-o", "/dev/null", str(path)], capture_output=True, text=True)
    if check.returncode != 0:
        raise PoError(f"{path}: msgfmt --check refuses it:\n{check.stderr.strip()}")
    return polib.pofile(str(path), wrapwidth=0)


def cxx_string(text):
    out = ['u"']
    for ch in text:
        code = ord(ch)
        if ch == '"':
            out.append('\\"')
        elif ch == "\\":
            out.append("\\\\")
        elif ch == "\r":
            out.append("\\r")
        elif ch == "\n":
            out.append("\\n")
        elif ch == "\t":
            out.append("\\t")
        elif 0x20 <= code < 0x7F:
            out.append(ch)
        elif code < 0x20 or code == 0x7F:
            out.append(f'\\x{code:02X}""')  # the empty literal ends the escape
        elif code <= 0xFFFF:
            out.append(f"\\u{code:04X}")
        else:
            out.append(f"\\U{code:08X}")
    out.append('"')
    return "".join(out)


def compile_language(po_dir, code):
    path = po_dir / f"{code}.po"
    if not path.is_file():
        raise PoError(f"LINGUAS names {code}, but {path} does not exist")
    po = read_po(path)
    if po.metadata.get("Language") != code:
        raise PoError(f"{path}: the header's Language must be {code}")
    windows = po.metadata.get("X-Windows-Languages", "").split()
    if not windows or not all(re.fullmatch(r"0x[0-9A-Fa-f]{4}", w) for w in windows):
        raise PoError(f"{path}: the header needs X-Windows-Languages, e.g. 0x0412")
    texts = {}
    for entry in po.translated_entries():  # neither fuzzy, obsolete nor empty
        if entry.msgctxt is not None or entry.msgid_plural:
            raise PoError(f"{path}:{entry.linenum}: contexts and plural forms are not used by this program's texts")
        texts[entry.msgid.replace("\n", "\r")] = entry.msgstr.replace("\n", "\r")
    return windows, dict(sorted(texts.items(), key=lambda item: item[0].encode("utf-16-be")))


def generate(po_dir, codes):
    out = [
        "// Generated from the PO files in po/ by tools/translations/compile_translations.py; edit those, not this.",
        '#include "res/translations.h"',
        "",
        "namespace hexcribe::res {",
        "namespace {",
        "",
    ]
    rows = []
    for index, code in enumerate(codes):
        windows, texts = compile_language(po_dir, code)
        out.append(f"// {code}.po")
        out.append(f"constexpr std::uint16_t kWindowsLanguages{index}[] = {{{', '.join(windows)}}};")
        out.append(f"constexpr TranslatedText kTexts{index}[] = {{")
        for english, text in texts.items():
            out.append(f"    {{{cxx_string(english)},\n     {cxx_string(text)}}},")
        if not texts:
            out.append("    {u\"\", u\"\"},")
        out.append("};")
        out.append("")
        count = f"std::size(kTexts{index})" if texts else "0"
        rows.append(f'    {{"{code}", kWindowsLanguages{index}, {{kTexts{index}, {count}}}}},')
    out.append("constexpr Translation kTranslations[] = {")
    out.extend(rows if rows else ['    {"", {}, {}},'])
    out.append("};")
    out.append("")
    out.append("}  // namespace")
    out.append("")
    size = "std::size(kTranslations)" if rows else "0"
    out.append(f"std::span<const Translation> Translations() {{ return {{kTranslations, {size}}}; }}")
    out.append("")
    out.append("}  // namespace hexcribe::res")
    return "\n".join(out) + "\n"


def main(argv):
    if len(argv) != 3:
        print("usage: compile_translations.py PO_DIR OUTPUT.cpp", file=sys.stderr)
        return 2
    po_dir = pathlib.Path(argv[1])
    try:
        codes = read_linguas(po_dir)
        for code in codes:
            if not re.fullmatch(r"[a-z]{2,3}(_[A-Z]{2})?(@[a-z]+)?", code):
                raise PoError(f"LINGUAS: {code!r} is not a language code such as ko or zh_TW")
        text = generate(po_dir, codes)
    except (OSError, ValueError, PoError) as error:
        print(f"compile_translations: {error}", file=sys.stderr)
        return 1
    pathlib.Path(argv[2]).write_text(text, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
