# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# The last steps of a release, on its folder of downloads: the SHA-256 sums,
# written and then checked, and their signature when the publisher has a
# key. Sourced by release.sh, and by tests/check_sums.sh, which tries them.

# Writes DIST/SHA256SUMS: one line for each file there, in order of name.
kelvani_write_sums() { # DIST
    (cd "$1" && find . -maxdepth 1 -type f ! -name 'SHA256SUMS*' -printf '%f\n' | LC_ALL=C sort |
        xargs -d '\n' sha256sum -- >SHA256SUMS)
}

# The languages of the source in SOURCE_DIR, Kelvani's own (its template's)
# first, then those po/LINGUAS names.
kelvani_languages() { # SOURCE_DIR
    sed -n 's/^"Language: \(.*\)\\n"$/\1/p' "$1/po/kelvani.pot"
    grep -v '^#' "$1/po/LINGUAS" | tr -s ' \t' '\n' | sed '/^$/d'
}

# The downloads of a release of VERSION, one name a line, in order of name:
# the source, the Debian package, the Windows programs and packages, a page
# for each language (Kelvani's own the one without a code), and how they
# were built.
kelvani_downloads() { # VERSION "CODE..."
    local version=$1 code own=1
    {
        echo "kelvani-$version.tar.gz"
        echo "kelvani_${version}_$(dpkg --print-architecture).deb"
        echo "kelvani-$version-setup.exe"
        echo "kelvani-$version-windows-x64.zip"
        echo "kelvani-$version-x64.msi"
        echo "kelvani-$version-buildinfo.txt"
        for code in $2; do
            if [ $own = 1 ]; then echo "kelvani-$version.html"; else echo "kelvani-$version-$code.html"; fi
            own=0
        done
    } | LC_ALL=C sort
}

# Checks DIST: it holds every download of a release of VERSION in the
# languages CODES, and nothing else; the buildinfo names the commit;
# SHA256SUMS lists exactly the files there, each of them not empty, and
# every sum is right. Says what is wrong and fails otherwise.
kelvani_check_sums() { # DIST VERSION "CODE..."
    local dist=$1 version=$2 listed present file status=0
    listed=$(sed 's/^[0-9a-f]\{64\}  //' "$dist/SHA256SUMS" | LC_ALL=C sort)
    present=$(find "$dist" -maxdepth 1 -type f ! -name 'SHA256SUMS*' -printf '%f\n' | LC_ALL=C sort)
    if [ "$present" != "$(kelvani_downloads "$version" "$3")" ]; then
        echo "$dist does not hold exactly a release's downloads:" >&2
        diff <(kelvani_downloads "$version" "$3") <(echo "$present") |
            sed -n 's/^< /  missing: /p; s/^> /  not a download: /p' >&2
        status=1
    fi
    if [ "$listed" != "$present" ]; then
        echo "SHA256SUMS does not list exactly the files in $dist:" >&2
        diff <(echo "$listed") <(echo "$present") | sed -n 's/^< /  listed, not there: /p; s/^> /  there, not listed: /p' >&2
        status=1
    fi
    while read -r file; do
        [ -s "$dist/$file" ] || { echo "$file is empty" >&2; status=1; }
    done <<<"$present"
    grep -qE '^Git-Commit: [0-9a-f]{40}$' "$dist/kelvani-$version-buildinfo.txt" 2>/dev/null ||
        { echo "kelvani-$version-buildinfo.txt does not name the commit" >&2; status=1; }
    (cd "$dist" && sha256sum --check --quiet --strict SHA256SUMS) || status=1
    return $status
}

# With KELVANI_SIGNING_KEY naming an OpenPGP key of the publisher's (its
# fingerprint, or an address gpg knows it by), signs DIST/SHA256SUMS into
# DIST/SHA256SUMS.asc and checks the signature; without, says that the sums
# go unsigned.
kelvani_sign_sums() { # DIST
    if [ -z "${KELVANI_SIGNING_KEY:-}" ]; then
        echo "KELVANI_SIGNING_KEY is not set: SHA256SUMS is not signed"
        return 0
    fi
    gpg --batch --yes --local-user "$KELVANI_SIGNING_KEY" --armor --detach-sign \
        --output "$1/SHA256SUMS.asc" "$1/SHA256SUMS"
    gpg --batch --verify "$1/SHA256SUMS.asc" "$1/SHA256SUMS"
}
