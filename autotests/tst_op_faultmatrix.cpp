// Every basic test against every way its essential command can fail, on virtual drives: none
// may end PASS (nor in progress or aborted) when the command it relies on did not work. A
// drive without faults passes each test, so the matrix checks the verdicts, not a broken set-up.
// The operations that change a drive or start a routine in it are run against a drive that
// answers GOOD without doing the work, and against drives that vanished or stopped answering.
#include <QtTest>

#include <functional>

#include "tests/boottracks.h"
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
#include "tst_op_support.h"
#include "tests/writesametest.h"

using namespace optest;

namespace {

struct TestKind {
    const char* name;
    std::function<MainTest*(_tDevice*)> make;
};

// The command a test stands on, as a fault's selector; whether it is an ATA command, and whether
// the drive shows that it did its work (data or registers that came, a routine seen running).
struct Command {
    const char* name;
    const char* test;
    const char* selector;
    bool ata, workShown;
};

struct Way {
    const char* name;
    const char* fault;
    bool ataOnly, workShownOnly;
};

const TestKind kTests[] = {
    {"short self-test", [](_tDevice* d) -> MainTest* { return new shortdst(d); }},
    {"short generic", [](_tDevice* d) -> MainTest* { return new ShortGeneric(d); }},
    {"long generic", [](_tDevice* d) -> MainTest* { return new LongGeneric(d); }},
    {"SMART check", [](_tDevice* d) -> MainTest* { return new SmartCheck(d); }},
    {"boot tracks", [](_tDevice* d) -> MainTest* { return new BootTracks(d); }},
    {"spin-down", [](_tDevice* d) -> MainTest* { return new SpinDown(d); }},
};

const Command kCommands[] = {
    {"start", "short self-test", R"("ataCommand": "0xB0", "feature": "0xD4")", true, true},
    {"poll", "short self-test", R"("ataCommand": "0xB0", "feature": "0xD0")", true, true},
    {"read", "short generic", R"("scsiOpcode": "0x88")", false, true},
    {"read", "long generic", R"("scsiOpcode": "0x88")", false, true},
    {"status", "SMART check", R"("ataCommand": "0xB0", "feature": "0xDA")", true, true},
    {"write", "boot tracks", R"("scsiOpcode": "0x8A")", false, true},
    // The spin-down asks nothing afterwards that would show a standby the drive skipped.
    {"standby", "spin-down", R"("ataCommand": "0xE0")", true, false},
};

const Way kWays[] = {
    {"no sense", R"("sense": [0, 0, 0])", false, false},
    {"recovered error", R"("sense": [1, 0, 0])", false, false},
    {"recovered error 00h/1Dh without status", R"("sense": [1, 0, "0x1D"])", false, false},
    {"not ready", R"("sense": [2, 4, 0])", false, false},
    {"medium error", R"("sense": [3, "0x11", 4])", false, false},
    {"hardware error", R"("sense": [4, "0x44", 0])", false, false},
    // A READ(16)/WRITE(16) refused as unknown is answered by the 10-byte form: no failure there.
    {"invalid opcode", R"("sense": [5, "0x20", 0])", true, false},
    {"aborted command", R"("sense": ["0x0B", "0x47", 0])", false, false},
    {"ABRT", R"("ataError": "0x04")", true, false},
    {"UNC", R"("ataError": "0x40")", true, false},
    {"IDNF", R"("ataError": "0x10")", true, false},
    // GOOD without the work: the transfer left over, a command without data not run.
    {"no data", R"("noData": true)", false, true},
    {"no answer", R"("hang": true)", false, false},
};

// An operation that changes the drive or runs a routine in it: the description fields its drive
// needs (beyond name, serial, size and a one-second self-test), the command its work rests on,
// and how to run it to its end.
struct Operation {
    const char* name;
    const char* drive;
    const char* selector;
    std::function<int(_tDevice*)> run;
};

template <class Test, class... Args>
std::function<int(_tDevice*)> runs(Args... args)
{
    return [=](_tDevice* d) {
        Test test(d, args...);
        return run_With_Events(&test);
    };
}

const char* const kWrite = R"("scsiOpcode": "0x8A")";
const char* const kOffline = R"("ataCommand": "0xB0", "feature": "0xD4")";
const char* const kPsid = "PSIDPSIDPSIDPSIDPSIDPSIDPSIDPSID";

// Drives of 20480 sectors; a host protected area hides the upper half of those that change
// their capacity.
const Operation kWorkOperations[] = {
    {"erase full", "", kWrite, runs<EraseFull>()},
    {"erase range", "", kWrite, runs<EraseRange>(100ull, 5000ull)},
    {"timed erase", "", kWrite, runs<EraseTimeTest>(0ull, 3600)},
    {"Fix All Long", R"("unreadableSectors": [5000])", kWrite, runs<FixAllLong>()},
    {"write same", R"("interface": "sas", "ataPassThrough": false, "writeSame": true)", R"("scsiOpcode": "0x93")",
     runs<WriteSameTest>(100ull, 5000ull)},
    {"Fix All Fast", "", kOffline, runs<FixAllFast>()},
    {"short self-test", "", kOffline, runs<shortdst>()},
    {"IDD 70", R"("idd": { "test70": true, "seconds70": 30 })", kOffline,
     runs<IDD>(OSKN_IDD_RESET_AND_RECALIBRATE, 15, 70)},
    {"IDD 71", R"("idd": { "test71": true, "seconds71": 30 })", kOffline,
     runs<IDD>(OSKN_IDD_TEST_PENDING_AND_REALLOCATION_LISTS, 16, 71)},
    {"set max LBA", R"("accessibleMaxLba": 10239)", R"("ataCommand": "0x37")", runs<SetMaxLBATest>(15000ull, false)},
    {"restore native max LBA", R"("accessibleMaxLba": 10239)", R"("ataCommand": "0x37")",
     runs<SetMaxLBATest>(0ull, true)},
    {"set accessible max address",
     R"("accessibleMaxLba": 10239, "features": { "supported": ["smart", "smartSelfTest", "gpl", "48bit", "amac"] })",
     R"("ataCommand": "0x78", "feature": "0x01")", runs<SetMaxLBATest>(15000ull, false)},
};

// The operations whose drive is asked first whether it can do them at all.
const Operation kLostOperations[] = {
    {"write same (ATA)", R"("writeSame": true)", "", runs<WriteSameTest>(100ull, 5000ull)},
    {"write same (SCSI)", R"("interface": "sas", "ataPassThrough": false, "writeSame": true)", "",
     runs<WriteSameTest>(100ull, 5000ull)},
    {"sanitize overwrite", R"("sanitize": { "overwrite": true })", "", runs<SanitizeOverwrite>()},
    {"crypto erase", R"("sanitize": { "crypto": true })", "", runs<Erasecrypto>()},
    {"PSID revert", R"("tcg": { "psid": "PSIDPSIDPSIDPSIDPSIDPSIDPSIDPSID" })", "", runs<CPSID>(QString(kPsid))},
    {"IDD 70", R"("idd": { "test70": true, "seconds70": 30 })", "", runs<IDD>(OSKN_IDD_RESET_AND_RECALIBRATE, 15, 70)},
    {"IDD 71", R"("idd": { "test71": true, "seconds71": 30 })", "",
     runs<IDD>(OSKN_IDD_TEST_PENDING_AND_REALLOCATION_LISTS, 16, 71)},
};

// How a drive is lost: it leaves the bus, or stays and answers nothing within the timeout.
const char* const kLosses[][2] = {
    {"vanished", R"("disappearAfterSeconds": 1000000)"},
    {"timed out", R"("hangAfterSeconds": 1000000)"},
};

QByteArray drive_Text(const QString& serial, const char* fields)
{
    return QString(R"(,
  { "name": "%1", "serial": "%1", "maxLba": 20479, "selfTest": { "shortSeconds": 1 }%2%3 })")
        .arg(serial, *fields ? ", " : "", fields)
        .toUtf8();
}

// Each pairing of a command with a way it can fail that makes sense for that command.
void for_Each_Row(const std::function<void(const Command&, const Way&, const QString& serial)>& row)
{
    for (int c = 0; c < int(std::size(kCommands)); ++c)
        for (int w = 0; w < int(std::size(kWays)); ++w) {
            const Command& cmd = kCommands[c];
            const Way& way = kWays[w];
            if (!(way.ataOnly && !cmd.ata) && !(way.workShownOnly && !cmd.workShown))
                row(cmd, way, QString("FM-%1-%2").arg(c).arg(w));
        }
}

} // namespace

