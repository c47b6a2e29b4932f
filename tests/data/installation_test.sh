#!/usr/bin/env bash
# Installs into a temporary prefix and checks the desktop files, then builds the Debian
# package and checks it. Usage: installation_test.sh BUILD_DIR
set -euo pipefail
bau="$(cd "$1" && pwd)"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cmake --install "$bau" --prefix "$tmp/usr" >/dev/null
for f in bin/lumora share/applications/de.lumora.Lumora.desktop \
    share/metainfo/de.lumora.Lumora.metainfo.xml \
    share/icons/hicolor/scalable/apps/de.lumora.Lumora.svg \
    share/icons/hicolor/32x32/apps/de.lumora.Lumora.png; do
    [[ -f "$tmp/usr/$f" ]] || { echo "missing: $f"; exit 1; }
done
[[ -x "$tmp/usr/bin/lumora" ]]
file "$tmp/usr/share/icons/hicolor/32x32/apps/de.lumora.Lumora.png" | grep -q "32 x 32"
desktop-file-validate "$tmp/usr/share/applications/de.lumora.Lumora.desktop"
grep -q '^Name=Lumora$' "$tmp/usr/share/applications/de.lumora.Lumora.desktop"
grep -q '^Comment\[de\]=' "$tmp/usr/share/applications/de.lumora.Lumora.desktop"
appstreamcli validate --no-net "$tmp/usr/share/metainfo/de.lumora.Lumora.metainfo.xml"

(cd "$tmp" && cpack --config "$bau/CPackConfig.cmake" -G DEB >/dev/null 2>&1)
paket=$(ls "$tmp"/*.deb)
info=$(dpkg-deb --info "$paket")
echo "$info" | grep -E "Package|Version|Depends"
echo "$info" | grep -q "Package: lumora"
echo "$info" | grep -Eq "Depends:.*libqt6widgets6"
inhalt=$(dpkg-deb --contents "$paket")
grep -q "usr/bin/lumora" <<<"$inhalt"
grep -q "de.lumora.Lumora.desktop" <<<"$inhalt"
echo "installation and package: ok"
