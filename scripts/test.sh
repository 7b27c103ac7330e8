#!/usr/bin/env bash
# Builds Ombrix and runs every test through CTest, each alone and each test program whole, once
# in its own order and once shuffled (a failure names the seed). Any warning stops the build.
#   scripts/test.sh              the whole program and all tests
#   scripts/test.sh --sanitize   every test again under ASan and UBSan; any report fails it
#   scripts/test.sh --clang      every target in Release with clang++, then the interpreter's
#                                tests, whose results must match the g++ build's to the bit
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

mode=${1:-}
ombrix_install "${OMBRIX_DISPLAY_PACKAGES[@]}" || exit 1
if [ "$mode" = --clang ]; then
  ombrix_install clang || exit 1
fi
ombrix_comma_locale || echo "test.sh: the tests that need that locale skip themselves" >&2
jobs=$(nproc 2>/dev/null || echo 2)
labels=()
case "$mode" in
  --sanitize)
    build=build-sanitize
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DOMBRIX_SANITIZE=ON \
          -DOMBRIX_WITH_BENCH=OFF -DOMBRIX_WERROR=ON >/dev/null
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    # What the system libraries keep until the process ends; none of it is the program's.
    export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
    ;;
  --clang)
    build=build-clang-release
    cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release \
          -DOMBRIX_WERROR=ON >/dev/null
    labels=(-L interpreter)
    ;;
  "")
    build=build
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOMBRIX_WERROR=ON >/dev/null
    ;;
  *)
    echo "test.sh: unknown option $mode" >&2
    exit 2
    ;;
esac
cmake --build "$build" -j "$jobs"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$jobs" "${labels[@]}"

# Root reads and writes every file, so the tests of unreadable files and read-only folders
# skip themselves; as root, run them once more as an unprivileged user.
# The caller's TMPDIR may be root's alone: that user gets a folder of his own in /tmp.
if [ -z "$mode" ] && [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
  filter='*ReadOnly*:*CannotBeWritten*:*Unreadable*:AtomicFile.*:AppendFile.*'
  unprivileged=$(mktemp -d /tmp/ombrix-tests-XXXXXX)
  trap 'rm -rf "$unprivileged"' EXIT
  chown 65534:65534 "$unprivileged"
  for tests in "$build/tests/framework/framework_tests" "$build/tests/app/app_tests"; do
    setpriv --reuid=65534 --regid=65534 --clear-groups \
      env HOME="$unprivileged" TMPDIR="$unprivileged" QT_QPA_PLATFORM=offscreen \
      "$tests" --gtest_filter="$filter" --gtest_brief=1
  done
fi
