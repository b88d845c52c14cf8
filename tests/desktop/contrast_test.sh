#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every text numora shows reads at 4.5:1 or more (WCAG 2.1 AA), measured from the screen's pixels
# on each page and dialog, in Qt's own light palette and in a dark and a high-contrast palette that
# the desktop hands over through the qt6ct platform theme as a user's desktop does.
# NUMORA_SCREENSHOTS=DIR keeps a screenshot of each page and dialog.
set -u
. "$(dirname "$0")/accessibility_bus.sh"
need qt6ct import convert
start_screen_reader_desktop
start_window_manager

# Colours in QPalette's role order: WindowText, Button, Light, Midlight, Dark, Mid, Text,
# BrightText, ButtonText, Base, Window, Shadow, Highlight, HighlightedText, Link, LinkVisited,
# AlternateBase, NoRole, ToolTipBase, ToolTipText, PlaceholderText.
scheme() {  # file, active colours, disabled colours
    printf '[ColorScheme]\nactive_colors=%s\ninactive_colors=%s\ndisabled_colors=%s\n' "$2" "$2" "$3" >"$1"
}
# Breeze Dark's colours; its disabled texts are its normal ones faded 65% into their background.
scheme "$home/dark.conf" \
    "#fcfcfc, #292c30, #40464c, #363a3f, #141618, #1e2124, #fcfcfc, #ffffff, #fcfcfc, #141618, #202326, \
     #0a0b0c, #3daee9, #fcfcfc, #1d99f3, #9b59b6, #1d1f22, #000000, #292c30, #fcfcfc, #a1a9b1" \
    "#6d6f71, #292c30, #40464c, #363a3f, #141618, #1e2124, #656768, #ffffff, #737577, #141618, #202326, \
     #0a0b0c, #292c30, #6d6f71, #1d99f3, #9b59b6, #1d1f22, #000000, #292c30, #fcfcfc, #6d6f71"
# The high-contrast black desktop themes': white on black, cyan selection, yellow links, green
# disabled texts.
scheme "$home/high-contrast.conf" \
    "#ffffff, #000000, #ffffff, #c0c0c0, #808080, #a0a0a0, #ffffff, #ffffff, #ffffff, #000000, #000000, \
     #ffffff, #1aebff, #000000, #ffff00, #ffff00, #000000, #000000, #000000, #ffffff, #c0c0c0" \
    "#3ff23f, #000000, #ffffff, #c0c0c0, #808080, #a0a0a0, #3ff23f, #ffffff, #3ff23f, #000000, #000000, \
     #ffffff, #1aebff, #000000, #ffff00, #ffff00, #000000, #000000, #000000, #ffffff, #3ff23f"

# The palette's name and the window colour numora must then show. The light one is Qt's own,
# which numora gets on a desktop that names no platform theme, as in every other desktop test.
run() {
    rm -rf "$XDG_CONFIG_HOME/Numora" "$XDG_CONFIG_HOME/qt6ct" "$home/data"
    mkdir -p "$home/data"
    if [ "$1" = light ]; then
        unset QT_QPA_PLATFORMTHEME
    else
        mkdir -p "$XDG_CONFIG_HOME/qt6ct"
        printf '[Appearance]\ncustom_palette=true\ncolor_scheme_path=%s\nstyle=Fusion\n' "$home/$1.conf" \
            >"$XDG_CONFIG_HOME/qt6ct/qt6ct.conf"
        export QT_QPA_PLATFORMTHEME=qt6ct
    fi
    start_numora
    timeout 60 /usr/bin/python3 "$(dirname "$0")/contrast.py" "$1" "$2" || fail "the $1 palette"
    # A numora stopped with a modal window open may not quit on the signal alone.
    kill "$numora_pid"
    for _ in $(seq 50); do kill -0 "$numora_pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$numora_pid" 2>/dev/null
    wait "$numora_pid" 2>/dev/null
}

# Qt picks a platform theme and style from the desktop it thinks it is on: none here but ours.
unset QT_STYLE_OVERRIDE XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
[ -n "${NUMORA_SCREENSHOTS:-}" ] && mkdir -p "$NUMORA_SCREENSHOTS"
run light "#efefef"
run dark "#202326"
run high-contrast "#000000"
finish
