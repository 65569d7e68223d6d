#!/bin/bash
# Builds the bootable image: a hybrid ISO that boots from a CD or a USB stick, with BIOS or UEFI,
# holding Debian 12's kernel, a squashfs root with the program, and, appended, a FAT partition
# for the logs; beside it, in OUTPUT-netboot/ (OUTPUT without .iso), the same system's files for
# a network boot.
#   build.sh BUILD_DIR OUTPUT_ISO [CACHE_DIR]
# BUILD_DIR holds the built program. CACHE_DIR (default BUILD_DIR/image-cache) keeps the
# downloaded packages and the installed root between runs; the root is rebuilt only when
# image/packages changes. Needs root (debootstrap, chroot).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/network.sh"
build=$(cd "${1:?usage: build.sh BUILD_DIR OUTPUT_ISO [CACHE_DIR]}" && pwd)
output=${2:?usage: build.sh BUILD_DIR OUTPUT_ISO [CACHE_DIR]}
mirror=${KESTROVA_IMAGE_MIRROR:-http://deb.debian.org/debian}
security=${KESTROVA_IMAGE_SECURITY_MIRROR:-http://deb.debian.org/debian-security}
suite=bookworm
label=KESTROVA      # ISO volume label
log_label=KVLOGS    # label of the log partition, looked for by the launcher
log_size_mib=64
export PATH=$PATH:/usr/sbin:/sbin

say() { echo "image: $*"; }
die() { echo "image: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || die "needs root (debootstrap and chroot)"
# debootstrap takes only an absolute cache directory, and the chroot steps need one too.
mkdir -p "${3:-$build/image-cache}" || die "cannot create the cache directory ${3:-$build/image-cache}"
cache=$(cd "${3:-$build/image-cache}" && pwd)

# Every date the tools write is this one, so the same sources and root give the same image.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$here" log -1 --format=%ct 2>/dev/null || echo 1767225600)
fi
export SOURCE_DATE_EPOCH

exec 9>"$cache/.lock"
flock 9

work=$cache/work
mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
}
trap cleanup EXIT
chroot_Mounts() { # root
    for m in proc sys dev; do
        mkdir -p "$1/$m"
        case $m in
        proc) mount -t proc proc "$1/proc" ;;
        sys) mount -t sysfs sys "$1/sys" ;;
        dev) mount --bind /dev "$1/dev" ;;
        esac
        mounted+=("$1/$m")
    done
}
chroot_Unmount() {
    cleanup
    mounted=()
}

# 1. The root with its packages, kept as a tarball keyed by the package list.
packages=$(sed 's/#.*//' "$here/packages" | xargs)
# Secure Boot: the firmware trusts Microsoft's key, which signed Debian's shim; shim trusts
# Debian's key, which signed its GRUB and kernel. These are fetched as packages, not installed.
efi_packages="shim-signed shim-helpers-amd64-signed grub-efi-amd64-signed"
key=$(printf '%s\n' "$suite" "$mirror" "$packages" "$efi_packages" | sha256sum | cut -c1-16)
base=$cache/root-$key.tar
if [ ! -e "$base" ]; then
    say "installing Debian $suite and $(echo "$packages" | wc -w) packages (once; kept in $base)"
    rm -rf "$work" && mkdir -p "$work" "$cache/debs"
    root=$work/root
    nice -n 10 debootstrap --variant=minbase --cache-dir="$cache/debs" "$suite" "$root" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
        die "debootstrap failed (see $cache/debootstrap.log)"
    cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror $suite main
deb $mirror $suite-updates main
deb $security $suite-security main
EOF
    # No documentation, manual pages or message catalogs (copyright files stay); no daemons started.
    cat >"$root/etc/dpkg/dpkg.cfg.d/kestrova-nodoc" <<'EOF'
