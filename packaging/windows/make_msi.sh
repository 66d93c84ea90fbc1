#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Builds the Windows Installer package from kelvani.wxs with wixl, then
# gives it what wixl 0.101 cannot: the code page 1251 and language 1026 of
# its Bulgarian texts (wixl stores Cyrillic empty), those texts, and the
# condition that refuses a LANGUAGE Kelvani does not speak. wixl reads its
# files from the current folder only, so they are put in one.
#
# The same files and version make the same package, byte for byte: its
# product code is a name-based UUID of the version (the same for every build
# of a version, a new one for the next, as a major upgrade needs), and its
# package code one of the version and the files (a package that differs has
# another). With SOURCE_DATE_EPOCH set, the files in its cabinet and its
# summary's times carry that time instead of the clock's.
# Usage: make_msi.sh OUT.msi VERSION KELVANI.EXE KELVANI-WALK.EXE LICENSE.TXT README.TXT ICON.ICO "CODE..."
# VERSION is Windows Installer's: three numbers, such as 1.0.0; the codes are
# the languages Kelvani speaks, its own first.
set -euo pipefail
[ $# -eq 8 ] || { echo "usage: $0 OUT.msi VERSION KELVANI.EXE KELVANI-WALK.EXE LICENSE.TXT README.TXT ICON.ICO \"CODE...\"" >&2; exit 2; }
out=$(realpath -m "$1") version=$2 languages=$8
wxs=$(dirname "$(realpath "$0")")/kelvani.wxs
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$3" "$stage/kelvani.exe"
cp "$4" "$stage/kelvani-walk.exe"
cp "$5" "$stage/LICENSE.txt"
cp "$6" "$stage/README.txt"
cp "$7" "$stage/kelvani.ico"
cd "$stage"
[ -z "${SOURCE_DATE_EPOCH:-}" ] || touch -d "@$SOURCE_DATE_EPOCH" ./*
# Name-based UUIDs in the namespace of the upgrade code, which never changes.
uuid() {
    /usr/bin/python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' \
        "$(sed -n 's/.*UpgradeCode="\([^"]*\)".*/\1/p' "$wxs")" "$1"
}
product=$(uuid "Kelvani $version")
# The files named, not globbed: a glob's order follows the locale.
package=$(uuid "Kelvani $version $(cat kelvani.exe kelvani-walk.exe LICENSE.txt README.txt kelvani.ico | sha256sum)")
# wixl says "unimplemented" of parts of the schema this package does not use.
wixl -a x64 -D Version="$version" -D ProductCode="$product" -o kelvani.msi "$wxs" 2>&1 |
    { grep -v 'unimplemented' >&2 || true; }
printf '\r\n\r\n1251\t_ForceCodepage\r\n' >_ForceCodepage.idt
msibuild kelvani.msi -i _ForceCodepage.idt
msibuild kelvani.msi -s Kelvani "The Kelvani developers" "x64;1026" "{$package}"
# LANGUAGE, as an administrator gives it, must be a language Kelvani speaks,
# in any case (~=); the installed program is never started in another.
condition="Installed"
for code in $languages; do
    condition+=" OR LANGUAGE~=\"$code\""
done
# LANGUAGE reaches the installation from the command line even when it runs
# elevated, on behalf of a user who is not an administrator.
secure=$(msiinfo export kelvani.msi Property | tr -d '\r' | sed -n 's/^SecureCustomProperties\t//p')
msibuild kelvani.msi -q "UPDATE Property SET Value = 'LANGUAGE${secure:+;$secure}' WHERE Property = 'SecureCustomProperties'" \
    -q "UPDATE LaunchCondition SET Description = 'Вече е инсталирана по-нова версия на Kelvani.' WHERE Condition = 'NOT WIX_DOWNGRADE_DETECTED'" \
    -q "UPDATE Shortcut SET Description = 'Седемте моста на Кьонигсберг' WHERE Shortcut = 'StartMenu'" \
    -q "INSERT INTO LaunchCondition (Condition, Description) VALUES ('$condition', 'LANGUAGE must be one of: $languages')"
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    # The summary's times (last printed, created, last saved), which libmsi
    # takes from the clock as it saves: set in place.
    /usr/bin/python3 - kelvani.msi "$SOURCE_DATE_EPOCH" <<'PY'  # Debian's, which has olefile
import struct, sys
import olefile
path, epoch = sys.argv[1], int(sys.argv[2])
filetime = struct.pack('<Q', (epoch + 11644473600) * 10**7)
with olefile.OleFileIO(path, write_mode=True) as msi:
    stream = bytearray(msi.openstream('\x05SummaryInformation').read())
    section = struct.unpack_from('<I', stream, 44)[0]
    for n in range(struct.unpack_from('<I', stream, section + 4)[0]):
        pid, offset = struct.unpack_from('<II', stream, section + 8 + 8 * n)
        if pid in (11, 12, 13) and struct.unpack_from('<I', stream, section + offset)[0] == 64:  # a FILETIME
            stream[section + offset + 4:section + offset + 12] = filetime
    msi.write_stream('\x05SummaryInformation', bytes(stream))
PY
fi
mv kelvani.msi "$out"
