// kv-systemcheck: drives the device-access library inside the system test's virtual machine, on
// the kernel's real SCSI and libata layers. Every command the library sends is recorded on its way
// to SG_IO, so the checks can see what reached the kernel and what came back.
//
//   kv-systemcheck pattern LBA COUNT SECTOR SEED     the test pattern, to standard output
//   kv-systemcheck write DEV LBA COUNT SEED FUA      the pattern written with WRITE(16)
//   kv-systemcheck read DEV LBA COUNT FUA            READ(16) data to standard output
//   kv-systemcheck past-end DEV                      reads beyond the max LBA
//   kv-systemcheck scan DEV                          the long generic test's reads over the disk
//   kv-systemcheck read-all DEV                      the whole disk in 64-sector reads, nothing else
//   kv-systemcheck read-calls DEV LBA COUNT          a span in 64-sector reads, data to standard output
//   kv-systemcheck now                               the monotonic clock, in nanoseconds
//   kv-systemcheck self-test DEV                     short self-test, followed to its end
//   kv-systemcheck write-same DEV LBA COUNT          support check, then the write same itself
//   kv-systemcheck security DEV                      supported security protocols query
//   kv-systemcheck erase DEV METHOD                  an erase of the whole drive: crypto, overwrite-sanitize,
//                                                    block-sanitize, zeroes (write same) or overwrite (writes)
//
// It sends real commands to real device nodes, so it runs only inside the test's virtual machine
// (whose initramfs holds /kv-system-vm). DEV is the drive's device node (/dev/sdb). Results are "key=value" lines; the exit status is
// 0 when the command ran (the values say how it went), 2 for bad usage or a drive not found.
#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <time.h>
#include <unistd.h>

#include "core/registry.h"
#include "core/readahead.h"
#include "linux/linux_transport.h"
#include "deviceaccess/oskn_operations.h"
#include "deviceaccess/oskn_public.h"
#include "deviceaccess/oskn_tcg.h"
#include "deviceaccess/transferbuffer.h"

namespace {

struct Recorded {
    uint8_t cdb[16] = {};
    uint8_t cdbLength = 0;
    oskn::TransportResult delivered = oskn::TransportResult::Delivered;
    uint8_t scsiStatus = 0;
    uint8_t sense[32] = {};
    uint32_t senseLength = 0;
    uintptr_t bufferOffset = 0; // the data buffer's address modulo 4096
    uint64_t doneNs = 0;        // when it came back, on the monotonic clock
};

uint64_t monotonic_Ns()
{
    timespec now;
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return uint64_t(now.tv_sec) * 1000000000ull + uint64_t(now.tv_nsec);
}

std::mutex g_recordMutex;
std::vector<Recorded> g_recorded;

class RecordingChannel : public oskn::DeviceChannel {
public:
    explicit RecordingChannel(std::shared_ptr<oskn::DeviceChannel> inner) : inner_(std::move(inner)) {}
    oskn::TransportResult execute(oskn::ScsiCommand& command) override
    {
        const oskn::TransportResult result = inner_->execute(command);
        record(command, result);
        return result;
    }
    void execute_All(oskn::ScsiCommand* commands, size_t count, oskn::TransportResult* results) override
    {
        inner_->execute_All(commands, count, results);
        for (size_t i = 0; i < count; ++i)
            record(commands[i], results[i]);
    }
    uint32_t max_Transfer_Bytes() const override { return inner_->max_Transfer_Bytes(); }
    // NVMe and block-only drives pass through unrecorded: the recorded checks are the SCSI ones.
    oskn::TransportResult execute_Nvme(oskn::NvmeCommand& command) override { return inner_->execute_Nvme(command); }
    void execute_Nvme_All(oskn::NvmeCommand* commands, size_t count, oskn::TransportResult* results) override
    {
        inner_->execute_Nvme_All(commands, count, results);
    }
    oskn::TransportResult execute_Block(oskn::BlockCommand& command) override { return inner_->execute_Block(command); }

private:
    static void record(const oskn::ScsiCommand& command, oskn::TransportResult result)
    {
        Recorded r;
        r.cdbLength = std::min<uint8_t>(command.cdbLength, sizeof r.cdb);
        std::memcpy(r.cdb, command.cdb, r.cdbLength);
        r.delivered = result;
        r.scsiStatus = command.scsiStatus;
        r.senseLength = std::min<uint32_t>(command.senseLength, sizeof r.sense);
        std::memcpy(r.sense, command.sense, r.senseLength);
        r.bufferOffset = reinterpret_cast<uintptr_t>(command.data) % 4096;
        r.doneNs = monotonic_Ns();
        std::lock_guard<std::mutex> guard(g_recordMutex);
        g_recorded.push_back(r);
    }

