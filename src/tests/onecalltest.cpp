#include "tests/onecalltest.h"

#include "log/logsapplication.h"
#include "tests/reasons.h"

OneCallTest::OneCallTest(_tDevice* dev, const QString& call, Lines text, QObject* parent)
    : ProgressReporter(dev, parent, call), lines(std::move(text))
{
}

QString OneCallTest::failed_Line(int) const
{
    return lines.failed;
}

void OneCallTest::abort()
{
    quit();
    if (abortLibraryLine)
        get_library_information(TestStatus::Aborted);
    log()->kestrova_Log_Debug(lines.aborted);
    emit change_Logs();
}

int OneCallTest::execute()
{
    const QString sn = serial();
    log()->kestrova_Log_Debug("Starting test: " + lines.name + " - SN: " + sn);
    emit change_Logs();
    if (abortRequested.load()) {
        if (!lines.abortedBefore.isEmpty())
            log()->kestrova_Log_Debug(lines.abortedBefore);
        abort();
        return TestStatus::Aborted;
    }
    const int rc = call();
    emit changePercent(rc == 0 ? 100.0 : 0.0);
    if (rc == 0) {
        const int confirmed = confirm();
        if (confirmed == TestStatus::Aborted) {
            abort();
            return TestStatus::Aborted;
        }
        if (confirmed != TestStatus::Pass) {
            get_library_information(OSKN_FAILURE);
            fail(lines.failed + sn);
            return confirmed;
        }
        passed();
        get_library_information(OSKN_SUCCESS);
        return pass(lines.passed + sn);
    }
    const bool cannot = cannot_Run(rc);
    get_library_information(library_Code(rc));
    if (cannot)
        return unable(lines.unable + sn, Reason::NotOffered);
    if (drive_Lost(rc))
        set_Reason(Reason::StoppedAnswering);
    explain_Failure(rc);
    set_Reason(Reason::DriveFailure, " " + QString::number(rc));
    fail(failed_Line(rc) + sn);
    return rc; // the library's own code: any other than 0 is a failure
}
