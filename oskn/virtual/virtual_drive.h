// Internal to the virtual transport: the parsed description of one emulated drive, its data
// store and the drive itself (a DeviceChannel that answers CDBs as a SATA drive behind SAT).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "core/transport.h"

namespace oskn {
namespace vdrive {

// How the drive is reached: SCSI (a SATA drive behind SAT), NVMe, or a plain block device.
enum class Protocol { Scsi, Nvme, Block };

// An injected failure of an NVMe command.
struct NvmeFault {
    bool admin = false;
    uint8_t opcode = 0;
    int logId = -1;           // Get Log Page: only this log; -1 = any
    uint16_t status = 0x0006; // SCT/SC (and DNR, More) to complete with; default Internal Error
    bool hang = false;        // no completion within the host's timeout
    bool shortData = false;   // success, but only part of the data arrives
    bool noWork = false;      // success without running the command
    uint32_t skip = 0;
    int64_t count = -1;
};

// What an NVMe drive says of itself beyond the identity the SATA drives share.
struct NvmeDescription {
    uint32_t nsid = 1;
    uint32_t version = 0x00010400;     // 1.4
    bool selfTest = true;              // OACS Device Self-test
    bool selfTestNeverEnds = false;    // a self-test that never finishes
    std::vector<uint32_t> lbaFormats;  // data sizes offered; the one in use is logicalSectorSize
    bool formatUserData = true, formatCrypto = false;
    bool sanitizeBlock = false, sanitizeCrypto = false, sanitizeOverwrite = false;
    bool writeZeroes = true, securitySendReceive = false;
    // Sanitize, in program time; the SATA drive's sanitizeSeconds and friends do not apply.
    uint32_t sanitizeSeconds = 60;
    bool sanitizeRunningAtStart = false; // an overwrite already running when the drive appears
    bool sanitizeFails = false;          // every sanitize ends failed, the data left as it was
    bool sanitizeNeverProgresses = false;
    std::string garbageIdentify;       // "controller" or "namespace": that Identify answers garbage
    // Health log.
    uint8_t criticalWarning = 0;
    uint16_t temperatureKelvin = 308;
    uint8_t availableSpare = 100, availableSpareThreshold = 10, percentageUsed = 0;
    uint64_t dataUnitsRead = 0, dataUnitsWritten = 0, powerCycles = 0, powerOnHours = 0;
    uint64_t unsafeShutdowns = 0, mediaErrors = 0, errorLogEntries = 0;
    std::vector<NvmeFault> faults;
};

enum class SelfTestOutcome { Auto, Pass, ReadFailure, ElectricalFailure, ServoFailure, HandlingDamage,
                             UnknownFailure, FatalError };

struct SmartAttribute {
    uint8_t id = 0;
    uint16_t flags = 0;
    uint8_t current = 100;
    uint8_t worst = 100;
    uint8_t threshold = 0;
    uint64_t raw = 0; // 48 bits
};

struct Fault {
    bool isAta = false;   // matches the ATA command inside ATA PASS-THROUGH, else the SCSI opcode
    uint8_t opcode = 0;   // SCSI opcode or ATA command
    int feature = -1;     // ATA feature (SMART subcommand, sanitize function); -1 = any
    uint8_t senseKey = 0x04, asc = 0x44, ascq = 0x00; // default HARDWARE ERROR, INTERNAL TARGET FAILURE
    uint8_t ataError = 0x04;  // for ATA faults: error register (ABRT)
    bool useSense = false;    // an ATA fault given an explicit sense answers with it
    bool noData = false;      // GOOD status without the work: residual = the whole length, not run
    bool hang = false;        // no answer within the host's timeout
    uint32_t skip = 0;        // let this many matching commands pass first
    int64_t count = -1;       // fail this many times, -1 = always
};

struct Description {
    std::string name;
    std::string model, serial, firmware, maker;
    uint32_t interfaceType = 1;  // OSKN_INTERFACE_*
    bool notADisk = false;
    bool noMedium = false;       // an empty optical drive or card reader
    uint8_t peripheralType = 0;  // INQUIRY peripheral device type
    bool ataPassThrough = true;
    bool sixteenByteCommands = true; // false: an old bridge that refuses 16-byte CDBs
    uint64_t nativeMaxLba = 0;
    uint64_t accessibleMaxLba = 0;
    uint32_t logicalSectorSize = 512;
    uint32_t physicalSectorSize = 512;
    uint16_t rpm = 7200;         // IDENTIFY word 217 (1 = non-rotating)
    uint32_t cacheSizeMB = 0;
    bool identifyDataLog = true; // log 30h listed in the log directory

