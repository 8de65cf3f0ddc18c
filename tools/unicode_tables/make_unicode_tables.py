#!/usr/bin/env python3
"""Turns the Unicode Character Database files into the compact C++ tables of src/core's Unicode data.

Usage: make_unicode_tables.py UCD_FOLDER OUTPUT.cpp

Reads UnicodeData.txt (names, general categories, combining classes, canonical decompositions),
DerivedNormalizationProps.txt (NFC quick check, full composition exclusions), NameAliases.txt (names
for the control characters, which have none of their own) and Jamo.txt (the short names that make
the Hangul syllables' names). The layout of every table is declared in src/core/unicode_tables.h.

Names are stored as words: a dictionary of the distinct words, most frequent first, and per name the
word numbers (one byte for the 128 most frequent, two for the rest). A name shares its first words
with the name before it where it can, and every 32nd name starts afresh, so a lookup reads at most
32 short names. Names that end in their own code point ("CJK COMPATIBILITY IDEOGRAPH-F900") store
a mark instead of the digits; the great ranges (CJK, Tangut, Hangul) are made by rule at run time.
"""
import collections
import pathlib
import re
import sys

LAST_CODE_POINT = 0x10FFFF
CATEGORIES = ("Lu Ll Lt Lm Lo Mn Mc Me Nd Nl No Pc Pd Ps Pe Pi Pf Po Sm Sc Sk So Zs Zl Zp Cc Cf Cs Co Cn").split()
NAMES_PER_BLOCK = 32
PROPERTY_BLOCK = 256
PROPERTY_PIECE = 32
# Word numbers with a meaning of their own, after the dictionary's words.
HYPHEN_MARK = "\x01-"         # the next word follows a hyphen instead of a space
CODE_POINT_MARK = "\x01cp"    # "-" and the code point in hex, at least four digits
SPACE_HYPHEN_MARK = "\x01 -"  # the next word follows a space and a hyphen
MARKS = (HYPHEN_MARK, CODE_POINT_MARK, SPACE_HYPHEN_MARK)
ONE_BYTE_WORDS = 208           # word numbers below this take one byte, the rest two
WORDS_PER_START = 32           # the dictionary keeps the start of every 32nd word
# The ranges UnicodeData.txt gives as <..., First> / <..., Last>: what their names are.
RANGE_NAMES = (
    (re.compile(r"CJK Ideograph"), "CJK UNIFIED IDEOGRAPH-"),
    (re.compile(r"Tangut Ideograph"), "TANGUT IDEOGRAPH-"),
    (re.compile(r"Hangul Syllable"), "hangul"),
    (re.compile(r"Surrogate|Private Use"), None),  # no name: labelled by category at run time
)


def fail(message):
    sys.exit(f"make_unicode_tables.py: {message}")


def data_lines(path):
    """The fields of every data line of a UCD file (comments and blank lines skipped)."""
    for line in path.read_text(encoding="utf-8").splitlines():
        line = line.split("#", 1)[0].strip()
        if line:
            yield [field.strip() for field in line.split(";")]


def code_point_range(field):
    first, _, last = field.partition("..")
    return int(first, 16), int(last or first, 16)


def file_version(path):
    match = re.match(r"# \S+-(\d+\.\d+\.\d+)\.txt", path.read_text(encoding="utf-8").split("\n", 1)[0])
    if not match:
        fail(f"{path} does not start with its name and version")
    return match.group(1)


