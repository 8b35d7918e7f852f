#!/usr/bin/env python3
"""Measures the name check on names it was not tuned on, and on the classic lists.

    tools/quality-eval.py --cli BUILD/bin/nestling-cli --db namedata.db [--classic]

The untuned set (tests/quality/untuned-names.tsv) gives teasing names with the word they are heard
as, and ordinary names. Printed: how many teasing names are warned (and with the right word), how
many ordinary names are warned, and each miss and false alarm. With --classic also the share of the
classic two-character names x the 20 commonest surnames that are warned, and the commonest warnings.
"""
import argparse
import collections
import json
import os
import subprocess
import sys

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SURNAMES = "王 李 张 刘 陈 杨 黄 赵 吴 周 徐 孙 马 朱 胡 郭 何 高 林 罗".split()


def check_all(cli, db, names):
    """[(surname, given)] -> [json of score --json] in the same order."""
    request = "".join(f"{s} {g}\n" for s, g in names)
    run = subprocess.run([cli, "score", "--json", "--batch", "--db", db], input=request,
                         capture_output=True, text=True, check=True)
    out = []
    for line in run.stdout.splitlines():
        out.append(json.loads(line) if line.startswith("{") else None)
    if len(out) != len(names):
        sys.exit(f"expected {len(names)} answers, got {len(out)}")
    return out


def read_untuned(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            cells = line.rstrip("\n").split("\t")
            rows.append((cells[0], cells[1], cells[2] if len(cells) > 2 else ""))
    return rows


def warning_words(answer):
    return [w["word"] for w in answer["warnings"]] if answer else []


def untuned(cli, db):
    rows = read_untuned(os.path.join(REPO, "tests", "quality", "untuned-names.tsv"))
    answers = check_all(cli, db, [(s, g) for s, g, _ in rows])
    teasing = caught = right = ordinary = warned = 0
    for (s, g, word), answer in zip(rows, answers):
        words = warning_words(answer)
        if word:
            teasing += 1
            caught += bool(words)
            right += word in words
            if word not in words:
                print(f"  missed  {s}{g} ({word}): {'、'.join(words) or '无警告'}")
        else:
            ordinary += 1
            warned += bool(words)
            if words:
                print(f"  warned  {s}{g}: {'、'.join(words)}")
        rare = [r["char"] for r in answer["rare"]] if answer else []
        if rare and not word:
            print(f"  rare    {s}{g}: {''.join(rare)}")
    print(f"teasing names warned: {caught} of {teasing} ({right} with the word they are heard as)")
    print(f"ordinary names warned: {warned} of {ordinary}")


def classic(cli, db):
    given = []
    for name in ("classic-two-boys.txt", "classic-two-girls.txt"):
        with open(os.path.join(REPO, "data-src", "lists", name), encoding="utf-8") as f:
            given += [g.strip() for g in f.read().split(",") if len(g.strip()) == 2]
    names = [(s, g) for g in given for s in SURNAMES]
    answers = check_all(cli, db, names)
    warned = 0
    words = collections.Counter()
    examples = {}
    for (s, g), answer in zip(names, answers):
        found = answer["warnings"] if answer else []
        warned += bool(found)
        for w in found:
            key = (w["kind"], w["word"], w["reason"])
            words[key] += 1
            examples.setdefault(key, s + g)
    print(f"classic lists x 20 surnames: {warned} of {len(names)} warned "
          f"({100.0 * warned / len(names):.2f} %)")
    for (kind, word, reason), count in words.most_common(10):
        print(f"  {count:6d}  {kind:9s} {word}（{reason}）  e.g. {examples[(kind, word, reason)]}")


def main():
    ap = argparse.ArgumentParser(description=__doc__.strip().splitlines()[0])
    ap.add_argument("--cli", required=True)
    ap.add_argument("--db", required=True)
    ap.add_argument("--classic", action="store_true")
    args = ap.parse_args()
    untuned(args.cli, args.db)
    if args.classic:
        classic(args.cli, args.db)


if __name__ == "__main__":
    main()
