#!/usr/bin/env bash
# Benchmarks, side by side in one run on this machine: start-up to the first
# shown frame and resident memory of the game against a bare Qt window.
# Usage: tests/bench/run.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
bench="$build/tests/bench"
tmp=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$tmp"' EXIT
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$tmp/display")" XDG_RUNTIME_DIR="$tmp" QT_LOGGING_RULES="qt.qpa.*=false"
summary() {  # name file
    sort -n "$2" | awk -v name="$1" '{ ms[NR] = $1; kib += $2 } END {
        printf "%-12s first frame median %6.1f ms (min %6.1f, max %6.1f)  resident %6.1f MiB\n",
               name, ms[int((NR + 1) / 2)], ms[1], ms[NR], kib / NR / 1024 }'
}
# Alternate the two so that both see the same machine.
: >"$tmp/bare"; : >"$tmp/game"
for _ in $(seq "$runs"); do
    "$bench/first_frame" "$bench/bare_window" >>"$tmp/bare"
    "$bench/first_frame" "$build/zembra" >>"$tmp/game"
done
summary "bare Qt" "$tmp/bare"
summary "Zembra" "$tmp/game"
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
bare_ms=$(cut -d' ' -f1 "$tmp/bare" | median)
game_ms=$(cut -d' ' -f1 "$tmp/game" | median)
bare_kib=$(awk '{ s += $2 } END { print s / NR }' "$tmp/bare")
game_kib=$(awk '{ s += $2 } END { print s / NR }' "$tmp/game")
awk -v b="$bare_ms" -v g="$game_ms" -v bk="$bare_kib" -v gk="$game_kib" 'BEGIN {
    printf "first frame: %.2fx the bare window; resident: +%.1f MiB\n", g / b, (gk - bk) / 1024 }'
