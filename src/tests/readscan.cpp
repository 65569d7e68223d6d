#include "tests/readscan.h"

#include <cerrno>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "common/common.h"
#include "deviceaccess/oskn_public.h"

namespace {

constexpr int kScanNice = 10;

} // namespace

ReadScan::ReadScan(_tDevice* dev, QObject* parent)
    : ProgressReporter(dev, parent, "OSKNPUBLIC_API int scsi_Read_16()"),
      buffer(scan_Buffer_Bytes(dev)),
      maxLba(dev->maxLBA),
      sectors(dev->maxLBA + 1)
{
}

void ReadScan::run()
{
    outcome.started = QDateTime::currentDateTime();
    yield_To_Gui();
    const int status = execute();
    executed.store(true);
    report_Status(status);
    release_Buffers();
    quit();
}

void ReadScan::abort()
{
    emit changeStatus(TestStatus::Aborted);
    quit();
}

void ReadScan::release_Buffers()
{
    buffer.release();
}

void ReadScan::yield_To_Gui()
{
    // A scan is bulk work: when reads come from a cache and keep the processors busy, twelve of
    // them must not delay the window. Lowering this thread's own priority needs no privilege.
    const id_t thread = id_t(::syscall(SYS_gettid));
    errno = 0;
    const int nice = ::getpriority(PRIO_PROCESS, thread);
    if (errno == 0 && nice < kScanNice)
        ::setpriority(PRIO_PROCESS, thread, kScanNice);
}

int ReadScan::read_Sectors(uint64_t lba, uint32_t count)
{
    const int rc = scsi_Read_16(device, 0, false, false, false, lba, 0, count, buffer.data());
    if (rc == 0)
        lastReadLba = lba;
    return rc;
}

ReadScan::PassStop ReadScan::reread_Sectors(uint64_t first, uint32_t count,
                                            const std::function<int(uint64_t, int)>& list)
{
    // Refused sectors whose drive has not yet been seen reading on: (LBA, return code).
    std::vector<std::pair<uint64_t, int>> doubtful;
    const auto settle = [&]() -> int {
        for (const auto& [lba, rc] : doubtful)
            if (const int end = list(lba, rc))
                return end;
        doubtful.clear();
        return 0;
    };
    for (uint64_t lba = first; lba < first + count; ++lba) {
        if (abortRequested.load())
            return {PassStop::Abort};
        const int rc = read_Sectors(lba, 1);
        switch (read_Verdict(rc)) {
        case ReadVerdict::CannotRun:
            return {PassStop::CannotRun, rc, lba};
        case ReadVerdict::Lost:
            return {PassStop::Stopped, rc, lba};
        case ReadVerdict::Refused:
            doubtful.emplace_back(lba, rc);
            continue;
        case ReadVerdict::Read:
        case ReadVerdict::Unreadable:
            break;
        }
        // The drive answered for this sector's own medium: the refusals before it were their
        // sectors' own too.
        if (const int end = settle())
            return {PassStop::Ended, end};
        if (rc != 0) {
            if (const int end = list(lba, rc))
                return {PassStop::Ended, end};
        }
    }
    if (doubtful.empty())
        return {};
    // Nothing after them in this step read: the sector the drive read last tells whether it
    // still reads at all.
    const PassStop stopped{PassStop::Stopped, doubtful.front().second, doubtful.front().first};
    if (lastReadLba == UINT64_MAX || abortRequested.load())
        return abortRequested.load() ? PassStop{PassStop::Abort} : stopped;
    const int rc = read_Sectors(lastReadLba, 1);
    if (rc != 0)
        return read_Verdict(rc) == ReadVerdict::Lost ? PassStop{PassStop::Stopped, rc, doubtful.front().first}
                                                     : stopped;
    if (const int end = settle())
        return {PassStop::Ended, end};
    return {};
}
