#pragma once

#include "maintest.h"

// Asks the drive to spin down.
class SpinDown : public MainTest
{
    Q_OBJECT
public:
    explicit SpinDown(_tDevice* device, QObject* parent = nullptr);
    ~SpinDown() override { stop_Thread(); }


signals:
    void changePercent(double);

protected:
    void run() override;
    int execute() override;
    void abort() override;
};
