#!/usr/bin/env python3
"""Builds namedata.db through a cache outside the checkout, so a second build of the same inputs (another
preset, a fresh clone on the same machine) copies the database instead of generating it again.

The key is a hash of data-src/, the generator (tools/namedata without its tests; its pinned package
versions and their checksums live in namedata/fetch.py), the installed versions of the Debian packages
the generator reads or runs, the interpreter's and node's versions, and the generator's options. A
miss runs the generator and keeps its database under the key; a failed build keeps nothing.

usage: cached_namedata.py --out DB -- GENERATOR COMMAND...
The cache folder is $NESTLING_NAMEDATA_DB_CACHE, by default nestling/namedata-db in $XDG_CACHE_HOME
(~/.cache); the four most recently used databases are kept.
"""
import hashlib
import os
import pathlib
import re
import shutil
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
KEEP = 4
# Read or run by the generator besides what tools/namedata/install-deps.sh lists.
EXTRA_PACKAGES = ["rime-data-wubi", "libsqlite3-0"]


def hash_tree(h, folder, skip=()):
    for path in sorted(folder.rglob("*")):
        rel = path.relative_to(ROOT)
        if not path.is_file() or "__pycache__" in path.parts or any(part in skip for part in rel.parts):
            continue
        h.update(f"{rel}\0{path.stat().st_size}\0".encode())
        h.update(path.read_bytes())


def package_versions():
    script = (ROOT / "tools" / "namedata" / "install-deps.sh").read_text()
    found = re.search(r'^PKGS="([^"]*)"', script, re.M)
    packages = sorted(set((found.group(1).split() if found else []) + EXTRA_PACKAGES))
    run = subprocess.run(["dpkg-query", "-W", "-f", "${Package}=${Version}\n", *packages],
                         capture_output=True, text=True)
    return run.stdout


def tool_version(command):
    try:
        return subprocess.run(command, capture_output=True, text=True).stdout
    except FileNotFoundError:
        return "missing"


def cache_key(generator):
    h = hashlib.sha256()
    hash_tree(h, ROOT / "data-src")
    hash_tree(h, ROOT / "tools" / "namedata", skip=("tests",))
    h.update(package_versions().encode())
    h.update(sys.version.encode())
    h.update(tool_version(["node", "--version"]).encode())
    # The generator's options, its paths taken relative to the checkout (the cache folder of the
    # downloads and the output path do not change what is written).
    options = [a for a in generator if not os.path.isabs(a)]
    h.update("\0".join(options).encode())
    return h.hexdigest()


def copy_atomic(source, target):
    target.parent.mkdir(parents=True, exist_ok=True)
    partial = target.with_name(target.name + f".partial-{os.getpid()}")
    shutil.copyfile(source, partial)
    os.replace(partial, target)


def prune(cache):
    entries = sorted(cache.glob("*.db"), key=lambda p: p.stat().st_mtime, reverse=True)
    for old in entries[KEEP:]:
        old.unlink(missing_ok=True)


def main():
    args = sys.argv[1:]
    if len(args) < 4 or args[0] != "--out" or args[2] != "--":
        print(__doc__, file=sys.stderr)
        return 2
    out, generator = pathlib.Path(args[1]), args[3:]
    user_cache = pathlib.Path(os.environ.get("XDG_CACHE_HOME") or pathlib.Path.home() / ".cache")
    cache = pathlib.Path(os.environ.get("NESTLING_NAMEDATA_DB_CACHE", user_cache / "nestling" / "namedata-db"))
    cache.mkdir(parents=True, exist_ok=True)
    key = cache_key(generator)
    kept = cache / f"{key}.db"
    if kept.exists():
        copy_atomic(kept, out)
        os.utime(kept)
        print(f"namedata.db: unchanged inputs, copied from the cache ({key[:12]})")
        return 0
    print(f"namedata.db: inputs not in the cache ({key[:12]}), generating")
    status = subprocess.run(generator).returncode
    if status != 0 or not out.exists():
        return status or 1
    copy_atomic(out, kept)
    prune(cache)
    return 0


if __name__ == "__main__":
    sys.exit(main())
