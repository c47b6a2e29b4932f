#!/usr/bin/env bash
# Measures Lumora in a real X server (Xvfb, 96 dpi): the time from start to the dialog
# being shown, the peak memory after a default chart, and the benchmark's medians.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build >/dev/null

source scripts/xvfb.sh

# Waits until the command succeeds, polling every `takt` seconds; gives up with a message
# after `frist` seconds. Usage: warten FRIST TAKT WAS COMMAND...
warten() {
    local frist=$1 takt=$2 was=$3
    shift 3
    local ende=$((SECONDS + frist))
    until "$@" >/dev/null 2>&1; do
        if ((SECONDS >= ende)); then
            echo "scripts/messen.sh: $was did not appear within $frist s" >&2
            return 1
        fi
        sleep "$takt"
    done
}

start=$(date +%s%N)
build/bin/lumora &
lumora=$!
trap 'kill "$lumora" 2>/dev/null || true; xvfb_beenden' EXIT
warten 30 0.005 "the input dialog" xdotool search --onlyvisible --name '^Lumora - Anfangsdialog$'
echo "start to dialog shown: $(( ($(date +%s%N) - start) / 1000000 )) ms"

fenster=$(xdotool search --onlyvisible --name '^Lumora - Anfangsdialog$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$fenster")"
# The button's centre: cmd_Starte at (2760 + 3525/2, 4650 + 405/2) form units.
xdotool mousemove --sync $((X + 301)) $((Y + 323)) click 1
warten 30 0.01 "the chart window" xdotool search --onlyvisible --name '^Lumora  v'
sleep 0.5
echo "peak memory after a default chart: $(awk '/VmHWM/ {print int($2 / 1024)}' /proc/$lumora/status) MB"
kill "$lumora"

timeout 600 build/bin/lumora-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_color=false 2>&1 | grep -E "median|ratio"
