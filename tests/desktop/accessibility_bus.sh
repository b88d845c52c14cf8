# SPDX-License-Identifier: MIT
# Sourced in place of x_session.sh by the tests that read numora over the accessibility bus: runs
# the test again on a private session bus, then sets up as x_session.sh does.
# `start_accessibility_bus` launches the accessibility bus and waits until it can be asked for;
# `start_screen_reader_desktop` also starts X and turns numora's bridge on for a test that reads
# numora itself through pyatspi (tests/desktop/atspi.py).
if [ -z "${NUMORA_PRIVATE_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is not installed"; exit 77; }
    NUMORA_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
. "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }

start_accessibility_bus() {
    "$launcher" --launch-immediately >/dev/null 2>&1 &
    pids+=($!)
    # A client asks for the accessibility bus at once, and hangs on a name not yet taken.
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
            string:org.a11y.Bus 2>/dev/null | grep -q true && return
        sleep 0.1
    done
    echo "FAIL: the accessibility bus did not start"
    exit 1
}

start_screen_reader_desktop() {
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
    PYTHONPATH="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
    export PYTHONPATH
    start_x
    start_accessibility_bus
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
}
