// The emulated drive: a SATA drive behind a SCSI/ATA Translation layer. It decodes the CDBs
// such a drive sees (and the ATA commands inside ATA PASS-THROUGH) and answers with the data,
// status and sense that drive would give. Long operations (self-test, sanitize, in-drive
// diagnostics) are a start time and an end time in program time: nothing holds the lock
// while they run, and their effects are applied by the first command that sees them finished.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

#include "common.h"
#include "oskn_device.h"
#include "virtual/virtual_drive.h"

namespace oskn {
namespace vdrive {

namespace {

// Sense keys.
constexpr uint8_t NO_SENSE = 0x0, RECOVERED_ERROR = 0x1, NOT_READY = 0x2, MEDIUM_ERROR = 0x3,
                  ILLEGAL_REQUEST = 0x5, ABORTED_COMMAND = 0xB;
// ATA status and error bits.
constexpr uint8_t ST_DRDY = 0x40, ST_ERR = 0x01;
constexpr uint8_t ER_ABRT = 0x04, ER_IDNF = 0x10, ER_UNC = 0x40;

constexpr uint64_t NS = 1000000000ull;

void put_Be16(uint8_t* p, uint32_t v) { p[0] = uint8_t(v >> 8); p[1] = uint8_t(v); }
void put_Be32(uint8_t* p, uint32_t v) { put_Be16(p, v >> 16); put_Be16(p + 2, v); }
void put_Be64(uint8_t* p, uint64_t v) { put_Be32(p, uint32_t(v >> 32)); put_Be32(p + 4, uint32_t(v)); }
void put_Le16(uint8_t* p, uint32_t v) { p[0] = uint8_t(v); p[1] = uint8_t(v >> 8); }
void put_Le32(uint8_t* p, uint32_t v) { put_Le16(p, v); put_Le16(p + 2, v >> 16); }
void put_Le48(uint8_t* p, uint64_t v) { for (int i = 0; i < 6; ++i) p[i] = uint8_t(v >> (8 * i)); }
void put_Le64(uint8_t* p, uint64_t v) { put_Le32(p, uint32_t(v)); put_Le32(p + 4, uint32_t(v >> 32)); }
uint16_t get_Be16(const uint8_t* p) { return uint16_t(p[0] << 8 | p[1]); }
uint32_t get_Be32(const uint8_t* p) { return uint32_t(get_Be16(p)) << 16 | get_Be16(p + 2); }
uint64_t get_Be64(const uint8_t* p) { return uint64_t(get_Be32(p)) << 32 | get_Be32(p + 4); }

void put_Checksum(uint8_t* sector)
{
    uint8_t sum = 0;
    for (int i = 0; i < 511; ++i)
        sum = uint8_t(sum + sector[i]);
    sector[511] = uint8_t(-sum);
}

// ATA strings: space padded, the two characters of each word swapped.
void put_Ata_String(uint16_t* words, const std::string& s, size_t chars)
{
    for (size_t i = 0; i < chars; i += 2) {
        const uint8_t a = i < s.size() ? uint8_t(s[i]) : ' ';
        const uint8_t b = i + 1 < s.size() ? uint8_t(s[i + 1]) : ' ';
        words[i / 2] = uint16_t(a << 8 | b);
    }
}

void put_Padded(uint8_t* p, const std::string& s, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        p[i] = i < s.size() ? uint8_t(s[i]) : ' ';
}

uint64_t fnv1a(const std::string& s)
{
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : s)
        h = (h ^ c) * 1099511628211ull;
    return h;
}

// Sleeps in program time until the given moment.
void wait_Until(uint64_t target)
{
    for (;;) {
        const uint64_t now = get_Time_Source_Nanoseconds();
        if (now + 1000000 > target)
            return;
        const uint64_t ms = std::min<uint64_t>((target - now) / 1000000, 1000);
        delay_Milliseconds(uint32_t(ms));
    }
}

} // namespace

struct VirtualDrive::Reply {
    uint8_t status = 0;
    std::vector<uint8_t> sense;
    uint32_t residual = 0;
    uint64_t waitUntil = 0;                 // program time to wait for after unlocking
    std::function<void(Reply&)> afterWait;  // finished under the lock after the wait

    void fixed(uint8_t key, uint8_t asc, uint8_t ascq, bool infoValid = false, uint64_t info = 0,
               int sks = -1)
    {
        if (infoValid && info > 0xFFFFFFFFull) { // does not fit the fixed format
            descriptor(key, asc, ascq, infoValid, info);
            return;
        }
        status = 2;
        sense.assign(18, 0);
        sense[0] = uint8_t(0x70 | (infoValid ? 0x80 : 0));
        sense[2] = key;
        put_Be32(&sense[3], uint32_t(info));
        sense[7] = 10;
        sense[12] = asc;
        sense[13] = ascq;
        if (sks >= 0) {
            sense[15] = uint8_t(0x80 | ((sks >> 16) & 0x7F));
            put_Be16(&sense[16], uint32_t(sks) & 0xFFFF);
        }
    }

    void descriptor(uint8_t key, uint8_t asc, uint8_t ascq, bool infoValid = false, uint64_t info = 0)
    {
        status = 2;
        sense.assign(8, 0);
        sense[0] = 0x72;
        sense[1] = key;
        sense[2] = asc;
        sense[3] = ascq;
        if (infoValid) {
            uint8_t d[12] = {0x00, 0x0A, 0x80, 0};
            put_Be64(d + 4, info);
            sense.insert(sense.end(), d, d + 12);
        }
        sense[7] = uint8_t(sense.size() - 8);
    }

    void illegal(uint8_t asc, uint8_t ascq = 0) { fixed(ILLEGAL_REQUEST, asc, ascq); }
    void invalidOpcode() { illegal(0x20); }
    void invalidField() { illegal(0x24); }
};

// The registers of one ATA command inside ATA PASS-THROUGH (12) or (16).
struct AtaTaskFile {
    uint16_t feature = 0, count = 0;
    uint64_t lba = 0;
    uint8_t device = 0, command = 0;
    uint8_t protocol = 0;
    bool extend = false, ckCond = false;
};

namespace {

// Finishes an ATA command the way SAT reports it: GOOD, or CHECK CONDITION with the ATA Status
// Return descriptor when the command failed or the host asked for the output registers.
void ata_Finish(VirtualDrive::Reply& r, const AtaTaskFile& tf, uint8_t error, uint16_t countOut,
                uint64_t lbaOut, bool extendOut)
{
    uint8_t key = RECOVERED_ERROR, asc = 0x00, ascq = 0x1D; // ATA PASS THROUGH INFORMATION AVAILABLE
    if (error) {
        key = ABORTED_COMMAND;
        ascq = 0x00;
        if (error & ER_UNC) {
            key = MEDIUM_ERROR;
            asc = 0x11;
            ascq = 0x04;
        } else if (error & ER_IDNF) {
            key = ILLEGAL_REQUEST;
            asc = 0x21;
        }
    } else if (!tf.ckCond) {
        r.status = 0;
        r.sense.clear();
        return;
    }
    r.descriptor(key, asc, ascq);
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
    d[13] = uint8_t(ST_DRDY | (error ? ST_ERR : 0));
    r.sense.insert(r.sense.end(), d, d + 14);
    r.sense[7] = uint8_t(r.sense.size() - 8);
}

} // namespace

// ------------------------------------------------------------------------------------------
VirtualDrive::VirtualDrive(Description description, std::unique_ptr<Storage> storage)
    : d_(std::move(description)), storage_(std::move(storage))
{
    createdAt_ = get_Time_Source_Nanoseconds();
    maxLba_ = d_.accessibleMaxLba;
    smartEnabled_ = d_.enabled & F_SMART;
    unreadable_ = d_.unreadable;
    faultHits_.assign(d_.faults.size(), 0);
    if (d_.tcg)
        tcg_ = std::make_unique<TcgDevice>(d_.psid);
    if (d_.sanitizeRunningAtStart) {
        sanitizeRunning_ = true;
        sanitizeKind_ = 2;
        sanitizeStart_ = createdAt_;
        sanitizeEnd_ = createdAt_ + uint64_t(d_.sanitizeSeconds) * NS;
    }
}

bool VirtualDrive::gone() const
{
    return d_.disappearAfterSeconds >= 0 &&
           double(get_Time_Source_Nanoseconds() - createdAt_) >= d_.disappearAfterSeconds * 1e9;
}

TransportResult VirtualDrive::execute(ScsiCommand& c)
{
    if (gone())
        return TransportResult::NoDevice;
    if (!c.cdb || c.cdbLength < 6 || c.cdbLength > 32 || (c.dataLength && !c.data))
        return TransportResult::OsFailure;

    Reply r;
    uint64_t accepted = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        accepted = get_Time_Source_Nanoseconds();
        advance(accepted);
        scsiCommand(c, r, accepted);
    }
    bool timedOut = false;
    if (r.waitUntil) {
        // The host gives up after its timeout, as SG_IO would; the drive carries on. The timeout
        // runs from when the drive took the command: at scaled time, a few milliseconds that
        // this thread waited for a processor would otherwise pass for the drive's own seconds.
        const uint64_t deadline = accepted + uint64_t(std::max<uint32_t>(1, c.timeoutSeconds)) * NS;
        timedOut = r.waitUntil > deadline;
        wait_Until(std::min(r.waitUntil, deadline));
        if (timedOut) {
            r.status = 0;
            r.sense.clear();
            r.afterWait = nullptr;
            // The host's reset ends the transfer: later commands do not queue behind it.
            std::lock_guard<std::mutex> lock(mutex_);
            busyUntil_ = std::min(busyUntil_, get_Time_Source_Nanoseconds());
        }
        if (r.afterWait) {
            std::lock_guard<std::mutex> lock(mutex_);
            advance(get_Time_Source_Nanoseconds());
            r.afterWait(r);
        }
    }
    c.scsiStatus = r.status;
    c.senseLength = uint32_t(std::min(r.sense.size(), sizeof(c.sense)));
    std::memset(c.sense, 0, sizeof(c.sense));
    if (c.senseLength)
        std::memcpy(c.sense, r.sense.data(), c.senseLength);
    c.residual = r.residual;
    c.timedOut = timedOut;
    return TransportResult::Delivered;
}

