// The drive panel: identity, progress texts, every status report, the drive's message log and
// its translation, driven by the suite's own test operation through queued signals.
#include "tests/command.h"
#include "dispatchwindow.h"
#include "records.h"
#include "scriptedtest.h"

#include <QLabel>
#include <QPushButton>
#include <QToolTip>

namespace {

struct Panel {
    _tDevice record;
    device* panel;
    QProgressBar *bar, *phase;
    QPushButton* status;
    QCheckBox* check;
    explicit Panel(const char* model = "Brevane BV2000", const char* serial = "BV0001")
        : record(make_Record(model, serial, "FW01"))
    {
        panel = new device(record);
        bar = panel->findChild<QProgressBar*>("progressBar");
        phase = panel->findChild<QProgressBar*>("progressBar_2");
        status = panel->findChild<QPushButton*>("progressStatus");
        check = panel->findChild<QCheckBox*>("checkBox");
    }
    ~Panel() { delete panel; }
    void start(const QString& name, int type, bool phaseBar = false)
    {
        auto* descriptor = panel->get_Descriptor();
        descriptor->testName = name;
        descriptor->testType = type;
        descriptor->showPhaseBar = phaseBar;
        panel->set_Checked_Test();
        panel->execute();
    }
    // Takes over the test's descriptor and follows its status, as the main window does.
    void start(MainTest* test)
    {
        const auto& d = *test->getDescriptor();
        start(d.testName, d.testType, d.showPhaseBar);
        QObject::connect(test, &MainTest::changeStatus, panel, &device::change_Progress_status);
    }
    QString lastLog() const { return panel->get_List_Log_Device().last(); }
    QString icon() const { return panel->findChild<QLabel*>("lbIcon")->styleSheet(); }
};

} // namespace

