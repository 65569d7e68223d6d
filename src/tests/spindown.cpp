#include "spindown.h"

#include "logsapplication.h"
#include "oskn_public.h"

namespace {

LogsApplication* logSpinDown() { return LogsApplication::Instance(); }

} // namespace

SpinDown::SpinDown(_tDevice* dev, QObject* parent) : MainTest(dev, parent, "OSKNPUBLIC_API int spin_down_drive()")
{
    describe("Spin Down", TestType::SpinDown);
}

void SpinDown::run()
{
    emit changeStatus(execute());
}

void SpinDown::abort()
{
    quit();
    get_library_information(5);
    logSpinDown()->kestrova_Log_Debug("Test information: Spin down - ABORTED");
    emit change_Logs();
}

int SpinDown::execute()
{
    const QString sn = serial();
    logSpinDown()->kestrova_Log_Debug("Starting test: Spin down - SN: " + sn);
    emit change_Logs();

    if (abortRequested.load()) {
        logSpinDown()->kestrova_Log_Debug("Test information: Spin down - ABORTED");
        abort();
        return TestStatus::Aborted;
    }

    const int rc = spin_down_drive(device, false);
    if (rc == 0) {
        emit changePercent(100.0);
        get_library_information(0);
        logSpinDown()->kestrova_Log_Debug("Test information: SpinDown::execute() - returned: SUCCESS for SN:" + sn);
        emit change_Logs();
        return TestStatus::Pass;
    }
    emit changePercent(0.0);
    get_library_information(rc);
    if (rc == 2 || rc == 14) {
        logSpinDown()->kestrova_Log_Error("Warning: SpinDown::execute() - returned: UNABLE TO RUN for SN:" + sn);
        emit change_Logs();
        return TestStatus::UnableToRun;
    }
    logSpinDown()->kestrova_Log_Error("Warning: SpinDown::execute() - returned: FAIL for SN:" + sn);
    emit change_Logs();
    return rc;
}
