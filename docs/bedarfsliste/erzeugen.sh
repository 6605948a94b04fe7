#!/usr/bin/env bash
# Renders the printed parts list and tender text of examples/Beispiel.ZAV with the command-line tool and
# pdftoppm (poppler-utils). The tender text takes every position (--add-all). The PDF is laid out for
# 600 dpi; the pictures show it at 100 dpi.
# Usage: docs/bedarfsliste/erzeugen.sh [path to zavr-cli]   (default: build/release/cli/zavr-cli)
set -euo pipefail
cd "$(dirname "$0")"
cli="${1:-../../build/release/cli/zavr-cli}"
pdf="$(mktemp --suffix=.pdf)"
trap 'rm -f "$pdf"' EXIT
for art in stueckliste ausschreibung; do
  extra=()
  [ "$art" = ausschreibung ] && extra=(--add-all)
  LC_ALL=de_DE.UTF-8 "$cli" bill ../../examples/Beispiel.ZAV --kind "$art" "${extra[@]}" -o "$pdf"
  rm -f "seite-$art"-*.png
  pdftoppm -r 100 -png "$pdf" "seite-$art"
done