    // Feature sets, by name; see demo/README.md.
    uint32_t supported = 0;
    uint32_t enabled = 0;
    bool securityLocked = false, securityFrozen = false;

    bool smartHealthFailing = false;
    std::vector<SmartAttribute> attributes;

    uint32_t shortSelfTestSeconds = 60;
    uint32_t extendedSelfTestSeconds = 3600;
    SelfTestOutcome selfTestOutcome = SelfTestOutcome::Auto;
    uint64_t failingLba = UINT64_MAX;
    bool selfTestNeverEnds = false; // a self-test stays in progress (10 % left) until aborted

    std::map<uint64_t, bool> unreadable; // LBA -> permanent
    // The sense a SCSI read over an unreadable sector answers with: a drive's MEDIUM ERROR, or
    // what a system in between makes of it (libata: ABORTED COMMAND).
    uint8_t unreadableSense[3] = {0x03, 0x11, 0x00};
    // Sectors whose writes the drive accepts without storing them: writes, write same, sanitize,
    // format and revert all leave them as they were.
    std::set<uint64_t> unstored;

    bool sanitizeOverwrite = false, sanitizeCrypto = false, sanitizeBlockErase = false;
    uint32_t sanitizeSeconds = 60;
    bool sanitizeRunningAtStart = false;
    bool sanitizeFails = false;  // every sanitize ends failed, the data left as it was
    bool sanitizeNeverProgresses = false; // a sanitize stays running at 0 % for ever

    bool writeSame = false;
    bool tcg = false;
    std::string psid;
    bool idd70 = false, idd71 = false;
    uint32_t idd70Seconds = 60, idd71Seconds = 120;

    double throughputMBps = 0;   // 0 = unlimited
    double spinUpSeconds = 0;
    std::vector<Fault> faults;
    double disappearAfterSeconds = -1;
    double hangAfterSeconds = -1; // from then on no command is answered within its timeout

    bool imageBacked = false;
    std::string imagePath;       // absolute, when imageBacked

