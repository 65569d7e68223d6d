// Read-ahead of one drive: a read that continues where the previous read of the drive ended is
// served from one larger aligned command (the window), so that a scan's 64-sector calls run at
// the drive's own speed. Nothing else changes for the caller:
// - every sector handed out was read from the medium by a command of the same call stream
//   (same thread, each call starting where the previous one ended) that completed at most
//   kLifetimeNs ago, with no command since that may have changed it (see medium_Changed);
// - a window that fails is not trusted: the calls over its failed pieces go to the drive
//   exactly as asked, so an error comes back from the very call covering it, with the drive's own sense
//   and return code; a single-sector, flagged or non-sequential call always goes as it is.
// Where the channel lets the drive work on commands while the caller goes on, a call is served
// as soon as the piece holding it has come, and the next window is already asked for while the
// calls of this one are served, so that the drive does not wait for the caller.
// All calls are made under the drive's command lock, which guards the state below.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "transferbuffer.h"

namespace oskn {

class ReadAhead {
public:
    // Reads count sectors at lba from the drive into data, as one command; a return code.
    using MediumRead = std::function<int(uint64_t lba, uint32_t count, uint8_t* data)>;

    // A window's pieces as sent: runs of pieceSectors from its start (the last may be shorter).
    class Pieces {
    public:
        virtual ~Pieces() = default;
        // Waits for piece i, once each, in order: its return code, and when its data arrived
        // (steady clock, ns).
        virtual int wait(size_t i, uint64_t& arrivedNs) = 0;
    };
    // Sends a window's reads: commands of at most pieceSectors each, all at once.
    using WindowStart =
        std::function<std::unique_ptr<Pieces>(uint64_t lba, uint32_t count, uint8_t* data, uint32_t pieceSectors)>;

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
        bool overlaps = false;      // the drive works on a window while its calls are served
    };

    // Bounds of a window. 4 MiB amortises a command's cost on any drive without keeping much
    // memory per drive; where the system passes less in one command the window is read in
    // pieces the channel may have in flight together (as the kernel splits and queues a large
    // read of its own), many of them, so that the drive seldom waits for the next window. A
    // window must hold at least four calls to be worth it.
    static constexpr uint32_t kWindowBytes = 4u << 20;
    static constexpr uint32_t kPieces = 32;
    static constexpr uint32_t kMinCallsPerWindow = 4;
    // Where the drive overlaps and the system names no limit, a window still goes in pieces
    // this large: its first calls need not wait for the whole window, and a piece is still
    // large enough for its command's cost not to show.
    static constexpr uint32_t kOverlapPieceBytes = 1u << 20;
    // How far ahead of the calls such a drive is kept busy: while the calling thread waits for
    // a processor the drive still has this much of its own time queued (a loaded machine holds
    // a thread back for milliseconds). A slow drive's one window covers it; a fast one's takes
    // several, at most kMaxAheadWindows (each a window's memory).
    static constexpr uint64_t kLeadNs = 20000000ull;
    static constexpr uint32_t kMaxAheadWindows = 7;
    // The drive may be written by something that is not this library (another program, a
    // bridge's own cache): data that arrived longer ago than this is read again. A window is
    // sized to what the drive delivers in kWindowTimeNs, so that even a slow USB stick's calls
    // use it up well within its lifetime (and a slow drive is not kept waiting for data the
    // caller will not reach in time).
    static constexpr uint64_t kLifetimeNs = 1000000000ull;
    static constexpr uint64_t kWindowTimeNs = kLifetimeNs / 2;

    int read(const Call& call, const Geometry& drive, const MediumRead& medium, const WindowStart& start);

    // A command was sent that may have changed the medium (count 0: anywhere, or the drive's
    // size): every window over it is forgotten.
    void medium_Changed(uint64_t lba, uint64_t count);

    // Whether the command (a CDB as sent) may change the medium, and where (count 0: anywhere).
    // Only commands known to read leave the windows alone.
    static bool changes_Medium(const uint8_t* cdb, uint8_t length, uint64_t& lba, uint64_t& count);

private:
    struct Window {
        TransferBuffer buffer; // kept while the stream goes on: reallocating per window costs more
        std::unique_ptr<Pieces> pieces; // null: no window
        uint64_t start = 0, end = 0;    // sectors, [start, end)
        uint64_t pieceSectors = 1;
        uint32_t sectorSize = 512;
        uint64_t askedAt = 0;           // steady clock, ns
        std::vector<int> rcs;           // of the pieces that came, in order
        std::vector<uint64_t> arrived;  // steady clock, ns, per piece that came
        bool has(uint64_t lba, uint64_t end_) const { return pieces && lba >= start && end_ <= end; }
        size_t count() const { return size_t((end - start + pieceSectors - 1) / pieceSectors); }
    };
    struct Plan {
        uint64_t sectors = 0, pieceSectors = 1;
        size_t bufferBytes = 0;
    };
    enum class Served { Yes, Failed, Expired };

    int direct(const Call& call, const MediumRead& medium);
    void forget_Windows();
    static void drop(Window& w) { w.pieces.reset(); }
    Plan plan(uint64_t lba, uint32_t callCount, const Geometry& drive) const;
    void begin(Window& w, uint64_t lba, const Plan& p, const Geometry& drive, const WindowStart& start);
    bool wait_Next(Window& w);
    void failed(Window& w);
    Served serve(Window& w, const Call& call);
    void read_Ahead(uint32_t callCount, const Geometry& drive, const WindowStart& start);
    void retire(Window& w);
    void drop_Ahead(size_t from);

    Window current_;
    std::deque<Window> ahead_;          // in flight after current_, each where the one before ends
    std::vector<TransferBuffer> spare_; // buffers of windows the calls have left
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

// Pieces that all answered already, with one return code (a window read as one command).
class AnsweredPieces final : public ReadAhead::Pieces {
public:
    AnsweredPieces(int rc, uint64_t arrivedNs) : rc_(rc), arrivedNs_(arrivedNs) {}
    int wait(size_t, uint64_t& arrivedNs) override
    {
        arrivedNs = arrivedNs_;
        return rc_;
    }

private:
    int rc_;
    uint64_t arrivedNs_;
};

struct Drive;
// A window read for ReadAhead: plain READs of at most pieceSectors each, handed to the
// channel together under the drive's lock.
std::unique_ptr<ReadAhead::Pieces> start_Read_Pieces(Drive& drive, uint64_t lba, uint32_t count, uint8_t* data,
                                                     uint32_t sectorSize, uint32_t pieceSectors);

} // namespace oskn
