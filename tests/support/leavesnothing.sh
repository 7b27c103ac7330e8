#!/usr/bin/env bash
# Runs a test program with a temporary folder of its own and fails when the program leaves
# anything in it:  tests/support/leavesnothing.sh PROGRAM [ARGS...]
set -uo pipefail

folder=$(mktemp -d) || exit 1
# Others may pass through, as through the shared temporary folder: the tests that write as
# another user reach their files.
chmod 711 "$folder"
TMPDIR=$folder "$@"
status=$?
left=$(find "$folder" -mindepth 1 -maxdepth 1)
if [ -n "$left" ]; then
    echo "FAIL: left in the temporary folder:" >&2
    echo "$left" >&2
    status=1
fi
rm -rf "$folder"
exit "$status"
