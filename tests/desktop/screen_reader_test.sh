#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Numora as a screen reader sees it over the accessibility bus: the display object's text after
# keyed calculations, one text change per key, spoken key names, the named tabs and precision list.
set -u
. "$(dirname "$0")/accessibility_bus.sh"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
start_x
start_accessibility_bus
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
start_numora
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" || fail "the screen reader's checks"
finish
