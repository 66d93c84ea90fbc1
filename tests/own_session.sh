#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Runs a command in a desktop session of its own: a virtual X server, a D-Bus
# session bus (which starts the accessibility bus when asked), and a home and
# runtime folder that are thrown away afterwards. Nothing of the caller's
# session reaches it: not its display, its buses, its desktop's theme or
# scaling, nor whatever the desktop packages installed would autolaunch. The whole session,
# every process in it, ends after 100 seconds at most.
# Usage: own_session.sh COMMAND [ARGUMENT...]
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/home" "$work/runtime"
status=0
# A fresh environment: only the search path, a UTF-8 locale and the seed
# that repeats a random test's run come along.
env -i PATH="$PATH" LANG=C.UTF-8 HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
    ${KELVANI_MONKEY_SEED:+KELVANI_MONKEY_SEED="$KELVANI_MONKEY_SEED"} \
    timeout -k 5 100 xvfb-run -a -s "-screen 0 640x480x24" dbus-run-session -- "$@" || status=$?
[ $status -eq 124 ] && echo "own_session.sh: $1 did not end within 100 s; its session was ended" >&2
exit $status
