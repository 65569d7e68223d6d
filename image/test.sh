#!/bin/bash
# Boots the image under QEMU (TCG; KVM when there is one) and drives the program with the keyboard, as a person would:
#  1. the image as a USB stick, two SATA disks on the AHCI controller: language window, agreement
#     scrolled and accepted, main window; a SMART check and a short generic test on the first
#     disk; Exit. The machine must power off by itself and the disk's log must be on the stick's
#     log partition with both results.
#  2. the image as a CD (no writable log partition): the program still starts and shows the
#     notice that the logs are kept in memory; Exit powers off.
#  3. the image as a USB stick again, with UEFI firmware (OVMF): it boots to the language window.
#   test.sh IMAGE WORK_DIR
# Screenshots (PNG) are left in WORK_DIR/shots. Prints one line per check; exit status 0 when
# all passed. Drive images are files in WORK_DIR: nothing of this machine is opened.
set -u
image=$(realpath "${1:?usage: test.sh IMAGE WORK_DIR}")
work=${2:?usage: test.sh IMAGE WORK_DIR}
boot_timeout=${KESTROVA_IMAGE_BOOT_TIMEOUT:-900}
export PATH=$PATH:/usr/sbin:/sbin
failed=0

check() { # PASS/FAIL line; $1 is a command's status
    local status=$1
    shift
    if [ "$status" -eq 0 ]; then echo "PASS $*"; else echo "FAIL $*"; failed=1; fi
}
die() {
    echo "FAIL $*"
    exit 1
}
for tool in qemu-system-x86_64 pnmtopng mtype; do
    command -v "$tool" >/dev/null || die "$tool is missing (tools/install-deps.sh image installs it)"
done
[ -e "$image" ] || die "no image $image (make image builds it)"
rm -rf "$work" && mkdir -p "$work/shots" || die "cannot create $work"
work=$(realpath "$work")

qemu_pid=
monitor_port=
cleanup() { [ -n "$qemu_pid" ] && kill "$qemu_pid" 2>/dev/null; }
trap cleanup EXIT

# Starts QEMU in the background with the monitor on a local TCP port; $@: drives and boot device.
start_VM() { # name, then QEMU arguments
    local name=$1
    shift
    monitor_port=$((20000 + RANDOM % 20000))
    console=$work/$name-console.log
    : >"$console"
    nice -n 10 qemu-system-x86_64 -machine q35,accel=kvm:tcg -smp 2 -m 2048 -nodefaults -vga std -display none \
        -no-reboot -monitor tcp:127.0.0.1:$monitor_port,server,nowait -serial file:"$console" "$@" \
        >"$work/$name-qemu.log" 2>&1 &
    qemu_pid=$!
    for _ in $(seq 50); do
        { exec 3<>/dev/tcp/127.0.0.1/$monitor_port; } 2>/dev/null && break
        sleep 0.2
    done
    cat <&3 >"$work/$name-monitor.log" &
}
monitor() { echo "$*" >&3; }
keys() { # QEMU key names, each pressed and released in turn
    local k
    for k in "$@"; do
        monitor "sendkey $k"
        sleep 0.4
    done
}
vm_Running() { kill -0 "$qemu_pid" 2>/dev/null; }

# Waits for a line on the serial console; status 1 on time-out or when the VM ended.
wait_Console() { # pattern seconds
    local end=$((SECONDS + $2))
    while [ $SECONDS -lt $end ]; do
        tr -d '\r' <"$console" | grep -q -- "$1" && return 0
        vm_Running || return 1
        sleep 2
    done
    return 1
}

