#!/usr/bin/env bash
# Installs the Debian packages the project needs, where missing, and configures and
# builds the given build directory. Usage: scripts/setup.sh BUILD_DIR [cmake options...]
# With LUMORA_WERROR=ON in the environment every warning is an error.
set -euo pipefail
cd "$(dirname "$0")/.."

PAKETE=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-svg-dev libgl-dev poppler-utils
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation fonts-dejavu-core
    clang libclang-rt-14-dev clang-tools-14
    locales xvfb xauth x11-utils xdotool libx11-dev
    appstream desktop-file-utils dpkg-dev file
    nlohmann-json3-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev lintian
    shared-mime-info
)

fehlend=()
for p in "${PAKETE[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if ((${#fehlend[@]})); then
    echo "Installing: ${fehlend[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${fehlend[@]}" >/dev/null
fi

# German and English locales, for the decimal separator of the water-content labels.
for loc in de_DE.UTF-8 en_US.UTF-8; do
    if ! locale -a 2>/dev/null | grep -qi "^${loc%%.*}\.utf-\?8$"; then
        sed -i "s/^# *${loc} UTF-8/${loc} UTF-8/" /etc/locale.gen
        locale-gen >/dev/null
    fi
done

bau="$1"
shift
# LUMORA_WERROR=ON in the environment (as CI sets it) turns warnings into errors.
cmake -S . -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMORA_WERROR="${LUMORA_WERROR:-OFF}" \
    "$@" >/dev/null
cmake --build "$bau" -j "$(nproc)"
