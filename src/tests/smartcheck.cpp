#include "smartcheck.h"

#include "logsapplication.h"
#include "oskn_nvme.h"
#include "oskn_operations.h"

QMutex mutexSmart;

SmartCheck::SmartCheck(_tDevice* dev, QObject* parent)
    : OneCallTest(dev, "OSKNOPERATIONS_API int run_SMART_Check()",
                  {"S.M.A.R.T. Check", "Test information: S.M.A.R.T. Check - ABORTED",
                   "Test information: S.M.A.R.T. Check test - ABORTED",
                   "Test information: SmartCheck::execute() - returned: SUCCESS for SN: ",
                   "Warning: SmartCheck::execute() - returned: UNABLE TO RUN for SN: ",
                   "Warning: SmartCheck::execute() - returned: FAILURE for SN: "},
                  parent)
{
    describe("S.M.A.R.T. Check", TestType::SmartCheck);
}

int SmartCheck::call()
{
    QMutexLocker lock(&mutexSmart);
    return run_SMART_Check(device);
}

// An NVMe drive fails the check on its health log's Critical Warning: say which bits are set.
void SmartCheck::explain_Failure()
{
    if (device->driveType != OSKN_DRIVE_NVME)
        return;
    nvmeHealthInformation health;
    if (nvme_Get_Health(device, &health) != 0)
        return;
    static const QPair<int, const char*> bits[] = {
        {OSKN_NVME_WARNING_SPARE, "available spare below its threshold"},
        {OSKN_NVME_WARNING_TEMPERATURE, "temperature outside its thresholds"},
        {OSKN_NVME_WARNING_RELIABILITY, "reliability degraded by media or internal errors"},
        {OSKN_NVME_WARNING_READ_ONLY, "media placed in read-only mode"},
        {OSKN_NVME_WARNING_VOLATILE_BACKUP, "volatile memory backup device failed"},
        {OSKN_NVME_WARNING_PMR_READ_ONLY, "persistent memory region read-only or unreliable"}};
    for (const auto& bit : bits)
        if (health.criticalWarning & bit.first)
            log()->kestrova_Log_Error(QString("Test information: SmartCheck::execute() - critical warning: ")
                                      + bit.second + " for SN: " + serial());
}
