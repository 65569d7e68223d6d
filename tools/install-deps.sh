#!/bin/sh
# Installs the Debian packages that building, running and testing need; only the missing ones.
#   install-deps.sh [image]     image: also what make image and make image-test need
set -e
PKGS="cmake make g++ g++-multilib
qtbase5-dev qttools5-dev-tools qttools5-dev libqt5webkit5-dev
nlohmann-json3-dev libnvme-dev libcurl4-openssl-dev
fonts-texgyre fonts-noto-cjk fonts-thai-tlwg
xvfb xauth
qemu-system-x86 busybox-static smartmontools sg3-utils nvme-cli cpio kmod
nginx openssl"
# make image and make image-test: Debian's tools that build a bootable image, netpbm for screenshots.
if [ "${1:-}" = image ]; then
    PKGS="$PKGS debootstrap squashfs-tools xorriso grub-pc-bin mtools dosfstools netpbm ovmf"
fi
missing=""
for p in $PKGS; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
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
