#!/bin/sh
# Times the window program's start: how long after the process started its main window is first drawn
# (offscreen), and the CPU time the process (all its threads) has used by then, over RUNS starts, with
# settings and data folders of its own. Prints each start and the medians. On a loaded machine the wall
# time mostly measures the wait for a core; the CPU time stays comparable.
#   bench/window_start.sh [build/release/bin/nestling] [RUNS]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$here/build/release/bin/nestling}
runs=${2:-10}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
export HOME="$root/home" XDG_CONFIG_HOME="$root/config" XDG_DATA_HOME="$root/data" XDG_RUNTIME_DIR="$root/run"
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 NESTLING_START_CHECK=1
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
i=0
while [ "$i" -lt "$runs" ]; do
    line=$(timeout 120 "$program" | grep "first drawn")
    echo "$line"
    echo "$line" | sed -n 's/.*first drawn \([0-9-]*\) ms after start, \([0-9-]*\) ms of CPU.*/\1 \2/p' >> "$root/times"
    i=$((i + 1))
done
median() { sort -n | awk '{ t[NR] = $1 } END { printf "median %d ms (%d..%d)", t[int((NR + 1) / 2)], t[1], t[NR] }'; }
echo "window first drawn, $runs starts: $(cut -d' ' -f1 "$root/times" | median) after start;" \
    "$(cut -d' ' -f2 "$root/times" | median) of the process's CPU by then"
