#!/usr/bin/env bash
# Installs what is missing, builds Radixon and starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/scripts/setup.sh"
# The program places its own windows, which Wayland does not allow: run through XWayland.
if [[ -n "${WAYLAND_DISPLAY:-}" ]]; then export QT_QPA_PLATFORM=xcb; fi
exec "${RADIXON_BUILD_DIR:-$root/build}/src/app/radixon"