# A screen dump; prints its path.
dump() { # file
    rm -f "$1"
    monitor "screendump $1"
    for _ in $(seq 50); do
        [ -s "$1" ] && sleep 0.3 && break
        sleep 0.2
    done
    echo "$1"
}
# The picture below the clock (the top 15% of the screen changes every second).
lower_Part() { # ppm
    local w h
    read -r w h < <(head -c 64 "$1" | tr -s ' \n' '  ' | awk '{ print $2, $3 }')
    tail -c $((w * 3 * (h - h * 15 / 100))) "$1"
}
# Something other than a black screen (X starts black; the program's windows take a while).
drawn() { # ppm
    [ "$(lower_Part "$1" | tr -d '\000' | wc -c)" -gt 100000 ]
}
# Waits until the screen has changed from BEFORE (if given) and then stayed the same for two
# dumps in a row; the virtual machine draws slowly.
wait_Screen() { # seconds [before.ppm]
    local end=$((SECONDS + $1)) before=${2:-} prev="$work/prev.ppm" cur="$work/cur.ppm" changed=1
    [ -n "$before" ] && changed=0
    dump "$prev" >/dev/null
    while [ $SECONDS -lt $end ]; do
        sleep 4
        vm_Running || return 1
        dump "$cur" >/dev/null
        if [ $changed -eq 0 ] && ! cmp -s <(lower_Part "$cur") <(lower_Part "$before"); then
            changed=1
        elif [ $changed -eq 1 ] && cmp -s <(lower_Part "$cur") <(lower_Part "$prev") && drawn "$cur"; then
            return 0
        fi
        mv "$cur" "$prev"
    done
    return 1
}
shot() { # name: the current screen as WORK/shots/NAME.png
    dump "$work/shot.ppm" >/dev/null
    pnmtopng "$work/shot.ppm" >"$work/shots/$1.png" 2>/dev/null
    echo "  screenshot: $work/shots/$1.png"
}
# The log partition of a stick image: mtools' image@@offset of its third partition, whose
# start sector is the little-endian word 8 bytes into the MBR's third entry.
log_Partition() { # image
    local start
    start=$(od -An -tu4 -j $((446 + 2 * 16 + 8)) -N 4 "$1" | tr -d ' ')
    [ -n "$start" ] && [ "$start" -gt 0 ] && echo "$1@@$((start * 512))"
}
# Waits for a line in one of the given files of the log partition while the machine runs (the
# program syncs every line it writes); prints the file's name.
wait_Log_Line() { # pattern seconds file...
    local pattern=$1 end=$((SECONDS + $2)) f
    shift 2
    while [ $SECONDS -lt $end ]; do
        for f in "$@"; do
            if MTOOLS_SKIP_CHECK=1 mtype -i "$logs" "::/$f" 2>/dev/null | tr -d '\r' | grep -q -- "$pattern"; then
                echo "$f"
                return 0
            fi
        done
        vm_Running || return 1
        sleep 5
    done
    return 1
}
wait_Power_Off() { # seconds: status 0 when QEMU ended by itself
    local end=$((SECONDS + $1))
    while [ $SECONDS -lt $end ]; do
        vm_Running || { wait "$qemu_pid"; local s=$?; qemu_pid=; return $s; }
        sleep 2
    done
    return 1
}
# Language window (English is chosen) -> agreement, scrolled to its end -> main window.
through_First_Windows() {
    wait_Screen 300
    check $? "$1: the first window is drawn"
    shot "$1-language"
    dump "$work/before.ppm" >/dev/null
    keys ret
    wait_Screen 300 "$work/before.ppm"
    check $? "$1: Return in the language window opens the agreement"
    keys end
    sleep 5
    dump "$work/before.ppm" >/dev/null
    keys ret
    wait_Screen 300 "$work/before.ppm"
    check $? "$1: End, then Return accepts the agreement and opens the main window"
}

# Waits for the launcher to start the program and checks what it said about the logs.
booted() { # prefix, pattern of the launcher's line about the logs, what that line means
    local started=$SECONDS
    wait_Console "kestrova-launcher: starting the program" "$boot_timeout"
    check $? "$1booted to the program in $((SECONDS - started)) s"
    tr -d '\r' <"$console" | grep -q "kestrova-launcher: $2"
    check $? "$1$3"
}

disks=(-drive if=none,id=da,format=raw,file="$work/disk-a.img"
    -device ide-hd,bus=ide.0,drive=da,model="KVIMG DISK-A",serial=KVIMGA0001,ver=KI1A
    -drive if=none,id=db,format=raw,file="$work/disk-b.img"
    -device ide-hd,bus=ide.1,drive=db,model="KVIMG DISK-B",serial=KVIMGB0002,ver=KI1B)
truncate -s 256M "$work/disk-a.img" "$work/disk-b.img" || die "cannot create the disk images"

# --- 1. from a USB stick ----------------------------------------------------------------------
echo "Boot 1: the image as a USB stick, two SATA disks (serial console: $work/usb-console.log)"
cp --sparse=always "$image" "$work/stick.img" || die "cannot copy the image"
logs=$(log_Partition "$work/stick.img")
[ -n "$logs" ]
check $? "the image has a third partition for the logs"
start_VM usb -device qemu-xhci,id=xhci \
    -drive if=none,id=stick,format=raw,file="$work/stick.img" \
    -device usb-storage,bus=xhci.0,drive=stick,bootindex=0,serial=KVSTICK01 "${disks[@]}"
