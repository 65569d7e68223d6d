#pragma once

#include <QString>

#include "erasetest.h"

// Returns a self-encrypting drive to its factory state with the PSID from its label: one
// library call, which erases the drive's data.
class CPSID : public EraseTest
{
    Q_OBJECT
public:
    CPSID(_tDevice* device, QString psid, QObject* parent = nullptr);
    ~CPSID() override { stop_Thread(); }

protected:
    int execute() override;
    void abort() override;

private:
    QString psid;
};
