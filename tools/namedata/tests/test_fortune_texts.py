"""The written texts of the 81 numbers and the three-talent configurations."""
import os
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


if __name__ == "__main__":
    unittest.main()
