#include "tests/shortdst.h"

#include "common/common.h"
#include "log/logsapplication.h"
#include "deviceaccess/oskn_operations.h"
#include "deviceaccess/oskn_public.h"
#include "tests/reasons.h"
#include "tests/selftestlog.h"
#include "deviceaccess/transferbuffer.h"

QMutex mutexShortDst;

namespace {

constexpr uint8_t kSelfTestInProgress = 0x0F;
// A drive that gives no polling time is taken to need this many minutes.
constexpr uint32_t kDefaultPollingMinutes = 2;

// How long the drive's short self-test may run before it counts as never ending: the drive's
// own recommended polling time (SMART data byte 372, minutes), twice over, and ten minutes more.
uint32_t self_Test_Limit_Minutes(uint32_t announced)
{
    return 2 * (announced ? announced : kDefaultPollingMinutes) + 10;
}

} // namespace

shortdst::shortdst(_tDevice* dev, QObject* parent)
    : MainTest(dev, parent, "OSKNOPERATIONS_API int ata_Get_DST_Progress()")
{
    describe("Short DST Test", TestType::ShortDst);
}

int shortdst::execute()
{
    const QString sn = serial();
    log()->kestrova_Log_Debug("Starting test: Short Drive Self Test - SN: " + sn);

    int rc;
    uint32_t announced = 0;
    {
        QMutexLocker lock(&mutexShortDst);
        alignas(kTransferAlignment) uint8_t smart[512] = {};
        if (ata_SMART_Read_Data(device, smart, sizeof smart) == 0)
            announced = smart[372];
        rc = ata_SMART_Offline(device, 1);
    }
    const uint32_t limit = self_Test_Limit_Minutes(announced);
    const StallWatchdog deadline(uint64_t(limit) * 60);
    if (rc != 0) {
        get_library_information(rc);
        // A drive that cannot self-test is not a failed drive.
        if (rc == OSKN_CANNOT_PERFORM) {
            return unable("Warning: shortdst::execute() - returned: UNABLE TO RUN for SN: " + sn, Reason::NotOffered);
        }
        if (drive_Lost(rc))
            set_Reason(Reason::StoppedAnswering);
        log()->kestrova_Log_Error("Warning: shortdst::execute() - returned: FAILURE for SN: " + sn);
        return TestStatus::Fail;
    }
    log()->kestrova_Log_Info("Library information: ata_SMART_Offline resulted: " + QString::number(0));
    emit change_Logs();

    // Give the drive a moment to enter the test before the first query; other drives wait.
    {
        QMutexLocker lock(&mutexShortDst);
        delay_Seconds(1);
    }

    uint8_t status = kSelfTestInProgress;
    uint32_t percent = 0;
    emit changePercent(0);
    while (status == kSelfTestInProgress && rc == 0) {
        if (abortRequested.load()) {
            get_library_information(OSKN_ABORTED);
            log()->kestrova_Log_Debug("Test information: Shor Drive Self Test - ABORTED");
            abort();
            return TestStatus::Aborted;
        }
        {
            QMutexLocker lock(&mutexShortDst);
            rc = ata_Get_DST_Progress(device, &percent, &status);
        }
        // The drive reports what is left; a remainder above 100 would wrap the unsigned value.
        // A test that failed says nothing of how far it got: the bar keeps its last value
        // rather than reading FAIL 100%.
        const bool ended = status != kSelfTestInProgress && status != 0;
        percent = percent >= 100 ? 0 : 100 - percent;
        if (rc == 0 && status == kSelfTestInProgress && deadline.expired()) {
            abort(); // the drive is told to stop, or it would go on testing
            log()->kestrova_Log_Error("Warning: shortdst::execute() - self-test still in progress after "
                                              + QString::number(limit) + " minutes, the drive announces "
                                              + QString::number(announced) + " for SN: " + sn);
            get_library_information(OSKN_FAILURE);
            set_Reason(Reason::SelfTestTooLong, " (" + QString::number(limit) + " min)");
            log()->kestrova_Log_Error("Warning: shortdst::execute() - returned: FAILURE for SN: " + sn);
            return TestStatus::Fail;
        }
        delay_Seconds(5);
        if (!ended)
            emit changePercent(int(percent));
    }

    if (rc == 0 && status == 0) {
        get_library_information(OSKN_SUCCESS);
        log()->kestrova_Log_Debug("Test information: shortdst::execute() - returned: SUCCESS for SN: " + sn);
        return TestStatus::Pass;
    }
    if (rc == OSKN_CANNOT_PERFORM) {
        get_library_information(OSKN_CANNOT_PERFORM);
        return unable("Warning: shortdst::execute() - returned: UNABLE TO RUN for SN: " + sn, Reason::NotOffered);
    }
    if (rc != 0) {
        if (drive_Lost(rc))
            set_Reason(Reason::StoppedAnswering);
    } else {
        // The drive's own verdict: its result type, and the failing LBA its log names.
        uint64_t lba = 0;
        QString detail = " " + QString::number(status) + " (" + self_Test_Result_Name(status) + ")";
        QMutexLocker lock(&mutexShortDst);
        if (newest_Self_Test_Failing_Lba(device, &lba))
            detail += ", LBA " + QString::number(lba);
        set_Reason(Reason::SelfTestFailed, detail);
    }
    get_library_information(OSKN_FAILURE);
    log()->kestrova_Log_Error("Warning: shortdst::execute() - returned: FAILURE for SN: " + sn);
    return TestStatus::Fail;
}

void shortdst::abort()
{
    int rc;
    {
        QMutexLocker lock(&mutexShortDst);
        rc = ata_Abort_DST(device);
    }
    log()->kestrova_Log_Info("Library information:: ata_Abort_DST() returned = " + QString::number(rc));
    quit();
    emit change_Logs();
}
