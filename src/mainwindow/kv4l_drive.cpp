// The action slots of the operations the drive performs itself on request: PSID revert, set max
// LBA and the in-drive diagnostics.
#include "kv4l.h"
#include "ui_kv4l.h"

#include "device.h"
#include "devicetext.h"
#include "logsapplication.h"
#include "viewlog.h"

#include "idd.h"
#include "msgalertidd.h"
#include "msgdangerous.h"
#include "psid.h"
#include "psidui.h"
#include "setmaxlba.h"
#include "setmaxlbatest.h"

#include <QHash>

#include <limits>

void KV4L::on_actionErase_PSID_triggered()
{
    MsgDangerous confirmation(nullptr);
    if (!confirm_With(confirmation, "Called: PSID Erase", QString()))
        return;
    auto* keyDialog = new PSIDui(nullptr);
    keyDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(keyDialog, &PSIDui::execute_psid, this, &KV4L::execute_PSID);
    keyDialog->show();
}

void KV4L::execute_PSID(QString key)
{
    logKV4L->kestrova_Log_Info("Test information: selected key: " + key);
    if (key.size() != 32) {
        logKV4L->kestrova_Log_Debug("Invalid values");
        return;
    }
    if (over_Limit(false))
        return;
    dispatch([key](device* p) { return new CPSID(p->get_tDevice(), key); },
             [](MainTest* t, device* p) {
                 QObject::connect(static_cast<CPSID*>(t), &EraseTest::changePercent, p,
                                  QOverload<double>::of(&device::change_Progress_Value), Qt::QueuedConnection);
             },
             true);
}

void KV4L::on_actionIDD_70_triggered()
{
    start_IDD(OSKN_IDD_RESET_AND_RECALIBRATE, 15, 70);
}

void KV4L::on_actionIDD_71_triggered()
{
    start_IDD(OSKN_IDD_TEST_PENDING_AND_REALLOCATION_LISTS, 16, 71);
}

void KV4L::start_IDD(int kind, int testType, int label)
{
    const QString name = "IDD " + QString::number(label);
    MsgAlertIdd confirmation(nullptr);
    if (!confirm_With(confirmation, "Called: " + name, name + " rejected by user"))
        return;
    if (over_Limit(true))
        return;
    const int started = dispatch(
        [=](device* p) {
            // Rescanning would rebuild the panel of a drive that is busy with its own routine.
            iddRescanGate = true;
            ui->toolButtonRescan->setEnabled(false);
            return new IDD(p->get_tDevice(), _eIDDTests(kind), testType, label);
        },
        [](MainTest* t, device* p) {
            auto* test = static_cast<IDD*>(t);
            QObject::connect(test, &EraseTest::changePercent, p, QOverload<double>::of(&device::change_Progress_Value),
                             Qt::QueuedConnection);
            QObject::connect(test, &IDD::changeNameTest, p, &device::change_Progress_Name_Test);
            QObject::connect(test, &EraseTest::changeTimeEstimate, p,
                             QOverload<QString>::of(&device::change_Progress_Value), Qt::QueuedConnection);
        },
        true);
    quantityToTest(started);
    iddRunning += started;
}

void KV4L::on_actionSet_max_LBA_triggered()
{
    if (!confirm_Dangerous("Called: Set max LBA", "Set max LBA test rejected by user"))
        return;
    QHash<device*, uint64_t> natives;
    device* bound = bounding_Drive(
        [](device* p) { return p->can_test() && p->is_Brevane_Device(); },
        [&natives](device* p) {
            const QString sn = device_Serial_Number(p->get_tDevice());
            natives[p] = p->get_Native_Max_LBA();
            logKV4L->kestrova_Log_Debug("Test information: SN: " + sn + " - Max LBA: "
                                        + QString::number(p->get_tDevice()->maxLBA));
            logKV4L->kestrova_Log_Debug("Test information: SN: " + sn + " - Value native max LBA "
                                        + QString::number(natives[p]));
        },
        "Warning: Device without permission to perform Set max LBA.");
    viewLog->print_Logs();
    if (!bound)
        return;
    const uint64_t maxLBA = bound->get_tDevice()->maxLBA;
    uint64_t native = natives.value(bound);
    logKV4L->kestrova_Log_Debug("Test information: Max LBA of the selected device: " + QString::number(maxLBA));
    logKV4L->kestrova_Log_Debug("Test information: Native LBA of the selected device: " + QString::number(native));
    viewLog->print_Logs();
    // A drive that did not tell its native capacity is offered its current one, not 2^64 - 1.
    if (native == std::numeric_limits<uint64_t>::max())
        native = maxLBA;
    auto* dialog = new SetMaxLba(native, maxLBA, selectedIndexes.size() == 1);
    connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    connect(dialog, &SetMaxLba::closeSetMax, this, &KV4L::get_newLBA);
    dialog->show();
    viewLog->print_Logs();
}

void KV4L::get_newLBA(uint64_t tmpNewLBA, bool tmpReset)
{
    if (over_Limit(false))
        return;
    dispatch([=](device* p) { return new SetMaxLBATest(p->get_tDevice(), tmpNewLBA, tmpReset); },
             [this](MainTest* t, device* p) {
                 QObject::connect(static_cast<SetMaxLBATest*>(t), &EraseTest::changePercent, p,
                                  QOverload<double>::of(&device::change_Progress_Value), Qt::QueuedConnection);
                 // The drive's information is about to change: close it.
                 if (p->accordOpen) {
                     p->accordOpen = false;
                     p->determine_Icon();
                     p->add_Line_Last_Up_Resize();
                     off_expanding();
                 }
             });
}
