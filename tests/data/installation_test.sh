#!/usr/bin/env bash
# Installs into a temporary prefix and checks what a desktop and a package manager read
# there: the desktop entry, the AppStream data, the manual pages; then builds the Debian
# package and runs lintian on it. Usage: installation_test.sh BUILD_DIR
set -euo pipefail
bau="$(cd "$1" && pwd)"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
usr="$tmp/usr"

fehler() {
    echo "FEHLER: $*" >&2
    exit 1
}

cmake --install "$bau" --prefix "$usr" >/dev/null
[[ -x "$usr/bin/lumora" ]] || fehler "bin/lumora fehlt oder ist nicht ausführbar"
file "$usr/share/icons/hicolor/32x32/apps/de.lumora.Lumora.png" | grep -q "32 x 32" ||
    fehler "das 32-Pixel-Symbol hat nicht 32 x 32 Pixel"

# The desktop entry opens project files: it takes a file and names the project type.
desktop="$usr/share/applications/de.lumora.Lumora.desktop"
typ="application/vnd.lumora.projekt+json"
[[ -z "$(desktop-file-validate "$desktop")" ]] || fehler "$(desktop-file-validate "$desktop")"
grep -q '^Name=Lumora$' "$desktop" || fehler "Name fehlt im Desktop-Eintrag"
grep -q '^Comment\[de\]=' "$desktop" || fehler "deutscher Kommentar fehlt im Desktop-Eintrag"
grep -q '^Comment\[en\]=' "$desktop" || fehler "englischer Kommentar fehlt im Desktop-Eintrag"
# The English translation beside the program, for whoever looks for it there.
[[ -s "$usr/share/lumora/translations/lumora_en.qm" ]] || fehler "lumora_en.qm fehlt"
grep -qx 'Exec=lumora %f' "$desktop" || fehler "Exec nimmt keine Datei"
grep -qx "MimeType=$typ;" "$desktop" || fehler "MimeType fehlt im Desktop-Eintrag"

# The MIME database built from the installed package file resolves *.lumora to the project
# type, a kind of JSON, with an English and a German comment.
mime="$usr/share/mime"
meldungen=$(XDG_DATA_DIRS="$usr/share" update-mime-database "$mime" 2>&1)
[[ -z "$meldungen" ]] || fehler "update-mime-database: $meldungen"
grep -qx "50:$typ:\*.lumora" "$mime/globs2" || fehler "*.lumora fehlt in globs2"
grep -qx "$typ application/json" "$mime/subclasses" || fehler "$typ ist keine Unterart von JSON"
grep -q '<comment xml:lang="de">Lumora-Projekt</comment>' "$mime/$typ.xml" ||
    fehler "deutscher Kommentar des Dateityps fehlt"
if command -v gio >/dev/null; then
    echo '{"lumora": 1}' >"$tmp/probe.lumora"
    XDG_DATA_DIRS="$usr/share:/usr/share" XDG_DATA_HOME="$tmp/leer" \
        gio info -a standard::content-type "$tmp/probe.lumora" | grep -qF "$typ" ||
        fehler "gio erkennt $typ nicht"
fi
# AppStream: --strict fails on every issue above the pedantic hints. The one hint left is
# the upper-case letter of the component id, which the desktop entry and the icons share.
metainfo="$usr/share/metainfo/de.lumora.Lumora.metainfo.xml"
appstreamcli validate --pedantic --strict --no-net "$metainfo" >"$tmp/as.txt" ||
    fehler "$(cat "$tmp/as.txt")"

# Manual pages: each renders without a single groff warning, in the language of its
# directory, and documents the options.
# seite;text that must appear in the rendered page
while IFS=';' read -r seite muss; do
    datei="$usr/share/man/$seite"
    [[ -f "$datei" ]] || fehler "$seite fehlt"
    ausgabe=$(MANWIDTH=80 LC_ALL=C.UTF-8 man -l --warnings "$datei" 2>"$tmp/man.err")
    [[ ! -s "$tmp/man.err" ]] || fehler "$seite: $(cat "$tmp/man.err")"
    grep -qF -- "$muss" <<<"$ausgabe" || fehler "$seite: \"$muss\" fehlt"
    grep -qF -- "--version" <<<"$ausgabe" || fehler "$seite: --version fehlt"
done <<'LISTE'
man1/lumora.1.gz;EXIT STATUS
man1/lumora.1.gz;LC_MESSAGES
de/man1/lumora.1.gz;Beispielprojekte
de/man1/lumora.1.gz;UMGEBUNG
man1/lumora-export.1.gz;--messreihe DATEI
man1/lumora-export.1.gz;--klassen KLASSEN.csv
man1/lumora-export.1.gz;waermerueckgewinnung
de/man1/lumora-export.1.gz;Falsche Befehlszeile
de/man1/lumora-export.1.gz;befeuchten_dampf
LISTE

# The example projects compute without a single entry in "fehler"; the mixture of two
# saturated streams lies in the fog region.
beispiele="$usr/share/lumora/beispiele"
for beispiel in sommerfall winterfall mischungsnebel uebung-sommerfall \
    uebung-sommerfall-loesung; do
    [[ -f "$beispiele/$beispiel.lumora" ]] || fehler "Beispiel $beispiel fehlt"
done
if [[ -x "$usr/bin/lumora-export" ]]; then
    for beispiel in sommerfall winterfall mischungsnebel uebung-sommerfall \
        uebung-sommerfall-loesung; do
        json=$("$usr/bin/lumora-export" "$beispiele/$beispiel.lumora" --json | tr -d '\n') ||
            fehler "lumora-export lehnt $beispiel ab"
        grep -Eq '"fehler": ?\[\]' <<<"$json" || fehler "$beispiel: $json"
    done
    "$usr/bin/lumora-export" "$beispiele/mischungsnebel.lumora" --json | tr -d '\n' |
        grep -Eq '"name": ?"MIL"[^}]*"nebel": ?true' || fehler "die Mischung liegt nicht im Nebel"
fi

(cd "$tmp" && cpack --config "$bau/CPackConfig.cmake" -G DEB >/dev/null 2>&1)
paket=$(ls "$tmp"/*.deb)
info=$(dpkg-deb --info "$paket")
echo "$info" | grep -E "Package|Version|Depends"
echo "$info" | grep -q "Package: lumora"
echo "$info" | grep -Eq "Depends:.*libqt6widgets6"
dpkg-deb --contents "$paket" >"$tmp/inhalt.txt"
grep -q "/usr/share/lumora/translations/lumora_en.qm$" "$tmp/inhalt.txt" ||
    fehler "das Paket enthält lumora_en.qm nicht"
# The newest entry of the Debian changelog is this package's version.
version=$(dpkg-deb --field "$paket" Version)
dpkg-deb --fsys-tarfile "$paket" | tar -xO ./usr/share/doc/lumora/changelog.Debian.gz | zcat |
    head -1 | grep -qF "lumora ($version) " || fehler "changelog.Debian.gz beginnt nicht mit $version"
if ! lintian --fail-on error,warning "$paket" >"$tmp/lintian.txt" 2>&1; then
    cat "$tmp/lintian.txt" >&2
    fehler "lintian meldet Fehler oder Warnungen"
fi
echo "installation and package: ok"
