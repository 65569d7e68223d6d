#pragma once

#include <QString>

#include <atomic>
#include <cstdint>

#include "tests/erasetest.h"
#include "deviceaccess/oskn_operations.h"

class QTimerEvent;

// An in-drive diagnostic (70h reset and recalibrate, 71h test pending and reallocation lists).
// The drive's routine runs on the operation's thread; a one-second timer on the GUI thread
// shows a progress from elapsed time against the drive's estimate and reports a passed run
// once the bar is full. A failed run is reported by the thread itself.
class IDD : public EraseTest
{
    Q_OBJECT
public:
    IDD(_tDevice* device, _eIDDTests kind, int testType, int label, QObject* parent = nullptr);
    ~IDD() override { stop_Thread(); }
    // One tick of the progress timer (the timer's own events call it).
    void progress_Tick();
    // The drive has given the diagnostic's result.
    bool result_Known() const { return runEnded.load(); }

signals:
    void changeNameTest(int tmp_sub_Name); // connected by the window; an IDD has no phases

protected:
    void run() override;
    int execute() override;
    void abort() override;
    void timerEvent(QTimerEvent* event) override;

private:
    int idd70();
    int idd71();
    int support_Unknown();
    int run_Diagnostic(bool errorOnFail);
    void getIddInProgress();
    void estimating_Time();
    void stop_Progress();
    // Sends the one status of the run; false when one was sent already.
    bool report(int status);
    // Reports the passed run, with its log line; the bar is filled first unless it is full.
    void report_Pass(bool barFull);
    // Asks the drive to abort the running diagnostic (GUI thread).
    void stop_Drive();

    uint32_t sectorsPerPhysical = 1;
    _eIDDTests kind;
    int label;
    int totalSeconds = 0;
    int progressTimerId = 0;
    int estimateResult = 0;
    std::atomic<int> runResult{0};
    std::atomic<bool> runEnded{false};
    std::atomic<bool> reported{false};
    iddSupportedFeatures features{};
    uint64_t reallocatedCount = 0;
    uint32_t pendingPhysical = 0;
    int smartBufferSize = 512;
    uint64_t approxSeconds = 0;
    double percent = 0.0;
    bool abortSent = false;
    int abortResult = 0;
};