// ------------------------------------------------------------------------------------------
// Time-driven state.

void VirtualDrive::advance(uint64_t now)
{
    if (job_ != Job::None && now >= jobEnd_)
        finishJob(jobEnd_);
    if (sanitizeRunning_ && now >= sanitizeEnd_)
        finishSanitize();
    if (sctWsRunning_ && now >= sctWsEnd_)
        finishSctWriteSame();
}

void VirtualDrive::finishSctWriteSame()
{
    sctWsRunning_ = false;
    sctStatus_ = 0;
    const uint32_t sector = d_.logicalSectorSize;
    // Every sector of the range is rewritten: pending sectors in it become readable.
    uint64_t stop = sctWsCount_;
    auto it = unreadable_.lower_bound(sctWsLba_);
    while (it != unreadable_.end() && it->first - sctWsLba_ < sctWsCount_) {
        if (it->second) {
            stop = it->first - sctWsLba_;
            sctStatus_ = 0x0008; // a sector could not be written
            break;
        }
        it = unreadable_.erase(it);
    }
    if (stop)
        storage_->fill(sctWsLba_ * sector, stop * sector, sctWsBlock_.data(), sector);
}

// A page written to the SCT command (E0h) or data transfer (E1h) log. Returns the ATA error.
uint8_t VirtualDrive::sctWrite(uint8_t log, const uint8_t* key, uint64_t now, uint16_t& countOut, uint64_t& lbaOut,
                               Reply& r)
{
    const uint32_t sector = d_.logicalSectorSize;
    auto startWriteSame = [&]() {
        sctWsRunning_ = true;
        sctWsStart_ = now;
        const double seconds = d_.throughputMBps > 0 ? double(sctWsCount_) * sector / (d_.throughputMBps * 1e6) : 0;
        sctWsEnd_ = now + uint64_t(seconds * 1e9);
        sctStatus_ = 0xFFFF; // in progress
        if (sctWsForeground_) {
            r.waitUntil = sctWsEnd_;
            r.afterWait = [](Reply&) {};
        }
    };
    if (log == 0xE1) { // the data block of a write same that waits for it
        if (!sctWsAwaitingData_)
            return ER_ABRT;
        sctWsAwaitingData_ = false;
        sctWsBlock_.assign(key, key + std::min<uint32_t>(sector, 512));
        sctWsBlock_.resize(sector);
        for (uint32_t i = 512; i < sector; ++i) // larger sectors repeat the 512-byte block
            sctWsBlock_[i] = sctWsBlock_[i % 512];
        startWriteSame();
        return 0;
    }
    const uint16_t action = uint16_t(key[0] | key[1] << 8), function = uint16_t(key[2] | key[3] << 8);
    if (sctWsRunning_ && !(action == 0x0003 && function == 0x0002))
        return ER_ABRT; // busy with a background write same
    sctAction_ = action;
    sctFunction_ = function;
    switch (action) {
    case 0x0002: { // write same
        if (!d_.writeSame)
            break;
        uint64_t lba = 0, count = 0;
        for (int i = 7; i >= 0; --i) {
            lba = lba << 8 | key[4 + i];
            count = count << 8 | key[12 + i];
        }
        if (count == 0 && lba <= maxLba_)
            count = maxLba_ - lba + 1;
        if (lba > maxLba_ || count == 0 || count - 1 > maxLba_ - lba) {
            sctStatus_ = 0x0014; // LBA out of range
            return ER_ABRT | ER_IDNF;
        }
        const uint16_t base = function & 0x00FF;
        if (base != 0x0001 && base != 0x0002)
            break;
        sctWsLba_ = lba;
        sctWsCount_ = count;
        sctWsForeground_ = function & 0x0100;
        if (base == 0x0001) {
            sctWsBlock_.resize(sector);
            for (uint32_t i = 0; i < sector; ++i)
                sctWsBlock_[i] = key[20 + i % 4];
            startWriteSame();
        } else {
            sctWsAwaitingData_ = true;
        }
        return 0;
    }
    case 0x0003: { // error recovery control, in 100 ms units
        const uint16_t selection = uint16_t(key[4] | key[5] << 8), value = uint16_t(key[6] | key[7] << 8);
        if (selection != 1 && selection != 2)
            break;
        uint16_t& timer = selection == 1 ? ercRead_ : ercWrite_;
        if (function == 0x0001) {
            timer = value;
            return 0;
        }
        if (function == 0x0002) {
            countOut = timer;
            lbaOut = timer >> 8;
            return 0;
        }
        break;
    }
    default:
        break;
    }
    sctStatus_ = 0x0005; // invalid or unsupported action or function
    return ER_ABRT;
}

void VirtualDrive::buildSctStatus(uint8_t* out, uint64_t now) const
{
    std::memset(out, 0, 512);
    put_Le16(out, 0x0003);
    put_Le16(out + 2, 0x0001);
    put_Le16(out + 4, 0x0001);
    out[10] = sctWsRunning_ ? 5 : job_ != Job::None ? 3 : standby_ ? 1 : 0;
    put_Le16(out + 14, sctStatus_);
    put_Le16(out + 16, sctAction_);
    put_Le16(out + 18, sctFunction_);
    if (sctWsRunning_) {
        const double fraction = double(now - sctWsStart_) / double(std::max<uint64_t>(1, sctWsEnd_ - sctWsStart_));
        put_Le64(out + 40, sctWsLba_ + uint64_t(double(sctWsCount_) * std::min(1.0, fraction)));
    } else if (sctAction_ == 0x0002) {
        put_Le64(out + 40, sctWsLba_ + sctWsCount_);
    }
    int8_t temperature = 35;
    for (const auto& a : d_.attributes)
        if (a.id == 194)
            temperature = int8_t(a.raw & 0xFF);
    out[200] = uint8_t(temperature);
    out[201] = uint8_t(temperature - 10);
    out[202] = uint8_t(temperature + 10);
    out[203] = 0;
    out[204] = 60;
    out[205] = 55;
}

uint64_t VirtualDrive::powerOnHours() const
{
    uint64_t base = 0;
    for (const auto& a : d_.attributes)
        if (a.id == 9)
            base = a.raw & 0xFFFFFFFF;
    return base + (get_Time_Source_Nanoseconds() - createdAt_) / (3600 * NS);
}

uint64_t VirtualDrive::firstUnreadable(uint64_t lba, uint64_t count) const
{
    auto it = unreadable_.lower_bound(lba);
    if (it != unreadable_.end() && it->first - lba < count)
        return it->first;
    return UINT64_MAX;
}

void VirtualDrive::logSelfTest(uint8_t type, uint8_t status, uint64_t lba)
{
    selfTestLog_.push_back({type, status, uint16_t(powerOnHours()), lba});
    if (selfTestLog_.size() > 19 * 4)
        selfTestLog_.erase(selfTestLog_.begin());
}

void VirtualDrive::finishJob(uint64_t at)
{
    (void)at;
    if (job_ == Job::SelfTest) {
        uint8_t status = 0;
        uint64_t lba = UINT64_MAX;
        switch (d_.selfTestOutcome) {
        case SelfTestOutcome::Auto:
            // The drive's own scan stops at the first sector it cannot read.
            lba = firstUnreadable(0, maxLba_ + 1);
            status = lba == UINT64_MAX ? 0 : 7;
            break;
        case SelfTestOutcome::Pass: break;
        case SelfTestOutcome::FatalError: status = 3; break;
        case SelfTestOutcome::UnknownFailure: status = 4; break;
        case SelfTestOutcome::ElectricalFailure: status = 5; break;
        case SelfTestOutcome::ServoFailure: status = 6; break;
        case SelfTestOutcome::HandlingDamage: status = 8; break;
        case SelfTestOutcome::ReadFailure:
            status = 7;
            lba = d_.failingLba != UINT64_MAX ? d_.failingLba : firstUnreadable(0, maxLba_ + 1);
            break;
        }
        if (status && status != 7 && d_.failingLba != UINT64_MAX)
            lba = d_.failingLba;
        lastSelfTestStatus_ = uint8_t(status << 4);
        logSelfTest(jobType_, lastSelfTestStatus_, lba);
    } else if (job_ == Job::Idd) {
        if (jobType_ == 0x71) {
            // Test pending and reallocation lists: pending sectors are reallocated (zeroed).
            std::vector<uint8_t> zeros(d_.logicalSectorSize, 0);
            for (auto it = unreadable_.begin(); it != unreadable_.end();) {
                if (!it->second) {
                    storage_->write(it->first * d_.logicalSectorSize, zeros.data(), zeros.size());
                    it = unreadable_.erase(it);
                } else {
                    ++it;
                }
            }
        }
        lastSelfTestStatus_ = 0;
    }
    job_ = Job::None;
}

void VirtualDrive::finishSanitize()
{
    sanitizeRunning_ = false;
    if (d_.sanitizeFails) {
        sanitizeFailed_ = true;
        return;
    }
    sanitizeCompleted_ = true;
    if (sanitizeKind_ == 2)
        storage_->setPattern(sanitizePattern_);
    else
        storage_->clear();
    // Overwrite and block erase rewrite every sector; a crypto erase writes nothing.
    if (sanitizeKind_ != 1)
        for (auto it = unreadable_.begin(); it != unreadable_.end();)
            it = it->second ? std::next(it) : unreadable_.erase(it);
}

