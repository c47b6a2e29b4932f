#!/usr/bin/env bash
# Takes the picture of the chart window with the summer example that the AppStream data
# shows: the end-to-end test that finds the example's states and processes on the screen
# saves what it saw, under Xvfb, with German labels.
# Usage: scripts/screenshot.sh [BUILD_DIR [PNG]]; defaults build and data/screenshot-zustaende.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bau="${1:-build}"
ziel=$(realpath -m "${2:-data/screenshot-zustaende.png}")
cmake --build "$bau" -j 2 --target lumora_e2e_tests
set --  # xvfb.sh hands its arguments on to Xvfb
source scripts/xvfb.sh
LC_ALL=de_DE.UTF-8 LUMORA_BILDSCHIRMFOTO="$ziel" "$bau/bin/lumora_e2e_tests" \
    --gtest_filter='Projekte.StatesAndProcessesStandWhereTheyBelong'
echo "$ziel: $(stat -c %s "$ziel") bytes"
