"""XW_CNWord: one row per character (GB2312 plus the built-in list characters)."""
import glob
import json
import os
import re
from collections import Counter

from . import figures, rules, schema, senses
from .sources import gbk_ok, read_tsv

Row = schema.row_type("XW_CNWord")


def gb2312_chars():
    out = []
    for hi in range(0xB0, 0xF8):
        for lo in range(0xA1, 0xFF):
            try:
                out.append(bytes([hi, lo]).decode("gb2312"))
            except UnicodeDecodeError:
                pass
    return out


def list_chars(src, names=("boys.txt", "girls.txt", "classic-one-boys.txt", "classic-one-girls.txt")):
    """The characters of the named lists in data-src/lists (all four character lists by default)."""
    chars = set()
    for name in names:
        path = os.path.join(src, "lists", name)
        if not os.path.exists(path):
            raise RuntimeError(f"data-src/lists/{name} is missing")
        with open(path, encoding="utf-8") as f:
            chars.update(c for c in f.read() if not c.isspace() and c not in ",，")
    return chars


def gbk_code(c):
    return int.from_bytes(c.encode("gb18030"), "big")


def read_overrides(src):
    d = os.path.join(src, "overrides")
    def kv(name):
        return {r[0]: r[1] for r in read_tsv(os.path.join(d, name), 2) if r[0] and r[1]}
    return {
        "traditional": kv("traditional.tsv"),
        "kangxi": {k: int(v) for k, v in kv("kangxi-strokes.tsv").items()},
        "radical": kv("radicals.tsv"),
        "element": kv("elements.tsv"),
    }


def read_meanings(src):
    out = {}
    for path in sorted(glob.glob(os.path.join(src, "meanings", "*.tsv"))):
        for r in read_tsv(path, 3):
            c, mean, moral = r[0], r[1], r[2]
            if len(c) == 1 and mean and c not in out:
                text = f"{c}：{mean}"
                if moral:
                    text += "<BR>" + moral
                out[c] = text
    return out


_REF = re.compile(r"(\S+?)\|(\S+?)\[([^\]]*)\]")
_REF1 = re.compile(r"(\S+?)\[([a-zA-Z0-9: ]+)\]")


def english_gloss(c, entries, reading_plain):
    """'（英文释义）bright; clear' from the CC-CEDICT entries of c (main reading first)."""
    mine = [e for e in entries if e[1] == c]
    if not mine:
        return ""
    def key(e):
        return (0 if e[2].lower().rstrip("12345").replace("u:", "v") == reading_plain else 1)
    mine.sort(key=key)
    glosses, seen = [], set()
    for _t, _s, _p, gl in mine:
        for g in gl:
            g = _REF.sub(lambda m: m.group(2), g)
            g = _REF1.sub(lambda m: m.group(1), g).strip()
            if not g or g in seen or not gbk_ok(g):
                continue
            if g.startswith(("variant of", "old variant of", "CL:", "Japanese variant")):
                continue
            seen.add(g)
            glosses.append(g)
    if not glosses:
        return ""
    text = ""
    for g in glosses:
        nxt = g if not text else text + "; " + g
        if len(nxt) > 300:
            break
        text = nxt
    return "（英文释义）" + text


_CLEAN_PUNCT = set("，。；：、！？（）《》“”‘’—…·～「」〔〕％ 0123456789"
                   "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ,.;:!?()-%'/")


def clean_text(s):
    """Text fit for a page: Chinese characters and ordinary punctuation only.
    Entries with stray symbols (the garbled spots of the word data) give None."""
    s = s.replace("﹑", "、").replace("∶", "：")
    s = re.sub(r'"([^"]*)"', r"“\1”", s).replace('"', "")
    if s.count("“") != s.count("”"):          # a quote lost in the source: drop the halves
        s = s.replace("“", "").replace("”", "")
    for c in s:
        if c in _CLEAN_PUNCT:
            continue
        if "\u4e00" <= c <= "\u9fff" and gbk_ok(c):
            continue
        return None
    return s


