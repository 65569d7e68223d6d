// The read-back after every erase, on virtual drives whose writes to chosen sectors are
// acknowledged and dropped: what the erase claims against what the drive reads.
#include <QtTest>

#include <functional>
#include <memory>

#include "tests/boottracks.h"
#include "tests/erasecrypto.h"
#include "tests/erasefull.h"
#include "tests/eraserange.h"
#include "tests/erasetimetest.h"
#include "tests/eraseverifier.h"
#include "tests/psid.h"
#include "tests/sanitizeoverwrite.h"
#include "tst_op_support.h"
#include "tests/writesametest.h"

using namespace optest;

namespace {

const char kPsid[] = "0123456789ABCDEFGHIJKLMNOPQRSTUV";

using Make = std::function<MainTest*(_tDevice*)>;

Make erase_Full() { return [](_tDevice* d) { return new EraseFull(d); }; }
Make erase_Range(uint64_t a, uint64_t b) { return [=](_tDevice* d) { return new EraseRange(d, a, b); }; }
Make erase_Time(uint64_t first) { return [=](_tDevice* d) { return new EraseTimeTest(d, first, 600); }; }
Make boot_Tracks() { return [](_tDevice* d) { return new BootTracks(d); }; }
Make write_Same(uint64_t a, uint64_t b) { return [=](_tDevice* d) { return new WriteSameTest(d, a, b); }; }
Make sanitize() { return [](_tDevice* d) { return new SanitizeOverwrite(d); }; }
Make crypto() { return [](_tDevice* d) { return new Erasecrypto(d); }; }
Make psid_Revert() { return [](_tDevice* d) { return new CPSID(d, kPsid); }; }

struct Result {
    int status = -1;
    OperationOutcome outcome;
    QStringList log;
    QList<double> verification; // the phase's progress as reported
};

QString lba_List(const QList<uint64_t>& lbas)
{
    QStringList out;
    for (uint64_t l : lbas)
        out << QString::number(l);
    return out.join(",");
}

} // namespace

Q_DECLARE_METATYPE(Make)

class TestOpVerify : public QObject
{
    Q_OBJECT

    Drives drives;

    Result run_Op(const Make& make, const QString& serial)
    {
        const LogTail tail;
        std::unique_ptr<MainTest> test(make(drives.by_Serial(serial)));
        Result r;
        QObject::connect(test.get(), &MainTest::changeVerification, test.get(),
                         [&r](double p) { r.verification << p; }, Qt::DirectConnection);
        r.status = run_With_Events(test.get());
        r.outcome = test->get_Outcome();
        r.log = tail.lines();
        return r;
    }

    // Fills the drive's sectors with data, so that an erase has something to remove.
    void fill_Drive(const QString& serial)
    {
        _tDevice* d = drives.by_Serial(serial);
        for (uint64_t lba = 0; lba <= d->maxLBA; lba += 1000)
            QVERIFY(fill_Sectors(d, lba, uint32_t(std::min<uint64_t>(1000, d->maxLBA - lba + 1))));
    }

private slots:
    void initTestCase() { set_Time_Scale(200.0); }
    void cleanupTestCase() { set_Time_Scale(1.0); }
    void init()
    {
        EraseVerifier::set_Full_Read_Back(false);
        QVERIFY(drives.load("verify.json"));
    }

