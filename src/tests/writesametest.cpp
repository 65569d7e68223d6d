#include "tests/writesametest.h"

#include <QMetaObject>
#include <QTimerEvent>

#include <algorithm>

#include "common/common.h"
#include "deviceaccess/devicetext.h"
#include "tests/eraseverifier.h"
#include "log/logsapplication.h"
#include "tests/reasons.h"
#include "deviceaccess/oskn_operations.h"

WriteSameTest::WriteSameTest(_tDevice* dev, unsigned long long start, unsigned long long end, QObject* parent)
    : ProgressReporter(dev, parent, "OSKNOPERATIONS_API int writesame()"),
      serial(device_Serial_Number(dev)),
      endLBA(end),
      startLBA(start),
      pieceStart(start)
{
    describe("Write Same", TestType::WriteSame);
    pollInterval = time_Temp();
    // The interval is program time: a scaled clock polls as often in drive time.
    const double scale = get_Time_Scale() > 0 ? get_Time_Scale() : 1.0;
    progressTimerId = startTimer(std::max(1, int(pollInterval / scale)));
}

WriteSameTest::~WriteSameTest()
{
    stop_Thread();
}

int WriteSameTest::time_Temp()
{
    // Every second whatever the span: one status query a second costs the drive nothing, and a
    // bar polled by the minute stood at 0 % through a whole shorter run.
    log()->kestrova_Log_Info("Test information: Write same progress will be updated every 1 second");
    emit change_Logs();
    return 1000;
}

uint64_t WriteSameTest::piece_End() const
{
    // endLBA is inclusive; the piece ends before the next one would begin.
    return pieceStart + std::min<uint64_t>(kPieceSectors, endLBA - pieceStart + 1);
}

int WriteSameTest::start_Piece()
{
    return writesame(device, pieceStart, uint32_t(piece_End() - pieceStart), false);
}

void WriteSameTest::run()
{
    outcome.started = QDateTime::currentDateTime();
    finalStatus = execute();
    executed.store(true);
    if (finalStatus != 0) {
        stop_Polling();
        report_Status(finalStatus);
    } else {
        // The timer reports the end; the thread stays until then, as the test is released when
        // its thread ends and must not be released under its timer.
        while (!reported.load() && !abortRequested.load() && !driveDone.load())
            QThread::msleep(20);
        // The drive says it is done: what it reads is the verdict, given here, off the GUI thread.
        if (driveDone.load() && !reported.exchange(true)) {
            EraseVerifier verifier(device, {{startLBA, endLBA}}, EraseVerifier::Expect::Pattern);
            const int checked = read_Back(verifier);
            if (checked == TestStatus::Pass) {
                log()->kestrova_Log_Debug("Test information: Write Same Test returned: SUCCESS for S/N: " + serial);
            } else if (checked == TestStatus::Fail) {
                log()->kestrova_Log_Error("Warning: WriteSameTest::timerEvent() - returned: FAIL for SN: " + serial);
            } else {
                get_library_information(OSKN_ABORTED);
                log()->kestrova_Log_Debug("Test information: Write Same - ABORTED");
            }
            emit change_Logs();
            emit changeStatus(checked);
        }
        // Asked to stop (the window is closing): the drive goes on, but the test is released
        // when this thread ends and must have given its verdict by then.
        if (!reported.exchange(true)) {
            stop_Polling();
            get_library_information(OSKN_ABORTED);
            log()->kestrova_Log_Debug("Test information: Write Same - ABORTED");
            emit change_Logs();
            report_Status(TestStatus::Aborted);
        }
    }
    quit();
}

void WriteSameTest::stop_Polling()
{
    // The timer belongs to the GUI thread: only that thread may stop it.
    QMetaObject::invokeMethod(
        this,
        [this]() {
            if (progressTimerId) {
                killTimer(progressTimerId);
                progressTimerId = 0;
            }
        },
        Qt::AutoConnection);
}