booted "" "logs are written to /dev/sd" "the launcher mounted the stick's log partition"
tr -d '\r' <"$console" | grep -q 'kestrova-launcher: kernel command line: .*libata.allow_tpm=1'
check $? "the kernel command line has libata.allow_tpm=1"
through_First_Windows usb
shot usb-main-window
# The first panel's check box is the seventh stop from the File button that has the focus.
keys tab tab tab tab tab tab tab spc
sleep 3
keys ctrl-b
sleep 3
keys down ret # S.M.A.R.T. Check, the first of Basic Tests
# The first panel is whichever SATA disk the kernel listed first.
log_file=$(wait_Log_Line "S.M.A.R.T. Check PASS" 300 KVIMGA0001.log KVIMGB0002.log)
check $? "SMART check through the keyboard: PASS in ${log_file:-none of the disk logs}"
log_file=${log_file:-KVIMGA0001.log}
sleep 5
# A finished test leaves the panel unticked and the focus on its next control.
keys shift-tab spc
sleep 3
keys ctrl-b
sleep 3
keys down down down ret # Short Generic
wait_Log_Line "Short Generic PASS" 900 "$log_file" >/dev/null
check $? "short generic test through the keyboard: PASS in $log_file"
sleep 8
shot usb-test-finished
keys ctrl-x # Exit: status 2
wait_Power_Off 300
check $? "Exit powered the machine off"
tr -d '\r' <"$console" | grep -q "kestrova-launcher: the program asked to power off"
check $? "the launcher saw status 2 and synced the logs"
MTOOLS_SKIP_CHECK=1 mtype -i "$logs" "::/$log_file" 2>/dev/null | tr -d '\r' >"$work/$log_file"
grep -q "S.M.A.R.T. Check PASS" "$work/$log_file" && grep -q "Short Generic PASS" "$work/$log_file"
check $? "$log_file on the stick's log partition, read after power off, holds both results ($work/$log_file)"
vm_Running && kill "$qemu_pid"
qemu_pid=

# --- 2. from a CD: no writable log partition ---------------------------------------------------
echo "Boot 2: the image as a CD, one SATA disk (serial console: $work/cd-console.log)"
start_VM cd -drive if=none,id=cd,media=cdrom,readonly=on,format=raw,file="$image" \
    -device ide-cd,bus=ide.2,drive=cd,bootindex=0 "${disks[@]:0:4}"
booted "" "no writable log partition: logs are kept in memory" "the launcher fell back to a RAM disk"
through_First_Windows cd
shot cd-memory-notice
keys ret # closes the notice
sleep 5
keys ctrl-x
wait_Power_Off 300
check $? "Exit powered the machine off"

# --- 3. UEFI ----------------------------------------------------------------------------------
ovmf=/usr/share/OVMF/OVMF_CODE_4M.fd
if [ -e "$ovmf" ]; then
    echo "Boot 3: the image as a USB stick with UEFI firmware (serial console: $work/uefi-console.log)"
    cp --sparse=always "$image" "$work/stick.img" && cp /usr/share/OVMF/OVMF_VARS_4M.fd "$work/vars.fd" ||
        die "cannot copy the image or the UEFI variables"
    start_VM uefi -drive if=pflash,format=raw,readonly=on,file="$ovmf" \
        -drive if=pflash,format=raw,file="$work/vars.fd" -device qemu-xhci,id=xhci \
        -drive if=none,id=stick,format=raw,file="$work/stick.img" \
        -device usb-storage,bus=xhci.0,drive=stick,bootindex=0 "${disks[@]}"
    booted "UEFI: " "logs are written to /dev/sd" "the launcher mounted the stick's log partition"
    wait_Screen 300
    check $? "UEFI: the first window is drawn"
    shot uefi-language
    kill "$qemu_pid"
    qemu_pid=
else
    echo "SKIP UEFI boot: no $ovmf (package ovmf)"
fi

rm -f "$work"/*.img "$work"/*.ppm "$work"/*.fd
[ $failed -eq 0 ] && echo "image test: all checks passed" || echo "image test: some checks FAILED"
exit $failed
