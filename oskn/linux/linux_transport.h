// The machine's disks: enumerated from sysfs, commands through SG_IO on the block device.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/transport.h"

namespace oskn {

struct SysfsDisk {
    std::string name;          // sda
    std::string resolvedPath;  // the device's path below the sysfs root (devices/.../block/sda)
    uint32_t interfaceType = 0;
    uint32_t driveTypeHint = 0;
    bool removable = false;
    uint64_t sectors = 0;      // sysfs size, 512-byte units
    // The largest transfer the kernel maps for one SG_IO on the node (queue limits); 0 = unknown.
    uint32_t maxTransferBytes = 0;
};

// Interface type from the device's resolved sysfs path.
uint32_t interface_From_Sysfs_Path(const std::string& resolvedPath);

// The disks (sd*) and optical drives (sr*) under sysfsRoot/block, in name order.
std::vector<SysfsDisk> scan_Sysfs_Block(const std::string& sysfsRoot);

// Transport over scan_Sysfs_Block; commands open devRoot/<name>.
std::unique_ptr<Transport> make_Linux_Transport(const std::string& sysfsRoot,
                                                const std::string& devRoot);

// Registers this transport with the core as "linux"; its argument is the sysfs root, the
// devices are below /dev.
void register_Linux_Transport();

} // namespace oskn
