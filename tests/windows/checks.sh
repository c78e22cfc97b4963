#!/bin/sh
# SPDX-License-Identifier: MIT
# Checks of the cross build that are not a program of their own:
#   checks.sh imports EXE...            no program imports an SDL library: on
#                                       Windows the game sounds through the system
#   checks.sh assetgen EXE OUT ASSETS   the generator, run under wine, writes
#                                       exactly the committed pictures and sounds
#   checks.sh qtest REPORT EXE ARGS...  a Qt Test program under wine; its report
#                                       (which wine's console loses) goes to a
#                                       file and is shown from there
set -eu
case $1 in
imports)
    shift
    for exe; do
        # Read first: a failing or missing objdump fails the check.
        headers=$(x86_64-w64-mingw32-objdump -p "$exe")
        if printf '%s\n' "$headers" | grep -i 'DLL Name:.*sdl'; then
            echo "$(basename "$exe") imports an SDL library"
            exit 1
        fi
    done
    echo "$# programs, none needs SDL"
    ;;
assetgen)
    rm -rf "$3"
    "$(dirname "$0")/wine.sh" "$2" "$3"
    diff -r "$3" "$4" --exclude=assets.qrc --exclude=fonts
    echo "$(ls "$3" | wc -l) files, byte-identical to assets/"
    ;;
qtest)
    report=$2
    shift 2
    rm -f "$report"
    status=0
    "$(dirname "$0")/wine.sh" "$@" -o "$report,txt" || status=$?
    tr -d '\r' <"$report"
    exit "$status"
    ;;
*)
    echo "usage: checks.sh imports|assetgen|qtest ..." >&2
    exit 2
    ;;
esac
