#!/usr/bin/env bash
# Builds the fuzz target with clang and libFuzzer in build-fuzz/ and runs it for the given
# number of seconds (default 60) from the seed corpus in tests/fuzz/korpus.
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden="${1:-60}"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLUMORA_FUZZ=ON -DLUMORA_SANITIZE=ON -DLUMORA_BUILD_UI=OFF >/dev/null
cmake --build build-fuzz --target lumora_fuzz

mkdir -p build-fuzz/korpus
echo "== Fuzzing for ${sekunden} s =="
build-fuzz/bin/lumora_fuzz -max_total_time="$sekunden" -timeout=5 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix=build-fuzz/ build-fuzz/korpus tests/fuzz/korpus \
    2>build-fuzz/fuzz.log || { tail -40 build-fuzz/fuzz.log; exit 1; }
grep -E "stat::number_of_executed_units|stat::peak_rss_mb" build-fuzz/fuzz.log
