#include "tests/idd.h"

#include <QThread>
#include <QTimerEvent>

#include <algorithm>
#include <cstring>

#include "common/common.h"
#include "log/logsapplication.h"
#include "tests/reasons.h"
#include "deviceaccess/oskn_public.h"
#include "deviceaccess/transferbuffer.h"

namespace {

// One second of program time on the GUI thread's clock.
int tick_Milliseconds()
{
    return std::max(1, int(1000.0 / get_Time_Scale()));
}

} // namespace

IDD::IDD(_tDevice* dev, _eIDDTests iddKind, int testType, int iddLabel, QObject* parent)
    : EraseTest(dev, "OSKNOPERATIONS_API int run_IDD()", parent), kind(iddKind), label(iddLabel)
{
    describe("IDD " + QString::number(label), testType);
    start_Clock();
    progressTimerId = startTimer(tick_Milliseconds());
}

void IDD::run()
{
    outcome.started = QDateTime::currentDateTime();
    const int result = execute();
    executed.store(true);
    runResult.store(result);
    runEnded.store(true);
    if (result != 0) {
        QMetaObject::invokeMethod(this, [this] { stop_Progress(); }, Qt::QueuedConnection);
        report(result);
    } else {
        // The timer reports the pass when the bar is full; the thread stays until then, so that
        // the test is not released under its timer. Asked to stop meanwhile, it reports at once:
        // the test is released when the thread ends, and a drive without a verdict would keep
        // the window from ever ending.
        while (!reported.load() && !abortRequested.load())
            QThread::msleep(20);
        report_Pass(false);
    }
    quit();
}

void IDD::abort()
{
    report(TestStatus::Aborted);
    quit();
}

bool IDD::report(int status)
{
    if (reported.exchange(true))
        return false;
    report_Status(status);
    return true;
}

void IDD::report_Pass(bool barFull)
{
    if (reported.exchange(true))
        return;
    if (!barFull)
        emit changePercent(100.0);
    log()->kestrova_Log_Debug("Test information: IDD " + QString::number(label) + " Test returned: "
                                 + QString::number(runResult.load()) + " for S/N: " + serial());
    emit change_Logs();
    report_Status(runResult.load());
}

int IDD::execute()
{
    start_Clock();
    if (label == 70)
        return idd70();
    const uint32_t logical = device->logicalSectorSize ? device->logicalSectorSize : 512;
    sectorsPerPhysical = std::max<uint32_t>(1, device->physicalSectorSize / logical);
    return idd71();
}

int IDD::support_Unknown()
{
    std::memset(&features, 0, sizeof features);
    const int r = get_IDD_Support(device, &features);
    log_Library_Result("OSKNOPERATIONS_API int get_IDD_Support()", r);
    emit change_Logs();
    if (r == 0)
        return 0;
    if (drive_Lost(r)) {
        return fail("Warning: idd::execute() - returned: FAIL for SN: " + serial() + " - IDD "
                                     + QString::number(label) + " - Drive stopped answering", Reason::StoppedAnswering);
    }
    return unable("Warning: idd::execute() - returned: UNABLE TO RUN for SN: " + serial() + " - IDD "
                                 + QString::number(label));
}

int IDD::run_Diagnostic(bool errorOnFail)
{
    if (abortRequested.load())
        return aborted("Test information: IDD " + QString::number(label) + " Test - ABORTED");
    const int c = run_IDD(device, kind, false);
    get_library_information(c);
    // The window is closing and the drive was told to abort the routine: that is why it ended.
    // A routine that had already passed keeps its pass.
    if (c != 0 && abortRequested.load())
        return aborted("Test information: IDD " + QString::number(label) + " Test - ABORTED");
    const QString sn = serial();
    if (c == 0) {
        return pass("Test information: idd::execute() - returned: SUCCESS for SN: " + sn);
    }
    const QString line = "Test information: idd::execute() - returned: FAIL for SN: " + sn;
    if (drive_Lost(c))
        set_Reason(Reason::StoppedAnswering);
    else
        set_Reason(Reason::DiagnosticFailed, " " + QString::number(c));
    if (errorOnFail)
        log()->kestrova_Log_Error(line);
    else
        log()->kestrova_Log_Debug(line);
    emit change_Logs();
    return TestStatus::Fail;
}

int IDD::idd70()
{
    start_Clock();
    log()->kestrova_Log_Debug("Starting Test: IDD " + QString::number(label) + "- SN: " + serial());
    if (const int unknown = support_Unknown())
        return unknown;
    log()->kestrova_Log_Info("Library information: iddSupportedFeatures->resetAndRecalibrate returned(bool): "
                                + QString::number(features.resetAndRecalibrate));
    emit change_Logs();
    if (!features.resetAndRecalibrate) {
        return unable("Warning: idd::execute() - returned: UNABLE TO RUN for SN: " + serial()
                                     + " - IDD " + QString::number(label) + " - reset and recalibrate not supported");
    }
    return run_Diagnostic(false);
}

