#include "tests/eraseverifier.h"

#include <QStringList>

#include <algorithm>
#include <cstring>
#include <random>

#include "deviceaccess/oskn_public.h"
#include "deviceaccess/oskn_return.h"
#include "deviceaccess/transferbuffer.h"

namespace {

std::atomic<bool> g_fullReadBack{false};

constexpr size_t kFullReadBytes = 1u << 20;

bool lost(int rc)
{
    return rc == OSKN_DEVICE_GONE || rc == OSKN_TIMEOUT || rc == OSKN_OS_PASSTHROUGH_FAILURE;
}

// 0 for a sector of zeros (nothing to compare with), never 0 otherwise.
uint32_t sector_Hash(const uint8_t* p, size_t n)
{
    uint64_t h = 0x9E3779B97F4A7C15ull;
    bool any = false;
    for (size_t i = 0; i + 8 <= n; i += 8) {
        uint64_t w;
        std::memcpy(&w, p + i, 8);
        any = any || w != 0;
        h = (h ^ w) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 29;
    }
    if (!any)
        return 0;
    const uint32_t folded = uint32_t(h ^ (h >> 32));
    return folded ? folded : 1;
}

} // namespace

void EraseVerifier::set_Full_Read_Back(bool full)
{
    g_fullReadBack.store(full);
}

bool EraseVerifier::full_Read_Back()
{
    return g_fullReadBack.load();
}

EraseVerifier::EraseVerifier(_tDevice* dev, std::vector<Range> r, Expect expect, uint32_t pattern)
    : device(dev), spans(std::move(r)), kind(expect), patternValue(pattern),
      sectorSize(dev->logicalSectorSize ? dev->logicalSectorSize : 512u), readAll(full_Read_Back())
{
    spans.erase(std::remove_if(spans.begin(), spans.end(), [](const Range& s) { return s.first > s.last; }),
                spans.end());
    std::random_device entropy;
    seedValue = (uint64_t(entropy()) << 32) ^ entropy();
    make_Plan(readAll);
}

void EraseVerifier::set_Seed(uint64_t s)
{
    seedValue = s;
    make_Plan(readAll);
}

void EraseVerifier::make_Plan(bool full)
{
    pieces.clear();
    plannedSectors = 0;
    const auto add = [this](uint64_t lba, uint64_t count) {
        pieces.push_back({lba, uint32_t(count)});
        plannedSectors += count;
    };
    uint64_t total = 0;
    for (const Range& s : spans)
        total += s.last - s.first + 1;
    // Remembering what every sector held may not fit: then a Changed erase compares a sample.
    if (full && kind == Expect::Changed && total * sizeof(uint32_t) > kBeforeBudgetBytes) {
        full = false;
        readAll = false;
    }
    if (full) {
        const uint64_t per = device->interfaceType == OSKN_INTERFACE_USB
                                 ? kRunSectors
                                 : std::max<uint64_t>(kRunSectors, kFullReadBytes / sectorSize);
        for (const Range& s : spans)
            for (uint64_t lba = s.first;; lba += per) {
                add(lba, std::min(per, s.last - lba + 1));
                if (s.last - lba < per)
                    break;
            }
        return;
    }
    // The stride grows only where what a Changed erase remembers would not fit its budget.
    uint64_t stride = kRunStride;
    if (kind == Expect::Changed)
        while (total / stride * kRunSectors * sizeof(uint32_t) > kBeforeBudgetBytes)
            stride *= 2;
    std::mt19937_64 random(seedValue);
    for (const Range& s : spans) {
        const uint64_t length = s.last - s.first + 1;
        uint64_t runs = 0, covered = s.first; // first sector not yet in a run
        for (uint64_t lba = s.first;; lba += stride) {
            const uint64_t count = std::min(kRunSectors, s.last - lba + 1);
            add(lba, count);
            ++runs;
            covered = lba + count;
            if (s.last - lba < stride)
                break;
        }
        // The last sector, always.
        if (covered <= s.last) {
            const uint64_t from = std::max(covered, s.last + 1 - std::min(kRunSectors, length));
            add(from, s.last - from + 1);
        }
        const uint64_t singles = std::min<uint64_t>(length, std::clamp<uint64_t>(runs / 4, 16, 4096));
        std::vector<uint64_t> drawn;
        std::uniform_int_distribution<uint64_t> pick(s.first, s.last);
        for (uint64_t i = 0; i < singles; ++i)
            drawn.push_back(pick(random));
        std::sort(drawn.begin(), drawn.end());
        for (uint64_t lba : drawn)
            add(lba, 1);
    }
}

