// The one primitive the whole library is built on: execute one SCSI CDB with its data buffer.
// Both transports (linux SG_IO, virtual drives) implement it; everything else is built above.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
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

// Result of Transport::execute: whether the command reached the drive at all.
enum class TransportResult {
    Delivered,   // see scsiStatus / sense
    NoDevice,    // the drive is gone
    OsFailure    // the operating system could not pass the command
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
