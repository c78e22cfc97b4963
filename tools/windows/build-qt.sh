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

# Everything that decides the result; its hash names the cache.
options=(
    -DBUILD_SHARED_LIBS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || echo x86_64-linux-gnu)/cmake
    -DCMAKE_BUILD_TYPE=Release -DQT_GENERATE_SBOM=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_xml=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_opengl=ON
    -DFEATURE_tabletevent=OFF -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_sql_sqlite=OFF -DFEATURE_accessibility=ON
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
# build where it stopped; it goes once Qt is installed.
work="$prefix.work"
mkdir -p "$work"
# A private source list, so that the system's apt sources stay as they are.
# It names the same archives as the system's binary sources.
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/sources.list.d"
sed -n 's/^deb /deb-src /p' /etc/apt/sources.list 2>/dev/null >"$work/apt/sources.list" || true
for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sed 's/^Types:.*/Types: deb-src/' "$f" >"$work/apt/sources.list.d/$(basename "$f")"
done
for f in /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] && sed -n 's/^deb /deb-src /p' "$f" >"$work/apt/sources.list.d/$(basename "$f")"
done
apt_private=(-o Dir::Etc::SourceList="$work/apt/sources.list" -o Dir::Etc::SourceParts="$work/apt/sources.list.d"
             -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache" -o APT::Sandbox::User=root)
qtsrc=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
if [ -z "$qtsrc" ]; then
    apt-get "${apt_private[@]}" update -qq >&2
    (cd "$work" && apt-get "${apt_private[@]}" source -qq "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)" >&2)
    qtsrc=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
fi

cmake -S "$qtsrc" -B "$work/build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-w64-x86_64.cmake" -DCMAKE_CROSSCOMPILING_EMULATOR= \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >"$work/configure.log" 2>&1 \
    || { tail -n 40 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" >"$work/build.log" 2>&1 || { grep -m5 -B2 -A10 'error' "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >/dev/null
rm -rf "$work"
echo "$prefix"
