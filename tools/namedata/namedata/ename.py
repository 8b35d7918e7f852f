"""XW_EName: English given names with sex, index letters and a Chinese transliteration."""
import hashlib
import os
import re
import subprocess

from . import schema, translit
from .sources import read_tsv

Row = schema.row_type("XW_EName")

DIGRAPHS = ("sh", "ch", "th", "zh")


def read_names(path):
    with open(path, encoding="utf-8") as f:
        return [l.strip() for l in f if l.strip()]


def read_cmudict(path, wanted):
    want = {w.upper() for w in wanted}
    out = {}
    with open(path, encoding="latin-1") as f:
        for line in f:
            word, _, pron = line.rstrip("\n").partition("  ")
            if word in want and word not in out:
                out[word] = pron
    return out


def espeak_phones(names):
    """IPA from one espeak-ng run (one name per line), converted to ARPAbet."""
    if not names:
        return {}
    text = "".join(n + ".\n" for n in names)
    r = subprocess.run(["espeak-ng", "-v", "en-us", "-q", "--ipa"], input=text.encode("utf-8"),
                       capture_output=True, check=True)
    lines = [l.strip() for l in r.stdout.decode("utf-8").split("\n") if l.strip()]
    if len(lines) != len(names):            # fall back to one process per name
        lines = []
        for n in names:
            r = subprocess.run(["espeak-ng", "-v", "en-us", "-q", "--ipa", n],
                               capture_output=True, check=True)
            lines.append(r.stdout.decode("utf-8").strip())
    return {n: translit.ipa_to_phones(l) for n, l in zip(names, lines)}


ADDED_SEX = {"男": 1, "女": 2, "男女": 3}


def read_added_names(src):
    """Names parents choose today that the packaged lists lack: name -> sex bits (1 male, 2 female)."""
    out = {}
    for r in read_tsv(os.path.join(src, "english", "added-names.tsv"), 2):
        if r[0] and r[1] in ADDED_SEX:
            out[r[0]] = ADDED_SEX[r[1]]
        elif r[0]:
            raise RuntimeError(f"data-src/english/added-names.tsv: {r[0]}: sex must be 男, 女 or 男女")
    return out


def read_not_names(src):
    """Entries of the packaged lists that are no given names (data-src/english/not-names.txt)."""
    path = os.path.join(src, "english", "not-names.txt")
    if not os.path.exists(path):
        return set()
    with open(path, encoding="utf-8") as f:
        return {n for n in (line.split("#", 1)[0].strip() for line in f) if n}


def load_table(src):
    path = os.path.join(src, "english", "syllables.tsv")
    rows = read_tsv(path)
    if not rows:
        raise RuntimeError("data-src/english/syllables.tsv is missing")
    return translit.SyllableTable(rows)


def load_customary(src):
    """The hand-kept customary forms: name -> (form, feminine form or "")."""
    out = {}
    for r in read_tsv(os.path.join(src, "english", "customary.tsv"), 3):
        if r[0] and r[1]:
            out[r[0]] = (r[1], r[2])
    return out


def customary_form(customary, name, female):
    entry = customary.get(name)
    if entry is None:
        return None
    return entry[1] if female and entry[1] else entry[0]


def held_out(name):
    """The fixed half of the names (odd SHA-1 of the name) that no rule is tuned on: neither their
    CC-CEDICT forms nor their customary forms were looked at when the rules and the syllable table
    were written."""
    return int(hashlib.sha1(name.encode("utf-8")).hexdigest(), 16) % 2 == 1


def pick_form(name, female, customary, cedict_forms, ruled):
    """(Cnword, source): the customary form, else CC-CEDICT's established form, else the rule's."""
    form = customary_form(customary, name, female)
    if form:
        return form, "customary"
    if cedict_forms:
        return established_form(cedict_forms, ruled), "CC-CEDICT"
    return ruled, "rules"


def established_form(forms, fallback):
    """One of CC-CEDICT's forms of a name: the one that starts like our own, else the first in order."""
    ordered = sorted(forms)
    for f in ordered:
        if fallback and f[:1] == fallback[:1]:
            return f
    return ordered[0]


def cedict_names(cedict, names):
    """English given names that CC-CEDICT renders in Chinese: name -> set of forms."""
    names = set(names)
    out = {}
    for _t, s, _p, glosses in cedict:
        if not re.fullmatch(r"[\u4e00-\u9fff]{2,}", s):
            continue
        for g in glosses:
            low = g.lower()
            # "(name)", not "(Japanese surname)", nor a town's "(place name)"
            if not re.search(r"\bname\b", low) or "place name" in low:
                continue
            bare = re.sub(r"\s*\([^)]*\)\s*", "", g).strip()
            if bare in names:
                out.setdefault(bare, set()).add(s)
    return out


