#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# Driven by bench/web/run.sh: bench.py PAGE
import os
import shutil
import statistics
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

page = os.path.abspath(sys.argv[1])
size = os.path.getsize(page)
work = tempfile.mkdtemp(prefix='kelvani-bench-')
# The bare page: the window's size and colour, one listbox of one entry, and
# as many bytes as Kelvani's page, in a comment, for the browser to read.
bare = os.path.join(work, 'bare.html')
head = ('<!DOCTYPE html><html lang="bg"><head><meta charset="utf-8"><title>bare</title></head><body>'
        '<div style="position:relative;width:481px;height:424px;margin:8px;background:#C0C0FF">'
        '<div role="listbox" tabindex="0" style="position:absolute;left:16px;top:160px;width:81px;height:118px;'
        'background:#C0FFC0;font:16px serif"><div role="option">1 АБ</div></div></div></body></html>')
with open(bare, 'w', encoding='utf-8') as f:
    f.write(head + '<!--' + 'x' * max(0, size - len(head.encode()) - 7) + '-->')

options = webdriver.ChromeOptions()
options.binary_location = '/usr/bin/chromium'
for flag in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
             '--disable-component-update', '--disable-sync', '--no-first-run', '--user-data-dir=' + work + '/profile',
             '--window-size=800,600'):
    options.add_argument(flag)
driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
try:
    # From navigation to the page read (Kelvani's window there with its
    # fourteen entries), to the first paint, and to Kelvani's program
    # started (taking input), noted as it happens by an observer that the
    # browser runs before the page.
    driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source':
        "new MutationObserver((m, o) => { if (document.querySelector('[data-ready]')) {"
        " window.started = performance.now(); o.disconnect(); } })"
        ".observe(document, {subtree: true, attributes: true, attributeFilter: ['data-ready']})"})

    def load(path):
        driver.get('file://' + path)
        return driver.execute_async_script(
            "const done = arguments[0]; new PerformanceObserver((list, observer) => {"
            " const paint = list.getEntriesByName('first-contentful-paint')[0];"
            " if (paint) { observer.disconnect(); setTimeout(() => done([performance.getEntriesByType('navigation')[0]"
            ".domContentLoadedEventStart, paint.startTime, window.started || 0,"
            " document.querySelectorAll('[role=option]').length]), 100); } })"
            ".observe({type: 'paint', buffered: true})")
    driver.execute_cdp_cmd('Performance.enable', {})

    def memory():
        """The page's JavaScript heap in use, in KiB, after a full collection."""
        driver.execute_cdp_cmd('HeapProfiler.collectGarbage', {})
        metrics = driver.execute_cdp_cmd('Performance.getMetrics', {})['metrics']
        return next(m['value'] for m in metrics if m['name'] == 'JSHeapUsedSize') / 1024

    times = {'bare': [], 'kelvani': []}
    paints = {'bare': [], 'kelvani': []}
    heaps = {'bare': [], 'kelvani': []}
    started = []
    load(bare), load(page)  # warm the cache
    for _ in range(15):
        for name, path in (('bare', bare), ('kelvani', page)):
            ready, paint, program, shown = load(path)
            if name == 'kelvani':
                assert shown >= 14, shown  # the walk is there when the page is read
                started.append(program)
            times[name].append(ready)
            paints[name].append(paint)
            heaps[name].append(memory())
    # A crossing: from the press's time stamp to the lists changed, 50 times.
    driver.get('file://' + page)
    crossings = []
    for n in range(50):
        x, y = driver.execute_script(
            "const o = document.querySelector('#List1_0 [role=option]'); const r = o.getBoundingClientRect();"
            "window.pressed = 0; addEventListener('mousedown', e => window.pressed = e.timeStamp, {capture: true, once: true});"
            "new MutationObserver((m, o) => { window.shown = performance.now(); o.disconnect(); })"
            ".observe(document.getElementById('List1_1'), {childList: true});"
            "return [r.left + r.width / 2, r.top + r.height / 2]")
        for kind in ('mousePressed', 'mouseReleased'):
            driver.execute_cdp_cmd('Input.dispatchMouseEvent', {'type': kind, 'x': x, 'y': y, 'button': 'left',
                                                                 'clickCount': 1})
        crossings.append(driver.execute_script('return window.shown - window.pressed'))
        driver.execute_script("document.getElementById('Command1').click()")
    version = driver.capabilities.get('browserVersion')
finally:
    driver.quit()
    shutil.rmtree(work, ignore_errors=True)

ready = {name: statistics.median(values) for name, values in times.items()}
paint = {name: statistics.median(values) for name, values in paints.items()}
print('kelvani.html: %d bytes (%.1f KiB)' % (size, size / 1024))
print('%-34s %10s %17s' % ('', 'read (ms)', 'first paint (ms)'))
print('%-34s %10.1f %17.1f' % ('bare page of that size, 1 entry', ready['bare'], paint['bare']))
print('%-34s %10.1f %17.1f' % ('Kelvani, 14 entries', ready['kelvani'], paint['kelvani']))
print('%-34s %10.2f %17.2f' % ('Kelvani / bare', ready['kelvani'] / ready['bare'], paint['kelvani'] / paint['bare']))
heap = {name: statistics.median(values) for name, values in heaps.items()}
print('JavaScript heap in use: bare page %.0f KiB, Kelvani %.0f KiB (%.2f)'
      % (heap['bare'], heap['kelvani'], heap['kelvani'] / heap['bare']))
print('Kelvani taking input (its program started): %.1f ms' % statistics.median(started))
print('a crossing, press to lists shown: median %.2f ms, slowest %.2f ms (50 crossings)'
      % (statistics.median(crossings), max(crossings)))
print('(medians of 15 loads each, in turns; headless Chromium %s, %d cores)' % (version, os.cpu_count()))
