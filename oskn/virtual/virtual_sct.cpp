// The SCT command transport of the emulated drive: commands written as key pages to log E0h
// (write same, error recovery control), the data block of a write same to log E1h, and the
// SCT status page.
#include <algorithm>
#include <cstring>

#include "virtual/virtual_commands.h"

namespace oskn {
namespace vdrive {

namespace {
namespace sct {
enum : uint16_t { WriteSame = 0x0002, ErrorRecoveryControl = 0x0003 };        // action codes
enum : uint16_t { SetValue = 0x0001, GetValue = 0x0002 };                    // ERC functions
enum : uint16_t { RepeatPattern = 0x0001, RepeatBlock = 0x0002, Foreground = 0x0100 }; // write same
enum : uint16_t { Done = 0x0000, Invalid = 0x0005, SectorNotWritten = 0x0008, LbaOutOfRange = 0x0014,
                  Running = 0xFFFF };                                          // extended status
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

// A page written to the SCT command (E0h) or data transfer (E1h) log. Returns the ATA error.
uint8_t VirtualDrive::sctWrite(uint8_t log, const uint8_t* key, uint64_t now, uint16_t& countOut, uint64_t& lbaOut,
                               Reply& r)
{
    const uint32_t sector = d_.logicalSectorSize;
    if (log == atacmd::log::SctData) { // the data block of a write same that waits for it
        if (!sctWsAwaitingData_)
            return atacmd::ErrorAbrt;
        sctWsAwaitingData_ = false;
        sctWsBlock_.assign(key, key + std::min<uint32_t>(sector, 512));
        sctWsBlock_.resize(sector);
        for (uint32_t i = 512; i < sector; ++i) // larger sectors repeat the 512-byte block
            sctWsBlock_[i] = sctWsBlock_[i % 512];
        startSctWriteSame(now, r);
        return 0;
    }
    const uint16_t action = get_Le16(key), function = get_Le16(key + 2);
    if (sctWsRunning_ && !(action == sct::ErrorRecoveryControl && function == sct::GetValue))
        return atacmd::ErrorAbrt; // busy with a background write same
    sctAction_ = action;
    sctFunction_ = function;
    if (action == sct::WriteSame && d_.writeSame)
        return sctWriteSame(key, function, now, r);
    if (action == sct::ErrorRecoveryControl) { // timers in 100 ms units
        const uint16_t selection = get_Le16(key + 4), value = get_Le16(key + 6);
        uint16_t* timer = selection == 1 ? &ercRead_ : selection == 2 ? &ercWrite_ : nullptr;
        if (timer && function == sct::SetValue) {
            *timer = value;
            return 0;
        }
        if (timer && function == sct::GetValue) {
            countOut = *timer;
            lbaOut = *timer >> 8;
            return 0;
        }
    }
    sctStatus_ = sct::Invalid;
    return atacmd::ErrorAbrt;
}

uint8_t VirtualDrive::sctWriteSame(const uint8_t* key, uint16_t function, uint64_t now, Reply& r)
{
    const uint64_t lba = get_Le64(key + 4);
    uint64_t count = get_Le64(key + 12);
    if (count == 0 && lba <= maxLba_)
        count = maxLba_ - lba + 1;
    if (count == 0 || !inRange(lba, count)) {
        sctStatus_ = sct::LbaOutOfRange;
        return atacmd::ErrorAbrt | atacmd::ErrorIdnf;
    }
    const uint16_t base = function & 0x00FF;
    if (base != sct::RepeatPattern && base != sct::RepeatBlock) {
        sctStatus_ = sct::Invalid;
        return atacmd::ErrorAbrt;
    }
    sctWsLba_ = lba;
    sctWsCount_ = count;
    sctWsForeground_ = function & sct::Foreground;
    if (base == sct::RepeatBlock) {
        sctWsAwaitingData_ = true;
        return 0;
    }
    const uint32_t sector = d_.logicalSectorSize;
    sctWsBlock_.resize(sector);
    for (uint32_t i = 0; i < sector; ++i)
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
