#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Start-up time to the first paint and peak resident memory of Kelvani's
# Windows window under Wine, against a bare Win32 window of the same size
# with one list box, empty or holding one entry: ten runs of each, taken in
# turns in one Wine session, with medians and ratios. Release build, in
# build-windows/.
set -euo pipefail
cd "$(dirname "$0")/../.."
if [ "${1:-}" != --inside ]; then
    . scripts/deps.sh
    kelvani_install "${KELVANI_WINDOWS_PACKAGES[@]}" time
    cmake -S . -B build-windows -G Ninja --no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build-windows --target kelvani-bench kelvani >/dev/null
    exec tests/win32/wine_session.sh "$PWD/$0" --inside
fi

bench=build-windows/bench/win32/kelvani-bench.exe
one_run() { # prints "milliseconds kilobytes"
    local out
    out=$( { /usr/bin/time -f 'rss %M' env KELVANI_T0="$(date +%s%N)" timeout 20 wine "$bench" "$1"; } 2>&1 )
    echo "$(sed -n 's/^first paint \(.*\) ms\r*$/\1/p' <<<"$out") $(sed -n 's/^rss //p' <<<"$out")"
}
. bench/compare.sh
compare_startup
echo "(medians of 10 runs each; every run: $(nproc) cores, Xvfb, $(wine --version))"
echo "kelvani.exe: $(stat -c %s build-windows/window/win32/kelvani.exe) bytes"
