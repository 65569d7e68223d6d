#include "longgeneric.h"

#include <QDateTime>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "common.h"
#include "logsapplication.h"
#include "oskn_public.h"

namespace {

LogsApplication* logLongGeneric() { return LogsApplication::Instance(); }

constexpr uint64_t kBlockSectors = 64;
constexpr uint64_t kUsbFallbackSectors = 15;
constexpr int kMaxErrors = 50;
// Within one whole percent, progress goes out at most this often: twelve fast drives would
// otherwise queue thousands of panel updates a second and stall the GUI thread.
constexpr uint64_t kProgressIntervalNs = 100000000ull;
constexpr int kScanNice = 10;

uint32_t sector_Size(const _tDevice* device)
{
    return device->logicalSectorSize ? device->logicalSectorSize : 512u;
}

// Progress as the panel shows it: two decimals, fixed notation.
void format_Percent(double value, char (&text)[32])
{
    std::snprintf(text, sizeof text, "%.2f", value);
}

} // namespace

LongGeneric::LongGeneric(_tDevice* dev, QObject* parent)
    : MainTest(dev, parent), buffer(size_t(sector_Size(dev)) * kBlockSectors), maxLba(dev->maxLBA)
{
    descriptor->testName = "Long Generic Test";
    descriptor->showPhaseBar = false;
    descriptor->testType = 2;
}

void LongGeneric::run()
{
    yield_To_Gui();
    emit changeStatus(execute());
    std::vector<uint8_t>().swap(buffer);
    quit();
}

void LongGeneric::yield_To_Gui()
{
    // A scan is bulk work: when reads come from a cache and keep the processors busy, twelve of
    // them must not delay the window. Lowering this thread's own priority needs no privilege.
    const id_t thread = id_t(::syscall(SYS_gettid));
    errno = 0;
    const int nice = ::getpriority(PRIO_PROCESS, thread);
    if (errno == 0 && nice < kScanNice)
        ::setpriority(PRIO_PROCESS, thread, kScanNice);
}

void LongGeneric::abort()
{
    emit changeStatus(5);
    quit();
}

void LongGeneric::get_library_information(int rc)
{
    logLongGeneric()->kestrova_Log_Info("Library information: OSKNPUBLIC_API int scsi_Read_16() returned: "
                                        + QString::number(rc));
}

void LongGeneric::estimating_Time(double lba)
{
    const int elapsed = int((get_Time_Source_Nanoseconds() - timerStart) / 1000000ull / 1000ull);
    if (elapsed <= lastEstimateSecond)
        return;
    lastEstimateSecond = elapsed;
    QString text = "00:00:00";
    if (lba != 0) {
        const qint64 remaining = qint64(double(maxLba) * elapsed / lba - elapsed);
        text = QDateTime::fromSecsSinceEpoch(remaining, Qt::UTC).toString("hh:mm:ss");
    }
    emit changeTimeEstimate(text);
}

int LongGeneric::abort_Exit()
{
    get_library_information(5);
    logLongGeneric()->kestrova_Log_Debug("Test information: Long Generic Test - ABORTED");
    emit change_Logs();
    return 5;
}

