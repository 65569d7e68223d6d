// The action slots of the erases the program writes itself (whole drive, range, for a time) and
// the answers of their dialogs.
#include "kv4l.h"

#include "device.h"
#include "devicetext.h"
#include "logsapplication.h"
#include "viewlog.h"

#include "erasefull.h"
#include "eraserange.h"
#include "eraserangeui.h"
#include "erasetime.h"
#include "erasetimetest.h"
#include "writesametest.h"

namespace {

// Progress, remaining time and the sector where an erase stopped, to the drive's panel.
void wire_Erase(EraseTest* test, device* panel, bool timeEstimate)
{
    QObject::connect(test, &EraseTest::changePercent, panel, QOverload<double>::of(&device::change_Progress_Value),
                     Qt::QueuedConnection);
    if (timeEstimate)
        QObject::connect(test, &EraseTest::changeTimeEstimate, panel,
                         QOverload<QString>::of(&device::change_Progress_Value), Qt::QueuedConnection);
    QObject::connect(test, &EraseTest::change_Log_Erro_Test_Device, panel, &device::log_Erro_Test_Device,
                     Qt::QueuedConnection);
}

// A parameter dialog lives until it is answered or closed.
void show_Unowned(QDialog* dialog)
{
    QObject::connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    dialog->show();
}

} // namespace

device* KV4L::bounding_Drive(const std::function<bool(device*)>& eligible,
                             const std::function<void(device*)>& perDrive, const QString& refusal)
{
    int count = 0;
    device* smallest = nullptr;
    for (int index : selectedIndexes) {
        device* panel = devices.value(index);
        if (!panel || !eligible(panel))
            continue;
        ++count;
        perDrive(panel);
        if (!smallest || panel->get_tDevice()->maxLBA <= smallest->get_tDevice()->maxLBA)
            smallest = panel;
    }
    quantityToTest(count);
    if (!smallest)
        logKV4L->kestrova_Log_Debug(refusal);
    return smallest;
}

void KV4L::on_actionErase_Overwrite_Full_triggered()
{
    if (!confirm_Dangerous("Called: Erase overwrite full", "Erase overwrite full test rejected by user"))
        return;
    if (over_Limit(false))
        return;
    quantityToTest(dispatch([](device* p) { return new EraseFull(p->get_tDevice()); },
                            [](MainTest* t, device* p) { wire_Erase(static_cast<EraseTest*>(t), p, true); }));
}

void KV4L::on_actionErase_Range_triggered()
{
    if (!confirm_Dangerous("Called: Erase range", "Erase range test rejected by user"))
        return;
    device* bound = bounding_Drive([](device* p) { return p->can_test(); }, [](device*) {},
                                   "Device without permission to perform the erase range.");
    if (!bound)
        return;
    viewLog->print_Logs();
    auto* dialog = new EraseRangeUI(bound->get_tDevice()->maxLBA);
    connect(dialog, &EraseRangeUI::execute_eraseRange, this, &KV4L::execute_eraseRange);
    show_Unowned(dialog);
}

void KV4L::execute_eraseRange(uint64_t initLBA, uint64_t lastLBA)
{
    if (lastLBA <= initLBA) {
        logKV4L->kestrova_Log_Debug("Invalid values");
        return;
    }
    if (over_Limit(false))
        return;
    dispatch([=](device* p) { return new EraseRange(p->get_tDevice(), initLBA, lastLBA); },
             [=](MainTest* t, device* p) {
                 wire_Erase(static_cast<EraseTest*>(t), p, false);
                 p->log_input_Values(initLBA, lastLBA);
             });
}

void KV4L::on_actionErase_Time_triggered()
{
    if (!confirm_Dangerous("Called: Erase time", "Erase time test rejected by user"))
        return;
    device* bound = bounding_Drive(
        [](device* p) { return p->can_test(); },
        [](device* p) {
            logKV4L->kestrova_Log_Debug("Test information: Erase Time S/N: " + device_Serial_Number(p->get_tDevice())
                                        + " Max LBA: " + QString::number(p->get_tDevice()->maxLBA));
        },
        "Device without permission to perform the erase time.");
    if (!bound)
        return;
    const uint64_t maxLBA = bound->get_tDevice()->maxLBA;
    logKV4L->kestrova_Log_Debug("Erase Time S/N: " + device_Serial_Number(bound->get_tDevice())
                                + " minimum Max LBA: " + QString::number(maxLBA));
    viewLog->print_Logs();
    auto* dialog = new EraseTime(maxLBA);
    connect(dialog, &EraseTime::set_Time, this, &KV4L::get_Erase_Time);
    show_Unowned(dialog);
}

void KV4L::get_Erase_Time(int time, uint64_t LBA)
{
    if (time < 1) {
        logKV4L->kestrova_Log_Debug("invalid values");
        return;
    }
    logKV4L->kestrova_Log_Debug("Test Information: TIME: " + QString::number(time));
    logKV4L->kestrova_Log_Debug("Test Information: LBA: " + QString::number(LBA));
    if (over_Limit(false))
        return;
    dispatch([=](device* p) { return new EraseTimeTest(p->get_tDevice(), LBA, time); },
             [](MainTest* t, device* p) { wire_Erase(static_cast<EraseTest*>(t), p, true); });
}

void KV4L::on_actionWriteSame_triggered()
{
    if (!confirm_Dangerous("Called: Write Same", "Write same test rejected by user"))
        return;
    device* bound = bounding_Drive(
        [](device* p) { return p->can_test(); },
        [](device* p) {
            logKV4L->kestrova_Log_Debug("Write Same S/N: " + device_Serial_Number(p->get_tDevice())
                                        + " Max LBA: " + QString::number(p->get_tDevice()->maxLBA));
        },
        "Device without permission to perform the write same.");
    if (!bound)
        return;
    logKV4L->kestrova_Log_Debug("Test information: Write Same S/N: " + device_Serial_Number(bound->get_tDevice())
                                + " - Max LBA: " + QString::number(bound->get_tDevice()->maxLBA));
    viewLog->print_Logs();
    auto* dialog = new EraseRangeUI(bound->get_tDevice()->maxLBA);
    dialog->SetTitle("Write Same");
    connect(dialog, &EraseRangeUI::execute_eraseRange, this, &KV4L::execute_WriteSame);
    show_Unowned(dialog);
}

void KV4L::execute_WriteSame(uint64_t initLBA, uint64_t lastLBA)
{
    if (lastLBA <= initLBA) {
        logKV4L->kestrova_Log_Debug("Invalid values");
        return;
    }
    if (over_Limit(false))
        return;
    logKV4L->kestrova_Log_Debug("Initial LBA: " + QString::number(initLBA));
    logKV4L->kestrova_Log_Debug("Last LBA: " + QString::number(lastLBA));
    dispatch([=](device* p) { return new WriteSameTest(p->get_tDevice(), initLBA, lastLBA); },
             [=](MainTest* t, device* p) {
                 auto* test = static_cast<WriteSameTest*>(t);
                 // The drive rewrites the range on its own: there is nothing to abort.
                 p->disables_Abort();
                 QObject::connect(test, &WriteSameTest::changePercent, p,
                                  QOverload<double>::of(&device::change_Progress_Value), Qt::QueuedConnection);
                 QObject::connect(test, &WriteSameTest::changeTimeEstimate, p,
                                  QOverload<QString>::of(&device::change_Progress_Value), Qt::QueuedConnection);
                 p->log_input_Values(initLBA, lastLBA);
             });
}
