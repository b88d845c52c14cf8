# SPDX-License-Identifier: MIT
# What the tests that read numora over the accessibility bus share: finding its objects as a
# screen reader does, waiting on the bus without asserting on time, and collecting failures.
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


def finish():
    sys.exit(1 if failures else 0)


def pump_until(condition, seconds=10):
    # Pumps the bus's events until the condition gives something true or the time is up; the
    # condition decides, and its last value is returned.
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    value = condition()
    while not value and time.monotonic() < deadline:
        while context.iteration(False):
            pass
        time.sleep(0.02)
        value = condition()
    return value


def find_all(root, predicate):
    found = []
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        try:
            if predicate(node):
                found.append(node)
            stack.extend(node[i] for i in range(node.childCount))
        except Exception:
            continue
    return found


def find(root, predicate):
    found = find_all(root, predicate)
    return found[0] if found else None


def application():
    return next((app for app in pyatspi.Registry.getDesktop(0) if app is not None and app.name.lower() == "numora"),
                None)


def numora(seconds=10):
    # The program's application object, once it is on the bus; None when it never comes.
    return pump_until(application, seconds)
