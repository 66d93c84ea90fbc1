#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Installs what is missing, builds, and runs the whole test suite headless:
# once as built for debugging, once more with AddressSanitizer and
# UndefinedBehaviorSanitizer watching every test (the Debian package, the
# same in both, is built in the first run only); once for Windows,
# cross-built with MinGW and tested under Wine, which also makes the zip, the
# installer and the Windows Installer package; and once for browsers, built
# with emscripten into one page and tested in real browsers. Exits non-zero
# when anything fails. Each test sets up the display or browser it needs
# itself.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
kelvani_install "${KELVANI_BUILD_PACKAGES[@]}" "${KELVANI_TEST_PACKAGES[@]}" "${KELVANI_WINDOWS_PACKAGES[@]}" \
    "${KELVANI_WEB_PACKAGES[@]}"

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

echo "== build-web (emscripten, tested in browsers)"
emcmake cmake -S . -B build-web -G Ninja -DBUILD_TESTING=ON -DKELVANI_WERROR=$werror >/dev/null
cmake --build build-web
ctest --test-dir build-web --output-on-failure
echo "== page: build-web/kelvani.html, $(stat -c %s build-web/kelvani.html) bytes"
