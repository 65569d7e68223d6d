#pragma once

#include <QString>

#include <atomic>
#include <cstdint>
#include <mutex>

#include "tests/progressreporter.h"

class QTimerEvent;

// The drive overwrites a span of LBAs with zeros by itself. The thread only starts it; a timer
// of the object, on the GUI thread, follows the drive's progress and reports the end. A span
// longer than one request can carry goes to the drive in pieces, one after the other.
class WriteSameTest : public ProgressReporter
{
    Q_OBJECT
public:
    // Both LBAs are overwritten.
    WriteSameTest(_tDevice* device, unsigned long long startLBA, unsigned long long endLBA, QObject* parent = nullptr);
    ~WriteSameTest() override;

    int time_Temp();
    bool is_Polling() const { return progressTimerId != 0; }

    // Most sectors one request covers (its count is 32 bits).
    static constexpr uint64_t kPieceSectors = 0xFFFFFFFFull;
    // No movement of the drive's progress for this long ends the run FAIL.
    static constexpr uint64_t kStallSeconds = 30ull * 60;

protected:
    void run() override;
    int execute() override;
    void abort() override;
    void timerEvent(QTimerEvent* event) override;

private:
    void getwriteSameInProgress();
    void stop_Polling();
    // Stops polling and reports the status; why, when not empty, says why the run failed.
    void finish(int status, const QString& why);
    // Starts the piece that begins at pieceStart; 0 when the drive took it.
    int start_Piece();
    uint64_t piece_End() const; // first LBA past the current piece

    QString serial;
    double percent = 0.0;
    uint64_t endLBA;
    uint64_t startLBA;
    bool inProgress = false;
    int progressResult = 0;
    int progressTimerId = 0;
    int pollInterval = 1000;
    int result = 14;
    int finalStatus = 14;

    // Shared between the thread that starts the first piece and the timer.
    std::atomic<bool> started{false};
    std::atomic<bool> reported{false}; // the timer gave the verdict
    std::atomic<bool> driveDone{false}; // the drive finished the last piece: the thread reads it back
    uint64_t pieceStart = 0;
    double piecePercent = 0.0; // of the piece the drive works on
    StallWatchdog watchdog{kStallSeconds};
};
