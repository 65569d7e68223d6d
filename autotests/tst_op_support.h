// Shared by the operation suites: virtual drives from a fixture (fresh for every load), the
// application log's new lines reduced to "LEVEL | message", and running a test to its end.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <type_traits>
#include <vector>

#include "common/common.h"
#include "drivefile.h"
#include "deviceaccess/devicetext.h"
#include "log/logsapplication.h"
#include "tests/maintest.h"
#include "deviceaccess/oskn_operations.h"
#include "deviceaccess/oskn_public.h"

namespace optest {

// The library's own function that a suite's stand-in of the same name passes calls on to.
template <class Call>
Call library_Next(const char* name)
{
    return reinterpret_cast<Call>(dlsym(RTLD_NEXT, name));
}

inline QString fixture_Path(const QString& name)
{
    return qEnvironmentVariable("KV_FIXTURES", QFileInfo(__FILE__).path() + "/fixtures") + "/ops/" + name;
}

// The drives of one fixture. Each load copies the description into a new directory, so the
// drives start as described (the library keeps a drive for the life of the process per file).
class Drives
{
public:
    bool load(const QString& fixture, const QByteArray& replaceFrom = {}, const QByteArray& replaceTo = {})
    {
        QFile in(fixture_Path(fixture));
        if (!in.open(QIODevice::ReadOnly))
            return false;
        QByteArray text = in.readAll();
        if (!replaceFrom.isEmpty())
            text.replace(replaceFrom, replaceTo);
        return load_Text(text, fixture);
    }

    // A description made by the test itself.
    bool load_Text(const QByteArray& text, const QString& name = "drives.json")
    {
        if (!dir.isValid())
            return false;
        const QString path = dir.path() + "/" + QString::number(++loads) + "-" + name;
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
            return false;
        out.close();
        qputenv("OSKN_VIRTUAL_DRIVES", QFile::encodeName(path));
        records = discover_Records();
        return !records.empty();
    }

    _tDevice* by_Serial(const QString& serial)
    {
        for (_tDevice& d : records)
            if (device_Serial_Number(&d) == serial)
                return &d;
        qFatal("no drive %s in the fixture", qPrintable(serial));
        return nullptr;
    }

    std::vector<_tDevice> records;

private:
    QTemporaryDir dir;
    int loads = 0;
};

// The lines the application log gained since the mark, as "LOG_LEVEL  |message" with the
// level's prefix kept byte for byte and the time stamp checked and dropped.
class LogTail
{
public:
    LogTail() { mark = LogsApplication::Instance()->get_List_log().size(); }

