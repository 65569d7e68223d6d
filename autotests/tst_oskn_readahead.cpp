// Read-ahead: a scan's sequential reads are served from larger commands, yet every call answers
// as the drive answers that call itself. Each case scans two identical virtual drives, one with
// plain reads (served from windows), the other with FUA reads (always sent as they are), and
// compares them call by call; a channel wrapper sees what reached the drive.
#include <QtTest>

#include <QTemporaryDir>

#include <algorithm>
#include <fstream>
#include <map>
#include <mutex>

#include "core/registry.h"
#include "deviceaccess/oskn_operations.h"
#include "deviceaccess/oskn_public.h"
#include "drivefile.h"
#include "deviceaccess/transferbuffer.h"
#include "virtual/virtual_transport.h"

using namespace oskn;

namespace {

struct Sent {
    uint8_t opcode = 0;
    uint64_t lba = 0;
    uint32_t count = 0;
    bool good = false;
    uint8_t senseKey = 0;
    bool aligned = false;
};

// Passes commands on, records them, says what the "system" takes in one command and refuses
// (as a controller short of scatter entries would) anything longer than refuseAbove.
class Recorder : public DeviceChannel {
public:
    explicit Recorder(std::shared_ptr<DeviceChannel> inner) : inner_(std::move(inner)) {}
    TransportResult execute(ScsiCommand& c) override
    {
        if (refuseAbove && c.dataLength > refuseAbove)
            return TransportResult::OsFailure;
        const TransportResult r = inner_->execute(c);
        record(c, r);
        return r;
    }
    uint32_t max_Transfer_Bytes() const override { return limit; }

    // With overlap, a window's pieces stay in flight as on a drive that fills the caller's
    // buffer only when the command completes: until a piece is waited for, its part of the
    // buffer holds garbage, so data handed out before its piece came shows.
    bool overlaps_Commands() const override { return overlap; }
    std::unique_ptr<InFlight> start_All(ScsiCommand* commands, size_t count) override
    {
        if (!overlap || refuseAbove)
            return DeviceChannel::start_All(commands, count);
        return std::make_unique<Staged>(*this, commands, count);
    }

    std::vector<Sent> take()
    {
        std::lock_guard<std::mutex> g(mutex_);
        std::vector<Sent> out;
        out.swap(sent);
        return out;
    }

    uint32_t limit = 0, refuseAbove = 0;
    bool overlap = false;
    bool waitedOutOfOrder = false;

private:
    void record(const ScsiCommand& c, TransportResult r)
    {
        Sent s;
        s.opcode = c.cdb[0];
        if (c.cdbLength == 16 && (s.opcode == 0x88 || s.opcode == 0x8A)) {
            s.lba = get_Be64(c.cdb + 2);
            s.count = get_Be32(c.cdb + 10);
        }
        s.good = r == TransportResult::Delivered && c.scsiStatus == 0;
        const SenseData sense = parse_Sense(c.sense, std::min<uint32_t>(c.senseLength, sizeof c.sense));
        s.senseKey = sense.valid ? sense.key : 0;
        s.aligned = !c.data || reinterpret_cast<uintptr_t>(c.data) % kTransferAlignment == 0;
        std::lock_guard<std::mutex> g(mutex_);
        sent.push_back(s);
    }

    class Staged final : public InFlight {
    public:
        Staged(Recorder& owner, ScsiCommand* commands, size_t count)
            : owner_(owner), inner_(owner.inner_), callers_(commands), copies_(commands, commands + count)
        {
            for (size_t i = 0; i < count; ++i) {
                staging_.emplace_back(commands[i].dataLength);
                copies_[i].data = staging_.back().data();
                std::memset(commands[i].data, 0xEE, commands[i].dataLength);
            }
            flight_ = inner_->start_All(copies_.data(), count);
        }
        TransportResult wait(size_t i, uint64_t& arrivedNs) override
        {
            if (i != next_++)
                owner_.waitedOutOfOrder = true;
            const TransportResult r = flight_->wait(i, arrivedNs);
            ScsiCommand& c = callers_[i];
            const ScsiCommand& done = copies_[i];
            std::memcpy(c.data, done.data, c.dataLength);
            std::memcpy(c.sense, done.sense, sizeof c.sense);
            c.senseLength = done.senseLength;
            c.scsiStatus = done.scsiStatus;
            c.residual = done.residual;
            c.timedOut = done.timedOut;
            owner_.record(c, r);
            return r;
        }

