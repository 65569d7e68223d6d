#include "setmaxlbatest.h"

#include <iostream>
#include <new>

#include "logsapplication.h"
#include "oskn_operations.h"
#include "oskn_public.h"

namespace {

LogsApplication* logSetMax() { return LogsApplication::Instance(); }

// The value the dialog sends with a restore is the native max LBA of the drive that bounded it;
// with several drives selected, each drive's own native capacity is what it went back to.
uint64_t restored_Max_LBA(_tDevice* device, uint64_t fallback)
{
    uint64_t native = 0;
    if (ata_Get_Native_Max_LBA(device, &native) == 0 || ata_Get_Native_Max_Address_Ext(device, &native) == 0)
        return native;
    return fallback;
}

} // namespace

SetMaxLBATest::SetMaxLBATest(_tDevice* dev, unsigned long long value, bool restore, QObject* parent)
    : EraseTest(dev, "OSKNOPERATIONS_API int set_Max_LBA()", parent), newMaxLBA(value), restoreNative(restore)
{
    describe("Set Max LBA", TestType::SetMaxLba);
}

void SetMaxLBATest::abort()
{
    quit();
    logSetMax()->kestrova_Log_Debug("Test information: Set max LBA - ABORTED");
    emit change_Logs();
}

int SetMaxLBATest::execute()
{
    const QString sn = serial();
    logSetMax()->kestrova_Log_Debug("Starting test: Set Max LBA - SN: " + sn);
    emit change_Logs();
    if (abortRequested.load()) {
        abort();
        return TestStatus::Aborted;
    }

    int rc = set_Max_LBA(device, newMaxLBA, restoreNative);
    try {
        logSetMax()->kestrova_Log_Debug("Test information: Hard Drive restored(bool): "
                                        + QString::number(restoreNative ? 1 : 0));
        logSetMax()->kestrova_Log_Info("Test information: LBA: " + QString::number(newMaxLBA));
    } catch (const std::bad_alloc& e) {
        std::cerr << "bad_alloc caught: " << e.what() << '\n';
        rc = 1;
    }

    if (rc == 0) {
        device->maxLBA = restoreNative ? restored_Max_LBA(device, newMaxLBA) : newMaxLBA;
        emit changePercent(100.0);
        get_library_information(0);
        logSetMax()->kestrova_Log_Debug("Test information: SetMaxLBA::execute() - returned: SUCCESS: for SN:" + sn);
        emit change_Logs();
        return TestStatus::Pass;
    }
    emit changePercent(0.0);
    get_library_information(rc);
    if (rc == 14)
        logSetMax()->kestrova_Log_Error("Warning: SetMaxLBA::execute() - returned: UNABLE TO RUN for SN:" + sn);
    else
        logSetMax()->kestrova_Log_Error("Warning: SetMaxLBA::execute() - returned: FAIL:" + QString::number(rc)
                                        + "for SN:" + sn);
    emit change_Logs();
    return rc;
}
