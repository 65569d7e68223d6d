#pragma once

#include <QString>
#include <QMetaType>
#include <QThread>
#include <atomic>
#include <cstdint>
#include <limits>

#include "deviceaccess/oskn_device.h"
#include "deviceaccess/oskn_return.h"
#include "tests/operationoutcome.h"

class LogsApplication;
class EraseVerifier;

typedef _tDevice tDevice;
Q_DECLARE_METATYPE(tDevice*)

// A test's final status (changeStatus), as the panel and the drive's log read it; any other
// non-zero value is a failure too.
namespace TestStatus {
enum : int { Pass = 0, Fail = 1, InProgress = 4, Aborted = 5, UnableToRun = 14 };
}

// The kind of test (TestDescriptor::testType) the panel labels itself by. The timed erase and
// write same share 9; no test uses 6.
namespace TestType {
enum : int {
    ShortDst = 0,
    ShortGeneric = 1,
    LongGeneric = 2,
    SmartCheck = 3,
    FixAllLong = 4,
    FixAllFast = 5,
    EraseFull = 7,
    SpinDown = 8,
    EraseTime = 9,
    WriteSame = 9,
    BootTracks = 10,
    EraseRange = 11,
    SetMaxLba = 12,
    EraseCrypto = 13,
    SanitizeOverwrite = 14,
    Idd70 = 15,
    Idd71 = 16,
    Psid = 17
};
}

// What the drive's panel needs to label itself while a test runs.
struct TestDescriptor {
    QString testName;
    bool showPhaseBar = false;
    int testType = 0;
};

// Ends a poll whose drive stands still. It times in program time, in seconds: expired() is true
// once more than the limit has passed since the last movement (or since it was made, for a
// deadline that nothing moves).
class StallWatchdog
{
public:
    explicit StallWatchdog(uint64_t limitSeconds, double initial = std::numeric_limits<double>::quiet_NaN());

    // Records the drive's progress; true when it moved (a first value always does).
    bool moved(double value);
    // Counts now as a movement without a new value.
    void restart();
    bool expired() const;
    uint64_t limit_Minutes() const { return limit / 60; }

private:
    uint64_t limit;
    uint64_t last; // ns
    double value;
};

// One operation on one drive, run on its own thread. It talks back only through signals; the
// GUI thread may ask it to stop by setting abortRequested, which the test polls between device
// operations.
class MainTest : public QThread
{
    Q_OBJECT
public:
    // libraryCall names the library call the test's verdict rests on, as its "Library
    // information: " line gives it, up to " returned: ".
    explicit MainTest(_tDevice* device, QObject* parent = nullptr, const QString& libraryCall = QString());
    ~MainTest() override;

    // "Library information: <libraryCall> returned: <rc>", at info level (debug when
    // libraryLineDebug is set).
    void get_library_information(int rc);

    _tDevice* getTDevice() const { return device; }
    TestDescriptor* getDescriptor() const { return descriptor; }

    // Valid once the thread has finished.
    const OperationOutcome& get_Outcome() const { return outcome; }

    void request_Abort() { abortRequested.store(true); }
    bool is_Abort_Requested() const { return abortRequested.load(); }

    // Test objects alive in the process; a long run of the program must not let it grow.
    static int live_Count();

    // A remaining time as "hh:mm:ss". The hours count on past 24: a large drive's scan or erase
    // can take days, and a clock-style wrap would show 45 hours as 21.
    static QString remaining_Time_Text(int64_t seconds);

    // The drive's logical sector size, 512 when the record gives none.
    static uint32_t logical_Sector_Size(const _tDevice* device)
    {
        return device->logicalSectorSize ? device->logicalSectorSize : 512u;
    }

