#!/bin/bash
# Boots the image under QEMU (TCG; KVM when there is one) and drives the program with the keyboard,
# as a person would, timing every way the machine is powered off (at most 10 s each; on a host
# busier than its processors, a time over that is printed as a figure, up to six times it):
#  1. the image as a USB stick of the maker's, two SATA disks and an NVMe drive, BIOS: language
#     window, agreement scrolled and accepted, main window; the stick's panel is marked and refuses
#     an erase; a SMART check and a short generic test on a disk, a SMART check on the NVMe drive;
#     Exit. The drives' logs must be on the stick's log partition with their results, the
#     partition clean, the rest of the stick untouched.
#  2. the image as a CD with no disk at all: the notice that the logs are kept in memory, the
#     list's line that no drive was found; Alt+F4 for the terminal, where poweroff is typed.
#  3. a USB stick with UEFI firmware and Secure Boot on (Microsoft's keys enrolled): the language
#     window; then Alt+F4, kestrova typed in the terminal, and Exit in the program it started.
#  4. the safe-graphics entry, BIOS: the language window through the video BIOS; the power button.
#  5. the safe-graphics entry, UEFI: the language window on the firmware's frame buffer.
#  6. from the network: QEMU's iPXE loads the kernel and the initrd over QEMU's TFTP, live-boot
#     fetches the squashfs from an nginx on this machine; a SATA disk labelled KVLOGS holds the
#     logs. A SMART check of an NVMe drive ends while the results' WebDAV server
#     (kestrova.results=, a second nginx) is down; once it is up, the drive's log and record
#     must arrive; then a small SATA disk is erased, and its log, record and certificate must
#     arrive: every file byte for byte the log disk's copy, none sent twice with one content.
#   test.sh IMAGE WORK_DIR
# KESTROVA_IMAGE_TEST_RUNS picks boots by name (usb cd uefi-sb safe-bios safe-uefi network;
# all of them when unset).
# Screenshots (PNG) are left in WORK_DIR/shots. Prints one line per check; exit status 0 when
# all passed. Drive images are files in WORK_DIR: nothing of this machine is opened.
set -u
. "$(dirname "$0")/results-check.sh"
image=$(realpath "${1:?usage: test.sh IMAGE WORK_DIR}")
work=${2:?usage: test.sh IMAGE WORK_DIR}
boot_timeout=${KESTROVA_IMAGE_BOOT_TIMEOUT:-900}
power_off_limit=${KESTROVA_IMAGE_POWER_OFF_LIMIT:-10}
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
runs=${KESTROVA_IMAGE_TEST_RUNS:-usb cd uefi-sb safe-bios safe-uefi network}
wanted() { [[ " $runs " == *" $1 "* ]]; }
for tool in qemu-system-x86_64 pnmtopng mtype mcopy mkfs.fat fsck.fat; do
    command -v "$tool" >/dev/null || die "$tool is missing (tools/install-deps.sh image installs it)"
done
[ -e "$image" ] || die "no image $image (make image builds it)"
rm -rf "$work" && mkdir -p "$work/shots" || die "cannot create $work"
work=$(realpath "$work")

qemu_pid=
monitor_port=
nginx_pid=
results_pid=
cleanup() {
    [ -n "$qemu_pid" ] && kill "$qemu_pid" 2>/dev/null
    [ -n "$nginx_pid" ] && kill "$nginx_pid" 2>/dev/null
    [ -n "$results_pid" ] && kill "$results_pid" 2>/dev/null
}
trap cleanup EXIT
# A machine that ended early (a guest locked up and stopped, say) closes QEMU's monitor: the keys
# still sent to it must fail, not end the whole run with SIGPIPE before its other boots.
trap '' PIPE

