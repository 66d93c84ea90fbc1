#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Builds the Windows Installer package from kelvani.wxs with wixl, then
# gives it what wixl 0.101 cannot: the code page 1251 and language 1026 of
# its Bulgarian texts (wixl stores Cyrillic empty), and those texts. wixl
# reads its files from the current folder only, so they are put in one.
# Usage: make_msi.sh OUT.msi VERSION KELVANI.EXE KELVANI-WALK.EXE LICENSE.TXT ICON.ICO
# VERSION is Windows Installer's: three numbers, such as 1.0.0.
set -euo pipefail
[ $# -eq 6 ] || { echo "usage: $0 OUT.msi VERSION KELVANI.EXE KELVANI-WALK.EXE LICENSE.TXT ICON.ICO" >&2; exit 2; }
out=$(realpath -m "$1") version=$2
wxs=$(dirname "$(realpath "$0")")/kelvani.wxs
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$3" "$stage/kelvani.exe"
cp "$4" "$stage/kelvani-walk.exe"
cp "$5" "$stage/LICENSE.txt"
cp "$6" "$stage/kelvani.ico"
cd "$stage"
# wixl says "unimplemented" of parts of the schema this package does not use.
wixl -a x64 -D Version="$version" -o kelvani.msi "$wxs" 2>&1 | { grep -v 'unimplemented' >&2 || true; }
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >_ForceCodepage.idt
msibuild kelvani.msi -i _ForceCodepage.idt
msibuild kelvani.msi -s Kelvani "The Kelvani developers" "x64;1026"
msibuild kelvani.msi -q "UPDATE LaunchCondition SET Description = 'Вече е инсталирана по-нова версия на Kelvani.' WHERE Condition = 'NOT WIX_DOWNGRADE_DETECTED'" \
    -q "UPDATE Shortcut SET Description = 'Седемте моста на Кьонигсберг' WHERE Shortcut = 'StartMenu'"
mv kelvani.msi "$out"
