// Emulated NVMe drives (one controller, one namespace) and block-only drives. Like the SATA
// drive, the NVMe one lays out its answers byte by byte from the NVM Express base
// specification, not from the definitions the library reads them with: it is the oracle the
// library is checked against. Its self-test runs in program time, its data lives in the same
// sparse stores, and the faults the SATA drives have (unreadable blocks, vanishing, commands that
// fail, hang or return part of their data) are there too.
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <deque>
#include <map>

#include "common.h"
#include "oskn_device.h"
#include "virtual/virtual_bytes.h"
#include "virtual/virtual_drive.h"

namespace oskn {
namespace vdrive {

namespace {

constexpr uint64_t NS = 1000000000ull;

// Opcodes, status codes and log identifiers the drive speaks.
namespace op {
enum : uint8_t { GetLogPage = 0x02, Identify = 0x06, DeviceSelfTest = 0x14, FormatNvm = 0x80, SecuritySend = 0x81,
                 SecurityReceive = 0x82, Sanitize = 0x84 };
enum : uint8_t { Flush = 0x00, Write = 0x01, Read = 0x02, WriteZeroes = 0x08 };
} // namespace op
namespace status {
// SCT in bits 10:8, SC in 7:0; DNR (bit 14) on the errors that will not go away.
constexpr uint16_t Dnr = 0x4000;
constexpr uint16_t InvalidOpcode = 0x0001 | Dnr, InvalidField = 0x0002 | Dnr, InvalidNamespace = 0x000B | Dnr,
                   LbaOutOfRange = 0x0080 | Dnr, SanitizeFailed = 0x001C | Dnr, SanitizeInProgress = 0x001D;
constexpr uint16_t InvalidLogPage = 0x0109 | Dnr, InvalidFormat = 0x010A | Dnr, SelfTestInProgress = 0x011D;
constexpr uint16_t WriteFault = 0x0280, UnrecoveredReadError = 0x0281 | Dnr;
} // namespace status
namespace logid {
enum : uint8_t { ErrorInformation = 0x01, Health = 0x02, SelfTest = 0x06, SanitizeStatus = 0x81 };
}

void wait_Until(uint64_t target)
{
    for (;;) {
        const uint64_t now = get_Time_Source_Nanoseconds();
        if (now + 1000000 > target)
            return;
        delay_Milliseconds(uint32_t(std::min<uint64_t>((target - now) / 1000000, 1000)));
    }
}

void put_Le128(uint8_t* p, uint64_t v)
{
    put_Le64(p, v);
    put_Le64(p + 8, 0);
}

// Identity texts: ASCII, padded with spaces.
void put_Spaced(uint8_t* p, const std::string& s, size_t n)
{
    std::memset(p, ' ', n);
    std::memcpy(p, s.data(), std::min(s.size(), n));
}

class MediaDrive final : public EmulatedDrive {
public:
    MediaDrive(Description d, std::unique_ptr<Storage> storage)
        : d_(std::move(d)), storage_(std::move(storage))
    {
        createdAt_ = get_Time_Source_Nanoseconds();
        unreadable_ = d_.unreadable;
        faultHits_.assign(d_.nvme.faults.size(), 0);
        if (d_.nvme.sanitizeRunningAtStart)
            startSanitize(SanOverwrite, 0x00000003, createdAt_); // overwrite, started before we came
        if (d_.tcg)
            tcg_ = std::make_unique<TcgDevice>(d_.psid);
    }

    const Description& description() const override { return d_; }
    bool gone() const override
    {
        return d_.disappearAfterSeconds >= 0 &&
               double(get_Time_Source_Nanoseconds() - createdAt_) >= d_.disappearAfterSeconds * 1e9;
    }

    TransportResult execute(ScsiCommand&) override
    {
        return gone() ? TransportResult::NoDevice : TransportResult::OsFailure; // no SCSI here
    }

    TransportResult execute_Nvme(NvmeCommand& c) override
    {
        uint64_t due = 0;
        return take(c, due)();
    }

