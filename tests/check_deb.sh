#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Builds the Debian package from a copy of the sources, as README says
# (dpkg-buildpackage; the tests it would run are this suite's own, so they
# are skipped there), then checks its name, version, dependencies and files,
# that the packaged program answers without a display, and that lintian
# finds no error, no warning and no hardening flaw.
# Usage: check_deb.sh SOURCE_DIR VERSION
set -euo pipefail
source=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$1"; exit 1; }

tree=$work/kelvani-$version
mkdir "$tree"
tar -C "$source" --exclude='./build*' --exclude='./obj-*' --exclude=./.git --exclude=./debian/kelvani \
    --exclude=./debian/.debhelper --exclude=./debian/files -cf - . | tar -C "$tree" -xf -
(cd "$tree" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" timeout 600 dpkg-buildpackage -b -us -uc >"$work/build.log" 2>&1) \
    || { tail -n 40 "$work/build.log"; fail "dpkg-buildpackage failed"; }
deb=$work/kelvani_${version}_$(dpkg --print-architecture).deb
test -f "$deb" || { ls "$work"; fail "no $(basename "$deb")"; }

[ "$(dpkg-deb --field "$deb" Package)" = kelvani ] || fail "the package is not named kelvani"
[ "$(dpkg-deb --field "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 qt6-qpa-plugins fonts-liberation2 qt6-translations-l10n; do
    grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

dpkg-deb -x "$deb" "$work/root"
for file in usr/bin/kelvani usr/bin/kelvani-walk \
            usr/share/man/man1/kelvani.1.gz usr/share/man/man1/kelvani-walk.1.gz \
            usr/share/doc/kelvani/copyright usr/share/doc/kelvani/changelog.gz \
            usr/share/applications/org.example.Kelvani.desktop \
            usr/share/metainfo/org.example.Kelvani.metainfo.xml \
            usr/share/icons/hicolor/32x32/apps/org.example.Kelvani.png \
            usr/share/icons/hicolor/256x256/apps/org.example.Kelvani.png; do
    test -f "$work/root/$file" || fail "missing from the package: /$file"
done
for program in kelvani kelvani-walk; do
    [ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/root/usr/bin/$program" --version)" = "$program $version" ] \
        || fail "the packaged $program does not tell its version without a display"
done

tags=$(timeout 300 lintian -I --pedantic --tag-display-limit 0 "$deb" 2>&1 || true)
echo "lintian: ${tags:-no tags}"
! grep -E '^[EW]: |hardening' <<<"$tags" || fail "lintian reports errors, warnings or hardening flaws"
echo "$(basename "$deb"): Depends: $depends"
