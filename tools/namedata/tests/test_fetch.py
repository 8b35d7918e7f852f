import hashlib
import io
import os
import tarfile
import tempfile
import unittest
from unittest import mock

import _paths  # noqa: F401
from namedata import fetch


def make_tgz(path, files):
    with tarfile.open(path, "w:gz") as tar:
        for name, data in files.items():
            info = tarfile.TarInfo("package/" + name)
            info.size = len(data)
            tar.addfile(info, io.BytesIO(data))
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


class Refusal(unittest.TestCase):
    """A missing, changed or incomplete package stops the build with its name."""

    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.cache = self.tmp.name
        os.makedirs(os.path.join(self.cache, "npm"))
        self.tgz = os.path.join(self.cache, "npm", "fake-pkg-1.0.0.tgz")
        self.sha = make_tgz(self.tgz, {"data/a.json": b"{}", "data/b.json": b"[]"})

    def tearDown(self):
        self.tmp.cleanup()

    def fetch(self, entry, name="fake-pkg"):
        with mock.patch.dict(fetch.NPM, {name: entry}):
            return fetch.Fetcher(self.cache, log=lambda m: None, offline=True).npm(name)

    def test_good_package_extracts_only_wanted_paths(self):
        d = self.fetch(("1.0.0", self.sha, ["data/a.json"]))
        self.assertTrue(os.path.exists(os.path.join(d, "data/a.json")))
        self.assertFalse(os.path.exists(os.path.join(d, "data/b.json")))

    def test_a_pin_that_reads_more_extracts_again(self):
        self.fetch(("1.0.0", self.sha, ["data/a.json"]))
        d = self.fetch(("1.0.0", self.sha, ["data/a.json", "data/b.json"]))
        self.assertTrue(os.path.exists(os.path.join(d, "data/b.json")))

    def test_changed_tarball(self):
        with self.assertRaisesRegex(fetch.FetchError, r"fake-pkg@1\.0\.0.*changed"):
            self.fetch(("1.0.0", "0" * 64, ["data/a.json"]))

    def test_missing_path(self):
        with self.assertRaisesRegex(fetch.FetchError, r"fake-pkg@1\.0\.0.*missing data/c\*"):
            self.fetch(("1.0.0", self.sha, ["data/a.json", "data/c*"]))

    def test_missing_package(self):
        with self.assertRaisesRegex(fetch.FetchError, r"other-pkg@2\.0\.0.*not in the cache"):
            self.fetch(("2.0.0", self.sha, ["data/a.json"]), name="other-pkg")

    def test_wrong_installed_tool_version(self):
        with mock.patch.dict(fetch.TOOLS, {"opencc": ("opencc", "9.9.9")}, clear=True), \
                mock.patch.object(fetch, "installed_version", return_value="1.1.6+ds1-1"), \
                mock.patch.object(fetch.shutil, "which", return_value="/bin/true"):
            with self.assertRaisesRegex(fetch.FetchError, r"opencc: version 1\.1\.6\+ds1-1"):
                fetch.check_tools()

    def test_apt_data_package_not_installed(self):
        with mock.patch.dict(fetch.APT, {"fake-data": ("1.0-1", None, ["usr/share/x"])}), \
                mock.patch.object(fetch, "installed_version", return_value=None):
            with self.assertRaisesRegex(fetch.FetchError, r"fake-data=1\.0-1"):
                fetch.Fetcher(self.cache, offline=True).apt("fake-data")


if __name__ == "__main__":
    unittest.main()