    private:
        Recorder& owner_;
        std::shared_ptr<DeviceChannel> inner_;
        ScsiCommand* callers_;
        std::vector<ScsiCommand> copies_;
        std::vector<TransferBuffer> staging_;
        std::unique_ptr<InFlight> flight_;
        size_t next_ = 0;
    };

    std::shared_ptr<DeviceChannel> inner_;
    std::mutex mutex_;
    std::vector<Sent> sent;
};

class RecordingTransport : public Transport {
public:
    explicit RecordingTransport(std::unique_ptr<Transport> inner) : inner_(std::move(inner)) {}
    std::vector<DeviceEntry> enumerate() override
    {
        std::vector<DeviceEntry> entries = inner_->enumerate();
        for (DeviceEntry& e : entries) {
            auto& r = recorders[e.path];
            if (!r)
                r = std::make_shared<Recorder>(e.channel);
            e.channel = r;
        }
        return entries;
    }
    std::map<std::string, std::shared_ptr<Recorder>> recorders;

private:
    std::unique_ptr<Transport> inner_;
};

uint8_t pattern(uint64_t lba, size_t i) { return uint8_t((lba * 131 + i * 7 + 1) ^ (lba >> 8)); }

// The long scan's calls: 64-sector reads front to back, a failed one re-read sector by sector.
struct Call {
    uint64_t lba;
    uint32_t count;
    int rc;
    std::vector<uint8_t> data; // when rc is 0
};
std::vector<Call> long_Scan(_tDevice* d, bool fua)
{
    const uint32_t size = d->logicalSectorSize;
    TransferBuffer buffer(size_t(64) * size);
    std::vector<Call> calls;
    auto read = [&](uint64_t lba, uint32_t count) {
        Call c{lba, count, scsi_Read_16(d, 0, false, fua, false, lba, 0, count, buffer.data()), {}};
        if (c.rc == 0)
            c.data.assign(buffer.data(), buffer.data() + size_t(count) * size);
        calls.push_back(std::move(c));
        return calls.back().rc;
    };
    const uint64_t sectors = d->maxLBA + 1;
    for (uint64_t at = 0; at < sectors; at += 64) {
        const uint32_t n = uint32_t(std::min<uint64_t>(64, sectors - at));
        if (read(at, n) != 0)
            for (uint64_t lba = at; lba < at + n; ++lba)
                read(lba, 1);
    }
    return calls;
}

} // namespace

class TestOsknReadAhead : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::shared_ptr<RecordingTransport> transport;
    std::vector<_tDevice> records;

    _tDevice* by_Serial(const char* serial)
    {
        for (_tDevice& d : records)
            if (std::strcmp(d.serialNumber, serial) == 0)
                return &d;
        qFatal("no drive %s", serial);
        return nullptr;
    }
    Recorder& recorder(_tDevice* d) { return *transport->recorders.at(record::path(d)); }

    // Fills the drive with the pattern, leaving alone every 64-sector stretch holding an
    // unreadable sector (a write would mend it).
    void fill(_tDevice* d, const std::vector<uint64_t>& bad)
    {
        const uint32_t size = d->logicalSectorSize;
        TransferBuffer buffer(size_t(64) * size);
        const uint64_t sectors = d->maxLBA + 1;
        for (uint64_t at = 0; at < sectors; at += 64) {
            const uint32_t n = uint32_t(std::min<uint64_t>(64, sectors - at));
            if (std::any_of(bad.begin(), bad.end(), [&](uint64_t b) { return b >= at && b < at + n; }))
                continue;
            for (uint32_t s = 0; s < n; ++s)
                for (uint32_t i = 0; i < size; ++i)
                    buffer[size_t(s) * size + i] = pattern(at + s, i);
            QCOMPARE(scsi_Write_16(d, 0, false, false, at, 0, n, buffer.data()), 0);
        }
    }

