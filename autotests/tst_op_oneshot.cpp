// The single-call operations on virtual drives: SMART check (0, 2, a failure code, abort before
// the call; 14 through a stand-in of the library call, which no drive answers), boot-track
// erase (where the two erases land for max LBA 10240 and 10241, 14 on the first erase) and
// spin-down (2 from the drive, abort before the call).
#include <QtTest>

#include "tests/boottracks.h"
#include "tests/smartcheck.h"
#include "tests/spindown.h"
#include "tst_op_support.h"

using namespace optest;

namespace {

// run_SMART_Check as the program sees it: the library's, unless a test forces an answer.
int forcedSmartAnswer = -1;

} // namespace

extern "C" int run_SMART_Check(_tDevice* device)
{
    if (forcedSmartAnswer >= 0)
        return forcedSmartAnswer;
    using Call = int (*)(_tDevice*);
    static const Call library = library_Next<Call>("run_SMART_Check");
    return library ? library(device) : -1;
}

class TestOpOneShot : public QObject
{
    Q_OBJECT

    Drives drives;

    // "1" for each sector that reads back as zeros, "0" for the others.
    static QString zeros(_tDevice* d, std::initializer_list<uint64_t> lbas)
    {
        QString out;
        for (uint64_t lba : lbas)
            out += sector_Is_Zero(d, lba) ? '1' : '0';
        return out;
    }

private slots:
    void initTestCase()
    {
        set_Time_Scale(10.0);
        QVERIFY(drives.load("oneshot.json"));
    }
    void cleanupTestCase() { set_Time_Scale(1.0); }

