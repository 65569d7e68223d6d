#!/bin/sh
# /init of the system test's virtual machine: loads the drivers, waits for the drives, then checks
# the device-access library (oskn-probe, kv-systemcheck) against smartctl, sg3_utils and dd.
# One line per check goes to the second serial port: "PASS <drive> <check>: <value>", or
# "FAIL <drive> <check>: library <value>, <peer> <value>" ("KNOWN FAIL ... (waits for issue N)"
# for a finding whose fix is planned). Each command has a bounded time.
export PATH=/bin:/usr/bin:/opt/kv
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
mkdir -p /tmp/lib

exec 3>/dev/ttyS1
say() { # one line each, whatever the values hold
    line=$(printf '%s' "$*" | tr '\n' ' ')
    echo "$line" >&3
    echo "$line"
}
stage() { echo "KV-SYSTEM: $* at $(cut -d ' ' -f 1 /proc/uptime) s"; } # console only
finish() { say "KV-SYSTEM: done"; sync; poweroff -f; }
STEP=60 # seconds any one command may take
t() { timeout "$STEP" "$@"; }

# check NAME LIBRARY-VALUE PEER-NAME PEER-VALUE [ISSUE]
check() {
    if [ "$2" = "$4" ]; then
        say "PASS $DRIVE $1: $2"
    elif [ -n "${5:-}" ]; then
        say "KNOWN FAIL $DRIVE $1: library '$2', $3 '$4' (waits for issue $5)"
    else
        say "FAIL $DRIVE $1: library '$2', $3 '$4'"
    fi
}

# dd with O_DIRECT. busybox's dd reads into a buffer of bs bytes that is aligned to a page only
# when bs is 4096 or more: with bs=512 the kernel refuses O_DIRECT on a SATA disk and dd quietly
# goes through the page cache instead, where it may meet what it read before rather than what the
# library wrote since. So bs is 1 MiB (4096 where a failed block is padded) and offsets are bytes.
# dd_Read DEV LBA COUNT SECTOR [BS [dd operands]]: the sectors to standard output.
dd_Read() {
    local d=$1 from=$2 n=$3 sector=$4 bs=${5:-1M}
    shift 4
    [ $# -gt 0 ] && shift
    t dd if="$d" iflag=direct,skip_bytes,count_bytes bs="$bs" skip=$((from * sector)) count=$((n * sector)) "$@" 2>/dev/null
}
# dd_Write FILE DEV LBA SECTOR: the file's bytes written at the LBA.
dd_Write() {
    t dd if="$1" of="$2" oflag=direct,seek_bytes bs=1M seek=$(($3 * $4)) conv=notrunc 2>/dev/null
}

# The read-speed disk, read through the library in the scans' 64-sector calls: for the figure
# against dd reading it in 1 MiB direct reads, best of three each, taking turns going first, and
# the ratio printed as a FIGURE line (bench/kernel_read_speed.sh); otherwise once. One at a time,
# 64-sector commands reach a fraction of the drive's speed: the library must read ahead in larger
# commands, several in flight, to keep up. Either way every call must read.
read_Speed() {
    node=$(node_Of KVSS0007)
    [ -n "$node" ] || { say "FAIL read-speed disk present: no device node answers with its serial"; return; }
    DRIVE="$node (KVSS0007)"
    dev=/dev/$node
    if [ ! -e /speed-only ]; then
        t kv-systemcheck read-all "$dev" > /tmp/out-library 2>&1 || echo "status=$?" >> /tmp/out-library
        check "whole-disk read in 64-sector calls: every call read" \
            "$(field failed < /tmp/out-library) failed, $(field status < /tmp/out-library)" expected "0 failed, "
        return
    fi
    # timed NAME COMMAND...: milliseconds into /tmp/ms-NAME (best so far kept), output in
    # /tmp/out-NAME. The library times its reads itself (ms=), leaving out its start-up; dd's
    # start is a few milliseconds and counts against it.
    timed() {
        name=$1
        shift
        start=$(kv-systemcheck now)
        "$@" > "/tmp/out-$name" 2>&1 || echo "status=$?" >> "/tmp/out-$name"
        ms=$((($(kv-systemcheck now) - start) / 1000000))
        own=$(field ms < "/tmp/out-$name")
        [ -n "$own" ] && ms=$own
        best=$(cat "/tmp/ms-$name" 2>/dev/null)
        [ -n "$best" ] && [ "$best" -le "$ms" ] || echo "$ms" > "/tmp/ms-$name"
        echo "$name $ms ms" # console only
        [ "$name" = library ] && check "whole-disk read in 64-sector calls, round $round: every call read" \
            "$(field failed < /tmp/out-library) failed, $(field status < /tmp/out-library)" expected "0 failed, "
    }
    for round in 1 2 3; do
        if [ "$round" = 2 ]; then
            timed dd t dd if="$dev" of=/dev/null bs=1M iflag=direct
            timed library t kv-systemcheck read-all "$dev"
        else
            timed library t kv-systemcheck read-all "$dev"
            timed dd t dd if="$dev" of=/dev/null bs=1M iflag=direct
        fi
    done
    lib_ms=$(cat /tmp/ms-library)
    dd_ms=$(cat /tmp/ms-dd)
    ratio=$(awk -v a="$lib_ms" -v b="$dd_ms" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 99) }')
    say "FIGURE $DRIVE whole-disk read ($(($(lib $node maxlba) / 2048 + 1)) MiB) in the library's 64-sector calls against dd bs=1M iflag=direct, best of three: ratio $ratio (library $lib_ms ms, dd $dd_ms ms)"
}

