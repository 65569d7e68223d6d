#pragma once

#include <vector>

#include "tests/erasetest.h"
#include "deviceaccess/transferbuffer.h"

// Overwrites the whole drive with zeros, LBA 0 up to and including the max LBA, 64 sectors a
// command.
class EraseFull : public EraseTest
{
    Q_OBJECT
public:
    explicit EraseFull(_tDevice* device, QObject* parent = nullptr);
    ~EraseFull() override { stop_Thread(); }
protected:
    int execute() override;

private:
    TransferBuffer buffer; // zeros, never written
    uint64_t maxLBA = 0;
    double percent = 0.0;
};
