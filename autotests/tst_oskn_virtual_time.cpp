// The virtual drives over (scaled) time: self-test progress and logs, sanitize, a drive that
// disappears, host timeouts, and two threads on two drives.
#include <QtTest>

#include <atomic>
#include <thread>
#include <sys/stat.h>

#include "common/common.h"
#include "tst_oskn_virtual_helpers.h"

using namespace vtest;

namespace {

uint8_t self_Test_Status(DeviceChannel& d)
{
    std::vector<uint8_t> data(512);
    return ata(d, 0xB0, 0xD0, 1, 0xC24F00, PioIn, data.data(), 512).status == 0 ? data[363] : 0xEE;
}

Result offline_Immediate(DeviceChannel& d, uint8_t subcommand)
{
    return ata(d, 0xB0, 0xD4, 0, 0xC24F00 | subcommand, NonData, nullptr, 0);
}

// Polls the self-test status until the test ends; returns the percent-remaining nibbles seen.
std::vector<int> follow_Self_Test(DeviceChannel& d, uint8_t& final)
{
    std::vector<int> seen;
    QElapsedTimer guard;
    guard.start();
    for (uint8_t s; ((s = self_Test_Status(d)) >> 4) == 0xF && guard.elapsed() < 10000; QThread::msleep(5))
        seen.push_back(s & 0x0F);
    final = self_Test_Status(d);
    return seen;
}

Result sanitize_Status(DeviceChannel& d) { return ata(d, 0xB4, 0, 0, 0, NonData, nullptr, 0, true); }

// A command with a host timeout, as the library sends it.
bool times_Out(DeviceChannel& d, uint8_t* cdb, DataDirection dir, uint8_t* data, uint32_t bytes, uint32_t timeout)
{
    oskn::ScsiCommand c;
    c.cdb = cdb;
    c.cdbLength = 16;
    c.direction = dir;
    c.data = data;
    c.dataLength = bytes;
    c.timeoutSeconds = timeout;
    if (d.execute(c) != oskn::TransportResult::Delivered)
        return false;
    return c.timedOut;
}

struct ScaledTime {
    explicit ScaledTime(double scale) { set_Time_Scale(scale); }
    ~ScaledTime() { set_Time_Scale(1.0); }
};

} // namespace

class TestOsknVirtualTime : public QObject {
    Q_OBJECT

private slots:
    void selfTestProgressAndLogs()
    {
        ScaledTime scale(240); // the 120-second short test takes half a real second
        Drives set("virtual/drives.json");
        auto& d = *set.entries[1].channel; // bad sectors at 5000, 7000 (permanent), 123456-7

        QCOMPARE(offline_Immediate(d, 0x01).status, 0);
        uint8_t final = 0;
        std::vector<int> seen = follow_Self_Test(d, final);
        QVERIFY(seen.size() >= 3);
        QCOMPARE(seen.front(), 9); // 90 % remaining at the start, then down in 10 % steps
        for (size_t i = 1; i < seen.size(); ++i)
            QVERIFY(seen[i] <= seen[i - 1]);
        QCOMPARE(final, uint8_t(0x70)); // read failure

        // SMART self-test log: most recent descriptor at the index in byte 508.
        std::vector<uint8_t> log(512);
        QCOMPARE(ata(d, 0xB0, 0xD5, 1, 0xC24F00 | 0x06, PioIn, log.data(), 512).status, 0);
        QCOMPARE(log[508], uint8_t(1));
        QCOMPARE(log[3], uint8_t(0x70));
        QCOMPARE(uint32_t(log[7] | log[8] << 8 | log[9] << 16 | log[10] << 24), 5000u);

        // Rewriting the failing sector lets the next test find the next one, in the extended log.
        std::vector<uint8_t> zeros(512, 0);
        QCOMPARE(write16(d, 5000, 1, zeros).status, 0);
        QCOMPARE(offline_Immediate(d, 0x01).status, 0);
        follow_Self_Test(d, final);
        QCOMPARE(final, uint8_t(0x70));
        QCOMPARE(ata(d, 0x2F, 0, 1, 0x07, PioIn, log.data(), 512).status, 0);
        QCOMPARE(uint32_t(log[2] | log[3] << 8), 2u);
        const uint8_t* second = &log[4 + 26];
        uint64_t lba = 0;
        for (int i = 5; i >= 0; --i)
            lba = lba << 8 | second[5 + i];
        QCOMPARE(lba, uint64_t(7000));
    }

