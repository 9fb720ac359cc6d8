#!/usr/bin/env bash
# Renders the PNG sizes of the icon from its SVG; run after changing the SVG, then commit the PNGs.
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
../../scripts/setup.sh librsvg2-bin
for size in 16 24 32 48 64 128 256; do
    mkdir -p "hicolor/${size}x${size}"
    rsvg-convert -w "$size" -h "$size" org.zandorex.Zandorex.svg -o "hicolor/${size}x${size}/org.zandorex.Zandorex.png"
done
