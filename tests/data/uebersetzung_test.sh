#!/usr/bin/env bash
# Fails when the English translation is not complete: reads the program's texts again, as the
# target update_translations does, into a copy of translations/lumora_en.ts and compares.
# A text added without a translation, a text gone from the code, or an entry still marked
# unfinished shows up as a difference or a mark, and the test names it.
# Usage: uebersetzung_test.sh LUPDATE PROJEKT_CMAKE GENERATOR_CMAKE TS_DATEI [LUPDATE-OPTIONEN…]
set -euo pipefail
lupdate="$1" projekt="$2" generator="$3" ts="$4"
shift 4

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cmake -DIN_FILE="$projekt" -DOUT_FILE="$tmp/projekt.json" -P "$generator"
cp "$ts" "$tmp/lumora_en.ts"
"$lupdate" -silent -project "$tmp/projekt.json" -ts "$tmp/lumora_en.ts" "$@" 2>"$tmp/fehler" || {
    cat "$tmp/fehler"
    exit 1
}

fehler=0
if ! diff -u "$ts" "$tmp/lumora_en.ts" >"$tmp/unterschied"; then
    echo "translations/lumora_en.ts is not up to date with the code (scripts/uebersetzungen.sh):"
    grep '^[-+] *<source>' "$tmp/unterschied" | sed 's/^+ */  new:  /; s/^- */  gone: /' || true
    fehler=1
fi
if grep -q 'type="unfinished"\|type="vanished"\|type="obsolete"' "$tmp/lumora_en.ts"; then
    echo "Texts without a finished English translation:"
    grep -B2 'type="unfinished"\|type="vanished"\|type="obsolete"' "$tmp/lumora_en.ts" |
        grep '<source>' | sed 's/^ *<source>/  /; s/<\/source>$//'
    fehler=1
fi
if grep -q '<translation></translation>\|<translation/>' "$tmp/lumora_en.ts"; then
    echo "Empty translations:"
    grep -B1 '<translation></translation>\|<translation/>' "$tmp/lumora_en.ts" |
        grep '<source>' | sed 's/^ *<source>/  /; s/<\/source>$//'
    fehler=1
fi
anzahl=$(grep -c '<source>' "$tmp/lumora_en.ts" || true)
((fehler == 0)) && echo "$anzahl texts, every one translated"
exit "$fehler"
