// The ATA front end of the emulated drive: the commands inside ATA PASS-THROUGH(16), one table
// row per command (and per feature where the feature names the function), each with its rules
// (data direction, 48-bit only, allowed while a sanitize runs, feature set, SMART key) and a
// handler. ataPassThrough applies the rules; the handlers only do their own command.
#include <algorithm>
#include <cstring>

#include "virtual/virtual_commands.h"

namespace oskn {
namespace vdrive {

namespace {

using namespace atacmd;

// Finishes an ATA command the way SAT reports it: GOOD, or CHECK CONDITION with the ATA Status
// Return descriptor when the command failed or the host asked for the output registers.
void ata_Finish(VirtualDrive::Reply& r, const AtaTaskFile& tf, uint8_t error, uint16_t countOut,
                uint64_t lbaOut, bool extendOut)
{
    uint8_t key = sensekey::RecoveredError;
    Asc asc = AtaPassThroughInformationAvailable;
    if (error) {
        key = sensekey::AbortedCommand;
        asc = NoAdditionalSense;
        if (error & ErrorUnc) {
            key = sensekey::MediumError;
            asc = UnrecoveredReadErrorAutoReallocFailed;
        } else if (error & ErrorIdnf) {
            key = sensekey::IllegalRequest;
            asc = LbaOutOfRange;
        }
    } else if (!tf.ckCond) {
        r.status = 0;
        r.sense.clear();
        return;
    }
    r.descriptor(key, asc);
    uint8_t d[14] = {0x09, 0x0C};
    d[2] = extendOut ? 1 : 0;
    d[3] = error;
    d[4] = uint8_t(countOut >> 8);
    d[5] = uint8_t(countOut);
    d[6] = uint8_t(lbaOut >> 24);
    d[7] = uint8_t(lbaOut);
    d[8] = uint8_t(lbaOut >> 32);
    d[9] = uint8_t(lbaOut >> 8);
    d[10] = uint8_t(lbaOut >> 40);
    d[11] = uint8_t(lbaOut >> 16);
    // 28-bit outputs carry LBA 27:24 in the DEVICE register.
    d[12] = uint8_t(0x40 | (tf.device & 0x10) | (extendOut ? 0 : (lbaOut >> 24) & 0x0F));
    d[13] = uint8_t(StatusDrdy | (error ? StatusErr : 0));
    r.appendDescriptor(d, sizeof d);
}

AtaTaskFile decode_Task_File(const uint8_t* cdb)
{
    AtaTaskFile tf;
    tf.extend = cdb[1] & 1;
    tf.feature = uint16_t((tf.extend ? cdb[3] << 8 : 0) | cdb[4]);
    tf.count = uint16_t((tf.extend ? cdb[5] << 8 : 0) | cdb[6]);
    tf.lba = uint64_t(cdb[8]) | uint64_t(cdb[10]) << 8 | uint64_t(cdb[12]) << 16;
    if (tf.extend)
        tf.lba |= uint64_t(cdb[7]) << 24 | uint64_t(cdb[9]) << 32 | uint64_t(cdb[11]) << 40;
    tf.device = cdb[13];
    tf.command = cdb[14];
    tf.protocol = (cdb[1] >> 1) & 0x0F;
    tf.ckCond = cdb[2] & 0x20;
    if (!tf.extend && tf.command != IdentifyDevice && tf.command != Smart)
        tf.lba |= uint64_t(tf.device & 0x0F) << 24; // 28-bit commands: LBA bits 27:24 in DEVICE
    return tf;
}

} // namespace

struct VirtualDrive::AtaCall {
    VirtualDrive& d;
    ScsiCommand& c;
    Reply& r;
    uint64_t now;
    AtaTaskFile tf;
    bool wasReadNativeMax = false;

    void abort(uint8_t error = ErrorAbrt) { ata_Finish(r, tf, error, tf.count, tf.lba, tf.extend); }
    void refuse() { abort(); }
    void done(uint16_t countOut = 0, uint64_t lbaOut = 0, bool ext = false)
    {
        ata_Finish(r, tf, 0, countOut, lbaOut, ext || tf.extend);
    }
    // Data-in of whole 512-byte blocks into the caller's buffer.
    void dataIn(const uint8_t* src, size_t bytes)
    {
        if (c.dataLength < bytes) {
            r.invalidField();
            return;
        }
        respond(c, r, src, bytes);
        done();
    }
    // LBA 7:0 names the log, LBA 15:8 and 39:32 the page.
    uint8_t logAddress() const { return uint8_t(tf.lba); }
    uint16_t logPage() const { return uint16_t(((tf.lba >> 8) & 0xFF) | ((tf.lba >> 24) & 0xFF00)); }

