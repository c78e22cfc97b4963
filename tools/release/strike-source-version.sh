#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints the version of Debian's xfonts-wqy whose source package the source
# archives carry for the bitmap strikes under assets/fonts/: the installed
# one where its PCF strikes are the very files the strikes were made from
# (assets/fonts/SOURCES.txt names their sizes and hashes; releases that only
# repackage them keep the same files), else the version LICENSES.txt names.
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
installed=$(dpkg-query -W -f='${Status} ${Version}' xfonts-wqy 2>/dev/null | sed -n 's/^install ok installed //p')
if [ -n "$installed" ] && python3 - "$src/assets/fonts/SOURCES.txt" $(dpkg -L xfonts-wqy | grep '\.pcf$') <<'PY'
import os, re, sys
recorded = {}
for line in open(sys.argv[1], encoding="utf-8"):
    m = re.search(r": (\S+\.pcf) face \d+, (\d+) bytes, FNV-1a ([0-9a-f]+)", line)
    if m:
        recorded[m.group(1)] = (int(m.group(2)), m.group(3))
found = {os.path.basename(p): p for p in sys.argv[2:]}
for name, (size, digest) in recorded.items():
    if name not in found:
        sys.exit(1)
    data = open(found[name], "rb").read()
    h = 0xCBF29CE484222325
    for b in data:
        h = ((h ^ b) * 0x100000001B3) & 0xFFFFFFFFFFFFFFFF
    if (len(data), "%016x" % h) != (size, digest):
        sys.exit(1)
PY
then
    echo "$installed"
    exit 0
fi
version=$(tr '\n' ' ' <"$src/assets/fonts/LICENSES.txt" | sed -n 's/.*(Debian: xfonts-wqy \([^;)]*\);.*/\1/p')
[ -n "$version" ] || { echo "assets/fonts/LICENSES.txt names no xfonts-wqy version" >&2; exit 1; }
echo "$version"
