// The virtual drives over (scaled) time: self-test progress and logs, sanitize, in-drive
// diagnostics, a drive that disappears, throughput, two drives on two threads, PSID revert.
#include <QtTest>

#include <atomic>
#include <cstring>
#include <thread>
#include <sys/stat.h>

#include "common.h"
#include "tst_oskn_virtual_helpers.h"

using namespace vtest;

namespace {

uint8_t self_Test_Status(DeviceChannel& d)
{
    std::vector<uint8_t> data(512);
    if (ata(d, 0xB0, 0xD0, 1, 0xC24F00, PioIn, data.data(), 512).status != 0)
        return 0xEE;
    return data[363];
}

Result offline_Immediate(DeviceChannel& d, uint8_t subcommand)
{
    return ata(d, 0xB0, 0xD4, 0, 0xC24F00 | subcommand, NonData, nullptr, 0);
}

// Polls the self-test status byte until the test ends; returns the percent-remaining nibbles seen.
std::vector<int> follow_Self_Test(DeviceChannel& d, uint8_t& final)
{
    std::vector<int> seen;
    QElapsedTimer guard;
    guard.start();
    for (;;) {
        const uint8_t s = self_Test_Status(d);
        if ((s >> 4) != 0xF || guard.elapsed() > 10000) {
            final = s;
            return seen;
        }
        seen.push_back(s & 0x0F);
        QThread::msleep(5);
    }
}

struct ScaledTime {
    explicit ScaledTime(double scale) { set_Time_Scale(scale); }
    ~ScaledTime() { set_Time_Scale(1.0); }
};

std::vector<uint8_t> tcg_Packet(uint32_t tsn, uint32_t hsn, const std::vector<uint8_t>& tokens)
{
    const size_t padded = (tokens.size() + 3) & ~size_t(3);
    std::vector<uint8_t> p(56 + padded, 0);
    p[4] = 0x07;
    p[5] = 0xFE;
    put_Be(&p[16], 24 + 12 + padded, 4);
    put_Be(&p[20], tsn, 4);
    put_Be(&p[24], hsn, 4);
    put_Be(&p[40], 12 + padded, 4);
    put_Be(&p[52], tokens.size(), 4);
    std::copy(tokens.begin(), tokens.end(), p.begin() + 56);
    p.resize(512, 0);
    return p;
}

std::vector<uint8_t> tcg_Exchange(DeviceChannel& d, const std::vector<uint8_t>& packet)
{
    std::vector<uint8_t> out = packet, in(2048);
    uint8_t send[12] = {0xB5, 0x01, 0x07, 0xFE};
    put_Be(send + 6, out.size(), 4);
    if (exec(d, send, 12, DataOut, out.data(), uint32_t(out.size())).status != 0)
        return {};
    uint8_t recv[12] = {0xA2, 0x01, 0x07, 0xFE};
    put_Be(recv + 6, in.size(), 4);
    if (exec(d, recv, 12, DataIn, in.data(), uint32_t(in.size())).status != 0)
        return {};
    return in;
}

void append(std::vector<uint8_t>& v, std::initializer_list<uint8_t> bytes) { v.insert(v.end(), bytes); }

} // namespace

class TestOsknVirtualTime : public QObject {
    Q_OBJECT

private slots:
    void selfTestProgressAndLogs();
    void selfTestAbortAndPass();
    void sanitizeOverwrite();
    void sanitizePattern();
    void sctCommands();
    void inDriveDiagnostics();
    void disappearingDrive();
    void throughputLimit();
    void twoDrivesTwoThreads();
    void psidRevert();
};

