#!/usr/bin/env bash
# Runs the interpreter and its peers (bc -l, python3, a C++ expression library) side by side on
# the benchmark workloads and prints each ratio and the peak memory of every run.
#   bench/compare.sh [runs]      runs per command, default 5 (the median is reported)
# Builds in Release into build-bench; workloads and raw timings go to build-bench/workloads.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ombrix_install hyperfine bc time python3 libmuparser-dev

runs=${1:-5}
build=build-bench
work="$build/workloads"
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DOMBRIX_WITH_GUI=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target ombrix_bench
peer="$build/bench/peer_expression_library"
if cmake --build "$build" -j "$jobs" --target peer_expression_library >/dev/null 2>&1; then
  echo "expression library peer built"
else
  peer=""
  echo "no expression library installed: its column is left out"
fi

mkdir -p "$work"
python3 bench/generate.py "$work"
ours="$build/bench/ombrix_bench"
# The interpreter itself, not a launcher script that may stand in front of it on PATH.
python=$(python3 -c 'import sys; print(sys.executable)')

# One hyperfine run per workload: name, then "label=command" pairs.
measure() {
  local name=$1
  shift
  local args=()
  for pair in "$@"; do
    args+=(--command-name "${pair%%=*}" "${pair#*=}")
  done
  # -i: the peers refuse workload (b) with a failing exit status.
  hyperfine -N -i --warmup 1 --runs "$runs" --style basic --export-json "$work/$name.json" "${args[@]}" \
    >"$work/$name.log" 2>&1 || { cat "$work/$name.log"; exit 1; }
  for pair in "$@"; do
    # shellcheck disable=SC2086
    /usr/bin/time -f "%M" -o "$work/$name.${pair%%=*}.rss" ${pair#*=} >/dev/null 2>&1 || true
  done
}

measure a "ours=$ours $work/a.ombx" "python3=$python $work/a.py" ${peer:+"library=$peer $work/a.ombx"}
measure a1 "ours=$ours $work/a1.ombx" "bc=bc -l $work/a1.bc" "python3=$python $work/a1.py" \
  ${peer:+"library=$peer $work/a1.ombx"}
measure b "ours=$ours --refused $work/b.ombx" "bc=bc -l $work/b.bc" "python3=$python $work/b.py" \
  ${peer:+"library=$peer $work/b.ombx"}
measure c "ours=$ours $work/c.ombx" "bc=bc -l $work/c.bc" "python3=$python $work/c.py" \
  ${peer:+"library=$peer $work/c.ombx"}
measure a10 "ours=$ours $work/a10.ombx"

# The run must be ours that failed only when it was meant to: check every workload once more.
for w in a a1 c a10; do "$ours" "$work/$w.ombx"; done
"$ours" --refused "$work/b.ombx"

python3 bench/report.py "$work"

# The windows: F5 in the main window and the start-up (their own runs, 20 by default).
bench/windows.sh
