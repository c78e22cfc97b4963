#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds, once per machine, the static Qt for 64-bit Windows that zembra.exe
# links: Debian's own qt6-base source (apt checks its checksums), cross-
# compiled with mingw-w64, with only what the game and its window tests use
# (Core, Gui, Widgets, Test, the windows platform plugin, the ICO reader).
# Prints the folder Qt is installed in. A later run finds it there and only
# prints it again.
#   ZEMBRA_QT_WINDOWS  the install folder (default: a folder under
#                      ~/.cache/zembra named by Qt's version and the options)
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | sed 's/[-+].*//')
[ -n "$version" ] || { echo "qt6-base-dev is not installed (its host tools build the Windows Qt)" >&2; exit 1; }

# Everything that decides the result; its hash names the cache. Built for
# size (-Os, every function and datum in a section of its own for the linker
# to drop), with only what the game and its window
# tests use: the windows platform plugin, the Windows style, the PNG, BMP
# and ICO readers, FreeType and HarfBuzz for the game's own faces, input
# methods (so that a Chinese input method keeps off the game's keys),
# high-DPI scaling and accessibility.
options=(
    -DBUILD_SHARED_LIBS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || echo x86_64-linux-gnu)/cmake
    -DCMAKE_BUILD_TYPE=Release -DQT_GENERATE_SBOM=OFF
    # No link-time optimisation: Qt's objects are "big" COFF objects
    # (-mbig-obj), whose intermediate code mingw's linker plugin cannot read.
    -DFEATURE_optimize_size=ON
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_opengl=ON -DFEATURE_vulkan=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_sql_sqlite=OFF -DFEATURE_accessibility=ON -DFEATURE_im=ON -DFEATURE_highdpiscaling=ON
    -DFEATURE_style_fusion=OFF -DFEATURE_style_windowsvista=OFF -DFEATURE_style_stylesheet=OFF
    -DFEATURE_graphicsview=OFF -DFEATURE_graphicseffect=OFF -DFEATURE_effects=OFF
    -DFEATURE_textedit=OFF -DFEATURE_lineedit=OFF -DFEATURE_combobox=OFF -DFEATURE_spinbox=OFF
    -DFEATURE_colordialog=OFF -DFEATURE_filedialog=OFF -DFEATURE_fontdialog=OFF -DFEATURE_inputdialog=OFF
    -DFEATURE_progressdialog=OFF -DFEATURE_errormessage=OFF -DFEATURE_wizard=OFF
    -DFEATURE_mdiarea=OFF -DFEATURE_dockwidget=OFF -DFEATURE_tabwidget=OFF -DFEATURE_tabbar=OFF
    -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF -DFEATURE_keysequenceedit=OFF
    -DFEATURE_lcdnumber=OFF -DFEATURE_dial=OFF -DFEATURE_splashscreen=OFF -DFEATURE_toolbox=OFF
    -DFEATURE_commandlinkbutton=OFF -DFEATURE_undocommand=OFF -DFEATURE_systemtrayicon=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF -DFEATURE_textodfwriter=OFF
    -DFEATURE_pdf=OFF -DFEATURE_picture=OFF -DFEATURE_movie=OFF
    -DFEATURE_sessionmanager=OFF -DFEATURE_standarditemmodel=OFF
    -DFEATURE_imageformat_ppm=OFF -DFEATURE_imageformat_xbm=OFF -DFEATURE_tuiotouch=OFF
    -DFEATURE_mimetype=OFF -DFEATURE_timezone=OFF
    -DFEATURE_xmlstream=OFF -DFEATURE_filesystemwatcher=OFF -DFEATURE_sharedmemory=OFF
    -DFEATURE_systemsemaphore=OFF -DFEATURE_jalalicalendar=OFF -DFEATURE_hijricalendar=OFF
    -DFEATURE_islamiccivilcalendar=OFF
)
key=$( (echo "$version"; printf '%s\n' "${options[@]}"; cat "$src/cmake/mingw-w64-x86_64.cmake"; \
        x86_64-w64-mingw32-g++-posix -dumpfullversion) | sha256sum | cut -c1-12)
prefix=${ZEMBRA_QT_WINDOWS:-$HOME/.cache/zembra/qt-$version-mingw64-static-$key}
if [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    echo "$prefix"
    exit 0
fi

echo "Building Qt $version for Windows into $prefix (15 to 45 minutes on two cores, once per machine)" >&2
# The work folder stays after a failure, so that a second run resumes the
# build where it stopped; it goes once Qt is installed. The source package
# stays beside the installed Qt: the Windows download's source archive
# carries it.
work="$prefix.work"
mkdir -p "$work"
dsc=$("$src/tools/release/apt-source.sh" qt6-base "$(dpkg-query -W -f='${Version}' qt6-base-dev)" "$work/source")
qtsrc="$work/qt6-base"
if [ ! -d "$qtsrc" ]; then
    rm -rf "$qtsrc.part"
    dpkg-source -x "$dsc" "$qtsrc.part" >"$work/unpack.log" 2>&1 || { cat "$work/unpack.log" >&2; exit 1; }
    mv "$qtsrc.part" "$qtsrc"
fi
cmake -S "$qtsrc" -B "$work/build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-w64-x86_64.cmake" -DCMAKE_CROSSCOMPILING_EMULATOR= \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >"$work/configure.log" 2>&1 \
    || { tail -n 40 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" >"$work/build.log" 2>&1 || { grep -m5 -B2 -A10 'error' "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >/dev/null
mv "$work/source" "$prefix/source"
rm -rf "$work"
echo "$prefix"
