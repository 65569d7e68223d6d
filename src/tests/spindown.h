#pragma once

#include "tests/onecalltest.h"

// Asks the drive to spin down.
class SpinDown : public OneCallTest
{
    Q_OBJECT
public:
    explicit SpinDown(_tDevice* device, QObject* parent = nullptr);
    ~SpinDown() override { stop_Thread(); }

protected:
    int call() override;
};
