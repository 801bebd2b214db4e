#!/usr/bin/env bash
# Builds the engine's fuzzers (Clang, libFuzzer and the sanitizers) and runs each from
# its seed corpus for a few seconds, so that a change that breaks them, or that they
# catch at once, does not land. Installs what is missing; safe to run again.
# Usage: scripts/fuzz.sh [SECONDS] (default 10 a fuzzer)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="${RADIXON_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${1:-10}"
"$root/scripts/install-missing.sh" clang-14 libclang-rt-14-dev cmake ninja-build pkg-config \
    libgmp-dev qt6-base-dev qt6-tools-dev qt6-l10n-tools
# Every fuzz/fuzz_*.cpp is a target, as in fuzz/CMakeLists.txt.
targets=()
for source in "$root"/fuzz/fuzz_*.cpp; do
    targets+=("$(basename "$source" .cpp)")
done
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRADIXON_BUILD_FUZZERS=ON -DRADIXON_BUILD_TESTS=OFF -DRADIXON_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"
# New inputs go to a scratch folder, never into the seed corpus; a failing input is kept.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$build/fuzz-artifacts"
for target in "${targets[@]}"; do
    mkdir -p "$scratch/$target"
    if ! "$build/fuzz/$target" "$scratch/$target" "$root/fuzz/corpus/$target" \
        -max_total_time="$seconds" -artifact_prefix="$build/fuzz-artifacts/" \
        >"$scratch/$target.log" 2>&1; then
        tail -n 40 "$scratch/$target.log"
        echo "$target failed; its input is in $build/fuzz-artifacts/" >&2
        exit 1
    fi
    echo "$target: $(tail -n 1 "$scratch/$target.log")"
done