    std::shared_ptr<oskn::DeviceChannel> inner_;
};

// The machine's drives as the linux transport lists them, only the one asked for (so each run
// does not enumerate them all again), with recording channels.
class RecordingTransport : public oskn::Transport {
public:
    explicit RecordingTransport(std::string only)
        : inner_(oskn::make_Linux_Transport("/sys", "/dev")), only_(std::move(only))
    {
    }
    std::vector<oskn::DeviceEntry> enumerate() override
    {
        std::vector<oskn::DeviceEntry> entries = inner_->enumerate();
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                                     [this](const oskn::DeviceEntry& e) { return e.path != only_; }),
                      entries.end());
        for (oskn::DeviceEntry& e : entries) {
            auto& wrapped = wrapped_[e.path];
            if (!wrapped)
                wrapped = std::make_shared<RecordingChannel>(e.channel);
            e.channel = wrapped;
        }
        return entries;
    }

private:
    std::unique_ptr<oskn::Transport> inner_;
    std::string only_;
    std::map<std::string, std::shared_ptr<oskn::DeviceChannel>> wrapped_;
};

std::vector<Recorded> take_Recorded()
{
    std::lock_guard<std::mutex> guard(g_recordMutex);
    std::vector<Recorded> out;
    out.swap(g_recorded);
    return out;
}

// Each sector different and each run different (seed), so a misplaced or stale sector shows.
uint8_t pattern_Byte(uint64_t lba, uint32_t offset, uint32_t seed)
{
    uint64_t x = (lba + 1) * 0x9E3779B97F4A7C15ull ^ (uint64_t(seed) << 32) ^ (offset / 8);
    x ^= x >> 29;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 32;
    return uint8_t(x >> (8 * (offset % 8)));
}

std::vector<uint8_t> make_Pattern(uint64_t lba, uint32_t count, uint32_t sectorSize, uint32_t seed)
{
    std::vector<uint8_t> data(size_t(count) * sectorSize);
    for (uint32_t s = 0; s < count; ++s)
        for (uint32_t i = 0; i < sectorSize; ++i)
            data[size_t(s) * sectorSize + i] = pattern_Byte(lba + s, i, seed);
    return data;
}

bool write_All(const uint8_t* data, size_t length)
{
    while (length) {
        const ssize_t n = ::write(STDOUT_FILENO, data, length);
        if (n <= 0)
            return false;
        data += n;
        length -= size_t(n);
    }
    return true;
}

uint64_t number(const char* text)
{
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 0);
    if (!end || *end || !*text) {
        std::fprintf(stderr, "kv-systemcheck: not a number: %s\n", text);
        std::exit(2);
    }
    return value;
}

class Drives {
public:
    explicit Drives(const std::string& path)
    {
        oskn::Registry::instance().set_Transport_Override(std::make_shared<RecordingTransport>(path));
        uint32_t count = 0;
        versionBlock block;
        get_Version_Block(&block);
        if (get_Device_Count(&count, OSKN_SCAN_ALL_DRIVES) == OSKN_SUCCESS && count) {
            records_.assign(count, _tDevice{});
            std::memset(records_.data(), 0, count * sizeof(_tDevice));
            if (get_Device_List(records_.data(), uint32_t(count * sizeof(_tDevice)), block,
                                OSKN_SCAN_ALL_DRIVES) != OSKN_SUCCESS)
                records_.clear();
        }
        take_Recorded(); // enumeration's own commands are not what a check looks at
    }

    _tDevice* find(const std::string& path)
    {
        for (_tDevice& d : records_)
            if (oskn::record::path(&d) == path)
                return &d;
        std::fprintf(stderr, "kv-systemcheck: the library does not list %s\n", path.c_str());
        std::exit(2);
    }

private:
    std::vector<_tDevice> records_;
};

