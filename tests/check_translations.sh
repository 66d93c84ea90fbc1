#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# What stops the build in the translations (window/content/make_languages.py),
# each fault made in a copy of po/: a text missing, empty or fuzzy (as
# msgmerge marks one whose Bulgarian changed), lands that are not four
# letters in order, a placeholder lost (msgfmt --check), a language LINGUAS
# names without its file. Each must stop it with a message that names the
# file and the line; the translations as they are must not.
# Usage: check_translations.sh SOURCE_DIR PYTHON
set -euo pipefail
source=$1 python=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $1"; exit 1; }
make() { "$python" "$source/window/content/make_languages.py" cpp "$work/po" "$work/languages.inc"; }

cp -r "$source/po" "$work/po"
make || fail "the translations as they are stop the build"
code=$(grep -v '^#' "$source/po/LINGUAS" | head -n 1)
# fault | what the message must name
faults=(
    "sed -i '/^msgctxt \"clear\"/,/^\$/d' \$po|kelvani.pot:[0-9]*: .* (clear) has no translation in .*$code.po"
    "sed -i '/^msgctxt \"clear\"/,/^msgstr/s/^msgstr .*/msgstr \"\"/' \$po|$code.po:[0-9]*: the translation of .* (clear) is empty"
    "sed -i 's/^msgctxt \"clear\"/#, fuzzy\\nmsgctxt \"clear\"/' \$po|$code.po:[0-9]*: the translation of .* (clear) is fuzzy"
    "sed -i '/^msgctxt \"lands\"/,/^msgstr/s/^msgstr .*/msgstr \"A B B D\"/' \$po|$code.po:[0-9]*: the lands are \"A B B D\""
    "sed -i '/^msgctxt \"mapBridge\"/,/^\$/{/^msgstr/s/%3/%4/}' \$po|$code.po: msgfmt --check says"
    "echo xx >>\$work/po/LINGUAS|LINGUAS: names xx, but there is no"
)
for fault in "${faults[@]}"; do
    rm -rf "$work/po" && cp -r "$source/po" "$work/po"
    po=$work/po/$code.po
    eval "${fault%%|*}"
    if said=$(make 2>&1); then
        fail "the build went on after: ${fault%%|*}"
    fi
    grep -q -- "${fault#*|}" <<<"$said" || fail "after ${fault%%|*}, the build said: $said"
done
echo "the translations pass; ${#faults[@]} faults stop the build, each named with its file and line"
