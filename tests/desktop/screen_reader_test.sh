#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Numora as a screen reader sees it over the accessibility bus: the display object's text after
# keyed calculations, one text change per key, spoken key names, the named tabs and precision list.
set -u
. "$(dirname "$0")/accessibility_bus.sh"
start_screen_reader_desktop
start_numora
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" || fail "the screen reader's checks"
finish
