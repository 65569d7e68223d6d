// The short drive self-test on virtual drives, with drive time scaled so the five-second polls
// pass in milliseconds: pass on the first poll, refused query or start, a failing self-test
// behind successful calls, and an abort that reaches the drive.
#include <QtTest>

#include "tests/shortdst.h"
#include "tst_op_support.h"

using namespace optest;

class TestOpShortDst : public QObject
{
    Q_OBJECT

    Drives drives;

    // Runs a self-test; abortAfter > 0 asks for the abort once that many progress values came.
    static Run run(_tDevice* d, int abortAfter = 0)
    {
        shortdst test(d);
        int values = 0;
        connect(&test, &shortdst::changePercent, &test, [&] {
            if (++values == abortAfter)
                test.request_Abort();
        }, Qt::DirectConnection);
        return run_Test(test);
    }

private slots:
    void initTestCase()
    {
        set_Time_Scale(1000.0);
        QVERIFY(drives.load("shortdst.json"));
    }
    void cleanupTestCase() { set_Time_Scale(1.0); }

    void passesOnFirstPoll()
    {
        const Run r = run(drives.by_Serial("DST-QUICK"));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.percents, QList<double>({0, 100}));
        QCOMPARE(r.log, QStringList({
            debug("Starting test: Short Drive Self Test - SN: DST-QUICK"),
            info("Library information: ata_SMART_Offline resulted: 0"),
            info("Library information: OSKNOPERATIONS_API int ata_Get_DST_Progress() returned: 0"),
            debug("Test information: shortdst::execute() - returned: SUCCESS for SN: DST-QUICK")}));
    }

    void callsWaitForTheSharedLock()
    {
        LogTail tail;
        shortdst test(drives.by_Serial("DST-QUICK"));
        mutexShortDst.lock();
        test.start();
        QVERIFY(!test.wait(200));
        QCOMPARE(tail.lines(), QStringList({debug("Starting test: Short Drive Self Test - SN: DST-QUICK")}));
        mutexShortDst.unlock();
        QVERIFY(test.wait(10000));
        QCOMPARE(tail.lines().size(), 4);
    }

    void queryRefusedIsUnableToRun()
    {
        const Run r = run(drives.by_Serial("DST-QUERY-14"));
        QCOMPARE(r.status, 14);
        QCOMPARE(r.log.mid(2), QStringList({
            info("Library information: OSKNOPERATIONS_API int ata_Get_DST_Progress() returned: 14"),
            error("Warning: shortdst::execute() - returned: UNABLE TO RUN for SN: DST-QUERY-14")}));
    }

    // A drive that cannot self-test is UNABLE TO RUN; any other refused start is a failure. Both
    // log the library's real code.
    void refusedStart_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<int>("returned");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("cannot") << "DST-START-14" << 14 << 14 << "UNABLE TO RUN";
        QTest::newRow("hardware error") << "DST-START-3" << 3 << 1 << "FAILURE";
    }
    void refusedStart()
    {
        QFETCH(QString, serial);
        QFETCH(int, returned);
        QFETCH(QString, verdict);
        const Run r = run(drives.by_Serial(serial));
        QTEST(r.status, "status");
        QVERIFY(r.percents.isEmpty());
        QCOMPARE(r.log, QStringList({
            debug("Starting test: Short Drive Self Test - SN: " + serial),
            info("Library information: OSKNOPERATIONS_API int ata_Get_DST_Progress() returned: "
                 + QString::number(returned)),
            error("Warning: shortdst::execute() - returned: " + verdict + " for SN: " + serial)}));
    }

    void failingSelfTestBehindSuccessfulCalls()
    {
        _tDevice* d = drives.by_Serial("DST-READ-FAIL");
        const Run r = run(d);
        QCOMPARE(r.status, 1);
        QVERIFY(r.percents.size() >= 3); // polled while the drive worked
        // The failed test's remainder of 0 is no progress: the bar stays where the test got to.
        QVERIFY2(std::all_of(r.percents.begin(), r.percents.end(), [](double p) { return p < 100; }),
                 qPrintable(QString::number(r.percents.last())));
        QCOMPARE(r.log.mid(2), QStringList({
            info("Library information: OSKNOPERATIONS_API int ata_Get_DST_Progress() returned: 1"),
            error("Warning: shortdst::execute() - returned: FAILURE for SN: DST-READ-FAIL")}));
        uint32_t remaining = 0;
        uint8_t status = 0;
        QCOMPARE(ata_Get_DST_Progress(d, &remaining, &status), 0);
        QCOMPARE(int(status), 7); // the drive's own verdict: read failure
    }

    void selfTestThatNeverEndsIsStoppedAndFails()
    {
        // The drive announces a one-minute test: after twice that and ten minutes more the poll
        // gives up, stops the drive's test and fails.
        _tDevice* d = drives.by_Serial("DST-ENDLESS");
        const Run r = run(d);
        QCOMPARE(r.status, 1);
        QCOMPARE(r.log.mid(r.log.size() - 4), QStringList({
            info("Library information:: ata_Abort_DST() returned = 0"),
            error("Warning: shortdst::execute() - self-test still in progress after 12 minutes, the drive announces 1"
                  " for SN: DST-ENDLESS"),
            info("Library information: OSKNOPERATIONS_API int ata_Get_DST_Progress() returned: 1"),
            error("Warning: shortdst::execute() - returned: FAILURE for SN: DST-ENDLESS")}));
        uint32_t remaining = 0;
        uint8_t status = 0;
        QCOMPARE(ata_Get_DST_Progress(d, &remaining, &status), 0);
        QCOMPARE(int(status), 1); // aborted by the host
    }

    void abortDuringPollingStopsTheDrive()
    {
        _tDevice* d = drives.by_Serial("DST-LONG");
        const Run r = run(d, 3); // the start value, then two polls
        QCOMPARE(r.status, 5);
        QCOMPARE(r.percents.size(), 3);
        QCOMPARE(r.log.mid(r.log.size() - 3), QStringList({
            info("Library information: OSKNOPERATIONS_API int ata_Get_DST_Progress() returned: 5"),
            debug("Test information: Shor Drive Self Test - ABORTED"),
            info("Library information:: ata_Abort_DST() returned = 0")}));

        // The drive stopped its test at once (status 1: aborted by the host) and logged it.
        uint32_t remaining = 0;
        uint8_t status = 0;
        QCOMPARE(ata_Get_DST_Progress(d, &remaining, &status), 0);
        QCOMPARE(int(status), 1);
        uint8_t log[512] = {};
        QCOMPARE(ata_SMART_Read_Log(d, 0x06, log, sizeof log), 0);
        const uint8_t index = log[508]; // most recent descriptor, 1-based
        QVERIFY(index >= 1);
        const uint8_t* entry = log + 2 + (index - 1) * 24;
        QCOMPARE(int(entry[0]), 1);        // short self-test
        QCOMPARE(int(entry[1] >> 4), 1);   // aborted by the host
    }
};

QTEST_GUILESS_MAIN(TestOpShortDst)
#include "tst_op_shortdst.moc"
