"""Natural Russian and Ukrainian text from Debian packages, cut into samples in the six pages.

Training text: the Russian and Ukrainian message catalogues of TRAIN_PACKAGES and the HTML
manuals of TRAIN_DOCUMENTS.
Tuning text (for the detector's margins): the same of TUNE_PACKAGES and TUNE_DOCUMENTS.
Evaluation text: the Russian and Ukrainian manual pages and the Russian fortunes of
EVAL_PACKAGES. No package is in both sets, and no training package has its manual pages among
the evaluation ones, so the detector is never measured on text it learnt from.
"""
import gzip
import html.parser
import os
import random
import re
import struct
import subprocess

TRAIN_PACKAGES = [
    "apt", "appstream", "dpkg", "gettext", "git", "gnupg-l10n", "gsettings-desktop-schemas",
    "libglib2.0-data", "libgtk2.0-common", "make", "wget",
]
TRAIN_DOCUMENTS = ["aptitude-doc-ru", "debian-edu-doc-legacy-uk", "developers-reference-ru"]
TUNE_PACKAGES = ["libc-l10n", "postgresql-client-15", "procps"]
TUNE_DOCUMENTS = ["debian-faq-ru", "doublecmd-help-uk", "maint-guide-ru"]
EVAL_PACKAGES = ["fortunes-ru", "manpages-ru", "manpages-uk"]

# Page names of the detector's driver and the codecs that read them.
PAGES = ["cp1251", "cp866", "koi8r", "iso8859-5", "mac", "utf8"]
CODECS = {"cp1251": "cp1251", "cp866": "cp866", "koi8r": "koi8_r", "iso8859-5": "iso8859_5",
          "mac": "mac_cyrillic", "utf8": "utf_8"}
# KOI8-R and CP866 have no Ukrainian і, ї, є, ґ (CP866 lacks і): Ukrainian is not written in them.
LANG_PAGES = {"ru": PAGES, "uk": ["cp1251", "iso8859-5", "mac", "utf8"]}
BANDS = [40, 100, 300, 1000, 2000]
FORMS = ["plain", "html"]

# What a writer in a page without these characters types instead.
SUBSTITUTES = {
    "«": '"', "»": '"', "„": '"', "“": '"', "”": '"', "‘": "'", "’": "'", "‚": "'",
    "—": "-", "–": "-", "‑": "-", "…": "...", "№": "N", "\u00a0": " ", "•": "*", "·": "*",
    "©": "(c)", "®": "(R)", "™": "(TM)", "°": " ", "×": "x", "−": "-", "\u00ad": "",
}


def fetch(packages, cache):
    """Downloads and unpacks the packages into cache; returns {package: (version, root)}."""
    debs = os.path.join(cache, "debs")
    os.makedirs(debs, exist_ok=True)
    have = {f.split("_")[0]: f for f in os.listdir(debs) if f.endswith(".deb")}
    missing = [p for p in packages if p not in have]
    if missing:
        subprocess.run(["apt-get", "download", *missing], cwd=debs, check=True,
                       stdout=subprocess.DEVNULL)
        have = {f.split("_")[0]: f for f in os.listdir(debs) if f.endswith(".deb")}
    result = {}
    for p in packages:
        root = os.path.join(cache, "root", p)
        if not os.path.isdir(root):
            os.makedirs(root)
            subprocess.run(["dpkg-deb", "-x", os.path.join(debs, have[p]), root], check=True)
        result[p] = (have[p].split("_")[1], root)
    return result


def files_under(root, pattern):
    found = []
    for folder, _, names in os.walk(root):
        for n in names:
            path = os.path.join(folder, n)
            if re.search(pattern, path) and not os.path.islink(path):
                found.append(path)
    return sorted(found)


def mo_messages(path):
    """The translated strings of a compiled message catalogue."""
    data = open(path, "rb").read()
    order = "<" if data[:4] == b"\xde\x12\x04\x95" else ">"
    _, count, _, trans = struct.unpack(order + "4I", data[4:20])
    messages = []
    for i in range(count):
        length, offset = struct.unpack(order + "2I", data[trans + 8 * i:trans + 8 * i + 8])
        text = data[offset:offset + length]
        if not text or text.startswith(b"Project-Id-Version"):
            continue
        try:
            messages.extend(m for m in text.decode("utf-8").split("\0") if m)
        except UnicodeDecodeError:
            pass
    return [re.sub(r"[_&](?=\w)", "", m) for m in messages]


