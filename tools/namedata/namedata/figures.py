"""Figures in the word definitions of the character pages: lengths, heights, areas and people.

The word data lost the decimal point of many figures (华山 "海拔21605米" for 2160.5 米, 日本
"人口12527亿"). data-src/overrides/figures.tsv gives the figure to show for each one found by hand;
the check compares every figure followed by 米/平方千米/人 (and every 人口 figure) on a page with
the word data's own text and flags one that is neither that text nor a reviewed fix, a fix left
unapplied, and a figure that still looks like a lost decimal point.
"""
import os
import re

_NUM = r"\d+(?:\.\d+)?"
# 2160.5米, 12.14万平方千米, 2.2～4.5米, 1400万人, 人口1.2527亿
FIGURE = re.compile(rf"人口约?{_NUM}(?:万|亿)?|{_NUM}(?:[～~]{_NUM})?(?:万|亿)?(?:平方千米|千米|米|人)")

# Largest plausible values, in the unit the text uses.
_LIMITS = (
    # Canada, the second largest country, has 998 万 km²; Russia's 1 709 万 needs a reviewed line
    (re.compile(rf"^({_NUM})万平方千米$"), 999),
    (re.compile(rf"^({_NUM})平方千米$"), 17_100_000),
    (re.compile(rf"^({_NUM})亿千米$"), 60),            # the planets lie within 60 亿 km of the sun
    (re.compile(rf"^({_NUM})万千米$"), 60_000),
    (re.compile(rf"^人口约?({_NUM})亿$"), 14),          # no country holds more than 14 亿
    (re.compile(rf"^人口约?({_NUM})万$"), 30_000),
    (re.compile(rf"^({_NUM})亿人$"), 14),
)


def read_fixes(src):
    """{词: {原文: 改为}} from data-src/overrides/figures.tsv."""
    out = {}
    path = os.path.join(src, "overrides", "figures.tsv")
    if not os.path.exists(path):
        return out
    with open(path, encoding="utf-8") as f:
        for line in f:
            if not line.strip() or line.startswith("#"):
                continue
            word, original, right = line.rstrip("\n").split("\t")
            out.setdefault(word, {})[original] = right
    return out


def apply(word, text, fixes):
    """The text with the reviewed figures of the word put in."""
    for original, right in fixes.get(word, {}).items():
        text = re.sub(rf"(?<![\d.]){re.escape(original)}", right, text)
    return text


def looks_lost(figure, context=""):
    """Whether a figure reads like one whose decimal point was lost."""
    if re.search(r"(?<![\d.])0\d", figure):           # 075～12米
        return True
    if figure.endswith("米") and "海拔" in context[-6:]:
        return float(re.match(_NUM, figure).group()) > 8849
    for pattern, limit in _LIMITS:
        m = pattern.match(figure)
        if m:
            return float(m.group(1)) > limit
    return False


def findings(word, shown, source, fixes):
    """What the check says about the figures of one word: shown text against the word data's."""
    out = []
    reviewed = fixes.get(word, {})
    source_figures = set(FIGURE.findall(source))
    for m in FIGURE.finditer(shown):
        figure = m.group()
        if figure in reviewed and reviewed[figure] != figure:
            out.append(f"【{word}】{figure}: the reviewed fix {reviewed[figure]} is not applied")
        elif not any(f.startswith(figure) for f in source_figures) and figure not in reviewed.values():
            out.append(f"【{word}】{figure}: not the word data's figure and no reviewed fix")
        elif figure not in reviewed.values() and looks_lost(figure, shown[:m.start()]):
            out.append(f"【{word}】{figure}: looks like a lost decimal point")
    return out
