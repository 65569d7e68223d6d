#!/bin/bash
# The image's network, without building it: which kernel modules stay, the network boot's
# files and their boot lines, and resolv.conf written from DHCP leases.
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/network.sh"
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
failed=0
check() { # status what
    if [ "$1" -eq 0 ]; then echo "PASS $2"; else echo "FAIL $2"; failed=1; fi
}

# --- the wired drivers, with what they need from elsewhere; nothing else of the network -------
m=$t/modules
mods="kernel/drivers/net/virtio_net.ko kernel/drivers/net/net_failover.ko kernel/net/core/failover.ko
kernel/drivers/net/ethernet/intel/e1000e/e1000e.ko kernel/drivers/net/ethernet/realtek/r8169.ko
kernel/drivers/net/phy/realtek.ko kernel/drivers/net/usb/r8152.ko kernel/drivers/net/mii.ko
kernel/drivers/net/wireless/intel/iwlwifi/iwlwifi.ko kernel/net/wireless/cfg80211.ko kernel/net/mac80211/mac80211.ko
kernel/net/bluetooth/bluetooth.ko kernel/drivers/net/wireguard/wireguard.ko kernel/drivers/net/tun.ko
kernel/drivers/ata/ahci.ko kernel/drivers/virtio/virtio.ko"
for f in $mods; do mkdir -p "$m/${f%/*}" && : >"$m/$f"; done
cat >"$m/modules.dep" <<'EOF'
kernel/drivers/net/virtio_net.ko: kernel/drivers/net/net_failover.ko kernel/net/core/failover.ko kernel/drivers/virtio/virtio.ko
kernel/drivers/net/net_failover.ko: kernel/net/core/failover.ko
kernel/net/core/failover.ko:
kernel/drivers/net/ethernet/intel/e1000e/e1000e.ko:
kernel/drivers/net/ethernet/realtek/r8169.ko: kernel/drivers/net/phy/realtek.ko
kernel/drivers/net/phy/realtek.ko:
kernel/drivers/net/usb/r8152.ko: kernel/drivers/net/mii.ko
kernel/drivers/net/mii.ko:
kernel/drivers/net/wireless/intel/iwlwifi/iwlwifi.ko: kernel/net/wireless/cfg80211.ko
kernel/net/wireless/cfg80211.ko:
kernel/net/mac80211/mac80211.ko: kernel/net/wireless/cfg80211.ko
kernel/net/bluetooth/bluetooth.ko:
kernel/drivers/net/wireguard/wireguard.ko:
kernel/drivers/net/tun.ko:
kernel/drivers/ata/ahci.ko:
kernel/drivers/virtio/virtio.ko:
EOF
prune_To_Wired "$m"
check $? "modules: the wired drivers are found"
left=$(cd "$m" && find kernel -name '*.ko' | sort | paste -sd ' ')
want="kernel/drivers/ata/ahci.ko kernel/drivers/net/ethernet/intel/e1000e/e1000e.ko kernel/drivers/net/ethernet/realtek/r8169.ko kernel/drivers/net/mii.ko kernel/drivers/net/net_failover.ko kernel/drivers/net/phy/realtek.ko kernel/drivers/net/usb/r8152.ko kernel/drivers/net/virtio_net.ko kernel/drivers/virtio/virtio.ko kernel/net/core/failover.ko"
[ "$left" = "$want" ] || echo "    left: $left"
[ "$left" = "$want" ]
check $? "modules: wired cards and their dependencies (the network core's failover too) stay; wireless, bluetooth and tunnels go"
[ ! -e "$m/kernel/net/wireless" ] && [ ! -e "$m/kernel/drivers/net/wireless" ] && [ -d "$m/kernel/net/core" ]
check $? "modules: emptied directories go, those still holding a module stay"
rm -f "$m/kernel/drivers/net/virtio_net.ko"
sed -i '/^kernel\/drivers\/net\/virtio_net/d' "$m/modules.dep"
prune_To_Wired "$m"
[ $? -ne 0 ]
check $? "modules: a kernel without the usual wired drivers is refused"

