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
        rows = quality.unlucky_words(cedict, freq, self.senses, excluded=set())
        found = {w: (r, why) for w, r, why in rows}
        self.assertEqual(found["饭桶"], ("fan4 tong3", "骂人话"))
        self.assertEqual(found["膀胱"][1], "秽物")
        self.assertEqual(found["狐狸精"][0], "hu2 li5 jing1")
        for word in ("明月", "诗人", "李白", "屎", "冷门词"):
            self.assertNotIn(word, found)
        # "hot dog" holds the whole word "dog": the reviewed not-unlucky list is where it is let go.
        rows = quality.unlucky_words(cedict, freq, self.senses, excluded={"热狗"})
        self.assertNotIn("热狗", {w for w, _, _ in rows})

    def test_readings(self):
        self.assertEqual(quality.cedict_reading("lu:4 se4"), "lv4 se4")
        self.assertEqual(quality.cedict_reading("Du4 zi5"), "du4 zi5")
        self.assertIsNone(quality.cedict_reading("A A zhi4"))

    def test_hand_lists_are_well_formed(self):
        for phrase, reading, reason in quality.teasing_phrases(_paths.SRC):
            self.assertEqual(len(reading.split()), len(phrase))
            self.assertTrue(reason)
        poor = dict(quality.poor_characters(_paths.SRC, ["屎", "阴茎"]))
        self.assertEqual(poor["奴"], "本义是奴仆")
        self.assertEqual(poor["屎"], quality.UNSUITABLE_REASON)
        self.assertNotIn("阴茎", poor)


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
