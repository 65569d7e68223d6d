// Erases started from the main window on virtual drives: the F8 confirmation, the drive that
// bounds the value a dialog asks for, the checks of the dialogs' answers, and what the panels
// and the drives show afterwards.
#include "common.h"
#include "device.h"
#include "dispatchwindow.h"
#include "drivefile.h"
#include "fonts.h"
#include "kv4l.h"
#include "logsapplication.h"
#include "oskn_public.h"
#include "translationstatic.h"
#include "command.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QMenu>
#include <QTimer>
#include <QtTest>

#include <algorithm>

namespace {

QJsonObject drive(const QString& serial, qint64 maxLba)
{
    return virtual_Drive(serial, "Brevane BV" + serial, serial, maxLba);
}

template <class Dialog>
Dialog* shown_Dialog()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<Dialog*>(w); d && d->isVisible())
            return d;
    return nullptr;
}

bool all_Zero(_tDevice* d, uint64_t from, uint64_t to)
{
    std::vector<uint8_t> data(d->logicalSectorSize);
    for (uint64_t lba = from; lba <= to; ++lba)
        if (scsi_Read_16(d, 0, false, false, false, lba, 0, 1, data.data()) != 0
            || std::any_of(data.begin(), data.end(), [](uint8_t b) { return b != 0; }))
            return false;
    return true;
}

bool fill(_tDevice* d, uint64_t from, uint64_t to)
{
    std::vector<uint8_t> data(size_t(to - from + 1) * d->logicalSectorSize, 0x5A);
    return scsi_Write_16(d, 0, false, false, from, 0, uint32_t(to - from + 1), data.data()) == 0;
}

} // namespace

class TestDispatchErase : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        install_Application_Fonts();
        TranslationStatic::get_Instance()->set_language("en_US");
        TranslationStatic::get_Instance()->load_Language();
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
        QVERIFY(!all_Zero(p[1]->get_tDevice(), 2501, 2501));
        QVERIFY(all_Zero(p[1]->get_tDevice(), 0, 2499));
        // The drive's log names the sector where the erase stopped.
        QVERIFY2(p[1]->get_List_Log_Device().join("").contains("Error LBA: 2500"),
                 qPrintable(p[1]->get_List_Log_Device().join("")));
        QTRY_COMPARE(MainTest::live_Count(), 0);
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
        QProgressBar* progress = p[1]->findChild<QProgressBar*>("progressBar");
        QTRY_VERIFY_WITH_TIMEOUT(progress->value() > 0, 10000);
        QTRY_VERIFY_WITH_TIMEOUT(p[1]->isTest() == 1, 30000);
        QCOMPARE(bar(p[1]), QString("PASS %p%"));
    }
};

QTEST_MAIN(TestDispatchErase)
#include "tst_dispatch_erase.moc"
