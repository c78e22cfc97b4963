#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Prints the version of Debian's xfonts-wqy that the committed bitmap
# strikes under assets/fonts/ were made from, as LICENSES.txt there names it:
# the source archives carry that source package, whatever this machine has.
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
version=$(tr '\n' ' ' <"$src/assets/fonts/LICENSES.txt" | sed -n 's/.*(Debian: xfonts-wqy \([^;)]*\);.*/\1/p')
[ -n "$version" ] || { echo "assets/fonts/LICENSES.txt names no xfonts-wqy version" >&2; exit 1; }
echo "$version"
