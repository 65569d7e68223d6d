#include "tests/shortgeneric.h"

#include <cstdlib>
#include <limits>

#include "log/logsapplication.h"
#include "deviceaccess/oskn_public.h"
#include "tests/readverdict.h"
#include "tests/reasons.h"

QMutex mutexshort;

namespace {

constexpr uint64_t kInnerBlockSectors = 30;
constexpr int kRandomReads = 5000; // the loop makes one more

} // namespace

ShortGeneric::ShortGeneric(_tDevice* dev, QObject* parent)
    : MainTest(dev, parent, "OSKNPUBLIC_API int scsi_Read_16()"),
      buffer(scan_Buffer_Bytes(dev)),
      span(uint64_t(double(dev->maxLBA) * 0.01)),
      maxLba(dev->maxLBA),
      serialNumber(serial())
{
    describe("Short Generic Test", TestType::ShortGeneric, true);
}

void ShortGeneric::abort()
{
    quit();
    emit changeStatus(status);
}

uint64_t ShortGeneric::random_Lba(int r, uint64_t maxLba)
{
    // The low 32 bits of the max LBA, read as a signed value, bound the draw. When they are all
    // zero there is no such bound: draw over the whole drive instead of dividing by zero.
    const int32_t low = int32_t(uint32_t(maxLba & 0xFFFFFFFFu));
    if (low != 0)
        return uint64_t(r % low);
    return maxLba ? uint64_t(r) % maxLba : 0;
}

int ShortGeneric::read_At(uint64_t lba)
{
    QMutexLocker lock(&mutexshort);
    return scsi_Read_16(device, readProtect, dpo, fua, rarc, lba, groupNumber, transferLength,
                        buffer.data());
}

int ShortGeneric::failure_Exit(uint64_t lba)
{
    get_library_information(lastResult);
    // A drive that stopped answering read nothing: no block of it is known to be bad.
    // A block read does not say which of its sectors failed; a single-sector read does.
    if (read_Verdict(lastResult) == ReadVerdict::Unreadable && transferLength == 1) {
        note_Unreadable(lba);
        set_Unreadable_Reason();
    } else if (read_Verdict(lastResult) == ReadVerdict::Unreadable) {
        set_Reason(Reason::UnreadableBlockAt, " " + QString::number(lba) + " (" + QString::number(transferLength) + ")");
    } else {
        set_Stop_Reason(lastResult, lba, false);
    }
    const QString where = read_Verdict(lastResult) == ReadVerdict::Lost ? read_Stop_Text(lastResult, lba)
                                                                        : " - Bad LBA block = " + QString::number(lba);
    return fail("Warning: ShortGeneric::execute() - returned: FAILURE for SN: "
                                          + serialNumber + where);
}

int ShortGeneric::abort_Exit(Phase phase)
{
    static const char* const lines[] = {"Test information: Shor Drive Self Test: Outer Scan - ABORTED",
                                        "Test information: Shor Drive Self Test: Inner Scan - ABORTED",
                                        "Test information: Shor Drive Self Test: Random scan - ABORTED"};
    return aborted(lines[phase]);
}

int ShortGeneric::scan(Phase phase, uint64_t first, uint64_t end, double before)
{
    currentLba = first;
    // With an empty range there is nothing to read (and nothing to divide by).
    if (end == first)
        return 0;
    if (abortRequested.load())
        return abort_Exit(phase);
    int sent = 0;
    for (;;) {
        if (currentLba + blockCount > end) {
            blockCount = end - currentLba;
            transferLength = uint32_t(blockCount);
        }
        lastResult = read_At(currentLba);
        percent = double(currentLba + blockCount - first) / double(end - first) * 100.0;
        // Only the first reads tell a drive that cannot read from one that fails.
        if (lastResult == OSKN_CANNOT_PERFORM && phase == OuterScan) {
            get_library_information(OSKN_CANNOT_PERFORM);
            return unable("Warning: ShortGeneric::execute() - returned: UNABLE TO RUN for SN: "
                                                  + serialNumber, Reason::NotOffered);
        }
        if (lastResult != 0)
            return failure_Exit(currentLba);
        if (int(percent) != sent) {
            sent = int(percent);
            emit changePercent(int(percent / 3 + before / 3), int(percent));
        }
        currentLba += blockCount;
        if (currentLba >= end)
            return 0;
        if (abortRequested.load())
            return abort_Exit(phase);
    }
}

int ShortGeneric::execute()
{
    log()->kestrova_Log_Debug("Starting test: Short Generic Test - SN: " + serialNumber);

    blockCount = usb_Transfer_Sectors(0, buffer.data());
    transferLength = uint32_t(blockCount);

    emit changeNameTest(3);
    log()->kestrova_Log_Debug("Starting test: Short Generic Test - Outer Scan");
    emit change_Logs();

    if (span > uint64_t(std::numeric_limits<int64_t>::max())) {
        log()->kestrova_Log_Info("Test information: quantity of LBA to be tested: "
                                             + QString::number(span) + " Fail for S/N: " + serialNumber);
        emit change_Logs();
        return TestStatus::Fail;
    }

    // Outer scan: LBAs [0, span).
    if (const int end = scan(OuterScan, 0, span, 0.0))
        return end;
    log()->kestrova_Log_Debug("Test information: Short Generic Test - Outer Scan finished - SN: "
                                          + serialNumber);
    const double outer = percent;

    // Inner scan: the last span LBAs, up to and including maxLba.
    emit changeNameTest(4);
    emit changePercent(int(outer / 3), 0);
    log()->kestrova_Log_Debug("Starting test: Short Generic Test - Inner Scan");
    emit change_Logs();

    blockCount = kInnerBlockSectors;
    transferLength = uint32_t(kInnerBlockSectors);
    const uint64_t sectors = maxLba + 1;
    if (const int end = scan(InnerScan, sectors - span, sectors, outer))
        return end;
    log()->kestrova_Log_Debug("Test information: Short Generic Test - Inner Scan finished - SN: "
                                          + serialNumber);
    const double inner = percent;

    // Random read: 5001 single sectors.
    emit changeNameTest(5);
    emit changePercent(int(inner / 3 + outer / 3), 0);
    log()->kestrova_Log_Debug("Starting test: Short Generic Test - Random Scan");
    emit change_Logs();

    transferLength = 1;
    const double base = 2 * inner / 3;
    int sent = 0;
    uint64_t lba = random_Lba(rand(), maxLba);
    for (int i = 0; i <= kRandomReads; ++i) {
        if (abortRequested.load())
            return abort_Exit(RandomScan);
        lastResult = read_At(lba);
        percent = double(1 + i) / kRandomReads * 100.0;
        if (lastResult != 0)
            return failure_Exit(lba);
        if (int(percent) != sent) {
            sent = int(percent);
            emit changePercent(int(percent / 3 + base), int(percent));
        }
        lba = random_Lba(rand(), maxLba);
    }

    log()->kestrova_Log_Debug("Test information: Short Generic Test - Random scan finished - SN: "
                                          + serialNumber);
    get_library_information(lastResult);
    return pass("Test information: ShortGeneric::execute() - returned: SUCCESS for SN: "
                                          + serialNumber);
}
