#include "sanitizeoverwrite.h"

#include "common.h"
#include "eraseverifier.h"
#include "logsapplication.h"
#include "oskn_operations.h"

SanitizeOverwrite::SanitizeOverwrite(_tDevice* dev, QObject* parent)
    : MainTest(dev, parent, "OSKNOPERATIONS_API int get_Sanitize_Progress()"), maxLBA(dev->maxLBA)
{
    describe("Sanitize Overwrite", TestType::SanitizeOverwrite);
    libraryLineDebug = true;
}

int SanitizeOverwrite::execute()
{
    const QString sn = serial();
    state = 1;
    log()->kestrova_Log_Debug("Starting test: Sanitize Overwrite - SN: " + sn);
    log()->kestrova_Log_Debug("Test information: First LBA: 0");
    log()->kestrova_Log_Debug("Test information: Last LBA: " + QString::number(maxLBA));
    emit change_Logs();

    if (int64_t(maxLBA) < 0) {
        log()->kestrova_Log_Error("Warning: WriteSame::execute() - returned: FAIL for SN: " + sn);
        log()->kestrova_Log_Debug("Test information: SanitizeOverwrite::execute() maxLBA: "
                                          + QString::number(maxLBA) + " less than zero Fail for S/N: " + sn);
        emit change_Logs();
        return TestStatus::Fail;
    }
    sanitizeFeaturesSupported features = {};
    const int rc = get_Sanitize_Device_Features(device, &features);
    if (rc > 0) {
        log_Library_Result("OSKNOPERATIONS_API int get_Sanitize_Device_Features()", rc, true);
        if (drive_Lost(rc))
            return failed("found the drive not answering");
        return unable("Warning: SanitizeOverwrite::execute() UNABLE TO RUN for S/N: " + sn);
    }
    if (!features.overwrite) {
        emit changePercent(0);
        log_Library_Result("sanitizeFeaturesSupported->crypto", features.overwrite, true);
        return unable("Warning: SanitizeOverwrite::execute() UNABLE TO RUN for S/N: " + sn);
    }
    emit changePercent(0);
    // 4: one already runs in the drive (started before a restart of the program); follow it.
    state = run_Sanitize_Operation(device, OSKN_SANITIZE_OVERWRITE, false);
    if (state != 0 && state != 4) {
        get_library_information(OSKN_FAILURE);
        log()->kestrova_Log_Info("Test information: SanitizeOverwrite::execute() - returned: FAIL for S/N: "
                                         + sn);
        emit changePercent(0);
        emit change_Logs();
        return TestStatus::Fail;
    }
    state = 4;
    return poll();
}

int SanitizeOverwrite::poll()
{
    // The progress moves for the watchdog when its two-decimal form does.
    const auto shown = [](double value) { return QString::number(value, 'f', 2).toDouble(); };
    StallWatchdog watchdog(kStallSeconds, 0.0);
    while (state == 4) {
        const int rc = get_Sanitize_Progress(device, &percent, &sanitizeStatus);
        if (sanitizeStatus == OSKN_SANITIZE_STATE_FAILED)
            return failed("the drive reports that the sanitize failed");
        if (rc != 0)
            return failed("progress query returned: " + QString::number(rc));
        // Only the drive saying that the sanitize completed is a pass, however far its progress
        // got: one that fails at its end leaves the data where it was.
        if (sanitizeStatus != OSKN_SANITIZE_STATE_IN_PROGRESS) {
            if (percent < 100.0)
                return failed("ended without completing");
            if (watchdog.moved(shown(percent)))
                emit changePercent(percent);
            // The drive's word that it completed is checked against what it reads: zeros.
            EraseVerifier verifier(device, {{0, maxLBA}}, EraseVerifier::Expect::Pattern);
            if (read_Back(verifier, false) != TestStatus::Pass)
                return failed("left sectors that do not read as erased");
            state = 0;
            log()->kestrova_Log_Info("Test information: SanitizeOverwrite::execute() - returned: SUCCESS for S/N: "
                                             + serial());
            emit change_Logs();
            return TestStatus::Pass;
        }
        if (watchdog.moved(shown(percent))) {
            delay_Seconds(15);
            watchdog.restart();
            emit changePercent(percent);
        } else if (watchdog.expired()) {
            return failed("made no progress for " + QString::number(watchdog.limit_Minutes()) + " minutes");
        } else {
            delay_Seconds(1); // no busy loop on the drive while its progress stands still
        }
    }
    return TestStatus::Fail;
}

int SanitizeOverwrite::failed(const QString& why)
{
    state = 1;
    log()->kestrova_Log_Error("Warning: Sanitize Overwrite " + why + " at "
                                      + QString::number(percent, 'f', 2) + "% for S/N: " + serial());
    log()->kestrova_Log_Info("Test information: SanitizeOverwrite::execute() - returned: FAIL for S/N: "
                                     + serial());
    emit change_Logs();
    return TestStatus::Fail;
}
