#pragma once

#include <cstdint>

#include "erasetest.h"

// Changes the capacity the drive reports to newMaxLBA (its highest LBA), or back to its native
// capacity. On success the record holds the new max LBA, so the panel and later operations
// see it.
class SetMaxLBATest : public EraseTest
{
    Q_OBJECT
public:
    SetMaxLBATest(_tDevice* device, unsigned long long newMaxLBA, bool restoreNative, QObject* parent = nullptr);
    ~SetMaxLBATest() override { stop_Thread(); }

protected:
    int execute() override;
    void abort() override;

private:
    uint64_t newMaxLBA;
    bool restoreNative;
};
