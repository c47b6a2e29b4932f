#!/usr/bin/env bash
# Sets up, builds and starts Lumora.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build

erreichbar=false
if [[ -n "${WAYLAND_DISPLAY:-}" ]]; then
    erreichbar=true
elif [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
    erreichbar=true
fi
if ! $erreichbar; then
    echo "No display found; start Lumora under Xvfb with: xvfb-run -a -s '-screen 0 1280x1024x24 -dpi 96' build/bin/lumora"
    exit 1
fi
exec build/bin/lumora "$@"
