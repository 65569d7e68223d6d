// Every operation of both menus on NVMe and block-only virtual drives, as the program runs it:
// the verdict each drive deserves (sound, unreadable first and last blocks, a self-test that
// fails or never ends, a critical warning, a drive that vanished), and for the operations such a
// drive has no command for, UNABLE TO RUN with the reason in the log and nothing sent to it.
#include <QtTest>

#include <functional>

#include "tests/boottracks.h"
#include "countingtransport.h"
#include "tests/erasecrypto.h"
#include "tests/erasefull.h"
#include "tests/eraserange.h"
#include "tests/erasetimetest.h"
#include "tests/fixallfast.h"
#include "tests/fixalllong.h"
#include "tests/idd.h"
#include "tests/longgeneric.h"
#include "tests/psid.h"
#include "tests/sanitizeoverwrite.h"
#include "tests/setmaxlbatest.h"
#include "tests/shortdst.h"
#include "tests/shortgeneric.h"
#include "tests/smartcheck.h"
#include "tests/spindown.h"
#include "deviceaccess/transferbuffer.h"
#include "tst_op_support.h"
#include "tests/writesametest.h"

using namespace optest;

namespace {

const char* kDrives = R"({ "drives": [
  { "name": "ok", "serial": "NV-OK", "interface": "nvme", "maxLba": 20479, "selfTest": { "shortSeconds": 1 } },
  { "name": "ok4k", "serial": "NV-4K", "interface": "nvme", "maxLba": 5119, "logicalSectorSize": 4096,
    "selfTest": { "shortSeconds": 1 } },
  { "name": "edges", "serial": "NV-EDGES", "interface": "nvme", "maxLba": 20479, "unreadableSectors": [0, 20479],
    "selfTest": { "shortSeconds": 1 } },
  { "name": "fatal", "serial": "NV-FATAL", "interface": "nvme", "maxLba": 20479,
    "selfTest": { "shortSeconds": 1, "outcome": "fatalError" } },
  { "name": "never", "serial": "NV-NEVER", "interface": "nvme", "maxLba": 20479, "selfTest": { "shortSeconds": 1 },
    "nvme": { "selfTestNeverEnds": true } },
  { "name": "notest", "serial": "NV-NOTEST", "interface": "nvme", "maxLba": 20479, "nvme": { "selfTest": false } },
  { "name": "warn", "serial": "NV-WARN", "interface": "nvme", "maxLba": 20479, "selfTest": { "shortSeconds": 1 },
    "nvme": { "health": { "criticalWarning": ["spare", "temperature"], "availableSpare": 2 } } },
  { "name": "gone", "serial": "NV-GONE", "interface": "nvme", "maxLba": 20479, "disappearAfterSeconds": 1000000 },
  { "name": "emmc", "serial": "BLK-OK", "interface": "emmc", "maxLba": 20479 },
  { "name": "vd", "serial": "BLK-EDGES", "interface": "virtio", "maxLba": 5119, "logicalSectorSize": 4096,
    "unreadableSectors": [0, 5119] },
  { "name": "vdgone", "serial": "BLK-GONE", "interface": "virtio", "maxLba": 20479, "disappearAfterSeconds": 1000000 }
] })";

const char* const kPsid = "PSIDPSIDPSIDPSIDPSIDPSIDPSIDPSID";

enum Verdict { Pass, Fail, Unable, NotPass };

struct Outcome {
    int status = -1;
    QStringList bad; // LBAs the operation listed as unreadable
};

struct Operation {
    const char* name;
    bool scanOrOverwrite; // what a block-only drive can do
    bool nvmeHasIt;       // what an NVMe drive can do
    std::function<Outcome(_tDevice*)> run;
};

template <class Test, class... Args>
std::function<Outcome(_tDevice*)> runs(Args... args)
{
    return [=](_tDevice* d) {
        Outcome out;
        Test test(d, args...);
        if constexpr (HasBad<Test>::value)
            QObject::connect(&test, &Test::change_Log_Erro_Test_Device, &test,
                             [&out](QString lba) { out.bad << lba; }, Qt::DirectConnection);
        out.status = run_With_Events(&test);
        return out;
    };
}

