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

# Checks DIST/SHA256SUMS: it lists exactly the files there, each of them not
# empty and named with VERSION, and every sum is right. Says what is wrong
# and fails otherwise.
kelvani_check_sums() { # DIST VERSION
    local dist=$1 version=$2 listed present file status=0
    listed=$(sed 's/^[0-9a-f]\{64\}  //' "$dist/SHA256SUMS" | LC_ALL=C sort)
    present=$(find "$dist" -maxdepth 1 -type f ! -name 'SHA256SUMS*' -printf '%f\n' | LC_ALL=C sort)
    if [ "$listed" != "$present" ]; then
        echo "SHA256SUMS does not list exactly the files in $dist:" >&2
        diff <(echo "$listed") <(echo "$present") | sed -n 's/^< /  listed, not there: /p; s/^> /  there, not listed: /p' >&2
        status=1
    fi
    while read -r file; do
        [ -s "$dist/$file" ] || { echo "$file is empty" >&2; status=1; }
        [[ $file == *"$version"* ]] || { echo "$file does not carry the version $version in its name" >&2; status=1; }
    done <<<"$present"
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
