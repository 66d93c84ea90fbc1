#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Plays the same sessions, bad input and command lines with the Windows
# console player under Wine and with the Linux one, and checks that both
# print the same, line for line (Windows ends its lines in CR LF), and end
# with the same status. Run inside wine_session.sh.
# Usage: wine_session.sh check_player.sh LINUX_PLAYER WINDOWS_PLAYER
set -euo pipefail
linux=$1 windows=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
long=$(head -c 100000 /dev/zero | tr '\0' x)
# Each case: the arguments, then the input as printf's format.
cases=(
    "|8\n"
    "|10\r\n 0 \n1\nc\n8\nq\n0\n"
    "|x\n14\n-1\n99999999999999999999\n\n1.5\n8\n2\n0\n0\n1\n0\n"
    "|\x1b[2J\x1b]0;owned\x07\n\a\xc2\x9b31m\n\xff\xfe\xc0\xaf\xed\xa0\x80 Ж\na\"b\\\\c\n"
    "|a\rb\tc\x7f\n8\n$long\n"
    "|8\n\x1a\n1\n"
    "|\x1a8\n8\n"
    "--help|"
    "--language en|8\n4\nc\n"
    "--language=EN -h|"
    "--language xx|"
    "--language|"
    "-v|"
    "--що|"
    "-h \x1b[2J|"
)
# Where kelvani-walk.exe lies in memory once loaded: a fault there is its own.
read -r base size < <(x86_64-w64-mingw32-objdump -p "$windows" |
    awk '/^ImageBase/ { base = $2 } /^SizeOfImage/ { size = $2 } END { print base, size }')
own_fault() { # the address of a fault Wine reported, in hex
    (( 16#$1 >= 16#$base && 16#$1 < 16#$base + 16#$size ))
}
retried=0
play() { # arguments input program...
    local status=0 arguments=$1 input=$2 fault
    shift 2
    # shellcheck disable=SC2046 # the arguments are split on purpose
    printf "$input" | timeout 30 "$@" $(printf -- "$arguments") >"$work/out" 2>"$work/err" || status=$?
    # Now and then Wine itself faults as it starts a console program (in its
    # own code, reading address 8), the program's output lost or not: that
    # run is tried once more, and the log says so. A fault in the program's
    # own code is a crash of the program, and fails.
    fault=$(sed -n 's/^wine: Unhandled .* at address \(0x\)\{0,1\}\([0-9A-Fa-f]*\).*/\2/p' "$work/err" | head -n 1)
    if [ -n "$fault" ] && ! own_fault "$fault" && [ $retried -eq 0 ]; then
        echo "check_player.sh: $(head -n 1 "$work/err"), in Wine's own code; once more" >&2
        retried=1 status=0
        printf "$input" | timeout 30 "$@" $(printf -- "$arguments") >"$work/out" 2>"$work/err" || status=$?
    fi
    tr -d '\r' <"$work/out"
    echo "-- standard error:"
    tr -d '\r' <"$work/err"
    echo "-- status $status"
}
failed=0
for case in "${cases[@]}"; do
    arguments=${case%%|*} input=${case#*|}
    play "$arguments" "$input" "$linux" >"$work/linux"
    play "$arguments" "$input" wine "$windows" >"$work/windows"
    if ! cmp -s "$work/linux" "$work/windows"; then
        echo "kelvani-walk.exe differs for arguments '$arguments', input '${input:0:60}':"
        diff "$work/linux" "$work/windows" | head -n 40
        failed=1
    fi
done
[ $failed -eq 0 ] && echo "kelvani-walk.exe prints what kelvani-walk prints, for ${#cases[@]} sessions and command lines"
exit $failed
