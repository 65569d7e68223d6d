#include "readahead.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "registry.h"
#include "oskn_return.h"

namespace oskn {

namespace {

// The real clock, not the program's scalable one: it measures how long the data may have sat
// here while something else could write the drive.
uint64_t steady_Ns() { return steady_Clock_Ns(); }

// ATA commands that only read (the drive's data or its own records).
bool ata_Reads_Only(uint8_t command, uint8_t feature)
{
    switch (command) {
    case 0x20: case 0x24: case 0x25: case 0x29: case 0xC4: case 0xC8: case 0x60: // reads
    case 0x40: case 0x42:                                                       // verify
    case 0x2F: case 0x47:                                                       // READ LOG (DMA) EXT
    case 0x27: case 0xF8:                                                       // READ NATIVE MAX
    case 0xEC: case 0xA1: case 0xE5:                                            // IDENTIFY, CHECK POWER
    case 0x5C: case 0x5D:                                                       // TRUSTED RECEIVE
        return true;
    case 0xB0: // SMART READ DATA, READ THRESHOLDS, READ LOG, RETURN STATUS
        return feature == 0xD0 || feature == 0xD1 || feature == 0xD5 || feature == 0xDA;
    case 0x78: // ACCESSIBLE MAX ADDRESS CONFIGURATION: GET NATIVE MAX ADDRESS EXT
        return feature == 0x00;
    default:
        return false;
    }
}

} // namespace

bool ReadAhead::changes_Medium(const uint8_t* cdb, uint8_t length, uint64_t& lba, uint64_t& count)
{
    lba = 0;
    count = 0;
    if (!cdb || length < 6)
        return true;
    switch (cdb[0]) {
    case 0x08: case 0x28: case 0xA8: case 0x88: // READ
    case 0x2F: case 0xAF: case 0x8F:            // VERIFY
    case 0x00: case 0x03: case 0x12: case 0x1A: case 0x5A: case 0x4D: case 0x1C: // TUR, REQUEST SENSE, INQUIRY, MODE/LOG SENSE, RECEIVE DIAGNOSTIC
    case 0x25: case 0x9E: case 0xA0: case 0xA2: case 0xA3: // capacities, REPORT LUNS, SECURITY PROTOCOL IN, MAINTENANCE IN
        return false;
    case 0x2A: case 0x2E: case 0x41: // WRITE(10), WRITE AND VERIFY(10), WRITE SAME(10)
        if (length < 10)
            return true;
        lba = get_Be32(cdb + 2);
        count = get_Be16(cdb + 7);
        return true;
    case 0x8A: case 0x8E: case 0x93: // WRITE(16), WRITE AND VERIFY(16), WRITE SAME(16)
        if (length < 16)
            return true;
        lba = get_Be64(cdb + 2);
        count = get_Be32(cdb + 10);
        return true;
    case 0x85: // ATA PASS-THROUGH(16): command in byte 14, feature (7:0) in byte 4
        return length < 16 || !ata_Reads_Only(cdb[14], cdb[4]);
    case 0xA1: // ATA PASS-THROUGH(12)
        return length < 12 || !ata_Reads_Only(cdb[9], cdb[3]);
    default:
        return true;
    }
}

void ReadAhead::medium_Changed(uint64_t lba, uint64_t count)
{
    if (count == 0) {
        drop(current_);
        drop_Ahead(0);
        failStart_ = failEnd_ = 0;
        return;
    }
    if (current_.pieces && lba < current_.end && lba + count > current_.start)
        drop(current_);
    for (size_t i = 0; i < ahead_.size(); ++i)
        if (lba < ahead_[i].end && lba + count > ahead_[i].start) {
            drop_Ahead(i); // and the ones after it: the windows ahead follow one another
            break;
        }
}

void ReadAhead::retire(Window& w)
{
    w.pieces.reset();
    if (!w.buffer.empty())
        spare_.push_back(std::move(w.buffer));
}

void ReadAhead::drop_Ahead(size_t from)
{
    while (ahead_.size() > from) {
        retire(ahead_.back());
        ahead_.pop_back();
    }
}

void ReadAhead::forget_Windows()
{
    drop(current_);
    current_.buffer.release();
    drop_Ahead(0);
    spare_.clear();
}

int ReadAhead::direct(const Call& call, const MediumRead& medium)
{
    return medium(call.lba, call.count, call.data);
}

ReadAhead::Plan ReadAhead::plan(uint64_t lba, uint32_t callCount, const Geometry& drive) const
{
    // Whole calls of this size, up to the max LBA, short of a span known to fail, in pieces the
    // system passes in one command, as much as the drive delivers in kWindowTimeNs (but at
    // least kMinCallsPerWindow calls).
    Plan p;
    uint64_t piece = std::min<uint64_t>(drive.transferLimit ? drive.transferLimit : kWindowBytes, refusedLimit_);
    const uint64_t limit = std::min<uint64_t>(kWindowBytes, piece * kPieces);
    uint64_t wanted = limit;
    if (rate_ > 0)
        wanted = std::min<uint64_t>(limit, std::max<uint64_t>(uint64_t(rate_ * double(kWindowTimeNs) / 1e9),
                                                              uint64_t(callCount) * kMinCallsPerWindow * drive.sectorSize));
    p.sectors = wanted / drive.sectorSize / callCount * callCount;
    if (drive.maxLba < lba + p.sectors)
        p.sectors = drive.maxLba + 1 - lba; // to the end of the drive: the last call fits
    if (lba < failStart_ && lba + p.sectors > failStart_)
        p.sectors = (failStart_ - lba) / callCount * callCount;
    if (drive.overlaps && !drive.transferLimit)
        piece = std::min<uint64_t>(piece, kOverlapPieceBytes);
    p.pieceSectors = std::max<uint64_t>(piece / drive.sectorSize, 1);
    p.bufferBytes = size_t(limit); // limit >= the window: one allocation serves the stream
    return p;
}

void ReadAhead::begin(Window& w, uint64_t lba, const Plan& p, const Geometry& drive, const WindowStart& start)
{
    const size_t bytes = size_t(p.sectors) * drive.sectorSize;
    if (w.buffer.size() < bytes && !spare_.empty()) {
        w.buffer = std::move(spare_.back());
        spare_.pop_back();
    }
    if (w.buffer.size() < bytes)
        w.buffer.resize(std::max(bytes, p.bufferBytes));
    w.start = lba;
    w.end = lba + p.sectors;
    w.pieceSectors = p.pieceSectors;
    w.sectorSize = drive.sectorSize;
    w.rcs.clear();
    w.arrived.clear();
    w.askedAt = steady_Ns();
    w.pieces = start(lba, uint32_t(p.sectors), w.buffer.data(), uint32_t(p.pieceSectors));
}

bool ReadAhead::wait_Next(Window& w)
{
    uint64_t arrived = 0;
    const int rc = w.pieces->wait(w.rcs.size(), arrived);
    w.rcs.push_back(rc);
    w.arrived.push_back(arrived);
    return rc == OSKN_SUCCESS;
}

void ReadAhead::failed(Window& w)
{
    while (w.rcs.size() < w.count())
        wait_Next(w);
    size_t first = w.rcs.size(), last = 0;
    for (size_t i = 0; i < w.rcs.size(); ++i)
        if (w.rcs[i] != OSKN_SUCCESS) {
            first = std::min(first, i);
            last = i;
        }
    failStart_ = w.start + first * w.pieceSectors;
    failEnd_ = std::min(w.start + (last + 1) * w.pieceSectors, w.end);
    // The command refused as it was (not the medium, not a drive gone): maybe its size, but
    // not when pieces of this size read and only those over one spot failed.
    const int rc = w.rcs[first];
    const bool somePieceRead = failStart_ - w.start >= w.pieceSectors || w.end - failEnd_ >= w.pieceSectors;
    if ((rc == OSKN_FAILURE || rc == OSKN_OS_PASSTHROUGH_FAILURE || rc == OSKN_INCOMPLETE) && !somePieceRead)
        refusedLimit_ = uint32_t(std::max<uint64_t>(w.pieceSectors * w.sectorSize / 2, 1));
}

ReadAhead::Served ReadAhead::serve(Window& w, const Call& call)
{
    const uint64_t end = call.lba + call.count;
    const size_t lastPiece = size_t((end - 1 - w.start) / w.pieceSectors);
    while (w.rcs.size() <= lastPiece) {
        if (!wait_Next(w)) {
            failed(w);
            break;
        }
        if (w.rcs.size() == w.count()) {
            // The drive's speed, from the time between the first piece's arrival and the last's
            // where the pieces came one after another, else from when the window was asked for.
            const uint64_t firstBytes = std::min(w.pieceSectors, w.end - w.start) * w.sectorSize;
            const uint64_t bytes = (w.end - w.start) * w.sectorSize;
            double measured = 0;
            if (w.arrived.back() > w.arrived.front())
                measured = double(bytes - firstBytes) * 1e9 / double(w.arrived.back() - w.arrived.front());
            else if (w.arrived.back() > w.askedAt)
                measured = double(bytes) * 1e9 / double(w.arrived.back() - w.askedAt);
            if (measured > 0)
                rate_ = std::max(measured, rate_ / 2);
        }
    }
    if (call.lba < failEnd_ && end > failStart_)
        return Served::Failed;
    // Data ages from when its piece arrived: on a slow drive a window's read alone may take
    // longer than its lifetime.
    if (steady_Ns() - w.arrived[size_t((call.lba - w.start) / w.pieceSectors)] > kLifetimeNs)
        return Served::Expired;
    std::memcpy(call.data, w.buffer.data() + (call.lba - w.start) * w.sectorSize, size_t(call.count) * w.sectorSize);
    return Served::Yes;
}

void ReadAhead::read_Ahead(uint32_t callCount, const Geometry& drive, const WindowStart& start)
{
    if (!drive.overlaps || !current_.pieces)
        return;
    for (;;) {
        const Window& last = ahead_.empty() ? current_ : ahead_.back();
        const uint64_t queuedBytes = (last.end - current_.start) * drive.sectorSize;
        const bool enough = !ahead_.empty() && (ahead_.size() >= kMaxAheadWindows || rate_ <= 0 ||
                                                double(queuedBytes) >= rate_ * double(kLeadNs) / 1e9);
        if (enough || last.end > drive.maxLba)
            return;
        const Plan p = plan(last.end, callCount, drive);
        if (p.sectors < uint64_t(callCount) * kMinCallsPerWindow)
            return;
        ahead_.emplace_back();
        begin(ahead_.back(), last.end, p, drive, start);
    }
}

int ReadAhead::read(const Call& call, const Geometry& drive, const MediumRead& medium, const WindowStart& start)
{
    const std::thread::id self = std::this_thread::get_id();
    const bool sequential = call.lba == next_ && self == reader_;
    // The stream's own exact reads and single-sector re-reads of a failed piece keep the
    // windows for the calls after the piece.
    const bool inFailedPiece = current_.pieces && self == reader_ && call.lba >= failStart_ &&
                               call.lba + call.count <= failEnd_ && failStart_ >= current_.start &&
                               failEnd_ <= current_.end;
    next_ = call.lba + call.count;
    reader_ = self;
    if (inFailedPiece)
        return direct(call, medium);
    if (!sequential || !call.plain || call.count < 2) {
        // Random reads, re-reads of single sectors and the start of a stream go as they are.
        forget_Windows();
        return direct(call, medium);
    }

    const uint64_t end = call.lba + call.count;
    const bool failing = call.lba < failEnd_ && end > failStart_;
    if (!current_.has(call.lba, end) && !ahead_.empty() && ahead_.front().has(call.lba, end)) {
        // The calls have reached the windows read ahead: the drive gets the next one before
        // this call waits, so that it has work while this thread sleeps and wakes.
        retire(current_);
        current_ = std::move(ahead_.front());
        ahead_.pop_front();
        read_Ahead(call.count, drive, start);
    }
    if (current_.has(call.lba, end)) {
        if (failing) // the window's pieces that came stay good for the calls after these
            return direct(call, medium);
        switch (serve(current_, call)) {
        case Served::Yes:
            return OSKN_SUCCESS;
        case Served::Failed:
            return direct(call, medium);
        case Served::Expired:
            break;
        }
    }
    drop(current_);
    drop_Ahead(0);
    if (failing)
        return direct(call, medium);

    // A new window from this call on.
    const Plan p = plan(call.lba, call.count, drive);
    if (p.sectors < uint64_t(call.count) * kMinCallsPerWindow)
        return direct(call, medium);
    begin(current_, call.lba, p, drive, start);
    read_Ahead(call.count, drive, start);
    return serve(current_, call) == Served::Yes ? OSKN_SUCCESS : direct(call, medium);
}

namespace {

// A window's READs as the channel took them. Constructed under the drive's lock: it hands the
// commands to the channel.
class ScsiPieces final : public ReadAhead::Pieces {
public:
    ScsiPieces(std::shared_ptr<DeviceChannel> channel, std::vector<Cdb> cdbs, std::vector<ScsiCommand> commands)
        : channel_(std::move(channel)), cdbs_(std::move(cdbs)), commands_(std::move(commands)),
          flight_(channel_->start_All(commands_.data(), commands_.size()))
    {
    }
    int wait(size_t i, uint64_t& arrivedNs) override
    {
        const TransportResult delivered = flight_->wait(i, arrivedNs);
        const ScsiCommand& c = commands_[i];
        return map_Command_Result(delivered, c,
                                  parse_Sense(c.sense, std::min<uint32_t>(c.senseLength, sizeof c.sense)), false);
    }

private:
    std::shared_ptr<DeviceChannel> channel_; // outlives flight_
    std::vector<Cdb> cdbs_;                  // the commands point into it (a move keeps its elements)
    std::vector<ScsiCommand> commands_;
    std::unique_ptr<InFlight> flight_;
};

} // namespace

std::unique_ptr<ReadAhead::Pieces> start_Read_Pieces(Drive& drive, uint64_t lba, uint32_t count, uint8_t* data,
                                                     uint32_t sectorSize, uint32_t pieceSectors)
{
    if (!drive.channel)
        return std::make_unique<AnsweredPieces>(OSKN_DEVICE_GONE, steady_Ns());
    const size_t n = (count + pieceSectors - 1) / pieceSectors;
    std::vector<Cdb> cdbs(n);
    std::vector<ScsiCommand> commands(n);
    for (size_t i = 0; i < n; ++i) {
        const uint64_t at = lba + uint64_t(i) * pieceSectors;
        const uint32_t length = uint32_t(std::min<uint64_t>(pieceSectors, lba + count - at));
        const bool fits10 = at + length <= 0x100000000ull && length <= 0xFFFF;
        cdbs[i] = drive.tenByteCommands && fits10
                      ? cdb::read_10(0, false, false, false, uint32_t(at), uint16_t(length), 0)
                      : cdb::read_16(0, false, false, false, at, length, 0);
        ScsiCommand& c = commands[i];
        c.cdb = cdbs[i].bytes;
        c.cdbLength = cdbs[i].length;
        c.direction = DataDirection::In;
        c.data = data + (at - lba) * sectorSize;
        c.dataLength = length * sectorSize;
        c.timeoutSeconds = TimeoutLong;
    }
    std::lock_guard<std::recursive_mutex> guard(drive.state->lock);
    return std::make_unique<ScsiPieces>(drive.channel, std::move(cdbs), std::move(commands));
}

} // namespace oskn
