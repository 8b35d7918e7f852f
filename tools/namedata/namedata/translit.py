"""Transliteration of English given names into Chinese characters, from phonemes."""
import re

VOWELS = {"AA": "A", "AE": "A", "AH": "A", "EH": "E", "EY": "EI", "IH": "I", "IY": "I",
          "AO": "O", "OW": "O", "AW": "O", "UH": "U", "UW": "U", "ER": "ER", "AY": "AI", "OY": "O"}
NASAL = {"A": "AN", "E": "EN", "I": "IN", "O": "ON", "U": "UN", "ER": "EN", "AI": "AN", "EI": "EN",
         "AU": "ON"}
VELAR = {"A": "ANG", "E": "EN", "I": "ING", "O": "ONG", "U": "ONG", "ER": "EN", "AI": "ANG",
         "EI": "EN", "AU": "ONG"}
LETTER = {"a": "A", "e": "E", "i": "I", "y": "I", "o": "O", "u": "U"}
# vowels whose class follows the spelling when the letters line up with the phonemes
SPELLED = {"AA", "EH", "ER0"}


class SyllableTable:
    def __init__(self, rows):
        """rows: list of cell lists from the tsv, the first one being the 'onset' header."""
        header = None
        self.cells = {}
        for r in rows:
            if r[0] == "onset":
                header = r[1:]
                continue
            if header is None:
                raise ValueError("syllable table: header line 'onset ...' missing")
            for col, cell in zip(header, r[1:]):
                self.cells[(r[0], col)] = cell
        self.columns = header

    def get(self, onset, col, female):
        if female:
            c = self.cells.get((onset + "/f", col))
            if c and c != ".":
                return c
        c = self.cells.get((onset, col))
        if c is None:
            return None
        if c == ".":
            return None
        return c


# vowel letter pairs that spell two syllables when the phonemes need more vowels than the groups give
SPLITS = ("ia", "io", "eo", "iu", "oe", "ua", "ue", "ie", "ea", "ya", "yo")


def vowel_groups(name, wanted=None):
    """The vowel letter groups of a name; with wanted, pairs such as ia, eo are split in two
    (from the left) until there are as many groups as vowel phonemes."""
    # y before a vowel, first or after a vowel, is a consonant: Yoko, Maya
    s = re.sub(r"(?:^|(?<=[aeiou]))y(?=[aiou]|e.)", "j", name.lower())
    if re.search(r"[^aeiouy]e$", s) and len(re.findall(r"[aeiouy]+", s)) > 1:
        s = s[:-1]                       # silent final e
    groups = re.findall(r"[aeiouy]+", s)
    if wanted is None:
        return groups
    k = 0
    while len(groups) < wanted and k < len(groups):
        g = groups[k]
        cut = next((j for j in range(1, len(g)) if g[j - 1:j + 1] in SPLITS), None)
        if cut is None:
            k += 1
            continue
        groups[k:k + 1] = [g[:cut], g[cut:]]
    return groups


def schwa_n(onset, spelled):
    """The column of a schwa before n: -an reads en (Alan 艾伦, Evan 埃文) but -dan 丹, -man 曼;
    -on reads on (Milton 米尔顿, Damon 戴蒙) but -don 登; -un un; -in in; -en en."""
    if spelled in ("i", "y"):
        return "IN"
    if spelled == "a":
        return "AN" if onset in ("D", "M") else "EN"
    if spelled == "o":
        return "EN" if onset == "D" else "ON"
    if spelled == "u":
        return "UN"
    return "EN"


