// Write same: the drive fills a span with zeros by itself. An ATA drive gets one SCT Write Same
// (IDENTIFY word 206 says whether it has one) and reports its progress in the SCT status: a SAT
// layer such as Linux's libata refuses WRITE SAME(16) for ATA drives and advertises a write-same
// limit that only holds for TRIM. Other drives get WRITE SAME(16), cut into commands on a
// background thread so that the caller can follow the progress; the drive's lock is taken per
// command only.
#include <algorithm>
#include <thread>
#include <vector>

#include "core/clock.h"
#include "core/nvme.h"
#include "ops_common.h"
#include "transferbuffer.h"

using namespace oskn;

namespace {

// Most blocks one WRITE SAME may cover (Block Limits VPD page), 0 when the drive has none.
uint64_t max_Write_Same_Blocks(Drive& drive)
{
    alignas(kTransferAlignment) uint8_t page[64] = {};
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

// What the ATA drive says of its SCT Write Same.
struct SctOffer {
    bool writeSame = false;
    bool gpl = false; // the log commands to use
};

SctOffer sct_Offer(Drive& drive)
{
    alignas(kTransferAlignment) uint8_t id[512] = {};
    SctOffer offer;
    if (ata_Command(drive, ata_Identify_Command(), id, sizeof id) != OSKN_SUCCESS)
        return offer;
    offer.writeSame = identify::sct_Write_Same(id);
    offer.gpl = identify::gpl(id);
    return offer;
}

int read_Sct_Status(Drive& drive, bool gpl, SctStatus& status)
{
    alignas(kTransferAlignment) uint8_t page[512] = {};
    const int rc = ata_Command(drive, ata_Log_Page_Command(SctCommandLog, false, gpl), page, sizeof page);
    if (rc == OSKN_SUCCESS)
        status = parse_Sct_Status(page);
    return rc;
}

bool sct_Write_Same_Running(const SctStatus& s) { return s.deviceState == 5 || s.extendedStatus == 0xFFFF; }

int sct_Write_Same(_tDevice* device, Drive& drive, uint64_t startLBA, uint32_t count, bool waitForCompletion)
{
    const SctOffer offer = sct_Offer(drive);
    if (!offer.writeSame)
        return OSKN_CANNOT_PERFORM; // like every erase call: the drive cannot do it
    SctStatus status;
    if (read_Sct_Status(drive, offer.gpl, status) == OSKN_SUCCESS && sct_Write_Same_Running(status))
        return OSKN_IN_PROGRESS;
    alignas(kTransferAlignment) uint8_t key[512];
    sct_Write_Same_Key(key, startLBA, count, 0, false);
    const int rc = ata_Command(drive, ata_Log_Page_Command(SctCommandLog, true, offer.gpl), key, sizeof key);
    if (rc != OSKN_SUCCESS)
        return cannot_If_Unsupported(rc);
    {
        std::lock_guard<std::mutex> guard(drive.state->jobMutex);
        drive.state->writeSameSct = true;
        drive.state->writeSameStart = startLBA;
        drive.state->writeSameEnd = startLBA + count;
    }
    if (!waitForCompletion)
        return OSKN_SUCCESS;
    double percent = 0;
    bool running = true;
    int progress;
    while ((progress = get_Writesame_Progress(device, &percent, &running, startLBA, startLBA + count)) ==
               OSKN_SUCCESS &&
           running)
        sleep_Milliseconds(1000);
    return progress;
}

int sct_Progress(Drive& drive, uint64_t startLBA, uint64_t endLBA, double* percent, bool* inProgress)
{
    SctStatus status;
    const int rc = read_Sct_Status(drive, sct_Offer(drive).gpl, status);
    if (rc != OSKN_SUCCESS)
        return rc;
    const uint64_t total = endLBA - startLBA;
    const uint64_t reached = std::clamp(status.currentLba, startLBA, endLBA);
    *inProgress = sct_Write_Same_Running(status);
    if (*inProgress) {
        *percent = std::min(99.99, double(reached - startLBA) * 100.0 / double(total));
        return OSKN_SUCCESS;
    }
    // Ended: done only when the last SCT command is this write same and it finished cleanly.
    if (status.actionCode == 0x0002 && status.extendedStatus == 0) {
        *percent = 100.0;
        return OSKN_SUCCESS;
    }
    *percent = double(reached - startLBA) * 100.0 / double(total);
    return OSKN_FAILURE;
}

// An NVMe drive's Write Zeroes: ONCS bit 3; one command covers at most the 16-bit block count.
bool nvme_Write_Zeroes(_tDevice* device, Drive& drive)
{
    nvme::ControllerInfo c;
    return nvme_Identified(device) && nvme_Identify_Controller(drive, c) == OSKN_SUCCESS &&
           (c.oncs & NVME_CTRL_ONCS_WRITE_ZEROES);
}

// nsid 0: WRITE SAME(16) to a SCSI drive; else NVMe Write Zeroes on that namespace.
void run_Job(std::shared_ptr<Drive> drive, uint64_t start, uint64_t count, uint64_t perCommand,
             uint32_t sectorSize, uint32_t nsid)
{
    TransferBuffer zeros(sectorSize);
    int rc = OSKN_SUCCESS;
    for (uint64_t done = 0; done < count && rc == OSKN_SUCCESS;) {
        const uint32_t n = uint32_t(std::min<uint64_t>(perCommand, count - done));
        if (nsid) {
            NvmeCommand c = nvme::write_Zeroes_Command(nsid, start + done, n);
            rc = nvme_Command(*drive, c);
        } else {
            rc = scsi_Command(*drive, cdb::write_Same_16(0, false, false, start + done, n, 0), DataDirection::Out,
                              zeros.data(), sectorSize, 600);
        }
        if (rc == OSKN_SUCCESS)
            done += n;
        std::lock_guard<std::mutex> guard(drive->state->jobMutex);
        drive->state->writeSameDone = done;
    }
    // Write Zeroes answered GOOD is not proof: the span's first and last blocks must read zero.
    if (rc == OSKN_SUCCESS && nsid && count > 0) {
        TransferBuffer block(sectorSize);
        for (const uint64_t lba : {start, start + count - 1}) {
            if (rc == OSKN_SUCCESS)
                rc = nvme_Read_Write(*drive, nsid, false, lba, 1, true, block.data(), sectorSize);
            if (rc == OSKN_SUCCESS && std::any_of(block.data(), block.data() + sectorSize, [](uint8_t b) { return b; }))
                rc = OSKN_FAILURE;
        }
    }
    std::lock_guard<std::mutex> guard(drive->state->jobMutex);
    drive->state->writeSameResult = cannot_If_Unsupported(rc);
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
    if (!drive || !range_Fits(device, startLBA, numberOfLogicalBlocks) || is_Block(device))
        return false;
    if (is_Nvme(device)) {
        if (!nvme_Write_Zeroes(device, *drive))
            return false;
        if (maxBlocksPerCommand)
            *maxBlocksPerCommand = nvme::MaxBlocksPerCommand;
        return true;
    }
    if (is_Ata(device)) {
        // One SCT command covers any span of the drive.
        if (!sct_Offer(*drive).writeSame)
            return false;
        if (maxBlocksPerCommand)
            *maxBlocksPerCommand = device->maxLBA + 1;
        return true;
    }
    const uint64_t most = max_Write_Same_Blocks(*drive);
    if (maxBlocksPerCommand)
        *maxBlocksPerCommand = most;
    return most > 0;
}

int writesame(_tDevice* device, uint64_t startLBA, uint32_t numberOfLogicalBlocks, bool waitForCompletion)
{
    const CallTarget call = begin_Call(device);
    if (call.refusal)
        return call.refusal;
    const std::shared_ptr<Drive>& drive = call.drive;
    if (!range_Fits(device, startLBA, numberOfLogicalBlocks))
        return OSKN_BAD_PARAMETER;
    if (is_Ata(device))
        return sct_Write_Same(device, *drive, startLBA, numberOfLogicalBlocks, waitForCompletion);
    if (is_Block(device))
        return OSKN_CANNOT_PERFORM;
    const bool nvme = is_Nvme(device);
    if (nvme && !nvme_Identified(device))
        return OSKN_FAILURE;
    const uint64_t most = nvme ? (nvme_Write_Zeroes(device, *drive) ? nvme::MaxBlocksPerCommand : 0)
                               : max_Write_Same_Blocks(*drive);
    if (most == 0)
        return OSKN_CANNOT_PERFORM;
    // About a hundred commands for the span, so progress moves by the percent.
    const uint64_t perCommand = std::min<uint64_t>(
        {most, 0xFFFFFFFFull, std::max<uint64_t>(2048, numberOfLogicalBlocks / 100)});
    {
        std::lock_guard<std::mutex> guard(drive->state->jobMutex);
        if (drive->state->writeSameRunning)
            return OSKN_IN_PROGRESS;
        drive->state->writeSameRunning = true;
        drive->state->writeSameSct = false;
        drive->state->writeSameStart = startLBA;
        drive->state->writeSameEnd = startLBA + numberOfLogicalBlocks;
        drive->state->writeSameDone = 0;
        drive->state->writeSameResult = OSKN_SUCCESS;
    }
    const uint32_t sectorSize = device->logicalSectorSize ? device->logicalSectorSize : 512;
    std::thread job(run_Job, drive, startLBA, uint64_t(numberOfLogicalBlocks), perCommand, sectorSize,
                    nvme ? record::nsid(device) : 0u);
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
    const CallTarget call = begin_Call(device, percent && inProgress);
    if (call.refusal)
        return call.refusal;
    const std::shared_ptr<Drive>& drive = call.drive;
    std::unique_lock<std::mutex> guard(drive->state->jobMutex);
    const DriveState& s = *drive->state;
    if (s.writeSameStart != startLBA || s.writeSameEnd != endLBA || s.writeSameEnd == 0) {
        // Not started yet for this span (the caller may ask before the start went out).
        *percent = 0.0;
        *inProgress = true;
        return OSKN_SUCCESS;
    }
    if (s.writeSameSct) {
        guard.unlock();
        return sct_Progress(*drive, startLBA, endLBA, percent, inProgress);
    }
    const uint64_t total = s.writeSameEnd - s.writeSameStart;
    *percent = total ? double(s.writeSameDone) * 100.0 / double(total) : 100.0;
    *inProgress = s.writeSameRunning;
    return s.writeSameRunning ? OSKN_SUCCESS : s.writeSameResult;
}

} // extern "C"