void TestOsknVirtualTime::selfTestProgressAndLogs()
{
    ScaledTime scale(240); // the 120-second short test takes half a real second
    Drives set("virtual/drives.json");
    auto& d = *set.entries[1].channel; // bad sectors at 5000, 7000 (permanent), 123456-7

    QCOMPARE(offline_Immediate(d, 0x01).status, 0);
    uint8_t final = 0;
    std::vector<int> seen = follow_Self_Test(d, final);
    QVERIFY(seen.size() >= 3);
    QCOMPARE(seen.front(), 9); // 90 % remaining at the start
    for (size_t i = 1; i < seen.size(); ++i)
        QVERIFY(seen[i] <= seen[i - 1]);
    QCOMPARE(final, uint8_t(0x70)); // read failure

    // SMART self-test log: most recent descriptor at the index in byte 508.
    std::vector<uint8_t> log(512);
    QCOMPARE(ata(d, 0xB0, 0xD5, 1, 0xC24F00 | 0x06, PioIn, log.data(), 512).status, 0);
    QCOMPARE(log[508], uint8_t(1));
    QCOMPARE(log[2], uint8_t(0x01));
    QCOMPARE(log[3], uint8_t(0x70));
    QCOMPARE(uint32_t(log[7] | log[8] << 8 | log[9] << 16 | log[10] << 24), 5000u);

    // Rewriting the failing sector lets the next test find the next one, in both logs.
    std::vector<uint8_t> zeros(512, 0);
    QCOMPARE(write16(d, 5000, 1, zeros).status, 0);
    QCOMPARE(offline_Immediate(d, 0x01).status, 0);
    follow_Self_Test(d, final);
    QCOMPARE(final, uint8_t(0x70));
    QCOMPARE(ata(d, 0x2F, 0, 1, 0x07, PioIn, log.data(), 512).status, 0);
    QCOMPARE(uint32_t(log[2] | log[3] << 8), 2u);
    const uint8_t* second = &log[4 + 26];
    QCOMPARE(second[1], uint8_t(0x70));
    uint64_t lba = 0;
    for (int i = 5; i >= 0; --i)
        lba = lba << 8 | second[5 + i];
    QCOMPARE(lba, uint64_t(7000));
    QCOMPARE(log[4 + 1], uint8_t(0x70)); // the first descriptor is kept
}

void TestOsknVirtualTime::selfTestAbortAndPass()
{
    ScaledTime scale(240);
    Drives set("virtual/drives.json");
    auto& d = *set.entries[0].channel;
    QCOMPARE(offline_Immediate(d, 0x02).status, 0); // extended: 600 s
    QCOMPARE(self_Test_Status(d) >> 4, 0xF);
    QCOMPARE(offline_Immediate(d, 0x7F).status, 0);
    QCOMPARE(self_Test_Status(d), uint8_t(0x10)); // aborted by the host
    QCOMPARE(offline_Immediate(d, 0x01).status, 0);
    uint8_t final = 0xFF;
    follow_Self_Test(d, final);
    QCOMPARE(final, uint8_t(0x00));
    std::vector<uint8_t> log(512);
    QCOMPARE(ata(d, 0xB0, 0xD5, 1, 0xC24F00 | 0x06, PioIn, log.data(), 512).status, 0);
    QCOMPARE(log[508], uint8_t(2));
    QCOMPARE(log[3], uint8_t(0x10));
    QCOMPARE(log[2 + 24], uint8_t(0x01));
    QCOMPARE(log[3 + 24], uint8_t(0x00));
    // A captive test longer than the host's timeout: the host gives up, the drive goes on.
    uint8_t cdb[16] = {0x85, 3 << 1 | 1, 0x20, 0, 0xD4, 0, 0, 0, 0x82, 0, 0x4F, 0, 0xC2, 0x40, 0xB0, 0};
    oskn::ScsiCommand c;
    c.cdb = cdb;
    c.cdbLength = 16;
    c.timeoutSeconds = 15;
    QCOMPARE(d.execute(c), oskn::TransportResult::Delivered);
    QVERIFY(c.timedOut);
    QCOMPARE(self_Test_Status(d) >> 4, 0xF);
    QCOMPARE(offline_Immediate(d, 0x7F).status, 0);

    // Self-tests need the drive to support them: conveyance is not offered.
    QCOMPARE(status_Return(offline_Immediate(d, 0x03).sense).error, 0x04);
}

