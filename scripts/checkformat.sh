#!/usr/bin/env bash
# Checks that every C++ file of the tree is laid out as .clang-format says (clang-format 14);
# lists the files that are not and fails. Changes nothing.
#   scripts/checkformat.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
ombrix_install clang-format || exit 1

format=clang-format
command -v clang-format-14 >/dev/null && format=clang-format-14
if ! "$format" --version | grep -q 'version 14\.'; then
  echo "checkformat: clang-format 14 is needed, found: $("$format" --version)" >&2
  exit 2
fi

mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
# One run over all files; each place that differs is reported as "file:line:col: error: ...".
if report=$("$format" --dry-run --Werror "${files[@]}" 2>&1); then
  echo "checkformat: ${#files[@]} files formatted"
  exit 0
fi
mapfile -t bad < <(grep -o '^[^:]*: *[0-9]*:[0-9]*: error' <<<"$report" | cut -d: -f1 | sort -u)
if [ "${#bad[@]}" -eq 0 ]; then
  echo "$report" >&2
  exit 1
fi
printf 'not formatted: %s\n' "${bad[@]}" >&2
echo "checkformat: ${#bad[@]} of ${#files[@]} files differ from .clang-format" \
     "(clang-format -i FILE shows how it wants them)" >&2
exit 1