for m in ahci sd_mod sg sr_mod xhci_pci usb_storage virtio_pci virtio_scsi sym53c8xx nvme virtio_blk; do
    modprobe "$m" || say "FAIL boot: modprobe $m failed"
done
expected=$(($(wc -l < /drives.conf) + 2)) # the disks, the read-speed disk and the CD-ROM
waited=0
while :; do
    found=$(ls /sys/block | grep -c -E '^(sd|sr)')
    [ "$found" -ge "$expected" ] && break
    if [ "$waited" -ge 60 ]; then
        say "FAIL boot: $found of $expected drives appeared within 60 s: $(ls /sys/block | tr '\n' ' ')"
        break
    fi
    sleep 1
    waited=$((waited + 1))
done
while [ ! -e /sys/block/nvme0n2 ] || [ ! -e /sys/block/vda ]; do # the NVMe namespaces and the virtio-blk disk
    if [ "$waited" -ge 60 ]; then
        say "FAIL boot: the NVMe namespaces or the virtio-blk disk did not appear within 60 s: $(ls /sys/block | tr '\n' ' ')"
        break
    fi
    sleep 1
    waited=$((waited + 1))
done

stage "drives found"
for n in $(ls /sys/block | grep -E '^sd'); do # what bounds a command's size, for reading the timings
    q=/sys/block/$n/queue
    stage "$n queue: max_sectors_kb $(cat $q/max_sectors_kb), max_hw_sectors_kb $(cat $q/max_hw_sectors_kb)," \
        "max_segments $(cat $q/max_segments), nr_requests $(cat $q/nr_requests)"
done
# What the library finds, per device node: /tmp/lib/<node> holds key=value lines.
t oskn-probe > /tmp/probe.txt 2>&1 || say "FAIL library: oskn-probe ended with status $? ($(tail -n 1 /tmp/probe.txt))"
awk '
    /^\[[0-9]+\] / { node = $2; sub("/dev/", "", node); file = "/tmp/lib/" node; next }
    file == "" { next }
    { key = $1; sub(":$", "", key); value = $0; sub(/^ *[^:]*: */, "", value) }
    key == "type" || key == "interface" { split(value, v, " "); value = v[1] }
    key == "max" { key = "maxlba"; sub(/^LBA: */, "", value) }
    key == "sectors" { split(value, v, " "); print "logical=" v[1] > file; print "physical=" v[3] > file; next }
    key == "maker'"'"'s" { next }
    { print key "=" value > file }
' /tmp/probe.txt
lib() { sed -n "s/^$2=//p" "/tmp/lib/$1" 2>/dev/null; }
field() { sed -n "s/^ *$1 *[:=] *//p" | sed 's/ *$//' | head -n 1; }

# ---------------------------------------------------------------------------------------------
# Identity and geometry of every drive, against sg3_utils (SCSI side) and smartctl (ATA side).
# Each expected drive is found by the serial number sg_inq reads from its node.
for n in $(ls /sys/block | grep -E '^sd'); do
    echo "$n" > "/tmp/node-$(t sg_inq -p 0x80 "/dev/$n" 2>/dev/null | field 'Unit serial number')"
done
node_Of() { cat "/tmp/node-$1" 2>/dev/null; }
if [ -e /speed-only ]; then
    read_Speed
    finish
fi
while IFS='|' read -r serial interface type model firmware; do
    node=$(node_Of "$serial")
    DRIVE="$serial"
    if [ -z "$node" ]; then
        say "FAIL $DRIVE present: no device node answers with this serial"
        continue
    fi
    DRIVE="$node ($serial)"
    dev=/dev/$node
    check "drive type" "$(lib $node type)" set-up "$type"
    check "interface" "$(lib $node interface)" set-up "$interface"
    if [ "$type" = 1 ]; then
        t smartctl -i "$dev" > /tmp/peer-i.txt
        check model "$(lib $node model)" smartctl "$(field 'Device Model' < /tmp/peer-i.txt)"
        check serial "$(lib $node serial)" smartctl "$(field 'Serial Number' < /tmp/peer-i.txt)"
        check firmware "$(lib $node firmware)" smartctl "$(field 'Firmware Version' < /tmp/peer-i.txt)"
    else
        t sg_inq "$dev" > /tmp/peer-i.txt
        check model "$(lib $node model)" sg_inq \
            "$(field 'Vendor identification' < /tmp/peer-i.txt) $(field 'Product identification' < /tmp/peer-i.txt)"
        check serial "$(lib $node serial)" sg_inq "$serial"
        check firmware "$(lib $node firmware)" sg_inq "$(field 'Product revision level' < /tmp/peer-i.txt)"
    fi
    check "model and firmware as set up" "$(lib $node model), $(lib $node firmware)" set-up "$model, $firmware"
    t sg_readcap -l "$dev" > /tmp/peer-c.txt
    check "max LBA" "$(lib $node maxlba)" sg_readcap "$(sed -n 's/.*Last LBA=\([0-9]*\).*/\1/p' /tmp/peer-c.txt)"
    logical=$(sed -n 's/.*Logical block length=\([0-9]*\).*/\1/p' /tmp/peer-c.txt)
    exponent=$(sed -n 's/.*physical block exponent=\([0-9]*\).*/\1/p' /tmp/peer-c.txt)
    check "logical sector size" "$(lib $node logical)" sg_readcap "$logical"
    check "physical sector size" "$(lib $node physical)" sg_readcap "$((logical << ${exponent:-0}))"