    QStringList lines() const
    {
        static const QRegularExpression form(
            "^\\n(LOG_[A-Z]+ +\\| )[A-Z][a-z]{2} \\d\\d \\d{4} - \\d\\d:\\d\\d:\\d\\d \\|   (.*) $",
            QRegularExpression::DotMatchesEverythingOption);
        const QStringList all = LogsApplication::Instance()->get_List_log();
        QStringList out;
        for (int i = mark; i < all.size(); ++i) {
            const QRegularExpressionMatch m = form.match(all[i]);
            out << (m.hasMatch() ? m.captured(1) + m.captured(2) : "MALFORMED: " + all[i]);
        }
        return out;
    }

private:
    int mark;
};

inline QString debug(const QString& m) { return "LOG_DEBUG  | " + m; }
inline QString info(const QString& m) { return "LOG_INFO      | " + m; }
inline QString error(const QString& m) { return "LOG_ERROR  | " + m; }
inline QString fatal(const QString& m) { return "LOG_FATAL  | " + m; }

// Runs the test's thread to its end and returns the status it reported.
inline int run_To_End(MainTest* test, int timeoutMs = 60000)
{
    int status = -1;
    QObject::connect(test, &MainTest::changeStatus, test, [&status](int s) { status = s; },
                     Qt::DirectConnection);
    test->start();
    if (!test->wait(timeoutMs))
        qFatal("operation did not end");
    return status;
}

// Runs a test whose end may be reported by a timer of this thread (write same, IDD): events
// are processed until it has reported and its thread has ended. Returns the status.
inline int run_With_Events(MainTest* test, int timeoutMs = 60000)
{
    auto status = std::make_shared<std::atomic<int>>(-1);
    QObject::connect(test, &MainTest::changeStatus, test, [status](int s) { status->store(s); },
                     Qt::DirectConnection);
    test->start();
    QElapsedTimer waited;
    waited.start();
    while ((status->load() == -1 || test->isRunning()) && waited.elapsed() < timeoutMs)
        QTest::qWait(2);
    if (status->load() == -1 || !test->wait(timeoutMs))
        qFatal("operation did not end");
    QCoreApplication::processEvents();
    return status->load();
}

// What a test reported on its way to its end, and the application log's new lines.
struct Run {
    int status = -1;
    QList<double> percents;
    QStringList estimates;
    QStringList bad;   // LBAs listed as unreadable (or where an erase stopped)
    QStringList fixed; // and as repaired
    QStringList log;
    QStringList tail(int n) const { return log.mid(log.size() - n); }
};

template <class T, class = void> struct HasEstimate : std::false_type {};
template <class T> struct HasEstimate<T, std::void_t<decltype(&T::changeTimeEstimate)>> : std::true_type {};
template <class T, class = void> struct HasBad : std::false_type {};
template <class T> struct HasBad<T, std::void_t<decltype(&T::change_Log_Erro_Test_Device)>> : std::true_type {};
template <class T, class = void> struct HasFixed : std::false_type {};
template <class T> struct HasFixed<T, std::void_t<decltype(&T::change_Log_Fixed_Test_Device)>> : std::true_type {};

// Runs the test to its end, recording its reports on its own thread and the log's lines since
// the tail's mark. A suite that must act on a report (an abort, a drive that vanishes) connects
// its own handler first.
template <class Test>
Run run_Test(Test& test, const LogTail& tail = LogTail())
{
    Run r;
    QObject::connect(&test, &Test::changePercent, &test, [&r](auto p) { r.percents << double(p); },
                     Qt::DirectConnection);
    if constexpr (HasEstimate<Test>::value)
        QObject::connect(&test, &Test::changeTimeEstimate, &test, [&r](QString t) { r.estimates << t; },
                         Qt::DirectConnection);
    if constexpr (HasBad<Test>::value)
        QObject::connect(&test, &Test::change_Log_Erro_Test_Device, &test, [&r](QString l) { r.bad << l; },
                         Qt::DirectConnection);
    if constexpr (HasFixed<Test>::value)
        QObject::connect(&test, &Test::change_Log_Fixed_Test_Device, &test, [&r](QString l) { r.fixed << l; },
                         Qt::DirectConnection);
    r.status = run_To_End(&test);
    r.log = tail.lines();
    return r;
}

// A test of the drive and the arguments; with abortFirst the abort is asked before it starts.
template <class Test, class... Args>
Run run(_tDevice* d, bool abortFirst = false, Args... args)
{
    const LogTail tail; // what the constructor logs counts too
    Test test(d, args...);
    if (abortFirst)
        test.request_Abort();
    return run_Test(test, tail);
}

// count consecutive LBAs from first, as decimal texts (the panel's lists).
inline QStringList lba_Range(int first, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QString::number(first + i);
    return out;
}

// Drives described with "disappearAfterSeconds": 1000000 vanish at once (the program's clock
// jumps a year ahead) and come back with bring_Back_Drives().
inline void vanish_Drives() { set_Time_Source_Offset_For_Test(365ull * 24 * 3600 * 1000000000ull); }
inline void bring_Back_Drives() { set_Time_Source_Offset_For_Test(0); }

} // namespace optest
