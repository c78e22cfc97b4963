#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints the Debian archives this machine's own apt sources name: the main
# archive on the first line (the one serving this release's own suite), the
# security archive on the second. A machine behind a mirror of its own thus
# makes its Debian roots from that mirror, and no address is written into
# the tree.
set -euo pipefail
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[ -n "$codename" ] || { echo "this machine's release has no code name (/etc/os-release)" >&2; exit 1; }
# Every (suite, URI) pair of the binary sources, one-line and deb822 alike.
pairs() {
    [ -f /etc/apt/sources.list ] && sed -n 's/^deb \(\[[^]]*\] \)\?\([^ ]*\) \([^ ]*\).*/\3 \2/p' /etc/apt/sources.list
    for f in /etc/apt/sources.list.d/*.list; do
        [ -f "$f" ] && sed -n 's/^deb \(\[[^]]*\] \)\?\([^ ]*\) \([^ ]*\).*/\3 \2/p' "$f"
    done
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] && awk '
            function flush() { if (deb) for (i in s) for (j in u) print s[i], u[j]; deb = 0; delete s; delete u }
            /^[ \t]*$/ { flush(); next }
            /^Types:/ { deb = ($0 ~ /(^|[ \t])deb([ \t]|$)/) }
            /^URIs:/ { sub(/^URIs:[ \t]*/, ""); n = split($0, x, /[ \t]+/); for (k = 1; k <= n; k++) u[k] = x[k] }
            /^Suites:/ { sub(/^Suites:[ \t]*/, ""); n = split($0, x, /[ \t]+/); for (k = 1; k <= n; k++) s[k] = x[k] }
            END { flush() }' "$f"
    done
    return 0
}
main=$(pairs | awk -v s="$codename" '$1 == s { print $2; exit }')
security=$(pairs | awk -v s="$codename-security" '$1 == s { print $2; exit }')
[ -n "$main" ] || { echo "no apt source of this machine serves $codename" >&2; exit 1; }
echo "${main%/}"
echo "${security%/}"
