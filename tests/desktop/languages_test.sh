#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Numora in the desktop's language, read over the accessibility bus as a screen reader does: under
# LANG=de_DE, fr_FR and es_ES the menus, a key's name, the help window and its topic list are in
# that language; LANGUAGE=en keeps English; File > Language changes the open window's menus.
set -u
. "$(dirname "$0")/accessibility_bus.sh"
start_screen_reader_desktop
catalogues="$(dirname "$0")/../../translations"

run() {  # LANG, LANGUAGE, expected language, what to do
    rm -f "$XDG_CONFIG_HOME/Numora/Numora.ini"
    LANG=$1 LANGUAGE=$2 LC_ALL= LC_MESSAGES= start_numora
    /usr/bin/python3 "$(dirname "$0")/languages.py" "$catalogues" "$3" "$4" || fail "LANG=$1 LANGUAGE=$2: $4 in $3"
    kill "$numora_pid"
    wait "$numora_pid" 2>/dev/null
}

run de_DE.UTF-8 "" de window
run fr_FR.UTF-8 "" fr window
run es_ES.UTF-8 "" es window
run de_DE.UTF-8 en en window
run en_US.UTF-8 "" de switch
finish