const Operation kOperations[] = {
    {"short self-test", false, true, runs<shortdst>()},
    {"short generic", true, true, runs<ShortGeneric>()},
    {"long generic", true, true, runs<LongGeneric>()},
    {"SMART check", false, true, runs<SmartCheck>()},
    {"Fix All Fast", false, true, runs<FixAllFast>()},
    {"Fix All Long", true, true, runs<FixAllLong>()},
    {"erase full", true, true, runs<EraseFull>()},
    {"erase range", true, true, runs<EraseRange>(100ull, 5000ull)},
    {"timed erase", true, true, runs<EraseTimeTest>(0ull, 3600)},
    {"boot tracks", true, true, runs<BootTracks>()},
    {"write same", false, true, runs<WriteSameTest>(100ull, 5000ull)},
    {"sanitize overwrite", false, false, runs<SanitizeOverwrite>()},
    {"crypto erase", false, true, runs<Erasecrypto>()},
    {"PSID revert", false, false, runs<CPSID>(QString(kPsid))},
    {"set max LBA", false, false, runs<SetMaxLBATest>(4000ull, false)},
    {"restore native max LBA", false, false, runs<SetMaxLBATest>(0ull, true)},
    {"IDD 70", false, false, runs<IDD>(OSKN_IDD_RESET_AND_RECALIBRATE, 15, 70)},
    {"IDD 71", false, false, runs<IDD>(OSKN_IDD_TEST_PENDING_AND_REALLOCATION_LISTS, 16, 71)},
    {"spin-down", false, false, runs<SpinDown>()},
};

const Operation& operation(const QString& name)
{
    for (const Operation& op : kOperations)
        if (name == op.name)
            return op;
    qFatal("no operation %s", qPrintable(name));
    return kOperations[0];
}

QString status_Text(int status)
{
    return status == 0 ? "PASS" : status == 14 ? "UNABLE TO RUN" : QString("FAIL (%1)").arg(status);
}

bool matches(int status, Verdict verdict)
{
    if (verdict == NotPass) // FAIL or UNABLE TO RUN, both honest
        return status != 0 && status != 4 && status != 5;
    return verdict == Pass ? status == 0 : verdict == Unable ? status == 14 : status != 0 && status != 4 && status != 5 && status != 14;
}

} // namespace

