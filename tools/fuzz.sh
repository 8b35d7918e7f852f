#!/usr/bin/env bash
# Builds the libFuzzer harnesses (the san preset: clang with address and undefined sanitizers) and
# runs them one after the other, printing for each the executions, the seconds it ran and the rate. A
# finding stops the script with the harness's report and the input saved as build/san/crash-*.
#
#   tools/fuzz.sh                      # ten minutes per harness
#   tools/fuzz.sh 20                   # the smoke run of the test command
#   tools/fuzz.sh 3600 4               # an hour each, four workers per harness
#   tools/fuzz.sh --runs 10000000      # the long run: ten million inputs per harness, however long
#   tools/fuzz.sh --runs 10000000 --only FuzzCommandLine --seconds 1500
#                                      # one harness, stopped at whichever limit comes first
#
# Inputs a run finds are kept in build/san/tests/fuzz/corpus/<harness>/, so a later run goes on from
# there.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=""
runs=""
only=""
workers=1
positional=()
while [ $# -gt 0 ]; do
    case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --seconds) seconds="$2"; shift 2 ;;
    --only) only="$2"; shift 2 ;;
    --workers) workers="$2"; shift 2 ;;
    -h|--help) sed -n '2,15p' "$0"; exit 0 ;;
    *) positional+=("$1"); shift ;;
    esac
done
[ "${#positional[@]}" -ge 1 ] && seconds="${positional[0]}"
[ "${#positional[@]}" -ge 2 ] && workers="${positional[1]}"
[ -z "$seconds" ] && [ -z "$runs" ] && seconds=600
harnesses=(FuzzCodecs:codecs FuzzIniFile:ini FuzzSplitCharacters:split FuzzRecords:records
           FuzzBatchLine:batch FuzzReportTemplate:template FuzzCommandLine:cli)
cmake --preset san >/dev/null
# Only the harnesses: the preset's test programs and window tests are the test command's business.
cmake --build --preset san -j"$(nproc)" --target "${harnesses[@]%%:*}"
cd build/san
for entry in "${harnesses[@]}"; do
    name="${entry%%:*}"
    [ -n "$only" ] && [ "$only" != "$name" ] && continue
    corpus="tests/fuzz/corpus/${entry#*:}"
    mkdir -p "$corpus"
    limits=()
    [ -n "$seconds" ] && limits+=(-max_total_time="$seconds")
    [ -n "$runs" ] && limits+=(-runs="$runs")
    [ "$workers" -gt 1 ] && limits+=(-fork="$workers")
    echo "== $name ${runs:+$runs runs}${runs:+${seconds:+, }}${seconds:+$seconds s}"
    start=$(date +%s)
    "bin/$name" "${limits[@]}" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
        "$corpus" "../../tests/fuzz/corpus/${entry#*:}" 2>&1 |
        grep -E "stat::number_of_executed_units|ERROR|SUMMARY|check failed|Done [0-9]+ runs" || true
    status="${PIPESTATUS[0]}"
    elapsed=$(( $(date +%s) - start ))
    echo "   $name: ${elapsed} s, corpus $(ls "$corpus" | wc -l) inputs, exit $status"
    test "$status" -eq 0
done
