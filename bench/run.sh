#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Start-up time to the first paint and peak resident memory of Kelvani's
# window against a bare Qt window of the same size with one list box, empty
# or holding one entry: ten runs of each, taken in turns on one virtual X
# server, with medians and ratios. Then what one crossing costs. Release
# build, in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != --inside ]; then
    . scripts/deps.sh
    kelvani_install "${KELVANI_BUILD_PACKAGES[@]}" "${KELVANI_RUN_PACKAGES[@]}" xvfb xauth time
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build build --target kelvani-bench >/dev/null
    exec xvfb-run -a -s "-screen 0 640x480x24" "$0" --inside
fi

bench=build/bench/kelvani-bench
export QT_QPA_PLATFORM=xcb
one_run() { # prints "milliseconds kilobytes"
    local out
    out=$( { /usr/bin/time -f 'rss %M' env KELVANI_T0="$(date +%s%N)" "$bench" "$1"; } 2>&1 )
    echo "$(sed -n 's/^first paint \(.*\) ms$/\1/p' <<<"$out") $(sed -n 's/^rss //p' <<<"$out")"
}
. bench/compare.sh
compare_startup
echo "(medians of 10 runs each; every run: $(nproc) cores, Xvfb, Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo 6))"
"$bench" click