    Protocol protocol = Protocol::Scsi;
    NvmeDescription nvme;        // for Protocol::Nvme
};

// Feature bits of Description::supported / enabled.
enum Feature : uint32_t {
    F_SMART = 1u << 0,
    F_SECURITY = 1u << 1,
    F_HPA = 1u << 2,
    F_POWER_MANAGEMENT = 1u << 3,
    F_APM = 1u << 4,
    F_DOWNLOAD_MICROCODE = 1u << 5,
    F_SEGMENTED_DOWNLOAD = 1u << 6,
    F_DEFERRED_DOWNLOAD = 1u << 7,
    F_SMART_ERROR_LOG = 1u << 8,
    F_SMART_SELF_TEST = 1u << 9,
    F_GPL = 1u << 10,
    F_48BIT = 1u << 11,
    F_AMAC = 1u << 12,
    F_WRITE_CACHE = 1u << 13,
    F_READ_LOOK_AHEAD = 1u << 14,
    F_TRIM = 1u << 15,
    F_NCQ = 1u << 16,
    F_PUIS = 1u << 17,
    F_SCT = 1u << 18,
};

struct FeatureName {
    const char* name;
    uint32_t bit;
};
extern const FeatureName kFeatureNames[];
extern const size_t kFeatureNameCount;

// The fields of an NVMe or block-only drive: its "nvme" object, and the refusal of fields that
// only a SATA drive has. On bad input returns false with the field and the problem.
bool parse_Nvme_Description(const nlohmann::json& drive, Description& d, std::string& field, std::string& problem);

// Parses the description file. On failure returns false with a one-line message.
bool parse_Description_File(const std::string& jsonPath, std::vector<Description>& drives,
                            std::vector<std::string>& driveKeys, std::string& error);

// Sparse data store: an image file (holes read as zeros) or chunks in memory.
class Storage {
public:
    virtual ~Storage() = default;
    // Both return false on an I/O failure of the backing file.
    virtual bool read(uint64_t offset, uint8_t* dst, size_t length) = 0;
    virtual bool write(uint64_t offset, const uint8_t* src, size_t length) = 0;
    // Fills [offset, offset+length) with a repeated block (block length divides length).
    virtual bool fill(uint64_t offset, uint64_t length, const uint8_t* block, size_t blockLength);
    // Every byte reads as zero afterwards.
    virtual bool clear() = 0;
    // Every byte reads as the repeated 32-bit little-endian pattern afterwards (sanitize
    // overwrite), without writing the whole capacity out.
    virtual bool setPattern(uint32_t pattern) = 0;

protected:
    uint32_t background_ = 0; // what never-written bytes read as
    void fillBackground(uint64_t offset, uint8_t* dst, size_t length) const;
};
std::unique_ptr<Storage> make_Memory_Storage(uint64_t capacityBytes);
// Wraps a store so that the given sectors keep their contents whatever is written over them.
std::unique_ptr<Storage> make_Unstored_Sectors_Storage(std::unique_ptr<Storage> inner, std::set<uint64_t> sectors,
                                                       uint32_t sectorSize);
std::unique_ptr<Storage> make_Image_Storage(const std::string& path, uint64_t capacityBytes,
                                            std::string& error);

// TCG Opal subset over security protocols 00h/01h: level 0 discovery, properties, sessions
// to the Admin SP and Revert authenticated by the PSID.
class TcgDevice {
public:
    struct Token; // one token of a method call
    explicit TcgDevice(std::string psid) : psid_(std::move(psid)) {}
    // IF-SEND payload for protocol 1. Returns false when the ComID is not ours.
    bool send(uint16_t comId, const uint8_t* data, size_t length);
    // IF-RECV for protocol 1; fills dst (zero-padded) and returns false on a bad ComID.
    bool receive(uint16_t comId, uint8_t* dst, size_t length);
    // Set when a Revert succeeded: the drive then erases its user data.
    bool takeRevertRequest();
    static constexpr uint16_t kBaseComId = 0x07FE;

private:
    void handleMethod(const std::vector<uint8_t>& tokens, uint32_t tperSession, uint32_t hostSession);
    void sessionManagerMethod(const std::vector<Token>& t);
    std::vector<uint8_t> startSession(const std::vector<Token>& t);
    std::vector<uint8_t> sessionMethod(const std::vector<Token>& t);
    void queueResponse(const std::vector<uint8_t>& payload, uint32_t tperSession, uint32_t hostSession);
    std::string psid_;
    std::vector<uint8_t> pending_;
    uint32_t nextSession_ = 0x1001;
    uint32_t openSession_ = 0;
    bool psidAuthenticated_ = false;
    bool revertRequested_ = false;
};

// IF-RECV of a drive with the TCG subset (tcg), or of one that lists security protocol 0 alone
// (nullptr); false for what such a drive refuses.
bool tcg_Security_Receive(TcgDevice* tcg, uint8_t protocol, uint16_t spSpecific, uint32_t length,
                          std::vector<uint8_t>& buf);

// One emulated drive as the transport lists it.
class EmulatedDrive : public DeviceChannel {
public:
    virtual const Description& description() const = 0;
    virtual bool gone() const = 0; // disappeared (after disappearAfterSeconds of program time)
    bool overlaps_Commands() const override { return true; }
};

// Commands an emulated drive took together. Each moved its data when taken, and the drive's
// clock already counts its transfer behind the commands before it; the caller sees a command's
// answer only once the program time its answer is due has come, so the drive is never faster
// than its set speed, yet works on the next commands while the caller uses the earlier ones.
class AcceptedCommands final : public InFlight {
public:
    // answer: fills in the command's results once dueAt (program time) has come.
    void add(uint64_t dueAt, std::function<TransportResult()> answer);
    TransportResult wait(size_t i, uint64_t& arrivedNs) override;

private:
    std::vector<uint64_t> due_;
    std::vector<std::function<TransportResult()>> answer_;
};

// An NVMe drive with one namespace, or a block-only drive (virtual_nvme.cpp).
std::shared_ptr<EmulatedDrive> make_Nvme_Or_Block_Drive(Description description, std::unique_ptr<Storage> storage);

struct MediaResult; // what a media access did (virtual_commands.h)

class VirtualDrive final : public EmulatedDrive {
public:
    struct Reply;    // outcome of one command, filled under the lock
    struct ScsiCall; // one SCSI command and its handlers (virtual_scsi.cpp)
    struct AtaCall;  // one ATA command and its handlers (virtual_ata.cpp)
    explicit VirtualDrive(Description description, std::unique_ptr<Storage> storage);
    TransportResult execute(ScsiCommand& command) override;
    std::unique_ptr<InFlight> start_All(ScsiCommand* commands, size_t count) override;

    const Description& description() const override { return d_; }
    bool gone() const override; // disappeared (after disappearAfterSeconds of program time)
    bool hung() const; // answers nothing any more (after hangAfterSeconds of program time)

private:
    enum class Job { None, SelfTest, Idd };
    enum SanitizeKind { NoSanitize = 0, SanitizeCrypto = 1, SanitizeOverwrite = 2, SanitizeBlockErase = 3 };

    // Takes the command under the lock; the answer is due at dueAt (program time).
    std::function<TransportResult()> take(ScsiCommand& c, uint64_t& dueAt);

