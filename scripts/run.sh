#!/usr/bin/env bash
# Installs what is missing (Debian, as root), builds Ombrix in Release and starts it; the
# arguments are passed on to the program (a document, "-calc document", "-test [in [report]]").
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
# Help > Contents hands ombrix.chm to the desktop's opener, xdg-open; without a desktop it
# learns the file's type from file(1) and finds xchm, the viewer, by its desktop entry.
if ! ombrix_install xchm xdg-utils file; then
  echo "run.sh: without them Help > Contents cannot show the help; Ombrix starts all the same" >&2
fi

build=build-release
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DOMBRIX_WITH_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target ombrix
# Built all the same, so that a later start on a desktop finds it ready.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: Ombrix needs a desktop (an X or Wayland display)," \
       "and neither DISPLAY nor WAYLAND_DISPLAY is set" >&2
  exit 1
fi
exec "$build/app/ombrix" "$@"
