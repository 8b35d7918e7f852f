#!/usr/bin/env bash
# Builds Nestling with warnings as errors and its database, runs every test and checks the installed
# tree.
set -euo pipefail
cd "$(dirname "$0")/.."

# Each step's time, printed at the end, so the slow step shows in every log.
steps=()
step() {
    local name=$1 start=$SECONDS
    shift
    "$@"
    steps+=("$(printf '%5d s  %s' $((SECONDS - start)) "$name")")
}
trap 'printf "\nStep times:\n"; printf "  %s\n" "${steps[@]}"' EXIT

step "set-up" tools/install-deps.sh ccache
# A compiler cache outside the checkout, shared by every preset and by fresh clones on this machine:
# paths are taken relative to the checkout, so another clone's objects are found again.
export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
# The C++ sources follow .clang-format.
format_check() { git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror; }
step "clang-format" format_check
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
step "ci: configure" cmake --preset ci
step "ci: build" cmake --build --preset ci -j"$(nproc)"
step "ci: tests" ctest --preset ci -j"$(nproc)"
# clang-tidy with the checks of .clang-tidy (the naming convention among them) over our sources.
step "clang-tidy" tools/tidy.sh build/ci
# The installed tree: install into a temporary prefix and run the installed programs.
step "installed tree" tools/check-install.sh build/ci

# The core suites under the address and undefined-behaviour sanitizers, with the narrow suppressions of
# tools/sanitizers/. Only the core test programs are built: the window tests under the sanitizers are
# a separate, longer run (`ctest --preset asan` on a full asan build).
core_tests=(nestling_text_tests nestling_store_tests nestling_calendar_tests nestling_numerology_tests
            nestling_quality_tests nestling_naming_tests nestling_reports_tests nestling_app_tests
            nestling_cli_tests)
step "asan: configure" cmake --preset asan
step "asan: build" cmake --build --preset asan -j"$(nproc)" --target "${core_tests[@]}"
step "asan: tests" ctest --preset asan-core -j"$(nproc)"

# Each libFuzzer harness for a short smoke run (20 s), so a regression in the readers fails here.
step "fuzz: configure" cmake --preset fuzz
step "fuzz: build" cmake --build --preset fuzz -j"$(nproc)"
step "fuzz: smoke runs" ctest --preset fuzz -j"$(nproc)"