    void identify()
    {
        uint8_t id[512];
        d.buildIdentify(id);
        dataIn(id, sizeof id);
    }

    void standbyImmediate()
    {
        d.standby_ = true;
        done();
    }

    // The ATA form of a media access result: the failing LBA in the output registers.
    void transfer(bool write)
    {
        const uint32_t count = tf.count ? tf.count : 65536;
        const MediaResult m = write ? d.writeSectors(c, r, tf.lba, count, now) : d.readSectors(c, r, tf.lba, count, now);
        if (m.outcome == MediaResult::OutOfRange) {
            abort(ErrorIdnf | ErrorAbrt);
            return;
        }
        if (m.outcome == MediaResult::BadBuffer) {
            r.invalidField();
            return;
        }
        r.residual = c.dataLength - uint32_t(m.moved * d.d_.logicalSectorSize);
        if (m.outcome == MediaResult::MediumError)
            ata_Finish(r, tf, write ? ErrorAbrt : ErrorUnc, 0, m.failing, true);
        else
            done();
    }
    void readDmaExt() { transfer(false); }
    void writeDmaExt() { transfer(true); }

    void readNativeMaxExt()
    {
        d.lastWasReadNativeMax_ = true;
        done(0, d.d_.nativeMaxLba, true);
    }
    void readNativeMax()
    {
        d.lastWasReadNativeMax_ = true;
        done(0, std::min<uint64_t>(d.d_.nativeMaxLba, 0x0FFFFFFF));
    }
    void setMax()
    {
        if (tf.lba > d.d_.nativeMaxLba) {
            abort(ErrorIdnf | ErrorAbrt);
            return;
        }
        d.maxLba_ = tf.lba;
        done(0, d.maxLba_, true);
    }
    // As the HPA feature set demands: only right after READ NATIVE MAX ADDRESS.
    void setMaxExt() { wasReadNativeMax ? setMax() : abort(); }
    void getNativeMaxAddress() { done(0, d.d_.nativeMaxLba, true); }

    void readLog(uint16_t firstPage, uint32_t pages, bool gpl);
    void sctLog(uint32_t pages, uint16_t page, uint64_t lbaBits);
    void readLogExt() { readLog(logPage(), tf.count ? tf.count : 65536, true); }
    void writeLogExt() { sctLog(tf.count, logPage(), 0); }

    void smartReadData()
    {
        uint8_t data[512];
        d.buildSmartData(data, now);
        dataIn(data, sizeof data);
    }
    void smartReadThresholds()
    {
        uint8_t data[512];
        d.buildSmartThresholds(data);
        dataIn(data, sizeof data);
    }
    void smartReturnStatus()
    {
        bool failing = d.d_.smartHealthFailing;
        for (const auto& a : d.d_.attributes)
            if ((a.flags & 1) && a.threshold && a.current <= a.threshold)
                failing = true; // a pre-fail attribute at or below its threshold
        done(tf.count, (failing ? smart::ExceededStatus : smart::GoodStatus) | (tf.lba & 0xFF), false);
    }
    void smartReadLog()
    {
        const uint32_t pages = tf.count & 0xFF;
        if (pages == 0)
            abort();
        else
            readLog(0, pages, false);
    }
    void smartWriteLog() { sctLog(tf.count & 0xFF, 0, smart::GoodStatus); }
    void smartExecuteOffline();
    void abortJob();
    void startJob(uint8_t test);

