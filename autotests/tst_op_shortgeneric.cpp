// The short generic test on virtual drives: the ends of both scans (shortened last reads, the
// inner one up to the max LBA), a drive that vanishes, span 0, the USB fall-back to 15-sector
// reads, 14 in the outer scan, the repeatable random sequence, abort after a read, and the random
// draw on a drive whose max LBA has no low 32 bits.
#include <QtTest>

#include <array>
#include <climits>
#include <cstdlib>

#include "tests/shortgeneric.h"
#include "tst_op_support.h"

using namespace optest;

class TestOpShortGeneric : public QObject
{
    Q_OBJECT

    Drives drives;

    struct Run {
        int status = -1;
        QList<QPair<int, int>> percents;
        QList<int> phases;
        QStringList log;
    };

    // Runs the test from a fresh random sequence; abortOnFirst asks for the abort as soon as
    // the first progress value is emitted.
    Run run(_tDevice* d, bool abortOnFirst = false)
    {
        Run r;
        LogTail tail;
        ShortGeneric test(d);
        connect(&test, &ShortGeneric::changePercent, &test, [&](int main, int phase) {
            r.percents.append({main, phase});
            if (abortOnFirst)
                test.request_Abort();
        }, Qt::DirectConnection);
        connect(&test, &ShortGeneric::changeNameTest, &test, [&](int n) {
            r.phases << n;
            r.percents.append({-1, n}); // phase marker
        }, Qt::DirectConnection);
        srand(1); // what an unseeded program starts from
        r.status = run_To_End(&test);
        r.log = tail.lines();
        return r;
    }

    // Phase-bar values sent while the given phase (3, 4, 5) ran, starting values included.
    static QList<int> phase_Bar(const Run& r, int phase)
    {
        QList<int> out;
        int in = 0;
        for (const auto& p : r.percents) {
            if (p.first == -1)
                in = p.second;
            else if (in == phase)
                out << p.second;
        }
        return out;
    }

    static QList<uint64_t> draws(int n, uint64_t maxLba)
    {
        QList<uint64_t> out;
        srand(1);
        for (int i = 0; i < n; ++i)
            out << ShortGeneric::random_Lba(rand(), maxLba);
        return out;
    }

private slots:
    void initTestCase()
    {
        set_Time_Scale(1000.0);
        QVERIFY(drives.load("shortgeneric.json"));
    }
    void cleanupTestCase() { set_Time_Scale(1.0); }

    void spanZeroSkipsBothScans()
    {
        const Run r = run(drives.by_Serial("SG-TINY"));
        QCOMPARE(r.status, 0);
        QCOMPARE(r.phases, QList<int>({3, 4, 5}));
        QVERIFY(phase_Bar(r, 3).isEmpty());
        QCOMPARE(phase_Bar(r, 4), QList<int>({0}));
        QCOMPARE(r.percents.last(), qMakePair(33, 100)); // the empty scans count as 0
        QCOMPARE(r.log, QStringList({
            debug("Starting test: Short Generic Test - SN: SG-TINY"),
            debug("Starting test: Short Generic Test - Outer Scan"),
            debug("Test information: Short Generic Test - Outer Scan finished - SN: SG-TINY"),
            debug("Starting test: Short Generic Test - Inner Scan"),
            debug("Test information: Short Generic Test - Inner Scan finished - SN: SG-TINY"),
            debug("Starting test: Short Generic Test - Random Scan"),
            debug("Test information: Short Generic Test - Random scan finished - SN: SG-TINY"),
            info("Library information: OSKNPUBLIC_API int scsi_Read_16() returned: 0"),
            debug("Test information: ShortGeneric::execute() - returned: SUCCESS for SN: SG-TINY")}));
    }

    void scansStopAtTheirEnds()
    {
        // LBA 1000 (= span) and 99000 (just before the last 1000 sectors) are unreadable: neither
        // scan may touch them.
        const QList<uint64_t> random = draws(5002, 100000);
        QVERIFY(!random.contains(1000) && !random.contains(99000));
        const Run r = run(drives.by_Serial("SG-EDGES"));
        QCOMPARE(r.status, 0);
        // 64-sector reads to 960, then one of 40.
        QCOMPARE(phase_Bar(r, 3), QList<int>({6, 12, 19, 25, 32, 38, 44, 51, 57, 64, 70, 76, 83, 89, 96, 100}));
        const QList<int> inner = phase_Bar(r, 4);
        QCOMPARE(inner.first(), 0);
        QCOMPARE(inner.size(), 1 + 34); // 33 reads of 30 sectors, then one of 10
        QCOMPARE(inner.last(), 100);
        QCOMPARE(r.percents.last(), qMakePair(100, 100));
    }

