#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# The last steps of a release (scripts/sums.sh) on a folder of stand-in
# downloads, one for each of a release's, a page for each language: the
# sums it writes check out; the check stops a release that misses a
# download, a language's page among them, or has one too many, whose sums
# miss a download or list one that is not there, that holds an empty file,
# or whose buildinfo leaves out the commit; and sums signed with a
# throw-away OpenPGP key verify with gpgv, and stop verifying once changed.
# Usage: check_sums.sh SOURCE_DIR VERSION
set -euo pipefail
. "$1/scripts/sums.sh"
version=$2
languages=$(kelvani_languages "$1" | tr '\n' ' ')
last=${languages% }
last=${last##* }
work=$(mktemp -d)
export GNUPGHOME=$work/gnupg
trap 'gpgconf --kill all 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $1"; exit 1; }

dist=$work/dist
mkdir "$dist"
while read -r file; do
    echo "$file" >"$dist/$file"
done < <(kelvani_downloads "$version" "$languages")
echo "Git-Commit: $(printf '%040d' 7)" >"$dist/kelvani-$version-buildinfo.txt"
kelvani_write_sums "$dist"
kelvani_check_sums "$dist" "$version" "$languages" || fail "the sums just written do not check out"
count=$(kelvani_downloads "$version" "$languages" | wc -l)
[ "$(wc -l <"$dist/SHA256SUMS")" -eq "$count" ] || fail "SHA256SUMS has $(wc -l <"$dist/SHA256SUMS") lines, not $count"

# Each fault, made in a copy, must stop the check.
faults=(
    "rm \$d/kelvani_${version}_amd64.deb"                           # listed, not there
    "rm \$d/kelvani-$version-$last.html; kelvani_write_sums \$d"    # a language's page missing, sums and all
    "echo late >\$d/kelvani-$version-$last.html.orig"               # there, not listed
    "echo x >\$d/kelvani-$version-xx.html; kelvani_write_sums \$d"  # a page of no language
    "echo changed >>\$d/kelvani-$version.tar.gz"                    # a wrong sum
    ": >\$d/kelvani-$version.html; kelvani_write_sums \$d"          # empty
    "echo x >\$d/kelvani.html; kelvani_write_sums \$d"              # no version in its name
    "echo Source: kelvani >\$d/kelvani-$version-buildinfo.txt; kelvani_write_sums \$d" # no commit
)
for fault in "${faults[@]}"; do
    d=$work/faulty
    rm -rf "$d" && cp -r "$dist" "$d"
    eval "$fault"
    ! kelvani_check_sums "$d" "$version" "$languages" 2>/dev/null || fail "the check let through: $fault"
done

# Unsigned without a key; signed with one, which gpgv checks.
[ "$(KELVANI_SIGNING_KEY='' kelvani_sign_sums "$dist")" = "KELVANI_SIGNING_KEY is not set: SHA256SUMS is not signed" ] &&
    [ ! -e "$dist/SHA256SUMS.asc" ] || fail "without a key, the sums were signed or nothing was said"
mkdir -m 700 "$GNUPGHOME"
gpg --batch --quiet --passphrase '' --quick-generate-key 'Kelvani test <test@example.org>' ed25519 sign never
KELVANI_SIGNING_KEY=test@example.org kelvani_sign_sums "$dist" 2>/dev/null || fail "signing failed"
gpg --batch --quiet --export test@example.org >"$work/key.gpg"
gpgv --keyring "$work/key.gpg" "$dist/SHA256SUMS.asc" "$dist/SHA256SUMS" 2>/dev/null || fail "gpgv refused the signature"
echo "0000" >>"$dist/SHA256SUMS"
! gpgv --keyring "$work/key.gpg" "$dist/SHA256SUMS.asc" "$dist/SHA256SUMS" 2>/dev/null ||
    fail "gpgv took the signature of sums since changed"
echo "sums written and checked, ${#faults[@]} faults stopped, a signature made and verified by gpgv"
