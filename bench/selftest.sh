#!/usr/bin/env bash
# The self-test's peak memory on a large input of short blocks: the program's "-test" on an
# input of empty blocks (the report is about 18 times the input), offscreen.
#   bench/selftest.sh [program] [megabytes]    default build/app/ombrix and 100
# The program runs from a copy in a temporary folder with its own settings there; it is ended
# by TERM once its report holds the totals. Prints the peak resident memory, the time from the
# start until the whole report is in its file, the test's full time as the report gives it, and
# the sizes of the input and the report.
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/app/ombrix}
megabytes=${2:-100}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp "$program" "$home/ombrix"
marker='***END_BLOCK***'
python3 -c "import sys; sys.stdout.write('$marker' * ($megabytes * 1000000 // len('$marker')))" \
  >"$home/in.txt"

QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
  XDG_RUNTIME_DIR="$home" /usr/bin/time -f "%M %e" -o "$home/time" \
  "$home/ombrix" -test "$home/in.txt" "$home/report.txt" >/dev/null 2>&1 &
timer=$!
program_pid=""
# The test ends when the report's last line is there, or when the program has gone.
while kill -0 "$timer" 2>/dev/null; do
  program_pid=${program_pid:-$(ps -o pid= --ppid "$timer" | tr -d ' ' || true)}
  if [ -f "$home/report.txt" ] && tail -c 100 "$home/report.txt" | grep -q "output into file"; then
    break
  fi
  sleep 0.5
done
[ -n "$program_pid" ] && kill -TERM "$program_pid" 2>/dev/null || true
wait "$timer" || true
read -r rss elapsed < <(tail -1 "$home/time")
echo "peak resident memory: $rss kB; from the start to the whole report: $elapsed s"
echo "input: $(stat -c %s "$home/in.txt") bytes; report: $(stat -c %s "$home/report.txt" 2>/dev/null || echo 0) bytes"
grep -a "Full time of the test" "$home/report.txt" || echo "no totals in the report"
