// Operations the drive performs itself, on virtual drives: set max LBA, PSID revert and the
// in-drive diagnostics with their time-based progress (driven tick by tick where the ending
// matters, with the diagnostic and its estimate scripted).
#include <QtTest>

#include <atomic>

#include "tests/idd.h"
#include "tests/psid.h"
#include "tests/setmaxlbatest.h"
#include "tst_op_support.h"

using namespace optest;

namespace {

// A stand-in for the diagnostic and its estimate while `scripted` is set.
std::atomic<bool> scripted{false}, runEntered{false}, runRelease{false};
std::atomic<int> runReturn{0};
QList<int> estimateAnswers;
uint64_t estimateSeconds = 0;
} // namespace

extern "C" int run_IDD(_tDevice* device, _eIDDTests kind, bool captive)
{
    using Call = int (*)(_tDevice*, _eIDDTests, bool);
    static const Call library = library_Next<Call>("run_IDD");
    if (!scripted)
        return library(device, kind, captive);
    runEntered = true;
    while (!runRelease)
        QThread::msleep(5);
    return runReturn;
}

extern "C" int get_Approximate_IDD_Time(_tDevice* device, _eIDDTests kind, uint64_t* seconds)
{
    using Call = int (*)(_tDevice*, _eIDDTests, uint64_t*);
    static const Call library = library_Next<Call>("get_Approximate_IDD_Time");
    if (!scripted)
        return library(device, kind, seconds);
    *seconds = estimateSeconds;
    return estimateAnswers.isEmpty() ? 4 : estimateAnswers.takeFirst();
}

class TestOpDrive : public QObject
{
    Q_OBJECT

    Drives drives;

    struct IddRun {
        QList<int> statuses;
        QList<double> percents;
        QStringList estimates;
    };

    // The lists are this thread's: what the diagnostic's thread reports arrives queued, as it
    // reaches a panel.
    static void watch(EraseTest* test, IddRun& r)
    {
        connect(test, &MainTest::changeStatus, test, [&r](int s) { r.statuses << s; });
        connect(test, &EraseTest::changePercent, test, [&r](double p) { r.percents << p; });
        connect(test, &EraseTest::changeTimeEstimate, test, [&r](QString t) { r.estimates << t; });
    }

    // A diagnostic to its end, its timer ticking on this thread.
    static IddRun run_Idd(_tDevice* d, int label)
    {
        IddRun r;
        IDD test(d, _eIDDTests(0x70 + label - 70), label - 55, label);
        watch(&test, r);
        test.start();
        if (!QTest::qWaitFor([&r] { return !r.statuses.isEmpty(); }, 30000))
            qFatal("diagnostic did not end");
        test.wait();
        QTest::qWait(50); // a late tick must not report again
        return r;
    }

    static bool readable(_tDevice* d, uint64_t lba)
    {
        std::vector<uint8_t> data(d->logicalSectorSize);
        return scsi_Read_16(d, 0, false, false, false, lba, 0, 1, data.data()) == 0;
    }

    static void at_Second(int s) { set_Time_Source_Offset_For_Test(uint64_t(s) * 1000000000ull); }

private slots:
    void initTestCase()
    {
        set_Time_Scale(50.0);
        QVERIFY(drives.load("drive.json"));
    }
    void cleanupTestCase() { set_Time_Scale(1.0); }