    std::unique_ptr<InFlight> start_Nvme_All(NvmeCommand* commands, size_t count) override
    {
        auto accepted = std::make_unique<AcceptedCommands>();
        for (size_t i = 0; i < count; ++i) {
            uint64_t due = 0;
            auto answer = take(commands[i], due);
            accepted->add(due, std::move(answer));
        }
        return accepted;
    }

    TransportResult execute_Block(BlockCommand& c) override
    {
        if (gone())
            return TransportResult::NoDevice;
        if (d_.protocol != Protocol::Block || !c.data || c.blockSize != d_.logicalSectorSize)
            return TransportResult::OsFailure;
        Reply r;
        uint64_t accepted;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            accepted = get_Time_Source_Nanoseconds();
            uint64_t moved = 0;
            const uint16_t s = c.write ? writeBlocks(c.lba, c.count, c.data, moved, r, accepted)
                                       : readBlocks(c.lba, c.count, c.data, moved, r, accepted);
            // The kernel fails the whole request; past the end it is refused before any I/O.
            c.error = s == 0 ? 0 : s == status::LbaOutOfRange ? EINVAL : EIO;
        }
        c.timedOut = wait(r, accepted, c.timeoutSeconds);
        return TransportResult::Delivered;
    }

private:
    struct Reply {
        uint16_t status = 0;
        uint64_t result = 0;
        uint64_t waitUntil = 0;
    };
    struct SelfTestResult {
        uint8_t code, result, segment;
        bool lbaValid;
        uint64_t lba, hours;
    };

    // Takes the command under the lock; its answer is due at dueAt (program time).
    std::function<TransportResult()> take(NvmeCommand& c, uint64_t& dueAt)
    {
        dueAt = 0;
        if (gone())
            return [] { return TransportResult::NoDevice; };
        if (d_.protocol != Protocol::Nvme || (c.dataLength && !c.data))
            return [] { return TransportResult::OsFailure; };
        Reply r;
        uint64_t accepted;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            accepted = get_Time_Source_Nanoseconds();
            advance(accepted);
            c.transferred = c.direction == DataDirection::In ? 0 : c.dataLength;
            if (!fault(c, r, accepted))
                (c.admin ? admin(c, r, accepted) : io(c, r, accepted));
        }
        const uint64_t deadline = accepted + uint64_t(std::max<uint32_t>(1, c.timeoutSeconds)) * NS;
        dueAt = r.waitUntil ? std::min(r.waitUntil, deadline) : accepted;
        return [this, &c, r, accepted] {
            c.timedOut = wait(r, accepted, c.timeoutSeconds);
            c.status = c.timedOut ? 0 : r.status;
            c.result = r.result;
            return TransportResult::Delivered;
        };
    }

    // The host waits for the drive's answer, at most its timeout (then the drive goes on alone).
    bool wait(const Reply& r, uint64_t accepted, uint32_t timeoutSeconds)
    {
        if (!r.waitUntil)
            return false;
        const uint64_t deadline = accepted + uint64_t(std::max<uint32_t>(1, timeoutSeconds)) * NS;
        wait_Until(std::min(r.waitUntil, deadline));
        if (r.waitUntil <= deadline)
            return false;
        std::lock_guard<std::mutex> lock(mutex_);
        busyUntil_ = std::min(busyUntil_, get_Time_Source_Nanoseconds());
        return true;
    }

    uint64_t powerOnHours(uint64_t now) const { return d_.nvme.powerOnHours + (now - createdAt_) / (3600 * NS); }
    uint32_t blockSize() const { return d_.logicalSectorSize; }
    uint64_t maxLba() const { return d_.nativeMaxLba; }