done < /drives.conf

for n in $(ls /sys/block | grep -E '^sr'); do
    DRIVE="$n (CD-ROM)"
    check "drive type" "$(lib $n type)" set-up 4
    check "interface" "$(lib $n interface)" set-up 1
    t sg_inq "/dev/$n" > /tmp/peer-i.txt
    check model "$(lib $n model)" sg_inq \
        "$(field 'Vendor identification' < /tmp/peer-i.txt) $(field 'Product identification' < /tmp/peer-i.txt)"
done

stage "identity checked"

# ---------------------------------------------------------------------------------------------
# SATA disks: IDENTIFY, SMART attributes, health and the self-test log (after a self-test the
# library started), against sg_sat_identify and smartctl.
for serial in KVSA0001 KVSB0002; do
    node=$(node_Of $serial) && [ -n "$node" ] || continue
    DRIVE="$node ($serial)"
    dev=/dev/$node
    index=$(awk -v d="$dev" '/^\[[0-9]+\] / && $2 == d { gsub(/[][]/, "", $1); print $1 }' /tmp/probe.txt)
    check "self-test started" "$(t kv-systemcheck self-test "$dev" | field rc)" expected 0
    t oskn-probe "$index" > /tmp/detail.txt 2>&1

    awk '/^IDENTIFY DEVICE words:/ { on = 1; next } on && /^ +[0-9]+:/ { for (i = 2; i <= NF; ++i) print $i; next } on { exit }' \
        /tmp/detail.txt > /tmp/lib-words.txt
    t sg_sat_identify -r "$dev" 2>/dev/null | od -An -v -tx2 -w2 | tr -d ' ' > /tmp/peer-words.txt
    words=$(paste -d ' ' /tmp/lib-words.txt /tmp/peer-words.txt | awk '
        { ++n; if ($1 != $2 && bad == "") bad = "word " (n - 1) ": library " $1 ", sg_sat_identify " $2 }
        END { print (n == 256 && bad == "") ? "256 words equal" : (bad != "" ? bad : n " words") }')
    check "IDENTIFY words" "$words" sg_sat_identify "256 words equal"

    # id value worst threshold raw, one attribute a line, in id order.
    awk '/^SMART attributes:/ { on = 1; getline; next } on && /^ +[0-9]+ / { print $1, $(NF-3), $(NF-2), $(NF-1), $NF; next } on { exit }' \
        /tmp/detail.txt > /tmp/lib-smart.txt
    ids=$(t smartctl -A "$dev" | awk '$1 ~ /^[0-9]+$/ && NF >= 10 { printf "-v %s,raw48 ", $1 }')
    # shellcheck disable=SC2086
    # smartctl writes thresholds as 006: strip the zeros rather than let awk read them as octal.
    t smartctl -A $ids "$dev" | awk 'function dec(s) { sub(/^0+/, "", s); return s == "" ? "0" : s }
        $1 ~ /^[0-9]+$/ && NF >= 10 { print $1, dec($4), dec($5), dec($6), $10 }' > /tmp/peer-smart.txt
    while read -r id value worst thresh raw; do
        check "SMART attribute $id (value worst threshold raw)" "$value $worst $thresh $raw" smartctl \
            "$(awk -v id="$id" '$1 == id { print $2, $3, $4, $5 }' /tmp/peer-smart.txt)"
    done < /tmp/lib-smart.txt
    check "SMART attribute ids" "$(cut -d ' ' -f 1 /tmp/lib-smart.txt | tr '\n' ' ')" smartctl \
        "$(cut -d ' ' -f 1 /tmp/peer-smart.txt | tr '\n' ' ')"

    check "health" "$(sed -n 's/^Health: \([A-Z]*\).*/\1/p' /tmp/detail.txt)" smartctl \
        "$(t smartctl -H "$dev" | sed -n 's/.*self-assessment test result: *\([A-Z]*\).*/\1/p')"

    # Self-test log entries, most recent first: status text and lifetime hours.
    awk '/^Self-test log/ { on = 1; next } on && /^ +#/ { s = $0; sub(/^ +#[0-9]+ +type 0x[0-9a-f]+ +/, "", s); h = s
         sub(/ +at +[0-9]+ h.*/, "", s); sub(/.* at +/, "", h); sub(/ h.*/, "", h); print tolower(s) "@" h; next } on { exit }' \
        /tmp/detail.txt > /tmp/lib-log.txt
    t smartctl -l selftest "$dev" | awk '/^# *[0-9]+ / { line = $0; sub(/^# *[0-9]+ +/, "", line)
         n = split(line, f, /  +/); print tolower(f[2]) "@" f[4] }' > /tmp/peer-log.txt
    check "self-test log" "$(tr '\n' ' ' < /tmp/lib-log.txt)" smartctl "$(tr '\n' ' ' < /tmp/peer-log.txt)"
