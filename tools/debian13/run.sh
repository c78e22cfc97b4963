#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command (default: `make test`) on a fresh copy of this tree inside a
# Debian 13 (trixie) root, as a newcomer on Debian 13 would run it. The root
# is made once per machine with debootstrap from Debian's archive and cached
# outside the tree, as the Windows Qt is; the packages `make` installs in it
# stay there, so a later run only builds and tests. Needs root (chroot and
# mounts, in a private mount namespace that goes when the command ends).
#   ZEMBRA_DEBIAN13_ROOT  the root folder (default: a folder under
#                         ~/.cache/zembra named by what makes it)
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
mirror=http://deb.debian.org/debian
base_packages=git,make,ca-certificates,sudo

key=$( (echo trixie "$mirror" "$base_packages"; uname -m) | sha256sum | cut -c1-12)
root=${ZEMBRA_DEBIAN13_ROOT:-$HOME/.cache/zembra/debian-13-$key}

if [ ! -f "$root/.zembra-ready" ]; then
    command -v debootstrap >/dev/null || {
        echo "Installing debootstrap" >&2
        { apt-get update -qq && env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap; } >&2
    }
    echo "Making a Debian 13 root in $root (a few minutes, once per machine)" >&2
    rm -rf "$root"
    mkdir -p "$(dirname "$root")"
    debootstrap --variant=minbase --include="$base_packages" trixie "$root" "$mirror" >&2
    # The archives a default Debian 13 install reads, security updates included.
    cat >"$root/etc/apt/sources.list" <<SOURCES
deb $mirror trixie main
deb $mirror trixie-updates main
deb http://deb.debian.org/debian-security trixie-security main
SOURCES
    touch "$root/.zembra-ready"
fi

# A fresh copy of the tracked files, as a clone would have them.
copy="$root/work/zembra"
rm -rf "$copy"
mkdir -p "$copy"
(cd "$src" && git ls-files -z | tar --null -T - -cf -) | tar -xf - -C "$copy"
cp /etc/resolv.conf "$root/etc/resolv.conf"

command=${*:-make test}
echo "Debian 13: $command" >&2
exec unshare --mount --propagation private bash -c '
    set -e
    root=$1; shift
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/dev/shm"
    mount -t tmpfs tmpfs "$root/tmp"
    exec chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM=dumb bash -c "cd /work/zembra && $*"
' bash "$root" "$command"
