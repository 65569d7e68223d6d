#include "tests/boottracks.h"

#include <algorithm>

#include "tests/eraseverifier.h"
#include "log/logsapplication.h"
#include "tests/reasons.h"
#include "deviceaccess/oskn_operations.h"

namespace {

// The end of the drive that the second erase covers, in sectors.
constexpr uint64_t kTailSectors = 10240;
// What the first erase must have reached: the partition table and the primary GPT.
constexpr uint64_t kHeadSectors = 34;

} // namespace

BootTracks::BootTracks(_tDevice* dev, QObject* parent)
    : MainTest(dev, parent, "OSKNOPERATIONS_API int erase_Time()"), maxLba(dev->maxLBA)
{
    describe("Erase Boot Tracks", TestType::BootTracks);
}

void BootTracks::abort()
{
    emit changeStatus(TestStatus::Aborted);
    quit();
}

void BootTracks::end_Erase(uint64_t maxLba, uint64_t* start, uint32_t* seconds)
{
    if (maxLba <= kTailSectors) {
        *start = uint64_t(double(maxLba) - 0.01 * double(maxLba));
        *seconds = 1;
    } else {
        *start = maxLba - kTailSectors;
        *seconds = 2;
    }
}

int BootTracks::execute()
{
    const QString sn = serial();
    log()->kestrova_Log_Debug("Starting test:  Erase BootTracks - SN: " + sn);
    log()->kestrova_Log_Info("Test information: Maximum LBA to be tested: " + QString::number(maxLba));
    log()->kestrova_Log_Info("Test information: LBA start: " + QString("0"));
    emit change_Logs();

    if (maxLba == 0) {
        log()->kestrova_Log_Fatal("Warning: Failed to find storage capacity - SN: " + sn);
        return fail("Warning: BootTracks::execute() FAIL for S/N: " + sn, Reason::NoCapacity);
    }
    if (abortRequested.load()) {
        return aborted("Test information: Erase Boot Tracks Test - ABORTED");
    }

    int rc = erase_Time(device, 0, 1);
    emit changePercent(0);

    maxLba = device->maxLBA;
    uint64_t start;
    uint32_t seconds;
    end_Erase(maxLba, &start, &seconds);
    if (rc == 0)
        rc = erase_Time(device, start, seconds);

    if (rc == 0) {
        EraseVerifier verifier(device, {{0, std::min(kHeadSectors - 1, maxLba)}, {start, maxLba}},
                               EraseVerifier::Expect::Pattern);
        const int checked = read_Back(verifier);
        if (checked == TestStatus::Aborted)
            return aborted("Test information: Erase Boot Tracks Test - ABORTED");
        if (checked != TestStatus::Pass) {
            get_library_information(OSKN_FAILURE);
            return fail("Warning: Erase_BootTracks::execute() - returned: FAILURE for S/N: " + sn);
        }
    }
    if (rc == 0) {
        emit changePercent(100);
        get_library_information(OSKN_SUCCESS);
        log()->kestrova_Log_Debug("Test information: Erase_BootTracks::execute() - returned: SUCCESS for S/N: "
                                            + sn);
    } else if (rc == OSKN_CANNOT_PERFORM) {
        get_library_information(OSKN_CANNOT_PERFORM);
        log()->kestrova_Log_Debug(
            "Test information: Erase_BootTracks::execute() - returned: UNABLE TO RUN for SN: " + sn);
    } else {
        get_library_information(rc);
        if (drive_Lost(rc))
            set_Reason(Reason::StoppedAnswering);
        else
            set_Reason(Reason::WriteRefused, " (" + QString::number(rc) + ")");
        log()->kestrova_Log_Error("Warning: Erase_BootTracks::execute() - returned: FAILURE for S/N: " + sn);
    }
    emit change_Logs();
    return rc;
}
