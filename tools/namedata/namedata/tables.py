"""XW_八一灵动数, XW_三才配置, XW_百家姓 and the two article tables."""
import hashlib
import json
import os
import re

from . import rules, schema
from .sources import read_tsv

NUMBERS_HEADER = ["Id", "吉凶", "解释一", "解释二", "解释三", "基业", "家庭", "含义", "健康", "数理暗示"]
SANCAI_HEADER = ["三才", "吉凶", "解释一", "解释二", "总论", "性格", "意志", "事业", "家庭", "婚姻", "子女",
                 "社交", "精神", "财运", "健康", "老运", "对基础运的影响", "对成功运的影响",
                 "对人际关系的影响", "对性格的影响"]
FORTUNES = ("大吉", "吉", "中", "凶", "大凶")

Number = schema.row_type("XW_八一灵动数")
Talent = schema.row_type("XW_三才配置")
Surname = schema.row_type("XW_百家姓")


def read_fortunes(path):
    out = {}
    for r in read_tsv(path, 2):
        if r[0].isdigit():
            out[int(r[0])] = r[1]
    if sorted(out) != list(range(1, 82)) or any(v not in FORTUNES for v in out.values()):
        raise RuntimeError(f"{path}: expected the fortune words of 1..81")
    return out


def _header_rows(path, header):
    rows = read_tsv(path, len(header))
    if not rows:
        return None
    if rows[0][:len(header)] != header:
        raise RuntimeError(f"{path}: header must be: {' '.join(header)}")
    return rows[1:]


def numbers81(src, fortunes, warn):
    """Rows of XW_八一灵动数.  The file's 含义 text goes into column 7 and its 健康
    text into column 8, by position: the report reads column 7 as meaning and
    column 8 as health, whatever the declared names say."""
    path = os.path.join(src, "numbers81.tsv")
    rows = _header_rows(path, NUMBERS_HEADER) if os.path.exists(path) else None
    texts = {}
    if rows is None:
        warn("data-src/numbers81.tsv missing: XW_八一灵动数 has fortune words and empty texts")
    else:
        for r in rows:
            if r[0].isdigit():
                texts[int(r[0])] = r
    out = []
    for n in range(1, 82):
        r = texts.get(n)
        if r is None:
            if rows is not None:
                warn(f"data-src/numbers81.tsv has no row {n}")
            out.append(Number(n, fortunes[n], *[""] * 8))
            continue
        word = r[1] or fortunes[n]
        if word != fortunes[n]:
            warn(f"numbers81.tsv row {n}: fortune {word} differs from 81-fortunes.tsv ({fortunes[n]})")
        if word not in FORTUNES:
            raise RuntimeError(f"numbers81.tsv row {n}: fortune word {word!r}")
        # The file's 含义 text goes into the 健康 column and its 健康 text into 含义: the report
        # labels the two columns crossed, so each label shows its own text.
        out.append(Number(Id=n, 吉凶=word, 解释一=r[2], 解释二=r[3], 解释三=r[4], 基业=r[5], 家庭=r[6],
                          健康=r[7], 含义=r[8], 数理暗示=r[9]))
    return out


def sancai(src, warn):
    keys = [h + p + e for h in rules.ELEMENTS for p in rules.ELEMENTS for e in rules.ELEMENTS]
    path = os.path.join(src, "sancai.tsv")
    rows = _header_rows(path, SANCAI_HEADER) if os.path.exists(path) else None
    texts = {}
    if rows is None:
        warn("data-src/sancai.tsv missing: XW_三才配置 has rule fortunes and empty texts")
    else:
        for r in rows:
            texts[r[0]] = r
    out = []
    for i, k in enumerate(keys, 1):
        word = rules.sancai_fortune(k)
        r = texts.get(k)
        if r is None:
            if rows is not None:
                warn(f"data-src/sancai.tsv has no row {k}")
            cells = [""] * 18
        else:
            if r[1] and r[1] != word:
                warn(f"data-src/sancai.tsv {k}: fortune {r[1]} differs from the rule's {word}; "
                     f"the file's word is kept")
                word = r[1]
            cells = r[2:20]
        out.append(Talent(Id=i, 三才=k, 吉凶=word, **dict(zip(SANCAI_HEADER[2:], cells))))
    return out


