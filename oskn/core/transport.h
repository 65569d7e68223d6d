// The primitives the whole library is built on: execute one SCSI CDB with its data buffer, one
// NVMe command, or one read or write of whole blocks on a drive that takes neither. Both
// transports (linux, virtual drives) implement them; everything else is built above.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace oskn {

enum class DataDirection { None, In, Out };

struct ScsiCommand {
    const uint8_t* cdb = nullptr;
    uint8_t cdbLength = 0;
    DataDirection direction = DataDirection::None;
    uint8_t* data = nullptr;     // caller's buffer
    uint32_t dataLength = 0;     // bytes
    uint32_t timeoutSeconds = 15;

    // Results.
    uint8_t scsiStatus = 0;      // 0 GOOD, 2 CHECK CONDITION, ...
    uint8_t sense[252] = {};
    uint32_t senseLength = 0;    // valid bytes of sense
    uint32_t residual = 0;       // bytes not transferred
    bool timedOut = false;
};

// One NVMe admin or I/O command. The data transfer's direction follows from the opcode's low
// bits, as the controller reads it; direction must agree with it.
struct NvmeCommand {
    bool admin = true;
    uint8_t opcode = 0;
    uint32_t nsid = 0;
    uint32_t cdw2 = 0, cdw3 = 0;
    uint32_t cdw10 = 0, cdw11 = 0, cdw12 = 0, cdw13 = 0, cdw14 = 0, cdw15 = 0;
    DataDirection direction = DataDirection::None;
    uint8_t* data = nullptr;     // caller's buffer
    uint32_t dataLength = 0;     // bytes
    uint32_t timeoutSeconds = 15;

    // Results: the completion's status field without the phase bit (SC 7:0, SCT 10:8, CRD 12:11,
    // More 13, DNR 14), and Dword 0 (with Dword 1 above it where the system passes it on).
    uint16_t status = 0;
    uint64_t result = 0;
    // Bytes the drive sent of a data-in transfer; a transport that cannot tell leaves it at the
    // whole length.
    uint32_t transferred = 0;
    bool timedOut = false;

    uint8_t status_Code() const { return uint8_t(status & 0xFF); }
    uint8_t status_Code_Type() const { return uint8_t((status >> 8) & 0x7); }
    bool more() const { return status & 0x2000; }
    bool do_Not_Retry() const { return status & 0x4000; }
};

// One read or write of whole logical blocks on a drive reached as a plain block device.
struct BlockCommand {
    bool write = false;
    bool forceUnitAccess = false;
    uint64_t lba = 0;
    uint32_t count = 0;          // blocks
    uint32_t blockSize = 512;
    uint8_t* data = nullptr;     // count x blockSize bytes
    uint32_t timeoutSeconds = 60;

    // Result: 0, or the errno of the failed transfer (EIO: the medium, ENODEV: gone, ...).
    int error = 0;
    bool timedOut = false;
};

// Result of Transport::execute: whether the command reached the drive at all.
enum class TransportResult {
    Delivered,   // see scsiStatus / sense
    NoDevice,    // the drive is gone
    OsFailure    // the operating system could not pass the command
};

// The steady clock in nanoseconds: when data arrived, for how long it may be kept.
inline uint64_t steady_Clock_Ns()
{
    return uint64_t(std::chrono::duration_cast<std::chrono::nanoseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count());
}

// Commands handed to a drive together, each waited for on its own: the drive may work on the
// later ones while the caller uses the earlier ones' data. It must not outlive its channel.
class InFlight {
public:
    virtual ~InFlight() = default;
    // Waits until command i has completed (its results are then in the command) and says when
    // its data arrived, on the steady clock in nanoseconds.
    virtual TransportResult wait(size_t i, uint64_t& arrivedNs) = 0;
};

