"""The written texts of the 81 numbers and the three-talent configurations."""
import os
import re
import unittest

from _paths import SRC


def rows(name):
    with open(os.path.join(SRC, name), encoding="utf-8") as f:
        lines = [line.rstrip("\n").split("\t") for line in f if line.strip()]
    return lines[0], lines[1:]


class FortuneTexts(unittest.TestCase):
    def test_one_framing_per_entry_gbk_and_own_texts(self):
        for name, count in (("numbers81.tsv", 81), ("sancai.tsv", 125)):
            head, body = rows(name)
            self.assertEqual(len(body), count, name)
            for r in body:
                self.assertEqual(len(r), len(head), (name, r[0]))
                self.assertLessEqual(sum(c.count("传统上") for c in r), 1, (name, r[0]))
                for c in r:
                    c.encode("gbk")
            for i, col in enumerate(head[2:], 2):
                self.assertEqual(len({r[i] for r in body}), count, (name, col))

    def test_no_fate_and_no_judgement_by_sex(self):
        # A bad number or configuration names its traditional label and a tendency, never a fate.
        fates = ("死", "亡", "灾", "祸", "病", "罹难", "破家", "短命", "夭", "丧", "离婚", "骨肉", "意外事故")
        for name in ("numbers81.tsv", "sancai.tsv"):
            _head, body = rows(name)
            for r in body:
                text = "".join(r[2:])
                for word in fates + ("女性", "男性", "女子", "男子"):
                    self.assertNotIn(word, text, (name, r[0]))

    def test_three_talent_sentences_are_not_repeated(self):
        _head, body = rows("sancai.tsv")
        seen = {}
        for r in body:
            for s in {s for cell in r[2:] for s in re.split("[。！？；]", cell) if s.strip()}:
                seen.setdefault(s, []).append(r[0])
        worst = max(seen.items(), key=lambda kv: len(kv[1]))
        self.assertLessEqual(len(worst[1]), 3, worst)

    def test_number_texts_open_in_their_own_words(self):
        head, body = rows("numbers81.tsv")
        col = head.index("解释三")
        openings = {}
        for r in body:
            openings.setdefault(r[col][:4], []).append(r[0])
        worst = max(openings.items(), key=lambda kv: len(kv[1]))
        self.assertLessEqual(len(worst[1]), 3, worst)


if __name__ == "__main__":
    unittest.main()
