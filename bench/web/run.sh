#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# The page's figures in headless Chromium, in one browser session: its
# size; the time from navigation to the first paint, which shows the whole
# window with its fourteen entries, against a bare page of the same size
# with one listbox of one entry (medians of 15 loads each, in turns); and
# what a crossing costs, from the press to the lists shown. Build in
# build-web/.
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/deps.sh
kelvani_install "${KELVANI_WEB_PACKAGES[@]}" ninja-build cmake
emcmake cmake -S . -B build-web -G Ninja >/dev/null 2>&1
cmake --build build-web --target kelvani-page >/dev/null
exec /usr/bin/python3 bench/web/bench.py build-web/kelvani.html