# definitions of people, places and works: left out of the word list
_PROPER = re.compile(r"(人|族)。|人之一|^(唐|宋|元|明|清|汉|晋|隋|周|秦)(代|朝|初|末|时|人|，)|^(战国|春秋|西汉|东汉|北宋|南宋|三国|"
                     r"五代|近代|现代|当代|古代)|运动员|演员|作家|画家|诗人|词人|学家|首都|城市|省会|国名|"
                     r"地名|人名|书名|曲名|诗集|总集|小说|电影|神话|帝王|皇帝|年号|剧本|建立者|，字|^即|^见|^同“|^亦作|^也作|詈|骂|"
                     r"贬义|王八|死")


def first_sense(definition):
    """The word's modern sense (see senses.py), cut to 60 characters."""
    d = senses.modern_sense(definition)
    d = d.replace("<", "").replace(">", "")
    if len(d) > 60:
        cut = d[:60]
        p = max(cut.rfind("。"), cut.rfind("；"), cut.rfind(";"))
        d = cut[:p + 1] if p > 20 else cut + "…"
    return d


def read_unsuitable_words(src):
    """The words that must not appear among a character's common words (data-src/overrides)."""
    path = os.path.join(src, "overrides", "unsuitable-words.txt")
    if not os.path.exists(path):
        return ()
    with open(path, encoding="utf-8") as f:
        return tuple(line.strip() for line in f if line.strip() and not line.startswith("#"))


# A word with any sense of these is no word for a child's report, whichever sense the page would show
# (【王八】's insult, 【青楼】's brothel, a burial place for children).
_OFFENSIVE = re.compile(r"詈|骂人|蔑称|贬称|粗话|脏话|妓|嫖|淫|外遇|死者|尸")


def read_word_senses(src):
    """{词: 释义} of data-src/overrides/word-senses.tsv; an empty 释义 leaves the word out."""
    out = {}
    path = os.path.join(src, "overrides", "word-senses.tsv")
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            for line in f:
                if line.strip() and not line.startswith("#"):
                    word, _tab, sense = line.rstrip("\n").partition("\t")
                    out[word] = sense.strip()
    return out


class PageRules:
    """What decides a character page's word list besides the word data: the unsuitable words, the
    reviewed senses and figures; the figure check's findings are collected here."""

    def __init__(self, src):
        self.unsuitable = read_unsuitable_words(src)
        self.senses = read_word_senses(src)
        self.figures = figures.read_fixes(src)
        self.findings = []


def _word_sense(w, d, page):
    """The sense a page shows for word w, or None when the word is left out."""
    if page and w in page.senses:
        return page.senses[w] or None
    if _OFFENSIVE.search(d):
        return None
    s = clean_text(first_sense(d))
    if not s or _PROPER.search(s):
        return None
    return figures.apply(w, s, page.figures) if page else s


def detailed(c, explanation_dir, freq, unsuitable=(), max_words=6, max_len=330, page=None):
    if page:
        unsuitable = page.unsuitable
    path = os.path.join(explanation_dir, c + ".json")
    if not os.path.exists(path):
        return ""
    try:
        with open(path, encoding="utf-8") as f:
            words = json.load(f)
    except (ValueError, UnicodeDecodeError):
        return ""
    cands = []
    for w, d in words.items():
        if len(w) < 2 or not w.startswith(c) or not isinstance(d, str):
            continue
        if "\ufffd" in w + d or not gbk_ok(w):
            continue
        s = _word_sense(w, d, page)
        if not s or clean_text(w) is None:
            continue
        if any(u in w or u in s for u in unsuitable):
            continue
        cands.append((-freq.get(w, 0), len(w), w, s, d))
    cands.sort()
    ranked = [x for x in cands if x[0] < 0]
    if len(ranked) < 3:
        ranked += [x for x in cands if x[0] == 0][:3 - len(ranked)]
    parts, total = [], 0
    for _f, _l, w, s, d in ranked[:max_words]:
        item = f"【{w}】{s}"
        if parts and total + len(item) + 4 > max_len:
            break
        if page:
            page.findings += figures.findings(w, s, d, page.figures)
        parts.append(item)
        total += len(item) + 4
    return "<BR>".join(parts)


