#include "tests/fixalllong.h"

#include <algorithm>

#include "log/logsapplication.h"
#include "deviceaccess/oskn_public.h"
#include "tests/reasons.h"

namespace {

constexpr uint32_t kMaxRepairs = 50;

} // namespace

FixAllLong::FixAllLong(_tDevice* dev, QObject* parent) : ReadScan(dev, parent)
{
    describe("Fix All Long", TestType::FixAllLong);
    const uint32_t logical = logical_Sector_Size(dev);
    if (dev->physicalSectorSize > logical)
        sectorsPerPhysical = dev->physicalSectorSize / logical;
    zeroBuffer.resize(size_t(sectorsPerPhysical) * logical);
}

void FixAllLong::release_Buffers()
{
    ReadScan::release_Buffers();
    zeroBuffer.release();
}

unsigned long long FixAllLong::alignLBA(unsigned long long lba) const
{
    return lba - lba % sectorsPerPhysical;
}

int FixAllLong::repairLBA(unsigned long long lba)
{
    const unsigned long long aligned = alignLBA(lba);
    log()->kestrova_Log_Info("Test Information: Fix All Long Test - Repair LBA : " + QString::number(lba));
    log()->kestrova_Log_Info("Test Information: Fix All Long Test - aligned LBA : "
                                       + QString::number(aligned));
    emit change_Logs();
    // A drive whose last physical sector is cut short by its max LBA has only that much to write.
    const uint32_t count = uint32_t(std::min<uint64_t>(sectorsPerPhysical, sectors - aligned));
    const int rc = scsi_Write_16(device, 0, false, false, aligned, 0, count, zeroBuffer.data());
    if (rc == 0)
        note_Fixed(aligned, count);
    return rc;
}

int FixAllLong::failure_Exit(const QString& why)
{
    return fail("Warning: FixAllLong::execute() FAILURE for S/N: " + sn + why);
}

int FixAllLong::testMultipleSectors(unsigned long long lba, uint64_t& count)
{
    count = usb_Step(lba);
    if (lba + count > sectors) {
        count = sectors - lba;
        percent = double(lba + count) / double(sectors) * 100.0;
    } else {
        percent = double(lba) / double(sectors) * 100.0;
    }
    const int rc = read_Sectors(lba, uint32_t(count));
    if (rc == 0)
        return 0;
    if (read_Verdict(rc) == ReadVerdict::Lost) {
        get_library_information_scsi_Read(rc);
        set_Stop_Reason(rc, lba, false);
        return failure_Exit(read_Stop_Text(rc, lba));
    }

    const PassStop stop = reread_Sectors(lba, uint32_t(count), [this](uint64_t s, int single) {
        if (++errorCount > kMaxRepairs)
        {
            set_Reason(Reason::TooManyRepairs, " " + QString::number(kMaxRepairs));
            return failure_Exit(" Contains: " + QString::number(kMaxRepairs) + " errors ");
        }
        const QString bad = QString::number(s);
        note_Unreadable(s);
        log()->kestrova_Log_Error("Warning: Fix All Long Test Error: ");
        log()->kestrova_Log_Info("Test information: Serial number " + sn);
        log()->kestrova_Log_Info("Test information: Bad LBA: " + bad);
        log()->kestrova_Log_Info("Test information: test return value: " + QString::number(single));
        emit change_Logs();
        emit change_Log_Erro_Test_Device(bad);
        const int written = repairLBA(s);
        if (written != 0) {
            log()->kestrova_Log_Error("Warning: Fix All Long Test -> failure to repair LBA: " + bad);
            set_Stop_Reason(written, alignLBA(s), true);
            return failure_Exit(QString());
        }
        log()->kestrova_Log_Info("Test information: Fixed LBA: " + bad);
        emit change_Logs();
        emit change_Log_Fixed_Test_Device(bad);
        return 0;
    });
    switch (stop.kind) {
    case PassStop::None:
        return 0;
    case PassStop::Abort:
        log()->kestrova_Log_Debug("Test Information: Fix all long - ABORTED");
        emit change_Logs();
        return TestStatus::Aborted;
    case PassStop::CannotRun:
        // A drive that cannot read has nothing to repair: writing would only be refused too.
        get_library_information_scsi_Read(OSKN_CANNOT_PERFORM);
        return unable("Warning: FixAllLong::execute() - returned: UNABLE TO RUN for SN: " + sn, Reason::NotOffered);
    case PassStop::Stopped:
        get_library_information_scsi_Read(stop.rc);
        set_Stop_Reason(stop.rc, stop.lba, false);
        return failure_Exit(read_Stop_Text(stop.rc, stop.lba));
    case PassStop::Ended:
        break;
    }
    return stop.rc;
}

int FixAllLong::execute()
{
    start_Clock();
    sn = serial();
    log()->kestrova_Log_Debug("Starting test: Fix all long - SN:" + sn);
    log()->kestrova_Log_Info("Test information: first LBA: " + QString("0"));
    log()->kestrova_Log_Info("Test information: last LBA: " + QString::number(maxLba));
    log()->kestrova_Log_Info("Test information: rdProtect: " + QString("0"));
    log()->kestrova_Log_Info("Test information: dpo: " + QString("0"));
    log()->kestrova_Log_Info("Test information: fua: " + QString("0"));
    log()->kestrova_Log_Info("Test information: rarc: " + QString("0"));
    log()->kestrova_Log_Info("Test information: group Number: " + QString("0"));
    log()->kestrova_Log_Info("Test information: transfer Length: " + QString("64"));
    log()->kestrova_Log_Info("Test information: device Block Size: "
                                       + QString::number(device->logicalSectorSize));
    log()->kestrova_Log_Info("Test information: device Phy Block Size: "
                                       + QString::number(device->physicalSectorSize));
    emit change_Logs();

    if (maxLba == 0) {
        get_library_information_scsi_Read(OSKN_FAILURE);
        return failure_Exit(QString());
    }

    for (unsigned long long lba = 0;;) {
        if (abortRequested.load()) {
            get_library_information_scsi_Read(OSKN_ABORTED);
            log()->kestrova_Log_Debug("Test information: Fix all long - ABORTED");
            emit change_Logs();
            return TestStatus::Aborted;
        }
        uint64_t count = 0;
        if (const int r = testMultipleSectors(lba, count))
            return r;
        estimating_Time(double(lba));
        send_Percent(percent, lba + count >= sectors);
        estimating_Time(double(lba));
        lba += count;
        if (lba >= sectors)
            break;
    }
    get_library_information_scsi_Read(OSKN_SUCCESS);
    return pass("Test information: FixAllLong::execute() - returned: SUCCESS for SN:" + sn);
}
