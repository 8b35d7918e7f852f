import os
import tempfile
import unittest

import _paths  # noqa: F401
from namedata import coverage, schema
from namedata.strict import ARTICLE_CATEGORIES, strict_problems


class StrictTexts(unittest.TestCase):
    """The build refuses a database whose hand-written texts are missing or empty."""

    def make_src(self, root, meanings="明\t亮。\t\n", surnames="李\t源流\t各地\t李白\n", boys_names=2910):
        os.makedirs(os.path.join(root, "lists"))
        os.makedirs(os.path.join(root, "meanings"))
        for name, text in (("boys.txt", "明"), ("girls.txt", "明"), ("classic-one-boys.txt", "明"),
                           ("classic-one-girls.txt", "明"), ("classic-two-boys.txt", "明华," * boys_names),
                           ("classic-two-girls.txt", "明华," * 2134)):
            with open(os.path.join(root, "lists", name), "w", encoding="utf-8") as f:
                f.write(text + "\n")
        with open(os.path.join(root, "surnames.tsv"), "w", encoding="utf-8") as f:
            f.write(surnames)
        return {"明": meanings} if meanings else {}

    def problems(self, root, meanings, articles=3):
        def rows(table):
            cats = [c for c in ARTICLE_CATEGORIES[table] for _ in range(articles)]
            Article = schema.row_type(table)
            return [Article(i, "", cat, f"t{i}", "<p>x</p>") for i, cat in enumerate(cats)]
        yr, sm = rows("XW_育儿百科"), rows("XW_算命风水")
        n81 = [schema.row_type("XW_八一灵动数")(1, "大吉", "a", "b", "c", "d", "e", "f", "g", "h")]
        sancai = [schema.row_type("XW_三才配置")(1, "木火土", "大吉", *("x",) * 18)]
        surnames = [schema.row_type("XW_百家姓")(1, "李", "", "", "")]
        return strict_problems(root, None, meanings, surnames, yr, sm, n81, sancai)

    def test_complete_texts_pass(self):
        with tempfile.TemporaryDirectory() as root:
            self.assertEqual(self.problems(root, self.make_src(root)), [])

    def test_each_missing_text_is_named(self):
        cases = [
            ({"meanings": None}, 3, "character 明"),
            ({"surnames": "李\t源流\t\t李白\n"}, 3, "surname 李: 聚集地"),
            ({}, 2, "XW_育儿百科 备孕百科: 2 articles"),
            ({"boys_names": 2909}, 3, "classic-two-boys.txt: 2909 entries"),
        ]
        for kwargs, articles, expected in cases:
            with self.subTest(expected=expected), tempfile.TemporaryDirectory() as root:
                meanings = self.make_src(root, **kwargs)
                problems = self.problems(root, meanings, articles)
                self.assertTrue(any(expected in p for p in problems), problems)


class ChineseMeanings(unittest.TestCase):
    """Every character of the table and of the lists needs a Chinese meaning; classic names need
    one and a 寓意 for each of their characters."""

    def test_missing_meanings_and_morals_are_named(self):
        tgh = {"明": 1, "华": 2, "彧": 3000, "丏": 5000, "𫓧": 6000, "䶮": 6814}
        meanings = {"明": "明：亮。<BR>寓意光明。", "华": "华：繁盛。"}
        with tempfile.TemporaryDirectory() as root:
            os.makedirs(os.path.join(root, "lists"))
            for name in coverage.NAMING_LISTS:
                text = "明华,彧明" if name.startswith("classic-two") else "明"
                with open(os.path.join(root, "lists", name), "w", encoding="utf-8") as f:
                    f.write(text + "\n")
            # 䶮 has a two-byte GB18030 code outside GBK; 𫓧 has none
            self.assertEqual(coverage.dictionary_chars(tgh, root), set("明华彧丏䶮"))
            problems = coverage.problems(tgh, root, meanings)
            self.assertEqual(sum("character 彧" in p for p in problems), 1, problems)
            self.assertTrue(any(p.startswith("classic 明华: 华") for p in problems), problems)
            self.assertTrue(any(p.startswith("classic 彧明: 彧") for p in problems), problems)
            # every character of the table needs one, whatever its level; 𫓧 has no two-byte code
            self.assertTrue(any(p.startswith("character 丏: level-2") for p in problems), problems)
            self.assertTrue(any(p.startswith("character 䶮: level-3") for p in problems), problems)
            self.assertFalse(any("𫓧" in p for p in problems), problems)
            meanings["彧"] = "彧：有文采。<BR>寓意文采斐然。"
            meanings["华"] += "<BR>寓意才华出众。"
            meanings["丏"] = "丏：遮蔽。"
            meanings["䶮"] = "䶮：龙飞腾的样子。"
            self.assertEqual(coverage.problems(tgh, root, meanings), [])
            lines = coverage.report(tgh, root, meanings, [(1,) + ("",) * 8 + ("brave",)])
            self.assertIn("5 of 5 (level 1: 3 of 3, level 2: 1 of 1, level 3: 1 of 1)", lines[0])
            self.assertIn("5 of 5 required", next(line for line in lines if "required" in line))
            self.assertIn("4 of 4", next(line for line in lines if "classic names" in line))


if __name__ == "__main__":
    unittest.main()
