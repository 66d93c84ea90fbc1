#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# A page of Kelvani's as a user meets it, in headless Chromium driven by Selenium:
#   check_page.py PAGE LANGUAGE NODE MAKEWINDOW.JS CONTENT_DIR AXE.JS TEST
# Each test starts a browser of its own, with a new profile and home in a
# temporary folder, drives the page with real input through the DevTools
# protocol (mouse, touch, keys) and reads what it shows. What the window must
# look like comes from its definition (makewindow json). Every wait is bounded.
import base64
import contextlib
import http.server
import io
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from checks import check, compare, definition, run

page_path, language, node, makewindow, content_dir, axe_path, test = sys.argv[1:]
form = definition(node, makewindow, language)
control = {c['id']: c for c in form['controls']}


def wait_for(done, seconds=5):
    end = time.monotonic() + seconds
    while not done():
        if time.monotonic() > end:
            return False
        time.sleep(0.02)
    return True


FRESH = sorted(form['catalogue'])


@contextlib.contextmanager
def browser(url=None):
    """Chromium with a profile, home and cache of its own, ended afterwards."""
    home = tempfile.mkdtemp(prefix='kelvani-web-')
    os.environ['HOME'] = home
    os.environ['XDG_CONFIG_HOME'] = os.environ['XDG_CACHE_HOME'] = home
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    # Scrolling without animation: a key or wheel turn that scrolls is done
    # when the next one comes, and a check reads where it ended.
    for flag in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
                 '--disable-component-update', '--disable-sync', '--no-first-run', '--disable-default-apps',
                 '--user-data-dir=' + home + '/profile', '--window-size=800,600', '--force-device-scale-factor=1',
                 '--lang=bg', '--disable-smooth-scrolling'):
        options.add_argument(flag)
    options.set_capability('goog:loggingPrefs', {'performance': 'ALL'})
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    try:
        driver.set_page_load_timeout(30)
        driver.set_script_timeout(10)
        driver.get(url or 'file://' + os.path.abspath(page_path))
        check(wait_for(lambda: driver.execute_script("return 'ready' in document.getElementById('window').dataset")),
              'the window was not ready within 5 s')
        yield Page(driver)
    finally:
        driver.quit()
        shutil.rmtree(home, ignore_errors=True)


