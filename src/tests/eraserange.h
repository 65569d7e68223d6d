#pragma once

#include "tests/erasetest.h"

// Overwrites the LBAs from startLBA to endLBA, both included, in pieces of 64 sectors.
class EraseRange : public EraseTest
{
    Q_OBJECT
public:
    EraseRange(_tDevice* device, unsigned long long start, unsigned long long end, QObject* parent = nullptr);
    ~EraseRange() override { stop_Thread(); }
protected:
    int execute() override;

private:
    uint64_t startLBA = 0;
    uint64_t endLBA = 0;
    double percent = 0.0;
};
