# SPDX-License-Identifier: MIT
# The screen reader's side of languages_test.sh. Arguments: the catalogues' folder, the language
# expected ("en" for the texts' own), and "window" (check the menus, a key, the help window) or
# "switch" (choose the language under File > Language, then check the menus).
import subprocess
import sys
import xml.etree.ElementTree as ElementTree
from pathlib import Path

from atspi import check, find, find_all, finish, numora, pump_until

catalogues, language, action = Path(sys.argv[1]), sys.argv[2], sys.argv[3]
entries = {}
if language != "en":
    for context in ElementTree.parse(catalogues / f"numora_{language}.ts").getroot().iter("context"):
        for message in context.iter("message"):
            entries[(context.findtext("name"), message.findtext("source"))] = message.findtext("translation")


def text(context, source):
    return entries.get((context, source), source).replace("&&", "\0").replace("&", "").replace("\0", "&")


app = numora()
if app is None:
    sys.exit("numora is not on the accessibility bus")


def menu_names():
    bar = find_all(app, lambda n: n.getRoleName() == "menu bar")
    return [bar[0][i].name for i in range(bar[0].childCount)] if bar else []


def press(node):
    node.queryAction().doAction(0)


if action == "switch":
    wanted = {"de": "Deutsch", "fr": "Français", "es": "Español"}[language]
    item = pump_until(lambda: find(app, lambda n: n.getRoleName() in ("menu item", "check menu item", "radio menu item")
                                   and n.name == wanted))
    check(item is not None, f"a Language item named {wanted}")
    if item is not None:
        press(item)
expected = [text("Numora", s) for s in ("&File", "&Edit", "&Modes", "&View", "&Help")]
check(pump_until(lambda: menu_names() == expected), f"menus {menu_names()}, expected {expected}")
display = text("Numora", "Display")
check(pump_until(lambda: find_all(app, lambda n: n.getRoleName() == "text" and n.name == display)),
      f"the display named {display!r}")

if action == "window":
    key = text("Keys", "register in")
    check(pump_until(lambda: find_all(app, lambda n: n.getRoleName() == "push button" and n.name == key)),
          f"a key named {key!r}")
    # The help window is modal: opened from the keyboard, through the Help menu's mnemonic.
    help_menu = entries.get(("Numora", "&Help"), "&Help")
    mnemonic = help_menu[help_menu.index("&") + 1].lower()
    subprocess.run(["xdotool", "key", "--delay", "200", f"alt+{mnemonic}", "Return"], check=True)
    title = text("Numora", "Calculator Help")
    check(pump_until(lambda: find_all(app, lambda n: n.getRoleName() == "dialog" and n.name == title)),
          f"a dialog named {title!r}")
    overview = text("Help", "Overview")
    check(pump_until(lambda: find_all(app, lambda n: n.getRoleName() == "list item" and n.name == overview)),
          f"a help topic named {overview!r}")
    subprocess.run(["xdotool", "key", "Escape"], check=False)

finish()
