// NVMe and block-only drives through the library's public calls, on virtual drives: the record,
// reads and writes in the drive's own block size, self-test, erases, the calls that have no NVMe
// counterpart (nothing may reach the drive), and drives that vanish, hang or answer garbage.
#include <QtTest>

#include <QTemporaryDir>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <vector>

#include "common/common.h"
#include "countingtransport.h"
#include "drivefile.h"
#include "deviceaccess/oskn_nvme.h"
#include "deviceaccess/oskn_operations.h"
#include "deviceaccess/oskn_public.h"
#include "deviceaccess/oskn_tcg.h"

namespace {

const char* kDrives = R"({ "drives": [
  { "name": "nv512", "interface": "nvme", "model": "Kestrel NV1 512GB", "serial": "NV1-0001", "firmware": "2.1.0",
    "maxLba": 99999, "unreadableSectors": [ 0, 99999, 5000 ],
    "selfTest": { "shortSeconds": 120 },
    "nvme": { "version": "1.4", "lbaFormats": [ 512, 4096 ], "format": [ "userData", "cryptoErase" ],
              "sanitize": [ "blockErase", "cryptoErase" ] } },
  { "name": "nv4k", "interface": "nvme", "model": "Kestrel NV2 4K", "serial": "NV2-0002", "capacityBytes": 67108864,
    "logicalSectorSize": 4096, "selfTest": { "outcome": "readFailure", "failingLba": 1234, "shortSeconds": 60 },
    "unreadableSectors": [ { "lba": 9000, "permanent": true } ],
    "nvme": { "namespaceId": 3, "lbaFormats": [ 512, 4096 ] } },
  { "name": "notest", "interface": "nvme", "model": "Kestrel NV4", "serial": "NV4-0004", "maxLba": 9999,
    "nvme": { "selfTest": false } },
  { "name": "vanishing", "interface": "nvme", "model": "Kestrel NV5", "serial": "NV5-0005", "maxLba": 9999,
    "disappearAfterSeconds": 1000000 },
  { "name": "garbled", "interface": "nvme", "model": "Kestrel NV6", "serial": "NV6-0006", "maxLba": 9999,
    "nvme": { "identifyGarbage": "controller" } },
  { "name": "oddns", "interface": "nvme", "model": "Kestrel NV7", "serial": "NV7-0007", "maxLba": 9999,
    "nvme": { "identifyGarbage": "namespace" } },
  { "name": "flaky", "interface": "nvme", "model": "Kestrel NV8", "serial": "NV8-0008", "maxLba": 9999,
    "nvme": { "faults": [ { "adminOpcode": "0x02", "logId": 2, "shortData": true, "count": 1 },
                          { "adminOpcode": "0x02", "logId": 6, "shortData": true, "skip": 1, "count": 1 },
                          { "ioOpcode": "0x02", "hang": true, "skip": 1, "count": 1 } ] } },
  { "name": "emmc", "interface": "emmc", "model": "MMC 32G", "serial": "0x1a2b3c4d", "firmware": "0x6",
    "capacityBytes": 8388608, "unreadableSectors": [ 16383 ] }
] })";

enum { Nv512, Nv4k, NoTest, Vanishing, Garbled, OddNs, Flaky, Emmc, DriveCount };

} // namespace

