#!/usr/bin/env bash
# Start-up time (process start until the main window is mapped) and peak memory of
# Radixon against a minimal Qt Widgets program (an empty window, and the same window
# with one line of text), each the median of several runs under Xvfb with openbox.
# Needs a build (scripts/setup.sh --with-tests).
#   bench/startup/startup-memory.sh [RUNS]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build="${RADIXON_BUILD_DIR:-$root/build}"
export RUNS="${1:-11}"
export TIMER="$build/bench/startup/radixon_map_timer"
export RADIXON="$build/src/app/radixon"
export MINIMAL="$build/bench/startup/radixon_bench_minimal_window"
export XDG_RUNTIME_DIR=$(mktemp -d)

exec bash "$root/tests/run-under-xvfb.sh" bash -euo pipefail -c '
    median() { sort -n | awk "{ v[NR] = \$1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }"; }
    declare -A times peaks
    for name in minimal text radixon; do times[$name]=""; peaks[$name]=""; done
    "$TIMER" "$MINIMAL" >/dev/null   # warm the caches once for both
    "$TIMER" "$RADIXON" >/dev/null
    for run in $(seq "$RUNS"); do
        for name in minimal text radixon; do
            command=("$MINIMAL"); [ $name = text ] && command+=(--text); [ $name = radixon ] && command=("$RADIXON")
            read -r ms kb < <("$TIMER" "${command[@]}")
            times[$name]+="$ms"$'\''\n'\''
            peaks[$name]+="$kb"$'\''\n'\''
        done
    done
    t_min=$(printf "%s" "${times[minimal]}" | median); t_rad=$(printf "%s" "${times[radixon]}" | median)
    m_min=$(printf "%s" "${peaks[minimal]}" | median); m_rad=$(printf "%s" "${peaks[radixon]}" | median)
    t_txt=$(printf "%s" "${times[text]}" | median); m_txt=$(printf "%s" "${peaks[text]}" | median)
    printf "| | start-up until mapped (ms) | peak memory (MiB) |\n|---|---|---|\n"
    awk -v t="$t_min" -v m="$m_min" "BEGIN { printf \"| minimal Qt Widgets window | %.0f | %.1f |\n\", t, m / 1024 }"
    awk -v t="$t_txt" -v m="$m_txt" "BEGIN { printf \"| the same window with one line of text | %.0f | %.1f |\n\", t, m / 1024 }"
    awk -v t="$t_rad" -v m="$m_rad" "BEGIN { printf \"| Radixon | %.0f | %.1f |\n\", t, m / 1024 }"
    awk -v a="$t_rad" -v b="$t_min" -v c="$m_rad" -v d="$m_min" "BEGIN { printf \"| Radixon / empty window | %.2f | %.2f |\n\", a / b, c / d }"
    awk -v a="$t_rad" -v b="$t_txt" -v c="$m_rad" -v d="$m_txt" "BEGIN { printf \"| Radixon / window with text | %.2f | %.2f |\n\", a / b, c / d }"
    echo "(median of $RUNS runs each)"
'
