// Every verdict other than PASS carries its reason to the three places a person or a script reads
// it: the drive's panel (beside the verdict), the drive's log (a line of its own after the
// verdict line) and the operation's outcome. One operation per kind of reason, on virtual drives.
#include <QLabel>
#include <QtTest>

#include "device/device.h"
#include "dispatchwindow.h"
#include "tests/erasefull.h"
#include "tests/erasetimetest.h"
#include "tests/fixallfast.h"
#include "tests/fixalllong.h"
#include "tests/longgeneric.h"
#include "tests/psid.h"
#include "tests/setmaxlbatest.h"
#include "tests/shortdst.h"
#include "tests/shortgeneric.h"
#include "tests/smartcheck.h"
#include "tst_op_support.h"

using namespace optest;

namespace {

const char* const drivesText = R"({ "drives": [
  { "name": "smart", "model": "Brevane R1", "serial": "RS-SMART", "maxLba": 20479,
    "smart": { "health": "fail", "attributes": [
      { "id": 5, "current": 20, "worst": 20, "threshold": 36, "raw": 900 },
      { "id": 9, "current": 100, "worst": 100, "threshold": 0, "raw": 5 },
      { "id": 197, "current": 10, "worst": 10, "threshold": 10, "raw": 77 } ] } },
  { "name": "dst", "model": "Brevane R2", "serial": "RS-DST", "maxLba": 204799,
    "selfTest": { "shortSeconds": 30, "outcome": "readFailure", "failingLba": 4321 } },
  { "name": "bad", "model": "Brevane R3", "serial": "RS-BAD", "maxLba": 20479,
    "unreadableSectors": [ 100, 2000, 2001 ] },
  { "name": "refusing", "model": "Brevane R5", "serial": "RS-REFUSE", "maxLba": 1000,
    "faults": [ { "scsiOpcode": "0x8A", "sense": [3, "0x0C", 0] } ] },
  { "name": "sed", "model": "Brevane R6", "serial": "RS-SED", "maxLba": 9999,
    "tcg": { "psid": "0123456789ABCDEFGHIJKLMNOPQRSTUV" } },
  { "name": "nosmart", "model": "Brevane R7", "serial": "RS-NOSMART", "maxLba": 9999,
    "features": { "supported": ["48bit", "gpl"], "enabled": ["48bit", "gpl"] } },
  { "name": "clipped", "model": "Brevane R9", "serial": "RS-CLIP", "maxLba": 99999, "accessibleMaxLba": 89999 },
  { "name": "small", "model": "Brevane R10", "serial": "RS-SMALL", "maxLba": 1000 },
  { "name": "repairable2", "model": "Brevane R11", "serial": "RS-FIX2", "maxLba": 20479,
    "logicalSectorSize": 512, "physicalSectorSize": 4096, "unreadableSectors": [ 1001 ] },
  { "name": "repairable", "model": "Brevane R8", "serial": "RS-FIX", "maxLba": 20479,
    "logicalSectorSize": 512, "physicalSectorSize": 4096, "unreadableSectors": [ 1001 ] }
] })";

// What one operation left behind, read as a person and a script would.
struct Seen {
    int status = -1;
    OperationOutcome outcome;
    QString shown;      // the panel's reason line (full text: its tool tip)
    bool shownVisible = false;
    QStringList log;    // the drive's log entries, stamps dropped
};

// Runs the test with a panel wired as the main window wires it.
Seen run_On_Panel(MainTest* test, _tDevice* record)
{
    Seen seen;
    device panel(*record);
    *panel.get_Descriptor() = *test->getDescriptor();
    panel.execute();
    QObject::connect(test, &MainTest::change_Outcome, &panel, &device::set_Outcome);
    QObject::connect(test, &MainTest::changeStatus, &panel, &device::change_Progress_status);
    seen.status = run_With_Events(test);
    QCoreApplication::processEvents();
    seen.outcome = test->get_Outcome();
    auto* label = panel.findChild<QLabel*>("lbReason");
    seen.shown = label->toolTip();
    seen.shownVisible = !label->isHidden();
    for (const QString& entry : panel.get_List_Log_Device())
        seen.log << unstamped(entry);
    return seen;
}

} // namespace

class TestReasons : public QObject
{
    Q_OBJECT

    Drives drives;

