#!/usr/bin/env bash
# Installs what is missing, builds, and opens the Kelvani window.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
kelvani_install "${KELVANI_BUILD_PACKAGES[@]}" "${KELVANI_RUN_PACKAGES[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build --target kelvani kelvani-walk
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: built build/window/kelvani, but there is no display to open its window on" >&2
    echo "run.sh: start it from a desktop session, or try: xvfb-run -a ./run.sh" >&2
    exit 1
fi
exec build/window/kelvani "$@"
