#!/usr/bin/env bash
# Renders the program's icon from its one drawing into the PNG sizes of the
# hicolor icon theme: render-icons.sh DRAWING.svg OUTDIR NAME SIZE... writes
# OUTDIR/<size>x<size>/apps/NAME.png for each size. The build runs it, so the
# PNGs always follow the drawing and never live in the repository themselves.
set -euo pipefail

if [ $# -lt 4 ]; then
  echo "Aufruf: $0 ZEICHNUNG.svg AUSGABEORDNER NAME GROESSE..." >&2
  exit 2
fi
zeichnung=$1
ausgabe=$2
name=$3
shift 3

for groesse in "$@"; do
  ordner="$ausgabe/${groesse}x${groesse}/apps"
  mkdir -p "$ordner"
  # Written beside the target and renamed: a failed run leaves no half icon.
  rsvg-convert --width "$groesse" --height "$groesse" --keep-aspect-ratio \
    --format png --output "$ordner/$name.png.tmp" "$zeichnung"
  mv "$ordner/$name.png.tmp" "$ordner/$name.png"
done
