#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Installs what is missing, builds, and runs the test suite headless, all of
# it or the tiers named (./test.sh --help lists them). All of it: the Linux
# programs built for debugging, then once more with AddressSanitizer and
# UndefinedBehaviorSanitizer watching every test (the packages, the same in
# both, are checked in the first build only); the Windows programs,
# cross-built with MinGW and tested under Wine, with the zip, the installer
# and the Windows Installer package; the pages, built with emscripten and
# tested in real browsers. Exits non-zero when anything fails. Each test
# sets up the display or browser it needs itself.
set -euo pipefail
cd "$(dirname "$0")"

usage="Usage: ./test.sh [TIER...]
Builds what the tiers named need and runs their tests; with no tier, all of
them, and the unit and linux tiers again under the sanitizers.
  unit     the walk, the window's behaviour and the console player; no display
  linux    the Linux window, off screen and on an X server of its own
  wine     the Windows programs under Wine
  browser  the pages in Chromium, WebKitGTK and Firefox
  package  what is installed and packaged: the Debian package, the Windows
           zip, installer and Windows Installer package"
all=(unit linux wine browser package)
tiers=()
for tier in "$@"; do
    case $tier in
        -h | --help) echo "$usage"; exit 0 ;;
        unit | linux | wine | browser | package) tiers+=("$tier") ;;
        *) echo "test.sh: no tier \"$tier\"" >&2; echo "$usage" >&2; exit 2 ;;
    esac
done
[ ${#tiers[@]} -gt 0 ] || tiers=("${all[@]}")
wants() { [[ " ${tiers[*]} " == *" $1 "* ]]; }
# The CTest labels of the tiers that run in one build, as one regex.
labels() {
    local chosen=()
    for tier in "$@"; do wants "$tier" && chosen+=("$tier"); done
    [ ${#chosen[@]} -gt 0 ] && (IFS='|'; echo "^(${chosen[*]})\$")
}

. scripts/deps.sh
packages=()
wants unit && packages+=("${KELVANI_BUILD_PACKAGES[@]}")
wants linux && packages+=("${KELVANI_BUILD_PACKAGES[@]}" "${KELVANI_LINUX_PACKAGES[@]}")
wants wine && packages+=("${KELVANI_BUILD_PACKAGES[@]}" "${KELVANI_WINDOWS_PACKAGES[@]}")
wants browser && packages+=("${KELVANI_TOOL_PACKAGES[@]}" "${KELVANI_WEB_PACKAGES[@]}")
wants package && packages+=("${KELVANI_BUILD_PACKAGES[@]}" "${KELVANI_PACKAGE_PACKAGES[@]}" "${KELVANI_WINDOWS_PACKAGES[@]}")
kelvani_install "${packages[@]}"
# The browser tests take axe-core from the npm registry.
if wants browser && ! command -v npm >/dev/null; then
    kelvani_install npm
fi

werror=OFF
[ "${CI:-}" = true ] && werror=ON

# The Linux builds: for debugging, and for the whole suite once more with
# sanitizers. The unit tier alone builds only its tests and what they run;
# the Windows tier needs only the console player, to compare its own with.
linux=$(labels unit linux package || true)
variants=(test)
[ ${#tiers[@]} -eq ${#all[@]} ] && variants+=(asan)
if [ -n "$linux" ] || wants wine; then
    for variant in "${variants[@]}"; do
        sanitize=OFF
        [ "$variant" = asan ] && sanitize=ON linux=$(labels unit linux)
        echo "== build-$variant (sanitizers $sanitize)"
        cmake -S . -B "build-$variant" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
            -DKELVANI_WERROR=$werror -DKELVANI_SANITIZE=$sanitize >/dev/null
        case $linux in
            '') cmake --build "build-$variant" --target kelvani-walk ;;
            '^(unit)$') cmake --build "build-$variant" --target unit-tests ;;
            *) cmake --build "build-$variant" ;;
        esac
        [ -z "$linux" ] || ctest --test-dir "build-$variant" --output-on-failure -L "$linux"
    done
fi

if windows=$(labels wine package); then
    echo "== build-windows (MinGW, tested under Wine)"
    cmake -S . -B build-windows -G Ninja --no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
        -DCMAKE_BUILD_TYPE=Release -DKELVANI_WERROR=$werror \
        -DKELVANI_LINUX_PLAYER="$PWD/build-test/console/kelvani-walk" >/dev/null
    cmake --build build-windows
    # Each Windows test has a Wine session of its own (an X server, a prefix,
    # a wineserver) and spends most of its time waiting for Wine: two at a
    # time take half as long.
    ctest --test-dir build-windows --output-on-failure -j2 -L "$windows"
    if wants package; then
        (cd build-windows && cpack -G ZIP >/dev/null)
        echo "== packages: $(ls build-windows/kelvani-*-windows-x64.zip build-windows/kelvani-*-setup.exe \
            build-windows/kelvani-*-x64.msi | tr '\n' ' ')"
    fi
fi

if wants browser; then
    echo "== build-web (emscripten, tested in browsers)"
    emcmake cmake -S . -B build-web -G Ninja -DBUILD_TESTING=ON -DKELVANI_WERROR=$werror >/dev/null
    cmake --build build-web
    ctest --test-dir build-web --output-on-failure -L browser
    echo "== pages: $(stat -c '%n, %s bytes' build-web/kelvani*.html | tr '\n' ' ')"
fi