private slots:
    void initTestCase()
    {
        // Pairs of identical drives: the first read plainly, the second with FUA. 40017 sectors
        // (not a multiple of 64), unreadable sectors together in one call, alone and at the last
        // LBA, and windows that read well between them.
        const char* pair = R"(
  { "name": "%1-%2", "serial": "%1-%2", "maxLba": %3, "logicalSectorSize": %4, "physicalSectorSize": %4,
    "unreadableSectors": [ %5{ "lba": %3, "permanent": true } ] })";
        QString text = R"({ "drives": [)";
        QStringList drives;
        for (const char* kind : {"RA", "RB"})
            for (const char* which : {"PLAIN", "FUA"})
                drives << QString(pair)
                              .arg(kind, which, QString::number(kind[1] == 'A' ? 40016 : 5016),
                                   kind[1] == 'A' ? "512" : "4096", kind[1] == 'A' ? "3000, 3001, 4160, 9999, " : "3000, 3001, 4160, ");
        drives << R"(
  { "name": "w", "serial": "RW", "maxLba": 20000 })";
        drives << R"(
  { "name": "wf", "serial": "RWF", "maxLba": 20000 })";
        // Unreadable sectors the system reports as ABORTED COMMAND, as libata does.
        drives << R"(
  { "name": "aborted", "serial": "RABORT", "maxLba": 40000, "unreadableSense": [ 11, 0, 0 ],
    "unreadableSectors": [ 3000, 9999, 20000, 30000 ] })";
        // 4 MiB at 3.5 MB/s: a whole window takes longer to arrive than it may be kept.
        drives << R"(
  { "name": "slow", "serial": "SLOW", "maxLba": 8191, "throughputMBps": 3.5 })";
        text += drives.join(",") + "\n] }\n";
        const std::string path = dir.filePath("readahead.json").toStdString();
        std::ofstream(path) << text.toStdString();
        std::string error;
        auto inner = make_Virtual_Transport(path, error);
        QVERIFY2(inner, error.c_str());
        transport = std::make_shared<RecordingTransport>(std::move(inner));
        Registry::instance().set_Transport_Override(transport);
        records = discover_Records();
        QCOMPARE(int(records.size()), 8);
    }
    void cleanupTestCase() { Registry::instance().set_Transport_Override(nullptr); }

    void scanAnswersAsTheDrive_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<uint32_t>("limit");       // what the system says it passes
        QTest::addColumn<uint32_t>("refuseAbove"); // what it really passes
        QTest::addColumn<bool>("overlap");
        QTest::newRow("512-byte sectors, no limit given") << "RA" << 0u << 0u << false;
        QTest::newRow("512-byte sectors, 768 KiB limit") << "RA" << 786432u << 0u << false;
        // The drive works on the windows while their calls are served (before the refusal
        // below, which the drive's read-ahead remembers).
        QTest::newRow("in flight, 512-byte sectors") << "RA" << 0u << 0u << true;
        QTest::newRow("in flight, 128 KiB limit") << "RA" << 131072u << 0u << true;
        QTest::newRow("512-byte sectors, refused above 256 KiB") << "RA" << 0u << 262144u << false;
        QTest::newRow("4096-byte sectors") << "RB" << 0u << 0u << false;
        QTest::newRow("in flight, 4096-byte sectors") << "RB" << 0u << 0u << true;
    }
    void scanAnswersAsTheDrive()
    {
        QFETCH(QString, kind);
        QFETCH(uint32_t, limit);
        QFETCH(uint32_t, refuseAbove);
        QFETCH(bool, overlap);
        _tDevice* plain = by_Serial(qPrintable(kind + "-PLAIN"));
        _tDevice* fua = by_Serial(qPrintable(kind + "-FUA"));
        const uint64_t sectors = plain->maxLBA + 1;
        std::vector<uint64_t> bad = {3000, 3001, 4160, 9999, plain->maxLBA};
        if (kind == "RB")
            bad.erase(bad.begin() + 3);
        static QStringList filled;
        if (!filled.contains(kind)) {
            fill(plain, bad);
            fill(fua, bad);
            filled << kind;
        }
        Recorder& channel = recorder(plain);
        channel.limit = limit;
        channel.refuseAbove = refuseAbove;
        channel.overlap = overlap;
        channel.waitedOutOfOrder = false;
        channel.take();

        const std::vector<Call> got = long_Scan(plain, false);
        const std::vector<Call> want = long_Scan(fua, true);
        channel.limit = channel.refuseAbove = 0;
        channel.overlap = false;
        QVERIFY(!channel.waitedOutOfOrder);

        // Call by call the same answer and the same data: an unreadable sector is reported by
        // the calls covering it and by no other.
        QCOMPARE(got.size(), want.size());
        QStringList badReported;
        for (size_t i = 0; i < got.size(); ++i) {
            const QString where = QString("call %1: %2 at %3").arg(i).arg(got[i].count).arg(got[i].lba);
            QVERIFY2(got[i].lba == want[i].lba && got[i].count == want[i].count, qPrintable(where));
            QVERIFY2(got[i].rc == want[i].rc, qPrintable(where + QString(": rc %1, drive %2").arg(got[i].rc).arg(want[i].rc)));
            QVERIFY2(got[i].data == want[i].data, qPrintable(where + ": data"));
            if (got[i].count == 1 && got[i].rc != 0)
                badReported << QString::number(got[i].lba);
        }
        QStringList expected;
        for (uint64_t b : bad)
            expected << QString::number(b);
        QCOMPARE(badReported, expected);

        // What reached the drive: large reads, none past the max LBA, none beyond what the
        // system passes; each failed call was itself sent, and failed with a medium error.
        const uint32_t size = plain->logicalSectorSize;
        const uint32_t most = (refuseAbove ? refuseAbove : limit ? limit : ReadAhead::kWindowBytes) / size;
        const std::vector<Sent> sent = channel.take();
        uint32_t largest = 0;
        for (const Sent& s : sent) {
            QCOMPARE(s.opcode, uint8_t(0x88));
            QVERIFY(s.aligned);
            QVERIFY2(s.lba + s.count <= sectors, qPrintable(QString("READ of %1 at %2").arg(s.count).arg(s.lba)));
            if (s.good)
                largest = std::max(largest, s.count);
        }
        QVERIFY2(largest >= std::min<uint32_t>(most, 1048576 / size) - 63 && largest <= most,
                 qPrintable(QString("largest read %1 sectors").arg(largest)));
        for (const Call& c : got) {
            if (c.rc == 0)
                continue;
            const bool exact = std::any_of(sent.begin(), sent.end(), [&](const Sent& s) {
                return s.lba == c.lba && s.count == c.count && s.senseKey == 0x3;
            });
            QVERIFY2(exact, qPrintable(QString("failed call %1 at %2 not sent as such").arg(c.count).arg(c.lba)));
        }
    }

    void writeInsideWindowIsRead()
    {
        _tDevice* d = by_Serial("RW");
        Recorder& channel = recorder(d);
        TransferBuffer buffer(64 * 512), data(8 * 512);
        auto read = [&](uint64_t lba) { return scsi_Read_16(d, 0, false, false, false, lba, 0, 64, buffer.data()); };
        auto reads_Sent = [&] {
            const std::vector<Sent> sent = channel.take();
            return int(std::count_if(sent.begin(), sent.end(), [](const Sent& s) { return s.opcode == 0x88; }));
        };
        QCOMPARE(read(0), 0);
        QCOMPARE(read(64), 0); // continues the stream: a window from 64 on
        QCOMPARE(reads_Sent(), 2);

        // A write inside the window, through the record, then through a record of a later
        // discovery (the same drive): the next reads see each.
        for (int round = 0; round < 2; ++round) {
            _tDevice* writer = d;
            std::vector<_tDevice> again;
            if (round == 1) {
                std::swap(again, records);
                records = discover_Records();
                writer = by_Serial("RW");
                std::swap(again, records);
            }
            const uint64_t at = 300 + 640 * round, from = 128 + 640 * round;
            std::fill(data.begin(), data.end(), uint8_t(0xA5 + round));
            QCOMPARE(scsi_Write_16(writer, 0, false, false, at, 0, 8, data.data()), 0);
            channel.take();
            for (uint64_t lba = from; lba < from + 640; lba += 64) {
                QCOMPARE(read(lba), 0);
                if (lba <= at && at < lba + 64)
                    for (uint64_t s = at; s < at + 8; ++s)
                        QCOMPARE(buffer[(s - lba) * 512 + 17], uint8_t(0xA5 + round));
            }
            QCOMPARE(reads_Sent(), 1); // the window read again, once
        }

        // The library's own erase of a stretch inside the window.
        std::fill(data.begin(), data.end(), uint8_t(0x5A));
        QCOMPARE(scsi_Write_16(d, 0, false, false, 1500, 0, 8, data.data()), 0);
        QCOMPARE(read(1408), 0); // a window from 1408 on
        QCOMPARE(erase_Range(d, 1500, 1508, 0), 0);
        QCOMPARE(read(1472), 0);
        QVERIFY(std::all_of(buffer.begin() + 28 * 512, buffer.begin() + 36 * 512, [](uint8_t b) { return b == 0; }));
    }

    // Writes while windows are in flight, one into the window being served and one into the
    // window read ahead: the calls over each read what was written, not what was on its way.
    void writeWhileWindowsInFlight()
    {
        _tDevice* d = by_Serial("RWF");
        Recorder& channel = recorder(d);
        channel.overlap = true;
        TransferBuffer buffer(64 * 512), data(8 * 512);
        auto read = [&](uint64_t lba) { return scsi_Read_16(d, 0, false, false, false, lba, 0, 64, buffer.data()); };
        QCOMPARE(read(0), 0);
        QCOMPARE(read(64), 0); // a window from 64 on, and the next one asked for
        const uint64_t writes[] = {3000, 12000};
        for (uint64_t at : writes) {
            std::fill(data.begin(), data.end(), uint8_t(at >> 4));
            QCOMPARE(scsi_Write_16(d, 0, false, false, at, 0, 8, data.data()), 0);
        }
        for (uint64_t lba = 128; lba < 16384; lba += 64) {
            QCOMPARE(read(lba), 0);
            for (uint64_t s = lba; s < lba + 64; ++s) {
                uint8_t want = 0;
                for (uint64_t at : writes)
                    if (s >= at && s < at + 8)
                        want = uint8_t(at >> 4);
                const size_t i = size_t(s - lba) * 512;
                QVERIFY2(std::all_of(buffer.begin() + i, buffer.begin() + i + 512, [&](uint8_t b) { return b == want; }),
                         qPrintable(QString("sector %1").arg(s)));
            }
        }
        channel.overlap = false;
        QVERIFY(!channel.waitedOutOfOrder);
    }

    // A window whose pieces fail over one sector, however the failure is reported, says nothing
    // about the size of its pieces: they stay as large as the system takes.
    void failedSpotKeepsPieceSize()
    {
        _tDevice* d = by_Serial("RABORT");
        Recorder& channel = recorder(d);
        channel.limit = 262144;
        channel.take();
        const std::vector<Call> calls = long_Scan(d, false);
        channel.limit = 0;
        QStringList bad;
        for (const Call& c : calls)
            if (c.rc != 0 && c.count == 1)
                bad << QString("%1:%2").arg(c.lba).arg(c.rc);
        QCOMPARE(bad, QStringList({"3000:1", "9999:1", "20000:1", "30000:1"}));
        uint32_t largest = 0;
        for (const Sent& s : channel.take())
            if (s.good && s.lba > 30000)
                largest = std::max(largest, s.count);
        QCOMPARE(largest, 262144u / 512);
    }

    // A slow drive is read once: a window counts from when its data arrived, not from when it
    // was asked for, and once the drive's speed is known a window holds what it delivers in a
    // fraction of the window's lifetime.
    void slowDriveIsReadOnce()
    {
        _tDevice* d = by_Serial("SLOW");
        Recorder& channel = recorder(d);
        const uint64_t sectors = d->maxLBA + 1;
        TransferBuffer buffer(64 * 512);
        for (int scan = 0; scan < 3; ++scan) {
            channel.overlap = scan == 2; // pieces in flight: each ages from its own arrival
            channel.take();
            uint64_t fromMedium = 0;
            uint32_t largest = 0;
            for (uint64_t lba = 0; lba < sectors; lba += 64) {
                QCOMPARE(scsi_Read_16(d, 0, false, false, false, lba, 0, 64, buffer.data()), 0);
                for (const Sent& s : channel.take()) {
                    fromMedium += s.count;
                    largest = std::max(largest, s.count);
                }
                // Give up at once rather than re-read the drive call after call.
                QVERIFY2(fromMedium <= sectors + sectors / 4,
                         qPrintable(QString("scan %1: %2 sectors read from the medium by LBA %3").arg(scan).arg(fromMedium).arg(lba)));
            }
            QCOMPARE(fromMedium, sectors);
            if (scan >= 1) // 3.5 MB/s: at most what it delivers in half a second
                QVERIFY2(largest * 512 <= 3500000 * ReadAhead::kWindowTimeNs / 1000000000 + 64 * 512,
                         qPrintable(QString("largest read %1 sectors").arg(largest)));
        }
        channel.overlap = false;
    }

    void commandsThatChangeTheMedium_data()
    {
        QTest::addColumn<QByteArray>("cdb");
        QTest::addColumn<bool>("changes");
        QTest::addColumn<qulonglong>("lba");
        QTest::addColumn<qulonglong>("count");
        auto hex = [](const char* text) { return QByteArray::fromHex(text); };
        QTest::newRow("READ(16)") << hex("88000000000000001000000000400000") << false << 0ull << 0ull;
        QTest::newRow("INQUIRY") << hex("120000006000") << false << 0ull << 0ull;
        QTest::newRow("WRITE(16)") << hex("8a000000000000001000000000400000") << true << 4096ull << 64ull;
        QTest::newRow("WRITE(10)") << hex("2a000000100000004000") << true << 4096ull << 64ull;
        QTest::newRow("WRITE SAME(16)") << hex("93000000000000001000000100000000") << true << 4096ull << 65536ull;
        QTest::newRow("SANITIZE") << hex("48010000000000000000") << true << 0ull << 0ull;
        QTest::newRow("START STOP UNIT") << hex("1b0000000000") << true << 0ull << 0ull;
        // ATA PASS-THROUGH(16): IDENTIFY and SMART READ DATA read; SMART WRITE LOG (an SCT
        // write same) and SET MAX ADDRESS EXT change what can be read.
        QTest::newRow("IDENTIFY") << hex("85080e00000001000000000000a0ec00") << false << 0ull << 0ull;
        QTest::newRow("SMART READ DATA") << hex("85080e00d000010000004f00c2a0b000") << false << 0ull << 0ull;
        QTest::newRow("SMART WRITE LOG") << hex("850a0600d6000100e0004f00c2a0b000") << true << 0ull << 0ull;
        QTest::newRow("SET MAX ADDRESS EXT") << hex("85070c00000000000000000000403700") << true << 0ull << 0ull;
    }
    void commandsThatChangeTheMedium()
    {
        QFETCH(QByteArray, cdb);
        QFETCH(bool, changes);
        QFETCH(qulonglong, lba);
        QFETCH(qulonglong, count);
        uint64_t l = 1, c = 1;
        QCOMPARE(ReadAhead::changes_Medium(reinterpret_cast<const uint8_t*>(cdb.constData()), uint8_t(cdb.size()), l, c),
                 changes);
        if (changes) {
            QCOMPARE(qulonglong(l), lba);
            QCOMPARE(qulonglong(c), count);
        }
    }
};

QTEST_GUILESS_MAIN(TestOsknReadAhead)
#include "tst_oskn_readahead.moc"
