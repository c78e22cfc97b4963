#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows check, here without Windows: `make windows` (the static Qt,
# once per machine, the game as one zembra.exe, the ZIP, the tests beside
# them), then under wine: the engine and asset tests, the asset generator,
# the Windows sound player, the window tests on Windows' own platform
# plugin, and the real zembra.exe played in wine's virtual desktop.
# Usage: tests/windows/run.sh [BUILD_FOLDER]   (default build-windows)
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mkdir -p "${1:-$src/build-windows}" && cd "${1:-$src/build-windows}" && pwd)
wine=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
export WINEPREFIX="$out/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

"$src/tools/windows/build.sh" "$out"

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

# A fresh wine prefix takes a while to set up; do it once, quietly. Every
# program then runs in one virtual desktop, which draws Windows' own frames.
if [ ! -d "$WINEPREFIX" ]; then
    "$wine" wineboot --init >/dev/null 2>&1 || true
    "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
fi

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

# The window tests, class by class, on Windows' own platform plugin on a
# private X server; Qt Test writes each report to a file.
exec 3>"$out/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -s "$out/display" ] && break; sleep 0.1; done
ui_passed=0 ui_failed=0
classes=$(awk '/^set\(UI_TEST_CLASSES/ { on = 1; next } on { if (/\)/) on = 0; gsub(/\)/, ""); print }' \
    "$src/tests/ui/CMakeLists.txt")
for class in $classes; do
    report="$out/ui-$class.txt"
    rm -f "$report"
    DISPLAY=":$(head -n1 "$out/display")" timeout 600 "$wine" "$out/tests/ui/ui_tests.exe" "$class" \
        -platform windows -o "$report,txt" >/dev/null 2>&1 || true
    totals=$(grep -a '^Totals:' "$report" 2>/dev/null | tr -d '\r' || true)
    passed=$(echo "$totals" | sed -n 's/Totals: \([0-9]*\) passed.*/\1/p')
    failures=$(echo "$totals" | sed -n 's/.* \([0-9]*\) failed.*/\1/p')
    if [ -z "$totals" ] || [ "${failures:-1}" -ne 0 ]; then
        grep -a -A3 '^FAIL' "$report" 2>/dev/null | tr -d '\r' | head -n 20
        fail "window tests $class under wine (see $report)"
    fi
    ui_passed=$((ui_passed + ${passed:-0})); ui_failed=$((ui_failed + ${failures:-0}))
done
# Wine's desktop and server belong to that X server: end them with it.
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w 2>/dev/null || true
kill $xvfb 2>/dev/null || true
echo "window tests on the windows platform plugin under wine: $ui_passed passed, $ui_failed failed"

# The real zembra.exe, in wine's virtual desktop.
linux_exe="$src/build/zembra"
if ZEMBRA_WINE="$wine" ZEMBRA_WINESERVER="$wineserver" ZEMBRA_WINDOWS_EXE="$out/package/zembra-$(sed -n 's/^project(Zembra VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")-win64/zembra.exe" \
    ZEMBRA_WINDOW_PROBE="$out/tests/windows/window_probe.exe" ZEMBRA_LINUX_EXE="$linux_exe" \
    ZEMBRA_SCREENSHOTS="$out/screenshots" python3 -m unittest "$src/tests/windows/test_wine_game.py" \
    >"$out/wine_game.log" 2>&1; then
    echo "zembra.exe under wine: window, first frame$([ -x "$linux_exe" ] && echo " (against the Linux build's)"), a game by keys, the box, About, Help, sounds, E: passed"
else
    cat "$out/wine_game.log"
    fail "zembra.exe under wine"
fi

[ "$failed" -eq 0 ] && echo "Windows cross-check passed" || echo "Windows cross-check FAILED"
exit "$failed"
