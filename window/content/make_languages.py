#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Turns the translations in po/ into what the build needs, after checking
# them: the Bulgarian texts are the template's own (kelvani.pot), every
# other language's are its CODE.po, in the order LINGUAS lists them.
#   make_languages.py cpp PO_DIR OUT.inc    the table of every language's
#                                           texts (content::Texts), for
#                                           languages.cpp to include
#   make_languages.py nsis PO_DIR OUT.nsh   their codes and names, for the
#                                           installer to offer
#   make_languages.py desktop PO_DIR OUT TEMPLATE
#                                           the desktop entry, translated by
#                                           msgfmt --desktop, with an action
#                                           for each language but Kelvani's own
# A translation that msgfmt --check refuses, or that lacks a text, has an
# empty or a fuzzy one, or writes the lands otherwise than as four letters
# in their order, stops the build with a message naming its file and line.
# Debian's python3-polib reads the files; gettext's msgfmt checks them.
import os
import subprocess
import sys

import polib

# The members of content::Texts that translations fill, in their order
# there, each named by its text's context in the template; "language" fills
# name, "lands" the lands. Caption and heading are the same in every
# language: the publisher's address and Kelvani's name.
MEMBERS = ['summary', 'available', 'crossed', 'remaining', 'clear', 'statement', 'secondText', 'statementName',
           'mapName', 'mapLands', 'mapBridges', 'mapBridge', 'helpTitle', 'helpClose', 'help']
CONTEXTS = ['language', 'lands'] + MEMBERS

errors = []


def error(where, what):
    errors.append('%s: %s' % (where, what))


def quoted(text):
    """A text as the template writes it, its first line only and cut short."""
    line = text.split('\n')[0]
    return '"%s%s"' % (line[:50], '...' if len(line) > 50 or text.rstrip('\n') != line else '')


def check_lands(where, lands):
    letters = lands.split(' ')
    if (len(letters) != 4 or any(len(c) != 1 or not c.isalpha() for c in letters)
            or any(a >= b for a, b in zip(letters, letters[1:]))):
        error(where, 'the lands are "%s": they must be four different letters, one for each land, in the order '
                     'of the alphabet, with a blank between them' % lands)


def read(po_dir):
    """Every language, Kelvani's own first, as (code, {context: text}). The
    texts without a context (the desktop entry's and the metainfo's), which
    msgfmt translates itself, are checked all the same."""
    template_path = os.path.join(po_dir, 'kelvani.pot')
    template = polib.pofile(template_path)
    own = {e.msgctxt: e.msgid for e in template if e.msgctxt}
    if sorted(own) != sorted(CONTEXTS):
        error(template_path, 'its texts are %s, but content::Texts takes %s' % (sorted(own), sorted(CONTEXTS)))
    check_lands(template_path, own.get('lands', ''))
    languages = [(template.metadata.get('Language', ''), own)]
    with open(os.path.join(po_dir, 'LINGUAS'), encoding='utf-8') as f:
        codes = [word for line in f if not line.startswith('#') for word in line.split()]
    for code in codes:
        path = os.path.join(po_dir, code + '.po')
        if not os.path.exists(path):
            error(os.path.join(po_dir, 'LINGUAS'), 'names %s, but there is no %s' % (code, path))
            continue
        check = subprocess.run(['msgfmt', '--check', '-o', os.devnull, path], capture_output=True, text=True)
        if check.returncode != 0 or check.stderr.strip():
            error(path, 'msgfmt --check says:\n' + (check.stderr.strip() or 'it failed'))
        po = polib.pofile(path)
        found = {(e.msgctxt, e.msgid): e for e in po if not e.obsolete}
        texts = {}
        for t in template:
            entry = found.get((t.msgctxt, t.msgid))
            what = '%s%s' % (quoted(t.msgid), ' (%s)' % t.msgctxt if t.msgctxt else '')
            if entry is None:
                error('%s:%d' % (template_path, t.linenum),
                      '%s has no translation in %s; after a change to the template, '
                      'cmake --build BUILD --target update-po brings it in (marked fuzzy)' % (what, path))
            elif 'fuzzy' in entry.flags:
                error('%s:%d' % (path, entry.linenum),
                      'the translation of %s is fuzzy: the Bulgarian text changed since it was translated; '
                      'check the translation against it, then take away the fuzzy flag' % what)
            elif not entry.msgstr:
                error('%s:%d' % (path, entry.linenum), 'the translation of %s is empty' % what)
            elif t.msgctxt:
                texts[t.msgctxt] = entry.msgstr
            if entry is not None and t.msgctxt == 'lands' and entry.msgstr:
                check_lands('%s:%d' % (path, entry.linenum), entry.msgstr)
        languages.append((code, texts))
    if errors:
        sys.exit('\n'.join(errors))
    return languages


def cpp_string(text):
    out = '"'
    for c in text:
        out += {'\\': '\\\\', '"': '\\"', '\n': '\\n"\n        "'}.get(c, c)
    return out + '"'


def cpp(languages):
    lines = ['// Made by make_languages.py from the translations in po/: do not edit.']
    for code, texts in languages:
        lands = ', '.join(cpp_string(c) for c in texts['lands'].split(' '))
        lines.append('{')
        lines.append('    .code = "%s",' % code)
        lines.append('    .name = %s,' % cpp_string(texts['language']))
        lines.append('    .lands = {%s},' % lands)
        lines.append('    .caption = kCaption,')
        lines.append('    .heading = kHeading,')
        for member in MEMBERS:
            lines.append('    .%s = %s,' % (member, cpp_string(texts[member])))
        lines.append('},')
    return '\n'.join(lines) + '\n'


def nsis(languages):
    """The languages for the installer: their codes, Kelvani's own first,
    and a macro that adds each one's name, in the same order, to a list."""
    lines = ['; Made by make_languages.py from the translations in po/: do not edit.',
             '!define KELVANI_LANGUAGE_CODES "%s"' % ' '.join(code for code, _ in languages),
             '!macro KelvaniLanguageNames LIST']
    for _, texts in languages:
        lines.append('    SendMessage ${LIST} ${LB_ADDSTRING} 0 "STR:%s"' % texts['language'].replace('"', '$\\"'))
    lines.append('!macroend')
    return '\n'.join(lines) + '\n'


def desktop(po_dir, out, template):
    """The desktop entry: the template with an action that starts Kelvani in
    each other language, named in that language, translated by msgfmt."""
    languages = read(po_dir)
    with open(template, encoding='utf-8') as f:
        entry = f.read()
    codes = [code for code, _ in languages[1:]]
    entry += 'Actions=%s;\n' % ';'.join(codes)
    for code, texts in languages[1:]:
        entry += '\n[Desktop Action %s]\nName=%s\nExec=kelvani --language %s\n' % (code, texts['language'], code)
    with open(out + '.in', 'w', encoding='utf-8') as f:
        f.write(entry)
    subprocess.run(['msgfmt', '--desktop', '-d', po_dir, '--template', out + '.in', '-o', out], check=True)
    os.remove(out + '.in')


def main():
    what, po_dir, out = sys.argv[1:4]
    os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
    if what == 'desktop':
        desktop(po_dir, out, sys.argv[4])
        return
    text = {'cpp': cpp, 'nsis': nsis}[what](read(po_dir))
    with open(out, 'w', encoding='utf-8') as f:
        f.write(text)


main()
