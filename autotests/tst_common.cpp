// Exported utility functions: byte order, strings, units, durations, output, random numbers,
// timers and the scalable time source.
#include "capture.h"
#include "common/common.h"

#include <QtTest>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include <sys/utsname.h>

namespace {

qint64 utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC).toSecsSinceEpoch();
}

using StringFunction = void (*)(char*);

// Applies a string function to a writable copy and returns the result.
QByteArray applied(StringFunction function, const QByteArray& input)
{
    std::vector<char> text(input.begin(), input.end());
    text.push_back('\0');
    function(text.data());
    function(nullptr);
    return QByteArray(text.data());
}

} // namespace

Q_DECLARE_METATYPE(StringFunction)

class TestCommon : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Read at the first use of the time source, which has not happened yet.
        qputenv("KESTROVA_TIME_SCALE", "250");
        QCOMPARE(get_Time_Scale(), 250.0);
        set_Time_Scale(1.0);
        qputenv("TZ", "UTC");
        tzset();
    }

    void cleanup()
    {
        set_Time_Scale(1.0);
        set_Time_Source_Offset_For_Test(0);
        g_verbosity = 1;
    }

    void byteOrder()
    {
        // The swaps the library calls.
        uint32_t dword = 0x11223344;
        byte_Swap_32(&dword);
        QCOMPARE(dword, 0x44332211u);
        uint64_t qword = 0x1122334455667788ULL;
        byte_Swap_64(&qword);
        QCOMPARE(qword, 0x8877665544332211ULL);
        word_Swap_64(&qword);
        QCOMPARE(qword, 0x2211443366558877ULL);
    }

    void byteSwapString()
    {
        QCOMPARE(applied(byte_Swap_String, "abcd"), QByteArray("badc"));
        QCOMPARE(applied(byte_Swap_String, "abc"), QByteArray("ba")); // the unpaired last one is dropped
        QCOMPARE(applied(byte_Swap_String, ""), QByteArray(""));
    }

    void whitespace_data()
    {
        const StringFunction Leading = remove_Leading_Whitespace, Trailing = remove_Trailing_Whitespace,
                             Both = remove_Leading_And_Trailing_Whitespace;
        QTest::addColumn<StringFunction>("function");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("leading, every kind") << Leading << QByteArray(" \t\n\v\fx y ") << QByteArray("x y ");
        QTest::newRow("leading, all white") << Leading << QByteArray(" \t ") << QByteArray("");
        QTest::newRow("trailing") << Trailing << QByteArray(" abc \t\r\n") << QByteArray(" abc");
        QTest::newRow("trailing, all white") << Trailing << QByteArray("   ") << QByteArray("");
        QTest::newRow("both") << Both << QByteArray("  MODEL  X  ") << QByteArray("MODEL  X");
        QTest::newRow("high bytes are not white") << Both << QByteArray("\xC3\xA9 ") << QByteArray("\xC3\xA9");
    }

    void whitespace()
    {
        QFETCH(StringFunction, function);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, expected);
        QCOMPARE(applied(function, input), expected);
    }

    void unitConversion_data()
    {
        QTest::addColumn<bool>("capacity");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expectedValue");
        QTest::addColumn<QByteArray>("expectedUnit");
        QTest::newRow("KiB") << true << 1536.0 << 1.5 << QByteArray("KiB");
        QTest::newRow("below KiB") << true << 1023.0 << 1023.0 << QByteArray("B");
        QTest::newRow("B") << false << 999.0 << 999.0 << QByteArray("B");
        QTest::newRow("exactly KB") << false << 1000.0 << 1.0 << QByteArray("KB");
        QTest::newRow("stops at ZB") << false << 1e30 << 1e9 << QByteArray("ZB");
        QTest::newRow("stops at ZiB") << true << std::pow(1024.0, 9) << 1024.0 * 1024.0 << QByteArray("ZiB");
    }

    void unitConversion()
    {
        QFETCH(bool, capacity);
        QFETCH(double, value);
        QFETCH(double, expectedValue);
        QFETCH(QByteArray, expectedUnit);
        char buffer[8];
        std::memset(buffer, 'x', sizeof buffer);
        char* unit = buffer;
        QCOMPARE(capacity ? capacity_Unit_Convert(&value, &unit) : metric_Unit_Convert(&value, &unit), 0);
        QCOMPARE(value, expectedValue);
        QCOMPARE(QByteArray(buffer), expectedUnit);
    }

    void displayableTime()
    {
        uint8_t years = 9, days = 9, hours = 9, minutes = 9, seconds = 9;
        auto printed = [&] {
            return captured(stdout, [&] { print_Time_To_Screen(&years, &days, &hours, &minutes, &seconds); });
        };
        convert_Seconds_To_Displayable_Time(90061, &years, &days, &hours, &minutes, &seconds);
        QCOMPARE(QVector<int>({years, days, hours, minutes, seconds}), QVector<int>({0, 1, 1, 1, 1}));
        QCOMPARE(printed(), QByteArray(" 1 day 1 hour 1 minute 1 second "));

        // Zero parts are left out, plurals get an s.
        convert_Seconds_To_Displayable_Time(366ULL * 86400 + 2 * 3600, &years, &days, &hours, &minutes, &seconds);
        QCOMPARE(printed(), QByteArray(" 1 year 1 day 2 hours "));

        convert_Seconds_To_Displayable_Time(59, nullptr, nullptr, nullptr, nullptr, &seconds);
        QCOMPARE(int(seconds), 59);
        QCOMPARE(captured(stdout, [] { print_Time_To_Screen(nullptr, nullptr, nullptr, nullptr, nullptr); }), QByteArray());
    }

    void futureDateAndTime()
    {
        auto future = [](qint64 start, qint64 seconds) {
            return qint64(get_Future_Data_And_Time(time_t(start), uint64_t(seconds)));
        };
        QCOMPARE(future(utc(2100, 2, 28), 86400), utc(2100, 3, 1)); // 2100 is not a leap year
        QCOMPARE(future(utc(2023, 12, 31, 23, 59, 59), 1), utc(2024, 1, 1));
        QCOMPARE(future(utc(2023, 1, 15, 8, 30), 200LL * 86400 + 3661), utc(2023, 8, 3, 9, 31, 1));
    }

    void printedOutput()
    {
        g_verbosity = 3;
        QCOMPARE(captured(stdout, [] { print_Return_Enum("x", -1); }), QByteArray("x returning: UNKOWN\n"));
        g_verbosity = 2;
        QCOMPARE(captured(stdout, [] { print_Return_Enum("x", 0); }), QByteArray());

        // A short last row is padded so that its text column lines up.
        const uint8_t shortBuffer[] = {'A', 0x01, 'B'};
        QCOMPARE(captured(stdout, [&] { print_Data_Buffer(shortBuffer, 3, true); }),
                 "\n        0  1  2  \n  0x00 41 01 42 " + QByteArray(13 * 3, ' ') + "  A.B\n\n");
    }

    void randomRanges()
    {
        seed_32(12345);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(random_Range_32(5, 5), 5u);

        const uint64_t low = 1ULL << 40;
        seed_64(987654321);
        QSet<uint64_t> seen;
        for (int i = 0; i < 1000; ++i) {
            const uint64_t value = random_Range_64(low, low + 10);
            QVERIFY(value >= low && value <= low + 10);
            seen.insert(value);
        }
        QCOMPARE(seen.size(), 11);

        // Bounds that would make the modulus zero must not crash.
        QCOMPARE(random_Range_32(UINT32_MAX, UINT32_MAX), UINT32_MAX - 1);
        QVERIFY(random_Range_32(20, 10) >= 10);
        QCOMPARE(random_Range_64(UINT64_MAX, UINT64_MAX), UINT64_MAX - 1);

        // A zero seed must not leave the generator stuck at zero.
        seed_64(0);
        QVERIFY(xorshiftplus64() != 0 || xorshiftplus64() != 0);
        seed_32(0);
        QVERIFY(xorshiftplus32() != 0 || xorshiftplus32() != 0);
    }

    void delaySplit()
    {
        auto split = [](uint32_t milliseconds, double scale) {
            const struct timespec t = delay_Milliseconds_To_Timespec(milliseconds, scale);
            return qMakePair(qint64(t.tv_sec), qint64(t.tv_nsec));
        };
        QCOMPARE(split(1500, 1.0), qMakePair(qint64(1), qint64(500000000)));
        QCOMPARE(split(UINT32_MAX, 1.0), qMakePair(qint64(4294967), qint64(295000000)));
        QCOMPARE(split(1500, 1000.0), qMakePair(qint64(0), qint64(1500000)));
        QCOMPARE(split(1500, 0.5), qMakePair(qint64(3), qint64(0)));
        QCOMPARE(split(1500, 0.0), qMakePair(qint64(1), qint64(500000000))); // invalid scale acts as 1
    }

    void scaledDelayAdvancesProgramTime()
    {
        set_Time_Scale(1000.0);
        QElapsedTimer real;
        real.start();
        const uint64_t programBefore = get_Time_Source_Nanoseconds();
        delay_Milliseconds(10000);
        const uint64_t programElapsed = get_Time_Source_Nanoseconds() - programBefore;
        const uint64_t realElapsed = uint64_t(real.nsecsElapsed());
        QVERIFY2(realElapsed < 5000000000ULL, "a scaled 10 s delay slept in real time");
        QVERIFY(programElapsed >= 10000000000ULL);
        QVERIFY(programElapsed <= realElapsed * 1000);

        for (double invalid : {0.0, -2.0, double(NAN), double(INFINITY)})
            set_Time_Scale(invalid);
        QCOMPARE(get_Time_Scale(), 1000.0);
    }

    void scaleChangesNeverMoveTimeBackwards()
    {
        std::atomic<bool> stop{false};
        std::atomic<int> backwards{0};
        std::vector<std::thread> readers;
        for (int t = 0; t < 3; ++t)
            readers.emplace_back([&] {
                for (uint64_t last = get_Time_Source_Nanoseconds(), now; !stop.load(); last = now)
                    if ((now = get_Time_Source_Nanoseconds()) < last)
                        backwards.fetch_add(1);
            });
        for (int i = 0; i < 200; ++i) {
            const uint64_t before = get_Time_Source_Nanoseconds();
            set_Time_Scale(i % 2 ? 1.0 : 5000.0);
            QVERIFY(get_Time_Source_Nanoseconds() >= before);
            std::this_thread::yield();
        }
        stop.store(true);
        for (std::thread& reader : readers)
            reader.join();
        QCOMPARE(backwards.load(), 0);
    }

    void timersBeyond32Bits()
    {
        // Program time far beyond 2^32 seconds, a 3 s interval measured across it.
        const uint64_t offset = 5000000000ULL * 1000000000ULL;
        set_Time_Source_Offset_For_Test(offset);
        set_Time_Scale(1000.0);
        Timer timer = {0, 0};
        QElapsedTimer real;
        real.start();
        start_Timer(&timer);
        delay_Seconds(3);
        stop_Timer(&timer);
        const uint64_t realElapsed = uint64_t(real.nsecsElapsed());
        QVERIFY(timer.timerStart > offset);
        const uint64_t elapsed = get_Nano_Seconds(timer);
        QVERIFY(elapsed >= 3000000000ULL && elapsed <= realElapsed * 1000);
        QCOMPARE(get_Seconds(timer), double(elapsed) / 1e9);
    }

    void operatingSystemNameIsBounded()
    {
        // The name is cut to the caller's buffer and the bytes after it stay untouched.
        struct utsname system;
        QCOMPARE(uname(&system), 0);
        tOsVersion version = {};
        char name[16];
        std::memset(name, '#', sizeof name);
        QCOMPARE(get_Operating_System_Version_And_Name(&version, name, 6), 0);
        QCOMPARE(unsigned(version.versionNumbers[0]), unsigned(std::atoi(system.release)));
        QVERIFY(std::strlen(name) <= 5);
        QCOMPARE(QByteArray(name + 6, 10), QByteArray(10, '#'));
        QCOMPARE(get_Operating_System_Version_And_Name(nullptr, nullptr, 0), 0);
    }
};

QTEST_APPLESS_MAIN(TestCommon)
#include "tst_common.moc"