uint32_t sector_Size(const _tDevice* d) { return d->logicalSectorSize ? d->logicalSectorSize : 512; }

bool is_Read_16(const Recorded& r) { return r.cdbLength == 16 && r.cdb[0] == 0x88; }

// The sense as "key/asc/ascq" in hex, from either format.
std::string sense_Text(const Recorded& r)
{
    if (r.senseLength < 3)
        return "none";
    const bool descriptor = (r.sense[0] & 0x7F) >= 0x72;
    char text[16];
    if (descriptor)
        std::snprintf(text, sizeof text, "%x/%02x/%02x", r.sense[1] & 0x0F, r.sense[2],
                      r.senseLength > 3 ? r.sense[3] : 0);
    else
        std::snprintf(text, sizeof text, "%x/%02x/%02x", r.sense[2] & 0x0F,
                      r.senseLength > 12 ? r.sense[12] : 0, r.senseLength > 13 ? r.sense[13] : 0);
    return text;
}

int cmd_Pattern(char** argv)
{
    const auto data = make_Pattern(number(argv[0]), uint32_t(number(argv[1])), uint32_t(number(argv[2])),
                                   uint32_t(number(argv[3])));
    return write_All(data.data(), data.size()) ? 0 : 1;
}

int cmd_Write(Drives& drives, char** argv)
{
    _tDevice* d = drives.find(argv[0]);
    const uint64_t lba = number(argv[1]);
    const uint32_t count = uint32_t(number(argv[2]));
    auto data = make_Pattern(lba, count, sector_Size(d), uint32_t(number(argv[3])));
    const int rc = scsi_Write_16(d, 0, false, number(argv[4]) != 0, lba, 0, count, data.data());
    std::printf("rc=%d\n", rc);
    return 0;
}

int cmd_Read(Drives& drives, char** argv)
{
    _tDevice* d = drives.find(argv[0]);
    const uint32_t count = uint32_t(number(argv[2]));
    std::vector<uint8_t> data(size_t(count) * sector_Size(d));
    const int rc = scsi_Read_16(d, 0, false, number(argv[3]) != 0, false, number(argv[1]), 0, count, data.data());
    if (rc != OSKN_SUCCESS) {
        std::fprintf(stderr, "kv-systemcheck: scsi_Read_16 returned %d\n", rc);
        return 1;
    }
    return write_All(data.data(), data.size()) ? 0 : 1;
}

// A span read as a scan reads it, 64 sectors a call, with the data to standard output (zeros for
// a call that failed). To standard error: the calls that failed ("lba:rc", or none) and the
// largest read that reached the kernel, so that the checks see the read-ahead was used.
int cmd_Read_Calls(Drives& drives, char** argv)
{
    _tDevice* d = drives.find(argv[0]);
    const uint32_t size = sector_Size(d);
    const uint64_t first = number(argv[1]), count = number(argv[2]);
    TransferBuffer buffer(size_t(64) * size);
    std::string failed;
    take_Recorded();
    for (uint64_t lba = first; lba < first + count; lba += 64) {
        const uint32_t n = uint32_t(std::min<uint64_t>(64, first + count - lba));
        const int rc = scsi_Read_16(d, 0, false, false, false, lba, 0, n, buffer.data());
        if (rc != OSKN_SUCCESS) {
            failed += (failed.empty() ? "" : ",") + std::to_string(lba) + ":" + std::to_string(rc);
            std::memset(buffer.data(), 0, buffer.size());
        }
        if (!write_All(buffer.data(), size_t(n) * size))
            return 1;
    }
    uint64_t largest = 0;
    for (const Recorded& r : take_Recorded())
        if (is_Read_16(r))
            largest = std::max<uint64_t>(largest, oskn::get_Be32(r.cdb + 10));
    std::fprintf(stderr, "failed=%s\nlargest_read_bytes=%" PRIu64 "\n", failed.empty() ? "none" : failed.c_str(),
                 largest * size);
    return 0;
}