    void smartAnswers_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<int>("forced");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("returned");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("0: healthy") << "ONE-HEALTHY" << -1 << 0 << 0 << "SUCCESS";
        QTest::newRow("2: no SMART") << "ONE-NOSMART" << -1 << 14 << 14 << "UNABLE TO RUN";
        QTest::newRow("14: cannot perform") << "ONE-HEALTHY" << 14 << 14 << 14 << "UNABLE TO RUN";
        QTest::newRow("1: threshold exceeded") << "ONE-FAILING" << -1 << 1 << 1 << "FAILURE";
        QTest::newRow("3: command failed") << "ONE-STATUS-ERR" << -1 << 3 << 1 << "FAILURE";
    }
    void smartAnswers()
    {
        QFETCH(QString, serial);
        QFETCH(int, forced);
        QFETCH(int, status);
        QFETCH(int, returned);
        QFETCH(QString, verdict);
        forcedSmartAnswer = forced;
        const Run r = run<SmartCheck>(drives.by_Serial(serial));
        forcedSmartAnswer = -1;
        QCOMPARE(r.status, status);
        QCOMPARE(r.percents, QList<double>({status == 0 ? 100.0 : 0.0}));
        const QString end = "SmartCheck::execute() - returned: " + verdict + " for SN: " + serial;
        QCOMPARE(r.log, QStringList({
            debug("Starting test: S.M.A.R.T. Check - SN: " + serial),
            info("Library information: OSKNOPERATIONS_API int run_SMART_Check() returned: " + QString::number(returned)),
            status == 0 ? debug("Test information: " + end) : error("Warning: " + end)}));
    }

    void smartWaitsForTheSharedLock()
    {
        SmartCheck test(drives.by_Serial("ONE-HEALTHY"));
        int status = -1;
        connect(&test, &MainTest::changeStatus, &test, [&](int s) { status = s; }, Qt::DirectConnection);
        mutexSmart.lock();
        test.start();
        QVERIFY(!test.wait(200));
        mutexSmart.unlock();
        QVERIFY(test.wait(10000));
        QCOMPARE(status, 0);
    }

    void abortBeforeTheCall()
    {
        _tDevice* d = drives.by_Serial("ONE-SMART-ONCE");
        Run r = run<SmartCheck>(d, true);
        QCOMPARE(r.status, 5);
        QVERIFY(r.percents.isEmpty());
        QCOMPARE(r.log, QStringList({
            debug("Starting test: S.M.A.R.T. Check - SN: ONE-SMART-ONCE"),
            debug("Test information: S.M.A.R.T. Check - ABORTED"),
            info("Library information: OSKNOPERATIONS_API int run_SMART_Check() returned: 5"),
            debug("Test information: S.M.A.R.T. Check test - ABORTED")}));
        // The drives' one-time failures are still armed: the tests never asked them.
        QCOMPARE(run_SMART_Check(d), 3);
        QCOMPARE(run_SMART_Check(d), 0);

        d = drives.by_Serial("SPIN-ONCE");
        r = run<SpinDown>(d, true);
        QCOMPARE(r.status, 5);
        QCOMPARE(r.log, QStringList({
            debug("Starting test: Spin down - SN: SPIN-ONCE"),
            debug("Test information: Spin down - ABORTED"),
            info("Library information: OSKNPUBLIC_API int spin_down_drive() returned: 5"),
            debug("Test information: Spin down - ABORTED")}));
        QCOMPARE(spin_down_drive(d, false), 2);
        QCOMPARE(spin_down_drive(d, false), 0);
    }

    void bootTrackEndErase()
    {
        // Max LBA 10240: from 10240 - 102.4, truncated, for 1 s; above it, the last 10240 LBAs
        // and the max LBA itself, for 2 s.
        uint64_t start = 0;
        uint32_t seconds = 0;
        BootTracks::end_Erase(10240, &start, &seconds);
        QCOMPARE(QPair(start, seconds), QPair(uint64_t(10137), 1u));
        BootTracks::end_Erase(10241, &start, &seconds);
        QCOMPARE(QPair(start, seconds), QPair(uint64_t(1), 2u));
    }

    void bootTracks()
    {
        // The drives write 1 MB/s: the first erase (1 s from LBA 0) stops near LBA 2048, so the
        // second one shows where it began: near the end for max LBA 10240, at LBA 1 above it.
        _tDevice* d = drives.by_Serial("BOOT-10240");
        QVERIFY(fill_Sectors(d, 0, 10241));
        Run r = run<BootTracks>(d);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.percents, QList<double>({0, 100}));
        QCOMPARE(zeros(d, {0, 100, 5000, 10136, 10137, 10240}), QString("110011"));
        // Both ends are read back: the partition table's sectors and the tail it wrote.
        QStringList log = r.log;
        log[3].replace(QRegularExpression(", seed: \\d+ - "), ", seed: S - ");
        log[4].replace(QRegularExpression("sectors read: \\d+, compared: \\d+"), "sectors read: N, compared: N");
        QCOMPARE(log, QStringList({
            debug("Starting test:  Erase BootTracks - SN: BOOT-10240"),
            info("Test information: Maximum LBA to be tested: 10240"),
            info("Test information: LBA start: 0"),
            info("Test information: Verification: sample read-back of LBA 0-33, 10137-10240, seed: S - SN: BOOT-10240"),
            info("Test information: Verification: sectors read: N, compared: N, wrong: 0 - SN: BOOT-10240"),
            info("Library information: OSKNOPERATIONS_API int erase_Time() returned: 0"),
            debug("Test information: Erase_BootTracks::execute() - returned: SUCCESS for S/N: BOOT-10240")}));

        // Above 10240 sectors the second erase begins 10240 before the end, at LBA 1 here, and
        // in its 2 s at 1 MB/s it does not get there: the end of the drive keeps its data.
        d = drives.by_Serial("BOOT-10241");
        QVERIFY(fill_Sectors(d, 0, 10242));
        r = run<BootTracks>(d);
        QCOMPARE(r.status, 1);
        QCOMPARE(zeros(d, {0, 128, 6000, 10241}), QString("1100"));
        QVERIFY(std::any_of(r.log.begin(), r.log.end(), [](const QString& l) {
            return l.startsWith(error("Warning: Verification: sectors not erased: ")) && l.endsWith(" - SN: BOOT-10241");
        }));
        QCOMPARE(r.log.last(), error("Warning: Erase_BootTracks::execute() - returned: FAILURE for S/N: BOOT-10241"));
    }

    void bootTracksFailures()
    {
        _tDevice* d = drives.by_Serial("BOOT-PROTECTED");
        QVERIFY(fill_Sectors(d, 0, 10242)); // the only write the drive lets through
        Run r = run<BootTracks>(d);
        QCOMPARE(r.status, 14);
        QCOMPARE(r.percents, QList<double>({0}));
        QCOMPARE(zeros(d, {0, 10241}), QString("00")); // no second erase
        QCOMPARE(r.log.mid(3), QStringList({
            info("Library information: OSKNOPERATIONS_API int erase_Time() returned: 14"),
            debug("Test information: Erase_BootTracks::execute() - returned: UNABLE TO RUN for SN: BOOT-PROTECTED")}));

        _tDevice record = *drives.by_Serial("ONE-HEALTHY");
        record.maxLBA = 0;
        r = run<BootTracks>(&record);
        QCOMPARE(r.status, 1);
        QCOMPARE(r.log.mid(3), QStringList({
            fatal("Warning: Failed to find storage capacity - SN: ONE-HEALTHY"),
            error("Warning: BootTracks::execute() FAIL for S/N: ONE-HEALTHY")}));
    }

    void spinDown()
    {
        Run r = run<SpinDown>(drives.by_Serial("ONE-HEALTHY"));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.percents, QList<double>({100}));
        QCOMPARE(r.log, QStringList({
            debug("Starting test: Spin down - SN: ONE-HEALTHY"),
            info("Library information: OSKNPUBLIC_API int spin_down_drive() returned: 0"),
            debug("Test information: SpinDown::execute() - returned: SUCCESS for SN:ONE-HEALTHY")}));
        r = run<SpinDown>(drives.by_Serial("SPIN-REFUSED"));
        QCOMPARE(r.status, 14);
        QCOMPARE(r.percents, QList<double>({0}));
        QCOMPARE(r.log.mid(1), QStringList({
            info("Library information: OSKNPUBLIC_API int spin_down_drive() returned: 2"),
            error("Warning: SpinDown::execute() - returned: UNABLE TO RUN for SN:SPIN-REFUSED")}));
    }
};

QTEST_GUILESS_MAIN(TestOpOneShot)
#include "tst_op_oneshot.moc"