bool VirtualDrive::startSanitize(int kind, uint32_t pattern, uint64_t now)
{
    const bool supported = (kind == 1 && d_.sanitizeCrypto) || (kind == 2 && d_.sanitizeOverwrite) ||
                           (kind == 3 && d_.sanitizeBlockErase);
    if (!supported || sanitizeRunning_)
        return false;
    if (job_ != Job::None) { // sanitize interrupts a self-test
        if (job_ == Job::SelfTest)
            logSelfTest(jobType_, 0x20, UINT64_MAX);
        lastSelfTestStatus_ = 0x20;
        job_ = Job::None;
    }
    sanitizeRunning_ = true;
    sanitizeCompleted_ = false;
    sanitizeFailed_ = false;
    sanitizeKind_ = kind;
    sanitizePattern_ = pattern;
    sanitizeStart_ = now;
    // A crypto erase only changes a key: it takes a second whatever the drive's size.
    sanitizeEnd_ = now + (kind == 1 ? NS : uint64_t(d_.sanitizeSeconds) * NS);
    return true;
}

uint8_t VirtualDrive::selfTestStatusByte(uint64_t now) const
{
    if (job_ == Job::None)
        return lastSelfTestStatus_;
    const double fraction = double(now - jobStart_) / double(std::max<uint64_t>(1, jobEnd_ - jobStart_));
    int remaining = int(std::ceil((1.0 - fraction) * 10.0));
    remaining = std::clamp(remaining, 1, 9);
    return uint8_t(0xF0 | remaining);
}

void VirtualDrive::accountTransfer(Reply& r, uint64_t bytes, uint64_t now)
{
    if (d_.throughputMBps <= 0 && busyUntil_ <= now)
        return;
    const uint64_t start = std::max(now, busyUntil_);
    const uint64_t duration = d_.throughputMBps > 0 ? uint64_t(double(bytes) / (d_.throughputMBps * 1e6) * 1e9) : 0;
    busyUntil_ = start + duration;
    r.waitUntil = busyUntil_;
}

void VirtualDrive::wakeUp(Reply& r, uint64_t now)
{
    if (!standby_)
        return;
    standby_ = false;
    busyUntil_ = std::max(now, busyUntil_) + uint64_t(d_.spinUpSeconds * 1e9);
    r.waitUntil = busyUntil_;
}

const Fault* VirtualDrive::injectFault(bool ata, uint8_t opcode, int feature)
{
    for (size_t i = 0; i < d_.faults.size(); ++i) {
        const Fault& f = d_.faults[i];
        if (f.isAta != ata || f.opcode != opcode || (f.feature >= 0 && f.feature != feature))
            continue;
        const uint32_t hit = faultHits_[i]++;
        if (hit < f.skip || (f.count >= 0 && int64_t(hit - f.skip) >= f.count))
            continue;
        return &f;
    }
    return nullptr;
}

namespace {

// The faults that are not a sense: a good status without the data, or no answer at all.
bool answer_Fault(const Fault& f, const ScsiCommand& c, VirtualDrive::Reply& r, uint64_t now)
{
    if (f.noData) {
        r.status = 0;
        r.sense.clear();
        r.residual = c.dataLength;
        return true;
    }
    if (f.hang) {
        r.waitUntil = now + (uint64_t(std::max<uint32_t>(1, c.timeoutSeconds)) + 1) * NS;
        return true;
    }
    return false;
}

} // namespace

// ------------------------------------------------------------------------------------------
// SCSI commands.

void VirtualDrive::scsiCommand(ScsiCommand& c, Reply& r, uint64_t now)
{
    const uint8_t* cdb = c.cdb;
    const uint8_t op = cdb[0];
    auto needLength = [&](uint8_t len) {
        if (c.cdbLength < len) {
            r.invalidField();
            return false;
        }
        return true;
    };

    if (!d_.sixteenByteCommands && c.cdbLength >= 16 && (op & 0xE0) == 0x80) {
        r.invalidOpcode(); // group 4: the 16-byte commands
        return;
    }
    if (!d_.faults.empty())
        if (const Fault* f = injectFault(false, op, -1)) {
            if (!answer_Fault(*f, c, r, now))
                r.fixed(f->senseKey, f->asc, f->ascq);
            return;
        }

    if (op == 0x85 || op == 0xA1) {
        if (!d_.ataPassThrough) {
            r.invalidOpcode();
            return;
        }
        if (!needLength(op == 0x85 ? 16 : 12))
            return;
        ataPassThrough(c, r, now);
        return;
    }

    // A SAT layer turns media commands into ATA commands, which break the
    // READ NATIVE MAX ADDRESS / SET MAX ADDRESS pair; the ones it answers itself do not.
    if (op != 0x12 && op != 0x00 && op != 0x03 && op != 0xA0)
        lastWasReadNativeMax_ = false;

    // Commands a drive answers whatever its state.
    switch (op) {
    case 0x12:
        inquiry(c, r);
        return;
    case 0x03: { // REQUEST SENSE
        const bool desc = cdb[1] & 1;
        Reply s;
        if (sanitizeRunning_) {
            const uint32_t progress = uint32_t(std::min<double>(
                65535.0, double(now - sanitizeStart_) / double(sanitizeEnd_ - sanitizeStart_) * 65536.0));
            s.fixed(NOT_READY, 0x04, 0x1B, false, 0, int(progress));
            if (desc) { // sense-key specific descriptor carries the progress
                s.descriptor(NOT_READY, 0x04, 0x1B);
                uint8_t d[8] = {0x02, 0x06, 0, 0, 0x80};
                put_Be16(d + 5, progress);
                s.sense.insert(s.sense.end(), d, d + 8);
                s.sense[7] = uint8_t(s.sense.size() - 8);
            }
        } else if (sanitizeFailed_) { // SANITIZE COMMAND FAILED
            if (desc)
                s.descriptor(MEDIUM_ERROR, 0x31, 0x03);
            else
                s.fixed(MEDIUM_ERROR, 0x31, 0x03);
        } else if (desc) {
            s.descriptor(NO_SENSE, 0, 0);
        } else {
            s.fixed(NO_SENSE, 0, 0);
        }
        const size_t n = std::min<size_t>({s.sense.size(), cdb[4], c.dataLength});
        if (c.direction == DataDirection::In && n)
            std::memcpy(c.data, s.sense.data(), n);
        r.residual = c.dataLength - uint32_t(n);
        return;
    }
    case 0xA0: { // REPORT LUNS: only LUN 0
        uint8_t buf[16] = {0, 0, 0, 8};
        const size_t n = std::min<size_t>(16, c.dataLength);
        if (c.direction == DataDirection::In)
            std::memcpy(c.data, buf, n);
        r.residual = c.dataLength - uint32_t(n);
        return;
    }
    default:
        break;
    }

    if (d_.noMedium) { // an empty optical drive, card reader or tape drive
        static const uint8_t mediumCommands[] = {0x00, 0x25, 0x9E, 0x28, 0x88, 0x2A, 0x8A, 0x2F, 0x8F, 0x35, 0x91,
                                                 0x41, 0x93, 0x48, 0x1B};
        if (std::find(std::begin(mediumCommands), std::end(mediumCommands), op) != std::end(mediumCommands))
            r.fixed(NOT_READY, 0x3A, 0x00); // MEDIUM NOT PRESENT
        else
            r.invalidOpcode();
        return;
    }
    if (d_.notADisk) {
        r.invalidOpcode();
        return;
    }
    if (sanitizeRunning_) {
        const uint32_t progress = uint32_t(std::min<double>(
            65535.0, double(now - sanitizeStart_) / double(sanitizeEnd_ - sanitizeStart_) * 65536.0));
        r.fixed(NOT_READY, 0x04, 0x1B, false, 0, int(progress));
        return;
    }

    switch (op) {
    case 0x00: // TEST UNIT READY
        return;
    case 0x1B: { // START STOP UNIT
        const uint8_t power = cdb[4] >> 4;
        const bool start = cdb[4] & 1;
        if (power == 0)
            standby_ = !start;
        else if (power == 1) // ACTIVE
            wakeUp(r, now);
        else if (power == 3) // STANDBY
            standby_ = true;
        return;
    }
    case 0x25: { // READ CAPACITY(10)
        uint8_t buf[8];
        put_Be32(buf, uint32_t(std::min<uint64_t>(maxLba_, 0xFFFFFFFFull)));
        put_Be32(buf + 4, d_.logicalSectorSize);
        const size_t n = std::min<size_t>(8, c.dataLength);
        if (c.direction == DataDirection::In)
            std::memcpy(c.data, buf, n);
        r.residual = c.dataLength - uint32_t(n);
        return;
    }
    case 0x9E: { // SERVICE ACTION IN(16)
        if (!needLength(16))
            return;
        if ((cdb[1] & 0x1F) != 0x10) {
            r.invalidField();
            return;
        }
        uint8_t buf[32] = {};
        put_Be64(buf, maxLba_);
        put_Be32(buf + 8, d_.logicalSectorSize);
        uint8_t exponent = 0;
        while ((d_.logicalSectorSize << exponent) < d_.physicalSectorSize)
            ++exponent;
        buf[13] = exponent;
        if (d_.supported & F_TRIM)
            buf[14] = 0x80; // TPE
        const size_t n = std::min<size_t>({32, get_Be32(cdb + 10), c.dataLength});
        if (c.direction == DataDirection::In)
            std::memcpy(c.data, buf, n);
        r.residual = c.dataLength - uint32_t(n);
        return;
    }
    case 0x28: case 0x88: case 0x2F: case 0x8F:
    case 0x2A: case 0x8A: {
        const bool sixteen = op >= 0x80;
        if (!needLength(sixteen ? 16 : 10))
            return;
        const uint64_t lba = sixteen ? get_Be64(cdb + 2) : get_Be32(cdb + 2);
        const uint32_t count = sixteen ? get_Be32(cdb + 10) : get_Be16(cdb + 7);
        if (op == 0x2F || op == 0x8F) { // VERIFY without data compare: a read into nowhere
            if (cdb[1] & 0x06) {
                r.invalidField();
                return;
            }
            readBlocks(c, r, lba, count, now, true);
        } else if (op == 0x2A || op == 0x8A) {
            writeBlocks(c, r, lba, count, now);
        } else {
            readBlocks(c, r, lba, count, now, false);
        }
        return;
    }
    case 0x35: case 0x91: // SYNCHRONIZE CACHE
        return;
    case 0x41: case 0x93: { // WRITE SAME(10) / (16)
        if (!d_.writeSame) {
            r.invalidOpcode();
            return;
        }
        const bool sixteen = op == 0x93;
        if (!needLength(sixteen ? 16 : 10))
            return;
        if (cdb[1] & 0x01) { // NDOB would need no data buffer; keep the classic form only
            r.invalidField();
            return;
        }
        const uint64_t lba = sixteen ? get_Be64(cdb + 2) : get_Be32(cdb + 2);
        const uint64_t count = sixteen ? get_Be32(cdb + 10) : get_Be16(cdb + 7);
        writeSame(c, r, lba, count, now);
        return;
    }
    case 0x48: { // SANITIZE
        if (!needLength(10))
            return;
        const uint8_t action = cdb[1] & 0x1F;
        const bool immediate = cdb[1] & 0x80;
        const uint16_t paramLength = get_Be16(cdb + 7);
        int kind = 0;
        uint32_t pattern = 0;
        if (action == 0x01) {
            kind = 2;
            if (paramLength < 5 || c.direction != DataDirection::Out || c.dataLength < paramLength) {
                r.fixed(ILLEGAL_REQUEST, 0x1A, 0x00); // PARAMETER LIST LENGTH ERROR
                return;
            }
            const uint16_t patternLength = get_Be16(c.data + 2);
            if (patternLength == 0 || patternLength > d_.logicalSectorSize || 4u + patternLength > paramLength) {
                r.fixed(ILLEGAL_REQUEST, 0x26, 0x00); // INVALID FIELD IN PARAMETER LIST
                return;
            }
            for (uint16_t i = 0; i < 4; ++i)
                pattern |= uint32_t(c.data[4 + (i % patternLength)]) << (8 * i);
        } else if (action == 0x02) {
            kind = 3;
        } else if (action == 0x03) {
            kind = 1;
        } else if (action == 0x1F) { // EXIT FAILURE MODE: nothing ever fails here
            return;
        } else {
            r.invalidField();
            return;
        }
        if (!(d_.sanitizeOverwrite || d_.sanitizeCrypto || d_.sanitizeBlockErase)) {
            r.invalidOpcode();
            return;
        }
        if (!startSanitize(kind, pattern, now)) {
            r.invalidField();
            return;
        }
        if (!immediate) {
            r.waitUntil = sanitizeEnd_;
            r.afterWait = [](Reply&) {};
        }
        return;
    }
    case 0xA2: case 0xB5: { // SECURITY PROTOCOL IN / OUT
        if (!needLength(12))
            return;
        if (!d_.tcg) {
            r.invalidOpcode();
            return;
        }
        uint32_t length = get_Be32(cdb + 6);
        if (cdb[4] & 0x80) // INC_512
            length *= 512;
        securityCommand(c, r, op == 0xB5, cdb[1], get_Be16(cdb + 2), length);
        return;
    }
    default:
        r.invalidOpcode();
        return;
    }
}

