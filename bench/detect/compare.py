#!/usr/bin/env python3
"""Measures tw-detect beside other detectors on samples of natural text in the six pages.

An answer is right when the bytes read through the page it names give the text back exactly:
a page that reads the sample the same way as the true one is as good as the true one (a text of
small Russian letters without "я" reads alike in Windows-1251 and Mac Cyrillic). An answer
that names nothing ("unsure", "???", "unknown", none) is unsure; any other answer is wrong.

Usage: bench/detect/compare.py [--tw PATH] [--set eval|tune] [--per-cell N] [--seed S]
                               [--peers enca,uchardet,chardet,charset-normalizer] [--cache DIR]
--set tune draws the samples from the tuning text (for setting the detector's margins), eval
(the default) from the evaluation text. The detector learnt from neither. The peers' answers
are kept in the cache folder, since they take minutes.
"""
import argparse
import codecs
import collections
import json
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import corpus  # noqa: E402

UNSURE = {"unsure", "???", "unknown", "none", ""}


def run_batches(command, paths, batch=500):
    """Runs command over the paths in batches; returns {path: answer} from 'path: answer' lines."""
    answers = {}
    for i in range(0, len(paths), batch):
        chunk = paths[i:i + batch]
        out = subprocess.run(command + chunk, capture_output=True, text=True).stdout
        for line in out.splitlines():
            if len(chunk) == 1 and not line.startswith(chunk[0] + ":"):
                answers[chunk[0]] = line.strip()
                continue
            path, _, answer = line.partition(": ")
            answers[path] = answer.strip()
    return answers


def detect_tw(tw, samples):
    answers = run_batches([tw, "--odds"], [s["path"] for s in samples])
    for s in samples:
        page, odds, candidate = (answers.get(s["path"], "").split(" ") + ["", "0", ""])[:3]
        s["tw"], s["tw_odds"], s["tw_candidate"] = page, float(odds), candidate


def detect_enca(samples):
    for lang in ("ru", "uk"):
        group = [s for s in samples if s["lang"] == lang]
        answers = run_batches(["enca", "-L", lang, "-i"], [s["path"] for s in group])
        for s in group:
            s["enca"] = answers.get(s["path"], "")


def detect_uchardet(samples):
    answers = run_batches(["uchardet"], [s["path"] for s in samples])
    for s in samples:
        s["uchardet"] = answers.get(s["path"], "")


def detect_chardet(samples):
    import chardet
    for s in samples:
        s["chardet"] = chardet.detect(s["data"])["encoding"] or ""


def detect_charset_normalizer(samples):
    import charset_normalizer
    for s in samples:
        best = charset_normalizer.from_bytes(s["data"]).best()
        s["charset-normalizer"] = best.encoding if best else ""


DETECTORS = {"enca": detect_enca, "uchardet": detect_uchardet, "chardet": detect_chardet,
             "charset-normalizer": detect_charset_normalizer}


def judge(sample, answer):
    """'right', 'unsure' or 'wrong'."""
    if answer.lower() in UNSURE:
        return "unsure"
    name = corpus.CODECS.get(answer, answer)
    try:
        return "right" if sample["data"].decode(codecs.lookup(name).name) == sample["text"] else "wrong"
    except (LookupError, UnicodeDecodeError):
        return "wrong"


