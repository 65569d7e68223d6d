#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

#include "maintest.h"
#include "transferbuffer.h"
#include "readverdict.h"

// A scan of the whole drive, front to back, from LBA 0 up to and including the record's max LBA:
// the buffer, the fractional progress and the remaining-time estimate the panel shows.
class ReadScan : public MainTest
{
    Q_OBJECT
public:
    // Every line of the scans' library information is about scsi_Read_16.
    explicit ReadScan(_tDevice* device, QObject* parent = nullptr);

signals:
    void changePercent(double);
    void changeTimeEstimate(QString);
    void change_Log_Erro_Test_Device(QString);

protected:
    // Reports execute()'s result, then gives the buffers back at once: the test object itself
    // lives on until the program ends.
    void run() override;
    void abort() override;
    virtual void release_Buffers();

    void estimating_Time(double lba);
    void start_Clock();
    // Sends the progress when its two-decimal form changed; within one whole percent at most
    // every 100 ms, unless it is the scan's last step.
    void send_Percent(bool lastStep);
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
    int lastEstimateSecond = 0;
    uint64_t timerStart = 0; // program time, nanoseconds
    uint64_t lastReadLba = UINT64_MAX; // a sector the drive read, to ask whether it still reads
    char lastSent[32] = "0.00";
    double lastSentValue = 0.0;
    uint64_t lastSentAt = 0;
};