    // All members below are guarded by mutex_.
    void advance(uint64_t now);
    void finishJob();
    void finishSelfTest();
    void finishSanitize();
    void finishSctWriteSame();
    void scsiCommand(ScsiCommand& c, Reply& r, uint64_t now);
    void ataPassThrough(ScsiCommand& c, Reply& r, uint64_t now);

    // Media access shared by the SCSI and ATA front ends, which encode the result each its way.
    bool inRange(uint64_t lba, uint64_t count) const;
    uint64_t sameCount(uint64_t lba, uint64_t count) const;
    MediaResult readSectors(ScsiCommand& c, Reply& r, uint64_t lba, uint64_t count, uint64_t now);
    MediaResult writeSectors(ScsiCommand& c, Reply& r, uint64_t lba, uint64_t count, uint64_t now);
    MediaResult fillSectors(ScsiCommand& c, Reply& r, uint64_t lba, uint64_t count, uint64_t now);
    uint64_t rewritable(uint64_t lba, uint64_t count);
    void forgetPendingSectors();
    uint64_t firstUnreadable(uint64_t lba, uint64_t count) const;

    bool startSanitize(int kind, uint32_t pattern, uint64_t now);
    uint32_t sanitizeProgress(uint64_t now) const;
    void buildIdentify(uint8_t* out) const;
    void buildSmartData(uint8_t* out, uint64_t now) const;
    void buildSmartThresholds(uint8_t* out) const;
    uint16_t logPages(uint8_t log, bool gpl) const;
    bool buildLogPage(uint8_t log, uint16_t page, bool gpl, uint8_t* out);
    void buildSelfTestLog(uint8_t* out) const;
    void buildExtendedSelfTestLog(uint16_t page, uint8_t* out) const;
    void buildIdentifyDataLog(uint16_t page, uint8_t* out) const;
    void securityCommand(ScsiCommand& c, Reply& r, bool out, uint8_t protocol, uint16_t spSpecific,
                         uint32_t length);
    bool securityReceive(uint8_t protocol, uint16_t spSpecific, uint32_t length, std::vector<uint8_t>& buf);
    uint8_t sctWrite(const uint8_t* key, uint64_t now, Reply& r);
    void startSctWriteSame(uint64_t now, Reply& r);
    void buildSctStatus(uint8_t* out, uint64_t now) const;
    void accountTransfer(Reply& r, uint64_t bytes, uint64_t now);
    void wakeUp(Reply& r, uint64_t now);
    const Fault* injectFault(bool ata, uint8_t opcode, int feature);
    uint8_t selfTestStatusByte(uint64_t now) const;
    void logSelfTest(uint8_t type, uint8_t status, uint64_t lba);
    uint64_t powerOnHours() const;
    uint8_t physicalExponent() const; // physical sector = logical << exponent
    uint64_t worldWideName() const;

    Description d_;
    std::unique_ptr<Storage> storage_;
    std::unique_ptr<TcgDevice> tcg_;
    mutable std::mutex mutex_;
    uint64_t createdAt_ = 0;

    uint64_t maxLba_ = 0;           // current (accessible) max LBA
    bool smartEnabled_ = false;
    bool standby_ = false;
    bool lastWasReadNativeMax_ = false;
    std::map<uint64_t, bool> unreadable_;
    std::vector<uint32_t> faultHits_;

    Job job_ = Job::None;
    uint8_t jobType_ = 0;           // SMART subcommand that started it
    uint64_t jobStart_ = 0, jobEnd_ = 0;
    uint8_t lastSelfTestStatus_ = 0; // byte 363 once no test runs

    struct SelfTestEntry { uint8_t type, status; uint16_t hours; uint64_t lba; };
    std::vector<SelfTestEntry> selfTestLog_; // oldest first

    bool sanitizeRunning_ = false;
    int sanitizeKind_ = NoSanitize;
    uint32_t sanitizePattern_ = 0;
    uint64_t sanitizeStart_ = 0, sanitizeEnd_ = 0;
    bool sanitizeCompleted_ = false;
    bool sanitizeFailed_ = false;   // the last sanitize failed: status says so until a new one

    // SCT command transport: the last command, a background write same.
    uint16_t sctAction_ = 0, sctFunction_ = 0, sctStatus_ = 0;
    bool sctWsRunning_ = false;
    uint64_t sctWsLba_ = 0, sctWsCount_ = 0, sctWsStart_ = 0, sctWsEnd_ = 0;
    bool sctWsForeground_ = false;
    std::vector<uint8_t> sctWsBlock_;
    uint64_t busyUntil_ = 0;        // throughput limit: program time when the head is free
};

} // namespace vdrive
} // namespace oskn
