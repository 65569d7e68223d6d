#include "tests/erasefull.h"

#include "tests/eraseverifier.h"
#include "log/logsapplication.h"
#include "tests/reasons.h"
#include "deviceaccess/oskn_public.h"

namespace {

constexpr uint64_t kSectorsPerCommand = 64;

uint32_t sector_Size(const _tDevice* device)
{
    return device->logicalSectorSize ? device->logicalSectorSize : 512u;
}

} // namespace

EraseFull::EraseFull(_tDevice* dev, QObject* parent)
    : EraseTest(dev, "OSKNPUBLIC_API int scsi_Write_16()", parent),
      buffer(size_t(sector_Size(dev)) * kSectorsPerCommand), maxLBA(dev->maxLBA)
{
    describe("Erase Overwrite Full", TestType::EraseFull);
}

int EraseFull::execute()
{
    start_Clock();
    const QString sn = serial();
    log()->kestrova_Log_Debug("Starting test:  Erase Full - SN: " + sn);
    log()->kestrova_Log_Info("Test information: First LBA: 0");
    log()->kestrova_Log_Info("Test information: Last LBA: " + QString::number(maxLBA));
    log()->kestrova_Log_Info("Test information: Fua: 0");
    log()->kestrova_Log_Info("Test information: Rarc: 0");
    log()->kestrova_Log_Info("Test information: LBA: 0");
    log()->kestrova_Log_Info("Test information: Group Number: 0");
    emit change_Logs();
    outcome.parameters = {{"firstLba", 0ull}, {"lastLba", qulonglong(maxLBA)}, {"method", "overwrite"}, {"pattern", "zeros"}};

    if (maxLBA == 0) {
        log()->kestrova_Log_Fatal("Warning: Failed to find storage capacity - SN: " + sn);
        return fail("Warning: EraseFull::execute() - returned: FAIL for SN: " + sn, Reason::NoCapacity);
    }

    // No remaining time until there is something to estimate from: "00:00:00" would say done.
    send_Percent(0);
    const double sectors = double(maxLBA) + 1;
    for (uint64_t lba = 0;; lba += kSectorsPerCommand) {
        if (abortRequested.load())
            return aborted("Test information: Erase Full Test - ABORTED");
        // The max LBA is the last sector, not the first past the end: it is written too.
        const bool last = maxLBA - lba < kSectorsPerCommand;
        const uint32_t count = uint32_t(last ? maxLBA - lba + 1 : kSectorsPerCommand);
        percent = last ? 100.0 : double(lba) / sectors * 100.0;

        const int rc = scsi_Write_16(device, 0, false, false, lba, 0, count, buffer.data());
        if (rc != 0)
            return write_Failed(
                rc, lba, count,
                [this](uint64_t one) { return scsi_Write_16(device, 0, false, false, one, 0, 1, buffer.data()); },
                "Test information: EraseFull::execute() - returned: UNABLE TO RUN for SN: ",
                "Warning: EraseFull::execute() - returned: FAIL for SN: ");
        send_Percent(percent);
        send_Estimate(double(lba + count), sectors);

        if (last) {
            get_library_information(OSKN_SUCCESS);
            EraseVerifier verifier(device, {{0, maxLBA}}, EraseVerifier::Expect::Pattern);
            const int checked = read_Back(verifier);
            if (checked == TestStatus::Aborted)
                return aborted("Test information: Erase Full Test - ABORTED");
            if (checked != TestStatus::Pass)
                return fail("Warning: EraseFull::execute() - returned: FAIL for SN: " + sn);
            return pass("Test information: EraseFull::execute() - returned: SUCCESS for S/N: "
                                               + sn);
        }
    }
}
