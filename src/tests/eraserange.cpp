#include "tests/eraserange.h"

#include "tests/eraseverifier.h"
#include "log/logsapplication.h"
#include "tests/reasons.h"
#include "deviceaccess/oskn_operations.h"

namespace {

constexpr uint64_t kPieceSectors = 64;

} // namespace

EraseRange::EraseRange(_tDevice* dev, unsigned long long start, unsigned long long end, QObject* parent)
    : EraseTest(dev, "OSKNOPERATIONS_API int erase_Range()", parent), startLBA(start), endLBA(end)
{
    describe("Erase Range", TestType::EraseRange);
}

int EraseRange::execute()
{
    const QString sn = serial();
    log()->kestrova_Log_Debug("Starting test:  Erase Range - SN: " + sn);
    log()->kestrova_Log_Info("Test information: Start LBA: " + QString::number(startLBA));
    log()->kestrova_Log_Info("Test information: End LBA: " + QString::number(endLBA));
    log()->kestrova_Log_Info("Test information: Fua: 0");
    log()->kestrova_Log_Info("Test information: Rarc: 0");
    log()->kestrova_Log_Info("Test information: LBA: " + QString::number(startLBA));
    log()->kestrova_Log_Info("Test information: GroupNumber: 0");
    emit change_Logs();

    const QString failLine = "Warning: EraseRange::execute() - returned: FAIL for SN: ";
    outcome.parameters = {{"firstLba", qulonglong(startLBA)}, {"lastLba", qulonglong(endLBA)}, {"method", "overwrite"}, {"pattern", "zeros"}};
    if (endLBA == 0) {
        log()->kestrova_Log_Fatal("Warning: Failed to find storage capacity - SN: " + sn);
        return fail(failLine + sn, Reason::NoCapacity);
    }
    // An empty range erases nothing: that is no success to report.
    if (startLBA > endLBA) {
        return fail(failLine + sn, Reason::EmptyRange);
    }

    send_Percent(0);
    // endLBA is erased too; erase_Range's second LBA is the first one it leaves alone.
    const double total = double(endLBA - startLBA) + 1;
    for (uint64_t lba = startLBA;; lba += kPieceSectors) {
        if (abortRequested.load())
            return aborted("Test information: Erase Range Test - ABORTED");
        const bool last = endLBA - lba < kPieceSectors;
        const uint64_t count = last ? endLBA - lba + 1 : kPieceSectors;
        const int rc = erase_Range(device, lba, lba + count, 0);
        if (rc != 0)
            return write_Failed(
                rc, lba, count, [this](uint64_t one) { return erase_Range(device, one, one + 1, 0); },
                "Test information: EraseRange::execute() - returned: UNABLE TO RUN for SN: ", failLine);
        percent = last ? 100.0 : double(lba - startLBA + count) / total * 100.0;
        send_Percent(percent);
        if (last) {
            get_library_information(OSKN_SUCCESS);
            EraseVerifier verifier(device, {{startLBA, endLBA}}, EraseVerifier::Expect::Pattern);
            const int checked = read_Back(verifier);
            if (checked == TestStatus::Aborted)
                return aborted("Test information: Erase Range Test - ABORTED");
            if (checked != TestStatus::Pass)
                return fail(failLine + sn);
            return pass("Test information: EraseRange::execute() - returned: SUCCESS for S/N: "
                                                + sn);
        }
    }
}
