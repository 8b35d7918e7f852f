"""名人: full names of well-known people, from the person-name entries of the word-frequency
dictionary that Debian's python3-jieba ships (李娜 438 nr, 刘德华 37 nr).

A name counts when the dictionary tags it as a person's name (nr) at least MIN_COUNT times, it is a
surname of data-src/surnames.tsv followed by one or two characters, and it is no ordinary word:
not a common-noun entry of CC-CEDICT (黎明 dawn, 景泰蓝), and its given name neither a title (李先生)
nor a common word. The name check gives such a name the note 与知名人物同名; it is no warning.

The dictionary is older than many names a parent hears at once (演员, 歌手, characters of famous
novels), so data-src/quality/famous-people.txt adds them by hand, each with who it is.

Rows: 类别 名人, 词 the full name, 级别 its count in the dictionary; a hand-listed name has
HAND_LISTED, or HEARD_IN_LONGER when a longer name starting with it reads as that person too
(赵薇雅, 李白雪), and 说明 who it is.
"""
import importlib.util
import os
import re

KIND = "名人"
MIN_COUNT = 30
# 级别 of hand-listed names: below MIN_COUNT, so never taken for a dictionary count.
HAND_LISTED = 1
HEARD_IN_LONGER = 2
# A given name that is a word this common in the dictionary is no name (王大人, 李家庄).
WORD_COUNT = 20
NAME_TAGS = {"nr", "nz", "nrt", "nrfg"}
DEBIAN_JIEBA_DICT = "/usr/lib/python3/dist-packages/jieba/dict.txt"
TITLES = set("夫人 太后 先生 大哥 大侠 小姐 老师 公子 将军 大人 师傅 太太 同志 主任 书记 老板 大爷 大娘"
             " 大姐 二哥 二姐 老爷 少爷 小弟 妹妹 姐姐 哥哥 弟弟 阿姨 叔叔 伯伯 教授 博士 医生 总统 皇帝"
             " 皇后 娘娘 贵妃 丞相 老太 老汉 嫂子 大嫂 师父 大师 小子 中堂 氏".split())
NOT_NAME_ENDINGS = set("县市省州村镇乡区庄寨湾河江湖岛岗冲郡站宫殿仓山府家人氏堂馆斋寺街路书")
# A dictionary entry glossed so is a place or a foreign name, whatever the tag.
NOT_PERSON = re.compile(r"\b(city|county|district|province|prefecture|town|township|village|river|lake|"
                        r"mountain|island|palace|hall|station|temple|street|bridge)\b|\(name\)",
                        re.IGNORECASE)


def jieba_dict():
    """The dictionary file of the installed jieba package, found without importing it."""
    spec = importlib.util.find_spec("jieba")
    if spec is None or not spec.origin:
        return DEBIAN_JIEBA_DICT
    return os.path.join(os.path.dirname(spec.origin), "dict.txt")


def read_jieba(path):
    """word -> (count, tag) of the dictionary; empty when it is not installed."""
    out = {}
    if not path or not os.path.exists(path):
        return out
    with open(path, encoding="utf-8") as f:
        for line in f:
            parts = line.split()
            if len(parts) == 3 and parts[1].isdigit():
                out[parts[0]] = (int(parts[1]), parts[2])
    return out


def split_name(word, surnames):
    """(surname, given) of a full name, or None."""
    if len(word) in (3, 4) and word[:2] in surnames:
        return word[:2], word[2:]
    if len(word) in (2, 3) and word[0] in surnames:
        return word[0], word[1:]
    return None


def name_characters(src):
    """The characters of the built-in naming lists: a given name of others is a foreign name (鲁本斯,
    谢尔盖) or a place."""
    out = set()
    for name in ("boys.txt", "girls.txt", "classic-two-boys.txt", "classic-two-girls.txt"):
        with open(os.path.join(src, "lists", name), encoding="utf-8") as f:
            out.update(c for c in f.read() if "\u4e00" <= c <= "\u9fff")
    return out


def famous_names(jieba_words, surnames, cedict, characters, min_count=MIN_COUNT):
    """[(full name, count)] sorted by name. `characters`: the name characters (name_characters)."""
    common_words = {simp for _trad, simp, pinyin, _g in cedict if pinyin[:1].islower()}
    not_people = {simp for _trad, simp, _p, glosses in cedict if NOT_PERSON.search(glosses[0])}
    out = []
    for word, (count, tag) in jieba_words.items():
        if tag != "nr" or count < min_count or word in common_words or word in not_people:
            continue
        if not all("\u4e00" <= c <= "\u9fff" for c in word):
            continue
        parts = split_name(word, surnames)
        if not parts:
            continue
        given = parts[1]
        if given in TITLES or given[-1] in NOT_NAME_ENDINGS or not set(given) <= characters:
            continue
        given_count, given_tag = jieba_words.get(given, (0, ""))
        word_like = given in common_words or (given_count >= WORD_COUNT and given_tag not in NAME_TAGS)
        if len(given) == 2 and word_like:
            continue
        out.append((word, count))
    return sorted(out)


def hand_listed(src):
    """[(full name, level, who)] of data-src/quality/famous-people.txt."""
    out = []
    with open(os.path.join(src, "quality", "famous-people.txt"), encoding="utf-8") as f:
        for line in f:
            name, _, who = line.partition("#")
            name = name.strip()
            if not name or line.startswith("#"):
                continue
            longer = name.endswith("+")
            name = name.rstrip("+")
            if not all("\u4e00" <= c <= "\u9fff" for c in name):
                raise ValueError(f"famous-people.txt: not a full name: {line.strip()}")
            out.append((name, HEARD_IN_LONGER if longer else HAND_LISTED, who.strip()))
    return out