done

stage "SATA details checked"
# ---------------------------------------------------------------------------------------------
# Data path on every disk: the library's writes read back by dd with O_DIRECT and dd's writes
# read back by the library, at the start, the middle and the drive's last LBA, with and
# without FUA; reads past the end refused.
seed=1
for serial in $(cut -d '|' -f 1 /drives.conf); do
    node=$(node_Of $serial) && [ -n "$node" ] || continue
    DRIVE="$node ($serial)"
    dev=/dev/$node
    size=$(lib $node logical)
    max=$(lib $node maxlba)
    for spec in "0 8 0" "1000 64 1" "$((max - 7)) 8 1" "$((max - 15)) 8 0"; do
        set -- $spec
        seed=$((seed + 1))
        rc=$(t kv-systemcheck write "$dev" "$1" "$2" "$seed" "$3" | field rc)
        dd_Read "$dev" "$1" "$2" "$size" > /tmp/got
        kv-systemcheck pattern "$1" "$2" "$size" "$seed" > /tmp/want
        same=$(cmp -s /tmp/got /tmp/want && echo equal || echo "differs ($(cmp /tmp/got /tmp/want 2>&1 | head -n 1))")
        check "WRITE(16) of $2 at LBA $1 (FUA $3) read by dd" "rc $rc, data $same" dd "rc 0, data equal"
    done
    for spec in "8 8 1" "2000 64 0" "$((max - 7)) 8 0" "$((max - 23)) 8 1"; do
        set -- $spec
        seed=$((seed + 1))
        kv-systemcheck pattern "$1" "$2" "$size" "$seed" > /tmp/want
        dd_Write /tmp/want "$dev" "$1" "$size"
        t kv-systemcheck read "$dev" "$1" "$2" "$3" > /tmp/got 2>/tmp/err
        same=$(cmp -s /tmp/got /tmp/want && echo equal ||
            echo "differs ($(cat /tmp/err; cmp /tmp/got /tmp/want 2>&1 | head -n 1))")
        check "READ(16) of $2 at LBA $1 (FUA $3) of what dd wrote" "data $same" dd "data equal"
    done
    t kv-systemcheck past-end "$dev" > /tmp/past.txt
    check "read past the max LBA" "$(field library_past < /tmp/past.txt) $(field library_across < /tmp/past.txt) sent $(field library_sent < /tmp/past.txt)" \
        expected "6 6 sent 0"
    # The same READ(16) from sg_raw: refused the same way (the sense key says by whom).
    lba=$(printf '%016x' $((max + 1)) | sed 's/../& /g')
    t sg_raw -r "$size" "$dev" 88 00 $lba 00 00 00 01 00 00 > /tmp/peer-past.txt 2>&1 && peer=accepted || peer=refused
    key=$(sed -n 's/.*Sense key: *//p' /tmp/peer-past.txt | head -n 1)
    case "$key" in
    "No Sense") key=0 ;; "Recovered Error") key=1 ;; "Not Ready") key=2 ;; "Medium Error") key=3 ;;
    "Hardware Error") key=4 ;; "Illegal Request") key=5 ;; "Unit Attention") key=6 ;; "Aborted Command") key=b ;;
    esac
    [ "$(field drive_past < /tmp/past.txt)" = 0 ] && mine=accepted || mine=refused
    check "READ(16) past the max LBA sent anyway" "$mine, sense key $(field drive_sense < /tmp/past.txt | cut -d / -f 1)" \
        sg_raw "$peer, sense key $key"
done

# dd's reads are direct. While a process holds the disk open (the page cache of a block device is
# dropped at its last close), dd's buffered read leaves the sectors in the page cache; the
# library's WRITE(16) goes past it (SG_IO), so only a direct read sees what the library wrote.
for serial in KVSA0001 KVSL0005; do
    node=$(node_Of $serial) && [ -n "$node" ] || continue
    DRIVE="$node ($serial)"
    dev=/dev/$node
    size=$(lib $node logical)
    exec 4< "$dev"
    t dd if="$dev" bs=4096 skip=$((3000 * size / 4096)) count=1 2>/dev/null > /dev/null
    rc=$(t kv-systemcheck write "$dev" 3000 8 4242 0 | field rc)
    dd_Read "$dev" 3000 8 "$size" > /tmp/got
    exec 4<&-
    kv-systemcheck pattern 3000 8 "$size" 4242 > /tmp/want
    same=$(cmp -s /tmp/got /tmp/want && echo "the library's data" || echo "what the page cache kept")
    check "dd's direct read after a cached read and a library WRITE(16) at LBA 3000" "rc $rc, $same" dd "rc 0, the library's data"