    bool fault(NvmeCommand& c, Reply& r, uint64_t now)
    {
        for (size_t i = 0; i < d_.nvme.faults.size(); ++i) {
            const NvmeFault& f = d_.nvme.faults[i];
            if (f.admin != c.admin || f.opcode != c.opcode || (f.logId >= 0 && f.logId != int(c.cdw10 & 0xFF)))
                continue;
            const uint32_t hit = faultHits_[i]++;
            if (hit < f.skip || (f.count >= 0 && int64_t(hit - f.skip) >= f.count))
                continue;
            if (f.hang) {
                r.waitUntil = now + (uint64_t(std::max<uint32_t>(1, c.timeoutSeconds)) + 1) * NS;
                return true;
            }
            if (f.shortData) {
                // The command runs, but only the first part of its data comes back.
                c.admin ? admin(c, r, now) : io(c, r, now);
                c.transferred = std::min<uint32_t>(c.transferred, std::max<uint32_t>(c.dataLength / 8, 4) & ~3u);
                return true;
            }
            r.status = f.noWork ? 0 : f.status;
            return true;
        }
        return false;
    }

    // --- self-test, in program time ---------------------------------------------------------

    void advance(uint64_t now)
    {
        if (selfTestCode_ && !d_.nvme.selfTestNeverEnds && now >= selfTestEnd_)
            finishSelfTest(now);
        if (sanitizeAction_ && !d_.nvme.sanitizeNeverProgresses && now >= sanitizeEnd_)
            finishSanitize();
    }

    // --- sanitize and format, in program time -----------------------------------------------

    enum : uint8_t { SanExitFailure = 1, SanBlockErase = 2, SanOverwrite = 3, SanCrypto = 4 };
    // SSTAT bits 2:0, and Global Data Erased (bit 8) until the next write.
    enum : uint16_t { NeverSanitized = 0, SanitizeDone = 1, SanitizeRunning = 2, SanitizeFailedState = 3,
                      GlobalDataErased = 0x100 };

    bool offers(uint8_t action) const
    {
        const NvmeDescription& n = d_.nvme;
        return (action == SanBlockErase && n.sanitizeBlock) || (action == SanOverwrite && n.sanitizeOverwrite) ||
               (action == SanCrypto && n.sanitizeCrypto);
    }

    void startSanitize(uint8_t action, uint32_t cdw10, uint64_t now)
    {
        sanitizeAction_ = action;
        sanitizeCdw10_ = cdw10;
        sanitizeStart_ = now;
        sanitizeEnd_ = now + uint64_t(d_.nvme.sanitizeSeconds) * NS;
        unrestricted_ = cdw10 & 0x08; // AUSE
    }

    void finishSanitize()
    {
        const uint8_t action = sanitizeAction_;
        sanitizeAction_ = 0;
        if (d_.nvme.sanitizeFails) {
            sstat_ = SanitizeFailedState;
            failureMode_ = true;
            return;
        }
        failureMode_ = false;
        sstat_ = SanitizeDone | GlobalDataErased;
        if (action == SanOverwrite)
            storage_->setPattern(overwritePattern_);
        else
            storage_->clear();
        if (action != SanCrypto) // a crypto erase only changes the key: pending blocks stay pending
            forgetPending();
    }

    void forgetPending()
    {
        for (auto it = unreadable_.begin(); it != unreadable_.end();)
            it = it->second ? std::next(it) : unreadable_.erase(it);
    }

    void sanitize(NvmeCommand& c, Reply& r, uint64_t now)
    {
        const uint8_t action = c.cdw10 & 0x07;
        if (action == SanExitFailure) {
            // Only a failed sanitize started with AUSE may be left without a new one.
            if (failureMode_ && !unrestricted_)
                r.status = status::SanitizeFailed;
            else
                failureMode_ = false;
            return;
        }
        if (!offers(action)) {
            r.status = status::InvalidField;
            return;
        }
        overwritePattern_ = c.cdw11;
        startSanitize(action, c.cdw10, now);
    }