QString EraseVerifier::ranges_Text() const
{
    QStringList parts;
    for (const Range& s : spans)
        parts << QString::number(s.first) + "-" + QString::number(s.last);
    return parts.join(", ");
}

EraseVerifier::Result EraseVerifier::read_Piece(const Piece& p,
                                                const std::function<void(uint64_t, const uint8_t*)>& onSector)
{
    const size_t bytes = size_t(p.count) * sectorSize;
    if (readBufferBytes < bytes) {
        data.resize(bytes);
        readBufferBytes = bytes;
    }
    int rc = scsi_Read_16(device, 0, false, true, false, p.lba, 0, p.count, data.data());
    if (rc == OSKN_SUCCESS) {
        for (uint32_t i = 0; i < p.count; ++i)
            onSector(p.lba + i, data.data() + size_t(i) * sectorSize);
        return Result::Sound;
    }
    if (lost(rc)) {
        lostAt = p.lba;
        return Result::DriveLost;
    }
    // Which of them does not read: one at a time.
    for (uint32_t i = 0; i < p.count; ++i) {
        rc = p.count == 1 ? rc : scsi_Read_16(device, 0, false, true, false, p.lba + i, 0, 1, data.data());
        if (lost(rc)) {
            lostAt = p.lba + i;
            return Result::DriveLost;
        }
        onSector(p.lba + i, rc == OSKN_SUCCESS ? data.data() : nullptr);
    }
    return Result::Sound;
}

EraseVerifier::Result EraseVerifier::sample_Before(const std::atomic<bool>& abort)
{
    before.assign(size_t(plannedSectors), 0);
    haveBefore = true;
    size_t index = 0;
    for (const Piece& p : pieces) {
        if (abort.load())
            return Result::Aborted;
        const Result r = read_Piece(p, [&](uint64_t, const uint8_t* sector) {
            before[index++] = sector ? sector_Hash(sector, sectorSize) : 0;
        });
        if (r != Result::Sound)
            return r;
    }
    return Result::Sound;
}

void EraseVerifier::mismatch(uint64_t lba)
{
    ++mismatchCount;
    if (namedLbas.size() < kMostNamedLbas)
        namedLbas << lba;
}

EraseVerifier::Result EraseVerifier::verify(const std::atomic<bool>& abort, const std::function<void(double)>& progress)
{
    sectorsRead = compared = mismatchCount = 0;
    namedLbas.clear();
    std::vector<uint8_t> expected(static_cast<size_t>(sectorSize));
    for (size_t i = 0; i < expected.size(); ++i)
        expected[i] = uint8_t(patternValue >> (8 * (i % 4)));
    size_t index = 0;
    if (progress)
        progress(0.0);
    for (const Piece& p : pieces) {
        if (abort.load())
            return Result::Aborted;
        const Result r = read_Piece(p, [&](uint64_t lba, const uint8_t* sector) {
            ++sectorsRead;
            const size_t at = index++;
            if (!sector) { // a sector that does not read proves nothing was erased there
                ++compared;
                mismatch(lba);
                return;
            }
            if (kind == Expect::Pattern) {
                ++compared;
                if (std::memcmp(sector, expected.data(), sectorSize) != 0)
                    mismatch(lba);
                return;
            }
            const uint32_t was = haveBefore && at < before.size() ? before[at] : 0;
            if (was == 0)
                return;
            ++compared;
            if (sector_Hash(sector, sectorSize) == was)
                mismatch(lba);
        });
        if (r != Result::Sound)
            return r;
        if (progress)
            progress(plannedSectors ? double(sectorsRead) * 100.0 / double(plannedSectors) : 100.0);
    }
    if (mismatchCount)
        return Result::Mismatch;
    return compared == 0 ? Result::NothingToCompare : Result::Sound;
}