class Database:
    def __init__(self, folder):
        self.category = bytearray([CATEGORIES.index("Cn")]) * (LAST_CODE_POINT + 1)
        self.ccc = bytearray(LAST_CODE_POINT + 1)
        self.decomposition = {}  # code point -> canonical decomposition (one level)
        self.names = {}          # code point -> name, for the names stored word by word
        self.ranges = []         # (first, last, prefix or "hangul")
        self.read_unicode_data(folder / "UnicodeData.txt")
        self.read_aliases(folder / "NameAliases.txt")
        self.nfc_quick_check = bytearray(LAST_CODE_POINT + 1)  # 0 yes, 1 no, 2 maybe
        self.excluded = set()
        for fields in data_lines(folder / "DerivedNormalizationProps.txt"):
            first, last = code_point_range(fields[0])
            if fields[1] == "NFC_QC":
                value = {"N": 1, "M": 2}[fields[2]]
                self.nfc_quick_check[first:last + 1] = bytes([value]) * (last - first + 1)
            elif fields[1] == "Full_Composition_Exclusion":
                self.excluded.update(range(first, last + 1))
        self.jamo = {int(fields[0], 16): fields[1] for fields in data_lines(folder / "Jamo.txt")}
        versions = {file_version(folder / name) for name in
                    ("DerivedNormalizationProps.txt", "NameAliases.txt", "Jamo.txt", "CompositionExclusions.txt")}
        if len(versions) != 1:
            fail(f"the data files are of different Unicode versions: {sorted(versions)}")
        self.version = versions.pop()

    def read_unicode_data(self, path):
        first_of_range = None
        for line in path.read_text(encoding="utf-8").splitlines():
            fields = line.split(";")
            if len(fields) != 15:
                fail(f"{path}: unexpected line {line!r}")
            cp, name, category = int(fields[0], 16), fields[1], fields[2]
            if category not in CATEGORIES:
                fail(f"{path}: unknown category {category}")
            first = cp
            if name.endswith(", First>"):
                first_of_range = cp
                continue
            if name.endswith(", Last>"):
                first = first_of_range
                self.add_range(first, cp, name)
            elif not name.startswith("<"):
                self.names[cp] = name
            self.category[first:cp + 1] = bytes([CATEGORIES.index(category)]) * (cp - first + 1)
            self.ccc[first:cp + 1] = bytes([int(fields[3])]) * (cp - first + 1)
            mapping = fields[5]
            if mapping and not mapping.startswith("<"):
                self.decomposition[cp] = [int(part, 16) for part in mapping.split()]

    def add_range(self, first, last, label):
        for pattern, prefix in RANGE_NAMES:
            if pattern.search(label):
                if prefix is not None:
                    self.ranges.append((first, last, prefix))
                return
        fail(f"no naming rule for the range {label}")

    def read_aliases(self, path):
        """Control characters have no name; they get their control alias (or the figment one)."""
        aliases = collections.defaultdict(dict)
        for fields in data_lines(path):
            aliases[int(fields[0], 16)].setdefault(fields[2], fields[1])
        for cp in range(LAST_CODE_POINT + 1):
            if self.category[cp] == CATEGORIES.index("Cc"):
                alias = aliases[cp].get("control") or aliases[cp].get("figment")
                if not alias:
                    fail(f"control character U+{cp:04X} has neither a control nor a figment alias")
                self.names[cp] = alias


def words_of(cp, name):
    """The name as dictionary words and marks; joining them back gives the name exactly."""
    tail = []
    own = f"-{cp:04X}"
    if name.endswith(own):
        name, tail = name[:-len(own)], [CODE_POINT_MARK]
    words = []
    for word in name.split(" "):
        trailing = len(word) > 1 and word.endswith("-")  # "TIBETAN MARK BKA- SHOG": the hyphen stays
        parts = (word[:-1] if trailing else word).split("-")
        if parts[0] == "" and len(parts) > 1:  # "TIBETAN LETTER -A"
            words.append(SPACE_HYPHEN_MARK)
            parts = parts[1:]
        for i, part in enumerate(parts):
            if i:
                words.append(HYPHEN_MARK)
            words.append(part)
        if trailing:
            words[-1] += "-"
    return words + tail


def join_words(cp, words):
    out = ""
    glue = ""
    for word in words:
        if word == HYPHEN_MARK:
            glue = "-"
        elif word == SPACE_HYPHEN_MARK:
            glue = " -"
        elif word == CODE_POINT_MARK:
            out += f"-{cp:04X}"
        else:
            out += glue + word
            glue = " "
    return out