# Starts QEMU in the background with the monitor on a local TCP port; $@: drives and boot device.
start_VM() { # name, then QEMU arguments; MACHINE adds machine options, VGA replaces the display
    local name=$1
    shift
    monitor_port=$((20000 + RANDOM % 20000))
    console=$work/$name-console.log
    : >"$console"
    nice -n 10 qemu-system-x86_64 -machine "q35,accel=kvm:tcg${MACHINE:+,$MACHINE}" -smp 2 -m "${MEMORY:-2048}" -nodefaults ${VGA:--vga std} -display none \
        -no-reboot -monitor tcp:127.0.0.1:$monitor_port,server,nowait -serial file:"$console" "$@" \
        >"$work/$name-qemu.log" 2>&1 &
    qemu_pid=$!
    for _ in $(seq 50); do
        { exec 3<>/dev/tcp/127.0.0.1/$monitor_port; } 2>/dev/null && break
        sleep 0.2
    done
    cat <&3 >"$work/$name-monitor.log" &
}
monitor() { echo "$*" 2>/dev/null >&3; }
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
    tail -c $((w * 3 * (h - h * 15 / 100))) "$1" 2>/dev/null # cmp stops reading at the first difference
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
        sleep 0.2
    done
    return 1
}
host_Busy() { # more runnable work over the last minute than the host has processors
    awk -v n="$(nproc)" '{ exit !($1 > n) }' /proc/loadavg
}
# Runs the command that asks for power off and checks that the machine is off within the limit.
timed_Power_Off() { # what, then the command
    local what=$1 start ms task
    shift
    # QEMU runs niced on a shared host; what is timed is the machine's power-off, not the host's
    # other work, so every QEMU thread (the processors are threads) gets the usual priority.
    for task in /proc/"$qemu_pid"/task/*; do renice -n 0 -p "${task##*/}" >/dev/null 2>&1; done
    start=$(date +%s%N)
    "$@"
    wait_Power_Off 120
    local s=$?
    ms=$((($(date +%s%N) - start) / 1000000))
    local took="$((ms / 1000)).$((ms % 1000 / 100)) s" load
    load=$(cut -d' ' -f1 /proc/loadavg)
    if [ $s -eq 0 ] && [ $ms -gt $((power_off_limit * 1000)) ] && [ $ms -le $((power_off_limit * 6000)) ] && host_Busy; then
        # An emulated machine on a host with more runnable work than processors is slowed by
        # the host, not by its own power-off: the time is a figure then, not a verdict. Far
        # beyond the limit it is still one: a stop job waiting out its timeout takes 90 s.
        echo "PASS $what powered the machine off (in $took, over the $power_off_limit s limit on a host with load $load on $(nproc) processors; a figure, not a verdict)"
        return
    fi
    [ $s -eq 0 ] && [ $ms -le $((power_off_limit * 1000)) ]
    check $? "$what powered the machine off in $took (limit $power_off_limit s)"
    [ $s -eq 0 ] || { vm_Running && kill "$qemu_pid"; qemu_pid=; }
}
power_Button() { monitor system_powerdown; }
# Letters as QEMU key names: a command typed in the terminal, Return still to come.
type_Text() {
    local i
    for ((i = 0; i < ${#1}; i++)); do keys "${1:i:1}"; done
}
# GRUB's menu reaches the serial console too: the safe-graphics entry is picked before the
# menu's three seconds are over.
choose_Safe_Graphics() {
    local end=$((SECONDS + 300))
    while [ $SECONDS -lt $end ]; do
        if tr -d '\r' <"$console" | grep -q "Kestrova Bootable (safe graphics)"; then
            keys down ret
            return 0
        fi
        vm_Running || return 1
        sleep 0.2
    done
    return 1
}
console_Has() { tr -d '\r' <"$console" | grep -q -- "$1"; }
# Lines every boot must (not) print.
boot_Lines() { # prefix
    ! console_Has "can't create"
    check $? "$1no start-up script complains (can't create ...)"
}
# The panel index of the disk the launcher named as the boot medium (/dev/sdX: the library lists
# the sd disks in name order, every one with a panel).
boot_Panel() {
    local disk
    disk=$(tr -d '\r' <"$console" | sed -n 's/.*kestrova-launcher: the boot medium is \/dev\/sd\([a-z]\)$/\1/p' | head -n 1)
    [ -n "$disk" ] && echo $(($(printf '%d' "'$disk") - 97))
}
# Tab presses between two panels' check boxes: each panel is two stops, its check box and its
# log button.
move_Panels() { # from to
    local n=$(($2 - $1)) k=tab
    [ $n -lt 0 ] && n=$((-n)) && k=shift-tab
    for ((; n > 0; n--)); do keys $k $k; done
}
# The share (percent) of the picture below the clock that differs between two dumps.
changed_Share() { # a.ppm b.ppm
    local size
    size=$(lower_Part "$1" | wc -c)
    echo $(($(cmp -l <(lower_Part "$1") <(lower_Part "$2") | wc -l) * 100 / size))
}
# Waits until at least PERCENT of the picture below the clock differs from BEFORE: a window
# replaced by another (or by the black between them), not a pointer's hover lighting up a row.
wait_Window_Change() { # seconds before.ppm percent
    local end=$((SECONDS + $1)) cur="$work/change.ppm"
    while [ $SECONDS -lt $end ]; do
        sleep 2
        vm_Running || return 1
        dump "$cur" >/dev/null
        [ "$(changed_Share "$cur" "$2")" -ge "$3" ] && return 0
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
    wait_Window_Change 300 "$work/before.ppm" 5 && wait_Screen 300
    check $? "$1: Return in the language window opens the agreement"
    # On a busy host the agreement stands drawn before its page has loaded or takes keys, and
    # End then scrolls nothing: it is pressed again until the page has moved (which enables "I
    # Accept"), and Return only then. (A page that loaded while End waited looks moved too:
    # then Return does nothing, and End and Return come again.)
    local tries scrolled=1 accepted=1
    for tries in 1 2 3 4 5; do
        dump "$work/agreement.ppm" >/dev/null
        keys end
        wait_Screen 60 "$work/agreement.ppm" || continue
        scrolled=0
        dump "$work/before.ppm" >/dev/null
        keys ret
        wait_Window_Change 300 "$work/before.ppm" 5 && accepted=0 && break
    done
    check $scrolled "$1: End scrolls the agreement (pressed $tries times)"
    [ $accepted -eq 0 ] && wait_Screen 300
    check $? "$1: then Return accepts the agreement and opens the main window"
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
# The library lists the SCSI disks first, then the NVMe namespaces: the NVMe drive is the panel
# after the two SATA disks and the stick.
nvme=(-drive if=none,id=nv,format=raw,file="$work/nvme.img" -device nvme,drive=nv,serial=KVNVME0003)
nvme_panel=3
truncate -s 256M "$work/disk-a.img" "$work/disk-b.img" "$work/nvme.img" || die "cannot create the disk images"

stick_Copy() { cp --sparse=always "$image" "$work/stick.img" || die "cannot copy the image"; }
stick=(-device qemu-xhci,id=xhci -drive if=none,id=stick,format=raw,file="$work/stick.img"
    -device usb-storage,bus=xhci.0,drive=stick,bootindex=0,serial=KVSTICK01)
ovmf=/usr/share/OVMF

# --- 1. from a USB stick ----------------------------------------------------------------------
if wanted usb; then
echo "Boot 1: the image as a USB stick, two SATA disks, an NVMe drive (serial console: $work/usb-console.log)"
stick_Copy
logs=$(log_Partition "$work/stick.img")
[ -n "$logs" ]
check $? "the image has a third partition for the logs"
# A stick of the maker's own, so that the erases are offered for it as for the maker's disks.
start_VM usb -device qemu-xhci,id=xhci -drive if=none,id=stick,format=raw,file="$work/stick.img" \
    -device usb-bot,bus=xhci.0,id=bot -device scsi-hd,bus=bot.0,drive=stick,bootindex=0,vendor=Brevane,product=BV-STICK,serial=KVSTICK01 \
    "${disks[@]}" "${nvme[@]}"
booted "" "logs are written to /dev/sd" "the launcher mounted the stick's log partition"
console_Has 'kestrova-launcher: kernel command line: .*libata.allow_tpm=1'
check $? "the kernel command line has libata.allow_tpm=1"
console_Has 'kestrova-launcher: firmware: BIOS'
check $? "the launcher reports BIOS firmware"
stick_panel=$(boot_Panel)
[ -n "$stick_panel" ]
check $? "the launcher named the stick as the boot medium (panel ${stick_panel:-none})"
stick_panel=${stick_panel:-2}
boot_Lines ""
through_First_Windows usb
shot usb-main-window
# The first panel's check box is the seventh stop from the File button that has the focus.
keys tab tab tab tab tab tab tab
move_Panels 0 "$stick_panel"
keys spc ctrl-a
sleep 4
keys f8 # the advanced features' warning
sleep 4
dump "$work/before.ppm" >/dev/null
keys down down down right ret # Erase, Overwrite Full
wait_Screen 60 "$work/before.ppm"
check $? "an erase of the boot stick is answered at once, without the F8 confirmation of an erase"
shot usb-boot-medium-refused
keys ret # closes the notice; the stick's check box has the focus again
sleep 3
keys spc
disk_panel=0
[ "$stick_panel" -eq 0 ] && disk_panel=1
move_Panels "$stick_panel" "$disk_panel"
keys spc
sleep 3
keys ctrl-b
sleep 3
keys down ret # S.M.A.R.T. Check, the first of Basic Tests
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
# The NVMe drive has a panel of its own: a SMART check on it reads its health log. (The finished
# test left the focus on the disk's log button.)
keys shift-tab
move_Panels "$disk_panel" "$nvme_panel"
keys spc
sleep 3
keys ctrl-b
sleep 3
keys down ret
wait_Log_Line "S.M.A.R.T. Check PASS" 300 KVNVME0003.log >/dev/null
check $? "the main window lists the NVMe drive: its SMART check PASS in KVNVME0003.log"
sleep 5
shot usb-nvme-checked
timed_Power_Off "Exit" keys ctrl-x
console_Has "kestrova-launcher: the program asked to power off; syncing the logs"
check $? "the launcher saw status 2 and synced the logs"
MTOOLS_SKIP_CHECK=1 mtype -i "$logs" "::/$log_file" 2>/dev/null | tr -d '\r' >"$work/$log_file"
grep -q "S.M.A.R.T. Check PASS" "$work/$log_file" && grep -q "Short Generic PASS" "$work/$log_file"
check $? "$log_file on the stick's log partition, read after power off, holds both results ($work/$log_file)"
start=${logs##*@@}
dd if="$work/stick.img" of="$work/logs.img" bs=512 skip=$((start / 512)) status=none &&
    fsck.fat -n "$work/logs.img" >"$work/fsck.log" 2>&1 && ! grep -qi dirty "$work/fsck.log"
check $? "the log partition was left clean ($work/fsck.log)"
cmp -s -n "$start" "$work/stick.img" "$image"
check $? "the stick is unchanged but for its log partition: the refused erase wrote nothing"
fi

# --- 2. from a CD, no disk: no writable log partition, no drive --------------------------------
if wanted cd; then
echo "Boot 2: the image as a CD, no disk (serial console: $work/cd-console.log)"
start_VM cd -drive if=none,id=cd,media=cdrom,readonly=on,format=raw,file="$image" \
    -device ide-cd,bus=ide.2,drive=cd,bootindex=0
booted "CD: " "no writable log partition: logs are kept in memory" "the launcher fell back to a RAM disk"
boot_Lines "CD: "
through_First_Windows cd
shot cd-memory-notice
dump "$work/before.ppm" >/dev/null
keys ret # closes the notice
wait_Screen 60 "$work/before.ppm"
check $? "CD: Return closes the notice"
shot cd-no-drive
keys alt-f4
wait_Console "kestrova-launcher: the program asked for a terminal" 120
check $? "CD: Alt+F4 in the main window leaves the terminal"
sleep 5
type_Text poweroff
timed_Power_Off "CD: poweroff typed in the terminal" keys ret
console_Has "kestrova-launcher: power off asked for in the terminal or with the power button; syncing the logs"
check $? "CD: the terminal's poweroff synced the logs first"
fi

# --- 3. UEFI with Secure Boot -------------------------------------------------------------------
if wanted uefi-sb; then
if [ -e "$ovmf/OVMF_CODE_4M.ms.fd" ] && [ -e "$ovmf/OVMF_VARS_4M.ms.fd" ]; then
    echo "Boot 3: a USB stick, UEFI with Secure Boot on (serial console: $work/uefi-sb-console.log)"
    stick_Copy
    cp "$ovmf/OVMF_VARS_4M.ms.fd" "$work/vars.fd" || die "cannot copy the UEFI variables"
    MACHINE=smm=on start_VM uefi-sb -global driver=cfi.pflash01,property=secure,value=on \
        -drive if=pflash,format=raw,unit=0,readonly=on,file="$ovmf/OVMF_CODE_4M.ms.fd" \
        -drive if=pflash,format=raw,unit=1,file="$work/vars.fd" "${stick[@]}" "${disks[@]}"
    booted "Secure Boot: " "logs are written to /dev/sd" "the launcher mounted the stick's log partition"
    console_Has "kestrova-launcher: firmware: UEFI, Secure Boot on"
    check $? "Secure Boot: the firmware checked and started the image with Secure Boot on"
    boot_Lines "Secure Boot: "
    through_First_Windows uefi-secureboot
    keys alt-f4
    wait_Console "kestrova-launcher: the program asked for a terminal" 120
    check $? "Secure Boot: Alt+F4 in the main window leaves the terminal"
    sleep 5
    type_Text kestrova
    keys ret
    end=$((SECONDS + 300))
    while [ $SECONDS -lt $end ] && [ "$(tr -d '\r' <"$console" | grep -c 'kestrova-launcher: starting the program')" -lt 2 ]; do
        sleep 2
    done
    through_First_Windows uefi-secureboot-again
    timed_Power_Off "Secure Boot: Exit in the program started from the terminal" keys ctrl-x
else
    echo "FAIL UEFI with Secure Boot: no $ovmf/OVMF_CODE_4M.ms.fd (package ovmf)"
    failed=1
fi
fi

# --- 4. safe graphics, BIOS -------------------------------------------------------------------
if wanted safe-bios; then
echo "Boot 4: the safe-graphics entry, BIOS (serial console: $work/safe-bios-console.log)"
stick_Copy
start_VM safe-bios "${stick[@]}"
choose_Safe_Graphics
check $? "safe graphics, BIOS: GRUB's menu offers the entry and it is chosen"
booted "safe graphics, BIOS: " "logs are written to /dev/sd" "the launcher mounted the stick's log partition"
console_Has 'kestrova-launcher: kernel command line: .*nomodeset'
check $? "safe graphics, BIOS: the kernel runs without its graphics drivers (nomodeset)"
wait_Screen 300
check $? "safe graphics, BIOS: the language window is drawn"
console_Has 'kestrova-launcher: starting the program (graphics: vesa)' && ! console_Has 'did not come up with vesa'
check $? "safe graphics, BIOS: X runs on the video BIOS (vesa)"
shot safe-bios-language
timed_Power_Off "safe graphics, BIOS: the power button" power_Button
fi

# --- 5. safe graphics, UEFI -------------------------------------------------------------------
if wanted safe-uefi; then
if [ -e "$ovmf/OVMF_CODE_4M.fd" ]; then
    echo "Boot 5: the safe-graphics entry, UEFI (serial console: $work/safe-uefi-console.log)"
    stick_Copy
    cp "$ovmf/OVMF_VARS_4M.fd" "$work/vars.fd" || die "cannot copy the UEFI variables"
    # A display the kernel has no driver for, whose firmware frame buffer is a PC's usual one (32
    # bits a pixel; QEMU's standard VGA gives UEFI 24, which X cannot use).
    VGA="-vga none -device ramfb" start_VM safe-uefi -drive if=pflash,format=raw,unit=0,readonly=on,file="$ovmf/OVMF_CODE_4M.fd" \
        -drive if=pflash,format=raw,unit=1,file="$work/vars.fd" "${stick[@]}"
    choose_Safe_Graphics
    check $? "safe graphics, UEFI: GRUB's menu offers the entry and it is chosen"
    booted "safe graphics, UEFI: " "logs are written to /dev/sd" "the launcher mounted the stick's log partition"
    console_Has 'kestrova-launcher: firmware: UEFI, Secure Boot off'
    check $? "safe graphics, UEFI: the launcher reports UEFI without Secure Boot"
    wait_Screen 300
    check $? "safe graphics, UEFI: the language window is drawn"
    console_Has 'kestrova-launcher: starting the program (graphics: fbdev)' && ! console_Has 'did not come up with fbdev'
    check $? "safe graphics, UEFI: X runs on the firmware's frame buffer (fbdev)"
    shot safe-uefi-language
    timed_Power_Off "safe graphics, UEFI: the power button" power_Button
else
    echo "FAIL safe graphics, UEFI: no $ovmf/OVMF_CODE_4M.fd (package ovmf)"
    failed=1
fi
fi

# --- 6. from the network ----------------------------------------------------------------------
# QEMU's user network is the machine's LAN: its DHCP names QEMU's TFTP folder and boot file, and
# 10.0.2.2 is this machine's loopback. One nginx there serves the network boot's files from the
# start; another, the results' WebDAV server, comes up only after a first operation has ended, so
# that the program must keep those results and send them when the server answers.
# Starts an nginx (in the foreground, as a child) on a local port with the given locations and
# waits until it listens; sets started_pid. Its requests go to WORK/nginx-NAME/access.log.
start_Nginx() { # name port locations
    local dir=$work/nginx-$1
    mkdir -p "$dir/temp"
    cat >"$dir/nginx.conf" <<EOF
daemon off;
master_process off;
worker_processes 1;
pid $dir/nginx.pid;
error_log $dir/error.log warn;
events { worker_connections 256; }
http {
    # With each request the length of its body: the drive logs and the records files only grow,
    # so two PUTs of one path with one length carried the same content.
    log_format requests '\$request_method \$uri \$status \$content_length';
    access_log $dir/access.log requests;
    client_body_temp_path $dir/temp/body;
    proxy_temp_path $dir/temp/proxy;
    fastcgi_temp_path $dir/temp/fastcgi;
    uwsgi_temp_path $dir/temp/uwsgi;
    scgi_temp_path $dir/temp/scgi;
    client_max_body_size 0;
    types { }
    default_type application/octet-stream;
    server {
        listen 127.0.0.1:$2;
        $3
    }
}
EOF
    nginx -p "$dir" -c "$dir/nginx.conf" -e "$dir/error.log" >"$dir/nginx.log" 2>&1 &
    started_pid=$!
    for _ in $(seq 50); do
        { exec 4<>/dev/tcp/127.0.0.1/$2; } 2>/dev/null && exec 4>&- && return 0
        kill -0 "$started_pid" 2>/dev/null || return 1
        sleep 0.2
    done
    return 1
}
# The machine's copy of a file of its log disk (mtools, while it runs or after), in WORK/machine.
machine_Copy() { # name: prints the copy's path; status 1 when the disk has no such file
    mkdir -p "$work/machine"
    MTOOLS_SKIP_CHECK=1 mcopy -n -o -i "$logs" "::/$1" "$work/machine/$1" 2>/dev/null && echo "$work/machine/$1"
}
machine_Files() { MTOOLS_SKIP_CHECK=1 mdir -b -i "$logs" ::/ 2>/dev/null | sed 's#^::/##'; }
# Waits until the server holds the file with the very bytes the machine's copy has.
wait_Same_On_Server() { # name seconds
    local end=$((SECONDS + $2)) copy
    while [ $SECONDS -lt $end ]; do
        copy=$(machine_Copy "$1") && cmp -s "$copy" "$dav/$1" && return 0
        vm_Running || return 1
        sleep 5
    done
    return 1
}
if wanted network; then
    echo "Boot 6: from the network, two SATA disks (one the log disk) and an NVMe drive, results to a WebDAV server that comes up mid-run (serial console: $work/network-console.log)"
    netboot=${image%.iso}-netboot
    boot_port=$((20000 + RANDOM % 20000))
    results_port=$((boot_port + 1))
    if [ ! -s "$netboot/boot.ipxe" ] || [ ! -s "$netboot/filesystem.squashfs" ]; then
        echo "FAIL network: no network boot files in $netboot (make image writes them)"
        failed=1
    elif ! command -v nginx >/dev/null || [ ! -e /usr/lib/ipxe/qemu/efi-virtio.rom ]; then
        echo "FAIL network: nginx or QEMU's iPXE is missing (tools/install-deps.sh image installs them)"
        failed=1
    elif ! start_Nginx boot "$boot_port" "location /kestrova/ { alias $netboot/; }"; then
        echo "FAIL network: the boot files' nginx did not start ($work/nginx-boot/error.log)"
        failed=1
    else
        nginx_pid=$started_pid
        # QEMU's TFTP folder: the kernel, the initrd and the iPXE script of the network boot, and
        # the boot file, which tells that script where the HTTP server is and where results go
        # (and has the kernel skip its timer check, which an emulated machine on a busy host
        # can fail).
        tftp=$work/tftp
        mkdir -p "$tftp"
        for f in vmlinuz initrd.img boot.ipxe; do ln -sf "$netboot/$f" "$tftp/$f"; done
        results_url=http://10.0.2.2:$results_port/results/
        cat >"$tftp/test.ipxe" <<EOF
#!ipxe
set kestrova-base http://10.0.2.2:$boot_port/kestrova
set kestrova-args kestrova.results=$results_url no_timer_check
chain boot.ipxe
EOF
        machine=KVNETBOOT01
        dav=$work/dav/results/$machine
        mkdir -p "$work/dav/results"
        chmod -R a+rwX "$work/dav"
        # Disk A (SATA) is erased: small, so that the emulated erase is short, of the maker's,
        # whose disks the program erases, and full of a pattern the erase must leave none of.
        # The other SATA disk is the machine's own log medium: a FAT file system labelled
        # KVLOGS, which the launcher has the program write to; its files, read with mtools while
        # the machine runs and after it is off, are what the server must hold. The kernel names
        # the two SATA disks in either order; the library lists them by name, then NVMe drives:
        # drive B, an NVMe drive that gets a SMART check, is the third panel.
        erase_size=$((48 << 20))
        yes KESTROVA-NETWORK-ERASE 2>/dev/null | head -c $erase_size >"$work/net-a.img"
        truncate -s 256M "$work/net-b.img"
        logs=$work/net-logs.img
        rm -f "$logs"
        mkfs.fat -C -n KVLOGS "$logs" $((32 << 10)) >/dev/null
        check $? "network: a 32 MiB log disk labelled KVLOGS is made"
        MEMORY=3072 start_VM network -smbios type=1,serial=$machine \
            -netdev user,id=lan,tftp="$tftp",bootfile=test.ipxe -device virtio-net-pci,netdev=lan,bootindex=0 \
            -drive if=none,id=na,format=raw,file="$work/net-a.img" \
            -device ide-hd,bus=ide.0,drive=na,model="Brevane KVIMG NET-A",serial=KVNETA0001,ver=KI1A \
            -drive if=none,id=nl,format=raw,file="$logs" \
            -device ide-hd,bus=ide.1,drive=nl,model="KVIMG NET-LOGS",serial=KVNETL0003,ver=KI1L \
            -drive if=none,id=nb,format=raw,file="$work/net-b.img" -device nvme,drive=nb,serial=KVNETB0002
        booted "network: " "logs are written to /dev/sd" "the launcher mounted the KVLOGS disk for the logs"
        log_panel=$(boot_Panel)
        [ "${log_panel:-}" = 0 ] || [ "${log_panel:-}" = 1 ]
        check $? "network: the launcher named the log disk the boot medium (panel ${log_panel:-none})"
        a_panel=$((1 - ${log_panel:-1}))
        b_panel=2
        grep -q '^GET /kestrova/filesystem.squashfs 200 ' "$work/nginx-boot/access.log"
        check $? "network: live-boot fetched the squashfs over HTTP"
        console_Has "kestrova-launcher: results are sent to $results_url"
        check $? "network: kestrova.results= reached the program ($results_url)"
        boot_Lines "network: "
        through_First_Windows network
        shot network-main-window

        # The results server is down: drive B's SMART check ends, its log and record wait.
        keys tab tab tab tab tab tab tab # the first panel's check box
        move_Panels 0 "$b_panel"
        keys spc
        sleep 3
        keys ctrl-b
        sleep 3
        keys down ret # S.M.A.R.T. Check
        wait_Log_Line "S.M.A.R.T. Check PASS" 300 KVNETB0002.log >/dev/null
        check $? "network: with the results server down, drive B's SMART check: PASS in KVNETB0002.log"
        wait_Log_Line "^KVNETB0002.jsonl$" 120 kestrova-outbox.txt >/dev/null &&
            wait_Log_Line "^KVNETB0002.log$" 5 kestrova-outbox.txt >/dev/null
        check $? "network: its log and record wait in the outbox on the log disk"
        sleep 8
        shot network-results-waiting

        # The server comes up; the queue's next try sends both.
        start_Nginx results "$results_port" "location /results/ { root $work/dav; dav_methods PUT MKCOL; dav_access user:rw group:r all:r; }"
        check $? "network: the results server came up after the SMART check had ended ($work/nginx-results/error.log)"
        results_pid=$started_pid
        wait_Same_On_Server KVNETB0002.log 400 && wait_Same_On_Server KVNETB0002.jsonl 60
        check $? "network: then drive B's log and record arrived as $machine/KVNETB0002.log and .jsonl, equal to the machine's copies"
        end=$((SECONDS + 120))
        while [ $SECONDS -lt $end ] && machine_Copy kestrova-outbox.txt >/dev/null; do sleep 5; done
        ! machine_Copy kestrova-outbox.txt >/dev/null
        check $? "network: the outbox on the log disk is gone: nothing waits"
        sleep 5
        shot network-results-sent

        # With the server up: disk A is erased. (The finished check left the focus on drive B's
        # log button.)
        keys shift-tab
        move_Panels "$b_panel" "$a_panel"
        keys spc
        sleep 3
        dump "$work/before.ppm" >/dev/null
        keys ctrl-a # the advanced features' warning
        wait_Screen 60 "$work/before.ppm"
        dump "$work/before.ppm" >/dev/null
        keys f8 # the Advanced Features menu
        wait_Screen 60 "$work/before.ppm"
        dump "$work/before.ppm" >/dev/null
        keys down down down right ret # Erase, Overwrite Full
        wait_Screen 60 "$work/before.ppm"
        check $? "network: Erase, Overwrite Full of disk A asks for F8"
        shot network-erase-confirm
        keys f8
        wait_Log_Line "Erase Overwrite Full PASS" 900 KVNETA0001.log >/dev/null
        check $? "network: disk A's erase (Overwrite Full): PASS in KVNETA0001.log"
        # The record and the certificate are written once the operation has ended, after its
        # last log line.
        end=$((SECONDS + 120))
        while ! cert=$(machine_Files | grep -m 1 '^KVNETA0001-.*-erasure\.pdf$') && [ $SECONDS -lt $end ]; do sleep 5; done
        [ -n "$cert" ] || cert=no-certificate
        [ "$cert" != no-certificate ] && wait_Same_On_Server KVNETA0001.log 300 && wait_Same_On_Server KVNETA0001.jsonl 60 &&
            wait_Same_On_Server "$cert" 60
        check $? "network: the erase's log, record and certificate ($cert) arrived, equal to the machine's copies"
        sleep 8
        ok=0
        for f in KVNETB0002.log KVNETB0002.jsonl KVNETA0001.log KVNETA0001.jsonl "$cert"; do
            copy=$(machine_Copy "$f") && cmp -s "$copy" "$dav/$f" || { echo "    $f differs"; ok=1; }
        done
        check $ok "network: all five files on the server are still the machine's, byte for byte"
        shot network-sent
        puts_Once "$work/nginx-results/access.log" "/results/$machine/" KVNETB0002.log ONCE:KVNETB0002.jsonl \
            KVNETA0001.log ONCE:KVNETA0001.jsonl "ONCE:$cert" | sed 's/^/    /'
        check "${PIPESTATUS[0]}" "network: every PUT taken, each record and the certificate once, no content twice ($work/nginx-results/access.log)"
        timed_Power_Off "network: Exit" keys ctrl-x

        # After power off: at the end the program marks each log it wrote to ("Program ended"),
        # a line that is not a result and not sent; all else is as the server has it.
        ok=0
        for f in KVNETB0002.log KVNETA0001.log; do
            copy=$(machine_Copy "$f") && size=$(stat -c %s "$dav/$f") && cmp -s -n "$size" "$copy" "$dav/$f" &&
                [ "$(tail -c +$((size + 1)) "$copy" | wc -l)" -eq 1 ] &&
                tail -c +$((size + 1)) "$copy" | grep -q 'Program ended$' || { echo "    $f"; ok=1; }
        done
        for f in KVNETB0002.jsonl KVNETA0001.jsonl "$cert"; do
            copy=$(machine_Copy "$f") && cmp -s "$copy" "$dav/$f" || { echo "    $f differs"; ok=1; }
        done
        ! machine_Copy kestrova-outbox.txt >/dev/null || ok=1
        check $ok "network: after power off the log disk holds what the server has (the logs with their end mark after), no outbox"
        fsck.fat -n "$logs" >"$work/net-fsck.log" 2>&1 && ! grep -qi dirty "$work/net-fsck.log"
        check $? "network: the log disk was left clean ($work/net-fsck.log)"
        cmp -s -n "$erase_size" "$work/net-a.img" /dev/zero
        check $? "network: disk A holds zeros only: the erase covered every sector"
    fi
    for pid in "$nginx_pid" "$results_pid"; do [ -n "$pid" ] && kill "$pid" 2>/dev/null; done
    nginx_pid= results_pid=
fi

rm -f "$work"/*.img "$work"/*.ppm "$work"/*.fd
[ $failed -eq 0 ] && echo "image test: all checks passed" || echo "image test: some checks FAILED"
exit $failed
