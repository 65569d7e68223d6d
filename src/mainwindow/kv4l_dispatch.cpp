// The action slots of the basic tests, the repairs, boot tracks and spin-down: each applies the dispatch
// pattern with its own test class and connections.
#include "kv4l.h"

#include "device.h"
#include "logsapplication.h"
#include "viewlog.h"

#include "boottracks.h"
#include "fixallfast.h"
#include "fixalllong.h"
#include "longgeneric.h"
#include "shortdst.h"
#include "shortgeneric.h"
#include "smartcheck.h"
#include "spindown.h"

void KV4L::on_actionShort_Drive_Self_Test_triggered()
{
    if (over_Limit(false))
        return;
    logKV4L->kestrova_Log_Debug("Called: Short Drive Self Test");
    quantityToTest(dispatch([](device* p) { return new shortdst(p->get_tDevice()); },
                            [](MainTest* t, device* p) {
                                QObject::connect(static_cast<shortdst*>(t), QOverload<int>::of(&shortdst::changePercent), p,
                                                 QOverload<int>::of(&device::change_Progress_Value));
                            }));
}

void KV4L::on_actionS_M_A_R_T_Check_triggered()
{
    if (over_Limit(false))
        return;
    logKV4L->kestrova_Log_Debug("Called: S.M.A.R.T. Check Test");
    quantityToTest(dispatch([](device* p) { return new SmartCheck(p->get_tDevice()); },
                            [](MainTest* t, device* p) {
                                QObject::connect(static_cast<SmartCheck*>(t), QOverload<double>::of(&SmartCheck::changePercent), p,
                                                 QOverload<double>::of(&device::change_Progress_Value));
                            }));
}

void KV4L::on_actionShort_Generic_Self_Test_triggered()
{
    if (over_Limit(false))
        return;
    logKV4L->kestrova_Log_Debug("Called: Short Generic Self Test");
    quantityToTest(dispatch([](device* p) { return new ShortGeneric(p->get_tDevice()); },
                            [](MainTest* t, device* p) {
                                auto* test = static_cast<ShortGeneric*>(t);
                                QObject::connect(test, QOverload<int, int>::of(&ShortGeneric::changePercent), p,
                                                 QOverload<int, int>::of(&device::change_Progress_Value));
                                QObject::connect(test, &ShortGeneric::changeNameTest, p,
                                                 &device::change_Progress_Name_Test);
                            }));
}

void KV4L::on_actionLong_Generic_Test_triggered()
{
    if (over_Limit(false))
        return;
    logKV4L->kestrova_Log_Debug("Called: Long Generic Test");
    quantityToTest(dispatch([](device* p) { return new LongGeneric(p->get_tDevice()); },
                            [](MainTest* t, device* p) {
                                auto* test = static_cast<LongGeneric*>(t);
                                QObject::connect(test, QOverload<double>::of(&LongGeneric::changePercent), p,
                                                 QOverload<double>::of(&device::change_Progress_Value),
                                                 Qt::QueuedConnection);
                                QObject::connect(test, &LongGeneric::changeTimeEstimate, p,
                                                 QOverload<QString>::of(&device::change_Progress_Value),
                                                 Qt::QueuedConnection);
                                QObject::connect(test, &LongGeneric::change_Log_Erro_Test_Device, p,
                                                 &device::log_Erro_Test_Device, Qt::QueuedConnection);
                            }));
}

void KV4L::on_actionFix_All_Fast_triggered()
{
    if (!confirm_Dangerous("Called: Fix All fast", "Fix All fast test rejected by user"))
        return;
    if (over_Limit(false))
        return;
    quantityToTest(dispatch([](device* p) { return new FixAllFast(p->get_tDevice()); },
                            [](MainTest* t, device* p) {
                                auto* test = static_cast<FixAllFast*>(t);
                                QObject::connect(test, QOverload<int>::of(&FixAllFast::changePercent), p,
                                                 QOverload<int>::of(&device::change_Progress_Value),
                                                 Qt::QueuedConnection);
                                QObject::connect(test, &FixAllFast::change_Log_Erro_Test_Device, p,
                                                 &device::log_Erro_Test_Device, Qt::QueuedConnection);
                                QObject::connect(test, &FixAllFast::change_Log_Fixed_Test_Device, p,
                                                 &device::log_Fixed_Test_Device, Qt::QueuedConnection);
                            }));
}

void KV4L::on_actionFix_All_Long_triggered()
{
    if (!confirm_Dangerous("Called: Fix All long", "Fix All long test rejected by user"))
        return;
    if (over_Limit(false))
        return;
    quantityToTest(dispatch([](device* p) { return new FixAllLong(p->get_tDevice()); },
                            [](MainTest* t, device* p) {
                                auto* test = static_cast<FixAllLong*>(t);
                                QObject::connect(test, QOverload<double>::of(&FixAllLong::changePercent), p,
                                                 QOverload<double>::of(&device::change_Progress_Value),
                                                 Qt::QueuedConnection);
                                QObject::connect(test, &FixAllLong::changeTimeEstimate, p,
                                                 QOverload<QString>::of(&device::change_Progress_Value),
                                                 Qt::QueuedConnection);
                                QObject::connect(test, &FixAllLong::change_Log_Erro_Test_Device, p,
                                                 &device::log_Erro_Test_Device, Qt::QueuedConnection);
                                QObject::connect(test, &FixAllLong::change_Log_Fixed_Test_Device, p,
                                                 &device::log_Fixed_Test_Device, Qt::QueuedConnection);
                            }));
}

void KV4L::on_actionBoot_Tracks_triggered()
{
    if (!confirm_Dangerous("Called: Boot tracks", "Boot tracks test rejected by user"))
        return;
    if (over_Limit(false))
        return;
    quantityToTest(dispatch([](device* p) { return new BootTracks(p->get_tDevice()); },
                            [](MainTest* t, device* p) {
                                QObject::connect(static_cast<BootTracks*>(t), QOverload<int>::of(&BootTracks::changePercent), p,
                                                 QOverload<int>::of(&device::change_Progress_Value),
                                                 Qt::QueuedConnection);
                            }));
}

void KV4L::on_action_Spin_Down_triggered()
{
    if (!confirm_Dangerous("Called: Spin Down", "Spin down test rejected by user"))
        return;
    if (over_Limit(false))
        return;
    quantityToTest(dispatch([](device* p) { return new SpinDown(p->get_tDevice()); },
                            [](MainTest* t, device* p) {
                                QObject::connect(static_cast<SpinDown*>(t), QOverload<double>::of(&SpinDown::changePercent), p,
                                                 QOverload<double>::of(&device::change_Progress_Value));
                            },
                            true));
}
