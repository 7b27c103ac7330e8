#!/usr/bin/env bash
# A test program whose temporary folder cannot be made fails and says which folder and why:
#   tests/support/unusabletemporaryfolder.sh PROGRAM
set -uo pipefail

work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
# A folder below a plain file cannot be made, not even by root.
: >"$work/file"
output=$(LC_ALL=C TMPDIR="$work/file/tmp" "$1" 2>&1)
status=$?
expected="$work/file/tmp: Not a directory"
if [ "$status" -eq 0 ] || ! grep -qF -- "$expected" <<<"$output"; then
    echo "FAIL: status $status; expected a failure naming \"$expected\", got:" >&2
    echo "$output" >&2
    exit 1
fi
echo "named: $output"