    uint16_t sanitizeStatusCount() const
    {
        return uint16_t((d.sanitizeCompleted_ && !d.sanitizeRunning_ ? 0x8000 : 0) | (d.sanitizeRunning_ ? 0x4000 : 0));
    }
    void sanitizeStatus();
    void startSanitize(bool keyMatches, int kind, uint32_t pattern = 0)
    {
        if (keyMatches && d.startSanitize(kind, pattern, now))
            done(sanitizeStatusCount(), 0, true);
        else
            abort();
    }
    void sanitizeCrypto() { startSanitize((tf.lba & 0xFFFFFFFF) == sanitize::CryptoKey, SanitizeCrypto); }
    void sanitizeBlockErase() { startSanitize((tf.lba & 0xFFFFFFFF) == sanitize::BlockEraseKey, SanitizeBlockErase); }
    void sanitizeOverwrite()
    {
        uint32_t pattern = uint32_t(tf.lba);
        // Inverted between passes: an even number of passes ends with the inverse.
        if ((tf.count & 0x80) && ((tf.count & 0x0F) == 0 || (tf.count & 0x0F) % 2 == 0))
            pattern = ~pattern;
        startSanitize((tf.lba >> 32) == sanitize::OverwriteKey, SanitizeOverwrite, pattern);
    }

