#!/bin/sh
# Times `nestling-cli score --batch` on 100 000 names, the whole process: database load, scoring,
# output. The names are drawn (with a fixed seed) from the built-in character lists and a few
# surnames, one "SURNAME GIVEN" per line.
#   bench/score_batch.sh [build/release/bin/nestling-cli] [--db FILE]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$here/build/release/bin/nestling-cli}
[ $# -gt 0 ] && shift
names=$(mktemp)
trap 'rm -f "$names"' EXIT
python3 - "$here/data-src/lists" > "$names" <<'PY'
import random, sys
lists = sys.argv[1]
chars = [c for name in ("boys.txt", "girls.txt")
         for c in open(f"{lists}/{name}", encoding="utf-8").read() if not c.isspace()]
surnames = ["李", "王", "张", "刘", "陈", "杨", "赵", "黄", "周", "吴", "欧阳", "司马", "诸葛", "上官"]
random.seed(7)
for _ in range(100000):
    given = "".join(random.choice(chars) for _ in range(random.choice([1, 2, 2, 2])))
    print(random.choice(surnames), given)
PY
/usr/bin/time -f "score --batch, 100000 names: %e s wall, %U s user, %S s system" \
    "$cli" score --batch "$@" < "$names" > /dev/null