def transliterate(name, phones, table, female=False):
    """phones: list of (ARPAbet phone, stress) with stress None for consonants."""
    low = name.lower()
    if "z" not in low and "x" not in low:      # a z sound written s is read as s (Susan, Isaac)
        phones = [("S", None) if p == "Z" else (p, st) for p, st in phones]
    nvow = sum(1 for p, _s in phones if p in VOWELS)
    groups = vowel_groups(name, nvow)
    aligned = len(groups) == nvow
    out = []
    phones_r = set()                     # vowel positions preceded by the r of an ER
    after_i = set()                      # vowel positions that follow an i sound (ia, io, ian)
    doubled = {"N": "nn" in low, "M": False}
    # a final unstressed -el/-al after a single consonant reads as the consonant alone + l (Michael)
    weak_l = bool(re.search(r"([^aeiouyl]|cha)[ae]l$|[^aeiouy]le$", low))
    weak_l = weak_l and not re.search(r"(s|th)[ae]l$", low)   # Ethel 埃塞尔, Russell 拉塞尔
    vi = 0
    i = 0
    n = len(phones)

    def is_vowel(k):
        return k < n and phones[k][0] in VOWELS

    def opens(k):
        """A vowel, or y + vowel, follows at k: the consonant before k starts a syllable."""
        return is_vowel(k) or (k < n and phones[k][0] == "Y" and is_vowel(k + 1))

    def letter(k):
        """The spelled vowel group of the vowel at k when spelling and phonemes line up."""
        idx = sum(1 for q in range(k) if phones[q][0] in VOWELS)
        return groups[idx] if aligned and idx < len(groups) else None

    def vclass(k):
        nonlocal vi
        p, s = phones[k]
        cls = VOWELS[p]
        if aligned and vi < len(groups):
            g = groups[vi]
            if (p == "ER" and s == 0 and k + 1 < n and phones[k + 1][0] in VOWELS and vi > 0
                    and phones[k - 1][0] in ("V", "F", "TH")):
                cls = "ER"                        # but -very, -ther- 弗, 瑟: Avery, Katherine
            elif p == "ER" and k + 1 < n and phones[k + 1][0] in VOWELS:
                cls = LETTER.get(g[:1], "E")      # r-coloured vowel before a vowel: vowel + r
            elif p == "ER" and s == 0 and g == "a" and not (k > 0 and phones[k - 1][0] == "W"):
                cls = "A"                         # unstressed -ar: Richard, Edgar; but -ward 沃德
            elif p == "ER" and s == 0 and g == "o" and k > 0 and phones[k - 1][0] in ("T", "F"):
                cls = "O"                         # -tor 托, -ford 福德: Hector, Clifford
            elif p == "AH" and s == 1 and g == "u" and re.search(r"([aoe]|us)$", low):
                cls = "U"                         # Latin u: Augusta 奥古斯塔, Augustus
            elif (p in SPELLED or s == 0) and len(g) == 1 and g in LETTER and p != "ER":
                cls = LETTER[g]
            elif g in ("au", "aw") or (g == "ou" and p == "AO"):
                cls = "AU"                        # Laura 劳拉, Paul 保罗, Courtney 考特尼
        if k == 0 and p == "IH" and s == 0:
            cls = "I"                             # unstressed initial e before the stress: Elaine
        if k == 0 and p == "AE" and s == 1 and k + 2 < n and phones[k + 1][0] == "L" \
                and phones[k + 2][0] in VOWELS:
            cls = "AI"                            # Al- before a vowel: Alan 艾伦, Allison 艾莉森
        vi += 1
        return cls

    def put(onset, col, fem=female):
        # 莎, 珊, 娅, 娃 not first: Sara 萨拉, Sandra 桑德拉, Yasmin 亚斯明, Valentina
        fem = fem and not (onset in ("S", "Y", "V") and not out)
        ch = table.get(onset, col, fem)
        if ch is None:                   # no cell: consonant alone, then the bare vowel
            a = table.get(onset, "-", fem)
            if a:
                out.append(a)
            ch = table.get("-", col, fem)
        if ch:
            out.append(ch)

    def emit(onset, k):
        """Syllable of onset + vowel at k (with a nasal coda); returns next index."""
        g = letter(k)
        cls = vclass(k)
        p, stress = phones[k]
        j = k + 1
        if p == "ER" and is_vowel(j):
            col = cls                    # the r starts the next syllable
            ch = table.get(onset, col, female) or table.get("-", col, female)
            out.append(ch or "")
            phones_r.add(j)
            return j
        if (p == "AH" and stress == 0 and j == n - 1 and phones[j][0] == "L"
                and (weak_l and k not in after_i or onset in ("-", "Y") and k in after_i)):
            a = table.get(onset, "-", female) if onset not in ("-", "Y") else None
            if a:
                out.append(a)            # Michael 迈克尔, Joel 乔尔, Crystal 克丽丝特尔
            return j
        fem = female
        if k in after_i and onset in ("-", "Y"):
            onset = "-i"
            fem = female and not (k > 1 and phones[k - 2][0] == "R")   # -ria 丽亚: Gloria, Maria
        elif (onset == "-" and p == "AH" and stress == 0 and k > 0 and is_vowel(k - 1)
              and j < n and phones[j][0] not in VOWELS and phones[j][0] not in ("N", "NG", "L")):
            cls = "ER"                   # a schwa after a vowel: Graham 格雷厄姆
        if (cls == "A" and stress == 1 and j + 2 < n and phones[j][0] == "N"
                and phones[j + 1][0] == "Y" and is_vowel(j + 2)):
            put(onset, "AN")             # the n closes the a and opens ni: Daniel 丹尼尔
            return j
        if j < n and phones[j][0] == "N" and not opens(j + 1):
            if p == "AH" and onset != "-i":
                col = schwa_n(onset, g) if stress == 0 else "EN"   # Hunter 亨特
            elif p == "AH" and stress == 0 and j == n - 1 and phones[k - 1][1] == 1:
                col = "EN"               # -ian after a stressed i: Ian 伊恩, Brian 布赖恩
            elif cls == "EI":
                put(onset, "EI")         # Elaine 伊莱恩
                out.append(table.get("-", "EN", female) or "")
                return j + 1
            else:
                col = NASAL[cls]
            if (female and onset in ("L", "R") and g and ("i" in g or "y" in g)):
                col = "IN"               # women's -line, -lyn, -rine: 琳 (Caroline, Madeleine)
            j += 1
        elif j < n and phones[j][0] in ("N", "M") and doubled.get(phones[j][0]) and is_vowel(j + 1):
            col = NASAL[cls] if phones[j][0] == "N" else cls   # 'nn': nasal syllable, n again
            doubled[phones[j][0]] = False
        elif j < n and phones[j][0] == "NG" and not is_vowel(j + 1):
            # -ank, -ang read an before k/g (Frank 弗兰克)
            col = "AN" if cls == "A" and j + 1 < n and phones[j + 1][0] in ("K", "G") else VELAR[cls]
            j += 1
        else:
            col = cls
        put(onset, col, fem and not (out and stress == 0 and col == "E"))   # Madeleine 玛德琳
        if p == "OY":
            out.append(table.get("-", "I", female) or "")
        return j

    while i < n:
        p, _s = phones[i]
        if p in VOWELS:
            if i in phones_r:
                onset = "R"
            else:
                onset = "-"
                if i > 0 and phones[i - 1][0] in ("IY", "IH", "AY"):
                    after_i.add(i)       # i followed by a vowel: ia 亚, io 奥, ian 安
            i = emit(onset, i)
            continue
        if p == "K" and i + 1 < n and phones[i + 1][0] == "W" and is_vowel(i + 2):
            i = emit("KW", i + 2)        # qu: Quentin 昆廷, Jacqueline 杰奎琳
            continue
        if p == "T" and i + 1 < n and phones[i + 1][0] == "S":
            if is_vowel(i + 2):
                i = emit("TS", i + 2)
            else:
                out.append(table.get("TS", "-", female) or "")
                i += 2
            continue
        if (p not in ("Y", "W") and i + 2 < n and phones[i + 1][0] == "Y"
                and is_vowel(i + 2)):
            if phones[i + 2][0] in ("UW", "UH"):
                vclass(i + 2)            # consonant + yu: 修 纽 缪 (Matthew, Immanuel)
                put(p, "IU")
                i += 3
            else:
                # consonant + y + vowel: 尼娅, 莉娅 (Sonia 索尼娅, Cecilia 塞西莉娅)
                put(p, "I", female and p != "N")
                after_i.add(i + 2)
                i += 2
            continue
        if is_vowel(i + 1):
            i = emit(p, i + 1)
            continue
        prev_vowel = i > 0 and phones[i - 1][0] in VOWELS
        if p == "R" and i > 0 and (phones[i - 1][0] == "ER" or (prev_vowel and i + 1 < n)):
            i += 1                       # r after a vowel is silent before a consonant
            continue
        if p == "R" and i == n - 1 and phones[i - 1][0] == "AO" and phones[i - 1][1] != 1:
            i += 1                       # and after an unstressed final -or: Theodore 西奥多
            continue
        if p in ("HH", "Y", "W"):
            i += 1
            continue
        if p == "L" and i == n - 2 and phones[i + 1][0] == "D" and phones[i - 1] == ("AH", 0):
            i += 1                       # unstressed -ald, -old: Ronald 罗纳德, Fitzgerald
            continue
        a = None
        # before a consonant; the women's 丝 stays after a stressed e or i (Esther 埃丝特)
        if i + 1 < n and phones[i + 1][0] not in VOWELS and not (
                female and i > 0 and phones[i - 1][0] in ("EH", "IH") and phones[i - 1][1] == 1):
            a = table.get(p, "+", female)
        a = a or table.get(p, "-", female)
        if a and not (out and out[-1] == a):
            out.append(a)
        i += 1
    if len(out) == 1 and phones and phones[-1][0] in ("EY", "AY"):
        out.append(table.get("-", "I", female) or "")    # Jay 杰伊, Guy 盖伊
    elif (len(phones) > 1 and (len(out) == 1 or nvow == 1 and phones[-2][0] == "ER")
          and phones[-1][0] == "N" and phones[-2][0] in VOWELS
          and phones[-2][0] not in ("EH", "AE")):     # but Ken 肯, Glen 格伦, Stan 斯坦, Van 万
        # a name of one syllable ending in n keeps the n as a syllable: Ron 罗恩, Lynn 林恩,
        # and so does -ern after a cluster: Stern 斯特恩
        ch = out[-1]
        if phones[-2][0] != "IH":
            onset = phones[-3][0] if len(phones) > 2 and phones[-3][0] not in VOWELS else "-"
            cls = VOWELS[phones[-2][0]]
            g = groups[-1] if aligned else ""
            if phones[-2][0] in SPELLED and len(g) == 1 and g in LETTER:
                cls = LETTER[g]
            ch = table.get(onset, cls, female) or ch
        out[-1:] = [ch, table.get("-", "EN", female) or ""]
    return "".join(out)


