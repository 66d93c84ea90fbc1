#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Runs a command in a desktop session of its own: a virtual X server, a D-Bus
# session bus (which starts the accessibility bus when asked), and a home and
# runtime folder that are thrown away afterwards. Nothing of the caller's
# session reaches it: not its display, its buses, its desktop's theme, nor
# whatever the desktop packages installed would autolaunch. The whole session,
# every process in it, ends after 100 seconds at most.
# Usage: own_session.sh COMMAND [ARGUMENT...]
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/home" "$work/runtime"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS -u AT_SPI_BUS_ADDRESS \
    -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_CURRENT_DESKTOP -u XDG_SESSION_DESKTOP \
    -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID -u QT_QPA_PLATFORMTHEME \
    -u QT_STYLE_OVERRIDE -u QT_SCALE_FACTOR -u QT_ACCESSIBILITY -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON \
    HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
    timeout -k 5 100 xvfb-run -a -s "-screen 0 640x480x24" dbus-run-session -- "$@" || status=$?
[ $status -eq 124 ] && echo "own_session.sh: $1 did not end within 100 s; its session was ended" >&2
exit $status
