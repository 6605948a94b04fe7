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

# The proof of the whole project: the cover page with the summary of every position.
LC_ALL=de_DE.UTF-8 "$cli" report Nachweis.ZAV --all -o "$pdf"
pdftoppm -r 150 -png -singlefile -f 1 -l 1 "$pdf" projekt

# A type with eight error lines: the first page's content goes on on a second page, under the header.
voll="$(mktemp --suffix=.ZAV)"
trap 'rm -f "$pdf" "$voll"' EXIT
fehler="DornErgebnisFehler_4_4.AnzTMeldungen=8"
for i in 0 1 2 3 4 5 6 7; do fehler+="\r\nDornErgebnisFehler_4_4.TMeldungen_$i=$((i + 1))"; done
sed -e "s/^DornErgebnisFehler_4_4.AnzTMeldungen=0\r\$/$fehler\r/" \
    -e "s/^DornErgebnis_4_4.TStatus=0\r\$/DornErgebnis_4_4.TStatus=1\r/" Nachweis.ZAV > "$voll"
LC_ALL=de_DE.UTF-8 "$cli" report "$voll" --position 4 -o "$pdf"
rm -f ueberlauf-*.png
pdftoppm -r 150 -png -f 1 -l 2 "$pdf" ueberlauf
