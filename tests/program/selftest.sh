#!/usr/bin/env bash
# Starts the built program on a virtual display in test mode on a small input, waits for the
# report it writes, checks that the program then stays open with its window shown, ends it,
# and compares the report, its timings masked, with the expected one.
#   tests/program/selftest.sh PROGRAM INPUT EXPECTED_REPORT
# The program runs from a copy in a temporary folder: the ini and log it keeps beside itself,
# and its settings, never land in the build tree or the user's home. Every wait is bounded and
# every process started here is ended on the way out.
set -euo pipefail

program=$(realpath "$1")
input=$(realpath "$2")
expected=$(realpath "$3")
# In tenths of a second.
display_wait=100
report_wait=200
window_wait=100
exit_wait=100

work=$(mktemp -d)
server=""
app=""
cleanup() {
    for pid in $app $server; do
        kill -KILL -- "-$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -s "$work/program.log" ] && sed 's/^/program: /' "$work/program.log" >&2
    exit 1
}

alive() {
    kill -0 "$1" 2>/dev/null
}

for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done

mkdir -p "$work/bin" "$work/home/config" "$work/home/data" "$work/home/cache" "$work/runtime"
chmod 700 "$work/runtime"
cp "$program" "$work/bin/ombrix"
cp "$input" "$work/bin/selftest.input"

# A display of its own: the server picks a free number and writes it once it is ready.
# Each process started here leads a group of its own (setsid), which is ended whole.
setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/server.log" 2>&1 &
server=$!
for ((i = 0; i < display_wait; ++i)); do
    [ -s "$work/display" ] && break
    alive "$server" || fail "the virtual display did not start: $(cat "$work/server.log")"
    sleep 0.1
done
[ -s "$work/display" ] || fail "the virtual display did not start in time"
display=":$(tr -d '[:space:]' <"$work/display")"

cd "$work/bin"
setsid env -u QT_QPA_PLATFORM DISPLAY="$display" HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" \
    XDG_DATA_HOME="$work/home/data" XDG_CACHE_HOME="$work/home/cache" XDG_RUNTIME_DIR="$work/runtime" \
    ./ombrix -test selftest.input selftest.report >"$work/program.log" 2>&1 &
app=$!

# The report is whole once its closing totals are written.
for ((i = 0; i < report_wait; ++i)); do
    grep -q "^Full time of the output into file: " selftest.report 2>/dev/null && break
    alive "$app" || fail "the program ended before its report was complete"
    sleep 0.1
done
grep -q "^Full time of the output into file: " selftest.report 2>/dev/null ||
    fail "no complete report within $((report_wait / 10)) s"

# After the test the program goes on as a normal window.
window=""
for ((i = 0; i < window_wait; ++i)); do
    alive "$app" || fail "the program ended after its test instead of staying open"
    window=$(DISPLAY="$display" xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "the program shows no window after its test"

kill -TERM "$app"
for ((i = 0; i < exit_wait; ++i)); do
    alive "$app" || break
    sleep 0.1
done
alive "$app" && fail "the program did not end on TERM"
wait "$app" 2>/dev/null || true
app=""

# The timings differ from run to run; everything else must match byte for byte.
mask() {
    sed -E 's/^((Full time|Time) of [^:]*: )[0-9]+\./\1#./' "$1"
}
if ! diff <(mask "$expected") <(mask selftest.report) >"$work/report.diff"; then
    cat "$work/report.diff" >&2
    fail "the report differs from the expected one"
fi
echo "the report matches; the program stayed open until it was ended"
