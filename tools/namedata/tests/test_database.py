"""Checks on a built database; set NAMEDATA_DB to its path (skipped otherwise)."""
import os
import sqlite3
import unittest

import _paths  # noqa: F401
from namedata import coverage, poems, schema
from namedata.cnword import list_chars

DB = os.environ.get("NAMEDATA_DB")


@unittest.skipUnless(DB, "NAMEDATA_DB not set")
class BuiltDatabase(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.con = sqlite3.connect(DB)

    def test_layout(self):
        tables = [r[0] for r in self.con.execute(
            "select name from sqlite_master where type='table' order by rowid")]
        self.assertEqual(tables, [n for n, _ in schema.TABLES])
        for (name, cols), count in zip(schema.TABLES, [16, 21, 10, 10, 4, 6, 5, 5, 5]):
            sql = self.con.execute("select sql from sqlite_master where name=?", (name,)).fetchone()[0]
            want = schema.create_sql(name, cols)   # sqlite keeps the text, upper-casing the verb
            self.assertEqual(sql.lower()[:13] + sql[13:], want)
            cur = self.con.execute(f"select * from {name} limit 1")
            self.assertEqual([d[0] for d in cur.description], [c for c, _ in cols])
            self.assertEqual(len(cur.description), count, name)

    def test_row_counts(self):
        def n(t, where=""):
            return self.con.execute(f"select count(*) from {t} {where}").fetchone()[0]
        self.assertGreaterEqual(n("XW_CNWord"), 6785)
        self.assertEqual(n("XW_八一灵动数"), 81)
        self.assertEqual([r[0] for r in self.con.execute("select Id from XW_八一灵动数")],
                         list(range(1, 82)))
        self.assertEqual(n("XW_三才配置"), 125)
        self.assertGreater(n("XW_全唐诗"), 50000)
        self.assertGreater(n("XW_Poet"), 3000)
        self.assertTrue(480 <= n("XW_百家姓") <= 520)
        self.assertGreater(n("XW_EName"), 8000)
        self.assertGreaterEqual(n("XW_EName", "where Mean <> ''"), 4000)
        basic = dict(self.con.execute("select 汉字, 基本解释 from XW_CNWord"))
        english = [c for c in coverage.naming_chars(_paths.SRC) if basic[c].startswith("（英文释义）")]
        self.assertEqual(english, [])
        self.assertEqual({r[0] for r in self.con.execute("select distinct 吉凶 from XW_三才配置")},
                         {"大吉", "吉", "中", "凶", "大凶"})

    def test_characters(self):
        rows = {r[0]: r for r in self.con.execute(
            "select 汉字, 繁体, 简体笔画数, 繁体笔画数, 部首, 五行属性, 拼音2, code from XW_CNWord")}
        kangxi = {"涵": 12, "李": 7, "明": 8, "华": 14, "张": 11, "王": 4, "刘": 15, "陈": 16,
                  "杨": 13, "黄": 12, "赵": 14, "吴": 7, "涛": 18, "瑶": 15, "朋": 8, "育": 10,
                  "酒": 10, "万": 15, "御": 11, "柴": 10}
        self.assertEqual({c: rows[c][3] for c in kangxi}, kangxi)
        radicals = {"涵": "氵", "刘": "刂", "剑": "刂", "李": "木", "王": "王", "朋": "月",
                    "枪": "木", "打": "扌"}
        self.assertEqual({c: rows[c][4] for c in radicals}, radicals)
        self.assertEqual(rows["涵"][7], 0xBAAD)
        self.assertEqual(rows["后"][1], "后")
        unusable = [c for c in list_chars(_paths.SRC)
                    if c not in rows or not rows[c][5] or rows[c][2] == 0]
        self.assertEqual(unusable, [])
        self.assertTrue(all(r[5] in "金木水火土" and r[5] for r in rows.values()))

    def test_lookup_texts(self):
        row = self.con.execute('select * from XW_CNWord where 汉字="涵"').fetchone()
        self.assertEqual(row[6], 12)
        self.assertTrue(self.con.execute('select * from XW_百家姓 where 姓="欧阳"').fetchone())
        poem = self.con.execute('select 内容 from XW_全唐诗 where 作者="李白"').fetchone()[0]
        self.assertTrue(set(poem) - set("，。") and all("\u4e00" <= c <= "\u9fff" or c in "，。"
                                                      for c in poem))
        self.assertEqual(self.con.execute(
            "select Poet from XW_Poet order by OrderId ASC limit 1").fetchone()[0], "白居易")

    def test_poem_name_characters(self):
        names = poems.name_list_chars(_paths.SRC)
        for text, marked in self.con.execute("select 内容, 首字母 from XW_全唐诗 limit 2000"):
            self.assertEqual(marked, poems.name_characters(text, names), text)


if __name__ == "__main__":
    unittest.main()
