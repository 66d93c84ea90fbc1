#!/usr/bin/env bash
# Installs the build into a temporary root and checks what a desktop gets:
# the program, a valid desktop entry and AppStream metainfo, and the icon in
# every size of the hicolor theme. Also compiles the Windows resource script
# with the MinGW resource compiler.
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

cmake --install "$build" --prefix "$root/usr" >/dev/null
share=$root/usr/share
test -x "$root/usr/bin/kelvani"
desktop-file-validate "$share/applications/org.example.Kelvani.desktop"
appstreamcli validate --no-net "$share/metainfo/org.example.Kelvani.metainfo.xml"
for size in 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x${size}/apps/org.example.Kelvani.png
    file "$icon" | grep -q "PNG image data, $size x $size" || { echo "bad icon: $icon"; exit 1; }
done

# windres's own preprocessor would be the MinGW gcc; the script needs none of
# its headers, so the host's cpp does.
windres() { x86_64-w64-mingw32-windres --preprocessor=cpp "$@"; }
windres "$build/kelvani.rc" -O coff -o "$root/kelvani.o"
windres "$build/kelvani.rc" -O res -o "$root/kelvani.res"
x86_64-w64-mingw32-windres "$root/kelvani.res" -O rc -o "$root/decompiled.rc"
grep -q 'VALUE "ProductVersion", "1.00"' "$root/decompiled.rc"
grep -q 'VALUE "FileVersion", "1.00"' "$root/decompiled.rc"
grep -q 'FILEVERSION 1, 0, 0, 0' "$root/decompiled.rc"
grep -q 'RT_GROUP_ICON' "$root/decompiled.rc"
grep -qF '"\040\040\000\000", 1, 8,' "$root/decompiled.rc" # one 32 x 32 image, 8 bits a pixel
echo "installed files, desktop entry, metainfo, icons and Windows resources are in order"
