// The library's calls end to end on virtual drives: identity and logs, reads and writes, erases,
// the calls a drive refuses, and the operations the drive runs itself (in scaled drive time).
// What discovery fills in and the outcomes on the way are covered by the operation suites.
#include <QtTest>

#include <QTemporaryDir>

#include <cstring>
#include <fstream>
#include <thread>
#include <vector>


#include "capture.h"
#include "common/common.h"
#include "drivefile.h"
#include "deviceaccess/oskn_operations.h"
#include "deviceaccess/oskn_public.h"
#include "deviceaccess/oskn_tcgoperations.h"

namespace {

const char* kDrives = R"({ "drives": [
  { "name": "good", "model": "Brevane BV2000-ST", "serial": "BV-GOOD-1", "firmware": "BV01",
    "maxLba": 20479, "logicalSectorSize": 512, "physicalSectorSize": 4096,
    "smart": { "attributes": [ { "id": 5, "raw": 3 }, { "id": 9, "raw": 10000 },
                               { "id": 194, "current": 40, "worst": 50, "raw": 40 } ] },
    "selfTest": { "shortSeconds": 60 } },
  { "name": "bad", "model": "Ostrel OD1000", "serial": "OD-BAD-2", "maxLba": 99999,
    "unreadableSectors": [ 5000, { "lba": 7000, "permanent": true } ],
    "smart": { "health": "fail" }, "selfTest": { "shortSeconds": 120 } },
  { "name": "nosmart", "model": "Plain P1", "serial": "NOSMART-3", "maxLba": 4095,
    "features": { "supported": ["48bit", "gpl"], "enabled": ["48bit", "gpl"] } },
  { "name": "faulty", "model": "Faulty Unit", "serial": "FAULT-4", "maxLba": 65535,
    "faults": [ { "scsiOpcode": "0x88", "sense": [4, "0x44", 0], "skip": 1, "count": 2 },
                { "ataCommand": "0xB0", "feature": "0xD0", "ataError": "0x04" } ] },
  { "name": "stick", "model": "Pocket Stick", "serial": "STICK-5", "interface": "usb",
    "ataPassThrough": false, "capacityBytes": 16000000 },
  { "name": "slow", "model": "Slow S1", "serial": "SLOW-8", "maxLba": 65535, "throughputMBps": 1 },
  { "name": "capable", "model": "Brevane BV9000", "serial": "CAP-10", "maxLba": 65535,
    "sanitize": { "overwrite": true, "crypto": true, "seconds": 60 }, "writeSame": true,
    "idd": { "test70": true, "test71": true, "seconds70": 30, "seconds71": 90 },
    "tcg": { "psid": "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345" },
    "unreadableSectors": [ 300 ], "throughputMBps": 100 },
  { "name": "amac", "model": "Amac A1", "serial": "AMAC-11", "maxLba": 99999, "accessibleMaxLba": 89999,
    "features": { "supported": ["smart", "48bit", "gpl", "amac"], "enabled": ["smart", "48bit", "gpl"] } },
  { "name": "oldbridge", "model": "Old Bridge", "serial": "OLD-12", "interface": "usb", "maxLba": 4095,
    "faults": [ { "scsiOpcode": "0x88", "sense": [5, "0x20", 0] }, { "scsiOpcode": "0x8A", "sense": [5, "0x20", 0] } ] },
  { "name": "trustedonly", "model": "Brevane BV9100", "serial": "ATA-TCG-13", "maxLba": 4095,
    "tcg": { "psid": "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345" },
    "faults": [ { "scsiOpcode": "0xA2", "sense": [5, "0x20", 0] }, { "scsiOpcode": "0xB5", "sense": [5, "0x20", 0] } ] },
  { "name": "filtered", "model": "Brevane BV9200", "serial": "SAT-TCG-14", "maxLba": 4095,
    "tcg": { "psid": "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345" },
    "faults": [ { "ataCommand": "0x5C", "sense": [5, "0x24", 0] }, { "ataCommand": "0x5E", "sense": [5, "0x24", 0] } ] }
] })";