void VirtualDrive::readBlocks(ScsiCommand& c, Reply& r, uint64_t lba, uint32_t count, uint64_t now, bool verify)
{
    const uint32_t sector = d_.logicalSectorSize;
    if (lba > maxLba_ || (count && count - 1 > maxLba_ - lba)) {
        r.fixed(ILLEGAL_REQUEST, 0x21, 0x00); // LOGICAL BLOCK ADDRESS OUT OF RANGE
        return;
    }
    if (!verify && (c.direction != DataDirection::In || uint64_t(count) * sector > c.dataLength)) {
        r.invalidField();
        return;
    }
    if (count == 0)
        return;
    wakeUp(r, now);
    const uint64_t bad = unreadable_.empty() ? UINT64_MAX : firstUnreadable(lba, count);
    const uint64_t good = bad == UINT64_MAX ? count : bad - lba;
    if (!verify && good && !storage_->read(lba * sector, c.data, size_t(good) * sector)) {
        r.fixed(MEDIUM_ERROR, 0x11, 0x00, true, lba);
        return;
    }
    accountTransfer(r, good * sector, now);
    if (!verify)
        r.residual = c.dataLength - uint32_t(good * sector);
    if (bad != UINT64_MAX)
        r.fixed(MEDIUM_ERROR, 0x11, 0x00, true, bad); // UNRECOVERED READ ERROR
}

void VirtualDrive::writeBlocks(ScsiCommand& c, Reply& r, uint64_t lba, uint32_t count, uint64_t now)
{
    const uint32_t sector = d_.logicalSectorSize;
    // A write beyond the current max LBA is refused, never dropped.
    if (lba > maxLba_ || (count && count - 1 > maxLba_ - lba)) {
        r.fixed(ILLEGAL_REQUEST, 0x21, 0x00);
        return;
    }
    if (c.direction != DataDirection::Out || uint64_t(count) * sector > c.dataLength) {
        if (count) {
            r.invalidField();
            return;
        }
    }
    if (count == 0)
        return;
    wakeUp(r, now);
    // Permanently bad sectors refuse the write; the others are good again once rewritten.
    uint64_t stop = count;
    if (!unreadable_.empty()) {
        auto it = unreadable_.lower_bound(lba);
        while (it != unreadable_.end() && it->first - lba < count) {
            if (it->second) {
                stop = it->first - lba;
                break;
            }
            it = unreadable_.erase(it);
        }
    }
    if (stop && !storage_->write(lba * sector, c.data, size_t(stop) * sector)) {
        r.fixed(MEDIUM_ERROR, 0x0C, 0x00, true, lba);
        return;
    }
    accountTransfer(r, stop * sector, now);
    r.residual = c.dataLength - uint32_t(stop * sector);
    if (stop != count)
        r.fixed(MEDIUM_ERROR, 0x0C, 0x00, true, lba + stop); // WRITE ERROR
}

void VirtualDrive::writeSame(ScsiCommand& c, Reply& r, uint64_t lba, uint64_t count, uint64_t now)
{
    const uint32_t sector = d_.logicalSectorSize;
    if (count == 0) // zero means "to the end of the medium"
        count = lba <= maxLba_ ? maxLba_ - lba + 1 : 0;
    if (lba > maxLba_ || count == 0 || count - 1 > maxLba_ - lba) {
        r.fixed(ILLEGAL_REQUEST, 0x21, 0x00);
        return;
    }
    if (c.direction != DataDirection::Out || c.dataLength < sector) {
        r.invalidField();
        return;
    }
    wakeUp(r, now);
    uint64_t stop = count;
    auto it = unreadable_.lower_bound(lba);
    while (it != unreadable_.end() && it->first - lba < count) {
        if (it->second) {
            stop = it->first - lba;
            break;
        }
        it = unreadable_.erase(it);
    }
    if (stop && !storage_->fill(lba * sector, stop * sector, c.data, sector)) {
        r.fixed(MEDIUM_ERROR, 0x0C, 0x00, true, lba);
        return;
    }
    accountTransfer(r, stop * sector, now);
    if (stop != count)
        r.fixed(MEDIUM_ERROR, 0x0C, 0x00, true, lba + stop);
}

// ------------------------------------------------------------------------------------------
// INQUIRY and its VPD pages.

