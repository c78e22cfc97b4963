#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fetches one exact Debian source package (its .dsc and the files it names,
# which apt checks against the archive's signed lists) into a folder, through
# a private source list made from the machine's own binary sources: the
# system's apt configuration stays as it is, and a machine behind a mirror
# of its own gets the source from that mirror. Prints the path of the .dsc.
# A later run that finds the files complete there only prints it again.
# Usage: tools/release/apt-source.sh PACKAGE VERSION FOLDER
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 PACKAGE VERSION FOLDER" >&2; exit 2; }
package=$1 version=$2
mkdir -p "$3"
folder=$(cd "$3" && pwd)
dsc="$folder/${package}_${version#*:}.dsc"
stamp="$folder/.${package}_${version#*:}.complete"
if [ -f "$stamp" ] && [ -f "$dsc" ]; then
    echo "$dsc"
    exit 0
fi

apt=$(mktemp -d)
trap 'rm -rf "$apt"' EXIT
mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/sources.list.d"
if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$apt/sources.list"
else
    : >"$apt/sources.list"
fi
for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sed 's/^Types:.*/Types: deb-src/' "$f" >"$apt/sources.list.d/$(basename "$f")"
done
for f in /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] && sed -n 's/^deb /deb-src /p' "$f" >"$apt/sources.list.d/$(basename "$f")"
done
options=(-o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts="$apt/sources.list.d"
         -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" -o APT::Sandbox::User=root)
apt-get "${options[@]}" update -qq >&2
(cd "$folder" && apt-get "${options[@]}" source --download-only -qq "$package=$version" >&2)
[ -f "$dsc" ] || { echo "apt-get gave no $dsc" >&2; exit 1; }
touch "$stamp"
echo "$dsc"
