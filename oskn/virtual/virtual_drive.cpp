// The emulated drive: a SATA drive behind a SCSI/ATA Translation layer. Its SCSI front end
// (virtual_scsi.cpp) and ATA front end (virtual_ata.cpp) are command tables; this file holds the
// drive's state and what both front ends share. Long operations (self-test, sanitize, in-drive
// diagnostics) are a start time and an end time in program time: nothing holds the lock while
// they run, and their effects are applied by the first command that sees them finished.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>

#include "common.h"
#include "virtual/virtual_commands.h"

namespace oskn {
namespace vdrive {

namespace {

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

uint64_t fnv1a(const std::string& s)
{
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : s)
        h = (h ^ c) * 1099511628211ull;
    return h;
}

} // namespace

// ------------------------------------------------------------------------------------------
// Sense data and responses.

void VirtualDrive::Reply::fixed(uint8_t key, Asc asc, bool infoValid, uint64_t info, int sks)
{
    if (infoValid && info > 0xFFFFFFFFull) { // does not fit the fixed format
        descriptor(key, asc, infoValid, info);
        return;
    }
    status = 2;
    sense.assign(18, 0);
    sense[0] = uint8_t(0x70 | (infoValid ? 0x80 : 0));
    sense[2] = key;
    put_Be32(&sense[3], uint32_t(info));
    sense[7] = 10;
    sense[12] = asc.code;
    sense[13] = asc.qualifier;
    if (sks >= 0) {
        sense[15] = uint8_t(0x80 | ((sks >> 16) & 0x7F));
        put_Be16(&sense[16], uint32_t(sks) & 0xFFFF);
    }
}

void VirtualDrive::Reply::descriptor(uint8_t key, Asc asc, bool infoValid, uint64_t info)
{
    status = 2;
    sense.assign(8, 0);
    sense[0] = 0x72;
    sense[1] = key;
    sense[2] = asc.code;
    sense[3] = asc.qualifier;
    if (infoValid) {
        uint8_t d[12] = {0x00, 0x0A, 0x80, 0};
        put_Be64(d + 4, info);
        appendDescriptor(d, sizeof d);
    }
}

void VirtualDrive::Reply::appendDescriptor(const uint8_t* d, size_t length)
{
    sense.insert(sense.end(), d, d + length);
    sense[7] = uint8_t(sense.size() - 8);
}

size_t respond(ScsiCommand& c, VirtualDrive::Reply& r, const uint8_t* data, size_t size, size_t allocation)
{
    const size_t n = std::min<size_t>({size, allocation, c.dataLength});
    if (n && c.direction == DataDirection::In)
        std::memcpy(c.data, data, n);
    r.residual = c.dataLength - uint32_t(n);
    return n;
}

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
        sanitizeKind_ = SanitizeOverwrite;
        sanitizeStart_ = createdAt_;
        sanitizeEnd_ = createdAt_ + uint64_t(d_.sanitizeSeconds) * NS;
    }
}

bool VirtualDrive::gone() const
{
    return d_.disappearAfterSeconds >= 0 &&
           double(get_Time_Source_Nanoseconds() - createdAt_) >= d_.disappearAfterSeconds * 1e9;
}

bool VirtualDrive::hung() const
{
    return d_.hangAfterSeconds >= 0 &&
           double(get_Time_Source_Nanoseconds() - createdAt_) >= d_.hangAfterSeconds * 1e9;
}

TransportResult VirtualDrive::execute(ScsiCommand& c)
{
    uint64_t due = 0;
    return take(c, due)();
}

std::unique_ptr<InFlight> VirtualDrive::start_All(ScsiCommand* commands, size_t count)
{
    auto accepted = std::make_unique<AcceptedCommands>();
    for (size_t i = 0; i < count; ++i) {
        uint64_t due = 0;
        auto answer = take(commands[i], due);
        accepted->add(due, std::move(answer));
    }
    return accepted;
}

