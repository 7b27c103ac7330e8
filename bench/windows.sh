#!/usr/bin/env bash
# Times the windows: F5 in the main window for each place the results go, beside the
# interpreter's own time for the same text, and the program's start-up and memory on a virtual
# X display beside an empty Qt window's.
#   bench/windows.sh [runs]      runs per measurement, default 20 (the median is reported)
# Builds in Release into build-bench-windows; texts and raw figures go to its workloads folder.
# The script runs itself again on the virtual display for the start-up ("--on-display runs").
set -euo pipefail
cd "$(dirname "$0")/.."

build="build-bench-windows"
work="$build/workloads"

# The start-up on a virtual display: the program's entry point up to its first painted window,
# with its options from the ini file or from a user's store of a million bytes, and an empty
# window the same way; the same starts followed by an exit, which saves the options; then the real program's peak memory once its window is shown and has
# idled for a second. The program runs from a copy in a temporary folder with its
# own settings there, so nothing is written beside the build or to the user's settings.
start_up() {
  # The options from a user's store that another program filled with a long value.
  local store_bytes=1000000
  hyperfine -N --warmup 3 --runs "$runs" --style basic --export-json "$work/start.json" \
    --command-name ombrix "$build/bench/ombrix_start_bench" \
    --command-name ombrix-store "$build/bench/ombrix_start_bench --user-store $store_bytes" \
    --command-name ombrix-exit "$build/bench/ombrix_start_bench --exit" \
    --command-name ombrix-store-exit "$build/bench/ombrix_start_bench --user-store $store_bytes --exit" \
    --command-name bare "$build/bench/bare_window_bench" >"$work/start.log" 2>&1 || { cat "$work/start.log"; exit 1; }
  /usr/bin/time -f "%M" -o "$work/start.ombrix.rss" "$build/bench/ombrix_start_bench" 2>/dev/null
  /usr/bin/time -f "%M" -o "$work/start.bare.rss" "$build/bench/bare_window_bench" 2>/dev/null

  home=$(mktemp -d)
  trap 'rm -rf "$home"' EXIT
  cp "$build/app/ombrix" "$home/ombrix"
  XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
    /usr/bin/time -f "%M" -o "$work/idle.rss" "$home/ombrix" >/dev/null 2>&1 &
  local timer=$! program="" window=""
  for _ in $(seq 100); do
    # Finding no program or no window yet is no failure.
    program=${program:-$(ps -o pid= --ppid "$timer" | tr -d ' ' || true)}
    [ -n "$program" ] && window=$(xdotool search --onlyvisible --pid "$program" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] && sleep 1
  [ -n "$program" ] && kill -TERM "$program"
  wait "$timer" || true
  [ -n "$window" ] || { echo "the program showed no window"; exit 1; }
}
if [ "${1:-}" = "--on-display" ]; then
  runs=$2
  start_up
  exit 0
fi

source scripts/setup.sh
ombrix_install hyperfine time python3
runs=${1:-20}
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$jobs" --target ombrix ombrix_window_bench ombrix_start_bench bare_window_bench
mkdir -p "$work"
python3 bench/generate.py "$work" w w0

# F5: the editor takes the shorter text, so that the results appended to it fit as well.
for where in 0 1 2; do
  text="$work/w.ombx"
  [ "$where" = 0 ] && text="$work/w0.ombx"
  QT_QPA_PLATFORM=offscreen "$build/bench/ombrix_window_bench" --runs "$runs" "$where" "$text" \
    >"$work/f5-$where.txt" 2>"$work/f5-$where.log" || { cat "$work/f5-$where.txt" "$work/f5-$where.log"; exit 1; }
done

env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24" bash bench/windows.sh --on-display "$runs"

python3 bench/report_windows.py "$work"
