#include "spindown.h"

#include "logsapplication.h"
#include "oskn_public.h"

namespace {

LogsApplication* logSpinDown() { return LogsApplication::Instance(); }

} // namespace

SpinDown::SpinDown(_tDevice* dev, QObject* parent) : MainTest(dev, parent)
{
    descriptor->testName = "Spin Down";
    descriptor->showPhaseBar = false;
    descriptor->testType = 8;
}

void SpinDown::run()
{
    emit changeStatus(execute());
}

void SpinDown::get_library_information(int rc)
{
    logSpinDown()->kestrova_Log_Info("Library information: OSKNPUBLIC_API int spin_down_drive() returned: "
                                     + QString::number(rc));
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
        return 5;
    }

    const int rc = spin_down_drive(device, false);
    if (rc == 0) {
        emit changePercent(100.0);
        get_library_information(0);
        logSpinDown()->kestrova_Log_Debug("Test information: SpinDown::execute() - returned: SUCCESS for SN:" + sn);
        emit change_Logs();
        return 0;
    }
    emit changePercent(0.0);
    get_library_information(rc);
    if (rc == 2 || rc == 14) {
        logSpinDown()->kestrova_Log_Error("Warning: SpinDown::execute() - returned: UNABLE TO RUN for SN:" + sn);
        emit change_Logs();
        return 14;
    }
    logSpinDown()->kestrova_Log_Error("Warning: SpinDown::execute() - returned: FAIL for SN:" + sn);
    emit change_Logs();
    return rc;
}
