#pragma once

#include <QMutex>

#include <cstdint>

#include "tests/maintest.h"
#include "deviceaccess/transferbuffer.h"

// Serialises the self-test commands and repair writes of every drive running Fix All Fast.
extern QMutex mutexFixAllFast;

// Runs the drive's short self-test; when it fails on a read, rewrites the physical sector the
// self-test log names with zeros and runs the self-test again, up to 50 repairs.
class FixAllFast : public MainTest
{
    Q_OBJECT
public:
    explicit FixAllFast(_tDevice* device, QObject* parent = nullptr);
    ~FixAllFast() override { stop_Thread(); }
    void get_library_information_ata_SMART(int rc);
    void get_library_information_ata_Get_DST(int rc);
    bool is_Supported_GPL() const;
    int get_LBA_From_DST_Log(unsigned long long* lba);
    int read_EXT_self_log(unsigned long long* lba);
    int read_NVMe_self_log(unsigned long long* lba);
    int read_SMART_self_log(unsigned long long* lba);
    unsigned long long alignLBA(unsigned long long* lba) const;
    int repairLBA(unsigned long long* lba);

signals:
    void changePercent(int);
    void change_Log_Erro_Test_Device(QString);
    void change_Log_Fixed_Test_Device(QString);

protected:
    int execute() override;
    void abort() override;

private:
    // One self-test: 0 passed, 5 aborted, -1 failed (go on with a repair), else the result.
    int self_Test_Pass();
    int stopped_Answering();
    // The bar for a self-test at selfTestPercent of its run (or passed).
    void show_Progress(uint32_t selfTestPercent, bool passed);

    uint32_t shownPercent = 0; // the bar where this self-test started
    uint32_t lastShown = 0;    // the bar now
    uint32_t sectorsPerPhysical = 1;
    uint32_t passCount = 0;
    alignas(kTransferAlignment) uint8_t identifyData[512] = {};
    bool identifyFailed = false;
    int logResult = 0;        // the last log read's library result
    uint8_t failedStatus = 0; // the failed self-test's status (upper nibble)
    QString sn;
};
