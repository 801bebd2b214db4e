#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what clang-format makes of it.
set -euo pipefail
root=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
cd "$root"
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.h' '*.cpp' 2>/dev/null \
                     || find src tests bench fuzz tools -name '*.h' -o -name '*.cpp')
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files formatted"