    void captiveSelfTestOutlivesTheHostTimeout()
    {
        ScaledTime scale(240);
        Drives set("virtual/drives.json");
        auto& d = *set.entries[0].channel;
        // A captive test longer than the host's timeout: the host gives up, the drive goes on.
        uint8_t cdb[16] = {0x85, 3 << 1 | 1, 0x20, 0, 0xD4, 0, 0, 0, 0x82, 0, 0x4F, 0, 0xC2, 0x40, 0xB0, 0};
        QVERIFY(times_Out(d, cdb, DataNone, nullptr, 0, 15));
        QCOMPARE(self_Test_Status(d) >> 4, 0xF);
        QCOMPARE(offline_Immediate(d, 0x7F).status, 0);

        // Conveyance is not offered: refused.
        QCOMPARE(status_Return(offline_Immediate(d, 0x03).sense).error, 0x04);
    }

    void sanitizeOverwrite()
    {
        ScaledTime scale(600);
        QTemporaryDir dir;
        Drives set(write_File(dir, "s.json", R"({"drives":[
            {"name":"s","serial":"S","maxLba":9999,"unreadableSectors":[100],
             "sanitize":{"overwrite":true,"seconds":1200}},
            {"name":"busy","serial":"B","maxLba":999,"sanitize":{"overwrite":true,"seconds":36000,"runningAtStart":true}}]})"),
                   false);
        auto& d = *set.entries[0].channel;
        std::vector<uint8_t> data(512, 0xAB), back(512);
        QCOMPARE(write16(d, 42, 1, data).status, 0);
        QCOMPARE(ata(d, 0xB4, 0x0014, 0, 0x4F5700000000ull, NonData, nullptr, 0).status, 0);

        // Media access is refused while it runs, with the progress in the sense data.
        Result r = read16(d, 42, 1, back);
        QCOMPARE(sense_Key(r.sense), 0x2);
        QCOMPARE(asc(r.sense), 0x04);
        QCOMPARE(ascq(r.sense), 0x1B);
        QVERIFY(r.sense[15] & 0x80);
        QCOMPARE(status_Return(ata(d, 0x25, 0, 1, 42, DmaIn, back.data(), 512).sense).error, 0x04);

        QTRY_VERIFY_WITH_TIMEOUT(!(status_Return(sanitize_Status(d).sense).count & 0x4000), 10000);
        QVERIFY(status_Return(sanitize_Status(d).sense).count & 0x8000); // completed without error
        QCOMPARE(read16(d, 42, 1, back).status, 0);
        QCOMPARE(back, std::vector<uint8_t>(512, 0));
        QCOMPARE(read16(d, 100, 1, back).status, 0); // overwritten, so readable again

        QVERIFY(status_Return(sanitize_Status(*set.entries[1].channel).sense).count & 0x4000);
    }

    void sanitizePatternStaysSparse()
    {
        // A non-zero pattern over an image: reads give the pattern, a later write changes only
        // its own sector, and the pattern is not written out to the file.
        ScaledTime scale(600);
        QTemporaryDir dir;
        Drives set(write_File(dir, "p.json", R"({"imageDirectory":"img","drives":[
            {"name":"f","serial":"F","maxLba":99999,"storage":"image","sanitize":{"overwrite":true,"seconds":60}}]})"),
                   false);
        auto& d = *set.entries[0].channel;
        std::vector<uint8_t> param = {0x00, 0, 0, 4, 0xDE, 0xAD, 0xBE, 0xEF};
        uint8_t cdb[10] = {0x48, 0x81, 0, 0, 0, 0, 0, 0, 8, 0}; // IMMED, OVERWRITE
        QCOMPARE(exec(d, cdb, 10, DataOut, param.data(), 8).status, 0);
        uint8_t tur[6] = {0};
        QTRY_COMPARE_WITH_TIMEOUT(exec(d, tur, 6, DataNone, nullptr, 0).status, 0, 5000);
        std::vector<uint8_t> one(512, 0x01), back(3 * 512), expected(3 * 512);
        for (size_t i = 0; i < expected.size(); ++i)
            expected[i] = param[4 + i % 4];
        std::copy(one.begin(), one.end(), expected.begin() + 512);
        QCOMPARE(write16(d, 501, 1, one).status, 0);
        QCOMPARE(read16(d, 500, 3, back).status, 0);
        QCOMPARE(back, expected);
        struct stat st;
        QCOMPARE(::stat((dir.path() + "/img/f.img").toUtf8().constData(), &st), 0);
        QCOMPARE(uint64_t(st.st_size), uint64_t(100000) * 512);
        QVERIFY(uint64_t(st.st_blocks) * 512 < uint64_t(1) << 20);
    }

    void disappearingDrive()
    {
        ScaledTime scale(600); // 600 s of drive time is a second
        QTemporaryDir dir;
        Drives set(write_File(dir, "g.json", R"({"drives":[
            {"name":"stays","serial":"A","maxLba":999},
            {"name":"goes","serial":"B","maxLba":999,"disappearAfterSeconds":600}]})"),
                   false);
        auto& goes = *set.entries[1].channel;
        uint8_t tur[6] = {0};
        QCOMPARE(exec(goes, tur, 6, DataNone, nullptr, 0).transport, oskn::TransportResult::Delivered);
        QTRY_COMPARE_WITH_TIMEOUT(exec(goes, tur, 6, DataNone, nullptr, 0).transport,
                                  oskn::TransportResult::NoDevice, 5000);
        auto entries = set.transport->enumerate();
        QCOMPARE(entries.size(), size_t(1));
        QCOMPARE(entries[0].path, std::string("stays"));
    }

    void slowTransferTimesOut()
    {
        // A transfer longer than the host's timeout times out; the reset leaves nothing queued.
        ScaledTime scale(100);
        QTemporaryDir dir;
        Drives set(write_File(dir, "t.json",
                              R"({"drives":[{"serial":"T","maxLba":999999,"throughputMBps":100,"writeSame":true}]})"),
                   false);
        auto& d = *set.entries[0].channel;
        std::vector<uint8_t> block(512, 0);
        uint8_t ws[16] = {0x93};
        put_Be(ws + 10, 999999, 4);
        QVERIFY(times_Out(d, ws, DataOut, block.data(), 512, 1));
        uint8_t rd[16] = {0x88};
        put_Be(rd + 10, 1, 4);
        QVERIFY(!times_Out(d, rd, DataIn, block.data(), 512, 1));
        QCOMPARE(read16(d, 0, 1, block).status, 0);
    }

    void twoDrivesTwoThreads()
    {
        ScaledTime scale(10); // the 10-second captive test blocks its caller for a real second
        QTemporaryDir dir;
        Drives set(write_File(dir, "p.json", R"({"imageDirectory":"img","drives":[
            {"name":"a","serial":"A","maxLba":65535,"selfTest":{"extendedSeconds":10}},
            {"name":"b","serial":"B","maxLba":65535,"storage":"image"}]})"),
                   false);
        auto& a = *set.entries[0].channel;
        auto& b = *set.entries[1].channel;

        // A captive self-test waits without holding the drive: other commands to the same drive
        // and to the other drive are answered meanwhile.
        std::atomic<bool> captiveDone{false};
        std::thread captive([&] {
            offline_Immediate(a, 0x82);
            captiveDone = true;
        });
        QThread::msleep(50);
        QCOMPARE(identify(a).size(), size_t(512));
        std::vector<uint8_t> buf(512, 1);
        QCOMPARE(write16(b, 1, 1, buf).status, 0);
        QVERIFY(!captiveDone);
        captive.join();
        QCOMPARE(self_Test_Status(a), uint8_t(0));

        // Data integrity with both drives busy at once.
        auto worker = [](DeviceChannel* d, uint8_t seed, bool* ok) {
            std::vector<uint8_t> out(16 * 512), in(16 * 512);
            *ok = true;
            for (uint32_t i = 0; i < 400 && *ok; ++i) {
                std::fill(out.begin(), out.end(), uint8_t(seed + i));
                *ok = write16(*d, i * 16, 16, out).status == 0 && read16(*d, i * 16, 16, in).status == 0 && in == out;
            }
        };
        bool okA = false, okB = false;
        std::thread ta(worker, &a, 0x10, &okA), tb(worker, &b, 0x80, &okB);
        ta.join();
        tb.join();
        QVERIFY(okA && okB);
    }
};

QTEST_GUILESS_MAIN(TestOsknVirtualTime)
#include "tst_oskn_virtual_time.moc"
