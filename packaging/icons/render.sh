#!/usr/bin/env bash
# Renders nestling.svg to the PNG sizes that are installed beside it (needs rsvg-convert from
# librsvg2-bin). The PNGs are committed, so a build does not need the renderer.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" nestling.svg -o "nestling-$size.png"
done