class TestOpNvme : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<CountedDrives> counted;
    std::vector<_tDevice> records;
    int loads = 0;

    // Each row gets its drives anew, as described (an erase or a repair changes them), with a
    // drive of its own in front when given; what reaches them but reads is counted (an operation
    // may read a block to tell a drive gone from one that cannot, and what it offers).
    _tDevice* fresh(const QString& serial, const QByteArray& drive = {})
    {
        QByteArray text = kDrives;
        if (!drive.isEmpty())
            text.insert(text.indexOf("[") + 1, drive + ",");
        const QString path = dir.filePath(QString("nvme-%1.json").arg(++loads));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(text) < 0)
            qFatal("cannot write the drives");
        f.close();
        counted.reset();
        counted = std::make_unique<CountedDrives>(path.toStdString(), true);
        records = discover_Records();
        for (_tDevice& d : records)
            if (device_Serial_Number(&d) == serial)
                return &d;
        qFatal("no drive %s", qPrintable(serial));
        return nullptr;
    }
    int sent(_tDevice* d) { return counted->transport->sent(d); }

    // What a block holds: zero, the test's pattern, or unreadable.
    static QString content(_tDevice* d, uint64_t lba)
    {
        TransferBuffer sector(MainTest::logical_Sector_Size(d));
        if (scsi_Read_16(d, 0, false, false, false, lba, 0, 1, sector.data()) != 0)
            return "unreadable";
        if (std::all_of(sector.begin(), sector.end(), [](uint8_t b) { return b == 0; }))
            return "zero";
        return std::all_of(sector.begin(), sector.end(), [](uint8_t b) { return b == 0xA5; }) ? "pattern" : "other";
    }

    static bool reads(_tDevice* d, uint64_t lba)
    {
        TransferBuffer sector(MainTest::logical_Sector_Size(d));
        return scsi_Read_16(d, 0, false, false, false, lba, 0, 1, sector.data()) == 0;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        set_Time_Scale(1000.0);
    }
    void cleanupTestCase()
    {
        counted.reset();
        bring_Back_Drives();
        set_Time_Scale(1.0);
    }
    void cleanup() { bring_Back_Drives(); }

    // Sound drives: what the drive can do passes, the rest is refused without a command.
    void soundDrives_data()
    {
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("serial");
        for (const Operation& op : kOperations)
            for (const char* serial : {"NV-OK", "NV-4K", "BLK-OK"})
                QTest::addRow("%s, %s", op.name, serial) << QString(op.name) << QString(serial);
    }
    void soundDrives()
    {
        QFETCH(QString, op);
        QFETCH(QString, serial);
        const Operation& o = operation(op);
        _tDevice* d = fresh(serial);
        const bool block = d->driveType == OSKN_DRIVE_BLOCK;
        const bool can = block ? o.scanOrOverwrite : o.nvmeHasIt;
        const int before = sent(d);
        const LogTail tail;
        const int status = o.run(d).status;
        QVERIFY2(matches(status, can ? Pass : Unable), qPrintable(status_Text(status)));
        if (!can) {
            QCOMPARE(sent(d), before);
            const QString why = block ? "reached as a plain block device" : "NVMe drive offers no such command";
            QVERIFY2(tail.lines().filter(why).size() == 1, qPrintable(tail.lines().join('\n')));
        }
    }

    // Unreadable first and last blocks: the scans list both and fail, the repairs and erases
    // leave them readable, the self-test fails on them. A self-test that fails or never ends, a
    // critical warning and a drive that vanished: never a PASS, and the operation ends.
    void faults_data()
    {
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("serial");
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QString>("listed"); // the LBAs listed as unreadable, "edges" for 0 and max
        QTest::addColumn<bool>("readable");  // 0 and max read afterwards
        for (const char* serial : {"NV-EDGES", "BLK-EDGES"}) {
            QTest::addRow("short generic, %s", serial) << "short generic" << serial << int(Fail) << "" << false;
            QTest::addRow("long generic, %s", serial) << "long generic" << serial << int(Fail) << "edges" << false;
            QTest::addRow("Fix All Long, %s", serial) << "Fix All Long" << serial << int(Pass) << "edges" << true;
            QTest::addRow("erase full, %s", serial) << "erase full" << serial << int(Pass) << "" << true;
            QTest::addRow("boot tracks, %s", serial) << "boot tracks" << serial << int(Pass) << "" << true;
        }
        QTest::addRow("short self-test, unreadable") << "short self-test" << "NV-EDGES" << int(Fail) << "" << false;
        QTest::addRow("Fix All Fast, unreadable") << "Fix All Fast" << "NV-EDGES" << int(Pass) << "" << true;
        for (const char* op : {"short self-test", "Fix All Fast"}) {
            QTest::addRow("%s, fails", op) << op << "NV-FATAL" << int(Fail) << "" << true;
            QTest::addRow("%s, never ends", op) << op << "NV-NEVER" << int(Fail) << "" << true;
        }
        for (const char* op : {"short self-test", "Fix All Fast"})
            QTest::addRow("%s, no self-test", op) << op << "NV-NOTEST" << int(Unable) << "" << true;
        QTest::addRow("SMART check, critical warning") << "SMART check" << "NV-WARN" << int(Fail) << "" << true;
        for (const Operation& op : kOperations) {
            QTest::addRow("%s, vanished NVMe", op.name) << op.name << "NV-GONE" << int(op.nvmeHasIt ? Fail : NotPass) << "" << false;
            QTest::addRow("%s, vanished block", op.name)
                << op.name << "BLK-GONE" << int(op.scanOrOverwrite ? Fail : NotPass) << "" << false;
        }
    }
    void faults()
    {
        QFETCH(QString, op);
        QFETCH(QString, serial);
        QFETCH(int, verdict);
        QFETCH(QString, listed);
        QFETCH(bool, readable);
        _tDevice* d = fresh(serial);
        const uint64_t last = d->maxLBA;
        const bool vanishes = serial.endsWith("GONE");
        if (vanishes)
            vanish_Drives();
        const LogTail tail;
        const Outcome out = operation(op).run(d);
        const QString why = status_Text(out.status) + "\n" + tail.lines().join('\n');
        QVERIFY2(matches(out.status, Verdict(verdict)), qPrintable(why));
        if (listed == "edges")
            QCOMPARE(out.bad, (QStringList{"0", QString::number(last)}));
        if (!vanishes)
            QCOMPARE(reads(d, 0) && reads(d, last), readable);
    }

    // The erases of an NVMe drive when the drive lets them down (and a PSID revert that works):
    // the verdict, the line that says why, and what its first and last blocks hold afterwards
    // (they held a pattern before).
    void eraseFaults_data()
    {
        QTest::addColumn<QString>("nvme");    // the drive's "nvme" fields
        QTest::addColumn<QString>("op");
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QString>("line");    // a log line holding this
        QTest::addColumn<QString>("blocks");  // zero, pattern, unreadable; "first/last" when they differ
        const auto row = [](const char* tag, const char* nvme, const char* op, Verdict v, const char* line,
                            const char* blocks) {
            QTest::newRow(tag) << QString(nvme) << QString(op) << int(v) << QString(line) << QString(blocks);
        };
        row("sanitize fails", R"("sanitize": ["overwrite"], "sanitizeFails": true)", "sanitize overwrite", Fail,
            "Warning: Sanitize Overwrite the drive reports that the sanitize failed", "unreadable");
        row("sanitize never progresses", R"("sanitize": ["overwrite"], "sanitizeNeverProgresses": true)",
            "sanitize overwrite", Fail,
            "Warning: Sanitize Overwrite last status: SSTAT 0x0002 (in progress), SPROG 0/65536 (0.00%), "
            "SCDW10 0x00000013, estimate 60 s for S/N: NV-X", "unreadable");
        row("crypto sanitize never progresses", R"("sanitize": ["cryptoErase"], "sanitizeNeverProgresses": true)",
            "crypto erase", Fail,
            "last status: SSTAT 0x0002 (in progress), SPROG 0/65536 (0.00%), SCDW10 0x00000004, estimate 60 s",
            "unreadable");
        row("crypto sanitize fails", R"("sanitize": ["cryptoErase"], "sanitizeFails": true)", "crypto erase", Fail,
            "the drive reports that the sanitize failed, a new sanitize is needed", "unreadable");
        row("sanitize refused", R"("sanitize": ["cryptoErase"], "faults": [ { "adminOpcode": "0x84" } ])",
            "crypto erase", Fail, "Warning: Erasecrypto::execute() - returned:FAILURE", "pattern");
        row("format refused", R"("format": ["userData"], "faults": [ { "adminOpcode": "0x80", "status": "0x4002" } ])",
            "crypto erase", Fail, "Warning: Erasecrypto::execute() - returned:FAILURE", "pattern");
        row("no sanitize, no format", R"("format": [], "sanitize": [])", "crypto erase", Unable,
            "NVMe drive offers no such command", "pattern");
        row("no overwrite sanitize", R"("sanitize": ["blockErase"])", "sanitize overwrite", Unable,
            "NVMe drive offers no such command", "pattern");
        row("write zeroes refused", R"("faults": [ { "ioOpcode": "0x08", "skip": 2 } ])", "write same", Fail,
            "Warning: WriteSameTest::timerEvent() - returned: FAIL", "zero/pattern");
        row("write zeroes answered without the work", R"("faults": [ { "ioOpcode": "0x08", "noWork": true } ])",
            "write same", Fail, "Warning: WriteSameTest::timerEvent() - returned: FAIL", "pattern");
        row("no write zeroes", R"("writeZeroes": false)", "write same", Unable, "NVMe drive offers no such command",
            "pattern");
        row("overwrite refused at the end", R"("faults": [ { "ioOpcode": "0x01", "skip": 300 } ])", "erase full", Fail,
            "Warning: EraseFull::execute() - returned: FAIL", "zero/pattern");
        row("PSID revert, right PSID", R"("securitySendReceive": true, "psid": "PSIDPSIDPSIDPSIDPSIDPSIDPSIDPSID")",
            "PSID revert", Pass, "CPSID::execute() - returned: SUCCESS", "zero");
        row("PSID revert, wrong PSID", R"("securitySendReceive": true, "psid": "ABCDEFGHABCDEFGHABCDEFGHABCDEFGH")",
            "PSID revert", Fail, "the drive refused the key: wrong PSID for SN: NV-X", "pattern");
        row("PSID revert, security protocols without TCG", R"("securitySendReceive": true)", "PSID revert", Unable,
            "NVMe drive offers no such command", "pattern");
        row("PSID revert, Security Send refused",
            R"("securitySendReceive": true, "psid": "PSIDPSIDPSIDPSIDPSIDPSIDPSIDPSID", "faults": [ { "adminOpcode": "0x81", "status": "0x0006" } ])",
            "PSID revert", Fail, "CPSID::execute() - returned: FAIL", "pattern");
        row("overwrite refused at once", R"("faults": [ { "ioOpcode": "0x01", "skip": 2 } ])", "boot tracks", Fail,
            "returned: FAIL", "pattern");
    }
    void eraseFaults()
    {
        QFETCH(QString, nvme);
        QFETCH(QString, op);
        QFETCH(int, verdict);
        QFETCH(QString, line);
        QFETCH(QString, blocks);
        _tDevice* d = fresh("NV-X", R"({ "name": "x", "serial": "NV-X", "interface": "nvme", "maxLba": 19199, "nvme": { )" +
                                     nvme.toUtf8() + " } }");
        const uint64_t last = d->maxLBA;
        TransferBuffer pattern(512);
        std::fill(pattern.begin(), pattern.end(), uint8_t(0xA5));
        QCOMPARE(scsi_Write_16(d, 0, false, false, 0, 0, 1, pattern.data()), 0);
        QCOMPARE(scsi_Write_16(d, 0, false, false, last, 0, 1, pattern.data()), 0);
        const LogTail tail;
        const int status = (op == "write same" ? runs<WriteSameTest>(0ull, (unsigned long long)last)
                                               : operation(op).run)(d).status;
        const QStringList lines = tail.lines();
        const QString why = status_Text(status) + "\n" + lines.join('\n');
        QVERIFY2(matches(status, Verdict(verdict)), qPrintable(why));
        QVERIFY2(!lines.filter(line).isEmpty(), qPrintable(why));
        const QString found = content(d, 0) + "/" + content(d, last);
        QCOMPARE(found, blocks.contains('/') ? blocks : blocks + "/" + blocks);
    }

    // A sanitize's time left is the drive's own estimate less the share its progress says is
    // done: given from the first progress on, never growing.
    void sanitizeRemainingFromTheDrivesEstimate()
    {
        _tDevice* d = fresh("NV-X", R"({ "name": "x", "serial": "NV-X", "interface": "nvme", "maxLba": 19199,
            "nvme": { "sanitize": ["overwrite"], "sanitizeSeconds": 7200 } })");
        SanitizeOverwrite test(d);
        QStringList left;
        connect(&test, &SanitizeOverwrite::changeTimeEstimate, this, [&left](QString t) { left << t; },
                Qt::DirectConnection);
        QCOMPARE(run_With_Events(&test), 0);
        QVERIFY(left.size() > 2);
        QVERIFY2(left.first() <= "02:00:00" && left.first() > "01:30:00", qPrintable(left.join(' ')));
        for (int i = 1; i < left.size(); ++i)
            QVERIFY2(left[i] <= left[i - 1], qPrintable(left.join(' ')));
    }

    // The SMART check says which warning failed it.
    void criticalWarningNamed()
    {
        _tDevice* d = fresh("NV-WARN");
        const LogTail tail;
        QVERIFY(matches(operation("SMART check").run(d).status, Fail));
        const QStringList lines = tail.lines();
        QVERIFY2(lines.filter("available spare below its threshold").size() == 1 &&
                     lines.filter("temperature outside its thresholds").size() == 1,
                 qPrintable(lines.join('\n')));
    }
};

QTEST_MAIN(TestOpNvme)
#include "tst_op_nvme.moc"