    void setMaxLba()
    {
        _tDevice* d = drives.by_Serial("DR-CLIP");
        LogTail tail;
        SetMaxLBATest clip(d, 50000, false);
        QCOMPARE(run_To_End(&clip), 0);
        QCOMPARE(d->maxLBA, 50000ull);
        QCOMPARE(tail.lines(), QStringList({
            debug("Starting test: Set Max LBA - SN: DR-CLIP"), debug("Test information: Hard Drive restored(bool): 0"),
            info("Test information: LBA: 50000"),
            info("Library information: OSKNOPERATIONS_API int set_Max_LBA() returned: 0"),
            debug("Test information: SetMaxLBA::execute() - returned: SUCCESS: for SN:DR-CLIP")}));
        QVERIFY(!readable(d, 50001));

        // Restoring on two drives sends the native max LBA of the one that bounded the dialog;
        // each record ends with its own drive's.
        _tDevice* other = drives.by_Serial("DR-CLIP2");
        SetMaxLBATest restore(d, 49999, true), restoreOther(other, 49999, true);
        QCOMPARE(run_To_End(&restore), 0);
        QCOMPARE(run_To_End(&restoreOther), 0);
        QCOMPARE(d->maxLBA, 99999ull);
        QCOMPARE(other->maxLBA, 49999ull);
        QVERIFY(readable(d, 99999));

        // Above the native capacity the drive refuses: the record keeps its value.
        LogTail refused;
        SetMaxLBATest tooHigh(other, 60000, false);
        QCOMPARE(run_To_End(&tooHigh), 6);
        QCOMPARE(other->maxLBA, 49999ull);
        QCOMPARE(refused.lines().last(), error("Warning: SetMaxLBA::execute() - returned: FAIL:6for SN:DR-CLIP2"));

        LogTail unable;
        SetMaxLBATest plain(drives.by_Serial("DR-NOSMART"), 5000, false); // neither HPA nor AMAC
        QCOMPARE(run_To_End(&plain), 14);
        QCOMPARE(unable.lines().last(),
                 error("Warning: SetMaxLBA::execute() - returned: UNABLE TO RUN for SN:DR-NOSMART"));
    }

