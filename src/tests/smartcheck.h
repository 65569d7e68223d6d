#pragma once

#include <QMutex>

#include "maintest.h"

// Serialises the SMART checks of every drive.
extern QMutex mutexSmart;

// The drive's SMART health verdict, in one library call.
class SmartCheck : public MainTest
{
    Q_OBJECT
public:
    explicit SmartCheck(_tDevice* device, QObject* parent = nullptr);
    ~SmartCheck() override { stop_Thread(); }


signals:
    void changePercent(double);

protected:
    void run() override;
    int execute() override;
    void abort() override;

private:
    void log_Nvme_Warnings();
};
