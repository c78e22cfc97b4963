#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `make windows`: the game for 64-bit Windows, built here with mingw-w64
# against a static Qt (built once per machine by build-qt.sh), as one
# self-contained zembra.exe, and the ZIP a player downloads. The same tree
# gives the same bytes. The window and engine tests are built beside it.
# Usage: tools/windows/build.sh [BUILD_FOLDER]   (default build-windows)
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mkdir -p "${1:-$src/build-windows}" && cd "${1:-$src/build-windows}" && pwd)
qt=$("$src/tools/windows/build-qt.sh")

# Qt's own toolchain file finds the Windows Qt, and loads ours for the compiler;
# Debian's Qt supplies the host tools (moc, rcc, uic).
cmake -S "$src" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$src/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DZEMBRA_GTEST_SOURCE_DIR=/usr/src/googletest \
    -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s >/dev/null
cmake --build "$out"

version=$(sed -n 's/^project(Zembra VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
stage="$out/package/zembra-$version-win64"
rm -rf "$out/package"
mkdir -p "$stage"
# Stripped by the linker: a separate strip would stamp the time into it.
cp "$out/zembra.exe" "$stage/zembra.exe"
cp "$src/LICENSE" "$stage/LICENSE.txt"
# The read-me in UTF-8 with a byte-order mark, so that every Notepad reads its Chinese.
{ printf '\xef\xbb\xbf'; cat "$src/tools/windows/README.txt"; } >"$stage/README.txt"
{
    echo "Zembra links Qt $(basename "$qt" | cut -d- -f2) statically, under the GNU LGPL version 3."
    echo "Qt's source is Debian's qt6-base package of that version (apt-get source qt6-base);"
    echo "tools/windows/build-qt.sh in Zembra's source tree builds it exactly as used here,"
    echo "and tools/windows/build.sh relinks the game against it, so that anyone can rebuild"
    echo "zembra.exe with a changed Qt. The LGPL and the GPL it builds on follow, then Qt's"
    echo "copyright file (Qt and the libraries it bundles), then the licences of the"
    echo "embedded fonts and of the compiler's runtime. One of the fonts, WenQuanYi Bitmap"
    echo "Song, is under the GNU GPL version 2, so zembra.exe as a whole is also distributed"
    echo "under that licence (Qt is available under it too); the fonts' part says how to"
    echo "get the complete source."
    for f in /usr/share/common-licenses/LGPL-3 /usr/share/common-licenses/GPL-3 \
             /usr/share/doc/libqt6core6/copyright "$src/assets/fonts/LICENSES.txt" \
             /usr/share/doc/mingw-w64-common/copyright; do
        printf '\n==================== %s ====================\n\n' "$(basename "$(dirname "$f")")/$(basename "$f")"
        cat "$f"
    done
} >"$stage/THIRD-PARTY.txt"
# Text files with Windows line ends, every file dated alike.
for f in "$stage"/*.txt; do sed -i 's/\r*$/\r/' "$f"; done
chmod 644 "$stage"/*
zip="$out/zembra-$version-win64.zip"
rm -f "$zip"
# Written entry by entry with fixed dates and modes, and no extra fields
# (an archiver's would carry the files' access and change times).
python3 - "$zip" "$out/package" "zembra-$version-win64" <<'PY'
import os, sys, zipfile
zip_path, root, folder = sys.argv[1:]
with zipfile.ZipFile(zip_path, "w") as z:
    for name in ("zembra.exe", "README.txt", "LICENSE.txt", "THIRD-PARTY.txt"):
        entry = zipfile.ZipInfo(folder + "/" + name, date_time=(2026, 1, 1, 0, 0, 0))
        entry.compress_type = zipfile.ZIP_DEFLATED
        entry.external_attr = 0o644 << 16
        with open(os.path.join(root, folder, name), "rb") as f:
            z.writestr(entry, f.read(), compresslevel=9)
PY
printf '%s  %s bytes\n%s  %s bytes\n' "$stage/zembra.exe" "$(stat -c %s "$stage/zembra.exe")" \
    "$zip" "$(stat -c %s "$zip")"
