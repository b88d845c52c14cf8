# SPDX-License-Identifier: MIT
# The screen reader's side of languages_test.sh. Arguments: the catalogues' folder, the language
# expected ("en" for the texts' own), and "window" (check the menus, a key, the help window) or
# "switch" (choose the language under File > Language, then check the menus).
import subprocess
import sys
import time
import xml.etree.ElementTree as ElementTree
from pathlib import Path

import pyatspi

catalogues, language, action = Path(sys.argv[1]), sys.argv[2], sys.argv[3]
entries = {}
if language != "en":
    for context in ElementTree.parse(catalogues / f"numora_{language}.ts").getroot().iter("context"):
        for message in context.iter("message"):
            entries[(context.findtext("name"), message.findtext("source"))] = message.findtext("translation")


def text(context, source):
    return entries.get((context, source), source).replace("&&", "\0").replace("&", "").replace("\0", "&")


def find_all(node, predicate):
    found, stack = [], [node]
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


def wait_for(get, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = get()
        if value:
            return value
        time.sleep(0.1)
    return get()


def application():
    apps = [a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name.lower() == "numora"]
    return apps[0] if apps else None


failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


app = wait_for(application)
if app is None:
    sys.exit("numora is not on the accessibility bus")


def menu_names():
    bar = find_all(app, lambda n: n.getRoleName() == "menu bar")
    return [bar[0][i].name for i in range(bar[0].childCount)] if bar else []


def press(node):
    node.queryAction().doAction(0)


if action == "switch":
    wanted = {"de": "Deutsch", "fr": "Français", "es": "Español"}[language]
    item = wait_for(lambda: next(iter(find_all(app, lambda n: n.getRoleName() in ("menu item", "check menu item", "radio menu item") and n.name == wanted)), None))
    check(item is not None, f"a Language item named {wanted}")
    if item is not None:
        press(item)
expected = [text("Numora", s) for s in ("&File", "&Edit", "&Modes", "&Help")]
check(wait_for(lambda: menu_names() == expected), f"menus {menu_names()}, expected {expected}")
display = text("Numora", "Display")
check(wait_for(lambda: find_all(app, lambda n: n.getRoleName() == "text" and n.name == display)),
      f"the display named {display!r}")

if action == "window":
    key = text("Keys", "register in")
    check(wait_for(lambda: find_all(app, lambda n: n.getRoleName() == "push button" and n.name == key)),
          f"a key named {key!r}")
    # The help window is modal: opened from the keyboard, through the Help menu's mnemonic.
    help_menu = entries.get(("Numora", "&Help"), "&Help")
    mnemonic = help_menu[help_menu.index("&") + 1].lower()
    subprocess.run(["xdotool", "key", "--delay", "200", f"alt+{mnemonic}", "Return"], check=True)
    title = text("Numora", "Calculator Help")
    check(wait_for(lambda: find_all(app, lambda n: n.getRoleName() == "dialog" and n.name == title)),
          f"a dialog named {title!r}")
    overview = text("Help", "Overview")
    check(wait_for(lambda: find_all(app, lambda n: n.getRoleName() == "list item" and n.name == overview)),
          f"a help topic named {overview!r}")
    subprocess.run(["xdotool", "key", "Escape"], check=False)

sys.exit(1 if failures else 0)