done

stage "data path checked"
# ---------------------------------------------------------------------------------------------
# The long generic test's reads over the whole SATA-B disk, whose sector $(cat /bad-lba) fails.
node=$(node_Of KVSB0002)
if [ -n "$node" ]; then
    DRIVE="$node (KVSB0002)"
    t kv-systemcheck scan "/dev/$node" > /tmp/scan.txt
    check "long generic scan: every LBA read once ($(field stale_rereads < /tmp/scan.txt) read again once their window expired)" \
        "$(field coverage < /tmp/scan.txt)" expected \
        "0-$(lib $node maxlba) once"
    check "long generic scan: unreadable LBAs" "$(field bad < /tmp/scan.txt | sed 's/:[0-9]*//g')" blkdebug "$(cat /bad-lba)"
    check "long generic scan: every transfer buffer 4096-byte aligned (largest offset)" \
        "$(field buffer_alignment < /tmp/scan.txt)" expected 0
    # Read ahead: commands of 1 MiB or more, or as large as the kernel takes for the node.
    largest=$(field largest_read_bytes < /tmp/scan.txt)
    limit=$(field kernel_limit_bytes < /tmp/scan.txt)
    q=/sys/block/$node/queue
    window=$(awk -v l="${largest:-0}" -v k="${limit:-0}" 'BEGIN {
        if (k == 0) print "no kernel limit known"; else if (l > k) print l " bytes, above the limit";
        else if (l >= 1048576 || l > k - 32768) print "1 MiB or the limit"; else print l " bytes" }')
    check "long generic scan: read-ahead commands ($largest bytes; kernel limit $limit bytes from max_sectors_kb $(cat $q/max_sectors_kb), max_segments $(cat $q/max_segments))" \
        "$window" expected "1 MiB or the limit"
fi

# The program's own long generic test (its operation object, as the program runs it) over the
# disks with an unreadable sector, SATA and SCSI: the kernel reports the sector as ABORTED
# COMMAND, yet it is an unreadable sector like any other and the scan reads on to the end.
for spec in "KVSB0002 /bad-lba" "KVSV0006 /scsi-bad-lba"; do
    set -- $spec
    node=$(node_Of "$1") && [ -n "$node" ] || continue
    DRIVE="$node ($1)"
    t kv-longscan "/dev/$node" > /tmp/longscan.txt 2>&1
    check "long generic test: status, unreadable LBAs" \
        "$(field status < /tmp/longscan.txt), $(field bad < /tmp/longscan.txt)" expected "1, $(cat "$2")"
    check "long generic test: result" "$(field result < /tmp/longscan.txt)" expected \
        "Warning: LongGeneric::execute() - returned: FAILURE for SN: $1 - Contains: 1 errors"
done

stage "scan checked"
# ---------------------------------------------------------------------------------------------
# Read-ahead on every disk: 8 MiB and 5 sectors over a pattern dd wrote, read through the
# library in a scan's 64-sector calls (served from larger commands), against dd reading the same
# span. On SATA-B the call covering the unreadable sector fails, alone (dd reads it sector by
# sector and pads it), and the calls around it still read the disk's data.
for serial in $(cut -d '|' -f 1 /drives.conf); do
    node=$(node_Of $serial) && [ -n "$node" ] || continue
    DRIVE="$node ($serial)"
    dev=/dev/$node
    size=$(lib $node logical)
    start=$((4194304 / size))
    count=$((8388608 / size + 5))
    kv-systemcheck pattern "$start" "$count" "$size" 77 > /tmp/want
    dd_Write /tmp/want "$dev" "$start" "$size"
    t kv-systemcheck read-calls "$dev" "$start" "$count" > /tmp/got 2> /tmp/calls.txt
    expected_failed=none
    if [ "$serial" = KVSB0002 ]; then
        # 4096-byte blocks, the unreadable one padded with zeros (inside the failed call's 64
        # sectors, which the library's side holds as zeros too), cut to the span.
        dd_Read "$dev" "$start" "$count" "$size" 4096 conv=noerror,sync | head -c $((count * size)) > /tmp/peer
        expected_failed=$((start + ($(cat /bad-lba) - start) / 64 * 64))
        dd if=/dev/zero of=/tmp/peer bs="$size" seek=$((expected_failed - start)) count=64 conv=notrunc 2>/dev/null
    else
        dd_Read "$dev" "$start" "$count" "$size" > /tmp/peer
    fi
    largest=$(field largest_read_bytes < /tmp/calls.txt)
    ahead=$([ "${largest:-0}" -gt $((64 * size)) ] && echo "read ahead" || echo "not read ahead")
    same=$(cmp -s /tmp/got /tmp/peer && echo equal || echo "differs ($(cmp /tmp/got /tmp/peer 2>&1 | head -n 1))")
    check "64-sector READ(16) calls over $count sectors at LBA $start (largest command $largest bytes): failed calls, data" \
        "$(field failed < /tmp/calls.txt | sed 's/:[0-9]*//g'), $ahead, data $same" dd "$expected_failed, read ahead, data equal"