    void format(NvmeCommand& c, Reply& r)
    {
        const NvmeDescription& n = d_.nvme;
        if (!n.formatUserData) {
            r.status = status::InvalidOpcode;
            return;
        }
        if (c.nsid != n.nsid && c.nsid != 0xFFFFFFFF) {
            r.status = status::InvalidNamespace;
            return;
        }
        const unsigned lbaf = (c.cdw10 & 0x0F) | ((c.cdw10 >> 12) & 0x03) << 4;
        const uint8_t ses = (c.cdw10 >> 9) & 0x07;
        // Only the format in use: this drive does not change its block size.
        if (lbaf >= n.lbaFormats.size() || n.lbaFormats[lbaf] != blockSize()) {
            r.status = status::InvalidFormat;
            return;
        }
        if (ses > 2 || (ses == 2 && !n.formatCrypto)) {
            r.status = status::InvalidField;
            return;
        }
        if (ses == 0)
            return; // no erase asked: the blocks keep what they held
        storage_->clear();
        if (ses == 1)
            forgetPending();
    }

    // Security Send/Receive: protocol 0 lists what the drive speaks; protocol 1 reaches the TCG
    // subset where the drive has a PSID.
    void security(NvmeCommand& c, Reply& r)
    {
        const bool send = c.opcode == op::SecuritySend;
        const uint8_t protocol = uint8_t(c.cdw10 >> 24);
        const uint16_t spSpecific = uint16_t(c.cdw10 >> 8);
        const uint32_t length = c.cdw11;
        if (length > c.dataLength || !c.data) {
            r.status = status::InvalidField;
            return;
        }
        if (send) {
            if (!tcg_ || protocol != 0x01 || !tcg_->send(spSpecific, c.data, length)) {
                r.status = status::InvalidField;
                return;
            }
            if (tcg_->takeRevertRequest()) { // factory state: the media key is gone
                storage_->clear();
                forgetPending();
            }
            return;
        }
        std::vector<uint8_t> buf;
        if (!tcg_Security_Receive(tcg_.get(), protocol, spSpecific, length, buf)) {
            r.status = status::InvalidField;
            return;
        }
        buf.resize(length, 0);
        respond(c, r, buf.data(), buf.size());
    }

    std::vector<uint8_t> sanitizeLog(uint64_t now) const
    {
        std::vector<uint8_t> out(512, 0);
        uint16_t progress = 0xFFFF, state = sstat_;
        if (sanitizeAction_) {
            const double fraction = double(now - sanitizeStart_) / double(std::max<uint64_t>(1, sanitizeEnd_ - sanitizeStart_));
            progress = d_.nvme.sanitizeNeverProgresses ? 0 : uint16_t(std::clamp(fraction * 65536.0, 0.0, 65535.0));
            state = SanitizeRunning;
        }
        put_Le16(&out[0], progress);
        put_Le16(&out[2], state);
        put_Le32(&out[4], sanitizeCdw10_);
        const uint32_t estimate = d_.nvme.sanitizeSeconds;
        put_Le32(&out[8], d_.nvme.sanitizeOverwrite ? estimate : 0xFFFFFFFF);
        put_Le32(&out[12], d_.nvme.sanitizeBlock ? estimate : 0xFFFFFFFF);
        put_Le32(&out[16], d_.nvme.sanitizeCrypto ? estimate : 0xFFFFFFFF);
        return out;
    }

    uint64_t firstUnreadable(uint64_t lba, uint64_t count) const
    {
        auto it = unreadable_.lower_bound(lba);
        return it != unreadable_.end() && it->first - lba < count ? it->first : UINT64_MAX;
    }

    void logResult(const SelfTestResult& result)
    {
        log_.push_front(result);
        if (log_.size() > 20)
            log_.pop_back();
    }

