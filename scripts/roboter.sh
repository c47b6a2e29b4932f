#!/usr/bin/env bash
# Runs the robot user (tests/ui/roboter_test.cpp) under AddressSanitizer and
# UndefinedBehaviorSanitizer, round after round with a new seed each, until the time is up or a
# round fails. Usage: scripts/roboter.sh [SECONDS | ROUNDSx]   (default 300 seconds)
#   scripts/roboter.sh 3600   rounds for an hour
#   scripts/roboter.sh 20x    twenty rounds
# LUMORA_ROBOTER_AKTIONEN sets the actions per round (default 2000). A failed round prints its
# seed, its last actions and the command that replays it, and ends the script with 1.
set -euo pipefail
cd "$(dirname "$0")/.."
dauer="${1:-300}"
aktionen="${LUMORA_ROBOTER_AKTIONEN:-2000}"

if [[ ! -f build-asan/CMakeCache.txt ]]; then
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DLUMORA_WERROR="${LUMORA_WERROR:-OFF}" -DLUMORA_SANITIZE=ON -DLUMORA_BUILD_BENCH=OFF \
        >/dev/null
fi
cmake --build build-asan -j "$(nproc)" --target lumora_roboter_tests

export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
export LUMORA_ROBOTER_AKTIONEN="$aktionen"
if [[ "$dauer" == *x ]]; then
    runden="${dauer%x}"
    ende=0
else
    runden=0
    ende=$((SECONDS + dauer))
fi
runde=0
while ((runden > 0 ? runde < runden : SECONDS < ende)); do
    runde=$((runde + 1))
    seed=$(od -An -N6 -tu8 /dev/urandom | tr -d ' ')
    log="build-asan/roboter-${seed}.log"
    echo "== Round ${runde}: LUMORA_ROBOTER_SEED=${seed}, ${aktionen} actions =="
    if ! LUMORA_ROBOTER_SEED="$seed" build-asan/bin/lumora_roboter_tests >"$log" 2>&1; then
        tail -80 "$log"
        echo "Round ${runde} failed; the whole output is in ${log}. To replay:"
        echo "  LUMORA_ROBOTER_SEED=${seed} LUMORA_ROBOTER_AKTIONEN=${aktionen}" \
            "QT_QPA_PLATFORM=offscreen build-asan/bin/lumora_roboter_tests"
        exit 1
    fi
    rm -f "$log"
done
echo "${runde} rounds without a fault."
