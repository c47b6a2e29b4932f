#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer in build-fuzz/ and runs them, splitting the
# given number of seconds (default 60) between them: the press from tests/fuzz/korpus, the
# project reader from tests/fuzz/projekt_seeds, and the import of series and weather years
# (CSV, TRY, EPW) from tests/fuzz/reihen_seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden="${1:-60}"
drittel=$(((sekunden + 2) / 3))

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLUMORA_FUZZ=ON -DLUMORA_SANITIZE=ON -DLUMORA_BUILD_UI=OFF >/dev/null
cmake --build build-fuzz --target lumora_fuzz lumora_projekt_fuzz lumora_reihen_fuzz

# fuzz ZIEL KORPUS SAATEN: runs one target for a third of the time.
fuzz() {
    local ziel="$1" korpus="build-fuzz/$2" saaten="$3"
    mkdir -p "$korpus"
    echo "== Fuzzing ${ziel} for ${drittel} s =="
    "build-fuzz/bin/${ziel}" -max_total_time="$drittel" -timeout=5 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="build-fuzz/${ziel}-" "$korpus" "$saaten" \
        2>"build-fuzz/${ziel}.log" || { tail -40 "build-fuzz/${ziel}.log"; exit 1; }
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "build-fuzz/${ziel}.log"
}
fuzz lumora_fuzz korpus tests/fuzz/korpus
fuzz lumora_projekt_fuzz projekt_korpus tests/fuzz/projekt_seeds
fuzz lumora_reihen_fuzz reihen_korpus tests/fuzz/reihen_seeds
