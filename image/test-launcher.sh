#!/bin/bash
# The launcher's answer to each way the program ends, with xinit, systemctl, umount, mountpoint
# and sleep replaced by stubs that record what they are asked: 2 powers off, 1 leaves the
# terminal, a crash (or an X server that never ran the program) says so and offers R or T.
set -u
here=$(cd "$(dirname "$0")" && pwd)
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
mkdir -p "$t/bin" "$t/logs" "$t/state"
export KESTROVA_LOGS_DIR=$t/logs KESTROVA_STATE_DIR=$t/state KESTROVA_CONSOLES= STUBS=$t PATH="$t/bin:$PATH"
# Each run of the program takes the next line of $t/statuses; an empty line leaves no status.
cat >"$t/bin/xinit" <<'STUB'
#!/bin/bash
echo "xinit ${KESTROVA_LOGS_IN_MEMORY:+memory }$*" >>"$STUBS/calls"
s=$(head -n 1 "$STUBS/statuses")
sed -i 1d "$STUBS/statuses"
[ -n "$s" ] && echo "$s" >"$KESTROVA_STATE_DIR/status"
exit 0
STUB
for c in systemctl umount; do printf '#!/bin/sh\necho "%s $*" >>"$STUBS/calls"\n' $c >"$t/bin/$c"; done
printf '#!/bin/sh\nexit 0\n' >"$t/bin/mountpoint"
printf '#!/bin/sh\nexit 0\n' >"$t/bin/sleep"
chmod +x "$t"/bin/*

failed=0
case_() { # name statuses keys medium expected-calls expected-output
    printf '%b' "$2" >"$t/statuses"
    : >"$t/calls"
    echo "$4" >"$t/state/medium"
    local out calls
    out=$(printf '%b' "$3" | bash "$here/launcher" 2>&1)
    calls=$(sed 's/ \/opt.*//; s/^umount .*/umount/' "$t/calls" | paste -sd '|')
    if [ "$calls" = "$5" ] && grep -q -- "$6" <<<"$out"; then
        echo "PASS $1"
    else
        echo "FAIL $1: calls '$calls' (expected '$5'), output:"
        sed 's/^/    /' <<<"$out"
        failed=1
    fi
}
case_ "status 2: sync and power off" '2\n' '' /dev/sdb3 'xinit|umount|systemctl poweroff' 'asked to power off'
case_ "status 1: the terminal" '1\n' '' /dev/sdb3 'xinit' 'kestrova    start the program again'
case_ "crash, R: restarted, then power off" '139\n2\n' 'r' /dev/sdb3 'xinit|xinit|umount|systemctl poweroff' \
    'ended unexpectedly (status 139)'
case_ "no status at all, T: the terminal" '\n' 'xt' /dev/sdb3 'xinit' 'ended unexpectedly (status none)'
case_ "logs in memory: the program is told, the terminal says so" '1\n' '' memory 'xinit memory' \
    'in memory only: copy them before powering off'
exit $failed
