// Starting operations from the main window on virtual drives: the dispatch pattern, results in
// the panels, and rescans while a test runs.
#include "tests/command.h"
#include "common/common.h"
#include "dispatchwindow.h"
#include "drivefile.h"
#include "mainwindow/operationcatalogue.h"

#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>

namespace {

// About 2 GB of reads at 1 MB/s: runs for a while even at scaled time.
QJsonObject slow(const QString& name, const QString& serial)
{
    QJsonObject d = maker_Drive(name, serial, 4000000);
    d["throughputMBps"] = 1;
    return d;
}

// Rescans and returns the log lines up to the one that tells which case it handled.
QStringList rescan(KV4L& w, const QString& caseLine)
{
    const int from = log_Size();
    trigger(w, "on_toolButtonRescan_clicked");
    (void)QTest::qWaitFor([&] { return log_Since(from).contains(caseLine); });
    return log_Since(from);
}

} // namespace

class TestDispatch : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        start_Window_Suite();
        KV4L::endProcess = [](int) {};
        set_Time_Scale(200.0);
    }
    void cleanupTestCase() { set_Time_Scale(1.0); }

    void shortGenericOnSeveralDrives()
    {
        QJsonObject bad = maker_Drive("g2", "G2");
        bad["unreadableSectors"] = QJsonArray{100};
        use_Virtual_Drives(dir, "generic.json", QJsonArray{maker_Drive("g1", "G1"), bad, maker_Drive("g3", "G3")});
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        for (device* d : p)
            check(d);
        const int from = log_Size();
        trigger(w, "on_actionShort_Generic_Self_Test_triggered");
        QCOMPARE(log_Since(from).value(0), QString("Called: Short Generic Self Test"));
        QVERIFY(log_Since(from).contains("Quantity of devices selected to test: 3"));
        QVERIFY(w.get_Basic_Test_Menu()->isEmpty()); // out of reach while tests run
        for (device* d : p)
            QCOMPARE(d->isTest(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(p[0]->isTest() == 1 && p[1]->isTest() == 1 && p[2]->isTest() == 1, 60000);
        // The outer scan reads LBA 100.
        QCOMPARE((QStringList{bar(p[0]), bar(p[1]), bar(p[2])}), (QStringList{"PASS %p%", "FAIL %p%", "PASS %p%"}));
        QTRY_COMPARE(w.get_Invoker()->command_Count(), 0);
        QTRY_COMPARE(MainTest::live_Count(), 0);
    }

    void repairsListFixedAndFailedSectors()
    {
        QJsonObject pending = maker_Drive("r1", "R1");
        pending["unreadableSectors"] = QJsonArray{100, 200000}; // 200000: the max LBA
        pending["selfTest"] = QJsonObject{{"shortSeconds", 2}};
        QJsonObject permanent = maker_Drive("r2", "R2");
        permanent["unreadableSectors"] = QJsonArray{QJsonObject{{"lba", 300}, {"permanent", true}}};
        permanent["selfTest"] = QJsonObject{{"shortSeconds", 2}};
        use_Virtual_Drives(dir, "repairs.json", QJsonArray{pending, permanent});
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        check(p[0]);
        check(p[1]);

        int from = log_Size();
        trigger_Confirmed(w, "on_actionFix_All_Fast_triggered", Qt::Key_Escape);
        QCOMPARE(log_Since(from), (QStringList{"Called: Fix All fast", "Fix All fast test rejected by user"}));

        from = log_Size();
        trigger_Confirmed(w, "on_actionFix_All_Long_triggered");
        QCOMPARE(log_Since(from).mid(0, 1), QStringList{"Called: Fix All long"});
        QVERIFY(log_Since(from).contains("Quantity of devices selected to test: 2"));
        QTRY_VERIFY_WITH_TIMEOUT(p[0]->isTest() == 1 && p[1]->isTest() == 1, 60000);
        QCOMPARE(bar(p[0]), QString("PASS %p%"));
        QVERIFY2(bar(p[1]).startsWith("FAIL "), qPrintable(bar(p[1])));
        QCOMPARE(panel_Log(p[0]), (QStringList{"Fix All Long Started", "Error LBA: 100", "Fixed LBA: 100",
                                               "Error LBA: 200000", "Fixed LBA: 200000", "Fix All Long PASS",
                                               "Rewritten LBA: 100", "Rewritten LBA: 200000"}));
        QCOMPARE(panel_Log(p[1]), (QStringList{"Fix All Long Started", "Error LBA: 300", "Fix All Long FAIL",
                                               "Reason: The drive refused the write at LBA: 300"}));

        check(p[0]);
        trigger_Confirmed(w, "on_actionFix_All_Fast_triggered");
        QTRY_VERIFY_WITH_TIMEOUT(p[0]->isTest() == 1, 60000);
        QCOMPARE(panel_Log(p[0]).mid(8), (QStringList{"Fix All Fast Started", "Fix All Fast PASS"}));
        QTRY_COMPARE(MainTest::live_Count(), 0);
    }

    void rescanWhileATestRuns()
    {
        use_Virtual_Drives(dir, "rescan-run.json", QJsonArray{maker_Drive("t0", "T0"), slow("t1", "T1"), maker_Drive("t2", "T2")});
        KV4L w;
        device* tested = w.getDevicesList().at(1);
        check(tested);
        trigger(w, "on_actionLong_Generic_Test_triggered");
        QTRY_VERIFY_WITH_TIMEOUT(bar(tested).contains("complete"), 20000);
        QPointer<device> idle(w.getDevicesList().at(0));

        const QStringList lines = rescan(w, "Case 2 - you have devices being tested");
        QVERIFY(lines.contains("Case 2 - you have devices being tested"));
        QVERIFY(lines.contains("Quantity of devices being tested: 1"));
        QVERIFY(lines.contains("SN of devices been tested: T1"));
        QVERIFY(idle.isNull()); // idle panels are rebuilt
        QStringList serials;
        for (device* d : w.getDevicesList())
            serials << d->get_Serial_Number();
        QCOMPARE(serials, (QStringList{"T1", "T0", "T2"}));
        QCOMPARE(w.getDevicesList().at(0), tested); // same panel, same test
        QCOMPARE(tested->isTest(), 0);
        QProgressBar* progress = tested->findChild<QProgressBar*>("progressBar");
        const int before = progress->value();
        QTRY_VERIFY_WITH_TIMEOUT(progress->value() > before || tested->isTest() == 1, 30000);
        tested->findChild<QPushButton*>("progressStatus")->click();
        QTRY_COMPARE(tested->isTest(), 1);
        QVERIFY(bar(tested).startsWith("ABORTED"));
        QTRY_COMPARE(MainTest::live_Count(), 0);
    }

    // Aborting from a panel leaves the drive list where the user scrolled it.
    void abortKeepsTheListInPlace()
    {
        QJsonArray drives;
        for (int i = 0; i < 12; ++i)
            drives.append(i == 6 ? slow("k6", "K6") : maker_Drive(QString("k%1").arg(i), QString("K%1").arg(i)));
        use_Virtual_Drives(dir, "scroll.json", drives);
        KV4L w;
        w.resize(1024, 768);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        device* tested = w.getDevicesList().at(6);
        check(tested);
        trigger(w, "on_actionLong_Generic_Test_triggered");
        QTRY_VERIFY_WITH_TIMEOUT(bar(tested).contains("complete"), 20000);
        // The tested drive is the last one shown whole; the next one is out of sight.
        auto* list = w.findChild<QScrollArea*>("mainScroll");
        list->verticalScrollBar()->setValue(tested->y() + tested->height() - list->viewport()->height());
        const int where = list->verticalScrollBar()->value();
        QVERIFY(where > 0);
        auto* abort = tested->findChild<QPushButton*>("progressStatus");
        QTest::mouseClick(abort, Qt::LeftButton);
        QTRY_COMPARE(tested->isTest(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(list->verticalScrollBar()->value(), where);
        QTRY_COMPARE(MainTest::live_Count(), 0);
    }

    // Every result but a pass has a bar of its own. Shown on the drives of the wide-text demo set.
    void resultsTellApartByTheirBars()
    {
        qputenv("OSKN_VIRTUAL_DRIVES", KV_SOURCE_DIR "/demo/wide-drives.json");
        KV4L w;
        w.resize(1024, 768);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QVector<device*> p = w.getDevicesList();
        for (int i : {0, 1, 2})
            check(p[i]);
        trigger(w, "on_actionS_M_A_R_T_Check_triggered");
        QTRY_VERIFY_WITH_TIMEOUT(p[0]->isTest() == 1 && p[1]->isTest() == 1 && p[2]->isTest() == 1, 30000);
        check(p[3]);
        trigger(w, "on_actionLong_Generic_Test_triggered");
        QTRY_VERIFY_WITH_TIMEOUT(bar(p[3]).contains("complete"), 20000);
        p[3]->findChild<QPushButton*>("progressStatus")->click();
        QTRY_COMPARE(p[3]->isTest(), 1);
        QStringList words, looks;
        for (int i = 0; i < 4; ++i) {
            words << bar(p[i]).section(' ', 0, 0);
            looks << p[i]->findChild<QProgressBar*>("progressBar")->styleSheet();
        }
        QCOMPARE(words, (QStringList{"PASS", "FAIL", "UNABLE", "ABORTED"}));
        QCOMPARE(QSet<QString>(looks.begin(), looks.end()).size(), 4);
        if (!qEnvironmentVariableIsEmpty("KV_SHOTS"))
            w.grab().save(qEnvironmentVariable("KV_SHOTS") + "/results.png");
        QTRY_COMPARE(MainTest::live_Count(), 0);
    }

    // Every row of the catalogue names an entry of the form and signals its test has; its entry,
    // triggered as a menu does, runs it once.
    void catalogueRows()
    {
        use_Virtual_Drives(dir, "catalogue.json", QJsonArray{maker_Drive("c1", "C1")});
        KV4L w;
        device* panel = w.getDevicesList().at(0);
        QSet<QString> names;
        OperationParameters answer;
        answer.lastLba = 10;
        answer.time = 1;
        answer.key = QString(32, 'A');
        for (const Operation& op : operation_Catalogue()) {
            QVERIFY2(!names.contains(op.name), op.action);
            names << op.name;
            QAction* action = w.findChild<QAction*>(op.action);
            QVERIFY2(action, op.action);
            QCOMPARE(find_Operation(op.action), &op);
            std::unique_ptr<MainTest> test(op.make(panel->get_tDevice(), answer));
            QVERIFY2(wire_Operation(op, test.get(), panel, answer), op.action);

            const int from = log_Size();
            QTimer refuse;
            connect(&refuse, &QTimer::timeout, [] {
                QWidget* modal = QApplication::activeModalWidget();
                if (modal && modal->isActiveWindow())
                    QTest::keyClick(modal, Qt::Key_Escape);
            });
            refuse.start(20);
            action->trigger();
            refuse.stop();
            // Once: the first line is its call, the last its refusal or the count of its drives
            // (a confirmation may write lines of its own between them).
            const QStringList lines = log_Since(from);
            const QString last = op.confirm == Operation::Confirm::None ? "Quantity of devices selected to test: 0"
                                 : op.rejected.isEmpty()                ? "Called: " + op.name
                                                                        : op.rejected;
            QVERIFY2(lines.count("Called: " + op.name) == 1 && lines.value(0) == "Called: " + op.name
                         && lines.last() == last,
                     qPrintable(lines.join(" / ")));
        }
        QCOMPARE(w.get_Invoker()->command_Count(), 0);
        QCOMPARE(find_Operation("actionNone"), nullptr);
    }

    void rescanAfterTheTestedDriveVanished()
    {
        use_Virtual_Drives(dir, "vanish-1.json", QJsonArray{maker_Drive("v0", "V0"), slow("v1", "V1")});
        KV4L w;
        check(w.getDevicesList().at(1));
        trigger(w, "on_actionLong_Generic_Test_triggered");
        QTRY_COMPARE(w.getDevicesList().at(1)->isTest(), 0);
        use_Virtual_Drives(dir, "vanish-2.json", QJsonArray{maker_Drive("v0", "V0")});
        const QStringList lines = rescan(w, "Case 3 - devices were removed during rescan");
        for (const char* line : {"Case 3 - devices were removed during rescan", "SN of devices before rescanV1",
                                 "Quantity of devices before rescan: 1",
                                 "Quantity of devices after rescan in the temporary list: 0"})
            QVERIFY2(lines.contains(line), line);
        QCOMPARE(w.getDevicesList().size(), 1);
        QCOMPARE(w.getDevicesList().at(0)->get_Serial_Number(), QString("V0"));
        QTRY_COMPARE_WITH_TIMEOUT(MainTest::live_Count(), 0, 30000); // its test was stopped
    }
};

QTEST_MAIN(TestDispatch)
#include "tst_dispatch.moc"
