#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Installs the build into a temporary root and checks what a desktop gets:
# both programs and their manual pages, a valid desktop entry and AppStream
# metainfo that name what is installed, and the icon in every size of the
# hicolor theme. Also compiles the Windows resource script with the MinGW
# resource compiler.
# Usage: check_install.sh BUILD_DIR VERSION SOURCE_DIR
set -euo pipefail
build=$1 version=$2 source=$3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "$1"; exit 1; }

cmake --install "$build" --prefix "$root/usr" >/dev/null
share=$root/usr/share
desktop=$share/applications/org.example.Kelvani.desktop
metainfo=$share/metainfo/org.example.Kelvani.metainfo.xml
test -x "$root/usr/bin/kelvani" && test -x "$root/usr/bin/kelvani-walk"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
for page in kelvani kelvani-walk; do
    test -f "$share/man/man1/$page.1" || fail "no manual page for $page"
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$share/man/man1/$page.1" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "the manual page of $page: $warnings"
done

# Each manual page's NAME line names its own program, as whatis and man -k
# read it (lexgrog is their reader), and they find no other name.
for page in kelvani kelvani-walk; do
    name=$(LC_ALL=C.UTF-8 lexgrog "$share/man/man1/$page.1")
    [[ $name == *": \"$page - walk the seven bridges of Königsberg"* ]] || fail "the NAME line of $page.1 reads $name"
done
LC_ALL=C.UTF-8 mandb -q "$share/man" 2>/dev/null
names=$(LC_ALL=C.UTF-8 man -M "$share/man" -k . | cut -d' ' -f1 | sort | tr '\n' ' ')
[ "$names" = "kelvani kelvani-walk " ] || fail "man -k lists $names"

# The names the desktop files give must be what is installed; the menu
# starts the window, not the console player, and an action of its the window
# in each other language, named in it. Both files speak every language.
codes=$(grep -v '^#' "$source/po/LINGUAS" | tr -s ' \n' ' ')
expected="Exec=kelvani|"
for code in $codes; do
    expected+="Exec=kelvani --language $code|"
    grep -q "^GenericName\[$code\]=." "$desktop" || fail "the desktop entry has no generic name in $code"
    grep -q "<summary xml:lang=\"$code\">" "$metainfo" || fail "the metainfo has no summary in $code"
done
execs=$(grep '^Exec=' "$desktop" | tr '\n' '|')
[ "$execs" = "$expected" ] || fail "the desktop entry starts $execs, not $expected"
test -x "$root/usr/bin/kelvani" || fail "Exec=kelvani is not an installed program"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/$icon.png
    file "$png" | grep "PNG image data, $size x $size" >/dev/null || fail "Icon=$icon is not installed at $size x $size"
done
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "the metainfo's newest release is $newest, the project's version $version"
for binary in $(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo"); do
    test -x "$root/usr/bin/$binary" || fail "the metainfo provides $binary, which is not installed"
done

# windres's own preprocessor would be the MinGW gcc; the script needs none of
# its headers, so the host's cpp does.
windres() { x86_64-w64-mingw32-windres --preprocessor=cpp "$@"; }
windres "$build/kelvani.rc" -O coff -o "$root/kelvani.o"
windres "$build/kelvani.rc" -O res -o "$root/kelvani.res"
x86_64-w64-mingw32-windres "$root/kelvani.res" -O rc -o "$root/decompiled.rc"
grep -q "VALUE \"ProductVersion\", \"$version\"" "$root/decompiled.rc"
grep -q "VALUE \"FileVersion\", \"$version\"" "$root/decompiled.rc"
grep -q "FILEVERSION ${version%%.*}, $((10#${version#*.})), 0, 0" "$root/decompiled.rc"
grep -q 'RT_GROUP_ICON' "$root/decompiled.rc"
grep -qF '"\040\040\000\000", 1, 8,' "$root/decompiled.rc" # one 32 x 32 image, 8 bits a pixel
# The version's string table must be the block that Translation names:
# language and code page in hex, "0402" and "04B0" for Bulgarian in Unicode.
block=$(sed -n 's/.*BLOCK "\([0-9A-Fa-f]\{8\}\)".*/\1/p' "$root/decompiled.rc")
translation=$(sed -n 's/.*VALUE "Translation", \(.*\)/\1/p' "$root/decompiled.rc")
read -r language codepage < <(tr -d ' ' <<<"$translation" | tr ',' ' ')
[ "${block^^}" = "$(printf '%04X%04X' "$language" "$codepage")" ] \
    || fail "the string table is block $block, but Translation says $translation"
echo "installed files, desktop entry, metainfo, manual pages, icons and Windows resources are in order"