int cmd_Past_End(Drives& drives, char** argv)
{
    _tDevice* d = drives.find(argv[0]);
    std::vector<uint8_t> data(size_t(2) * sector_Size(d));
    // The library refuses a range it knows to be past the end without sending it...
    std::printf("library_past=%d\n", scsi_Read_16(d, 0, false, false, false, d->maxLBA + 1, 0, 1, data.data()));
    std::printf("library_across=%d\n", scsi_Read_16(d, 0, false, false, false, d->maxLBA, 0, 2, data.data()));
    std::printf("library_sent=%zu\n", take_Recorded().size());
    // ...and the drive refuses one sent anyway: LBA out of range, through the kernel's sense.
    auto drive = oskn::Registry::instance().find(d);
    oskn::SenseData sense;
    const int rc = oskn::scsi_Command(*drive, oskn::cdb::read_16(0, false, false, false, d->maxLBA + 1, 1, 0),
                                      oskn::DataDirection::In, data.data(), sector_Size(d),
                                      oskn::TimeoutDefault, &sense);
    std::printf("drive_past=%d\n", rc);
    std::printf("drive_sense=%x/%02x/%02x\n", sense.key, sense.asc, sense.ascq);
    return 0;
}

// The long generic test's calls: 64-sector READ(16)s front to back into one buffer of 64
// sectors allocated as the program allocates it; a failed read is re-read sector by sector.
int cmd_Scan(Drives& drives, char** argv)
{
    _tDevice* d = drives.find(argv[0]);
    constexpr uint64_t block = 64;
    TransferBuffer buffer(size_t(sector_Size(d)) * block);
    const uint64_t sectors = d->maxLBA + 1;
    std::string bad;
    std::vector<uint8_t> unreadable(sectors, 0);
    std::vector<std::pair<uint64_t, uint32_t>> failed; // stretches re-read sector by sector
    for (uint64_t current = 0; current < sectors; current += block) {
        const uint32_t length = uint32_t(std::min(block, sectors - current));
        if (scsi_Read_16(d, 0, false, false, false, current, 0, length, buffer.data()) == OSKN_SUCCESS)
            continue;
        failed.emplace_back(current, length);
        for (uint64_t lba = current; lba < current + length; ++lba) {
            const int rc = scsi_Read_16(d, 0, false, false, false, lba, 0, 1, buffer.data());
            if (rc != OSKN_SUCCESS) {
                bad += (bad.empty() ? "" : ",") + std::to_string(lba) + ":" + std::to_string(rc);
                unreadable[lba] = 1;
            }
        }
    }
    std::printf("bad=%s\n", bad.empty() ? "none" : bad.c_str());

    // What reached the kernel: the reads that succeeded cover every readable LBA once (the
    // library may read ahead in larger commands, but reads nothing past the end, and nothing
    // twice unless what it read ahead has grown too old to hand out: a machine that stalls the
    // scan between two calls for that long, as a loaded host stalls an emulated one, makes the
    // rest of a window be read again), and the single-sector re-reads cover exactly the failed
    // stretches, once.
    std::vector<uint8_t> good(sectors, 0), reread(sectors, 0);
    std::vector<uint64_t> readAt(sectors, 0);
    uint64_t staleRereads = 0;
    std::string problem;
    uint64_t commands = 0;
    uint32_t largest = 0;
    uintptr_t offset = 0;
    for (const Recorded& r : take_Recorded()) {
        if (!is_Read_16(r)) {
            problem = "a command other than READ(16): opcode " + std::to_string(r.cdb[0]);
            break;
        }
        ++commands;
        offset = std::max(offset, r.bufferOffset);
        const uint64_t lba = oskn::get_Be64(r.cdb + 2);
        const uint32_t length = oskn::get_Be32(r.cdb + 10);
        if (length == 0 || lba >= sectors || length > sectors - lba) {
            problem = "READ(16) of " + std::to_string(length) + " at " + std::to_string(lba);
            break;
        }
        if (length == 1)
            for (const auto& [start, n] : failed)
                if (lba >= start && lba < start + n)
                    ++reread[lba];
        if (r.delivered == oskn::TransportResult::Delivered && r.scsiStatus == 0) {
            largest = std::max(largest, length);
            for (uint64_t i = lba; i < lba + length; ++i) {
                if (good[i] && r.doneNs - readAt[i] > oskn::ReadAhead::kLifetimeNs)
                    ++staleRereads; // counted once: the window had expired
                else
                    ++good[i];
                readAt[i] = r.doneNs;
            }
        }
    }
    std::vector<uint8_t> expectedReread(sectors, 0);
    for (const auto& [start, length] : failed)
        for (uint64_t i = start; i < start + length; ++i)
            expectedReread[i] = 1;
    for (uint64_t i = 0; i < sectors && problem.empty(); ++i) {
        if (good[i] != (unreadable[i] ? 0 : 1))
            problem = "LBA " + std::to_string(i) + " read " + std::to_string(good[i]) + " times";
        else if (reread[i] != expectedReread[i])
            problem = "LBA " + std::to_string(i) + " re-read " + std::to_string(reread[i]) + " times";
    }
    std::printf("commands=%" PRIu64 "\n", commands);
    std::printf("stale_rereads=%" PRIu64 "\n", staleRereads);
    std::printf("coverage=%s\n", problem.empty() ? ("0-" + std::to_string(d->maxLBA) + " once").c_str()
                                                 : problem.c_str());
    std::printf("buffer_alignment=%u\n", unsigned(offset));
    std::printf("largest_read_bytes=%" PRIu64 "\n", uint64_t(largest) * sector_Size(d));
    auto drive = oskn::Registry::instance().find(d);
    std::printf("kernel_limit_bytes=%u\n", drive && drive->channel ? drive->channel->max_Transfer_Bytes() : 0u);
    return 0;
}

