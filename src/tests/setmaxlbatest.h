#pragma once

#include <cstdint>

#include "tests/onecalltest.h"

// Changes the capacity the drive reports to newMaxLBA (its highest LBA), or back to its native
// capacity. On success the record holds the new max LBA, so the panel and later operations
// see it.
class SetMaxLBATest : public OneCallTest
{
    Q_OBJECT
public:
    SetMaxLBATest(_tDevice* device, unsigned long long newMaxLBA, bool restoreNative, QObject* parent = nullptr);
    ~SetMaxLBATest() override { stop_Thread(); }

protected:
    int call() override;
    bool cannot_Run(int rc) const override { return rc == OSKN_CANNOT_PERFORM; }
    QString failed_Line(int rc) const override;
    void passed() override;

private:
    uint64_t newMaxLBA;
    bool restoreNative;
};
