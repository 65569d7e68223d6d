// Every basic test against every way its essential command can fail, on virtual drives: none
// may end PASS (nor in progress or aborted) when the command it relies on did not work. A
// drive without faults passes each test, so the matrix checks the verdicts, not a broken set-up.
#include <QtTest>

#include <functional>

#include "boottracks.h"
#include "longgeneric.h"
#include "shortdst.h"
#include "shortgeneric.h"
#include "smartcheck.h"
#include "spindown.h"
#include "tst_op_support.h"

using namespace optest;

namespace {

struct TestKind {
    const char* name;
    std::function<MainTest*(_tDevice*)> make;
};

// The command a test stands on, as a fault's selector, and what kind of transfer it has.
struct Command {
    const char* name;
    const char* test;
    const char* selector;
    bool ata, dataIn, dataOut;
};

struct Way {
    const char* name;
    const char* fault;
    bool ataOnly, dataInOnly;
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
    {"start", "short self-test", R"("ataCommand": "0xB0", "feature": "0xD4")", true, false, false},
    {"poll", "short self-test", R"("ataCommand": "0xB0", "feature": "0xD0")", true, true, false},
    {"read", "short generic", R"("scsiOpcode": "0x88")", false, true, false},
    {"read", "long generic", R"("scsiOpcode": "0x88")", false, true, false},
    {"status", "SMART check", R"("ataCommand": "0xB0", "feature": "0xDA")", true, false, false},
    {"write", "boot tracks", R"("scsiOpcode": "0x8A")", false, false, true},
    {"standby", "spin-down", R"("ataCommand": "0xE0")", true, false, false},
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
    {"no data", R"("noData": true)", false, true},
    {"no answer", R"("hang": true)", false, false},
};

// Each pairing of a command with a way it can fail that makes sense for that command.
void for_Each_Row(const std::function<void(const Command&, const Way&, const QString& serial)>& row)
{
    for (int c = 0; c < int(std::size(kCommands)); ++c)
        for (int w = 0; w < int(std::size(kWays)); ++w) {
            const Command& cmd = kCommands[c];
            const Way& way = kWays[w];
            if (!(way.ataOnly && !cmd.ata) && !(way.dataInOnly && !cmd.dataIn))
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
};

QTEST_GUILESS_MAIN(TestOpFaultMatrix)
#include "tst_op_faultmatrix.moc"