// The whole disk in the scans' 64-sector calls, nothing else: what the read speed is measured on.
int cmd_Read_All(Drives& drives, char** argv)
{
    _tDevice* d = drives.find(argv[0]);
    TransferBuffer buffer(size_t(sector_Size(d)) * 64);
    const uint64_t sectors = d->maxLBA + 1;
    uint64_t failed = 0;
    timespec start, end;
    ::clock_gettime(CLOCK_MONOTONIC, &start);
    for (uint64_t lba = 0; lba < sectors; lba += 64)
        if (scsi_Read_16(d, 0, false, false, false, lba, 0, uint32_t(std::min<uint64_t>(64, sectors - lba)),
                         buffer.data()) != OSKN_SUCCESS)
            ++failed;
    ::clock_gettime(CLOCK_MONOTONIC, &end);
    std::printf("failed=%" PRIu64 "\n", failed);
    // The reads alone: starting the program and finding the drive are not the read.
    std::printf("ms=%lld\n", (end.tv_sec - start.tv_sec) * 1000ll + (end.tv_nsec - start.tv_nsec) / 1000000);
    std::printf("commands=%zu\n", take_Recorded().size());
    return 0;
}

// The drive's short self-test through the library, followed to its end (at most a minute).
int cmd_Self_Test(Drives& drives, char** argv)
{
    _tDevice* d = drives.find(argv[0]);
    int rc = ata_SMART_Offline(d, 1);
    for (int i = 0; rc == OSKN_SUCCESS && i < 600; ++i) {
        uint32_t percent = 0;
        uint8_t status = 0;
        rc = ata_Get_DST_Progress(d, &percent, &status);
        if (rc != OSKN_SUCCESS || status >> 4 != 0xF) {
            if (rc == OSKN_SUCCESS && status != 0)
                rc = OSKN_FAILURE;
            break;
        }
        if (i == 599)
            rc = OSKN_IN_PROGRESS;
        ::usleep(100000);
    }
    std::printf("rc=%d\n", rc);
    return 0;
}

int cmd_Write_Same(Drives& drives, char** argv)
{
    _tDevice* d = drives.find(argv[0]);
    const uint64_t lba = number(argv[1]);
    const uint32_t count = uint32_t(number(argv[2]));
    uint64_t most = 0;
    std::printf("supported=%d\n", is_Write_Same_Supported(d, lba, count, &most) ? 1 : 0);
    std::printf("rc=%d\n", writesame(d, lba, count, true));
    return 0;
}

