#!/usr/bin/env python3
"""Runs clang-tidy over the sources of a compile database, skipping the files whose last check passed
with the same inputs.

A file's key is a hash of its text, its compile command (with the checkout's and the build's folders
taken out, so a fresh clone on the same machine finds the results of another), the text of .clang-tidy,
clang-tidy's version and the files the compiler read for it: the build's dependency output (`ninja -t
deps`, or the .d file beside the object of a Makefile build), each file of the checkout by its text and
each system header by its size and time. A changed header so checks again only the sources that include
it. A source whose dependencies the build does not know (not built yet, or built before its last change)
is keyed by every header of the checkout instead, which is more than needed but never less. Passing files
leave an empty marker named by their key in the cache folder ($NESTLING_TIDY_CACHE, by default
nestling/tidy in $XDG_CACHE_HOME, ~/.cache: outside the checkout); a finding fails the run and leaves no marker.

usage: tidy_cached.py BUILD_DIR REGEX [--jobs N]
"""
import concurrent.futures
import functools
import hashlib
import json
import os
import pathlib
import re
import shlex
import subprocess
import sys


def headers_digest(root):
    h = hashlib.sha256()
    for folder in ("src", "tests", "bench", "tools"):
        for path in sorted((root / folder).rglob("*.h")):
            h.update(str(path.relative_to(root)).encode())
            h.update(path.read_bytes())
    return h.digest()


def ninja_deps(build):
    """Object path -> the files the compiler read for it, from the Ninja log of a built tree."""
    if not (build / "build.ninja").exists():
        return {}
    run = subprocess.run(["ninja", "-C", str(build), "-t", "deps"], capture_output=True, text=True)
    deps, current = {}, None
    for line in run.stdout.splitlines():
        if line and not line[0].isspace():
            target, _, state = line.partition(": #deps")
            # A stale entry predates the object's last change: its list may be out of date.
            current = None if "STALE" in state else deps.setdefault(os.path.normpath(build / target), [])
        elif line.strip() and current is not None:
            current.append(os.path.normpath(build / line.strip()))
    return deps


def depfile_deps(directory, obj):
    """The files of a Makefile build's depfile (OBJ.d) for an object, or None."""
    depfile = pathlib.Path(directory, obj + ".d")
    objfile = pathlib.Path(directory, obj)
    # Written with the object: one older than the object's sources may be out of date.
    if not depfile.exists() or not objfile.exists():
        return None
    text = depfile.read_text().replace("\\\n", " ")
    _, _, rest = text.partition(": ")
    names = re.findall(r"(?:\\ |[^\s])+", rest)
    return [os.path.normpath(pathlib.Path(directory, n.replace("\\ ", " "))) for n in names]


def object_of(entry):
    if "output" in entry:
        return entry["output"]
    words = entry.get("arguments") or shlex.split(entry["command"])
    return words[words.index("-o") + 1] if "-o" in words else None


@functools.lru_cache(maxsize=None)
def file_digest(path, root):
    """A file of the checkout by its text, any other by its size and time (system headers)."""
    p = pathlib.Path(path)
    try:
        if path.startswith(root + os.sep):
            return hashlib.sha256(p.read_bytes()).hexdigest()
        st = p.stat()
        return f"{st.st_size}:{st.st_mtime_ns}"
    except OSError:
        return "missing"


def dependencies_digest(deps, root, build):
    h = hashlib.sha256()
    for path in sorted(deps):
        h.update(path.replace(build, "BUILD").replace(root, "ROOT").encode())
        h.update(file_digest(path, root).encode())
    return h.digest()


def main():
    args = sys.argv[1:]
    jobs = os.cpu_count() or 2
    if "--jobs" in args:
        i = args.index("--jobs")
        jobs = int(args[i + 1])
        del args[i:i + 2]
    if len(args) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    build, pattern = pathlib.Path(args[0]).resolve(), re.compile(args[1])
    root = pathlib.Path.cwd().resolve()
    user_cache = pathlib.Path(os.environ.get("XDG_CACHE_HOME") or pathlib.Path.home() / ".cache")
    cache = pathlib.Path(os.environ.get("NESTLING_TIDY_CACHE", user_cache / "nestling" / "tidy"))
    cache.mkdir(parents=True, exist_ok=True)
    commands = json.loads((build / "compile_commands.json").read_text())
    common = hashlib.sha256()
    common.update((root / ".clang-tidy").read_bytes())
    common.update(subprocess.run(["clang-tidy", "--version"], capture_output=True, text=True).stdout.encode())
    known = ninja_deps(build)
    all_headers = None
    build_dir = str(build.resolve())

    work = []
    seen = set()
    unknown = 0
    for entry in commands:
        source = str(pathlib.Path(entry["directory"], entry["file"]).resolve())
        if not pattern.search(source) or source in seen:
            continue
        seen.add(source)
        command = entry.get("command") or " ".join(entry.get("arguments", []))
        obj = object_of(entry)
        deps = None
        if obj:
            deps = known.get(os.path.normpath(pathlib.Path(entry["directory"], obj)))
            if deps is None:
                deps = depfile_deps(entry["directory"], obj)
            if deps and os.path.getmtime(source) > os.path.getmtime(pathlib.Path(entry["directory"], obj)):
                deps = None
        h = common.copy()
        h.update(pathlib.Path(source).read_bytes())
        h.update(command.replace(build_dir, "BUILD").replace(str(root), "ROOT").encode())
        if deps:
            h.update(dependencies_digest(deps, str(root), build_dir))
        else:
            unknown += 1
            all_headers = all_headers or headers_digest(root)
            h.update(b"every header")
            h.update(all_headers)
        work.append((source, cache / h.hexdigest()))

    todo = [(s, m) for s, m in work if not m.exists()]
    print(f"tidy: {len(work)} sources, {len(work) - len(todo)} unchanged since a passing check, "
          f"{len(todo)} to check ({unknown} without the build's dependency list: keyed by every header)")

    def check(item):
        source, marker = item
        run = subprocess.run(["clang-tidy", "-p", str(build), "--quiet",
                              "-extra-arg=-Wno-unknown-warning-option", source],
                             capture_output=True, text=True)
        # clang-tidy prints "N warnings generated" for system headers even when it finds nothing of ours.
        findings = [line for line in run.stdout.splitlines() if re.search(r": (warning|error):", line)]
        if run.returncode == 0 and not findings:
            marker.touch()
            return source, None
        return source, run.stdout + run.stderr

    failed = 0
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        for source, output in pool.map(check, todo):
            if output is not None:
                failed += 1
                print(output)
    if failed:
        print(f"tidy: findings in {failed} files", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
