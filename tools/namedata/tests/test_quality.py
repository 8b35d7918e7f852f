import unittest

import _paths  # noqa: F401
from namedata import quality


def entry(simp, pinyin, *glosses):
    return (simp, simp, pinyin, list(glosses))


class UnluckyWords(unittest.TestCase):
    def setUp(self):
        self.senses = quality.read_senses(_paths.SRC)

    def test_senses_pick_unlucky_words_and_leave_the_rest(self):
        cedict = [
            entry("饭桶", "fan4 tong3", "rice tub", "(fig.) fathead", "a good-for-nothing"),
            entry("膀胱", "pang2 guang1", "urinary bladder"),
            entry("狐狸精", "hu2 li5 jing1", "fox-spirit", "vixen"),
            entry("明月", "ming2 yue4", "bright moon"),
            entry("诗人", "shi1 ren2", "bard; poet"),
            entry("热狗", "re4 gou3", "hot dog (loanword)"),   # "dog" only inside a phrase ...
            entry("李白", "Li3 Bai2", "Li Bai (701-762), Tang poet"),  # a proper name
            entry("屎", "shi3", "feces"),                      # one character: no window
            entry("冷门词", "leng3 men2 ci2", "idiot"),         # too rare to tease with
        ]
        freq = {e[1]: 1000 for e in cedict}
        freq["冷门词"] = 1
        rows = quality.unlucky_words(cedict, freq, self.senses, excluded=set(), min_count=20)
        found = {w: (r, why) for w, r, why, _count in rows}
        self.assertEqual(found["饭桶"], ("fan4 tong3", "骂人话"))
        self.assertEqual(found["膀胱"][1], "秽物")
        self.assertEqual(found["狐狸精"][0], "hu2 li5 jing1")
        for word in ("明月", "诗人", "李白", "屎", "冷门词"):
            self.assertNotIn(word, found)
        # "hot dog" holds the whole word "dog": the reviewed not-unlucky list is where it is let go.
        rows = quality.unlucky_words(cedict, freq, self.senses, excluded={"热狗"})
        self.assertNotIn("热狗", {w for w, _, _, _ in rows})
        # Every word keeps its count: the program warns of a rare one only where it is written.
        self.assertEqual({w: c for w, _, _, c in rows}["冷门词"], 1)

    def test_readings(self):
        self.assertEqual(quality.cedict_reading("lu:4 se4"), "lv4 se4")
        self.assertEqual(quality.cedict_reading("Du4 zi5"), "du4 zi5")
        self.assertIsNone(quality.cedict_reading("A A zhi4"))

    def test_hand_lists_are_well_formed(self):
        for phrase, reading, reason, _count in quality.teasing_phrases(_paths.SRC):
            self.assertEqual(len(reading.split()), len(phrase))
            self.assertTrue(reason)
        poor = dict(quality.poor_characters(_paths.SRC, ["屎", "阴茎"]))
        self.assertEqual(poor["奴"], "本义是奴仆")
        self.assertEqual(poor["屎"], quality.UNSUITABLE_REASON)
        self.assertNotIn("阴茎", poor)


class WordReadingsAndNamesakes(unittest.TestCase):
    def test_word_readings_where_the_word_reads_a_character_otherwise(self):
        from namedata import readings
        self.assertEqual(readings.marked("lv4"), "lǜ")
        self.assertEqual(readings.marked("chang2"), "cháng")
        self.assertEqual(readings.marked("zi5"), "zi")
        cedict = [entry("长", "chang2", "long"), entry("长", "zhang3", "chief"),
                  entry("长乐", "Chang2 le4", "Changle"), entry("长大", "zhang3 da4", "to grow up"),
                  entry("重阳", "Chong2 yang2", "Double Ninth"), entry("重", "chong2", "again"),
                  entry("重", "zhong4", "heavy"), entry("明月", "ming2 yue4", "bright moon"),
                  entry("朝阳", "zhao1 yang2", "morning sun"), entry("朝阳", "chao2 yang2", "facing the sun"),
                  entry("朝", "zhao1", "morning"), entry("朝", "chao2", "facing")]
        unihan = {"kMandarin": {}, "kHanyuPinyin": {}}
        own = {"长": "zhǎng", "乐": "lè", "大": "dà", "重": "zhòng", "阳": "yáng", "明": "míng",
               "月": "yuè", "朝": "cháo"}
        rows = dict(readings.word_readings(cedict, unihan, own.get))
        self.assertEqual(rows, {"长乐": "cháng lè", "重阳": "chóng yáng"})  # 朝阳: two readings

    def test_famous_names_leave_words_places_and_titles_out(self):
        from namedata import namesakes
        jieba = {"李娜": (438, "nr"), "刘德华": (37, "nr"), "德华": (29, "nz"), "黎明": (670, "nr"),
                 "李先生": (300, "nr"), "秦皇岛": (153, "nr"), "王小明": (5, "nr"), "张大路": (90, "nr")}
        cedict = [entry("黎明", "li2 ming2", "dawn"),
                  ("秦皇岛", "秦皇岛", "Qin2 huang2 dao3", ["Qinhuangdao prefecture-level city"])]
        chars = set("娜德华明先生皇岛小大路")
        found = dict(namesakes.famous_names(jieba, {"李", "刘", "黎", "秦", "王", "张"}, cedict, chars))
        self.assertEqual(found, {"李娜": 438, "刘德华": 37})


class Levels(unittest.TestCase):
    def test_tgh_levels_and_name_readings(self):
        self.assertEqual(quality.tgh_levels({"一": 1, "彧": 3501, "燊": 6501}),
                         {"一": 1, "彧": 2, "燊": 3})
        unihan = {"kMandarin": {"子": "zi", "长": "zhǎng cháng"},
                  "kHanyuPinyin": {"子": "10.12:zǐ,zi"}}
        readings = {"子": "zi", "长": "zhǎng"}
        self.assertEqual(quality.name_reading("子", unihan, readings), "zǐ")
        self.assertEqual(quality.name_reading("长", unihan, readings), "zhǎng")
        self.assertEqual(quality.name_reading("鑫", unihan, readings), "")


if __name__ == "__main__":
    unittest.main()
