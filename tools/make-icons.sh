#!/usr/bin/env bash
# Writes the program's icon at the hicolor theme's usual sizes (data/icons/NxN.png) from the 256-pixel
# picture the window uses, and copies the SVG beside them. Run after changing the icon; the results
# are kept in the repository, so the build needs no image tools.
set -euo pipefail
cd "$(dirname "$0")/.."
source=src/app/qt/icons/quorvane.png
for size in 16 22 24 32 48 64 128 256; do
  echo "icons: data/icons/${size}x${size}.png"
  convert "$source" -filter Lanczos -resize "${size}x${size}" -strip "data/icons/${size}x${size}.png"
done
cp src/app/qt/icons/quorvane.svg data/icons/scalable.svg
