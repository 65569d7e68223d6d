// The two repairs on virtual drives. Fix All Fast: a first self-test that passes, a 4096-byte
// physical sector rewritten whole, a failing LBA above 2^32, the SMART self-test log (and its
// index 0), the 51st failed self-test, a permanent bad sector, a failure that names no sector,
// a self-test that stands still.
// Fix All Long: whole physical sectors up to the max LBA, the shortened last step, 50 and 51
// unreadable sectors, sectors the system reports as refused, a failed repair, a drive that vanishes.
#include <QtTest>

#include <functional>

#include "tests/fixallfast.h"
#include "tests/fixalllong.h"
#include "tests/longgeneric.h"
#include "tests/shortdst.h"
#include "tst_op_support.h"

using namespace optest;

class TestOpFixAll : public QObject
{
    Q_OBJECT

    Drives drives;

    // Runs a repair; onFixed is called on the test's thread for each LBA of the repaired list.
    template <class Test>
    static Run run(_tDevice* d, const std::function<void()>& onFixed = {})
    {
        Test test(d);
        if (onFixed)
            connect(&test, &Test::change_Log_Fixed_Test_Device, &test, onFixed, Qt::DirectConnection);
        return run_Test(test);
    }

    // Sectors around a repair hold a pattern first; true when exactly [zeroFrom, zeroTo] reads
    // as zeros afterwards among [from, to].
    static bool only_Zeroed(_tDevice* d, uint64_t from, uint64_t to, uint64_t zeroFrom, uint64_t zeroTo)
    {
        for (uint64_t lba = from; lba <= to; ++lba)
            if (sector_Is_Zero(d, lba) != (lba >= zeroFrom && lba <= zeroTo))
                return false;
        return true;
    }

    // Writes the pattern on every sector of [from, to] except the unreadable ones (a write would
    // repair them).
    static bool fill_Around(_tDevice* d, uint64_t from, uint64_t to, QList<uint64_t> skip)
    {
        for (uint64_t lba = from; lba <= to; ++lba)
            if (!skip.contains(lba) && !fill_Sectors(d, lba, 1))
                return false;
        return true;
    }

    static int read_One(_tDevice* d, uint64_t lba)
    {
        std::vector<uint8_t> data(d->logicalSectorSize);
        return scsi_Read_16(d, 0, false, false, false, lba, 0, 1, data.data());
    }

private slots:
    void initTestCase()
    {
        set_Time_Scale(1000.0);
        QVERIFY(drives.load("fixall.json"));
    }
    void cleanupTestCase() { set_Time_Scale(1.0); }

    void fastFirstSelfTestPasses()
    {
        const Run r = run<FixAllFast>(drives.by_Serial("FF-PASS"));
        QCOMPARE(r.status, 0);
        QVERIFY(r.bad.isEmpty() && r.fixed.isEmpty());
        QCOMPARE(r.log.filter("Starting test").size(), 1);
        QCOMPARE(r.tail(2), QStringList({
            info("Library information: OSKNOPERATIONS_API int ata_Get_DST_Progress() returned: 0"),
            debug("Test information: FixAllFast::execute() - returned: SUCCESS for SN: FF-PASS")}));
    }

