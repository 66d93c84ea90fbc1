#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Installs what is missing, builds, and opens the Kelvani window. Arguments
# go to the program (try --help).
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
kelvani_install "${KELVANI_BUILD_PACKAGES[@]}" "${KELVANI_RUN_PACKAGES[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build --target kelvani kelvani-walk
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ $# -eq 0 ]; then
    # No desktop here (a server, ssh): bring the virtual X server, so that
    # the window can still be opened and looked at.
    kelvani_install xvfb xauth
    echo "run.sh: built build/window/qt/kelvani, but there is no display to open its window on." >&2
    echo "run.sh: open it on a virtual X server with: xvfb-run -a ./run.sh" >&2
    exit 1
fi
exec build/window/qt/kelvani "$@"