    void trusted(bool out)
    {
        const uint32_t blocks = uint32_t(tf.count & 0xFF) | uint32_t(tf.lba & 0xFF) << 8;
        Reply inner;
        d.securityCommand(c, inner, out, uint8_t(tf.feature), uint16_t(tf.lba >> 8), blocks * 512);
        r.residual = inner.residual;
        if (inner.status == 0)
            done();
        else
            abort();
    }
    void trustedReceive() { trusted(false); }
    void trustedSend() { trusted(true); }
};

// ------------------------------------------------------------------------------------------
// Logs.

void VirtualDrive::AtaCall::readLog(uint16_t firstPage, uint32_t pages, bool gpl)
{
    if (c.dataLength < pages * 512u) {
        r.invalidField();
        return;
    }
    for (uint32_t i = 0; i < pages; ++i)
        if (!d.buildLogPage(logAddress(), uint16_t(firstPage + i), gpl, c.data + 512 * i)) {
            abort();
            return;
        }
    r.residual = c.dataLength - pages * 512;
    done();
}

// SMART WRITE LOG and WRITE LOG EXT: a key page to the SCT command log, the only log written.
// lbaBits are added to the output LBA.
void VirtualDrive::AtaCall::sctLog(uint32_t pages, uint16_t page, uint64_t lbaBits)
{
    if (!(d.d_.supported & F_SCT) || logAddress() != log::SctCommand) {
        abort();
        return;
    }
    if (c.dataLength < 512 || pages != 1 || page != 0) {
        r.invalidField();
        return;
    }
    const uint8_t error = d.sctWrite(c.data, now, r);
    if (error)
        abort(error);
    else
        done(0, lbaBits);
}

// ------------------------------------------------------------------------------------------
// SMART EXECUTE OFF-LINE IMMEDIATE: self-tests and in-drive diagnostics.

void VirtualDrive::AtaCall::smartExecuteOffline()
{
    const uint8_t test = uint8_t(tf.lba);
    if (test == smart::OfflineCollection) // nothing to collect here
        done();
    else if (test == smart::AbortTest)
        abortJob();
    else
        startJob(test);
}

void VirtualDrive::AtaCall::abortJob()
{
    if (d.job_ != Job::None) {
        d.logSelfTest(d.jobType_, 0x10, UINT64_MAX);
        d.lastSelfTestStatus_ = 0x10;
        d.job_ = Job::None;
    }
    done();
}

void VirtualDrive::AtaCall::startJob(uint8_t test)
{
    const Description& dd = d.d_;
    uint32_t seconds = 0;
    Job kind = Job::SelfTest;
    const uint8_t base = test & ~smart::Captive;
    if ((base == smart::ShortSelfTest || base == smart::ExtendedSelfTest) && (dd.supported & F_SMART_SELF_TEST)) {
        seconds = base == smart::ShortSelfTest ? dd.shortSelfTestSeconds : dd.extendedSelfTestSeconds;
    } else if ((test == smart::IddResetAndRecalibrate && dd.idd70) ||
               (test == smart::IddPendingAndReallocationLists && dd.idd71)) {
        kind = Job::Idd;
        seconds = test == smart::IddResetAndRecalibrate ? dd.idd70Seconds : dd.idd71Seconds;
    } else {
        abort();
        return;
    }
    if (d.job_ != Job::None) // a new routine replaces the running one
        d.logSelfTest(d.jobType_, 0x10, UINT64_MAX);
    d.job_ = kind;
    d.jobType_ = kind == Job::Idd ? test : base;
    d.jobStart_ = now;
    d.jobEnd_ = now + uint64_t(seconds) * NS;
    if (!(test & smart::Captive)) {
        done();
        return;
    }
    // Captive mode: the command returns when the test has ended (if ever).
    r.waitUntil = kind == Job::SelfTest && dd.selfTestNeverEnds ? UINT64_MAX : d.jobEnd_;
    VirtualDrive* drive = &d;
    r.afterWait = [drive, captured = tf](Reply& rr) {
        const uint8_t st = drive->lastSelfTestStatus_ >> 4;
        uint64_t lba = captured.lba;
        if (!drive->selfTestLog_.empty() && drive->selfTestLog_.back().lba != UINT64_MAX)
            lba = drive->selfTestLog_.back().lba;
        // A failed captive test reports the checksum-failure signature F4h/2Ch.
        ata_Finish(rr, captured, st ? ErrorAbrt : 0, 0, st ? (smart::ExceededStatus | (lba & 0xFF)) : smart::GoodStatus,
                   false);
    };
}

void VirtualDrive::AtaCall::sanitizeStatus()
{
    if (tf.count & 1) {
        d.sanitizeCompleted_ = false; // CLEAR SANITIZE OPERATION FAILED / the report
        d.sanitizeFailed_ = false;
    }
    if (d.sanitizeFailed_) { // ABORT with the reason in LBA 7:0: the sanitize was unsuccessful
        ata_Finish(r, tf, ErrorAbrt, sanitizeStatusCount(), 0x01, true);
        return;
    }
    uint64_t progress = d.sanitizeCompleted_ ? 0xFFFF : 0;
    if (d.sanitizeRunning_)
        progress = d.sanitizeProgress(now);
    done(sanitizeStatusCount(), progress, true);
}

// ------------------------------------------------------------------------------------------
// The command table.

namespace {

enum AtaFlag : uint8_t {
    Lba48 = 1 << 0,          // needs the 48-bit Address feature set
    DuringSanitize = 1 << 1, // allowed while a sanitize runs
    SmartKey = 1 << 2,       // LBA 23:8 must carry the SMART key C24Fh
    SmartEnabled = 1 << 3,   // SMART must be enabled
};
constexpr uint8_t SmartCommand = SmartKey | SmartEnabled;
constexpr int AnyFeature = -1;

using Call = VirtualDrive::AtaCall;

struct AtaRow {
    uint8_t command;
    int feature; // the function or SMART subcommand, AnyFeature when it names none
    Data data;
    uint8_t flags;
    bool (*needs)(const Description&); // feature set, else ABORT
    void (Call::*handler)();
};

bool has_Smart(const Description& d) { return d.supported & F_SMART; }
bool has_Gpl(const Description& d) { return d.supported & F_GPL; }
bool has_Hpa(const Description& d) { return d.supported & F_HPA; }
bool has_Amac(const Description& d) { return d.supported & F_AMAC; }
bool has_Hpa_Or_Amac(const Description& d) { return d.supported & (F_HPA | F_AMAC); }

const AtaRow kAtaCommands[] = {
    {IdentifyDevice, AnyFeature, Data::In, DuringSanitize, nullptr, &Call::identify},
    {StandbyImmediate, AnyFeature, Data::Any, 0, nullptr, &Call::standbyImmediate},
    {ReadDmaExt, AnyFeature, Data::In, Lba48, nullptr, &Call::readDmaExt},
    {WriteDmaExt, AnyFeature, Data::Out, Lba48, nullptr, &Call::writeDmaExt},
    {ReadNativeMaxAddressExt, AnyFeature, Data::Any, Lba48, has_Hpa_Or_Amac, &Call::readNativeMaxExt},
    {ReadNativeMaxAddress, AnyFeature, Data::Any, 0, has_Hpa, &Call::readNativeMax},
    {SetMaxAddressExt, AnyFeature, Data::Any, Lba48, has_Hpa, &Call::setMaxExt},
    {AccessibleMaxAddressConfiguration, amac::GetNativeMaxAddress, Data::Any, 0, has_Amac,
     &Call::getNativeMaxAddress},
    {AccessibleMaxAddressConfiguration, amac::SetAccessibleMaxAddress, Data::Any, 0, has_Amac, &Call::setMax},
    {ReadLogExt, AnyFeature, Data::In, DuringSanitize, has_Gpl, &Call::readLogExt},
    {WriteLogExt, AnyFeature, Data::Out, 0, has_Gpl, &Call::writeLogExt},
    {Smart, smart::ReadData, Data::In, SmartCommand | DuringSanitize, has_Smart, &Call::smartReadData},
    {Smart, smart::ReadThresholds, Data::In, SmartCommand, has_Smart, &Call::smartReadThresholds},
    {Smart, smart::ExecuteOfflineImmediate, Data::Any, SmartCommand, has_Smart, &Call::smartExecuteOffline},
    {Smart, smart::ReadLog, Data::In, SmartCommand | DuringSanitize, has_Smart, &Call::smartReadLog},
    {Smart, smart::WriteLog, Data::Out, SmartCommand, has_Smart, &Call::smartWriteLog},
    {Smart, smart::ReturnStatus, Data::Any, SmartCommand | DuringSanitize, has_Smart, &Call::smartReturnStatus},
    {SanitizeDevice, sanitize::Status, Data::Any, Lba48 | DuringSanitize, has_Sanitize, &Call::sanitizeStatus},
    {SanitizeDevice, sanitize::CryptoScramble, Data::Any, Lba48, has_Sanitize, &Call::sanitizeCrypto},
    {SanitizeDevice, sanitize::BlockErase, Data::Any, Lba48, has_Sanitize, &Call::sanitizeBlockErase},
    {SanitizeDevice, sanitize::Overwrite, Data::Any, Lba48, has_Sanitize, &Call::sanitizeOverwrite},
    // A refused TRUSTED command is aborted, whatever the reason: the direction rides on the row.
    {TrustedReceive, AnyFeature, Data::Any, 0, has_Tcg, &Call::trustedReceive},
    {TrustedSend, AnyFeature, Data::Any, 0, has_Tcg, &Call::trustedSend},
};
const AtaRow kUnknownAta = {0, AnyFeature, Data::Any, 0, nullptr, &Call::refuse};

const AtaRow& find_Ata_Row(const AtaTaskFile& tf)
{
    // A SMART subcommand is the feature's low byte.
    const int feature = tf.command == Smart ? (tf.feature & 0xFF) : tf.feature;
    for (const AtaRow& row : kAtaCommands)
        if (row.command == tf.command && (row.feature == AnyFeature || row.feature == feature))
            return row;
    return kUnknownAta;
}

} // namespace

void VirtualDrive::ataPassThrough(ScsiCommand& c, Reply& r, uint64_t now)
{
    AtaCall a{*this, c, r, now, decode_Task_File(c.cdb)};
    const AtaTaskFile& tf = a.tf;
    if (tf.protocol == ProtocolHardReset || tf.protocol == ProtocolSoftReset || tf.protocol == ProtocolReturnResponse) {
        ata_Finish(r, tf, 0, 0, 0, false);
        return;
    }
    if (!d_.faults.empty())
        if (const Fault* f = injectFault(true, tf.command, tf.feature)) {
            if (answer_Fault(*f, c, r, now))
                return;
            if (f->useSense)
                r.fixed(f->senseKey, {f->asc, f->ascq});
            else
                a.abort(f->ataError);
            return;
        }
    const AtaRow& row = find_Ata_Row(tf);
    if (sanitizeRunning_ && !(row.flags & DuringSanitize)) {
        a.abort();
        return;
    }
    a.wasReadNativeMax = lastWasReadNativeMax_;
    lastWasReadNativeMax_ = false;
    const bool refused = ((row.flags & Lba48) && !(d_.supported & F_48BIT)) || (row.needs && !row.needs(d_)) ||
                         ((row.flags & SmartKey) && ((tf.lba >> 8) & 0xFFFF) != smart::Key) ||
                         ((row.flags & SmartEnabled) && !smartEnabled_);
    if (refused) {
        a.abort();
        return;
    }
    if (wrong_Direction(row.data, c)) {
        r.invalidField();
        return;
    }
    (a.*row.handler)();
}

} // namespace vdrive
} // namespace oskn
