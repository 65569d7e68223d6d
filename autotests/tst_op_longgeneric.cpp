// The long generic test on virtual drives: the shortened last read up to the max LBA, no, one, 49
// and 50 unreadable sectors, sectors the system reports as refused, a drive that vanishes, 14 from a single-sector re-read, an empty
// drive, the estimate at LBA 0, the USB fall-back to 15-sector reads, and an abort between
// single-sector re-reads.
#include <QtTest>

#include <algorithm>

#include "tests/longgeneric.h"
#include "records.h"
#include "tst_op_support.h"

using namespace optest;

class TestOpLongGeneric : public QObject
{
    Q_OBJECT

    Drives drives;

    // abortOnBadLba asks for the abort as soon as the first unreadable sector is reported.
    static Run run(_tDevice* d, bool abortOnBadLba = false)
    {
        LongGeneric test(d);
        if (abortOnBadLba)
            connect(&test, &LongGeneric::change_Log_Erro_Test_Device, &test, [&test] { test.request_Abort(); },
                    Qt::DirectConnection);
        return run_Test(test);
    }

private slots:
    void initTestCase()
    {
        set_Time_Scale(1000.0);
        QVERIFY(drives.load("longgeneric.json"));
    }
    void cleanupTestCase() { set_Time_Scale(1.0); }

    void shortenedLastReadReachesMaxLba()
    {
        // 1001 sectors: 15 reads of 64, then one of 41 up to the max LBA, whose sector is read too.
        const Run r = run(drives.by_Serial("LG-ODD"));
        QCOMPARE(r.status, 1);
        QCOMPARE(r.bad, QStringList({"999", "1000"}));
        QCOMPARE(r.percents.last(), 100.0);
        QCOMPARE(r.log, QStringList({
            debug("Starting test: Long Generic Test - SN:LG-ODD"),
            info("Test information: First LBA: 0"),
            info("Test information: Last LBA: 1000"),
            info("Test information: Fua: 0"),
            info("Test information: Rarc: 0"),
            info("Test information: LBA: 0"),
            info("Test information: Group Number: 0"),
            info("Test information: Last lba to be tested: 960"),
            info("Test information: Last lba test transfer_leght 41"),
            debug("Warning: LongGeneric::execute() - returned: Error for SN: LG-ODD - Bad LBA= 999"),
            debug("Warning: LongGeneric::execute() - returned: Error for SN: LG-ODD - Bad LBA= 1000"),
            info("Library information: OSKNPUBLIC_API int scsi_Read_16() returned: 1"),
            error("Warning: LongGeneric::execute() - returned: FAILURE for SN: LG-ODD - Contains: 2 errors ")}));
    }

