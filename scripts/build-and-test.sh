#!/usr/bin/env bash
# Installs what is missing, builds Radixon with its tests and runs the whole suite.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh" --with-tests
cd "${RADIXON_BUILD_DIR:-$root/build}"
ctest --output-on-failure --timeout 300 -j"$(nproc)"
