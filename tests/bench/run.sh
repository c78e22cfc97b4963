#!/usr/bin/env bash
# Benchmarks, side by side in one run on this machine: start-up to the first
# shown frame and resident memory of the game against a bare Qt window, CPU
# and wake-ups while no game runs, then the in-process figures of
# game_bench (CPU per key, fall periods, the wipe).
# Usage: tests/bench/run.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
bench="$build/tests/bench"
tmp=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$tmp"' EXIT
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$tmp/display")" XDG_RUNTIME_DIR="$tmp" QT_LOGGING_RULES="qt.qpa.*=false"
summary() {  # name file
    sort -n "$2" | awk -v name="$1" '{ ms[NR] = $1; kib += $2 } END {
        printf "%-16s first frame median %6.1f ms (lower quartile %6.1f, min %6.1f, max %6.1f)  resident %6.1f MiB\n",
               name, ms[int((NR + 1) / 2)], ms[int((NR + 3) / 4)], ms[1], ms[NR], kib / NR / 1024 }'
}
# Alternate the three so that all see the same machine. The captioned peer
# shows the game's start-up captions in its fonts and nothing else.
: >"$tmp/bare"; : >"$tmp/captions"; : >"$tmp/game"
for _ in $(seq "$runs"); do
    "$bench/first_frame" "$bench/bare_window" >>"$tmp/bare"
    "$bench/first_frame" "$bench/bare_window" --captions >>"$tmp/captions"
    "$bench/first_frame" "$build/zembra" >>"$tmp/game"
done
summary "bare Qt" "$tmp/bare"
summary "bare + captions" "$tmp/captions"
summary "Zembra" "$tmp/game"
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
bare_ms=$(cut -d' ' -f1 "$tmp/bare" | median)
captions_ms=$(cut -d' ' -f1 "$tmp/captions" | median)
game_ms=$(cut -d' ' -f1 "$tmp/game" | median)
bare_kib=$(awk '{ s += $2 } END { print s / NR }' "$tmp/bare")
game_kib=$(awk '{ s += $2 } END { print s / NR }' "$tmp/game")
awk -v b="$bare_ms" -v c="$captions_ms" -v g="$game_ms" -v bk="$bare_kib" -v gk="$game_kib" 'BEGIN {
    printf "first frame (medians): %.2fx the bare window, %.2fx the captioned one; resident: +%.1f MiB\n",
           g / b, g / c, (gk - bk) / 1024 }'

# CPU time and wake-ups (context switches of all threads) over 10 idle seconds.
idle() {  # program
    "$@" >/dev/null 2>&1 &
    local pid=$!
    sleep 3
    local t0 w0 t1 w1
    t0=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    w0=$(cat /proc/$pid/task/*/status | awk '/ctxt_switches/ { s += $2 } END { print s }')
    sleep 10
    t1=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    w1=$(cat /proc/$pid/task/*/status | awk '/ctxt_switches/ { s += $2 } END { print s }')
    kill "$pid"; wait "$pid" 2>/dev/null || true
    echo "$(( (t1 - t0) * 1000 / $(getconf CLK_TCK) )) $(( w1 - w0 ))"
}
read -r bare_cpu bare_wake < <(idle "$bench/bare_window")
read -r game_cpu game_wake < <(idle "$build/zembra")
printf "idle 10 s: bare Qt %d ms CPU, %d wake-ups; Zembra %d ms CPU, %d wake-ups\n" \
    "$bare_cpu" "$bare_wake" "$game_cpu" "$game_wake"

QT_QPA_PLATFORM=offscreen "$bench/game_bench" 2>/dev/null
