#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Runs a Windows program, or a script that starts Windows programs, under
# Wine in a session of its own: a fresh Wine prefix in a temporary folder, a
# virtual X server, and a home of its own, all thrown away afterwards. No Mono
# or Gecko is asked for and no menu entry written; Wine draws the windows'
# frames itself (no window manager runs, and Wine waits for none); Liberation
# Serif stands in for Times New Roman. KELVANI_WINE_DPI=N sets the screen's
# density to N dots per inch. Every Wine call is bounded, and the whole
# session ends after 200 seconds at most, its wineserver with it.
# CTest's emulator for the Windows build (cmake/mingw-w64.cmake).
# Usage: wine_session.sh PROGRAM.exe|SCRIPT [ARGUMENT...]
set -euo pipefail
if [ "${1:-}" != --inside ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    mkdir -m 700 "$work/home" "$work/runtime"
    status=0
    env -i PATH="$PATH" LANG=C.UTF-8 HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
        KELVANI_WINE_DPI="${KELVANI_WINE_DPI:-96}" WINEPREFIX="$work/prefix" WINEDEBUG=-all \
        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe,winedbg.exe=d" \
        timeout -k 5 200 xvfb-run -a -s "-screen 0 1600x1200x24" "$0" --inside "$@" || status=$?
    [ $status -eq 124 ] && echo "wine_session.sh: $1 did not end within 200 s; its session was ended" >&2
    exit $status
fi
shift
trap 'timeout 20 wineserver -k 2>/dev/null || true' EXIT
timeout 120 wineboot -i 2>/dev/null
cat >"$WINEPREFIX/session.reg" <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"Times New Roman"="Liberation Serif"

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf '%08x' "$KELVANI_WINE_DPI")
EOF
timeout 30 wine regedit /S "$WINEPREFIX/session.reg"
# The screen's density takes effect only in a wineserver started after it.
timeout 20 wineserver -w
case $1 in
    *.exe) timeout 150 wine "$@" ;;
    *) "$@" ;;
esac
