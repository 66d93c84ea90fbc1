#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
# Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
kelvani_install "${KELVANI_BUILD_PACKAGES[@]}" "${KELVANI_TEST_PACKAGES[@]}"

werror=OFF
[ "${CI:-}" = true ] && werror=ON
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKELVANI_WERROR=$werror >/dev/null
cmake --build build-test
QT_QPA_PLATFORM=offscreen ctest --test-dir build-test --output-on-failure
