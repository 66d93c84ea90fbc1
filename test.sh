#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Installs what is missing, builds, and runs the whole test suite headless:
# once as built for debugging, and once more with AddressSanitizer and
# UndefinedBehaviorSanitizer watching every test (the Debian package, the
# same in both, is built in the first run only). Exits non-zero when
# anything fails. Each test sets up the display it needs itself.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
kelvani_install "${KELVANI_BUILD_PACKAGES[@]}" "${KELVANI_TEST_PACKAGES[@]}"

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
