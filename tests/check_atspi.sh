#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Starts Kelvani with accessibility on, on a desktop whose language is
# English, and lets atspi_lists.py read it as a screen reader does. Run inside own_session.sh, which gives it an X server
# and a D-Bus session of its own.
# Usage: own_session.sh check_atspi.sh KELVANI
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# An English desktop: the window must speak Bulgarian all the same.
LANG=en_US.UTF-8 LANGUAGE=en QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" &
kelvani=$!
trap 'kill $kelvani 2>/dev/null' EXIT
# Debian's own Python, which has Debian's pyatspi.
timeout 60 /usr/bin/python3 "$here/atspi_lists.py"
