#include "erasetest.h"

#include "common.h"
#include "logsapplication.h"

EraseTest::EraseTest(_tDevice* dev, const QString& call, QObject* parent) : MainTest(dev, parent, call)
{
}

void EraseTest::run()
{
    emit changeStatus(execute());
    quit();
}

void EraseTest::abort()
{
    emit changeStatus(TestStatus::Aborted);
    quit();
}

QString EraseTest::time_Text(int64_t seconds)
{
    return remaining_Time_Text(seconds);
}

void EraseTest::start_Clock()
{
    clockStart = get_Time_Source_Nanoseconds();
}

uint64_t EraseTest::elapsed_Milliseconds() const
{
    return (get_Time_Source_Nanoseconds() - clockStart) / 1000000ull;
}

void EraseTest::send_Percent(double value)
{
    const QString text = QString::number(value, 'f', 2);
    if (text == sentPercent)
        return;
    sentPercent = text;
    emit changePercent(value);
}

int EraseTest::aborted(const QString& line)
{
    get_library_information(5);
    LogsApplication::Instance()->kestrova_Log_Debug(line);
    emit change_Logs();
    return TestStatus::Aborted;
}

int EraseTest::write_Failed(int rc, uint64_t lba, uint64_t count, const std::function<int(uint64_t)>& writeOne,
                            const QString& unableLine, const QString& failLine)
{
    LogsApplication* log = LogsApplication::Instance();
    if (rc == 14) {
        get_library_information(14);
        log->kestrova_Log_Error(unableLine + serial());
        emit change_Logs();
        return TestStatus::UnableToRun;
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
    log->kestrova_Log_Error("Warning: Erase stopped at LBA: " + QString::number(stopped) + " - SN: " + serial());
    log->kestrova_Log_Error(failLine + serial());
    emit change_Logs();
    emit change_Log_Erro_Test_Device(QString::number(stopped));
    return 1;
}
