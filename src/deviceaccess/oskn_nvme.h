// libOsknPublic: what an NVMe drive tells of itself, for the drive-information panel and the
// operations' log lines. The operations themselves keep the calls of oskn_public.h and
// oskn_operations.h, which choose NVMe commands for an NVMe record (interfaceType
// OSKN_INTERFACE_NVME, driveType OSKN_DRIVE_NVME):
// - scsi_Read_16 / scsi_Write_16 / write_LBA: NVMe Read / Write on the record's namespace; an
//   Unrecovered Read Error is OSKN_COMMAND_FAILURE, as a MEDIUM ERROR is;
// - run_SMART_Check: the SMART / Health Information log; OSKN_FAILURE when any Critical Warning
//   bit is set (nvme_Get_Health says which);
// - ata_SMART_Offline (1 short, 2 extended, 0x7F abort), ata_Get_DST_Progress, ata_Abort_DST:
//   Device Self-test and the Device Self-test log (status as the ATA nibble: 0 passed, 0x0F in
//   progress, others failed); OSKN_CANNOT_PERFORM for a controller without self-test (OACS);
// - set_Max_LBA, run_IDD, get_IDD_Support, spin_down_drive, the ATA reads (IDENTIFY DEVICE,
//   SMART data, logs, native max) and the SCSI-only erases: OSKN_CANNOT_PERFORM or
//   OSKN_NOT_SUPPORTED without sending anything to the drive.
// A block-only drive (driveType OSKN_DRIVE_BLOCK: eMMC, virtio) takes reads and writes only.
#pragma once

#include <stdint.h>

#include "oskn_public.h"

#ifdef __cplusplus
extern "C" {
#endif

// Critical Warning bits of the health log.
enum {
    OSKN_NVME_WARNING_SPARE = 0x01,           // available spare below its threshold
    OSKN_NVME_WARNING_TEMPERATURE = 0x02,     // temperature outside its thresholds
    OSKN_NVME_WARNING_RELIABILITY = 0x04,     // reliability degraded by media or internal errors
    OSKN_NVME_WARNING_READ_ONLY = 0x08,       // media placed in read-only mode
    OSKN_NVME_WARNING_VOLATILE_BACKUP = 0x10, // volatile memory backup device failed
    OSKN_NVME_WARNING_PMR_READ_ONLY = 0x20    // persistent memory region read-only or unreliable
};

// The SMART / Health Information log (02h), controller-wide. Counters of 128 bits saturate at
// UINT64_MAX.
typedef struct _nvmeHealthInformation {
    uint8_t criticalWarning;              // OSKN_NVME_WARNING_* bits
    uint8_t availableSpare;               // percent
    uint8_t availableSpareThreshold;      // percent
    uint8_t percentageUsed;               // may pass 100
    uint16_t compositeTemperatureKelvin;  // 0: not reported
    int16_t compositeTemperatureCelsius;
    uint64_t dataUnitsRead;               // thousands of 512-byte units
    uint64_t dataUnitsWritten;
    uint64_t hostReadCommands;
    uint64_t hostWriteCommands;
    uint64_t powerCycles;
    uint64_t powerOnHours;
    uint64_t unsafeShutdowns;
    uint64_t mediaErrors;                 // media and data integrity errors
    uint64_t errorLogEntries;
} nvmeHealthInformation;

// OSKN_NOT_SUPPORTED for a drive that is not NVMe; OSKN_INCOMPLETE for a log shorter than asked.
OSKNPUBLIC_API int nvme_Get_Health(_tDevice* device, nvmeHealthInformation* health);

#define OSKN_NVME_MAX_LBA_FORMATS 64

typedef struct _nvmeLbaFormat {
    uint32_t dataSize;            // bytes per logical block; 0 for a format no drive has
    uint16_t metadataSize;        // bytes per block
    uint8_t relativePerformance;  // 0 best .. 3 degraded
    uint8_t inUse;
} nvmeLbaFormat;

// Which erase methods the drive offers (one-byte flags).
typedef struct _nvmeEraseMethods {
    uint8_t sanitizeBlockErase;   // SANICAP
    uint8_t sanitizeCryptoErase;
    uint8_t sanitizeOverwrite;
    uint8_t formatUserData;       // Format NVM (OACS) with user-data erase
    uint8_t formatCryptoErase;    // FNA: cryptographic erase with Format NVM
    uint8_t writeZeroes;          // ONCS
    uint8_t securitySendReceive;  // OACS
} nvmeEraseMethods;

typedef struct _nvmeDriveInformation {
    uint32_t version;             // VER: major 31:16, minor 15:8, tertiary 7:0 (0: before 1.2)
    uint32_t namespaceId;
    uint64_t namespaceSize;       // logical blocks
    uint64_t namespaceCapacity;
    uint64_t namespaceUtilization;
    uint8_t lbaFormatCount;       // entries of lbaFormats
    uint8_t lbaFormatInUse;       // index
    uint8_t selfTestSupported;    // OACS Device Self-test
    uint8_t healthValid;          // health below was read
    nvmeLbaFormat lbaFormats[OSKN_NVME_MAX_LBA_FORMATS];
    nvmeEraseMethods erase;
    nvmeHealthInformation health;
} nvmeDriveInformation;

// Identify Controller and Namespace, and the health log (healthValid 0 when it could not be
// read). Not NVMe: OSKN_NOT_SUPPORTED; identify data no drive sends: OSKN_FAILURE.
OSKNPUBLIC_API int get_NVMe_Information(_tDevice* device, nvmeDriveInformation* information);

// One entry of the Device Self-test log (06h).
typedef struct _nvmeSelfTestResult {
    uint8_t code;                 // 1 short, 2 extended, 0x0E vendor specific
    uint8_t result;               // 0 passed, 1 aborted by command, 2 by reset, 3 namespace removed,
                                  // 4 format, 5 fatal error, 6 unknown segment failed, 7 segments
                                  // failed, 8 aborted for an unknown reason, 9 sanitize
    uint8_t segment;              // the failed segment, 1-based, when result is 7
    uint8_t failingLbaValid;
    uint8_t namespaceIdValid;
    uint32_t namespaceId;
    uint64_t failingLba;
    uint64_t powerOnHours;
} nvmeSelfTestResult;

typedef struct _nvmeSelfTestLog {
    uint8_t currentOperation;     // 0 none, 1 short, 2 extended running
    uint8_t completionPercent;    // of the running one
    uint8_t resultCount;          // entries in results, newest first
    nvmeSelfTestResult results[20];
} nvmeSelfTestLog;

OSKNPUBLIC_API int nvme_Get_Self_Test_Log(_tDevice* device, nvmeSelfTestLog* log);

#ifdef __cplusplus
}
#endif
