// The drive registry and command execution. A record names its drive by a magic and a handle
// index in its library area (no pointers: the record is the same on 32 and 64 bits); registry
// entries live for the process because the program keeps old record arrays across rescans.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "ata.h"
#include "cdb.h"
#include "readahead.h"
#include "oskn_device.h"
#include "oskn_return.h"
#include "sense.h"
#include "transport.h"

namespace oskn {

// What the library knows of one drive path across rescans: its command lock and the state of
// the long operations it follows on the host side.
struct DriveState {
    // Serialises the drive's commands. Recursive so that a sequence that must not be split
    // (READ NATIVE MAX ADDRESS then SET MAX ADDRESS) can hold it around its commands.
    std::recursive_mutex lock;

    std::mutex jobMutex; // guards the fields below
    bool writeSameRunning = false;
    uint64_t writeSameStart = 0, writeSameEnd = 0, writeSameDone = 0;
    int writeSameResult = 0;
    bool writeSameSct = false; // the span went to an ATA drive as one SCT Write Same
    int iddRunning = 0; // the in-drive diagnostic running (70h/71h), 0 for none
    // An NVMe self-test this library started, and the log's results as they were before it:
    // its own result is the entry that was not there then.
    bool nvmeSelfTestStarted = false;
    std::vector<uint8_t> nvmeSelfTestBefore;
    // The NVMe sanitize this library started (its Command Dword 10, 0 for none): a status log
    // that names another one is not its result. How the last crypto erase was done
    // (OSKN_ERASE_METHOD_*).
    uint32_t nvmeSanitizeCommand = 0;
    int cryptoEraseMethod = 0;

    // How security protocols reach an ATA drive (OSKN_SECURITY_PATH_*), found by the first
    // exchange that worked; NONE until then.
    std::atomic<int> securityPath{0};
    // The TCG method status of the last PSID revert's session start (-1 none): why it failed.
    std::atomic<int> revertSessionStatus{-1};

    // Sequential reads served from larger commands; guarded by lock.
    ReadAhead readAhead;
};

struct Drive {
    uint32_t handle = 0;
    std::string path;
    uint32_t interfaceType = 0;
    uint32_t driveTypeHint = 0;
    bool noMedium = false;
    DriveKind kind = DriveKind::Scsi;
    uint32_t nsid = 0;                 // NVMe namespace
    BlockIdentity identity;            // block-only drive
    std::shared_ptr<DeviceChannel> channel;
    std::shared_ptr<DriveState> state; // one per drive path

    // The drive (or its bridge) refused READ(16)/WRITE(16) as unknown: use the 10-byte forms.
    // Learnt per discovery, not per path: another drive may be found at the same path later.
    std::atomic<bool> tenByteCommands{false};
};

// Library area of the record (offsets inside _tDevice).
namespace record {
constexpr uint32_t Magic = 0x4E4B534Fu;      // "OSKN"
constexpr size_t MagicOffset = 0;             // u32
constexpr size_t HandleOffset = 4;            // u32
constexpr size_t FlagsOffset = 8;             // u32, below
constexpr size_t NsidOffset = 12;             // u32, the NVMe namespace id (0: not identified)
constexpr size_t NvmeOacsOffset = 16;         // u16, Identify Controller OACS
constexpr size_t PathOffset = 692;            // char[64], NUL-terminated
constexpr size_t PathLength = 64;
constexpr size_t VendorOffset = 756;          // char[9] INQUIRY vendor
constexpr size_t ProductOffset = 765;         // char[17] INQUIRY product
constexpr uint32_t FlagAta = 0x01;            // ATA commands go through ATA PASS-THROUGH
constexpr uint32_t FlagUsb = 0x02;
constexpr uint32_t FlagNvme = 0x04;           // NVMe commands to the namespace at NsidOffset
constexpr uint32_t FlagBlock = 0x08;          // reached as a block device: reads and writes only
constexpr uint32_t FlagNvmeMetadata = 0x10;   // the namespace's format carries metadata: no data I/O

uint32_t flags(const _tDevice* device);
// The record's copy of the IDENTIFY DEVICE data, bytes as the drive sent them.
inline const uint8_t* identify(const _tDevice* device) { return reinterpret_cast<const uint8_t*>(device->identifyData); }
void set_Flags(_tDevice* device, uint32_t flags);
uint32_t nsid(const _tDevice* device);
void set_Nsid(_tDevice* device, uint32_t nsid);
uint16_t nvme_Oacs(const _tDevice* device);
void set_Nvme_Oacs(_tDevice* device, uint16_t oacs);
std::string path(const _tDevice* device);
} // namespace record

// Makes a transport over its argument (a description file, a sysfs root); on bad input returns
// null and sets error to one line.
using TransportFactory =
    std::function<std::unique_ptr<Transport>(const std::string& argument, std::string& error)>;

// Which registered transport serves now. A transport is kept for the process per name and
// argument, and made again when the version changes (a description file edited since).
struct TransportChoice {
    std::string name, argument, version;
};
using TransportChooser = std::function<TransportChoice()>;

class Registry {
public:
    static Registry& instance();