# ---------------------------------------------------------------- surnames
EXTRA_COMPOUNDS = ["谷梁", "伯赏", "单于", "归海", "微生"]


def compound_surnames(pinyin_pro_dir):
    path = os.path.join(pinyin_pro_dir, "dist/esm/data/surname.mjs")
    with open(path, encoding="utf-8") as f:
        text = f.read()
    names = re.findall(r"^\s+'?([\u3400-\u9fff]{2})'?\s*:", text, re.M)
    if len(names) < 50:
        raise RuntimeError("pinyin-pro: compound surname list not found in surname.mjs")
    return set(names) | set(EXTRA_COMPOUNDS)


def surnames(ctx, warn):
    with open(os.path.join(ctx.poetry_dir, "dist/mengxue/baijiaxing.json"), encoding="utf-8") as f:
        data = json.load(f)
    paras = data["paragraphs"]
    simp = ctx.opencc(paras, "t2s.json")
    compounds = compound_surnames(ctx.pinyin_pro_dir)
    names = []
    for line in simp:
        for phrase in re.split(r"[，。]", line):
            phrase = phrase.strip()
            j = 0
            while j < len(phrase):
                two = phrase[j:j + 2]
                if len(two) == 2 and j % 2 == 0 and two in compounds:
                    names.append(two)
                    j += 2
                else:
                    names.append(phrase[j])
                    j += 1
    if names and names[-4:] == list("百家姓终"):
        names = names[:-4]
    seen, order = set(), []
    for n in names:
        if n not in seen:
            seen.add(n)
            order.append(n)
    origin = data.get("origin") or []
    o_names = ctx.opencc([o["surname"] for o in origin], "t2s.json")
    o_places = ctx.opencc([o["place"] for o in origin], "t2s.json")
    places = {}
    for n, p in zip(o_names, o_places):
        places.setdefault(n, p)
    texts = {}
    for r in read_tsv(os.path.join(ctx.src, "surnames.tsv"), 4):
        if r[0] and r[0] != "姓":
            texts[r[0]] = r
    if not texts:
        warn("data-src/surnames.tsv missing or empty: surname origins and famous people are empty")
    rows, from_file = [], 0
    for i, n in enumerate(order, 1):
        r = texts.get(n, ["", "", "", ""])
        origin_text, region, famous = r[1], r[2], r[3]
        if not region and n in places:
            region = f"郡望：{places[n]}"
        if n in texts:
            from_file += 1
        rows.append(Surname(Id=i, 姓=n, 姓氏起源=origin_text, 聚集地=region, 历史名人=famous))
    return rows, {"郡望": sum(1 for n in order if n in places), "data-src": from_file}


# ---------------------------------------------------------------- articles
def category_id(table, category):
    """Stable identifier of a category: table short name + 8 hex digits of a hash."""
    h = hashlib.sha1(f"{table}/{category}".encode("utf-8")).hexdigest()[:8]
    return f"{'YE' if table == 'XW_育儿百科' else 'SM'}-{h}"


def articles(src, table):
    rows = []
    base = os.path.join(src, "articles", table)
    if not os.path.isdir(base):                      # folder named without the XW_ prefix
        base = os.path.join(src, "articles", table[3:])
    if not os.path.isdir(base):
        return rows
    for cat in sorted(os.listdir(base)):
        d = os.path.join(base, cat)
        if not os.path.isdir(d):
            continue
        for name in sorted(os.listdir(d)):
            if not name.endswith(".html"):
                continue
            with open(os.path.join(d, name), encoding="utf-8-sig") as f:
                text = f.read().replace("\r\n", "\n")
            title, _, body = text.partition("\n")
            title = title.strip()
            if not title:
                continue
            rows.append((category_id(table, cat), cat, title, body.strip()))
    Article = schema.row_type(table)
    return [Article(i, *r) for i, r in enumerate(rows, 1)]
