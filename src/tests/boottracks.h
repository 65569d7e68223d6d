#pragma once

#include "tests/maintest.h"

// Zeroes the start and the end of the drive, where boot records and partition tables live.
class BootTracks : public MainTest
{
    Q_OBJECT
public:
    explicit BootTracks(_tDevice* device, QObject* parent = nullptr);
    ~BootTracks() override { stop_Thread(); }

    // Where the erase of the drive's end starts and for how long it runs.
    static void end_Erase(uint64_t maxLba, uint64_t* start, uint32_t* seconds);

signals:
    void changePercent(int);

protected:
    int execute() override;
    void abort() override;

private:
    uint64_t maxLba = 0;
    double percent = 0.0;
};