std::function<TransportResult()> VirtualDrive::take(ScsiCommand& c, uint64_t& dueAt)
{
    dueAt = 0;
    if (gone())
        return [] { return TransportResult::NoDevice; };
    if (!c.cdb || c.cdbLength < 6 || c.cdbLength > 32 || (c.dataLength && !c.data))
        return [] { return TransportResult::OsFailure; };
    if (hung()) {
        // Locked-up firmware: the host waits out its whole timeout, and nothing moves.
        dueAt = get_Time_Source_Nanoseconds() + uint64_t(std::max<uint32_t>(1, c.timeoutSeconds)) * NS;
        return [&c, dueAt] {
            wait_Until(dueAt);
            c.scsiStatus = 0;
            c.senseLength = 0;
            c.residual = c.dataLength;
            c.timedOut = true;
            return TransportResult::Delivered;
        };
    }

    auto r = std::make_shared<Reply>();
    uint64_t accepted = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        accepted = get_Time_Source_Nanoseconds();
        advance(accepted);
        scsiCommand(c, *r, accepted);
    }
    // The host gives up after its timeout, as SG_IO would; the drive carries on. The timeout
    // runs from when the drive took the command: at scaled time, a few milliseconds that this
    // thread waited for a processor would otherwise pass for the drive's own seconds.
    const uint64_t deadline = accepted + uint64_t(std::max<uint32_t>(1, c.timeoutSeconds)) * NS;
    dueAt = r->waitUntil ? std::min(r->waitUntil, deadline) : accepted;
    return [this, &c, r, deadline] {
        bool timedOut = false;
        if (r->waitUntil) {
            timedOut = r->waitUntil > deadline;
            wait_Until(std::min(r->waitUntil, deadline));
            if (timedOut) {
                r->status = 0;
                r->sense.clear();
                r->afterWait = nullptr;
                // The host's reset ends the transfer: later commands do not queue behind it.
                std::lock_guard<std::mutex> lock(mutex_);
                busyUntil_ = std::min(busyUntil_, get_Time_Source_Nanoseconds());
            }
            if (r->afterWait) {
                std::lock_guard<std::mutex> lock(mutex_);
                advance(get_Time_Source_Nanoseconds());
                r->afterWait(*r);
            }
        }
        c.scsiStatus = r->status;
        c.senseLength = uint32_t(std::min(r->sense.size(), sizeof(c.sense)));
        std::memset(c.sense, 0, sizeof(c.sense));
        if (c.senseLength)
            std::memcpy(c.sense, r->sense.data(), c.senseLength);
        c.residual = r->residual;
        c.timedOut = timedOut;
        return TransportResult::Delivered;
    };
}

void AcceptedCommands::add(uint64_t dueAt, std::function<TransportResult()> answer)
{
    due_.push_back(dueAt);
    answer_.push_back(std::move(answer));
}

TransportResult AcceptedCommands::wait(size_t i, uint64_t& arrivedNs)
{
    // To the nanosecond: wait_Until's millisecond steps would hand data out before it is due.
    const double scale = get_Time_Scale();
    uint64_t now = get_Time_Source_Nanoseconds();
    while (now < due_[i]) {
        std::this_thread::sleep_for(std::chrono::nanoseconds(uint64_t(double(due_[i] - now) / scale) + 1));
        now = get_Time_Source_Nanoseconds();
    }
    // When it came, on the steady clock: the caller may ask long after.
    arrivedNs = steady_Clock_Ns() - uint64_t(double(now - due_[i]) / scale);
    return answer_[i]();
}

// ------------------------------------------------------------------------------------------
// Time-driven state.

void VirtualDrive::advance(uint64_t now)
{
    if (job_ != Job::None && now >= jobEnd_ && !(job_ == Job::SelfTest && d_.selfTestNeverEnds))
        finishJob();
    if (sanitizeRunning_ && now >= sanitizeEnd_ && !d_.sanitizeNeverProgresses)
        finishSanitize();
    if (sctWsRunning_ && now >= sctWsEnd_)
        finishSctWriteSame();
}

