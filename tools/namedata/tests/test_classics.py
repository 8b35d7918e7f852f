"""The classics of XW_经典 from a small copy of chinese-poetry's layout, converted by the real OpenCC."""
import json
import os
import shutil
import tempfile
import unittest

import _paths  # noqa: F401
from namedata import classics, sources


class Ctx:
    def __init__(self, poetry_dir, src):
        self.poetry_dir = poetry_dir
        self.src = src

    def opencc(self, lines, config):
        return sources.opencc(lines, config)


def write(root, rel, data):
    path = os.path.join(root, "dist", rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        json.dump(data, f, ensure_ascii=False)


@unittest.skipUnless(shutil.which("opencc"), "opencc not installed")
class Classics(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        root = os.path.join(cls.tmp.name, "poetry")
        src = os.path.join(cls.tmp.name, "src")
        os.makedirs(os.path.join(src, "lists"))
        os.makedirs(os.path.join(src, "classics"))
        with open(os.path.join(src, "lists", "boys.txt"), "w", encoding="utf-8") as f:
            f.write("明月")
        with open(os.path.join(src, "lists", "girls.txt"), "w", encoding="utf-8") as f:
            f.write("淑兮")
        with open(os.path.join(src, "classics", "famous-ci.tsv"), "w", encoding="utf-8") as f:
            f.write("# poet, tune, opening\n苏轼\t水调歌头\t明月几时有\n")
        write(root, "shijing/shijing.json", [
            {"title": "关雎", "chapter": "国风", "section": "周南", "content": ["关关雎鸠，在河之洲。", "窈窕淑女，君子好逑。"]},
            {"title": "鹿鸣", "chapter": "小雅", "section": "鹿鸣之什", "content": ["呦呦鹿鸣，食野之苹。"]},
            {"title": "清庙", "chapter": "周颂", "section": "清庙之什", "content": ["於穆清庙，肃雍显相。"]}])
        write(root, "chuci/chuci.json", [
            {"title": "湘夫人", "section": "九歌", "author": "屈原", "content": ["袅袅兮秋风，洞庭波兮木叶下。"]},
            {"title": "离骚", "section": "离骚", "author": "屈原", "content": ["索胡绳之纚々。"]}])
        write(root, "lunyu/lunyu.json", [{"chapter": "学而篇", "paragraphs": ["子曰：“学而时习之，不亦说乎？”", "曾子曰：“吾日三省吾身。”"]}])
        write(root, "songci/ci.song.0.json", [
            {"author": "无名氏", "rhythmic": "浣溪沙", "paragraphs": ["一曲新词酒一杯。"]},
            {"author": "苏轼", "rhythmic": "水调歌头", "paragraphs": ["落日绣帘卷，亭下水连空。"]},
            {"author": "苏轼", "rhythmic": "水调歌头", "paragraphs": ["明月几时有，把酒问青天。"]},
            {"author": "向子諲", "rhythmic": "人娇", "paragraphs": ["白似雪花，柔於柳絮。"]},
            {"author": "苏轼", "rhythmic": "江神子・江城子", "paragraphs": ["十年生死两茫茫。"]}])
        write(root, "songci/ci.song.2019y.json", [{"author": "甲", "rhythmic": "乙", "paragraphs": ["丙丁。"]}])
        cls.rows, cls.stats = classics.build(Ctx(root, src))

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def book(self, name):
        return [r for r in self.rows if r.书目 == name]

    def test_titles_groups_and_book_order(self):
        self.assertEqual([(r.分组, r.标题) for r in self.book("诗经")],
                         [("风", "国风·周南·关雎"), ("雅", "小雅·鹿鸣"), ("颂", "周颂·清庙")])
        self.assertEqual([(r.分组, r.标题, r.作者) for r in self.book("楚辞")],
                         [("屈原", "九歌·湘夫人", "屈原"), ("屈原", "离骚", "屈原")])
        self.assertEqual([(r.分组, r.标题, r.作者) for r in self.book("论语")],
                         [("学而", "学而·第一章", ""), ("学而", "学而·第二章", "")])
        # The famous ci first, then the poets with most ci, unknown authors last; the 2019y file is no book.
        self.assertEqual([r.标题 for r in self.book("宋词")],
                         ["水调歌头·明月几时有", "水调歌头·落日绣帘卷", "江神子·江城子·十年生死两茫茫",
                          "人娇·白似雪花", "浣溪沙·一曲新词酒一杯"])
        self.assertEqual([r.Id for r in self.rows], list(range(1, len(self.rows) + 1)))
        self.assertEqual(self.stats["宋词"], (5, 0))

    def test_text_is_simplified_and_cleaned_as_the_tang_poems(self):
        texts = {r.标题: r.内容 for r in self.rows}
        self.assertEqual(texts["人娇·白似雪花"], "白似雪花，柔于柳絮。")      # traditional-only 於 converted
        self.assertEqual(texts["周颂·清庙"], "於穆清庙，肃雍显相。")          # 於穆 is kept as written
        self.assertEqual(texts["离骚"], "索胡绳之纚纚。")                    # the iteration mark repeats
        self.assertEqual(texts["学而·第一章"], "子曰，学而时习之，不亦说乎。")  # quotes gone, marks made ，。
        marked = {r.标题: r.首字母 for r in self.rows}
        self.assertEqual(marked["国风·周南·关雎"], "淑")
        self.assertEqual(marked["九歌·湘夫人"], "兮")

    def test_a_famous_ci_missing_from_the_book_stops_the_build(self):
        with self.assertRaises(RuntimeError):
            classics.songci(os.path.join(self.tmp.name, "poetry", "dist"), [("苏轼", "大江东去")])

    def test_chinese_numbers(self):
        self.assertEqual([classics.chinese_number(n) for n in (1, 9, 10, 11, 20, 44)],
                         ["一", "九", "十", "十一", "二十", "四十四"])


if __name__ == "__main__":
    unittest.main()
