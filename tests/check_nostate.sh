#!/usr/bin/env bash
# Plays a short session in Kelvani's real window under strace and shows that
# the program keeps no state: it creates, writes or removes no file (devices
# and the font library's cache aside) and opens no network connection (its
# one socket is the X server's).
# Usage: check_nostate.sh KELVANI
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" != --inside ]; then
    unset DBUS_SESSION_BUS_ADDRESS
    exec xvfb-run -a -s "-screen 0 640x480x24" "$here/check_nostate.sh" --inside "$1"
fi
program=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"

QT_QPA_PLATFORM=xcb strace -ff -qq -e trace=%file,%network -o "$work/trace" "$program" &
tracer=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name Kelvani | head -n 1)
xdotool windowfocus --sync "$window"

# Count the dark (text) pixels of the Crossed list, to see the session work;
# wait_for waits up to four seconds for the count to pass a test.
crossed_text() {
    import -window "$window" "$work/shot.png"
    convert "$work/shot.png" -crop 77x57+202+242 +repage -threshold 50% -negate -format '%[fx:int(mean*w*h+0.5)]' info:
}
wait_for() {
    for _ in $(seq 20); do
        [ "$(crossed_text)" "$1" "$2" ] && return 0
        sleep 0.2
    done
    echo "$3"; exit 1
}
wait_for -eq 0 "Crossed is not empty at start"
# A click on the first entry of Available, then Down: two crossings.
xdotool mousemove --window "$window" 40 170 click 1 sleep 0.2 key Down
wait_for -gt 20 "the click and the key crossed nothing"
# Clear with the mouse.
xdotool mousemove --window "$window" 424 60 click 1
wait_for -eq 0 "Clear did not empty Crossed"
kill -TERM $(pgrep -P $tracer) && wait $tracer || true

cat "$work"/trace.* > "$work/all"
status=0
report() { if [ -n "$2" ]; then echo "$1:"; echo "$2"; status=1; fi; }
report "files opened for writing" "$(grep -E '(open|openat|creat)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)' "$work/all" \
    | grep -v ' = -1 ' | grep -vE '"/dev/|/fontconfig/' || true)"
report "files created, changed or removed" "$(grep -E '^(mkdir|mkdirat|unlink|unlinkat|rmdir|rename|renameat2?|link|linkat|symlink|symlinkat|truncate|chmod|fchmodat|utimensat)\(' "$work/all" \
    | grep -v ' = -1 ' | grep -v '/fontconfig/' || true)"
report "sockets other than local ones" "$(grep -E '^socket\(' "$work/all" | grep -v 'AF_UNIX' || true)"
report "connections other than to the X server" "$(grep -E '^connect\(' "$work/all" | grep -v 'X11-unix' || true)"
[ $status -eq 0 ] && echo "a session of $(grep -c '' "$work/all") file and network calls wrote nothing and connected only to X"
exit $status