// What a channel that runs commands to their end before returning hands back.
class CompletedCommands final : public InFlight {
public:
    CompletedCommands(std::vector<TransportResult> results, uint64_t arrivedNs)
        : results_(std::move(results)),
          arrivedNs_(arrivedNs)
    {
    }
    TransportResult wait(size_t i, uint64_t& arrivedNs) override
    {
        arrivedNs = arrivedNs_;
        return results_[i];
    }

private:
    std::vector<TransportResult> results_;
    uint64_t arrivedNs_;
};

// One attached drive as a transport sees it.
class DeviceChannel {
public:
    virtual ~DeviceChannel() = default;
    virtual TransportResult execute(ScsiCommand& command) = 0;
    // The most data the system passes in one command, in bytes; 0 when it does not say.
    virtual uint32_t max_Transfer_Bytes() const { return 0; }
    // Commands the drive may have in flight together (the pieces of one read); by default
    // one after the other.
    virtual void execute_All(ScsiCommand* commands, size_t count, TransportResult* results)
    {
        for (size_t i = 0; i < count; ++i)
            results[i] = execute(commands[i]);
    }

    // Whether start_All / start_Nvme_All return while the drive still works on the commands.
    // Where they do not, they run the commands to their end first (through execute_All).
    virtual bool overlaps_Commands() const { return false; }
    virtual std::unique_ptr<InFlight> start_All(ScsiCommand* commands, size_t count)
    {
        std::vector<TransportResult> results(count, TransportResult::OsFailure);
        execute_All(commands, count, results.data());
        return std::make_unique<CompletedCommands>(std::move(results), steady_Clock_Ns());
    }

    // The NVMe primitive, for a channel to an NVMe namespace; others cannot pass it.
    virtual TransportResult execute_Nvme(NvmeCommand& command) { return TransportResult::OsFailure; }
    virtual void execute_Nvme_All(NvmeCommand* commands, size_t count, TransportResult* results)
    {
        for (size_t i = 0; i < count; ++i)
            results[i] = execute_Nvme(commands[i]);
    }
    virtual std::unique_ptr<InFlight> start_Nvme_All(NvmeCommand* commands, size_t count)
    {
        std::vector<TransportResult> results(count, TransportResult::OsFailure);
        execute_Nvme_All(commands, count, results.data());
        return std::make_unique<CompletedCommands>(std::move(results), steady_Clock_Ns());
    }

    // The block primitive, for a channel to a drive that takes no commands of its own.
    virtual TransportResult execute_Block(BlockCommand& command) { return TransportResult::OsFailure; }
};

// How the library reaches a drive.
enum class DriveKind : uint8_t {
    Scsi,  // SCSI commands (ATA ones inside ATA PASS-THROUGH)
    Nvme,  // NVMe commands to one namespace
    Block  // reads and writes of whole blocks, nothing else
};

// What the system says of a block-only drive, which cannot be asked itself.
struct BlockIdentity {
    std::string model, serial, firmware;
    uint64_t blocks = 0;             // logical blocks
    uint32_t logicalBlockSize = 512;
    uint32_t physicalBlockSize = 512;
};

// What enumeration learns before any command is sent.
struct DeviceEntry {
    std::string path;            // /dev/sda, or the virtual drive's name
    uint32_t interfaceType = 0;  // OSKN_INTERFACE_*
    uint32_t driveTypeHint = 0;  // OSKN_DRIVE_NOT_A_DISK when the OS already says so, else 0
    std::shared_ptr<DeviceChannel> channel;
    // Added after the first version (defaults keep older code working): the OS already knows
    // the drive holds no medium (an empty card reader), so no capacity is asked for.
    bool noMedium = false;
    DriveKind kind = DriveKind::Scsi;
    uint32_t nsid = 0;        // NVMe: the namespace the channel reaches
    BlockIdentity identity;   // Block: what the system says of the drive
};

// The library keeps one Transport object per source for the life of the process and calls
// enumerate() at every discovery; a drive seen again must keep its state (return the same
// channel, or one sharing the drive). The library serialises commands per drive path, so a
// channel never sees two commands at once for one path.
class Transport {
public:
    virtual ~Transport() = default;
    virtual std::vector<DeviceEntry> enumerate() = 0;
};

} // namespace oskn
