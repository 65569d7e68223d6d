// The erases the drive performs itself, on virtual drives: write same followed by its timer,
// sanitize overwrite and crypto erase, their verdicts and log lines, and what the drive holds
// afterwards. Progress answers can be scripted in place of the library's.
#include <QtTest>

#include <deque>

#include "tests/erasecrypto.h"
#include "tests/sanitizeoverwrite.h"
#include "tst_op_support.h"
#include "tests/writesametest.h"

using namespace optest;

namespace {

struct Answer {
    int rc;
    double percent;
    bool running;
};
std::deque<Answer> scripted; // consumed one per progress query while not empty
} // namespace

extern "C" int get_Writesame_Progress(_tDevice* device, double* percent, bool* inProgress, uint64_t startLBA,
                                      uint64_t endLBA)
{
    using Call = int (*)(_tDevice*, double*, bool*, uint64_t, uint64_t);
    static const Call library = library_Next<Call>("get_Writesame_Progress");
    if (scripted.empty())
        return library(device, percent, inProgress, startLBA, endLBA);
    const Answer a = scripted.front();
    scripted.pop_front();
    *percent = a.percent;
    *inProgress = a.running;
    return a.rc;
}

extern "C" int get_Sanitize_Progress(_tDevice* device, double* percent, uint32_t* state)
{
    using Call = int (*)(_tDevice*, double*, uint32_t*);
    static const Call library = library_Next<Call>("get_Sanitize_Progress");
    if (scripted.empty())
        return library(device, percent, state);
    const Answer a = scripted.front();
    scripted.pop_front();
    *percent = a.percent;
    *state = a.running ? OSKN_SANITIZE_STATE_IN_PROGRESS : OSKN_SANITIZE_STATE_IDLE;
    return a.rc;
}

class TestOpDriveErase : public QObject
{
    Q_OBJECT

    Drives drives;

    struct WriteSameRun : Run {
        bool polling = false; // the write-same timer still runs at the end
    };

    // A write same ends on the timer, in this thread's event loop.
    WriteSameRun write_Same(const QString& serial, uint64_t first, uint64_t last)
    {
        WriteSameRun r;
        LogTail tail;
        WriteSameTest test(drives.by_Serial(serial), first, last);
        connect(&test, &WriteSameTest::changePercent, &test, [&](double p) { r.percents << p; });
        connect(&test, &WriteSameTest::changeTimeEstimate, &test, [&](QString t) { r.estimates << t; });
        connect(&test, &MainTest::changeStatus, &test, [&](int s) { r.status = s; });
        test.start();
        QElapsedTimer waited;
        waited.start();
        while (r.status == -1 && waited.elapsed() < 60000)
            QTest::qWait(5);
        test.wait();
        QCoreApplication::processEvents();
        r.polling = test.is_Polling();
        r.log = tail.lines();
        return r;
    }

    // A sanitize; abortMidway asks for the abort at each percentage, as the panel's abort would:
    // nothing stops a sanitize.
    template <class Test>
    Run sanitize(const QString& serial, bool abortMidway = false)
    {
        Test test(drives.by_Serial(serial));
        if (abortMidway)
            connect(&test, &Test::changePercent, &test, [&test] { test.request_Abort(); }, Qt::DirectConnection);
        return run_Test(test);
    }

    static bool contains_Part(const QStringList& lines, const QString& part)
    {
        return std::any_of(lines.begin(), lines.end(), [&](const QString& l) { return l.contains(part); });
    }

private slots:
    void initTestCase() { set_Time_Scale(200.0); }
    void cleanupTestCase() { set_Time_Scale(1.0); }
    void init()
    {
        // Fresh drives: the ones that vanish or already sanitize do so counted from their start.
        scripted.clear();
        set_Time_Scale(200.0);
        QVERIFY(drives.load("drive-erase.json"));
    }

    // A 512 MiB span the drive writes in some ten seconds: the bar follows it second by second
    // with the time left, instead of standing at 0 % until a poll a minute after the start.
    void writeSameShowsItsProgressAndTimeLeft()
    {
        set_Time_Scale(20.0); // polls some 50 ms apart, so that a busy machine still shows several
        LogTail constructed;
        const WriteSameRun r = write_Same("WS-SLOW", 0, 1048575);
        QCOMPARE(r.status, 0);
        QCOMPARE(constructed.lines().value(0),
                 info("Test information: Write same progress will be updated every 1 second"));
        const int between = int(std::count_if(r.percents.begin(), r.percents.end(),
                                              [](double p) { return p > 0 && p < 100; }));
        QVERIFY2(between >= 3, qPrintable(QString::number(between)));
        QVERIFY(r.estimates.size() >= 3);
        const QStringList first = r.estimates.first().split(':'), last = r.estimates.last().split(':');
        QVERIFY(first[0].toInt() * 3600 + first[1].toInt() * 60 + first[2].toInt()
                > last[0].toInt() * 3600 + last[1].toInt() * 60 + last[2].toInt());
    }

