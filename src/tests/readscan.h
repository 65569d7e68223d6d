#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

#include "tests/progressreporter.h"
#include "deviceaccess/transferbuffer.h"
#include "tests/readverdict.h"

// A scan of the whole drive, front to back, from LBA 0 up to and including the record's max LBA:
// the buffer, the fractional progress and the remaining-time estimate the panel shows.
class ReadScan : public ProgressReporter
{
    Q_OBJECT
public:
    // Every line of the scans' library information is about scsi_Read_16.
    explicit ReadScan(_tDevice* device, QObject* parent = nullptr);

protected:
    // Reports execute()'s result, then gives the buffers back at once: the test object itself
    // lives on until the program ends.
    void run() override;
    void abort() override;
    virtual void release_Buffers();

    // Before the first sector is read the panel shows no time left rather than none at all.
    void estimating_Time(double lba) { lba == 0 ? send_Remaining(0) : send_Estimate(lba, double(sectors)); }
    uint64_t usb_Step(uint64_t lba) { return usb_Transfer_Sectors(lba, buffer.data()); }
    // A read into the buffer; one that succeeds marks the drive as still reading there.
    int read_Sectors(uint64_t lba, uint32_t count);
    static void yield_To_Gui();

    // How a pass over single sectors ended, when it did not go through.
    struct PassStop {
        enum Kind { None, Abort, CannotRun, Stopped, Ended } kind = None;
        int rc = 0;       // Stopped: the read that stopped it; Ended: what list() returned
        uint64_t lba = 0; // Stopped: where the drive stopped reading
    };
    // Re-reads a failed step one sector at a time and hands each unreadable sector, in LBA order,
    // to list(lba, rc), which returns 0 to go on or the scan's result. A sector whose read fails
    // with a medium error is unreadable. One whose read fails otherwise is unreadable too once
    // the drive reads on after it, whatever its sense says (libata reports a sector it could not
    // read as ABORTED COMMAND); a drive that reads nothing after such refusals, not even the
    // sector it read last, has stopped reading, and so has one that vanished or timed out.
    PassStop reread_Sectors(uint64_t first, uint32_t count, const std::function<int(uint64_t, int)>& list);

    TransferBuffer buffer;
    uint64_t maxLba;   // the drive's highest LBA, as the record gives it
    uint64_t sectors;  // maxLba + 1: where the scan ends (exclusive)
    double percent = 0.0;

private:
    uint64_t lastReadLba = UINT64_MAX; // a sector the drive read, to ask whether it still reads
};