done

stage "read-ahead data checked"
# ---------------------------------------------------------------------------------------------
# The read-speed disk read once through the library; how fast is bench/kernel_read_speed.sh's.
read_Speed

stage "read speed checked"
# ---------------------------------------------------------------------------------------------
# Write same: where the library says the drive can, it must, and the span must read back zero.
# Security protocols: the library's answer against SECURITY PROTOCOL IN sent by sg_raw, and the
# question must reach the drive rather than be refused by the kernel.
for serial in KVSA0001 KVSL0005; do
    node=$(node_Of $serial) && [ -n "$node" ] || continue
    DRIVE="$node ($serial)"
    dev=/dev/$node
    size=$(lib $node logical)
    kv-systemcheck pattern 4096 256 "$size" 99 > /tmp/want
    dd_Write /tmp/want "$dev" 4096 "$size"
    t kv-systemcheck write-same "$dev" 4096 256 > /tmp/ws.txt
    supported=$(field supported < /tmp/ws.txt)
    rc=$(field rc < /tmp/ws.txt)
    if [ "$supported" = 1 ]; then
        dd_Read "$dev" 4096 256 "$size" | od -An -v -tx1 | tr -d ' \n' | tr -d 0 > /tmp/nonzero
        zero=$([ -s /tmp/nonzero ] && echo "not zero" || echo zero)
        check "write same of 256 at LBA 4096 (supported)" "rc $rc, $zero" dd "rc 0, zero"
    else
        check "write same refused where not supported" "rc $rc" expected "rc 14"
    fi

    t kv-systemcheck security "$dev" > /tmp/sec.txt
    t sg_raw -r 512 "$dev" a2 00 00 00 00 00 00 00 02 00 00 00 >/dev/null 2>&1 && peer=yes || peer=no
    [ "$(field rc < /tmp/sec.txt)" = 0 ] && mine=yes || mine=no
    check "security protocols answered" "$mine" "sg_raw SECURITY PROTOCOL IN" "$peer"
    issue=""
    check "security protocol query reaches the drive (kernel refused)" "$(field kernel_refused < /tmp/sec.txt)" \
        expected no $issue
done

