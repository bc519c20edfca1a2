#!/usr/bin/env bash
# Builds Morvanta and runs its suite in a Debian root made with debootstrap: "trixie" (Debian
# 13) is what CI runs after the Debian 12 run on the machine itself (scripts/debian13.sh), and
# "bookworm" (Debian 12) made from nothing shows that README's test command needs nothing the
# machine happened to have. Run as root.
# The first run makes the root at $MORVANTA_ROOT (/var/tmp/morvanta-RELEASE unless given);
# later runs reuse it, and scripts/setup.sh installs in it only what is missing. The
# repository is bound into the root at /morvanta and built there in build-RELEASE (and
# build-RELEASE-asan), apart from the host's ./build. The mounts are made in a mount namespace
# of this script's own and undone on exit, so none outlives it, even on a failure.
#   scripts/debian-root.sh RELEASE              README's test command, with warnings as errors
#   scripts/debian-root.sh RELEASE COMMAND...   COMMAND in the repository inside the root
set -euo pipefail
[ "$(id -u)" -eq 0 ] || { echo "debian-root.sh: debootstrap and chroot need root" >&2; exit 1; }
release=${1:?usage: debian-root.sh RELEASE [COMMAND...]}
shift
if [ -z "${MORVANTA_ROOT_NAMESPACE:-}" ]; then
    MORVANTA_ROOT_NAMESPACE=1 exec unshare --mount --propagation private bash "$0" "$release" "$@"
fi
repo=$(cd "$(dirname "$0")/.." && pwd)
root=${MORVANTA_ROOT:-/var/tmp/morvanta-$release}
mirror=http://deb.debian.org/debian
complete=$root/etc/morvanta-root-complete  # written last: a root without it is half made
case $root in
    /*[!/]*) ;;
    *) echo "debian-root.sh: the root must be an absolute path other than /" >&2; exit 1 ;;
esac
export DEBIAN_FRONTEND=noninteractive

mkdir -p "$(dirname "$root")"
exec 9>"$root.lock"
flock 9  # one run at a time in a root

if [ ! -f "$complete" ]; then
    # Without the mark, a root is one that debootstrap did not finish: it keeps its debootstrap/
    # folder there until it does. Anything else at that path is not ours to remove.
    if [ -n "$(ls -A "$root" 2>/dev/null)" ] && [ ! -d "$root/debootstrap" ]; then
        echo "debian-root.sh: $root is not a root made here; name another in MORVANTA_ROOT" >&2
        exit 1
    fi
    if ! command -v debootstrap >/dev/null; then
        apt-get update -q
        apt-get install -y -q --no-install-recommends debootstrap
    fi
    rm -rf "$root"
    debootstrap --variant=minbase --components=main "$release" "$root" "$mirror"
    touch "$complete"
fi
# The root's configuration, written on every run so that a root made earlier has it too.
cat >"$root/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb
URIs: $mirror
Suites: $release $release-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: ${mirror}-security
Suites: $release-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
rm -f "$root/etc/apt/sources.list"
# apt never asks, and packages start no services in the root.
cat >"$root/etc/apt/apt.conf.d/90morvanta" <<'EOF'
APT::Get::Assume-Yes "true";
APT::Install-Recommends "false";
Dpkg::Options { "--force-confdef"; "--force-confold"; };
EOF
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
echo 'debconf debconf/frontend select Noninteractive' | chroot "$root" debconf-set-selections
cp --remove-destination -L /etc/resolv.conf "$root/etc/resolv.conf"
# The root trusts what the machine trusts (a proxy's certificate authority, say), as it uses
# the machine's name servers: node, and so npm, reads the machine's bundle as well as its own.
cp --remove-destination -L /etc/ssl/certs/ca-certificates.crt "$root/etc/morvanta-host-ca.crt"

mounts=()
leave() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" || umount -l "${mounts[i]}" || true
    done
}
trap leave EXIT
trap 'exit 1' INT TERM HUP
mount_in() {  # mount_in PATH_IN_ROOT MOUNT_ARGS...
    mkdir -p "$root/$1"
    mount "${@:2}" "$root/$1"
    mounts+=("$root/$1")
}
mount_in proc -t proc proc
mount_in sys -t sysfs sysfs
mount_in dev --bind /dev
mount_in dev/pts --bind /dev/pts
mount_in dev/shm -t tmpfs tmpfs
mount_in morvanta --bind "$repo"

command=("$@")
[ ${#command[@]} -gt 0 ] || command=(scripts/test.sh)
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" CI=true \
    NODE_EXTRA_CA_CERTS=/etc/morvanta-host-ca.crt \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    DEBIAN_FRONTEND=noninteractive BUILD_DIR="${MORVANTA_ROOT_BUILD_DIR:-build-$release}" \
    ${MORVANTA_NORMAL_SUITE_ONLY:+MORVANTA_NORMAL_SUITE_ONLY=1} \
    bash -c 'cd /morvanta && "$@"' "$release" "${command[@]}"