int cmd_Security(Drives& drives, char** argv)
{
    _tDevice* d = drives.find(argv[0]);
    uint8_t list[OSKN_SECURITY_PROTOCOL_LIST_BYTES] = {};
    const int rc = read_Supported_Security_Protocols_From_Device(d, list);
    std::printf("rc=%d\n", rc);
    std::printf("tcg=%d\n", rc == OSKN_SUCCESS && check_TCG_Support(list) == OSKN_SUCCESS ? 1 : 0);
    // libata refuses TRUSTED SEND/RECEIVE inside ATA PASS-THROUGH itself (ILLEGAL REQUEST,
    // INVALID FIELD IN CDB): then the drive never saw the question.
    std::string filtered = "no";
    for (const Recorded& r : take_Recorded()) {
        const bool passThrough = r.cdbLength >= 12 && (r.cdb[0] == 0x85 || r.cdb[0] == 0xA1);
        const uint8_t command = r.cdb[0] == 0x85 ? r.cdb[14] : r.cdb[9];
        if (passThrough && command >= 0x5C && command <= 0x5F && sense_Text(r) == "5/24/00")
            filtered = "yes";
    }
    std::printf("kernel_refused=%s\n", filtered.c_str());
    return 0;
}

// An erase of the whole drive as the program's erases call it; rc, and for a crypto erase the
// command that did the work (an NVMe drive without Sanitize uses Format NVM).
int cmd_Erase(Drives& drives, char** argv)
{
    _tDevice* d = drives.find(argv[0]);
    const std::string method = argv[1];
    int rc = OSKN_BAD_PARAMETER;
    if (method == "crypto" || method == "overwrite-sanitize" || method == "block-sanitize") {
        sanitizeFeaturesSupported features = {};
        std::printf("features_rc=%d\n", get_Sanitize_Device_Features(d, &features));
        std::printf("sanitize=%d\n", features.sanitizeSupported ? 1 : 0);
        rc = run_Sanitize_Operation(d, method == "crypto"      ? OSKN_SANITIZE_CRYPTO_ERASE
                                       : method == "overwrite-sanitize" ? OSKN_SANITIZE_OVERWRITE
                                                                        : OSKN_SANITIZE_BLOCK_ERASE,
                                    true);
        int used = -1;
        get_Crypto_Erase_Method(d, &used);
        std::printf("method=%d\n", used);
    } else if (method == "zeroes") {
        uint64_t most = 0;
        std::printf("supported=%d\n", is_Write_Same_Supported(d, 0, uint32_t(d->maxLBA + 1), &most) ? 1 : 0);
        rc = writesame(d, 0, uint32_t(d->maxLBA + 1), true);
    } else if (method == "overwrite") {
        rc = erase_Range(d, 0, d->maxLBA + 1, 0);
    } else {
        std::fprintf(stderr, "kv-systemcheck: no erase %s\n", method.c_str());
        return 2;
    }
    std::printf("rc=%d\n", rc);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (::access("/kv-system-vm", F_OK) != 0) {
        std::fprintf(stderr, "kv-systemcheck: runs only inside the system test's virtual machine\n");
        return 2;
    }
    struct Command {
        const char* name;
        int arguments;
        bool needsDrives;
        int (*run)(Drives&, char**);
    };
    static const Command commands[] = {
        {"pattern", 4, false, nullptr},
        {"write", 5, true, cmd_Write},
        {"read", 4, true, cmd_Read},
        {"past-end", 1, true, cmd_Past_End},
        {"scan", 1, true, cmd_Scan},
        {"read-all", 1, true, cmd_Read_All},
        {"read-calls", 3, true, cmd_Read_Calls},
        {"self-test", 1, true, cmd_Self_Test},
        {"write-same", 3, true, cmd_Write_Same},
        {"security", 1, true, cmd_Security},
        {"erase", 2, true, cmd_Erase},
    };
    if (argc == 2 && std::strcmp(argv[1], "now") == 0) {
        std::printf("%" PRIu64 "\n", monotonic_Ns());
        return 0;
    }
    for (const Command& c : commands) {
        if (argc != c.arguments + 2 || std::strcmp(argv[1], c.name) != 0)
            continue;
        if (!c.needsDrives)
            return cmd_Pattern(argv + 2);
        Drives drives(argv[2]);
        const int rc = c.run(drives, argv + 2);
        std::fflush(stdout);
        return rc;
    }
    std::fprintf(stderr, "usage: kv-systemcheck pattern|write|read|read-calls|past-end|scan|read-all|self-test|write-same|security|erase|now ...\n");
    return 2;
}