    // The reason reached all three places, the same text in each, after the verdict line.
    static void check_Everywhere(const Seen& seen, const QString& verdictLine, const QString& reason)
    {
        QCOMPARE(seen.outcome.reason, reason);
        QVERIFY(reason.startsWith(seen.outcome.reasonKey) && !seen.outcome.reasonKey.isEmpty());
        QVERIFY(seen.shownVisible);
        QCOMPARE(seen.shown, reason);
        const int verdict = seen.log.indexOf(verdictLine);
        QVERIFY2(verdict >= 0, qPrintable(seen.log.join("|")));
        QCOMPARE(seen.log.value(verdict + 1), "Reason: " + reason + "\n");
    }

private slots:
    void initTestCase()
    {
        start_Window_Suite();
        set_Time_Scale(50.0);
        QVERIFY(drives.load_Text(drivesText));
    }
    void cleanupTestCase() { set_Time_Scale(1.0); }

    void smartAttributesPastThreshold()
    {
        SmartCheck test(drives.by_Serial("RS-SMART"));
        const Seen seen = run_On_Panel(&test, drives.by_Serial("RS-SMART"));
        QVERIFY(seen.status != TestStatus::Pass && seen.status != TestStatus::UnableToRun);
        // 9's threshold 0 never trips; 197 at its threshold has.
        check_Everywhere(seen, "S.M.A.R.T. Check FAIL\n",
                         "SMART attribute past its threshold: ID 5: 20 <= 36, ID 197: 10 <= 10");
    }

    void selfTestResultAndLba()
    {
        shortdst test(drives.by_Serial("RS-DST"));
        const Seen seen = run_On_Panel(&test, drives.by_Serial("RS-DST"));
        QCOMPARE(seen.status, int(TestStatus::Fail));
        check_Everywhere(seen, "Short Drive Self Test FAIL\n",
                         "The self-test failed: 7 (read element failed), LBA 4321");
    }

    void unreadableSectorsCountedAndListed()
    {
        LongGeneric test(drives.by_Serial("RS-BAD"));
        const Seen seen = run_On_Panel(&test, drives.by_Serial("RS-BAD"));
        QCOMPARE(seen.status, int(TestStatus::Fail));
        check_Everywhere(seen, "Long Generic FAIL\n", "Unreadable sectors: 3 (LBA 100, 2000, 2001)");
        QCOMPARE(seen.outcome.unreadableLbas, (QList<uint64_t>{100, 2000, 2001}));
        QVERIFY(seen.outcome.libraryCodes.contains(OSKN_FAILURE));
        // Sectors that merely went unread are no bad sectors: the quick scan stops at the first.
        ShortGeneric quick(drives.by_Serial("RS-BAD"));
        const Seen first = run_On_Panel(&quick, drives.by_Serial("RS-BAD"));
        QCOMPARE(first.status, int(TestStatus::Fail));
        QVERIFY2(first.outcome.reason.startsWith("The drive could not read the sectors from LBA: 64 ("),
                 qPrintable(first.outcome.reason));
        QVERIFY(first.outcome.unreadableLbas.isEmpty());
    }

