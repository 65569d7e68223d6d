// Read-ahead of one drive: a read that continues where the previous read of the drive ended is
// served from one larger aligned command (the window), so that a scan's 64-sector calls run at
// the drive's own speed. Nothing else changes for the caller:
// - every sector handed out was read from the medium by a command of the same call stream
//   (same thread, each call starting where the previous one ended) that completed at most
//   kLifetimeNs ago, with no command since that may have changed it (see medium_Changed);
// - a window that fails is not trusted: the calls over its failed pieces go to the drive
//   exactly as asked, so an error comes back from the very call covering it, with the drive's own sense
//   and return code; a single-sector, flagged or non-sequential call always goes as it is.
// All calls are made under the drive's command lock, which guards the state below.
#pragma once

#include <cstdint>
#include <functional>
#include <thread>

#include "transferbuffer.h"

namespace oskn {

class ReadAhead {
public:
    // Reads count sectors at lba from the drive into data, as one command; a return code.
    using MediumRead = std::function<int(uint64_t lba, uint32_t count, uint8_t* data)>;
    // Reads a window: commands of at most pieceSectors each, all sent at once. On a failure,
    // [failStart, failEnd) covers the pieces that failed; the others hold the drive's data.
    using WindowRead = std::function<int(uint64_t lba, uint32_t count, uint8_t* data, uint32_t pieceSectors,
                                         uint64_t& failStart, uint64_t& failEnd)>;

    struct Call {
        uint64_t lba = 0;
        uint32_t count = 0;
        uint8_t* data = nullptr;
        bool plain = false; // no protection, DPO, FUA, RARC or group: what a window read sends
    };
    struct Geometry {
        uint32_t sectorSize = 512;
        uint64_t maxLba = 0;        // no window reads past it
        uint32_t transferLimit = 0; // bytes the system passes in one command; 0 = not known
    };

    // Bounds of a window. 4 MiB amortises a command's cost on any drive without keeping much
    // memory per drive; where the system passes less in one command the window is read in
    // pieces the channel may have in flight together (as the kernel splits and queues a large
    // read of its own), many of them, so that the drive seldom waits for the next window. A
    // window must hold at least four calls to be worth it.
    static constexpr uint32_t kWindowBytes = 4u << 20;
    static constexpr uint32_t kPieces = 32;
    static constexpr uint32_t kMinCallsPerWindow = 4;
    // The drive may be written by something that is not this library (another program, a
    // bridge's own cache): data that arrived longer ago than this is read again. A window is
    // sized to what the drive delivers in kWindowTimeNs, so that even a slow USB stick's calls
    // use it up well within its lifetime (and a slow drive is not kept waiting for data the
    // caller will not reach in time).
    static constexpr uint64_t kLifetimeNs = 1000000000ull;
    static constexpr uint64_t kWindowTimeNs = kLifetimeNs / 2;

    int read(const Call& call, const Geometry& drive, const MediumRead& medium, const WindowRead& window);

    // A command was sent that may have changed the medium (count 0: anywhere, or the drive's
    // size): every window over it is forgotten.
    void medium_Changed(uint64_t lba, uint64_t count);

    // Whether the command (a CDB as sent) may change the medium, and where (count 0: anywhere).
    // Only commands known to read leave the windows alone.
    static bool changes_Medium(const uint8_t* cdb, uint8_t length, uint64_t& lba, uint64_t& count);

private:
    int direct(const Call& call, const MediumRead& medium);
    void forget_Window();

    TransferBuffer buffer_; // kept while the stream goes on: reallocating per window costs more
    bool valid_ = false;
    uint64_t start_ = 0, end_ = 0; // sectors of the window, [start_, end_)
    uint64_t readAt_ = 0;          // steady clock, ns, when the window's data arrived
    // Bytes per second the drive delivered in its recent windows (0: not known yet). A slower
    // window halves it at most, so that one stall of the system does not shrink every window.
    double rate_ = 0;

    uint64_t next_ = UINT64_MAX; // where the previous read ended
    std::thread::id reader_;

    // The failed pieces of the last window that failed: they hold an error (or the drive refuses
    // that size), so their calls go to the drive exactly.
    uint64_t failStart_ = 0, failEnd_ = 0;
    // Lowered each time the drive or the system refuses a window for a reason other than the
    // medium (a bridge or controller that takes less than the system says): bytes per piece.
    uint32_t refusedLimit_ = UINT32_MAX;
};

struct Drive;
// A window read for ReadAhead: plain READs of at most pieceSectors each, handed to the
// channel together under the drive's lock. The first failure's return code, or success.
int read_In_Pieces(Drive& drive, uint64_t lba, uint32_t count, uint8_t* data, uint32_t sectorSize,
                   uint32_t pieceSectors, uint64_t& failStart, uint64_t& failEnd);

} // namespace oskn