int IDD::idd71()
{
    alignas(kTransferAlignment) uint8_t smart[512] = {};
    reallocatedCount = 0;
    pendingPhysical = 0;
    smartBufferSize = 512; // approxSeconds is the progress timer's, on the GUI thread
    start_Clock();
    if (const int unknown = support_Unknown())
        return unknown;
    log()->kestrova_Log_Info(
        "Library information: iddSupportedFeatures->testPendingAndReallocationLists returned(bool): "
        + QString::number(features.testPendingAndReallocationLists));
    emit change_Logs();
    if (!features.testPendingAndReallocationLists) {
        return unable("Warning: idd::execute() - returned: UNABLE TO RUN for SN: " + serial()
                                     + " - IDD " + QString::number(label)
                                     + " - test pending and reallocation lists not supported");
    }
    log()->kestrova_Log_Debug("Starting Test: IDD " + QString::number(label) + "- SN: " + serial());
    emit change_Logs();

    if (ata_SMART_Read_Data(device, smart, uint32_t(smartBufferSize)) == 0) {
        for (int i = 0; i < 30; ++i) {
            const uint8_t* entry = smart + 2 + 12 * i;
            const uint8_t* raw = entry + 5;
            if (entry[0] == 5) {
                reallocatedCount = uint32_t(raw[0] | raw[1] << 8 | raw[2] << 16 | uint32_t(raw[3]) << 24);
                log()->kestrova_Log_Info("Test information: Attribute 5: " + QString::number(reallocatedCount));
            } else if (entry[0] == 197) {
                pendingPhysical = uint32_t(raw[0] | raw[1] << 8) / sectorsPerPhysical;
                log()->kestrova_Log_Info("Test information: Attribute 197: " + QString::number(pendingPhysical)
                                            + " Physical Sectors");
            }
        }
    }
    emit change_Logs();
    return run_Diagnostic(true);
}

// --- progress, on the GUI thread ------------------------------------------------------------

void IDD::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == progressTimerId)
        progress_Tick();
}

void IDD::stop_Progress()
{
    if (progressTimerId) {
        killTimer(progressTimerId);
        progressTimerId = 0;
    }
}

void IDD::progress_Tick()
{
    if (reported.load()) {
        stop_Progress();
        return;
    }
    if (abortRequested.load() && !runEnded.load())
        stop_Drive();
    // A run is over only once the drive has given its result: a failure is the thread's to
    // report; a pass waits for the full bar when the drive gave an estimate to show against.
    if (runEnded.load()) {
        const int result = runResult.load();
        const bool timeBased = estimateResult != 0 && estimateResult != OSKN_FAILURE && estimateResult != OSKN_CANNOT_PERFORM;
        if (result != 0) {
            stop_Progress();
            return;
        }
        if (!timeBased || percent >= 100.0) {
            stop_Progress();
            report_Pass(percent >= 100.0);
            return;
        }
    }
    getIddInProgress();
}

void IDD::stop_Drive()
{
    // The thread waits inside run_IDD until the drive ends the routine. Asked again at every
    // tick until it has: an abort that reaches the drive before the routine starts stops nothing.
    const int rc = ata_Abort_DST(device);
    if (!abortSent || rc != abortResult) {
        log_Library_Result("OSKNOPERATIONS_API int ata_Abort_DST()", rc);
        emit change_Logs();
    }
    abortSent = true;
    abortResult = rc;
}

void IDD::getIddInProgress()
{
    if (estimateResult == 0) {
        const int e = get_Approximate_IDD_Time(device, kind, &approxSeconds);
        estimateResult = e;
        log_Library_Result("OSKNOPERATIONS_API int get_Approximate_IDD_Time()", e);
        emit change_Logs();
        totalSeconds = int(approxSeconds + 4);
        if (e == 0)
            return; // not started yet: asked again at the next tick
    }
    if (estimateResult == OSKN_FAILURE || estimateResult == OSKN_CANNOT_PERFORM)
        return; // no estimate to show against: the result ends the run
    // A late tick must not push the bar past its end.
    percent = std::min(100.0, double(elapsed_Seconds()) / totalSeconds * 100.0);
    emit changePercent(percent);
    estimating_Time();
}

void IDD::estimating_Time()
{
    const int left = totalSeconds - (elapsed_Seconds() + 1);
    if (left >= 0)
        emit changeTimeEstimate(remaining_Time_Text(left));
}