class TestDevicePanel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        start_Window_Suite();
    }

    void identityAndIcon()
    {
        Panel maker("Brevane BV2000-ST", "BVSN42");
        QStringList texts;
        for (const char* name : {"lbModelNumber", "lbSerialNumber", "lbRevision"})
            texts << maker.panel->findChild<QLabel*>(name)->text();
        QCOMPARE(texts, (QStringList{"Brevane BV2000-ST", "BVSN42", "FW01"}));
        QVERIFY(maker.phase->isHidden() && !maker.status->isEnabled());
        QVERIFY(maker.icon().contains("ic_hd_brevane.png"));
        maker.panel->setImageHd(1);
        QVERIFY(maker.icon().contains("ic_hd_desabilitado.png"));
        Panel other("Other Disk 1TB", "OT1");
        QVERIFY(other.icon().contains("ic_hd_generic_on.png"));
        other.panel->setImageHd(1);
        QVERIFY(other.icon().contains("ic_hd_generic_off.png"));
    }

    void progressTexts()
    {
        Panel p;
        p.start("Long Generic Test", 2);
        p.panel->change_Progress_Value(42.57);
        QCOMPARE(p.bar->format(), QString("42.57% complete"));
        QCOMPARE(p.bar->font().pointSize(), 11);
        p.panel->change_Progress_Value(QString("01:02:03"));
        QCOMPARE(p.bar->format(), QString("42.57% complete")); // nothing redrawn yet
        p.panel->change_Progress_Value(42.57);
        QCOMPARE(p.bar->format(), QString("42.57% complete;remaining 01:02:03"));
        QCOMPARE(p.bar->font().pointSize(), 8);
        QCOMPARE(p.bar->value(), 43);
        p.panel->change_Progress_Value(QString());
        p.panel->change_Progress_Value(99.996);
        QCOMPARE(p.bar->value(), 100);
        QCOMPARE(p.bar->format(), QString("100.00% complete"));
        p.panel->change_Progress_Value(30, 70);
        QCOMPARE(p.bar->value(), 30);
        QCOMPARE(p.phase->value(), 70);
    }

    void statusReports_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("word");
        for (int code : {0, 1, 2, 3, 4, 14, 99})
            QTest::newRow(qPrintable(QString::number(code)))
                << code << (code == 0 ? "PASS" : code == 4 ? "IN PROGRESS" : code == 14 ? "UNABLE TO RUN" : "FAIL");
    }
    void statusReports()
    {
        QFETCH(int, code);
        QFETCH(QString, word);
        Panel p;
        p.start("Short Generic Test", 1);
        QCOMPARE(unstamped(p.lastLog()), QString("Short Generic Started\n"));
        QCOMPARE(p.panel->isTest(), 0);
        QVERIFY(!p.check->isEnabled() && p.status->isEnabled() && !p.panel->can_test());

        QSignalSpy doneSpy(p.panel, &device::test_Done), enabledSpy(p.panel, &device::enabled_Button_Test),
            removeSpy(p.panel, &device::remove_Item_Max_Test), countSpy(p.panel, &device::send_int_count);
        p.panel->change_Progress_status(code);
        QCOMPARE(p.bar->format(), word + " %p%");
        QVERIFY(p.status->styleSheet().contains(code ? "ic_status_alerta.png" : "ic_status_ok.png"));
        QVERIFY(!p.status->isEnabled());
        QVERIFY(p.check->isEnabled() && !p.check->isChecked());
        QCOMPARE(p.panel->isTest(), 1);
        QCOMPARE(unstamped(p.lastLog()), "Short Generic " + word + "\n");
        QCOMPARE(doneSpy.count(), code == 4 ? 0 : 1);
        if (code != 4)
            QCOMPARE(doneSpy.first().first().value<tDevice*>(), &p.record);
        QCOMPARE((QList<int>{enabledSpy.count(), removeSpy.count(), countSpy.count()}), (QList<int>{1, 1, 0}));
    }

    void abortTexts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("estimate");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("progress");
        QTest::newRow("with estimate") << 2 << "00:10:00" << "ABORTED 37.25% remaining 00:10:00" << 8
                                       << "37.25%  remaining 00:10:00";
        QTest::newRow("erase range") << 11 << "" << "ABORTED 37.25%" << 11 << "37.25%";
        QTest::newRow("other test") << 2 << "" << "ABORTED %p%" << 11 << "37%";
    }
    void abortTexts()
    {
        QFETCH(int, type);
        QFETCH(QString, estimate);
        QFETCH(QString, format);
        QFETCH(int, points);
        QFETCH(QString, progress);
        Panel p("Brevane X", "ABSN");
        p.start("Long Generic Test", type);
        if (!estimate.isEmpty())
            p.panel->change_Progress_Value(estimate);
        p.panel->change_Progress_Value(37.25);
        QSignalSpy logsSpy(p.panel, &device::change_Logs), doneSpy(p.panel, &device::test_Done),
            enabledSpy(p.panel, &device::enabled_Button_Test);
        p.panel->change_Progress_status(5);
        QCOMPARE(p.bar->format(), format);
        QCOMPARE(p.bar->font().pointSize(), points);
        QCOMPARE(unstamped(p.lastLog()), "Test Progress " + progress + " Test Aborted by User\n");
        QVERIFY(LogsApplication::Instance()->get_List_log().last().endsWith(
            "Test aborted by user for S/N: ABSN - Test Progress " + progress.left(progress.indexOf('%') + 1) + " "));
        QCOMPARE((QList<int>{logsSpy.count(), doneSpy.count(), enabledSpy.count()}), (QList<int>{1, 1, 0}));
        QVERIFY(p.status->styleSheet().contains("ic_status_cancelar_off.png"));
    }

    // A failed run shows where it stopped, and no time remaining for a run that is over.
    void failedBarKeepsNoRemainingTime()
    {
        for (int code : {1, 14}) {
            Panel p;
            p.start("Long Generic Test", 2);
            p.panel->change_Progress_Value(QString("00:10:00"));
            p.panel->change_Progress_Value(37.25);
            p.panel->change_Progress_status(code);
            QCOMPARE(p.bar->format(), QString(code == 1 ? "FAIL" : "UNABLE TO RUN") + " 37.25%");
            QCOMPARE(p.bar->font().pointSize(), 11);
        }
    }

    void setMaxLbaSuccessEntry()
    {
        Panel p;
        p.start("Set Max LBA", 12);
        p.record.maxLBA = 123456;
        p.panel->change_Progress_status(0);
        QCOMPARE(p.lastLog().count(QRegularExpression("\\d\\d:\\d\\d:\\d\\d")), 2);
        QCOMPARE(unstamped(p.lastLog()), QString("Set Max LBA PASS\nNew max LBA: 123456"));
    }

    void sanitizeAndCryptoReportCounts()
    {
        for (int type : {13, 14}) {
            Panel p;
            p.start(type == 13 ? "Erase Crypto" : "Sanitize Overwrite", type);
            QSignalSpy countSpy(p.panel, &device::send_int_count), finishSpy(p.panel, &device::test_finish),
                doneSpy(p.panel, &device::test_Done);
            p.panel->change_Progress_status(4); // no test_Done while IN PROGRESS
            QCOMPARE(countSpy.value(0).value(0), QVariant(1));
            QCOMPARE(finishSpy.value(0).value(0), QVariant(true));
            QCOMPARE((QList<int>{countSpy.count(), finishSpy.count(), doneSpy.count()}), (QList<int>{1, 1, 0}));
            p.panel->change_Progress_status(0);
            QCOMPARE(countSpy.count(), 2);
            QCOMPARE(doneSpy.count(), 1);
        }
    }

    void steppedBarOnSuccess()
    {
        Panel p;
        p.start("Write Same", 9);
        p.panel->change_Progress_Value(60);
        QList<int> seen;
        connect(p.bar, &QProgressBar::valueChanged, this, [&](int v) { seen << v; });
        p.panel->change_Progress_status(0);
        QList<int> steps;
        for (int v = 61; v <= 100; ++v)
            steps << v;
        QCOMPARE(seen, steps);
        QCOMPARE(p.bar->format(), QString("PASS %p%"));
    }

    void selectionSignals()
    {
        Panel p;
        QSignalSpy add(p.panel, &device::add_Item_Max_Test), remove(p.panel, &device::remove_Item_Max_Test);
        p.panel->set_Checked_Test();
        QVERIFY(p.panel->chk_Is_Checked());
        QCOMPARE(add.count() + remove.count(), 0);
        p.check->click();
        QCOMPARE(remove.count(), 1);
        p.check->click();
        QCOMPARE(add.count(), 1);
        QVERIFY(p.panel->can_test());
    }

    void rangeValuesAndSectorReports()
    {
        Panel p;
        const int before = p.panel->get_List_Log_Device().size();
        p.panel->log_input_Values(0, 1000);
        p.panel->log_Erro_Test_Device("4242");
        p.panel->log_Fixed_Test_Device("77");
        QStringList log;
        for (const QString& entry : p.panel->get_List_Log_Device().mid(before))
            log << unstamped(entry);
        QCOMPARE(log, (QStringList{"Start: 0\n", "End: 1000\n", "Error LBA: 4242\n", "Fixed LBA: 77\n"}));
        QVERIFY(g_List_Log_Device_Temp.isEmpty());
        QVERIFY(p.panel->get_List_Log_Device_Aux().contains("Start:"));
    }

    void phaseNamesAndAbortDuringPhases()
    {
        Panel p;
        p.start("Short Generic Test", 1, true);
        QVERIFY(!p.phase->isHidden());
        p.panel->change_Progress_Name_Test(3);
        QCOMPARE(p.phase->format(), QString("Outer Scan %p%"));
        QCOMPARE(unstamped(p.lastLog()), QString("Outer Scan Started\n"));
        p.panel->change_Progress_Name_Test(9);
        QCOMPARE(p.phase->format(), QString("Outer Scan %p%"));
        QCOMPARE(unstamped(p.lastLog()), QString(" Started\n"));
        p.panel->change_Progress_Name_Test(5);
        QCOMPARE(p.phase->format(), QString("Random Read %p%"));
        QSignalSpy abortSpy(p.panel, &device::select_Abort);
        p.status->click();
        QCOMPARE(abortSpy.count(), 1);
        QCOMPARE(p.phase->format(), QString(" %p%")); // random read: only the percentage
        QVERIFY(!p.status->isEnabled());

        Panel q;
        q.start("Short Generic Test", 1, true);
        q.panel->change_Progress_Name_Test(4);
        q.status->click();
        QCOMPARE(q.phase->format(), QString("Inner Scan %p%"));
    }

    void drivenByAQueuedTest()
    {
        Panel p;
        Invoker invoker;
        auto* test = new ScriptedTest(&p.record, 0, 40, 2, "Long Generic Test");
        test->estimate = "00:01:00";
        p.start(test);
        connect(test, QOverload<int>::of(&ScriptedTest::changePercent), p.panel,
                QOverload<int>::of(&device::change_Progress_Value));
        connect(test, QOverload<double>::of(&ScriptedTest::changePercent), p.panel,
                QOverload<double>::of(&device::change_Progress_Value));
        connect(test, &ScriptedTest::changeTimeEstimate, p.panel,
                QOverload<QString>::of(&device::change_Progress_Value));
        connect(p.panel, &device::test_Done, &invoker, &Invoker::this_Done);
        connect(p.panel, &device::select_Abort, &invoker, &Invoker::abortCommand);
        invoker.executeTest(new MainTestCmd(test));
        QTRY_COMPARE(p.bar->format(), QString("40.50% complete;remaining 00:01:00"));
        p.status->click(); // the user aborts
        QTRY_COMPARE(p.panel->isTest(), 1);
        QCOMPARE(unstamped(p.lastLog()),
                 QString("Test Progress 40.50%  remaining 00:01:00 Test Aborted by User\n"));
        QCOMPARE(invoker.command_Count(), 0);
        QTRY_COMPARE(MainTest::live_Count(), 0);
    }

    void retranslationAfterLanguageSwitch()
    {
        Panel passed, idle, phased, aborted, abortedRange, failed, running, stillRunning;
        passed.start("Short Generic Test", 1);
        passed.panel->change_Progress_status(0);
        stillRunning.start("Short DST", 0); // the drive's self-test outlasted the operation
        stillRunning.panel->change_Progress_status(4);
        phased.start("Short Generic Test", 1, true);
        phased.panel->change_Progress_Name_Test(4);
        // Bars whose text says more than the word and the percentage: all of it stays.
        for (Panel* p : {&aborted, &abortedRange, &failed, &running}) {
            p->start("Long Generic Test", p == &abortedRange ? 11 : 2);
            if (p != &abortedRange)
                p->panel->change_Progress_Value(QString("00:10:00"));
            p->panel->change_Progress_Value(37.25);
        }
        aborted.panel->change_Progress_status(5);
        abortedRange.panel->change_Progress_status(5);
        failed.panel->change_Progress_status(1);
        const QStringList english{aborted.bar->format(), abortedRange.bar->format(), failed.bar->format(),
                                  running.bar->format()};

        use_Language("de_DE");
        const QString abortWord = QCoreApplication::translate("ResultTags", "ABORT");
        const QString remaining = QCoreApplication::translate("device", "remaining");
        QCOMPARE(aborted.bar->format(), abortWord + " 37.25% " + remaining + " 00:10:00");
        QCOMPARE(abortedRange.bar->format(), abortWord + " 37.25%");
        QCOMPARE(failed.bar->format(), QCoreApplication::translate("ResultTags", "FAIL") + " 37.25%");
        QCOMPARE(running.bar->format(), "37.25% " + QCoreApplication::translate("device", "complete") + ";"
                                            + remaining + " 00:10:00");
        const QString pass = QCoreApplication::translate("ResultTags", "PASS");
        QVERIFY2(pass != "PASS" && !pass.isEmpty(), "the German catalog translates PASS");
        QCOMPARE(passed.bar->format(), pass + " %p%");
        QCOMPARE(stillRunning.bar->format(), QCoreApplication::translate("ResultTags", "IN PROGRESS") + " %p%");
        QCOMPARE(idle.bar->format(), QString(" %p%"));
        QCOMPARE(phased.phase->format(), QCoreApplication::translate("ResultTags", "Inner Scan") + " %p%");
        // A new entry is built in the language of the moment; the pieces stay English.
        passed.panel->log_Erro_Test_Device("9");
        const QString error = QCoreApplication::translate("device", "Error");
        QVERIFY(error != "Error");
        QCOMPARE(unstamped(passed.lastLog()), error + " LBA: 9\n");
        QVERIFY(passed.panel->get_List_Log_Device_Aux().contains("Error"));
        use_Language("en_US");
        QCOMPARE(passed.bar->format(), QString("PASS %p%"));
        QCOMPARE(stillRunning.bar->format(), QString("IN PROGRESS %p%"));
        QCOMPARE((QStringList{aborted.bar->format(), abortedRange.bar->format(), failed.bar->format(),
                              running.bar->format()}),
                 english);
    }

    // The tooltip that shows a cut model whole is drawn readable: its own opaque background
    // under dark text, not the transparent background of the label it belongs to (which,
    // without a compositor, is black).
    void modelTooltipIsReadable()
    {
        Panel p("Brevane BV2000-ST 2TB SATA 7200 RPM 256M", "TIP1");
        p.panel->resize(900, 75);
        p.panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(p.panel));
        auto* model = p.panel->findChild<QLabel*>("lbModelNumber");
        QCOMPARE(model->toolTip(), QString("Brevane BV2000-ST 2TB SATA 7200 RPM 256M"));
        QToolTip::showText(model->mapToGlobal(model->rect().center()), model->toolTip(), model);
        auto shownTip = [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->inherits("QTipLabel") && w->isVisible())
                    return qobject_cast<QLabel*>(w);
            return static_cast<QLabel*>(nullptr);
        };
        QTRY_VERIFY(shownTip());
        QLabel* tip = shownTip();
        QCOMPARE(tip->text(), model->toolTip());
        const QImage shot = tip->grab().toImage();
        // The middle row crosses the text: it has a light background and dark letters.
        const int y = shot.height() / 2;
        int light = 0, dark = 0;
        for (int x = 0; x < shot.width(); ++x) {
            const int l = qGray(shot.pixel(x, y));
            light += l > 200;
            dark += l < 80;
        }
        QVERIFY2(light > shot.width() / 2 && dark > 0, qPrintable(QString("%1 light, %2 dark").arg(light).arg(dark)));
        QToolTip::hideText();
    }

    void manyRunsLeaveNothingBehind()
    {
        Panel p;
        Invoker invoker;
        connect(p.panel, &device::test_Done, &invoker, &Invoker::this_Done);
        for (int i = 0; i < 100; ++i) {
            auto* test = new ScriptedTest(&p.record, i % 2 ? 0 : 1, 3, 2, "Long Generic Test");
            p.start(test);
            invoker.executeTest(new MainTestCmd(test));
            test->release.release();
            QTRY_COMPARE(p.panel->isTest(), 1);
        }
        QTRY_COMPARE(MainTest::live_Count(), 0);
        QCOMPARE(Command::live_Count(), 0);
        QCOMPARE(invoker.command_Count(), 0);
        QCOMPARE(p.panel->get_List_Log_Device().size(), 200);
    }
};

QTEST_MAIN(TestDevicePanel)
#include "tst_device_panel.moc"
