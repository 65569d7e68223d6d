// Starting the operations of the catalogue: their confirmations, parameter dialogs and the dispatch
// to every selected idle drive; and the resumption of a sanitize already running in a drive.
#include "mainwindow/kv4l.h"
#include "ui_kv4l.h"

#include "device/bootmedium.h"
#include "tests/command.h"
#include "device/device.h"
#include "deviceaccess/devicetext.h"
#include "log/logsapplication.h"
#include "mainwindow/operationcatalogue.h"
#include "deviceaccess/oskn_operations.h"
#include "log/viewlog.h"

#include "dialogs/eraserangeui.h"
#include "dialogs/erasetime.h"
#include "dialogs/msgalertidd.h"
#include "dialogs/msgdangerous.h"
#include "dialogs/msgexecution.h"
#include "dialogs/psidui.h"
#include "tests/sanitizeoverwrite.h"
#include "dialogs/setmaxlba.h"

#include <QHash>

#include <limits>

namespace {

// A parameter dialog lives until it is answered or closed.
void show_Unowned(QDialog* dialog)
{
    QObject::connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    dialog->show();
}

} // namespace

// The menu entries. Their names are the ones the form connects by; each runs its catalogue row.
void KV4L::on_actionS_M_A_R_T_Check_triggered() { start("actionS_M_A_R_T_Check"); }
void KV4L::on_actionShort_Drive_Self_Test_triggered() { start("actionShort_Drive_Self_Test"); }
void KV4L::on_actionShort_Generic_Self_Test_triggered() { start("actionShort_Generic_Self_Test"); }
void KV4L::on_actionLong_Generic_Test_triggered() { start("actionLong_Generic_Test"); }
void KV4L::on_actionFix_All_Fast_triggered() { start("actionFix_All_Fast"); }
void KV4L::on_actionFix_All_Long_triggered() { start("actionFix_All_Long"); }
void KV4L::on_actionBoot_Tracks_triggered() { start("actionBoot_Tracks"); }
void KV4L::on_action_Spin_Down_triggered() { start("action_Spin_Down"); }
void KV4L::on_actionErase_Overwrite_Full_triggered() { start("actionErase_Overwrite_Full"); }
void KV4L::on_actionErase_Range_triggered() { start("actionErase_Range"); }
void KV4L::on_actionErase_Time_triggered() { start("actionErase_Time"); }
void KV4L::on_actionWriteSame_triggered() { start("actionWriteSame"); }
void KV4L::on_actionErase_PSID_triggered() { start("actionErase_PSID"); }
void KV4L::on_actionIDD_70_triggered() { start("actionIDD_70"); }
void KV4L::on_actionIDD_71_triggered() { start("actionIDD_71"); }
void KV4L::on_actionSet_max_LBA_triggered() { start("actionSet_max_LBA"); }
void KV4L::on_actionErase_Sanitize_Overwrite_triggered() { start("actionErase_Sanitize_Overwrite"); }
void KV4L::on_actionErase_Sanitize_Crypto_triggered() { start("actionErase_Sanitize_Crypto"); }

// The parameter dialogs' answers.
void KV4L::execute_eraseRange(uint64_t initLBA, uint64_t lastLBA) { answer("actionErase_Range", {initLBA, lastLBA, 0, false, {}}); }
void KV4L::get_Erase_Time(int time, uint64_t LBA) { answer("actionErase_Time", {LBA, 0, time, false, {}}); }
void KV4L::execute_WriteSame(uint64_t initLBA, uint64_t lastLBA) { answer("actionWriteSame", {initLBA, lastLBA, 0, false, {}}); }
void KV4L::execute_PSID(QString key) { answer("actionErase_PSID", {0, 0, 0, false, key}); }
void KV4L::get_newLBA(uint64_t tmpNewLBA, bool tmpReset) { answer("actionSet_max_LBA", {0, tmpNewLBA, 0, tmpReset, {}}); }

void KV4L::start(const char* action)
{
    start(*find_Operation(action));
}

void KV4L::start(const Operation& op)
{
    if (op.confirm == Operation::Confirm::None) {
        if (over_Limit(false))
            return;
        logKV4L->kestrova_Log_Debug("Called: " + op.name);
    } else {
        if (!confirm(op))
            return;
        if (op.ask) {
            (this->*op.ask)(op);
            return;
        }
        if (over_Limit(op.quietLimit))
            return;
    }
    quantityToTest(dispatch(op, {}));
}

void KV4L::answer(const char* action, const OperationParameters& parameters)
{
    const Operation& op = *find_Operation(action);
    if (op.accept && !op.accept(parameters))
        return;
    if (over_Limit(op.quietLimit))
        return;
    // The dialog's drives were counted when it opened.
    dispatch(op, parameters);
}

bool KV4L::confirm(const Operation& op)
{
    const QString called = "Called: " + op.name;
    switch (op.confirm) {
    case Operation::Confirm::Execution: {
        MsgExecution dialog(nullptr);
        return confirm_With(dialog, called, op.rejected);
    }
    case Operation::Confirm::AlertIdd: {
        MsgAlertIdd dialog(nullptr);
        return confirm_With(dialog, called, op.rejected);
    }
    default: {
        MsgDangerous dialog(nullptr);
        return confirm_With(dialog, called, op.rejected);
    }
    }
}

