#!/usr/bin/env bash
# Takes the README's pictures of every window in both languages, under Xvfb with
# openbox, with the picture tool built into the usual build folder.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${RADIXON_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DRADIXON_BUILD_TOOLS=ON >/dev/null
cmake --build "$build" --target radixon_capture_windows
export XDG_RUNTIME_DIR=$(mktemp -d)
# The pictures type numbers with a decimal point, as the tests do.
export LC_ALL=C.UTF-8
mkdir -p "$root/docs/screenshots"
exec bash "$root/tests/run-under-xvfb.sh" \
    "$build/tools/radixon_capture_windows" "$root/docs/screenshots"
