#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kelvani.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
kelvani_install "${KELVANI_BUILD_PACKAGES[@]}" qt6-qpa-plugins
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build
exec build/walk/kelvani-walk "$@"