    void fastRewritesTheWholePhysicalSector()
    {
        _tDevice* d = drives.by_Serial("FF-4K");
        QVERIFY(fill_Around(d, 990, 1020, {1003}));
        const Run r = run<FixAllFast>(d);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.bad, QStringList({"1003"}));
        QCOMPARE(r.fixed, QStringList({"1003"}));
        QVERIFY(only_Zeroed(d, 990, 1020, 1000, 1007));
        QVERIFY(r.log.contains(info("Test information: is_Supported_GPL() - Supports GPL")));
        QVERIFY(r.log.contains(error("Warning: Failing LBA from EXT log: 1003")));
        QVERIFY(r.log.contains(info("Test information: Fix All Fast - Repairing LBA : 1003")));
        QVERIFY(r.log.contains(debug("Test information: LBA repaired: 1003")));
        QCOMPARE(r.log.filter("Starting test: Fix all fast - SN:FF-4K").size(), 2);
        // The bar moves on through both self-tests and is full only once the second has passed.
        QVERIFY(std::is_sorted(r.percents.begin(), r.percents.end()));
        QCOMPARE(r.percents.last(), 100.0);
        QVERIFY2(std::all_of(r.percents.begin(), r.percents.end() - 1, [](double p) { return p < 100; }),
                 qPrintable(QString::number(r.percents.size())));
    }

    void fastRepairsAbove32Bits()
    {
        _tDevice* d = drives.by_Serial("FF-HIGH");
        const Run r = run<FixAllFast>(d);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.fixed, QStringList({"5000000001"}));
        QCOMPARE(read_One(d, 5000000001ull), 0);
        shortdst next(d); // and the drive's own next self-test finds nothing
        QCOMPARE(run_To_End(&next), 0);
    }

    void fastFromTheSmartSelfTestLog()
    {
        const Run r = run<FixAllFast>(drives.by_Serial("FF-SMART"));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.fixed, QStringList({"2345"}));
        QVERIFY(r.log.contains(info("Test information: FixAllFast::read_SMART_self_log() SUCCESS for S/N: FF-SMART")));
        QVERIFY(r.log.filter("Supports GPL").isEmpty());

        // The progress query fails at once: the self-test log holds no descriptor yet.
        const Run empty = run<FixAllFast>(drives.by_Serial("FF-EMPTY-LOG"));
        QCOMPARE(empty.status, 14);
        QVERIFY(empty.bad.isEmpty());
        QCOMPARE(empty.tail(2), QStringList({
            error("Warning: FixAllFast::read_SMART_self_log() NOT SUPPORTED for S/N: FF-EMPTY-LOG"),
            error("Warning: Get LBA failed ")}));
    }

    void fastStopsAtTheFiftyFirstFailedSelfTest()
    {
        // 51 unreadable sectors: 50 repairs, each found in the extended log past its first page
        // too, then the 51st failure ends the test without reading the log again.
        _tDevice* d = drives.by_Serial("FF-LIMIT");
        const Run r = run<FixAllFast>(d);
        QCOMPARE(r.status, 1);
        QCOMPARE(r.bad, lba_Range(500, 50));
        QCOMPARE(r.fixed, lba_Range(500, 50));
        QCOMPARE(r.log.filter("Failing LBA from EXT log").size(), 50);
        QCOMPARE(r.tail(2), QStringList({
            info("Library information: OSKNOPERATIONS_API int ata_Get_DST_Progress() returned: 1"),
            error("Warning: FixAllFast::execute() FAILURE reached the limit of 50 LBA's to correct for S/N: FF-LIMIT")}));
        QCOMPARE(read_One(d, 550), int(OSKN_COMMAND_FAILURE));
        QVERIFY(std::is_sorted(r.percents.begin(), r.percents.end()));
        QVERIFY(!r.percents.contains(100.0)); // no self-test passed
    }

    void fastRefusedOrNamelessFailures()
    {
        Run r = run<FixAllFast>(drives.by_Serial("FF-PERMANENT"));
        QCOMPARE(r.status, 1);
        QCOMPARE(r.bad, QStringList({"777"}));
        QVERIFY(r.fixed.isEmpty());
        QCOMPARE(r.log.last(), debug("Test information: LBA not reapaired: 777"));

        // A servo failure names no sector: nothing may be written.
        r = run<FixAllFast>(drives.by_Serial("FF-SERVO"));
        QCOMPARE(r.status, 1);
        QVERIFY(r.bad.isEmpty());
        QVERIFY(r.log.filter("Repairing").isEmpty());

        // A self-test that stands still for half an hour is given up.
        r = run<FixAllFast>(drives.by_Serial("FF-STUCK"));
        QCOMPARE(r.status, 1);
        QCOMPARE(r.log.last(), error("Warning: FixAllFast::execute() - self-test stopped progressing for S/N: FF-STUCK"));
    }

    void longRewritesWholePhysicalSectorsUpToMaxLba()
    {
        _tDevice* d = drives.by_Serial("FL-4K");
        QVERIFY(fill_Around(d, 990, 1020, {1003}));
        QVERIFY(fill_Around(d, 8176, 8190, {}));
        const Run r = run<FixAllLong>(d);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.bad, QStringList({"1003", "8191"}));
        QCOMPARE(r.fixed, QStringList({"1003", "8191"}));
        QVERIFY(only_Zeroed(d, 990, 1020, 1000, 1007));
        QVERIFY(only_Zeroed(d, 8176, 8191, 8184, 8191));
        const int at = r.log.indexOf(error("Warning: Fix All Long Test Error: "));
        QCOMPARE(r.log.mid(at, 7), QStringList({
            error("Warning: Fix All Long Test Error: "),
            info("Test information: Serial number FL-4K"),
            info("Test information: Bad LBA: 1003"),
            info("Test information: test return value: 3"),
            info("Test Information: Fix All Long Test - Repair LBA : 1003"),
            info("Test Information: Fix All Long Test - aligned LBA : 1000"),
            info("Test information: Fixed LBA: 1003")}));
        QCOMPARE(r.tail(2), QStringList({
            info("Library information: OSKNPUBLIC_API int scsi_Read_16() returned: 0"),
            debug("Test information: FixAllLong::execute() - returned: SUCCESS for SN:FL-4K")}));

        LongGeneric after(d); // a long test that follows finds the drive sound
        QCOMPARE(run_To_End(&after), 0);
    }

    void longShortenedLastStep()
    {
        const Run r = run<FixAllLong>(drives.by_Serial("FL-ODD"));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.fixed, QStringList({"999", "1000"}));
        QCOMPARE(r.log.mid(1, 2), QStringList({info("Test information: first LBA: 0"),
                                               info("Test information: last LBA: 1000")}));
    }

    void longErrorLimit()
    {
        Run r = run<FixAllLong>(drives.by_Serial("FL-50"));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.bad, lba_Range(1000, 50));
        QCOMPARE(r.fixed, lba_Range(1000, 50));

        _tDevice* d = drives.by_Serial("FL-51");
        r = run<FixAllLong>(d);
        QCOMPARE(r.status, 1);
        QCOMPARE(r.bad, lba_Range(1000, 50));
        QCOMPARE(r.fixed, lba_Range(1000, 50));
        QCOMPARE(r.log.last(), error("Warning: FixAllLong::execute() FAILURE for S/N: FL-51 Contains: 50 errors "));
        QCOMPARE(read_One(d, 1050), int(OSKN_COMMAND_FAILURE)); // the 51st is left alone
    }

    // Sectors a read refuses (ABORTED COMMAND) while the drive reads on are repaired like
    // unreadable ones, the drive's last sector too.
    void longRepairsRefusedSectors()
    {
        _tDevice* d = drives.by_Serial("FL-ABORTED");
        const Run r = run<FixAllLong>(d);
        QCOMPARE(r.status, 0);
        QCOMPARE(r.bad, QStringList({"100", "4000"}));
        QCOMPARE(r.fixed, QStringList({"100", "4000"}));
        QCOMPARE(read_One(d, 100), 0);
    }

    void longFailedRepairEndsAtOnce()
    {
        const Run r = run<FixAllLong>(drives.by_Serial("FL-PERMANENT"));
        QCOMPARE(r.status, 1);
        QCOMPARE(r.bad, QStringList({"100", "3000"}));
        QCOMPARE(r.fixed, QStringList({"100"}));
        QCOMPARE(r.tail(2), QStringList({
            error("Warning: Fix All Long Test -> failure to repair LBA: 3000"),
            error("Warning: FixAllLong::execute() FAILURE for S/N: FL-PERMANENT")}));
    }

    void longVanishingDrive_data()
    {
        QTest::addColumn<bool>("atStart");
        QTest::addColumn<bool>("afterRepair"); // vanish once 3970 is repaired
        QTest::addColumn<QString>("lastLba");
        QTest::newRow("at the start") << true << false << "0";
        QTest::newRow("in the last step's re-reads") << false << true << "3971";
    }
    void longVanishingDrive()
    {
        QFETCH(bool, atStart);
        QFETCH(bool, afterRepair);
        QFETCH(QString, lastLba);
        if (atStart)
            vanish_Drives();
        const Run r = run<FixAllLong>(drives.by_Serial("FL-VANISH"), [&] {
            if (afterRepair)
                vanish_Drives();
        });
        bring_Back_Drives();
        QCOMPARE(r.status, 1);
        QCOMPARE(r.bad, afterRepair ? QStringList({"3970"}) : QStringList());
        QCOMPARE(r.fixed, r.bad);
        QCOMPARE(r.tail(2), QStringList({
            info("Library information: OSKNPUBLIC_API int scsi_Read_16() returned: 12"),
            error("Warning: FixAllLong::execute() FAILURE for S/N: FL-VANISH - Drive stopped answering at LBA: " + lastLba)}));
    }
};

QTEST_GUILESS_MAIN(TestOpFixAll)
#include "tst_op_fixall.moc"
