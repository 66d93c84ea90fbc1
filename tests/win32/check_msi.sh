#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# The Windows Installer package as an administrator uses it, silently: what
# the package holds; an install for every user, its files, shortcut and
# entry in the list of installed programs, and the installed program
# starting, in Kelvani's own language; an install with LANGUAGE=de, whose
# shortcut starts Kelvani in German, and one with a language Kelvani does
# not speak, refused; removal leaving nothing; an upgrade by a later version
# (made here with make_msi.sh, with a changed licence file) leaving one
# entry and the new files; an older version refused. Run inside
# wine_session.sh.
# Usage: wine_session.sh check_msi.sh PACKAGE.msi MSI_VERSION MAKE_MSI.SH KELVANI.EXE KELVANI-WALK.EXE LICENSE.TXT
#        README.TXT ICON.ICO "CODE..." TST_WIN32.EXE
set -euo pipefail
msi=$1 version=$2 make_msi=$3 kelvani=$4 walk=$5 license=$6 readme=$7 icon=$8 languages=$9 tst=${10}
drive=$WINEPREFIX/drive_c folder="$WINEPREFIX/drive_c/Program Files/Kelvani"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
fail() { echo "FAIL: $1"; exit 1; }
property() { msiinfo export "$1" Property | tr -d '\r' | sed -n "s/^$2\t//p"; }
msiexec() { # ACTION PACKAGE [PROPERTY=VALUE]: msiexec's exit code, which Wine cuts to 8 bits
    local status=0
    timeout 120 wine msiexec "$1" "$(winepath -w "$2")" "${@:3}" /qn || status=$?
    return $status
}
shortcut() { ls "$drive"/users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Kelvani*.lnk \
                "$drive"/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Kelvani*.lnk 2>/dev/null || true; }
# The entries in the machine's list of installed programs named Kelvani, as
# "DisplayName|DisplayVersion|Publisher|NoModify" lines.
entries() {
    timeout 30 wine reg query "$uninstall" /s 2>/dev/null | tr -d '\r' | awk '
        function entry() { if (v["DisplayName"] == "Kelvani") print v["DisplayName"] "|" v["DisplayVersion"] "|" v["Publisher"] "|" v["NoModify"]; delete v }
        /^HKEY/ { entry() }
        / REG_/ { value = $0; sub(/^ *[^ ]+ +REG_[A-Z_]+ +/, "", value); v[$1] = value }
        END { entry() }'
}
nothing_left() {
    [ ! -e "$folder" ] || fail "$1: $folder is still there: $(ls "$folder")"
    [ -z "$(shortcut)" ] || fail "$1: the Start-menu shortcut is still there"
    [ -z "$(entries)" ] || fail "$1: the list of installed programs still has $(entries)"
}

# What the package holds, read back from it (wixl ignores what it does not know).
[ "$(property "$msi" ProductName)" = Kelvani ] || fail "ProductName is '$(property "$msi" ProductName)'"
[ "$(property "$msi" ProductVersion)" = "$version" ] || fail "ProductVersion is '$(property "$msi" ProductVersion)'"
[ "$(property "$msi" UpgradeCode)" = '{6A3C1E58-2F0B-4D4E-9B7A-5C2D8E41F0A7}' ] || fail "UpgradeCode is '$(property "$msi" UpgradeCode)'"
[ "$(property "$msi" ALLUSERS)" = 1 ] || fail "not per machine: ALLUSERS is '$(property "$msi" ALLUSERS)'"
[ "$(property "$msi" ARPPRODUCTICON)" = kelvani.ico ] && [ "$(property "$msi" ARPNOMODIFY)" = 1 ] ||
    fail "no icon or a Modify button in the list of installed programs"
msiinfo suminfo "$msi" | grep -x 'Template: x64;1026' >/dev/null || fail "not x64 and Bulgarian: $(msiinfo suminfo "$msi" | grep Template)"
msiinfo export "$msi" _ForceCodepage | grep '^1251' >/dev/null || fail "the package's code page is not 1251"
msiinfo export "$msi" LaunchCondition | grep 'Вече е инсталирана по-нова версия на Kelvani.' >/dev/null ||
    fail "the refusal's text is not there in Bulgarian"
msiinfo export "$msi" Shortcut | grep '^StartMenu	ProgramMenuFolder	Kelvani	Program	\[#kelvani.exe\]	--language \[LANGUAGE\]	Седемте моста на Кьонигсберг' >/dev/null ||
    fail "no Start-menu shortcut to kelvani.exe in LANGUAGE with its Bulgarian description: $(msiinfo export "$msi" Shortcut | tail -n 1)"