    void unreadableSectors_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QStringList>("bad");
        QTest::newRow("none") << "LG-FAST" << QStringList();
        QTest::newRow("one") << "LG-1" << QStringList({"2500"});
        QTest::newRow("49: read to the end") << "LG-49" << lba_Range(1000, 49);
        // The fiftieth ends the test at once: LBA 3000 is never reached.
        QTest::newRow("50: the limit") << "LG-50" << lba_Range(1000, 50);
    }
    void unreadableSectors()
    {
        QFETCH(QString, serial);
        QFETCH(QStringList, bad);
        const Run r = run(drives.by_Serial(serial));
        QCOMPARE(r.bad, bad);
        if (bad.isEmpty()) {
            QCOMPARE(r.status, 0);
            QCOMPARE(r.tail(1), QStringList(debug("Test information: LongGeneric::execute() - returned: SUCCESS for SN: " + serial)));
            return;
        }
        QCOMPARE(r.status, 1);
        QCOMPARE(r.tail(2), QStringList({
            info("Library information: OSKNPUBLIC_API int scsi_Read_16() returned: 1"),
            error("Warning: LongGeneric::execute() - returned: FAILURE for SN: " + serial + " - Contains: "
                  + QString::number(bad.size()) + " errors ")}));
    }

    // A read failure confined to a sector is an unreadable sector whatever its sense (libata
    // answers ABORTED COMMAND): the scan lists it and reads on, also when the sector ends a step
    // or the drive. A drive that refuses every read from some point on has stopped reading: the
    // scan ends there without listing its sectors.
    void refusedSectors()
    {
        Run r = run(drives.by_Serial("LG-ABORTED"));
        QCOMPARE(r.status, 1);
        QCOMPARE(r.bad, QStringList({"100", "191", "2500", "4000"}));
        QCOMPARE(r.log.last(), error("Warning: LongGeneric::execute() - returned: FAILURE for SN: LG-ABORTED - Contains: 4 errors "));

        r = run(drives.by_Serial("LG-STOPS"));
        QCOMPARE(r.status, 1);
        QVERIFY(r.bad.isEmpty());
        QCOMPARE(r.tail(2).first(), info("Library information: OSKNPUBLIC_API int scsi_Read_16() returned: 1"));
        QVERIFY2(r.log.last().startsWith(error("Warning: LongGeneric::execute() - returned: FAILURE for SN: LG-STOPS - Read refused at LBA: ")),
                 qPrintable(r.log.last()));
    }

    void vanishingDrive_data()
    {
        QTest::addColumn<double>("vanishAt"); // progress that makes it vanish; 0: before the test
        QTest::addColumn<bool>("onBadLba");   // vanish when the unreadable 3970 is reported instead
        QTest::addColumn<QString>("lastLba");
        QTest::newRow("at the start") << 0.0 << false << "0";
        QTest::newRow("in the middle") << 50.0 << false << "2112";
        QTest::newRow("before the shortened last step") << 97.5 << false << "3968";
        QTest::newRow("during the last step's re-reads") << 0.0 << true << "3971";
    }
    void vanishingDrive()
    {
        // The drive answers nothing once gone: the scan ends FAIL at once, and no sector it could
        // not read is listed as unreadable.
        QFETCH(double, vanishAt);
        QFETCH(bool, onBadLba);
        QFETCH(QString, lastLba);
        LongGeneric test(drives.by_Serial("LG-VANISH"));
        connect(&test, &LongGeneric::changePercent, &test, [&](double p) {
            if (vanishAt > 0 && p >= vanishAt)
                vanish_Drives();
        }, Qt::DirectConnection);
        connect(&test, &LongGeneric::change_Log_Erro_Test_Device, &test, vanish_Drives, Qt::DirectConnection);
        if (vanishAt == 0 && !onBadLba)
            vanish_Drives();
        const Run r = run_Test(test);
        bring_Back_Drives();
        QCOMPARE(r.status, 1);
        QCOMPARE(r.bad, onBadLba ? QStringList({"3970"}) : QStringList());
        QCOMPARE(r.tail(2), QStringList({
            info("Library information: OSKNPUBLIC_API int scsi_Read_16() returned: 12"),
            error("Warning: LongGeneric::execute() - returned: FAILURE for SN: LG-VANISH - Drive stopped answering at LBA: "
                  + lastLba)}));
    }

    void singleReadUnableToRunAndEmptyDrive()
    {
        // A drive that cannot read has no unreadable sector to list.
        Run r = run(drives.by_Serial("LG-LOCKED"));
        QCOMPARE(r.status, 14);
        QVERIFY(r.bad.isEmpty());
        QCOMPARE(r.tail(2), QStringList({
            info("Library information: OSKNPUBLIC_API int scsi_Read_16() returned: 14"),
            error("Warning: LongGeneric::execute() - returned: UNABLE TO RUN for SN: LG-LOCKED")}));

        _tDevice record = make_Record("Empty E0", "LG-EMPTY", "1.0", 0);
        r = run(&record);
        QCOMPARE(r.status, 1);
        QCOMPARE(r.tail(2), QStringList({
            info("Library information: OSKNPUBLIC_API int scsi_Read_16() returned: 1"),
            error("Warning: LongGeneric::execute() - returned: FAILURE for SN: LG-EMPTY")}));
    }

    void estimateAtLbaZero()
    {
        // Spun down, the drive takes 3 s to answer the first read: the estimate made after it,
        // still at LBA 0, has nothing to go by.
        _tDevice* d = drives.by_Serial("LG-SPINUP");
        QCOMPARE(spin_down_drive(d, false), 0);
        const Run r = run(d);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.estimates.value(0), QString("00:00:00"));
    }

    void oneEstimatePerSecond()
    {
        // A throughput-limited drive: at most one estimate per second of the scan (a second spent
        // inside one read gets none), counting down to about nothing when the scan ends. Time runs
        // only a hundred times faster here: a loaded machine's stall of a few tens of milliseconds
        // near the end would otherwise show as most of a minute still to go.
        set_Time_Scale(100.0);
        const uint64_t started = get_Time_Source_Nanoseconds();
        const Run r = run(drives.by_Serial("LG-SLOW"));
        const double total = (get_Time_Source_Nanoseconds() - started) / 1e9;
        set_Time_Scale(1000.0);
        QCOMPARE(r.status, 0);
        const QString all = r.estimates.join(' ');
        QVERIFY2(!r.estimates.isEmpty() && r.estimates.size() <= int(total) + 1,
                 qPrintable(QString::number(total) + ": " + all));
        QList<int> seconds;
        for (const QString& e : r.estimates) {
            const QTime t = QTime::fromString(e, "hh:mm:ss");
            QVERIFY2(t.isValid(), qPrintable(e));
            seconds << QTime(0, 0).secsTo(t);
        }
        QVERIFY2(seconds.last() <= 30 && seconds.last() < *std::max_element(seconds.begin(), seconds.end()),
                 qPrintable(all));
    }

    void usbProbe_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("lastStep");
        // 100001 sectors: the last read starts at the last multiple of the step.
        QTest::newRow("probe refused: 15-sector reads") << "LG-USB-15" << "99990";
        QTest::newRow("probe medium error: 64-sector reads") << "LG-USB-64" << "99968";
    }
    void usbProbe()
    {
        QFETCH(QString, serial);
        QFETCH(QString, lastStep);
        const Run r = run(drives.by_Serial(serial));
        QCOMPARE(r.status, 1); // an unreadable sector fails the drive
        QCOMPARE(r.bad, QStringList({"200"}));
        QVERIFY(r.log.contains(info("Test information: Last lba to be tested: " + lastStep)));
    }

    void abortBetweenSingleSectorReads()
    {
        // Unreadable 100 and 110 sit in one 64-sector read: the abort asked for when 100 is
        // reported must stop the re-reads before 110.
        const Run r = run(drives.by_Serial("LG-ABORT"), true);
        QCOMPARE(r.status, 5);
        QCOMPARE(r.bad, QStringList({"100"}));
        QCOMPARE(r.tail(2), QStringList({
            info("Library information: OSKNPUBLIC_API int scsi_Read_16() returned: 5"),
            debug("Test information: Long Generic Test - ABORTED")}));
    }

    void abortBetweenBlockReads()
    {
        LogTail log;
        LongGeneric test(drives.by_Serial("LG-ODD"));
        int reads = 0;
        connect(&test, &LongGeneric::changePercent, &test, [&](double) {
            if (++reads == 2)
                test.request_Abort();
        }, Qt::DirectConnection);
        QCOMPARE(run_To_End(&test), 5);
        QCOMPARE(reads, 2);
        QCOMPARE(log.lines().last(), debug("Test information: Long Generic Test - ABORTED"));
    }

    void progressRateIsBounded()
    {
        // A fast drive changes the two-decimal value every few reads: within a whole percent the
        // panel hears of it at most every 100 ms, so the GUI thread is not flooded.
        set_Time_Scale(1.0);
        const uint64_t started = get_Time_Source_Nanoseconds();
        const Run r = run(drives.by_Serial("LG-FAST"));
        const double seconds = (get_Time_Source_Nanoseconds() - started) / 1e9;
        set_Time_Scale(1000.0);
        QCOMPARE(r.status, 0);
        QCOMPARE(QString::number(r.percents.last(), 'f', 2), QString("100.00")); // the last read's value
        QVERIFY(std::is_sorted(r.percents.begin(), r.percents.end()));
        QVERIFY2(r.percents.size() <= 100 + int(seconds * 10) + 1,
                 qPrintable(QString("%1 updates in %2 s").arg(r.percents.size()).arg(seconds)));
        for (int p = 1; p < 100; ++p) // every whole percent is still shown
            QVERIFY(std::any_of(r.percents.begin(), r.percents.end(), [p](double v) { return int(v) == p; }));
    }

    void destroyingARunningScanStopsIt()
    {
        // The buffer belongs to the test: deleting the object mid-scan must end the scan first.
        set_Time_Scale(10.0);
        auto* test = new LongGeneric(drives.by_Serial("LG-SLOW"));
        int status = -1;
        QSemaphore reading;
        connect(test, &MainTest::changeStatus, test, [&](int s) { status = s; }, Qt::DirectConnection);
        connect(test, &LongGeneric::changePercent, test, [&](double) { reading.release(); }, Qt::DirectConnection);
        test->start();
        QVERIFY(reading.tryAcquire(1, 10000));
        delete test;
        set_Time_Scale(1000.0);
        QCOMPARE(status, 5);
    }
};

QTEST_GUILESS_MAIN(TestOpLongGeneric)
#include "tst_op_longgeneric.moc"