    // The surface scans read this many sectors at once, or the fallback behind a USB bridge
    // that refuses such transfers; scan_Buffer_Bytes holds the larger.
    static constexpr uint64_t kBlockSectors = 64;
    static constexpr uint64_t kUsbFallbackSectors = 15;
    static size_t scan_Buffer_Bytes(const _tDevice* device)
    {
        return size_t(logical_Sector_Size(device)) * kBlockSectors;
    }

signals:
    void changeStatus(int);
    void change_Logs();
    // Just before changeStatus: what the operation found, for the panel and the drive's log.
    void change_Outcome(const OperationOutcome& outcome);
    // The read-back after an erase: how much of it is done, 0..100.
    void changeVerification(double);

protected:
    // Stops the thread and waits for it. A subclass destructor calls this first: once the
    // subclass's part is destroyed, a thread still inside execute() would use freed members.
    void stop_Thread();

    // Reports execute()'s result, then tells the log view once more.
    void run() override;
    virtual int execute() = 0;
    virtual void abort() = 0;

    static LogsApplication* log();
    // An operation's last line (the serial number is part of it), the log view told, and its status:
    // pass() at debug level, fail() and unable() at error level, aborted() at debug level after
    // the library line for an abort.
    int pass(const QString& line);
    int fail(const QString& line);
    int unable(const QString& line);
    // The same, with the reason (a key of reasons.h and its untranslated detail).
    int fail(const QString& line, const char* key, const QString& detail = QString());
    int unable(const QString& line, const char* key);

    // Why the verdict will not be PASS. The first reason stands: it is what stopped the operation.
    void set_Reason(const char* key, const QString& detail = QString());
    // The reason of a read or write that stopped a scan or an erase at lba (rc: its result).
    void set_Stop_Reason(int rc, uint64_t lba, bool write);
    void note_Unreadable(uint64_t lba) { outcome.unreadableLbas << lba; }
    // Sectors from first rewritten, count of them.
    void note_Fixed(uint64_t first, uint64_t count);
    // Reason for unreadable sectors found: their count and the first of them.
    void set_Unreadable_Reason();

    // Completes the outcome for the status (a reason for every verdict but PASS), sends it, then
    // the status.
    void report_Status(int status);
    int aborted(const QString& line);

    QString serial() const;

    // What the constructor of every test writes: the panel's name and kind of the test.
    void describe(const QString& testName, int testType, bool showPhaseBar = false);

    // The same line as get_library_information for another call.
    static void log_Library_Result(const QString& call, int rc, bool debug = false);

    // A drive behind USB: kBlockSectors read at lba into buffer; exactly 1 means the bridge
    // refuses such transfers and the scan steps by kUsbFallbackSectors. Other drives:
    // kBlockSectors without a read.
    uint64_t usb_Transfer_Sectors(uint64_t lba, uint8_t* buffer) const;

    // Whether a library result means the drive stopped answering (vanished, timed out, out of
    // the system's reach): a failed drive, never one that merely cannot run the operation.
    static bool drive_Lost(int rc);
    // Reads back what an erase that went through claims, fills outcome.verification and gives the
    // verdict: Pass, Fail (outcome.reason names the sectors, the log too) or Aborted. An
    // operation that cannot be stopped (a sanitize, a crypto erase) is not stopped here either.
    int read_Back(EraseVerifier& verifier, bool abortable = true);
    // For an erase whose read-back must find the sectors changed: what they hold now. False when
    // the drive stopped answering or the operation was aborted.
    bool sample_Before_Erase(EraseVerifier& verifier);

    // Asks the drive itself, where a call only said "no" without saying why: one sector read
    // past any cache. Refusals and medium errors are answers too.
    bool drive_Answers() const;

    std::atomic<bool> abortRequested{false};
    // Set once execute() has returned: from then on a timer of the GUI thread may end the
    // report (write same, in-drive diagnostics).
    std::atomic<bool> executed{false};
    OperationOutcome outcome;
    TestDescriptor* descriptor;
    _tDevice* device;
    QString libraryCall;
    bool libraryLineDebug = false;
};