class Writer:
    def __init__(self):
        self.parts = []
        self.sizes = collections.OrderedDict()

    def array(self, c_type, name, values, size, span=True):
        """The values as a constant array, seen from outside as the span `name` (unicode_tables.h),
        or with span=False as the array `name` itself (one load less on the hottest lookups)."""
        self.sizes[name] = len(values) * size
        array_name = f"{name}Data" if span else name
        self.parts.append(f"{'constexpr' if span else 'const'} {c_type} {array_name}[{len(values)}] = {{\n")
        for start in range(0, len(values), 16):
            self.parts.append("    " + ", ".join(str(value) for value in values[start:start + 16]) + ",\n")
        self.parts.append("};\n")
        if span:
            self.parts.append(f"constinit const std::span<const {c_type}> {name}({name}Data);\n")
        self.parts.append("\n")


def write_properties(db, out):
    records = {}
    per_code_point = []
    for cp in range(LAST_CODE_POINT + 1):
        record = (db.category[cp], db.ccc[cp], db.nfc_quick_check[cp], cp in db.decomposition)
        per_code_point.append(records.setdefault(record, len(records)))
    if len(records) > 256:
        fail("more than 256 distinct property records")
    # Three stages: 256-code-point blocks, each as eight 32-code-point pieces, each stored once.
    pieces = {}
    piece_ids = [pieces.setdefault(tuple(per_code_point[start:start + PROPERTY_PIECE]), len(pieces))
                 for start in range(0, LAST_CODE_POINT + 1, PROPERTY_PIECE)]
    per_block = PROPERTY_BLOCK // PROPERTY_PIECE
    blocks = {}
    stage1 = [blocks.setdefault(tuple(piece_ids[start:start + per_block]), len(blocks))
              for start in range(0, len(piece_ids), per_block)]
    if len(blocks) > 256 or len(pieces) > 1 << 16:
        fail("too many distinct property blocks")
    out.array("std::uint8_t", "kPropertyStage1", stage1, 1, span=False)
    out.array("std::uint16_t", "kPropertyStage2", [piece for block in blocks for piece in block], 2, span=False)
    out.array("std::uint8_t", "kPropertyStage3", [value for piece in pieces for value in piece], 1, span=False)
    packed = [category | (quick_check << 5) | (has_decomposition << 7) | (ccc << 8)
              for (category, ccc, quick_check, has_decomposition) in records]
    out.array("std::uint16_t", "kPropertyRecords", packed, 2, span=False)


def write_normalization(db, out):
    decompositions = []
    for cp, mapping in sorted(db.decomposition.items()):
        first, second = mapping[0], mapping[1] if len(mapping) == 2 else 0
        if len(mapping) > 2:
            fail(f"U+{cp:04X} has a canonical decomposition of more than two code points")
        primary = len(mapping) == 2 and cp not in db.excluded  # what NFC composes back
        decompositions.append((primary << 63) | (cp << 42) | (first << 21) | second)
    out.array("std::uint64_t", "kDecompositions", [f"0x{v:X}u" for v in decompositions], 8)


