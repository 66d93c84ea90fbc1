# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Kelvani developers
#
# What the browser tests share: the window's definition as makewindow prints
# it, checks that count their failures, and running one named test.
import json
import subprocess
import sys
import time

failures = 0
name = ''


def definition(node, makewindow, language):
    """The window's definition and content in a language, from makewindow run by Node.js."""
    return json.loads(subprocess.run([node, makewindow, 'json', language], capture_output=True, text=True, check=True,
                                     timeout=30).stdout)


def check(ok, what):
    global failures
    if not ok:
        failures += 1
        print('FAIL %s: %s' % (name, what))
    return ok


def compare(actual, expected, what):
    return check(actual == expected, '%s is %r, not %r' % (what, actual, expected))


def run(tests, chosen):
    """Runs the test named chosen, prints its outcome and exits with it."""
    global name
    name = chosen
    start = time.monotonic()
    tests[chosen]()
    print('%s %s (%d ms)' % ('FAIL' if failures else 'PASS', chosen, (time.monotonic() - start) * 1000))
    print('%d failed checks' % failures)
    sys.exit(1 if failures else 0)
