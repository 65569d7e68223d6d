#include "mainwindow/operationcatalogue.h"

#include "device/device.h"
#include "mainwindow/kv4l.h"
#include "log/logsapplication.h"

#include "tests/boottracks.h"
#include "tests/erasecrypto.h"
#include "tests/erasefull.h"
#include "tests/eraserange.h"
#include "tests/erasetimetest.h"
#include "tests/fixallfast.h"
#include "tests/fixalllong.h"
#include "tests/idd.h"
#include "tests/longgeneric.h"
#include "tests/psid.h"
#include "tests/sanitizeoverwrite.h"
#include "tests/setmaxlbatest.h"
#include "tests/shortdst.h"
#include "tests/shortgeneric.h"
#include "tests/smartcheck.h"
#include "tests/spindown.h"
#include "tests/writesametest.h"

#include <QMetaMethod>

namespace {

template <class T>
MainTest* make(_tDevice* drive, const OperationParameters&)
{
    return new T(drive);
}

bool valid_Range(const OperationParameters& p)
{
    if (p.lastLba > p.firstLba)
        return true;
    LogsApplication::Instance()->kestrova_Log_Debug("Invalid values");
    return false;
}

LogsApplication* log()
{
    return LogsApplication::Instance();
}

using M = Operation::Menu;
using C = Operation::Confirm;
using W = Operation::Wire;

} // namespace

const std::vector<Operation>& operation_Catalogue()
{
    static const std::vector<Operation> rows = {
        // action, menu, offered, confirmation, name, refusal line, quiet limit, dialog, answer check, test, wiring
        {"actionS_M_A_R_T_Check", M::Basic, nullptr, C::None, "S.M.A.R.T. Check Test", {}, false, nullptr,
         nullptr, make<SmartCheck>, W::Percent},
        {"actionShort_Drive_Self_Test", M::Basic, nullptr, C::None, "Short Drive Self Test", {}, false, nullptr,
         nullptr, make<shortdst>, W::Percent},
        {"actionShort_Generic_Self_Test", M::Basic, nullptr, C::None, "Short Generic Self Test", {}, false,
         nullptr, nullptr, make<ShortGeneric>, W::Percent | W::Phase},
        {"actionLong_Generic_Test", M::Basic, nullptr, C::None, "Long Generic Test", {}, false, nullptr, nullptr,
         make<LongGeneric>, W::Percent | W::Estimate | W::Errors},
        {"actionFix_All_Fast", M::FixAll, [](const MenuOffer& o) { return o.repairs; }, C::Dangerous,
         "Fix All fast", "Fix All fast test rejected by user", false, nullptr, nullptr, make<FixAllFast>,
         W::Percent | W::Errors | W::Fixed},
        {"actionFix_All_Long", M::FixAll, [](const MenuOffer& o) { return o.repairs; }, C::Dangerous,
         "Fix All long", "Fix All long test rejected by user", false, nullptr, nullptr, make<FixAllLong>,
         W::Percent | W::Estimate | W::Errors | W::Fixed},
        {"action_Spin_Down", M::Advanced, nullptr, C::Dangerous, "Spin Down", "Spin down test rejected by user",
         false, nullptr, nullptr, make<SpinDown>, W::Percent},
        {"actionSet_max_LBA", M::Advanced, [](const MenuOffer& o) { return o.full && o.setMaxLba; },
         C::Dangerous, "Set max LBA", "Set max LBA test rejected by user", false, &KV4L::ask_Max_Lba, nullptr,
         [](_tDevice* d, const OperationParameters& p) -> MainTest* {
             return new SetMaxLBATest(d, p.lastLba, p.reset);
         },
         W::Percent | W::CloseInfo},
        {"actionErase_Overwrite_Full", M::Erase, [](const MenuOffer& o) { return o.full; }, C::Dangerous,
         "Erase overwrite full", "Erase overwrite full test rejected by user", false, nullptr, nullptr,
         make<EraseFull>, W::Percent | W::Estimate | W::Errors},
        {"actionBoot_Tracks", M::Erase, [](const MenuOffer& o) { return o.full; }, C::Dangerous, "Boot tracks",
         "Boot tracks test rejected by user", false, nullptr, nullptr, make<BootTracks>, W::Percent},
        {"actionErase_Range", M::Erase, [](const MenuOffer& o) { return o.full; }, C::Dangerous, "Erase range",
         "Erase range test rejected by user", false, &KV4L::ask_Erase_Range, valid_Range,
         [](_tDevice* d, const OperationParameters& p) -> MainTest* {
             return new EraseRange(d, p.firstLba, p.lastLba);
         },
         W::Percent | W::Errors | W::Range},
        {"actionErase_Time", M::Erase, [](const MenuOffer& o) { return o.full; }, C::Dangerous, "Erase time",
         "Erase time test rejected by user", false, &KV4L::ask_Erase_Time,
         [](const OperationParameters& p) {
             if (p.time < 1) {
                 log()->kestrova_Log_Debug("invalid values");
                 return false;
             }
             log()->kestrova_Log_Debug("Test Information: TIME: " + QString::number(p.time));
             log()->kestrova_Log_Debug("Test Information: LBA: " + QString::number(p.firstLba));
             return true;
         },
         [](_tDevice* d, const OperationParameters& p) -> MainTest* {
             return new EraseTimeTest(d, p.firstLba, p.time);
         },
         W::Percent | W::Estimate | W::Errors},
        {"actionWriteSame", M::Advanced, [](const MenuOffer& o) { return o.full && o.writeSame; }, C::Dangerous,
         "Write Same", "Write same test rejected by user", false, &KV4L::ask_Write_Same,
         [](const OperationParameters& p) {
             if (!valid_Range(p))
                 return false;
             log()->kestrova_Log_Debug("Initial LBA: " + QString::number(p.firstLba));
             log()->kestrova_Log_Debug("Last LBA: " + QString::number(p.lastLba));
             return true;
         },
         [](_tDevice* d, const OperationParameters& p) -> MainTest* {
             return new WriteSameTest(d, p.firstLba, p.lastLba);
         },
         W::Percent | W::Estimate | W::Range | W::NoAbort},
        {"actionErase_Sanitize_Crypto", M::Sanitize,
         [](const MenuOffer& o) { return o.full && o.sanitize && o.crypto; }, C::Dangerous, "Erase Crypto",
         "Erase Crypto test rejected by user", true, nullptr, nullptr, make<Erasecrypto>,
         W::Percent | W::NoAbort | W::SanitizeFailed},
        {"actionErase_Sanitize_Overwrite", M::Sanitize,
         [](const MenuOffer& o) { return o.full && o.sanitize && o.overwrite; }, C::Execution,
         "Sanitize Overwrite Erase", "Sanitize overwrite erase rejected by user", false, nullptr, nullptr,
         make<SanitizeOverwrite>, W::Percent | W::Estimate | W::NoAbort | W::SanitizeFailed},
        {"actionErase_PSID", M::Advanced, [](const MenuOffer& o) { return o.full && o.psid; }, C::Dangerous,
         "PSID Erase", {}, false, &KV4L::ask_Psid,
         [](const OperationParameters& p) {
             log()->kestrova_Log_Info("Test information: selected key: " + p.key);
             if (p.key.size() == 32)
                 return true;
             log()->kestrova_Log_Debug("Invalid values");
             return false;
         },
         [](_tDevice* d, const OperationParameters& p) -> MainTest* { return new CPSID(d, p.key); },
         W::Percent | W::NoAbortLater},
        {"actionIDD_70", M::Idd, [](const MenuOffer& o) { return o.full && o.iddLast && o.idd70; }, C::AlertIdd,
         "IDD 70", "IDD 70 rejected by user", true, nullptr, nullptr,
         [](_tDevice* d, const OperationParameters&) -> MainTest* {
             return new IDD(d, OSKN_IDD_RESET_AND_RECALIBRATE, TestType::Idd70, 70);
         },
         W::Percent | W::Phase | W::Estimate | W::NoAbortLater | W::HoldRescan},
        {"actionIDD_71", M::Idd, [](const MenuOffer& o) { return o.full && o.iddLast && o.idd71; }, C::AlertIdd,
         "IDD 71", "IDD 71 rejected by user", true, nullptr, nullptr,
         [](_tDevice* d, const OperationParameters&) -> MainTest* {
             return new IDD(d, OSKN_IDD_TEST_PENDING_AND_REALLOCATION_LISTS, TestType::Idd71, 71);
         },
         W::Percent | W::Phase | W::Estimate | W::NoAbortLater | W::HoldRescan},
    };
    return rows;
}