void VirtualDrive::inquiry(ScsiCommand& c, Reply& r)
{
    const uint8_t* cdb = c.cdb;
    const bool evpd = cdb[1] & 1;
    const uint8_t page = cdb[2];
    const uint16_t allocation = get_Be16(cdb + 3);
    std::vector<uint8_t> buf;
    const bool sat = d_.ataPassThrough;

    if (!evpd) {
        if (page) {
            r.invalidField();
            return;
        }
        buf.assign(96, 0);
        buf[0] = d_.peripheralType;
        buf[1] = d_.interfaceType == OSKN_INTERFACE_USB && !sat ? 0x80 : 0; // removable stick
        buf[2] = 0x06;
        buf[3] = 0x02;
        buf[4] = 91;
        std::string vendor = "ATA";
        if (!sat) {
            vendor = d_.maker.substr(0, 8);
        }
        put_Padded(&buf[8], vendor, 8);
        put_Padded(&buf[16], d_.model, 16);
        // As SAT layers do: the last four characters of the firmware revision.
        std::string rev = d_.firmware;
        if (rev.size() > 4)
            rev = rev.substr(4);
        put_Padded(&buf[32], rev, 4);
    } else {
        std::vector<uint8_t> pages = {0x00, 0x80, 0x83};
        if (sat)
            pages.push_back(0x89);
        if (!d_.notADisk) {
            pages.push_back(0xB0);
            pages.push_back(0xB1);
        }
        if (std::find(pages.begin(), pages.end(), page) == pages.end()) {
            r.invalidField();
            return;
        }
        buf.assign(4, 0);
        buf[0] = d_.peripheralType;
        buf[1] = page;
        switch (page) {
        case 0x00:
            buf.insert(buf.end(), pages.begin(), pages.end());
            break;
        case 0x80:
            buf.insert(buf.end(), d_.serial.begin(), d_.serial.end());
            break;
        case 0x83: {
            // NAA designator from the world wide name, and a T10 vendor designator.
            const uint64_t wwn = 0x5000000000000000ull | (0x0C0FFEull << 36) |
                                 (fnv1a(d_.serial + d_.model) & 0xFFFFFFFFFull);
            uint8_t naa[12] = {0x01, 0x03, 0x00, 0x08};
            put_Be64(naa + 4, wwn);
            if (sat)
                buf.insert(buf.end(), naa, naa + 12);
            std::string t10 = (sat ? std::string("ATA     ") : (d_.maker + "        ").substr(0, 8)) +
                              d_.model + " " + d_.serial;
            const uint8_t head[4] = {0x02, 0x01, 0x00, uint8_t(t10.size())};
            buf.insert(buf.end(), head, head + 4);
            buf.insert(buf.end(), t10.begin(), t10.end());
            break;
        }
        case 0x89: {
            buf.resize(572, 0);
            put_Padded(&buf[8], "KESTROVA", 8);
            put_Padded(&buf[16], "VIRTUAL SAT", 16);
            put_Padded(&buf[32], "1.0", 4);
            // Device signature of a SATA disk: a register device-to-host FIS.
            buf[36] = 0x34;
            buf[38] = 0x50;
            buf[39] = 0x01;
            buf[40] = 0x01;
            buf[48] = 0x01;
            buf[56] = 0xEC;
            buildIdentify(&buf[60]);
            break;
        }
        case 0xB0: {
            buf.resize(64, 0);
            put_Be32(&buf[8], 0xFFFF);     // maximum transfer length
            put_Be32(&buf[12], d_.physicalSectorSize / d_.logicalSectorSize); // optimal granularity
            if (d_.writeSame)
                put_Be64(&buf[36], 0xFFFFFFFF); // maximum write same length
            break;
        }
        case 0xB1: {
            buf.resize(64, 0);
            put_Be16(&buf[4], d_.rpm);
            buf[7] = 0x02; // 3.5 inch
            break;
        }
        }
        put_Be16(&buf[2], uint32_t(buf.size() - 4));
    }
    const size_t n = std::min<size_t>({buf.size(), allocation, c.dataLength});
    if (c.direction != DataDirection::In && n) {
        r.invalidField();
        return;
    }
    if (n)
        std::memcpy(c.data, buf.data(), n);
    r.residual = c.dataLength - uint32_t(n);
}

// ------------------------------------------------------------------------------------------
// IDENTIFY DEVICE data, built from the description and the drive's current state.

void VirtualDrive::buildIdentify(uint8_t* out) const
{
    uint16_t w[256] = {};
    const uint32_t sup = d_.supported, en = d_.enabled;
    const uint64_t sectors = maxLba_ + 1;
    auto bit = [](bool on, int b) { return uint16_t(on ? 1u << b : 0); };

    w[0] = 0x0040;
    w[1] = 16383;
    w[2] = 0xC837;
    w[3] = 16;
    w[6] = 63;
    put_Ata_String(&w[10], d_.serial, 20);
    put_Ata_String(&w[23], d_.firmware, 8);
    put_Ata_String(&w[27], d_.model, 40);
    // Word 21 is in kilobytes here; caches of 64 MB and more report only in the data log.
    if (d_.cacheSizeMB && d_.cacheSizeMB * 1024u <= 0xFFFF)
        w[21] = uint16_t(d_.cacheSizeMB * 1024u);
    w[47] = 0x8010;
    w[48] = uint16_t(0x4000 | bit(d_.tcg, 0));
    w[49] = 0x2F00;
    w[50] = 0x4000;
    w[53] = 0x0007;
    w[59] = uint16_t(0x0110 | bit(d_.sanitizeOverwrite || d_.sanitizeCrypto || d_.sanitizeBlockErase, 12) |
                     bit(d_.sanitizeCrypto, 13) | bit(d_.sanitizeOverwrite, 14) | bit(d_.sanitizeBlockErase, 15));
    const uint32_t lba28 = uint32_t(std::min<uint64_t>(sectors, 0x0FFFFFFF));
    w[60] = uint16_t(lba28);
    w[61] = uint16_t(lba28 >> 16);
    w[63] = 0x0407;
    w[64] = 0x0003;
    w[65] = w[66] = w[67] = w[68] = 120;
    w[69] = 0x0008; // words 230-233 hold the capacity
    w[75] = (sup & F_NCQ) ? 31 : 0;
    w[76] = uint16_t(0x000E | bit(sup & F_NCQ, 8));
    w[78] = 0x0040;
    w[79] = 0x0040;
    w[80] = 0x07F0;
    w[82] = uint16_t(bit(sup & F_SMART, 0) | bit(sup & F_SECURITY, 1) | bit(sup & F_POWER_MANAGEMENT, 3) |
                     bit(sup & F_WRITE_CACHE, 5) | bit(sup & F_READ_LOOK_AHEAD, 6) | bit(sup & F_HPA, 10) |
                     0x4000);
    w[83] = uint16_t(0x4000 | bit(sup & F_DOWNLOAD_MICROCODE, 0) | bit(sup & F_APM, 3) |
                     bit(sup & F_PUIS, 5) | bit(sup & F_48BIT, 10) | 0x3000);
    w[84] = uint16_t(0x4000 | bit(sup & F_SMART_ERROR_LOG, 0) | bit(sup & F_SMART_SELF_TEST, 1) |
                     bit(sup & F_GPL, 5) | 0x0100);
    w[85] = uint16_t(bit(smartEnabled_, 0) | bit(en & F_SECURITY, 1) | bit(en & F_POWER_MANAGEMENT, 3) |
                     bit(en & F_WRITE_CACHE, 5) | bit(en & F_READ_LOOK_AHEAD, 6) | bit(en & F_HPA, 10) |
                     0x4000);
    w[86] = uint16_t(0x8000 | bit(en & F_DOWNLOAD_MICROCODE, 0) | bit(en & F_APM, 3) | bit(en & F_PUIS, 5) |
                     bit(en & F_48BIT, 10) | 0x3000);
    w[87] = uint16_t(0x4000 | bit(en & F_SMART_ERROR_LOG, 0) | bit(en & F_SMART_SELF_TEST, 1) |
                     bit(en & F_GPL, 5) | 0x0100);
    w[88] = 0x407F;
    if (sup & F_APM)
        w[91] = 0x0080;
    w[100] = uint16_t(sectors);
    w[101] = uint16_t(sectors >> 16);
    w[102] = uint16_t(sectors >> 32);
    w[103] = uint16_t(sectors >> 48);
    uint16_t exponent = 0;
    while ((d_.logicalSectorSize << exponent) < d_.physicalSectorSize)
        ++exponent;
    w[106] = uint16_t(0x4000 | bit(exponent > 0, 13) | bit(d_.logicalSectorSize > 512, 12) | exponent);
    const uint64_t wwn = 0x5000000000000000ull | (0x0C0FFEull << 36) | (fnv1a(d_.serial + d_.model) & 0xFFFFFFFFFull);
    for (int i = 0; i < 4; ++i)
        w[108 + i] = uint16_t(wwn >> (48 - 16 * i));
    if (d_.logicalSectorSize > 512) {
        const uint32_t words = d_.logicalSectorSize / 2;
        w[117] = uint16_t(words);
        w[118] = uint16_t(words >> 16);
    }
    w[119] = uint16_t(0x4000 | bit(sup & F_SEGMENTED_DOWNLOAD, 4) | bit(sup & F_AMAC, 8));
    w[120] = uint16_t(0x4000 | bit(en & F_SEGMENTED_DOWNLOAD, 4));
    if (sup & F_SECURITY)
        w[128] = uint16_t(0x0001 | bit(en & F_SECURITY, 1) | bit(d_.securityLocked, 2) |
                          bit(d_.securityFrozen, 3) | 0x0020);
    w[168] = 0x0002;
    w[169] = bit(sup & F_TRIM, 0);
    w[206] = uint16_t(bit(sup & F_SCT, 0) | bit((sup & F_SCT) && d_.writeSame, 2) | bit(sup & F_SCT, 3) |
                      bit(sup & F_SCT, 5));
    w[217] = d_.rpm;
    w[222] = 0x10FF;
    for (int i = 0; i < 4; ++i)
        w[230 + i] = uint16_t(sectors >> (16 * i));
    w[255] = 0x00A5;
    for (int i = 0; i < 256; ++i)
        put_Le16(out + 2 * i, w[i]);
    put_Checksum(out);
}

// ------------------------------------------------------------------------------------------
// SMART data, thresholds and logs.

void VirtualDrive::buildSmartData(uint8_t* out, uint64_t now) const
{
    std::memset(out, 0, 512);
    put_Le16(out, 0x0010);
    for (size_t i = 0; i < d_.attributes.size() && i < 30; ++i) {
        const SmartAttribute& a = d_.attributes[i];
        uint8_t* e = out + 2 + 12 * i;
        e[0] = a.id;
        put_Le16(e + 1, a.flags);
        e[3] = a.current;
        e[4] = a.worst;
        uint64_t raw = a.raw;
        if (a.id == 9)
            raw = std::max<uint64_t>(raw, powerOnHours());
        put_Le48(e + 5, raw);
    }
    out[362] = 0x82; // off-line data collection completed
    out[363] = selfTestStatusByte(now);
    put_Le16(out + 364, 600);
    out[367] = 0x5B; // execute off-line immediate, abort/restart, off-line scan, self-tests, selective
    put_Le16(out + 368, 0x0003);
    out[370] = (d_.supported & F_SMART_ERROR_LOG) ? 1 : 0;
    out[372] = uint8_t(std::min<uint32_t>(255, (d_.shortSelfTestSeconds + 59) / 60));
    const uint32_t extendedMinutes = (d_.extendedSelfTestSeconds + 59) / 60;
    out[373] = uint8_t(std::min<uint32_t>(255, extendedMinutes));
    put_Le16(out + 375, extendedMinutes);
    // Vendor-specific area: in-drive diagnostics offered and their approximate times.
    out[386] = uint8_t((d_.idd70 ? 1 : 0) | (d_.idd71 ? 2 : 0));
    put_Le16(out + 387, d_.idd70 ? d_.idd70Seconds : 0);
    put_Le16(out + 389, d_.idd71 ? d_.idd71Seconds : 0);
    put_Checksum(out);
}

