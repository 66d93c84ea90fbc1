#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Makes every download of the commit checked out into dist/, with their
# SHA-256 sums, all built from that commit's source archive alone:
#   kelvani-VERSION.tar.gz           the source (git archive)
#   kelvani_VERSION_amd64.deb        the Debian package (dpkg-buildpackage)
#   kelvani-VERSION-setup.exe        the Windows installer
#   kelvani-VERSION-windows-x64.zip  the Windows programs, to unpack anywhere
#   kelvani-VERSION-x64.msi          the Windows Installer package
#   kelvani-VERSION.html             the page, in Bulgarian
#   kelvani-VERSION-CODE.html        the page in each other language (po/LINGUAS)
#   kelvani-VERSION-buildinfo.txt    how they were built: the commit, its time
#                                    and the Debian packages that built them
#   SHA256SUMS                       for sha256sum -c, checked before the end
#   SHA256SUMS.asc                   its signature, with KELVANI_SIGNING_KEY
#                                    set to the publisher's OpenPGP key
# The same commit gives the same bytes (the signature aside) in any folder,
# at any time, for any user and under any umask, locale and time zone: every
# time stamp is the commit's (SOURCE_DATE_EPOCH). scripts/check_release.sh
# checks that. Installs what is missing, as ./run.sh and ./test.sh do; runs
# no tests.
set -euo pipefail
cd "$(dirname "$0")"
if [ -n "$(git status --porcelain)" ]; then
    echo "release.sh: a release is made from a commit, and this work tree has changes that are not committed:" >&2
    git status --short >&2
    exit 1
fi
. scripts/deps.sh
kelvani_install "${KELVANI_RELEASE_PACKAGES[@]}"
[ -z "${KELVANI_SIGNING_KEY:-}" ] || kelvani_install gnupg

# Whatever the caller's settings, the builds see the same: the commit's time,
# UTC (a zip stores local times), one locale, and files readable by all.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8 LANGUAGE=
umask 022
version=$(sed -n 's/^project(Kelvani VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
name=kelvani-$version
# Built inside the work tree, so that what the tree's file system does (the
# order it lists files in, the folder it is in) reaches every build, and a
# check that varies it sees whether any download follows it.
work=$PWD/build-release
trap 'rm -rf "$work"' EXIT
rm -rf dist "$work"
mkdir dist "$work"

echo "== $name.tar.gz, and the rest built from it"
git -c tar.umask=0022 -c core.autocrlf=false archive --format=tar --prefix="$name/" HEAD | gzip -9n >"dist/$name.tar.gz"
tar -xzf "dist/$name.tar.gz" -C "$work"
source=$work/$name

echo "== the Debian package"
(cd "$source" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -b -us -uc >"$work/deb.log" 2>&1) ||
    { tail -n 40 "$work/deb.log"; exit 1; }
cp "$work/kelvani_${version}_$(dpkg --print-architecture).deb" dist/

echo "== the Windows programs and packages"
cmake -S "$source" -B "$work/windows" -G Ninja --no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$work/windows"
(cd "$work/windows" && cpack -G ZIP >/dev/null)
cp "$work/windows/$name-setup.exe" "$work/windows/$name-windows-x64.zip" "$work/windows/$name-x64.msi" dist/
# CPack's zip keeps its files in the order the file system lists them.
strip-nondeterminism --timestamp "$SOURCE_DATE_EPOCH" "dist/$name-windows-x64.zip"

echo "== the pages"
emcmake cmake -S "$source" -B "$work/web" -G Ninja -DBUILD_TESTING=OFF >/dev/null
cmake --build "$work/web"
cp "$work/web/kelvani.html" "dist/$name.html"
for page in "$work"/web/kelvani-*.html; do
    cp "$page" "dist/$name-${page##*/kelvani-}"
done

echo "== how they were built"
{
    echo "Format: 1.0"
    echo "Source: kelvani"
    echo "Version: $version"
    echo "Git-Commit: $(git rev-parse HEAD)"
    echo "Source-Date-Epoch: $SOURCE_DATE_EPOCH"
    echo "Build-Architecture: $(dpkg --print-architecture)"
    echo "Installed-Build-Depends:"
    /usr/bin/python3 scripts/buildinfo.py "${KELVANI_RELEASE_PACKAGES[@]}"
} >"dist/$name-buildinfo.txt"

. scripts/sums.sh
kelvani_write_sums dist
kelvani_check_sums dist "$version" "$(kelvani_languages .)" ||
    { echo "release.sh: the downloads or their sums are not a release's" >&2; exit 1; }
cat dist/SHA256SUMS
kelvani_sign_sums dist