    void finishSelfTest(uint64_t now)
    {
        SelfTestResult r{selfTestCode_, 0, 0, false, 0, powerOnHours(now)};
        uint64_t lba = UINT64_MAX;
        switch (d_.selfTestOutcome) {
        case SelfTestOutcome::Auto:
        case SelfTestOutcome::ReadFailure:
            lba = firstUnreadable(0, maxLba() + 1); // the drive's own read stops at the first
            if (lba != UINT64_MAX) {
                r.result = 7;
                r.segment = 2;
            }
            break;
        case SelfTestOutcome::Pass: break;
        case SelfTestOutcome::FatalError: r.result = 5; break;
        case SelfTestOutcome::UnknownFailure: r.result = 6; break;
        case SelfTestOutcome::ElectricalFailure:
        case SelfTestOutcome::ServoFailure:
        case SelfTestOutcome::HandlingDamage:
            r.result = 7;
            r.segment = 1;
            break;
        }
        if (r.result != 0 && lba == UINT64_MAX && d_.failingLba != UINT64_MAX)
            lba = d_.failingLba;
        if (r.result != 0 && lba != UINT64_MAX) {
            r.lbaValid = true;
            r.lba = lba;
        }
        logResult(r);
        selfTestCode_ = 0;
    }

    // --- admin commands ---------------------------------------------------------------------

    void admin(NvmeCommand& c, Reply& r, uint64_t now)
    {
        // While a sanitize runs, or after one failed, the drive takes little else.
        const bool always = c.opcode == op::Identify || c.opcode == op::GetLogPage || c.opcode == op::Sanitize;
        if (!always && (sanitizeAction_ || failureMode_)) {
            r.status = sanitizeAction_ ? status::SanitizeInProgress : status::SanitizeFailed;
            return;
        }
        if (c.opcode == op::Sanitize && sanitizeAction_) {
            r.status = status::SanitizeInProgress;
            return;
        }
        switch (c.opcode) {
        case op::Sanitize:
            if (d_.nvme.sanitizeBlock || d_.nvme.sanitizeCrypto || d_.nvme.sanitizeOverwrite)
                return sanitize(c, r, now);
            break;
        case op::FormatNvm: return format(c, r);
        case op::SecuritySend:
        case op::SecurityReceive:
            if (d_.nvme.securitySendReceive)
                return security(c, r);
            break;
        case op::Identify: return identify(c, r);
        case op::GetLogPage: return getLogPage(c, r, now);
        case op::DeviceSelfTest:
            if (d_.nvme.selfTest)
                return selfTest(c, r, now);
            break;
        default: break;
        }
        r.status = status::InvalidOpcode;
    }

    void respond(NvmeCommand& c, Reply& r, const uint8_t* data, size_t size)
    {
        if (c.direction != DataDirection::In) {
            r.status = status::InvalidField;
            return;
        }
        std::memset(c.data, 0, c.dataLength);
        std::memcpy(c.data, data, std::min<size_t>(size, c.dataLength));
        c.transferred = c.dataLength;
    }

