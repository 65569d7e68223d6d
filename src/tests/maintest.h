#pragma once

#include <QString>
#include <QMetaType>
#include <QThread>
#include <atomic>

#include "oskn_device.h"

typedef _tDevice tDevice;
Q_DECLARE_METATYPE(tDevice*)

// What the drive's panel needs to label itself while a test runs.
struct TestDescriptor {
    QString testName;
    bool showPhaseBar = false;
    int testType = 0;
};

// One operation on one drive, run on its own thread. It talks back only through signals; the
// GUI thread may ask it to stop by setting abortRequested, which the test polls between device
// operations.
class MainTest : public QThread
{
    Q_OBJECT
public:
    explicit MainTest(_tDevice* device, QObject* parent = nullptr);
    ~MainTest() override;

    _tDevice* getTDevice() const { return device; }
    TestDescriptor* getDescriptor() const { return descriptor; }

    void request_Abort() { abortRequested.store(true); }
    bool is_Abort_Requested() const { return abortRequested.load(); }

    // Test objects alive in the process; a long run of the program must not let it grow.
    static int live_Count();

    // The drive's logical sector size, 512 when the record gives none.
    static uint32_t logical_Sector_Size(const _tDevice* device)
    {
        return device->logicalSectorSize ? device->logicalSectorSize : 512u;
    }

signals:
    void changeStatus(int);
    void change_Logs();

protected:
    // Stops the thread and waits for it. A subclass destructor calls this first: once the
    // subclass's part is destroyed, a thread still inside execute() would use freed members.
    void stop_Thread();

    void run() override;
    virtual int execute() = 0;
    virtual void abort() = 0;

    QString serial() const;

    std::atomic<bool> abortRequested{false};
    TestDescriptor* descriptor;
    _tDevice* device;
};