void VirtualDrive::buildSmartThresholds(uint8_t* out) const
{
    std::memset(out, 0, 512);
    put_Le16(out, 0x0010);
    for (size_t i = 0; i < d_.attributes.size() && i < 30; ++i) {
        out[2 + 12 * i] = d_.attributes[i].id;
        out[3 + 12 * i] = d_.attributes[i].threshold;
    }
    put_Checksum(out);
}

// Fills one 512-byte page of a log. gpl: read through READ LOG EXT (else SMART READ LOG).
bool VirtualDrive::buildLogPage(uint8_t log, uint16_t page, bool gpl, uint8_t* out)
{
    std::memset(out, 0, 512);
    const bool smartLogs = d_.supported & F_SMART;
    auto pagesOf = [&](uint8_t l) -> uint16_t {
        switch (l) {
        case 0x01: return (!gpl && smartLogs && (d_.supported & F_SMART_ERROR_LOG)) ? 1 : 0;
        case 0x03: return (gpl && (d_.supported & F_SMART_ERROR_LOG)) ? 1 : 0;
        case 0x06: return (!gpl && smartLogs && (d_.supported & F_SMART_SELF_TEST)) ? 1 : 0;
        case 0x07: return (gpl && (d_.supported & F_SMART_SELF_TEST)) ? 4 : 0;
        case 0x30: return d_.identifyDataLog ? 4 : 0;
        case 0xE0: case 0xE1: return (d_.supported & F_SCT) ? 1 : 0;
        default:
            if (l >= 0x80 && l <= 0x9F)
                return 16; // host-specific logs
            return 0;
        }
    };
    if (log != 0 && page >= pagesOf(log))
        return false;

    switch (log) {
    case 0x00: // log directory
        if (page)
            return false;
        put_Le16(out, 0x0001);
        for (int l = 1; l < 256; ++l)
            put_Le16(out + 2 * l, pagesOf(uint8_t(l)));
        return true;
    case 0x01: // summary SMART error log: no errors
        out[0] = 0x01;
        put_Checksum(out);
        return true;
    case 0x03: // extended comprehensive error log: no errors
        out[0] = 0x01;
        put_Checksum(out);
        return true;
    case 0x06: { // SMART self-test log: the 21 most recent, circular
        put_Le16(out, 0x0001);
        const size_t n = std::min<size_t>(21, selfTestLog_.size());
        for (size_t i = 0; i < n; ++i) {
            const SelfTestEntry& e = selfTestLog_[selfTestLog_.size() - n + i];
            uint8_t* p = out + 2 + 24 * i;
            p[0] = e.type;
            p[1] = e.status;
            put_Le16(p + 2, e.hours);
            put_Le32(p + 5, e.lba == UINT64_MAX ? 0xFFFFFFFF : uint32_t(std::min<uint64_t>(e.lba, 0x0FFFFFFF)));
        }
        out[508] = uint8_t(n);
        put_Checksum(out);
        return true;
    }
    case 0x07: { // extended self-test log: 19 descriptors a page, newest at the index
        out[0] = 0x01;
        const size_t n = selfTestLog_.size();
        if (page == 0)
            put_Le16(out + 2, uint32_t(n));
        for (size_t slot = 0; slot < 19; ++slot) {
            const size_t index = page * 19 + slot; // 0-based descriptor number
            if (index >= n)
                break;
            const SelfTestEntry& e = selfTestLog_[index];
            uint8_t* p = out + 4 + 26 * slot;
            p[0] = e.type;
            p[1] = e.status;
            put_Le16(p + 2, e.hours);
            put_Le48(p + 5, e.lba == UINT64_MAX ? 0xFFFFFFFFFFFFull : e.lba);
        }
        put_Checksum(out);
        return true;
    }
    case 0x30: { // IDENTIFY DEVICE data log
        auto header = [&](uint8_t number) {
            put_Le64(out, 0x8000000000000000ull | uint64_t(number) << 16 | 0x0001);
        };
        switch (page) {
        case 0:
            put_Le16(out, 0x0001);
            out[8] = 4;
            out[9] = 0x00;
            out[10] = 0x01;
            out[11] = 0x02;
            out[12] = 0x03;
            return true;
        case 1:
            buildIdentify(out);
            return true;
        case 2: {
            header(2);
            put_Le64(out + 8, 0x8000000000000000ull | (maxLba_ + 1));
            uint8_t exponent = 0;
            while ((d_.logicalSectorSize << exponent) < d_.physicalSectorSize)
                ++exponent;
            put_Le64(out + 16, 0x8000000000000000ull | (uint64_t(exponent > 0) << 61) | exponent);
            put_Le64(out + 24, 0x8000000000000000ull | d_.logicalSectorSize);
            put_Le64(out + 32, d_.cacheSizeMB ? (0x8000000000000000ull | (uint64_t(d_.cacheSizeMB) << 20)) : 0);
            return true;
        }
        case 3: {
            header(3);
            put_Le64(out + 8, 0x8000000000000000ull);
            uint64_t dm = 0;
            if (d_.supported & F_DOWNLOAD_MICROCODE)
                dm = 0x8000000000000000ull | (uint64_t((d_.supported & F_DEFERRED_DOWNLOAD) != 0) << 34) |
                     (uint64_t((d_.supported & F_SEGMENTED_DOWNLOAD) != 0) << 33);
            put_Le64(out + 16, dm);
            return true;
        }
        default:
            header(uint8_t(page)); // defined but empty
            return true;
        }
    }
    case 0xE0: // SCT status
        buildSctStatus(out, get_Time_Source_Nanoseconds());
        return true;
    case 0xE1: // SCT data transfer: no data table to give
        return false;
    default:
        if (log >= 0x80 && log <= 0x9F) {
            auto it = hostLogs_.find(log);
            if (it != hostLogs_.end() && it->second.size() >= (page + 1u) * 512u)
                std::memcpy(out, it->second.data() + page * 512, 512);
            return true;
        }
        return false;
    }
}

// ------------------------------------------------------------------------------------------
// Security protocols (TRUSTED SEND/RECEIVE and SECURITY PROTOCOL IN/OUT share this).

void VirtualDrive::securityCommand(ScsiCommand& c, Reply& r, bool out, uint8_t protocol, uint16_t spSpecific,
                                   uint32_t length)
{
    if (length > c.dataLength || (length && c.direction != (out ? DataDirection::Out : DataDirection::In))) {
        r.invalidField();
        return;
    }
    if (out) {
        if (protocol != 0x01 || !tcg_->send(spSpecific, c.data, length)) {
            r.invalidField();
            return;
        }
        if (tcg_->takeRevertRequest()) {
            // The PSID revert returns the drive to factory state: its media key is gone.
            storage_->clear();
            for (auto it = unreadable_.begin(); it != unreadable_.end();)
                it = it->second ? std::next(it) : unreadable_.erase(it);
        }
        return;
    }
    std::vector<uint8_t> buf;
    if (protocol == 0x00 && spSpecific == 0x0000) { // supported security protocols
        buf = {0, 0, 0, 0, 0, 0, 0, 3, 0x00, 0x01, 0x02};
    } else if (protocol == 0x00 && spSpecific == 0x0001) { // no certificate
        buf = {0, 0, 0, 0};
    } else if (protocol == 0x01 && spSpecific == 0x0001) { // level 0 discovery
        buf.assign(48, 0);
        put_Be32(&buf[4], 0x00000001);
        const uint8_t tper[16] = {0x00, 0x01, 0x10, 0x0C, 0x11};
        const uint8_t locking[16] = {0x00, 0x02, 0x10, 0x0C, 0x09};
        uint8_t opal[20] = {0x02, 0x03, 0x10, 0x10};
        put_Be16(opal + 4, TcgDevice::kBaseComId);
        put_Be16(opal + 6, 1);
        put_Be16(opal + 9, 4);
        put_Be16(opal + 11, 8);
        buf.insert(buf.end(), tper, tper + 16);
        buf.insert(buf.end(), locking, locking + 16);
        buf.insert(buf.end(), opal, opal + 20);
        put_Be32(&buf[0], uint32_t(buf.size() - 4));
    } else if (protocol == 0x01) {
        buf.assign(length, 0);
        if (!tcg_->receive(spSpecific, buf.data(), buf.size())) {
            r.invalidField();
            return;
        }
    } else if (protocol == 0x02) { // ComID management: nothing to report
        buf.assign(std::min<uint32_t>(length, 512), 0);
    } else {
        r.invalidField();
        return;
    }
    const size_t n = std::min<size_t>(buf.size(), length);
    if (n)
        std::memcpy(c.data, buf.data(), n);
    if (length > n)
        std::memset(c.data + n, 0, length - n);
    r.residual = c.dataLength - length;
}

// ------------------------------------------------------------------------------------------
// ATA commands inside ATA PASS-THROUGH.