def pick_radical(c, packaged, overrides, unihan_radical):
    """(radical, source): the hand override, else cnchar's dictionary radical, else Unihan's."""
    if c in overrides:
        return overrides[c], "override"
    if packaged:
        return packaged, "cnchar-radical"
    rad = unihan_radical(c)
    return rad, "Unihan radical" if rad else "none"


def build(ctx):
    """Return (rows, stats)."""
    src = ctx.src
    uh = ctx.unihan
    chars = sorted(set(gb2312_chars()) | list_chars(src) | set(getattr(ctx, "more_chars", ())),
                   key=gbk_code)
    ov = read_overrides(src)
    meanings = read_meanings(src)
    trad_auto = dict(zip(chars, ctx.opencc([c for c in chars], "s2t.json")))
    trad = {}
    for c in chars:
        t = ov["traditional"].get(c) or trad_auto[c]
        if len(t) != 1:
            t = t[:1]
        trad[c] = t
    cn = ctx.cnchar(sorted(set(chars) | set(trad.values())))
    stats = {k: Counter() for k in ("繁体", "繁体笔画数", "拼音", "部首", "五行属性", "五笔",
                                   "基本解释", "详细解释")}
    rows = []
    rs_kx, rs_u, total = uh["kRSKangXi"], uh["kRSUnicode"], uh["kTotalStrokes"]
    for i, c in enumerate(chars, 1):
        t = trad[c]
        stats["繁体"]["override" if c in ov["traditional"] else
                    ("OpenCC" if t != c else "same form")] += 1
        simp_strokes = int(total.get(c, "0").split()[0])
        if t in ov["kangxi"] or c in ov["kangxi"]:
            kx = ov["kangxi"].get(t, ov["kangxi"].get(c))
            stats["繁体笔画数"]["override"] += 1
        else:
            kx, how = rules.kangxi_strokes_how(t, rs_kx, total, ctx.radical_strokes, rs_u)
            stats["繁体笔画数"][how] += 1
        reading = uh["kMandarin"].get(c, "").split()
        py2 = reading[0] if reading else ""
        if not py2:
            hp = uh["kHanyuPinyin"].get(c, "")
            if hp:
                py2 = hp.split(":", 1)[1].split(",")[0].split()[0]
        stats["拼音"]["kMandarin" if reading else "kHanyuPinyin" if py2 else "none"] += 1
        py1 = rules.strip_tones(py2)
        ini, fin = rules.split_syllable(py1) if py1 else ("", "")
        rad_pack, el_pack = cn.get(c, ["", ""])
        rad, how = pick_radical(c, rad_pack, ov["radical"], ctx.unihan_radical)
        stats["部首"][how] += 1
        el, how = rules.element_of(el_pack, rad, ini if py1 else None, ov["element"].get(c))
        stats["五行属性"][how] += 1
        wb = ctx.wubi.get(c, "")
        stats["五笔"]["wubi86" if wb else "none"] += 1
        if c in meanings:
            basic = meanings[c]
            stats["基本解释"]["data-src meanings"] += 1
        else:
            basic = english_gloss(c, ctx.cedict_by_char.get(c, []), py1)
            stats["基本解释"]["CC-CEDICT" if basic else "none"] += 1
        det = detailed(c, ctx.explanation_dir, ctx.freq, page=ctx.page_rules)
        stats["详细解释"]["cnchar-data" if det else "none"] += 1
        rows.append(Row(Id=i, code=gbk_code(c), 汉字=c, 简体=c, 繁体=t, 简体笔画数=simp_strokes,
                        繁体笔画数=kx, 拼音1=py1, 拼音2=py2, 声母=ini, 韵母=fin, 部首=rad, 五行属性=el,
                        五笔=wb, 基本解释=basic, 详细解释=det))
    return rows, stats, chars, meanings
