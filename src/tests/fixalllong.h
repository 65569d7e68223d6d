#pragma once

#include "tests/readscan.h"
#include "deviceaccess/transferbuffer.h"

// Reads the whole drive like the long generic test and rewrites every unreadable sector it
// meets (its whole physical sector, with zeros), then reads on. 50 repairs at most; the first
// repair the drive refuses ends the test.
class FixAllLong : public ReadScan
{
    Q_OBJECT
public:
    explicit FixAllLong(_tDevice* device, QObject* parent = nullptr);
    ~FixAllLong() override { stop_Thread(); }
    void get_library_information_scsi_Read(int rc) { get_library_information(rc); }
    unsigned long long alignLBA(unsigned long long lba) const;
    int repairLBA(unsigned long long lba);

signals:
    void change_Log_Fixed_Test_Device(QString);

protected:
    int execute() override;
    void release_Buffers() override;

    // Reads, and where needed repairs, one step of `count` sectors at lba (shortened at the end
    // of the drive); 0 to go on, else the test's result.
    int testMultipleSectors(unsigned long long lba, uint64_t& count);

private:
    int failure_Exit(const QString& why);

    TransferBuffer zeroBuffer;
    uint32_t sectorsPerPhysical = 1;
    uint32_t errorCount = 0;
    QString sn;
};
