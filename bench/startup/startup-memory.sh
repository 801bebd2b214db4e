#!/usr/bin/env bash
# Start-up time (process start until the main window is mapped) and peak memory of
# Radixon against a minimal Qt Widgets program (an empty window, and the same window
# with one line of text). Measured twice under Xvfb: with no window manager, where
# mapping is immediate, and with openbox, which reparents and decorates the window
# first. Within each, the programs alternate run by run so that a slow moment of the
# machine hits all of them alike (the order turns run by run); figures are medians,
# ratios are of the medians.
# Needs the program and the bench targets built (RADIXON_BUILD_DIR, default build/).
#   bench/startup/startup-memory.sh [RUNS]
# RADIXON=path measures another build of the program against the same floor;
# COMPARE_WITH=path adds a second build to the same alternation (before and after
# a change, say), with its own rows and ratios.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build="${RADIXON_BUILD_DIR:-$root/build}"
export RUNS="${1:-11}"
export TIMER="$build/bench/startup/radixon_map_timer"
export RADIXON="${RADIXON:-$build/src/app/radixon}"
export MINIMAL="$build/bench/startup/radixon_bench_minimal_window"
export COMPARE_WITH="${COMPARE_WITH:-}"
for program in "$TIMER" "$RADIXON" "$MINIMAL" ${COMPARE_WITH:+"$COMPARE_WITH"}; do
    if [ ! -x "$program" ]; then
        echo "startup-memory: $program is not built" >&2
        exit 1
    fi
done

# One display session: every program RUNS times, alternating, then a table.
measure='
    mode=$1
    # A session keeps its runtime folder in memory (/run/user/ID); in a folder on
    # disk the sync of the lock file would time the disk rather than the program.
    parent=/dev/shm
    [ -d "$parent" ] && [ -w "$parent" ] || parent="${TMPDIR:-/tmp}"
    export XDG_RUNTIME_DIR=$(mktemp -d -p "$parent")
    trap "rm -rf \"\$XDG_RUNTIME_DIR\"" EXIT
    median() { sort -n | awk "{ v[NR] = \$1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }"; }
    names=(minimal text radixon)
    [ -n "$COMPARE_WITH" ] && names+=(other)
    declare -A times peaks
    for name in "${names[@]}"; do times[$name]=""; peaks[$name]=""; done
    command_of() {
        case $1 in
            minimal) command=("$MINIMAL") ;;
            text) command=("$MINIMAL" --text) ;;
            radixon) command=("$RADIXON") ;;
            other) command=("$COMPARE_WITH") ;;
        esac
    }
    for name in "${names[@]}"; do   # the first start of each fills the file caches
        command_of "$name"; "$TIMER" "${command[@]}" >/dev/null
        rm -f "$XDG_RUNTIME_DIR"/radixon-*.lock
    done
    for run in $(seq "$RUNS"); do
        # The order turns by one each run: a start just after another one is a little
        # slower, and no program should always take that place.
        count=${#names[@]}
        for i in $(seq 0 $((count - 1))); do
            name=${names[$(((i + run) % count))]}
            command_of "$name"
            read -r ms kb < <("$TIMER" "${command[@]}")
            # The timer kills the program, which leaves its lock behind; a copy
            # that ends normally removes it, so each start finds none.
            rm -f "$XDG_RUNTIME_DIR"/radixon-*.lock
            times[$name]+="$ms"$'\''\n'\''
            peaks[$name]+="$kb"$'\''\n'\''
        done
    done
    declare -A t m
    for name in "${names[@]}"; do
        t[$name]=$(printf "%s" "${times[$name]}" | median)
        m[$name]=$(printf "%s" "${peaks[$name]}" | median)
    done
    echo
    echo "### $mode (median of $RUNS runs each)"
    printf "| | start-up until mapped (ms) | peak memory (MiB) |\n|---|---|---|\n"
    row() { awk -v l="$1" -v t="$2" -v m="$3" "BEGIN { printf \"| %s | %.1f | %.1f |\n\", l, t, m / 1024 }"; }
    ratio() { awk -v l="$1" -v a="$2" -v b="$3" -v c="$4" -v d="$5" "BEGIN { printf \"| %s | %.2f | %.2f |\n\", l, a / b, c / d }"; }
    row "minimal Qt Widgets window" "${t[minimal]}" "${m[minimal]}"
    row "the same window with one line of text" "${t[text]}" "${m[text]}"
    row "Radixon" "${t[radixon]}" "${m[radixon]}"
    ratio "Radixon / empty window" "${t[radixon]}" "${t[minimal]}" "${m[radixon]}" "${m[minimal]}"
    ratio "Radixon / window with text" "${t[radixon]}" "${t[text]}" "${m[radixon]}" "${m[text]}"
    if [ -n "$COMPARE_WITH" ]; then
        row "$COMPARE_WITH" "${t[other]}" "${m[other]}"
        ratio "$COMPARE_WITH / empty window" "${t[other]}" "${t[minimal]}" "${m[other]}" "${m[minimal]}"
        ratio "$COMPARE_WITH / window with text" "${t[other]}" "${t[text]}" "${m[other]}" "${m[text]}"
    fi
'

NO_WM=1 bash "$root/tests/run-under-xvfb.sh" bash -euo pipefail -c "$measure" measure "no window manager"
NO_WM=0 bash "$root/tests/run-under-xvfb.sh" bash -euo pipefail -c "$measure" measure "openbox"
