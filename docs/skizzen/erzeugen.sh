#!/usr/bin/env bash
# Renders the sketch pictures of this folder from Skizzen.ZAV (position 1 a dowel row, 2 a dowel pair
# slab to wall, 3 a single dowel under a point load) with the command-line tool.
# Usage: docs/skizzen/erzeugen.sh [path to zavr-cli]   (default: build/release/cli/zavr-cli)
set -euo pipefail
cd "$(dirname "$0")"
cli="${1:-../../build/release/cli/zavr-cli}"
position=1
for fall in reihe paar einzel; do
  for ansicht in ansicht draufsicht schnitt reihe eingabe alle; do
    "$cli" sketch Skizzen.ZAV --position "$position" --view "$ansicht" -o "${fall}_${ansicht}.png"
  done
  position=$((position + 1))
done
