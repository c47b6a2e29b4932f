#!/usr/bin/env bash
# Formats the C++ sources with clang-format; with --check, fails on any difference instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t dateien < <(git ls-files '*.cpp' '*.h')
if [[ "${1:-}" == "--check" ]]; then
    clang-format --dry-run --Werror "${dateien[@]}"
    echo "formatting: ok (${#dateien[@]} files)"
else
    clang-format -i "${dateien[@]}"
fi
