#!/bin/sh
# SPDX-License-Identifier: MIT
# The emulator of the cross-built tests: runs one Windows program under wine,
# in the tests' own wine prefix and on their X server (both made by the
# fixtures in session.sh). The program's exit status is this one's.
state=${ZEMBRA_WINE_STATE:?the folder of the wine fixtures}
export WINEPREFIX="$state/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -s "$state/display" ] && DISPLAY=":$(head -n 1 "$state/display")" && export DISPLAY
# The server of the test before stays a few seconds after its last program:
# one that is exiting as this program starts fails it without a word, so the
# program waits for that server to end and starts its own.
"${ZEMBRA_WINESERVER:-wineserver}" -w 2>/dev/null || true
exec "${ZEMBRA_WINE:-wine}" "$@"
