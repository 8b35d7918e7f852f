#!/usr/bin/env bash
# Builds Nestling with its database and starts the window program.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset release
cmake --build --preset release -j"$(nproc)"
exec build/release/bin/nestling
