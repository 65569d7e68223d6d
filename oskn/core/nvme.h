// NVMe: the layouts of the data the library reads (taken from libnvme's definitions, the one home
// of each), the commands it sends, the decoding of what comes back, and the mapping of a
// completion to the library's return codes. Builders and decoders are pure functions.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <nvme/types.h>

#include "readahead.h"
#include "transport.h"

namespace oskn {

struct Drive;

namespace nvme {

// The data structures, as the NVM Express base specification lays them out.
using IdentifyController = ::nvme_id_ctrl;    // Identify, CNS 01h
using IdentifyNamespace = ::nvme_id_ns;       // Identify, CNS 00h
using HealthLog = ::nvme_smart_log;           // SMART / Health Information, log 02h
using SelfTestLog = ::nvme_self_test_log;     // Device Self-test, log 06h
using SelfTestResult = ::nvme_st_result;
using SanitizeStatusLog = ::nvme_sanitize_log_page; // Sanitize Status, log 81h
static_assert(sizeof(IdentifyController) == 4096 && sizeof(IdentifyNamespace) == 4096, "identify data");
static_assert(sizeof(HealthLog) == 512 && sizeof(SanitizeStatusLog) == 512, "log pages");
static_assert(sizeof(SelfTestLog) == 564 && sizeof(SelfTestResult) == 28, "self-test log");

constexpr uint32_t IdentifyBytes = NVME_IDENTIFY_DATA_SIZE;
constexpr uint32_t AllNamespaces = NVME_NSID_ALL;
constexpr uint32_t MaxBlocksPerCommand = 65536; // NLB is a 16-bit count of blocks less one

// Commands. Each carries its buffer; lengths are in bytes.
NvmeCommand identify_Command(uint8_t cns, uint32_t nsid, uint8_t* data);
NvmeCommand get_Log_Page_Command(uint8_t logId, uint32_t nsid, uint8_t* data, uint32_t length);
NvmeCommand device_Self_Test_Command(uint32_t nsid, uint8_t code);
NvmeCommand read_Write_Command(bool write, uint32_t nsid, uint64_t lba, uint32_t blocks, bool fua, uint8_t* data,
                               uint32_t length);
// Sanitize (action: NVME_SANITIZE_SANACT_*): one overwrite pass of the 32-bit pattern, restricted
// failure mode (a failed sanitize is left only by a new one that completes).
NvmeCommand sanitize_Command(uint8_t action, uint32_t overwritePattern);
// Format NVM of the namespace into the format it is in, with Secure Erase Settings ses.
NvmeCommand format_Command(uint32_t nsid, uint8_t lbaFormat, uint8_t ses);
NvmeCommand write_Zeroes_Command(uint32_t nsid, uint64_t lba, uint32_t blocks);
// Security Send (send) or Security Receive of length bytes for a security protocol.
NvmeCommand security_Command(bool send, uint8_t protocol, uint16_t spSpecific, uint8_t* data, uint32_t length);

// Identify Controller, as far as the library uses it. valid is false for data no controller
// sends: texts that are not printable ASCII, no namespace at all.
struct ControllerInfo {
    bool valid = false;
    std::string model, serial, firmware; // trimmed
    uint32_t version = 0;                // VER: major 31:16, minor 15:8, tertiary 7:0
    uint16_t oacs = 0, oncs = 0;
    uint8_t fna = 0, lpa = 0, mdts = 0;
    uint32_t sanicap = 0;
    uint32_t namespaces = 0;
};
ControllerInfo decode_Identify_Controller(const uint8_t* data);

struct LbaFormat {
    uint32_t dataSize = 0;   // bytes
    uint16_t metadataSize = 0;
    uint8_t relativePerformance = 0;
};

// Identify Namespace. valid is false for a namespace of no blocks or a format in use that is
// not one of those listed, or whose block size no drive has.
struct NamespaceInfo {
    bool valid = false;
    uint64_t size = 0, capacity = 0, utilization = 0; // blocks
    uint8_t formatInUse = 0;
    std::vector<LbaFormat> formats;                   // the nlbaf + 1 listed
    uint32_t logicalBlockSize = 0, physicalBlockSize = 0;
    bool metadata = false;                            // the format in use carries metadata
};
NamespaceInfo decode_Identify_Namespace(const uint8_t* data);

// The Sanitize Status log.
struct SanitizeState {
    uint16_t progress = 0;   // SPROG, of 65536, while one runs
    uint8_t status = 0;      // SSTAT 2:0: NVME_SANITIZE_SSTAT_STATUS_*
    uint16_t sstat = 0;      // the whole SSTAT field
    uint32_t command = 0;    // SCDW10 of the most recent sanitize
    uint32_t estimateSeconds[3] = {}; // overwrite, block erase, crypto erase; UINT32_MAX none given
};
SanitizeState decode_Sanitize_Log(const uint8_t* data);

// A 128-bit little-endian counter of the health log, saturated to 64 bits.
uint64_t counter_128(const uint8_t* p);

// The Device Self-test log's newest entry, decoded.
struct SelfTestEntry {
    bool used = false;       // result code Fh: entry not used
    uint8_t code = 0;        // 1 short, 2 extended, Eh vendor specific
    uint8_t result = 0;      // 0 passed, 1 aborted by command, 2 by reset, ... 7 segment failed
    uint8_t segment = 0;
    bool lbaValid = false;
    uint64_t lba = 0;
    bool nsidValid = false;
    uint32_t nsid = 0;
    uint64_t powerOnHours = 0;
};
SelfTestEntry decode_Self_Test_Entry(const SelfTestResult& r);

// The ATA self-test execution status nibble that tells the same as a finished NVMe self-test's
// result code (0 passed, 1 aborted by the host, 2 interrupted, 3 fatal, 4 unknown, 7 read).
uint8_t ata_Self_Test_Status(const SelfTestEntry& entry);

// Outcome of one NVMe command as a return code: success only for a successful completion that
// delivered all of its data; an Unrecovered Read Error is the medium error of the SCSI side.
int map_Result(TransportResult delivered, const NvmeCommand& command);

} // namespace nvme

// One NVMe command to the drive under its lock; a return code. Commands that may change the
// medium drop the read-ahead windows over it.
int nvme_Command(Drive& drive, NvmeCommand& command);

// Identify Controller, decoded.
int nvme_Identify_Controller(Drive& drive, nvme::ControllerInfo& info);

// A controller-wide log page of length bytes.
int nvme_Read_Log(Drive& drive, uint8_t logId, uint8_t* data, uint32_t length);

// Reads or writes count blocks at lba on the record's namespace, in as many commands as the
// system and the command's count field take.
int nvme_Read_Write(Drive& drive, uint32_t nsid, bool write, uint64_t lba, uint32_t count, bool fua,
                    uint8_t* data, uint32_t blockSize);

// A read-ahead window: reads of at most pieceBlocks, handed to the channel together under the
// drive's lock.
std::unique_ptr<ReadAhead::Pieces> start_Nvme_Read_Pieces(Drive& drive, uint32_t nsid, uint64_t lba, uint32_t count,
                                                          uint8_t* data, uint32_t blockSize, uint32_t pieceBlocks);

// Reads or writes on a block-only drive; a return code (EIO is the medium error).
int block_Read_Write(Drive& drive, bool write, uint64_t lba, uint32_t count, bool fua, uint8_t* data,
                     uint32_t blockSize);
int block_Result(TransportResult delivered, const BlockCommand& command);

} // namespace oskn
