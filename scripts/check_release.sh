#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Checks that ./release.sh makes the same downloads every time: reprotest
# makes the release of the commit checked out twice, from a clean clone, in
# two folders, the second with the clock a year and more ahead (faketime),
# another umask, locale and time zone, and compares the two dist/ folders;
# a difference is shown by diffoscope, down to the field, and fails. Two
# whole builds: minutes, not part of ./test.sh; CI runs it after that.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
kelvani_install "${KELVANI_RELEASE_PACKAGES[@]}" "${KELVANI_REPROTEST_PACKAGES[@]}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git clone -q . "$work/kelvani"
reprotest --vary=-all,+build_path,+time,+umask,+locales,+timezone --store-dir "$work/dist" \
    -s "$work/kelvani" ./release.sh 'dist/*'
