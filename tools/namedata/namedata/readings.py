"""词读音: how a two-character given name is read where it is a word with a reading of its own.

A polyphonic character in a name is read by its main reading (长 zhǎng, 重 zhòng, 莞 guǎn), but a
name that is a word is read as the word: 长乐 cháng lè, 重阳 chóng yáng, 莞尔 wǎn ěr. The words and
their readings are CC-CEDICT's; a row is kept only where the word reads one of its characters
otherwise than the name reading does (a neutral tone in the word does not count: a name is never
read with one). Where the dictionary gives one word several readings, the common-noun entries win
over proper names; readings that still disagree are left out.

Rows: 类别 词读音, 词 the word, 拼音 the reading of each character with its tone mark, separated by
a blank.
"""
import re

from . import sources

KIND = "词读音"

_MARKS = {"a": "āáǎà", "e": "ēéěè", "i": "īíǐì", "o": "ōóǒò", "u": "ūúǔù", "v": "ǖǘǚǜ"}


def marked(numbered):
    """A syllable with a tone digit in tone-mark form: "lv4" -> "lǜ", "zi5" -> "zi"."""
    m = re.fullmatch(r"([a-z]+)([1-5])", numbered)
    if not m:
        return numbered
    letters, tone = m.group(1), int(m.group(2))
    if tone == 5:
        return letters.replace("v", "ü")
    if not any(ch in "aeiouv" for ch in letters):
        return numbered  # hm, ng: no vowel to mark
    if "a" in letters:
        at = letters.index("a")
    elif "e" in letters:
        at = letters.index("e")
    elif "ou" in letters:
        at = letters.index("o")
    else:
        at = max(i for i, ch in enumerate(letters) if ch in "aeiouv")
    out = letters[:at] + _MARKS[letters[at]][tone - 1] + letters[at + 1:]
    return out.replace("v", "ü")


def _all_readings(c, unihan, single):
    """Every reading (with its tone mark) Unihan or the dictionary's entry of the character knows
    (Unihan gives 长 only zhǎng)."""
    values = unihan["kMandarin"].get(c, "").split() + single.get(c, [])
    for value in unihan["kHanyuPinyin"].get(c, "").split():
        values += value.split(":", 1)[-1].split(",")
    return {v for v in values if v}


def word_readings(cedict, unihan, name_reading):
    """[(word, marked reading)] for two-character words read otherwise than their characters'
    name readings. `name_reading(c)` gives the name reading of a character with its tone mark."""
    found = {}
    single = {}
    for _trad, simp, pinyin, _glosses in cedict:
        if len(simp) == 1 and re.fullmatch(r"[a-z]+[1-4]", pinyin.lower().replace("u:", "v")):
            single.setdefault(simp, []).append(marked(pinyin.lower().replace("u:", "v")))
        if len(simp) != 2 or not all(sources.is_gbk_hanzi(c) for c in simp):
            continue
        syllables = pinyin.lower().replace("u:", "v").split()
        if len(syllables) != 2 or not all(re.fullmatch(r"[a-z]+[1-5]", s) for s in syllables):
            continue
        found.setdefault(simp, []).append((pinyin[:1].islower(), tuple(syllables)))
    rows = []
    for word, entries in sorted(found.items()):
        common = {s for lower, s in entries if lower}
        candidates = common or {s for _, s in entries}
        if len(candidates) != 1:
            continue
        syllables = next(iter(candidates))
        reading, differs = [], False
        for c, syllable in zip(word, syllables):
            own = name_reading(c)
            if syllable.endswith("5") or not own:
                reading.append(own or marked(syllable))
                continue
            spoken = marked(syllable)
            known = _all_readings(c, unihan, single)
            if spoken != own and len(known) > 1 and spoken in known:
                differs = True
                reading.append(spoken)
            else:
                reading.append(own)
        if differs:
            rows.append((word, " ".join(reading)))
    return rows
