#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Installs Kelvani as a user does, with the keyboard, for everyone (as an
# administrator's choice is at first), choosing Greek, and uninstalls it;
# then silently, for the current user in German (/LANGUAGE=DE): checks the
# installed files and README, the Start-menu shortcut, which starts Kelvani
# in German, and the entry in the list of installed programs; starts the
# installed program and closes it; then uninstalls silently and checks that
# all of it is gone. A language Kelvani does not speak is refused before
# anything is installed. Run inside wine_session.sh.
# Usage: wine_session.sh check_installer.sh SETUP.EXE VERSION TST_WIN32.EXE
set -euo pipefail
setup=$1 version=$2 tst=$3
drive=$WINEPREFIX/drive_c
fail() { echo "$1"; exit 1; }
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvani'
value() { # HIVE NAME: the value's data, as reg query prints it
    timeout 30 wine reg query "$1\\$key" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
# Uninstalled: its folder, shortcut and entry gone. The uninstaller runs a
# copy of itself and returns at once.
uninstalled() { # MODE HIVE FOLDER MENU
    timeout 60 wine "$3/uninstall.exe" /S /$1
    for _ in $(seq 100); do
        [ -e "$3" ] || break
        sleep 0.2
    done
    [ ! -e "$3" ] || fail "$1: $3 is still there 20 s after uninstalling: $(ls "$3")"
    [ ! -e "$4/Kelvani.lnk" ] || fail "$1: the Start-menu shortcut is still there"
    ! timeout 30 wine reg query "$2\\$key" >/dev/null 2>&1 || fail "$1: the uninstall entry is still there"
}

status=0
timeout 120 wine "$setup" /S /CurrentUser /LANGUAGE=xx || status=$?
[ $status -eq 2 ] || fail "/LANGUAGE=xx: the installer ended with status $status, not 2"
[ -z "$(ls "$drive"/users/*/AppData/Local/Programs 2>/dev/null)" ] || fail "/LANGUAGE=xx: something was installed"

# With the keyboard: the licence, for whom (everyone, as an administrator's
# is), then the language, two down the list from Kelvani's own, and on.
timeout 120 wine "$setup" &
installer=$!
timeout 30 xdotool search --sync --onlyvisible --name 'Kelvani' >/dev/null || fail "the installer showed no window"
menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs"
for keys in Return Return "Down Down" Return Return; do
    sleep 2
    # shellcheck disable=SC2086 # one key or more
    xdotool key $keys
done
for _ in $(seq 100); do
    [ -e "$menu/Kelvani.lnk" ] && break
    sleep 0.2
done
sleep 2
xdotool key space Return # the last page: not starting Kelvani, and done
wait $installer || fail "the installer, driven by keys, ended with $?"
tr -d '\0' <"$menu/Kelvani.lnk" | grep -a -- "--language el" >/dev/null ||
    fail "the language chosen by keys, Greek, is not the shortcut's: $(tr -d '\0' <"$menu/Kelvani.lnk" | grep -ao -- '--language [a-z]*')"
uninstalled AllUsers HKLM "$drive/Program Files/Kelvani" "$menu"
echo "installed with the keyboard, in Greek, and uninstalled"

# Silently, for the current user alone.
timeout 120 wine "$setup" /S /CurrentUser /LANGUAGE=DE || fail "the silent installer failed"
home=$(echo "$drive"/users/*/AppData)
hive=HKCU folder=$home/Local/Programs/Kelvani menu="$home/Roaming/Microsoft/Windows/Start Menu/Programs"
for file in kelvani.exe kelvani-walk.exe LICENSE.txt README.txt uninstall.exe; do
    test -f "$folder/$file" || fail "no $folder/$file"
done
[ "$(ls "$menu" | grep '^Kelvani')" = Kelvani.lnk ] || fail "the Start menu has $(ls "$menu" | grep '^Kelvani')"
# A shortcut keeps its arguments in UTF-16: ASCII once the zero bytes go.
tr -d '\0' <"$menu/Kelvani.lnk" | grep -a -- "--language de" >/dev/null || fail "the Start-menu shortcut does not start Kelvani in German"
timeout 60 wine "$tst" "$folder/kelvani.exe" --language de --shortcut "$(winepath -w "$menu/Kelvani.lnk")" started ||
    fail "the Start-menu shortcut did not start Kelvani in German"
grep -q 'The installer put Kelvani in this folder' "$folder/README.txt" || fail "the installed README.txt does not say how Kelvani came"
[ "$(value $hive DisplayName)" = Kelvani ] || fail "DisplayName is '$(value $hive DisplayName)'"
[ "$(value $hive DisplayVersion)" = "$version" ] || fail "DisplayVersion is '$(value $hive DisplayVersion)'"
[ -n "$(value $hive Publisher)" ] || fail "no Publisher"
value $hive DisplayIcon | grep 'kelvani.exe,0$' >/dev/null || fail "DisplayIcon is '$(value $hive DisplayIcon)'"
[ "$(($(value $hive EstimatedSize)))" -gt 500 ] || fail "EstimatedSize is '$(value $hive EstimatedSize)'"
uninstalled CurrentUser $hive "$folder" "$menu"
echo "installed silently for the current user in German, started from its shortcut, closed and uninstalled"
