// The main window on virtual drives: panels, the twelve-drive limit, the menus each selection
// gets, rescan, language switching and the ways the window ends the process.
#include "commandline.h"
#include "device.h"
#include "drivefile.h"
#include "fonts.h"
#include "kv4l.h"
#include "logsapplication.h"
#include "translationstatic.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <QtTest>

namespace {

QStringList menu_Texts(QMenu* menu)
{
    QStringList out;
    for (QAction* a : menu->actions())
        out << (a->menu() ? "[" + a->menu()->title() + ": " + menu_Texts(a->menu()).join(", ") + "]"
                          : a->text());
    return out;
}

void check(device* panel)
{
    panel->findChild<QCheckBox*>("checkBox")->click();
}

QStringList log_Since(int from)
{
    QStringList out;
    for (const QString& l : LogsApplication::Instance()->get_List_log().mid(from))
        out << l.mid(l.indexOf(" |   ") + 5).chopped(1);
    return out;
}

QJsonObject maker(const QString& name, const QString& serial)
{
    return virtual_Drive(name, "Brevane BV" + name, serial);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void panelsForUsableDrivesOnly();
    void twelveDriveLimit();
    void basicMenuFollowsTheSelection();
    void advancedMenuProbes_data();
    void advancedMenuProbes();
    void rescanRebuildsIdlePanels();
    void rescanWithNoPanelsDoesNothing();
    void languageSwitch();
    void closeAndExit();
    // From here on the command line has switches set.
    void switchesWidenTheMenus();
    void skipUSBDropsUSBDrives();
    void closeWithExitPowerOff();

private:
    QTemporaryDir dir;
    QList<int> ended;
};

void TestMainWindow::initTestCase()
{
    TranslationStatic::get_Instance()->set_language("en_US");
    TranslationStatic::get_Instance()->load_Language();
    KV4L::endProcess = [this](int status) { ended << status; };
}

void TestMainWindow::panelsForUsableDrivesOnly()
{
    QJsonArray drives{maker("a", "SA"), virtual_Drive("b", "Other Disk", "SB"),
                      QJsonObject{{"name", "usb"}, {"model", "Stick"}, {"serial", "SU"},
                                  {"maxLba", 1000}, {"interface", "usb"}},
                      QJsonObject{{"name", "dvd"}, {"model", "Optical"}, {"serial", "SO"},
                                  {"driveType", "optical"}}};
    use_Virtual_Drives(dir, "usable.json", drives);
    const int from = LogsApplication::Instance()->get_List_log().size();
    KV4L w;
    QStringList serials;
    for (device* d : w.getDevicesList())
        serials << d->get_Serial_Number();
    QCOMPARE(serials, (QStringList{"SA", "SB", "SU"})); // USB kept without skipUSB; optical dropped
    QVERIFY(log_Since(from).contains("Called: devices_Discovery - quantity of devices found: 3"));
    QVERIFY(w.getDevicesList().at(0)->is_Brevane_Device());
    QVERIFY(!w.findChild<QToolButton*>("toolButtonBasicTest")->isEnabled());
    QVERIFY(!w.findChild<QToolButton*>("toolButtonAdvancedFeatures")->isEnabled());
}

void TestMainWindow::twelveDriveLimit()
{
    QJsonArray drives;
    for (int i = 0; i < 14; ++i)
        drives.append(maker(QString("d%1").arg(i), QString("S%1").arg(i)));
    use_Virtual_Drives(dir, "fourteen.json", drives);
    KV4L w;
    const QVector<device*> panels = w.getDevicesList();
    QCOMPARE(panels.size(), 14);
    for (int i = 0; i < 12; ++i)
        check(panels[i]);
    QCOMPARE(w.get_Max_Test_Device(), 12);
    QVERIFY(!panels[12]->isEnabled() && !panels[13]->isEnabled());
    QVERIFY(panels[12]->findChild<QLabel*>("lbIcon")->styleSheet().contains("ic_hd_desabilitado.png"));
    QVERIFY(panels[0]->isEnabled());
    check(panels[3]); // uncheck one of the twelve
    QCOMPARE(w.get_Max_Test_Device(), 11);
    QVERIFY(panels[12]->isEnabled() && panels[13]->isEnabled());
    QVERIFY(panels[13]->findChild<QLabel*>("lbIcon")->styleSheet().contains("ic_hd_brevane.png"));
}

void TestMainWindow::basicMenuFollowsTheSelection()
{
    use_Virtual_Drives(dir, "mixed.json",
                       QJsonArray{maker("m1", "M1"), virtual_Drive("o1", "Other Disk", "O1"),
                                  maker("m2", "M2")});
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
    QVERIFY(!w.findChild<QToolButton*>("toolButtonBasicTest")->isEnabled());
    QVERIFY(!w.findChild<QToolButton*>("toolButtonAdvancedFeatures")->isEnabled());
}

void TestMainWindow::advancedMenuProbes_data()
{
    QTest::addColumn<QJsonArray>("drives");
    QTest::addColumn<QStringList>("menu");
    const QJsonObject sanitizeBoth{{"overwrite", true}, {"crypto", true}};
    const QJsonObject overwriteOnly{{"overwrite", true}};
    auto with = [](QJsonObject d, const QString& key, const QJsonValue& v) {
        d[key] = v;
        return d;
    };
    const QString erase = "[Erase: Overwrite Full, Erase Track ZERO, Range, Time]";
    QTest::newRow("another maker's drive: spin down only")
        << QJsonArray{maker("a", "A"), virtual_Drive("o", "Other", "O")} << QStringList{"Spin Down"};
    QTest::newRow("write same from the last probed drive")
        << QJsonArray{with(with(maker("a", "A"), "writeSame", true), "sanitize", sanitizeBoth),
                      with(maker("b", "B"), "sanitize", overwriteOnly)}
        << QStringList{"Spin Down", "Set Max LBA", erase, "[Erase Sanitize: Crypto, Overwrite]"};
    QTest::newRow("write same, other order")
        << QJsonArray{with(maker("b", "B"), "sanitize", overwriteOnly),
                      with(with(maker("a", "A"), "writeSame", true), "sanitize", sanitizeBoth)}
        << QStringList{"Spin Down", "Set Max LBA", erase, "Erase Write Same",
                       "[Erase Sanitize: Crypto, Overwrite]"};
    QTest::newRow("probe stops at a drive without sanitize: IDD of the first")
        << QJsonArray{with(maker("a", "A"), "idd", QJsonObject{{"test70", true}}), maker("b", "B")}
        << QStringList{"Spin Down", "Set Max LBA", erase, "[IDD: IDD 70]"};
    QTest::newRow("drive with IDD not probed")
        << QJsonArray{maker("b", "B"), with(maker("a", "A"), "idd", QJsonObject{{"test70", true}})}
        << QStringList{"Spin Down", "Set Max LBA", erase};
    QTest::newRow("PSID for a TCG drive")
        << QJsonArray{with(maker("a", "A"), "tcg", QJsonObject{{"psid", QString(32, 'P')}})}
        << QStringList{"Spin Down", "Set Max LBA", erase, "Erase PSID"};
}

void TestMainWindow::advancedMenuProbes()
{
    QFETCH(QJsonArray, drives);
    QFETCH(QStringList, menu);
    use_Virtual_Drives(dir, QString("adv-%1.json").arg(QTest::currentDataTag()).replace(' ', '_'),
                       drives);
    KV4L w;
    for (device* d : w.getDevicesList())
        check(d);
    QVERIFY(w.findChild<QToolButton*>("toolButtonAdvancedFeatures")->isEnabled());
    QVERIFY(!w.is_Advanced_Menu_Built());
    QVERIFY(QMetaObject::invokeMethod(&w, "create_Advanced_Features"));
    QVERIFY(w.is_Advanced_Menu_Built());
    QCOMPARE(menu_Texts(w.get_Advanced_Menu()), menu);
    check(w.getDevicesList().first()); // any change of selection detaches the menu
    QVERIFY(!w.findChild<QToolButton*>("toolButtonAdvancedFeatures")->menu());
}

void TestMainWindow::rescanRebuildsIdlePanels()
{
    use_Virtual_Drives(dir, "rescan-1.json", QJsonArray{maker("r1", "R1"), maker("r2", "R2")});
    KV4L w;
    const QVector<device*> before = w.getDevicesList();
    QCOMPARE(before.size(), 2);
    // The description is edited: R2 gone, R3 added.
    use_Virtual_Drives(dir, "rescan-1.json", QJsonArray{maker("r1", "R1"), maker("r3", "R3")});
    const int from = LogsApplication::Instance()->get_List_log().size();
    QVERIFY(QMetaObject::invokeMethod(&w, "on_toolButtonRescan_clicked"));
    QTRY_COMPARE(w.getDevicesList().size(), 2);
    QTRY_VERIFY(log_Since(from).contains("Case 1 - List of devices on test is empty"));
    QStringList serials;
    for (device* d : w.getDevicesList())
        serials << d->get_Serial_Number();
    QCOMPARE(serials, (QStringList{"R1", "R3"}));
    const QStringList lines = log_Since(from);
    QVERIFY(lines.contains("Execute: rescan()"));
    QVERIFY(lines.contains("Quantity of devices being tested: 0"));
    QVERIFY(lines.contains("Called: devices_Discovery - quantity of devices found: 2"));
    QVERIFY(lines.contains("Quantity of devices: 2"));
}

void TestMainWindow::rescanWithNoPanelsDoesNothing()
{
    use_Virtual_Drives(dir, "empty.json", QJsonArray{});
    KV4L w;
    QCOMPARE(w.getDevicesList().size(), 0);
    use_Virtual_Drives(dir, "later.json", QJsonArray{maker("x", "X")});
    const int from = LogsApplication::Instance()->get_List_log().size();
    QVERIFY(QMetaObject::invokeMethod(&w, "on_toolButtonRescan_clicked"));
    QTest::qWait(300);
    QCOMPARE(w.getDevicesList().size(), 0);
    QVERIFY(!log_Since(from).contains("Execute: rescan()"));
}

void TestMainWindow::languageSwitch()
{
    use_Virtual_Drives(dir, "lang.json", QJsonArray{maker("l1", "L1")});
    KV4L w;
    QToolButton* file = w.findChild<QToolButton*>("toolButtonFile");
    QCOMPARE(file->shortcut(), QKeySequence("Ctrl+F"));
    QCOMPARE(w.findChild<QToolButton*>("toolButtonExit")->shortcut(), QKeySequence("Ctrl+X"));
    QAction* german = nullptr;
    for (QAction* a : w.get_Language_Menu()->actions())
        if (a->data().toString() == "de_DE")
            german = a;
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
    const int amp = text.indexOf('&');
    QVERIFY(amp >= 0);
    QCOMPARE(file->shortcut(), QKeySequence("Ctrl+" + text.mid(amp + 1, 1)));
    for (QAction* a : w.get_Language_Menu()->actions())
        if (a->data().toString() == "en_US")
            a->trigger();
    QCOMPARE(file->text(), QString("&File"));
}

void TestMainWindow::closeAndExit()
{
    use_Virtual_Drives(dir, "close.json", QJsonArray{maker("c1", "C1")});
    KV4L w;
    ended.clear();
    w.close();
    QCOMPARE(ended, QList<int>{2});
    QVERIFY(QMetaObject::invokeMethod(&w, "on_toolButtonExit_clicked"));
    QCOMPARE(ended, (QList<int>{2, 2}));
}

void TestMainWindow::switchesWidenTheMenus()
{
    QByteArray prog("kestrova"), a("-a"), b("-b"), d("--exitPowerOff");
    char* argv[] = {prog.data(), a.data(), b.data(), d.data(), nullptr};
    commandLine::get_Instance()->set_Args(4, argv);
    use_Virtual_Drives(dir, "switches.json",
                       QJsonArray{maker("s1", "S1"), virtual_Drive("o", "Other Disk", "SO")});
    KV4L w;
    for (device* p : w.getDevicesList())
        check(p);
    QVERIFY(menu_Texts(w.get_Basic_Test_Menu()).contains("[Fix All: Fast, Long]"));
    QVERIFY(QMetaObject::invokeMethod(&w, "create_Advanced_Features"));
    // Probed like the maker's; neither sanitizes, so Set max LBA is left out.
    QCOMPARE(menu_Texts(w.get_Advanced_Menu()),
             (QStringList{"Spin Down", "[Erase: Overwrite Full, Erase Track ZERO, Range, Time]"}));
}

void TestMainWindow::skipUSBDropsUSBDrives()
{
    QByteArray prog("kestrova"), c("-c");
    char* argv[] = {prog.data(), c.data(), nullptr};
    commandLine::get_Instance()->set_Args(2, argv);
    use_Virtual_Drives(dir, "skipusb.json",
                       QJsonArray{maker("k1", "K1"),
                                  QJsonObject{{"name", "usb"}, {"model", "Stick"}, {"serial", "KU"},
                                              {"maxLba", 1000}, {"interface", "usb"}}});
    KV4L w;
    QCOMPARE(w.getDevicesList().size(), 1);
}

void TestMainWindow::closeWithExitPowerOff()
{
    use_Virtual_Drives(dir, "close2.json", QJsonArray{maker("c2", "C2")});
    KV4L w;
    ended.clear();
    w.close();
    QCOMPARE(ended, QList<int>{1});
    QVERIFY(QMetaObject::invokeMethod(&w, "on_toolButtonExit_clicked"));
    QCOMPARE(ended, (QList<int>{1, 2}));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    install_Application_Fonts();
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
