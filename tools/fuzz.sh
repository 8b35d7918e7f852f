#!/usr/bin/env bash
# Builds the libFuzzer harnesses (the fuzz preset: clang with address and undefined sanitizers) and
# runs each for SECONDS (default 600), one after the other, printing its executions. A finding stops
# the script with the harness's report and the input saved as build/fuzz/crash-*.
#
#   tools/fuzz.sh            # ten minutes per harness
#   tools/fuzz.sh 20         # the smoke run of the test command
#   tools/fuzz.sh 3600 4     # an hour each, four workers per harness
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
workers="${2:-1}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"
harnesses=(FuzzCodecs:codecs FuzzIniFile:ini FuzzSplitCharacters:split FuzzRecords:records
           FuzzBatchLine:batch FuzzReportTemplate:template)
cd build/fuzz
for entry in "${harnesses[@]}"; do
    name="${entry%%:*}"
    corpus="tests/fuzz/corpus/${entry#*:}"
    mkdir -p "$corpus"
    echo "== $name, $seconds s"
    extra=()
    [ "$workers" -gt 1 ] && extra=(-fork="$workers")
    "bin/$name" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
        "${extra[@]}" "$corpus" "../../tests/fuzz/corpus/${entry#*:}" 2>&1 |
        grep -E "stat::number_of_executed_units|ERROR|SUMMARY|check failed|Done [0-9]+ runs" || true
    test "${PIPESTATUS[0]}" -eq 0
done
