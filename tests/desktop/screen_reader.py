# SPDX-License-Identifier: MIT
# The screen reader's side of screen_reader_test.sh: reads numora through pyatspi and types
# with xdotool into its focused window.
import re
import subprocess
import sys

import pyatspi

from atspi import check, find_all, finish, numora, pump_until

app = numora()
if app is None:
    print("FAIL: numora is not on the accessibility bus")
    sys.exit(1)


def display():
    shown = find_all(app, lambda n: n.name == "Display" and n.getRoleName() != "frame")
    return shown[0] if shown else None


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "30", *names], check=True)


shown = display()
check(shown is not None, "an object named Display")
if shown is None:
    sys.exit(1)

inserted = []


def on_text(event):
    if event.source == shown:
        inserted.append(event.any_data)


pyatspi.Registry.registerEventListener(on_text, "object:text-changed:insert")
pump_until(lambda: False, 0.5)  # the listener reaches the program's bridge

# Each row: keys after Delete (AC), the display's text, the text each change inserted in turn.
# A keyed number changes where the keying changed it; a computed value comes whole. The last
# change is waited for; the events come in order, so a repeated one would be among them.
rows = [
    (["2", "plus", "3", "equal"], "5", ["2", "3", "5"]),
    (["5", "slash", "0", "equal"], "Divide by Zero", ["5", "0", "Divide by Zero"]),
    (["2", "period", "5", "slash", "1", "0", "0", "0", "0", "0", "Return"], "2.5 times 10 to the power negative 5",
     ["2", ".5", "1", "0", "0", "0", "0", "0", "2.5 times 10 to the power negative 5"]),
]
for typed, expected, changes in rows:
    keys("Delete")
    pump_until(lambda: text_of(shown) == "0")
    inserted.clear()
    keys(*typed)
    pump_until(lambda: len(inserted) >= len(changes) and inserted[-1] == changes[-1])
    check(text_of(shown) == expected, f"{' '.join(typed)}: the display reads '{text_of(shown)}'")
    check(inserted == changes, f"{' '.join(typed)}: text changes {inserted}, expected {changes}")

# Every page's keys and the keypad: names are words, not symbols.
for page in ["F1", "F2", "F3"]:
    keys(page)
    pump_until(lambda: False, 0.3)
    buttons = find_all(app, lambda n: n.getRoleName() == "push button" and n.getState().contains(pyatspi.STATE_SHOWING))
    check(len(buttons) > 20, f"{page}: {len(buttons)} keys on the bus")
    for button in buttons:
        check(re.fullmatch(r"[A-Za-z]+( [A-Za-z]+)*|[0-9]", button.name) is not None,
              f"{page}: key named '{button.name}' ({button.description})")

tabs = find_all(app, lambda n: n.getRoleName() == "page tab")
check(len(tabs) == 4 and all(t.name.strip() for t in tabs), f"tabs named {[t.name for t in tabs]}")
keys("F4")
pump_until(lambda: False, 0.3)
lists = find_all(app, lambda n: n.getRoleName() == "combo box")


def labels_of(node):
    return [relation.getTarget(i).name for relation in node.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY for i in range(relation.getNTargets())]


check(len(lists) == 1 and any(label.startswith("Display Precision") for label in labels_of(lists[0])),
      f"precision list labelled by {[labels_of(n) for n in lists]}")



def answers(node):
    try:
        return text_of(node) is not None
    except Exception:
        return False


# A range far past the display's short text must leave the window answering.
try:
    shown.queryText().getRangeExtents(0, 2**31 - 1, pyatspi.DESKTOP_COORDS)
except Exception:
    pass
check(answers(shown), "the display answers after a range request ending at 2**31 - 1")

finish()
