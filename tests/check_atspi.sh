#!/usr/bin/env bash
# Starts Kelvani on a virtual X server with accessibility on, in a D-Bus
# session of its own, and lets atspi_lists.py read it as a screen reader does.
# Usage: check_atspi.sh KELVANI
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" != --inside ]; then
    unset DBUS_SESSION_BUS_ADDRESS
    exec xvfb-run -a -s "-screen 0 640x480x24" dbus-run-session -- "$here/check_atspi.sh" --inside "$1"
fi
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$2" &
kelvani=$!
trap 'kill $kelvani 2>/dev/null' EXIT
# Debian's own Python, which has Debian's pyatspi.
timeout 60 /usr/bin/python3 "$here/atspi_lists.py"