void TestOsknVirtualTime::sanitizeOverwrite()
{
    ScaledTime scale(600);
    QTemporaryDir dir;
    const std::string path = write_File(dir, "s.json", R"({"drives":[
        {"name":"s","serial":"S","maxLba":9999,"unreadableSectors":[100],
         "sanitize":{"overwrite":true,"crypto":true,"seconds":1200}},
        {"name":"busy","serial":"B","maxLba":999,"sanitize":{"overwrite":true,"seconds":36000,"runningAtStart":true}},
        {"name":"none","serial":"N","maxLba":999}]})");
    Drives set(path, false);
    auto& d = *set.entries[0].channel;
    std::vector<uint8_t> data(512, 0xAB), back(512);
    QCOMPARE(write16(d, 42, 1, data).status, 0);

    Result r = ata(d, 0xB4, 0x0014, 0, 0x4F5700000000ull, NonData, nullptr, 0);
    QCOMPARE(r.status, 0);
    r = ata(d, 0xB4, 0x0000, 0, 0, NonData, nullptr, 0, true);
    QVERIFY(status_Return(r.sense).count & 0x4000); // in progress
    // Media access is refused while it runs, with the progress in the sense data.
    r = read16(d, 42, 1, back);
    QCOMPARE(sense_Key(r.sense), 0x2);
    QCOMPARE(asc(r.sense), 0x04);
    QCOMPARE(ascq(r.sense), 0x1B);
    QVERIFY(r.sense[15] & 0x80);
    QCOMPARE(status_Return(ata(d, 0x25, 0, 1, 42, DmaIn, back.data(), 512).sense).error, 0x04);

    QElapsedTimer guard;
    guard.start();
    uint32_t lastProgress = 0;
    for (;;) {
        r = ata(d, 0xB4, 0x0000, 0, 0, NonData, nullptr, 0, true);
        const AtaRegs regs = status_Return(r.sense);
        if (!(regs.count & 0x4000)) {
            QVERIFY(regs.count & 0x8000); // completed without error
            break;
        }
        QVERIFY(uint32_t(regs.lba & 0xFFFF) >= lastProgress);
        lastProgress = uint32_t(regs.lba & 0xFFFF);
        QVERIFY(guard.elapsed() < 10000);
        QThread::msleep(20);
    }
    QVERIFY(lastProgress > 0);
    QCOMPARE(read16(d, 42, 1, back).status, 0);
    QCOMPARE(back, std::vector<uint8_t>(512, 0));
    QCOMPARE(read16(d, 100, 1, back).status, 0); // overwritten, so readable again

    // A sanitize already running at start; a drive without sanitize refuses it.
    r = ata(*set.entries[1].channel, 0xB4, 0x0000, 0, 0, NonData, nullptr, 0, true);
    QVERIFY(status_Return(r.sense).count & 0x4000);
    r = ata(*set.entries[2].channel, 0xB4, 0x0011, 0, 0x43727970, NonData, nullptr, 0);
    QCOMPARE(status_Return(r.sense).error, 0x04);
    auto id = identify(*set.entries[0].channel);
    QCOMPARE(id[119] & 0x70, 0x70); // word 59: sanitize, crypto scramble, overwrite
}

