#include "sanitizeoverwrite.h"

#include "common.h"
#include "logsapplication.h"
#include "oskn_operations.h"

namespace {

LogsApplication* logSanitize() { return LogsApplication::Instance(); }

} // namespace

SanitizeOverwrite::SanitizeOverwrite(_tDevice* dev, QObject* parent)
    : MainTest(dev, parent, "OSKNOPERATIONS_API int get_Sanitize_Progress()"), maxLBA(dev->maxLBA)
{
    describe("Sanitize Overwrite", TestType::SanitizeOverwrite);
    libraryLineDebug = true;
}

void SanitizeOverwrite::run()
{
    emit changeStatus(execute());
    quit();
}

int SanitizeOverwrite::execute()
{
    const QString sn = serial();
    state = 1;
    logSanitize()->kestrova_Log_Debug("Starting test: Sanitize Overwrite - SN: " + sn);
    logSanitize()->kestrova_Log_Debug("Test information: First LBA: 0");
    logSanitize()->kestrova_Log_Debug("Test information: Last LBA: " + QString::number(maxLBA));
    emit change_Logs();

    if (int64_t(maxLBA) < 0) {
        logSanitize()->kestrova_Log_Error("Warning: WriteSame::execute() - returned: FAIL for SN: " + sn);
        logSanitize()->kestrova_Log_Debug("Test information: SanitizeOverwrite::execute() maxLBA: "
                                          + QString::number(maxLBA) + " less than zero Fail for S/N: " + sn);
        emit change_Logs();
        return 1;
    }
    sanitizeFeaturesSupported features = {};
    const int rc = get_Sanitize_Device_Features(device, &features);
    if (rc > 0) {
        log_Library_Result("OSKNOPERATIONS_API int get_Sanitize_Device_Features()", rc, true);
        if (drive_Lost(rc))
            return failed("found the drive not answering");
        logSanitize()->kestrova_Log_Error("Warning: SanitizeOverwrite::execute() UNABLE TO RUN for S/N: " + sn);
        emit change_Logs();
        return TestStatus::UnableToRun;
    }
    if (!features.overwrite) {
        emit changePercent(0);
        log_Library_Result("sanitizeFeaturesSupported->crypto", features.overwrite, true);
        logSanitize()->kestrova_Log_Error("Warning: SanitizeOverwrite::execute() UNABLE TO RUN for S/N: " + sn);
        emit change_Logs();
        return TestStatus::UnableToRun;
    }
    emit changePercent(0);
    // 4: one already runs in the drive (started before a restart of the program); follow it.
    state = run_Sanitize_Operation(device, OSKN_SANITIZE_OVERWRITE, false);
    if (state != 0 && state != 4) {
        get_library_information(1);
        logSanitize()->kestrova_Log_Info("Test information: SanitizeOverwrite::execute() - returned: FAIL for S/N: "
                                         + sn);
        emit changePercent(0);
        emit change_Logs();
        return 1;
    }
    state = 4;
    return poll();
}

int SanitizeOverwrite::poll()
{
    QString last = QString::number(0.0, 'f', 2);
    uint64_t lastMove = get_Time_Source_Nanoseconds();
    while (state == 4) {
        const int rc = get_Sanitize_Progress(device, &percent, &sanitizeStatus);
        if (sanitizeStatus == OSKN_SANITIZE_STATE_FAILED)
            return failed("the drive reports that the sanitize failed");
        if (rc != 0)
            return failed("progress query returned: " + QString::number(rc));
        const QString text = QString::number(percent, 'f', 2);
        // Only the drive saying that the sanitize completed is a pass, however far its progress
        // got: one that fails at its end leaves the data where it was.
        if (sanitizeStatus != OSKN_SANITIZE_STATE_IN_PROGRESS) {
            if (percent < 100.0)
                return failed("ended without completing");
            if (text != last)
                emit changePercent(percent);
            state = 0;
            logSanitize()->kestrova_Log_Info("Test information: SanitizeOverwrite::execute() - returned: SUCCESS for S/N: "
                                             + serial());
            emit change_Logs();
            return TestStatus::Pass;
        }
        if (text != last) {
            delay_Seconds(15);
            last = text;
            lastMove = get_Time_Source_Nanoseconds();
            emit changePercent(percent);
        } else if ((get_Time_Source_Nanoseconds() - lastMove) / 1000000000ull > kStallSeconds) {
            return failed("made no progress for " + QString::number(kStallSeconds / 60) + " minutes");
        } else {
            delay_Seconds(1); // no busy loop on the drive while its progress stands still
        }
    }
    return 1;
}

int SanitizeOverwrite::failed(const QString& why)
{
    state = 1;
    logSanitize()->kestrova_Log_Error("Warning: Sanitize Overwrite " + why + " at "
                                      + QString::number(percent, 'f', 2) + "% for S/N: " + serial());
    logSanitize()->kestrova_Log_Info("Test information: SanitizeOverwrite::execute() - returned: FAIL for S/N: "
                                     + serial());
    emit change_Logs();
    return 1;
}
