// The machine's disks: enumerated from sysfs, commands through SG_IO on the block device.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <linux/nvme_ioctl.h>

#include "core/transport.h"

namespace oskn {

struct SysfsDisk {
    std::string name;          // sda, nvme0n1, mmcblk0, vda
    std::string resolvedPath;  // the device's path below the sysfs root (devices/.../block/sda)
    uint32_t interfaceType = 0;
    uint32_t driveTypeHint = 0;
    bool removable = false;
    uint64_t sectors = 0;      // sysfs size, 512-byte units
    // The largest transfer the kernel maps for one SG_IO on the node (queue limits); 0 = unknown.
    uint32_t maxTransferBytes = 0;
    DriveKind kind = DriveKind::Scsi;
    uint32_t nsid = 0;         // NVMe: the namespace id
    std::string controller;    // NVMe: the controller's character device (nvme0)
    BlockIdentity identity;    // block-only drives: what sysfs says
};

// Interface type from the device's resolved sysfs path.
uint32_t interface_From_Sysfs_Path(const std::string& resolvedPath);

// The disks (sd*), optical drives (sr*), NVMe namespaces (nvmeXnY) and block-only drives (eMMC
// mmcblkN, virtio vdX) under sysfsRoot/block, SCSI ones first, each kind in name order.
std::vector<SysfsDisk> scan_Sysfs_Block(const std::string& sysfsRoot);

// nvme<N>: an NVMe controller's character device.
bool is_Controller_Name(const std::string& name);

// The kernel's NVMe passthrough: the ioctl's argument for one command, and the command's outcome
// from the ioctl's return value (a negative errno, 0, or the completion's status field).
void fill_Nvme_Passthrough(const NvmeCommand& command, nvme_passthru_cmd64& out);
void fill_Nvme_Passthrough(const NvmeCommand& command, nvme_passthru_cmd& out);
TransportResult nvme_Ioctl_Result(int returned, int error, uint64_t result, NvmeCommand& command);

// Transport over scan_Sysfs_Block; commands open devRoot/<name>.
std::unique_ptr<Transport> make_Linux_Transport(const std::string& sysfsRoot,
                                                const std::string& devRoot);

// Registers this transport with the core as "linux"; its argument is the sysfs root, the
// devices are below /dev.
void register_Linux_Transport();

} // namespace oskn
