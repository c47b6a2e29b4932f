#!/usr/bin/env bash
# lumora-trace takes the decimal separator of the water-content labels from the locale,
# and nothing else from it. Usage: trace_locale_test.sh PATH_TO_LUMORA_TRACE
set -euo pipefail
standard=$'200\t10\t1\t0.2\t0.02\t0.002\t1013'
de=$(LC_ALL=de_DE.UTF-8 "$1" <<<"$standard")
en=$(LC_ALL=en_US.UTF-8 "$1" <<<"$standard")
grep -q '"text": "0,02 kg/kg"' <<<"$de"
grep -q '"text": "0.02 kg/kg"' <<<"$en"
grep -q '"text": " 2.5°C"' < <(LC_ALL=de_DE.UTF-8 "$1" <<<$'20\t2,5\t1\t0.2\t0.02\t0.002\t1013')
# Everything but those texts is the same in both.
komma() { sed 's/0,\([0-9]*\) kg\/kg/0.\1 kg\/kg/g'; }
diff <(komma <<<"$de") <(komma <<<"$en") >/dev/null
echo "locale: ok"
