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

uint64_t selftestlog::ext_Failing_Lba(const uint8_t* page, uint32_t index)
{
    return get_Le(page + 4 + ((index - 1) % 19) * 26 + 5, 6);
}

bool selftestlog::smart_Failing_Lba(const uint8_t* log, uint8_t index, uint64_t* lba)
{
    if (index == 0 || 2 + (index - 1u) * 24 + 24 > 506)
        return false;
    *lba = get_Le(log + 2 + (index - 1u) * 24 + 5, 4);
    return true;
}

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
    using namespace selftestlog;
    if (ata_Read_Log_Ext(device, kExtLog, 0, page, sizeof page, 0, 0) == 0) {
        const uint32_t index = ext_Newest_Index(page);
        if (index == 0)
            return false;
        const uint16_t number = ext_Page_Of(index);
        if (number != 0 && ata_Read_Log_Ext(device, kExtLog, number, page, sizeof page, 0, 0) != 0)
            return false;
        *lba = ext_Failing_Lba(page, index);
        return true;
    }
    if (ata_SMART_Read_Log(device, kSmartLog, page, sizeof page) != 0)
        return false;
    return smart_Failing_Lba(page, smart_Newest_Index(page), lba);
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
