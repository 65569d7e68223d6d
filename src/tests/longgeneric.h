#pragma once

#include "tests/readscan.h"

// Reads the whole drive front to back; a failed read is re-read sector by sector and every
// unreadable sector is reported. 50 unreadable sectors end the test; any unreadable sector
// fails it.
class LongGeneric : public ReadScan
{
    Q_OBJECT
public:
    explicit LongGeneric(_tDevice* device, QObject* parent = nullptr);
    ~LongGeneric() override { stop_Thread(); }

protected:
    int execute() override;

private:
    int abort_Exit();
    int failure_Exit(const QString& why);
    // Re-reads a failed step one sector at a time; 0 to go on, else the test's result.
    int single_Sector_Pass(uint64_t current);

    QString sn;
    uint64_t blockCount = kBlockSectors;
    uint32_t transferLength = uint32_t(kBlockSectors);
    int lastResult = 0;
    int errorCount = 0;
};
