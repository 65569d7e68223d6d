#include "tests/erasetest.h"

#include "log/logsapplication.h"
#include "deviceaccess/oskn_return.h"
#include "tests/reasons.h"

EraseTest::EraseTest(_tDevice* dev, const QString& call, QObject* parent) : ProgressReporter(dev, parent, call)
{
}

void EraseTest::abort()
{
    emit changeStatus(TestStatus::Aborted);
    quit();
}

int EraseTest::write_Failed(int rc, uint64_t lba, uint64_t count, const std::function<int(uint64_t)>& writeOne,
                            const QString& unableLine, const QString& failLine)
{
    if (rc == OSKN_CANNOT_PERFORM) {
        get_library_information(OSKN_CANNOT_PERFORM);
        return unable(unableLine + serial(), Reason::NotOffered);
    }
    // A refused command does not say which of its sectors stopped it: write them one by one up
    // to the first the drive refuses. They are zeros within the span being erased anyway; a
    // drive that is gone fails at the first.
    uint64_t stopped = lba;
    for (uint64_t one = lba; count > 1 && one < lba + count && !abortRequested.load(); ++one) {
        if (writeOne(one) != 0) {
            stopped = one;
            break;
        }
    }
    get_library_information(rc);
    set_Stop_Reason(rc, stopped, true);
    log()->kestrova_Log_Error("Warning: Erase stopped at LBA: " + QString::number(stopped) + " - SN: " + serial());
    const int status = fail(failLine + serial());
    emit change_Log_Erro_Test_Device(QString::number(stopped));
    return status;
}
