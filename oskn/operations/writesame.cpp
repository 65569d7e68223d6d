// Write same: the drive fills a span with zeros by WRITE SAME(16) (which a SAT layer carries to
// an ATA drive). The span is cut into commands on a background thread so that the caller can
// follow the progress; the drive's lock is taken per command only.
#include <algorithm>
#include <thread>
#include <vector>

#include "ops_common.h"

using namespace oskn;

namespace {

// Most blocks one WRITE SAME may cover (Block Limits VPD page), 0 when the drive has none.
uint64_t max_Write_Same_Blocks(Drive& drive)
{
    uint8_t page[64] = {};
    if (scsi_Command(drive, cdb::inquiry(true, 0xB0, sizeof page), DataDirection::In, page, sizeof page) !=
            OSKN_SUCCESS ||
        page[1] != 0xB0 || get_Be16(page + 2) < 0x28)
        return 0;
    return get_Be64(page + 36);
}

bool range_Fits(const _tDevice* device, uint64_t start, uint64_t count)
{
    return count > 0 && start <= device->maxLBA && count - 1 <= device->maxLBA - start;
}

void run_Job(std::shared_ptr<Drive> drive, uint64_t start, uint64_t count, uint64_t perCommand,
             uint32_t sectorSize)
{
    std::vector<uint8_t> zeros(sectorSize, 0);
    int rc = OSKN_SUCCESS;
    for (uint64_t done = 0; done < count && rc == OSKN_SUCCESS;) {
        const uint32_t n = uint32_t(std::min<uint64_t>(perCommand, count - done));
        rc = scsi_Command(*drive, cdb::write_Same_16(0, false, false, start + done, n, 0), DataDirection::Out,
                          zeros.data(), sectorSize, 600);
        if (rc == OSKN_SUCCESS)
            done += n;
        std::lock_guard<std::mutex> guard(drive->state->jobMutex);
        drive->state->writeSameDone = done;
    }
    std::lock_guard<std::mutex> guard(drive->state->jobMutex);
    drive->state->writeSameResult = ops::cannot_If_Unsupported(rc);
    drive->state->writeSameRunning = false;
}

} // namespace

extern "C" {

bool is_Write_Same_Supported(_tDevice* device, uint64_t startLBA, uint32_t numberOfLogicalBlocks,
                             uint64_t* maxBlocksPerCommand)
{
    if (maxBlocksPerCommand)
        *maxBlocksPerCommand = 0;
    auto drive = Registry::instance().find(device);
    if (!drive || !range_Fits(device, startLBA, numberOfLogicalBlocks))
        return false;
    const uint64_t most = max_Write_Same_Blocks(*drive);
    if (maxBlocksPerCommand)
        *maxBlocksPerCommand = most;
    return most > 0;
}

int writesame(_tDevice* device, uint64_t startLBA, uint32_t numberOfLogicalBlocks, bool waitForCompletion)
{
    auto drive = Registry::instance().find(device);
    if (!drive)
        return OSKN_INVALID_DEVICE;
    if (!range_Fits(device, startLBA, numberOfLogicalBlocks))
        return OSKN_BAD_PARAMETER;
    const uint64_t most = max_Write_Same_Blocks(*drive);
    if (most == 0)
        return OSKN_NOT_SUPPORTED;
    // About a hundred commands for the span, so progress moves by the percent.
    const uint64_t perCommand = std::min<uint64_t>(
        {most, 0xFFFFFFFFull, std::max<uint64_t>(2048, numberOfLogicalBlocks / 100)});
    {
        std::lock_guard<std::mutex> guard(drive->state->jobMutex);
        if (drive->state->writeSameRunning)
            return OSKN_IN_PROGRESS;
        drive->state->writeSameRunning = true;
        drive->state->writeSameStart = startLBA;
        drive->state->writeSameEnd = startLBA + numberOfLogicalBlocks;
        drive->state->writeSameDone = 0;
        drive->state->writeSameResult = OSKN_SUCCESS;
    }
    const uint32_t sectorSize = device->logicalSectorSize ? device->logicalSectorSize : 512;
    std::thread job(run_Job, drive, startLBA, uint64_t(numberOfLogicalBlocks), perCommand, sectorSize);
    if (!waitForCompletion) {
        job.detach();
        return OSKN_SUCCESS;
    }
    job.join();
    std::lock_guard<std::mutex> guard(drive->state->jobMutex);
    return drive->state->writeSameResult;
}

int get_Writesame_Progress(_tDevice* device, double* percent, bool* inProgress, uint64_t startLBA,
                           uint64_t endLBA)
{
    auto drive = Registry::instance().find(device);
    if (!drive)
        return OSKN_INVALID_DEVICE;
    if (!percent || !inProgress)
        return OSKN_BAD_PARAMETER;
    std::lock_guard<std::mutex> guard(drive->state->jobMutex);
    const DriveState& s = *drive->state;
    if (s.writeSameStart != startLBA || s.writeSameEnd != endLBA || s.writeSameEnd == 0) {
        // Not started yet for this span (the caller may ask before the start went out).
        *percent = 0.0;
        *inProgress = true;
        return OSKN_SUCCESS;
    }
    const uint64_t total = s.writeSameEnd - s.writeSameStart;
    *percent = total ? double(s.writeSameDone) * 100.0 / double(total) : 100.0;
    *inProgress = s.writeSameRunning;
    return s.writeSameRunning ? OSKN_SUCCESS : s.writeSameResult;
}

} // extern "C"
