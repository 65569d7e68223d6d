#include "readahead.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "device.h"
#include "oskn_return.h"

namespace oskn {

namespace {

uint64_t steady_Ns()
{
    // The real clock, not the program's scalable one: it measures how long the data may have
    // sat here while something else could write the drive.
    return uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count());
}

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
        valid_ = false;
        failStart_ = failEnd_ = 0;
        return;
    }
    if (valid_ && lba < end_ && lba + count > start_)
        valid_ = false;
}

void ReadAhead::forget_Window()
{
    valid_ = false;
    buffer_.release();
}

int ReadAhead::direct(const Call& call, const MediumRead& medium)
{
    return medium(call.lba, call.count, call.data);
}

int ReadAhead::read(const Call& call, const Geometry& drive, const MediumRead& medium, const WindowRead& window)
{
    const std::thread::id self = std::this_thread::get_id();
    const bool sequential = call.lba == next_ && self == reader_;
    // The stream's own exact reads and single-sector re-reads of a failed piece keep the
    // window for the calls after the piece.
    const bool inFailedPiece = valid_ && self == reader_ && call.lba >= failStart_ &&
                               call.lba + call.count <= failEnd_ && failStart_ >= start_ && failEnd_ <= end_;
    next_ = call.lba + call.count;
    reader_ = self;
    if (inFailedPiece)
        return direct(call, medium);
    if (!sequential || !call.plain || call.count < 2) {
        // Random reads, re-reads of single sectors and the start of a stream go as they are.
        forget_Window();
        return direct(call, medium);
    }

    const uint64_t now = steady_Ns();
    const uint64_t end = call.lba + call.count;
    const bool failing = call.lba < failEnd_ && end > failStart_;
    if (valid_ && now - readAt_ <= kLifetimeNs && call.lba >= start_ && end <= end_) {
        if (failing) // the window's pieces that came stay good for the calls after these
            return direct(call, medium);
        std::memcpy(call.data, buffer_.data() + (call.lba - start_) * drive.sectorSize,
                    size_t(call.count) * drive.sectorSize);
        return OSKN_SUCCESS;
    }
    valid_ = false;
    if (failing)
        return direct(call, medium);

    // A new window from this call on: whole calls of this size, up to the max LBA, short of a
    // span known to fail, in pieces the system passes in one command, as much as the drive
    // delivers in kWindowTimeNs (but at least kMinCallsPerWindow calls).
    const uint64_t piece = std::min<uint64_t>(drive.transferLimit ? drive.transferLimit : kWindowBytes, refusedLimit_);
    const uint64_t limit = std::min<uint64_t>(kWindowBytes, piece * kPieces);
    uint64_t wanted = limit;
    if (rate_ > 0)
        wanted = std::min<uint64_t>(limit, std::max<uint64_t>(uint64_t(rate_ * double(kWindowTimeNs) / 1e9),
                                                              uint64_t(call.count) * kMinCallsPerWindow * drive.sectorSize));
    uint64_t sectors = wanted / drive.sectorSize / call.count * call.count;
    if (drive.maxLba < call.lba + sectors)
        sectors = drive.maxLba + 1 - call.lba; // to the end of the drive: the last call fits
    if (call.lba < failStart_ && call.lba + sectors > failStart_)
        sectors = (failStart_ - call.lba) / call.count * call.count;
    if (sectors < uint64_t(call.count) * kMinCallsPerWindow)
        return direct(call, medium);

    const size_t bytes = size_t(sectors) * drive.sectorSize;
    if (buffer_.size() < bytes)
        buffer_.resize(size_t(limit)); // limit >= bytes: one allocation serves the stream
    uint64_t failStart = 0, failEnd = 0;
    const uint64_t pieceSectors = std::max<uint64_t>(piece / drive.sectorSize, 1);
    const int rc = window(call.lba, uint32_t(sectors), buffer_.data(), uint32_t(pieceSectors), failStart, failEnd);
    // The window ages from when its data arrived: on a slow drive its read alone may take
    // longer than its lifetime.
    const uint64_t arrived = steady_Ns();
    valid_ = true;
    start_ = call.lba;
    end_ = call.lba + sectors;
    readAt_ = arrived;
    if (rc == OSKN_SUCCESS && arrived > now)
        rate_ = std::max(double(bytes) * 1e9 / double(arrived - now), rate_ / 2);
    if (rc != OSKN_SUCCESS) {
        failStart_ = failStart;
        failEnd_ = failEnd;
        // The command refused as it was (not the medium, not a drive gone): maybe its size, but
        // not when pieces of this size read and only those over one spot failed.
        const bool somePieceRead = failStart - call.lba >= pieceSectors || call.lba + sectors - failEnd >= pieceSectors;
        if ((rc == OSKN_FAILURE || rc == OSKN_OS_PASSTHROUGH_FAILURE || rc == OSKN_INCOMPLETE) && !somePieceRead)
            refusedLimit_ = uint32_t(std::max<uint64_t>(piece / 2, 1));
        if (call.lba < failEnd_ && end > failStart_)
            return direct(call, medium);
    }
    std::memcpy(call.data, buffer_.data(), size_t(call.count) * drive.sectorSize);
    return OSKN_SUCCESS;
}

int read_In_Pieces(Drive& drive, uint64_t lba, uint32_t count, uint8_t* data, uint32_t sectorSize,
                   uint32_t pieceSectors, uint64_t& failStart, uint64_t& failEnd)
{
    failStart = lba;
    failEnd = lba + count;
    if (!drive.channel)
        return OSKN_DEVICE_GONE;
    const size_t n = (count + pieceSectors - 1) / pieceSectors;
    std::vector<Cdb> cdbs(n);
    std::vector<ScsiCommand> commands(n);
    std::vector<TransportResult> results(n);
    for (size_t i = 0; i < n; ++i) {
        const uint64_t at = lba + uint64_t(i) * pieceSectors;
        const uint32_t length = uint32_t(std::min<uint64_t>(pieceSectors, lba + count - at));
        const bool fits10 = at + length <= 0x100000000ull && length <= 0xFFFF;
        cdbs[i] = drive.tenByteCommands && fits10 ? cdb::read_10(0, false, false, false, uint32_t(at), uint16_t(length), 0)
                                                  : cdb::read_16(0, false, false, false, at, length, 0);
        ScsiCommand& c = commands[i];
        c.cdb = cdbs[i].bytes;
        c.cdbLength = cdbs[i].length;
        c.direction = DataDirection::In;
        c.data = data + (at - lba) * sectorSize;
        c.dataLength = length * sectorSize;
        c.timeoutSeconds = TimeoutLong;
    }
    {
        std::lock_guard<std::recursive_mutex> guard(drive.state->lock);
        drive.channel->execute_All(commands.data(), n, results.data());
    }
    int first = OSKN_SUCCESS;
    for (size_t i = 0; i < n; ++i) {
        const ScsiCommand& c = commands[i];
        const int rc = map_Command_Result(results[i], c, parse_Sense(c.sense, std::min<uint32_t>(c.senseLength, sizeof c.sense)),
                                          false);
        if (rc == OSKN_SUCCESS)
            continue;
        const uint64_t at = lba + uint64_t(i) * pieceSectors;
        if (first == OSKN_SUCCESS)
            failStart = at;
        failEnd = std::min<uint64_t>(at + pieceSectors, lba + count);
        if (first == OSKN_SUCCESS)
            first = rc;
    }
    return first;
}

} // namespace oskn
