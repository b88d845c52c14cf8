# SPDX-License-Identifier: MIT
# The measuring side of contrast_test.sh. Arguments: the palette's name and the window colour it
# gives (#rrggbb). Visits every page and dialog of the running numora, cuts each text's rectangle
# out of a screenshot of the screen and measures its contrast as WCAG 2.1 defines it.
import math
import os
import re
import subprocess
import sys
import time
from collections import Counter

import pyatspi

from atspi import check, failures, numora, pump_until

palette, window_colour = sys.argv[1], sys.argv[2].lower()
shots = os.environ.get("NUMORA_SCREENSHOTS")
MINIMUM = 4.5

# The roles that draw their name or text themselves; containers, images and scroll bars don't.
TEXT_ROLES = {"label", "heading", "static", "link", "push button", "toggle button", "radio button", "check box",
              "page tab", "menu item", "list item", "table cell", "tree item", "table column header",
              "column header", "table row header", "text", "entry", "combo box", "spin button", "panel"}
# WCAG asks nothing of an inactive control's text; a disabled label still tells the user something.
CONTROLS = {"push button", "toggle button", "radio button", "check box", "page tab", "menu item", "combo box",
            "spin button", "entry"}


def luminance(colour):
    def channel(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = colour
    return 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b)


def ratio(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def hex_of(colour):
    return "#%02x%02x%02x" % tuple(colour)


class Screenshot:
    def __init__(self):
        ppm = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], capture_output=True,
                             check=True, timeout=20).stdout
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
        self.width, self.height = int(header[1]), int(header[2])
        self.pixels = ppm[header.end():]
        self.ppm = ppm

    def colours(self, x0, y0, x1, y1):
        x0, y0, x1, y1 = max(x0, 0), max(y0, 0), min(x1, self.width), min(y1, self.height)
        counts = Counter()
        for y in range(y0, y1):
            row = self.pixels[3 * (y * self.width + x0):3 * (y * self.width + x1)]
            counts.update(row[i:i + 3] for i in range(0, len(row), 3))
        return counts

    def save(self, name):
        if shots:
            subprocess.run(["convert", "ppm:-", os.path.join(shots, f"contrast-{palette}-{name}.png")],
                           input=self.ppm, check=True, timeout=20)


def settled_screenshot():
    # A window paints a little after it shows: two equal screenshots in a row mean it is done.
    last = Screenshot()
    for _ in range(10):
        time.sleep(0.15)
        shot = Screenshot()
        if shot.pixels == last.pixels:
            break
        last = shot
    return last


def extents(node):
    e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.x + e.width, e.y + e.height


def intersect(a, b):
    return max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3])


def shown_text(node):
    # An edit box draws its content, which is often not its name; an empty one only its frame.
    if node.getRoleName() in ("text", "entry"):
        text = node.queryText()
        return text.getText(0, text.characterCount).strip()
    return node.name.strip()


def showing_nodes(root):
    # The objects on screen under root, each with its rectangle cut to the scrolled views and
    # frames around it; a hidden page or menu is not walked into.
    stack = [(root, extents(root))]
    while stack:
        node, clip = stack.pop()
        try:
            if not node.getState().contains(pyatspi.STATE_SHOWING):
                continue
            box = extents(node)
            if box[2] > box[0] and box[3] > box[1]:
                yield node, box, intersect(box, clip)
                clip = intersect(box, clip)
            stack.extend((node[i], clip) for i in reversed(range(node.childCount)))
        except Exception:
            continue


def texts(root):
    found = []
    for node, box, shown in showing_nodes(root):
        role = node.getRoleName()
        if role not in TEXT_ROLES:
            continue
        # A row cut by the edge of its list shows too little of its text to be read.
        if shown[2] <= shown[0] or (shown[3] - shown[1]) * 4 < (box[3] - box[1]) * 3:
            continue
        # A selected row is in the desktop's own selection colours, whichever palette it is.
        if node.getState().contains(pyatspi.STATE_SELECTED):
            continue
        drawn = shown_text(node)
        # Anti-aliasing leaves a thin mark such as ' or ° without one pixel of the full text
        # colour; the words beside it are drawn in the same colours.
        if any(c.isalnum() for c in drawn):
            found.append((node, role, " ".join((node.name or drawn).split()), shown))
    return found


def measure(shot, role, box):
    # The background is the rectangle's commonest colour, the text its colour farthest from it;
    # the outer pixels, where frames and bevels are drawn, are left out.
    x0, y0, x1, y1 = box
    if role == "panel":
        y1 = min(y1, y0 + 16)  # a group box shows its title in its top line only
        inset = 1
    else:
        inset = 1 if role in ("label", "heading", "static", "link") else 2
    counts = shot.colours(x0 + inset, y0 + inset, x1 - inset, y1 - inset)
    if len(counts) < 2:
        return None
    # The shades of a gradient or texture count together, or the white of a text could outnumber
    # each shade of the About box's; the background is then the commonest of those shades.
    def near(c):
        return [(d, n) for d, n in counts.items() if max(abs(a - b) for a, b in zip(c, d)) <= 24]

    shades = max((near(c) for c, _ in counts.most_common(8)), key=lambda found: sum(n for _, n in found))
    background = max(shades, key=lambda shade: shade[1])[0]
    text = max(counts, key=lambda c: ratio(c, background))
    return ratio(text, background), text, background