void TestOsknVirtualTime::sanitizePattern()
{
    // A non-zero pattern over memory and an image: reads give the pattern everywhere, and a
    // later write changes only its own sectors.
    ScaledTime scale(600);
    QTemporaryDir dir;
    const std::string path = write_File(dir, "p.json", R"({"imageDirectory":"img","drives":[
        {"name":"m","serial":"M","maxLba":99999,"sanitize":{"overwrite":true,"seconds":60}},
        {"name":"f","serial":"F","maxLba":99999,"storage":"image","sanitize":{"overwrite":true,"seconds":60}}]})");
    Drives set(path, false);
    for (auto& e : set.entries) {
        auto& d = *e.channel;
        std::vector<uint8_t> param = {0x00, 0, 0, 4, 0xDE, 0xAD, 0xBE, 0xEF};
        uint8_t cdb[10] = {0x48, 0x81, 0, 0, 0, 0, 0, 0, 8, 0}; // IMMED, OVERWRITE
        QCOMPARE(exec(d, cdb, 10, DataOut, param.data(), 8).status, 0);
        uint8_t tur[6] = {0};
        QTRY_COMPARE_WITH_TIMEOUT(exec(d, tur, 6, DataNone, nullptr, 0).status, 0, 5000);
        std::vector<uint8_t> back(4 * 512), expected(4 * 512);
        for (size_t i = 0; i < expected.size(); ++i)
            expected[i] = param[4 + i % 4];
        QCOMPARE(read16(d, 99996, 4, back).status, 0);
        QCOMPARE(back, expected);
        std::vector<uint8_t> one(512, 0x01);
        QCOMPARE(write16(d, 501, 1, one).status, 0);
        QCOMPARE(read16(d, 500, 4, back).status, 0);
        QCOMPARE(std::vector<uint8_t>(back.begin(), back.begin() + 512), std::vector<uint8_t>(expected.begin(), expected.begin() + 512));
        QCOMPARE(std::vector<uint8_t>(back.begin() + 512, back.begin() + 1024), one);
        QCOMPARE(std::vector<uint8_t>(back.begin() + 1024, back.end()), std::vector<uint8_t>(expected.begin(), expected.begin() + 1024));
    }
    struct stat st;
    QCOMPARE(::stat((dir.path() + "/img/f.img").toUtf8().constData(), &st), 0);
    QCOMPARE(uint64_t(st.st_size), uint64_t(100000) * 512); // the pattern was not written out
    QVERIFY(uint64_t(st.st_blocks) * 512 < uint64_t(1) << 20);
}

