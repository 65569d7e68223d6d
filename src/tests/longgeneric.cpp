#include "tests/longgeneric.h"

#include "log/logsapplication.h"
#include "tests/reasons.h"

namespace {

constexpr int kMaxErrors = 50;

} // namespace

LongGeneric::LongGeneric(_tDevice* dev, QObject* parent) : ReadScan(dev, parent)
{
    describe("Long Generic Test", TestType::LongGeneric);
}

int LongGeneric::abort_Exit()
{
    return aborted("Test information: Long Generic Test - ABORTED");
}

int LongGeneric::failure_Exit(const QString& why)
{
    return fail("Warning: LongGeneric::execute() - returned: FAILURE for SN: " + sn + why);
}

int LongGeneric::single_Sector_Pass(uint64_t current)
{
    const PassStop stop = reread_Sectors(current, transferLength, [this](uint64_t lba, int) {
        ++errorCount;
        note_Unreadable(lba);
        log()->kestrova_Log_Debug("Warning: LongGeneric::execute() - returned: Error for SN: " + sn
                                             + " - Bad LBA= " + QString::number(lba));
        emit change_Logs();
        emit change_Log_Erro_Test_Device(QString::number(lba));
        estimating_Time(double(lba));
        if (errorCount >= kMaxErrors) {
            get_library_information(OSKN_FAILURE);
            set_Unreadable_Reason();
            return failure_Exit(" - Contains: " + QString::number(errorCount) + " errors ");
        }
        return 0;
    });
    switch (stop.kind) {
    case PassStop::None:
        return 0;
    case PassStop::Abort:
        return abort_Exit();
    case PassStop::CannotRun:
        get_library_information(OSKN_CANNOT_PERFORM);
        return unable("Warning: LongGeneric::execute() - returned: UNABLE TO RUN for SN: " + sn, Reason::NotOffered);
    case PassStop::Stopped:
        get_library_information(stop.rc);
        set_Stop_Reason(stop.rc, stop.lba, false);
        return failure_Exit(read_Stop_Text(stop.rc, stop.lba));
    case PassStop::Ended:
        break;
    }
    return stop.rc;
}

int LongGeneric::execute()
{
    start_Clock();
    sn = serial();
    log()->kestrova_Log_Debug("Starting test: Long Generic Test - SN:" + sn);
    log()->kestrova_Log_Info("Test information: First LBA: " + QString("0"));
    log()->kestrova_Log_Info("Test information: Last LBA: " + QString::number(maxLba));
    log()->kestrova_Log_Info("Test information: Fua: " + QString("0"));
    log()->kestrova_Log_Info("Test information: Rarc: " + QString("0"));
    log()->kestrova_Log_Info("Test information: LBA: " + QString("0"));
    log()->kestrova_Log_Info("Test information: Group Number: " + QString("0"));
    emit change_Logs();

    blockCount = usb_Step(0);

    if (maxLba == 0) {
        get_library_information(OSKN_FAILURE);
        return failure_Exit(QString());
    }
    if (abortRequested.load())
        return abort_Exit();

    for (uint64_t current = 0;;) {
        if (current + blockCount > sectors) {
            transferLength = uint32_t(sectors - current);
            log()->kestrova_Log_Info("Test information: Last lba to be tested: " + QString::number(current));
            log()->kestrova_Log_Info("Test information: Last lba test transfer_leght "
                                                + QString::number(transferLength));
            percent = double(current + transferLength) / double(sectors) * 100.0;
        } else {
            transferLength = uint32_t(blockCount);
            percent = double(current) / double(sectors) * 100.0;
        }
        lastResult = read_Sectors(current, transferLength);
        estimating_Time(double(current));

        if (read_Verdict(lastResult) == ReadVerdict::Lost) {
            get_library_information(lastResult);
            set_Stop_Reason(lastResult, current, false);
            return failure_Exit(read_Stop_Text(lastResult, current));
        }
        if (lastResult != 0) {
            if (const int end = single_Sector_Pass(current))
                return end;
        }

        send_Percent(percent, current + blockCount >= sectors);
        estimating_Time(double(current));

        current += blockCount;
        if (current >= sectors)
            break;
        if (abortRequested.load())
            return abort_Exit();
    }

    if (errorCount > 0) {
        get_library_information(OSKN_FAILURE);
        set_Unreadable_Reason();
        return failure_Exit(" - Contains: " + QString::number(errorCount) + " errors ");
    }
    get_library_information(OSKN_SUCCESS);
    return pass("Test information: LongGeneric::execute() - returned: SUCCESS for SN: " + sn);
}
