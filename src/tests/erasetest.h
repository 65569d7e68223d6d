#pragma once

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>

#include "maintest.h"

// What the erase and capacity operations have in common: run() reports execute()'s result and
// ends the thread, progress goes out only when its two-decimal text changes, remaining times
// travel as "hh:mm:ss", and a failed write is traced to the sector where the erase stopped so
// that the drive's log can name it.
class EraseTest : public MainTest
{
    Q_OBJECT
public:
    EraseTest(_tDevice* device, const QString& libraryCall, QObject* parent = nullptr);

    // Seconds as "hh:mm:ss", the hours counting on past 24.
    static QString time_Text(int64_t seconds);

signals:
    void changePercent(double);
    void changeTimeEstimate(QString);
    void change_Log_Erro_Test_Device(QString);

protected:
    void run() override;
    void abort() override;

    void start_Clock();
    uint64_t elapsed_Milliseconds() const;
    int elapsed_Seconds() const { return int(elapsed_Milliseconds() / 1000); }

    void send_Percent(double value);

    // The library line for 5, the operation's own abort line, and 5.
    int aborted(const QString& line);
    // Ends the erase after the write at [lba, lba + count) returned rc (not 0): 14 is UNABLE
    // TO RUN, anything else FAIL. The sector where it stopped goes to the drive's log; writeOne
    // writes a single sector, to tell which sector of the command the drive refused.
    int write_Failed(int rc, uint64_t lba, uint64_t count, const std::function<int(uint64_t)>& writeOne,
                     const QString& unableLine, const QString& failLine);

private:
    // Empty until the first value: the opening 0 % goes out too, so the bar reads "0.00%
    // complete" from the start instead of its bare initial format.
    QString sentPercent;
    // Set by the operation's thread, read by the GUI thread's timers (IDD).
    std::atomic<uint64_t> clockStart{0};
};
