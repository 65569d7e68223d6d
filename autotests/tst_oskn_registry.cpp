// Device-access library over a fake transport: record filling, handles that survive rescans,
// refused calls, and the per-drive lock (parallel across drives, serial on one drive).
#include <QtTest>

#include <atomic>
#include <chrono>
#include <cstring>
#include <map>
#include <mutex>
#include <thread>

#include "core/registry.h"
#include "drivefile.h"
#include "deviceaccess/oskn_operations.h"
#include "deviceaccess/oskn_public.h"

using namespace oskn;

namespace {

// Concurrency seen by all fake drives together.
std::atomic<int> g_running{0};
std::atomic<int> g_maxRunning{0};

void raise_Max(std::atomic<int>& max, int now)
{
    for (int seen = max.load(); now > seen && !max.compare_exchange_weak(seen, now);) {
    }
}

// A SCSI disk answering INQUIRY, READ CAPACITY(16) and READ(16)/WRITE(16); ATA drives are
// filled from the virtual drives' IDENTIFY in tst_oskn_virtual_calls.
class FakeDisk : public DeviceChannel {
public:
    FakeDisk(std::string model, uint64_t sectors, int readMilliseconds = 0)
        : model_(std::move(model)), sectors_(sectors), readMs_(readMilliseconds)
    {
    }

    TransportResult execute(ScsiCommand& c) override
    {
        raise_Max(maxRunning_, ++running_);
        raise_Max(g_maxRunning, ++g_running);
        ++commands;
        TransportResult result = TransportResult::Delivered;
        if (maxTransferBytes && c.dataLength > maxTransferBytes)
            result = TransportResult::OsFailure; // the host refuses the transfer length
        else
            answer(c);
        --g_running;
        --running_;
        return result;
    }

    std::atomic<int> commands{0};
    uint32_t maxTransferBytes = 0;
    int maxRunning() const { return maxRunning_; }

private:
    void illegal(ScsiCommand& c, uint8_t asc)
    {
        c.scsiStatus = 2;
        const uint8_t s[18] = {0x70, 0, 0x05, 0, 0, 0, 0, 10, 0, 0, 0, 0, asc, 0, 0, 0, 0, 0};
        std::memcpy(c.sense, s, sizeof s);
        c.senseLength = sizeof s;
    }

    void answer(ScsiCommand& c)
    {
        const uint8_t* cdb = c.cdb;
        switch (cdb[0]) {
        case 0x12: { // INQUIRY
            std::memset(c.data, 0, c.dataLength);
            if (cdb[1] & 1) {
                if (cdb[2] == 0x80 && c.dataLength >= 12) {
                    c.data[1] = 0x80;
                    c.data[3] = 8;
                    std::memcpy(c.data + 4, "  SN0042", 8);
                    return;
                }
                if (cdb[2] == 0x00 && c.dataLength >= 6) {
                    c.data[3] = 2;
                    c.data[5] = 0x80;
                    return;
                }
                illegal(c, 0x24);
                return;
            }
            uint8_t inq[36] = {};
            inq[4] = 31;
            std::memcpy(inq + 8, "ACME    ", 8);
            std::memset(inq + 16, ' ', 16);
            std::memcpy(inq + 16, model_.data(), std::min<size_t>(model_.size(), 16));
            std::memcpy(inq + 32, "R001", 4);
            std::memcpy(c.data, inq, std::min<size_t>(36, c.dataLength));
            return;
        }
        case 0x9E: // READ CAPACITY (16)
            std::memset(c.data, 0, c.dataLength);
            put_Be64(c.data, sectors_ - 1);
            put_Be32(c.data + 8, 512);
            return;
        case 0x88: // READ (16)
        case 0x8A: // WRITE (16)
            if (get_Be64(cdb + 2) + get_Be32(cdb + 10) > sectors_) {
                illegal(c, 0x21);
                return;
            }
            if (readMs_)
                std::this_thread::sleep_for(std::chrono::milliseconds(readMs_));
            if (cdb[0] == 0x88)
                std::memset(c.data, 0, c.dataLength);
            return;
        default:
            illegal(c, 0x20);
        }
    }

