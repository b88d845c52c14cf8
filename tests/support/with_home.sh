#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a test with a fresh throwaway home and XDG folders of its own (the first argument), so
# that nothing a test or a program it starts writes can reach the user's own files.
set -eu
home=$1
shift
rm -rf "$home"
mkdir -p "$home/config" "$home/data" "$home/cache" "$home/run"
chmod 700 "$home" "$home/run"
# No speech service runs for a test, and none starts on its own (libspeechd starts the command
# SPEECHD_CMD names): read-out falls back to the built-in voice unless the test starts a service.
export SPEECHD_CMD=/bin/false
export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" \
    XDG_RUNTIME_DIR="$home/run"
exec "$@"
