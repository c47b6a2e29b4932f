#!/usr/bin/env bash
# Static check for the class of faults where something outlives the temporary it points into:
# a range-for over a member call on a temporary (`for (auto& [k, v] : f().items())`), and a
# reference or pointer bound to a member call's result on a temporary. The pattern is in
# scripts/lebensdauer.query; clang-query runs it over every source file of the project.
# Usage: scripts/lebensdauer.sh [BUILD_DIR]  (a configured build with compile_commands.json)
# clang parses the GCC build's commands: it is told to pass over GCC's own warning options and
# not to turn warnings into errors, which the compiler itself reports.
set -euo pipefail
cd "$(dirname "$0")/.."
bau="${1:-build}"
if [[ ! -f "$bau/compile_commands.json" ]]; then
    echo "lebensdauer: $bau/compile_commands.json fehlt; zuerst scripts/setup.sh $bau" >&2
    exit 2
fi
abfrage="$PWD/scripts/lebensdauer.query"
abfrager=$(command -v clang-query || command -v clang-query-14 || true)
if [[ -z "$abfrager" ]]; then
    echo "lebensdauer: clang-query fehlt (Paket clang-tools-14); zuerst scripts/setup.sh" >&2
    exit 2
fi
ausgabe=$(mktemp)
trap 'rm -f "$ausgabe"' EXIT
# The project's own sources, not Qt's generated ones.
git ls-files 'core/*.cpp' 'chart/*.cpp' 'projekt/*.cpp' 'bild/*.cpp' 'ui/*.cpp' 'app/*.cpp' \
    'tools/*.cpp' 'tests/*.cpp' 'bench/*.cpp' |
    while read -r f; do grep -q "\"file\": \"$PWD/$f\"" "$bau/compile_commands.json" && echo "$f"; done |
    xargs -P "$(nproc)" -n 8 "$abfrager" -p "$bau" -f "$abfrage" \
        --extra-arg=-Wno-unknown-warning-option --extra-arg=-Wno-error 2>&1 |
    grep -E '(binds here|error:)' | grep -v '"root" binds here' >"$ausgabe" || true
if [[ -s "$ausgabe" ]]; then
    cat "$ausgabe"
    echo "lebensdauer: $(wc -l <"$ausgabe") Stelle(n) gefunden" >&2
    exit 1
fi
echo "lebensdauer: keine Stelle gefunden"
