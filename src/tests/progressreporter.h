#pragma once

#include <QString>

#include <atomic>
#include <cstdint>

#include "tests/maintest.h"

// An operation that shows how far it got and how long it has left: the scans, the erases, write
// same and the in-drive diagnostics. Its clock is program time.
class ProgressReporter : public MainTest
{
    Q_OBJECT
public:
    using MainTest::MainTest;


signals:
    void changePercent(double);
    void changeTimeEstimate(QString);
    void change_Log_Erro_Test_Device(QString);

protected:
    void start_Clock();
    uint64_t elapsed_Milliseconds() const;
    int elapsed_Seconds() const { return int(elapsed_Milliseconds() / 1000); }

    // Sends the progress when its two-decimal form changed; within one whole percent at most
    // every 100 ms (twelve fast drives would otherwise flood the GUI thread), unless it is the
    // operation's last step.
    void send_Percent(double value, bool lastStep = false);
    // Once a new whole second has passed: the time left when done of total went by in the
    // elapsed time. Nothing done yet gives no estimate rather than a guess.
    void send_Estimate(double done, double total);
    // Once a new whole second has passed: the time left as the operation knows it.
    void send_Remaining(int64_t seconds);

private:
    bool new_Second();

    // Set by the operation's thread, read by the GUI thread's timers (IDD); ns.
    std::atomic<uint64_t> clockStart{0};
    int lastSecond = 0;
    // Empty until the first value: the opening 0 % goes out too, so the bar reads "0.00%
    // complete" from the start instead of its bare initial format.
    QString sentText;
    double sentValue = 0.0;
    uint64_t sentAt = 0;
};
