#!/bin/sh
# Installs the Debian packages that building, running and testing need; only the missing ones.
#   install-deps.sh [image] [--check]
#     image: also what make image and make image-test need
#     --check: installs nothing; exits 1 when a package or the system test's kernel is missing
set -e
image=""; check=""
for a in "$@"; do
    case $a in image) image=1 ;; --check) check=1 ;; *) echo "install-deps: unknown argument $a" >&2; exit 2 ;; esac
done
PKGS="cmake make g++ g++-multilib
qtbase5-dev qttools5-dev-tools qttools5-dev libqt5webkit5-dev
nlohmann-json3-dev libnvme-dev libcurl4-openssl-dev
fonts-texgyre fonts-noto-cjk fonts-thai-tlwg
xvfb xauth
qemu-system-x86 busybox-static smartmontools sg3-utils nvme-cli cpio kmod
nginx openssl
python3-jsonschema poppler-utils"
# make image and make image-test: Debian's tools that build a bootable image, netpbm for screenshots,
# QEMU's iPXE for the network boot (nginx, above, serves it).
if [ -n "$image" ]; then
    PKGS="$PKGS debootstrap squashfs-tools xorriso grub-pc-bin mtools dosfstools netpbm ovmf ipxe-qemu"
fi
# One query for the whole list: a package dpkg has never heard of is missing too.
installed=$(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' $PKGS 2>/dev/null | sed -n 's/^ii  *//p')
missing=""
for p in $PKGS; do
    case " $(echo $installed) " in *" $p "*) ;; *) missing="$missing $p" ;; esac
done
kernel_cache=${KESTROVA_KERNEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kestrova/kernel}
if [ -n "$check" ]; then
    [ -z "$missing" ] && ls -d "$kernel_cache"/linux-image-*/.complete >/dev/null 2>&1 && exit 0
    exit 1
fi
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    $SUDO apt-get update -q
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q $missing
fi
# The system test boots Debian's kernel: downloaded once into a cache, never installed here.
sh "$(dirname "$0")/../autotests/system/fetch-kernel.sh" >/dev/null ||
    echo "install-deps: no Debian kernel for the system test (it will fail and say why)" >&2