class Page:
    def __init__(self, driver):
        self.driver = driver

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def cdp(self, command, **params):
        return self.driver.execute_cdp_cmd(command, params)

    def items(self, index):
        return self.js("return [...document.querySelectorAll('#List1_%d [role=option]')].map(o => o.textContent)" % index)

    def lists(self):
        return [self.items(0), self.items(1), self.items(2)]

    def selected(self, index):
        return self.js("return [...document.querySelectorAll('#List1_%d [role=option]')]"
                       ".findIndex(o => o.getAttribute('aria-selected') == 'true')" % index)

    def focus(self):
        return self.js('return document.activeElement.id')

    def rect(self, selector):
        return self.js("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                       "return [r.left, r.top, r.width, r.height]", selector)

    def point(self, index, entry, below=0):
        """The middle of an entry, scrolled into sight first, or as far below it as asked."""
        items = self.items(index)
        if not check(entry in items, '%r is not in List1(%d): %r' % (entry, index, items)):
            return 0, 0
        row = items.index(entry)
        self.js("document.querySelectorAll('#List1_%d [role=option]')[%d].scrollIntoView({block: 'nearest'})"
                % (index, row))
        left, top, width, height = self.rect('#List1_%d > :nth-child(%d)' % (index, row + 1))
        return left + width / 2, top + height / 2 + below

    def mouse(self, kind, x, y, button='left', count=1):
        self.cdp('Input.dispatchMouseEvent', type=kind, x=x, y=y, button=button, clickCount=count,
                 buttons=1 if kind == 'mousePressed' and button == 'left' else 0)

    def click(self, index, entry, button='left', count=1, below=0):
        x, y = self.point(index, entry, below)
        self.mouse('mouseMoved', x, y)
        for n in range(1, count + 1):
            self.mouse('mousePressed', x, y, button, n)
            self.mouse('mouseReleased', x, y, button, n)
        time.sleep(0.6)  # the next click is one of its own, not a double-click with this one

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def chord(self, modifier, key):
        ActionChains(self.driver).key_down(modifier).send_keys(key).key_up(modifier).perform()

    def focused_entry(self, index):
        """The entry that list index tells a screen reader the focus rests
        on (its active descendant in the accessibility tree), and whether it is in sight."""
        nodes = self.cdp('Accessibility.getFullAXTree')['nodes']
        names = {n.get('backendDOMNodeId'): n.get('name', {}).get('value') for n in nodes}
        for n in nodes:
            if n.get('name', {}).get('value') == control['List1_%d' % index]['name']:
                active = [a['value']['relatedNodes'][0] for a in n.get('properties', []) if a['name'] == 'activedescendant']
                if active:
                    return names.get(active[0]['backendDOMNodeId']), self.js(
                        "const l = document.getElementById('List1_%d'), o = document.getElementById(arguments[0]);"
                        "return o.offsetTop >= l.scrollTop && o.offsetTop + o.offsetHeight <= l.scrollTop + l.clientHeight"
                        % index, active[0]['idref'])
        return None, False

    def screenshot(self):
        shot = self.cdp('Page.captureScreenshot', format='png')
        return Image.open(io.BytesIO(base64.b64decode(shot['data']))).convert('RGB')


def pixel(image, x, y):
    return '#%02X%02X%02X' % image.getpixel((int(x), int(y)))


def test_layout():
    """Every control where the definition puts it, in its colour, with its
    text; what is hidden; the map pixel for pixel at 1x and 2x; the focus."""
    with browser() as p:
        compare(p.js('return document.title'), form['caption'], 'the title')
        compare(p.js('return document.documentElement.lang'), language, 'the language')
        with open(os.path.join(content_dir, 'kelvani-32.png'), 'rb') as icon:
            compare(p.js("return document.querySelector('link[rel=icon]').href"),
                    'data:image/png;base64,' + base64.b64encode(icon.read()).decode(), 'the icon')
        left, top, width, height = p.rect('#window')
        compare([width, height], [form['width'], form['height']], "the window's size")
        shot = p.screenshot()
        compare(pixel(shot, left + 4, top + height / 4), form['colour'], "the window's colour")
        for c in form['controls']:
            element = '#' + c['id']
            compare(p.js('return !document.querySelector(arguments[0]).hidden', element), c['shown'], c['id'] + ' shown')
            if not c['shown']:
                continue
            x, y, w, h = p.rect(element)
            compare([x - left, y - top, w, h], c['place'], c['id'] + "'s place")
            if c['colour'] and c['kind'] != 'ListBox':
                compare(pixel(shot, x + 3, y + 3), c['colour'], c['id'] + "'s colour")
            if c['text'] and c['kind'] == 'TextBox':
                compare(p.js('return document.querySelector(arguments[0]).value', element), c['text'], c['id'])
            elif c['text']:
                compare(p.js('return document.querySelector(arguments[0]).textContent', element), c['text'], c['id'])
            # Nothing clipped: a caption or entry fits its box.
            clipped = p.js("return [...document.querySelector(arguments[0]).querySelectorAll('*')].concat("
                           "document.querySelector(arguments[0])).filter(e => e.scrollWidth > e.clientWidth + 1 &&"
                           " e.tagName != 'TEXTAREA').map(e => e.textContent)", element)
            compare(clipped, [], c['id'] + "'s clipped texts")
        # Each list's colour where no entry covers it: Crossed and Remaining empty.
        for index in (1, 2):
            x, y, w, h = p.rect('#List1_%d' % index)
            compare(pixel(shot, x + w / 2, y + h / 2), control['List1_%d' % index]['colour'], 'List1(%d) empty' % index)
        compare(p.lists(), [FRESH, [], []], 'the lists')
        compare(p.items(3), form['catalogue'], 'the hidden catalogue')
        compare(p.js("return document.getElementById('Text1_1').value"), control['Text1_1']['text'], 'the second text')
        compare(p.focus(), form['focus'], 'the focus at start')
        compare(p.js("return document.getElementById('Text1_0').scrollTop"), 0, "the statement's first line in sight")
        # The statement cannot be typed into.
        p.keys('K', Keys.DELETE, Keys.ENTER, Keys.BACK_SPACE)
        compare(p.js("return document.getElementById('Text1_0').value"), control['Text1_0']['text'], 'the statement typed into')
        # 12 point: 16 pixels.
        for selector in ('#Text1_0', '#Label1_0', '#Label1_1', '#List1_0 [role=option]', '#Command1'):
            compare(p.js('return getComputedStyle(document.querySelector(arguments[0])).fontSize', selector), '16px',
                    selector + "'s font size")
        # Its last lines reached by the wheel and by keys, and shown, with a scroll bar to drag.
        at_end = ("const t = document.getElementById('Text1_0'), r = t.getBoundingClientRect();"
                  "return t.scrollTop > 0 && t.scrollTop + t.clientHeight >= t.scrollHeight - 1 &&"
                  " document.elementFromPoint(r.left + r.width / 2, r.bottom - 6) == t")
        x, y, w, h = p.rect('#Text1_0')
        p.cdp('Input.dispatchMouseEvent', type='mouseWheel', x=x + w / 2, y=y + h / 2, deltaX=0, deltaY=2000)
        check(wait_for(lambda: p.js(at_end)), "the wheel did not show the statement's last line")
        p.chord(Keys.CONTROL, Keys.HOME)
        check(wait_for(lambda: p.js("return document.getElementById('Text1_0').scrollTop") == 0), 'Ctrl+Home')
        p.chord(Keys.CONTROL, Keys.END)
        check(wait_for(lambda: p.js(at_end)), "Ctrl+End did not show the statement's last line")
        check(p.js("const t = document.getElementById('Text1_0'); return t.offsetWidth - t.clientWidth - 4") >= 10,
              "the statement's scroll bar")
        for scale in (1, 2):
            p.cdp('Emulation.setDeviceMetricsOverride', width=800, height=600, deviceScaleFactor=scale, mobile=False)
            p.driver.refresh()
            wait_for(lambda: p.js("return 'ready' in document.getElementById('window').dataset && "
                                  "document.querySelector('.PictureBox img').complete"))
            map_shown(p, scale)


def map_shown(p, scale):
    """The map pixel for pixel at the screen's density, but where the lands'
    letters are written on it: the language's letters, black, each centred
    on its place."""
    x, y, _, _ = p.rect('.PictureBox img')
    name = 'map.png' if scale == 1 else 'map@2x.png'
    shot = p.screenshot()
    letters = [[left * scale, top * scale, size * scale] for left, top, size in form['mapLetters']]
    with Image.open(os.path.join(content_dir, name)) as expected:
        expected = expected.convert('RGB')
        got = shot.crop((round(x * scale), round(y * scale), round(x * scale) + expected.width,
                         round(y * scale) + expected.height))
        wrong = [(i % expected.width, i // expected.width) for i, (a, b) in enumerate(zip(got.getdata(), expected.getdata()))
                 if a != b]
        outside = [w for w in wrong if not any(abs(w[0] - left) <= size and abs(w[1] - top) <= size
                                               for left, top, size in letters)]
        compare(outside, [], 'pixels of the map at %dx that differ from %s away from its letters' % (scale, name))
    compare(p.js("return [...document.querySelectorAll('.PictureBox text')].map(t => t.textContent)"), form['lands'],
            "the letters on the map")
    for (left, top, size), land in zip(letters, form['lands']):
        box = got.crop((int(left - size / 2), int(top - size / 2), int(left + size / 2), int(top + size / 2)))
        black = [i for i, c in enumerate(box.getdata()) if max(c) < 40]
        check(len(black) > 10 * scale * scale, 'the letter %s is not written black on the map at %dx' % (land, scale))
        side = box.width
        xs, ys = [i % side for i in black] or [0], [i // side for i in black] or [0]
        middle = ((min(xs) + max(xs) + 1) / 2, (min(ys) + max(ys) + 1) / 2)
        check(all(abs(m - side / 2) <= 1.5 * scale for m in middle),
              'the letter %s on the map at %dx is centred at %r, not in the middle of %d' % (land, scale, middle, side))


def crossed_newest_in_sight(p):
    return p.js("const l = document.getElementById('List1_1'), o = l.lastElementChild;"
                "return !o || (o.offsetTop >= l.scrollTop && o.offsetTop + o.offsetHeight <= l.scrollTop + l.clientHeight)")


def test_mouse():
    """The worked example with real presses; Clear held; then a double-click,
    a drag, a right click, a click on Crossed and one below the last entry:
    each crosses exactly the entry chosen, or nothing."""
    with browser() as p:
        p.click(0, '5 АВ')
        compare(p.lists(), [['6 ВГ', '7 ВБ'], ['5 АВ'],
                            ['1 АБ', '1 БА', '2 БГ', '2 ГБ', '3 БГ', '3 ГБ', '4 АБ', '4 БА', '6 ГВ', '7 БВ']], 'after 5 АВ')
        p.click(0, '7 ВБ')
        compare(p.lists(), [['1 БА', '2 БГ', '3 БГ', '4 БА'], ['5 АВ', '7 ВБ'],
                            ['1 АБ', '2 ГБ', '3 ГБ', '4 АБ', '6 ВГ', '6 ГВ']], 'after 7 ВБ')
        for e in ('1 БА', '4 АБ', '2 БГ', '3 ГБ'):
            p.click(0, e)
        compare(p.lists(), [[], ['5 АВ', '7 ВБ', '1 БА', '4 АБ', '2 БГ', '3 ГБ'], ['6 ВГ', '6 ГВ']], 'at the end')
        check(crossed_newest_in_sight(p), "Crossed's newest entry is out of sight")
        x, y, w, h = p.rect('#List1_0')
        compare(pixel(p.screenshot(), x + w / 2, y + h / 2), control['List1_0']['colour'], 'List1(0) empty')

        # A press below the last entry of Remaining leaves its selection.
        p.click(2, '6 ГВ')
        p.click(2, '6 ГВ', below=30)
        compare(p.selected(2), 1, 'the selection in Remaining after a press below its last entry')

        # Clear, held: its edge sinks (not while the pointer is only over
        # it); released, it starts the walk again.
        x, y, w, h = p.rect('#Command1')
        raised = pixel(p.screenshot(), x, y)
        p.mouse('mouseMoved', x + w / 2, y + h / 2)
        compare(pixel(p.screenshot(), x, y), raised, "Clear's edge with the pointer over it")
        p.mouse('mousePressed', x + w / 2, y + h / 2)
        check(pixel(p.screenshot(), x, y) != raised, "Clear's edge did not sink while held")
        compare(p.lists()[1], ['5 АВ', '7 ВБ', '1 БА', '4 АБ', '2 БГ', '3 ГБ'], 'Crossed while Clear is held')
        p.mouse('mouseReleased', x + w / 2, y + h / 2)
        compare(p.lists(), [FRESH, [], []], 'after Clear')

        p.click(0, '1 АБ', count=2)  # a double-click
        compare(p.items(1), ['1 АБ'], 'Crossed after a double-click')
        # A drag from "2 БГ" over the entries the crossing moves under it.
        x, y = p.point(0, '2 БГ')
        p.mouse('mouseMoved', x, y)
        p.mouse('mousePressed', x, y)
        for step in range(1, 5):
            p.cdp('Input.dispatchMouseEvent', type='mouseMoved', x=x, y=y + 12 * step, button='left', buttons=1)
        p.mouse('mouseReleased', x, y + 48)
        time.sleep(0.6)
        p.click(0, '3 ГБ', button='right')
        compare(p.items(1), ['1 АБ', '2 БГ'], 'Crossed after a right click')
        p.click(1, '1 АБ')
        p.click(1, '2 БГ', below=20)  # below the last entry
        compare(p.selected(1), 0, 'the selection in Crossed after a press below its last entry')
        p.click(0, '6 ГВ', below=40)
        p.click(2, '4 БА')
        compare(p.lists(), [['3 ГБ', '6 ГВ'], ['1 АБ', '2 БГ'],
                            ['3 БГ', '4 АБ', '4 БА', '5 АВ', '5 ВА', '6 ВГ', '7 БВ', '7 ВБ']], 'after the odd clicks')
        compare([p.selected(0), p.selected(1), p.selected(2)], [-1, 0, 2], 'the selections')
        # The selected entries highlighted, away from their text.
        shot = p.screenshot()
        for index, row in ((1, 0), (2, 2)):
            x, y, _, h = p.rect('#List1_%d > :nth-child(%d)' % (index, row + 1))
            check(pixel(shot, x + 1, y + h / 2) != control['List1_%d' % index]['colour'],
                  'the entry selected in List1(%d) is not highlighted' % index)


def test_touch():
    """A phone: the window fits its width; a tap crosses the entry tapped,
    once, and a double tap too; a swipe scrolls a list and crosses nothing."""
    with browser() as p:
        p.cdp('Emulation.setDeviceMetricsOverride', width=390, height=844, deviceScaleFactor=3, mobile=True)
        p.cdp('Emulation.setTouchEmulationEnabled', enabled=True, maxTouchPoints=5)
        p.driver.refresh()
        wait_for(lambda: p.js("return 'ready' in document.getElementById('window').dataset"))
        left, top, width, height = p.rect('#window')
        check(left >= 0 and left + width <= 390, 'the window %r does not fit 390 pixels' % ([left, width],))
        compare(p.js('return document.documentElement.scrollWidth <= document.documentElement.clientWidth'), True,
                'no horizontal scrolling')

        def touch(kind, x=None, y=None):
            points = [] if x is None else [{'x': x, 'y': y}]
            p.cdp('Input.dispatchTouchEvent', type=kind, touchPoints=points)

        def tap(index, entry):
            x, y = p.point(index, entry)
            touch('touchStart', x, y)
            touch('touchEnd')
            time.sleep(0.4)

        x, y, w, h = p.rect('#List1_0')
        touch('touchStart', x + w / 2, y + h - 6)
        for step in range(1, 9):
            touch('touchMove', x + w / 2, y + h - 6 - 10 * step)
        touch('touchEnd')
        check(wait_for(lambda: p.js("return document.getElementById('List1_0').scrollTop") > 0),
              'the swipe did not scroll Available')
        time.sleep(0.5)
        compare(p.lists(), [FRESH, [], []], 'the lists after a swipe')
        # The first entry: what the crossing moves under the finger must not
        # be crossed by the same tap.
        tap(0, '1 АБ')
        compare(p.lists()[:2], [['2 БГ', '3 БГ', '4 БА', '7 БВ'], ['1 АБ']], 'after a tap on 1 АБ')
        tap(0, '7 БВ')
        compare(p.items(1), ['1 АБ', '7 БВ'], 'Crossed after a tap on 7 БВ')
        tap(2, '6 ГВ')
        compare(p.items(1), ['1 АБ', '7 БВ'], 'Crossed after a tap on Remaining')
        compare(p.selected(2), p.items(2).index('6 ГВ'), 'the entry tapped in Remaining')
        x, y, w, h = p.rect('#Command1')
        touch('touchStart', x + w / 2, y + h / 2)
        touch('touchEnd')
        check(wait_for(lambda: p.lists() == [FRESH, [], []]), 'a tap on Clear did not start again')
        time.sleep(0.5)
        x, y = p.point(0, '1 АБ')
        for _ in range(2):  # a double tap
            touch('touchStart', x, y)
            touch('touchEnd')
        time.sleep(0.4)
        compare(p.items(1), ['1 АБ'], 'Crossed after a double tap')


def test_keyboard():
    """Tab and Shift+Tab in order, focus alone crossing nothing; the keys that
    select in Available crossing one entry each; Space and Enter on Clear."""
    with browser() as p:
        # A low screen, on which the page scrolls: the keys in a list must not.
        p.cdp('Emulation.setDeviceMetricsOverride', width=800, height=300, deviceScaleFactor=1, mobile=False)
        order = ['Text1_0', 'List1_0', 'List1_1', 'List1_2', 'Command1']
        for i in range(1, len(order)):
            p.keys(Keys.TAB)
            compare(p.focus(), order[i], 'the focus after %d Tab' % i)
        for i in range(len(order) - 2, -1, -1):
            ActionChains(p.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
            compare(p.focus(), order[i], 'the focus after Shift+Tab')
        compare(p.lists(), [FRESH, [], []], 'the lists after moving the focus')
        p.keys(Keys.TAB)
        scrolled = p.js('return window.scrollY')
        crossed = []
        for key, entry in (('1', '1 АБ'), (Keys.END, '7 БВ'), (Keys.SPACE, '5 ВА'), (Keys.HOME, '4 АБ'),
                           (Keys.PAGE_UP, '2 БГ'), (Keys.DOWN, '6 ГВ')):
            p.keys(key)
            crossed.append(entry)
            compare(p.items(1), crossed, 'Crossed after %r' % key)
        check(crossed_newest_in_sight(p), "Crossed's newest entry is out of sight")
        compare(p.focus(), 'List1_0', 'the focus after the crossings')
        compare(p.js('return window.scrollY'), scrolled, "the page's scrolling after keys in Available")
        # In Crossed and Remaining the keys only select.
        p.keys(Keys.TAB, Keys.END, Keys.SPACE, Keys.PAGE_DOWN, Keys.TAB, Keys.END)
        compare(p.selected(1), 5, 'the entry End selected in Crossed')
        compare(p.selected(2), len(p.items(2)) - 1, 'the entry End selected in Remaining')
        compare(len(p.items(1)), 6, "Crossed's length after keys in Remaining")

        # Focused, Clear shows a dotted ring, all of it inside its edge.
        p.cdp('Emulation.clearDeviceMetricsOverride')
        p.js('window.scrollTo(0, 0)')
        focus_shown(p, 'Command1')
        p.keys(Keys.SPACE)
        compare(p.lists(), [FRESH, [], []], 'after Space on Clear')
        p.click(0, '5 АВ')
        p.keys(Keys.TAB, Keys.TAB, Keys.TAB)
        compare(p.focus(), 'Command1', 'the focus')
        p.keys(Keys.ENTER)
        compare(p.lists(), [FRESH, [], []], 'after Enter on Clear')

        # A list with the focus shows it, empty or not.
        for _ in range(4):
            p.chord(Keys.SHIFT, Keys.TAB)
        focus_shown(p, 'List1_0', 40, 2)
        focus_shown(p, 'List1_1', 40, 2)
        # With Ctrl or Alt, the keys are the browser's, and cross nothing.
        p.js("window.taken = 0; window.addEventListener('keydown', e => window.taken += e.defaultPrevented)")
        p.chord(Keys.SHIFT, Keys.TAB)
        for modifier, key in ((Keys.CONTROL, Keys.DOWN), (Keys.ALT, '1'), (Keys.CONTROL, Keys.END), (Keys.ALT, Keys.DOWN)):
            p.chord(modifier, key)
        compare([p.lists()[1], p.js('return window.taken')], [[], 0], 'Crossed, and the keys taken, after Ctrl and Alt')
        # In Remaining (8 entries, 6 in sight) the same digit again moves on
        # to the next entry with it; Down to its end keeps the focused entry
        # in sight, and a screen reader is told where it is.
        p.keys('1', Keys.TAB, Keys.TAB)
        for digit, row in (('5', 3), ('5', 4), ('5', 3)):
            p.keys(digit)
            compare(p.selected(2), row, "the entry a typed %s selects in Remaining" % digit)
        p.keys(Keys.DOWN, Keys.DOWN, Keys.DOWN, Keys.DOWN)
        compare(p.focused_entry(2), ('7 ВБ', True), 'the entry focused in Remaining, and in sight')
        p.keys(Keys.HOME)
        compare(p.focused_entry(2), ('2 ГБ', True), 'the entry focused in Remaining after Home, and in sight')


def focus_shown(p, id, least=None, edge=3):
    """Tab onto control id shows a focus mark of at least least pixels (half
    the control's perimeter), all of it inside the control's edge of edge pixels."""
    x, y, w, h = [round(v) for v in p.rect('#' + id)]
    unfocused = p.screenshot().crop((x, y, x + w, y + h))
    p.keys(Keys.TAB)
    compare(p.focus(), id, 'the focus')
    focused = p.screenshot().crop((x, y, x + w, y + h))
    changed = [(i % w, i // w) for i, (a, b) in enumerate(zip(unfocused.getdata(), focused.getdata())) if a != b]
    check(len(changed) >= (least or (w + h) / 2), '%s focused shows %d changed pixels' % (id, len(changed)))
    compare([c for c in changed if not (edge <= c[0] < w - edge and edge <= c[1] < h - edge)], [],
            id + "'s focus outside its edge")


def test_help():
    """F1 opens the help, formatted, and not the browser's; typing there and
    Escape leave the walk as it was, and the focus comes back."""
    with browser() as p:
        p.click(0, '6 ВГ')
        lists = p.lists()
        p.keys(Keys.TAB, Keys.TAB)
        compare(p.focus(), 'List1_2', 'the focus before the help')
        handles = len(p.driver.window_handles)
        # What the browser sees of F1 after the page: taken, so no help of its own.
        p.js("window.addEventListener('keydown', e => { if (e.key == 'F1') window.taken = e.defaultPrevented })")
        p.keys(Keys.F1)
        check(wait_for(lambda: p.js("return document.getElementById('help').open")), 'F1 opened no help')
        compare(p.js("return document.querySelector('#help h1').textContent"), form['helpTitle'], "the help's title")
        compare(p.js("return document.querySelector('#help').matches(':modal')"), True, 'the help is modal')
        compare(p.js("const r = document.getElementById('help').getBoundingClientRect(); return [r.width, r.height]"),
                [min(form['help'][0], p.js('return innerWidth') - 48), min(form['help'][1], p.js('return innerHeight') - 48)],
                "the help's size, as the window's definition has it where the screen allows")
        text = p.js("return document.getElementById('help').innerText")
        check(text.find('А има 3 (мостове 1, 4 и 5), Б има 5 (1, 2, 3, 4 и 7)') >= 0, "the help's text")
        check('версия 1.00. Свободен софтуер под лиценза MIT.' in text, "the help's version")
        check('**' not in text and '##' not in text, "Markdown's marks in the help")
        compare(p.js("return [...document.querySelectorAll('#help h2, #help li, #help strong')].length > 10"), True,
                'headings, list items and emphasis in the help')
        p.keys('1', Keys.SPACE, Keys.END)
        p.keys(Keys.ESCAPE)
        check(wait_for(lambda: not p.js("return document.getElementById('help').open")), 'Escape left the help open')
        compare(p.focus(), 'List1_2', 'the focus after the help')
        compare(p.lists(), lists, 'the lists after the help')
        compare(len(p.driver.window_handles), handles, "the browser's tabs (its own help)")
        compare(p.js('return window.taken'), True, 'F1 taken from the browser')


def axe_violations(p):
    """What the axe-core engine finds against WCAG 2.2 A and AA and its best
    practices, as 'rule: the elements' lines."""
    with open(axe_path, encoding='utf-8') as f:
        p.js(f.read())
    found = p.driver.execute_async_script(
        "axe.run(document, {runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa',"
        " 'best-practice']}}).then(r => arguments[0](r.violations.map(v => v.id + ': ' +"
        " v.nodes.map(n => n.target.join(' ')).join(', '))), e => arguments[0](['axe failed: ' + e]))")
    return found


def told(p, nodes):
    """What a screen reader is told of each control shown: its role, the
    definition's name and description, in the page's language."""
    def named(role):
        return [n.get('name', {}).get('value') for n in nodes
                if n.get('role', {}).get('value') == role and not n.get('ignored')]
    shown = [c for c in form['controls'] if c['shown']]
    compare(named('listbox'), [c['name'] for c in shown if c['kind'] == 'ListBox'], 'the listboxes')
    compare(named('textbox'), [c['name'] for c in shown if c['kind'] == 'TextBox'], 'the text boxes')
    compare(named('button'), [c['name'] for c in shown if c['kind'] == 'CommandButton'], 'the buttons')
    compare(named('heading'), [c['name'] for c in shown if c['heading']], 'the headings')
    images = [n for n in nodes if n.get('role', {}).get('value') == 'image' and not n.get('ignored')]
    pictures = [c for c in shown if c['kind'] == 'PictureBox']
    compare([n.get('name', {}).get('value') for n in images], [c['name'] for c in pictures], 'the images')
    compare([n.get('description', {}).get('value') for n in images], [c['description'] for c in pictures],
            "the map's description")
    return named


def test_access():
    """What a screen reader is told: roles, names and the map's description;
    the hidden controls are not there; Crossed's focus on its newest entry;
    what the axe-core engine finds, at start and after a crossing: nothing;
    and in a forced-colors mode, every entry readable."""
    with browser() as p:
        compare(axe_violations(p), [], 'what axe-core finds at start')
        nodes = p.cdp('Accessibility.getFullAXTree')['nodes']
        named = told(p, nodes)
        told(p, nodes)
        values = json.dumps(nodes, ensure_ascii=False)
        check(control['Text1_1']['text'].split('\n')[0].strip() not in values,
              'the hidden second text is in the accessibility tree')
        p.click(0, FRESH[8])
        nodes = p.cdp('Accessibility.getFullAXTree')['nodes']
        compare([n.get('name', {}).get('value') for n in nodes if n.get('role', {}).get('value') == 'option'
                 and not n.get('ignored')][:3], [FRESH[10], FRESH[13], FRESH[8]], 'the options after a crossing')
        compare(axe_violations(p), [], 'what axe-core finds after a crossing')
        # Crossed tells where the walker stands: its newest entry, in sight.
        for entry in (FRESH[13], '1 БА', '4 АБ'):
            p.click(0, entry)
        compare(p.focused_entry(1), (p.items(1)[-1], True), "the entry Crossed's focus rests on")

        # Windows High Contrast, as the browser applies it: an entry selected
        # in Crossed and in Remaining, and one not selected, each with its
        # text's strokes standing out from what is between them.
        p.click(1, p.items(1)[1])
        p.click(2, p.items(2)[1])
        entries = [p.rect('#List1_%d > :nth-child(%d)' % (index, row + 1)) for index, row in ((1, 1), (2, 1), (2, 2))]
        strokes = [text_strokes(p.screenshot(), rect) for rect in entries]
        p.cdp('Emulation.setEmulatedMedia', features=[{'name': 'forced-colors', 'value': 'active'}])
        shot = p.screenshot()
        for (index, row), rect, (core, between) in zip(((1, 1), (2, 1), (2, 2)), entries, strokes):
            lightness = [sum(shot.getpixel(at)) / 3 for at in core], [sum(shot.getpixel(at)) / 3 for at in between]
            stand_out = abs(sorted(lightness[0])[len(core) // 2] - sorted(lightness[1])[len(between) // 2])
            check(stand_out > 100, 'the text of List1(%d) entry %d in forced colors stands out by %d' % (index, row, stand_out))


def text_strokes(shot, rect):
    """Where an entry's text is drawn, as its normal colours show it: the
    pixels of its strokes' cores, and the others between its first and last."""
    x, y, w, h = [round(v) for v in rect]
    back = sum(shot.getpixel((x + w - 3, y + h // 2))) / 3
    box = [(i, j) for j in range(y + 1, y + h - 1) for i in range(x + 1, x + w - 4)]
    core = [at for at in box if abs(sum(shot.getpixel(at)) / 3 - back) > 100]
    left, right = min(i for i, _ in core), max(i for i, _ in core)
    top, bottom = min(j for _, j in core), max(j for _, j in core)
    between = [(i, j) for i, j in box if left <= i <= right and top <= j <= bottom
               and abs(sum(shot.getpixel((i, j))) / 3 - back) < 30]
    return core, between


SCRIPTS = {'Latin': '[A-Za-z\u00C0-\u024F]', 'Greek': '[\u0370-\u03FF]', 'Cyrillic': '[\u0400-\u04FF]'}


def script_of(letter):
    return next(name for name, letters in SCRIPTS.items() if re.fullmatch(letters, letter))


def test_languages():
    """Every language's page, in one browser: its language; only its own
    texts, and no letter of another script than its lands' and Latin, in the
    page as served and in what screen readers are told; each control's text
    and name, and the letters on its map, the language's; every caption
    within its box; a click and a key cross as in Bulgarian; and at most
    96 KiB."""
    global form, control
    pages = [(code, page_path if i == 0 else page_path.replace('.html', '-%s.html' % code))
             for i, code in enumerate(subprocess.run([node, makewindow, 'languages'], capture_output=True, text=True,
                                                     check=True, timeout=30).stdout.split())]
    forms = {code: definition(node, makewindow, code) for code, _ in pages}
    with browser() as p:
        for code, path in pages:
            form, control = forms[code], {c['id']: c for c in forms[code]['controls']}
            own = script_of(form['lands'][0])
            with open(path, encoding='utf-8') as f:
                served = f.read()
            check(len(served.encode('utf-8')) <= 96 * 1024, '%s is %d bytes' % (path, len(served.encode('utf-8'))))
            foreign = [name for name in SCRIPTS if name not in (own, 'Latin')]
            compare([w for name in foreign for w in re.findall(SCRIPTS[name] + '+', served)], [],
                    code + ': letters of another script in the page')
            others = [forms[c]['controls'][0]['text'].split('\n')[0] for c, _ in pages if c != code]
            compare([t for t in others if t in served], [], code + ": another language's statement in the page")
            p.driver.get('file://' + os.path.abspath(path))
            check(wait_for(lambda: p.js("return 'ready' in document.getElementById('window').dataset")),
                  code + ': the window was not ready within 5 s')
            compare(p.js('return document.documentElement.lang'), code, 'the language')
            compare(p.js('return document.title'), form['caption'], code + ': the title')
            for c in form['controls']:
                if c['text'] and c['shown']:
                    compare(p.js("const e = document.getElementById(arguments[0]); return e.value || e.textContent",
                                 c['id']), c['text'], code + ': ' + c['id'])
                    # A caption fits its box.
                    if c['kind'] != 'TextBox':
                        compare(p.js("const e = document.getElementById(arguments[0]); return e.scrollWidth > e.clientWidth + 1",
                                     c['id']), False, code + ': ' + c['id'] + "'s text clipped")
            compare(p.js("return [...document.querySelectorAll('.PictureBox text')].map(t => t.textContent)"),
                    form['lands'], code + ': the letters on the map')
            compare(p.lists(), [sorted(form['catalogue']), [], []], code + ': the lists')
            nodes = p.cdp('Accessibility.getFullAXTree')['nodes']
            told(p, nodes)
            said = json.dumps([n.get('name', {}).get('value') for n in nodes], ensure_ascii=False)
            compare([w for name in foreign for w in re.findall(SCRIPTS[name] + '+', said)], [],
                    code + ': letters of another script in the accessibility tree')
            p.click(0, form['catalogue'][8])  # "5 АВ" in Bulgarian
            p.keys(Keys.DOWN)
            compare(p.lists()[1], [form['catalogue'][8], form['catalogue'][13]], code + ': Crossed after a click and Down')


def test_monkey():
    """5,000 presses, taps, keys and Clears at random, as fast as the page
    takes them: after each, the lists keep the walk's invariants; then a real
    click still crosses."""
    with browser() as p:
        seed = int(os.environ.get('KELVANI_MONKEY_SEED', time.time_ns() % 100000))
        print('KELVANI_MONKEY_SEED=%d' % seed)
        broken = p.js("""
            let seed = arguments[0];
            const random = n => (seed = (seed * 1103515245 + 12345) % 2147483648) % n;
            const items = i => [...document.querySelectorAll('#List1_' + i + ' [role=option]')].map(o => o.textContent);
            const sorted = l => l.every((e, i) => i == 0 || l[i - 1] < e);
            const keys = ['ArrowUp', 'ArrowDown', 'Home', 'End', 'PageUp', 'PageDown', ' ', '1', '5', '7', 'x', 'Tab'];
            for (let n = 0; n < 5000; ++n) {
                const list = document.getElementById('List1_' + random(3));
                const options = list.querySelectorAll('[role=option]');
                const target = options.length && random(4) ? options[random(options.length)] : list;
                switch (random(5)) {
                case 0: target.dispatchEvent(new PointerEvent('pointerdown', {bubbles: true, pointerType: 'touch'}));
                        target.dispatchEvent(new MouseEvent('click', {bubbles: true, detail: 1 + random(2)})); break;
                case 1: target.dispatchEvent(new PointerEvent('pointerdown', {bubbles: true, pointerType: 'mouse'}));
                        target.dispatchEvent(new MouseEvent('mousedown', {bubbles: true, detail: 1 + random(2), button: random(3)})); break;
                case 2: case 3: list.dispatchEvent(new KeyboardEvent('keydown', {bubbles: true, key: keys[random(keys.length)]})); break;
                case 4: if (!random(8)) document.getElementById('Command1').click(); break;
                }
                const [a, c, r] = [items(0), items(1), items(2)];
                const bridges = c.map(e => e[0]);
                const rest = a.concat(r);
                const here = c.length ? c[c.length - 1][3] : null;
                const ok = c.length <= 6 && new Set(bridges).size == c.length && sorted(a) && sorted(r) &&
                    c.every((e, i) => i == 0 || e[2] == c[i - 1][3]) &&
                    [1, 2, 3, 4, 5, 6, 7].every(b => rest.filter(e => e[0] == b).length == (bridges.includes(String(b)) ? 0 : 2)) &&
                    (!here ? rest.length == 14 && r.length == 0 : a.every(e => e[2] == here) && r.every(e => e[2] != here));
                if (!ok)
                    return [n, a, c, r];
            }
            return null""", seed)
        compare(broken, None, 'the first event after which the lists broke the walk (event, lists)')
        p.js("document.getElementById('Command1').click()")
        p.click(0, '5 АВ')
        compare(p.items(1), ['5 АВ'], 'Crossed after a real click, after all that')


class CountingServer(http.server.ThreadingHTTPServer):
    requests = []


class Handler(http.server.SimpleHTTPRequestHandler):
    def do_GET(self):
        self.server.requests.append(self.path)
        super().do_GET()

    def log_message(self, *args):
        pass


def sent_requests(p):
    """The requests since the last call (chrome: ones are the browser's own new tab, before the page)."""
    messages = [json.loads(entry['message'])['message'] for entry in p.driver.get_log('performance')]
    return [m for m in messages if m['method'] == 'Network.requestWillBeSent']


def test_network():
    """Opened from disk and from a local server, and used, the page asks for
    nothing and stores nothing; the policy in it refuses a request."""
    server = CountingServer(('127.0.0.1', 0), lambda *a: Handler(*a, directory=os.path.dirname(os.path.abspath(page_path))))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    name = os.path.basename(page_path)
    try:
        for url in (None, 'http://127.0.0.1:%d/%s' % (server.server_port, name)):
            with browser(url) as p:
                loaded = [m['params']['request']['url'] for m in sent_requests(p)]
                compare([u for u in loaded if not u.startswith(('data:', 'chrome:')) and u != p.driver.current_url],
                        [], 'the requests while loading from ' + (url or 'file://'))
                p.click(0, '5 АВ')
                p.keys(Keys.DOWN, Keys.F1, Keys.ESCAPE)
                compare(len(p.items(1)), 2, 'Crossed')
                # The policy is enforced: a request the page would make is refused.
                refused = p.driver.execute_async_script(
                    "const done = arguments[0]; fetch('http://127.0.0.1:%d/x').then(() => done(false), () => done(true))"
                    % server.server_port)
                compare(refused, True, 'a request refused by the policy')
                stored = p.driver.execute_async_script(
                    "const done = arguments[0]; Promise.all([indexedDB.databases ? indexedDB.databases() : [],"
                    " self.caches ? caches.keys() : [], navigator.serviceWorker && location.protocol != 'file:' ?"
                    " navigator.serviceWorker.getRegistrations() : []]).then(([d, c, w]) => done([document.cookie,"
                    " localStorage.length, sessionStorage.length, d.length, c.length, w.length]), e => done(String(e)))")
                compare(stored, ['', 0, 0, 0, 0, 0], 'what the page stored')
                compare([m['params']['request']['url'] for m in sent_requests(p)
                         if not m['params']['request']['url'].startswith('data:')], [],
                        'the requests while used, from ' + (url or 'file://'))
        compare(server.requests, ['/' + name], 'the requests the server saw')
    finally:
        server.shutdown()


run({'layout': test_layout, 'mouse': test_mouse, 'touch': test_touch, 'keyboard': test_keyboard, 'help': test_help,
     'access': test_access, 'network': test_network, 'monkey': test_monkey, 'languages': test_languages}, test)
