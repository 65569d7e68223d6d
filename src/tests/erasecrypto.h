#pragma once

#include <cstdint>

#include "tests/maintest.h"

// The drive's cryptographic erase: it changes its media key, so nothing written before reads
// back. The drive finishes it in moments; there is no abort.
class Erasecrypto : public MainTest
{
    Q_OBJECT
public:
    explicit Erasecrypto(_tDevice* device, QObject* parent = nullptr);
    ~Erasecrypto() override { stop_Thread(); }

signals:
    void changePercent(int);
    // The drive reports that the sanitize failed: it needs a new one before it gives its data.
    void sanitizeFailed();

protected:
    int execute() override;
    void abort() override {}

private:
    uint64_t maxLBA = 0;
};
