"""Which characters the dictionary must hold and which need a Chinese meaning.

The dictionary holds GB2312, every character of the 通用规范汉字表 that has a two-byte code
(Unihan kTGH) and every character of every naming list.  A Chinese meaning is required for
every one of the table's characters (all three levels) and every list character; the English
gloss, marked as such, remains only for the GB2312 characters outside the table.
"""
import bz2
import os
import re

from .sources import two_byte

LEVEL_1 = 3500
LEVEL_2 = 6500
# every list a naming mode takes characters or names from (the nickname mode uses boys/girls)
NAMING_LISTS = ("boys.txt", "girls.txt", "classic-one-boys.txt", "classic-one-girls.txt",
                "classic-two-boys.txt", "classic-two-girls.txt")
CLASSIC_TWO = ("classic-two-boys.txt", "classic-two-girls.txt")


def read_tgh(unicode_root):
    """{char: index in the 通用规范汉字表} from Unihan kTGH ("2013:1234")."""
    out = {}
    path = os.path.join(unicode_root, "usr/share/unicode/Unihan_OtherMappings.txt.bz2")
    with bz2.open(path, "rt", encoding="utf-8") as f:
        for line in f:
            if "\tkTGH\t" not in line:
                continue
            cp, _field, value = line.rstrip("\n").split("\t", 2)
            out[chr(int(cp[2:], 16))] = int(value.split()[0].split(":", 1)[1])
    if len(out) < 8000:
        raise RuntimeError(f"Unihan kTGH: {len(out)} characters, the table has 8 105")
    return out


def _read_list(src, name):
    with open(os.path.join(src, "lists", name), encoding="utf-8") as f:
        return f.read()


def classic_names(src):
    """Every two-character classic name of both lists, in file order."""
    out = []
    for name in CLASSIC_TWO:
        text = _read_list(src, name).replace("，", ",")
        out += [e.strip() for e in text.split(",") if e.strip()]
    return out


def naming_chars(src):
    """Every character of every naming list."""
    chars = set()
    for name in NAMING_LISTS:
        chars.update(c for c in _read_list(src, name) if not c.isspace() and c not in ",，")
    return chars


def dictionary_chars(tgh, src):
    """The characters the dictionary adds to GB2312: the GBK ones of the table and the lists'."""
    return {c for c in tgh if two_byte(c)} | naming_chars(src)


def needs_chinese(tgh, src):
    """Characters that must have a Chinese meaning: the table's two-byte ones and every list character."""
    return {c for c in tgh if two_byte(c)} | naming_chars(src)


def level_of(n):
    """The level (1, 2 or 3) of a kTGH index."""
    return 1 if n <= LEVEL_1 else 2 if n <= LEVEL_2 else 3


def has_moral(meaning_text):
    """A written meaning ("字：释义<BR>寓意") carries a 寓意."""
    return "<BR>" in meaning_text and bool(meaning_text.split("<BR>", 1)[1].strip())


def problems(tgh, src, meanings):
    """The --strict complaints about Chinese meanings."""
    out = []
    for c in sorted(needs_chinese(tgh, src), key=lambda c: (tgh.get(c, 99999), c)):
        if c not in meanings:
            level = f"level-{level_of(tgh[c])}" if c in tgh else "list"
            out.append(f"character {c}: {level} character without a Chinese meaning in data-src/meanings")
    for name in classic_names(src):
        lacking = [c for c in name if c not in meanings or not has_moral(meanings[c])]
        if lacking:
            out.append(f"classic {name}: {''.join(lacking)} without a Chinese meaning and 寓意")
    return out


def table_levels(tgh, meanings):
    """Per level of the 通用规范汉字表 (two-byte characters only): (with a Chinese meaning, all)."""
    out = []
    for low, high in ((1, LEVEL_1), (LEVEL_1 + 1, LEVEL_2), (LEVEL_2 + 1, 99999)):
        level = {c for c, n in tgh.items() if low <= n <= high and two_byte(c)}
        out.append((len(level & set(meanings)), len(level)))
    return out


def sentence_counts(rows):
    """{sentence: rows holding it} over the text cells of the three-talent rows."""
    seen = {}
    for r in rows:
        cells = [v for v in r[3:] if isinstance(v, str)]
        for sentence in {s.strip() for cell in cells for s in re.split("[。！？；]", cell) if s.strip()}:
            seen[sentence] = seen.get(sentence, 0) + 1
    return seen


def report(tgh, src, meanings, en_rows, sancai_rows=(), figure_findings=()):
    """The coverage report's lines on meanings, the three-talent sentences and the figure check."""
    levels = table_levels(tgh, meanings)
    seen = sentence_counts(sancai_rows)
    in_rows = sum(seen.values())
    lines = [
        f"  通用规范 characters (two-byte) with a Chinese meaning: {sum(a for a, _ in levels)} of "
        f"{sum(b for _, b in levels)} (level 1: {levels[0][0]} of {levels[0][1]}, level 2: "
        f"{levels[1][0]} of {levels[1][1]}, level 3: {levels[2][0]} of {levels[2][1]})",
        f"  三才 distinct sentences: {len(seen)} of {in_rows} sentence uses "
        f"({100 * len(seen) / max(in_rows, 1):.1f} %), most rows holding one sentence: "
        f"{max(seen.values(), default=0)}",
        f"  figure check (米/平方千米/人 against the word data and the reviewed fixes): "
        f"{len(figure_findings)} finding(s)",
    ]
    lines += [f"    {f}" for f in figure_findings[:20]]
    return lines + _meaning_lines(tgh, src, meanings, en_rows)


def _meaning_lines(tgh, src, meanings, en_rows):
    need = needs_chinese(tgh, src)
    level1 = {c for c, n in tgh.items() if n <= LEVEL_1}
    lists = naming_chars(src)
    # level 1 and the lists once needed one alone; the report keeps their counts
    names = classic_names(src)
    full = sum(1 for n in names if all(c in meanings and has_moral(meanings[c]) for c in n))
    mean_col = 9
    with_mean = sum(1 for r in en_rows if r[mean_col])
    return [
        f"  characters with a Chinese meaning: {len(need & set(meanings))} of {len(need)} required "
        f"(level 1: {len(level1 & set(meanings))} of {len(level1)}, list characters: "
        f"{len(lists & set(meanings))} of {len(lists)}); {len(meanings)} written in all",
        f"  classic names whose characters all have a Chinese meaning and a 寓意: {full} of {len(names)}",
        f"  English names with a meaning: {with_mean} of {len(en_rows)}",
    ]