# No shortcut's name depends on the package's one code page: each is ASCII.
! msiinfo export "$msi" Shortcut | tail -n +4 | cut -f3 | LC_ALL=C grep -q '[^ -~]' ||
    fail "a shortcut's name is not ASCII: $(msiinfo export "$msi" Shortcut | tail -n +4 | cut -f3)"
[ "$(property "$msi" LANGUAGE)" = "${languages%% *}" ] || fail "LANGUAGE is '$(property "$msi" LANGUAGE)' unless given"
# The shortcut's arguments, which it keeps in UTF-16: ASCII once the zero bytes go.
started_in() { tr -d '\0' <"$(shortcut)" | grep -a -- "--language $1" >/dev/null; }

msiexec /i "$msi" || fail "the silent install failed with $?"
for file in kelvani.exe kelvani-walk.exe LICENSE.txt; do
    test -f "$folder/$file" || fail "no $folder/$file"
done
[ "$(shortcut | sed 's:.*/::')" = "Kelvani.lnk" ] || fail "the Start-menu shortcuts are $(shortcut)"
started_in "${languages%% *}" || fail "the shortcut does not start Kelvani in its own language"
grep -q 'The Windows Installer package put Kelvani in this folder' "$folder/README.txt" ||
    fail "the installed README.txt does not say how Kelvani came: $(grep -a 'Kelvani in this folder\|installed' "$folder/README.txt")"
[ "$(entries)" = "Kelvani|$version|The Kelvani developers|0x1" ] || fail "the list of installed programs has '$(entries)'"
! timeout 30 wine reg query 'HKCU\Software\Microsoft\Installer\Products' >/dev/null 2>&1 || fail "registered for the user, not the machine"
timeout 60 wine "$folder/kelvani.exe" &
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Kelvani$' | head -n 1) || true
[ -n "$window" ] || fail "the installed program showed no window within 20 s"
timeout 20 wine taskkill /im kelvani.exe >/dev/null
wait $! || fail "the installed program did not end when asked to close"
msiexec /x "$msi" || fail "the silent removal failed with $?"
nothing_left "removed"
echo "installed, started, closed and removed"

# A computer room in German: the shortcut starts Kelvani in German, as a
# user does from the Start menu.
msiexec /i "$msi" LANGUAGE=de || fail "the silent install with LANGUAGE=de failed with $?"
started_in de || fail "with LANGUAGE=de, the shortcut does not start Kelvani in German"
timeout 60 wine "$tst" "$folder/kelvani.exe" --language de --shortcut "$(winepath -w "$(shortcut)")" started ||
    fail "with LANGUAGE=de, the shortcut did not start Kelvani in German"
msiexec /x "$msi" || fail "the silent removal failed with $?"
nothing_left "installed in German and removed"
status=0
msiexec /i "$msi" LANGUAGE=xx || status=$?
[ $status -ne 0 ] || fail "a language Kelvani does not speak was installed"
nothing_left "refused LANGUAGE=xx"
echo "installed in German, started from its shortcut in German; LANGUAGE=xx refused (exit $status)"

# A later version with a changed file, over this one.
later=$(mktemp -d)
cp "$license" "$later/LICENSE.txt"
echo "later" >>"$later/LICENSE.txt"
"$make_msi" "$later/later.msi" "${version%%.*}.99.0" "$kelvani" "$walk" "$later/LICENSE.txt" "$readme" "$icon" "$languages"
msiexec /i "$msi" || fail "the silent install failed with $?"
msiexec /i "$later/later.msi" || fail "the upgrade failed with $?"
[ "$(entries)" = "Kelvani|${version%%.*}.99.0|The Kelvani developers|0x1" ] || fail "after the upgrade the list of installed programs has '$(entries)'"
cmp -s "$later/LICENSE.txt" "$folder/LICENSE.txt" || fail "the upgrade left the old files"
status=0
msiexec /i "$msi" || status=$?
[ $status -ne 0 ] || fail "the older version was installed over the later one"
[ "$(entries)" = "Kelvani|${version%%.*}.99.0|The Kelvani developers|0x1" ] || fail "after the refused downgrade the list has '$(entries)'"
msiexec /x "$later/later.msi" || fail "the silent removal of the later version failed with $?"
nothing_left "upgraded and removed"
rm -rf "$later"
echo "upgraded in place, older version refused (exit $status), removed"
