"""Pure derivation rules, kept apart from the I/O so that tests can call them."""
import re
import unicodedata

# ---------------------------------------------------------------- strokes
NUMERAL_STROKES = {c: i + 1 for i, c in enumerate("一二三四五六七八九十")}


def kangxi_strokes(char, rs_kangxi, total_strokes, radical_strokes, rs_unicode=None):
    """Kangxi stroke count of a (traditional) character.

    The numerals one to ten count as their value.  Otherwise the strokes of the
    full form of its Kangxi radical plus the residual strokes of kRSKangXi
    (so 氵 counts as 水 4, 王 as 玉 5 - 1 = 4, 月 in 育 as 肉 6), or of kRSUnicode
    when kRSKangXi is missing -- but never less than the character's own
    kTotalStrokes: the dictionary's residual is an index position and sometimes
    counts a component short (柴 10, 斌 12, 露 21), while a radical written in
    full adds nothing to the total.
    """
    return kangxi_strokes_how(char, rs_kangxi, total_strokes, radical_strokes, rs_unicode)[0]


def kangxi_strokes_how(char, rs_kangxi, total_strokes, radical_strokes, rs_unicode=None):
    """(count, source) with source 'numeral', 'kRSKangXi', 'kRSUnicode', 'kTotalStrokes'."""
    if char in NUMERAL_STROKES:
        return NUMERAL_STROKES[char], "numeral"
    total = int(total_strokes[char].split()[0]) if char in total_strokes else 0
    for name, table in (("kRSKangXi", rs_kangxi), ("kRSUnicode", rs_unicode or {})):
        rs = table.get(char)
        if not rs:
            continue
        rad, _, residual = rs.split()[0].partition(".")
        rad = int(rad.rstrip("'"))
        if rad in radical_strokes:
            n = radical_strokes[rad] + int(residual)
            return (n, name) if n >= total else (total, "kTotalStrokes")
    return total, "kTotalStrokes"


# ---------------------------------------------------------------- pinyin
INITIALS = ["zh", "ch", "sh", "b", "p", "m", "f", "d", "t", "n", "l", "g", "k", "h",
            "j", "q", "x", "r", "z", "c", "s"]

_ZERO = {  # syllables spelled with y / w: their finals
    "yi": "i", "ya": "ia", "yan": "ian", "yang": "iang", "yao": "iao", "ye": "ie",
    "yin": "in", "ying": "ing", "yo": "io", "yong": "iong", "you": "iu",
    "yu": "v", "yuan": "van", "yue": "ve", "yun": "vn",
    "wu": "u", "wa": "ua", "wo": "uo", "wai": "uai", "wei": "ui", "wan": "uan",
    "wen": "un", "wang": "uang", "weng": "ueng",
}


def strip_tones(pinyin):
    """'lǜ' -> 'lv': tone marks dropped, ü written v."""
    out = []
    for ch in unicodedata.normalize("NFD", pinyin):
        if ch == "\u0308":          # diaeresis: u + ¨ -> v
            out[-1] = "v"
        elif unicodedata.category(ch) != "Mn":
            out.append(ch)
    return "".join(out).replace("ê", "e")


def split_syllable(plain):
    """Split a toneless syllable into (initial, final); zero initial is ''."""
    s = plain.lower()
    if s in _ZERO:
        return "", _ZERO[s]
    for ini in INITIALS:
        if s.startswith(ini) and len(s) > len(ini):
            fin = s[len(ini):]
            if ini in ("j", "q", "x") and fin.startswith("u"):
                fin = "v" + fin[1:]
            return ini, fin
    return "", s


# ---------------------------------------------------------------- elements
RADICAL_ELEMENT = {}
for _rads, _el in (("氵水冫雨", "水"), ("木艹竹", "木"), ("火灬", "火"),
                   ("土石山", "土"), ("钅金刂", "金")):
    for _r in _rads:
        RADICAL_ELEMENT[_r] = _el

INITIAL_ELEMENT = {}
for _inis, _el in ((("b", "p", "m", "f", "h"), "水"), (("d", "t", "n", "l"), "火"),
                   (("g", "k", "j", "q"), "木"),
                   (("z", "c", "s", "zh", "ch", "sh", "r", "x"), "金"), (("",), "土")):
    for _i in _inis:
        INITIAL_ELEMENT[_i] = _el

