#pragma once

#include <QString>

#include <cstdint>
#include <functional>

#include "tests/progressreporter.h"

// What the erase and capacity operations have in common: a failed write is traced to the sector
// where the erase stopped so that the drive's log can name it.
class EraseTest : public ProgressReporter
{
    Q_OBJECT
public:
    EraseTest(_tDevice* device, const QString& libraryCall, QObject* parent = nullptr);

protected:
    void abort() override;

    // Ends the erase after the write at [lba, lba + count) returned rc (not 0): 14 is UNABLE
    // TO RUN, anything else FAIL. The sector where it stopped goes to the drive's log; writeOne
    // writes a single sector, to tell which sector of the command the drive refused.
    int write_Failed(int rc, uint64_t lba, uint64_t count, const std::function<int(uint64_t)>& writeOne,
                     const QString& unableLine, const QString& failLine);
};