enum { Good, Bad, NoSmart, Faulty, Stick, Slow, Capable, Amac, OldBridge, TrustedOnly,
       Filtered, DriveCount };

uint64_t identify_Sectors(_tDevice* device)
{
    uint8_t id[512] = {};
    if (ata_Identify(device, id, sizeof id) != OSKN_SUCCESS)
        return 0;
    uint64_t sectors = 0;
    for (int i = 3; i >= 0; --i)
        sectors = sectors << 16 | uint64_t(id[200 + 2 * i] | id[201 + 2 * i] << 8);
    return sectors;
}

// The first byte of a sector, or -1 when it cannot be read.
int first_Byte(_tDevice* d, uint64_t lba)
{
    uint8_t sector[4096];
    return read_Sectors(d, lba, 1, sector) == OSKN_SUCCESS ? sector[0] : -1;
}

QVector<int> first_Bytes(_tDevice* d, std::initializer_list<uint64_t> lbas)
{
    QVector<int> bytes;
    for (uint64_t lba : lbas)
        bytes << first_Byte(d, lba);
    return bytes;
}

// Fills sectors [from, to) with 0xFF.
bool fill_Ones(_tDevice* d, uint64_t from, uint64_t to)
{
    std::vector<uint8_t> ones(64 * 512, 0xFF);
    for (uint64_t lba = from; lba < to; lba += 64)
        if (write_Sectors(d, lba, uint32_t(std::min<uint64_t>(64, to - lba)), ones.data()) != OSKN_SUCCESS)
            return false;
    return true;
}

} // namespace