bool KV4L::confirm_With(QDialog& dialog, const QString& called, const QString& rejected)
{
    logKV4L->kestrova_Log_Debug(called);
    // Every operation confirmed here changes or stops the drives: none runs on the boot medium.
    for (device* panel : qAsConst(devices))
        if (panel->can_test() && is_Boot_Medium(panel->get_tDevice())) {
            refuse_On_Boot_Medium(this, QString(called).remove("Called: "), panel->get_Serial_Number());
            viewLog->print_Logs();
            return false;
        }
    if (dialog.exec() != 0)
        return true;
    if (!rejected.isEmpty()) {
        logKV4L->kestrova_Log_Debug(rejected);
        viewLog->print_Logs();
    }
    return false;
}

int KV4L::dispatch(const Operation& op, const OperationParameters& parameters)
{
    int count = 0;
    // A parameter dialog left open across Exit answers too late: the machine is powering off.
    if (power_Off_Pending()) {
        logKV4L->kestrova_Log_Debug("Warning: Power off pending - no test started");
        return count;
    }
    for (device* panel : qAsConst(devices)) {
        if (!panel->can_test())
            continue;
        if (op.wiring & Operation::HoldRescan) {
            iddRescanGate = true;
            ui->toolButtonRescan->setEnabled(false);
        }
        MainTest* test = op.make(panel->get_tDevice(), parameters);
        // The selection may have changed while a parameter dialog was open.
        if (changes_Drive(test->getDescriptor()->testType) && is_Boot_Medium(panel->get_tDevice())) {
            refuse_On_Boot_Medium(this, test->getDescriptor()->testName, panel->get_Serial_Number());
            viewLog->print_Logs();
            delete test;
            continue;
        }
        ++count;
        start_On_Panel(op, test, panel, parameters);
    }
    if (op.wiring & Operation::HoldRescan)
        iddRunning += count;
    return count;
}

void KV4L::start_On_Panel(const Operation& op, MainTest* test, device* panel, const OperationParameters& parameters)
{
    MainTestCmd* command = new MainTestCmd(test);
    *panel->get_Descriptor() = *test->getDescriptor();
    panel->execute();
    record_Running();
    connect(test, &MainTest::change_Logs, viewLog, &ViewLog::print_Logs);
    connect(test, &MainTest::change_Outcome, panel, &device::set_Outcome);
    connect(test, &MainTest::changeStatus, panel, &device::change_Progress_status);
    connect(test, &MainTest::changeVerification, panel, &device::show_Verification, Qt::QueuedConnection);
    wire_Operation(op, test, panel, parameters);
    if ((op.wiring & Operation::CloseInfo) && panel->accordOpen) {
        panel->accordOpen = false;
        panel->determine_Icon();
        panel->add_Line_Last_Up_Resize();
        off_expanding();
    }
    invoker->executeTest(command);
    if (op.wiring & Operation::NoAbortLater)
        panel->disables_Abort();
    clear_Menu_Basic_Erase();
}

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

void KV4L::ask_Psid(const Operation&)
{
    auto* keyDialog = new PSIDui(nullptr);
    keyDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(keyDialog, &PSIDui::execute_psid, this, &KV4L::execute_PSID);
    keyDialog->show();
}

void KV4L::ask_Erase_Range(const Operation&)
{
    device* bound = bounding_Drive([](device* p) { return p->can_test(); }, [](device*) {},
                                   "Device without permission to perform the erase range.");
    if (!bound)
        return;
    viewLog->print_Logs();
    auto* dialog = new EraseRangeUI(bound->get_tDevice()->maxLBA);
    connect(dialog, &EraseRangeUI::execute_eraseRange, this, &KV4L::execute_eraseRange);
    show_Unowned(dialog);
}

void KV4L::ask_Erase_Time(const Operation&)
{
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

void KV4L::ask_Write_Same(const Operation&)
{
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

void KV4L::ask_Max_Lba(const Operation&)
{
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
    connect(dialog, &SetMaxLba::closeSetMax, this, &KV4L::get_newLBA);
    show_Unowned(dialog);
    viewLog->print_Logs();
}

void KV4L::checkSanitizeOverwrite()
{
    // A sanitize goes on inside the drive when the program that started it is gone: follow it.
    // One that failed leaves the drive refusing its data until a new sanitize: say so, the
    // sanitize erases stay on offer for it.
    for (device* panel : qAsConst(devices)) {
        _tDevice* record = panel->get_tDevice();
        sanitizeFeaturesSupported features = {};
        get_Sanitize_Device_Features(record, &features);
        if (!features.sanitizeSupported || panel->isTest() != 1)
            continue;
        double percent = 0;
        uint32_t state = OSKN_SANITIZE_STATE_IDLE;
        get_Sanitize_Progress(record, &percent, &state);
        if (state == OSKN_SANITIZE_STATE_FAILED && !panel->shows_Sanitize_Failed()) {
            LogsApplication::Instance()->kestrova_Log_Error(
                "Warning: the drive reports that its last sanitize failed, a new sanitize is needed for S/N: "
                + panel->get_Serial_Number());
            panel->mark_Sanitize_Failed();
        }
        if (state != OSKN_SANITIZE_STATE_IN_PROGRESS || !features.overwrite)
            continue;
        // As if started from its menu entry, but checked and without a confirmation: the drive
        // is already at it.
        const Operation& op = *find_Operation("actionErase_Sanitize_Overwrite");
        panel->set_Checked_Test();
        start_On_Panel(op, op.make(record, {}), panel, {});
        add_Max_Test_Device();
    }
}
