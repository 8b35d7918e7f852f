"""XW_全唐诗 and XW_Poet from chinese-poetry's Tang poems."""
import glob
import json
import os
import re

from . import cnword, rules, schema
from .sources import gbk_ok, is_gbk_hanzi


def _file_key(path):
    return int(re.search(r"poet\.tang\.(\d+)\.json$", path).group(1))


def merge_conversion(orig, conv):
    """Take the simplified text, keeping the original character wherever the
    converted one has no GBK code but the original has."""
    if len(orig) != len(conv):
        return conv if gbk_ok(conv) else orig
    return "".join(c if gbk_ok(c) or not gbk_ok(o) else o for o, c in zip(orig, conv))


def name_list_chars(src):
    """The characters of the boys' and the girls' list, the characters a name may be built of."""
    return cnword.list_chars(src, ("boys.txt", "girls.txt"))


def name_characters(text, name_chars):
    """The characters of the text that are on a name list, each once, in order of first appearance:
    the boxes the poem page ticks before the user chooses."""
    out = []
    for c in text:
        if c in name_chars and c not in out:
            out.append(c)
    return "".join(out)


def build(ctx):
    files = sorted(glob.glob(os.path.join(ctx.poetry_dir, "dist/quantangshi/poet.tang.*.json")),
                   key=_file_key)
    if len(files) < 50:
        raise RuntimeError(f"chinese-poetry: only {len(files)} poet.tang files")
    poems = []
    for path in files:
        with open(path, encoding="utf-8") as f:
            for p in json.load(f):
                poems.append((p.get("title") or "", p.get("author") or "",
                              "".join(p.get("paragraphs") or [])))
    flat = []
    for t, a, body in poems:
        flat += [t.replace("\n", " "), a.replace("\n", " "), body.replace("\n", "")]
    conv = ctx.opencc(flat, "t2s.json")
    name_chars = name_list_chars(ctx.src)
    kept, dropped = [], {"non-GBK or placeholder": 0, "empty": 0, "title or author": 0}
    for k, (t, a, body) in enumerate(poems):
        title = rules.clean_title(merge_conversion(flat[3 * k], conv[3 * k]))
        author = merge_conversion(flat[3 * k + 1], conv[3 * k + 1]).strip()
        text_s = merge_conversion(flat[3 * k + 2], conv[3 * k + 2])
        if not body.strip():
            dropped["empty"] += 1
            continue
        if not title:
            title = "句"                 # untitled fragments, as the collection titles the others
        if not author or not gbk_ok(title + author):
            dropped["title or author"] += 1
            continue
        text = rules.clean_poem(text_s, is_gbk_hanzi)
        if text is None:
            dropped["non-GBK or placeholder"] += 1
            continue
        kept.append((title, author, text))
    Poem, Poet = schema.row_type("XW_全唐诗"), schema.row_type("XW_Poet")
    rows = [Poem(Id=i, 标题=t, 作者=a, 内容=x, 首字母=name_characters(x, name_chars), 内容长度=len(x))
            for i, (t, a, x) in enumerate(kept, 1)]
    counts = {}
    for r in rows:
        counts[r.作者] = counts.get(r.作者, 0) + 1
    order = sorted(counts.items(), key=lambda kv: (-kv[1], kv[0].encode("gbk")))
    poets = [Poet(Id=i, Poet=a, PoemCount=str(n), OrderId=i) for i, (a, n) in enumerate(order, 1)]
    return rows, poets, {"source poems": len(poems), "dropped": dropped}
