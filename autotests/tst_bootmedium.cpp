// The drive the bootable environment runs from (KESTROVA_BOOT_DISK): its panel is marked and every
// operation that changes or stops a drive is refused on it, while the read tests still run; and
// the list's notice when there is no drive to test.
#include "tests/command.h"
#include "common/common.h"
#include "dispatchwindow.h"
#include "drivefile.h"
#include "deviceaccess/oskn_public.h"

#include <QLabel>
#include <QMessageBox>

namespace {

QJsonObject stick()
{
    QJsonObject d = maker_Drive("stick", "STICK1", 200000);
    d["interface"] = "usb";
    return d;
}

QMessageBox* refusal()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "bootMediumRefusal" && w->isVisible())
            return static_cast<QMessageBox*>(w);
    return nullptr;
}

QLabel* notice(KV4L& w)
{
    QLabel* label = w.findChild<QLabel*>("noDriveNotice");
    return label && label->isVisibleTo(&w) ? label : nullptr;
}

void rescan(KV4L& w)
{
    const int from = log_Size();
    QVERIFY(QMetaObject::invokeMethod(&w, "on_toolButtonRescan_clicked"));
    QTRY_VERIFY(log_Since(from).contains("Quantity of devices after rescan in the temporary list: 0")
                || log_Since(from).contains("quantity of devices in a temporary list: 0"));
}

} // namespace

