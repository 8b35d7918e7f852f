"""XW_经典: the classics beyond the Tang poems, from chinese-poetry: 诗经, 楚辞, 宋词 and 论语.

Every book goes through the Tang poems' conversion and cleaning (OpenCC t2s, keeping an original
character the conversion would take out of GBK; rules.clean_poem), so the poem page, the naming run
and the name check read a book's poem exactly as a Tang poem."""
import glob
import json
import os
import re

from . import rules, schema
from .poems import merge_conversion, name_characters, name_list_chars
from .sources import gbk_ok, is_gbk_hanzi, read_tsv

# The books in the order the poem page offers them after the Tang poems.
BOOKS = ("诗经", "楚辞", "宋词", "论语")
Classic = schema.row_type("XW_经典")

_DIGITS = "零一二三四五六七八九"


def chinese_number(n):
    """1 -> 一, 10 -> 十, 21 -> 二十一 (up to 99): the chapters of 论语 are numbered so."""
    tens, ones = divmod(n, 10)
    text = ("" if tens == 0 else ("十" if tens == 1 else _DIGITS[tens] + "十"))
    return text + (_DIGITS[ones] if ones or not text else "")


def _load(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f)


def shijing(dist):
    """(group, title, author, text) per song: 风, 雅 or 颂; "国风·周南·关雎", "小雅·鹿鸣"."""
    out = []
    for p in _load(os.path.join(dist, "shijing/shijing.json")):
        chapter, section = p["chapter"], p.get("section") or ""
        title = f"{chapter}·{section}·{p['title']}" if chapter == "国风" else f"{chapter}·{p['title']}"
        group = "风" if chapter == "国风" else "雅" if chapter.endswith("雅") else "颂"
        out.append((group, title, "", "".join(p["content"])))
    return out


def chuci(dist):
    """By author; a piece of a cycle is titled with its cycle ("九歌·湘夫人")."""
    out = []
    for p in _load(os.path.join(dist, "chuci/chuci.json")):
        section, title = p.get("section") or "", p["title"]
        full = title if not section or section == title else f"{section}·{title}"
        out.append((p.get("author") or "", full, p.get("author") or "", "".join(p["content"])))
    return out


def lunyu(dist):
    """Each passage of a chapter is a poem of its own: "学而·第一章"; the chapter is the group."""
    out = []
    for p in _load(os.path.join(dist, "lunyu/lunyu.json")):
        chapter = p["chapter"].removesuffix("篇")
        for k, passage in enumerate(p["paragraphs"], 1):
            out.append((chapter, f"{chapter}·第{chinese_number(k)}章", "", passage))
    return out


def _ci_files(dist):
    files = glob.glob(os.path.join(dist, "songci/ci.song.*.json"))
    numbered = [f for f in files if re.search(r"ci\.song\.(\d+)\.json$", f)]
    return sorted(numbered, key=lambda f: int(re.search(r"(\d+)\.json$", f).group(1)))


def first_clause(text):
    return re.split(r"[，。、；：？！,.;:?!]", text, maxsplit=1)[0]


def songci(dist, famous):
    """By author; titled tune·opening clause ("水调歌头·明月几时有"). The ci of `famous` (poet, opening
    words) come first in its order, then the poets with most ci, each poet's ci in the book's order."""
    ci = []
    for path in _ci_files(dist):
        for p in _load(path):
            text = "".join(p.get("paragraphs") or [])
            ci.append((p.get("author") or "", p.get("rhythmic") or "", text))
    counts = {}
    for author, _tune, _text in ci:
        counts[author] = counts.get(author, 0) + 1
    place = {}
    for rank, (author, opening) in enumerate(famous):
        found = [k for k, (a, _tune, text) in enumerate(ci) if a == author and text.startswith(opening)]
        if not found:
            raise RuntimeError(f"data-src/classics/famous-ci.tsv: no ci of {author} begins with {opening}")
        place.setdefault(found[0], rank)
    # Unknown authors last: a parent looks for poets.
    order = sorted(range(len(ci)), key=lambda k: (place.get(k, len(famous)), ci[k][0] == "无名氏",
                                                  -counts[ci[k][0]], ci[k][0], k))
    return [(ci[k][0], f"{ci[k][1]}·{first_clause(ci[k][2])}" if ci[k][1] else first_clause(ci[k][2]),
             ci[k][0], ci[k][2]) for k in order]


def read_famous(src):
    """(poet, opening words) of data-src/classics/famous-ci.tsv, in order; the tune is for the reader."""
    return [(r[0], r[2]) for r in read_tsv(os.path.join(src, "classics", "famous-ci.tsv"), 3) if r[0] and r[2]]


def normalise(text):
    """Marks of the package that are no GBK text: the iteration mark 々 repeats the character before
    it (纚々 -> 纚纚), the katakana middle dot of tune names (江神子・江城子) is the dot of titles."""
    text = re.sub(r"(.)々", r"\1\1", text)
    return text.replace("・", "·").replace("\n", " ").replace("\r", " ")


def convert(ctx, poems):
    """The poems in simplified characters: OpenCC t2s on group, title, author and text together."""
    flat = []
    for poem in poems:
        flat += [normalise(s) for s in poem]
    conv = ctx.opencc(flat, "t2s.json")
    return [tuple(merge_conversion(flat[4 * k + j], conv[4 * k + j]) for j in range(4))
            for k in range(len(poems))]


def build(ctx):
    """The rows of XW_经典 and, per book, the poems read and dropped."""
    dist = os.path.join(ctx.poetry_dir, "dist")
    books = {"诗经": shijing(dist), "楚辞": chuci(dist), "宋词": songci(dist, read_famous(ctx.src)),
             "论语": lunyu(dist)}
    name_chars = name_list_chars(ctx.src)
    rows, stats = [], {}
    for book in BOOKS:
        kept = dropped = 0
        for group, title, author, body in convert(ctx, books[book]):
            title, author = rules.clean_title(title), author.strip()
            text = rules.clean_poem(body, is_gbk_hanzi) if body.strip() else None
            if text is None or not title or not gbk_ok(group + title + author):
                dropped += 1
                continue
            kept += 1
            rows.append(Classic(Id=len(rows) + 1, 书目=book, 分组=group, 标题=title, 作者=author, 内容=text,
                                首字母=name_characters(text, name_chars), 内容长度=len(text)))
        stats[book] = (kept, dropped)
    return rows, stats
