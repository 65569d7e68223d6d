# Sourced by build.sh: the image's network.

# Removes every network module but the wired cards' drivers and what they need (modules.dep names
# each module's dependencies, those of the kernel's network core too). Status 1 when the usual
# ones are missing.
prune_To_Wired() { # the kernel's module directory
    local wired='^kernel/drivers/net/(ethernet|phy|mdio|pcs|usb|vmxnet3|hyperv)/|^kernel/drivers/net/(virtio_net|xen-netfront|mii|mdio)\.ko'
    local keep
    keep=$(grep -E "$wired" "$1/modules.dep" | tr -d ':' | tr ' ' '\n' | sed '/^$/d' | sort -u)
    grep -q '/virtio_net\.ko' <<<"$keep" && grep -q '/e1000e\.ko' <<<"$keep" || return 1
    (cd "$1" && find kernel/net kernel/drivers/net -name '*.ko*' 2>/dev/null | sort | comm -23 - <(echo "$keep") |
        xargs -r rm -f && find kernel/net kernel/drivers/net -depth -type d -empty -delete 2>/dev/null)
    return 0
}

# The files of a network boot, the kernel, the initrd and the squashfs beside
# the configurations of three boot loaders. The kernel and the initrd come over TFTP (or HTTP, to
# iPXE); live-boot's initramfs, which holds the wired cards' drivers and a DHCP client, then
# fetches the squashfs over HTTP into memory. KESTROVA_NETBOOT_URL is where an HTTP server serves
# this directory; without it, iPXE and GRUB take the server they were loaded from, live-boot the
# DHCP server's next-server, at http://SERVER/kestrova. KESTROVA_NETBOOT_ARGS is added to every
# kernel command line (kestrova.results=URL, say).
write_Netboot() { # directory, the ISO's live directory, the signed boot files
    local dir=$1 live=$2 signed=$3 url=${KESTROVA_NETBOOT_URL:-} f
    local args="boot=live quiet libata.allow_tpm=1 console=ttyS0,115200 console=tty0${KESTROVA_NETBOOT_ARGS:+ $KESTROVA_NETBOOT_ARGS}"
    url=${url%/}
    local ipxe_url=${url:-'http://${next-server}/kestrova'} pxelinux_url=${url:-http:///kestrova}
    local grub_url=${url:-'http://${net_default_server}/kestrova'}
    rm -rf "$dir" && mkdir -p "$dir/pxelinux.cfg" "$dir/grub" || return 1
    # The ISO's own files: hard links where the file system allows them.
    for f in vmlinuz initrd.img filesystem.squashfs; do
        ln "$live/$f" "$dir/$f" 2>/dev/null || cp "$live/$f" "$dir/$f" || return 1
    done
    cat >"$dir/boot.ipxe" <<EOF
#!ipxe
# Kestrova Bootable from the network. The squashfs is fetched from \${kestrova-base}; a script
# that chains this one may set it, and \${kestrova-args} (e.g. kestrova.results=URL).
isset \${kestrova-base} || set kestrova-base $ipxe_url
kernel vmlinuz initrd=initrd.img $args fetch=\${kestrova-base}/filesystem.squashfs \${kestrova-args}
initrd initrd.img
boot
EOF
    cat >"$dir/pxelinux.cfg/default" <<EOF
# Kestrova Bootable from the network, for PXELINUX (pxelinux.0 and ldlinux.c32 beside
# pxelinux.cfg). IPAPPEND 2 tells live-boot which card the machine booted from.
DEFAULT kestrova
PROMPT 0
LABEL kestrova
    KERNEL vmlinuz
    INITRD initrd.img
    APPEND $args fetch=$pxelinux_url/filesystem.squashfs
    IPAPPEND 2
EOF
    cat >"$dir/grub/grub.cfg" <<EOF
# Kestrova Bootable from the network, for GRUB's network image (UEFI: bootnetx64.efi, Debian's
# shim, starts grubx64.efi beside it, which reads this file as grub/grub.cfg).
set timeout=3
set default=0
if serial --unit=0 --speed=115200; then
    terminal_output --append serial
fi
menuentry "Kestrova Bootable (network)" {
    linux /vmlinuz $args fetch=$grub_url/filesystem.squashfs
    initrd /initrd.img
}
EOF
    # UEFI, Secure Boot on or off: Debian's signed shim and network GRUB.
    cp "$signed/usr/lib/shim/shimx64.efi.signed" "$dir/bootnetx64.efi" &&
        cp "$signed/usr/lib/grub/x86_64-efi-signed/grubnetx64.efi.signed" "$dir/grubx64.efi" || return 1
    find "$dir" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
}
