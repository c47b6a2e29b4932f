#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: the Release build, the same tests built
# with AddressSanitizer and UndefinedBehaviorSanitizer, a static check of lifetimes and a
# minute of fuzzing.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh build
scripts/format.sh --check
# References and ranges that outlive the temporary they point into.
scripts/lebensdauer.sh build
scripts/setup.sh build-asan -DLUMORA_SANITIZE=ON -DLUMORA_BUILD_BENCH=OFF

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1
scripts/fuzz.sh "${LUMORA_FUZZ_SEKUNDEN:-60}"
# The end-to-end tests drive the real program on this X server.
source scripts/xvfb.sh
echo "== Tests with sanitizers =="
ctest --test-dir build-asan --output-on-failure -j 2 --timeout 600
echo "== Tests =="
ctest --test-dir build --output-on-failure -j 2 --timeout 600
