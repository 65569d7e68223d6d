#include "tests/setmaxlbatest.h"

#include "log/logsapplication.h"
#include "deviceaccess/oskn_operations.h"
#include "deviceaccess/oskn_public.h"

SetMaxLBATest::SetMaxLBATest(_tDevice* dev, unsigned long long value, bool restore, QObject* parent)
    : OneCallTest(dev, "OSKNOPERATIONS_API int set_Max_LBA()",
                  {"Set Max LBA", QString(), "Test information: Set max LBA - ABORTED",
                   "Test information: SetMaxLBA::execute() - returned: SUCCESS: for SN:",
                   "Warning: SetMaxLBA::execute() - returned: UNABLE TO RUN for SN:", QString()},
                  parent),
      newMaxLBA(value),
      restoreNative(restore)
{
    describe("Set Max LBA", TestType::SetMaxLba);
    abortLibraryLine = false;
}

int SetMaxLBATest::call()
{
    const int rc = set_Max_LBA(device, newMaxLBA, restoreNative);
    log()->kestrova_Log_Debug("Test information: Hard Drive restored(bool): " + QString::number(restoreNative ? 1 : 0));
    log()->kestrova_Log_Info("Test information: LBA: " + QString::number(newMaxLBA));
    return rc;
}

QString SetMaxLBATest::failed_Line(int rc) const
{
    return "Warning: SetMaxLBA::execute() - returned: FAIL:" + QString::number(rc) + "for SN:";
}

void SetMaxLBATest::passed()
{
    // The value the dialog sends with a restore is the native max LBA of the drive that bounded
    // it; with several drives selected, each drive's own native capacity is what it went back to.
    if (!restoreNative) {
        device->maxLBA = newMaxLBA;
        return;
    }
    uint64_t native = 0;
    if (ata_Get_Native_Max_LBA(device, &native) == 0 || ata_Get_Native_Max_Address_Ext(device, &native) == 0)
        device->maxLBA = native;
    else
        device->maxLBA = newMaxLBA;
}
