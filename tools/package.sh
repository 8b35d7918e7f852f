#!/usr/bin/env bash
# Builds the Debian package nestling_<version>_<arch>.deb into the top folder of the checkout and
# checks it with lintian. Install it with: sudo apt-get install ./nestling_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh dpkg-dev lintian
cmake --preset package
cmake --build --preset package -j"$(nproc)"
rm -f build/package/nestling_*.deb
cpack --preset package
deb=$(ls build/package/nestling_*.deb)
cp "$deb" .
# Errors fail the build; warnings and notes are shown.
lintian --fail-on error "$(basename "$deb")"
echo "Built $(basename "$deb")"
