#!/bin/bash
# The system test: boots Debian 12's kernel under QEMU with emulated drives (two SATA disks and a
# read-speed disk on the AHCI controller, a SATA CD-ROM, a USB disk, a disk on an LSI SCSI
# controller, a 4096-byte sector disk on virtio-scsi, an NVMe controller with a 512-byte and a
# 4096-byte namespace, and a virtio-blk disk) and runs checks.sh inside it, which compares what
# the device-access library says and does with smartctl, sg3_utils, nvme-cli and dd. Every device the test touches is an
# image file of its own: the machine's drives are never opened.
#   run.sh BUILD_DIR WORK_DIR
# Prints one line per check and where the serial console log is kept; exit status 0 when no
# check failed (known failures, which wait for their issue, do not count).
# KV_SYSTEM_SPEED=1 boots the same machine for the read-speed figure alone (bench/kernel_read_speed.sh):
# it prints a FIGURE line and checks only that the reads it timed read.
set -u
build=${1:?usage: run.sh BUILD_DIR WORK_DIR}
work=${2:?usage: run.sh BUILD_DIR WORK_DIR}
here=$(cd "$(dirname "$0")" && pwd)
vm_timeout=${KV_SYSTEM_VM_TIMEOUT:-480} # an emulated machine on a loaded host runs several times slower

fail() {
    echo "FAIL system test set-up: $*"
    exit 1
}

for tool in qemu-system-x86_64 busybox smartctl nvme sg_inq sg_readcap sg_raw sg_sat_identify cpio depmod ldd; do
    command -v "$tool" >/dev/null 2>&1 || PATH=$PATH:/sbin:/usr/sbin command -v "$tool" >/dev/null 2>&1 ||
        fail "$tool is missing (tools/install-deps.sh installs it)"
done
export PATH=$PATH:/sbin:/usr/sbin
[ -x "$build/kv-systemcheck" ] && [ -x "$build/kv-longscan" ] && [ -x "$build/oskn-probe" ] ||
    fail "kv-systemcheck, kv-longscan or oskn-probe not built in $build"

kernel_dir=$("$here/fetch-kernel.sh") || fail "no Debian kernel (see the fetch-kernel message above)"
vmlinuz=$(ls "$kernel_dir"/boot/vmlinuz-* | head -n 1)
release=$(ls "$kernel_dir/lib/modules")

rm -rf "$work" && mkdir -p "$work" || fail "cannot create $work"
root="$work/root"
mkdir -p "$root"/bin "$root"/usr/bin "$root"/dev "$root"/proc "$root"/sys "$root"/tmp "$root"/opt/kv

# busybox-static gives the shell and the small tools (dd, cmp, od, awk, modprobe, timeout).
cp "$(command -v busybox)" "$root/bin/busybox"
for applet in $(busybox --list); do
    [ -e "$root/bin/$applet" ] || ln -s busybox "$root/bin/$applet"
done

# The driver modules and what they depend on, as the kernel's own module index says.
modules="ahci sd_mod sg sr_mod xhci_pci usb_storage virtio_pci virtio_scsi sym53c8xx nvme virtio_blk"
files=""
for m in $modules; do
    deps=$(modprobe -d "$kernel_dir" -S "$release" --show-depends "$m") || fail "kernel $release has no module $m"
    files="$files $(echo "$deps" | awk '$1 == "insmod" { print $2 }')"
