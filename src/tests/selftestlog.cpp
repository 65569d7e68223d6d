#include "tests/selftestlog.h"

#include "deviceaccess/oskn_nvme.h"
#include "deviceaccess/oskn_public.h"
#include "deviceaccess/transferbuffer.h"

namespace {
uint64_t get_Le(const uint8_t* p, int bytes)
{
    uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | p[i];
    return v;
}
} // namespace

bool newest_Self_Test_Failing_Lba(_tDevice* device, uint64_t* lba)
{
    if (device->driveType == OSKN_DRIVE_NVME) {
        nvmeSelfTestLog results;
        if (nvme_Get_Self_Test_Log(device, &results) != 0 || results.resultCount == 0
            || !results.results[0].failingLbaValid)
            return false;
        *lba = results.results[0].failingLba;
        return true;
    }
    alignas(kTransferAlignment) uint8_t page[512] = {};
    // Extended log: index of the newest of 19 descriptors of 26 bytes a page, LBA in 6 bytes.
    if (ata_Read_Log_Ext(device, 0x07, 0, page, sizeof page, 0, 0) == 0) {
        const uint32_t index = uint32_t(get_Le(page + 2, 2));
        if (index == 0)
            return false;
        const uint16_t number = uint16_t((index - 1) / 19);
        if (number != 0 && ata_Read_Log_Ext(device, 0x07, number, page, sizeof page, 0, 0) != 0)
            return false;
        *lba = get_Le(page + 4 + ((index - 1) % 19) * 26 + 5, 6);
        return true;
    }
    // SMART log: 21 descriptors of 24 bytes, LBA in 4 bytes.
    if (ata_SMART_Read_Log(device, 0x06, page, sizeof page) != 0)
        return false;
    const uint8_t index = page[508];
    if (index == 0 || 2 + (index - 1u) * 24 + 24 > 506)
        return false;
    *lba = get_Le(page + 2 + (index - 1u) * 24 + 5, 4);
    return true;
}

QString self_Test_Result_Name(uint8_t status)
{
    static const char* const names[] = {"completed",
                                        "aborted by the host",
                                        "interrupted by a reset",
                                        "fatal error",
                                        "unknown element failed",
                                        "electrical element failed",
                                        "servo/seek element failed",
                                        "read element failed",
                                        "handling damage"};
    return status < sizeof names / sizeof names[0] ? names[status] : "status " + QString::number(status);
}
