#!/usr/bin/env bash
# Reads the program's texts again into translations/lumora_en.ts and lists those still
# without an English translation. Usage: scripts/uebersetzungen.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
bau="${1:-build}"
cmake --build "$bau" --target update_translations | grep -v "^\[" || true
ts=translations/lumora_en.ts
offen=$(grep -c 'type="unfinished"' "$ts" || true)
echo "$offen text(s) without a translation in $ts"
if ((offen)); then
    grep -B2 'type="unfinished"' "$ts" | grep '<source>' | sed 's/^ *<source>/  /; s/<\/source>$//'
fi
