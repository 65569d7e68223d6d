#pragma once

#include <QString>

#include "deviceaccess/oskn_return.h"
#include "tests/progressreporter.h"

// An operation that is one library call: a start line, an abort asked before the call, the call,
// and a verdict from its result alone. The lines each operation writes are its own.
class OneCallTest : public ProgressReporter
{
    Q_OBJECT
protected:
    struct Lines {
        QString name;          // "Starting test: <name> - SN: "
        QString abortedBefore; // an abort seen before the call, ahead of the abort's own lines
        QString aborted;       // the abort's own line
        QString passed, unable, failed; // each followed by the serial number
    };
    OneCallTest(_tDevice* device, const QString& libraryCall, Lines lines, QObject* parent);

    // The call the operation is; its library result.
    virtual int call() = 0;
    // A result that means the drive cannot do this rather than that it failed.
    virtual bool cannot_Run(int rc) const { return rc == OSKN_CANNOT_PERFORM || rc == OSKN_NOT_SUPPORTED; }
    // The code the library line gives for a result that is not 0.
    virtual int library_Code(int rc) const { return rc; }
    virtual QString failed_Line(int rc) const;
    // What the drive tells of a failure, logged ahead of the failure line.
    virtual void explain_Failure(int) {}
    // What a successful call changes besides the verdict.
    virtual void passed() {}
    // Whether the drive shows what the call claims, asked after it succeeded: a status other
    // than Pass is the verdict.
    virtual int confirm() { return TestStatus::Pass; }
    // Whether abort() also writes the library line for an abort.
    bool abortLibraryLine = true;

    int execute() override;
    void abort() override;

    const Lines lines;
};