void TestOsknVirtualTime::sctCommands()
{
    ScaledTime scale(100);
    QTemporaryDir dir;
    const std::string path = write_File(dir, "w.json", R"({"drives":[
        {"name":"w","serial":"W","maxLba":999999,"writeSame":true,"throughputMBps":1,"unreadableSectors":[600]},
        {"name":"n","serial":"N","maxLba":999999}]})");
    Drives set(path, false);
    auto& d = *set.entries[0].channel;
    QCOMPARE(identify(d)[412] & 0x05, 0x05); // word 206: SCT, write same

    // Background write same of a pattern over 200000 sectors: 100 s of drive time at 1 MB/s.
    std::vector<uint8_t> key(512, 0);
    key[0] = 0x02;                                 // write same
    key[2] = 0x01;                                 // repeat write pattern, background
    key[4] = 100;                                  // LBA 100 (little endian)
    key[12] = uint8_t(200000 & 0xFF);
    key[13] = uint8_t(200000 >> 8 & 0xFF);
    key[14] = uint8_t(200000 >> 16);
    key[20] = 0x11; key[21] = 0x22; key[22] = 0x33; key[23] = 0x44;
    QCOMPARE(ata(d, 0x3F, 0, 1, 0xE0, PioOut, key.data(), 512).status, 0);

    std::vector<uint8_t> status(512);
    QCOMPARE(ata(d, 0x2F, 0, 1, 0xE0, PioIn, status.data(), 512).status, 0);
    QCOMPARE(status[14] | status[15] << 8, 0xFFFF); // in progress
    QCOMPARE(status[16], uint8_t(2));
    QTRY_VERIFY_WITH_TIMEOUT(ata(d, 0xB0, 0xD5, 1, 0xC24F00 | 0xE0, PioIn, status.data(), 512).status == 0 &&
                                 (status[14] | status[15] << 8) == 0, 5000);
    std::vector<uint8_t> back(512);
    QCOMPARE(read16(d, 200099, 1, back).status, 0);
    QCOMPARE(back[0], uint8_t(0x11));
    QCOMPARE(back[511], uint8_t(0x44));
    QCOMPARE(read16(d, 600, 1, back).status, 0); // rewritten, so readable
    QCOMPARE(read16(d, 200100, 1, back).status, 0);
    QCOMPARE(back[0], uint8_t(0)); // beyond the range

    // Error recovery control: set the read timer, read it back in the output registers.
    std::fill(key.begin(), key.end(), 0);
    key[0] = 0x03; key[2] = 0x01; key[4] = 0x01; key[6] = 70;
    QCOMPARE(ata(d, 0xB0, 0xD6, 1, 0xC24F00 | 0xE0, PioOut, key.data(), 512).status, 0);
    key[2] = 0x02;
    Result r = ata(d, 0xB0, 0xD6, 1, 0xC24F00 | 0xE0, PioOut, key.data(), 512, true);
    QCOMPARE(status_Return(r.sense).count, 70u);

    // Out of range, and a drive without write same.
    std::fill(key.begin(), key.end(), 0);
    key[0] = 0x02; key[2] = 0x01; key[4] = 0x40; key[5] = 0x42; key[6] = 0x0F; // LBA 1000000
    key[12] = 1;
    QVERIFY(status_Return(ata(d, 0x3F, 0, 1, 0xE0, PioOut, key.data(), 512).sense).error & 0x04);
    key[4] = 0; key[5] = 0; key[6] = 0;
    QCOMPARE(status_Return(ata(*set.entries[1].channel, 0x3F, 0, 1, 0xE0, PioOut, key.data(), 512).sense).error, 0x04);
}

void TestOsknVirtualTime::inDriveDiagnostics()
{
    ScaledTime scale(600);
    QTemporaryDir dir;
    const std::string path = write_File(dir, "i.json", R"({"drives":[
        {"name":"i","serial":"I","maxLba":9999,"unreadableSectors":[10,{"lba":20,"permanent":true}],
         "idd":{"test70":true,"test71":true,"seconds70":30,"seconds71":600}},
        {"name":"n","serial":"N","maxLba":9999}]})");
    Drives set(path, false);
    auto& d = *set.entries[0].channel;
    std::vector<uint8_t> smart(512);
    QCOMPARE(ata(d, 0xB0, 0xD0, 1, 0xC24F00, PioIn, smart.data(), 512).status, 0);
    QCOMPARE(smart[386], uint8_t(3));
    QCOMPARE(smart[387] | smart[388] << 8, 30);
    QCOMPARE(smart[389] | smart[390] << 8, 600);
    QCOMPARE(offline_Immediate(d, 0x71).status, 0);
    uint8_t final = 0xFF;
    QVERIFY(!follow_Self_Test(d, final).empty());
    QCOMPARE(final, uint8_t(0));
    // Pending sectors were reallocated; a permanently bad one stays bad.
    std::vector<uint8_t> back(512);
    QCOMPARE(read16(d, 10, 1, back).status, 0);
    QCOMPARE(read16(d, 20, 1, back).status, 2);
    QCOMPARE(status_Return(offline_Immediate(*set.entries[1].channel, 0x70).sense).error, 0x04);
}

