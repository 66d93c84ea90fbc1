#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Plays a short session in Kelvani's real window under strace and shows that
# the program keeps no state: it creates, writes or removes no file (devices
# and the font library's cache aside) and opens no network connection (its
# only sockets are local ones to the X server and the session's buses). Run
# inside own_session.sh: the bus daemons are the session's, not the program's,
# and are not traced.
# Usage: own_session.sh check_nostate.sh KELVANI
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

strace -ff -qq -e trace=%file,%network -o "$work/trace" "$program" &
tracer=$!
fail() { echo "$1"; exit 1; }
window=$(timeout 20 xdotool search --sync --onlyvisible --name Kelvani | head -n 1) || true
[ -n "$window" ] || fail "Kelvani's window did not show within 20 s"
timeout 10 xdotool windowfocus --sync "$window" || fail "Kelvani's window took no focus within 10 s"

# Count the dark (text) pixels of the Crossed list, to see the session work;
# wait_for waits up to four seconds for the count to pass a test.
crossed_text() {
    timeout 10 import -window "$window" "$work/shot.png"
    convert "$work/shot.png" -crop 77x57+202+242 +repage -threshold 50% -negate -format '%[fx:int(mean*w*h+0.5)]' info:
}
wait_for() {
    for _ in $(seq 20); do
        [ "$(crossed_text)" "$1" "$2" ] && return 0
        sleep 0.2
    done
    fail "$3"
}
wait_for -eq 0 "Crossed is not empty at start"
# A click on the first entry of Available, then Down: two crossings.
xdotool mousemove --window "$window" 40 170 click 1 sleep 0.2 key Down
wait_for -gt 20 "the click and the key crossed nothing"
# Clear with the mouse.
xdotool mousemove --window "$window" 424 60 click 1
wait_for -eq 0 "Clear did not empty Crossed"

# Quit Kelvani; strace ends with it unless something it started outlives it.
kill -TERM "$(pgrep -P $tracer)"
for _ in $(seq 50); do
    kill -0 $tracer 2>/dev/null || break
    sleep 0.1
done
if kill -0 $tracer 2>/dev/null; then
    kill -KILL $tracer
    fail "strace still traced something 5 s after Kelvani was asked to quit: $(pgrep -a -P $tracer || true)"
fi
wait $tracer || true

cat "$work"/trace.* > "$work/all"
# The session's own buses: the session bus, and the accessibility bus in the
# runtime folder.
bus=$(sed -n 's/^unix:\(path\|abstract\)=\([^,]*\).*/\2/p' <<<"${DBUS_SESSION_BUS_ADDRESS:-}")
status=0
report() { if [ -n "$2" ]; then echo "$1:"; echo "$2"; status=1; fi; }
report "files opened for writing" "$(grep -E '(open|openat|creat)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)' "$work/all" \
    | grep -v ' = -1 ' | grep -vE '"/dev/|/fontconfig/' || true)"
report "files created, changed or removed" "$(grep -E '^(mkdir|mkdirat|unlink|unlinkat|rmdir|rename|renameat2?|link|linkat|symlink|symlinkat|truncate|chmod|fchmodat|utimensat)\(' "$work/all" \
    | grep -v ' = -1 ' | grep -v '/fontconfig/' || true)"
report "sockets other than local ones" "$(grep -E '^socket\(' "$work/all" | grep -v 'AF_UNIX' || true)"
report "connections other than to the X server and the session's buses" "$(grep -E '^connect\(' "$work/all" \
    | grep -v 'X11-unix' | grep -vF "${bus:-no bus}" | grep -vF "$XDG_RUNTIME_DIR/at-spi/" || true)"
[ $status -eq 0 ] && echo "a session of $(grep -c '' "$work/all") file and network calls wrote nothing and connected only to X and the session's buses"
exit $status
