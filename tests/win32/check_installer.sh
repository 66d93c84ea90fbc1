#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Installs Kelvani as a user does, with the keyboard, choosing Greek; then
# silently, for the current user in German (/LANGUAGE=de) and for all users
# in Kelvani's own language; checks the installed
# files and README, the Start-menu shortcut, which starts Kelvani in that
# language, and the entry in the list of installed programs; starts the
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
tr -d '\0' <"$menu/Kelvani.lnk" | grep -qa -- "--language el" ||
    fail "the language chosen by keys, Greek, is not the shortcut's: $(tr -d '\0' <"$menu/Kelvani.lnk" | grep -ao -- '--language [a-z]*')"
timeout 60 wine "$drive/Program Files/Kelvani/uninstall.exe" /S /AllUsers
for _ in $(seq 100); do
    [ -e "$drive/Program Files/Kelvani" ] || break
    sleep 0.2
done
echo "installed with the keyboard, in Greek, and uninstalled"

for mode in CurrentUser AllUsers; do
    language=bg options=()
    [ $mode = CurrentUser ] && language=de options=(/LANGUAGE=DE)
    timeout 120 wine "$setup" /S /$mode "${options[@]}" || fail "$mode: the installer failed"
    if [ $mode = CurrentUser ]; then
        home=$(echo "$drive"/users/*/AppData)
        hive=HKCU folder=$home/Local/Programs/Kelvani menu="$home/Roaming/Microsoft/Windows/Start Menu/Programs"
    else
        hive=HKLM folder="$drive/Program Files/Kelvani" menu="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs"
    fi
    for file in kelvani.exe kelvani-walk.exe LICENSE.txt README.txt uninstall.exe; do
        test -f "$folder/$file" || fail "$mode: no $folder/$file"
    done
    test -f "$menu/Kelvani.lnk" || fail "$mode: no Start-menu shortcut in $menu"
    [ "$(ls "$menu" | grep -c '^Kelvani')" = 1 ] || fail "$mode: the Start menu has $(ls "$menu" | grep '^Kelvani')"
    # A shortcut keeps its arguments in UTF-16: ASCII once the zero bytes go.
    tr -d '\0' <"$menu/Kelvani.lnk" | grep -qa -- "--language $language" ||
        fail "$mode: the Start-menu shortcut does not start Kelvani in $language"
    timeout 60 wine "$tst" "$folder/kelvani.exe" --language $language --shortcut "$(winepath -w "$menu/Kelvani.lnk")" started ||
        fail "$mode: the Start-menu shortcut did not start Kelvani in $language"
    grep -q 'The installer put Kelvani in this folder' "$folder/README.txt" ||
        fail "$mode: the installed README.txt does not say how Kelvani came"
    [ "$(value $hive DisplayName)" = Kelvani ] || fail "$mode: DisplayName is '$(value $hive DisplayName)'"
    [ "$(value $hive DisplayVersion)" = "$version" ] || fail "$mode: DisplayVersion is '$(value $hive DisplayVersion)'"
    [ -n "$(value $hive Publisher)" ] || fail "$mode: no Publisher"
    value $hive DisplayIcon | grep -q 'kelvani.exe,0$' || fail "$mode: DisplayIcon is '$(value $hive DisplayIcon)'"
    [ "$(($(value $hive EstimatedSize)))" -gt 500 ] || fail "$mode: EstimatedSize is '$(value $hive EstimatedSize)'"

    timeout 60 wine "$folder/kelvani.exe" &
    window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Kelvani$' | head -n 1) || true
    [ -n "$window" ] || fail "$mode: the installed program showed no window within 20 s"
    timeout 20 wine taskkill /im kelvani.exe >/dev/null
    wait $! || fail "$mode: the installed program did not end when asked to close"

    # The uninstaller runs a copy of itself and returns at once.
    timeout 60 wine "$folder/uninstall.exe" /S /$mode
    for _ in $(seq 100); do
        [ -e "$folder" ] || break
        sleep 0.2
    done
    [ ! -e "$folder" ] || fail "$mode: $folder is still there 20 s after uninstalling: $(ls "$folder")"
    [ ! -e "$menu/Kelvani.lnk" ] || fail "$mode: the Start-menu shortcut is still there"
    ! timeout 30 wine reg query "$hive\\$key" >/dev/null 2>&1 || fail "$mode: the uninstall entry is still there"
    echo "$mode: installed in $language, started from its shortcut, closed and uninstalled"
done