def table(title, samples, names, key):
    groups = collections.defaultdict(list)
    for s in samples:
        groups[key(s)].append(s)
    print(f"\n{title}: % right (% wrong); the rest is unsure")
    print(f"{'':>12}" + "".join(f"{n:>20}" for n in names))
    for group in sorted(groups):
        cells = []
        for n in names:
            verdicts = collections.Counter(s["verdict"][n] for s in groups[group])
            total = len(groups[group])
            cells.append(f"{100 * verdicts['right'] / total:.2f} ({100 * verdicts['wrong'] / total:.2f})")
        print(f"{str(group):>12}" + "".join(f"{c:>20}" for c in cells))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tw", default=os.path.join("build", "tw-detect"))
    parser.add_argument("--set", choices=["eval", "tune"], default="eval")
    parser.add_argument("--per-cell", type=int, default=100)
    parser.add_argument("--seed", type=int, default=2026)
    parser.add_argument("--peers", default=",".join(DETECTORS))
    parser.add_argument("--cache", default="/tmp/tw-detect-cache")
    parser.add_argument("--dump", help="write each sample's answers to this file, as JSON lines")
    parser.add_argument("--show", type=int, default=0,
                        help="print this many of tw-detect's wrong and unsure answers")
    args = parser.parse_args()
    peers = [p for p in args.peers.split(",") if p]

    if args.set == "eval":
        sources, versions = corpus.evaluation_texts(args.cache)
    else:
        catalogues, versions = corpus.catalogue_texts(corpus.TUNE_PACKAGES, [], args.cache)
        manuals, more = corpus.catalogue_texts([], corpus.TUNE_DOCUMENTS, args.cache)
        versions.update(more)
        sources = {lang: {"catalogues": catalogues[lang], "manuals": manuals[lang]}
                   for lang in catalogues}
    samples = corpus.make_samples(sources, args.per_cell, args.seed)
    print(f"{len(samples)} samples ({args.set} text, seed {args.seed}) from "
          + ", ".join(f"{p} {v}" for p, v in sorted(versions.items())))

    with tempfile.TemporaryDirectory(dir="/dev/shm" if os.path.isdir("/dev/shm") else None) as folder:
        for i, s in enumerate(samples):
            s["path"] = os.path.join(folder, f"{i:05d}.{'html' if s['form'] == 'html' else 'txt'}")
            with open(s["path"], "wb") as f:
                f.write(s["data"])
        seconds = {}
        start = time.perf_counter()
        detect_tw(args.tw, samples)
        seconds["tw-detect"] = time.perf_counter() - start
        kept_path = os.path.join(args.cache, f"peers-{args.set}-{args.seed}-{args.per_cell}.json")
        kept = json.load(open(kept_path)) if os.path.exists(kept_path) else {}
        for p in peers:
            if p in kept:
                seconds[p] = kept[p]["seconds"]
                for s, answer in zip(samples, kept[p]["answers"]):
                    s[p] = answer
                continue
            start = time.perf_counter()
            DETECTORS[p](samples)
            seconds[p] = time.perf_counter() - start
            kept[p] = {"seconds": seconds[p], "answers": [s[p] for s in samples]}
        with open(kept_path, "w") as f:
            json.dump(kept, f)

    names = ["tw-detect"] + peers
    for s in samples:
        s["verdict"] = {"tw-detect": judge(s, s["tw"])}
        s["verdict"].update({p: judge(s, s[p]) for p in peers})
    table("Overall", samples, names, lambda s: "all")
    table("By length (characters of text)", samples, names, lambda s: s["band"])
    table("By page", samples, names, lambda s: s["page"])
    table("By form", samples, names, lambda s: s["form"])
    table("By language", samples, names, lambda s: s["lang"])
    strict = sum(s["tw"] == s["page"] for s in samples)
    print(f"\ntw-detect naming exactly the page the sample was written in: "
          f"{100 * strict / len(samples):.2f}%")
    print("Time for all samples (s): " + ", ".join(f"{n} {seconds[n]:.1f}" for n in names))
    if args.dump:
        with open(args.dump, "w") as f:
            for s in samples:
                f.write(json.dumps({k: s[k] for k in ("lang", "page", "band", "form", "text", "tw", "tw_odds", "tw_candidate", "verdict")}, ensure_ascii=False) + "\n")
    for verdict in ("wrong", "unsure"):
        shown = [s for s in samples if s["verdict"]["tw-detect"] == verdict and s["form"] == "plain"]
        for s in shown[:args.show]:
            print(f"{verdict.upper()} {s['lang']} {s['page']} {s['band']}: said {s['tw']} "
                  f"({s['tw_odds']}): {s['text'][:300]!r}")


if __name__ == "__main__":
    main()