done
for ko in $files; do
    mkdir -p "$root/$(dirname "${ko#"$kernel_dir"}")" && cp "$ko" "$root/${ko#"$kernel_dir"}" || fail "cannot copy $ko"
done
cp "$kernel_dir/lib/modules/$release"/modules.builtin* "$kernel_dir/lib/modules/$release/modules.order" \
    "$root/lib/modules/$release/" 2>/dev/null
depmod -b "$root" "$release" || fail "depmod failed"

# Programs with the shared libraries they load (the project's libraries sit beside its programs).
copy_Program() { # source destination
    mkdir -p "$root/$(dirname "$2")" && cp -L "$1" "$root/$2" || fail "cannot copy $1"
    ldd "$1" | awk '/=> \// { print $3 } /^[[:space:]]*\/[^ ]*ld-linux/ { print $1 }' | while read -r lib; do
        [ -e "$root/$lib" ] || { mkdir -p "$root/$(dirname "$lib")" && cp -L "$lib" "$root/$lib"; }
    done
}
for program in kv-systemcheck kv-longscan oskn-probe; do
    copy_Program "$build/$program" "/opt/kv/$program"
    strip --strip-debug "$root/opt/kv/$program"
done
for lib in "$build"/libOskn*.so; do
    copy_Program "$lib" "/opt/kv/$(basename "$lib")"
    strip --strip-debug "$root/opt/kv/$(basename "$lib")"
done
for peer in smartctl nvme sg_inq sg_readcap sg_raw sg_sat_identify; do
    copy_Program "$(command -v $peer)" "/usr/bin/$peer"
done

# The drives: serial|interface code|drive type|model the set-up gives|firmware.
cat > "$root/drives.conf" <<'EOF'
KVSA0001|1|1|KVSYS SATA-A|KV1A
KVSB0002|1|1|KVSYS SATA-B|KV1B
KVSU0004|5|2|KVSYS USB DISK|KU1D
KVSL0005|2|2|KVSYS LSI DISK|KL1E
KVSV0006|7|2|KVSYS VIRTIO 4K|KV1F
EOF
# The unreadable sectors of the SATA-B disk and of the 4096-byte sector disk on virtio-scsi
# (blkdebug fails every read that touches them, and counts in 512-byte sectors; the kernel
# reports ABORTED COMMAND for both). Not on the LSI controller: its driver's error handling
# brings the kernel down when QEMU's emulation of it fails a read.
bad_lba=20000
scsi_bad_lba=6000
echo "$bad_lba" > "$root/bad-lba"
echo "$scsi_bad_lba" > "$root/scsi-bad-lba"
touch "$root/kv-system-vm" # kv-systemcheck and kv-longscan refuse to run anywhere else
[ "${KV_SYSTEM_SPEED:-0}" = 1 ] && touch "$root/speed-only"
cp "$here/checks.sh" "$root/init" && chmod +x "$root/init"
(cd "$root" && find . | cpio -o -H newc --quiet) > "$work/initrd.cpio" || fail "cpio failed"

# Sparse images; SATA-B's sector count is not a multiple of 64, so the scan ends on a short read.
truncate -s 32M "$work/sata-a.img" && truncate -s $((16 * 1048576 + 17 * 512)) "$work/sata-b.img" &&
    truncate -s 32M "$work/usb.img" && truncate -s 32M "$work/lsi.img" && truncate -s 32M "$work/virtio.img" &&
    truncate -s 16M "$work/nvme-512.img" && truncate -s 16M "$work/nvme-4k.img" && truncate -s 16M "$work/vblk.img" ||
    fail "cannot create the disk images"
for spec in "blkdebug.conf $bad_lba" "blkdebug-scsi.conf $((scsi_bad_lba * 8))"; do
    set -- $spec
    cat > "$work/$1" <<EOF
[inject-error]
event = "read_aio"
errno = "5"
sector = "$2"
EOF
done

# The read-speed disk holds no data: it answers every read with zeros after 0.1 ms (a command's
# time on a real drive) at 256 MiB/s (a hard disk's speed). Left free, an emulated disk is as fast
# as the emulated processor, and without KVM both readers would only measure how fast the emulator
# runs their own instructions. For the figure, 1 GiB takes 4 s per reader: long enough for the start
# of a program not to count; the test itself reads 128 MiB of it once. It is not in drives.conf: the
# data checks need a disk that keeps what is written.
[ "${KV_SYSTEM_SPEED:-0}" = 1 ] && speed_mb=1024 || speed_mb=128
speed_bytes=$((${KV_SYSTEM_SPEED_MB:-$speed_mb} << 20))

setup_seconds=$SECONDS
console="$work/console.log"
results="$work/results.txt"
echo "Serial console log: $console"
timeout -k 10 "$vm_timeout" qemu-system-x86_64 -machine q35,accel=kvm:tcg -m 512 -nodefaults -display none \
    -no-reboot -monitor none -kernel "$vmlinuz" -initrd "$work/initrd.cpio" \
    -append "console=ttyS0 panic=-1 quiet" \
    -serial "file:$console" -serial "file:$results" \
    -drive if=none,id=sata-a,format=raw,file="$work/sata-a.img" \
    -device ide-hd,bus=ide.0,drive=sata-a,model="KVSYS SATA-A",serial=KVSA0001,ver=KV1A \
    -drive if=none,id=sata-b,format=raw,file="blkdebug:$work/blkdebug.conf:$work/sata-b.img" \
    -device ide-hd,bus=ide.1,drive=sata-b,model="KVSYS SATA-B",serial=KVSB0002,ver=KV1B \
    -drive if=none,id=speed,driver=null-co,size=$speed_bytes,read-zeroes=on,latency-ns=100000,throttling.bps-read=$((256 << 20)) \
    -device ide-hd,bus=ide.3,drive=speed,model="KVSYS SATA-SPEED",serial=KVSS0007,ver=KV1S \
    -drive if=none,id=cd,media=cdrom -device ide-cd,bus=ide.2,drive=cd,model="KVSYS OPTICAL",serial=KVSC0003 \
    -device qemu-xhci,id=xhci -device usb-bot,bus=xhci.0,id=usb \
    -drive if=none,id=usb,format=raw,file="$work/usb.img" \
    -device scsi-hd,bus=usb.0,drive=usb,vendor=KVSYS,product="USB DISK",serial=KVSU0004,ver=KU1D \
    -device lsi53c895a,id=lsi -drive if=none,id=lsi,format=raw,file="$work/lsi.img" \
    -device scsi-hd,bus=lsi.0,drive=lsi,vendor=KVSYS,product="LSI DISK",serial=KVSL0005,ver=KL1E \
    -device virtio-scsi-pci,id=vs -drive if=none,id=virtio,format=raw,file="blkdebug:$work/blkdebug-scsi.conf:$work/virtio.img" \
    -device scsi-hd,bus=vs.0,drive=virtio,logical_block_size=4096,physical_block_size=4096,vendor=KVSYS,product="VIRTIO 4K",serial=KVSV0006,ver=KV1F \
    -device nvme,id=nvme0,serial=KVNV0008 \
    -drive if=none,id=nvme-512,format=raw,file="$work/nvme-512.img" -device nvme-ns,bus=nvme0,drive=nvme-512,nsid=1 \
    -drive if=none,id=nvme-4k,format=raw,file="$work/nvme-4k.img" \
    -device nvme-ns,bus=nvme0,drive=nvme-4k,nsid=2,logical_block_size=4096,physical_block_size=4096 \
    -drive if=none,id=vblk,format=raw,file="$work/vblk.img" -device virtio-blk-pci,drive=vblk,serial=KVVB0009 \
    >"$work/qemu.log" 2>&1
qemu_status=$?
rm -rf "$root" "$work/initrd.cpio" "$work"/*.img # kept: the console log, the results, QEMU's messages

tr -d '\r' < "$results" 2>/dev/null | grep -E '^(PASS|FAIL|KNOWN FAIL|FIGURE) '
passed=$(tr -d '\r' < "$results" 2>/dev/null | grep -c '^PASS ')
failed=$(tr -d '\r' < "$results" 2>/dev/null | grep -c '^FAIL ')
known=$(tr -d '\r' < "$results" 2>/dev/null | grep -c '^KNOWN FAIL ')
status=0
if ! tr -d '\r' < "$results" 2>/dev/null | grep -q '^KV-SYSTEM: done'; then
    if [ "$qemu_status" -eq 124 ] || [ "$qemu_status" -eq 137 ]; then
        echo "FAIL virtual machine: did not finish within $vm_timeout s"
    else
        echo "FAIL virtual machine: ended (QEMU status $qemu_status) before the checks were done"
        sed 's/^/  qemu: /' "$work/qemu.log" | tail -n 5
    fi
    tail -n 5 "$console" | sed 's/^/  console: /'
    status=1
fi
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ] || status=1
echo "$passed passed, $failed failed, $known known failures (set-up $setup_seconds s, virtual machine $((SECONDS - setup_seconds)) s)"
echo "Serial console log: $console"
exit $status