void TestOsknVirtualTime::disappearingDrive()
{
    ScaledTime scale(600); // 600 s of drive time is a second
    QTemporaryDir dir;
    const std::string path = write_File(dir, "g.json", R"({"drives":[
        {"name":"stays","serial":"A","maxLba":999},
        {"name":"goes","serial":"B","maxLba":999,"disappearAfterSeconds":600}]})");
    Drives set(path, false);
    QCOMPARE(set.entries.size(), size_t(2));
    auto& goes = *set.entries[1].channel;
    uint8_t tur[6] = {0};
    QCOMPARE(exec(goes, tur, 6, DataNone, nullptr, 0).transport, oskn::TransportResult::Delivered);
    QTRY_COMPARE_WITH_TIMEOUT(exec(goes, tur, 6, DataNone, nullptr, 0).transport, oskn::TransportResult::NoDevice,
                              5000);
    auto entries = set.transport->enumerate();
    QCOMPARE(entries.size(), size_t(1));
    QCOMPARE(entries[0].path, std::string("stays"));
}

void TestOsknVirtualTime::throughputLimit()
{
    ScaledTime scale(100);
    QTemporaryDir dir;
    const std::string path =
        write_File(dir, "t.json", R"({"drives":[{"name":"t","serial":"T","maxLba":999999,"throughputMBps":100,"writeSame":true}]})");
    Drives set(path, false);
    std::vector<uint8_t> buf(2048 * 512);
    const uint64_t start = get_Time_Source_Nanoseconds();
    for (int i = 0; i < 100; ++i) // about 105 MB: more than a second of drive time
        QCOMPARE(read16(*set.entries[0].channel, uint64_t(i) * 2048, 2048, buf).status, 0);
    const double seconds = double(get_Time_Source_Nanoseconds() - start) / 1e9;
    QVERIFY2(seconds >= 100 * 2048 * 512 / 100e6 * 0.99, qPrintable(QString::number(seconds)));

    // A transfer longer than the host's timeout times out; the reset leaves nothing queued.
    std::vector<uint8_t> block(512, 0);
    uint8_t ws[16] = {0x93};
    put_Be(ws + 10, 999999, 4);
    oskn::ScsiCommand c;
    c.cdb = ws;
    c.cdbLength = 16;
    c.direction = DataOut;
    c.data = block.data();
    c.dataLength = 512;
    c.timeoutSeconds = 1;
    QCOMPARE(set.entries[0].channel->execute(c), oskn::TransportResult::Delivered);
    QVERIFY(c.timedOut);
    oskn::ScsiCommand r;
    uint8_t rd[16] = {0x88};
    put_Be(rd + 10, 1, 4);
    r.cdb = rd;
    r.cdbLength = 16;
    r.direction = DataIn;
    r.data = buf.data();
    r.dataLength = 512;
    r.timeoutSeconds = 1;
    QCOMPARE(set.entries[0].channel->execute(r), oskn::TransportResult::Delivered);
    QVERIFY(!r.timedOut);
    QCOMPARE(r.scsiStatus, uint8_t(0));
}

void TestOsknVirtualTime::twoDrivesTwoThreads()
{
    ScaledTime scale(10); // the 10-second captive test blocks its caller for a real second
    QTemporaryDir dir;
    const std::string path = write_File(dir, "p.json", R"({"imageDirectory":"img","drives":[
        {"name":"a","serial":"A","maxLba":65535,"selfTest":{"extendedSeconds":10}},
        {"name":"b","serial":"B","maxLba":65535,"storage":"image"}]})");
    Drives set(path, false);
    auto& a = *set.entries[0].channel;
    auto& b = *set.entries[1].channel;

    // A captive self-test waits without holding the drive: other commands to the same drive and
    // to the other drive are answered meanwhile.
    std::atomic<bool> captiveDone{false};
    std::thread captive([&] {
        offline_Immediate(a, 0x82);
        captiveDone = true;
    });
    QThread::msleep(50);
    QCOMPARE(identify(a).size(), size_t(512));
    QCOMPARE(self_Test_Status(a) >> 4, 0xF);
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
    QVERIFY(okA);
    QVERIFY(okB);
}

