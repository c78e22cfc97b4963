#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `make deb`: the Debian package of the game, and beside it its source
# archive (the tree, and Debian's xfonts-wqy source package, from which the
# bitmap strikes it installs were made). Reproducible: every time in them is
# SOURCE_DATE_EPOCH, by default the time of the tree's last commit, so two
# checkouts of one commit give the same bytes wherever they are.
# Usage: tools/release/deb.sh [--built] [BUILD_FOLDER]   (default build)
#   --built  package what the folder holds, building nothing (the tests do
#            so while other tests run the game from it)
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
built=false
if [ "${1:-}" = --built ]; then
    built=true
    shift
fi
build=$(cd "${1:-$src/build}" && pwd)
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$src" log -1 --format=%ct 2>/dev/null || stat -c %Y "$src/data/changelog")
fi
export SOURCE_DATE_EPOCH

$built || cmake --build "$build" --target zembra zembra_docs
(cd "$build" && cpack -G DEB >/dev/null)
version=$(sed -n 's/^project(Zembra VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
dsc=$("$src/tools/release/strike-sources.sh" "${XDG_CACHE_HOME:-$HOME/.cache}/zembra/sources")
python3 "$src/tools/release/source_archive.py" "$build/zembra-$version-source.tar.gz" "zembra-$version-source" \
    "$SOURCE_DATE_EPOCH" "$src" "$dsc"
ls -l "$build"/zembra_"$version"_*.deb "$build/zembra-$version-source.tar.gz" | awk '{print $NF "  " $5 " bytes"}'