void VirtualDrive::ataPassThrough(ScsiCommand& c, Reply& r, uint64_t now)
{
    const uint8_t* cdb = c.cdb;
    AtaTaskFile tf;
    if (cdb[0] == 0x85) {
        tf.extend = cdb[1] & 1;
        tf.feature = uint16_t((tf.extend ? cdb[3] << 8 : 0) | cdb[4]);
        tf.count = uint16_t((tf.extend ? cdb[5] << 8 : 0) | cdb[6]);
        tf.lba = uint64_t(cdb[8]) | uint64_t(cdb[10]) << 8 | uint64_t(cdb[12]) << 16;
        if (tf.extend)
            tf.lba |= uint64_t(cdb[7]) << 24 | uint64_t(cdb[9]) << 32 | uint64_t(cdb[11]) << 40;
        tf.device = cdb[13];
        tf.command = cdb[14];
    } else {
        tf.feature = cdb[3];
        tf.count = cdb[4];
        tf.lba = uint64_t(cdb[5]) | uint64_t(cdb[6]) << 8 | uint64_t(cdb[7]) << 16;
        tf.device = cdb[8];
        tf.command = cdb[9];
    }
    tf.protocol = (cdb[1] >> 1) & 0x0F;
    tf.ckCond = cdb[2] & 0x20;
    if (!tf.extend && tf.command != 0xEC && tf.command != 0xB0)
        tf.lba |= uint64_t(tf.device & 0x0F) << 24; // 28-bit commands: LBA bits 27:24 in DEVICE
    if (tf.protocol == 0 || tf.protocol == 1 || tf.protocol == 15) { // reset and response info
        ata_Finish(r, tf, 0, 0, 0, false);
        return;
    }

    const uint8_t cmd = tf.command;
    auto abort = [&](uint8_t error = ER_ABRT) { ata_Finish(r, tf, error, tf.count, tf.lba, tf.extend); };
    auto done = [&](uint16_t countOut = 0, uint64_t lbaOut = 0, bool ext = false) {
        ata_Finish(r, tf, 0, countOut, lbaOut, ext || tf.extend);
    };
    // Data-in of whole 512-byte blocks into the caller's buffer.
    auto dataIn = [&](const uint8_t* src, size_t bytes) {
        if (c.direction != DataDirection::In || c.dataLength < bytes) {
            r.invalidField();
            return false;
        }
        std::memcpy(c.data, src, bytes);
        r.residual = c.dataLength - uint32_t(bytes);
        return true;
    };

    if (!d_.faults.empty())
        if (const Fault* f = injectFault(true, cmd, tf.feature)) {
            if (answer_Fault(*f, c, r, now))
                return;
            if (f->useSense)
                r.fixed(f->senseKey, f->asc, f->ascq);
            else
                abort(f->ataError);
            return;
        }

    if (sanitizeRunning_) {
        const bool allowed = cmd == 0xEC || cmd == 0x2F || cmd == 0x47 || cmd == 0xE5 ||
                             (cmd == 0xB4 && tf.feature == 0x0000) ||
                             (cmd == 0xB0 && (tf.feature == 0xDA || tf.feature == 0xD0 || tf.feature == 0xD5));
        if (!allowed) {
            abort();
            return;
        }
    }
    const bool wasReadNativeMax = lastWasReadNativeMax_;
    lastWasReadNativeMax_ = false;
    const bool ext48 = d_.supported & F_48BIT;

    switch (cmd) {
    case 0xEC: { // IDENTIFY DEVICE
        uint8_t id[512];
        buildIdentify(id);
        if (dataIn(id, 512))
            done();
        return;
    }
    case 0xE5: // CHECK POWER MODE: FFh active or idle, 00h standby
        done(standby_ ? 0x00 : 0xFF, tf.lba);
        return;
    case 0xE0: case 0x94: case 0xE2: case 0x96: // STANDBY (IMMEDIATE)
        standby_ = true;
        done();
        return;
    case 0xE1: case 0x95: case 0xE3: case 0x97: // IDLE (IMMEDIATE)
        wakeUp(r, now);
        done();
        return;
    case 0xE7: case 0xEA: // FLUSH CACHE (EXT)
        done();
        return;
    case 0xEF: { // SET FEATURES: the common subcommands are accepted, others refused
        const uint8_t sub = uint8_t(tf.feature);
        if (sub == 0x02 || sub == 0x82 || sub == 0xAA || sub == 0x55 || sub == 0x03 ||
            ((sub == 0x05 || sub == 0x85) && (d_.supported & F_APM)))
            done();
        else
            abort();
        return;
    }
    case 0x90: // EXECUTE DEVICE DIAGNOSTIC: device 0 passed
        ata_Finish(r, tf, 0, 1, 1, false);
        if (r.sense.size() > 11)
            r.sense[8 + 3] = 0x01;
        return;

    case 0x25: case 0x24: case 0x35: case 0x34: case 0x42:
    case 0xC8: case 0x20: case 0xCA: case 0x30: case 0x40: {
        const bool isExt = cmd == 0x25 || cmd == 0x24 || cmd == 0x35 || cmd == 0x34 || cmd == 0x42;
        if (isExt && !ext48) {
            abort();
            return;
        }
        uint32_t count = tf.count;
        if (count == 0)
            count = isExt ? 65536 : 256;
        const bool write = cmd == 0x35 || cmd == 0x34 || cmd == 0xCA || cmd == 0x30;
        const bool verify = cmd == 0x42 || cmd == 0x40;
        if (tf.lba > maxLba_ || count - 1 > maxLba_ - tf.lba) {
            abort(ER_IDNF | ER_ABRT);
            return;
        }
        if (write ? (c.direction != DataDirection::Out) : (!verify && c.direction != DataDirection::In)) {
            r.invalidField();
            return;
        }
        if (!verify && uint64_t(count) * d_.logicalSectorSize > c.dataLength) {
            r.invalidField();
            return;
        }
        Reply inner;
        if (write)
            writeBlocks(c, inner, tf.lba, count, now);
        else
            readBlocks(c, inner, tf.lba, count, now, verify);
        r.residual = inner.residual;
        r.waitUntil = inner.waitUntil;
        if (inner.status == 0) {
            done();
        } else if (inner.sense.size() >= 8) {
            // The failing LBA travels in the LBA output registers.
            uint64_t failing = tf.lba;
            if (inner.sense[0] == 0x70 || inner.sense[0] == 0xF0)
                failing = get_Be32(&inner.sense[3]);
            else if (inner.sense.size() >= 20)
                failing = get_Be64(&inner.sense[12]);
            ata_Finish(r, tf, write ? ER_ABRT : ER_UNC, 0, failing, true);
        } else {
            abort();
        }
        return;
    }

    case 0x27: // READ NATIVE MAX ADDRESS EXT
        if (!ext48 || !(d_.supported & (F_HPA | F_AMAC))) {
            abort();
            return;
        }
        lastWasReadNativeMax_ = true;
        done(0, d_.nativeMaxLba, true);
        return;
    case 0xF8: // READ NATIVE MAX ADDRESS
        if (!(d_.supported & F_HPA)) {
            abort();
            return;
        }
        lastWasReadNativeMax_ = true;
        done(0, std::min<uint64_t>(d_.nativeMaxLba, 0x0FFFFFFF));
        return;
    case 0x37: case 0xF9: { // SET MAX ADDRESS (EXT)
        // As the HPA feature set demands: only right after READ NATIVE MAX ADDRESS.
        if (!(d_.supported & F_HPA) || !wasReadNativeMax || (cmd == 0x37 && !ext48) || amacFrozen_) {
            abort();
            return;
        }
        if (tf.lba > d_.nativeMaxLba) {
            abort(ER_IDNF | ER_ABRT);
            return;
        }
        maxLba_ = tf.lba;
        done(0, maxLba_, cmd == 0x37);
        return;
    }
    case 0x78: { // ACCESSIBLE MAX ADDRESS CONFIGURATION
        if (!(d_.supported & F_AMAC)) {
            abort();
            return;
        }
        switch (tf.feature) {
        case 0x0000: // GET NATIVE MAX ADDRESS EXT
            done(0, d_.nativeMaxLba, true);
            return;
        case 0x0001: // SET ACCESSIBLE MAX ADDRESS EXT
            if (amacFrozen_) {
                abort();
                return;
            }
            if (tf.lba > d_.nativeMaxLba) {
                abort(ER_IDNF | ER_ABRT);
                return;
            }
            maxLba_ = tf.lba;
            done(0, maxLba_, true);
            return;
        case 0x0002: // FREEZE ACCESSIBLE MAX ADDRESS EXT
            amacFrozen_ = true;
            done();
            return;
        default:
            abort();
            return;
        }
    }

    case 0x2F: case 0x47: { // READ LOG (DMA) EXT
        if (!(d_.supported & F_GPL)) {
            abort();
            return;
        }
        const uint8_t log = uint8_t(tf.lba);
        const uint16_t page = uint16_t(((tf.lba >> 8) & 0xFF) | ((tf.lba >> 24) & 0xFF00)); // LBA 15:8 and 39:32
        const uint32_t pages = tf.count ? tf.count : 65536;
        if (c.direction != DataDirection::In || c.dataLength < pages * 512u) {
            r.invalidField();
            return;
        }
        for (uint32_t i = 0; i < pages; ++i)
            if (!buildLogPage(log, uint16_t(page + i), true, c.data + 512 * i)) {
                abort();
                return;
            }
        r.residual = c.dataLength - pages * 512;
        done();
        return;
    }
    case 0x3F: case 0x57: { // WRITE LOG (DMA) EXT: host-specific logs only
        const uint8_t log = uint8_t(tf.lba);
        const uint16_t page = uint16_t(((tf.lba >> 8) & 0xFF) | ((tf.lba >> 24) & 0xFF00)); // LBA 15:8 and 39:32
        const uint32_t pages = tf.count;
        if ((log == 0xE0 || log == 0xE1) && (d_.supported & F_SCT) && (d_.supported & F_GPL)) {
            if (c.direction != DataDirection::Out || c.dataLength < 512 || pages != 1 || page != 0) {
                r.invalidField();
                return;
            }
            uint16_t countOut = 0;
            uint64_t lbaOut = 0;
            const uint8_t error = sctWrite(log, c.data, now, countOut, lbaOut, r);
            if (error)
                abort(error);
            else
                done(countOut, lbaOut);
            return;
        }
        if (!(d_.supported & F_GPL) || log < 0x80 || log > 0x9F || pages == 0 || page + pages > 16) {
            abort();
            return;
        }
        if (c.direction != DataDirection::Out || c.dataLength < pages * 512u) {
            r.invalidField();
            return;
        }
        auto& store = hostLogs_[log];
        store.resize(16 * 512, 0);
        std::memcpy(store.data() + page * 512, c.data, pages * 512);
        done();
        return;
    }

    case 0xB0: { // SMART
        const uint8_t sub = uint8_t(tf.feature);
        if (!(d_.supported & F_SMART) || ((tf.lba >> 8) & 0xFFFF) != 0xC24F) {
            abort();
            return;
        }
        if (!smartEnabled_ && sub != 0xD8) {
            abort();
            return;
        }
        switch (sub) {
        case 0xD0: { // READ DATA
            uint8_t data[512];
            buildSmartData(data, now);
            if (dataIn(data, 512))
                done();
            return;
        }
        case 0xD1: { // READ ATTRIBUTE THRESHOLDS
            uint8_t data[512];
            buildSmartThresholds(data);
            if (dataIn(data, 512))
                done();
            return;
        }
        case 0xD2: case 0xD3: // attribute autosave, save attribute values
            done();
            return;
        case 0xD8:
            smartEnabled_ = true;
            done();
            return;
        case 0xD9:
            smartEnabled_ = false;
            done();
            return;
        case 0xDA: { // RETURN STATUS
            bool failing = d_.smartHealthFailing;
            for (const auto& a : d_.attributes)
                if ((a.flags & 1) && a.threshold && a.current <= a.threshold)
                    failing = true; // a pre-fail attribute at or below its threshold
            done(tf.count, (failing ? 0x2CF400 : 0xC24F00) | (tf.lba & 0xFF), false);
            return;
        }
        case 0xD5: { // READ LOG
            const uint8_t log = uint8_t(tf.lba);
            const uint32_t pages = tf.count & 0xFF;
            if (pages == 0) {
                abort();
                return;
            }
            if (c.direction != DataDirection::In || c.dataLength < pages * 512u) {
                r.invalidField();
                return;
            }
            for (uint32_t i = 0; i < pages; ++i)
                if (!buildLogPage(log, uint16_t(i), false, c.data + 512 * i)) {
                    abort();
                    return;
                }
            r.residual = c.dataLength - pages * 512;
            done();
            return;
        }
        case 0xD6: { // WRITE LOG: SCT command transport and host-specific logs
            const uint8_t log = uint8_t(tf.lba);
            const uint32_t pages = tf.count & 0xFF;
            if ((log == 0xE0 || log == 0xE1) && (d_.supported & F_SCT)) {
                if (c.direction != DataDirection::Out || c.dataLength < 512 || pages != 1) {
                    r.invalidField();
                    return;
                }
                uint16_t countOut = 0;
                uint64_t lbaOut = 0;
                const uint8_t error = sctWrite(log, c.data, now, countOut, lbaOut, r);
                if (error)
                    abort(error);
                else
                    done(countOut, lbaOut | 0xC24F00);
                return;
            }
            if (log < 0x80 || log > 0x9F || pages == 0 || pages > 16) {
                abort();
                return;
            }
            if (c.direction != DataDirection::Out || c.dataLength < pages * 512u) {
                r.invalidField();
                return;
            }
            auto& store = hostLogs_[log];
            store.resize(16 * 512, 0);
            std::memcpy(store.data(), c.data, pages * 512);
            done();
            return;
        }
        case 0xD4: { // EXECUTE OFF-LINE IMMEDIATE
            const uint8_t test = uint8_t(tf.lba);
            if (test == 0x00) { // off-line data collection: nothing to collect here
                done();
                return;
            }
            if (test == 0x7F) { // abort the running self-test or diagnostic
                if (job_ == Job::SelfTest) {
                    logSelfTest(jobType_, 0x10, UINT64_MAX);
                    lastSelfTestStatus_ = 0x10;
                    job_ = Job::None;
                } else if (job_ == Job::Idd) {
                    lastSelfTestStatus_ = 0x10;
                    job_ = Job::None;
                }
                done();
                return;
            }
            uint32_t seconds = 0;
            Job kind = Job::SelfTest;
            const uint8_t base = test & 0x7F;
            if ((test == 0x01 || test == 0x02 || test == 0x81 || test == 0x82) &&
                (d_.supported & F_SMART_SELF_TEST)) {
                seconds = base == 1 ? d_.shortSelfTestSeconds : d_.extendedSelfTestSeconds;
            } else if ((test == 0x70 && d_.idd70) || (test == 0x71 && d_.idd71)) {
                kind = Job::Idd;
                seconds = test == 0x70 ? d_.idd70Seconds : d_.idd71Seconds;
            } else {
                abort();
                return;
            }
            if (job_ == Job::SelfTest) // a new test replaces the running one
                logSelfTest(jobType_, 0x10, UINT64_MAX);
            job_ = kind;
            jobType_ = base == 0x70 || base == 0x71 ? test : base;
            jobStart_ = now;
            jobEnd_ = now + uint64_t(seconds) * NS;
            if (test & 0x80) {
                // Captive mode: the command returns when the test has ended.
                r.waitUntil = jobEnd_;
                const AtaTaskFile captured = tf;
                r.afterWait = [this, captured](Reply& rr) {
                    const uint8_t st = lastSelfTestStatus_ >> 4;
                    uint64_t lba = captured.lba;
                    if (!selfTestLog_.empty() && selfTestLog_.back().lba != UINT64_MAX)
                        lba = selfTestLog_.back().lba;
                    // A failed captive test reports the checksum-failure signature F4h/2Ch.
                    ata_Finish(rr, captured, st ? ER_ABRT : 0, 0, st ? (0x2CF400 | (lba & 0xFF)) : 0xC24F00, false);
                };
                return;
            }
            done();
            return;
        }
        default:
            abort();
            return;
        }
    }

    case 0xB4: { // SANITIZE DEVICE
        if (!(d_.sanitizeOverwrite || d_.sanitizeCrypto || d_.sanitizeBlockErase) || !ext48) {
            abort();
            return;
        }
        auto statusCount = [&]() {
            return uint16_t((sanitizeCompleted_ && !sanitizeRunning_ ? 0x8000 : 0) | (sanitizeRunning_ ? 0x4000 : 0));
        };
        auto progress = [&]() -> uint64_t {
            if (!sanitizeRunning_)
                return sanitizeCompleted_ ? 0xFFFF : 0;
            return uint64_t(std::min<double>(65535.0, double(now - sanitizeStart_) /
                                                          double(sanitizeEnd_ - sanitizeStart_) * 65536.0));
        };
        int kind = 0;
        uint32_t pattern = 0;
        switch (tf.feature) {
        case 0x0000: // SANITIZE STATUS EXT
            if (tf.count & 1) {
                sanitizeCompleted_ = false; // CLEAR SANITIZE OPERATION FAILED / the report
                sanitizeFailed_ = false;
            }
            if (sanitizeFailed_) { // ABORT with the reason in LBA 7:0: the sanitize was unsuccessful
                ata_Finish(r, tf, ER_ABRT, statusCount(), 0x01, true);
                return;
            }
            done(statusCount(), progress(), true);
            return;
        case 0x0011:
            if ((tf.lba & 0xFFFFFFFF) != 0x43727970) { // "Cryp"
                abort();
                return;
            }
            kind = 1;
            break;
        case 0x0012:
            if ((tf.lba & 0xFFFFFFFF) != 0x426B4572) { // "BkEr"
                abort();
                return;
            }
            kind = 3;
            break;
        case 0x0014:
            if ((tf.lba >> 32) != 0x4F57) { // "OW"
                abort();
                return;
            }
            kind = 2;
            pattern = uint32_t(tf.lba);
            // Inverted between passes: an even number of passes ends with the inverse.
            if ((tf.count & 0x80) && ((tf.count & 0x0F) == 0 || (tf.count & 0x0F) % 2 == 0))
                pattern = ~pattern;
            break;
        case 0x0020: case 0x0040: // FREEZE LOCK / ANTIFREEZE LOCK: refused, to keep tests repeatable
        default:
            abort();
            return;
        }
        if (!startSanitize(kind, pattern, now)) {
            abort();
            return;
        }
        done(statusCount(), 0, true);
        return;
    }

    case 0x5C: case 0x5D: case 0x5E: case 0x5F: case 0x5B: { // TRUSTED RECEIVE / SEND / NON-DATA
        if (!d_.tcg || cmd == 0x5B) {
            abort();
            return;
        }
        const bool out = cmd == 0x5E || cmd == 0x5F;
        const uint32_t blocks = uint32_t(tf.count & 0xFF) | uint32_t(tf.lba & 0xFF) << 8;
        const uint16_t spSpecific = uint16_t(tf.lba >> 8);
        Reply inner;
        securityCommand(c, inner, out, uint8_t(tf.feature), spSpecific, blocks * 512);
        r.residual = inner.residual;
        if (inner.status == 0)
            done();
        else
            abort();
        return;
    }

    default:
        abort();
        return;
    }
}

} // namespace vdrive
} // namespace oskn
