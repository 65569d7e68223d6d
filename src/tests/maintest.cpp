#include "tests/maintest.h"

#include "common/common.h"
#include "deviceaccess/devicetext.h"
#include "tests/eraseverifier.h"
#include "log/logsapplication.h"
#include "deviceaccess/oskn_public.h"
#include "deviceaccess/oskn_return.h"
#include "tests/reasons.h"
#include "deviceaccess/transferbuffer.h"

#include <QStringList>

#include <algorithm>

namespace {
std::atomic<int> liveTests{0};
}

MainTest::MainTest(_tDevice* dev, QObject* parent, const QString& call)
    : QThread(parent), descriptor(new TestDescriptor), device(dev), libraryCall(call)
{
    ++liveTests;
    static const int outcomeType = qRegisterMetaType<OperationOutcome>();
    (void)outcomeType;
    // Whatever refused the operation, a drive without SCSI or ATA commands has one reason: say it.
    connect(this, &MainTest::changeStatus, this, [this](int status) {
        if (status != TestStatus::UnableToRun || !device)
            return;
        const QString why = device->driveType == OSKN_DRIVE_NVME
                                ? "the NVMe drive offers no such command"
                                : device->driveType == OSKN_DRIVE_BLOCK
                                      ? "the drive is reached as a plain block device (reads and writes only)"
                                      : QString();
        if (!why.isEmpty())
            LogsApplication::Instance()->kestrova_Log_Error("Test information: " + descriptor->testName
                                                           + " - UNABLE TO RUN: " + why
                                                           + ", nothing that changes it was sent to it - SN: "
                                                           + serial());
    }, Qt::DirectConnection);
}

MainTest::~MainTest()
{
    stop_Thread();
    delete descriptor;
    --liveTests;
}

void MainTest::stop_Thread()
{
    abortRequested.store(true);
    if (isRunning()) {
        quit();
        wait();
    }
}

int MainTest::live_Count()
{
    return liveTests.load();
}

QString MainTest::remaining_Time_Text(int64_t seconds)
{
    const int64_t s = std::max<int64_t>(0, seconds);
    return QString("%1:%2:%3")
        .arg(s / 3600, 2, 10, QChar('0'))
        .arg(s / 60 % 60, 2, 10, QChar('0'))
        .arg(s % 60, 2, 10, QChar('0'));
}

void MainTest::run()
{
    outcome.started = QDateTime::currentDateTime();
    const int status = execute();
    executed.store(true);
    outcome.ended = QDateTime::currentDateTime();
    outcome.status = status;
    report_Status(status);
    emit change_Logs();
}

void MainTest::report_Status(int status)
{
    // Told from the GUI thread while execute() still runs (an abort): the outcome is that
    // thread's until then, so only the status goes out.
    if (QThread::currentThread() != this && !executed.load()) {
        emit changeStatus(status);
        return;
    }
    if (outcome.ended.isNull())
        outcome.ended = QDateTime::currentDateTime();
    if (status == TestStatus::Pass || status == TestStatus::Aborted || status == TestStatus::InProgress) {
        outcome.reason.clear();
        outcome.reasonKey.clear();
    } else if (outcome.reason.isEmpty()) {
        // Every path that knows more sets its own reason; these are what the status alone says.
        const int last = outcome.libraryCodes.isEmpty() ? OSKN_FAILURE : outcome.libraryCodes.last();
        if (status == TestStatus::UnableToRun)
            set_Reason(Reason::NotOffered);
        else if (drive_Lost(last))
            set_Reason(Reason::StoppedAnswering);
        else
            set_Reason(Reason::DriveFailure, " " + QString::number(status == TestStatus::Fail ? last : status));
    }
    emit change_Outcome(outcome);
    emit changeStatus(status);
}

void MainTest::set_Reason(const char* key, const QString& detail)
{
    if (!outcome.reason.isEmpty())
        return;
    outcome.reasonKey = QString::fromUtf8(key);
    outcome.reason = outcome.reasonKey + detail;
}

void MainTest::set_Stop_Reason(int rc, uint64_t lba, bool write)
{
    const QString at = " " + QString::number(lba);
    if (drive_Lost(rc))
        set_Reason(Reason::StoppedAnsweringAt, at);
    else if (write)
        set_Reason(Reason::WriteRefusedAt, at);
    else
        set_Reason(Reason::ReadRefusedAt, at);
}

void MainTest::note_Fixed(uint64_t first, uint64_t count)
{
    for (uint64_t lba = first; lba < first + count; ++lba)
        outcome.fixedLbas << lba;
}

void MainTest::set_Unreadable_Reason()
{
    // The count and the first few: the drive's log and the results record list them all.
    constexpr int kShown = 5;
    QStringList first;
    for (int i = 0; i < outcome.unreadableLbas.size() && i < kShown; ++i)
        first << QString::number(outcome.unreadableLbas[i]);
    if (outcome.unreadableLbas.size() > kShown)
        first << "...";
    set_Reason(Reason::Unreadable,
               " " + QString::number(outcome.unreadableLbas.size()) + " (LBA " + first.join(", ") + ")");
}

LogsApplication* MainTest::log()
{
    return LogsApplication::Instance();
}

int MainTest::pass(const QString& line)
{
    log()->kestrova_Log_Debug(line);
    emit change_Logs();
    return TestStatus::Pass;
}

int MainTest::fail(const QString& line)
{
    log()->kestrova_Log_Error(line);
    emit change_Logs();
    return TestStatus::Fail;
}

int MainTest::fail(const QString& line, const char* key, const QString& detail)
{
    set_Reason(key, detail);
    return fail(line);
}

int MainTest::unable(const QString& line, const char* key)
{
    set_Reason(key);
    return unable(line);
}

