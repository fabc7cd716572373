#!/usr/bin/env bash
# Renders the icon (data/icons/shrink4.svg) into the PNG sizes of the hicolor icon theme.
# The PNGs are kept in the repository, so a build needs no SVG renderer; run this after
# changing the SVG (needs librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
mkdir -p png
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" shrink4.svg -o "png/$size.png"
done
# The Windows icon (the programs' and the installer's), from the same PNGs; needs ImageMagick.
convert png/16.png png/24.png png/32.png png/48.png png/64.png png/128.png png/256.png \
    ../../packaging/windows/shrink4.ico
