#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fetches into FOLDER what the source archives carry for the bitmap strikes
# under assets/fonts/, and prints its path: Debian's xfonts-wqy source
# package (the BDF strikes) of the version they were made from; where the
# machine's archive does not serve that source, the binary package of that
# version, whose PCF files are the strikes' very input.
# Usage: tools/release/strike-sources.sh FOLDER
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$1"
folder=$(cd "$1" && pwd)
version=$("$src/tools/release/strike-source-version.sh")
if "$src/tools/release/apt-source.sh" xfonts-wqy "$version" "$folder/source" 2>"$folder/source.log"; then
    exit 0
fi
echo "the archive serves no source of xfonts-wqy $version (see $folder/source.log): its binary package instead" >&2
deb="$folder/xfonts-wqy_${version#*:}_all.deb"
if [ ! -f "$deb" ]; then
    (cd "$folder" && apt-get download -qq "xfonts-wqy=$version" 2>/dev/null)
fi
[ -f "$deb" ] || { echo "apt-get gave no $deb" >&2; exit 1; }
echo "$deb"