int MainTest::unable(const QString& line)
{
    log()->kestrova_Log_Error(line);
    emit change_Logs();
    return TestStatus::UnableToRun;
}

int MainTest::aborted(const QString& line)
{
    get_library_information(TestStatus::Aborted);
    log()->kestrova_Log_Debug(line);
    emit change_Logs();
    return TestStatus::Aborted;
}

StallWatchdog::StallWatchdog(uint64_t limitSeconds, double initial)
    : limit(limitSeconds), last(get_Time_Source_Nanoseconds()), value(initial)
{
}

bool StallWatchdog::moved(double now)
{
    if (now == value)
        return false;
    value = now;
    restart();
    return true;
}

void StallWatchdog::restart()
{
    last = get_Time_Source_Nanoseconds();
}

bool StallWatchdog::expired() const
{
    return (get_Time_Source_Nanoseconds() - last) / 1000000000ull > limit;
}

QString MainTest::serial() const
{
    return device_Serial_Number(device);
}

void MainTest::describe(const QString& testName, int testType, bool showPhaseBar)
{
    descriptor->testName = testName;
    descriptor->showPhaseBar = showPhaseBar;
    descriptor->testType = testType;
}

void MainTest::log_Library_Result(const QString& call, int rc, bool debug)
{
    const QString line = "Library information: " + call + " returned: " + QString::number(rc);
    if (debug)
        LogsApplication::Instance()->kestrova_Log_Debug(line);
    else
        LogsApplication::Instance()->kestrova_Log_Info(line);
}

void MainTest::get_library_information(int rc)
{
    outcome.libraryCodes << rc;
    log_Library_Result(libraryCall, rc, libraryLineDebug);
}

uint64_t MainTest::usb_Transfer_Sectors(uint64_t lba, uint8_t* buffer) const
{
    if (device->interfaceType != OSKN_INTERFACE_USB)
        return kBlockSectors;
    return scsi_Read_16(device, 0, false, false, false, lba, 0, uint32_t(kBlockSectors), buffer) == 1
               ? kUsbFallbackSectors
               : kBlockSectors;
}

bool MainTest::drive_Lost(int rc)
{
    return rc == OSKN_DEVICE_GONE || rc == OSKN_TIMEOUT || rc == OSKN_OS_PASSTHROUGH_FAILURE;
}

bool MainTest::drive_Answers() const
{
    TransferBuffer sector(logical_Sector_Size(device));
    return !drive_Lost(scsi_Read_16(device, 0, false, true, false, 0, 0, 1, sector.data()));
}

int MainTest::read_Back(EraseVerifier& verifier, bool abortable)
{
    static const std::atomic<bool> never{false};
    const QString sn = serial();
    log()->kestrova_Log_Info("Test information: Verification: " + verifier.method_Name() + " read-back of LBA "
                             + verifier.ranges_Text() + ", seed: " + QString::number(verifier.seed()) + " - SN: " + sn);
    emit change_Logs();
    const EraseVerifier::Result result =
        verifier.verify(abortable ? abortRequested : never, [this](double percent) { emit changeVerification(percent); });
    OperationOutcome::Verification& v = outcome.verification;
    v.method = verifier.method_Name();
    v.seed = verifier.seed();
    v.sectorsRead = verifier.sectors_Read();
    v.sectorsCompared = verifier.sectors_Compared();
    v.mismatches = verifier.mismatches();
    v.mismatchLbas = verifier.mismatch_Lbas();
    log()->kestrova_Log_Info("Test information: Verification: sectors read: " + QString::number(v.sectorsRead)
                             + ", compared: " + QString::number(v.sectorsCompared) + ", wrong: "
                             + QString::number(v.mismatches) + " - SN: " + sn);
    switch (result) {
    case EraseVerifier::Result::Sound:
        break;
    case EraseVerifier::Result::NothingToCompare:
        // Nothing sampled held data before: the erase cannot be shown to have changed anything,
        // nor to have left anything.
        log()->kestrova_Log_Info("Test information: Verification: no sampled sector held data before the erase - SN: "
                                 + sn);
        break;
    case EraseVerifier::Result::Aborted:
        emit change_Logs();
        return TestStatus::Aborted;
    case EraseVerifier::Result::DriveLost:
        outcome.reasonKey = EraseVerifier::kLostReason;
        outcome.reason = outcome.reasonKey;
        log()->kestrova_Log_Error("Warning: Verification: the drive stopped answering at LBA: "
                                  + QString::number(verifier.lost_At()) + " - SN: " + sn);
        emit change_Logs();
        return TestStatus::Fail;
    case EraseVerifier::Result::Mismatch: {
        QStringList lbas;
        for (uint64_t lba : v.mismatchLbas)
            lbas << QString::number(lba);
        const QString named = lbas.join(", ") + (v.mismatches > uint64_t(lbas.size()) ? ", ..." : "");
        outcome.reasonKey = EraseVerifier::kMismatchReason;
        outcome.reason = outcome.reasonKey + " - LBA: " + named;
        log()->kestrova_Log_Error("Warning: Verification: sectors not erased: " + QString::number(v.mismatches)
                                  + " - LBA: " + named + " - SN: " + sn);
        emit change_Logs();
        return TestStatus::Fail;
    }
    }
    emit change_Logs();
    return TestStatus::Pass;
}

bool MainTest::sample_Before_Erase(EraseVerifier& verifier)
{
    const EraseVerifier::Result r = verifier.sample_Before(abortRequested);
    if (r == EraseVerifier::Result::DriveLost)
        log()->kestrova_Log_Error("Warning: Verification: the drive stopped answering at LBA: "
                                  + QString::number(verifier.lost_At()) + " - SN: " + serial());
    return r == EraseVerifier::Result::Sound;
}
