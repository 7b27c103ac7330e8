#!/usr/bin/env bash
# Fuzzes CQMInterpreter::perform with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer; fails on any crash, leak, hang or undefined behaviour.
#   scripts/fuzz.sh [seconds]    default 60
# The seeds are the texts of the interpreter tests and every input kept in
# tests/interpreter/data/fuzz. An input that fails is left in build-fuzz/artifacts: keep it
# in that folder, where the interpreter tests run it on every build.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ombrix_install clang-14 libclang-rt-14-dev python3

seconds=${1:-60}
build=build-fuzz
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S tests/fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE= >/dev/null
cmake --build "$build" -j "$jobs" --target perform_fuzzer

seeds="$build/seeds"
corpus="$build/corpus"
artifacts="$build/artifacts"
rm -rf "$seeds"
mkdir -p "$seeds" "$corpus" "$artifacts"
python3 tests/fuzz/seeds.py "$seeds"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# -timeout: an input running longer than this is a hang. Inputs are kept small so that the
# time goes to many different texts; the ten-megabyte cases are tests of their own.
"$build/perform_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" "$seeds" tests/interpreter/data/fuzz
