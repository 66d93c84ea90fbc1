#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root and checks its
# name, its dependencies and the files it installs.
# Usage: check_deb.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB >/dev/null)
deb=$work/kelvani_1.00_$(dpkg --print-architecture).deb
test -f "$deb" || { echo "no $(basename "$deb") in:"; ls "$work"; exit 1; }

depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation2; do
    grep -q "$needed" <<<"$depends" || { echo "Depends lacks $needed: $depends"; exit 1; }
done
[ "$(dpkg-deb --field "$deb" Version)" = 1.00 ]

dpkg -x "$deb" "$work/root"
for file in usr/bin/kelvani usr/share/applications/org.example.Kelvani.desktop \
            usr/share/metainfo/org.example.Kelvani.metainfo.xml \
            usr/share/icons/hicolor/32x32/apps/org.example.Kelvani.png \
            usr/share/icons/hicolor/256x256/apps/org.example.Kelvani.png; do
    test -f "$work/root/$file" || { echo "missing from the package: /$file"; exit 1; }
done
test -x "$work/root/usr/bin/kelvani"
desktop-file-validate "$work/root/usr/share/applications/org.example.Kelvani.desktop"
echo "$(basename "$deb"): Depends: $depends"
