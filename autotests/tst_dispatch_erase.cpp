// Erases started from the main window on virtual drives: the F8 confirmation, the drive that
// bounds the value a dialog asks for, the checks of the dialogs' answers, and what the panels
// and the drives show afterwards.
#include "common/common.h"
#include "log/logfile.h"
#include "dispatchwindow.h"
#include "drivefile.h"
#include "deviceaccess/oskn_operations.h"
#include "deviceaccess/oskn_public.h"
#include "tests/command.h"
#include "dialogs/eraserangeui.h"
#include "dialogs/erasetime.h"
#include "dialogs/psidui.h"
#include "dialogs/setmaxlba.h"

#include <QPushButton>
#include <QToolButton>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QMenu>

namespace {

QJsonObject drive(const QString& serial, qint64 maxLba)
{
    return maker_Drive(serial, serial, maxLba);
}

template <class Dialog>
Dialog* shown_Dialog()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<Dialog*>(w); d && d->isVisible())
            return d;
    return nullptr;
}

bool fill(_tDevice* d, uint64_t from, uint64_t to)
{
    return fill_Sectors(d, from, uint32_t(to - from + 1), 0x5A);
}

} // namespace

class TestDispatchErase : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        start_Window_Suite();
        KV4L::endProcess = [](int) {};
        set_Time_Scale(50.0);
    }
    void cleanupTestCase() { set_Time_Scale(1.0); }

    void fullErase()
    {
        QJsonObject bad = drive("F2", 3000);
        bad["unreadableSectors"] = QJsonArray{QJsonObject{{"lba", 2500}, {"permanent", true}}};
        use_Virtual_Drives(dir, "full.json", QJsonArray{drive("F1", 3000), bad, drive("F3", 3000)});
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        for (device* d : p)
            QVERIFY(fill(d->get_tDevice(), 2501, 3000) && fill(d->get_tDevice(), 0, 2499));
        check(p[0]);
        check(p[1]);

        int from = log_Size();
        trigger_Confirmed(w, "on_actionErase_Overwrite_Full_triggered", Qt::Key_Escape);
        QCOMPARE(log_Since(from), (QStringList{"Called: Erase overwrite full", "Erase overwrite full test rejected by user"}));
        QCOMPARE(w.get_Invoker()->command_Count(), 0);

        from = log_Size();
        trigger_Confirmed(w, "on_actionErase_Overwrite_Full_triggered");
        QVERIFY(log_Since(from).contains("Quantity of devices selected to test: 2"));
        QTRY_VERIFY_WITH_TIMEOUT(p[0]->isTest() == 1 && p[1]->isTest() == 1, 30000);
        QCOMPARE(bar(p[0]), QString("PASS %p%"));
        QVERIFY(bar(p[1]).startsWith("FAIL"));
        QVERIFY(all_Zero(p[0]->get_tDevice(), 0, 3000));
        QVERIFY(!all_Zero(p[2]->get_tDevice(), 0, 0)); // not selected
        // The drive's log names the sector where the erase stopped.
        QVERIFY2(p[1]->get_List_Log_Device().join("").contains("Error LBA: 2500"),
                 qPrintable(p[1]->get_List_Log_Device().join("")));
        QTRY_COMPARE(MainTest::live_Count(), 0);
    }

    void rangeDialogRules()
    {
        EraseRangeUI dialog(12345);
        QList<QPair<qulonglong, qulonglong>> answer;
        connect(&dialog, &EraseRangeUI::execute_eraseRange, this,
                [&](uint64_t start, uint64_t end) { answer << qMakePair(qulonglong(start), qulonglong(end)); });
        auto* start = dialog.findChild<QLineEdit*>("inStart");
        auto* end = dialog.findChild<QLineEdit*>("inEnd");
        auto* ok = dialog.findChild<QPushButton*>("btnOK");
        QCOMPARE(dialog.windowTitle(), QString("Erase Range"));
        QCOMPARE(dialog.findChild<QLineEdit*>("lbMaxLBAfield")->text(), QString("12345"));
        QVERIFY(!end->isEnabled() && !ok->isEnabled());
        QTest::keyClicks(start, "a123456");
        QCOMPARE(start->text(), QString("12345")); // five digits, as the max LBA has
        QVERIFY(end->isEnabled());
        start->clear();
        QTest::keyClicks(start, "10");
        struct Case { const char* end; bool ok; };
        for (const Case& c : {Case{"10", false}, Case{"9", false}, Case{"12346", false}, Case{"11", true},
                              Case{"12345", true}}) {
            end->clear();
            QTest::keyClicks(end, c.end);
            QVERIFY2(ok->isEnabled() == c.ok, c.end);
        }
        start->clear(); // an empty start is not 0
        QVERIFY(!ok->isEnabled());
        QTest::keyClicks(start, "0");
        QVERIFY(ok->isEnabled());
        ok->click();
        QCOMPARE(answer, (QList<QPair<qulonglong, qulonglong>>{{0, 12345}}));
        dialog.SetTitle("Write Same");
        QCOMPARE(dialog.windowTitle(), QString("Write Same"));
    }

    void timeDialogRules()
    {
        EraseTime dialog(12345);
        QList<QPair<int, qulonglong>> answer;
        connect(&dialog, &EraseTime::set_Time, this,
                [&](int seconds, uint64_t lba) { answer << qMakePair(seconds, qulonglong(lba)); });
        auto* lba = dialog.findChild<QLineEdit*>("leInputLBA");
        auto* time = dialog.findChild<QLineEdit*>("leInputTime");
        auto* ok = dialog.findChild<QPushButton*>("pushButton");
        QVERIFY(!ok->isEnabled());
        QVERIFY(dialog.findChild<QRadioButton*>("radioButton_3")->isChecked());
        QTest::keyClicks(lba, "123456");
        QCOMPARE(lba->text(), QString("12345"));
        QTest::keyClicks(time, "0");
        QVERIFY(!ok->isEnabled());
        time->clear();
        QTest::keyClicks(time, "1,000");
        QCOMPARE(time->text(), QString("1000"));
        QVERIFY(ok->isEnabled());
        lba->clear();
        QVERIFY(!ok->isEnabled());
        QTest::keyClicks(lba, "12345");
        time->clear();
        QTest::keyClicks(time, "1");
        dialog.findChild<QRadioButton*>("radioButton_2")->click();
        ok->click();
        QCOMPARE(answer, (QList<QPair<int, qulonglong>>{{60, 12345}}));
    }

    void valueOperationsBoundByTheSmallestDrive()
    {
        use_Virtual_Drives(dir, "bound.json", QJsonArray{drive("B1", 1000), drive("B2", 500), drive("B3", 500)});
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        int from = log_Size();
        trigger_Confirmed(w, "on_actionErase_Range_triggered");
        QCOMPARE(log_Since(from), (QStringList{"Called: Erase range", "Quantity of devices selected to test: 0",
                                               "Device without permission to perform the erase range."}));
        QVERIFY(!shown_Dialog<EraseRangeUI>());

        for (device* d : p)
            check(d);
        from = log_Size();
        trigger_Confirmed(w, "on_actionErase_Time_triggered");
        QCOMPARE(log_Since(from), (QStringList{"Called: Erase time",
                                               "Test information: Erase Time S/N: B1 Max LBA: 1000",
                                               "Test information: Erase Time S/N: B2 Max LBA: 500",
                                               "Test information: Erase Time S/N: B3 Max LBA: 500",
                                               "Quantity of devices selected to test: 3",
                                               "Erase Time S/N: B3 minimum Max LBA: 500"}));
        EraseTime* time = shown_Dialog<EraseTime>();
        QVERIFY(time);
        QCOMPARE(time->findChild<QLineEdit*>("lbLMaxBA")->text(), QString("500"));
        time->reject();

        trigger_Confirmed(w, "on_actionErase_Range_triggered");
        EraseRangeUI* range = shown_Dialog<EraseRangeUI>();
        QVERIFY(range);
        QCOMPARE(range->findChild<QLineEdit*>("lbMaxLBAfield")->text(), QString("500"));
        range->reject();
    }

    void rangeAndTimeFromTheWindow()
    {
        use_Virtual_Drives(dir, "range.json", QJsonArray{drive("R1", 1000), drive("R2", 600)});
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        for (device* d : p) {
            QVERIFY(fill(d->get_tDevice(), 0, d->get_tDevice()->maxLBA));
            check(d);
        }
        int from = log_Size();
        QVERIFY(QMetaObject::invokeMethod(&w, "execute_eraseRange", Q_ARG(uint64_t, 7), Q_ARG(uint64_t, 7)));
        QVERIFY(QMetaObject::invokeMethod(&w, "get_Erase_Time", Q_ARG(int, 0), Q_ARG(uint64_t, 7)));
        QCOMPARE(log_Since(from), (QStringList{"Invalid values", "invalid values"}));
        QCOMPARE(w.get_Invoker()->command_Count(), 0);
        trigger_Confirmed(w, "on_actionErase_Range_triggered");
        EraseRangeUI* range = shown_Dialog<EraseRangeUI>();
        QVERIFY(range);
        QTest::keyClicks(range->findChild<QLineEdit*>("inStart"), "100");
        QTest::keyClicks(range->findChild<QLineEdit*>("inEnd"), "600");
        range->findChild<QPushButton*>("btnOK")->click();
        QTRY_VERIFY_WITH_TIMEOUT(p[0]->isTest() == 1 && p[1]->isTest() == 1, 30000);
        for (device* d : p) {
            QCOMPARE(bar(d), QString("PASS %p%"));
            QVERIFY(all_Zero(d->get_tDevice(), 100, 600));
            QVERIFY(!all_Zero(d->get_tDevice(), 99, 99));
            const QString log = d->get_List_Log_Device().join("");
            QVERIFY2(log.contains("Start: 100") && log.contains("End: 600"), qPrintable(log));
        }
        QVERIFY(!all_Zero(p[0]->get_tDevice(), 601, 601));

        // The rest of the smaller drive, for longer than it takes.
        check(p[1]);
        trigger_Confirmed(w, "on_actionErase_Time_triggered");
        EraseTime* time = shown_Dialog<EraseTime>();
        QVERIFY(time);
        QTest::keyClicks(time->findChild<QLineEdit*>("leInputLBA"), "0");
        QTest::keyClicks(time->findChild<QLineEdit*>("leInputTime"), "1");
        time->findChild<QRadioButton*>("radioButton")->click();
        from = log_Size();
        time->findChild<QPushButton*>("pushButton")->click();
        QCOMPARE(log_Since(from).mid(0, 2), (QStringList{"Test Information: TIME: 3600", "Test Information: LBA: 0"}));
        QTRY_VERIFY_WITH_TIMEOUT(p[1]->isTest() == 1, 30000);
        QCOMPARE(bar(p[1]), QString("PASS %p%"));
        QVERIFY(all_Zero(p[1]->get_tDevice(), 0, 600));
        QTRY_COMPARE(MainTest::live_Count(), 0);
    }

    void writeSameFromTheWindow()
    {
        // The drives take a while (program time) after the start has returned: the test must
        // outlive the thread that started it.
        QJsonArray drives{drive("W1", 100000), drive("W2", 80000), drive("W3", 80000)};
        for (int i = 0; i < 3; ++i) {
            QJsonObject d = drives[i].toObject();
            d["writeSame"] = i < 2;
            d["throughputMBps"] = 1;
            drives[i] = d;
        }
        use_Virtual_Drives(dir, "writesame.json", drives);
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        for (device* d : p) {
            QVERIFY(fill(d->get_tDevice(), 0, 10) && fill(d->get_tDevice(), 69990, 70010));
            check(d);
        }
        int from = log_Size();
        trigger_Confirmed(w, "on_actionWriteSame_triggered");
        QCOMPARE(log_Since(from), (QStringList{"Called: Write Same", "Write Same S/N: W1 Max LBA: 100000",
                                               "Write Same S/N: W2 Max LBA: 80000", "Write Same S/N: W3 Max LBA: 80000",
                                               "Quantity of devices selected to test: 3",
                                               "Test information: Write Same S/N: W3 - Max LBA: 80000"}));
        EraseRangeUI* range = shown_Dialog<EraseRangeUI>();
        QVERIFY(range);
        QCOMPARE(range->windowTitle(), QString("Write Same"));
        QCOMPARE(range->findChild<QLineEdit*>("lbMaxLBAfield")->text(), QString("80000"));
        QTest::keyClicks(range->findChild<QLineEdit*>("inStart"), "10");
        QTest::keyClicks(range->findChild<QLineEdit*>("inEnd"), "70000");
        from = log_Size();
        range->findChild<QPushButton*>("btnOK")->click();
        QCOMPARE(log_Since(from).mid(0, 2), (QStringList{"Initial LBA: 10", "Last LBA: 70000"}));
        for (device* d : p)
            QVERIFY(!d->findChild<QPushButton*>("progressStatus")->isEnabled()); // nothing to abort
        QTRY_VERIFY_WITH_TIMEOUT(p[0]->isTest() == 1 && p[1]->isTest() == 1 && p[2]->isTest() == 1, 30000);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(bar(p[i]), QString("PASS %p%"));
            QVERIFY(all_Zero(p[i]->get_tDevice(), 10, 10) && all_Zero(p[i]->get_tDevice(), 69990, 70000));
            QVERIFY(!all_Zero(p[i]->get_tDevice(), 9, 9) && !all_Zero(p[i]->get_tDevice(), 70001, 70001));
        }
        QVERIFY(bar(p[2]).startsWith("UNABLE"));
        QVERIFY(!all_Zero(p[2]->get_tDevice(), 10, 10));
        QTRY_COMPARE(MainTest::live_Count(), 0);
    }

    void sanitizeErasesFromTheMenu()
    {
        QJsonObject crypto = drive("C1", 999);
        crypto["sanitize"] = QJsonObject{{"crypto", true}};
        QJsonObject overwrite = drive("O1", 999);
        overwrite["sanitize"] = QJsonObject{{"overwrite", true}, {"seconds", 20}};
        use_Virtual_Drives(dir, "sanitize.json", QJsonArray{crypto, overwrite});
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        check(p[0]);
        int from = log_Size();
        trigger_Confirmed(w, "on_actionErase_Sanitize_Crypto_triggered");
        QCOMPARE(log_Since(from).first(), QString("Called: Erase Crypto"));
        QVERIFY(!p[0]->findChild<QPushButton*>("progressStatus")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(p[0]->isTest() == 1, 30000);
        QCOMPARE(bar(p[0]), QString("PASS %p%"));

        check(p[0]);
        check(p[1]);
        from = log_Size();
        trigger_Confirmed(w, "on_actionErase_Sanitize_Overwrite_triggered");
        QCOMPARE(log_Since(from).first(), QString("Called: Sanitize Overwrite Erase"));
        QTRY_VERIFY_WITH_TIMEOUT(p[1]->isTest() == 1, 30000);
        QCOMPARE(bar(p[1]), QString("PASS %p%"));
        // The crypto-only drive cannot overwrite.
        QVERIFY(bar(p[0]).startsWith("UNABLE"));
        QTRY_COMPARE(MainTest::live_Count(), 0);
    }

    void psidRevert()
    {
        const QString psid = "0123456789ABCDEFGHIJKLMNOPQRSTUV";
        QJsonObject sed = drive("P1", 3000);
        sed["tcg"] = QJsonObject{{"psid", psid}};
        use_Virtual_Drives(dir, "psid.json", QJsonArray{sed});
        KV4L w;
        device* p = w.getDevicesList()[0];

        int from = log_Size();
        QVERIFY(QMetaObject::invokeMethod(&w, "execute_PSID", Q_ARG(QString, psid.left(31))));
        QVERIFY(QMetaObject::invokeMethod(&w, "execute_PSID", Q_ARG(QString, psid + "W")));
        QCOMPARE(log_Since(from), (QStringList{"Test information: selected key: " + psid.left(31), "Invalid values",
                                               "Test information: selected key: " + psid + "W", "Invalid values"}));
        QCOMPARE(w.get_Invoker()->command_Count(), 0);

        // The key field: upper case, letters and digits only, 32 characters at most.
        for (const QString& key : {QString("0123456789abcdefghijklmnopqrstuW"), psid}) {
            check(p); // a result unchecks the drive
            trigger_Confirmed(w, "on_actionErase_PSID_triggered");
            auto* keys = shown_Dialog<PSIDui>();
            QVERIFY(keys);
            auto* field = keys->findChild<QLineEdit*>("leInputValue");
            auto* ok = keys->findChild<QPushButton*>("pbOk");
            QTest::keyClicks(field, "- ");
            QCOMPARE(field->text(), QString());
            QTest::keyClicks(field, key.left(31) + "-");
            QCOMPARE(field->text(), key.left(31).toUpper());
            QVERIFY(!ok->isEnabled());
            QTest::keyClicks(field, key.right(1) + "X");
            QCOMPARE(field->text(), key.toUpper());
            QVERIFY(ok->isEnabled());
            ok->click();
            QTRY_VERIFY_WITH_TIMEOUT(p->isTest() == 1 && !p->chk_Is_Checked(), 30000);
        }
        QVERIFY(bar(p).startsWith("PASS"));
        const QString log = p->get_List_Log_Device().join("");
        QVERIFY2(log.contains("PSID Erase FAIL") && log.contains("PSID Erase PASS"), qPrintable(log));
        QTRY_COMPARE(MainTest::live_Count(), 0);
    }

    void setMaxLba()
    {
        QJsonObject clipped = drive("M1", 99999), other = drive("M2", 59999);
        clipped["accessibleMaxLba"] = 89999;
        use_Virtual_Drives(dir, "setmax.json", QJsonArray{clipped, other});
        KV4L w;
        QVector<device*> p = w.getDevicesList();
        check(p[0]);
        check(p[1]);
        trigger_Confirmed(w, "on_actionSet_max_LBA_triggered");
        SetMaxLba* dialog = shown_Dialog<SetMaxLba>();
        QVERIFY(dialog);
        QCOMPARE(dialog->findChild<QLineEdit*>("txtSetValueLBA")->text(), QString()); // two drives
        dialog->close();
        check(p[1]);

        auto answer = [&](const QString& value, bool restore, qulonglong expected) {
            trigger_Confirmed(w, "on_actionSet_max_LBA_triggered");
            SetMaxLba* d = shown_Dialog<SetMaxLba>();
            QVERIFY(d);
            auto* field = d->findChild<QLineEdit*>("txtSetValueLBA");
            auto* box = d->findChild<QCheckBox*>("checkBox");
            auto* ok = d->findChild<QPushButton*>("PBok");
            QCOMPARE(d->findChild<QLineEdit*>("lbValueCapacity")->text(), QString::number(p[0]->get_tDevice()->maxLBA));
            if (p[0]->get_tDevice()->maxLBA < 99999) // clipped: the native capacity is offered
                QCOMPARE(field->text(), QString("99999"));
            field->setText("100000"); // above native
            QVERIFY(!ok->isEnabled());
            box->click();
            QVERIFY(ok->isEnabled() && !field->isEnabled());
            box->click();
            QVERIFY(ok->isEnabled());
            field->setText(value);
            if (restore)
                box->click();
            ok->click();
            QTRY_VERIFY_WITH_TIMEOUT(p[0]->isTest() == 1, 30000);
            QCOMPARE(bar(p[0]), QString("PASS %p%"));
            QCOMPARE(p[0]->get_tDevice()->maxLBA, expected);
            QVERIFY(p[0]->get_List_Log_Device().join("").contains("LBA: " + QString::number(expected)));
            // A rescan reads the capacity from the drive again.
            // Watched by QPointer: the new panel may be allocated where the old one was.
            const QPointer<device> old = p[0];
            QVERIFY(QMetaObject::invokeMethod(&w, "on_toolButtonRescan_clicked"));
            QTRY_VERIFY_WITH_TIMEOUT(old.isNull() && w.getDevicesList().size() == 2, 30000);
            p = w.getDevicesList();
            QCOMPARE(p[0]->get_tDevice()->maxLBA, expected);
            check(p[0]);
        };
        answer("50000", false, 50000);
        answer("1", true, 99999);
        QTRY_COMPARE(MainTest::live_Count(), 0);
    }

    void iddKeepsRescanOffUntilTheLastEnds()
    {
        QJsonObject a = drive("D1", 9999), b = drive("D2", 9999);
        a["idd"] = QJsonObject{{"test71", true}, {"seconds71", 20}};
        b["idd"] = QJsonObject{{"test71", true}, {"seconds71", 200}};
        a["unreadableSectors"] = QJsonArray{500};
        use_Virtual_Drives(dir, "idd.json", QJsonArray{a, b});
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        auto* rescanButton = w.findChild<QToolButton*>("toolButtonRescan");
        check(p[0]);
        check(p[1]);
        const int from = log_Size();
        trigger_Confirmed(w, "on_actionIDD_71_triggered", Qt::Key_Escape);
        QCOMPARE(log_Since(from), (QStringList{"Called: IDD 71", "IDD 71 rejected by user"}));
        trigger_Confirmed(w, "on_actionIDD_71_triggered");
        QVERIFY(!rescanButton->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(p[0]->isTest() == 1, 30000);
        QCOMPARE(bar(p[0]), QString("PASS %p%"));
        QVERIFY(!rescanButton->isEnabled()); // the other drive's routine still runs
        std::vector<uint8_t> sector(512);
        QCOMPARE(scsi_Read_16(p[0]->get_tDevice(), 0, false, false, false, 500, 0, 1, sector.data()), 0);
        QTRY_VERIFY_WITH_TIMEOUT(p[1]->isTest() == 1, 30000);
        QVERIFY(rescanButton->isEnabled());
        QTRY_COMPARE(MainTest::live_Count(), 0);
    }

    // Exit, Ok while both diagnostics run: the drives are told to stop their routines, each
    // panel ends ABORTED with that in its drive's log file, and the machine powers off.
    void exitWhileDiagnosticsRunPowersOff()
    {
        QJsonObject a = drive("X70", 9999), b = drive("X71", 9999);
        a["idd"] = QJsonObject{{"test70", true}, {"seconds70", 3000}};
        b["idd"] = QJsonObject{{"test71", true}, {"seconds71", 3000}};
        use_Virtual_Drives(dir, "idd-exit.json", QJsonArray{a, b});
        QList<int> ended;
        KV4L::endProcess = [&](int status) { ended << status; };
        KV4L::askClose = [](QDialog*) { return int(QDialog::Accepted); };
        {
            KV4L w;
            const QVector<device*> p = w.getDevicesList();
            check(p[0]);
            trigger_Confirmed(w, "on_actionIDD_70_triggered");
            check(p[1]);
            trigger_Confirmed(w, "on_actionIDD_71_triggered");
            QTRY_VERIFY_WITH_TIMEOUT(p[0]->findChild<QProgressBar*>("progressBar")->value() > 0
                                         && p[1]->findChild<QProgressBar*>("progressBar")->value() > 0,
                                     10000);
            QVERIFY(QMetaObject::invokeMethod(&w, "on_toolButtonExit_clicked"));
            QTRY_COMPARE_WITH_TIMEOUT(ended, QList<int>{2}, 15000);
            for (int i : {0, 1}) {
                QVERIFY(bar(p[i]).startsWith("ABORTED"));
                QVERIFY(file_Text(p[i]->get_Serial_Number() + ".log").contains("Test Aborted by User"));
                uint64_t seconds = 0;
                QCOMPARE(get_Approximate_IDD_Time(p[i]->get_tDevice(), i ? OSKN_IDD_TEST_PENDING_AND_REALLOCATION_LISTS
                                                                        : OSKN_IDD_RESET_AND_RECALIBRATE,
                                                  &seconds),
                         0); // no longer running
            }
            QTRY_COMPARE(MainTest::live_Count(), 0);
        }
        KV4L::endProcess = [](int) {};
        KV4L::askClose = [](QDialog* question) { return question->exec(); };
    }

    void sanitizeRunningAtStartIsFollowed()
    {
        QJsonObject busy = drive("S1", 9999);
        busy["sanitize"] = QJsonObject{{"overwrite", true}, {"seconds", 300}, {"runningAtStart", true}};
        use_Virtual_Drives(dir, "sanitizing.json", QJsonArray{drive("S0", 9999), busy});
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        // No confirmation: the panel shows the drive's sanitize, checked, and nothing else can start.
        QVERIFY(!p[0]->chk_Is_Checked() && p[1]->chk_Is_Checked());
        QCOMPARE(p[1]->isTest(), 0);
        QCOMPARE(w.get_Max_Test_Device(), 1);
        QVERIFY(w.get_Basic_Test_Menu()->isEmpty() && w.get_Advanced_Menu()->isEmpty());
        QVERIFY(!p[1]->findChild<QPushButton*>("progressStatus")->isEnabled()); // no abort
        // Recorded as running before it runs: an exit now is marked at the next start.
        const QList<QPair<QString, QString>> running = logfile::read_Running();
        QCOMPARE(running.size(), 1);
        QCOMPARE(running.first().first, QString("S1.log"));
        QProgressBar* progress = p[1]->findChild<QProgressBar*>("progressBar");
        QTRY_VERIFY_WITH_TIMEOUT(progress->value() > 0, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(p[1]->isTest() == 1, 30000);
        QCOMPARE(bar(p[1]), QString("PASS %p%"));
    }

    // A sanitize followed from the start that the drive reports failed: the panel says so in its
    // bar and its log, never PASS, and the drive is offered a new sanitize.
    void sanitizeFailedIsShownAndANewOneOffered()
    {
        QJsonObject failing = drive("N1", 9999);
        failing["interface"] = "nvme";
        failing["nvme"] = QJsonObject{{"sanitize", QJsonArray{"overwrite"}}, {"sanitizeRunningAtStart", true},
                                      {"sanitizeFails", true}, {"sanitizeSeconds", 60}};
        use_Virtual_Drives(dir, "sanitize-failed.json", QJsonArray{drive("S0", 9999), failing});
        const int from = log_Size();
        {
            KV4L w;
            const QVector<device*> p = w.getDevicesList();
            QTRY_VERIFY_WITH_TIMEOUT(p[1]->isTest() == 1, 30000);
            QCOMPARE(bar(p[1]), QString("SANITIZE FAILED"));
            QVERIFY(p[1]->get_List_Log_Device().join("").contains("Sanitize failed: the drive needs a new sanitize"));
            QCOMPARE(log_Since(from).filter("the drive reports that the sanitize failed").size(), 1);
        }
        // The program started again finds the drive still failed, and says so before anything runs.
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        QCOMPARE(p[1]->isTest(), 1);
        QCOMPARE(bar(p[1]), QString("SANITIZE FAILED"));
        QCOMPARE(bar(p[0]).contains("SANITIZE"), false);
        QCOMPARE(log_Since(from).filter("its last sanitize failed, a new sanitize is needed for S/N: N1").size(), 1);
        if (!qEnvironmentVariableIsEmpty("KV_SHOTS"))
            w.grab().save(qEnvironmentVariable("KV_SHOTS") + "/sanitize-failed.png");

        // Selected, it is offered the sanitize again; the bar keeps saying why.
        check(p[1]);
        QVERIFY(QMetaObject::invokeMethod(&w, "create_Advanced_Features"));
        QStringList offered;
        for (QAction* a : w.get_Advanced_Menu()->actions())
            if (a->menu())
                for (QAction* inner : a->menu()->actions())
                    offered << a->menu()->title() + ": " + inner->text();
        QVERIFY2(offered.contains("Erase Sanitize: Overwrite"), qPrintable(offered.join('\n')));
        QCOMPARE(bar(p[1]), QString("SANITIZE FAILED"));
    }
};

QTEST_MAIN(TestDispatchErase)
#include "tst_dispatch_erase.moc"
