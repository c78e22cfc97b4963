#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command (default: `make test`) on a fresh copy of this tree inside a
# Debian 13 (trixie) root, as a newcomer on Debian 13 would run it. The root
# is made once per machine with debootstrap, from the archive this machine's
# own apt sources name, and cached outside the tree, as the Windows Qt is; the
# packages `make` installs in it stay there, so a later run only builds and
# tests. Runs as root (debootstrap, chroot and mounts), everything in a
# private mount namespace that goes when the command ends.
#   ZEMBRA_DEBIAN13_ROOT  the root folder (default: a folder under
#                         ~/.cache/zembra named by what makes it); a folder
#                         that is not empty and not a root this script made
#                         is refused, never removed
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "$0: needs root (debootstrap, chroot, mounts): run it with sudo" >&2; exit 1; }
archives=$("$src/tools/release/debian-archives.sh")
mirror=$(sed -n 1p <<<"$archives")
security=$(sed -n 2p <<<"$archives")
base_packages=git,make,ca-certificates,sudo
marker=.zembra-debian13-root

# Everything that makes the root names its cache: the archives, the
# packages, this script and the machine's kind.
key=$( (echo trixie "$mirror" "$security" "$base_packages"; uname -m; cat "$0") | sha256sum | cut -c1-12)
root=${ZEMBRA_DEBIAN13_ROOT:-$HOME/.cache/zembra/debian-13-$key}
root=$(realpath -m "$root")
case "$root" in
    / | /bin | /boot | /dev | /etc | /home | /lib* | /proc | /root | /run | /sbin | /sys | /tmp | /usr | /var | "$HOME")
        echo "$0: refusing $root as a Debian 13 root" >&2; exit 1 ;;
esac

# The rest in a private mount namespace: debootstrap's own mounts, and ours,
# go when it ends, however it ends, so that no removal can walk into them.
inside=$(cat <<'INSIDE'
set -euo pipefail
root=$1 mirror=$2 security=$3 base_packages=$4 marker=$5 src=$6
shift 6
if [ ! -f "$root/$marker.ready" ]; then
    # Only a folder this script began, or an empty or missing one, is (re)made.
    if [ -d "$root" ] && [ -n "$(ls -A "$root")" ] && [ ! -f "$root/$marker" ]; then
        echo "refusing to use $root: it is not empty and holds no Debian 13 root of ours ($marker)" >&2
        exit 1
    fi
    command -v debootstrap >/dev/null || {
        echo "Installing debootstrap" >&2
        { apt-get update -qq && env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap; } >&2
    }
    echo "Making a Debian 13 root in $root from $mirror (a few minutes, once per machine)" >&2
    [ -d "$root" ] && rm -rf --one-file-system "$root"
    mkdir -p "$root"
    touch "$root/$marker"
    debootstrap --variant=minbase --include="$base_packages" trixie "$root" "$mirror" >&2
    # The archives a default Debian 13 install reads, security updates included.
    {
        echo "deb $mirror trixie main"
        echo "deb $mirror trixie-updates main"
        [ -z "$security" ] || echo "deb $security trixie-security main"
    } >"$root/etc/apt/sources.list"
    # Package scripts start no daemon in the root: nothing outlives the command.
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod 755 "$root/usr/sbin/policy-rc.d"
    touch "$root/$marker.ready"
fi

# A fresh copy of the tracked files, as a clone would have them.
copy="$root/usr/src/zembra"
rm -rf --one-file-system "$copy"
mkdir -p "$copy"
(cd "$src" && git ls-files -z | tar --null -T - -cf -) | tar -xf - -C "$copy"
cp /etc/resolv.conf "$root/etc/resolv.conf"

[ $# -gt 0 ] || set -- make test
echo "Debian 13:$(printf ' %q' "$@")" >&2
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys"
mount --rbind /dev "$root/dev"
mount -t tmpfs tmpfs "$root/dev/shm"
mount -t tmpfs tmpfs "$root/tmp"
cd /
exec chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM=dumb sh -c 'cd /usr/src/zembra && exec "$@"' sh "$@"
INSIDE
)
exec unshare --mount --propagation private bash -c "$inside" bash "$root" "$mirror" "$security" "$base_packages" \
    "$marker" "$src" "$@"