    // Transports add themselves under their name; the chooser, set by the library's composition
    // root, picks one of them at every enumeration.
    void register_Transport(const std::string& name, TransportFactory factory);
    void set_Transport_Chooser(TransportChooser chooser);

    // Replaces the transport selection (tests); null restores it.
    void set_Transport_Override(std::shared_ptr<Transport> transport);

    // Drives of the chosen transport; one that cannot be made (a refused description file)
    // lists nothing and prints its error on standard error, once.
    std::vector<DeviceEntry> enumerate();

    // Adds a drive and binds the record to it (magic, handle).
    std::shared_ptr<Drive> add(const DeviceEntry& entry, _tDevice* device);

    // Why the last enumeration listed nothing (a refused description file); empty otherwise.
    std::string last_Error() const;

    // The record's drive, or null when the record was not filled by this library.
    std::shared_ptr<Drive> find(const _tDevice* device) const;

private:
    Registry() = default;
    std::shared_ptr<Transport> active_Transport();

    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<Drive>> drives_;
    std::vector<std::pair<std::string, std::shared_ptr<DriveState>>> states_;
    std::vector<std::pair<std::string, TransportFactory>> factories_;
    TransportChooser chooser_;
    struct MadeTransport {
        TransportChoice choice;
        std::shared_ptr<Transport> transport;
    };
    std::vector<MadeTransport> transports_;
    std::shared_ptr<Transport> override_;
    std::string lastError_;
};

// Whether the record's drive takes ATA commands (through ATA PASS-THROUGH).
inline bool is_Ata(const _tDevice* device) { return record::flags(device) & record::FlagAta; }
// Whether it takes NVMe commands, or is reached as a plain block device.
inline bool is_Nvme(const _tDevice* device) { return record::flags(device) & record::FlagNvme; }
inline bool is_Block(const _tDevice* device) { return record::flags(device) & record::FlagBlock; }
// An NVMe record whose identify data made sense (its namespace is known): the only kind the NVMe
// calls go on with; the others answer OSKN_FAILURE.
inline bool nvme_Identified(const _tDevice* device) { return record::nsid(device) != 0; }
// Neither SCSI nor ATA commands reach it: the calls built on them cannot do their work.
inline bool takes_No_Scsi(const _tDevice* device) { return is_Nvme(device) || is_Block(device); }

// The drive refusing a command means it cannot perform the operation asked of it.
inline int cannot_If_Unsupported(int rc) { return rc == OSKN_NOT_SUPPORTED ? OSKN_CANNOT_PERFORM : rc; }

// The opening checks of a C call, in this order: OSKN_INVALID_DEVICE for a record this library
// did not fill, OSKN_BAD_PARAMETER when argumentsValid is false (it must not read the record:
// it is worked out before the record is known to be one), then nonAta for a drive that takes
// no ATA commands. refusal is OSKN_SUCCESS when the call may go on with drive.
constexpr int AnyDrive = OSKN_SUCCESS;
struct CallTarget {
    std::shared_ptr<Drive> drive;
    int refusal = OSKN_SUCCESS;
};
CallTarget begin_Call(const _tDevice* device, bool argumentsValid = true, int nonAta = AnyDrive);

// Default command timeouts, seconds.
constexpr uint32_t TimeoutDefault = 15;
constexpr uint32_t TimeoutLong = 60;

// One SCSI command to the drive under its lock; retried on UNIT ATTENTION. Returns a return code.
// A drive that takes no SCSI commands (NVMe, block-only) gets nothing: OSKN_CANNOT_PERFORM.
int scsi_Command(Drive& drive, const Cdb& cdb, DataDirection direction, uint8_t* data,
                 uint32_t length, uint32_t timeoutSeconds = TimeoutDefault, SenseData* sense = nullptr);

// One ATA command through ATA PASS-THROUGH(16). length must be count x 512 for data commands.
// With checkCondition the output registers land in result (OSKN_FAILURE if the bridge gave none).
int ata_Command(Drive& drive, const AtaCommand& command, uint8_t* data, uint32_t length,
                uint32_t timeoutSeconds = TimeoutDefault, AtaResult* result = nullptr);

// Fills the record from the drive: INQUIRY, then IDENTIFY (ATA behind SAT) or READ CAPACITY;
// Identify Controller and Namespace for NVMe; what the system says for a block-only drive.
void fill_Record(_tDevice* device, Drive& drive);
void fill_Nvme_Record(_tDevice* device, Drive& drive);
void fill_Block_Record(_tDevice* device, Drive& drive);
// Sets one of the record's text fields: cut to the field, NUL-terminated.
void copy_Record_Text(char* field, size_t fieldSize, const std::string& text);

// Parsed INQUIRY standard data.
struct InquiryInfo {
    uint8_t peripheralType = 0x1F;
    bool removable = false;
    std::string vendor, product, revision; // trimmed
};
InquiryInfo parse_Inquiry(const uint8_t* data, uint32_t length);

// READ CAPACITY (16) parameter data.
struct CapacityInfo {
    uint64_t lastLba = 0;
    uint32_t logicalSectorSize = 512;
    uint32_t physicalSectorSize = 512;
};
CapacityInfo parse_Read_Capacity_16(const uint8_t* data);

} // namespace oskn
