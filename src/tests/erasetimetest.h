#pragma once

#include "tests/erasetest.h"

// Overwrites the drive with zeros from firstLBA upwards for `seconds` of time, or up to and
// including the max LBA if that comes first.
class EraseTimeTest : public EraseTest
{
    Q_OBJECT
public:
    EraseTimeTest(_tDevice* device, unsigned long long firstLBA, int seconds, QObject* parent = nullptr);
    ~EraseTimeTest() override { stop_Thread(); }
    // Sectors a command writes: bridges (USB, card readers) take smaller transfers.
    static uint32_t sectors_Per_Command(const _tDevice* device);

protected:
    int execute() override;
    void abort() override;

private:
    int seconds = 0;
    double percent = 0.0;
    uint64_t firstLBA = 0;
};
