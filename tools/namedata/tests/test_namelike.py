"""The real given names read from a word-frequency dictionary: what counts as a full name and what not."""
import os
import tempfile
import unittest

import _paths  # noqa: F401
from namedata import namelike


class RealGivenNames(unittest.TestCase):
    def test_full_names_give_their_given_names_and_pieces_of_text_do_not(self):
        lines = [
            "王子轩 5 nr", "李子轩 3 nr", "欧阳明月 4 nr",  # real names, a compound surname
            "诸葛亮 9 nr",                                  # a one-character given name
            "刘表 20 nr", "刘表遂 3 nr",                     # a name with the next word's character
            "毕节县 3 nr", "王先生 9 nr",                    # a place, a title
            "张三丰 2 nr",                                  # the lowest frequency
            "王子 50 n",                                    # not a person name
            "王语言 3 nr", "语言 7647 n",                    # a given name that is a common word
            "王特尔 3 nr", "特尔 10 nrt",                    # a foreign name
            "李浩歌 3 nr", "浩歌 5 n",                       # a rare word: a name
        ]
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "dict.txt")
            with open(path, "w", encoding="utf-8") as f:
                f.write("\n".join(lines) + "\n")
            names = namelike.real_given_names(path, {"王", "李", "欧阳", "诸葛", "刘", "毕", "张"})
        self.assertEqual(dict(names), {"子轩": 2, "明月": 1, "浩歌": 1})

    def test_rows_count_names_and_places(self):
        rows = namelike.rows_of(namelike.collections.Counter({"子轩": 2, "子涵": 1}), first_id=10)
        got = {(r.类别, r.词): r.级别 for r in rows}
        self.assertEqual(got, {("常见名", "子轩"): 2, ("常见名", "子涵"): 1, ("名首字", "子"): 2,
                               ("名末字", "轩"): 1, ("名末字", "涵"): 1})
        self.assertEqual([r.Id for r in rows], list(range(10, 15)))


if __name__ == "__main__":
    unittest.main()