const Operation* find_Operation(const char* action)
{
    for (const Operation& op : operation_Catalogue())
        if (qstrcmp(op.action, action) == 0)
            return &op;
    return nullptr;
}

namespace {

// Connects the first of the test's signals that it has to the panel's slot of the same place;
// false when it has none of them.
bool connect_First(MainTest* test, device* panel, std::initializer_list<std::pair<const char*, const char*>> pairs)
{
    const QMetaObject* from = test->metaObject();
    const QMetaObject* to = panel->metaObject();
    for (const auto& [signal, slot] : pairs) {
        const int s = from->indexOfSignal(signal);
        if (s < 0)
            continue;
        const int r = to->indexOfSlot(slot);
        return r >= 0
               && QObject::connect(test, from->method(s), panel, to->method(r), Qt::QueuedConnection);
    }
    return false;
}

} // namespace

bool wire_Operation(const Operation& op, MainTest* test, device* panel, const OperationParameters& parameters)
{
    bool wired = true;
    // A test with more than one form of its percentage uses the narrower one.
    if (op.wiring & W::Percent)
        wired &= connect_First(test, panel, {{"changePercent(int,int)", "change_Progress_Value(int,int)"},
                                             {"changePercent(int)", "change_Progress_Value(int)"},
                                             {"changePercent(double)", "change_Progress_Value(double)"}});
    if (op.wiring & W::Estimate)
        wired &= connect_First(test, panel, {{"changeTimeEstimate(QString)", "change_Progress_Value(QString)"}});
    if (op.wiring & W::Errors)
        wired &= connect_First(test, panel, {{"change_Log_Erro_Test_Device(QString)", "log_Erro_Test_Device(QString)"}});
    if (op.wiring & W::Fixed)
        wired &= connect_First(test, panel,
                               {{"change_Log_Fixed_Test_Device(QString)", "log_Fixed_Test_Device(QString)"}});
    if (op.wiring & W::Phase)
        wired &= connect_First(test, panel, {{"changeNameTest(int)", "change_Progress_Name_Test(int)"}});
    if (op.wiring & W::SanitizeFailed)
        wired &= connect_First(test, panel, {{"sanitizeFailed()", "mark_Sanitize_Failed()"}});
    if (op.wiring & W::NoAbort)
        panel->disables_Abort();
    if (op.wiring & W::Range)
        panel->log_input_Values(parameters.firstLba, parameters.lastLba);
    return wired;
}
