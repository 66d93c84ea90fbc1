#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless:
# once as built for debugging, and once more with AddressSanitizer and
# UndefinedBehaviorSanitizer watching every test. Exits non-zero when
# anything fails.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/deps.sh
kelvani_install "${KELVANI_BUILD_PACKAGES[@]}" "${KELVANI_TEST_PACKAGES[@]}"

werror=OFF
[ "${CI:-}" = true ] && werror=ON
export QT_QPA_PLATFORM=offscreen
for variant in test asan; do
    sanitize=OFF
    [ $variant = asan ] && sanitize=ON
    echo "== build-$variant (sanitizers $sanitize)"
    cmake -S . -B build-$variant -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DKELVANI_WERROR=$werror -DKELVANI_SANITIZE=$sanitize >/dev/null
    cmake --build build-$variant
    ctest --test-dir build-$variant --output-on-failure
done
