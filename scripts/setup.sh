#!/usr/bin/env bash
# Installs what is missing (Debian/Ubuntu), then configures and builds Radixon.
# Usage: scripts/setup.sh [--with-tests] ; safe to run again.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${RADIXON_BUILD_DIR:-$root/build}"

packages=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools libgmp-dev libxcb1-dev
          fonts-dejavu-core)
if [[ "${1:-}" == "--with-tests" ]]; then
    packages+=(xvfb openbox x11-utils xdotool desktop-file-utils appstream dpkg-dev clang-format git)
fi

"$root/scripts/install-missing.sh" "${packages[@]}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${RADIXON_BUILD_TYPE:-RelWithDebInfo}" \
    -DRADIXON_SANITIZE="${RADIXON_SANITIZE:-OFF}" >/dev/null
cmake --build "$build" -j"$(nproc)"
