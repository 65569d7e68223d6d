#pragma once

#include <QString>

#include <vector>

#include "maintest.h"

// Reads the whole drive front to back; a failed read is re-read sector by sector and every
// unreadable sector is reported. 50 unreadable sectors end the test.
class LongGeneric : public MainTest
{
    Q_OBJECT
public:
    explicit LongGeneric(_tDevice* device, QObject* parent = nullptr);
    ~LongGeneric() override { stop_Thread(); }

    void get_library_information(int rc);

signals:
    void changePercent(double);
    void changeTimeEstimate(QString);
    void change_Log_Erro_Test_Device(QString);

protected:
    void run() override;
    int execute() override;
    void abort() override;

    void estimating_Time(double lba);

private:
    int abort_Exit();
    static void yield_To_Gui();

    int lastEstimateSecond = 0;
    uint64_t timerStart = 0; // program time, nanoseconds
    std::vector<uint8_t> buffer;
    uint64_t maxLba = 0;
    double percent = 0.0;
    uint64_t blockCount = 64;
    uint32_t transferLength = 64;
    int lastResult = 0;
    int errorCount = 0;
};
