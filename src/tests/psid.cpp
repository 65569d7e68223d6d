#include "psid.h"

#include "logsapplication.h"
#include "oskn_tcgoperations.h"

namespace {

LogsApplication* logPsid() { return LogsApplication::Instance(); }

} // namespace

CPSID::CPSID(_tDevice* dev, QString key, QObject* parent)
    : EraseTest(dev, "OSKNPUBLIC_API int PSID Erase", parent), psid(std::move(key))
{
    describe("PSID Erase", TestType::Psid);
}

void CPSID::abort()
{
    get_library_information(5);
    logPsid()->kestrova_Log_Debug("Test information: PSID Erase - ABORTED");
    emit change_Logs();
}

int CPSID::execute()
{
    const QString sn = serial();
    logPsid()->kestrova_Log_Debug("Starting test: PSID Erase - SN: " + sn);
    emit change_Logs();
    if (abortRequested.load()) {
        logPsid()->kestrova_Log_Debug("Test information: PSID Erase - ABORTED");
        abort();
        return TestStatus::Aborted;
    }

    const int rc = revert_SP(device, psid.toLocal8Bit().constData());
    emit changePercent(rc == 0 ? 100.0 : 0.0);
    get_library_information(rc);
    if (rc == 0) {
        logPsid()->kestrova_Log_Debug("Test information: CPSID::execute() - returned: SUCCESS for SN:" + sn);
        emit change_Logs();
        return TestStatus::Pass;
    }
    // A drive without a PSID authority answers either way.
    const bool unable = rc == 14 || rc == 2;
    logPsid()->kestrova_Log_Error(QString("Warning: CPSID::execute() - returned: ")
                                  + (unable ? "UNABLE TO RUN" : "FAIL") + " for SN:" + sn);
    emit change_Logs();
    return unable ? 14 : rc;
}
