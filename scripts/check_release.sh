#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Checks that ./release.sh makes the same downloads every time: reprotest
# makes the release of the commit checked out twice, from a clean clone, and
# the second time varies all it can vary here: the build's folder, the clock
# (a year and more ahead, by faketime), the time zone, the umask, the locale,
# the order the file system lists files in (disorderfs), the user and group
# (a build user of its own), the host and domain name, the kernel version it
# reports, the number of CPUs, the home folder, the search path, an
# environment variable, and address-space randomization. It prints the
# variations it applied, compares the two dist/ folders, and where they
# differ, diffoscope shows where, down to the field, and the check fails.
# Two whole builds: minutes, not part of ./test.sh; CI runs it after that.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
kelvani_install "${KELVANI_RELEASE_PACKAGES[@]}" "${KELVANI_REPROTEST_PACKAGES[@]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

# The user the second build runs as, which owns nothing else.
id kelvani-build >/dev/null 2>&1 ||
    "${sudo[@]}" useradd --system --user-group --home-dir /nonexistent --no-create-home --shell /bin/sh kelvani-build
# That user mounts the reordering file system: FUSE open to all users, as
# Debian's udev leaves it on a desktop (a machine without udev has it for
# root alone).
[ "$(stat -c %a /dev/fuse)" = 666 ] || "${sudo[@]}" chmod 0666 /dev/fuse

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git clone -q . "$work/kelvani"

# reprotest 0.7.23 runs "sudo -h localhost ..." to change user and host
# name, which Debian 12's sudo refuses (-h now names a remote host to list
# rights on). This sudo, first on the search path, drops that, and keeps the
# search path for the commands it runs, sudo among them, so that the build
# sees the path varied too. Run by the build user, it is reprotest's own
# wrappers asking to be that same user, which needs no sudo.
chmod 755 "$work" # for the build user to find it
mkdir "$work/bin"
cat >"$work/bin/sudo" <<'EOF'
#!/bin/sh
[ "$1" = -h ] && [ "$2" = localhost ] && shift 2
if [ "$(id -u)" -ne 0 ]; then
    while :; do case $1 in -E) shift ;; -u | -g) shift 2 ;; *) break ;; esac; done
    exec "$@"
fi
exec /usr/bin/sudo --preserve-env=PATH "$@"
EOF
chmod +x "$work/bin/sudo"

variations=+all,user_group.available+=kelvani-build:kelvani-build,domain_host.use_sudo=1
status=0
PATH="$work/bin:$PATH" reprotest --verbosity 1 --vary="$variations" --store-dir "$work/dist" \
    -s "$work/kelvani" ./release.sh 'dist/*' 2>&1 | tee "$work/log" || status=$?
echo "== the variations applied"
grep -oE '(build "[^"]*": .*|[A-Z_]+ variation: .*)' "$work/log" || true
exit $status
