#!/usr/bin/env bash
# lumora-export speaks the language of the locale: English under an English one, in its help,
# its complaints and the words it draws, German under "C". Usage:
# export_sprache_test.sh LUMORA_EXPORT BEISPIELORDNER
set -uo pipefail
programm="$1"
beispiele="$2"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehlschlaege=0

# Runs the program under the locale $1 with its own, empty settings.
unter() {
    local gebiet="$1"
    shift
    env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$gebiet" XDG_CONFIG_HOME="$tmp/einstellungen" \
        timeout 60 "$programm" "$@" >"$tmp/aus" 2>"$tmp/err"
}

# locale|file the text must be in|text
pruefen() {
    if ! grep -qF -- "$3" "$2"; then
        echo "FEHLER: unter $1 fehlt \"$3\" in $(basename "$2")"
        sed 's/^/  /' "$2" | head -20
        fehlschlaege=$((fehlschlaege + 1))
    fi
}

unter en_US.UTF-8 --help
pruefen en "$tmp/aus" "Usage: lumora-export [options] PROJECT"
pruefen en "$tmp/aus" "  -o OUTPUT"
pruefen en "$tmp/aus" "Shows this help and exits."
unter en_US.UTF-8 --falsch
pruefen en "$tmp/err" "lumora-export: Unknown option “--falsch”."
pruefen en "$tmp/err" "Help: lumora-export --help"
unter en_US.UTF-8 "$beispiele/jahresbetrieb.lumora" --balken "$tmp/balken.svg"
pruefen en "$tmp/balken.svg" "Energy per month [kWh]"

unter C --help
pruefen C "$tmp/aus" "Verwendung: lumora-export [Optionen] PROJEKT"
pruefen C "$tmp/aus" "  -o AUSGABE"
unter C "$beispiele/jahresbetrieb.lumora" --balken "$tmp/balken.svg"
pruefen C "$tmp/balken.svg" "Energie je Monat [kWh]"

((fehlschlaege == 0)) && echo "language: ok"
exit $((fehlschlaege > 0))
