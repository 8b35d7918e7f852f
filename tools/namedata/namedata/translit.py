"""Transliteration of English given names into Chinese characters, from phonemes."""
import re

VOWELS = {"AA": "A", "AE": "A", "AH": "A", "EH": "E", "EY": "AI", "IH": "I", "IY": "I",
          "AO": "O", "OW": "O", "AW": "O", "UH": "U", "UW": "U", "ER": "ER", "AY": "AI", "OY": "O"}
NASAL = {"A": "AN", "E": "EN", "I": "IN", "O": "ON", "U": "UN", "ER": "EN", "AI": "AN"}
VELAR = {"A": "ANG", "E": "EN", "I": "ING", "O": "ONG", "U": "ONG", "ER": "EN", "AI": "ANG"}
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


def vowel_groups(name):
    s = name.lower()
    if re.search(r"[^aeiouy]e$", s) and len(re.findall(r"[aeiouy]+", s)) > 1:
        s = s[:-1]                       # silent final e
    return re.findall(r"[aeiouy]+", s)


def transliterate(name, phones, table, female=False):
    """phones: list of (ARPAbet phone, stress) with stress None for consonants."""
    groups = vowel_groups(name)
    nvow = sum(1 for p, _s in phones if p in VOWELS)
    aligned = len(groups) == nvow
    out = []
    phones_r = set()                     # vowel positions preceded by the r of an ER
    low = name.lower()
    doubled = {"N": "nn" in low, "M": False}
    vi = 0
    i = 0
    n = len(phones)

    def is_vowel(k):
        return k < n and phones[k][0] in VOWELS

    def vclass(k):
        nonlocal vi
        p, s = phones[k]
        cls = VOWELS[p]
        if aligned and vi < len(groups):
            g = groups[vi]
            key = "ER0" if p == "ER" and s == 0 else p
            if p == "ER" and k + 1 < n and phones[k + 1][0] in VOWELS:
                cls = LETTER.get(g[:1], "E")      # r-coloured vowel before a vowel: vowel + r
            elif (key in SPELLED or s == 0) and len(g) == 1 and g in LETTER and p != "ER":
                cls = LETTER[g]
            elif g in ("au", "aw"):
                cls = "O"
        vi += 1
        return cls

    def emit(onset, k):
        """Syllable of onset + vowel at k (with a nasal coda); returns next index."""
        cls = vclass(k)
        j = k + 1
        if phones[k][0] == "ER" and is_vowel(j):
            col = cls                    # the r starts the next syllable
            ch = table.get(onset, col, female) or table.get("-", col, female)
            out.append(ch or "")
            phones_r.add(j)
            return j
        if j < n and phones[j][0] == "N" and not is_vowel(j + 1):
            col, j = NASAL[cls], j + 1
        elif j < n and phones[j][0] in ("N", "M") and doubled.get(phones[j][0]) and is_vowel(j + 1):
            col = NASAL[cls] if phones[j][0] == "N" else cls   # 'nn': nasal syllable, n again
            doubled[phones[j][0]] = False
        elif j < n and phones[j][0] == "NG" and not is_vowel(j + 1):
            col, j = VELAR[cls], j + 1
        else:
            col = cls
        ch = table.get(onset, col, female)
        if ch is None:                   # no cell: consonant alone, then the bare vowel
            a = table.get(onset, "-", female)
            if a:
                out.append(a)
            ch = table.get("-", col, female)
        if ch:
            out.append(ch)
        if phones[k][0] == "OY":
            out.append(table.get("-", "I", female) or "")
        return j

    while i < n:
        p, _s = phones[i]
        if p in VOWELS:
            if i in phones_r:
                onset = "R"
            elif i > 0 and phones[i - 1][0] in ("IY", "IH"):
                onset = "Y"              # i followed by a vowel: ia, io ...
            else:
                onset = "-"
            i = emit(onset, i)
            continue
        if p == "T" and i + 1 < n and phones[i + 1][0] == "S":
            if is_vowel(i + 2):
                i = emit("TS", i + 2)
            else:
                out.append(table.get("TS", "-", female) or "")
                i += 2
            continue
        if is_vowel(i + 1):
            i = emit(p, i + 1)
            continue
        prev_vowel = i > 0 and phones[i - 1][0] in VOWELS
        if p == "R" and i > 0 and (phones[i - 1][0] == "ER" or (prev_vowel and i + 1 < n)):
            i += 1                       # r after a vowel is silent before a consonant
            continue
        if p in ("HH", "Y", "W"):
            i += 1
            continue
        a = None
        if i + 1 < n and phones[i + 1][0] not in VOWELS:
            a = table.get(p, "+", female)
        a = a or table.get(p, "-", female)
        if a and not (out and out[-1] == a):
            out.append(a)
        i += 1
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
