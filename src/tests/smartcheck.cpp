#include "tests/smartcheck.h"

#include "log/logsapplication.h"
#include "deviceaccess/oskn_nvme.h"
#include "deviceaccess/oskn_operations.h"
#include "deviceaccess/oskn_public.h"
#include "tests/reasons.h"
#include "deviceaccess/transferbuffer.h"

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

// Which attributes stand at or below their thresholds: the drive's verdict names none itself.
void SmartCheck::explain_Ata_Failure()
{
    alignas(kTransferAlignment) uint8_t data[512] = {};
    alignas(kTransferAlignment) uint8_t thresholds[512] = {};
    QStringList past;
    {
        QMutexLocker lock(&mutexSmart);
        if (ata_SMART_Read_Data(device, data, sizeof data) != 0
            || ata_SMART_Read_Thresholds(device, thresholds, sizeof thresholds) != 0) {
            set_Reason(Reason::SmartStatus);
            return;
        }
    }
    for (int a = 0; a < 30; ++a) {
        const uint8_t* attribute = data + 2 + 12 * a;
        if (attribute[0] == 0)
            continue;
        for (int t = 0; t < 30; ++t) {
            const uint8_t* threshold = thresholds + 2 + 12 * t;
            // A threshold of 0 is "always passing"; 0xFE and up mark it invalid.
            if (threshold[0] != attribute[0] || threshold[1] == 0 || threshold[1] >= 0xFE)
                continue;
            if (attribute[3] <= threshold[1])
                past << QString("ID %1: %2 <= %3").arg(attribute[0]).arg(attribute[3]).arg(threshold[1]);
        }
    }
    if (past.isEmpty())
        set_Reason(Reason::SmartStatus);
    else
        set_Reason(Reason::SmartThreshold, " " + past.join(", "));
}

// An NVMe drive fails the check on its health log's Critical Warning: say which bits are set.
void SmartCheck::explain_Failure(int rc)
{
    if (rc != OSKN_FAILURE)
        return;
    if (device->driveType != OSKN_DRIVE_NVME) {
        explain_Ata_Failure();
        return;
    }
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
    QStringList set;
    for (const auto& bit : bits)
        if (health.criticalWarning & bit.first)
            set << bit.second;
    set_Reason(Reason::NvmeWarning, QString(" 0x%1 (%2)").arg(health.criticalWarning, 2, 16, QChar('0')).arg(set.join(", ")));
    for (const auto& bit : bits)
        if (health.criticalWarning & bit.first)
            log()->kestrova_Log_Error(QString("Test information: SmartCheck::execute() - critical warning: ")
                                      + bit.second + " for SN: " + serial());
}
