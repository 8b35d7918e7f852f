#!/usr/bin/env bash
# Builds Nestling with warnings as errors and its database, runs every test and checks the installed
# tree.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
# The C++ sources follow .clang-format.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
export QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1
cmake --preset ci
cmake --build --preset ci -j"$(nproc)"
ctest --preset ci -j"$(nproc)"
# clang-tidy with the checks of .clang-tidy (the naming convention among them) over our sources.
tools/tidy.sh build/ci
# The installed tree: install into a temporary prefix and run the installed programs.
tools/check-install.sh build/ci

# The core suites under the address and undefined-behaviour sanitizers, with the narrow suppressions of
# tools/sanitizers/. Only the core test programs are built: the window tests under the sanitizers are
# a separate, longer run (`ctest --preset asan` on a full asan build).
core_tests=(nestling_text_tests nestling_store_tests nestling_calendar_tests nestling_numerology_tests
            nestling_naming_tests nestling_reports_tests nestling_app_tests nestling_cli_tests)
cmake --preset asan
cmake --build --preset asan -j"$(nproc)" --target "${core_tests[@]}"
ctest --preset asan-core -j"$(nproc)"

# Each libFuzzer harness for a short smoke run (20 s), so a regression in the readers fails here.
cmake --preset fuzz
cmake --build --preset fuzz -j"$(nproc)"
ctest --preset fuzz -j"$(nproc)"
