"""Figures and senses on the character pages: lost decimal points, misleading and offensive senses."""
import json
import os
import tempfile
import unittest

import _paths  # noqa: F401  (puts the generator on the path)
from namedata import cnword, figures


class Figures(unittest.TestCase):
    FIXES = {"华山": {"21605米": "2160.5米"}}

    def test_lost_decimal_points_are_flagged(self):
        cases = [  # (shown text, flagged)
            ("主峰海拔21605米。", True),
            ("面积1214万平方千米。", True),
            ("人口12527亿(1995年)。", True),
            ("人口60283万。", True),
            ("体长09～12米。", True),
            ("距地球384401万千米。", True),
            ("主峰汉阳峰，海拔1474米。", False),
            ("长3530千米，注入里海。", False),
            ("面积2740平方千米。", False),
        ]
        for shown, flagged in cases:
            with self.subTest(shown=shown):
                found = figures.findings("词", shown, shown, {})
                self.assertEqual(bool(found), flagged, found)

    def test_shown_figures_are_compared_with_the_word_data(self):
        source = "主峰亦称太华山，海拔21605米。"
        fixed = figures.apply("华山", source, self.FIXES)
        self.assertEqual(fixed, "主峰亦称太华山，海拔2160.5米。")
        self.assertEqual(figures.findings("华山", fixed, source, self.FIXES), [])
        self.assertIn("not applied", figures.findings("华山", source, source, self.FIXES)[0])
        self.assertIn("not the word data's", figures.findings("华山", "海拔2160米。", source, {})[0])

    def test_reviewed_table_reads_and_passes_the_check(self):
        fixes = figures.read_fixes(_paths.SRC)
        self.assertEqual(fixes["日本"]["人口12527亿"], "人口1.2527亿")
        for word, pairs in fixes.items():
            for original, right in pairs.items():
                self.assertEqual(original.replace(".", ""), right.replace(".", ""), word)
                self.assertEqual(figures.findings(word, right, original, fixes), [], word)


class WordSenses(unittest.TestCase):
    """A character page shows no insult and no sense that misleads."""

    def page(self, c, words, freq):
        with tempfile.TemporaryDirectory() as d:
            with open(os.path.join(d, c + ".json"), "w", encoding="utf-8") as f:
                json.dump(words, f, ensure_ascii=False)
            return cnword.detailed(c, d, freq, page=cnword.PageRules(_paths.SRC))

    def test_reviewed_and_left_out_senses(self):
        text = self.page("王", {"王八": "1.用为詈词。 \n2.龟和鳖的俗称。", "王朝": "朝代。", "王子": "国王的儿子。"},
                         {"王八": 50, "王朝": 40, "王子": 30})
        self.assertNotIn("王八", text)
        self.assertIn("【王朝】", text)
        text = self.page("青", {"青岛": "1.草木青翠的岛屿。", "青楼": "①豪华的楼房②指妓院",
                               "青年": "指人十五六岁到三十岁左右的阶段。"}, {"青岛": 50, "青楼": 40, "青年": 30})
        self.assertIn("【青岛】山东省", text)
        self.assertNotIn("青楼", text)
        text = self.page("学", {"学堂": "1.学校的旧称。 \n2.命相家术语，指人面近于耳门之前处。",
                               "学生": "在学校读书的人。"}, {"学堂": 50, "学生": 40})
        self.assertIn("【学堂】学校的旧称。", text)
        self.assertNotIn("命相", text)

    def test_fortune_tellers_terms_are_passed_over(self):
        self.assertEqual(cnword.first_sense("1.学校的旧称。 \n2.命相家术语，指人面近于耳门之前处。"), "学校的旧称。")


if __name__ == "__main__":
    unittest.main()
