#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Puts a page together from its template, in one language: the window and
# its help as makewindow builds them from their definition (run by Node.js), the
# styles, the script that fits the window to a small screen, the program
# (emscripten's script, with the WebAssembly inside), the map and the icon
# as data, and the help's text, turned from Markdown into HTML by cmark. The program starts after the
# first paint, which shows the whole window already. The policy in the page
# allows exactly these scripts and these styles, by their hashes.
# Usage: make_page.py LANGUAGE TEMPLATE STYLE FIT SCRIPT NODE MAKEWINDOW MAP MAP_2X ICON CMARK OUT
# SCRIPT is the same for every language; MAP and MAP_2X too, the page
# writing its lands on them.
import base64
import hashlib
import subprocess
import sys

(language, template, style, fit, script, node, makewindow, map_1x, map_2x, icon, cmark, out) = sys.argv[1:]


def read(path, mode='r'):
    with open(path, mode, **({} if 'b' in mode else {'encoding': 'utf-8'})) as f:
        return f.read()


def data(path):
    return base64.b64encode(read(path, 'rb')).decode('ascii')


def digest(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode('utf-8')).digest()).decode('ascii') + "'"


def window(part):
    return subprocess.run([node, makewindow, part, language], capture_output=True, text=True, check=True).stdout


help_html = subprocess.run([cmark, '--to', 'html'], input=window('help'), capture_output=True, text=True,
                           check=True).stdout

style_text = read(style) + window('css')
fit_text = read(fit)
script_text = 'requestAnimationFrame(function() { setTimeout(function() {\n' + read(script) + '\n}); });\n'
for text in (fit_text, script_text):
    if '</script' in text.lower():
        sys.exit('make_page.py: a script would end its own element')
page = read(template)
for key, value in (('@SCRIPT_HASHES@', digest(fit_text) + ' ' + digest(script_text)),
                   ('@STYLE_HASH@', digest(style_text)), ('@LANGUAGE@', language), ('@TITLE@', window('title').strip()),
                   ('@DESCRIPTION@', window('description').strip()),
                   ('@ICON@', data(icon)), ('@WINDOW@', window('html')),
                   ('@MAP@', data(map_1x)), ('@MAP_2X@', data(map_2x)),
                   ('@HELP@', help_html.strip()), ('@STYLE@', style_text), ('@FIT@', fit_text),
                   ('@SCRIPT@', script_text)):
    page = page.replace(key, value)
with open(out, 'w', encoding='utf-8') as f:
    f.write(page)
