#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Installs Kelvani silently, for the current user and then for all users;
# checks the installed files, the Start-menu shortcuts (the second one
# starting Kelvani in English) and the entry in the list of installed
# programs; starts the installed program and closes it;
# then uninstalls silently and checks that all of it is gone. Run inside
# wine_session.sh.
# Usage: wine_session.sh check_installer.sh SETUP.EXE VERSION
set -euo pipefail
setup=$1 version=$2
drive=$WINEPREFIX/drive_c
fail() { echo "$1"; exit 1; }
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvani'
value() { # HIVE NAME: the value's data, as reg query prints it
    timeout 30 wine reg query "$1\\$key" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
for mode in CurrentUser AllUsers; do
    timeout 120 wine "$setup" /S /$mode || fail "$mode: the installer failed"
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
    # A shortcut keeps its arguments in UTF-16: ASCII once the zero bytes go.
    tr -d '\0' <"$menu/Kelvani (English).lnk" | grep -qa -- '--language en' ||
        fail "$mode: no Start-menu shortcut to Kelvani in English in $menu"
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
    [ ! -e "$menu/Kelvani.lnk" ] && [ ! -e "$menu/Kelvani (English).lnk" ] || fail "$mode: a Start-menu shortcut is still there"
    ! timeout 30 wine reg query "$hive\\$key" >/dev/null 2>&1 || fail "$mode: the uninstall entry is still there"
    echo "$mode: installed, started, closed and uninstalled"
done
