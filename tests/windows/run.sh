#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows cross-check: builds for 64-bit Windows with mingw-w64 what does
# not need Qt (the engine and its tests, the asset generator and its tests,
# the Windows sound player with its probe) and runs it all under wine.
# Usage: tests/windows/run.sh [BUILD_FOLDER]   (default build-windows)
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mkdir -p "${1:-$src/build-windows}" && cd "${1:-$src/build-windows}" && pwd)
wine=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
export WINEPREFIX="$out/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

cmake -S "$src" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-w64-x86_64.cmake" \
    -DZEMBRA_BUILD_GAME=OFF -DZEMBRA_GTEST_SOURCE_DIR=/usr/src/googletest >/dev/null
cmake --build "$out"

failed=0
fail() { echo "FAILED: $*"; failed=1; }

# The game plays its sounds through the system: no program may need SDL.
exes=$(find "$out" -name '*.exe' -not -path "$out/wine/*" -not -path '*/CMakeFiles/*')
for exe in $exes; do
    if x86_64-w64-mingw32-objdump -p "$exe" | grep -i 'DLL Name:.*sdl'; then
        fail "$(basename "$exe") imports an SDL library"
    fi
done
echo "imports checked: $(echo "$exes" | wc -w) executables, none needs SDL"

# A fresh wine prefix takes a while to set up; do it once, quietly.
[ -d "$WINEPREFIX" ] || "$wine" wineboot --init >/dev/null 2>&1 || true

run_gtest() {
    local name=$1 log="$out/$1.log"
    if "$wine" "$out/tests/$2" >"$log" 2>&1 && grep -q '^\[  PASSED  \]' "$log"; then
        echo "$name: $(grep -h '^\[  PASSED  \]' "$log" | sed 's/.*\] //') passed under wine"
    else
        tail -n 30 "$log"
        fail "$name (see $log)"
    fi
}
run_gtest "engine tests" engine_tests.exe
run_gtest "asset tests" assets/asset_tests.exe

# The generator itself, run under wine, writes exactly the committed files.
gen="$out/generated"
rm -rf "$gen"
if "$wine" "$out/tools/assetgen/assetgen.exe" "$gen" && diff -r "$gen" "$src/assets" --exclude=assets.qrc --exclude=fonts >/dev/null; then
    echo "assetgen under wine: $(ls "$gen" | wc -l) files, byte-identical to assets/"
else
    fail "assetgen under wine does not write what assets/ holds"
fi

# The Windows sound player: without a sound server the game stays silent and
# the probe still ends cleanly; with one, every sound comes out of it.
probe="$out/tests/windows/winmm_probe.exe"
if PULSE_SERVER=unix:/nonexistent "$wine" "$probe" "$src/assets" >"$out/winmm_probe.log" 2>&1; then
    echo "sound player without a sound server: $(grep -c ' playing$' "$out/winmm_probe.log") of 9 sounds taken," \
         "$(grep -o 'devices: .*' "$out/winmm_probe.log" | tr -d '\r')"
else
    sed 's/\r$//' "$out/winmm_probe.log" | grep -v '^ALSA'
    fail "the Windows sound player without a sound server"
fi
if command -v pulseaudio >/dev/null && command -v Xvfb >/dev/null; then
    if ZEMBRA_WINE="$wine" ZEMBRA_WINMM_PROBE="$probe" python3 -m unittest "$src/tests/windows/test_wine_sound.py" \
        >"$out/wine_sound.log" 2>&1; then
        echo "sound player on a sound server: all 9 sounds recorded, each as long as it was played"
    else
        cat "$out/wine_sound.log"
        fail "the Windows sound player on a sound server"
    fi
else
    echo "no pulseaudio or Xvfb: the sound player was not recorded"
fi

[ "$failed" -eq 0 ] && echo "Windows cross-check passed" || echo "Windows cross-check FAILED"
exit "$failed"
