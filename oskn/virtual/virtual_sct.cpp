// The SCT command transport of the emulated drive: a write same of a repeated pattern, its key
// page written to log E0h, and the SCT status page read from it.
#include <algorithm>
#include <cstring>

#include "virtual/virtual_commands.h"

namespace oskn {
namespace vdrive {

namespace {
namespace sct {
constexpr uint16_t WriteSame = 0x0002;                                  // action code
enum : uint16_t { RepeatPattern = 0x0001, Foreground = 0x0100 };       // write same functions
enum : uint16_t { Done = 0x0000, Invalid = 0x0005, SectorNotWritten = 0x0008, LbaOutOfRange = 0x0014,
                  Running = 0xFFFF };                                  // extended status
} // namespace sct
} // namespace

void VirtualDrive::finishSctWriteSame()
{
    sctWsRunning_ = false;
    const uint32_t sector = d_.logicalSectorSize;
    // Every sector of the range is rewritten: pending sectors in it become readable.
    const uint64_t stop = rewritable(sctWsLba_, sctWsCount_);
    sctStatus_ = stop == sctWsCount_ ? sct::Done : sct::SectorNotWritten;
    if (stop)
        storage_->fill(sctWsLba_ * sector, stop * sector, sctWsBlock_.data(), sector);
}

void VirtualDrive::startSctWriteSame(uint64_t now, Reply& r)
{
    sctWsRunning_ = true;
    sctWsStart_ = now;
    const double seconds =
        d_.throughputMBps > 0 ? double(sctWsCount_) * d_.logicalSectorSize / (d_.throughputMBps * 1e6) : 0;
    sctWsEnd_ = now + uint64_t(seconds * 1e9);
    sctStatus_ = sct::Running;
    if (sctWsForeground_) {
        r.waitUntil = sctWsEnd_;
        r.afterWait = [](Reply&) {};
    }
}

// A key page written to the SCT command log (E0h). Returns the ATA error.
uint8_t VirtualDrive::sctWrite(const uint8_t* key, uint64_t now, Reply& r)
{
    if (sctWsRunning_)
        return atacmd::ErrorAbrt; // busy with a background write same
    sctAction_ = get_Le16(key);
    sctFunction_ = get_Le16(key + 2);
    if (sctAction_ != sct::WriteSame || !d_.writeSame || (sctFunction_ & ~sct::Foreground) != sct::RepeatPattern) {
        sctStatus_ = sct::Invalid;
        return atacmd::ErrorAbrt;
    }
    const uint64_t lba = get_Le64(key + 4);
    const uint64_t count = sameCount(lba, get_Le64(key + 12));
    if (count == 0 || !inRange(lba, count)) {
        sctStatus_ = sct::LbaOutOfRange;
        return atacmd::ErrorAbrt | atacmd::ErrorIdnf;
    }
    sctWsLba_ = lba;
    sctWsCount_ = count;
    sctWsForeground_ = sctFunction_ & sct::Foreground;
    const uint32_t sector = d_.logicalSectorSize;
    sctWsBlock_.resize(sector);
    for (uint32_t i = 0; i < sector; ++i) // the 32-bit pattern repeated
        sctWsBlock_[i] = key[20 + i % 4];
    startSctWriteSame(now, r);
    return 0;
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
    } else if (sctAction_ == sct::WriteSame) {
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

} // namespace vdrive
} // namespace oskn