int WriteSameTest::execute()
{
    emit change_Logs();
    outcome.parameters = {{"firstLba", qulonglong(startLBA)}, {"lastLba", qulonglong(endLBA)}, {"method", "write same"}, {"pattern", "zeros"}};
    uint64_t most = 0;
    const uint32_t firstPiece = uint32_t(std::min<uint64_t>(kPieceSectors, endLBA - startLBA + 1));
    if (!is_Write_Same_Supported(device, startLBA, firstPiece, &most)) {
        most = 0;
        const bool again = is_Write_Same_Supported(device, startLBA, firstPiece, &most);
        log_Library_Result("OSKNOPERATIONS_API bool is_Write_Same_Supported()", int(again), true);
        // The answer is only yes or no: a drive that no longer answers says no as well.
        if (!drive_Answers()) {
            log()->kestrova_Log_Error("Warning: WriteSame::execute() - returned: FAILURE for SN: " + serial
                                               + " - Drive stopped answering");
            emit change_Logs();
            result = 1;
            set_Reason(Reason::StoppedAnswering);
            return TestStatus::Fail;
        }
        log()->kestrova_Log_Error("Warning: WriteSame::execute() - returned: UNABLE TO RUN for SN: " + serial);
        emit change_Logs();
        return result;
    }
    if (endLBA == 0 || endLBA < startLBA) {
        log()->kestrova_Log_Error("Warning: WriteSameTest::execute() - returned: FAILURE for SN: " + serial);
        emit change_Logs();
        result = 1;
        set_Reason(endLBA == 0 ? Reason::NoCapacity : Reason::EmptyRange);
        return TestStatus::Fail;
    }
    log()->kestrova_Log_Debug("Starting test:  Write Same - SN: " + serial);
    log()->kestrova_Log_Info("Test information: Start LBA: " + QString::number(startLBA));
    log()->kestrova_Log_Info("Test information: End LBA: " + QString::number(endLBA));
    emit changePercent(0);

    watchdog.restart();
    start_Clock(); // the pace so far is measured from the first piece
    result = start_Piece();
    get_library_information(result);
    if (result == 0) {
        log()->kestrova_Log_Debug("Test information: WriteSameTest::execute() - returned: SUCCESS for S/N: "
                                           + serial);
        started.store(true);
    } else {
        log()->kestrova_Log_Debug(
            "Test information: WriteSameTest::execute() - returned: NOT SUPPORTED for S/N: " + serial);
    }
    emit change_Logs();
    return result;
}

void WriteSameTest::getwriteSameInProgress()
{
    if (progressResult != 0)
        return;
    progressResult = get_Writesame_Progress(device, &piecePercent, &inProgress, pieceStart, piece_End());
    const double pieceLength = double(piece_End() - pieceStart);
    const double total = double(endLBA - startLBA) + 1;
    percent = (double(pieceStart - startLBA) + pieceLength * piecePercent / 100.0) / total * 100.0;
    // What is left at the pace so far, ahead of the percentage that shows it.
    if (percent > 0 && percent < 100) {
        const double elapsed = double(elapsed_Milliseconds()) / 1e3;
        emit changeTimeEstimate(remaining_Time_Text(int64_t(elapsed * (100.0 - percent) / percent)));
    }
    emit changePercent(percent);
}

void WriteSameTest::finish(int status, const QString& why)
{
    if (reported.exchange(true))
        return;
    if (progressTimerId) {
        killTimer(progressTimerId);
        progressTimerId = 0;
    }
    if (!why.isEmpty()) {
        log()->kestrova_Log_Error("Warning: Write Same " + why + " for S/N: " + serial);
        log()->kestrova_Log_Error("Warning: WriteSameTest::timerEvent() - returned: FAIL for SN: " + serial);
    } else {
        log()->kestrova_Log_Debug("Test information: Write Same Test returned: SUCCESS for S/N: " + serial);
    }
    emit change_Logs();
    report_Status(status);
}

void WriteSameTest::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != progressTimerId || !started.load() || reported.load())
        return;
    getwriteSameInProgress();
    const QString at = QString::number(percent, 'f', 2) + "%";
    if (progressResult != 0) { // the drive stopped answering, or reports that the write same failed
        if (drive_Lost(progressResult))
            set_Reason(Reason::StoppedAnsweringAt, " " + QString::number(pieceStart));
        else
            set_Reason(Reason::DriveFailure, " " + QString::number(progressResult));
        return finish(TestStatus::Fail, "progress query returned: " + QString::number(progressResult) + " at " + at);
    }
    if (int(piecePercent) == 100 || !inProgress) {
        if (piece_End() > endLBA) {
            // result: 0, as the first piece was started; the thread reads the span back.
            if (progressTimerId) {
                killTimer(progressTimerId);
                progressTimerId = 0;
            }
            driveDone.store(true);
            return;
        }
        // The next piece follows the one the drive has finished.
        pieceStart = piece_End();
        watchdog.restart();
        const int rc = start_Piece();
        get_library_information(rc);
        if (rc != 0)
            set_Stop_Reason(rc, pieceStart, true);
        if (rc != 0)
            finish(TestStatus::Fail, "stopped at LBA: " + QString::number(pieceStart));
        return;
    }
    if (!watchdog.moved(piecePercent) && watchdog.expired()) {
        set_Reason(Reason::NoProgress);
        finish(TestStatus::Fail, "made no progress for " + QString::number(watchdog.limit_Minutes()) + " minutes at " + at);
    }
}

void WriteSameTest::abort()
{
    abortRequested.store(true);
    get_library_information(OSKN_ABORTED);
    log()->kestrova_Log_Debug("Test information: Write Same - ABORTED");
    report_Status(TestStatus::Aborted);
    quit();
}