int LongGeneric::execute()
{
    timerStart = get_Time_Source_Nanoseconds();
    const QString sn = serial();
    logLongGeneric()->kestrova_Log_Debug("Starting test: Long Generic Test - SN:" + sn);
    logLongGeneric()->kestrova_Log_Info("Test information: First LBA: " + QString("0"));
    logLongGeneric()->kestrova_Log_Info("Test information: Last LBA: " + QString::number(maxLba));
    logLongGeneric()->kestrova_Log_Info("Test information: Fua: " + QString("0"));
    logLongGeneric()->kestrova_Log_Info("Test information: Rarc: " + QString("0"));
    logLongGeneric()->kestrova_Log_Info("Test information: LBA: " + QString("0"));
    logLongGeneric()->kestrova_Log_Info("Test information: Group Number: " + QString("0"));
    emit change_Logs();

    if (device->interfaceType == OSKN_INTERFACE_USB) {
        // Some bridges refuse 64-sector transfers: fall back to what they take.
        blockCount = kBlockSectors;
        transferLength = uint32_t(kBlockSectors);
        lastResult = scsi_Read_16(device, 0, false, false, false, 0, 0, transferLength, buffer.data());
        if (lastResult == 1) {
            blockCount = kUsbFallbackSectors;
            transferLength = uint32_t(kUsbFallbackSectors);
        }
    }

    if (maxLba == 0) {
        get_library_information(1);
        logLongGeneric()->kestrova_Log_Error("Warning: LongGeneric::execute() - returned: FAILURE for SN: " + sn);
        emit change_Logs();
        return 1;
    }
    if (abortRequested.load())
        return abort_Exit();

    char lastSent[32];
    char now[32];
    format_Percent(0.0, lastSent);
    double lastSentValue = 0.0;
    uint64_t lastSentAt = timerStart;
    uint64_t current = 0;
    for (;;) {
        if (current + blockCount > maxLba) {
            transferLength = uint32_t(maxLba - current);
            logLongGeneric()->kestrova_Log_Info("Test information: Last lba to be tested: " + QString::number(current));
            logLongGeneric()->kestrova_Log_Info("Test information: Last lba test transfer_leght "
                                                + QString::number(transferLength));
            percent = double(current + transferLength) / double(maxLba) * 100.0;
        } else {
            transferLength = uint32_t(blockCount);
            percent = double(current) / double(maxLba) * 100.0;
        }
        lastResult = scsi_Read_16(device, 0, false, false, false, current, 0, transferLength, buffer.data());
        estimating_Time(double(current));

        if (lastResult != 0) {
            // Find the unreadable sectors of this stretch one by one.
            for (uint64_t lba = current; lba < current + transferLength; ++lba) {
                if (abortRequested.load())
                    return abort_Exit();
                const int rc = scsi_Read_16(device, 0, false, false, false, lba, 0, 1, buffer.data());
                if (rc == 0)
                    continue;
                ++errorCount;
                logLongGeneric()->kestrova_Log_Debug("Warning: LongGeneric::execute() - returned: Error for SN: " + sn
                                                     + " - Bad LBA= " + QString::number(lba));
                emit change_Logs();
                emit change_Log_Erro_Test_Device(QString::number(lba));
                estimating_Time(double(lba));
                if (rc == 14) {
                    get_library_information(14);
                    logLongGeneric()->kestrova_Log_Error(
                        "Warning: LongGeneric::execute() - returned: UNABLE TO RUN for SN: " + sn);
                    emit change_Logs();
                    return 14;
                }
                if (errorCount >= kMaxErrors) {
                    get_library_information(1);
                    logLongGeneric()->kestrova_Log_Error("Warning: LongGeneric::execute() - returned: FAILURE for SN: "
                                                         + sn + " - Contains: " + QString::number(errorCount)
                                                         + " errors ");
                    emit change_Logs();
                    return 1;
                }
            }
        }

        format_Percent(percent, now);
        if (std::strcmp(now, lastSent) != 0) {
            const uint64_t at = get_Time_Source_Nanoseconds();
            const bool last = current + blockCount >= maxLba;
            if (last || int(percent) != int(lastSentValue) || at - lastSentAt >= kProgressIntervalNs) {
                emit changePercent(percent);
                std::memcpy(lastSent, now, sizeof lastSent);
                lastSentValue = percent;
                lastSentAt = at;
            }
        }
        estimating_Time(double(current));

        current += blockCount;
        if (current >= maxLba)
            break;
        if (abortRequested.load())
            return abort_Exit();
    }

    get_library_information(0);
    logLongGeneric()->kestrova_Log_Debug("Test information: LongGeneric::execute() - returned: SUCCESS for SN: " + sn);
    emit change_Logs();
    return 0;
}