stage "write same and security checked"
# ---------------------------------------------------------------------------------------------
# NVMe namespaces (QEMU's controller: one of 512-byte, one of 4096-byte blocks) against nvme-cli
# and dd: identity, geometry, the health log, every block readable through the library including
# the last, and the short self-test, which QEMU's controller does not offer: then the library
# must refuse it (UNABLE TO RUN, 14) and the drive must refuse nvme-cli's start too.
# nfield KEY: the value of "KEY : value" in nvme-cli's human output (tabs or blanks around ':').
nfield() { sed -n "s/^$1[[:space:]]*:[[:space:]]*//p" | sed 's/[[:space:]]*$//' | head -n 1; }
t nvme id-ctrl /dev/nvme0 > /tmp/peer-ctrl.txt 2>&1
for node in nvme0n1 nvme0n2; do
    DRIVE="$node (KVNV0008)"
    dev=/dev/$node
    [ -e "$dev" ] || { say "FAIL $DRIVE present: no device node"; continue; }
    index=$(awk -v d="$dev" '/^\[[0-9]+\] / && $2 == d { gsub(/[][]/, "", $1); print $1 }' /tmp/probe.txt)
    check "drive type" "$(lib $node type)" set-up 3
    check "interface" "$(lib $node interface)" set-up 4
    check model "$(lib $node model)" nvme-cli "$(nfield mn < /tmp/peer-ctrl.txt)"
    check serial "$(lib $node serial)" nvme-cli "$(nfield sn < /tmp/peer-ctrl.txt)"
    check firmware "$(lib $node firmware)" nvme-cli "$(nfield fr < /tmp/peer-ctrl.txt)"
    t nvme id-ns "$dev" > /tmp/peer-ns.txt 2>&1
    nsze=$(nfield nsze < /tmp/peer-ns.txt)
    check "max LBA" "$(lib $node maxlba)" nvme-cli "$((nsze - 1))"
    lbads=$(sed -n 's/^lbaf.*lbads:\([0-9]*\).*(in use).*/\1/p' /tmp/peer-ns.txt | head -n 1)
    check "logical sector size" "$(lib $node logical)" nvme-cli "$((1 << ${lbads:-0}))"

    t oskn-probe "$index" > /tmp/detail.txt 2>&1
    t nvme smart-log "$dev" > /tmp/peer-health.txt 2>&1
    health() { sed -n "s/^ *$1 *//p" /tmp/detail.txt | head -n 1; }
    first() { nfield "$1" < /tmp/peer-health.txt | sed 's/[^0-9].*//'; }
    check "health: critical warning" "$(($(health 'critical warning')))" nvme-cli "$(first critical_warning)"
    check "health: temperature (K)" "$(health temperature | sed 's/.*(\([0-9]*\) K).*/\1/')" nvme-cli \
        "$(nfield temperature < /tmp/peer-health.txt | sed -n 's/.*(\([0-9]*\) Kelvin).*/\1/p')"
    check "health: available spare, threshold" "$(health 'available spare' | tr -d '%' | sed 's/, threshold /,/')" \
        nvme-cli "$(first available_spare),$(first available_spare_threshold)"
    check "health: percentage used" "$(health 'percentage used' | tr -d '%')" nvme-cli "$(first percentage_used)"
    check "health: data units written" "$(health 'data units read' | sed 's/.*written //')" nvme-cli \
        "$(first 'Data Units Written')"
    check "health: power cycles, power-on hours, unsafe shutdowns" \
        "$(health 'power cycles'), $(health 'power-on hours'), $(health 'unsafe shutdowns')" nvme-cli \
        "$(first power_cycles), $(first power_on_hours), $(first unsafe_shutdowns)"
    check "health: media errors, error log entries" "$(health 'media errors'), $(health 'error log entries')" \
        nvme-cli "$(first media_errors), $(first num_err_log_entries)"
    check "health verdict" "$(sed -n 's/^Health: \([A-Z]*\).*/\1/p' /tmp/detail.txt)" nvme-cli \
        "$([ "$(first critical_warning)" = 0 ] && echo PASSED || echo FAILING)"

    size=$(lib $node logical)
    max=$(lib $node maxlba)
    t dd if="$dev" of=/dev/null bs=1M iflag=direct 2>/tmp/dd-all.txt && peer=read || peer="failed ($(tail -n 1 /tmp/dd-all.txt))"
    t kv-systemcheck read-all "$dev" > /tmp/out-all 2>&1
    check "every block read in 64-sector calls (dd bs=1M: $peer)" "$(field failed < /tmp/out-all) failed" dd "0 failed"
    for spec in "0 8" "$((max - 7)) 8"; do
        set -- $spec
        kv-systemcheck pattern "$1" "$2" "$size" 55 > /tmp/want
        dd_Write /tmp/want "$dev" "$1" "$size"
        t kv-systemcheck read "$dev" "$1" "$2" 0 > /tmp/got 2>/tmp/err
        check "read of $2 blocks at LBA $1 (the last: $max) of what dd wrote" \
            "$(cmp -s /tmp/got /tmp/want && echo equal || echo "differs ($(cat /tmp/err))")" dd equal
    done
    t kv-systemcheck past-end "$dev" > /tmp/past.txt
    check "read past the max LBA refused" "$(field library_past < /tmp/past.txt) $(field library_across < /tmp/past.txt)" \
        expected "6 6"

    rc=$(t kv-systemcheck self-test "$dev" | field rc)
    oacs=$(nfield oacs < /tmp/peer-ctrl.txt)
    offered=$(( (${oacs:-0} >> 4) & 1 ))
    if [ "$offered" = 1 ]; then
        check "short self-test (offered)" "rc $rc" nvme-cli "rc 0"
    else
        t nvme device-self-test /dev/nvme0 -n 1 -s 1 > /tmp/peer-dst.txt 2>&1 && peer=started || peer=refused
        check "short self-test, not offered (OACS $oacs): UNABLE TO RUN, and the drive refuses nvme-cli's" \
            "rc $rc, refused" nvme-cli "rc 14, $peer"
    fi
done

# The program's long generic test over the 4096-byte namespace and the virtio-blk disk.
for spec in "nvme0n2 KVNV0008" "vda KVVB0009"; do
    set -- $spec
    DRIVE="$1 ($2)"
    [ -e "/dev/$1" ] || { say "FAIL $DRIVE present: no device node"; continue; }
    t kv-longscan "/dev/$1" > /tmp/longscan.txt 2>&1
    check "long generic test: status, unreadable LBAs" \
        "$(field status < /tmp/longscan.txt), $(field bad < /tmp/longscan.txt)" expected "0, none"
done

# The virtio-blk disk: listed as a block-only drive, identity from sysfs, every block read.
DRIVE="vda (KVVB0009)"
check "drive type" "$(lib vda type)" set-up 5
check serial "$(lib vda serial)" sysfs "$(cat /sys/block/vda/serial 2>/dev/null)"
check "max LBA" "$(lib vda maxlba)" sysfs "$(($(cat /sys/block/vda/size) - 1))"
t kv-systemcheck read-all /dev/vda > /tmp/out-all 2>&1
check "every block read in 64-sector calls" "$(field failed < /tmp/out-all) failed" expected "0 failed"

