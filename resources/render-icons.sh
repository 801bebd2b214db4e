#!/usr/bin/env bash
# Renders the PNG sizes of the icon from its SVG source (needs librsvg2-bin).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" radixon.svg -o "radixon-$size.png"
done