    void writeSameZerosTheRangeInclusive()
    {
        _tDevice* d = drives.by_Serial("WS-1");
        QVERIFY(fill_Sectors(d, 990, 40) && fill_Sectors(d, 20990, 20));
        const WriteSameRun r = write_Same("WS-1", 1000, 21000);
        QCOMPARE(r.status, 0);
        QVERIFY(!r.polling);
        QVERIFY(r.percents.size() >= 2);
        QVERIFY(std::is_sorted(r.percents.begin(), r.percents.end()));
        QVERIFY(r.log.contains(debug("Test information: Write Same Test returned: SUCCESS for S/N: WS-1")));
        for (uint64_t lba : {1000ull, 1029ull, 20990ull, 21000ull})
            QVERIFY2(sector_Is_Zero(d, lba), qPrintable(QString::number(lba)));
        QVERIFY(!sector_Is_Zero(d, 999) && !sector_Is_Zero(d, 21001));
    }

    void writeSameBeyondThirtyTwoBitsWritesEverySector()
    {
        // 2^32 + 100 sectors: a 32-bit count would cut the range short.
        _tDevice* d = drives.by_Serial("WS-HUGE");
        const QList<uint64_t> marks{0, 0xFFFFFFFEull, 0xFFFFFFFFull, 0x100000000ull, d->maxLBA};
        for (uint64_t lba : marks)
            QVERIFY(fill_Sectors(d, lba, 1));
        set_Time_Scale(100000.0); // polls every five minutes of program time
        const WriteSameRun r = write_Same("WS-HUGE", 0, d->maxLBA);
        QCOMPARE(r.status, 0);
        for (uint64_t lba : marks)
            QVERIFY2(sector_Is_Zero(d, lba), qPrintable(QString::number(lba)));
    }

    void writeSameUnsupportedIsUnableToRun()
    {
        const WriteSameRun r = write_Same("WS-NONE", 0, 1000);
        QCOMPARE(r.status, 14);
        QVERIFY(!r.polling);
        QCOMPARE(r.log.mid(r.log.size() - 2),
                 (QStringList{debug("Library information: OSKNOPERATIONS_API bool is_Write_Same_Supported() returned: 0"),
                              error("Warning: WriteSame::execute() - returned: UNABLE TO RUN for SN: WS-NONE")}));
    }

    void writeSameEndsOnDriveProgress_data()
    {
        QTest::addColumn<QList<int>>("answers"); // rc, percent x 10, running
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("why");
        QTest::newRow("99.9 % and finished") << QList<int>{0, 500, 1, 0, 999, 0} << 0 << QString();
        QTest::newRow("100 % still running") << QList<int>{0, 1000, 1} << 0 << QString();
        QTest::newRow("query fails midway") << QList<int>{0, 300, 1, 3, 300, 1} << 1
                                            << "Warning: Write Same progress query returned: 3 at 30.00% for S/N: WS-1";
        QTest::newRow("drive reports it failed") << QList<int>{0, 600, 1, 1, 600, 0} << 1
                                                 << "Warning: Write Same progress query returned: 1 at 60.00% for S/N: WS-1";
    }
    void writeSameEndsOnDriveProgress()
    {
        QFETCH(QList<int>, answers);
        QFETCH(int, status);
        QFETCH(QString, why);
        for (int i = 0; i < answers.size(); i += 3)
            scripted.push_back({answers[i], answers[i + 1] / 10.0, answers[i + 2] != 0});
        const WriteSameRun r = write_Same("WS-1", 100, 200);
        QCOMPARE(r.status, status);
        QVERIFY(!r.polling);
        QCOMPARE(r.percents.last(), answers[answers.size() - 2] / 10.0);
        if (!why.isEmpty())
            QVERIFY2(r.log.contains(error(why)), qPrintable(r.log.join('\n')));
    }

    void writeSameOnVanishingDriveFails()
    {
        const WriteSameRun r = write_Same("WS-GONE", 0, 999999);
        QCOMPARE(r.status, 1);
        QVERIFY2(contains_Part(r.log, "Warning: Write Same progress query returned: 12 at "), qPrintable(r.log.join('\n')));
    }

    void sanitizeOverwriteErasesEverySector()
    {
        _tDevice* d = drives.by_Serial("SAN-1");
        QVERIFY(fill_Sectors(d, 0, 64) && fill_Sectors(d, 9990, 10));
        const Run r = sanitize<SanitizeOverwrite>("SAN-1");
        QCOMPARE(r.status, 0);
        QVERIFY(r.percents.first() == 0 && r.percents.last() >= 99.9);
        QVERIFY(r.log.contains(info("Test information: SanitizeOverwrite::execute() - returned: SUCCESS for S/N: SAN-1")));
        QVERIFY(sector_Is_Zero(d, 0) && sector_Is_Zero(d, 63) && sector_Is_Zero(d, 9999));
    }

