// Host-written erases: a range, or for a span of program time.
#include <algorithm>
#include <vector>

#include "core/clock.h"
#include "core/registry.h"
#include "oskn_operations.h"
#include "transferbuffer.h"

using namespace oskn;

namespace {

// Sectors per write: bridges (USB, card readers) take smaller transfers.
uint32_t sectors_Per_Write(const _tDevice* device)
{
    // An NVMe drive pays per command: a megabyte each (the library splits to the system's limit).
    if (device->driveType == OSKN_DRIVE_NVME)
        return std::max(1u, (1u << 20) / (device->logicalSectorSize ? device->logicalSectorSize : 512u));
    return (device->interfaceType == OSKN_INTERFACE_USB || device->interfaceType == OSKN_INTERFACE_MMC)
               ? 64u
               : 128u;
}

uint32_t sector_Size(const _tDevice* device)
{
    return device->logicalSectorSize ? device->logicalSectorSize : 512u;
}

} // namespace

extern "C" {

int erase_Range(_tDevice* device, uint64_t eraseRangeStart, uint64_t eraseRangeEnd, uint32_t options)
{
    if (const int refusal = begin_Call(device).refusal)
        return refusal;
    if (eraseRangeEnd <= eraseRangeStart)
        return OSKN_SUCCESS;
    if (eraseRangeEnd - 1 > device->maxLBA)
        return OSKN_BAD_PARAMETER;
    const uint32_t chunk = sectors_Per_Write(device);
    TransferBuffer zeros(size_t(chunk) * sector_Size(device));
    for (uint64_t lba = eraseRangeStart; lba < eraseRangeEnd;) {
        const uint32_t count = uint32_t(std::min<uint64_t>(chunk, eraseRangeEnd - lba));
        const int rc = scsi_Write_16(device, 0, false, false, lba, 0, count, zeros.data());
        if (rc != OSKN_SUCCESS)
            return rc;
        lba += count;
    }
    return OSKN_SUCCESS;
}

int erase_Time(_tDevice* device, uint64_t startLBA, uint32_t seconds)
{
    if (const int refusal = begin_Call(device).refusal)
        return refusal;
    if (startLBA > device->maxLBA)
        return OSKN_BAD_PARAMETER;
    const uint32_t chunk = sectors_Per_Write(device);
    TransferBuffer zeros(size_t(chunk) * sector_Size(device));
    const uint64_t end = now_Nanoseconds() + uint64_t(seconds) * 1000000000ull;
    for (uint64_t lba = startLBA; lba <= device->maxLBA && now_Nanoseconds() < end;) {
        const uint32_t count = uint32_t(std::min<uint64_t>(chunk, device->maxLBA - lba + 1));
        const int rc = scsi_Write_16(device, 0, false, false, lba, 0, count, zeros.data());
        if (rc != OSKN_SUCCESS)
            return rc;
        lba += count;
    }
    return OSKN_SUCCESS;
}

} // extern "C"
