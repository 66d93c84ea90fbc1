# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# What both start-up benchmarks share: ten runs of each program in turns,
# after one run each to warm the file cache, and a table of the medians of
# the first paint and peak memory, with Kelvani's ratios to the bare
# windows. Sourced by bench/run.sh and bench/win32/run.sh, which define
# one_run PROGRAM, printing "milliseconds kilobytes".
compare_startup() {
    local programs=(bare bare-text kelvani) results program
    results=$(mktemp -d)
    for program in "${programs[@]}"; do one_run $program >/dev/null; done
    for _ in $(seq 10); do
        for program in "${programs[@]}"; do one_run $program >>"$results/$program"; done
    done
    median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
    ratio() { awk "BEGIN { printf \"%.2f\", $1 / $2 }"; }
    local -A ms kb
    for program in "${programs[@]}"; do
        ms[$program]=$(cut -d' ' -f1 "$results/$program" | median)
        kb[$program]=$(cut -d' ' -f2 "$results/$program" | median)
    done
    rm -rf "$results"
    printf '%-28s %17s %18s\n' "" "first paint (ms)" "peak memory (KiB)" \
        "bare window, empty list" "${ms[bare]}" "${kb[bare]}" \
        "bare window, list of 1 entry" "${ms[bare-text]}" "${kb[bare-text]}" \
        "Kelvani" "${ms[kelvani]}" "${kb[kelvani]}" \
        "Kelvani / empty" "$(ratio "${ms[kelvani]}" "${ms[bare]}")" "$(ratio "${kb[kelvani]}" "${kb[bare]}")" \
        "Kelvani / 1 entry" "$(ratio "${ms[kelvani]}" "${ms[bare-text]}")" "$(ratio "${kb[kelvani]}" "${kb[bare-text]}")"
}
