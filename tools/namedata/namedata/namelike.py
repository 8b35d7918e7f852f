"""How name-like a given name is, from names real people bear: rows of XW_名字品鉴 of three kinds.

Real given names come from the person-name entries (tag nr) of the word-frequency dictionary that
Debian's python3-jieba ships: a three-character entry whose first character is a surname (or a
four-character one whose first two are a compound surname) is a full name, its rest a given name.
The classic two-character lists of data-src/lists count as real names too. Rows:

  常见名  a two-character given name, 级别 how many real full names bear it (a classic list entry counts 2),
          说明 the sex it is given to ("男", "女"; empty when both);
  名首字  a character, 级别 how many different real given names start with it, 说明 how many names
          of each sex's classic list start with it ("男12 女3": the hand-edited lists say which
          characters suit a boy's or a girl's name at that place);
  名末字  the same for the last character;
  字性别  a character, 级别 how far it leans to boys' names (positive) or girls' (negative), in
          hundredths of the natural log of the ratio of its uses in the two classic lists (both
          lists' sizes evened out; a character of the sex's character list counts as two uses);
  诗词对  two characters side by side in at least CLASSICAL_LINES lines of the Tang poems, both name
          characters and neither a function word of verse, 级别 the number of lines;
  经典名  a two-character name of the hand-edited classic lists, 说明 the list's sex (empty when both
          lists hold it): the surest real names, first among real names;
  非名    a word of data-src/lists/not-names.txt (titles, slogans, everyday words), 说明 the reason:
          never a real name or a classical pair, and never supported by its characters.

A given name of the dictionary that holds a character mostly used to spell foreign names (斯 尔 卡:
far more often in the dictionary's transliterated names, tag nrt, than in Chinese given names) is
left out (the classic lists keep theirs: 一诺, 菲菲).

The dictionary does not say whom a name is given to: the sex of a name is inferred from its
characters' leans, with the same rule the program applies (suits_sex), and said so in the report.

Titles the dictionary tags as person names (李先生, 王夫人) are no given names and are left out.
"""
import collections
import importlib.util
import math
import os
import re

from . import schema

TABLE = "XW_名字品鉴"
KINDS = ("常见名", "名首字", "名末字")


# Where Debian's python3-jieba puts it, for an interpreter that does not search the system's packages.
DEBIAN_JIEBA_DICT = "/usr/lib/python3/dist-packages/jieba/dict.txt"


def jieba_dict():
    """The dictionary file of the installed jieba package (Debian: python3-jieba), found without
    importing the package."""
    spec = importlib.util.find_spec("jieba")
    if spec is None or not spec.origin:
        return DEBIAN_JIEBA_DICT
    return os.path.join(os.path.dirname(spec.origin), "dict.txt")

# Words the dictionary tags as names after a surname that are titles or kinship terms.
TITLES = set("夫人 太后 先生 大哥 大侠 小姐 老师 公子 将军 大人 师傅 太太 同志 主任 书记 老板 大爷 大娘"
             " 大姐 二哥 二姐 老爷 少爷 小弟 妹妹 姐姐 哥哥 弟弟 阿姨 叔叔 伯伯 教授 博士 医生 总统 皇帝"
             " 皇后 娘娘 贵妃 丞相 老太 老汉 嫂子 大嫂 师父 大师 小子 家庄 家村 家湾 家河".split())


MIN_FREQUENCY = 3
WORD_FREQUENCY = 20
FOREIGN_TAGS = {"nrt", "ns", "nt"}
# A name of the hand-edited classic lists is as good a witness as two full names of the dictionary.
CLASSIC_WEIGHT = 2
PLACE_ENDINGS = set("县市省州村镇乡区")