path-exclude=/usr/share/doc/*
path-include=/usr/share/doc/*/copyright
path-exclude=/usr/share/man/*
path-exclude=/usr/share/info/*
path-exclude=/usr/share/locale/*
path-include=/usr/share/locale/locale.alias
EOF
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d" && chmod +x "$root/usr/sbin/policy-rc.d"
    chroot_Mounts "$root"
    mkdir -p "$root/var/cache/apt/archives"
    mount --bind "$cache/debs" "$root/var/cache/apt/archives" && mounted+=("$root/var/cache/apt/archives")
    {
        chroot "$root" apt-get update -q &&
            DEBIAN_FRONTEND=noninteractive nice -n 10 chroot "$root" apt-get install -y -q --no-install-recommends $packages &&
            mkdir -p "$root/var/lib/kestrova-efi" &&
            chroot "$root" sh -c "cd /var/lib/kestrova-efi && apt-get -q -o APT::Sandbox::User=root download $efi_packages"
    } >"$cache/apt.log" 2>&1 || die "installing the packages failed (see $cache/apt.log)"
    chroot_Unmount
    rm -f "$root/usr/sbin/policy-rc.d"
    rm -rf "$root"/var/lib/apt/lists/* "$root"/var/log/* "$root"/var/cache/ldconfig/aux-cache \
        "$root"/var/lib/dpkg/*-old "$root"/var/cache/debconf/*-old
    : >"$root/etc/machine-id" # made at each boot
    nice -n 10 tar -C "$root" --numeric-owner -cf "$base.tmp" . && mv "$base.tmp" "$base"
    rm -rf "$work"
fi

# 2. The root of this image: the cached one, the program, the launcher.
say "assembling the root"
for f in kestrova libOsknPublic.so libOsknOperations.so libOsknTCG.so libOsknTCGOperations.so; do
    [ -e "$build/$f" ] || die "$build/$f is not built"
done
rm -rf "$work" && mkdir -p "$work/root"
root=$work/root
nice -n 10 tar -C "$root" --numeric-owner -xf "$base"
dpkg-query --admindir="$root/var/lib/dpkg" -W -f '${Package} ${Version}\n' >"$work/packages.txt"
# The signed boot files, taken out of their packages; they do not belong in the root.
mkdir -p "$work/signed"
for deb in "$root"/var/lib/kestrova-efi/*.deb; do
    dpkg-deb -x "$deb" "$work/signed"
    dpkg-deb -f "$deb" Package Version | paste -sd ' ' | sed 's/^Package: //; s/ Version: / /' >>"$work/packages.txt"
done
rm -rf "$root/var/lib/kestrova-efi"
sort -o "$work/packages.txt" "$work/packages.txt"
# Nothing here needs sound, a camera or a radio; apt's caches and message catalogs go too. Of the
# network only the wired cards stay: results go to a server, the image may boot from the network.
release=$(ls "$root/usr/lib/modules")
moddir=$root/usr/lib/modules/$release
(cd "$moddir/kernel" && rm -rf sound drivers/media drivers/infiniband drivers/iio drivers/staging drivers/bluetooth)
prune_To_Wired "$moddir" || die "the kernel $release has no wired network drivers"
depmod -b "$root" "$release"
# NVMe drives are listed through the kernel's nvme driver: loaded at start-up, whatever udev matches.
modinfo -b "$root" -k "$release" nvme >/dev/null 2>&1 || die "the kernel $release has no nvme module"
echo nvme >"$root/etc/modules-load.d/kestrova.conf"
rm -rf "$root"/var/cache/apt/*.bin "$root"/var/cache/apt/archives/*.deb
find "$root/usr/share/locale" -mindepth 1 -maxdepth 1 ! -name locale.alias -exec rm -rf {} +
install -d "$root/opt/kestrova"
for f in kestrova libOsknPublic.so libOsknOperations.so libOsknTCG.so libOsknTCGOperations.so; do
    install -m 755 "$build/$f" "$root/opt/kestrova/$f"
    strip --strip-debug "$root/opt/kestrova/$f"
done
install -m 755 "$here/launcher" "$root/usr/local/sbin/kestrova-launcher"
ln -sf /usr/local/sbin/kestrova-launcher "$root/usr/local/bin/kestrova"
install -m 755 "$here/session" "$root/opt/kestrova/session"
install -m 644 "$here/terminal.sh" "$root/etc/profile.d/kestrova-terminal.sh"
# The power button is the launcher's, as the terminal's poweroff is (no logind: no lid or sleep
# key may suspend a machine in the middle of an erase either).
rm -f "$root"/etc/acpi/events/*
cat >"$root/etc/acpi/events/kestrova-power" <<'EOF'
event=button/power.*
action=/usr/local/sbin/kestrova-launcher --poweroff
EOF
install -m 644 "$here/kestrova.service" "$root/etc/systemd/system/kestrova.service"
ln -sf /etc/systemd/system/kestrova.service "$root/etc/systemd/system/multi-user.target.wants/kestrova.service"
# tty1 belongs to the launcher; smartd would poll the drives under test; nothing is fetched.
for unit in getty@tty1.service smartmontools.service smartd.service apt-daily.timer apt-daily-upgrade.timer \
    e2scrub_all.timer fstrim.timer systemd-timesyncd.service; do
    ln -sf /dev/null "$root/etc/systemd/system/$unit"
done
echo kestrova >"$root/etc/hostname"
# The network: systemd-networkd gives every wired card an address by DHCP, and the leases' name
# servers become resolv.conf. Nothing at start-up waits for it (no network-online.target).
install -m 644 "$here/network/80-kestrova-wired.network" "$root/etc/systemd/network/80-kestrova-wired.network"
install -m 755 "$here/network/kestrova-dns" "$root/usr/local/sbin/kestrova-dns"
install -m 644 "$here/network/kestrova-dns.path" "$here/network/kestrova-dns.service" "$root/etc/systemd/system/"
install -d "$root/etc/systemd/system/sockets.target.wants"
ln -sf /usr/lib/systemd/system/systemd-networkd.service "$root/etc/systemd/system/multi-user.target.wants/systemd-networkd.service"
ln -sf /usr/lib/systemd/system/systemd-networkd.socket "$root/etc/systemd/system/sockets.target.wants/systemd-networkd.socket"
ln -sf /etc/systemd/system/kestrova-dns.path "$root/etc/systemd/system/multi-user.target.wants/kestrova-dns.path"
# The name server of the machine the root was installed on has no business here.
: >"$root/etc/resolv.conf"
# live-boot's initramfs writes the interfaces' lines there (ifupdown's file, not used here), and
# says so on every boot when the directory is missing.
install -d "$root/etc/network"
printf 'LANG=C.UTF-8\n' >"$root/etc/default/locale"
# The libraries sit beside the program; the program finds them through its run path or this.
echo /opt/kestrova >"$root/etc/ld.so.conf.d/kestrova.conf"
chroot "$root" ldconfig
rm -f "$root/var/cache/ldconfig/aux-cache"
missing=$(chroot "$root" ldd /opt/kestrova/kestrova | grep 'not found' || true)
[ -z "$missing" ] || die "libraries missing in the image: $missing"

# 3. The squashfs and the boot files.
iso=$work/iso
mkdir -p "$iso/live" "$iso/boot/grub" "$iso/.disk"
cp -L "$root/vmlinuz" "$iso/live/vmlinuz"
cp -L "$root/initrd.img" "$iso/live/initrd.img"
say "compressing the root"
nice -n 10 mksquashfs "$root" "$iso/live/filesystem.squashfs" -noappend -comp zstd -Xcompression-level 12 -quiet \
    -wildcards -e 'boot/initrd.img-*' 'boot/vmlinuz-*' \
    -mkfs-time "$SOURCE_DATE_EPOCH" -all-time "$SOURCE_DATE_EPOCH" >/dev/null ||
    die "mksquashfs failed"
echo "Kestrova Bootable" >"$iso/.disk/kestrova"
cp "$work/packages.txt" "$iso/.disk/packages.txt"
cp "$here/grub.cfg" "$iso/boot/grub/grub.cfg"

# GRUB for BIOS, from Debian's own images: one core for El Torito and the USB stick's MBR.
cat >"$work/early.cfg" <<'EOF'
search --no-floppy --file --set=root /.disk/kestrova
set prefix=($root)/boot/grub
configfile ($root)/boot/grub/grub.cfg
EOF
grub-mkimage -O i386-pc-eltorito -p /boot/grub -c "$work/early.cfg" -o "$iso/boot/grub/eltorito.img" \
    biosdisk iso9660 part_msdos part_gpt fat search search_fs_file normal linux configfile echo test \
    all_video gfxterm font serial terminal
# UEFI, Secure Boot on or off: the firmware starts shim as the removable medium's loader, shim
# starts the GRUB beside it (Debian's image for removable media, which finds its configuration
# through /.disk/info) and GRUB has shim check the kernel. MokManager is there should shim need it.
signed=$work/signed
for f in usr/lib/shim/shimx64.efi.signed usr/lib/shim/mmx64.efi.signed usr/lib/grub/x86_64-efi-signed/gcdx64.efi.signed; do
    [ -s "$signed/$f" ] || die "$f is missing from the signed packages"
    touch -d "@$SOURCE_DATE_EPOCH" "$signed/$f"
done
echo "Kestrova Bootable" >"$iso/.disk/info"
efi=$work/efi.img
rm -f "$efi" && mkfs.vfat -C --invariant -i 4B560001 -n KVEFI "$efi" 8192 >/dev/null
mmd -i "$efi" ::/EFI ::/EFI/BOOT
# mcopy -m keeps the file's own date, which is made the image's date.
mcopy -i "$efi" -m "$signed/usr/lib/shim/shimx64.efi.signed" ::/EFI/BOOT/BOOTX64.EFI
mcopy -i "$efi" -m "$signed/usr/lib/grub/x86_64-efi-signed/gcdx64.efi.signed" ::/EFI/BOOT/grubx64.efi
mcopy -i "$efi" -m "$signed/usr/lib/shim/mmx64.efi.signed" ::/EFI/BOOT/mmx64.efi

# The log partition: FAT, so the logs can be read on any computer afterwards.
logs=$work/logs.img
rm -f "$logs" && mkfs.vfat -C --invariant -i 4B560002 -n "$log_label" "$logs" $((log_size_mib * 1024)) >/dev/null
printf 'Kestrova Bootable writes one log file per drive here.\r\n' >"$work/README.TXT"
touch -d "@$SOURCE_DATE_EPOCH" "$work/README.TXT"
mcopy -i "$logs" -m "$work/README.TXT" ::/README.TXT

find "$iso" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
say "writing $output"
mkdir -p "$(dirname "$output")"
rm -f "$output.tmp"
nice -n 10 xorriso -as mkisofs -quiet -o "$output.tmp" -V "$label" -r -J -joliet-long \
    --grub2-mbr /usr/lib/grub/i386-pc/boot_hybrid.img -partition_offset 16 --mbr-force-bootable \
    -append_partition 2 0xef "$efi" -append_partition 3 0x0c "$logs" \
    -c boot/boot.cat -b boot/grub/eltorito.img -no-emul-boot -boot-load-size 4 -boot-info-table --grub2-boot-info \
    -eltorito-alt-boot -e --interval:appended_partition_2:all:: -no-emul-boot \
    "$iso" 2>"$work/xorriso.log" || { cat "$work/xorriso.log" >&2; die "xorriso failed"; }
mv "$output.tmp" "$output"
cp "$work/packages.txt" "${output%.iso}.packages"

# 4. The same system for a network boot: a directory to serve over TFTP and HTTP.
netboot=${output%.iso}-netboot
say "writing $netboot"
write_Netboot "$netboot.tmp" "$iso/live" "$signed" && rm -rf "$netboot" && mv "$netboot.tmp" "$netboot" || die "cannot write $netboot"
rm -rf "$work"
say "$output: $(($(stat -c %s "$output") / 1048576)) MiB, sha256 $(sha256sum "$output" | cut -c1-16)..."
say "package versions: ${output%.iso}.packages"