class TestOsknNvme : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::string path;
    std::vector<_tDevice> drives;

    _tDevice* d(int index) { return &drives[size_t(index)]; }
    int erasesRun = 0;

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        path = dir.path().toStdString() + "/nvme.json";
        std::ofstream(path) << kDrives;
        qputenv("OSKN_VIRTUAL_DRIVES", QByteArray::fromStdString(path));
        set_Time_Scale(1000.0);
        drives = discover_Records();
        QCOMPARE(int(drives.size()), int(DriveCount));
    }

    void cleanupTestCase() { set_Time_Scale(1.0); }

    // The record and the drive information an NVMe drive's panel shows are the information
    // suite's; here what the operations rest on: the drive's own block size, and a block-only
    // drive's identity from the system.
    void record()
    {
        QCOMPARE(d(Nv512)->logicalSectorSize, 512u);
        QCOMPARE(d(Nv4k)->logicalSectorSize, 4096u);
        QCOMPARE(d(Nv4k)->maxLBA, uint64_t(67108864 / 4096 - 1));

        QCOMPARE(d(Emmc)->driveType, uint32_t(OSKN_DRIVE_BLOCK));
        QCOMPARE(d(Emmc)->interfaceType, uint32_t(OSKN_INTERFACE_MMC));
        QCOMPARE(record_Text(d(Emmc)->serialNumber, 30), QString("0x1a2b3c4d"));
        QCOMPARE(d(Emmc)->maxLBA, uint64_t(8388608 / 512 - 1));
        nvmeDriveInformation info;
        QCOMPARE(get_NVMe_Information(d(Emmc), &info), int(OSKN_NOT_SUPPORTED));

        // The ATA reads are not NVMe's.
        uint8_t sector[512];
        QCOMPARE(ata_Identify(d(Nv512), sector, sizeof sector), int(OSKN_NOT_SUPPORTED));
        QCOMPARE(ata_SMART_Read_Data(d(Nv512), sector, sizeof sector), int(OSKN_NOT_SUPPORTED));
    }

    void readsAndWrites_data()
    {
        QTest::addColumn<int>("drive");
        QTest::newRow("nvme 512") << int(Nv512);
        QTest::newRow("nvme 4096") << int(Nv4k);
        QTest::newRow("emmc") << int(Emmc);
    }
    void readsAndWrites()
    {
        QFETCH(int, drive);
        _tDevice* dev = d(drive);
        const uint32_t size = dev->logicalSectorSize;
        const uint64_t last = dev->maxLBA - (drive == Nv4k ? 0 : 1); // the others' last is unreadable
        std::vector<uint8_t> pattern(4 * size), back(4 * size);
        for (size_t i = 0; i < pattern.size(); ++i)
            pattern[i] = uint8_t(i * 13 + drive);
        QCOMPARE(write_Sectors(dev, 200, 4, pattern.data()), int(OSKN_SUCCESS));
        QCOMPARE(read_Sectors(dev, 200, 4, back.data()), int(OSKN_SUCCESS));
        QVERIFY(pattern == back);
        // The last block, in the drive's own size; one past it is refused before any command.
        QCOMPARE(write_LBA(dev, last, true, pattern.data(), size), int(OSKN_SUCCESS));
        std::fill(back.begin(), back.end(), 0);
        QCOMPARE(read_Sectors(dev, last, 1, back.data()), int(OSKN_SUCCESS));
        QVERIFY(std::memcmp(back.data(), pattern.data(), size) == 0);
        QCOMPARE(read_Sectors(dev, dev->maxLBA, 2, back.data()), int(OSKN_BAD_PARAMETER));
        QCOMPARE(write_LBA(dev, 0, false, pattern.data(), size - 1), int(OSKN_BAD_PARAMETER));
    }

    void unreadableBlocks()
    {
        // First and last block of the drive: the medium error of the SCSI side, never data.
        std::vector<uint8_t> buffer(64 * 512);
        _tDevice* dev = d(Nv512);
        QCOMPARE(read_Sectors(dev, 0, 1, buffer.data()), int(OSKN_COMMAND_FAILURE));
        QCOMPARE(read_Sectors(dev, dev->maxLBA, 1, buffer.data()), int(OSKN_COMMAND_FAILURE));
        QCOMPARE(read_Sectors(dev, dev->maxLBA - 63, 64, buffer.data()), int(OSKN_COMMAND_FAILURE));
        QCOMPARE(read_Sectors(d(Emmc), d(Emmc)->maxLBA, 1, buffer.data()), int(OSKN_COMMAND_FAILURE));

        // A scan's 64-block calls, served from read-ahead windows: only the call covering the
        // unreadable block fails.
        QVector<uint64_t> failed;
        for (uint64_t lba = 64; lba < 64 * 160; lba += 64)
            if (read_Sectors(dev, lba, 64, buffer.data()) != OSKN_SUCCESS)
                failed << lba;
        QCOMPARE(failed, QVector<uint64_t>({5000 / 64 * 64}));

        // Rewritten, it reads again; a block the drive cannot write fails the write too.
        std::vector<uint8_t> zeros(4096, 0);
        QCOMPARE(write_Sectors(dev, 5000, 1, zeros.data()), int(OSKN_SUCCESS));
        QCOMPARE(read_Sectors(dev, 5000 / 64 * 64, 64, buffer.data()), int(OSKN_SUCCESS));
        QCOMPARE(write_Sectors(d(Nv4k), 9000, 1, zeros.data()), int(OSKN_COMMAND_FAILURE));
        QCOMPARE(read_Sectors(d(Nv4k), 9000, 1, zeros.data()), int(OSKN_COMMAND_FAILURE));
    }

    void selfTestPasses()
    {
        _tDevice* dev = d(Nv512);
        std::vector<uint8_t> zeros(512, 0);
        for (uint64_t lba : {0ull, 99999ull}) // the self-test reads the whole namespace
            QCOMPARE(write_Sectors(dev, lba, 1, zeros.data()), int(OSKN_SUCCESS));
        QCOMPARE(ata_SMART_Offline(dev, 1), int(OSKN_SUCCESS));
        uint32_t remaining = 0;
        uint8_t status = 0;
        QCOMPARE(ata_Get_DST_Progress(dev, &remaining, &status), int(OSKN_SUCCESS));
        QCOMPARE(int(status), 0x0F);
        QVERIFY(remaining > 0 && remaining <= 100);
        // A second start while it runs is refused by the drive.
        QCOMPARE(ata_SMART_Offline(dev, 1), int(OSKN_IN_PROGRESS));
        QTRY_VERIFY_WITH_TIMEOUT(ata_Get_DST_Progress(dev, &remaining, &status) == OSKN_SUCCESS && status != 0x0F, 5000);
        QCOMPARE(int(status), 0x00);

        nvmeSelfTestLog log;
        QCOMPARE(nvme_Get_Self_Test_Log(dev, &log), int(OSKN_SUCCESS));
        QCOMPARE(int(log.resultCount), 1);
        QCOMPARE(int(log.results[0].code), 1);
        QCOMPARE(int(log.results[0].result), 0);
    }

    void selfTestFails()
    {
        _tDevice* dev = d(Nv4k);
        QCOMPARE(ata_SMART_Offline(dev, 1), int(OSKN_SUCCESS));
        uint32_t remaining = 0;
        uint8_t status = 0x0F;
        QTRY_VERIFY_WITH_TIMEOUT(ata_Get_DST_Progress(dev, &remaining, &status) == OSKN_SUCCESS && status != 0x0F, 5000);
        QCOMPARE(int(status), 0x07); // a read failure, as the ATA status tells it
        nvmeSelfTestLog log;
        QCOMPARE(nvme_Get_Self_Test_Log(dev, &log), int(OSKN_SUCCESS));
        QCOMPARE(int(log.results[0].result), 7);
        QVERIFY(log.results[0].failingLbaValid);
        QCOMPARE(log.results[0].failingLba, uint64_t(1234));
        uint8_t block[4096];
        QCOMPARE(read_Sectors(dev, 1234, 1, block), int(OSKN_COMMAND_FAILURE));
    }

    void cannotDoSendsNothing()
    {
        CountedDrives counted(path, false, "-counted");
        std::vector<_tDevice> records = discover_Records();
        QCOMPARE(int(records.size()), int(DriveCount));
        for (int drive : {int(Nv512), int(NoTest), int(Emmc)}) {
            _tDevice* dev = &records[size_t(drive)];
            const int before = counted.transport->sent(dev);
            uint64_t native = 0, seconds = 0;
            iddSupportedFeatures idd = {};
            sanitizeFeaturesSupported sanitize = {};
            uint8_t protocols[OSKN_SECURITY_PROTOCOL_LIST_BYTES] = {};
            double percent = 0;
            uint32_t state = 0;
            QCOMPARE(set_Max_LBA(dev, 1000, false), int(OSKN_CANNOT_PERFORM));
            QCOMPARE(set_Max_LBA(dev, 0, true), int(OSKN_CANNOT_PERFORM));
            QCOMPARE(run_IDD(dev, OSKN_IDD_RESET_AND_RECALIBRATE, false), int(OSKN_CANNOT_PERFORM));
            QCOMPARE(run_IDD(dev, OSKN_IDD_TEST_PENDING_AND_REALLOCATION_LISTS, false), int(OSKN_CANNOT_PERFORM));
            QCOMPARE(get_Approximate_IDD_Time(dev, OSKN_IDD_RESET_AND_RECALIBRATE, &seconds), int(OSKN_CANNOT_PERFORM));
            QVERIFY(get_IDD_Support(dev, &idd) != OSKN_SUCCESS);
            QCOMPARE(spin_down_drive(dev, false), int(OSKN_CANNOT_PERFORM));
            QVERIFY(ata_Get_Native_Max_LBA(dev, &native) != OSKN_SUCCESS);
            if (drive == Emmc) { // an NVMe drive has its own erases, below
                QVERIFY(get_Sanitize_Device_Features(dev, &sanitize) != OSKN_SUCCESS);
                QCOMPARE(run_Sanitize_Operation(dev, OSKN_SANITIZE_OVERWRITE, false), int(OSKN_CANNOT_PERFORM));
                QVERIFY(get_Sanitize_Progress(dev, &percent, &state) != OSKN_SUCCESS);
                QVERIFY(!is_Write_Same_Supported(dev, 0, 8, nullptr));
                QCOMPARE(writesame(dev, 0, 8, false), int(OSKN_CANNOT_PERFORM));
            }
            QVERIFY(read_Supported_Security_Protocols_From_Device(dev, protocols) != OSKN_SUCCESS);
            if (drive != Nv512) { // no self-test: refused from what the drive said at discovery
                uint32_t remaining = 0;
                uint8_t status = 0;
                QCOMPARE(ata_SMART_Offline(dev, 1), int(OSKN_CANNOT_PERFORM));
                QCOMPARE(ata_Get_DST_Progress(dev, &remaining, &status), int(OSKN_CANNOT_PERFORM));
                QCOMPARE(ata_Abort_DST(dev), int(OSKN_CANNOT_PERFORM));
            }
            QCOMPARE(counted.transport->sent(dev), before);
        }
    }

    // Each erase an NVMe drive offers leaves the first and the last block zero, and says how it
    // was done; a Write Zeroes answered without its work is no success. The verdicts of the
    // other faults are the operation suite's.
    void erases_data()
    {
        QTest::addColumn<QString>("nvme");
        QTest::addColumn<QString>("erase"); // crypto, overwrite, block, overwrite-follow, zeroes
        QTest::addColumn<int>("rc");
        QTest::addColumn<int>("method");  // the crypto erase's command, -1 not asked
        QTest::addColumn<bool>("zeroed");
        QTest::newRow("sanitize crypto") << R"("sanitize": ["cryptoErase"])" << "crypto" << 0
                                         << int(OSKN_ERASE_METHOD_SANITIZE) << true;
        QTest::newRow("format crypto") << R"("format": ["userData", "cryptoErase"])" << "crypto" << 0
                                       << int(OSKN_ERASE_METHOD_FORMAT_CRYPTO) << true;
        QTest::newRow("format user data") << R"("format": ["userData"])" << "crypto" << 0
                                          << int(OSKN_ERASE_METHOD_FORMAT_USER_DATA) << true;
        QTest::newRow("no crypto erase") << R"("format": [], "sanitize": ["overwrite"])" << "crypto"
                                         << int(OSKN_CANNOT_PERFORM) << int(OSKN_ERASE_METHOD_NONE) << false;
        QTest::newRow("sanitize overwrite") << R"("sanitize": ["overwrite"])" << "overwrite" << 0 << -1 << true;
        QTest::newRow("overwrite followed") << R"("sanitize": ["overwrite"])" << "overwrite-follow" << 0 << -1 << true;
        QTest::newRow("block erase") << R"("sanitize": ["blockErase"])" << "block" << 0 << -1 << true;
        QTest::newRow("write zeroes") << R"("writeZeroes": true)" << "zeroes" << 0 << -1 << true;
        // GOOD without the work: the library reads the span's ends back before it says so.
        QTest::newRow("write zeroes answered without work") << R"("faults": [ { "ioOpcode": "0x08", "noWork": true } ])"
                                                           << "zeroes" << int(OSKN_FAILURE) << -1 << false;
        QTest::newRow("vanishes while sanitizing") << R"("sanitize": ["blockErase"], "sanitizeSeconds": 7200)"
                                                   << "block" << int(OSKN_DEVICE_GONE) << -1 << false;
    }
    void erases()
    {
        QFETCH(QString, nvme);
        QFETCH(QString, erase);
        QFETCH(int, rc);
        QFETCH(int, method);
        QFETCH(bool, zeroed);
        const std::string file = dir.path().toStdString() + "/erase-" + std::to_string(++erasesRun) + ".json";
        const bool vanishes = QString(QTest::currentDataTag()).startsWith("vanishes");
        std::ofstream(file) << R"({ "drives": [ { "name": "e", "interface": "nvme", "serial": "NVE", "maxLba": 199999, )"
                            << (vanishes ? R"("disappearAfterSeconds": 600, )" : "") << R"("nvme": { )"
                            << nvme.toStdString() << " } } ] }";
        CountedDrives over(file, false, "-counted");
        std::vector<_tDevice> records = discover_Records();
        QCOMPARE(int(records.size()), 1);
        _tDevice* dev = &records[0];
        const uint64_t last = dev->maxLBA;
        std::vector<uint8_t> block(512, 0xA5);
        QCOMPARE(write_Sectors(dev, 0, 1, block.data()), int(OSKN_SUCCESS));
        QCOMPARE(write_Sectors(dev, last, 1, block.data()), int(OSKN_SUCCESS));
        int got = -1;
        if (erase == "zeroes") {
            uint64_t most = 0;
            QCOMPARE(is_Write_Same_Supported(dev, 0, uint32_t(last + 1), &most), rc != OSKN_CANNOT_PERFORM);
            got = writesame(dev, 0, uint32_t(last + 1), true);
        } else if (erase == "overwrite-follow") {
            // Started, then followed as the panel does: the drive's own status is the verdict.
            got = run_Sanitize_Operation(dev, OSKN_SANITIZE_OVERWRITE, false);
            QCOMPARE(got, int(OSKN_SUCCESS));
            double percent = 0;
            uint32_t state = OSKN_SANITIZE_STATE_IN_PROGRESS;
            for (int polls = 0; polls < 1000 && state == OSKN_SANITIZE_STATE_IN_PROGRESS; ++polls) {
                QCOMPARE(get_Sanitize_Progress(dev, &percent, &state), int(OSKN_SUCCESS));
                delay_Milliseconds(5000);
            }
            got = state == OSKN_SANITIZE_STATE_IDLE && percent == 100.0 ? 0 : int(OSKN_FAILURE);
        } else {
            const int op = erase == "crypto" ? OSKN_SANITIZE_CRYPTO_ERASE
                           : erase == "block" ? OSKN_SANITIZE_BLOCK_ERASE
                                              : OSKN_SANITIZE_OVERWRITE;
            got = run_Sanitize_Operation(dev, op, true);
        }
        QCOMPARE(got, rc);
        if (method >= 0) {
            int used = -1;
            QCOMPARE(get_Crypto_Erase_Method(dev, &used), int(OSKN_SUCCESS));
            QCOMPARE(used, method);
        }
        if (vanishes)
            return;
        std::vector<uint8_t> first(512, 1), end(512, 1);
        const bool read = read_Sectors(dev, 0, 1, first.data()) == OSKN_SUCCESS && read_Sectors(dev, last, 1, end.data()) == OSKN_SUCCESS;
        const bool zero = read && std::all_of(first.begin(), first.end(), [](uint8_t b) { return b == 0; }) &&
                          std::all_of(end.begin(), end.end(), [](uint8_t b) { return b == 0; });
        QCOMPARE(zero, zeroed);
    }

    // A failed sanitize leaves the drive refusing its data until a new sanitize completes; the
    // failure-mode exit of a restricted sanitize is refused too.
    void failedSanitizeState()
    {
        const std::string file = dir.path().toStdString() + "/failed.json";
        std::ofstream(file) << R"({ "drives": [ { "name": "f", "interface": "nvme", "serial": "NVF", "maxLba": 9999,
            "nvme": { "sanitize": ["blockErase"], "sanitizeFails": true } } ] })";
        CountedDrives over(file, false, "-counted");
        std::vector<_tDevice> records = discover_Records();
        _tDevice* dev = &records[0];
        QCOMPARE(run_Sanitize_Operation(dev, OSKN_SANITIZE_BLOCK_ERASE, true), int(OSKN_FAILURE));
        double percent = 0;
        uint32_t state = 0;
        QCOMPARE(get_Sanitize_Progress(dev, &percent, &state), int(OSKN_SUCCESS));
        QCOMPARE(state, uint32_t(OSKN_SANITIZE_STATE_FAILED));
        uint8_t data[512];
        QVERIFY(read_Sectors(dev, 0, 1, data) != OSKN_SUCCESS);
        QVERIFY(run_Sanitize_Operation(dev, OSKN_SANITIZE_EXIT_FAILURE_MODE, false) != OSKN_SUCCESS);
        sanitizeFeaturesSupported features = {};
        QCOMPARE(get_Sanitize_Device_Features(dev, &features), int(OSKN_SUCCESS));
        QVERIFY(features.blockErase && features.exitFailureMode && !features.overwrite);
    }

    // A sanitize found running at start is followed, not started again.
    void sanitizeRunningAtStart()
    {
        const std::string file = dir.path().toStdString() + "/running.json";
        std::ofstream(file) << R"({ "drives": [ { "name": "r", "interface": "nvme", "serial": "NVR", "maxLba": 9999,
            "nvme": { "sanitize": ["overwrite"], "sanitizeRunningAtStart": true, "sanitizeSeconds": 600 } } ] })";
        CountedDrives over(file, false, "-counted");
        std::vector<_tDevice> records = discover_Records();
        _tDevice* dev = &records[0];
        QCOMPARE(run_Sanitize_Operation(dev, OSKN_SANITIZE_OVERWRITE, false), int(OSKN_IN_PROGRESS));
        double percent = 0;
        uint32_t state = 0;
        QCOMPARE(get_Sanitize_Progress(dev, &percent, &state), int(OSKN_SUCCESS));
        QCOMPARE(state, uint32_t(OSKN_SANITIZE_STATE_IN_PROGRESS));
        QVERIFY(percent < 100.0);
        // All of the drive's status, and its estimate of the running action (an overwrite).
        sanitizeStatusReport report = {};
        QCOMPARE(get_Sanitize_Status_Report(dev, &report), int(OSKN_SUCCESS));
        QCOMPARE(report.state, uint32_t(OSKN_SANITIZE_STATE_IN_PROGRESS));
        QCOMPARE(report.nvme, 1u);
        QCOMPARE(report.status & 0x7, 2u);
        QCOMPARE(report.command & 0x7, 3u);
        QCOMPARE(report.estimateSeconds, 600u);
        QCOMPARE(report.percent, report.progress * 100.0 / 65536.0);
        delay_Milliseconds(700000);
        QCOMPARE(get_Sanitize_Progress(dev, &percent, &state), int(OSKN_SUCCESS));
        QCOMPARE(state, uint32_t(OSKN_SANITIZE_STATE_IDLE));
        QCOMPARE(percent, 100.0);
    }

    void vanishingDrive()
    {
        _tDevice* dev = d(Vanishing);
        uint8_t block[512];
        QCOMPARE(read_Sectors(dev, 10, 1, block), int(OSKN_SUCCESS));
        set_Time_Source_Offset_For_Test(2000000ull * 1000000000ull); // past the moment it vanishes, for good
        QCOMPARE(read_Sectors(dev, 10, 1, block), int(OSKN_DEVICE_GONE));
        QCOMPARE(write_Sectors(dev, 10, 1, block), int(OSKN_DEVICE_GONE));
        QCOMPARE(run_SMART_Check(dev), int(OSKN_DEVICE_GONE));
        uint32_t remaining = 0;
        uint8_t status = 0;
        QCOMPARE(ata_SMART_Offline(dev, 1), int(OSKN_DEVICE_GONE));
        QCOMPARE(ata_Get_DST_Progress(dev, &remaining, &status), int(OSKN_DEVICE_GONE));
        nvmeDriveInformation info;
        QCOMPARE(get_NVMe_Information(dev, &info), int(OSKN_DEVICE_GONE));
    }

    void garbageIdentify()
    {
        // Nothing to trust: no capacity (so no panel), and no call succeeds on it.
        uint8_t block[512];
        nvmeDriveInformation info;
        for (int drive : {int(Garbled), int(OddNs)}) {
            _tDevice* dev = d(drive);
            QCOMPARE(dev->driveType, uint32_t(OSKN_DRIVE_NVME));
            QCOMPARE(dev->maxLBA, uint64_t(0));
            QVERIFY(read_Sectors(dev, 0, 1, block) != OSKN_SUCCESS);
            QVERIFY(write_Sectors(dev, 0, 1, block) != OSKN_SUCCESS);
            QCOMPARE(get_NVMe_Information(dev, &info), int(OSKN_FAILURE));
            QCOMPARE(run_SMART_Check(dev), int(OSKN_FAILURE));
            QCOMPARE(ata_SMART_Offline(dev, 1), int(OSKN_FAILURE));
        }
        QCOMPARE(record_Text(d(Garbled)->modelNumber, 41), QString());
        QCOMPARE(record_Text(d(OddNs)->modelNumber, 41), QString("Kestrel NV7")); // the controller was fine
    }

    void shortAndHungCommands()
    {
        _tDevice* dev = d(Flaky);
        // A health log shorter than asked is no verdict; the next one is whole.
        QCOMPARE(run_SMART_Check(dev), int(OSKN_INCOMPLETE));
        QCOMPARE(run_SMART_Check(dev), int(OSKN_SUCCESS));
        // The self-test log: whole at the start, short at the first poll.
        QCOMPARE(ata_SMART_Offline(dev, 1), int(OSKN_SUCCESS));
        uint32_t remaining = 0;
        uint8_t status = 0;
        QCOMPARE(ata_Get_DST_Progress(dev, &remaining, &status), int(OSKN_INCOMPLETE));
        QCOMPARE(ata_Abort_DST(dev), int(OSKN_SUCCESS));
        // A read that never completes comes back as a time-out, not as data.
        uint8_t block[512];
        QCOMPARE(read_Sectors(dev, 100, 1, block), int(OSKN_SUCCESS));
        QCOMPARE(read_Sectors(dev, 5000, 1, block), int(OSKN_TIMEOUT));
        QCOMPARE(read_Sectors(dev, 5000, 1, block), int(OSKN_SUCCESS));
    }

    void refusedDescriptions_data()
    {
        QTest::addColumn<QString>("drive");
        QTest::addColumn<QString>("field");
        QTest::newRow("sata field") << R"("interface": "nvme", "maxLba": 99, "smart": { "health": "fail" })" << "smart";
        QTest::newRow("block size") << R"("interface": "nvme", "maxLba": 99, "logicalSectorSize": 1024)"
                                    << "logicalSectorSize";
        QTest::newRow("format not listed") << R"("interface": "nvme", "maxLba": 99, "nvme": { "lbaFormats": [ 4096 ] })"
                                           << "nvme.lbaFormats";
        QTest::newRow("unknown nvme field") << R"("interface": "nvme", "maxLba": 99, "nvme": { "colour": 1 })"
                                            << "nvme.colour";
        QTest::newRow("warning name") << R"("interface": "nvme", "maxLba": 99, "nvme": { "health": { "criticalWarning": [ "hot" ] } })"
                                      << "nvme.health.criticalWarning[0]";
        QTest::newRow("nvme on sata") << R"("maxLba": 99, "nvme": {})" << "nvme";
        QTest::newRow("self-test on emmc") << R"("interface": "emmc", "maxLba": 99, "selfTest": { "shortSeconds": 5 })"
                                           << "selfTest";
        QTest::newRow("fault without opcode") << R"("interface": "nvme", "maxLba": 99, "nvme": { "faults": [ { "hang": true } ] })"
                                              << "nvme.faults[0].adminOpcode";
    }
    void refusedDescriptions()
    {
        QFETCH(QString, drive);
        QFETCH(QString, field);
        const std::string file = dir.path().toStdString() + "/refused.json";
        std::ofstream(file) << R"({ "drives": [ { "name": "ok", "maxLba": 99 }, { "name": "bad", )" << drive.toStdString()
                            << " } ] }";
        std::string error;
        QVERIFY(!oskn::make_Virtual_Transport(file, error));
        const QString message = QString::fromStdString(error);
        QVERIFY2(message.startsWith(QString::fromStdString(file) + ": drive 1 (\"bad\"): field \"" + field + "\""),
                 qPrintable(message));
    }

    void demoSet()
    {
        std::string error;
        auto set = oskn::make_Virtual_Transport(KV_SOURCE_DIR "/demo/nvme.json", error);
        QVERIFY2(set, error.c_str());
        QCOMPARE(int(set->enumerate().size()), 7);
    }

};

QTEST_GUILESS_MAIN(TestOsknNvme)
#include "tst_oskn_nvme.moc"