stage "NVMe and block-only drives checked"
# ---------------------------------------------------------------------------------------------
# NVMe erases. Each one QEMU's controller offers (Format NVM as the crypto erase of a controller
# without Sanitize, Write Zeroes, the overwrite in writes) leaves every block of the namespace
# zero per dd, the last included, over a pattern dd wrote first; each it does not offer (Sanitize,
# Security Send/Receive, as nvme-cli reads SANICAP and OACS) ends UNABLE TO RUN (14), and the
# drive refuses nvme-cli's own command too.
sanicap=$(($(nfield sanicap < /tmp/peer-ctrl.txt)))
oacs=$(($(nfield oacs < /tmp/peer-ctrl.txt)))
fna=$(($(nfield fna < /tmp/peer-ctrl.txt)))
# zero_State DEV SECTOR MAX: "zero", or the first block that is not (or where dd's reads ended)
zero_State() {
    local bytes=$((($3 + 1) * $2)) out
    out=$(dd_Read "$1" 0 $(($3 + 1)) "$2" | cmp -n "$bytes" - /dev/zero 2>&1) && { echo zero; return; }
    case "$out" in
    *"char "*) echo "block $(( ($(echo "$out" | sed -n 's/.*char \([0-9]*\).*/\1/p') - 1) / $2 )) not zero" ;;
    *) echo "unreadable ($out)" ;;
    esac
}
# fill DEV SECTOR MAX: a pattern over every block, checked as written
fill() {
    local bytes=$((($3 + 1) * $2))
    tr '\000' '\245' < /dev/zero | head -c "$bytes" > /tmp/fill
    dd_Write /tmp/fill "$1" 0 "$2"
    dd_Read "$1" 0 $(($3 + 1)) "$2" | cmp -s - /tmp/fill && echo written || echo "not written"
    rm -f /tmp/fill
}
DRIVE="nvme0 (KVNV0008)"
for spec in "overwrite-sanitize 4 3" "block-sanitize 2 2"; do
    set -- $spec
    rc=$(t kv-systemcheck erase /dev/nvme0n1 "$1" | field rc)
    if [ $((sanicap & $2)) != 0 ]; then
        check "$1 (SANICAP $sanicap offers it)" "rc $rc" nvme-cli "rc 0"
    else
        t nvme sanitize /dev/nvme0 --sanact="$3" > /tmp/peer-san.txt 2>&1 && peer=started || peer=refused
        check "$1, not offered (SANICAP $sanicap): UNABLE TO RUN, and the drive refuses nvme-cli's" \
            "rc $rc, refused" nvme-cli "rc 14, $peer"
    fi
done
for node in nvme0n1 nvme0n2; do
    DRIVE="$node (KVNV0008)"
    dev=/dev/$node
    [ -e "$dev" ] || continue
    size=$(lib $node logical)
    max=$(lib $node maxlba)
    t kv-systemcheck security "$dev" > /tmp/sec.txt
    t nvme security-recv /dev/nvme0 --namespace-id=1 --secp=0 --spsp=0 --size=512 --al=512 > /tmp/peer-sec.txt 2>&1 &&
        peer=answered || peer=refused
    if [ $((oacs & 1)) != 0 ]; then
        check "security protocols (OACS $oacs offers Security Send/Receive)" "rc $(field rc < /tmp/sec.txt)" nvme-cli "rc 0"
    else
        check "security protocols, Security Send/Receive not offered (OACS $oacs): UNABLE TO RUN, and the drive refuses nvme-cli's" \
            "rc $(field rc < /tmp/sec.txt), refused" nvme-cli "rc 14, $peer"
    fi
    # The crypto erase's command: Sanitize where offered, else Format NVM, cryptographic where FNA says so.
    if [ $((sanicap & 1)) != 0 ]; then expected="rc 0, method 1"
    elif [ $((oacs & 2)) = 0 ]; then expected="rc 14, method 0"
    elif [ $((fna & 4)) != 0 ]; then expected="rc 0, method 2"
    else expected="rc 0, method 3"; fi
    for erase in crypto zeroes overwrite; do
        written=$(fill "$dev" "$size" "$max")
        t kv-systemcheck erase "$dev" "$erase" > /tmp/erase.txt 2>&1
        case $erase in
        crypto) got="rc $(field rc < /tmp/erase.txt), method $(field method < /tmp/erase.txt)"
            name="crypto erase (SANICAP $sanicap, OACS $oacs, FNA $fna)"
            want="$expected" ;;
        zeroes) got="rc $(field rc < /tmp/erase.txt), supported $(field supported < /tmp/erase.txt)"
            name="write same by Write Zeroes over every block"
            want="rc 0, supported 1" ;;
        *) got="rc $(field rc < /tmp/erase.txt)"
            name="overwrite erase in writes of every block"
            want="rc 0" ;;
        esac
        [ "${want#rc 14}" = "$want" ] && zero=zero || zero=$(zero_State "$dev" "$size" "$max")
        check "$name, pattern $written before, blocks 0-$max after per dd" "$got, pattern $written, $(zero_State "$dev" "$size" "$max")" \
            "nvme-cli, dd" "$want, pattern written, $zero"
    done
done

finish