def read_surnames(src):
    out = set()
    with open(os.path.join(src, "surnames.tsv"), encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                out.add(line.split("\t", 1)[0])
    return out


def given_of(word, surnames):
    """The two-character given name of a full name, or None."""
    if len(word) == 4 and word[:2] in surnames:
        return word[2:]
    if len(word) == 3 and word[:2] not in surnames and word[0] in surnames:
        return word[1:]
    return None


def real_given_names(dict_path, surnames):
    """Given names of the dictionary's full names. Left out: entries of the lowest frequency (mostly
    pieces cut from running text), a two-character name with the next word's first character (刘表遂,
    段誉举: 刘表 is a name of its own), places the dictionary tags as names (毕节县), and a given name
    that is itself a common word (和尚, 语言, 后卫: a word of at least WORD_FREQUENCY) or a foreign
    name or place (特尔)."""
    entries = []
    two_character_names = set()
    words = {}
    with open(dict_path, encoding="utf-8") as f:
        for line in f:
            parts = line.split()
            if len(parts) != 3:
                continue
            if len(parts[0]) == 2:
                words[parts[0]] = (int(parts[1]), parts[2])
            if parts[2] != "nr":
                continue
            if len(parts[0]) == 2:
                two_character_names.add(parts[0])
            elif int(parts[1]) >= MIN_FREQUENCY:
                entries.append(parts[0])
    counts = collections.Counter()
    for word in entries:
        given = given_of(word, surnames)
        if not given or given in TITLES or given[-1] in PLACE_ENDINGS:
            continue
        frequency, tag = words.get(given, (0, ""))
        if frequency >= WORD_FREQUENCY or tag in FOREIGN_TAGS:
            continue
        if len(word) == 3 and word[:2] in two_character_names:
            continue
        if all("\u4e00" <= c <= "\u9fff" for c in given):
            counts[given] += 1
    return counts


# A character is foreign when the transliterated names use it this many times more often than Chinese
# given names do (and at least FOREIGN_USES times).
FOREIGN_RATIO = 2.5
FOREIGN_USES = 20


# The hundred commonest surnames: full names under them are Chinese names far more surely than under a
# rare surname that is also a foreign syllable (布雷斯, 马尔科 count only under 马).
COMMON_SURNAMES = set("王李张刘陈杨黄赵吴周徐孙马朱胡郭何林高罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋"
                      "蔡余杜叶程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹薛闫段"
                      "雷侯龙史陶黎贺顾毛郝龚邵万钱严覃武戴莫孔向汤")


def foreign_characters(dict_path, surnames, src):
    """Characters mostly used to spell foreign names: 斯 尔 卡 特 伊, not 德 华 娜."""
    surnames = set(surnames) & COMMON_SURNAMES
    foreign = collections.Counter()
    native = collections.Counter()
    with open(dict_path, encoding="utf-8") as f:
        for line in f:
            parts = line.split()
            if len(parts) != 3:
                continue
            if parts[2] == "nrt":
                foreign.update(parts[0])
            elif parts[2] == "nr":
                given = given_of(parts[0], surnames)
                if given:
                    native.update(given)
    return {c for c, n in foreign.items()
            if n >= FOREIGN_USES and (n + 1) / (native[c] + 1) >= FOREIGN_RATIO}


def not_names(src):
    """非名: word -> reason."""
    out = {}
    for line in read_list(src, "not-names.txt").splitlines():
        if line.startswith("#") or not line.strip():
            continue
        word, _, reason = line.partition("#")
        if len(word.strip()) == 2:
            out[word.strip()] = reason.strip()
    return out


def classic_names(src):
    out = collections.Counter()
    for name in ("classic-two-boys.txt", "classic-two-girls.txt"):
        with open(os.path.join(src, "lists", name), encoding="utf-8") as f:
            for entry in f.read().split(","):
                entry = entry.strip()
                if len(entry) == 2:
                    out[entry] += CLASSIC_WEIGHT
    return out


# The program's rule (NameLikeness::suitsSex): a name suits a sex unless its characters' leans add up
# that far to the other sex, or one character leans as far as the veto to the other.
SEX_MARGIN = 80
CHARACTER_VETO = 250
CLASSICAL_LINES = 3


def read_list(src, name):
    with open(os.path.join(src, "lists", name), encoding="utf-8") as f:
        return f.read()


def character_leans(src):
    """字性别: each character's lean from the classic lists of both sexes and the character lists."""
    uses = {"男": collections.Counter(), "女": collections.Counter()}
    for sex, stem in (("男", "boys"), ("女", "girls")):
        for name in (f"classic-two-{stem}.txt", f"classic-one-{stem}.txt"):
            for entry in read_list(src, name).split(","):
                uses[sex].update(c for c in entry.strip() if "\u4e00" <= c <= "\u9fff")
        for c in read_list(src, f"{stem}.txt"):
            if "\u4e00" <= c <= "\u9fff":
                uses[sex][c] += 2
    boys, girls = uses["男"], uses["女"]
    scale = sum(girls.values()) / sum(boys.values())
    return {c: round(100 * math.log((boys[c] + 1) * scale / (girls[c] + 1)))
            for c in set(boys) | set(girls)}


def suits_sex(given, sex, leans):
    sign = 1 if sex == "男" else -1
    values = [leans.get(c, 0) for c in given]
    against = max(-sign * v for v in values)
    return sign * sum(values) > -SEX_MARGIN and against < CHARACTER_VETO


def sex_of(given, leans):
    boys, girls = suits_sex(given, "男", leans), suits_sex(given, "女", leans)
    return "男" if boys and not girls else "女" if girls and not boys else ""


def classical_pairs(poems, src):
    """诗词对: pairs of name characters side by side in the poems' lines."""
    name_characters = set(read_list(src, "boys.txt")) | set(read_list(src, "girls.txt"))
    function_words = set()
    for line in read_list(src, "function-words.txt").splitlines():
        word = line.split("#", 1)[0].strip()
        if len(word) == 1:
            function_words.add(word)
    usable = name_characters - function_words
    pairs = collections.Counter()
    for text in poems:
        for line in re.split(r"[^\u4e00-\u9fff]+", text):
            for a, b in zip(line, line[1:]):
                if a != b and a in usable and b in usable:
                    pairs[a + b] += 1
    return collections.Counter({p: n for p, n in pairs.items() if n >= CLASSICAL_LINES})


def classic_sexes(src):
    """经典名: name -> "男", "女" or "" (on both lists)."""
    out = {}
    for sex, stem in (("男", "boys"), ("女", "girls")):
        for entry in read_list(src, f"classic-two-{stem}.txt").split(","):
            entry = entry.strip()
            if len(entry) == 2:
                out[entry] = "" if out.get(entry, sex) != sex else sex
    return out


def rows_of(names, first_id=1, leans=None, pairs=None, refused=None, classic=None):
    """The rows of a Counter of given names: the names, then first and last characters, then the
    characters' leans and the classical pairs."""
    leans = leans or {}
    sexes = {n: sex_of(n, leans) for n in names}
    Row = schema.row_type(TABLE)
    rows = []

    def add(kind, word, count, note=""):
        rows.append(Row(Id=first_id + len(rows), 类别=kind, 词=word, 拼音="", 级别=count, 说明=note))

    for word, count in sorted(names.items()):
        add("常见名", word, count, sexes[word])
    classic = classic or {}
    for kind, place in (("名首字", 0), ("名末字", 1)):
        counter = collections.Counter(n[place] for n in names)
        by_sex = {sex: collections.Counter(n[place] for n, s in classic.items() if s in ("", sex))
                  for sex in ("男", "女")}
        for word, count in sorted(counter.items()):
            add(kind, word, count, f"男{by_sex['男'][word]} 女{by_sex['女'][word]}")
    for word, lean in sorted(leans.items()):
        if lean:
            add("字性别", word, lean)
    for word, count in sorted((pairs or {}).items()):
        add("诗词对", word, count)
    for word, sex in sorted((classic or {}).items()):
        add("经典名", word, 0, sex)
    for word, reason in sorted((refused or {}).items()):
        add("非名", word, 0, reason)
    return rows


def drawn_characters(src, names):
    """How many characters of each sex's list real names of that sex use in at least DRAWN_FROM names
    (the high-score mode draws from these)."""
    leans = character_leans(src)
    out = {}
    for sex, stem in (("男", "boys"), ("女", "girls")):
        uses = collections.Counter()
        for n in names:
            if suits_sex(n, sex, leans):
                uses.update(set(n))
        listed = {c for c in read_list(src, f"{stem}.txt") if "\u4e00" <= c <= "\u9fff"}
        out[sex] = sum(1 for c in listed if uses[c] >= DRAWN_FROM and -(1 if sex == "男" else -1)
                       * leans.get(c, 0) < CHARACTER_VETO)
    return out


# The high-score mode's draw: characters of at least this many real given names (kDrawnFromNamesUsing).
DRAWN_FROM = 10


def build(src, first_id, dict_path=None, poems=()):
    dict_path = dict_path or jieba_dict()
    if not dict_path or not os.path.exists(dict_path):
        raise RuntimeError("python3-jieba: its dict.txt was not found (install python3-jieba)")
    surnames = read_surnames(src)
    names = real_given_names(dict_path, surnames)
    foreign = foreign_characters(dict_path, surnames, src)
    names = collections.Counter({n: c for n, c in names.items() if not set(n) & foreign})
    from_dict = len(names)
    names.update(classic_names(src))
    refused = not_names(src)
    for word in refused:
        names.pop(word, None)
    leans = character_leans(src)
    pairs = classical_pairs(poems, src)
    for word in refused:
        pairs.pop(word, None)
    sexes = collections.Counter(sex_of(n, leans) or "both" for n in names)
    drawn = drawn_characters(src, names)
    stats = {"real given names": len(names), "from the dictionary": from_dict,
             "boys' names": sexes["男"], "girls' names": sexes["女"], "either sex": sexes["both"],
             "leaning characters": len(leans), "classical pairs": len(pairs),
             "high-score draw, boys": drawn["男"], "high-score draw, girls": drawn["女"],
             "foreign characters": len(foreign), "not names": len(refused)}
    return rows_of(names, first_id, leans, pairs, refused, classic_sexes(src)), stats