    void identify(NvmeCommand& c, Reply& r)
    {
        const uint8_t cns = c.cdw10 & 0xFF;
        if (c.dataLength != 4096) {
            r.status = status::InvalidField;
            return;
        }
        uint8_t out[4096] = {};
        const NvmeDescription& n = d_.nvme;
        if (cns == 0x01) {
            put_Le16(out + 0, 0); // no PCI vendor: an emulated controller
            put_Spaced(out + 4, d_.serial, 20);
            put_Spaced(out + 24, d_.model, 40);
            put_Spaced(out + 64, d_.firmware, 8);
            out[77] = 0; // MDTS: no limit of its own
            put_Le16(out + 78, 1);
            put_Le32(out + 80, n.version);
            put_Le16(out + 256, (n.securitySendReceive ? 0x01 : 0) | (n.formatUserData ? 0x02 : 0) |
                                    (n.selfTest ? 0x10 : 0));
            out[261] = 0x02; // LPA: command effects log; health is controller-wide
            put_Le16(out + 266, 343);
            put_Le16(out + 268, 358);
            put_Le16(out + 316, uint32_t(std::min<uint32_t>(d_.extendedSelfTestSeconds / 60 + 1, 0xFFFF)));
            put_Le32(out + 328, (n.sanitizeCrypto ? 0x1 : 0) | (n.sanitizeBlock ? 0x2 : 0) |
                                    (n.sanitizeOverwrite ? 0x4 : 0));
            out[512] = 0x66;
            out[513] = 0x44;
            put_Le32(out + 516, n.nsid);
            put_Le16(out + 520, n.writeZeroes ? 0x08 : 0);
            out[524] = n.formatCrypto ? 0x04 : 0;
            if (n.garbageIdentify == "controller") {
                std::memset(out + 4, 0xFF, 68); // serial, model, firmware: no text at all
                put_Le32(out + 516, 0);
            }
        } else if (cns == 0x00) {
            if (c.nsid != n.nsid) {
                r.status = status::InvalidNamespace;
                return;
            }
            const uint64_t blocks = maxLba() + 1;
            put_Le64(out + 0, blocks);
            put_Le64(out + 8, blocks);
            put_Le64(out + 16, blocks);
            out[25] = uint8_t(n.lbaFormats.size() - 1);
            for (size_t i = 0; i < n.lbaFormats.size(); ++i) {
                uint8_t exponent = 0;
                while ((1u << exponent) < n.lbaFormats[i])
                    ++exponent;
                out[128 + 4 * i + 2] = exponent;
                out[128 + 4 * i + 3] = n.lbaFormats[i] == 4096 ? 0 : 2; // relative performance
                if (n.lbaFormats[i] == blockSize())
                    out[26] = uint8_t(i);
            }
            if (d_.physicalSectorSize > blockSize()) {
                out[24] |= 0x10; // NPWG and friends valid
                put_Le16(out + 64, d_.physicalSectorSize / blockSize() - 1);
            }
            if (n.garbageIdentify == "namespace") {
                out[25] = 0;
                out[26] = 9;                   // a format that is not listed
                std::memset(out + 128, 0, 4);  // and the one listed has no size
            }
        } else if (cns == 0x02) {
            if (c.nsid < n.nsid)
                put_Le32(out, n.nsid);
        } else {
            r.status = status::InvalidField;
            return;
        }
        respond(c, r, out, sizeof out);
    }

    void getLogPage(NvmeCommand& c, Reply& r, uint64_t now)
    {
        const uint8_t id = c.cdw10 & 0xFF;
        const uint64_t dwords = ((uint64_t(c.cdw11 & 0xFFFF) << 16) | (c.cdw10 >> 16)) + 1;
        if (dwords * 4 != c.dataLength || c.cdw12 || c.cdw13) {
            r.status = status::InvalidField;
            return;
        }
        if (c.nsid != 0 && c.nsid != 0xFFFFFFFF && c.nsid != d_.nvme.nsid) {
            r.status = status::InvalidNamespace;
            return;
        }
        std::vector<uint8_t> out;
        switch (id) {
        case logid::ErrorInformation:
            out.assign(64, 0);
            break;
        case logid::Health:
            out = healthLog(now);
            break;
        case logid::SelfTest:
            out = selfTestLog(now);
            break;
        case logid::SanitizeStatus:
            out = sanitizeLog(now);
            break;
        default:
            r.status = status::InvalidLogPage;
            return;
        }
        respond(c, r, out.data(), out.size());
    }

    std::vector<uint8_t> healthLog(uint64_t now) const
    {
        const NvmeDescription& n = d_.nvme;
        std::vector<uint8_t> out(512, 0);
        out[0] = n.criticalWarning;
        put_Le16(&out[1], n.temperatureKelvin);
        out[3] = n.availableSpare;
        out[4] = n.availableSpareThreshold;
        out[5] = n.percentageUsed;
        // Data units are thousands of 512-byte units, rounded up.
        put_Le128(&out[32], n.dataUnitsRead + (bytesRead_ + 511999) / 512000);
        put_Le128(&out[48], n.dataUnitsWritten + (bytesWritten_ + 511999) / 512000);
        put_Le128(&out[64], readCommands_);
        put_Le128(&out[80], writeCommands_);
        put_Le128(&out[112], n.powerCycles);
        put_Le128(&out[128], powerOnHours(now));
        put_Le128(&out[144], n.unsafeShutdowns);
        put_Le128(&out[160], n.mediaErrors + mediaErrors_);
        put_Le128(&out[176], n.errorLogEntries + mediaErrors_);
        put_Le16(&out[200], n.temperatureKelvin);
        return out;
    }