    void sanitizeOverwriteUnsupportedIsUnableToRun()
    {
        const Run r = sanitize<SanitizeOverwrite>("SAN-CRYPTO");
        QCOMPARE(r.status, 14);
        QCOMPARE(r.log.mid(r.log.size() - 2),
                 (QStringList{debug("Library information: sanitizeFeaturesSupported->crypto returned: 0"),
                              error("Warning: SanitizeOverwrite::execute() UNABLE TO RUN for S/N: SAN-CRYPTO")}));
    }

    void sanitizeAlreadyRunningIsFollowedAndNotAborted()
    {
        // The drive answers the start with 4: the poll follows the running sanitize; an abort
        // request on the way changes nothing.
        const Run r = sanitize<SanitizeOverwrite>("SAN-RUN", true);
        QCOMPARE(r.status, 0);
        QVERIFY(r.percents.size() > 2);
        QVERIFY(r.percents.last() >= 99.9);
    }

    void sanitizeEndsWhenTheDriveReportsItCompleted()
    {
        // 99.9 % is not the end: the poll follows the drive until it reports completion.
        scripted = {{0, 40.0, true}, {0, 99.9, true}};
        const Run r = sanitize<SanitizeOverwrite>("SAN-1");
        QCOMPARE(r.status, 0);
        QCOMPARE(r.percents.mid(0, 3), (QList<double>{0, 40.0, 99.9}));
        QCOMPARE(r.percents.last(), 100.0);
    }

    // A sanitize that never moves ends FAIL, with the reason in the log: the overwrite's poll
    // after an hour without progress (at 0 %, or stuck at 42 % far longer than an overwrite ever
    // stands still), the crypto erase's wait after ten minutes.
    void stuckSanitizeIsFail_data()
    {
        QTest::addColumn<bool>("crypto");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<double>("stuckAt"); // scripted progress, 0: the drive's own
        QTest::addColumn<QString>("why");
        QTest::newRow("overwrite") << false << "SAN-STUCK" << 0.0
                                   << "Warning: Sanitize Overwrite made no progress for 60 minutes at 0.00%";
        QTest::newRow("overwrite at 42 %") << false << "SAN-1" << 42.0
                                           << "Warning: Sanitize Overwrite made no progress for 60 minutes at 42.00%";
        QTest::newRow("crypto erase") << true << "SAN-STUCK" << 0.0
                                      << "Warning: Erasecrypto::execute() - the drive did not report the erase "
                                         "completed in time for S/N: SAN-STUCK";
    }
    void stuckSanitizeIsFail()
    {
        QFETCH(bool, crypto);
        QFETCH(QString, serial);
        QFETCH(double, stuckAt);
        QFETCH(QString, why);
        for (int i = 0; stuckAt > 0 && i < 4000; ++i)
            scripted.push_back({0, stuckAt, true});
        set_Time_Scale(100000.0);
        const Run r = crypto ? sanitize<Erasecrypto>(serial) : sanitize<SanitizeOverwrite>(serial);
        QCOMPARE(r.status, 1);
        QVERIFY2(contains_Part(r.log, why), qPrintable(r.log.join('\n')));
    }

    // The drive reports the sanitize failed (at its end, after 99.95 % still running), or
    // vanishes: FAIL, and the data is still there.
    void sanitizeThatStopsIsFail_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("why");
        QTest::newRow("drive reports failure") << "SAN-FAIL" << "the drive reports that the sanitize failed at ";
        QTest::newRow("drive vanishes") << "SAN-GONE" << "progress query returned: 12 at ";
    }
    void sanitizeThatStopsIsFail()
    {
        QFETCH(QString, serial);
        QFETCH(QString, why);
        _tDevice* d = drives.by_Serial(serial);
        QVERIFY(fill_Sectors(d, 0, 8));
        if (serial == "SAN-FAIL")
            scripted = {{0, 99.95, true}};
        const Run r = sanitize<SanitizeOverwrite>(serial);
        QCOMPARE(r.status, 1);
        QVERIFY2(contains_Part(r.log, "Warning: Sanitize Overwrite " + why), qPrintable(r.log.join('\n')));
        QCOMPARE(r.log.last(), info("Test information: SanitizeOverwrite::execute() - returned: FAIL for S/N: " + serial));
        if (serial == "SAN-FAIL")
            QVERIFY(!sector_Is_Zero(d, 0));
    }

    void cryptoErase()
    {
        _tDevice* d = drives.by_Serial("SAN-1");
        QVERIFY(fill_Sectors(d, 100, 8));
        Run r = sanitize<Erasecrypto>("SAN-1");
        QCOMPARE(r.status, 0);
        QCOMPARE(r.percents, QList<double>{100});
        QVERIFY(sector_Is_Zero(d, 100) && sector_Is_Zero(d, 107));

        r = sanitize<Erasecrypto>("SAN-FAIL");
        QCOMPARE(r.status, 1);
        QCOMPARE(r.log.last(), error("Warning: Erasecrypto::execute() - returned:FAILURE for S/N: SAN-FAIL"));
    }
};

QTEST_MAIN(TestOpDriveErase)
#include "tst_op_drive_erase.moc"