def agreement(results, reference):
    """(exact matches, matches of the first character, names compared)."""
    exact = first = 0
    for name, forms in reference.items():
        mine = results.get(name)
        if mine is None:
            continue
        if mine in forms:
            exact += 1
        if any(f[:1] == mine[:1] for f in forms):
            first += 1
    return exact, first, sum(1 for n in reference if n in results)


def pct(part, whole):
    return f"{100 * part / whole:.1f} %" if whole else "n/a"


def phones_for(names, cmu, espeak_fallback=True):
    phones, missing = {}, []
    for n in names:
        pron = cmu.get(n.upper())
        if pron:
            phones[n] = translit.cmu_to_phones(pron)
        else:
            missing.append(n)
    if espeak_fallback:
        phones.update(espeak_phones(missing))
    return phones, len(missing)


def build(ctx, warn):
    male = read_names(os.path.join(ctx.male_dir, "data/names.txt"))
    female = read_names(os.path.join(ctx.female_dir, "data/names.txt"))
    sex = {}
    for n in male:
        sex[n] = 1
    for n in female:
        sex[n] = 3 if sex.get(n) == 1 else 2
    for n, s in read_added_names(ctx.src).items():
        sex[n] = sex.get(n, 0) | s
    not_names = read_not_names(ctx.src)
    left_out = sum(1 for n in not_names if sex.pop(n, None) is not None)
    names = sorted(sex, key=lambda n: (n.lower(), n))
    cmu = read_cmudict(os.path.join(ctx.cmudict_dir, "data/dict.txt"), names)
    phones, n_espeak = phones_for(names, cmu)
    table = load_table(ctx.src)
    meanings = {}
    for r in read_tsv(os.path.join(ctx.src, "english", "meanings.tsv"), 4):
        if r[0] and r[0] != "Name":
            meanings.setdefault(r[0], r)
    customary = load_customary(ctx.src)
    if not customary:
        raise RuntimeError("data-src/english/customary.tsv is missing")
    ref = cedict_names(ctx.cedict, names)
    rows = []
    ours, ruled = {}, {}           # without CC-CEDICT: the customary table, then the rules; rules alone
    source = {"customary": 0, "CC-CEDICT": 0, "rules": 0}
    for i, n in enumerate(names, 1):
        low = n.lower()
        e2 = low[:2] if low[:2] in DIGRAPHS else ""
        female = sex[n] == 2
        ruled[n] = translit.transliterate(n, phones.get(n, []), table, female=female)
        ours[n] = customary_form(customary, n, female) or ruled[n]
        word, how = pick_form(n, female, customary, ref.get(n), ruled[n])
        source[how] += 1
        m = meanings.get(n, ["", "", "", ""])
        letters = sum(1 for ch in n if ch.isalpha())
        rows.append(Row(Id=i, EIndex=low[:1], EIndex2=e2, Name=n, NameLength=str(letters), Sex=sex[n],
                        Cnword=word, Morphology=m[3], Languag=m[2], Mean=m[1]))
    held = {n: f for n, f in ref.items() if held_out(n)}
    tuning = {n: f for n, f in ref.items() if not held_out(n)}
    if not meanings:
        warn("data-src/english/meanings.tsv missing: Mean, Languag and Morphology are empty")
    stats = {"male only": sum(1 for v in sex.values() if v == 1),
             "female only": sum(1 for v in sex.values() if v == 2),
             "both": sum(1 for v in sex.values() if v == 3),
             "phonemes from CMUdict": len(names) - n_espeak, "from espeak-ng": n_espeak,
             "not given names left out": left_out,
             "meanings from data-src": sum(1 for n in names if n in meanings),
             "Cnword from the customary table": source["customary"],
             "from CC-CEDICT": source["CC-CEDICT"], "from the syllable rules": source["rules"],
             "held-out CC-CEDICT names": len(held), "tuning-half CC-CEDICT names": len(tuning)}
    for half, ref_half in (("held-out", held), ("tuning-half", tuning)):
        for what, results in (("customary table + rules", ours), ("rules alone", ruled)):
            exact, first, total = agreement(results, ref_half)
            stats[f"{half} agreement ({what})"] = \
                f"{pct(exact, total)} exact, {pct(first, total)} first syllable"
    return rows, stats
