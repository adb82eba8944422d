#!/usr/bin/env bash
# Renders the deity pictures and the program icon from their SVG sources:
#   assets/deities/src/NN-name.svg  ->  assets/deities/NN-name.jpg (116x180, as the report window shows them)
#   assets/icon/scarabine.svg       ->  assets/icon/hicolor/NxN/apps/scarabine.png
# The rendered files are committed, so the build itself needs neither tool.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
rsvg="${RSVG_CONVERT:-rsvg-convert}"
# ImageMagick by full path: another program called "convert" may come first on PATH.
magick="${IMAGEMAGICK_CONVERT:-/usr/bin/convert}"

command -v "$rsvg" >/dev/null || { echo "rsvg-convert not found (Debian package librsvg2-bin)" >&2; exit 1; }
[ -x "$magick" ] || { echo "ImageMagick convert not found at $magick (Debian package imagemagick)" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

shopt -s nullglob
sources=("$root"/assets/deities/src/*.svg)
[ ${#sources[@]} -eq 12 ] || { echo "expected 12 deity sources, found ${#sources[@]}" >&2; exit 1; }

for svg in "${sources[@]}"; do
  stem="$(basename "$svg" .svg)"
  "$rsvg" --width 116 --height 180 "$svg" --output "$work/$stem.png"
  # Flattened onto the picture box colour in case a source ever gains transparency;
  # full-resolution chroma keeps the thin outlines crisp at this small size.
  "$magick" "$work/$stem.png" -background '#e4e2d8' -flatten -strip \
    -sampling-factor 1x1 -quality 90 "$root/assets/deities/$stem.jpg"
done

for n in 16 24 32 48 64 128 256; do
  dir="$root/assets/icon/hicolor/${n}x${n}/apps"
  mkdir -p "$dir"
  "$rsvg" --width "$n" --height "$n" "$root/assets/icon/scarabine.svg" --output "$dir/scarabine.png"
done

echo "Rendered ${#sources[@]} deity pictures and 7 icon sizes."
