// The erases the program writes itself, on virtual drives: the commands sent (recorded by a
// stand-in of the library call that passes them on), percentages, log lines, and what the drive
// holds afterwards.
#include <QtTest>

#include "tests/erasefull.h"
#include "tests/eraserange.h"
#include "tests/erasetimetest.h"
#include "tst_op_support.h"

using namespace optest;

namespace {

using Command = QPair<qulonglong, qulonglong>; // first LBA, sectors (or bytes for write_LBA)
QList<Command> commands;
QList<Command> pieces; // erase_Range: first LBA, first LBA after the piece
QList<Command> lbaWrites; // write_LBA: LBA, bytes
bool recording = false;
} // namespace

extern "C" int scsi_Write_16(_tDevice* device, uint8_t wrProtect, bool dpo, bool fua, uint64_t lba,
                             uint8_t groupNumber, uint32_t transferLength, uint8_t* ptrData)
{
    using Call = int (*)(_tDevice*, uint8_t, bool, bool, uint64_t, uint8_t, uint32_t, uint8_t*);
    static const Call library = library_Next<Call>("scsi_Write_16");
    if (recording)
        commands << Command(lba, transferLength);
    return library(device, wrProtect, dpo, fua, lba, groupNumber, transferLength, ptrData);
}

extern "C" int erase_Range(_tDevice* device, uint64_t start, uint64_t end, uint32_t options)
{
    using Call = int (*)(_tDevice*, uint64_t, uint64_t, uint32_t);
    static const Call library = library_Next<Call>("erase_Range");
    if (recording)
        pieces << Command(start, end);
    return library(device, start, end, options);
}

extern "C" int write_LBA(_tDevice* device, uint64_t lba, bool forceUnitAccess, uint8_t* ptrData, uint32_t dataSize)
{
    using Call = int (*)(_tDevice*, uint64_t, bool, uint8_t*, uint32_t);
    static const Call library = library_Next<Call>("write_LBA");
    if (recording)
        lbaWrites << Command(lba, dataSize);
    return library(device, lba, forceUnitAccess, ptrData, dataSize);
}

class TestOpErase : public QObject
{
    Q_OBJECT

    Drives drives;

    // The commands of a run are left in `commands`, `pieces` and `lbaWrites`.
    template <class Test, class... Args>
    static Run run(_tDevice* d, bool abortFirst, Args... args)
    {
        commands.clear();
        pieces.clear();
        lbaWrites.clear();
        recording = true;
        const Run r = optest::run<Test>(d, abortFirst, args...);
        recording = false;
        return r;
    }

    // The read-back's lines with its random seed, and its count of sectors when every one it read
    // was compared, as "S" and "N".
    static QStringList masked(QStringList log)
    {
        static const QRegularExpression seed(", seed: \\d+ - "), counts("sectors read: (\\d+), compared: \\1,");
        for (QString& line : log)
            line.replace(seed, ", seed: S - ").replace(counts, "sectors read: N, compared: N,");
        return log;
    }
    static QStringList read_Back(const QString& range, const QString& serial)
    {
        return {info("Test information: Verification: sample read-back of LBA " + range + ", seed: S - SN: " + serial),
                info("Test information: Verification: sectors read: N, compared: N, wrong: 0 - SN: " + serial)};
    }

    // Indexes of the sectors in [from, to] that do not read back as zeros.
    static QList<qulonglong> not_Zero(_tDevice* d, uint64_t from, uint64_t to)
    {
        QList<qulonglong> out;
        for (uint64_t lba = from; lba <= to; ++lba)
            if (!sector_Is_Zero(d, lba))
                out << lba;
        return out;
    }

private slots:
    void initTestCase()
    {
        set_Time_Scale(10.0);
        QVERIFY(drives.load("erase.json"));
    }
    void cleanupTestCase() { set_Time_Scale(1.0); }

