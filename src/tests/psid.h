#pragma once

#include <QString>

#include <memory>

#include "tests/eraseverifier.h"
#include "tests/onecalltest.h"

// Returns a self-encrypting drive to its factory state with the PSID from its label: one
// library call, which erases the drive's data. A drive without a PSID authority answers 14 or 2.
class CPSID : public OneCallTest
{
    Q_OBJECT
public:
    CPSID(_tDevice* device, QString psid, QObject* parent = nullptr);
    ~CPSID() override { stop_Thread(); }

protected:
    int call() override;
    void explain_Failure(int rc) override;
    int confirm() override;

private:
    QString psid;
    std::unique_ptr<EraseVerifier> verifier;
};
