#!/usr/bin/env python3
"""Writes SRC/text/CodePageDetectorTables.h: the character classes of the single-byte pages and
the letter-pair statistics of Russian and Ukrainian, learnt from the training text of corpus.py.

Usage: bench/detect/train.py [CACHE]   (CACHE: where the packages are kept, default
/tmp/tw-detect-cache). The output depends only on the packages' contents.
"""
import collections
import math
import os
import random
import sys
import textwrap
import unicodedata

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import corpus  # noqa: E402

LETTERS = "абвгдежзийклмнопрстуфхцчшщъыьэюяёіїєґ"
# Typographic marks each have a class of their own: a dash, an opening and a closing quote
# stand in different places, and some are rare in Cyrillic text.
MARKS = "\u00a0—–…«»„“”‘’‚№•·‹›"
# Box drawing: lines (which run on) apart from corners, crossings and upright bars.
BOX_LINES = "─═░▒▓█▄▀▌▐■"
(SPACE, ASCII_PUNCT, DIGIT, LATIN, SYMBOL, FOREIGN, JUNK, BOX_LINE, BOX, OTHER_CYRILLIC,
 LINE_START) = range(11)
FIRST_MARK = 11
FIRST_LETTER = FIRST_MARK + len(MARKS)
CLASS_COUNT = FIRST_LETTER + len(LETTERS)
CAPITAL = 0x80
CLASS_NAMES = ["space", "ASCII punctuation", "digit", "Latin letter", "symbol", "other letter",
               "control or unassigned", "box-drawing line", "other box drawing",
               "Cyrillic letter of other languages", "line end"]
# Single-byte pages in the detector's order; KOI8 is read with its Ukrainian letters, so that
# Ukrainian KOI8 files come out as KOI8-R, whose Russian letters they share.
PAGE_CODECS = ["cp1251", "cp866", "koi8_u", "iso8859_5", "mac_cyrillic"]
SCALE = 100  # scores are natural logarithms times SCALE
SMOOTHING = 20.0
FRAMED_SHARE = 0.01  # of the training paragraphs framed in box drawing


def char_class(c):
    """Class of a character, with CAPITAL set on capital Cyrillic letters."""
    lower = c.lower()
    if len(lower) == 1 and lower in LETTERS:
        return (FIRST_LETTER + LETTERS.index(lower)) | (CAPITAL if c != lower else 0)
    if c in MARKS:
        return FIRST_MARK + MARKS.index(c)
    if c in "\r\n":
        return LINE_START
    if c.isspace():
        return SPACE
    if c < "\x80":
        if c.isdigit():
            return DIGIT
        if c.isalpha():
            return LATIN
        return ASCII_PUNCT if c.isprintable() else JUNK
    if c in BOX_LINES:
        return BOX_LINE
    if "\u2500" <= c <= "\u259f":
        return BOX
    category = unicodedata.category(c)
    if category.startswith("L"):
        return OTHER_CYRILLIC if "\u0400" <= c <= "\u04ff" else FOREIGN
    if category.startswith("C"):
        return JUNK
    return SYMBOL


def upper_classes(codec):
    out = []
    for b in range(0x80, 0x100):
        try:
            out.append(char_class(bytes([b]).decode(codec)))
        except UnicodeDecodeError:
            out.append(JUNK)
    return out


def case_state(k):
    if k & ~CAPITAL < FIRST_LETTER:
        return 0
    return 2 if k & CAPITAL else 1


def framed(paragraph, rng):
    """The paragraph as a DOS-style report framed in box drawing, as text files in CP866 often
    are: the training text has none, and the pairs of box drawing must be learnt from somewhere."""
    width = rng.randrange(30, 70)
    double = rng.random() < 0.5
    h, v = ("═", "║") if double else ("─", "│")
    top = ("╔", "╗") if double else ("┌", "┐")
    bottom = ("╚", "╝") if double else ("└", "┘")
    words, lines, line = paragraph.split(), [], ""
    for w in words:
        if line and len(line) + 1 + len(w) > width - 4:
            lines.append(line)
            line = w
        else:
            line = (line + " " + w).strip()
    lines.append(line)
    out = [top[0] + h * (width - 2) + top[1]]
    out += [v + " " + l.ljust(width - 4) + " " + v for l in lines]
    out.append(bottom[0] + h * (width - 2) + bottom[1])
    return "\n".join(out)


def page_chars():
    """The characters of the upper halves of the pages, by page."""
    return [[bytes([b]).decode(codec, errors="replace") for b in range(0x80, 0x100)]
            for codec in PAGE_CODECS]


