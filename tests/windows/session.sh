#!/bin/sh
# SPDX-License-Identifier: MIT
# The fixtures of the cross-built tests under wine, in the folder STATE:
#   session.sh prefix STATE    a fresh wine prefix, whose programs all run in one
#                              virtual desktop (which draws Windows' own frames)
#   session.sh display STATE   a private X server for the window tests
#   session.sh end STATE       ends wine's server and that X server
set -eu
what=$1 state=$2
wine=${ZEMBRA_WINE:-wine}
wineserver=${ZEMBRA_WINESERVER:-wineserver}
export WINEPREFIX="$state/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$state"
case $what in
prefix)
    # Setting a prefix up takes a while; a prefix from an earlier run is kept.
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$wine" wineboot --init >/dev/null 2>&1 || true
        "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    fi
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
    test -f "$WINEPREFIX/system.reg"
    ;;
display)
    rm -f "$state/display"
    # Detached, with no descriptor of ctest's: ctest waits for those to close.
    setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
        3>"$state/display" </dev/null >/dev/null 2>&1 &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 100); do [ -s "$state/display" ] && exit 0; sleep 0.1; done
    echo "the X server did not start" >&2
    exit 1
    ;;
end)
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
    [ -f "$state/xvfb.pid" ] && kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    rm -f "$state/display" "$state/xvfb.pid"
    ;;
*)
    echo "usage: session.sh prefix|display|end STATE" >&2
    exit 2
    ;;
esac