    void psid_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("last");
        QTest::newRow("no PSID authority (library 2)")
            << "DR-PLAIN" << "0123456789ABCDEFGHIJKLMNOPQRSTUV" << 14
            << error("Warning: CPSID::execute() - returned: UNABLE TO RUN for SN:DR-PLAIN");
        QTest::newRow("wrong key") << "DR-SED" << "0123456789ABCDEFGHIJKLMNOPQRSTUW" << 1
                                   << error("Warning: CPSID::execute() - returned: FAIL for SN:DR-SED");
        QTest::newRow("right key") << "DR-SED" << "0123456789ABCDEFGHIJKLMNOPQRSTUV" << 0
                                   << debug("Test information: CPSID::execute() - returned: SUCCESS for SN:DR-SED");
    }
    void psid()
    {
        QFETCH(QString, serial);
        QFETCH(QString, key);
        QFETCH(int, status);
        QFETCH(QString, last);
        _tDevice* d = drives.by_Serial(serial);
        QVERIFY(fill_Sectors(d, 20, 1));
        const Run r = run<CPSID>(d, false, key);
        QCOMPARE(r.status, status);
        QCOMPARE(r.percents, QList<double>{status == 0 ? 100.0 : 0.0});
        QCOMPARE(r.log.last(), last);
        QCOMPARE(sector_Is_Zero(d, 20), status == 0);
    }

    void psidAbortedBeforeTheStart()
    {
        const Run r = run<CPSID>(drives.by_Serial("DR-SED"), true, QString("0123456789ABCDEFGHIJKLMNOPQRSTUV"));
        QCOMPARE(r.status, 5);
        QCOMPARE(r.log, QStringList({
            debug("Starting test: PSID Erase - SN: DR-SED"), debug("Test information: PSID Erase - ABORTED"),
            info("Library information: OSKNPUBLIC_API int PSID Erase returned: 5"),
            debug("Test information: PSID Erase - ABORTED")}));
    }

    void iddWithoutSupport()
    {
        LogTail tail;
        const IddRun r = run_Idd(drives.by_Serial("DR-NOSMART"), 70);
        QCOMPARE(r.statuses, QList<int>{14});
        QStringList lines; // the timer's estimate queries may fall between the thread's lines
        for (const QString& l : tail.lines())
            if (!l.contains("get_Approximate_IDD_Time"))
                lines << l;
        const int at = lines.indexOf(error("Warning: idd::execute() - returned: UNABLE TO RUN for SN: DR-NOSMART - IDD 70"));
        QVERIFY2(at > 0, qPrintable(lines.join('\n')));
        QVERIFY(lines[at - 1].startsWith(info("Library information: OSKNOPERATIONS_API int get_IDD_Support() returned: ")));
        QVERIFY(!lines[at - 1].endsWith(": 0"));
    }

    void idd71ReallocatesPendingSectors()
    {
        _tDevice* d = drives.by_Serial("DR-IDD");
        QVERIFY(!readable(d, 100) && !readable(d, 2000));
        LogTail tail;
        const IddRun r = run_Idd(d, 71);
        QCOMPARE(r.statuses, QList<int>{0});
        QVERIFY(readable(d, 100) && readable(d, 2000));
        QVERIFY(!r.percents.isEmpty());
        QCOMPARE(r.percents.last(), 100.0);
        QVERIFY(*std::max_element(r.percents.begin(), r.percents.end()) <= 100.0);
        const QStringList lines = tail.lines();
        QVERIFY(lines.contains(info("Test information: Attribute 5: 7")));
        QVERIFY(lines.contains(info("Test information: Attribute 197: 2 Physical Sectors")));
        QVERIFY(lines.contains(debug("Test information: IDD 71 Test returned: 0 for S/N: DR-IDD")));
    }

    void iddOfAVanishingDrive()
    {
        Drives own;
        QVERIFY(own.load("drive.json"));
        const IddRun r = run_Idd(own.by_Serial("DR-GONE"), 70);
        QCOMPARE(r.statuses, QList<int>{1});
    }

    // The bar follows elapsed time against the estimate plus 4 s; the run ends at the tick
    // after the bar is full and the result known, also when a busy machine skipped a tick.
    void iddProgress_data()
    {
        QTest::addColumn<QList<int>>("seconds");
        QTest::addColumn<QList<double>>("percents");
        QTest::newRow("every tick") << QList<int>{0, 30, 59, 60} << QList<double>{0, 50, 59.0 / 60 * 100, 100};
        QTest::newRow("skipped tick") << QList<int>{0, 30, 75} << QList<double>{0, 50, 100};
    }
    void iddProgress()
    {
        QFETCH(QList<int>, seconds);
        QFETCH(QList<double>, percents);
        set_Time_Scale(1.0);
        at_Second(0);
        scripted = true;
        runEntered = runRelease = false;
        runReturn = 0;
        estimateAnswers = {0, 4};
        estimateSeconds = 56;
        IddRun r;
        LogTail tail;
        IDD test(drives.by_Serial("DR-IDD"), OSKN_IDD_TEST_PENDING_AND_REALLOCATION_LISTS, 16, 71);
        watch(&test, r);
        test.start();
        while (!runEntered)
            QThread::msleep(5);

        test.progress_Tick(); // not yet running: no bar, asked again
        QVERIFY(r.percents.isEmpty());
        for (int s : seconds) {
            at_Second(s);
            test.progress_Tick();
        }
        QCOMPARE(r.percents, percents);
        QCOMPARE(r.estimates.first(), QString("00:00:59"));
        QVERIFY(r.statuses.isEmpty()); // the drive has not answered yet
        runRelease = true;
        while (!test.result_Known())
            QThread::msleep(5);
        test.progress_Tick();
        QCOMPARE(r.statuses, QList<int>{0});
        test.wait();
        test.progress_Tick();
        QCOMPARE(r.statuses, QList<int>{0});
        QCOMPARE(r.percents.size(), percents.size());
        const QStringList lines = tail.lines();
        QCOMPARE(lines.count(info("Library information: OSKNOPERATIONS_API int get_Approximate_IDD_Time() returned: 0")), 1);
        QVERIFY(lines.contains(info("Library information: OSKNOPERATIONS_API int get_Approximate_IDD_Time() returned: 4")));
        scripted = false;
        at_Second(0);
        set_Time_Scale(50.0);
    }

    void iddFailureReportedOnce()
    {
        set_Time_Scale(1.0);
        scripted = true;
        runEntered = false;
        runRelease = true;
        runReturn = 1;
        estimateAnswers = {14};
        IddRun r;
        IDD test(drives.by_Serial("DR-IDD"), OSKN_IDD_RESET_AND_RECALIBRATE, 15, 70);
        watch(&test, r);
        test.progress_Tick(); // the drive cannot estimate: no pass before the result
        test.start();
        test.wait();
        QCoreApplication::processEvents();
        test.progress_Tick();
        QCOMPARE(r.statuses, QList<int>{1});
        QVERIFY(r.percents.isEmpty());
        scripted = false;
        set_Time_Scale(50.0);
    }
};

QTEST_GUILESS_MAIN(TestOpDrive)
#include "tst_op_drive.moc"
