#include "smartcheck.h"

#include "logsapplication.h"
#include "oskn_nvme.h"
#include "oskn_operations.h"

QMutex mutexSmart;

namespace {

LogsApplication* logSmartCheck() { return LogsApplication::Instance(); }

} // namespace

SmartCheck::SmartCheck(_tDevice* dev, QObject* parent)
    : MainTest(dev, parent, "OSKNOPERATIONS_API int run_SMART_Check()")
{
    describe("S.M.A.R.T. Check", TestType::SmartCheck);
}

void SmartCheck::run()
{
    emit changeStatus(execute());
}

void SmartCheck::abort()
{
    quit();
    get_library_information(5);
    logSmartCheck()->kestrova_Log_Debug("Test information: S.M.A.R.T. Check test - ABORTED");
    emit change_Logs();
}

int SmartCheck::execute()
{
    const QString sn = serial();
    logSmartCheck()->kestrova_Log_Debug("Starting test: S.M.A.R.T. Check - SN: " + sn);
    emit change_Logs();

    if (abortRequested.load()) {
        logSmartCheck()->kestrova_Log_Debug("Test information: S.M.A.R.T. Check - ABORTED");
        abort();
        return TestStatus::Aborted;
    }

    int rc;
    {
        QMutexLocker lock(&mutexSmart);
        rc = run_SMART_Check(device);
    }

    if (rc == 0) {
        emit changePercent(100.0);
        get_library_information(0);
        logSmartCheck()->kestrova_Log_Debug("Test information: SmartCheck::execute() - returned: SUCCESS for SN: " + sn);
        emit change_Logs();
        return TestStatus::Pass;
    }
    emit changePercent(0.0);
    if (rc == 2 || rc == 14) {
        get_library_information(14);
        logSmartCheck()->kestrova_Log_Error("Warning: SmartCheck::execute() - returned: UNABLE TO RUN for SN: " + sn);
        emit change_Logs();
        return TestStatus::UnableToRun;
    }
    get_library_information(1);
    log_Nvme_Warnings();
    logSmartCheck()->kestrova_Log_Error("Warning: SmartCheck::execute() - returned: FAILURE for SN: " + sn);
    emit change_Logs();
    return rc;
}

// An NVMe drive fails the check on its health log's Critical Warning: say which bits are set.
void SmartCheck::log_Nvme_Warnings()
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
            logSmartCheck()->kestrova_Log_Error(QString("Test information: SmartCheck::execute() - critical warning: ")
                                                + bit.second + " for SN: " + serial());
}
