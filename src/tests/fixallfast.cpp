#include "tests/fixallfast.h"

#include "deviceaccess/oskn_nvme.h"

#include <QMutexLocker>

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/common.h"
#include "deviceaccess/identifybits.h"
#include "log/logsapplication.h"
#include "deviceaccess/oskn_operations.h"
#include "tests/readverdict.h"
#include "tests/reasons.h"
#include "tests/selftestlog.h"

QMutex mutexFixAllFast;

namespace {

constexpr uint8_t kSelfTestInProgress = 0x0F;
constexpr uint8_t kSelfTestReadFailure = 0x07;
constexpr uint32_t kMaxRepairs = 50;
// A short self-test takes minutes: one that stands still this long will not end.
constexpr uint64_t kStallSeconds = 30ull * 60;
} // namespace

FixAllFast::FixAllFast(_tDevice* dev, QObject* parent) : MainTest(dev, parent)
{
    describe("Fix All Fast", TestType::FixAllFast);
    if (dev->physicalSectorSize > logical_Sector_Size(dev))
        sectorsPerPhysical = dev->physicalSectorSize / logical_Sector_Size(dev);
    identifyFailed = ata_Identify(dev, identifyData, sizeof identifyData) != 0;
}

void FixAllFast::get_library_information_ata_SMART(int rc)
{
    outcome.libraryCodes << rc;
    log_Library_Result("OSKNOPERATIONS_API int ata_SMART_Offline()", rc);
}

void FixAllFast::get_library_information_ata_Get_DST(int rc)
{
    outcome.libraryCodes << rc;
    log_Library_Result("OSKNOPERATIONS_API int ata_Get_DST_Progress()", rc);
}

bool FixAllFast::is_Supported_GPL() const
{
    if (identifyFailed)
        return true;
    return identify::gpl_Supported(identify::copy_Of(device->identifyData).data());
}

int FixAllFast::get_LBA_From_DST_Log(unsigned long long* lba)
{
    if (device->driveType == OSKN_DRIVE_NVME)
        return read_NVMe_self_log(lba);
    if (is_Supported_GPL()) {
        log()->kestrova_Log_Info("Test information: is_Supported_GPL() - Supports GPL");
        return read_EXT_self_log(lba);
    }
    return read_SMART_self_log(lba);
}

int FixAllFast::read_SMART_self_log(unsigned long long* lba)
{
    alignas(kTransferAlignment) uint8_t page[512] = {};
    logResult = ata_SMART_Read_Log(device, selftestlog::kSmartLog, page, sizeof page);
    if (logResult != 0) {
        log()->kestrova_Log_Error("Warning: FixAllFast::read_SMART_self_log() FAILURE for S/N: " + sn);
        return TestStatus::Fail;
    }
    const uint8_t index = selftestlog::smart_Newest_Index(page);
    if (index == 0) {
        log()->kestrova_Log_Error("Warning: FixAllFast::read_SMART_self_log() NOT SUPPORTED for S/N: " + sn);
        return TestStatus::UnableToRun;
    }
    uint64_t failing = 0;
    if (!selftestlog::smart_Failing_Lba(page, index, &failing)) {
        log()->kestrova_Log_Error("Warning: FixAllFast::read_SMART_self_log() FAILURE for S/N: " + sn);
        return TestStatus::Fail;
    }
    *lba = failing;
    log()->kestrova_Log_Info("Test information: FixAllFast::read_SMART_self_log() SUCCESS for S/N: " + sn);
    return 0;
}

int FixAllFast::read_EXT_self_log(unsigned long long* lba)
{
    alignas(kTransferAlignment) uint8_t data[512] = {};
    logResult = ata_Read_Log_Ext(device, selftestlog::kExtLog, 0, data, sizeof data, 0, 0);
    if (logResult != 0) {
        log()->kestrova_Log_Error("Warning: FixAllFast::get_LBA_From_DST_Log() FAILURE for S/N: " + sn);
        return TestStatus::Fail;
    }
    const uint32_t index = selftestlog::ext_Newest_Index(data);
    if (index == 0)
        return 2;
    const uint16_t page = selftestlog::ext_Page_Of(index);
    if (page != 0) {
        logResult = ata_Read_Log_Ext(device, selftestlog::kExtLog, page, data, sizeof data, 0, 0);
        if (logResult != 0) {
            log()->kestrova_Log_Error("Warning: FixAllFast::get_LBA_From_DST_Log() FAILURE for S/N: " + sn);
            return TestStatus::Fail;
        }
    }
    *lba = selftestlog::ext_Failing_Lba(data, index);
    log()->kestrova_Log_Error("Warning: Failing LBA from EXT log: " + QString::number(*lba));
    return 0;
}

