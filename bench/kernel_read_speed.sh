#!/bin/bash
# The library's read speed on a real kernel: boots the system test's virtual machine
# (autotests/system/run.sh) for the read-speed disk alone, a 1 GiB disk that takes its time per
# command as a drive does, and prints how long the library's 64-sector calls take to read it
# against dd reading it in 1 MiB direct reads (best of three each; 1.00 means as fast as dd).
#   bench/kernel_read_speed.sh [BUILD_DIR [WORK_DIR]]        (BUILD_DIR defaults to build)
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd) || exit 1
work=${2:-$build/bench-kernel-read-speed}
KV_SYSTEM_SPEED=1 "$here/../autotests/system/run.sh" "$build" "$work" > "$work.log" 2>&1
status=$?
grep -E '^(FAIL|FIGURE) ' "$work.log"
grep -q '^FIGURE ' "$work.log" || { echo "no figure (status $status): see $work.log"; exit 1; }
exit $status
