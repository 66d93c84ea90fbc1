#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# kelvani.html in the other engines Debian has: WebKitGTK (Safari's engine),
# through its WebDriver and MiniBrowser on an X server of the caller's, and
# Firefox ESR, headless, through WebDriver BiDi. Each opens the page from
# disk in a browser with a profile and home of its own; the page must load,
# put every control in its place with nothing clipped, and cross one bridge
# on a real click and one on a key. Every wait is bounded.
#   check_engines.py PAGE LANGUAGE NODE MAKEWINDOW.JS webkit|firefox
import asyncio
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

from checks import check, compare, definition, run

page_path, language, node, makewindow, engine = sys.argv[1:]
url = 'file://' + os.path.abspath(page_path)
form = definition(node, makewindow, language)

# What the checks read of the page, as one expression.
PLACES = """JSON.stringify((() => {
    const w = document.getElementById('window').getBoundingClientRect();
    return [...document.querySelectorAll('#window > :not([hidden])')].map(e => {
        const r = e.getBoundingClientRect();
        const clipped = [e, ...e.querySelectorAll('*')].some(c => c.tagName != 'TEXTAREA' &&
            c.scrollWidth > c.clientWidth + 1);
        return [e.id, [r.left - w.left, r.top - w.top, r.width, r.height], clipped];
    });
})())"""
LISTS = """JSON.stringify([0, 1, 2].map(i =>
    [...document.querySelectorAll('#List1_' + i + ' [role=option]')].map(o => o.textContent)))"""
ENTRY = """JSON.stringify((() => {
    const o = [...document.querySelectorAll('#List1_0 [role=option]')].find(o => o.textContent == '%s');
    o.scrollIntoView({block: 'nearest'});
    const r = o.getBoundingClientRect();
    return [r.left + r.width / 2, r.top + r.height / 2];
})())"""
READY = "'ready' in document.getElementById('window').dataset && document.querySelector('.PictureBox img').complete"


def run_checks(evaluate, click, key):
    """The same checks in any engine: evaluate(expression) gives its value,
    click(x, y) presses and releases the primary button there, key(name)
    presses a key ('ArrowDown')."""
    end = time.monotonic() + 10
    while not evaluate(READY):
        if not check(time.monotonic() < end, 'the window was not ready within 10 s'):
            return
        time.sleep(0.05)
    compare(evaluate('document.title'), form['caption'], 'the title')
    places = {c['id']: c['place'] for c in form['controls'] if c['shown']}
    shown = json.loads(evaluate(PLACES))
    compare([s[0] for s in shown], list(places), 'the controls shown')
    for name, place, clipped in shown:
        compare([round(v) for v in place], places.get(name), name + "'s place")
        check(not clipped, name + "'s text is clipped")
    fresh = sorted(form['catalogue'])
    compare(json.loads(evaluate(LISTS)), [fresh, [], []], 'the lists at start')
    click(*json.loads(evaluate(ENTRY % '5 АВ')))
    time.sleep(0.3)
    compare(json.loads(evaluate(LISTS))[:2], [['6 ВГ', '7 ВБ'], ['5 АВ']], 'the lists after a click on 5 АВ')
    key('ArrowDown')  # the focus is on Available's first entry: the next one is crossed
    time.sleep(0.3)
    compare(json.loads(evaluate(LISTS))[1], ['5 АВ', '7 ВБ'], 'Crossed after Down')


def webkit(home):
    from selenium import webdriver
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.actions.action_builder import ActionBuilder
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.webkitgtk.options import Options
    options = Options()
    options.binary_location = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser'
    options.add_argument('--automation')
    driver = webdriver.WebKitGTK(executable_path='/usr/bin/WebKitWebDriver', options=options)
    try:
        driver.set_page_load_timeout(30)
        driver.set_script_timeout(10)
        driver.get(url)

        def click(x, y):
            actions = ActionBuilder(driver)
            actions.pointer_action.move_to_location(int(x), int(y)).click()
            actions.perform()

        keys = {'ArrowDown': Keys.DOWN}
        run_checks(lambda expression: driver.execute_script('return ' + expression),
                   click, lambda name: ActionChains(driver).send_keys(keys[name]).perform())
    finally:
        driver.quit()


def firefox(home):
    import websockets
    profile = os.path.join(home, 'profile')
    os.mkdir(profile)
    with open(os.path.join(profile, 'user.js'), 'w') as f:
        f.write('user_pref("remote.active-protocols", 1);\n')  # WebDriver BiDi
    with socket.socket() as s:
        s.bind(('127.0.0.1', 0))
        port = s.getsockname()[1]
    browser = subprocess.Popen(['firefox-esr', '--headless', '--no-remote', '--profile', profile,
                                '--remote-debugging-port', str(port)],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    async def drive():
        for _ in range(150):
            try:
                connection = await websockets.connect('ws://127.0.0.1:%d/session' % port, max_size=2 ** 26)
                break
            except OSError:
                await asyncio.sleep(0.2)
        else:
            check(False, 'Firefox did not listen within 30 s')
            return
        sent = 0

        async def call(method, **params):
            nonlocal sent
            sent += 1
            await connection.send(json.dumps({'id': sent, 'method': method, 'params': params}))
            while True:
                message = json.loads(await asyncio.wait_for(connection.recv(), 30))
                if message.get('id') == sent:
                    if 'error' in message:
                        raise RuntimeError(message)
                    return message['result']

        await call('session.new', capabilities={})
        context = (await call('browsingContext.getTree'))['contexts'][0]['context']
        await call('browsingContext.navigate', context=context, url=url, wait='complete')
        # run_checks is plain code; each call it makes runs the protocol to its answer.
        loop = asyncio.get_running_loop()

        def wait(coroutine):
            return asyncio.run_coroutine_threadsafe(coroutine, loop).result(40)

        async def evaluate(expression):
            answer = await call('script.evaluate', expression=expression, target={'context': context},
                                awaitPromise=False)
            return answer['result'].get('value')

        async def perform(actions):
            await call('input.performActions', context=context, actions=actions)

        def click(x, y):
            wait(perform([{'type': 'pointer', 'id': 'mouse', 'parameters': {'pointerType': 'mouse'}, 'actions': [
                {'type': 'pointerMove', 'x': int(x), 'y': int(y)}, {'type': 'pointerDown', 'button': 0},
                {'type': 'pointerUp', 'button': 0}]}]))

        def key(name):
            code = {'ArrowDown': '\uE015'}[name]
            wait(perform([{'type': 'key', 'id': 'keyboard', 'actions': [
                {'type': 'keyDown', 'value': code}, {'type': 'keyUp', 'value': code}]}]))

        await loop.run_in_executor(None, run_checks, lambda e: wait(evaluate(e)), click, key)
        await call('session.end')

    try:
        asyncio.run(asyncio.wait_for(drive(), 90))
    finally:
        browser.terminate()
        try:
            browser.wait(10)
        except subprocess.TimeoutExpired:
            browser.kill()


def in_own_home(test):
    home = tempfile.mkdtemp(prefix='kelvani-web-')
    os.environ['HOME'] = home
    os.environ['XDG_CONFIG_HOME'] = os.environ['XDG_CACHE_HOME'] = os.environ['XDG_DATA_HOME'] = home
    try:
        test(home)
    finally:
        shutil.rmtree(home, ignore_errors=True)


run({'webkit': lambda: in_own_home(webkit), 'firefox': lambda: in_own_home(firefox)}, engine)