// An NVMe drive keeps its own self-test log: the newest result, and its LBA only when the drive
// marks it valid.
int FixAllFast::read_NVMe_self_log(unsigned long long* lba)
{
    nvmeSelfTestLog results;
    logResult = nvme_Get_Self_Test_Log(device, &results);
    if (logResult != 0) {
        log()->kestrova_Log_Error("Warning: FixAllFast::read_NVMe_self_log() FAILURE for S/N: " + sn);
        return TestStatus::Fail;
    }
    if (results.resultCount == 0 || !results.results[0].failingLbaValid || results.results[0].failingLba > device->maxLBA) {
        log()->kestrova_Log_Error(
            "Warning: FixAllFast::read_NVMe_self_log() - the newest self-test result names no failing LBA for S/N: " + sn);
        return TestStatus::Fail;
    }
    *lba = results.results[0].failingLba;
    log()->kestrova_Log_Error("Warning: Failing LBA from NVMe self-test log: " + QString::number(*lba));
    return 0;
}

unsigned long long FixAllFast::alignLBA(unsigned long long* lba) const
{
    return *lba - *lba % sectorsPerPhysical;
}

int FixAllFast::repairLBA(unsigned long long* lba)
{
    const unsigned long long aligned = alignLBA(lba);
    const QString found = QString::number(*lba);
    log()->kestrova_Log_Info("Test information: Fix All Fast - Repairing LBA : " + found);
    emit change_Logs();
    TransferBuffer zeros(size_t(sectorsPerPhysical) * logical_Sector_Size(device));
    int rc;
    {
        QMutexLocker lock(&mutexFixAllFast);
        rc = scsi_Write_16(device, 0, false, false, aligned, 0, sectorsPerPhysical, zeros.data());
    }
    note_Unreadable(*lba);
    emit change_Log_Erro_Test_Device(found);
    if (rc == 0) {
        note_Fixed(aligned, sectorsPerPhysical);
        emit change_Log_Fixed_Test_Device(found);
    } else {
        set_Stop_Reason(rc, aligned, true);
    }
    return rc;
}

void FixAllFast::abort()
{
    int rc;
    {
        QMutexLocker lock(&mutexFixAllFast);
        rc = ata_Abort_DST(device);
    }
    log()->kestrova_Log_Debug("Library information: OSKNOPERATIONS_API int ata_Abort_DST() returned = "
                                        + QString(rc != 0 ? "1" : "0"));
    quit();
    emit change_Logs();
}

void FixAllFast::show_Progress(uint32_t selfTestPercent, bool passed)
{
    // Each self-test after a repair covers what is left of the bar from where the last one
    // stopped: the bar moves on through every pass and reads 100 only once one has passed.
    // A failed test's own figure is not progress and is not shown.
    const uint32_t running = std::min<uint32_t>(selfTestPercent, 99);
    const uint32_t shown = passed ? 100 : shownPercent + (99 - shownPercent) * running / 100;
    lastShown = std::max(lastShown, shown);
    emit changePercent(int(lastShown));
}

int FixAllFast::stopped_Answering()
{
    set_Reason(Reason::StoppedAnswering);
    log()->kestrova_Log_Error("Warning: FixAllFast::execute() - returned: FAILURE for S/N: " + sn
                                        + " - Drive stopped answering");
    return TestStatus::Fail;
}