    void eraseThatLeavesASectorFails_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<qulonglong>("lba");
        QTest::newRow("erase full, a sector skipped") << erase_Full() << "VF-SKIP" << 6410ull;
        QTest::newRow("erase full, the last LBA") << erase_Full() << "VF-LAST" << 20000ull;
        QTest::newRow("erase range") << erase_Range(6400, 8000) << "VF-SKIP" << 6410ull;
        QTest::newRow("timed erase, the last LBA") << erase_Time(19000) << "VF-LAST" << 20000ull;
        QTest::newRow("boot tracks, the last LBA") << boot_Tracks() << "VF-LAST" << 20000ull;
        QTest::newRow("write same") << write_Same(0, 20000) << "VF-SKIP" << 6410ull;
        QTest::newRow("sanitize overwrite") << sanitize() << "VF-LAST" << 20000ull;
        QTest::newRow("NVMe erase full") << erase_Full() << "VF-NVME-SKIP" << 20000ull;
        QTest::newRow("NVMe sanitize overwrite") << sanitize() << "VF-NVME-SKIP" << 20000ull;
        QTest::newRow("NVMe write zeroes") << write_Same(0, 20000) << "VF-NVME-MID" << 6410ull;
        QTest::newRow("block-only erase range") << erase_Range(0, 20000) << "VF-BLOCK" << 6410ull;
    }
    void eraseThatLeavesASectorFails()
    {
        QFETCH(Make, make);
        QFETCH(QString, serial);
        QFETCH(qulonglong, lba);
        fill_Drive(serial);
        const Result r = run_Op(make, serial);
        QCOMPARE(r.status, int(TestStatus::Fail));
        const OperationOutcome::Verification& v = r.outcome.verification;
        QCOMPARE(v.method, QString("sample"));
        QCOMPARE(lba_List(v.mismatchLbas), QString::number(lba));
        QCOMPARE(v.mismatches, 1ull);
        QVERIFY(v.sectorsRead > 0 && v.sectorsCompared == v.sectorsRead);
        QCOMPARE(r.outcome.reason, QString(EraseVerifier::kMismatchReason) + " - LBA: " + QString::number(lba));
        QVERIFY2(r.log.contains(error("Warning: Verification: sectors not erased: 1 - LBA: " + QString::number(lba)
                                      + " - SN: " + serial)),
                 qPrintable(r.log.join("\n")));
        // The seed of the sample is in the log, so the same sectors can be read again.
        QVERIFY(std::any_of(r.log.begin(), r.log.end(), [&](const QString& l) {
            return l.contains("Test information: Verification: sample read-back of LBA ")
                   && l.contains(", seed: " + QString::number(v.seed) + " - SN: " + serial);
        }));
        QVERIFY(!r.verification.isEmpty());
        QVERIFY(!r.log.last().contains("SUCCESS"));
    }

    void soundErasesPass_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("ranges");
        QTest::newRow("erase full") << erase_Full() << "VF-SOUND" << "0-20000";
        QTest::newRow("erase range") << erase_Range(100, 5000) << "VF-SOUND" << "100-5000";
        QTest::newRow("timed erase") << erase_Time(15000) << "VF-SOUND" << "15000-20000";
        QTest::newRow("boot tracks") << boot_Tracks() << "VF-SOUND" << "0-33, 9760-20000";
        QTest::newRow("write same") << write_Same(50, 9000) << "VF-SOUND" << "50-9000";
        QTest::newRow("sanitize overwrite") << sanitize() << "VF-SOUND" << "0-20000";
        QTest::newRow("crypto erase") << crypto() << "VF-SOUND" << "0-20000";
        QTest::newRow("PSID revert") << psid_Revert() << "VF-SOUND" << "0-20000";
        QTest::newRow("NVMe crypto erase by format") << crypto() << "VF-NVME" << "0-20000";
        QTest::newRow("NVMe erase full") << erase_Full() << "VF-NVME" << "0-20000";
        QTest::newRow("NVMe sanitize overwrite") << sanitize() << "VF-NVME" << "0-20000";
    }
    void soundErasesPass()
    {
        QFETCH(Make, make);
        QFETCH(QString, serial);
        QFETCH(QString, ranges);
        fill_Drive(serial);
        const Result r = run_Op(make, serial);
        QVERIFY2(r.status == TestStatus::Pass, qPrintable(r.log.join("\n")));
        const OperationOutcome::Verification& v = r.outcome.verification;
        QCOMPARE(v.method, QString("sample"));
        QCOMPARE(v.mismatches, 0ull);
        QVERIFY(v.mismatchLbas.isEmpty());
        QVERIFY(r.outcome.reason.isEmpty());
        // At least 1 % of the range, and every sector read was one that could show a fault.
        uint64_t length = 0;
        for (const QString& part : ranges.split(", "))
            length += part.section('-', 1).toULongLong() - part.section('-', 0, 0).toULongLong() + 1;
        QVERIFY2(v.sectorsRead * 100 >= length, qPrintable(QString::number(v.sectorsRead)));
        QCOMPARE(v.sectorsCompared, v.sectorsRead);
        QVERIFY(r.log.contains(info("Test information: Verification: sectors read: " + QString::number(v.sectorsRead)
                                    + ", compared: " + QString::number(v.sectorsRead) + ", wrong: 0 - SN: " + serial)));
        QVERIFY(std::any_of(r.log.begin(), r.log.end(), [&](const QString& l) {
            return l.contains("Test information: Verification: sample read-back of LBA " + ranges + ", seed: ");
        }));
        QCOMPARE(r.verification.last(), 100.0);
    }

    // A crypto erase or revert that left the data where it was: every sampled sector that held
    // data still holds it.
    void eraseThatChangedNothingFails_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<QString>("serial");
        QTest::newRow("crypto erase") << crypto() << "VF-STUCK";
        QTest::newRow("PSID revert") << psid_Revert() << "VF-STUCK";
        QTest::newRow("NVMe crypto erase by format") << crypto() << "VF-NVME-STUCK";
    }
    void eraseThatChangedNothingFails()
    {
        QFETCH(Make, make);
        QFETCH(QString, serial);
        fill_Drive(serial);
        const Result r = run_Op(make, serial);
        QCOMPARE(r.status, int(TestStatus::Fail));
        const OperationOutcome::Verification& v = r.outcome.verification;
        QVERIFY(v.sectorsCompared > 0);
        QCOMPARE(v.mismatches, v.sectorsCompared);
        QCOMPARE(v.mismatchLbas.size(), EraseVerifier::kMostNamedLbas);
        QCOMPARE(v.mismatchLbas.first(), 0ull);
        QVERIFY(r.outcome.reason.startsWith(QString(EraseVerifier::kMismatchReason) + " - LBA: 0, 1, 2, "));
        QVERIFY(r.outcome.reason.endsWith(", ..."));
    }

    void cryptoEraseOfAnEmptyDriveComparesNothing()
    {
        // Sectors of zeros before the erase prove nothing either way: read, not counted.
        const Result r = run_Op(crypto(), "VF-SOUND");
        QCOMPARE(r.status, int(TestStatus::Pass));
        QVERIFY(r.outcome.verification.sectorsRead > 0);
        QCOMPARE(r.outcome.verification.sectorsCompared, 0ull);
        QVERIFY(r.log.contains(
            info("Test information: Verification: no sampled sector held data before the erase - SN: VF-SOUND")));
    }

    void fullReadBackReadsEverySector()
    {
        // LBA 3000 lies between the evenly spread runs of a sample; a full read-back finds it.
        EraseVerifier::set_Full_Read_Back(true);
        fill_Drive("VF-MID");
        Result r = run_Op(erase_Full(), "VF-MID");
        QCOMPARE(r.status, int(TestStatus::Fail));
        QCOMPARE(r.outcome.verification.method, QString("full"));
        QCOMPARE(r.outcome.verification.sectorsRead, 20001ull);
        QCOMPARE(lba_List(r.outcome.verification.mismatchLbas), QString("3000,3001"));

        r = run_Op(erase_Range(100, 5000), "VF-SOUND");
        QCOMPARE(r.status, int(TestStatus::Pass));
        QCOMPARE(r.outcome.verification.sectorsRead, 4901ull);
        QVERIFY(r.log.contains(info("Test information: Verification: full read-back of LBA 100-5000, seed: "
                                    + QString::number(r.outcome.verification.seed) + " - SN: VF-SOUND")));
        EraseVerifier::set_Full_Read_Back(false);
    }

    void samplePlan_data()
    {
        QTest::addColumn<qulonglong>("first");
        QTest::addColumn<qulonglong>("last");
        QTest::newRow("one sector") << 7ull << 7ull;
        QTest::newRow("less than a run") << 10ull << 60ull;
        QTest::newRow("a run and a sector") << 0ull << 64ull;
        QTest::newRow("last sector past the runs") << 100ull << 20000ull;
        QTest::newRow("a large drive") << 0ull << 3999999999ull;
    }
    void samplePlan()
    {
        QFETCH(qulonglong, first);
        QFETCH(qulonglong, last);
        _tDevice record = *drives.by_Serial("VF-SOUND");
        record.maxLBA = last;
        EraseVerifier a(&record, {{first, last}}, EraseVerifier::Expect::Pattern);
        a.set_Seed(42);
        bool hasFirst = false, hasLast = false, inside = true;
        uint64_t spread = 0;
        for (const EraseVerifier::Piece& p : a.plan()) {
            hasFirst = hasFirst || p.lba == first;
            hasLast = hasLast || p.lba + p.count - 1 == last;
            inside = inside && p.lba >= first && p.lba + p.count - 1 <= last && p.count > 0;
            if (p.count > 1 || last == first)
                spread += p.count;
        }
        QVERIFY(hasFirst && hasLast && inside);
        QVERIFY(spread * 100 >= last - first + 1);
        // The seed makes the plan: the same one the same sectors, another other random ones.
        EraseVerifier b(&record, {{first, last}}, EraseVerifier::Expect::Pattern);
        b.set_Seed(42);
        QCOMPARE(b.planned_Sectors(), a.planned_Sectors());
        QVERIFY(std::equal(a.plan().begin(), a.plan().end(), b.plan().begin(),
                           [](const auto& x, const auto& y) { return x.lba == y.lba && x.count == y.count; }));
        if (last - first > 100000) {
            b.set_Seed(43);
            QVERIFY(!std::equal(a.plan().begin(), a.plan().end(), b.plan().begin(),
                                [](const auto& x, const auto& y) { return x.lba == y.lba; }));
            // A crypto erase remembers its sample in bounded memory.
            EraseVerifier c(&record, {{first, last}}, EraseVerifier::Expect::Changed);
            QVERIFY(c.planned_Sectors() * sizeof(uint32_t) <= EraseVerifier::kBeforeBudgetBytes + 4096 * 4);
        }
    }

    void unstoredSectorKeepsItsData()
    {
        _tDevice* d = drives.by_Serial("VF-SKIP");
        // Old data from the start; the writes over it are acknowledged, and it stays.
        std::vector<uint8_t> sector(512);
        QCOMPARE(scsi_Read_16(d, 0, false, false, false, 6410, 0, 1, sector.data()), 0);
        QCOMPARE(int(sector[0]), 0x5A);
        QVERIFY(fill_Sectors(d, 6400, 20));
        std::vector<uint8_t> zeros(20 * 512);
        QCOMPARE(scsi_Write_16(d, 0, false, false, 6400, 0, 20, zeros.data()), 0);
        QVERIFY(sector_Is_Zero(d, 6409) && sector_Is_Zero(d, 6411));
        QCOMPARE(scsi_Read_16(d, 0, false, false, false, 6410, 0, 1, sector.data()), 0);
        QVERIFY(std::all_of(sector.begin(), sector.end(), [](uint8_t b) { return b == 0x5A; }));
        QVERIFY(!drives.load_Text(R"({ "drives": [ { "serial": "X", "maxLba": 10, "unstoredSectors": [ 11 ] } ] })"));
        QVERIFY(!drives.load_Text(R"({ "drives": [ { "serial": "X", "maxLba": 10, "unstoredSectors": [ { "lba": 5, "count": 0 } ] } ] })"));
    }
};

QTEST_MAIN(TestOpVerify)
#include "tst_op_verify.moc"