    void driveStoppedAnsweringAtLba()
    {
        // Its own set: the drive's clock starts when it is found.
        Drives drives;
        QVERIFY(drives.load_Text(R"({ "drives": [ { "name": "gone", "model": "Brevane R4", "serial": "RS-GONE",
            "maxLba": 2000000, "throughputMBps": 1, "disappearAfterSeconds": 20 } ] })"));
        LongGeneric test(drives.by_Serial("RS-GONE"));
        const Seen seen = run_On_Panel(&test, drives.by_Serial("RS-GONE"));
        QCOMPARE(seen.status, int(TestStatus::Fail));
        const QString key = "The drive stopped answering at LBA:";
        QCOMPARE(seen.outcome.reasonKey, key);
        bool number = false;
        const uint64_t lba = seen.outcome.reason.mid(key.size() + 1).toULongLong(&number);
        QVERIFY2(number && lba > 0 && lba <= 2000000, qPrintable(seen.outcome.reason));
        check_Everywhere(seen, "Long Generic FAIL\n", seen.outcome.reason);
        QVERIFY(seen.outcome.unreadableLbas.isEmpty());
    }

    void writeRefused()
    {
        EraseFull test(drives.by_Serial("RS-REFUSE"));
        const Seen seen = run_On_Panel(&test, drives.by_Serial("RS-REFUSE"));
        QCOMPARE(seen.status, int(TestStatus::Fail));
        check_Everywhere(seen, "Erase Overwrite Full FAIL\n", "The drive refused the write at LBA: 0");
        QCOMPARE(seen.outcome.parameters.value("lastLba").toULongLong(), 1000ull);
        QCOMPARE(seen.outcome.parameters.value("method").toString(), QString("overwrite"));
    }

    void wrongPsid()
    {
        CPSID test(drives.by_Serial("RS-SED"), "0123456789ABCDEFGHIJKLMNOPQRSTUX");
        const Seen seen = run_On_Panel(&test, drives.by_Serial("RS-SED"));
        QVERIFY(seen.status != TestStatus::Pass && seen.status != TestStatus::UnableToRun);
        check_Everywhere(seen, "PSID Erase FAIL\n", "Wrong PSID");
    }

    void unableToRunSaysTheDriveDoesNotOfferIt()
    {
        SmartCheck smart(drives.by_Serial("RS-NOSMART"));
        const Seen seen = run_On_Panel(&smart, drives.by_Serial("RS-NOSMART"));
        QCOMPARE(seen.status, int(TestStatus::UnableToRun));
        check_Everywhere(seen, "S.M.A.R.T. Check UNABLE TO RUN\n", "The drive does not offer this operation");
        // A plain PSID refusal on a drive without the authority is no "wrong PSID".
        CPSID psid(drives.by_Serial("RS-NOSMART"), "0123456789ABCDEFGHIJKLMNOPQRSTUV");
        const Seen plain = run_On_Panel(&psid, drives.by_Serial("RS-NOSMART"));
        QCOMPARE(plain.status, int(TestStatus::UnableToRun));
        QCOMPARE(plain.outcome.reason, QString("The drive does not offer this operation"));
    }

    void passCarriesNoReason()
    {
        FixAllLong test(drives.by_Serial("RS-FIX"));
        const Seen seen = run_On_Panel(&test, drives.by_Serial("RS-FIX"));
        QCOMPARE(seen.status, int(TestStatus::Pass));
        QVERIFY(seen.outcome.reason.isEmpty() && !seen.shownVisible);
        QVERIFY(!seen.log.join("").contains("Reason:"));
        // Every sector the repair rewrote, the whole physical sector around the bad one.
        QCOMPARE(seen.outcome.unreadableLbas, QList<uint64_t>{1001});
        QCOMPARE(seen.outcome.fixedLbas, (QList<uint64_t>{1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007}));
    }

    // Beside the verdict the drive's log keeps what was done: the sectors a repair rewrote, the
    // range a timed erase wrote, the capacity before and after a set max LBA.
    void driveLogKeepsWhatWasDone()
    {
        FixAllLong repair(drives.by_Serial("RS-FIX2"));
        Seen seen = run_On_Panel(&repair, drives.by_Serial("RS-FIX2"));
        // (The sector lines come through the window's own wiring, not made here.)
        const QStringList repaired{"Fix All Long PASS\n", "Rewritten LBA: 1000-1007\n"};
        QVERIFY2(seen.log.mid(1) == repaired, qPrintable(seen.log.join("|")));

        EraseTimeTest timed(drives.by_Serial("RS-SMALL"), 200, 3600);
        seen = run_On_Panel(&timed, drives.by_Serial("RS-SMALL"));
        QCOMPARE(seen.status, int(TestStatus::Pass));
        QCOMPARE(seen.log.mid(1), (QStringList{"Erase Time Test PASS\n", "Start: 200\n", "End: 1000\n"}));
        QCOMPARE(seen.outcome.parameters.value("durationSeconds").toULongLong(), 3600ull);

        SetMaxLBATest restore(drives.by_Serial("RS-CLIP"), 99999, true);
        seen = run_On_Panel(&restore, drives.by_Serial("RS-CLIP"));
        QCOMPARE(seen.status, int(TestStatus::Pass));
        QCOMPARE(seen.log, (QStringList{"Set Max LBA Started\n", "Current maximum LBA count: 89999\n",
                                        "Set Max LBA PASS\nNew max LBA: 99999"}));
    }
};

QTEST_MAIN(TestReasons)
#include "tst_reasons.moc"
