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
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

programs=(bare bare-text kelvani)
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT
for program in "${programs[@]}"; do one_run $program >/dev/null; done # warm the file cache
for _ in $(seq 10); do
    for program in "${programs[@]}"; do one_run $program >>"$results/$program"; done
done
declare -A ms kb
for program in "${programs[@]}"; do
    ms[$program]=$(cut -d' ' -f1 "$results/$program" | median)
    kb[$program]=$(cut -d' ' -f2 "$results/$program" | median)
done
ratio() { awk "BEGIN { printf \"%.2f\", $1 / $2 }"; }
printf '%-28s %17s %18s\n' "" "first paint (ms)" "peak memory (KiB)"
printf '%-28s %17s %18s\n' "bare window, empty list" "${ms[bare]}" "${kb[bare]}" \
    "bare window, list of 1 entry" "${ms[bare-text]}" "${kb[bare-text]}" "Kelvani" "${ms[kelvani]}" "${kb[kelvani]}"
printf '%-28s %17s %18s\n' "Kelvani / empty" "$(ratio "${ms[kelvani]}" "${ms[bare]}")" "$(ratio "${kb[kelvani]}" "${kb[bare]}")" \
    "Kelvani / 1 entry" "$(ratio "${ms[kelvani]}" "${ms[bare-text]}")" "$(ratio "${kb[kelvani]}" "${kb[bare-text]}")"
echo "(medians of 10 runs each; every run: $(nproc) cores, Xvfb, Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo 6))"
"$bench" click