    std::string model_;
    uint64_t sectors_;
    int readMs_;
    std::atomic<int> running_{0};
    std::atomic<int> maxRunning_{0};
};

class FakeTransport : public Transport {
public:
    std::vector<DeviceEntry> entries;
    std::vector<DeviceEntry> enumerate() override { return entries; }
};

DeviceEntry entry(const std::string& path, std::shared_ptr<DeviceChannel> channel, uint32_t iface,
                  uint32_t hint = 0)
{
    DeviceEntry e;
    e.path = path;
    e.channel = std::move(channel);
    e.interfaceType = iface;
    e.driveTypeHint = hint;
    return e;
}


} // namespace

class TestOsknRegistry : public QObject {
    Q_OBJECT

    std::shared_ptr<FakeTransport> transport = std::make_shared<FakeTransport>();

private slots:
    void initTestCase() { Registry::instance().set_Transport_Override(transport); }
    void cleanupTestCase() { Registry::instance().set_Transport_Override(nullptr); }

    void fillsRecords()
    {
        auto scsiDisk = std::make_shared<FakeDisk>("Vault 9", 2048);
        auto optical = std::make_shared<FakeDisk>("Disc", 1);
        transport->entries = {entry("fake/scsi", scsiDisk, OSKN_INTERFACE_USB),
                              entry("fake/cd", optical, OSKN_INTERFACE_ATA, OSKN_DRIVE_NOT_A_DISK)};
        std::vector<_tDevice> r = discover_Records(1);
        QCOMPARE(int(r.size()), 3);

        // Not ATA (pass-through refused), behind USB: identity from INQUIRY and VPD 80h.
        QCOMPARE(r[0].driveType, uint32_t(OSKN_DRIVE_SCSI));
        QCOMPARE(r[0].interfaceType, uint32_t(OSKN_INTERFACE_USB));
        QCOMPARE(record_Text(r[0].modelNumber, sizeof r[0].modelNumber), QString("ACME Vault 9"));
        QCOMPARE(record_Text(r[0].serialNumber, sizeof r[0].serialNumber), QString("SN0042"));
        QCOMPARE(record_Text(r[0].firmwareRevision, sizeof r[0].firmwareRevision), QString("R001"));
        QCOMPARE(r[0].maxLBA, uint64_t(2047));
        uint8_t buffer[512];
        QCOMPARE(ata_Identify(&r[0], buffer, sizeof buffer), int(OSKN_NOT_SUPPORTED));
        QCOMPARE(run_SMART_Check(&r[0]), int(OSKN_NOT_SUPPORTED));

        // The OS said optical: its name from INQUIRY, and no other command (no capacity).
        QCOMPARE(r[1].driveType, uint32_t(OSKN_DRIVE_NOT_A_DISK));
        QCOMPARE(r[1].maxLBA, uint64_t(0));
        QCOMPARE(record_Text(r[1].modelNumber, sizeof r[1].modelNumber), QString("ACME Disc"));
        QCOMPARE(optical->commands.load(), 1);

        // A slot beyond the drives found stays zero.
        QCOMPARE(r[2].maxLBA, uint64_t(0));
        QCOMPARE(ata_Identify(&r[2], buffer, sizeof buffer), int(OSKN_INVALID_DEVICE));
    }

    void makerVerdict()
    {
        _tDevice d;
        std::memset(&d, 0, sizeof d);
        const std::pair<const char*, bool> models[] = {{"brevane Q2", true}, {"Brevan", false}, {"The Brevane", false}};
        for (auto [model, expected] : models) {
            std::strcpy(d.modelNumber, model);
            QCOMPARE(is_Brevane(&d, true), expected);
        }
        d.interfaceType = OSKN_INTERFACE_USB; // behind USB only when asked to look there
        std::strcpy(d.modelNumber, "BREVANE");
        QVERIFY(is_Brevane(&d, true));
        QVERIFY(!is_Brevane(&d, false));
        QVERIFY(!is_Brevane(nullptr, true));
    }