measured = []
exempt = 0


def measure_view(view, root):
    global exempt
    shot = settled_screenshot()
    shot.save(view)
    for node, role, name, box in texts(root):
        if role in CONTROLS and not node.getState().contains(pyatspi.STATE_SENSITIVE):
            exempt += 1
            continue
        found = measure(shot, role, box)
        if found is None:
            continue
        value, text, background = found
        shown_value = math.floor(value * 100) / 100  # 4.499 is no pass, nor shown as one
        line = f"{palette} {view} {role} '{name[:60]}' {shown_value:.2f}:1, {hex_of(text)} on {hex_of(background)}"
        measured.append((value, line))
        check(value >= MINIMUM, line)


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True, timeout=30)


def shown(root, role, name=None):
    return next((node for node, _, _ in showing_nodes(root)
                 if node.getRoleName() == role and (name is None or node.name == name)), None)


def press(name):
    node = pump_until(lambda: shown(main, "push button", name))
    if node is None:
        sys.exit(f"FAIL: {palette}: no key named '{name}' on the page")
    node.queryAction().doAction(0)


def dialog(title):
    # A dialog is one of the application's own windows.
    for i in range(app.childCount):
        try:
            window = app[i]
            if (window.getRoleName() == "dialog" and window.name.strip() == title
                    and window.getState().contains(pyatspi.STATE_SHOWING)):
                return window
        except Exception:
            continue  # a window that went away while asked
    return None


def visit_dialog(view, title, opener, prepare=None, ways_out=("Exit", "OK", "Close", "Cancel")):
    opener()
    window = pump_until(lambda: dialog(title))
    if window is None:
        sys.exit(f"FAIL: {palette}: the {view} window '{title}' did not open")
    if prepare:
        prepare(window)
    measure_view(view, window)
    exit_button = next((node for node, _, _ in showing_nodes(window)
                        if node.getRoleName() == "push button" and node.name in ways_out), None)
    if exit_button is None:
        keys("Escape")
    else:
        exit_button.queryAction().doAction(0)
    if not pump_until(lambda: dialog(title) is None):
        sys.exit(f"FAIL: {palette}: the {view} window '{title}' did not close")


app = numora()
if app is None:
    sys.exit(f"FAIL: {palette}: numora is not on the accessibility bus")
main = pump_until(lambda: next((app[i] for i in range(app.childCount) if app[i].getRoleName() == "frame"), None))
subprocess.run(["xdotool", "mousemove", "0", "0"], check=True, timeout=10)  # no hover, no tool tip

# A test that measured Qt's default colours under another palette's name would prove nothing.
bar = pump_until(lambda: shown(main, "menu bar"))
x0, y0, x1, y1 = extents(bar)
bar_colour = hex_of(settled_screenshot().colours(x0 + 2, y0 + 2, x1 - 2, y1 - 2).most_common(1)[0][0])
if bar_colour != window_colour:
    sys.exit(f"FAIL: {palette}: the menu bar is {bar_colour}, not the palette's {window_colour}: "
             "numora did not get the palette")

keys("ctrl+shift+t", "Delete", "2", "plus", "3", "equal")
tape = pump_until(lambda: shown(main, "list", "Tape"))
if tape is None:
    sys.exit(f"FAIL: {palette}: Ctrl+Shift+T did not show the tape")

keys("F1")
measure_view("1st-function", main)
visit_dialog("memory", "Memory IN", lambda: press("register in"))
keys("F2")
measure_view("2nd-function", main)
visit_dialog("constants", "Scientific Constant", lambda: press("constant"))
keys("F3")
display = shown(main, "text", "Display")
for value in ("4", "9"):
    keys("Delete", value)
    pump_until(lambda: shown_text(display) == value)
    lines = tape.childCount
    press("add data")
    pump_until(lambda: tape.childCount > lines)
measure_view("3rd-function", main)
visit_dialog("data", "Data", lambda: press("delete data"))
keys("F4")
measure_view("calc-mode", main)


def choose_topic(window):
    # A topic chosen, so that the help's text pane shows text too.
    x0, y0, x1, y1 = extents(pump_until(lambda: shown(window, "list item")))
    subprocess.run(["xdotool", "mousemove", str((x0 + x1) // 2), str((y0 + y1) // 2), "click", "1",
                    "mousemove", "0", "0"], check=True, timeout=10)
    if not pump_until(lambda: (pane := shown(window, "text")) and shown_text(pane)):
        sys.exit(f"FAIL: {palette}: choosing a help topic showed no text")


# Through the Help menu as the keyboard opens it: a menu item's action opens a modal window
# before it answers the bus.
visit_dialog("help", "Calculator Help", lambda: keys("alt+h", "Return"), choose_topic)
visit_dialog("about", "About", lambda: keys("alt+h", "Up", "Return"))

for value, line in sorted(measured)[:3]:
    print("INFO: lowest:", line)
if exempt:
    print(f"INFO: {palette}: {exempt} disabled controls not measured")
sys.exit(1 if failures else 0)