def train(docs):
    pairs = [[0] * CLASS_COUNT for _ in range(CLASS_COUNT)]
    cases = [[0] * 3 for _ in range(3)]
    chars = collections.Counter()
    rng = random.Random(1251)
    for lang_docs in docs.values():
        for doc in lang_docs:
            for paragraph in doc:
                if rng.random() < FRAMED_SHARE:
                    paragraph = framed(paragraph, rng)
                prev = SPACE
                chars.update(paragraph)
                for c in paragraph + "\n":
                    k = char_class(c)
                    pairs[prev & ~CAPITAL][k & ~CAPITAL] += 1
                    cases[case_state(prev)][case_state(k)] += 1
                    prev = k
    # Each row is smoothed towards the overall frequencies of the classes.
    totals = [sum(pairs[a][b] for a in range(CLASS_COUNT)) + 0.5 for b in range(CLASS_COUNT)]
    unigram = [t / sum(totals) for t in totals]
    pair_scores = []
    for row in pairs:
        n = sum(row)
        pair_scores.append([round(SCALE * math.log((row[b] + SMOOTHING * unigram[b]) / (n + SMOOTHING)))
                            for b in range(CLASS_COUNT)])
    case_scores = [[round(SCALE * math.log((row[b] + 1) / (sum(row) + 3))) for b in range(3)]
                   for row in cases]
    # A class stands for several characters of the pages (symbols, letters of other languages):
    # how often each of them comes within its class tells a common symbol from a rare one.
    members = collections.defaultdict(set)
    for page in page_chars():
        for c in page:
            members[char_class(c) & ~CAPITAL].add(c)
    char_scores = []
    for page in page_chars():
        row = []
        for c in page:
            group = members[char_class(c) & ~CAPITAL]
            if len(group) == 1 or char_class(c) & ~CAPITAL >= FIRST_MARK:
                row.append(0)
                continue
            total = sum(chars[m] for m in group)
            row.append(round(SCALE * math.log((chars[c] + 0.5) / (total + 0.5 * len(group)))))
        char_scores.append(row)
    return pair_scores, case_scores, char_scores


def rows(values, per_line, indent="    "):
    lines = []
    for i in range(0, len(values), per_line):
        lines.append(indent + ", ".join(str(v) for v in values[i:i + per_line]) + ",")
    return "\n".join(lines)


def write(path, pair_scores, case_scores, char_scores, versions, sizes):
    ascii_classes = [char_class(chr(b)) for b in range(0x80)]
    out = []
    out.append("// Character classes of the single-byte Cyrillic pages and letter-pair statistics of Russian")
    out.append("// and Ukrainian text. Generated by bench/detect/train.py; do not edit.")
    learnt = "Learnt from the message catalogues and manuals of " + ", ".join(
        f"{p} {v}" for p, v in sorted(versions.items())) + "; " + ", ".join(
        f"{n:,} {lang} characters" for lang, n in sorted(sizes.items())) + "."
    out += ["// " + line for line in textwrap.wrap(learnt, 96)]
    out.append("#pragma once\n\n#include <cstdint>\n\nnamespace detect_tables {\n")
    classes = "Classes 0 to %d: %s; from %d the marks U+%s; from %d the letters \"%s\" (capital letters have kCapital added)." % (
        FIRST_MARK - 1, ", ".join(CLASS_NAMES), FIRST_MARK, " U+".join(f"{ord(c):04X}" for c in MARKS),
        FIRST_LETTER, LETTERS)
    out += ["// " + line for line in textwrap.wrap(classes, 96)]
    out.append(f"constexpr int kClassCount = {CLASS_COUNT};")
    out.append(f"constexpr int kFirstLetter = {FIRST_LETTER};")
    out.append(f"constexpr uint8_t kCapital = 0x{CAPITAL:02X};")
    out.append(f"constexpr uint8_t kSymbol = {SYMBOL};")
    out.append(f"constexpr uint8_t kJunk = {JUNK};")
    out.append(f"constexpr uint8_t kBox = {BOX};")
    out.append(f"// Scores are natural logarithms of probabilities times kScale.\nconstexpr int kScale = {SCALE};\n")
    out.append("// Class of each byte 0x00-0x7F, the same in every page.")
    out.append("constexpr uint8_t kAsciiClass[128] = {\n" + rows(ascii_classes, 16) + "\n};\n")
    out.append("// Class of each byte 0x80-0xFF in Windows-1251, CP866, KOI8, ISO 8859-5 and Mac Cyrillic.")
    out.append("constexpr uint8_t kUpperClass[5][128] = {")
    for codec in PAGE_CODECS:
        out.append("    {\n" + rows(upper_classes(codec), 16, "        ") + "\n    },")
    out.append("};\n")
    out.append("// Score of each byte 0x80-0xFF of each page within its class (0 for the letters and marks,")
    out.append("// which have classes of their own).")
    out.append("constexpr int16_t kUpperScore[5][128] = {")
    for row in char_scores:
        out.append("    {\n" + rows(row, 16, "        ") + "\n    },")
    out.append("};\n")
    out.append("// Score of class b following class a (letters without case): kPairScore[a][b].")
    out.append(f"constexpr int16_t kPairScore[{CLASS_COUNT}][{CLASS_COUNT}] = {{")
    for row in pair_scores:
        out.append("    {\n" + rows(row, 16, "        ") + "\n    },")
    out.append("};\n")
    out.append("// Score of the case of a character after that of the one before: 0 not a Cyrillic letter,")
    out.append("// 1 small letter, 2 capital letter.")
    out.append("constexpr int16_t kCaseScore[3][3] = {")
    for row in case_scores:
        out.append("    {" + ", ".join(str(v) for v in row) + "},")
    out.append("};\n\n} // namespace detect_tables")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


def main():
    cache = sys.argv[1] if len(sys.argv) > 1 else "/tmp/tw-detect-cache"
    docs, versions = corpus.catalogue_texts(corpus.TRAIN_PACKAGES, corpus.TRAIN_DOCUMENTS, cache)
    sizes = {lang: sum(len(p) for doc in d for p in doc) for lang, d in docs.items()}
    pair_scores, case_scores, char_scores = train(docs)
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    path = os.path.join(root, "SRC", "text", "CodePageDetectorTables.h")
    write(path, pair_scores, case_scores, char_scores, versions, sizes)
    print("wrote", path)


if __name__ == "__main__":
    main()