# ---------------------------------------------------------------- espeak-ng IPA -> ARPAbet
_IPA = [  # longest first
    ("tʃ", "CH"), ("dʒ", "JH"), ("eɪ", "EY"), ("aɪ", "AY"), ("aʊ", "AW"), ("oʊ", "OW"),
    ("əʊ", "OW"), ("ɔɪ", "OY"), ("ɑː", "AA"), ("ɜː", "ER"), ("iː", "IY"), ("uː", "UW"),
    ("ɔː", "AO"), ("ɪɹ", "IH R"), ("ɛɹ", "EH R"), ("ʊɹ", "UH R"), ("oːɹ", "AO R"),
    ("ɑ", "AA"), ("æ", "AE"), ("ʌ", "AH"), ("ɐ", "AH"), ("ə", "AH"), ("ɚ", "ER"), ("ɜ", "ER"),
    ("ɛ", "EH"), ("e", "EH"), ("ɪ", "IH"), ("ᵻ", "IH"), ("i", "IY"), ("ʊ", "UH"), ("u", "UW"),
    ("ɔ", "AO"), ("o", "OW"), ("a", "AA"), ("ɒ", "AA"),
    ("p", "P"), ("b", "B"), ("t", "T"), ("d", "D"), ("k", "K"), ("ɡ", "G"), ("g", "G"),
    ("f", "F"), ("v", "V"), ("θ", "TH"), ("ð", "DH"), ("s", "S"), ("z", "Z"), ("ʃ", "SH"),
    ("ʒ", "ZH"), ("h", "HH"), ("m", "M"), ("n", "N"), ("ŋ", "NG"), ("l", "L"), ("ɹ", "R"),
    ("r", "R"), ("j", "Y"), ("w", "W"), ("ɾ", "T"), ("x", "K"), ("ɬ", "L"),
]


def ipa_to_phones(ipa):
    phones = []
    stress = 0
    k = 0
    s = ipa.strip()
    while k < len(s):
        ch = s[k]
        if ch == "ˈ":
            stress = 1
            k += 1
            continue
        if ch == "ˌ":
            stress = 2
            k += 1
            continue
        for sym, arp in _IPA:
            if s.startswith(sym, k):
                for a in arp.split():
                    if a in VOWELS:
                        phones.append((a, stress))
                        stress = 0
                    elif not (phones and phones[-1] == (a, None)):
                        phones.append((a, None))
                k += len(sym)
                break
        else:
            k += 1
    return phones


def cmu_to_phones(pron):
    out = []
    for t in pron.split():
        m = re.match(r"([A-Z]+)(\d?)$", t)
        if not m:
            continue
        p, d = m.group(1), m.group(2)
        out.append((p, int(d)) if p in VOWELS else (p, None))
    return out