ROFF_CHARS = {"em": "—", "en": "–", "lq": "“", "rq": "”", "Fo": "«", "Fc": "»", "aq": "'",
              "dq": '"', "hy": "-", "bu": "•", "co": "©", "oq": "‘", "cq": "’", "mc": "µ"}
TEXT_MACROS = {"SH", "SS", "B", "I", "BR", "IR", "RB", "BI", "IB", "RI", "SM", "SB"}
BREAK_MACROS = {"PP", "P", "LP", "TP", "IP", "sp", "br", "HP", "TQ", "EX", "EE", "nf", "fi"}


def roff_text(line):
    line = re.sub(r'\\".*', "", line)
    line = re.sub(r"\\\((..)", lambda m: ROFF_CHARS.get(m.group(1), ""), line)
    line = re.sub(r"\\\[([^]]*)\]", lambda m: ROFF_CHARS.get(m.group(1), ""), line)
    line = re.sub(r"\\f(\[[^]]*\]|\(..|.)", "", line)
    line = re.sub(r"\\s[-+]?\d", "", line)
    line = line.replace("\\-", "-").replace("\\e", "\\").replace("\\~", " ")
    line = re.sub(r"\\[&/,|^%:]", "", line)
    return line


def man_paragraphs(path):
    """Running text of a manual page: roff requests dropped, one string per paragraph."""
    paragraphs, current = [], []

    def close():
        if current:
            paragraphs.append(" ".join(current))
            current.clear()

    for raw in gzip.open(path, "rt", encoding="utf-8", errors="replace"):
        line = raw.rstrip("\n")
        if line.startswith((".", "'")):
            parts = line[1:].split(None, 1)
            macro = parts[0] if parts else ""
            if macro in TEXT_MACROS and len(parts) > 1:
                if macro in ("SH", "SS"):
                    close()
                current.append(roff_text(parts[1]).replace('"', ""))
                if macro in ("SH", "SS"):
                    close()
            elif macro in BREAK_MACROS or macro == "":
                close()
            continue
        if not line.strip():
            close()
            continue
        current.append(roff_text(line))
    close()
    return paragraphs


def fortune_paragraphs(path):
    text = open(path, encoding="utf-8", errors="replace").read()
    return [t for t in re.split(r"\n%\n", text) if t.strip()]


def clean(paragraph):
    return re.sub(r"\s+", " ", paragraph).strip()