    void refusedCalls()
    {
        auto disk = std::make_shared<FakeDisk>("Small", 100);
        transport->entries = {entry("fake/small", disk, OSKN_INTERFACE_SCSI)};
        std::vector<_tDevice> r = discover_Records();
        QCOMPARE(int(r.size()), 1);
        std::vector<uint8_t> buffer(64 * 512);
        const int before = disk->commands;
        // Past the max LBA (99), or wrapping around: refused without a command.
        QCOMPARE(scsi_Read_16(&r[0], 0, false, false, false, 99, 0, 2, buffer.data()), int(OSKN_BAD_PARAMETER));
        QCOMPARE(scsi_Write_16(&r[0], 0, false, false, 100, 0, 1, buffer.data()), int(OSKN_BAD_PARAMETER));
        QCOMPARE(scsi_Read_16(&r[0], 0, false, false, false, ~0ull, 0, 2, buffer.data()), int(OSKN_BAD_PARAMETER));
        QCOMPARE(erase_Range(&r[0], 90, 101, 0), int(OSKN_BAD_PARAMETER));
        QCOMPARE(write_LBA(&r[0], 0, false, buffer.data(), 100), int(OSKN_BAD_PARAMETER));
        // Zero sectors at the end of the drive write nothing and succeed.
        QCOMPARE(scsi_Write_16(&r[0], 0, false, false, 99, 0, 0, buffer.data()), int(OSKN_SUCCESS));
        QCOMPARE(disk->commands.load(), before);
        QCOMPARE(scsi_Read_16(&r[0], 0, false, false, false, 36, 0, 64, buffer.data()), int(OSKN_SUCCESS));
        QCOMPARE(erase_Range(&r[0], 64, 100, 0), int(OSKN_SUCCESS));

        // A transfer longer than the host takes is a plain failure (callers then shorten it).
        disk->maxTransferBytes = 15 * 512;
        QCOMPARE(scsi_Read_16(&r[0], 0, false, false, false, 0, 0, 64, buffer.data()), int(OSKN_FAILURE));
        QCOMPARE(scsi_Read_16(&r[0], 0, false, false, false, 0, 0, 15, buffer.data()), int(OSKN_SUCCESS));
        disk->maxTransferBytes = 0;

        // A record the library did not fill, or one from a future layout.
        _tDevice stranger;
        std::memset(&stranger, 0xA5, sizeof stranger);
        QCOMPARE(scsi_Read_16(&stranger, 0, false, false, false, 0, 0, 1, buffer.data()), int(OSKN_INVALID_DEVICE));
        versionBlock block;
        get_Version_Block(&block);
        block.recordSize = 1312;
        QCOMPARE(get_Device_List(r.data(), sizeof(_tDevice), block, OSKN_SCAN_ALL_DRIVES), int(OSKN_LIBRARY_MISMATCH));
    }

    void perDriveLock()
    {
        auto a = std::make_shared<FakeDisk>("Slow A", 1000, 60);
        auto b = std::make_shared<FakeDisk>("Slow B", 1000, 60);
        transport->entries = {entry("fake/slowA", a, OSKN_INTERFACE_SCSI), entry("fake/slowB", b, OSKN_INTERFACE_SCSI)};
        std::vector<_tDevice> first = discover_Records();
        // A rescan makes new records; the old ones stay usable and share the drive's lock.
        std::vector<_tDevice> second = discover_Records();
        QCOMPARE(int(first.size()), 2);
        QCOMPARE(int(second.size()), 2);

        auto reads = [](_tDevice* d) {
            std::vector<uint8_t> buffer(512);
            for (int i = 0; i < 4; ++i)
                if (scsi_Read_16(d, 0, false, false, false, uint64_t(i), 0, 1, buffer.data()) != OSKN_SUCCESS)
                    return false;
            return true;
        };

        // Two drives: their commands overlap.
        g_maxRunning = 0;
        auto both = [&](_tDevice* x, _tDevice* y) {
            bool ok1 = false, ok2 = false;
            std::thread t1([&] { ok1 = reads(x); }), t2([&] { ok2 = reads(y); });
            t1.join();
            t2.join();
            return ok1 && ok2;
        };
        QVERIFY(both(&first[0], &first[1]));
        QCOMPARE(g_maxRunning.load(), 2);

        // One drive, through an old and a new record: never two commands at once.
        QVERIFY(both(&first[0], &second[0]));
        QCOMPARE(a->maxRunning(), 1);
        QCOMPARE(b->maxRunning(), 1);
    }
};

QTEST_GUILESS_MAIN(TestOsknRegistry)
#include "tst_oskn_registry.moc"
