#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the C++ sources of a configured build (its
# compile_commands.json) and fails on any finding. Results are cached outside the checkout.
#   tools/tidy.sh BUILD_DIR                 every source of the build
#   tools/tidy.sh BUILD_DIR --since REF     only the sources of the libraries changed since REF
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: tools/tidy.sh BUILD_DIR [--since REF]}
root=$(pwd -P)
# Only our own sources: not the generated ones of the build folder.
filter="^$root/(src|tests|bench|tools)/"
if [[ ${2:-} == --since ]]; then
    ref=${3:?--since needs a git revision}
    # A changed file counts for its whole folder: a header change reaches every source beside it.
    folders=$(git diff --name-only "$ref" -- '*.cpp' '*.h' | xargs -r -n1 dirname | sort -u | paste -sd'|')
    if [[ -z $folders ]]; then
        echo "tidy: no C++ source changed since $ref"
        exit 0
    fi
    filter="^$root/($folders)/"
fi
if [[ ! -f $build/compile_commands.json ]]; then
    echo "tidy: $build/compile_commands.json is missing (configure with CMAKE_EXPORT_COMPILE_COMMANDS=ON)" >&2
    exit 2
fi
# GCC-only warning flags in the compile commands are not clang's business (the script passes
# -Wno-unknown-warning-option). A file whose inputs are unchanged since its last passing check is not
# checked again (tools/tidy_cached.py says what the key holds).
python3 tools/tidy_cached.py "$build" "$filter" --jobs "$(nproc)"