class HtmlText(html.parser.HTMLParser):
    """The paragraphs of an HTML page; program listings are left out."""
    BLOCKS = {"p", "div", "li", "dd", "dt", "td", "th", "tr", "br", "h1", "h2", "h3", "h4", "h5",
              "h6", "title", "table", "ul", "ol", "dl", "blockquote"}
    SKIPPED = {"pre", "script", "style", "code", "tt"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.paragraphs, self.current, self.skipping = [], [], 0

    def flush(self):
        text = clean("".join(self.current))
        if text:
            self.paragraphs.append(text)
        self.current = []

    def handle_starttag(self, tag, attrs):
        if tag in self.SKIPPED:
            self.skipping += 1
        elif tag in self.BLOCKS:
            self.flush()

    def handle_endtag(self, tag):
        if tag in self.SKIPPED:
            self.skipping = max(0, self.skipping - 1)
        elif tag in self.BLOCKS:
            self.flush()

    def handle_data(self, data):
        if not self.skipping:
            self.current.append(data)


def html_paragraphs(path):
    parser = HtmlText()
    parser.feed(open(path, encoding="utf-8", errors="replace").read())
    parser.close()
    parser.flush()
    return parser.paragraphs


def catalogue_texts(packages, documents, cache):
    """{lang: [document as a list of paragraphs]} from the message catalogues of packages and
    the HTML manuals of documents (named ...-ru or ...-uk), and the package versions used."""
    got = fetch(packages + documents, cache)
    docs = {"ru": [], "uk": []}
    for p in packages:
        for lang in docs:
            for mo in files_under(got[p][1], rf"/locale/{lang}/LC_MESSAGES/.*\.mo$"):
                docs[lang].append([clean(m) for m in mo_messages(mo) if clean(m)])
    for p in documents:
        for page in files_under(got[p][1], r"\.html$"):
            docs[p[-2:]].append(html_paragraphs(page))
    return docs, {p: v for p, (v, _) in got.items()}


def evaluation_texts(cache):
    """{lang: {source: [document as a list of paragraphs]}} and the package versions used."""
    got = fetch(EVAL_PACKAGES, cache)
    sources = {"ru": {"fortunes-ru": [], "manpages-ru": []}, "uk": {"manpages-uk": []}}
    for path in files_under(got["fortunes-ru"][1], r"/fortunes/ru/[^/.]+(\.\d+)?$"):
        sources["ru"]["fortunes-ru"].append([clean(p) for p in fortune_paragraphs(path)])
    for lang in ("ru", "uk"):
        for path in files_under(got[f"manpages-{lang}"][1], rf"/man/{lang}/man\d/.*\.gz$"):
            sources[lang][f"manpages-{lang}"].append(
                [clean(p) for p in man_paragraphs(path) if clean(p)])
    return sources, {p: v for p, (v, _) in got.items()}


def is_cyrillic_text(text):
    letters = [c for c in text if c.isalpha()]
    cyrillic = sum(1 for c in letters if "\u0400" <= c <= "\u04ff")
    return cyrillic >= 8 and cyrillic * 2 >= len(letters)


def draw_text(docs, length, rng):
    """Text of about length characters from the start of a paragraph, cut at a word end."""
    for _ in range(1000):
        doc = rng.choice(docs)
        if not doc:
            continue
        start = rng.randrange(len(doc))
        parts, size = [], 0
        for p in doc[start:]:
            parts.append(p)
            size += len(p) + 1
            if size > length:
                break
        text = "\n".join(parts)
        if len(text) < length * 0.8:
            continue
        if len(text) > length:
            text = text[:length + 1]
            cut = max(text.rfind(" "), text.rfind("\n"))
            text = text[:cut] if cut > 0 else text[:length]
        text = text.strip()
        if len(text) >= length * 0.8 and is_cyrillic_text(text):
            return text
    raise RuntimeError(f"no text of {length} characters")


def in_page(text, page):
    """The text as written in the page (typographic marks the page lacks replaced), or None."""
    codec = CODECS[page]
    out = []
    for c in text:
        try:
            c.encode(codec)
            out.append(c)
        except UnicodeEncodeError:
            out.append(SUBSTITUTES.get(c, c))
    text = "".join(out)
    try:
        text.encode(codec)
        return text
    except UnicodeEncodeError:
        return None


def as_html(text, rng):
    """The text as the body of a small page, a word here and there in markup."""
    def dress(paragraph):
        words = paragraph.split(" ")
        if len(words) > 3 and rng.random() < 0.7:
            i = rng.randrange(len(words))
            tag = rng.choice(['<b>{}</b>', '<a href="page{}.html">{{}}</a>'.format(i), '<em>{}</em>'])
            words[i] = tag.format(words[i])
        return '<p class="text">' + " ".join(words) + "</p>"

    body = "\n".join(dress(p) for p in text.split("\n"))
    return ('<!DOCTYPE html>\n<html>\n<head>\n<title>Page</title>\n'
            '<link rel="stylesheet" href="style.css">\n</head>\n<body>\n<div id="main">\n'
            + body + '\n</div>\n</body>\n</html>\n')


def make_samples(sources, per_cell, seed):
    """Samples as dicts: lang, page, band, form, text (as written in the page), data (bytes).

    The same texts are written in every page of their language, so the pages compare on equal
    terms. sources is {lang: {source: docs}}; each draw picks a source first, then a paragraph."""
    rng = random.Random(seed)
    samples = []
    for lang in sorted(sources):
        by_source = sources[lang]
        for band in BANDS:
            made = 0
            while made < per_cell:
                docs = by_source[rng.choice(sorted(by_source))]
                base = draw_text(docs, band, rng)
                written = {page: in_page(base, page) for page in LANG_PAGES[lang]}
                if any(t is None for t in written.values()):
                    continue
                made += 1
                for form in FORMS:
                    markup_rng = random.Random(rng.random())
                    for page, text in written.items():
                        if form == "html":
                            text = as_html(text, random.Random(markup_rng.random()))
                        samples.append({"lang": lang, "page": page, "band": band, "form": form,
                                        "text": text, "data": text.encode(CODECS[page])})
    return samples
