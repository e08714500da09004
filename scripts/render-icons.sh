#!/usr/bin/env bash
# Renders the PNG icons from the SVG one. The PNGs are committed, so that neither the build nor
# the package needs a renderer; run this after changing resources/desktop/icons/glyphwell.svg.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh icons
icons=resources/desktop/icons
# The sizes of GW_ICON_SIZES in CMakeLists.txt.
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" "$icons/glyphwell.svg" -o "$icons/${size}x${size}/glyphwell.png"
done