class TestBootMedium : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        start_Window_Suite();
        KV4L::endProcess = [](int) {};
        set_Time_Scale(50.0);
        qputenv("KESTROVA_BOOT_DISK", "stick");
    }
    void cleanupTestCase()
    {
        set_Time_Scale(1.0);
        qunsetenv("KESTROVA_BOOT_DISK");
    }

    void libraryNamesTheDrive()
    {
        use_Virtual_Drives(dir, "path.json", QJsonArray{maker_Drive("disk-a", "A1"), stick()});
        std::vector<_tDevice> records = discover_Records(1);
        QCOMPARE(records.size(), size_t(3));
        char path[16];
        QCOMPARE(get_Device_Path(&records[1], path, sizeof path), 0);
        QCOMPARE(QString(path), QString("stick"));
        // Cut short it could name another drive.
        QCOMPARE(get_Device_Path(&records[0], path, 6), int(OSKN_BAD_PARAMETER));
        QCOMPARE(get_Device_Path(&records[2], path, sizeof path), int(OSKN_INVALID_DEVICE));
    }

    void onlyTheBootMediumIsMarked()
    {
        use_Virtual_Drives(dir, "mark.json", QJsonArray{maker_Drive("disk-a", "A1"), stick()});
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        QCOMPARE(p.size(), 2);
        QVERIFY(!p[0]->findChild<QLabel*>("bootMediumMark"));
        QLabel* mark = p[1]->findChild<QLabel*>("bootMediumMark");
        QVERIFY(mark && mark->isVisibleTo(p[1]));
        QVERIFY(mark->toolTip().startsWith("The program runs from this drive"));
        use_Language("de_DE");
        QVERIFY(mark->toolTip().startsWith("Das Programm läuft von diesem Laufwerk"));
        use_Language("en_US");
    }

    void changingOperationsAreRefused_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("operation");
        QTest::newRow("full erase") << "on_actionErase_Overwrite_Full_triggered" << "Erase overwrite full";
        QTest::newRow("range erase") << "on_actionErase_Range_triggered" << "Erase range";
        QTest::newRow("fix all fast") << "on_actionFix_All_Fast_triggered" << "Fix All fast";
        QTest::newRow("boot tracks") << "on_actionBoot_Tracks_triggered" << "Boot tracks";
        QTest::newRow("spin down") << "on_action_Spin_Down_triggered" << "Spin Down";
        QTest::newRow("set max LBA") << "on_actionSet_max_LBA_triggered" << "Set max LBA";
        QTest::newRow("sanitize crypto") << "on_actionErase_Sanitize_Crypto_triggered" << "Erase Crypto";
        QTest::newRow("PSID") << "on_actionErase_PSID_triggered" << "PSID Erase";
        QTest::newRow("IDD") << "on_actionIDD_70_triggered" << "IDD 70";
    }
    void changingOperationsAreRefused()
    {
        QFETCH(QString, slot);
        QFETCH(QString, operation);
        use_Virtual_Drives(dir, "refuse.json", QJsonArray{maker_Drive("disk-a", "A1"), stick()});
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        QVERIFY(fill_Sectors(p[1]->get_tDevice(), 0, 64));
        check(p[0]);
        check(p[1]);
        const int from = log_Size();
        // A confirmation that shows up would be accepted: only the refusal keeps the drives safe.
        trigger_Confirmed(w, slot.toLatin1().constData());
        QTRY_VERIFY(refusal());
        QVERIFY(refusal()->text().contains("STICK1"));
        QVERIFY(log_Since(from).contains("Warning: " + operation + " refused on the boot medium, SN: STICK1"));
        QTest::qWait(300);
        QCOMPARE(w.get_Invoker()->command_Count(), 0);
        QVERIFY(!sector_Is_Zero(p[1]->get_tDevice(), 0) && !sector_Is_Zero(p[1]->get_tDevice(), 63));
        refusal()->close();
    }

    void readTestsRunOnIt()
    {
        use_Virtual_Drives(dir, "read.json", QJsonArray{maker_Drive("disk-a", "A1"), stick()});
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        check(p[0]);
        check(p[1]);
        const int from = log_Size();
        QVERIFY(QMetaObject::invokeMethod(&w, "on_actionS_M_A_R_T_Check_triggered"));
        QVERIFY(log_Since(from).contains("Quantity of devices selected to test: 2"));
        QVERIFY(!refusal());
        QTRY_VERIFY_WITH_TIMEOUT(p[0]->isTest() == 1 && p[1]->isTest() == 1, 30000);
    }

    // A parameter dialog stays open while the user may tick more drives: its answer still leaves
    // the boot medium out and runs on the others.
    void answerOfAParameterDialogLeavesItOut()
    {
        use_Virtual_Drives(dir, "late.json", QJsonArray{maker_Drive("disk-a", "A1", 2000), stick()});
        KV4L w;
        const QVector<device*> p = w.getDevicesList();
        for (device* d : p)
            QVERIFY(fill_Sectors(d->get_tDevice(), 0, 64));
        check(p[0]);
        check(p[1]); // ticked after the dialog had opened
        const int from = log_Size();
        QVERIFY(QMetaObject::invokeMethod(&w, "execute_eraseRange", Q_ARG(uint64_t, 0), Q_ARG(uint64_t, 63)));
        QVERIFY(log_Since(from).contains("Warning: Erase Range refused on the boot medium, SN: STICK1"));
        QVERIFY(refusal());
        QTRY_VERIFY_WITH_TIMEOUT(p[0]->isTest() == 1 && w.get_Invoker()->command_Count() == 0, 30000);
        QVERIFY(all_Zero(p[0]->get_tDevice(), 0, 63));
        QVERIFY(!sector_Is_Zero(p[1]->get_tDevice(), 0) && !sector_Is_Zero(p[1]->get_tDevice(), 63));
        refusal()->close();
    }

    void noDriveNotice()
    {
        use_Virtual_Drives(dir, "none.json", QJsonArray{});
        KV4L w;
        QVERIFY(notice(w));
        QVERIFY(notice(w)->text().contains("No drive was found."));
        QVERIFY(notice(w)->text().contains("Rescan"));
        use_Language("de_DE");
        QVERIFY(notice(w)->text().contains("Es wurde kein Laufwerk gefunden."));
        use_Language("en_US");

        // Rescan finds what was connected since, and the notice goes.
        use_Virtual_Drives(dir, "none.json", QJsonArray{maker_Drive("disk-a", "A1")});
        rescan(w);
        QCOMPARE(w.getDevicesList().size(), 1);
        QVERIFY(!notice(w));

        // Only the boot medium: nothing to test either.
        use_Virtual_Drives(dir, "none.json", QJsonArray{stick()});
        rescan(w);
        QCOMPARE(w.getDevicesList().size(), 1);
        QVERIFY(notice(w));
        QVERIFY(notice(w)->text().contains("No drive was found besides the boot medium."));
    }
};

QTEST_MAIN(TestBootMedium)
#include "tst_bootmedium.moc"
