#pragma once

#include <QMutex>

#include "tests/onecalltest.h"

// Serialises the SMART checks of every drive.
extern QMutex mutexSmart;

// The drive's SMART health verdict, in one library call.
class SmartCheck : public OneCallTest
{
    Q_OBJECT
public:
    explicit SmartCheck(_tDevice* device, QObject* parent = nullptr);
    ~SmartCheck() override { stop_Thread(); }

protected:
    int call() override;
    int library_Code(int rc) const override { return cannot_Run(rc) ? TestStatus::UnableToRun : TestStatus::Fail; }
    void explain_Failure(int rc) override;
    void explain_Ata_Failure();
};
