// The results record of each finished operation, its file beside the drive log, and the erasure
// certificate: what they hold, that a record is whole or absent, that what could not be written
// waits and is written later, and that every record meets the schema.
#include "results/certificate.h"
#include "tests/command.h"
#include "common/common.h"
#include "app/commandline.h"
#include "dispatchwindow.h"
#include "drivefile.h"
#include "dialogs/msgalert.h"
#include "records.h"
#include "results/resultskeeper.h"
#include "results/resultsrecord.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QRegularExpression>

#include <nlohmann/json.hpp>


using json = nlohmann::json;

namespace {

// Runs the repository's validator over files or directories; empty when every record is valid.
QString schema_Problems(const QStringList& paths)
{
    QProcess p;
    p.start("/usr/bin/python3", QStringList{KV_SOURCE_DIR "/tools/validate_results.py",
                                            KV_SOURCE_DIR "/resources/schema/results-record.schema.json"}
                                    + paths);
    if (!p.waitForFinished(60000))
        return "validator did not finish";
    const QString out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
    return p.exitCode() == 0 ? QString() : out;
}

QString pdf_Text(const QString& path)
{
    QProcess p;
    p.start("pdftotext", QStringList{"-layout", path, "-"});
    p.waitForFinished(60000);
    return p.exitCode() == 0 ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}

int pdf_Pages(const QString& path)
{
    QProcess p;
    p.start("pdfinfo", QStringList{path});
    p.waitForFinished(60000);
    const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(QString(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QList<json> records_In(const QString& path)
{
    QList<json> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (!line.isEmpty())
            out << json::parse(line.toStdString());
    return out;
}

QByteArray last_Line(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    QList<QByteArray> lines = f.readAll().split('\n');
    lines.removeAll(QByteArray());
    return lines.isEmpty() ? QByteArray() : lines.last();
}

QStringList certificates(const QString& stem)
{
    return QDir(".").entryList(QStringList{stem + "-*-erasure.pdf"}, QDir::Files, QDir::Name);
}

results::Record sample_Record()
{
    _tDevice d = make_Record("Brevane BV4000", "SN-1", "FW01", 7813837);
    d.identifyData[217] = 1; // does not spin
    results::Record r;
    r.drive = results::DriveIdentity::of(&d);
    r.machine.vendor = "Acme Systems";
    r.machine.product = "Bench 5";
    r.machine.serial = "MCH-77";
    r.machine.uuid = "12345678-9abc-def0-1234-56789abcdef0";
    r.operation = "Erase Overwrite Full";
    r.testType = TestType::EraseFull;
    r.status = TestStatus::Fail;
    r.outcome.reason = "unreadable sectors: 2, first LBA 10";
    r.outcome.libraryCodes = {0, 3};
    r.outcome.unreadableLbas = {10, (1ull << 63) + 1};
    r.outcome.fixedLbas = {11};
    r.outcome.parameters = QVariantMap{{"start", QVariant::fromValue<qulonglong>((1ull << 60) + 3)},
                                       {"minutes", 5},
                                       {"pattern", "zeros"}};
    r.outcome.started = QDateTime(QDate(2026, 12, 7), QTime(21, 0, 1, 5), Qt::OffsetFromUTC, -5400);
    r.outcome.ended = QDateTime(QDate(2026, 12, 7), QTime(22, 15, 52, 120), Qt::UTC);
    r.outcome.verification.method = "sample";
    r.outcome.verification.seed = 0xFFFFFFFFFFFFFFF1ull;
    r.outcome.verification.sectorsRead = 78140;
    r.outcome.verification.mismatches = 1;
    r.outcome.verification.mismatchLbas = {4242};
    r.operatorName = "Ana Lima";
    r.organisation = "Recyclers & Co";
    return r;
}

} // namespace

class TestResults : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QString home;

private slots:
    void initTestCase()
    {
        start_Window_Suite();
        KV4L::endProcess = [](int) {};
        home = QDir::currentPath();
    }

    void cleanup()
    {
        QDir::setCurrent(home);
        use_Language("en_US");
        const char* none[] = {"kestrova"};
        commandLine::get_Instance()->set_Args(1, const_cast<char**>(none));
    }

    // Every field as a script reads it: 64-bit numbers exact, times with their offset, the
    // drive's identity, the outcome, the verdict for each status (the model, serial, size and
    // people of a real run are the window case's).
    void recordFields()
    {
        const results::Record r = sample_Record();
        const json j = json::parse(results::to_Json_Line(r).toStdString());
        QCOMPARE(j["schemaVersion"].get<int>(), 1);
        QCOMPARE(QString::fromStdString(j["program"]["version"]), QString(KESTROVA_VERSION));
        const json& d = j["drive"];
        QCOMPARE(QString::fromStdString(d["firmware"]), QString("FW01"));
        QCOMPARE(d["blockSize"].get<int>(), 512);
        QCOMPARE(d["physicalBlockSize"].get<int>(), 4096);
        QCOMPARE(QString::fromStdString(d["driveType"]), QString("ATA"));
        QCOMPARE(QString::fromStdString(d["interface"]), QString("ATA"));
        QCOMPARE(QString::fromStdString(d["mediaType"]), QString("flash"));
        QCOMPARE(QString::fromStdString(j["machine"]["serial"]), QString("MCH-77"));
        QCOMPARE(QString::fromStdString(j["machine"]["uuid"]), r.machine.uuid);
        QCOMPARE(QString::fromStdString(j["operation"]["name"]), QString("Erase Overwrite Full"));
        QCOMPARE(j["operation"]["type"].get<int>(), 7);
        QCOMPARE(j["operation"]["parameters"]["start"].get<uint64_t>(), (1ull << 60) + 3);
        QCOMPARE(j["operation"]["parameters"]["minutes"].get<int>(), 5);
        QCOMPARE(QString::fromStdString(j["operation"]["parameters"]["pattern"]), QString("zeros"));
        QCOMPARE(QString::fromStdString(j["started"]), QString("2026-12-07T21:00:01.005-01:30"));
        QCOMPARE(QString::fromStdString(j["ended"]), QString("2026-12-07T22:15:52.120+00:00"));
        QCOMPARE(QString::fromStdString(j["verdict"]), QString("FAIL"));
        QCOMPARE(QString::fromStdString(j["reason"]), r.outcome.reason);
        QCOMPARE(j["libraryCodes"], json::array({0, 3}));
        QCOMPARE(j["unreadableLbas"][1].get<uint64_t>(), (1ull << 63) + 1);
        QCOMPARE(j["fixedLbas"], json::array({11}));
        QCOMPARE(j["verification"]["seed"].get<uint64_t>(), 0xFFFFFFFFFFFFFFF1ull);
        QCOMPARE(j["verification"]["sectorsRead"].get<int>(), 78140);
        QCOMPARE(j["verification"]["mismatchLbas"], json::array({4242}));

        // No read-back ran: null, not an empty object; a drive that spins is magnetic.
        results::Record plain = sample_Record();
        plain.outcome = OperationOutcome();
        plain.status = TestStatus::Pass;
        _tDevice spinning = make_Record("M", "S", "F");
        spinning.identifyData[217] = 7200;
        plain.drive = results::DriveIdentity::of(&spinning);
        const json p = json::parse(results::to_Json_Line(plain).toStdString());
        QVERIFY(p["verification"].is_null() && p["started"].is_null());
        QCOMPARE(QString::fromStdString(p["drive"]["mediaType"]), QString("magnetic"));

        const QList<QPair<int, QString>> verdicts = {{0, "PASS"}, {1, "FAIL"}, {3, "FAIL"}, {4, "IN PROGRESS"},
                                                     {5, "ABORTED"}, {14, "UNABLE TO RUN"}};
        for (const auto& v : verdicts)
            QCOMPARE(results::verdict_Text(v.first), v.second);

        // Drive-supplied bytes that are not ASCII stay readable JSON.
        results::Record odd = sample_Record();
        odd.drive.serial = QString::fromLatin1("S\xE9\x01");
        const json o = json::parse(results::to_Json_Line(odd).toStdString());
        QCOMPARE(QString::fromStdString(o["drive"]["serial"]), odd.drive.serial);

        QVERIFY(QDir::setCurrent(dir.path()));
        QVERIFY(results::append_Record("fields.jsonl", results::to_Json_Line(r)));
        QVERIFY(results::append_Record("fields.jsonl", results::to_Json_Line(plain)));
        QVERIFY(results::append_Record("fields.jsonl", results::to_Json_Line(odd)));
        const QString problems = schema_Problems({"fields.jsonl"});
        QVERIFY2(problems.isEmpty(), qPrintable(problems));

        // The schema is no rubber stamp: a PASS with a reason, or a verdict its status denies.
        results::Record lying = sample_Record();
        lying.status = TestStatus::Pass; // its reason and mismatch stay
        QVERIFY(results::append_Record("lying.jsonl", results::to_Json_Line(lying)));
        QVERIFY(!schema_Problems({"lying.jsonl"}).isEmpty());
    }

    // A record reaches the file whole or not at all: a line a crash cut short is dropped before
    // the next record, and a write a full medium refuses leaves the file as it was.
    void appendWholeOrNothing()
    {
        QVERIFY(QDir::setCurrent(dir.path()));
        QVERIFY(results::append_Record("whole.jsonl", "{\"a\":1}"));
        {
            QFile f("whole.jsonl");
            QVERIFY(f.open(QIODevice::Append));
            f.write("{\"b\":"); // the crash
        }
        QVERIFY(results::append_Record("whole.jsonl", "{\"c\":3}"));
        QCOMPARE(file_Text("whole.jsonl"), QString("{\"a\":1}\n{\"c\":3}\n"));

        bool written = true, fresh = true;
        on_Full_Medium(rlim_t(QFileInfo("whole.jsonl").size() + 5), [&] {
            written = results::append_Record("whole.jsonl", "{\"d\":\"too long to fit\"}");
            fresh = results::append_Record("fresh.jsonl", QByteArray(64, 'x'));
        });
        QVERIFY(!written && !fresh);
        QCOMPARE(file_Text("whole.jsonl"), QString("{\"a\":1}\n{\"c\":3}\n"));
        QVERIFY(!QFile::exists("fresh.jsonl")); // no empty file left behind
    }

    // What cannot be written waits, in order, and is written once the medium takes it.
    void keeperWaitsForTheMedium()
    {
        QVERIFY(QDir::setCurrent(dir.path()));
        QVERIFY(QDir::setCurrent("/proc")); // nobody may create files here, root included
        results::Keeper keeper;
        results::Record first = sample_Record();
        results::Record second = sample_Record();
        second.operation = "S.M.A.R.T. Check";
        second.status = TestStatus::Pass;
        second.outcome = OperationOutcome();
        results::Keeper::Written w = keeper.keep(first, "KEEP.log");
        QVERIFY(w.written.isEmpty());
        QCOMPARE(w.failed.size(), 2); // the record and the certificate
        QVERIFY(w.failed.contains("KEEP.jsonl"));
        QVERIFY(w.failed.last().startsWith("KEEP-20261207T221552Z-erasure.pdf"));
        w = keeper.keep(second, "KEEP.log");
        QCOMPARE(w.failed, QStringList{"KEEP.jsonl"}); // told again for the new record only
        QCOMPARE(keeper.waiting(), 3);

        QVERIFY(QDir::setCurrent(dir.path()));
        w = keeper.retry();
        QVERIFY(w.failed.isEmpty());
        QCOMPARE(w.written.size(), 2);
        QCOMPARE(keeper.waiting(), 0);
        const QList<json> lines = records_In("KEEP.jsonl");
        QCOMPARE(lines.size(), 2);
        QCOMPARE(QString::fromStdString(lines[0]["operation"]["name"]), QString("Erase Overwrite Full"));
        QCOMPARE(QString::fromStdString(lines[1]["operation"]["name"]), QString("S.M.A.R.T. Check"));
        QVERIFY(QFile::exists("KEEP-20261207T221552Z-erasure.pdf"));
    }

    // One page, in the interface language and in English, holding the drive, the verdict, the
    // people and the hash of its record as text; a long reason still fits the page.
    void certificateHoldsTheFacts()
    {
        QVERIFY(QDir::setCurrent(dir.path()));
        QCOMPARE(certificate::file_Name("%2E.%2Fx~2.log", QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::OffsetFromUTC, 3600)),
                 QString("%2E.%2Fx~2-20260102T020405Z-erasure.pdf"));
        QVERIFY(certificate::is_Erase("Erase Crypto") && certificate::is_Erase("Write Same"));
        QVERIFY(!certificate::is_Erase("S.M.A.R.T. Check") && !certificate::is_Erase("Erase Boot Tracks"));
        QCOMPARE(certificate::category_Of("Erase Range"), QString("Clear"));
        QCOMPARE(certificate::category_Of("PSID Erase"), QString("Purge"));
        QCOMPARE(certificate::method_Of("Erase Crypto"), QString("Crypto Erase"));

        use_Language("de_DE");
        results::Record r = sample_Record();
        r.outcome.reason = QString("sector unreadable ").repeated(120);
        const QByteArray line = results::to_Json_Line(r);
        QVERIFY(results::write_File("cert.pdf", certificate::render_Pdf(r, line)));
        QCOMPARE(pdf_Pages("cert.pdf"), 1);
        const QString text = pdf_Text("cert.pdf").simplified();
        for (const QString& expected :
             {QString("SN-1"), QString("Brevane BV4000"), QString("FAIL"), QString("Ana Lima"), QString("Recyclers & Co"),
              QString("Acme Systems"), QString("MCH-77"), QString("Clear"), QString("Overwrite"),
              QString("Seriennummer / Serial number"), QString("Kestrova Bootable " KESTROVA_VERSION),
              QString::fromLatin1(QCryptographicHash::hash(line, QCryptographicHash::Sha256).toHex())})
            QVERIFY2(text.contains(expected), qPrintable(expected + " not in: " + text));
        QVERIFY(!text.contains("Operator / Operator"));

        use_Language("en_US");
        r = sample_Record();
        r.status = TestStatus::Pass;
        r.outcome.reason.clear();
        r.outcome.verification.mismatches = 0;
        r.outcome.verification.mismatchLbas.clear();
        r.operatorName.clear();
        QVERIFY(results::write_File("pass.pdf", certificate::render_Pdf(r, results::to_Json_Line(r))));
        const QString pass = pdf_Text("pass.pdf").simplified();
        QVERIFY2(pass.contains("PASS") && !pass.contains("FAIL") && !pass.contains("Serial number / "), qPrintable(pass));
    }

    // Operations started from the window: each leaves one record beside its drive's log (a
    // drive with an unsafe serial too, inside the directory), an erase its certificate, the
    // command line's operator and organisation in both.
    void operationsFromTheWindow()
    {
        QTemporaryDir work;
        QVERIFY(QDir::setCurrent(work.path()));
        set_Time_Scale(50.0);
        const char* args[] = {"kestrova", "--operator", "Ana Lima", "--organisation=Recyclers & Co"};
        commandLine::get_Instance()->set_Args(4, const_cast<char**>(args));
        QJsonObject evil = maker_Drive("e", "../evil", 3000);
        evil["unreadableSectors"] = QJsonArray{QJsonObject{{"lba", 2500}, {"permanent", true}}};
        use_Virtual_Drives(dir, "window.json", QJsonArray{maker_Drive("g", "GOOD1", 3000), evil});
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        QCOMPARE(p.size(), 2);
        check(p[0]);
        check(p[1]);
        trigger_Confirmed(w, "on_actionErase_Overwrite_Full_triggered");
        QTRY_VERIFY_WITH_TIMEOUT(p[0]->isTest() == 1 && p[1]->isTest() == 1, 30000);
        QTRY_COMPARE(MainTest::live_Count(), 0);

        QList<json> good = records_In("GOOD1.jsonl");
        QCOMPARE(good.size(), 1);
        const json& g = good[0];
        QCOMPARE(QString::fromStdString(g["verdict"]), QString("PASS"));
        QCOMPARE(QString::fromStdString(g["operation"]["name"]), QString("Erase Overwrite Full"));
        QCOMPARE(QString::fromStdString(g["drive"]["serial"]), QString("GOOD1"));
        QCOMPARE(QString::fromStdString(g["drive"]["model"]), QString("Brevane BVg"));
        QCOMPARE(g["drive"]["logicalBlocks"].get<uint64_t>(), 3001ull);
        QCOMPARE(g["drive"]["capacityBytes"].get<uint64_t>(), 3001ull * 512);
        QCOMPARE(QString::fromStdString(g["drive"]["transportPath"]), QString("g"));
        QCOMPARE(QString::fromStdString(g["operator"]), QString("Ana Lima"));
        QCOMPARE(QString::fromStdString(g["organisation"]), QString("Recyclers & Co"));
        const MachineIdentity here = MachineIdentity::read();
        QCOMPARE(QString::fromStdString(g["machine"]["product"]), here.product);
        const QDateTime started = QDateTime::fromString(QString::fromStdString(g["started"]), Qt::ISODateWithMs);
        const QDateTime ended = QDateTime::fromString(QString::fromStdString(g["ended"]), Qt::ISODateWithMs);
        QVERIFY(started.isValid() && ended.isValid() && started <= ended);

        QCOMPARE(certificates("GOOD1").size(), 1);
        const QString text = pdf_Text(certificates("GOOD1").first()).simplified();
        const QString hash = QString::fromLatin1(QCryptographicHash::hash(last_Line("GOOD1.jsonl"), QCryptographicHash::Sha256).toHex());
        for (const QString& expected : {QString("GOOD1"), QString("PASS"), QString("Ana Lima"), hash})
            QVERIFY2(text.contains(expected), qPrintable(expected + " not in: " + text));

        // The unsafe serial's files have its log's escaped name, in this directory.
        QList<json> bad = records_In("%2E.%2Fevil.jsonl");
        QCOMPARE(bad.size(), 1);
        QCOMPARE(QString::fromStdString(bad[0]["verdict"]), QString("FAIL"));
        QCOMPARE(QString::fromStdString(bad[0]["drive"]["serial"]), QString("../evil"));
        QCOMPARE(certificates("%2E.%2Fevil").size(), 1);
        QVERIFY(pdf_Text(certificates("%2E.%2Fevil").first()).contains("FAIL"));
        QVERIFY(QDir(work.path() + "/..").entryList(QStringList{"evil*"}).isEmpty());

        // A SMART check gets a record and no certificate.
        check(p[0]);
        trigger(w, "on_actionS_M_A_R_T_Check_triggered");
        QTRY_VERIFY_WITH_TIMEOUT(p[0]->isTest() == 1, 30000);
        QTRY_COMPARE(records_In("GOOD1.jsonl").size(), 2);
        QCOMPARE(QString::fromStdString(records_In("GOOD1.jsonl")[1]["operation"]["name"]), QString("S.M.A.R.T. Check"));
        QCOMPARE(certificates("GOOD1").size(), 1);

        const QString problems = schema_Problems({work.path()});
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        QTRY_COMPARE(MainTest::live_Count(), 0);
        set_Time_Scale(1.0);
    }

    // A directory that takes no file: the panel and the application log say which file waits,
    // the program goes on, and the record lands once the directory takes files again.
    void unwritableDirectory()
    {
        QTemporaryDir work;
        QVERIFY(QDir::setCurrent(work.path()));
        use_Virtual_Drives(dir, "unwritable.json", QJsonArray{maker_Drive("u", "UNW1")});
        KV4L w;
        device* panel = w.getDevicesList().first();
        check(panel);
        QVERIFY(QDir::setCurrent("/proc"));
        const int from = log_Size();
        trigger(w, "on_actionS_M_A_R_T_Check_triggered");
        QTRY_VERIFY_WITH_TIMEOUT(panel->isTest() == 1, 30000);
        QTRY_VERIFY(log_Since(from).contains(
            "Warning: UNW1.jsonl could not be written - kept to be written at the next save - SN: UNW1"));
        QVERIFY(panel->get_List_Log_Device().join("").contains("Could not write UNW1.jsonl"));
        QVERIFY(MsgAlert::Instance()->isVisible());
        MsgAlert::Instance()->hide();
        QCOMPARE(bar(panel), QString("PASS %p%")); // the verdict stands

        QVERIFY(QDir::setCurrent(work.path()));
        panel->log_Erro_Test_Device("7"); // the next save
        QTRY_COMPARE(records_In("UNW1.jsonl").size(), 1);
        QVERIFY(log_Since(from).contains("Test information: UNW1.jsonl written after all"));
        QVERIFY(file_Text("UNW1.log").contains("Could not write UNW1.jsonl"));
        QTRY_COMPARE(MainTest::live_Count(), 0);
    }
};

QTEST_MAIN(TestResults)
#include "tst_results.moc"
