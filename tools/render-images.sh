#!/usr/bin/env bash
# Renders the image sources to the PNGs the program embeds.
#
# resources/images/src/<folder>/<name>.svg  ->  resources/images/Images/<folder>/<name>.png
#
# The folder layout under src/ mirrors the resource paths (":/images/Images/<folder>/<name>.png"),
# spaces included. Each SVG's width and height attributes are its output size in pixels; the
# viewBox is the design grid, so an icon drawn on a 27 px grid with width="54" renders at 2x for
# widgets that scale it down. Text is set in TeX Gyre Heros (package fonts-texgyre).
#
# Usage: tools/render-images.sh [name-filter]    (needs rsvg-convert from librsvg2-bin)
# The build does not run this: re-run it after editing a source and commit both files.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
src="$root/resources/images/src"
out="$root/resources/images/Images"
filter=${1:-}

command -v rsvg-convert >/dev/null 2>&1 || {
    echo "render-images: rsvg-convert not found (apt-get install librsvg2-bin)" >&2
    exit 1
}

count=0
# Paths contain spaces: walk them NUL-separated, never word-split.
find "$src" -type f -name '*.svg' -print0 | sort -z | {
    while IFS= read -r -d '' svg; do
        rel=${svg#"$src"/}
        case "$rel" in *"$filter"*) ;; *) continue ;; esac
        png="$out/${rel%.svg}.png"
        mkdir -p "$(dirname "$png")"
        rsvg-convert --format=png --output="$png" "$svg"
        count=$((count + 1))
        echo "  $rel -> Images/${rel%.svg}.png"
    done
    echo "render-images: $count image(s) rendered"
}
