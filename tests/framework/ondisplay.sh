#!/usr/bin/env bash
# Runs a test program on a virtual X display of its own, with no window manager, through Qt's
# X11 platform:  tests/framework/ondisplay.sh PROGRAM [ARGS...]
# The display is ended on the way out whatever happens; the wait for it is bounded.
set -euo pipefail

display_wait=600 # tenths of a second: a loaded machine starts it slowly

command -v Xvfb >/dev/null || { echo "FAIL: Xvfb is missing (scripts/setup.sh installs it)" >&2; exit 1; }

work=$(mktemp -d)
server=""
cleanup() {
    if [ -n "$server" ]; then
        kill -KILL -- "-$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# The server picks a free display number and writes it once it is ready.
setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/server.log" 2>&1 &
server=$!
for ((i = 0; i < display_wait; ++i)); do
    [ -s "$work/display" ] && break
    kill -0 "$server" 2>/dev/null || { echo "FAIL: the virtual display did not start: $(cat "$work/server.log")" >&2; exit 1; }
    sleep 0.1
done
[ -s "$work/display" ] || { echo "FAIL: the virtual display did not start in time" >&2; exit 1; }

# No session bus either: nothing here needs one, and a failed attempt to reach one leaves
# memory behind that the leak checker of a sanitized build reports.
DISPLAY=":$(tr -d '[:space:]' <"$work/display")" QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS=disabled: "$@"
