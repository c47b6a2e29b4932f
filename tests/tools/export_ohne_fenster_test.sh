#!/usr/bin/env bash
# lumora-export links no Qt Widgets (nor anything else of a window toolkit beyond Qt Gui) and
# draws a project into PNG, SVG and PDF with no display and no platform named.
# Usage: export_ohne_fenster_test.sh LUMORA_EXPORT BEISPIELORDNER
set -euo pipefail
programm="$1"
beispiele="$2"
fehler=0

if ldd "$programm" | grep -E 'libQt6(Widgets|PrintSupport)'; then
    echo "FEHLER: $programm linkt Qt Widgets" >&2
    fehler=1
fi

ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
if ! env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$programm" \
    "$beispiele/sommerfall.lumora" -o "$ordner/s.png" -o "$ordner/s.svg" -o "$ordner/s.pdf"; then
    echo "FEHLER: ohne Bildschirm kein Diagramm" >&2
    fehler=1
fi
for datei in s.png s.svg s.pdf; do
    if [[ ! -s "$ordner/$datei" ]]; then
        echo "FEHLER: $datei fehlt oder ist leer" >&2
        fehler=1
    fi
done
exit "$fehler"
