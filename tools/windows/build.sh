#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# `make windows`: the game for 64-bit Windows, built here with mingw-w64
# against a static Qt (built once per machine by build-qt.sh), as one
# self-contained zembra.exe, and the ZIP a player downloads, with the source
# archive beside it. The same tree gives the same bytes. The window and
# engine tests are built beside it.
# Usage: tools/windows/build.sh [BUILD_FOLDER]   (default build-windows)
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mkdir -p "${1:-$src/build-windows}" && cd "${1:-$src/build-windows}" && pwd)
qt=$("$src/tools/windows/build-qt.sh")
# A build folder made against another Qt starts again: CMake keeps the
# toolchain it was first configured with.
if [ -f "$out/CMakeCache.txt" ] && ! grep -q "^CMAKE_TOOLCHAIN_FILE:[A-Z]*=$qt/lib/cmake/Qt6/qt.toolchain.cmake\$" "$out/CMakeCache.txt"; then
    rm -rf "$out/CMakeCache.txt" "$out/CMakeFiles"
fi

# Qt's own toolchain file finds the Windows Qt, and loads ours for the compiler;
# Debian's Qt supplies the host tools (moc, rcc, uic).
cmake -S "$src" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$src/cmake/mingw-w64-x86_64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DZEMBRA_GTEST_SOURCE_DIR=/usr/src/googletest \
    -DCMAKE_C_FLAGS_RELEASE="-Os -DNDEBUG" -DCMAKE_CXX_FLAGS_RELEASE="-Os -DNDEBUG" \
    -DCMAKE_EXE_LINKER_FLAGS_RELEASE=-s >/dev/null
cmake --build "$out"

version=$(sed -n 's/^project(Zembra VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
qt_dsc=$(ls "$qt"/source/qt6-base_*.dsc)
wqy_dsc=$("$src/tools/release/strike-sources.sh" "${XDG_CACHE_HOME:-$HOME/.cache}/zembra/sources")
source_archive="zembra-$version-win64-source.tar.gz"
stage="$out/package/zembra-$version-win64"
rm -rf "$out/package"
mkdir -p "$stage/fonts"
# Stripped by the linker: a separate strip would stamp the time into it.
cp "$out/zembra.exe" "$stage/zembra.exe"
# The bitmap strikes, a separate work under their own licence, read by the
# game from beside it.
cp "$src"/assets/fonts/*.otb "$stage/fonts/"
{
    echo "The faces in this folder are bitmap strikes of WenQuanYi Bitmap Song, a separate"
    echo "work from zembra.exe, which reads them when it starts (without them it draws the"
    echo "outlines of its own Song face). They are under the GNU GPL version 2 with the font"
    echo "embedding exception, as follows; their complete source is in $source_archive,"
    echo "offered beside the ZIP."
    echo
    sed -n '/^zembra-song-12.otb/,/^------/p' "$src/assets/fonts/LICENSES.txt" | sed '$d'
    sed -n '/^WenQuanYi Bitmap Song: GNU General Public License version 2/,$p' \
        "$src/assets/fonts/LICENSES.txt"
} >"$stage/fonts/COPYING.txt"
cp "$src/LICENSE" "$stage/LICENSE.txt"
# The read-me in UTF-8 with a byte-order mark, so that every Notepad reads its Chinese.
{ printf '\xef\xbb\xbf'; sed "s/@SOURCE_ARCHIVE@/$source_archive/" "$src/tools/windows/README.txt"; } >"$stage/README.txt"
{
    echo "zembra.exe is Zembra's own code, under the MIT licence (LICENSE.txt), statically"
    echo "linked with Qt $(basename "$qt" | cut -d- -f2) (Debian's $(basename "$qt_dsc" .dsc)), which it uses under the"
    echo "GNU LGPL version 3, and with the compiler's runtime. It also carries fonts under"
    echo "the SIL Open Font License 1.1 and the Bitstream Vera licence. The bitmap faces"
    echo "in fonts/ are a separate work under the GNU GPL version 2 (fonts/COPYING.txt)."
    echo
    echo "Source: $source_archive, offered beside this ZIP, holds Zembra's tree at the"
    echo "commit zembra.exe was built from and the exact Debian source packages of Qt"
    echo "(qt6-base) and of the bitmap faces (xfonts-wqy). To run zembra.exe with a changed"
    echo "Qt: build that Qt as tools/windows/build-qt.sh does (it builds the one used here),"
    echo "install it into a folder, and run ZEMBRA_QT_WINDOWS=FOLDER tools/windows/build.sh,"
    echo "which links the game against it; the README says how. The licences follow: the"
    echo "LGPL and the GPL it builds on, Qt's copyright file (Qt and the libraries it"
    echo "bundles), the fonts' licences, and the compiler runtime's."
    for f in /usr/share/common-licenses/LGPL-3 /usr/share/common-licenses/GPL-3 \
             /usr/share/doc/libqt6core6/copyright "$src/assets/fonts/LICENSES.txt" \
             /usr/share/doc/mingw-w64-common/copyright; do
        printf '\n==================== %s ====================\n\n' "$(basename "$(dirname "$f")")/$(basename "$f")"
        cat "$f"
    done
} >"$stage/THIRD-PARTY.txt"
# Text files with Windows line ends, every file dated alike.
for f in "$stage"/*.txt "$stage"/fonts/*.txt; do sed -i 's/\r*$/\r/' "$f"; done
chmod 644 "$stage"/* "$stage"/fonts/*
zip="$out/zembra-$version-win64.zip"
rm -f "$zip"
# Written entry by entry with fixed dates and modes, and no extra fields
# (an archiver's would carry the files' access and change times).
python3 - "$zip" "$out/package" "zembra-$version-win64" <<'PY'
import os, sys, zipfile
zip_path, root, folder = sys.argv[1:]
with zipfile.ZipFile(zip_path, "w") as z:
    names = ["zembra.exe", "README.txt", "LICENSE.txt", "THIRD-PARTY.txt"]
    names += sorted("fonts/" + f for f in os.listdir(os.path.join(root, folder, "fonts")))
    for name in names:
        entry = zipfile.ZipInfo(folder + "/" + name, date_time=(2026, 1, 1, 0, 0, 0))
        entry.compress_type = zipfile.ZIP_DEFLATED
        entry.external_attr = 0o644 << 16
        with open(os.path.join(root, folder, name), "rb") as f:
            z.writestr(entry, f.read(), compresslevel=9)
PY
# The source beside the ZIP, its times those of the ZIP's entries.
python3 "$src/tools/release/source_archive.py" "$out/$source_archive" "zembra-$version-win64-source" \
    "$(date -u -d 2026-01-01 +%s)" "$src" "$qt_dsc" "$wqy_dsc"
for f in "$stage/zembra.exe" "$zip" "$out/$source_archive"; do
    printf '%s  %s bytes\n' "$f" "$(stat -c %s "$f")"
done