# --- the network boot's files ------------------------------------------------------------------
live=$t/live signed=$t/signed
mkdir -p "$live" "$signed/usr/lib/shim" "$signed/usr/lib/grub/x86_64-efi-signed"
for f in vmlinuz initrd.img filesystem.squashfs; do echo "$f contents" >"$live/$f"; done
echo shim >"$signed/usr/lib/shim/shimx64.efi.signed"
echo grubnet >"$signed/usr/lib/grub/x86_64-efi-signed/grubnetx64.efi.signed"
export SOURCE_DATE_EPOCH=1767225600
# The kernel's arguments of the medium's normal boot entry: the network boot must not lose one.
iso_args=$(sed -n 's/^ *linux \/live\/vmlinuz //p' "$here/grub.cfg" | head -n 1)
boot_Args() { # file, pattern of the kernel line's start: the line's words, one a line, sorted
    sed -n "s/^ *$2 //p" "$1" | head -n 1 | tr ' ' '\n' | grep -v -e '^fetch=' -e '^initrd=' -e '^${kestrova-args}$' -e '^$' | sort
}
n=$t/netboot
unset KESTROVA_NETBOOT_URL
write_Netboot "$n" "$live" "$signed"
check $? "netboot: written"
ok=0
for f in vmlinuz initrd.img filesystem.squashfs; do cmp -s "$live/$f" "$n/$f" || ok=1; done
cmp -s "$signed/usr/lib/shim/shimx64.efi.signed" "$n/bootnetx64.efi" &&
    cmp -s "$signed/usr/lib/grub/x86_64-efi-signed/grubnetx64.efi.signed" "$n/grubx64.efi" || ok=1