    // How the test ends on a drive that fails it: the block of the read that failed (which shows
    // the scan's step), a drive that stopped answering (no bad block), or one that cannot read.
    void endings_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("ending"); // of the last log line, after "returned: "
        const auto bad = [](const char* tag, const QString& serial, const char* block) {
            QTest::newRow(tag) << serial << 1 << "FAILURE for SN: " + serial + " - Bad LBA block = " + block;
        };
        bad("outer scan's shortened last read", "SG-OUTER-LAST", "960");
        bad("inner scan's shortened last read", "SG-INNER-LAST", "99991");
        bad("inner scan reads the max LBA", "SG-MAX-LBA", "99991");
        // Both drives have LBA 200 unreadable.
        bad("USB probe refused: 15-sector reads", "SG-USB-15", "195");
        bad("USB probe medium error: 64-sector reads", "SG-USB-64", "192");
        QTest::newRow("vanished drive") << "SG-VANISH" << 1
                                        << "FAILURE for SN: SG-VANISH - Drive stopped answering at LBA: 0";
        QTest::newRow("cannot read: the outer scan") << "SG-LOCKED" << 14 << "UNABLE TO RUN for SN: SG-LOCKED";
    }
    void endings()
    {
        QFETCH(QString, serial);
        QFETCH(QString, ending);
        if (serial == "SG-VANISH")
            vanish_Drives();
        const Run r = run(drives.by_Serial(serial));
        bring_Back_Drives();
        QTEST(r.status, "status");
        QCOMPARE(r.log.last(), error("Warning: ShortGeneric::execute() - returned: " + ending));
    }

    void randomSequenceRepeats()
    {
        // The draws of a program that never seeds: make one of them, past both scans and not
        // drawn before, unreadable; the test must fail exactly there.
        const uint64_t maxLba = 2000000;
        const QList<uint64_t> lbas = draws(5002, maxLba);
        int k = 100;
        while (lbas[k] < 20000 || lbas[k] >= maxLba - 20000 || lbas.mid(0, k).contains(lbas[k]))
            ++k;
        Drives fresh;
        QVERIFY(fresh.load("shortgeneric.json", "1234567", QByteArray::number(qulonglong(lbas[k]))));
        const Run r = run(fresh.by_Serial("SG-RANDOM"));
        QCOMPARE(r.status, 1);
        QVERIFY2(r.log.last().endsWith(" - Bad LBA block = " + QString::number(lbas[k])), qPrintable(r.log.last()));
        QCOMPARE(phase_Bar(r, 5).last(), int(double(k) / 5000 * 100));
    }

    void abortTakesEffectAfterTheRead()
    {
        const Run r = run(drives.by_Serial("SG-EDGES"), true);
        QCOMPARE(r.status, 5);
        QCOMPARE(phase_Bar(r, 3), QList<int>({6})); // the first read and its update, no more
        QCOMPARE(r.log.mid(r.log.size() - 2), QStringList({
            info("Library information: OSKNPUBLIC_API int scsi_Read_16() returned: 5"),
            debug("Test information: Shor Drive Self Test: Outer Scan - ABORTED")}));
    }

    void readsWaitForTheSharedLock()
    {
        // Another drive's short test holds the lock: this one may not read meanwhile.
        ShortGeneric test(drives.by_Serial("SG-TINY"));
        QAtomicInt progress;
        connect(&test, &ShortGeneric::changePercent, &test, [&](int, int) { ++progress; }, Qt::DirectConnection);
        mutexshort.lock();
        test.start();
        QVERIFY(!test.wait(200));
        QCOMPARE(progress.loadAcquire(), 2); // the phase starts only, no read done
        mutexshort.unlock();
        QVERIFY(test.wait(10000));
        QCOMPARE(progress.loadAcquire(), 2 + 100);
    }

    void randomDrawWithoutLow32Bits()
    {
        // Low 32 bits zero: drawn over the whole drive instead of dividing by zero.
        const uint64_t big = 1ull << 32;
        // Otherwise the low 32 bits, read as a signed value (|INT_MIN| for 0x80000000), bound it.
        const QList<std::array<uint64_t, 3>> cases{{123456789, big, 123456789}, {RAND_MAX, 3 * big, RAND_MAX},
                                                   {5, 0, 0}, {250, 100, 50}, {INT_MAX, big + 0x80000000ull, INT_MAX},
                                                   {7, big + 5, 2}};
        for (const auto& [draw, maxLba, lba] : cases)
            QCOMPARE(ShortGeneric::random_Lba(int(draw), maxLba), lba);
    }
};

QTEST_GUILESS_MAIN(TestOpShortGeneric)
#include "tst_op_shortgeneric.moc"