int FixAllFast::self_Test_Pass()
{
    log()->kestrova_Log_Debug("Starting test: Fix all fast - SN:" + sn);
    int rc;
    {
        QMutexLocker lock(&mutexFixAllFast);
        rc = ata_SMART_Offline(device, 1);
    }
    get_library_information_ata_SMART(rc);
    if (rc == OSKN_CANNOT_PERFORM) {
        return unable("Warning: FixAllFast::execute() - returned: UNABLE TO RUN for SN: " + sn, Reason::NotOffered);
    }
    if (rc != 0) {
        if (drive_Lost(rc))
            return stopped_Answering();
        log()->kestrova_Log_Error("Warning: FixAllFast::execute() - returned: FAILURE for S/N: " + sn);
        return TestStatus::Fail;
    }
    emit change_Logs();
    {
        // Give the drive a moment to enter the test; other drives' commands wait meanwhile.
        QMutexLocker lock(&mutexFixAllFast);
        delay_Seconds(1);
    }

    uint8_t status = kSelfTestInProgress;
    uint32_t remaining = 0;
    StallWatchdog watchdog(kStallSeconds);
    while (status == kSelfTestInProgress && rc == 0) {
        if (abortRequested.load()) {
            get_library_information_ata_Get_DST(OSKN_ABORTED);
            abort();
            return TestStatus::Aborted;
        }
        {
            QMutexLocker lock(&mutexFixAllFast);
            rc = ata_Get_DST_Progress(device, &remaining, &status);
        }
        if (!watchdog.moved(remaining) && status == kSelfTestInProgress && watchdog.expired()) {
            abort();
            get_library_information_ata_Get_DST(OSKN_FAILURE);
            set_Reason(Reason::NoProgress);
            log()->kestrova_Log_Error("Warning: FixAllFast::execute() - self-test stopped progressing for S/N: "
                                                + sn);
            return TestStatus::Fail;
        }
        if (status == kSelfTestInProgress || status == 0)
            show_Progress(remaining >= 100 ? 0 : 100 - remaining, status == 0);
        delay_Seconds(5);
    }
    if (rc == 0 && status == 0) {
        get_library_information_ata_Get_DST(OSKN_SUCCESS);
        log()->kestrova_Log_Debug("Test information: FixAllFast::execute() - returned: SUCCESS for SN: "
                                            + sn);
        return TestStatus::Pass;
    }
    if (read_Verdict(rc) == ReadVerdict::Lost) {
        get_library_information_ata_Get_DST(rc);
        return stopped_Answering();
    }
    failedStatus = rc == 0 ? status : 0;
    return -1;
}

int FixAllFast::execute()
{
    sn = serial();
    for (;;) {
        const int result = self_Test_Pass();
        if (result != -1)
            return result;
        shownPercent = lastShown;
        ++passCount;
        if (passCount > kMaxRepairs) {
            get_library_information_ata_Get_DST(OSKN_FAILURE);
            set_Reason(Reason::TooManyRepairs, " " + QString::number(kMaxRepairs));
            log()->kestrova_Log_Error(
                "Warning: FixAllFast::execute() FAILURE reached the limit of 50 LBA's to correct for S/N: " + sn);
            return TestStatus::Fail;
        }
        // Only a read failure names a sector to rewrite; the LBA field of any other failure is
        // not one, and writing there would destroy data for nothing.
        if (failedStatus != 0 && failedStatus != kSelfTestReadFailure) {
            get_library_information_ata_Get_DST(OSKN_FAILURE);
            set_Reason(Reason::SelfTestFailed,
                       " " + QString::number(failedStatus) + " (" + self_Test_Result_Name(failedStatus) + ")");
            log()->kestrova_Log_Error("Warning: FixAllFast::execute() - self-test failed without a failing LBA "
                                                "for S/N: " + sn);
            return TestStatus::Fail;
        }
        unsigned long long lba = 0;
        if (get_LBA_From_DST_Log(&lba) != 0) {
            if (read_Verdict(logResult) == ReadVerdict::Lost)
                return stopped_Answering();
            log()->kestrova_Log_Error("Warning: Get LBA failed ");
            set_Reason(Reason::NoFailingLba);
            return TestStatus::UnableToRun;
        }
        if (repairLBA(&lba) != 0) {
            log()->kestrova_Log_Debug("Test information: LBA not reapaired: " + QString::number(lba));
            return TestStatus::Fail;
        }
        log()->kestrova_Log_Debug("Test information: LBA repaired: " + QString::number(lba));
    }
}