ELEMENTS = "金木水火土"


def element_of(packaged, radical, initial, override=None):
    """Return (element, source): override, else the packaged field, else the
    radical rule, else the rule on the reading's initial."""
    if override:
        return override, "override"
    if packaged in ELEMENTS and packaged:
        return packaged, "packaged"
    if radical in RADICAL_ELEMENT:
        return RADICAL_ELEMENT[radical], "radical"
    if initial is not None and initial in INITIAL_ELEMENT:
        return INITIAL_ELEMENT[initial], "initial"
    return "", "none"


# ---------------------------------------------------------------- three talents
GENERATES = {"木": "火", "火": "土", "土": "金", "金": "水", "水": "木"}
OVERCOMES = {"木": "土", "土": "水", "水": "火", "火": "金", "金": "木"}


def relation(a, b):
    """How element a stands to element b: 'gen' (a generates b, or b generates a),
    'same', 'over_b' (a overcomes b), 'over_a' (b overcomes a)."""
    if a == b:
        return "same"
    if GENERATES[a] == b or GENERATES[b] == a:
        return "gen"
    if OVERCOMES[a] == b:
        return "over_b"
    return "over_a"


def sancai_fortune(key):
    """Fortune of a heaven-person-earth key such as '木火土'.

    Both relations generating: 大吉.  Generating or same on both sides (at least
    one same): 吉.  Exactly one overcoming relation: 中 when the outer grid
    (heaven or earth) is the one overcome, 凶 when the person grid is overcome.
    Both relations overcoming: 大凶.
    """
    h, p, e = key
    r1 = relation(h, p)       # heaven -> person
    r2 = relation(p, e)       # person -> earth
    over1 = r1 in ("over_a", "over_b")
    over2 = r2 in ("over_a", "over_b")
    if over1 and over2:
        return "大凶"
    if over1 or over2:
        person_overcome = (r1 == "over_b") if over1 else (r2 == "over_a")
        return "凶" if person_overcome else "中"
    if r1 == "gen" and r2 == "gen":
        return "大吉"
    return "吉"


# ---------------------------------------------------------------- poems
_NOTE = re.compile(r"（[^（）]*）|\([^()]*\)|〔[^〔〕]*〕")
_KEEP_BRACKET = re.compile(r"\[([^\[\]]*)\]|〖([^〖〗]*)〗")
_QUOTES = re.compile(r"[《》「」『』“”‘’〈〉<>\"'·　 \t]")
_STOP = re.compile(r"[？！；?!;]")
_PAUSE = re.compile(r"[、：:,，]")


def clean_poem(text, is_hanzi):
    """Clean a poem's text; return the cleaned text or None to drop the poem.

    1. Bracketed notes are dropped: （一作…）, (…), 〔…〕.
    2. Brackets that mark a restored or variant character keep their content:
       [x] -> x, 〖x〗 -> x.
    3. Quotation marks, title marks and spaces are removed.
    4. ？！； end a sentence and become "。"; 、：and ASCII commas become "，".
    5. Runs of punctuation collapse to their last mark; no mark starts the text;
       the text ends with "。".
    6. What remains must be characters accepted by is_hanzi plus "，。",
       otherwise (□, a character with no GBK code, any other symbol) the poem
       is dropped, as is an empty one.
    """
    t = text
    prev = None
    while prev != t:            # nested notes
        prev = t
        t = _NOTE.sub("", t)
    t = _KEEP_BRACKET.sub(lambda m: m.group(1) if m.group(1) is not None else m.group(2), t)
    t = _QUOTES.sub("", t)
    t = _STOP.sub("。", t)
    t = _PAUSE.sub("，", t)
    t = re.sub(r"[，。]*。[，。]*", "。", t)
    t = re.sub(r"，+", "，", t)
    t = t.lstrip("，。")
    if not t:
        return None
    if t[-1] == "，":
        t = t[:-1] + "。"
    elif t[-1] != "。":
        t += "。"
    if any(c not in "，。" and not is_hanzi(c) for c in t):
        return None
    return t


def clean_title(title):
    """Titles keep their text; characters that would break a quoted lookup go."""
    t = title.replace('"', "").replace("“", "").replace("”", "")
    t = re.sub(r"\s+", " ", t).strip()
    return t