class TestOsknVirtualCalls : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::vector<_tDevice> drives;

    _tDevice* d(int index) { return &drives[size_t(index)]; }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        const std::string path = dir.path().toStdString() + "/drives.json";
        std::ofstream(path) << kDrives;
        qputenv("OSKN_VIRTUAL_DRIVES", QByteArray::fromStdString(path));
        set_Time_Scale(1000.0);
        drives = discover_Records();
        QCOMPARE(int(drives.size()), int(DriveCount));
    }

    void cleanupTestCase() { set_Time_Scale(1.0); }

    void identityAndLogs()
    {
        uint8_t buffer[512] = {};
        QCOMPARE(ata_Identify(d(Good), buffer, sizeof buffer), int(OSKN_SUCCESS));
        QVERIFY(std::memcmp(buffer, d(Good)->identifyData, 512) == 0);
        QCOMPARE(ata_Identify(d(Stick), buffer, sizeof buffer), int(OSKN_NOT_SUPPORTED));
        QCOMPARE(ata_Identify(d(Good), buffer, 256), int(OSKN_BAD_PARAMETER));

        QCOMPARE(ata_Read_Log_Ext(d(Good), 0x00, 0, buffer, sizeof buffer, 0, 0), int(OSKN_SUCCESS));
        QCOMPARE(int(buffer[0] | buffer[1] << 8), 1); // log directory version
        std::vector<uint8_t> two(1024);
        QCOMPARE(ata_Read_Log_Ext(d(Good), 0x00, 0, two.data(), 1000, 0, 0), int(OSKN_BAD_PARAMETER));
    }

    void readsAndWrites()
    {
        std::vector<uint8_t> pattern(8 * 512), back(8 * 512);
        for (size_t i = 0; i < pattern.size(); ++i)
            pattern[i] = uint8_t(i * 7 + 3);
        QCOMPARE(write_Sectors(d(Good), 100, 8, pattern.data()), int(OSKN_SUCCESS));
        QCOMPARE(read_Sectors(d(Good), 100, 8, back.data()), int(OSKN_SUCCESS));
        QVERIFY(pattern == back);
        QCOMPARE(write_LBA(d(Good), 20479, true, pattern.data(), 512), int(OSKN_SUCCESS));
        QCOMPARE(read_Sectors(d(Bad), 4990, 64, nullptr), int(OSKN_BAD_PARAMETER));

        // A bridge without 16-byte commands is read and written with the 10-byte ones.
        QCOMPARE(write_Sectors(d(OldBridge), 4000, 8, pattern.data()), int(OSKN_SUCCESS));
        QCOMPARE(read_Sectors(d(OldBridge), 4000, 8, back.data()), int(OSKN_SUCCESS));
        QVERIFY(pattern == back);
    }

    void tenByteCommandsBelongToTheDrive()
    {
        // An old bridge at one path, then another drive found there that takes READ(16) but
        // fails READ(10): it must not inherit the old bridge's 10-byte commands.
        const QByteArray saved = qgetenv("OSKN_VIRTUAL_DRIVES");
        auto at_Port = [&](const char* file, const char* drive) {
            const std::string path = dir.path().toStdString() + "/" + file;
            std::ofstream(path) << R"({ "drives": [ { "name": "port", "maxLba": 4095, )" << drive << " } ] }";
            qputenv("OSKN_VIRTUAL_DRIVES", QByteArray::fromStdString(path));
            return discover_Records();
        };
        uint8_t sector[512];
        std::vector<_tDevice> old = at_Port("port-1.json", R"("serial": "OLD-1", "sixteenByteCommands": false)");
        std::vector<_tDevice> now = at_Port("port-2.json", R"("serial": "NEW-2", "faults": [ { "scsiOpcode": "0x28" } ])");
        qputenv("OSKN_VIRTUAL_DRIVES", saved);
        QCOMPARE(old.size() + now.size(), size_t(2));
        QCOMPARE(read_Sectors(&old[0], 0, 1, sector), int(OSKN_SUCCESS));
        QCOMPARE(read_Sectors(&now[0], 0, 1, sector), int(OSKN_SUCCESS));
    }

    void selfTestRefused()
    {
        // No self-test, no SMART data, or not ATA: the drive cannot run it.
        uint32_t remaining = 0;
        uint8_t status = 0;
        QCOMPARE(QVector<int>({ata_SMART_Offline(d(NoSmart), 1), ata_Get_DST_Progress(d(Faulty), &remaining, &status),
                               ata_SMART_Offline(d(Stick), 1), ata_SMART_Offline(d(Good), 0x81)}),
                 QVector<int>({OSKN_CANNOT_PERFORM, OSKN_CANNOT_PERFORM, OSKN_CANNOT_PERFORM, OSKN_BAD_PARAMETER}));
    }

    void erases()
    {
        QVERIFY(fill_Ones(d(Good), 0, 512));
        QCOMPARE(erase_Range(d(Good), 100, 300, 0), int(OSKN_SUCCESS));
        QCOMPARE(first_Bytes(d(Good), {99, 100, 299, 300}), QVector<int>({0xFF, 0, 0, 0xFF})); // the end excluded
        QCOMPARE(erase_Range(d(Good), 20400, 20481, 0), int(OSKN_BAD_PARAMETER));
        QCOMPARE(erase_Range(d(Good), 20400, 20480, 0), int(OSKN_SUCCESS));
        QCOMPARE(erase_Range(d(Bad), 6990, 7010, 0), int(OSKN_COMMAND_FAILURE)); // permanently bad

        // Timed erase at 1 MB/s: two seconds of program time cover about 4000 sectors, no more.
        QVERIFY(fill_Ones(d(Slow), 0, 12288));
        QCOMPARE(erase_Time(d(Slow), 0, 2), int(OSKN_SUCCESS));
        QCOMPARE(first_Bytes(d(Slow), {0, 8192}), QVector<int>({0, 0xFF}));
        // Until the end of the drive when that comes first.
        QCOMPARE(erase_Time(d(Good), 20000, 3600), int(OSKN_SUCCESS));
        QCOMPARE(first_Byte(d(Good), 20479), 0x00);
        QCOMPARE(erase_Time(d(Good), 20480, 1), int(OSKN_BAD_PARAMETER));
    }

    void inDriveDiagnostics()
    {
        iddSupportedFeatures features = {};
        QCOMPARE(get_IDD_Support(d(Capable), &features), int(OSKN_SUCCESS));
        QVERIFY(features.resetAndRecalibrate && features.testPendingAndReallocationLists);
        QCOMPARE(get_IDD_Support(d(Stick), &features), int(OSKN_NOT_SUPPORTED));
        QCOMPARE(run_IDD(d(Good), OSKN_IDD_RESET_AND_RECALIBRATE, false), int(OSKN_CANNOT_PERFORM));
        uint64_t seconds = 0;
        QCOMPARE(get_Approximate_IDD_Time(d(Capable), OSKN_IDD_RESET_AND_RECALIBRATE, &seconds), int(OSKN_SUCCESS));
        QCOMPARE(seconds, uint64_t(30));
        QCOMPARE(run_IDD(d(Capable), OSKN_IDD_RESET_AND_RECALIBRATE, false), int(OSKN_SUCCESS));

        // 71h rewrites the pending sector; while it runs the time query says so.
        QCOMPARE(first_Byte(d(Capable), 300), -1);
        int result = -1;
        std::thread runner([&] { result = run_IDD(d(Capable), OSKN_IDD_TEST_PENDING_AND_REALLOCATION_LISTS, false); });
        int during = OSKN_SUCCESS;
        for (int i = 0; i < 200 && during != OSKN_IN_PROGRESS; ++i) {
            during = get_Approximate_IDD_Time(d(Capable), OSKN_IDD_TEST_PENDING_AND_REALLOCATION_LISTS, &seconds);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        runner.join();
        QCOMPARE(during, int(OSKN_IN_PROGRESS));
        QCOMPARE(seconds, uint64_t(90));
        QCOMPARE(result, int(OSKN_SUCCESS));
        QVERIFY(first_Byte(d(Capable), 300) >= 0);
    }

    void writeSame()
    {
        uint64_t most = 0;
        QVERIFY(is_Write_Same_Supported(d(Capable), 0, 512, &most) && most > 0);
        QVERIFY(!is_Write_Same_Supported(d(Good), 0, 512, &most));
        QVERIFY(!is_Write_Same_Supported(d(Capable), 65000, 1000, &most)); // past the end
        QCOMPARE(writesame(d(Good), 0, 100, false), int(OSKN_CANNOT_PERFORM));
        QCOMPARE(writesame(d(Capable), 65000, 1000, false), int(OSKN_BAD_PARAMETER));

        QVERIFY(fill_Ones(d(Capable), 960, 21056));
        double percent = -1;
        bool running = false;
        QCOMPARE(get_Writesame_Progress(d(Capable), &percent, &running, 1000, 21000), int(OSKN_SUCCESS));
        QVERIFY(running); // asked before the start: not begun yet
        QCOMPARE(writesame(d(Capable), 1000, 20000, false), int(OSKN_SUCCESS));
        // The job runs on the library's thread at the machine's pace: wait for it, not for an
        // amount of program time, which a loaded machine spends before the job is done.
        int rc = OSKN_SUCCESS;
        QElapsedTimer waited;
        waited.start();
        while (rc == OSKN_SUCCESS && running && waited.elapsed() < 300000) {
            delay_Milliseconds(100);
            rc = get_Writesame_Progress(d(Capable), &percent, &running, 1000, 21000);
        }
        QCOMPARE(rc, int(OSKN_SUCCESS));
        QVERIFY(!running);
        QCOMPARE(percent, 100.0);
        QCOMPARE(first_Bytes(d(Capable), {999, 1000, 20999, 21000}), QVector<int>({0xFF, 0, 0, 0xFF}));
        QCOMPARE(writesame(d(Capable), 21000, 56, true), int(OSKN_SUCCESS)); // waiting form
    }

    void maxLba()
    {
        // The Host Protected Area is set and restored by the operation's suite; here the
        // Accessible Max Address Configuration.
        uint64_t native = 0;
        QCOMPARE(ata_Get_Native_Max_Address_Ext(d(NoSmart), &native), int(OSKN_NOT_SUPPORTED));
        QCOMPARE(ata_Get_Native_Max_LBA(d(Stick), &native), int(OSKN_NOT_SUPPORTED));
        QCOMPARE(set_Max_LBA(d(Amac), 95000, false), int(OSKN_SUCCESS));
        QCOMPARE(identify_Sectors(d(Amac)), uint64_t(95001));
        QCOMPARE(set_Max_LBA(d(Amac), 0, true), int(OSKN_SUCCESS));
        QCOMPARE(identify_Sectors(d(Amac)), uint64_t(100000));
        QCOMPARE(set_Max_LBA(d(NoSmart), 1000, false), int(OSKN_CANNOT_PERFORM));
    }

    void psidRevertRefused()
    {
        uint8_t protocols[OSKN_SECURITY_PROTOCOL_LIST_BYTES] = {};
        QVERIFY(read_Supported_Security_Protocols_From_Device(d(Good), protocols) != OSKN_SUCCESS);
        QCOMPARE(check_TCG_Support(protocols), int(OSKN_NOT_SUPPORTED));
        QCOMPARE(get_Security_Protocol_Path(d(Good)), OSKN_SECURITY_PATH_NONE);
        QCOMPARE(revert_SP(d(Good), "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"), int(OSKN_NOT_SUPPORTED));
        QCOMPARE(revert_SP(d(Capable), nullptr), int(OSKN_BAD_PARAMETER));
    }

    void psidRevertOverEitherPath_data()
    {
        // A kernel that filters TRUSTED commands in ATA PASS-THROUGH, and a bridge that knows no
        // SECURITY PROTOCOL IN/OUT.
        QTest::addColumn<int>("drive");
        QTest::addColumn<int>("path");
        QTest::newRow("SECURITY PROTOCOL") << int(Filtered) << OSKN_SECURITY_PATH_SCSI;
        QTest::newRow("TRUSTED SEND/RECEIVE") << int(TrustedOnly) << OSKN_SECURITY_PATH_ATA;
    }
    void psidRevertOverEitherPath()
    {
        QFETCH(int, drive);
        QFETCH(int, path);
        uint8_t protocols[OSKN_SECURITY_PROTOCOL_LIST_BYTES] = {};
        QCOMPARE(read_Supported_Security_Protocols_From_Device(d(drive), protocols), int(OSKN_SUCCESS));
        QCOMPARE(check_TCG_Support(protocols), int(OSKN_SUCCESS));
        QCOMPARE(get_Security_Protocol_Path(d(drive)), path);
        QVERIFY(fill_Ones(d(drive), 10, 11));
        QCOMPARE(revert_SP(d(drive), "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234X"), int(OSKN_FAILURE));
        QCOMPARE(first_Byte(d(drive), 10), 0xFF);
        QCOMPARE(revert_SP(d(drive), "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"), int(OSKN_SUCCESS));
        QCOMPARE(first_Byte(d(drive), 10), 0x00);
        QCOMPARE(get_Security_Protocol_Path(d(drive)), path);
    }

    void refusedDescription()
    {
        // A bad file lists no drive and says why on standard error.
        const std::string path = dir.path().toStdString() + "/bad.json";
        std::ofstream(path) << R"({ "drives": [ { "name": "x", "maxLba": "many" } ] })";
        const QByteArray saved = qgetenv("OSKN_VIRTUAL_DRIVES");
        qputenv("OSKN_VIRTUAL_DRIVES", QByteArray::fromStdString(path));
        uint32_t count = 99;
        int rc = -1;
        const QString message = captured(stderr, [&] { rc = get_Device_Count(&count, OSKN_SCAN_ALL_DRIVES); });
        qputenv("OSKN_VIRTUAL_DRIVES", saved);
        QCOMPARE(rc, int(OSKN_SUCCESS));
        QCOMPARE(count, 0u);
        QVERIFY2(message.contains("bad.json") && message.contains("maxLba"), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(TestOsknVirtualCalls)
#include "tst_oskn_virtual_calls.moc"
