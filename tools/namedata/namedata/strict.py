"""Completeness of the hand-written texts (build.py --strict)."""
import os

from .cnword import list_chars
from .sources import read_tsv

ARTICLE_CATEGORIES = {
    "XW_育儿百科": ["备孕百科", "孕期百科", "分娩百科", "0-1岁百科", "1-3岁百科", "3-6岁百科", "孕育指南",
                "教育早知道", "胎教", "早教资源", "才艺培养", "游戏玩具", "智力开发", "行为心理", "学前教育",
                "母乳喂养", "人工喂养", "补钙攻略", "辅食添加", "营养元素", "食疗保健", "食谱大全", "饮食宜忌",
                "均衡营养", "护理保健", "生长发育", "体格检查", "预防免疫", "成人疾病", "儿科疾病", "药物手册",
                "出行安全", "用品安全", "家居安全", "宠物安全", "医药安全", "食品安全", "幼儿园安全"],
    "XW_算命风水": ["起名知识", "算命知识", "星座算命", "相术算命", "血型算命", "风水知识", "开运技巧"],
}

CLASSIC_TWO = {"classic-two-boys.txt": 2910, "classic-two-girls.txt": 2134}


def classic_entries(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    return [e.strip() for e in text.replace("，", ",").split(",") if e.strip()]


def strict_problems(src, chars, meanings, surname_rows, yr, sm, n81, sancai):
    problems = []
    for c in sorted(list_chars(src)):
        if c not in meanings:
            problems.append(f"character {c}: no meaning in data-src/meanings")
    written = {r[0]: r for r in read_tsv(os.path.join(src, "surnames.tsv"), 4)}
    for r in surname_rows:
        w = written.get(r.姓, ["", "", "", ""])
        for label, v in zip(("姓氏起源", "聚集地", "历史名人"), w[1:4]):
            if not v:
                problems.append(f"surname {r.姓}: {label} empty in data-src/surnames.tsv")
    for table, rows in (("XW_育儿百科", yr), ("XW_算命风水", sm)):
        per = {}
        for r in rows:
            if r.标题 and r.内容:
                per[r.分类标题] = per.get(r.分类标题, 0) + 1
        for cat in ARTICLE_CATEGORIES[table]:
            if per.get(cat, 0) < 3:
                problems.append(f"{table} {cat}: {per.get(cat, 0)} articles, at least 3 needed")
    for name, want in CLASSIC_TWO.items():
        path = os.path.join(src, "lists", name)
        if not os.path.exists(path):
            problems.append(f"data-src/lists/{name} missing")
            continue
        got = len(classic_entries(path))
        if got != want:
            problems.append(f"data-src/lists/{name}: {got} entries, {want} expected")
    for r in n81:
        if not all(r[r._fields.index("解释一"):]):
            problems.append(f"XW_八一灵动数 {r.Id}: empty text")
    for r in sancai:
        if not all(r[r._fields.index("解释一"):]):
            problems.append(f"XW_三才配置 {r.三才}: empty text")
    return problems
