#pragma once

#include <QList>
#include <QtGlobal>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "deviceaccess/oskn_device.h"
#include "deviceaccess/transferbuffer.h"

// Reads back what an erase claims to have done. By default a sample of each range: its first
// and last sectors, evenly spread runs covering at least 1 % of it, and single sectors drawn
// from a seed; with full read-back, every sector. An overwrite must read its pattern; an erase
// that changes the media key (crypto, PSID revert) must read, in every sampled sector that held
// data before it, something other than what was there.
class EraseVerifier
{
public:
    enum class Expect { Pattern, Changed };
    struct Range {
        uint64_t first, last; // both included
    };
    // One read of the plan: count sectors from lba.
    struct Piece {
        uint64_t lba;
        uint32_t count;
    };
    enum class Result { Sound, Mismatch, DriveLost, Aborted, NothingToCompare };

    static constexpr uint64_t kRunSectors = 64;
    static constexpr uint64_t kRunStride = kRunSectors * 100; // one run in a hundred sectors: 1 %
    static constexpr int kMostNamedLbas = 16;
    // What the sectors' contents from before a Changed erase may take in memory.
    static constexpr uint64_t kBeforeBudgetBytes = 64ull << 20;
    // The reasons a read-back gives (keys of the drive log's catalog, as reasons.h); the mismatch
    // is followed by the LBAs.
    static constexpr const char* kMismatchReason =
        QT_TRANSLATE_NOOP("TranslateLog", "Read-back verification: sectors not erased");
    static constexpr const char* kLostReason =
        QT_TRANSLATE_NOOP("TranslateLog", "Read-back verification: the drive stopped answering");

    EraseVerifier(_tDevice* device, std::vector<Range> ranges, Expect expect, uint32_t pattern = 0);

    // The program's choice between the sample and every sector (--verifyFull).
    static void set_Full_Read_Back(bool full);
    static bool full_Read_Back();

    bool full() const { return readAll; }
    uint64_t seed() const { return seedValue; }
    void set_Seed(uint64_t s);
    Expect expect() const { return kind; }
    const std::vector<Range>& ranges() const { return spans; }
    const std::vector<Piece>& plan() const { return pieces; }
    uint64_t planned_Sectors() const { return plannedSectors; }

    // For Changed: remembers what the planned sectors hold, before the erase. Sectors that are
    // all zero or unreadable hold nothing to compare with and are not counted afterwards.
    Result sample_Before(const std::atomic<bool>& abort);

    // progress: 0..100 of the sectors read.
    Result verify(const std::atomic<bool>& abort, const std::function<void(double)>& progress);

    uint64_t sectors_Read() const { return sectorsRead; }
    uint64_t sectors_Compared() const { return compared; }
    uint64_t mismatches() const { return mismatchCount; }
    const QList<uint64_t>& mismatch_Lbas() const { return namedLbas; }
    uint64_t lost_At() const { return lostAt; }
    QString method_Name() const { return readAll ? "full" : "sample"; }
    QString ranges_Text() const;

private:
    void make_Plan(bool full);
    // Reads a piece; on a failed read, sector by sector. onSector(lba, data or nullptr).
    Result read_Piece(const Piece& p, const std::function<void(uint64_t, const uint8_t*)>& onSector);
    void mismatch(uint64_t lba);

    _tDevice* device;
    std::vector<Range> spans;
    Expect kind;
    uint32_t patternValue;
    uint32_t sectorSize;
    bool readAll;
    uint64_t seedValue = 0;
    std::vector<Piece> pieces;
    uint64_t plannedSectors = 0;
    std::vector<uint32_t> before; // per planned sector: its hash, 0 for nothing to compare
    bool haveBefore = false;

    uint64_t sectorsRead = 0;
    uint64_t compared = 0;
    uint64_t mismatchCount = 0;
    QList<uint64_t> namedLbas;
    uint64_t lostAt = 0;
    TransferBuffer data;
    size_t readBufferBytes = 0;
};
