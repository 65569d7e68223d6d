// The main window on virtual drives: panels, the twelve-drive limit, the menus each selection
// gets, rescan, language switching and the ways the window ends the process.
#include "tests/command.h"
#include "app/commandline.h"
#include "dispatchwindow.h"
#include "info/infotags.h"
#include "drivefile.h"
#include "info/infotags.h"
#include "log/logfile.h"
#include "dialogs/msgalert.h"
#include "log/viewlog.h"

#include <QDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QToolButton>

namespace {

// The text the child below saves over and over; large enough that a kill lands mid-write.
QString application_Log_Text()
{
    QString text;
    for (int i = 0; i < 40000; ++i)
        text += QString("Jan 01 2026 - 00:00:00 |   line %1 of the application log\n").arg(i);
    return text + "END\n";
}

// Started as a child by applicationLogSurvivesKill: saves kestrova.log until killed.
[[maybe_unused]] const bool saverChild = [] {
    if (qEnvironmentVariableIsSet("KV_SAVE_APPLICATION_LOG_FOREVER")) {
        const QString text = application_Log_Text();
        for (;;)
            logfile::replace_Atomically("kestrova.log", text);
    }
    return false;
}();

QStringList file_Lines(const QString& name)
{
    return file_Text(name).split('\n', Qt::SkipEmptyParts);
}

QStringList menu_Texts(QMenu* menu)
{
    QStringList out;
    for (QAction* a : menu->actions())
        out << (a->menu() ? "[" + a->menu()->title() + ": " + menu_Texts(a->menu()).join(", ") + "]"
                          : a->text());
    return out;
}

QJsonObject usb(const QString& serial)
{
    return {{"name", "usb"}, {"model", "Stick"}, {"serial", serial}, {"maxLba", 1000}, {"interface", "usb"}};
}

QStringList serials(KV4L& w)
{
    QStringList out;
    for (device* d : w.getDevicesList())
        out << d->get_Serial_Number();
    return out;
}

QAction* language(KV4L& w, const QString& code)
{
    for (QAction* a : w.get_Language_Menu()->actions())
        if (a->data().toString() == code)
            return a;
    return nullptr;
}

bool enabled(KV4L& w, const char* button)
{
    return w.findChild<QToolButton*>(button)->isEnabled();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QList<int> ended;

private slots:
    void initTestCase()
    {
        start_Window_Suite();
        KV4L::endProcess = [this](int status) { ended << status; };
        QDir::setCurrent(dir.path());
    }

    void panelsForUsableDrivesOnly()
    {
        use_Virtual_Drives(dir, "usable.json",
                           QJsonArray{maker_Drive("a", "SA"), virtual_Drive("b", "Other Disk", "SB"), usb("SU"),
                                      QJsonObject{{"name", "dvd"}, {"model", "Optical"}, {"serial", "SO"},
                                                  {"driveType", "optical"}}});
        const int from = log_Size();
        KV4L w;
        QCOMPARE(serials(w), (QStringList{"SA", "SB", "SU"})); // USB kept without skipUSB; optical dropped
        QVERIFY(log_Since(from).contains("Called: devices_Discovery - quantity of devices found: 3"));
        QVERIFY(w.getDevicesList().at(0)->is_Brevane_Device());
        QVERIFY(!enabled(w, "toolButtonBasicTest") && !enabled(w, "toolButtonAdvancedFeatures"));
    }

    // Flash drives are not drawn as hard disks; the NVMe drive's information panel opens with
    // its own rows. KV_SHOTS=dir saves the window with it open, in English and German.
    void flashDrivesListed()
    {
        qputenv("OSKN_VIRTUAL_DRIVES", KV_SOURCE_DIR "/demo/drives.json");
        KV4L w;
        w.resize(1280, 800);
        w.show();
        device* nvme = nullptr;
        for (device* d : w.getDevicesList()) {
            const QString icon = d->findChild<QLabel*>("lbIcon")->styleSheet();
            const bool flash = d->get_tDevice()->driveType == OSKN_DRIVE_NVME;
            QCOMPARE(icon.contains("ic_nvme_"), flash);
            QCOMPARE(icon.contains("ic_hd_"), !flash);
            if (flash)
                nvme = d;
        }
        QVERIFY(nvme);
        if (!qEnvironmentVariableIsEmpty("KV_SHOTS"))
            w.grab().save(qEnvironmentVariable("KV_SHOTS") + "/drive-list-sata-usb-nvme.png");
        nvme->findChild<QAbstractButton*>("btnAccord")->click();
        QTRY_VERIFY(informantionDevice && informantionDevice->isVisible());
        QTRY_COMPARE(informantionDevice->get_TDevice(), nvme->get_tDevice());
        QVERIFY(informantionDevice->findChild<QLabel*>("lbCriticalWarningValue")->isVisible());
        for (const char* code : {"en_US", "de_DE"}) {
            language(w, code)->trigger();
            QTest::qWait(200);
            if (!qEnvironmentVariableIsEmpty("KV_SHOTS"))
                w.grab().save(QString("%1/nvme-information-%2.png").arg(qEnvironmentVariable("KV_SHOTS"), code));
        }
        language(w, "en_US")->trigger();
    }

    void twelveDriveLimit()
    {
        QJsonArray drives;
        for (int i = 0; i < 14; ++i)
            drives.append(maker_Drive(QString("d%1").arg(i), QString("S%1").arg(i)));
        use_Virtual_Drives(dir, "fourteen.json", drives);
        KV4L w;
        const QVector<device*> panels = w.getDevicesList();
        for (int i = 0; i < 12; ++i)
            check(panels[i]);
        QCOMPARE(w.get_Max_Test_Device(), 12);
        QVERIFY(!panels[12]->isEnabled() && !panels[13]->isEnabled() && panels[0]->isEnabled());
        QVERIFY(panels[12]->findChild<QLabel*>("lbIcon")->styleSheet().contains("ic_hd_desabilitado.png"));
        check(panels[3]); // uncheck one of the twelve
        QCOMPARE(w.get_Max_Test_Device(), 11);
        QVERIFY(panels[12]->isEnabled() && panels[13]->isEnabled());
        QVERIFY(panels[13]->findChild<QLabel*>("lbIcon")->styleSheet().contains("ic_hd_brevane.png"));
    }

    void basicMenuFollowsTheSelection()
    {
        use_Virtual_Drives(dir, "mixed.json", QJsonArray{maker_Drive("m1", "M1"), virtual_Drive("o1", "Other Disk", "O1")});
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        check(p[0]);
        const QStringList four{"S.M.A.R.T. &Check", "Short &Drive Self Test", "&Short Generic Test",
                               "&Long Generic Test"};
        QCOMPARE(menu_Texts(w.get_Basic_Test_Menu()), four + QStringList{"[Fix All: Fast, Long]"});
        check(p[1]);
        QCOMPARE(menu_Texts(w.get_Basic_Test_Menu()), four); // no repairs with another maker's drive
        check(p[1]);
        QCOMPARE(menu_Texts(w.get_Basic_Test_Menu()), four + QStringList{"[Fix All: Fast, Long]"});
        check(p[0]);
        QVERIFY(!enabled(w, "toolButtonBasicTest") && !enabled(w, "toolButtonAdvancedFeatures"));
    }

    void advancedMenuProbes_data()
    {
        QTest::addColumn<QJsonArray>("drives");
        QTest::addColumn<QStringList>("menu");
        auto with = [](QJsonObject d, const QString& key, const QJsonValue& v) {
            d[key] = v;
            return d;
        };
        const QJsonObject both{{"overwrite", true}, {"crypto", true}}, overwrite{{"overwrite", true}};
        const QJsonObject writeSame = with(with(maker_Drive("a", "A"), "writeSame", true), "sanitize", both);
        const QJsonObject idd = with(maker_Drive("a", "A"), "idd", QJsonObject{{"test70", true}});
        const QStringList base{"Spin Down", "Set Max LBA", "[Erase: Overwrite Full, Erase Track ZERO, Range, Time]"};
        const QString sanitize = "[Erase Sanitize: Crypto, Overwrite]";
        QTest::newRow("another maker's drive: spin down only")
            << QJsonArray{maker_Drive("a", "A"), virtual_Drive("o", "Other", "O")} << QStringList{"Spin Down"};
        QTest::newRow("write same from the last probed drive")
            << QJsonArray{writeSame, with(maker_Drive("b", "B"), "sanitize", overwrite)} << base + QStringList{sanitize};
        QTest::newRow("write same, other order") << QJsonArray{with(maker_Drive("b", "B"), "sanitize", overwrite), writeSame}
                                                 << base + QStringList{"Erase Write Same", sanitize};
        QTest::newRow("probe stops at a drive without sanitize: IDD of the first")
            << QJsonArray{idd, maker_Drive("b", "B")} << base + QStringList{"[IDD: IDD 70]"};
        QTest::newRow("drive with IDD not probed") << QJsonArray{maker_Drive("b", "B"), idd} << base;
        QTest::newRow("PSID for a TCG drive")
            << QJsonArray{with(maker_Drive("a", "A"), "tcg", QJsonObject{{"psid", QString(32, 'P')}})}
            << base + QStringList{"Erase PSID"};
    }
    void advancedMenuProbes()
    {
        QFETCH(QJsonArray, drives);
        QFETCH(QStringList, menu);
        use_Virtual_Drives(dir, QString("adv-%1.json").arg(QTest::currentDataTag()).replace(' ', '_'), drives);
        KV4L w;
        for (device* d : w.getDevicesList())
            check(d);
        QVERIFY(enabled(w, "toolButtonAdvancedFeatures"));
        QVERIFY(!w.is_Advanced_Menu_Built());
        QVERIFY(QMetaObject::invokeMethod(&w, "create_Advanced_Features"));
        QVERIFY(w.is_Advanced_Menu_Built());
        QCOMPARE(menu_Texts(w.get_Advanced_Menu()), menu);
        check(w.getDevicesList().first()); // any change of selection detaches the menu
        QVERIFY(!w.findChild<QToolButton*>("toolButtonAdvancedFeatures")->menu());
    }

    // After any change of selection, drives still ticked or not, the button shows the gate again.
    void advancedGateAfterEachChange()
    {
        use_Virtual_Drives(dir, "gate.json", QJsonArray{maker_Drive("g1", "G1"), maker_Drive("g2", "G2")});
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        QToolButton* button = w.findChild<QToolButton*>("toolButtonAdvancedFeatures");
        int gates = 0;
        auto press = [&] {
            QTimer::singleShot(0, [&] {
                if (auto* gate = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    ++gates;
                    // The menu the accepted gate opens is closed again at once.
                    QTimer::singleShot(0, [] {
                        if (QWidget* menu = QApplication::activePopupWidget())
                            menu->close();
                    });
                    gate->accept();
                }
            });
            button->click();
        };
        check(p[0]);
        press();
        QCOMPARE(gates, 1);
        QVERIFY(w.is_Advanced_Menu_Built());
        check(p[1]); // the first stays ticked
        QVERIFY(!w.is_Advanced_Menu_Built());
        press();
        QCOMPARE(gates, 2);
        QCOMPARE(button->menu(), w.get_Advanced_Menu());
    }

    void identityColumns_data()
    {
        QTest::addColumn<QString>("code");
        for (QString file : TranslationStatic::list_Catalogs()) {
            file.truncate(file.lastIndexOf('.'));
            QTest::newRow(qPrintable(file)) << file;
        }
    }

    // At 1024x768 the longest serials and revisions, in the widest letters, show whole inside
    // their columns; long models are cut in the middle, so that models differing only at their
    // end still read differently, and are whole in their tooltips; header and rows line up.
    void identityColumns()
    {
        QFETCH(QString, code);
        qputenv("OSKN_VIRTUAL_DRIVES", KV_SOURCE_DIR "/demo/wide-drives.json");
        KV4L w;
        w.resize(1024, 768);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        language(w, code)->trigger();
        for (int i = 0; i < 3; ++i) // the texts of the new language are laid out
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        auto x = [&](QWidget* widget) { return widget->mapTo(&w, QPoint()).x(); };
        auto header = [&](const char* name) { return w.findChild<QWidget*>("widget")->findChild<QLabel*>(name); };
        const QVector<device*> panels = w.getDevicesList();
        QCOMPARE(panels.size(), 14);
        QVERIFY(w.findChild<QScrollArea*>("mainScroll")->verticalScrollBar()->isVisible());
        QSet<QString> shownModels;
        for (device* panel : panels) {
            auto* model = panel->findChild<QLabel*>("lbModelNumber");
            const QString whole = panel->get_Model_ID(), shown = model->text();
            shownModels << shown;
            if (model->toolTip().isEmpty()) { // a model short enough (the stick reports 16 characters)
                QCOMPARE(shown, whole);
            } else {
                QCOMPARE(model->toolTip(), whole);
                const QStringList ends = shown.split(QChar(0x2026));
                QVERIFY2(ends.size() == 2 && whole.startsWith(ends[0]) && whole.endsWith(ends[1]) && !ends[1].isEmpty(),
                         qPrintable(shown));
            }
            QVERIFY(model->fontMetrics().horizontalAdvance(model->text()) <= model->width());
            for (auto [name, whole] : {std::pair{"lbSerialNumber", panel->get_Serial_Number()},
                                       {"lbRevision", panel->get_Revision()}}) {
                auto* label = panel->findChild<QLabel*>(name);
                QCOMPARE(label->text(), whole);
                QVERIFY2(label->fontMetrics().horizontalAdvance(whole) <= label->width(), name);
            }
            QVERIFY(x(model) + model->width() < x(panel->findChild<QLabel*>("lbSerialNumber")));
            const QWidget* status = panel->findChild<QWidget*>("progressStatus");
            QVERIFY(status->mapTo(panel, QPoint(status->width(), 0)).x() <= panel->width());
            for (auto [column, title] : {std::pair{"lbModelNumber", "lbModel"}, {"lbSerialNumber", "lbSerialNumber"},
                                         {"lbRevision", "lbRevision"}, {"progressBar", "lbTestProgress"}})
                QCOMPARE(x(panel->findChild<QWidget*>(column)), x(header(title)));
        }
        QCOMPARE(shownModels.size(), panels.size()); // fourteen models, fourteen texts
        for (const char* title : {"lbModel", "lbSerialNumber", "lbRevision", "lbTestProgress"})
            QVERIFY2(header(title)->fontMetrics().horizontalAdvance(header(title)->text()) <= header(title)->width(),
                     qPrintable(header(title)->text()));
        if (!qEnvironmentVariableIsEmpty("KV_SHOTS"))
            w.grab().save(QString("%1/drives-%2.png").arg(qEnvironmentVariable("KV_SHOTS"), code));
        language(w, "en_US")->trigger();
    }

    void rescanRebuildsIdlePanels()
    {
        use_Virtual_Drives(dir, "rescan-1.json", QJsonArray{maker_Drive("r1", "R1"), maker_Drive("r2", "R2")});
        KV4L w;
        QCOMPARE(serials(w), (QStringList{"R1", "R2"}));
        // The description is edited: R2 gone, R3 added.
        use_Virtual_Drives(dir, "rescan-1.json", QJsonArray{maker_Drive("r1", "R1"), maker_Drive("r3", "R3")});
        const int from = log_Size();
        QVERIFY(QMetaObject::invokeMethod(&w, "on_toolButtonRescan_clicked"));
        QTRY_VERIFY(log_Since(from).contains("Case 1 - List of devices on test is empty"));
        QCOMPARE(serials(w), (QStringList{"R1", "R3"}));
        const QStringList lines = log_Since(from);
        for (const char* line : {"Execute: rescan()", "Quantity of devices being tested: 0",
                                 "Called: devices_Discovery - quantity of devices found: 2", "Quantity of devices: 2"})
            QVERIFY2(lines.contains(line), line);
    }

    void languageSwitch()
    {
        use_Virtual_Drives(dir, "lang.json", QJsonArray{maker_Drive("l1", "L1")});
        KV4L w;
        QToolButton* file = w.findChild<QToolButton*>("toolButtonFile");
        QCOMPARE(file->shortcut(), QKeySequence("Ctrl+F"));
        QCOMPARE(w.findChild<QToolButton*>("toolButtonExit")->shortcut(), QKeySequence("Ctrl+X"));
        QAction* german = language(w, "de_DE");
        QVERIFY(german);
        device* panel = w.getDevicesList().first();
        panel->log_Erro_Test_Device("5");
        panel->log_Erro_Test_Device("6");
        german->trigger();
        // The drive's log is rebuilt, in the new language, from its untranslated pieces.
        const QString error = QCoreApplication::translate("device", "Error");
        QVERIFY(error != "Error");
        QCOMPARE(panel->get_List_Log_Device().size(), 1);
        QCOMPARE(panel->get_List_Log_Device().first().count(error + " LBA: "), 2);
        QCOMPARE(TranslationStatic::get_Instance()->get_language(), QString("de_DE"));
        QVERIFY(german->isChecked());
        const QString text = file->text();
        QCOMPARE(text, QCoreApplication::translate("KV4L", "&File"));
        QVERIFY(text.contains('&'));
        QCOMPARE(file->shortcut(), QKeySequence("Ctrl+" + text.mid(text.indexOf('&') + 1, 1)));
        language(w, "en_US")->trigger();
        QCOMPARE(file->text(), QString("&File"));
    }

    void driveLogFiles()
    {
        use_Virtual_Drives(dir, "logs.json",
                           QJsonArray{maker_Drive("a", "ABC"), maker_Drive("b", "../x"), virtual_Drive("c", "Plain", ""),
                                      maker_Drive("d", "a/b")});
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        QVERIFY(!QFile::exists("ABC.log")); // no message, no file
        p[0]->log_Erro_Test_Device("5");
        const QStringList header{"=============================================== ", "Kestrova Bootable v2.0.7 ",
                                 "Model Number : Brevane BVa", "Serial Number : ABC", "Firmware Revision : 1.00",
                                 "=============================================== "};
        QStringList lines = file_Lines("ABC.log");
        QCOMPARE(lines.mid(0, 6), header);
        QCOMPARE(lines.size(), 8);
        QVERIFY(lines[6].endsWith("|  Program started"));
        QVERIFY(lines[7].endsWith("|  Error LBA: 5"));
        // Two more messages, one of them with breaks and tabs inside: exactly two more lines.
        p[0]->log_Fixed_Test_Device("7\t8\r\n9");
        p[0]->log_input_Values(0, 1000);
        lines = file_Lines("ABC.log");
        QCOMPARE(lines.size(), 11);
        QVERIFY(lines[8].endsWith("|  Fixed LBA: 789"));
        QVERIFY(lines[10].endsWith("|  End: 1000"));

        // Serials that are paths stay inside the directory; an empty one is named by its panel.
        for (device* d : {p[1], p[2], p[3]})
            d->log_Erro_Test_Device("1");
        QVERIFY(QFile::exists("%2E.%2Fx.log") && QFile::exists("a%2Fb.log") && QFile::exists("Log2........log"));
        QVERIFY(!QFile::exists("../x.log") && !QDir("a").exists());
        QCOMPARE(file_Lines("Log2........log").at(3), QString("Serial Number : "));

        // After a language switch the log is one rebuilt entry; later messages still reach the file.
        language(w, "de_DE")->trigger();
        p[0]->log_Erro_Test_Device("11");
        language(w, "en_US")->trigger();
        p[0]->log_Erro_Test_Device("12");
        lines = file_Lines("ABC.log");
        QCOMPARE(lines.size(), 13);
        QVERIFY(lines[12].endsWith("|  Error LBA: 12"));
        QCOMPARE(lines.filter("Kestrova Bootable").size(), 1);
    }

    // A serial that would name another file gets a file of its own: the application log's, a
    // serial-less drive's or its report's, a device name FAT keeps, or another drive's differing
    // only in letter case, which FAT takes for the same file. The application log says where
    // such a drive's log went. Two drives with one serial (the library trims "DUP "), which
    // virtual drives refuse, are told apart by their order.
    void logFilesThatWouldCollide()
    {
        QTemporaryDir own;
        struct Back { // to the suite's directory, however the test ends
            QString path = QDir::currentPath();
            ~Back() { QDir::setCurrent(path); }
        } back;
        QDir::setCurrent(own.path());
        const QStringList serialsInOrder{"DUP", "", "Log1.......", "kestrova", "Device----", "ABCX", "abcx", "CON"};
        QJsonArray drives;
        for (int i = 0; i < serialsInOrder.size(); ++i)
            drives.append(maker_Drive(QString("c%1").arg(i), serialsInOrder[i]));
        use_Virtual_Drives(dir, "collide.json", drives);
        const int from = log_Size();
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        QCOMPARE(p.size(), serialsInOrder.size());
        for (device* d : p)
            d->log_Erro_Test_Device("1");
        const QStringList expected{"DUP.log", "Log1........log", "Log1.......~2.log", "kestrova~2.log",
                                   "Device----~2.log", "ABCX.log", "abcx~2.log", "CON~2.log"};
        QCOMPARE(QDir(".").entryList(QStringList{"*.log"}, QDir::Files, QDir::Name), [&] {
            QStringList sorted = expected;
            sorted.sort();
            return sorted;
        }());
        for (int i = 0; i < expected.size(); ++i) {
            const QStringList lines = file_Lines(expected[i]);
            QCOMPARE(lines.size(), 8); // one header, the start mark, one message: no file is shared
            QCOMPARE(lines[3], "Serial Number : " + p[i]->get_Serial_Number());
        }
        const QStringList said = log_Since(from);
        QVERIFY(said.contains("Warning: kestrova.log is another file's - the log of SN: kestrova goes to kestrova~2.log"));
        QVERIFY(said.contains("Warning: abcx.log is another file's - the log of SN: abcx goes to abcx~2.log"));
        QCOMPARE(said.filter(" is another file's - ").size(), 5);

        // The drive-information report of the second ABCX goes to that drive's file.
        p[6]->findChild<QToolButton*>("btnAccord")->click();
        QVERIFY(informantionDevice);
        informantionDevice->findChild<QPushButton*>("pushButton")->click();
        QVERIFY(file_Text("abcx~2.log").contains("============= Drive Information ============="));
        QVERIFY(!file_Text("ABCX.log").contains("Drive Information"));

        logfile::DriveLogNames names;
        QString ordinary;
        QCOMPARE(names.name_For("DUP", 0, &ordinary), QString("DUP.log"));
        QVERIFY(ordinary.isEmpty());
        QCOMPARE(names.name_For("DUP", 1, &ordinary), QString("DUP~2.log"));
        QCOMPARE(ordinary, QString("DUP.log"));
        QCOMPARE(names.name_For("DUP", 0), QString("DUP.log")); // asked again, the same file
    }

    void fullMediumKeepsLinesUnsaved()
    {
        use_Virtual_Drives(dir, "full.json", QJsonArray{maker_Drive("f", "FULL")});
        KV4L w;
        device* panel = w.getDevicesList().first();
        panel->log_Erro_Test_Device("1");
        const qint64 size = QFileInfo("FULL.log").size();
        // The medium fills up: only a few more bytes fit.
        on_Full_Medium(rlim_t(size + 10), [panel] { panel->log_Erro_Test_Device("2"); });
        QVERIFY(MsgAlert::Instance()->isVisible());
        MsgAlert::Instance()->hide();
        QCOMPARE(QFileInfo("FULL.log").size(), size); // nothing half written
        panel->log_Erro_Test_Device("3");
        const QStringList lines = file_Lines("FULL.log");
        QCOMPARE(lines.size(), 10);
        QVERIFY(lines[7].endsWith("LBA: 1") && lines[8].endsWith("LBA: 2") && lines[9].endsWith("LBA: 3"));
    }

    // Replacing the application log on a full medium keeps the old file whole, whether the
    // text stays in the write buffer (small) or goes straight to the file (large).
    void fullMediumKeepsTheApplicationLog()
    {
        const QString old = "the log as saved before\n";
        QVERIFY(logfile::replace_Atomically("kestrova.log", old));
        for (int length : {1000, 100000}) {
            bool written = true;
            on_Full_Medium(rlim_t(length / 2),
                           [&] { written = logfile::replace_Atomically("kestrova.log", QString(length, 'x')); });
            QVERIFY2(!written, qPrintable(QString::number(length)));
            QCOMPARE(file_Text("kestrova.log"), old);
            QCOMPARE(QDir(".").entryList(QStringList{"kestrova.log*"}, QDir::Files | QDir::Hidden),
                     QStringList{"kestrova.log"}); // no temporary file left behind
        }
        QVERIFY(logfile::replace_Atomically("kestrova.log", "whole\n"));
        QCOMPARE(file_Text("kestrova.log"), QString("whole\n"));
    }

    void applicationLogSurvivesKill()
    {
        use_Virtual_Drives(dir, "applog.json", QJsonArray{});
        KV4L w;
        w.save_Log_Application();
        const QString saved = file_Text("kestrova.log");
        QVERIFY(saved.startsWith(QString(72, '=') + " \n\nKestrova Bootable v2.0.7 \n\n" + QString(72, '=') + " \n\n"));
        QVERIFY(saved.endsWith(viewLog->get_LogAplication()));

        const QString expected = application_Log_Text();
        QRandomGenerator random(7);
        for (int i = 0; i < 12; ++i) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("KV_SAVE_APPLICATION_LOG_FOREVER", "1");
            child.setProcessEnvironment(env);
            child.setWorkingDirectory(dir.path());
            child.start(QCoreApplication::applicationFilePath(), QStringList());
            QVERIFY(child.waitForStarted());
            QTest::qSleep(100 + random.bounded(200));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished());
            const QString now = file_Text("kestrova.log");
            QVERIFY2(now == saved || now == expected, qPrintable(QString("run %1: %2 bytes").arg(i).arg(now.size())));
        }
    }

    void closingWithATestRunning()
    {
        use_Virtual_Drives(dir, "running.json", QJsonArray{maker_Drive("r", "RUN"), maker_Drive("i", "IDLE")});
        KV4L w;
        w.show();
        device* panel = w.getDevicesList().first();
        device* idle = w.getDevicesList().last();
        auto* notice = w.findChild<QLabel*>("powerOffNotice");
        QVERIFY(notice && !notice->isVisible());
        panel->get_Descriptor()->testName = "Short DST";
        panel->get_Descriptor()->testType = 1;
        panel->execute();
        QVERIFY(w.can_Close());
        int asked = 0;
        int answer = QDialog::Rejected;
        KV4L::askClose = [&](QDialog* question) {
            ++asked;
            return question->findChild<QPushButton*>("pbOk") ? answer : -1;
        };
        ended.clear();
        w.close();
        QVERIFY(QMetaObject::invokeMethod(&w, "on_toolButtonExit_clicked"));
        QTest::qWait(1200);
        QCOMPARE(asked, 2);
        QVERIFY(ended.isEmpty() && w.isVisible() && panel->isTest() == 0);
        QCOMPARE(panel->get_List_Log_Device().size(), 1); // only "started"

        // Exit, then the test ends: its last message is on disk before the power-off.
        answer = QDialog::Accepted;
        QString atEnd;
        KV4L::endProcess = [&](int status) {
            ended << status;
            atEnd = file_Text("RUN.log");
        };
        QVERIFY(QMetaObject::invokeMethod(&w, "on_toolButtonExit_clicked"));
        QTest::qWait(1200);
        QVERIFY(ended.isEmpty());
        // While it waits, the window says so and starts nothing new.
        QVERIFY(notice->isVisible());
        QCOMPARE(notice->text(), QString("Powering off once the running operations have stopped"));
        check(idle);
        for (const char* button : {"toolButtonBasicTest", "toolButtonAdvancedFeatures", "toolButtonRescan"})
            QVERIFY2(!enabled(w, button), button);
        QVERIFY(QMetaObject::invokeMethod(&w, "on_actionS_M_A_R_T_Check_triggered"));
        QCOMPARE(idle->isTest(), 1);
        QCOMPARE(w.get_Invoker()->command_Count(), 0);
        QVERIFY(QMetaObject::invokeMethod(&w, "on_toolButtonExit_clicked")); // asked once only
        QCOMPARE(asked, 3);
        panel->change_Progress_status(5);
        QTRY_COMPARE(ended, QList<int>{2});
        QVERIFY(atEnd.contains("Test Aborted by User"));
        KV4L::endProcess = [this](int status) { ended << status; };
        KV4L::askClose = [](QDialog* question) { return question->exec(); };
    }

    // Each run marks its start and end in every drive log it writes to, each line's stamp
    // carries the year, and an operation a crash cut off is marked so at the next start.
    void driveLogMarksTheRuns()
    {
        use_Virtual_Drives(dir, "marks.json", QJsonArray{maker_Drive("m", "MARK"), maker_Drive("q", "QUIET")});
        QFile::remove("MARK.log");
        QFile::remove("QUIET.log");
        const QRegularExpression stamped("^\\d{4}-\\d\\d-\\d\\d  \\| \\d\\d:\\d\\d:\\d\\d \\|  ");
        {
            // Crashes with a scan running: no end of any kind is written.
            KV4L w;
            device* panel = w.getDevicesList().first();
            panel->get_Descriptor()->testName = "Long Generic Test";
            panel->get_Descriptor()->testType = 2;
            panel->execute();
            panel->log_Erro_Test_Device("77");
            QVERIFY(QFile::exists(logfile::runningFile));
        }
        QStringList lines = file_Lines("MARK.log").mid(6);
        QCOMPARE(lines.size(), 3);
        for (const QString& line : lines)
            QVERIFY2(stamped.match(line).hasMatch(), qPrintable(line));
        QVERIFY(lines[0].endsWith("|  Program started") && lines[1].endsWith("|  Long Generic Started"));

        KV4L w;
        lines = file_Lines("MARK.log").mid(6);
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines[3].endsWith("|  Long Generic INTERRUPTED: the program ended before the operation did"));
        QVERIFY(lines[4].endsWith("|  Program started"));
        QVERIFY(!QFile::exists(logfile::runningFile));
        QVERIFY(!QFile::exists("QUIET.log")); // never written to: no marks either
        // A clean exit ends every log this run touched; a finished test leaves nothing running.
        device* panel = w.getDevicesList().first();
        panel->get_Descriptor()->testName = "S.M.A.R.T. Check";
        panel->execute();
        panel->change_Progress_status(0);
        QVERIFY(!QFile::exists(logfile::runningFile));
        ended.clear();
        QVERIFY(QMetaObject::invokeMethod(&w, "on_toolButtonExit_clicked"));
        QCOMPARE(ended, QList<int>{2});
        lines = file_Lines("MARK.log").mid(6);
        QCOMPARE(lines.size(), 8);
        QVERIFY(lines[5].endsWith("|  S.M.A.R.T. Check Started") && lines[6].endsWith("|  S.M.A.R.T. Check PASS"));
        QVERIFY(lines[7].endsWith("|  Program ended"));
        QVERIFY(stamped.match(lines[7]).hasMatch());
    }

    void closeAndExit()
    {
        // Closing ends with 2, or 1 once --exitPowerOff is set; Exit always with 2.
        for (int closeStatus : {2, 1}) {
            if (closeStatus == 1) {
                QByteArray prog("kestrova"), d("--exitPowerOff");
                char* argv[] = {prog.data(), d.data(), nullptr};
                commandLine::get_Instance()->set_Args(2, argv);
            }
            use_Virtual_Drives(dir, "close.json", QJsonArray{maker_Drive("c1", "C1")});
            KV4L w;
            ended.clear();
            w.close();
            QVERIFY(QMetaObject::invokeMethod(&w, "on_toolButtonExit_clicked"));
            QCOMPARE(ended, (QList<int>{closeStatus, 2}));
        }
    }

    // Without a window manager the keyboard is all there is: Ctrl+B opens Basic Tests once a
    // drive is ticked, and Alt+F4 is the close control (status 1 under --exitPowerOff).
    void keyboardOpensMenusAndCloses()
    {
        use_Virtual_Drives(dir, "keys.json", QJsonArray{maker_Drive("k1", "K1")});
        // What closeAndExit left up: the process would have ended there.
        while (QWidget* modal = QApplication::activeModalWidget())
            modal->hide();
        KV4L w;
        auto activate = [&w] {
            w.activateWindow();
            return QTest::qWaitForWindowActive(&w);
        };
        w.show();
        QVERIFY(activate());
        check(w.getDevicesList().first());
        QMenu* menu = w.get_Basic_Test_Menu();
        bool shown = false;
        connect(menu, &QMenu::aboutToShow, menu, [&] {
            shown = true;
            QTimer::singleShot(0, menu, &QMenu::close);
        });
        QTest::keyClick(w.windowHandle(), Qt::Key_B, Qt::ControlModifier);
        QTRY_VERIFY(shown);
        QVERIFY(activate());
        ended.clear();
        QTest::keyClick(w.windowHandle(), Qt::Key_F4, Qt::AltModifier);
        QCOMPARE(ended, QList<int>{commandLine::get_Instance()->is_Enabled_Exit_Power_Off() ? 1 : 2});
    }

    // The command line keeps --exitPowerOff from here on.
    void switchesWidenTheMenus()
    {
        QByteArray prog("kestrova"), a("-a"), b("-b"), c("-c");
        char* argv[] = {prog.data(), a.data(), b.data(), c.data(), nullptr};
        commandLine::get_Instance()->set_Args(4, argv);
        use_Virtual_Drives(dir, "switches.json",
                           QJsonArray{maker_Drive("s1", "S1"), virtual_Drive("o", "Other Disk", "SO"), usb("SU")});
        KV4L w;
        QCOMPARE(serials(w), (QStringList{"S1", "SO"})); // -c: no USB drives
        for (device* p : w.getDevicesList())
            check(p);
        QVERIFY(menu_Texts(w.get_Basic_Test_Menu()).contains("[Fix All: Fast, Long]"));
        QVERIFY(QMetaObject::invokeMethod(&w, "create_Advanced_Features"));
        // Probed like the maker's; neither sanitizes, so Set max LBA is left out.
        QCOMPARE(menu_Texts(w.get_Advanced_Menu()),
                 (QStringList{"Spin Down", "[Erase: Overwrite Full, Erase Track ZERO, Range, Time]"}));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
