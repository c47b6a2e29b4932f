#!/usr/bin/env bash
# Runs the program's command line without a display: help and version answer on standard
# output with status 0, a wrong command line gets a German message on standard error and
# status 2, and none of them opens a window (without a display that would abort). German
# comes from the "C" locale and settings of its own, whatever the caller's are.
# Usage: befehlszeile_test.sh PROGRAMM VERSION
set -uo pipefail
programm="$1"
version="$2"
name=$(basename "$programm")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehlschlaege=0

# arguments|status|text on stdout (empty: no output at all)|text on stderr (empty: none)
while IFS='|' read -r argumente status aus err; do
    # shellcheck disable=SC2086 # the arguments are split on purpose
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE LC_ALL=C.UTF-8 \
        XDG_CONFIG_HOME="$tmp/einstellungen" timeout 20 "$programm" $argumente \
        >"$tmp/aus" 2>"$tmp/err"
    ist=$?
    fehler=""
    [[ "$ist" == "$status" ]] || fehler+=" Status $ist statt $status;"
    if [[ -z "$aus" ]]; then
        [[ ! -s "$tmp/aus" ]] || fehler+=" unerwartete Ausgabe;"
    else
        grep -qF -- "$aus" "$tmp/aus" || fehler+=" \"$aus\" fehlt in der Ausgabe;"
    fi
    if [[ -z "$err" ]]; then
        [[ ! -s "$tmp/err" ]] || fehler+=" unerwartete Fehlerausgabe;"
    else
        grep -qF -- "$err" "$tmp/err" || fehler+=" \"$err\" fehlt in der Fehlerausgabe;"
    fi
    if [[ -n "$fehler" ]]; then
        echo "FEHLER: $name $argumente:$fehler"
        sed 's/^/  aus: /' "$tmp/aus"
        sed 's/^/  err: /' "$tmp/err"
        fehlschlaege=$((fehlschlaege + 1))
    fi
done <<LISTE
--help|0|Verwendung: $name [Optionen]|
-h|0|  -v, --version|
--version|0|$name $version|
-v|0|$name $version|
--help --falsch|2||Unbekannte Option „--falsch“.
--falsch|2||$name: Unbekannte Option „--falsch“.
-x -y|2||Unbekannte Optionen „-x“, „-y“.
--version=1|2||Die Option „--version“ nimmt keinen Wert.
a.lumora b.lumora|2||Zu viele Argumente: „b.lumora“.
LISTE

# --version prints exactly one line.
[[ "$(env -u DISPLAY "$programm" --version)" == "$name $version" ]] || {
    echo "FEHLER: --version schreibt nicht genau \"$name $version\""
    fehlschlaege=$((fehlschlaege + 1))
}
((fehlschlaege == 0)) && echo "command line: ok"
exit $((fehlschlaege > 0))
