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
# The installed tree: install into a temporary prefix and run the installed programs.
tools/check-install.sh build/ci