    std::vector<uint8_t> selfTestLog(uint64_t now) const
    {
        std::vector<uint8_t> out(564, 0);
        if (selfTestCode_) {
            out[0] = selfTestCode_;
            const double fraction = double(now - selfTestStart_) / double(std::max<uint64_t>(1, selfTestEnd_ - selfTestStart_));
            out[1] = d_.nvme.selfTestNeverEnds ? 42 : uint8_t(std::clamp(int(fraction * 100.0), 0, 99));
        }
        for (size_t i = 0; i < 20; ++i) {
            uint8_t* e = &out[4 + 28 * i];
            if (i >= log_.size()) {
                e[0] = 0x0F; // entry not used
                continue;
            }
            const SelfTestResult& t = log_[i];
            e[0] = uint8_t(t.code << 4 | t.result);
            e[1] = t.segment;
            e[2] = uint8_t(0x01 | (t.lbaValid ? 0x02 : 0));
            put_Le64(e + 4, t.hours);
            put_Le32(e + 12, d_.nvme.nsid);
            put_Le64(e + 16, t.lbaValid ? t.lba : 0);
        }
        return out;
    }

    void selfTest(NvmeCommand& c, Reply& r, uint64_t now)
    {
        if (c.nsid != 0 && c.nsid != 0xFFFFFFFF && c.nsid != d_.nvme.nsid) {
            r.status = status::InvalidNamespace;
            return;
        }
        const uint8_t code = c.cdw10 & 0x0F;
        if (code == 0x0F) { // abort
            if (selfTestCode_) {
                logResult({selfTestCode_, 1, 0, false, 0, powerOnHours(now)});
                selfTestCode_ = 0;
            }
            return;
        }
        if (code != 0x01 && code != 0x02) {
            r.status = status::InvalidField;
            return;
        }
        if (selfTestCode_) {
            r.status = status::SelfTestInProgress;
            return;
        }
        selfTestCode_ = code;
        selfTestStart_ = now;
        selfTestEnd_ = now + uint64_t(code == 0x01 ? d_.shortSelfTestSeconds : d_.extendedSelfTestSeconds) * NS;
    }

    // --- I/O commands -----------------------------------------------------------------------

    bool inRange(uint64_t lba, uint64_t count) const
    {
        return count && lba <= maxLba() && count - 1 <= maxLba() - lba;
    }

    void accountTransfer(Reply& r, uint64_t bytes, uint64_t now)
    {
        if (d_.throughputMBps <= 0)
            return;
        busyUntil_ = std::max(now, busyUntil_) + uint64_t(double(bytes) / (d_.throughputMBps * 1e6) * 1e9);
        r.waitUntil = busyUntil_;
    }

    uint16_t readBlocks(uint64_t lba, uint64_t count, uint8_t* data, uint64_t& moved, Reply& r, uint64_t now)
    {
        moved = 0;
        if (!inRange(lba, count))
            return status::LbaOutOfRange;
        const uint64_t bad = unreadable_.empty() ? UINT64_MAX : firstUnreadable(lba, count);
        const uint64_t good = bad == UINT64_MAX ? count : bad - lba;
        if (good && !storage_->read(lba * blockSize(), data, size_t(good) * blockSize()))
            return status::UnrecoveredReadError;
        accountTransfer(r, good * blockSize(), now);
        moved = good;
        ++readCommands_;
        bytesRead_ += good * blockSize();
        if (bad != UINT64_MAX) {
            ++mediaErrors_;
            return status::UnrecoveredReadError;
        }
        return 0;
    }