    void fullEraseReachesTheLastSector_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QList<Command>>("sent");
        QTest::addColumn<QList<double>>("percents");
        QTest::newRow("max LBA 100") << "ER-100" << QList<Command>{{0, 64}, {64, 37}} << QList<double>{0, 100};
        QTest::newRow("max LBA 128") << "ER-128" << QList<Command>{{0, 64}, {64, 64}, {128, 1}}
                                     << QList<double>{0, 64.0 / 129 * 100, 100};
    }
    void fullEraseReachesTheLastSector()
    {
        QFETCH(QString, serial);
        QFETCH(QList<Command>, sent);
        QFETCH(QList<double>, percents);
        _tDevice* d = drives.by_Serial(serial);
        QVERIFY(fill_Sectors(d, 0, uint32_t(d->maxLBA + 1)));
        const Run r = run<EraseFull>(d, false);
        QCOMPARE(r.status, 0);
        QCOMPARE(commands, sent);
        QCOMPARE(r.percents, percents); // the opening 0 too: the bar reads "0.00% complete" at once
        QVERIFY(!r.estimates.contains("00:00:00")); // nothing to estimate from is not "done"
        QCOMPARE(not_Zero(d, 0, d->maxLBA), QList<qulonglong>());
        const QString max = QString::number(d->maxLBA);
        QCOMPARE(masked(r.log), QStringList({
            debug("Starting test:  Erase Full - SN: " + serial), info("Test information: First LBA: 0"),
            info("Test information: Last LBA: " + max), info("Test information: Fua: 0"),
            info("Test information: Rarc: 0"), info("Test information: LBA: 0"),
            info("Test information: Group Number: 0"),
            info("Library information: OSKNPUBLIC_API int scsi_Write_16() returned: 0")})
                                    + read_Back("0-" + max, serial)
                                    + QStringList{debug("Test information: EraseFull::execute() - returned: SUCCESS for S/N: "
                                                        + serial)});
    }

    // A terabyte at 1 MB/s has days left: the hours of the estimate count on past 24.
    void estimateBeyondADay()
    {
        Drives own;
        QVERIFY(own.load_Text(R"({"drives": [{"name": "tb", "model": "Brevane BV-TB", "serial": "ER-TB",
                                  "maxLba": 1953525167, "throughputMBps": 1, "storage": "memory"}]})"));
        EraseFull test(own.by_Serial("ER-TB"));
        connect(&test, &EraseFull::changeTimeEstimate, &test, [&test] { test.request_Abort(); }, Qt::DirectConnection);
        const Run r = run_Test(test);
        QCOMPARE(r.status, 5);
        QCOMPARE(r.percents.value(0), 0.0);
        QVERIFY(!r.estimates.isEmpty());
        // About 1e12 bytes at no more than 1e6 bytes a second: some 277 hours or more.
        const QStringList fields = r.estimates.first().split(':');
        QCOMPARE(fields.size(), 3);
        QVERIFY2(fields[0].toInt() >= 200, qPrintable(r.estimates.first()));
        QVERIFY(fields[1].toInt() < 60 && fields[2].toInt() < 60);
    }

    void fullEraseEndsWithoutWriting()
    {
        _tDevice record = *drives.by_Serial("ER-100");
        record.maxLBA = 0;
        Run r = run<EraseFull>(&record, false);
        QCOMPARE(r.status, 1);
        QVERIFY(commands.isEmpty());
        QCOMPARE(r.log.mid(7), QStringList({fatal("Warning: Failed to find storage capacity - SN: ER-100"),
                                            error("Warning: EraseFull::execute() - returned: FAIL for SN: ER-100")}));

        r = run<EraseFull>(drives.by_Serial("ER-100"), true);
        QCOMPARE(r.status, 5);
        QVERIFY(commands.isEmpty());
        QCOMPARE(r.log.mid(7), QStringList({info("Library information: OSKNPUBLIC_API int scsi_Write_16() returned: 5"),
                                            debug("Test information: Erase Full Test - ABORTED")}));

        r = run<EraseFull>(drives.by_Serial("ER-PROTECTED"), false);
        QCOMPARE(r.status, 14);
        QCOMPARE(commands, QList<Command>({{0, 64}}));
        QVERIFY(r.bad.isEmpty());
        QCOMPARE(r.log.mid(7), QStringList({
            info("Library information: OSKNPUBLIC_API int scsi_Write_16() returned: 14"),
            error("Test information: EraseFull::execute() - returned: UNABLE TO RUN for SN: ER-PROTECTED")}));
    }

    void fullEraseFailsWhereTheDriveStopped()
    {
        // A sector the drive will not write: the erase stops at its command and names it.
        _tDevice* d = drives.by_Serial("ER-BAD");
        QVERIFY(fill_Sectors(d, 0, 149));
        QVERIFY(fill_Sectors(d, 151, 150));
        Run r = run<EraseFull>(d, false);
        QCOMPARE(r.status, 1);
        QCOMPARE(r.bad, QStringList{"150"});
        QCOMPARE(commands.mid(0, 3), QList<Command>({{0, 64}, {64, 64}, {128, 64}}));
        QCOMPARE(commands.size(), 3 + 150 - 128 + 1); // then one by one up to the bad sector
        QCOMPARE(not_Zero(d, 0, 149), QList<qulonglong>());
        QCOMPARE(not_Zero(d, 192, 193), QList<qulonglong>({192, 193}));
        QCOMPARE(r.log.mid(7), QStringList({
            info("Library information: OSKNPUBLIC_API int scsi_Write_16() returned: 3"),
            error("Warning: Erase stopped at LBA: 150 - SN: ER-BAD"),
            error("Warning: EraseFull::execute() - returned: FAIL for SN: ER-BAD")}));

        // A record that claims more sectors than the drive has: the write past its end is refused.
        _tDevice record = *drives.by_Serial("ER-100");
        record.maxLBA = 200;
        r = run<EraseFull>(&record, false);
        QCOMPARE(r.status, 1);
        QCOMPARE(r.bad, QStringList{"101"});
    }

    void fullEraseOfAVanishingDrive()
    {
        Drives own;
        QVERIFY(own.load("erase.json"));
        _tDevice* d = own.by_Serial("ER-GONE");
        const Run r = run<EraseFull>(d, false);
        QCOMPARE(r.status, 1);
        QCOMPARE(r.bad.size(), 1);
        const qulonglong at = r.bad[0].toULongLong();
        QVERIFY(at > 0 && at < d->maxLBA);
        QCOMPARE(commands.last(), Command(at, 1)); // the sector-by-sector look stops at once
        QVERIFY(r.estimates.size() > 1);
        QVERIFY(r.log.contains(error("Warning: Erase stopped at LBA: " + QString::number(at) + " - SN: ER-GONE")));
    }

    void rangeAsTyped_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<qulonglong>("start");
        QTest::addColumn<qulonglong>("end");
        QTest::addColumn<QList<Command>>("sent");
        QTest::addColumn<QList<double>>("percents");
        QTest::newRow("0..100") << "ER-100" << 0ull << 100ull << QList<Command>{{0, 64}, {64, 101}}
                                << QList<double>{0, 64.0 / 101 * 100, 100};
        QTest::newRow("0..128") << "ER-128" << 0ull << 128ull << QList<Command>{{0, 64}, {64, 128}, {128, 129}}
                                << QList<double>{0, 64.0 / 129 * 100, 128.0 / 129 * 100, 100};
        QTest::newRow("10..20") << "ER-128" << 10ull << 20ull << QList<Command>{{10, 21}} << QList<double>{0, 100};
    }
    void rangeAsTyped()
    {
        // The end typed is erased too; the sectors just outside the range keep their data.
        QFETCH(QString, serial);
        QFETCH(qulonglong, start);
        QFETCH(qulonglong, end);
        QFETCH(QList<Command>, sent);
        QFETCH(QList<double>, percents);
        _tDevice* d = drives.by_Serial(serial);
        QVERIFY(fill_Sectors(d, 0, uint32_t(d->maxLBA + 1)));
        const Run r = run<EraseRange>(d, false, start, end);
        QCOMPARE(r.status, 0);
        QCOMPARE(pieces, sent);
        QCOMPARE(r.percents, percents);
        QList<qulonglong> outside;
        for (uint64_t lba = 0; lba <= d->maxLBA; ++lba)
            if (lba < start || lba > end)
                outside << lba;
        QCOMPARE(not_Zero(d, 0, d->maxLBA), outside);
        QCOMPARE(masked(r.log), QStringList({
            debug("Starting test:  Erase Range - SN: " + serial),
            info("Test information: Start LBA: " + QString::number(start)),
            info("Test information: End LBA: " + QString::number(end)), info("Test information: Fua: 0"),
            info("Test information: Rarc: 0"), info("Test information: LBA: " + QString::number(start)),
            info("Test information: GroupNumber: 0"),
            info("Library information: OSKNOPERATIONS_API int erase_Range() returned: 0")})
                                    + read_Back(QString::number(start) + "-" + QString::number(end), serial)
                                    + QStringList{debug("Test information: EraseRange::execute() - returned: SUCCESS for S/N: "
                                                        + serial)});
    }

    void rangeFailures()
    {
        Run r = run<EraseRange>(drives.by_Serial("ER-BAD"), false, 100ull, 300ull);
        QCOMPARE(r.status, 1);
        QCOMPARE(r.bad, QStringList{"150"});
        QCOMPARE(r.log.mid(7), QStringList({
            info("Library information: OSKNOPERATIONS_API int erase_Range() returned: 3"),
            error("Warning: Erase stopped at LBA: 150 - SN: ER-BAD"),
            error("Warning: EraseRange::execute() - returned: FAIL for SN: ER-BAD")}));

        // Past the drive's end: refused, FAIL.
        r = run<EraseRange>(drives.by_Serial("ER-100"), false, 90ull, 101ull);
        QCOMPARE(r.status, 1);
        QCOMPARE(r.bad, QStringList{"101"});

        r = run<EraseRange>(drives.by_Serial("ER-PROTECTED"), false, 0ull, 1000ull);
        QCOMPARE(r.status, 14);
        QCOMPARE(pieces, QList<Command>({{0, 64}}));

        r = run<EraseRange>(drives.by_Serial("ER-100"), true, 0ull, 100ull);
        QCOMPARE(r.status, 5);
        QVERIFY(pieces.isEmpty());
        QCOMPARE(r.log.mid(7), QStringList({info("Library information: OSKNOPERATIONS_API int erase_Range() returned: 5"),
                                            debug("Test information: Erase Range Test - ABORTED")}));

        r = run<EraseRange>(drives.by_Serial("ER-100"), false, 0ull, 0ull);
        QCOMPARE(r.status, 1);
        QCOMPARE(r.log.mid(7), QStringList({fatal("Warning: Failed to find storage capacity - SN: ER-100"),
                                            error("Warning: EraseRange::execute() - returned: FAIL for SN: ER-100")}));
    }

    void timedEraseToTheEnd_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<qulonglong>("first");
        QTest::addColumn<QList<Command>>("sent");
        QTest::newRow("128 a command") << "ER-SATA" << 700ull
                                       << QList<Command>{{700, 128 * 512}, {828, 128 * 512}, {956, 45 * 512}};
        QTest::newRow("64 a command over USB") << "ER-USB" << 850ull
                                               << QList<Command>{{850, 64 * 512}, {914, 64 * 512}, {978, 23 * 512}};
        QTest::newRow("first LBA = max LBA") << "ER-SATA" << 1000ull << QList<Command>{{1000, 512}};
    }
    void timedEraseToTheEnd()
    {
        QFETCH(QString, serial);
        QFETCH(qulonglong, first);
        QFETCH(QList<Command>, sent);
        _tDevice* d = drives.by_Serial(serial);
        QVERIFY(fill_Sectors(d, 0, 1001));
        const Run r = run<EraseTimeTest>(d, false, first, 60);
        QCOMPARE(r.status, 0);
        QCOMPARE(lbaWrites, sent);
        QCOMPARE(r.percents.last(), 100.0);
        QCOMPARE(not_Zero(d, first - 1, 1000), QList<qulonglong>{first - 1});
        QCOMPARE(r.log.mid(0, 3), QStringList({debug("Starting test:  Erase Time - SN: " + serial),
                                               info("Test information: First LBA: " + QString::number(first)),
                                               info("Test information: Time OUT: 60")}));
        // What was left of the minute, in whole seconds: 59 once a millisecond went.
        QStringList log = masked(r.log.mid(3));
        log[0].replace("missing 00:01:00", "missing 00:00:59");
        // The range it wrote is logged, and read back.
        const QString range = QString::number(first) + "-1000";
        QCOMPARE(log, QStringList({
            info("Test information: EraseTime::execute() The test finished missing 00:00:59 - for S/N: " + serial),
            info("Library information: OSKNPUBLIC_API int write_LBA() returned: 0"),
            info("Test information: Erased LBA: " + QString::number(first) + " - 1000 - SN: " + serial)})
                          + read_Back(range, serial)
                          + QStringList{debug("Test information: EraseTime::execute() SUCCESS for S/N: " + serial)});
    }

    void timedEraseStops()
    {
        // 1 MB/s: twenty seconds cover about 40000 of the drive's 2000001 sectors, then the time
        // is up. The estimate is the time left of the twenty seconds.
        Run r = run<EraseTimeTest>(drives.by_Serial("ER-SLOW"), false, 0ull, 20);
        QCOMPARE(r.status, 0);
        QVERIFY(lbaWrites.size() > 1 && lbaWrites.size() < 400);
        QVERIFY(!r.estimates.isEmpty() && r.estimates[0] >= "00:00:10" && r.estimates[0] <= "00:00:19");
        QCOMPARE(r.percents.last(), 100.0);
        QCOMPARE(r.log.mid(3, 1), QStringList({debug(
            "Test information: EraseTime::execute() The selected time finished before the test run the LBAs")}));

        r = run<EraseTimeTest>(drives.by_Serial("ER-BAD"), false, 100ull, 60);
        QCOMPARE(r.status, 1);
        QCOMPARE(r.bad, QStringList{"150"});
        QCOMPARE(r.log.mid(3), QStringList({
            info("Library information: OSKNPUBLIC_API int write_LBA() returned: 3"),
            error("Warning: Erase stopped at LBA: 150 - SN: ER-BAD"),
            error("Warning: EraseTime::execute() FAILURE for S/N: ER-BAD")}));

        r = run<EraseTimeTest>(drives.by_Serial("ER-PROTECTED"), false, 0ull, 60);
        QCOMPARE(r.status, 14);
        QCOMPARE(lbaWrites.size(), 1);
        QCOMPARE(r.log.mid(3), QStringList({
            info("Library information: OSKNPUBLIC_API int write_LBA() returned: 14"),
            error("Warning: EraseTime::execute() - returned: UNABLE TO RUN for SN: ER-PROTECTED")}));

        r = run<EraseTimeTest>(drives.by_Serial("ER-SATA"), true, 0ull, 60);
        QCOMPARE(r.status, 5);
        QVERIFY(lbaWrites.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestOpErase)
#include "tst_op_erase.moc"
