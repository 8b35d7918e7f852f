#!/usr/bin/env python3
"""Runs clang-tidy over the sources of a compile database, skipping the files whose last check passed
with the same inputs.

A file's key is a hash of its text, its compile command (with the checkout's folder taken out, so a
fresh clone on the same machine finds the results of another), the text of .clang-tidy and the text
of every header of the checkout: a changed header checks every file again, which is more than needed
but never less. Passing files leave an empty marker named by their key in the cache folder
($NESTLING_TIDY_CACHE, by default ~/.cache/nestling/tidy, outside the checkout); a finding fails the
run and leaves no marker.

usage: tidy_cached.py BUILD_DIR REGEX [--jobs N]
"""
import concurrent.futures
import hashlib
import json
import os
import pathlib
import re
import subprocess
import sys


def headers_digest(root):
    h = hashlib.sha256()
    for folder in ("src", "tests", "bench", "tools"):
        for path in sorted((root / folder).rglob("*.h")):
            h.update(str(path.relative_to(root)).encode())
            h.update(path.read_bytes())
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
    build, pattern = pathlib.Path(args[0]), re.compile(args[1])
    root = pathlib.Path.cwd().resolve()
    cache = pathlib.Path(os.environ.get("NESTLING_TIDY_CACHE",
                                        pathlib.Path.home() / ".cache" / "nestling" / "tidy"))
    cache.mkdir(parents=True, exist_ok=True)
    commands = json.loads((build / "compile_commands.json").read_text())
    common = hashlib.sha256()
    common.update((root / ".clang-tidy").read_bytes())
    common.update(headers_digest(root))
    common.update(subprocess.run(["clang-tidy", "--version"], capture_output=True, text=True).stdout.encode())

    work = []
    seen = set()
    for entry in commands:
        source = str(pathlib.Path(entry["directory"], entry["file"]).resolve())
        if not pattern.search(source) or source in seen:
            continue
        seen.add(source)
        command = entry.get("command") or " ".join(entry.get("arguments", []))
        h = common.copy()
        h.update(pathlib.Path(source).read_bytes())
        h.update(command.replace(str(root), "ROOT").replace(str(build.resolve()), "BUILD").encode())
        work.append((source, cache / h.hexdigest()))

    todo = [(s, m) for s, m in work if not m.exists()]
    print(f"tidy: {len(work)} sources, {len(work) - len(todo)} unchanged since a passing check, "
          f"{len(todo)} to check")

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
