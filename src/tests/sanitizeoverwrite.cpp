#include "tests/sanitizeoverwrite.h"

#include "common/common.h"
#include "tests/eraseverifier.h"
#include "log/logsapplication.h"
#include "tests/reasons.h"
#include "deviceaccess/oskn_operations.h"

#include <algorithm>

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
    outcome.parameters = {{"firstLba", 0ull}, {"lastLba", qulonglong(maxLBA)}, {"method", "sanitize overwrite"}};

    if (int64_t(maxLBA) < 0) {
        log()->kestrova_Log_Error("Warning: WriteSame::execute() - returned: FAIL for SN: " + sn);
        log()->kestrova_Log_Debug("Test information: SanitizeOverwrite::execute() maxLBA: "
                                          + QString::number(maxLBA) + " less than zero Fail for S/N: " + sn);
        emit change_Logs();
        set_Reason(Reason::NoCapacity);
        return TestStatus::Fail;
    }
    sanitizeFeaturesSupported features = {};
    const int rc = get_Sanitize_Device_Features(device, &features);
    if (rc > 0) {
        log_Library_Result("OSKNOPERATIONS_API int get_Sanitize_Device_Features()", rc, true);
        if (drive_Lost(rc)) {
            set_Reason(Reason::StoppedAnswering);
            return failed("found the drive not answering");
        }
        return unable("Warning: SanitizeOverwrite::execute() UNABLE TO RUN for S/N: " + sn, Reason::NotOffered);
    }
    if (!features.overwrite) {
        emit changePercent(0);
        log_Library_Result("sanitizeFeaturesSupported->crypto", features.overwrite, true);
        return unable("Warning: SanitizeOverwrite::execute() UNABLE TO RUN for S/N: " + sn, Reason::NotOffered);
    }
    emit changePercent(0);
    // 4: one already runs in the drive (started before a restart of the program); follow it.
    state = run_Sanitize_Operation(device, OSKN_SANITIZE_OVERWRITE, false);
    if (state != 0 && state != 4) {
        if (drive_Lost(state))
            set_Reason(Reason::StoppedAnswering);
        else
            set_Reason(Reason::DriveFailure, " " + QString::number(state));
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

QString SanitizeOverwrite::status_Text(_tDevice* device)
{
    sanitizeStatusReport r = {};
    const int rc = get_Sanitize_Status_Report(device, &r);
    if (rc != 0)
        return "none read (returned: " + QString::number(rc) + ")";
    const char* state = r.state == OSKN_SANITIZE_STATE_IN_PROGRESS ? "in progress"
                        : r.state == OSKN_SANITIZE_STATE_FAILED    ? "failed"
                                                                   : "idle";
    if (!r.nvme)
        return QString("%1, %2%").arg(state, QString::number(r.percent, 'f', 2));
    return QString("SSTAT 0x%1 (%2), SPROG %3/65536 (%4%), SCDW10 0x%5, estimate %6")
        .arg(r.status, 4, 16, QChar('0'))
        .arg(state)
        .arg(r.progress)
        .arg(QString::number(r.percent, 'f', 2))
        .arg(r.command, 8, 16, QChar('0'))
        .arg(r.estimateSeconds ? QString::number(r.estimateSeconds) + " s" : QString("none given"));
}

// The drive's estimate of the whole sanitize, less the share its progress says is done.
void SanitizeOverwrite::send_Remaining()
{
    sanitizeStatusReport r = {};
    if (get_Sanitize_Status_Report(device, &r) != 0 || r.estimateSeconds == 0)
        return;
    const double left = double(r.estimateSeconds) * (1.0 - std::min(percent, 100.0) / 100.0);
    emit changeTimeEstimate(remaining_Time_Text(int64_t(left + 0.5)));
}

int SanitizeOverwrite::poll()
{
    // The progress moves for the watchdog when its two-decimal form does.
    const auto shown = [](double value) { return QString::number(value, 'f', 2).toDouble(); };
    StallWatchdog watchdog(kStallSeconds, 0.0);
    while (state == 4) {
        const int rc = get_Sanitize_Progress(device, &percent, &sanitizeStatus);
        if (sanitizeStatus == OSKN_SANITIZE_STATE_FAILED) {
            emit sanitizeFailed();
            set_Reason(Reason::DriveFailure, " " + QString::number(OSKN_FAILURE));
            return failed("the drive reports that the sanitize failed");
        }
        if (rc != 0) {
            if (drive_Lost(rc))
                set_Reason(Reason::StoppedAnswering);
            else
                set_Reason(Reason::DriveFailure, " " + QString::number(rc));
            return failed("progress query returned: " + QString::number(rc));
        }
        // Only the drive saying that the sanitize completed is a pass, however far its progress
        // got: one that fails at its end leaves the data where it was.
        if (sanitizeStatus != OSKN_SANITIZE_STATE_IN_PROGRESS) {
            if (percent < 100.0) {
                set_Reason(Reason::NotCompleted);
                return failed("ended without completing");
            }
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
            send_Remaining(); // before the percentage, which shows it
            emit changePercent(percent);
            delay_Seconds(15);
            watchdog.restart();
        } else if (watchdog.expired()) {
            log()->kestrova_Log_Error("Warning: Sanitize Overwrite last status: " + status_Text(device)
                                      + " for S/N: " + serial());
            set_Reason(Reason::NoProgress);
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