def write_names(db, out):
    code_points = sorted(db.names)
    if len(code_points) >= 1 << 16:
        fail("too many names for 16-bit name numbers")
    tokens = {cp: words_of(cp, db.names[cp]) for cp in code_points}
    for cp in code_points:
        if join_words(cp, tokens[cp]) != db.names[cp]:
            fail(f"the name of U+{cp:04X} does not survive its splitting into words")
    counts = collections.Counter(word for words in tokens.values() for word in words if word not in MARKS)
    dictionary = [word for word, _ in sorted(counts.items(), key=lambda item: (-item[1], item[0]))]
    # The marks take the first numbers, the cheapest; then the words, most frequent first.
    number = {mark: i for i, mark in enumerate(MARKS)}
    for word in dictionary:
        number[word] = len(number)
    if len(number) > ONE_BYTE_WORDS + (256 - ONE_BYTE_WORDS) * 256:
        fail("too many distinct words for one- and two-byte word numbers")

    stream = bytearray()
    block_starts = []
    previous = []
    for ordinal, cp in enumerate(code_points):
        words = tokens[cp]
        shared = 0
        if ordinal % NAMES_PER_BLOCK == 0:
            block_starts.append(len(stream))
        else:
            while shared < min(len(words), len(previous), 15) and words[shared] == previous[shared]:
                shared += 1
        fresh = words[shared:]
        if len(fresh) > 15:
            fail(f"the name of U+{cp:04X} has more than 15 words")
        stream.append((shared << 4) | len(fresh))
        for word in fresh:
            value = number[word]
            if value < ONE_BYTE_WORDS:
                stream.append(value)
            else:
                value -= ONE_BYTE_WORDS
                stream.extend([ONE_BYTE_WORDS + (value >> 8), value & 0xFF])
        previous = words

    # Runs of consecutive named code points: the first code point and the name number of each.
    run_starts, run_ordinals = [], []
    for ordinal, cp in enumerate(code_points):
        if ordinal == 0 or code_points[ordinal - 1] != cp - 1:
            run_starts.append(cp)
            run_ordinals.append(ordinal)
    run_ordinals.append(len(code_points))

    # The words one after the other, the last letter of each with its high bit set.
    text = bytearray()
    word_starts = []
    for index, word in enumerate(dictionary):
        if index % WORDS_PER_START == 0:
            word_starts.append(len(text))
        encoded = word.encode("ascii")
        text += encoded[:-1] + bytes([encoded[-1] | 0x80])
    if len(text) >= 1 << 16:
        fail("the words take more than 64 KiB")
    out.array("std::uint8_t", "kNameWordText", list(text), 1)
    out.array("std::uint16_t", "kNameWordStarts", word_starts, 2)
    out.array("std::uint8_t", "kNameStream", list(stream), 1)
    out.array("std::uint32_t", "kNameBlockStarts", block_starts, 4)
    out.array("std::uint32_t", "kNameRunStarts", run_starts, 4)
    out.array("std::uint16_t", "kNameRunOrdinals", run_ordinals, 2)


def write_rule_names(db, out):
    prefixes = sorted({prefix for _, _, prefix in db.ranges if prefix != "hangul"})
    rows = []
    for first, last, prefix in sorted(db.ranges):
        rows.append("{" + f"0x{first:X}, 0x{last:X}, {prefixes.index(prefix) if prefix != 'hangul' else -1}" + "}")
    out.array("NameRange", "kNameRanges", rows, 12)
    out.array("std::string_view", "kNamePrefixes", [f'"{p}"' for p in prefixes], 16)
    for name, base, count in (("kJamoLeading", 0x1100, 19), ("kJamoVowel", 0x1161, 21), ("kJamoTrailing", 0x11A7, 28)):
        short = [f'"{db.jamo.get(base + i, "")}"' for i in range(count)]
        out.array("std::string_view", name, short, 16)


def main():
    if len(sys.argv) != 3:
        fail("usage: make_unicode_tables.py UCD_FOLDER OUTPUT.cpp")
    folder, output = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    db = Database(folder)
    out = Writer()
    write_properties(db, out)
    write_normalization(db, out)
    write_names(db, out)
    write_rule_names(db, out)
    head = ("// Generated by tools/unicode_tables/make_unicode_tables.py from the Unicode Character Database "
            f"{db.version}: do not edit.\n"
            "// Table sizes in bytes: " + ", ".join(f"{k} {v}" for k, v in out.sizes.items()) +
            f"; total {sum(out.sizes.values())}.\n"
            '#include "core/unicode_data.h"\n#include "core/unicode_tables.h"\n\n'
            f'const std::string_view hexcribe::kUnicodeVersion = "{db.version}";\n\n'
            "namespace hexcribe::unicode_tables {\n\n")
    text = head + "".join(out.parts) + "\n}  // namespace hexcribe::unicode_tables\n"
    output.parent.mkdir(parents=True, exist_ok=True)
    if not output.exists() or output.read_text(encoding="utf-8") != text:
        output.write_text(text, encoding="utf-8")


if __name__ == "__main__":
    main()