uint64_t VirtualDrive::powerOnHours() const
{
    uint64_t base = 0;
    for (const auto& a : d_.attributes)
        if (a.id == 9)
            base = a.raw & 0xFFFFFFFF;
    return base + (get_Time_Source_Nanoseconds() - createdAt_) / (3600 * NS);
}

uint8_t VirtualDrive::physicalExponent() const
{
    uint8_t exponent = 0;
    while ((d_.logicalSectorSize << exponent) < d_.physicalSectorSize)
        ++exponent;
    return exponent;
}

uint64_t VirtualDrive::worldWideName() const
{
    return 0x5000000000000000ull | (0x0C0FFEull << 36) | (fnv1a(d_.serial + d_.model) & 0xFFFFFFFFFull);
}

void VirtualDrive::logSelfTest(uint8_t type, uint8_t status, uint64_t lba)
{
    selfTestLog_.push_back({type, status, uint16_t(powerOnHours()), lba});
    if (selfTestLog_.size() > 19 * 4)
        selfTestLog_.erase(selfTestLog_.begin());
}

void VirtualDrive::finishSelfTest()
{
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
}

void VirtualDrive::finishJob()
{
    if (job_ == Job::SelfTest) {
        finishSelfTest();
    } else if (job_ == Job::Idd) {
        if (jobType_ == atacmd::smart::IddPendingAndReallocationLists) {
            // Test pending and reallocation lists: pending sectors are reallocated (zeroed).
            std::vector<uint8_t> zeros(d_.logicalSectorSize, 0);
            for (const auto& sector : unreadable_)
                if (!sector.second)
                    storage_->write(sector.first * d_.logicalSectorSize, zeros.data(), zeros.size());
            forgetPendingSectors();
        }
        lastSelfTestStatus_ = 0;
        logSelfTest(jobType_, 0, UINT64_MAX); // the diagnostics are logged like self-tests
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
    if (sanitizeKind_ == SanitizeOverwrite)
        storage_->setPattern(sanitizePattern_);
    else
        storage_->clear();
    // Overwrite and block erase rewrite every sector; a crypto erase writes nothing.
    if (sanitizeKind_ != SanitizeCrypto)
        forgetPendingSectors();
}

bool VirtualDrive::startSanitize(int kind, uint32_t pattern, uint64_t now)
{
    const bool supported = (kind == SanitizeCrypto && d_.sanitizeCrypto) ||
                           (kind == SanitizeOverwrite && d_.sanitizeOverwrite) ||
                           (kind == SanitizeBlockErase && d_.sanitizeBlockErase);
    if (!supported || sanitizeRunning_)
        return false;
    if (job_ != Job::None) { // sanitize interrupts a self-test or diagnostic
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
    sanitizeEnd_ = now + (kind == SanitizeCrypto ? NS : uint64_t(d_.sanitizeSeconds) * NS);
    return true;
}

// The progress of a running sanitize in 65536ths, as sense data and SANITIZE STATUS carry it.
uint32_t VirtualDrive::sanitizeProgress(uint64_t now) const
{
    if (d_.sanitizeNeverProgresses)
        return 0;
    return uint32_t(std::min<double>(
        65535.0, double(now - sanitizeStart_) / double(sanitizeEnd_ - sanitizeStart_) * 65536.0));
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

// ------------------------------------------------------------------------------------------
// Media access.

bool VirtualDrive::inRange(uint64_t lba, uint64_t count) const
{
    return lba <= maxLba_ && (count == 0 || count - 1 <= maxLba_ - lba);
}

// A write same of 0 sectors covers the range from lba to the last sector.
uint64_t VirtualDrive::sameCount(uint64_t lba, uint64_t count) const
{
    return count == 0 && lba <= maxLba_ ? maxLba_ - lba + 1 : count;
}

uint64_t VirtualDrive::firstUnreadable(uint64_t lba, uint64_t count) const
{
    auto it = unreadable_.lower_bound(lba);
    if (it != unreadable_.end() && it->first - lba < count)
        return it->first;
    return UINT64_MAX;
}

// Rewriting [lba, lba + count) makes its pending sectors readable again. Returns how many
// sectors from lba can be written: all of them, or those before the first permanently bad one.
uint64_t VirtualDrive::rewritable(uint64_t lba, uint64_t count)
{
    auto it = unreadable_.lower_bound(lba);
    while (it != unreadable_.end() && it->first - lba < count) {
        if (it->second)
            return it->first - lba;
        it = unreadable_.erase(it);
    }
    return count;
}

// Every sector was rewritten: only the permanently bad ones stay unreadable.
void VirtualDrive::forgetPendingSectors()
{
    for (auto it = unreadable_.begin(); it != unreadable_.end();)
        it = it->second ? std::next(it) : unreadable_.erase(it);
}

MediaResult VirtualDrive::readSectors(ScsiCommand& c, Reply& r, uint64_t lba, uint64_t count, uint64_t now)
{
    const uint32_t sector = d_.logicalSectorSize;
    if (!inRange(lba, count))
        return {MediaResult::OutOfRange};
    if (c.direction != DataDirection::In || count * sector > c.dataLength)
        return {MediaResult::BadBuffer};
    if (count == 0)
        return {};
    wakeUp(r, now);
    const uint64_t bad = unreadable_.empty() ? UINT64_MAX : firstUnreadable(lba, count);
    const uint64_t good = bad == UINT64_MAX ? count : bad - lba;
    if (good && !storage_->read(lba * sector, c.data, size_t(good) * sector))
        return {MediaResult::MediumError, 0, lba};
    accountTransfer(r, good * sector, now);
    if (bad != UINT64_MAX)
        return {MediaResult::MediumError, good, bad};
    return {MediaResult::Done, count};
}

// A write beyond the current max LBA is refused, never dropped.
MediaResult VirtualDrive::writeSectors(ScsiCommand& c, Reply& r, uint64_t lba, uint64_t count, uint64_t now)
{
    const uint32_t sector = d_.logicalSectorSize;
    if (!inRange(lba, count))
        return {MediaResult::OutOfRange};
    if (count == 0)
        return {};
    if (c.direction != DataDirection::Out || count * sector > c.dataLength)
        return {MediaResult::BadBuffer};
    wakeUp(r, now);
    // Permanently bad sectors refuse the write; the others are good again once rewritten.
    const uint64_t stop = unreadable_.empty() ? count : rewritable(lba, count);
    if (stop && !storage_->write(lba * sector, c.data, size_t(stop) * sector))
        return {MediaResult::MediumError, 0, lba};
    accountTransfer(r, stop * sector, now);
    if (stop != count)
        return {MediaResult::MediumError, stop, lba + stop};
    return {MediaResult::Done, count};
}

// Repeats the host's one-sector block over the range; a count of 0 means to the last sector.
MediaResult VirtualDrive::fillSectors(ScsiCommand& c, Reply& r, uint64_t lba, uint64_t count, uint64_t now)
{
    const uint32_t sector = d_.logicalSectorSize;
    count = sameCount(lba, count);
    if (count == 0 || !inRange(lba, count))
        return {MediaResult::OutOfRange};
    if (c.direction != DataDirection::Out || c.dataLength < sector)
        return {MediaResult::BadBuffer};
    wakeUp(r, now);
    const uint64_t stop = rewritable(lba, count);
    if (stop && !storage_->fill(lba * sector, stop * sector, c.data, sector))
        return {MediaResult::MediumError, 0, lba};
    accountTransfer(r, stop * sector, now);
    if (stop != count)
        return {MediaResult::MediumError, stop, lba + stop};
    return {MediaResult::Done, count};
}

} // namespace vdrive
} // namespace oskn
