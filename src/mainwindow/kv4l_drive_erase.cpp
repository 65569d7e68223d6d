// The action slots of the erases the drive performs itself (write same, sanitize), and the
// resumption of a sanitize that was already running in a drive.
#include "kv4l.h"

#include "command.h"
#include "device.h"
#include "logsapplication.h"
#include "oskn_operations.h"
#include "viewlog.h"

#include "erasecrypto.h"
#include "sanitizeoverwrite.h"

void KV4L::on_actionErase_Sanitize_Overwrite_triggered()
{
    if (!confirm_Dangerous("Called: Sanitize Overwrite Erase", "Sanitize overwrite erase rejected by user", true))
        return;
    if (over_Limit(false))
        return;
    quantityToTest(dispatch([](device* p) { return new SanitizeOverwrite(p->get_tDevice()); },
                            [](MainTest* t, device* p) {
                                p->disables_Abort();
                                QObject::connect(static_cast<SanitizeOverwrite*>(t), &SanitizeOverwrite::changePercent,
                                                 p, QOverload<double>::of(&device::change_Progress_Value),
                                                 Qt::QueuedConnection);
                            }));
}

void KV4L::on_actionErase_Sanitize_Crypto_triggered()
{
    if (!confirm_Dangerous("Called: Erase Crypto", "Erase Crypto test rejected by user"))
        return;
    if (over_Limit(true))
        return;
    quantityToTest(dispatch([](device* p) { return new Erasecrypto(p->get_tDevice()); },
                            [](MainTest* t, device* p) {
                                p->disables_Abort();
                                QObject::connect(static_cast<Erasecrypto*>(t), &Erasecrypto::changePercent, p,
                                                 QOverload<int>::of(&device::change_Progress_Value),
                                                 Qt::QueuedConnection);
                            }));
}

void KV4L::checkSanitizeOverwrite()
{
    // A sanitize goes on inside the drive when the program that started it is gone: follow it.
    for (device* panel : qAsConst(devices)) {
        _tDevice* record = panel->get_tDevice();
        sanitizeFeaturesSupported features = {};
        get_Sanitize_Device_Features(record, &features);
        if (!features.overwrite || panel->isTest() != 1)
            continue;
        double percent = 0;
        uint32_t state = OSKN_SANITIZE_STATE_IDLE;
        get_Sanitize_Progress(record, &percent, &state);
        if (state != OSKN_SANITIZE_STATE_IN_PROGRESS)
            continue;
        SanitizeOverwrite* test = new SanitizeOverwrite(record);
        MainTestCmd* command = new MainTestCmd(test);
        *panel->get_Descriptor() = *test->getDescriptor();
        panel->execute();
        panel->disables_Abort();
        panel->set_Checked_Test();
        connect(test, &SanitizeOverwrite::changePercent, panel, QOverload<double>::of(&device::change_Progress_Value),
                Qt::QueuedConnection);
        connect(test, &MainTest::changeStatus, panel, &device::change_Progress_status, Qt::QueuedConnection);
        connect(test, &MainTest::changeVerification, panel, &device::show_Verification, Qt::QueuedConnection);
        connect(test, &MainTest::change_Logs, viewLog, &ViewLog::print_Logs, Qt::QueuedConnection);
        invoker->executeTest(command);
        clear_Menu_Basic_Erase();
        add_Max_Test_Device();
    }
}
