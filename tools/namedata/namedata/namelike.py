"""How name-like a given name is, from names real people bear: rows of XW_名字品鉴 of three kinds.

Real given names come from the person-name entries (tag nr) of the word-frequency dictionary that
Debian's python3-jieba ships: a three-character entry whose first character is a surname (or a
four-character one whose first two are a compound surname) is a full name, its rest a given name.
The classic two-character lists of data-src/lists count as real names too. Rows:

  常见名  a two-character given name, 级别 how many real full names bear it (a classic list entry counts 2);
  名首字  a character, 级别 how many different real given names start with it;
  名末字  a character, 级别 how many different real given names end with it.

Titles the dictionary tags as person names (李先生, 王夫人) are no given names and are left out.
"""
import collections
import importlib.util
import os

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


def classic_names(src):
    out = collections.Counter()
    for name in ("classic-two-boys.txt", "classic-two-girls.txt"):
        with open(os.path.join(src, "lists", name), encoding="utf-8") as f:
            for entry in f.read().split(","):
                entry = entry.strip()
                if len(entry) == 2:
                    out[entry] += CLASSIC_WEIGHT
    return out


def rows_of(names, first_id=1):
    """The rows of a Counter of given names: the names, then first and last characters."""
    first = collections.Counter(n[0] for n in names)
    last = collections.Counter(n[1] for n in names)
    Row = schema.row_type(TABLE)
    rows = []
    for kind, counter in zip(KINDS, (names, first, last)):
        for word, count in sorted(counter.items()):
            rows.append(Row(Id=first_id + len(rows), 类别=kind, 词=word, 拼音="", 级别=count, 说明=""))
    return rows


def build(src, first_id, dict_path=None):
    dict_path = dict_path or jieba_dict()
    if not dict_path or not os.path.exists(dict_path):
        raise RuntimeError("python3-jieba: its dict.txt was not found (install python3-jieba)")
    names = real_given_names(dict_path, read_surnames(src))
    from_dict = len(names)
    names.update(classic_names(src))
    stats = {"real given names": len(names), "from the dictionary": from_dict}
    return rows_of(names, first_id), stats