void TestOsknVirtualTime::psidRevert()
{
    QTemporaryDir dir;
    const std::string psid = "0123456789ABCDEF0123456789ABCDEF";
    const std::string path = write_File(dir, "x.json", R"({"drives":[
        {"name":"sed","serial":"SED","maxLba":9999,"tcg":{"psid":")" + psid + R"("}},
        {"name":"plain","serial":"P","maxLba":9999}]})");
    Drives set(path, false);
    auto& d = *set.entries[0].channel;

    // Supported protocols include 01h; level 0 discovery shows the Opal feature and base ComID.
    std::vector<uint8_t> buf(512);
    uint8_t in0[12] = {0xA2, 0x00, 0x00, 0x00, 0, 0, 0, 0, 2, 0};
    QCOMPARE(exec(d, in0, 12, DataIn, buf.data(), 512).status, 0);
    QCOMPARE(buf[9], uint8_t(0x01));
    uint8_t in1[12] = {0xA2, 0x01, 0x00, 0x01, 0, 0, 0, 0, 2, 0};
    QCOMPARE(exec(d, in1, 12, DataIn, buf.data(), 512).status, 0);
    bool opal = false;
    for (size_t i = 48; i + 6 < buf.size(); i += 4 + buf[i + 3])
        if (buf[i] == 0x02 && buf[i + 1] == 0x03)
            opal = buf[i + 4] == 0x07 && buf[i + 5] == 0xFE;
    QVERIFY(opal);
    QCOMPARE(identify(d)[96] & 1, 1); // word 48: trusted computing
    QCOMPARE(exec(*set.entries[1].channel, in0, 12, DataIn, buf.data(), 512).status, 2);

    std::vector<uint8_t> data(512, 0xC3);
    QCOMPARE(write16(d, 7, 1, data).status, 0);

    auto startSession = [&](const std::string& key) {
        std::vector<uint8_t> t = {0xF8, 0xA8, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xA8, 0, 0, 0, 0, 0, 0, 0xFF, 0x02, 0xF0, 0x01,
                                  0xA8, 0, 0, 2, 5, 0, 0, 0, 1, 0x01, 0xF2, 0x00, 0xD0, 0x20};
        t.insert(t.end(), key.begin(), key.end());
        append(t, {0xF3, 0xF2, 0x03, 0xA8, 0, 0, 0, 9, 0, 1, 0xFF, 1, 0xF3, 0xF1, 0xF9, 0xF0, 0, 0, 0, 0xF1});
        return tcg_Exchange(d, tcg_Packet(0, 0, t));
    };
    // A wrong PSID: the session is refused and the data stays.
    std::vector<uint8_t> reply = startSession("FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF");
    QVERIFY(reply.size() > 64);
    QCOMPARE(reply[56 + 4], uint8_t(0x01)); // NOT_AUTHORIZED
    std::vector<uint8_t> back(512);
    QCOMPARE(read16(d, 7, 1, back).status, 0);
    QCOMPARE(back, data);

    // The right PSID opens a session; Revert on the Admin SP erases the user data.
    reply = startSession(psid);
    QCOMPARE(reply[56 + 2 + 8 + 1 + 8 - 1], uint8_t(0x03)); // SyncSession
    QCOMPARE(reply[56 + 21], uint8_t(0x84));
    const uint32_t tsn = be32(&reply[56 + 22]);
    std::vector<uint8_t> revert = {0xF8, 0xA8, 0, 0, 2, 5, 0, 0, 0, 1, 0xA8, 0, 0, 0, 6, 0, 0, 2, 2,
                                   0xF0, 0xF1, 0xF9, 0xF0, 0, 0, 0, 0xF1};
    reply = tcg_Exchange(d, tcg_Packet(tsn, 1, revert));
    QCOMPARE(reply[56 + 4], uint8_t(0x00));
    QCOMPARE(read16(d, 7, 1, back).status, 0);
    QCOMPARE(back, std::vector<uint8_t>(512, 0));
}

QTEST_GUILESS_MAIN(TestOsknVirtualTime)
#include "tst_oskn_virtual_time.moc"
