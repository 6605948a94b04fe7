#!/usr/bin/env bash
# Renders the pages of the calculation proof for four positions of Nachweis.ZAV with the command-line tool
# and pdftoppm (poppler-utils): 1 a single dowel, 2 a dowel pair, 4 a row under an arbitrary line load,
# 5 a row of fifteen dowels slab to wall. The PDF is laid out for 600 dpi; the pictures show it at 150 dpi.
# Usage: docs/nachweis/erzeugen.sh [path to zavr-cli]   (default: build/release/cli/zavr-cli)
set -euo pipefail
cd "$(dirname "$0")"
cli="${1:-../../build/release/cli/zavr-cli}"
pdf="$(mktemp --suffix=.pdf)"
trap 'rm -f "$pdf"' EXIT
for fall in 1:einzel 2:paar 4:beliebig 5:reihe; do
  LC_ALL=de_DE.UTF-8 "$cli" report Nachweis.ZAV --position "${fall%%:*}" -o "$pdf"
  rm -f "${fall#*:}"-*.png
  pdftoppm -r 150 -png "$pdf" "${fall#*:}"
done
