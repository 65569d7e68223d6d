// libOsknOperations: self-test, SMART check, erase range/time, write same, sanitize, set max LBA,
// in-drive diagnostics. Conventions as in oskn_public.h. Long operations (self-test, sanitize,
// in-drive diagnostics) run in the drive; the library does not hold the drive's lock while it
// waits for them, so other calls on the same drive (progress queries) go through meanwhile.
#pragma once

#include <stdbool.h>
#include <stdint.h>

#include "oskn_public.h"

#ifdef __cplusplus
extern "C" {
#endif

// --- drive self-test (ATA SMART) -------------------------------------------------------------

// SMART EXECUTE OFF-LINE IMMEDIATE: 1 = short self-test, 2 = extended, 0x7F = abort (background
// forms; the captive forms 0x81/0x82 are refused with OSKN_BAD_PARAMETER). 0 = started.
// OSKN_CANNOT_PERFORM when the drive has no SMART self-test.
OSKNOPERATIONS_API int ata_SMART_Offline(_tDevice* device, uint8_t subcommand);

// Self-test execution status from the SMART data: status is the upper nibble of the self-test
// execution status byte (0 = completed without error, 0x0F = in progress, anything else failed
// or interrupted), percentRemaining the lower nibble x 10 (percent of the test still to run).
OSKNOPERATIONS_API int ata_Get_DST_Progress(_tDevice* device, uint32_t* percentRemaining,
                                            uint8_t* status);

OSKNOPERATIONS_API int ata_Abort_DST(_tDevice* device);

// SMART RETURN STATUS: 0 = healthy; OSKN_FAILURE = a threshold is exceeded (the drive predicts a
// failure); OSKN_NOT_SUPPORTED = no SMART, SMART disabled, or not an ATA drive; other codes when
// the command failed.
OSKNOPERATIONS_API int run_SMART_Check(_tDevice* device);

// --- erases ----------------------------------------------------------------------------------

// Overwrites [eraseRangeStart, eraseRangeEnd) with zeros (end is the first LBA not erased).
// options: 0. An empty range succeeds; a range past the max LBA is OSKN_BAD_PARAMETER;
// OSKN_CANNOT_PERFORM when the drive cannot be written.
OSKNOPERATIONS_API int erase_Range(_tDevice* device, uint64_t eraseRangeStart,
                                   uint64_t eraseRangeEnd, uint32_t options);

// Overwrites with zeros from startLBA upwards for `seconds` of program time (the common time
// source), or until the end of the drive if that comes first.
OSKNOPERATIONS_API int erase_Time(_tDevice* device, uint64_t startLBA, uint32_t seconds);

// --- write same --------------------------------------------------------------------------------

// True when the drive can overwrite numberOfLogicalBlocks sectors from startLBA by itself;
// maxBlocksPerCommand receives the most blocks one command may cover (may be null).
OSKNOPERATIONS_API bool is_Write_Same_Supported(_tDevice* device, uint64_t startLBA,
                                                uint32_t numberOfLogicalBlocks,
                                                uint64_t* maxBlocksPerCommand);

// Starts the drive's zero-fill of numberOfLogicalBlocks sectors from startLBA. With
// waitForCompletion false it returns once started (follow with get_Writesame_Progress);
// OSKN_IN_PROGRESS when one already runs on the drive.
OSKNOPERATIONS_API int writesame(_tDevice* device, uint64_t startLBA, uint32_t numberOfLogicalBlocks,
                                 bool waitForCompletion);

// Progress of the write same over [startLBA, endLBA). Not started yet: 0 %, in progress. Once it
// has ended: inProgress false, and the return code is the write same's own result.
OSKNOPERATIONS_API int get_Writesame_Progress(_tDevice* device, double* percent, bool* inProgress,
                                              uint64_t startLBA, uint64_t endLBA);

// --- sanitize --------------------------------------------------------------------------------

// Five one-byte flags, zeroed by the caller.
typedef struct _sanitizeFeaturesSupported {
    uint8_t sanitizeSupported; // the SANITIZE feature set at all
    uint8_t blockErase;
    uint8_t overwrite;
    uint8_t crypto;
    uint8_t exitFailureMode;
} sanitizeFeaturesSupported;

// ATA drives: 0 and the flags from IDENTIFY word 59; NVMe drives: SANICAP, and crypto also where
// Format NVM is offered (OACS bit 1). Other drives: OSKN_NOT_SUPPORTED.
OSKNOPERATIONS_API int get_Sanitize_Device_Features(_tDevice* device,
                                                    sanitizeFeaturesSupported* features);

enum {
    OSKN_SANITIZE_CRYPTO_ERASE = 1,
    OSKN_SANITIZE_OVERWRITE = 2,
    OSKN_SANITIZE_BLOCK_ERASE = 3,
    OSKN_SANITIZE_EXIT_FAILURE_MODE = 4
};

// Starts a sanitize of the given kind. waitForCompletion true: returns when the drive finished
// (0) or failed, or OSKN_TIMEOUT once its progress stood still too long (10 minutes for a crypto
// erase, an hour otherwise); false: 0 = started, OSKN_IN_PROGRESS = one was already running.
OSKNOPERATIONS_API int run_Sanitize_Operation(_tDevice* device, int operation,
                                              bool waitForCompletion);

// State of get_Sanitize_Progress.
enum {
    OSKN_SANITIZE_STATE_IDLE = 0,        // none running; last one (if any) completed: percent 100
    OSKN_SANITIZE_STATE_IN_PROGRESS = 1,
    OSKN_SANITIZE_STATE_FAILED = 2       // the last sanitize failed; the drive needs a new one
};

OSKNOPERATIONS_API int get_Sanitize_Progress(_tDevice* device, double* percent, uint32_t* state);

// The command that did the last crypto erase run_Sanitize_Operation ran on the drive: an NVMe
// drive without a sanitize crypto erase is erased by Format NVM with a secure erase instead.
enum {
    OSKN_ERASE_METHOD_NONE = 0,
    OSKN_ERASE_METHOD_SANITIZE = 1,
    OSKN_ERASE_METHOD_FORMAT_CRYPTO = 2,    // Format NVM, Secure Erase Settings 2 (cryptographic)
    OSKN_ERASE_METHOD_FORMAT_USER_DATA = 3  // Format NVM, Secure Erase Settings 1 (user data)
};
OSKNOPERATIONS_API int get_Crypto_Erase_Method(_tDevice* device, int* method);

// What the drive says of its sanitize, field by field, for a log that must show all of it, and
// the time the drive itself estimates the sanitize takes. The raw fields are an NVMe drive's
// Sanitize Status log; other drives give the state and percentage only (nvme 0).
typedef struct {
    uint32_t state;           // OSKN_SANITIZE_STATE_*
    double percent;
    uint32_t nvme;            // 1: the fields below were read from the drive
    uint32_t status;          // SSTAT
    uint32_t progress;        // SPROG, of 65536
    uint32_t command;         // SCDW10 of the most recent sanitize
    uint32_t estimateSeconds; // the drive's estimate for that sanitize's action; 0 none given
} sanitizeStatusReport;
OSKNOPERATIONS_API int get_Sanitize_Status_Report(_tDevice* device, sanitizeStatusReport* report);

// Prints the sanitize progress on standard output until the running sanitize ends.
OSKNOPERATIONS_API int show_Sanitize_Progress(_tDevice* device);

// --- capacity --------------------------------------------------------------------------------

// Sets the drive's max LBA (highest addressable LBA) to newMaxLBA; with restoreNative true the
// drive goes back to its native capacity and newMaxLBA is ignored. The caller updates the
// record's maxLBA on success.
OSKNOPERATIONS_API int set_Max_LBA(_tDevice* device, uint64_t newMaxLBA, bool restoreNative);

// --- in-drive diagnostics --------------------------------------------------------------------

typedef enum _eIDDTests {
    OSKN_IDD_RESET_AND_RECALIBRATE = 0x70,
    OSKN_IDD_TEST_PENDING_AND_REALLOCATION_LISTS = 0x71,
    OSKN_IDD_FULL = 0x72
} _eIDDTests;

// The drive announces its diagnostics in the vendor-specific part of its SMART data: byte 386
// bit 0 (70h) and bit 1 (71h), approximate seconds at bytes 387-388 and 389-390.
// Three one-byte flags, zeroed by the caller.
typedef struct _iddSupportedFeatures {
    uint8_t resetAndRecalibrate;             // IDD 70
    uint8_t testPendingAndReallocationLists; // IDD 71
    uint8_t full;                            // IDD 72
} iddSupportedFeatures;

OSKNOPERATIONS_API int get_IDD_Support(_tDevice* device, iddSupportedFeatures* features);

// Runs the diagnostic and returns when it has ended: 0 passed, OSKN_FAILURE failed,
// OSKN_CANNOT_PERFORM not offered by the drive. captive: 0.
OSKNOPERATIONS_API int run_IDD(_tDevice* device, _eIDDTests kind, bool captive);

// Approximate run time of the diagnostic in seconds. Returns OSKN_IN_PROGRESS while that
// diagnostic runs on the drive (started by run_IDD), 0 when it does not,
// OSKN_CANNOT_PERFORM when the drive does not offer it.
OSKNOPERATIONS_API int get_Approximate_IDD_Time(_tDevice* device, _eIDDTests kind,
                                                uint64_t* seconds);

#ifdef __cplusplus
}
#endif
