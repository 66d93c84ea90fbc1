#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Installs what is missing, builds, and runs the whole test suite headless:
# once as built for debugging, once more with AddressSanitizer and
# UndefinedBehaviorSanitizer watching every test (the Debian package, the
# same in both, is built in the first run only), and once for Windows,
# cross-built with MinGW and tested under Wine, which also makes the zip and
# the installer. Exits non-zero when anything fails. Each test sets up the
# display it needs itself.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
kelvani_install "${KELVANI_BUILD_PACKAGES[@]}" "${KELVANI_TEST_PACKAGES[@]}" "${KELVANI_WINDOWS_PACKAGES[@]}"

werror=OFF
[ "${CI:-}" = true ] && werror=ON
for variant in test asan; do
    sanitize=OFF skip=()
    [ $variant = asan ] && sanitize=ON skip=(--label-exclude package)
    echo "== build-$variant (sanitizers $sanitize)"
    cmake -S . -B build-$variant -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DKELVANI_WERROR=$werror -DKELVANI_SANITIZE=$sanitize >/dev/null
    cmake --build build-$variant
    ctest --test-dir build-$variant --output-on-failure "${skip[@]}"
done

# The console player's tests compare it with the Linux one just built.
echo "== build-windows (MinGW, tested under Wine)"
cmake -S . -B build-windows -G Ninja --no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DKELVANI_WERROR=$werror -DKELVANI_LINUX_PLAYER="$PWD/build-test/walk/kelvani-walk" >/dev/null
cmake --build build-windows
ctest --test-dir build-windows --output-on-failure
(cd build-windows && cpack -G ZIP >/dev/null)
echo "== packages: $(ls build-windows/kelvani-*-windows-x64.zip build-windows/kelvani-*-setup.exe build-windows/kelvani-*-x64.msi | tr '\n' ' ')"
