#!/bin/sh
# Debian 12's kernel for the system test, without installing a kernel on this machine: downloads
# the package linux-image-amd64 points to and extracts the kernel and the driver modules the
# test loads into a cache directory. Prints that directory (KERNEL/<release>/).
#   fetch-kernel.sh [cache-dir]     default: $KESTROVA_KERNEL_CACHE or ~/.cache/kestrova/kernel
set -e
cache=${1:-${KESTROVA_KERNEL_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kestrova/kernel}}
mkdir -p "$cache"
# Two test runs at once share the cache: one downloads and extracts, the other waits.
exec 9>"$cache/.lock"
flock 9

package_Name() {
    apt-cache depends linux-image-amd64 2>/dev/null |
        sed -n 's/^ *Depends: \(linux-image-[0-9][^ ]*-amd64\)$/\1/p' | head -n 1
}

pkg=$(package_Name)
if [ -z "$pkg" ] && [ "$(id -u)" -eq 0 ]; then
    apt-get update -q >&2 || true
    pkg=$(package_Name)
fi
if [ -z "$pkg" ]; then
    # No package lists: an earlier extraction will do.
    done_dir=$(ls -d "$cache"/linux-image-*/.complete 2>/dev/null | sort -V | tail -n 1)
    if [ -n "$done_dir" ]; then
        dirname "$done_dir"
        exit 0
    fi
    echo "fetch-kernel: apt does not know linux-image-amd64 (run 'apt-get update' or tools/install-deps.sh)" >&2
    exit 1
fi

dir="$cache/$pkg"
# An extraction from before the NVMe drivers were taken is done again.
[ -e "$dir/.complete" ] && ! ls -d "$dir"/lib/modules/*/kernel/drivers/nvme >/dev/null 2>&1 && rm -f "$dir/.complete"
if [ ! -e "$dir/.complete" ]; then
    deb=$(ls "$cache"/"$pkg"_*_amd64.deb 2>/dev/null | tail -n 1)
    if [ -z "$deb" ]; then
        echo "fetch-kernel: downloading $pkg" >&2
        # apt's download user may not write here; the package is checked against the lists all the same.
        (cd "$cache" && apt-get download -q -o APT::Sandbox::User=root "$pkg" >&2) || {
            echo "fetch-kernel: could not download $pkg from the Debian mirror" >&2
            exit 1
        }
        deb=$(ls "$cache"/"$pkg"_*_amd64.deb | tail -n 1)
    fi
    rm -rf "$dir" && mkdir -p "$dir"
    dpkg-deb --fsys-tarfile "$deb" | tar -x -C "$dir" --wildcards \
        './boot/vmlinuz-*' './lib/modules/*/modules.builtin*' './lib/modules/*/modules.order' \
        './lib/modules/*/kernel/drivers/ata/*' './lib/modules/*/kernel/drivers/scsi/*' \
        './lib/modules/*/kernel/drivers/usb/*' './lib/modules/*/kernel/drivers/virtio/*' \
        './lib/modules/*/kernel/drivers/cdrom/*' './lib/modules/*/kernel/drivers/block/*' \
        './lib/modules/*/kernel/drivers/nvme/*' \
        './lib/modules/*/kernel/block/*' './lib/modules/*/kernel/crypto/*' \
        './lib/modules/*/kernel/lib/*' './lib/modules/*/kernel/arch/x86/crypto/*'
    release=$(ls "$dir/lib/modules")
    depmod -b "$dir" "$release"
    touch "$dir/.complete"
    rm -f "$deb"
fi
echo "$dir"