class TestOpFaultMatrix : public QObject
{
    Q_OBJECT

    Drives drives;

    static int run(const char* testName, _tDevice* d)
    {
        for (const TestKind& t : kTests)
            if (qstrcmp(t.name, testName) == 0) {
                std::unique_ptr<MainTest> test(t.make(d));
                return run_To_End(test.get());
            }
        qFatal("no test %s", testName);
        return -1;
    }

private slots:
    void initTestCase()
    {
        set_Time_Scale(1000.0);
        QByteArray text = R"({ "drives": [
  { "name": "healthy", "serial": "FM-HEALTHY", "maxLba": 20479, "selfTest": { "shortSeconds": 1 } })";
        for_Each_Row([&text](const Command& cmd, const Way& way, const QString& serial) {
            text += QString(R"(,
  { "name": "%1", "serial": "%1", "maxLba": 20479, "selfTest": { "shortSeconds": 1 },
    "faults": [ { %2, %3 } ] })")
                        .arg(serial, cmd.selector, way.fault)
                        .toUtf8();
        });
        for (int o = 0; o < int(std::size(kWorkOperations)); ++o) {
            const Operation& op = kWorkOperations[o];
            text += drive_Text(QString("OP-%1").arg(o), op.drive);
            text += drive_Text(QString("OP-%1-NOWORK").arg(o),
                               qPrintable(QString(op.drive) + (*op.drive ? ", " : "") + R"("faults": [ { )"
                                          + op.selector + R"(, "noData": true } ])"));
        }
        for (int o = 0; o < int(std::size(kLostOperations)); ++o) {
            const Operation& op = kLostOperations[o];
            text += drive_Text(QString("LOST-%1").arg(o), op.drive);
            for (int l = 0; l < int(std::size(kLosses)); ++l)
                text += drive_Text(QString("LOST-%1-%2").arg(o).arg(l),
                                   qPrintable(QString(op.drive) + ", " + kLosses[l][1]));
        }
        text += "\n] }\n";
        QVERIFY(drives.load_Text(text, "faultmatrix.json"));
    }
    void cleanupTestCase() { set_Time_Scale(1.0); }

    void healthyDrivePasses_data()
    {
        QTest::addColumn<QString>("test");
        for (const TestKind& t : kTests)
            QTest::newRow(t.name) << QString(t.name);
    }
    void healthyDrivePasses()
    {
        QFETCH(QString, test);
        QCOMPARE(run(qPrintable(test), drives.by_Serial("FM-HEALTHY")), 0);
    }

    void failedCommandNeverPasses_data()
    {
        QTest::addColumn<QString>("test");
        QTest::addColumn<QString>("serial");
        for_Each_Row([](const Command& cmd, const Way& way, const QString& serial) {
            QTest::addRow("%s, %s: %s", cmd.test, cmd.name, way.name) << QString(cmd.test) << serial;
        });
    }
    void failedCommandNeverPasses()
    {
        QFETCH(QString, test);
        QFETCH(QString, serial);
        const int status = run(qPrintable(test), drives.by_Serial(serial));
        // 0 is PASS, 4 IN PROGRESS and 5 ABORTED: none is an answer to a failed command.
        QVERIFY2(status != 0 && status != 4 && status != 5, qPrintable(QString("status %1").arg(status)));
    }

    void operationsPassOnSoundDrives_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("index");
        for (int o = 0; o < int(std::size(kWorkOperations)); ++o)
            QTest::addRow("%s", kWorkOperations[o].name) << 0 << o;
        for (int o = 0; o < int(std::size(kLostOperations)); ++o)
            QTest::addRow("%s", kLostOperations[o].name) << 1 << o;
    }
    void operationsPassOnSoundDrives()
    {
        QFETCH(int, table);
        QFETCH(int, index);
        const Operation& op = table == 0 ? kWorkOperations[index] : kLostOperations[index];
        const QString serial = QString(table == 0 ? "OP-%1" : "LOST-%1").arg(index);
        QCOMPARE(op.run(drives.by_Serial(serial)), 0);
    }

    // GOOD is no proof that the work happened: a write with its data left over, a routine
    // never started, a capacity the drive still does not report. None of them is a PASS, and
    // the record keeps the capacity the drive has.
    void workNotDoneNeverPasses_data()
    {
        QTest::addColumn<int>("index");
        for (int o = 0; o < int(std::size(kWorkOperations)); ++o)
            QTest::addRow("%s", kWorkOperations[o].name) << o;
    }
    void workNotDoneNeverPasses()
    {
        QFETCH(int, index);
        _tDevice* d = drives.by_Serial(QString("OP-%1-NOWORK").arg(index));
        const uint64_t maxLba = d->maxLBA;
        const int status = kWorkOperations[index].run(d);
        QVERIFY2(status != 0 && status != 4 && status != 5, qPrintable(QString("status %1").arg(status)));
        QCOMPARE(d->maxLBA, maxLba);
    }

    // A drive that vanished or answers nothing has not said that it cannot do the operation:
    // FAIL, never UNABLE TO RUN.
    void lostDriveIsFail_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("loss");
        for (int o = 0; o < int(std::size(kLostOperations)); ++o)
            for (int l = 0; l < int(std::size(kLosses)); ++l)
                QTest::addRow("%s, %s", kLostOperations[o].name, kLosses[l][0]) << o << l;
    }
    void lostDriveIsFail()
    {
        QFETCH(int, index);
        QFETCH(int, loss);
        _tDevice* d = drives.by_Serial(QString("LOST-%1-%2").arg(index).arg(loss));
        vanish_Drives();
        const int status = kLostOperations[index].run(d);
        bring_Back_Drives();
        QVERIFY2(status != 0 && status != 4 && status != 5 && status != 14,
                 qPrintable(QString("status %1").arg(status)));
    }
};

QTEST_GUILESS_MAIN(TestOpFaultMatrix)
#include "tst_op_faultmatrix.moc"
