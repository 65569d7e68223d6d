#include "tests/erasetimetest.h"

#include <algorithm>
#include <vector>

#include "tests/eraseverifier.h"
#include "log/logsapplication.h"
#include "tests/reasons.h"
#include "deviceaccess/oskn_public.h"
#include "deviceaccess/transferbuffer.h"

EraseTimeTest::EraseTimeTest(_tDevice* dev, unsigned long long first, int secs, QObject* parent)
    : EraseTest(dev, "OSKNPUBLIC_API int write_LBA()", parent), seconds(secs), firstLBA(first)
{
    describe("Erase Time Test", TestType::EraseTime);
}

uint32_t EraseTimeTest::sectors_Per_Command(const _tDevice* device)
{
    return device->interfaceType == OSKN_INTERFACE_USB || device->interfaceType == OSKN_INTERFACE_MMC ? 64 : 128;
}

void EraseTimeTest::abort()
{
    abortRequested.store(true);
    log()->kestrova_Log_Info("Test information: Erase Time Test - ABORTED");
    emit changeStatus(TestStatus::Aborted);
    quit();
}

int EraseTimeTest::execute()
{
    start_Clock();
    const uint64_t maxLBA = device->maxLBA;
    const QString sn = serial();
    log()->kestrova_Log_Debug("Starting test:  Erase Time - SN: " + sn);
    log()->kestrova_Log_Info("Test information: First LBA: " + QString::number(firstLBA));
    log()->kestrova_Log_Info("Test information: Time OUT: " + QString::number(seconds));
    emit change_Logs();
    outcome.parameters = {{"firstLba", qulonglong(firstLBA)}, {"durationSeconds", qulonglong(seconds)},
                          {"method", "overwrite"}, {"pattern", "zeros"}};

    if (maxLBA == 0) {
        log()->kestrova_Log_Fatal("Warning: Failed to find storage capacity - SN: " + sn);
        return fail("Warning: EraseTime::execute() UNABLE TO RUN for S/N: " + sn, Reason::NoCapacity);
    }

    const uint32_t sectorSize = device->logicalSectorSize ? device->logicalSectorSize : 512u;
    const uint64_t perCommand = sectors_Per_Command(device);
    TransferBuffer buffer(size_t(perCommand) * sectorSize);
    // The max LBA is the last sector: it is written too. A first LBA past it leaves nothing to
    // erase, and its write is refused like any write past the end.
    const double span = firstLBA <= maxLBA ? double(maxLBA - firstLBA) + 1 : 1;
    const QString failLine = "Warning: EraseTime::execute() FAILURE for S/N: ";
    int lastResult = 14;
    uint64_t written = 0;
    uint64_t lba = firstLBA;
    bool endOfDrive = false;
    for (;;) {
        const bool timeUp = elapsed_Seconds() >= seconds;
        endOfDrive = written > 0 && lba > maxLBA;
        if (timeUp || endOfDrive)
            break;
        if (abortRequested.load())
            return aborted("Test information: Erase Time Test - ABORTED");
        const uint64_t count = lba <= maxLBA ? std::min(perCommand, maxLBA - lba + 1) : 1;
        lastResult = write_LBA(device, lba, false, buffer.data(), uint32_t(count * sectorSize));
        if (lastResult != 0 && written > 0)
            outcome.parameters["lastLba"] = qulonglong(lba - 1);
        if (lastResult != 0)
            return write_Failed(
                lastResult, lba, count,
                [this, &buffer, sectorSize](uint64_t one) {
                    return write_LBA(device, one, false, buffer.data(), sectorSize);
                },
                "Warning: EraseTime::execute() - returned: UNABLE TO RUN for SN: ", failLine);
        percent = double(written) / span * 100.0;
        send_Percent(percent);
        send_Remaining(seconds - elapsed_Seconds());
        written += count;
        lba += count;
    }

    if (endOfDrive) {
        const int64_t remaining = int64_t(seconds) * 1000 - int64_t(elapsed_Milliseconds());
        if (remaining > 0) {
            log()->kestrova_Log_Info("Test information: EraseTime::execute() The test finished missing "
                                              + remaining_Time_Text(remaining / 1000) + " - for S/N: " + sn);
            emit change_Logs();
        }
    } else {
        log()->kestrova_Log_Debug(
            "Test information: EraseTime::execute() The selected time finished before the test run the LBAs");
        emit change_Logs();
    }
    // What was erased: the range the time allowed, from the first LBA on.
    if (written > 0)
        outcome.parameters["lastLba"] = qulonglong(firstLBA + written - 1);
    send_Percent(100);
    get_library_information(lastResult);
    // What the time allowed is what was erased: that range is read back.
    if (written > 0) {
        const uint64_t last = std::min(lba, maxLBA + 1) - 1;
        log()->kestrova_Log_Info("Test information: Erased LBA: " + QString::number(firstLBA) + " - "
                                 + QString::number(last) + " - SN: " + sn);
        EraseVerifier verifier(device, {{firstLBA, last}}, EraseVerifier::Expect::Pattern);
        const int checked = read_Back(verifier);
        if (checked == TestStatus::Aborted)
            return aborted("Test information: Erase Time Test - ABORTED");
        if (checked != TestStatus::Pass)
            return fail(failLine + sn);
    }
    return pass("Test information: EraseTime::execute() SUCCESS for S/N: " + sn);
}