    // Rewriting a block makes a pending unreadable one good again; a permanent one refuses.
    uint16_t writeBlocks(uint64_t lba, uint64_t count, const uint8_t* data, uint64_t& moved, Reply& r, uint64_t now)
    {
        moved = 0;
        if (!inRange(lba, count))
            return status::LbaOutOfRange;
        uint64_t writable = count;
        for (auto it = unreadable_.lower_bound(lba); it != unreadable_.end() && it->first - lba < count;) {
            if (it->second) {
                writable = it->first - lba;
                break;
            }
            it = unreadable_.erase(it);
        }
        const bool ok = !writable || (data ? storage_->write(lba * blockSize(), data, size_t(writable) * blockSize())
                                           : storage_->fill(lba * blockSize(), writable * blockSize(), zeros(), blockSize()));
        accountTransfer(r, writable * blockSize(), now);
        ++writeCommands_;
        sstat_ &= ~GlobalDataErased;
        bytesWritten_ += writable * blockSize();
        moved = writable;
        return ok && writable == count ? 0 : status::WriteFault;
    }

    const uint8_t* zeros()
    {
        zeros_.resize(blockSize(), 0);
        return zeros_.data();
    }

    void io(NvmeCommand& c, Reply& r, uint64_t now)
    {
        if (c.nsid != d_.nvme.nsid) {
            r.status = status::InvalidNamespace;
            return;
        }
        if (sanitizeAction_ || failureMode_) {
            r.status = sanitizeAction_ ? status::SanitizeInProgress : status::SanitizeFailed;
            return;
        }
        const uint64_t lba = uint64_t(c.cdw11) << 32 | c.cdw10;
        const uint64_t count = (c.cdw12 & 0xFFFF) + 1u;
        uint64_t moved = 0;
        switch (c.opcode) {
        case op::Flush:
            return;
        case op::Read:
            if (c.direction != DataDirection::In || count * blockSize() != c.dataLength) {
                r.status = status::InvalidField;
                return;
            }
            r.status = readBlocks(lba, count, c.data, moved, r, now);
            c.transferred = uint32_t(moved * blockSize());
            return;
        case op::Write:
            if (c.direction != DataDirection::Out || count * blockSize() != c.dataLength) {
                r.status = status::InvalidField;
                return;
            }
            r.status = writeBlocks(lba, count, c.data, moved, r, now);
            return;
        case op::WriteZeroes:
            if (d_.nvme.writeZeroes) {
                r.status = writeBlocks(lba, count, nullptr, moved, r, now);
                return;
            }
            break;
        default:
            break;
        }
        r.status = status::InvalidOpcode;
    }

    Description d_;
    std::unique_ptr<Storage> storage_;
    std::mutex mutex_;
    uint64_t createdAt_ = 0;
    std::map<uint64_t, bool> unreadable_;
    std::vector<uint32_t> faultHits_;
    std::vector<uint8_t> zeros_;
    uint64_t busyUntil_ = 0;

    uint8_t selfTestCode_ = 0; // the running self-test, 0 for none
    uint64_t selfTestStart_ = 0, selfTestEnd_ = 0;
    std::deque<SelfTestResult> log_; // newest first

    uint8_t sanitizeAction_ = 0; // the running sanitize's SANACT, 0 for none
    uint32_t sanitizeCdw10_ = 0, overwritePattern_ = 0;
    uint64_t sanitizeStart_ = 0, sanitizeEnd_ = 0;
    uint16_t sstat_ = NeverSanitized;
    bool failureMode_ = false, unrestricted_ = false;
    std::unique_ptr<TcgDevice> tcg_;

    uint64_t bytesRead_ = 0, bytesWritten_ = 0, readCommands_ = 0, writeCommands_ = 0, mediaErrors_ = 0;
};

} // namespace

std::shared_ptr<EmulatedDrive> make_Nvme_Or_Block_Drive(Description description, std::unique_ptr<Storage> storage)
{
    return std::make_shared<MediaDrive>(std::move(description), std::move(storage));
}

} // namespace vdrive
} // namespace oskn