check $ok "netboot: the kernel, initrd and squashfs are the medium's; shim and the network GRUB are beside them"
ok=0
for loader in "boot.ipxe|kernel vmlinuz" "pxelinux.cfg/default|APPEND" "grub/grub.cfg|linux \/vmlinuz"; do
    file=${loader%%|*}
    [ "$(boot_Args "$n/$file" "${loader#*|}")" = "$(tr ' ' '\n' <<<"$iso_args" | sort)" ] || {
        echo "    $file: $(sed -n "s/^ *${loader#*|} //p" "$n/$file")"
        ok=1
    }
done
check $ok "netboot: iPXE, PXELINUX and GRUB boot with the medium's kernel arguments ($iso_args)"
grep -qx 'isset ${kestrova-base} || set kestrova-base http://${next-server}/kestrova' "$n/boot.ipxe" &&
    grep -q ' fetch=${kestrova-base}/filesystem.squashfs ${kestrova-args}$' "$n/boot.ipxe" &&
    grep -q ' fetch=http:///kestrova/filesystem.squashfs$' "$n/pxelinux.cfg/default" &&
    grep -qx '    IPAPPEND 2' "$n/pxelinux.cfg/default" &&
    grep -q ' fetch=http://${net_default_server}/kestrova/filesystem.squashfs$' "$n/grub/grub.cfg"
check $? "netboot: without an address each loader fetches the squashfs from its boot server's /kestrova"
KESTROVA_NETBOOT_URL=http://192.0.2.7:8080/kv/ write_Netboot "$n" "$live" "$signed"
grep -qx 'isset ${kestrova-base} || set kestrova-base http://192.0.2.7:8080/kv' "$n/boot.ipxe" &&
    grep -q ' fetch=http://192.0.2.7:8080/kv/filesystem.squashfs$' "$n/pxelinux.cfg/default" &&
    grep -q ' fetch=http://192.0.2.7:8080/kv/filesystem.squashfs$' "$n/grub/grub.cfg" &&
    [ "$(find "$n" -type f | wc -l)" -eq 8 ]
check $? "netboot: KESTROVA_NETBOOT_URL (a trailing slash dropped) replaces the old files' address everywhere"
KESTROVA_NETBOOT_ARGS="kestrova.results=http://192.0.2.7/results/ nomodeset" write_Netboot "$n" "$live" "$signed"
[ "$(grep -c ' kestrova.results=http://192.0.2.7/results/ nomodeset' "$n/boot.ipxe" "$n/pxelinux.cfg/default" "$n/grub/grub.cfg" | grep -c ':1$')" -eq 3 ] &&
    grep -q ' libata.allow_tpm=1 ' "$n/grub/grub.cfg"
check $? "netboot: KESTROVA_NETBOOT_ARGS reaches every loader's kernel line beside the medium's arguments"

# --- name servers from the DHCP leases ---------------------------------------------------------
export KESTROVA_LEASES_DIR=$t/leases KESTROVA_RESOLV_CONF=$t/resolv.conf
mkdir -p "$KESTROVA_LEASES_DIR"
echo "nameserver 198.51.100.1" >"$KESTROVA_RESOLV_CONF"
sh "$here/network/kestrova-dns"
[ "$(cat "$KESTROVA_RESOLV_CONF")" = "nameserver 198.51.100.1" ]
check $? "dns: no lease yet leaves resolv.conf as it is (a network boot's initramfs wrote it)"
printf 'ADDRESS=10.0.2.15\nROUTER=10.0.2.2\n' >"$KESTROVA_LEASES_DIR/2"
sh "$here/network/kestrova-dns"
[ "$(cat "$KESTROVA_RESOLV_CONF")" = "nameserver 198.51.100.1" ]
check $? "dns: a lease naming no name server leaves it too"
printf 'ADDRESS=10.0.2.15\nDNS=10.0.2.3 10.0.2.4\nDOMAINNAME=lab.example\n' >"$KESTROVA_LEASES_DIR/2"
printf 'ADDRESS=192.0.2.9\nDNS=10.0.2.3 192.0.2.1\n' >"$KESTROVA_LEASES_DIR/3"
sh "$here/network/kestrova-dns"
[ "$(grep -v '^#' "$KESTROVA_RESOLV_CONF")" = "$(printf 'search lab.example\nnameserver 10.0.2.3\nnameserver 10.0.2.4\nnameserver 192.0.2.1')" ] &&
    [ ! -e "$KESTROVA_RESOLV_CONF.tmp" ]
check $? "dns: two cards' leases give each name server once, at most three, and the search domain"

# --- the network run's account of the results server's PUTs ---------------------------------
. "$here/results-check.sh"
a=$t/access.log
f=/results/M1/
names="D.log ONCE:D.jsonl ONCE:D-erasure.pdf"
good="MKCOL /results/M1/ 201 -
PUT /results/M1/D.log 201 900
PUT /results/M1/D.log 204 1400
PUT /results/M1/D.jsonl 201 700
PUT /results/M1/D-erasure.pdf 201 40000"
echo "$good" >"$a"
puts_Once "$a" "$f" $names >"$t/said"
check $? "PUTs: a log sent as it grew, a record and a certificate once each, pass"
printf '%s\nPUT /results/M1/D.log 204 1400\n' "$good" >"$a"
! puts_Once "$a" "$f" $names >"$t/said" && grep -q 'same content: /results/M1/D.log' "$t/said"
check $? "PUTs: a log sent twice with the same content fails"
printf '%s\nPUT /results/M1/D.jsonl 204 950\n' "$good" >"$a"
! puts_Once "$a" "$f" $names >"$t/said" && grep -qx 'D.jsonl: 2 PUTs' "$t/said"
check $? "PUTs: a record sent twice fails, even with other content"
grep -v erasure <<<"$good" >"$a"
! puts_Once "$a" "$f" $names >"$t/said" && grep -qx 'D-erasure.pdf: 0 PUTs' "$t/said"
check $? "PUTs: a certificate that never arrived fails"
printf '%s\nPUT /results/M1/D.log 507 1500\nMKCOL /results/M1/ 405 -\n' "$good" >"$a"
! puts_Once "$a" "$f" $names >"$t/said" && [ "$(grep -c '^refused: ' "$t/said")" -eq 2 ]
check $? "PUTs: a request the server refused fails, a PUT or another"
sed 's#/M1/#/M2/#' <<<"$good" >"$a"
! puts_Once "$a" "$f" $names >/dev/null
check $? "PUTs: files in another machine's folder do not count"

exit $failed
