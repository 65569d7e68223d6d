// The action slots of the erases the program writes itself.
#include "kv4l.h"

#include "device.h"
#include "logsapplication.h"
#include "viewlog.h"

#include "erasefull.h"

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

} // namespace

void KV4L::on_actionErase_Overwrite_Full_triggered()
{
    if (!confirm_Dangerous("Called: Erase overwrite full", "Erase overwrite full test rejected by user"))
        return;
    if (over_Limit(false))
        return;
    quantityToTest(dispatch([](device* p) { return new EraseFull(p->get_tDevice()); },
                            [](MainTest* t, device* p) { wire_Erase(static_cast<EraseTest*>(t), p, true); }));
}
