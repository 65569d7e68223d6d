// Return codes of every device-access library call (an int, 0 = success).
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

enum {
    OSKN_SUCCESS = 0,
    OSKN_FAILURE = 1,                 // the operation did not work (drive answered, but not as hoped)
    OSKN_NOT_SUPPORTED = 2,           // the drive does not support the command or feature
    OSKN_COMMAND_FAILURE = 3,         // the drive reported an error (medium error, ...)
    OSKN_IN_PROGRESS = 4,             // a background operation is still running
    OSKN_ABORTED = 5,
    OSKN_BAD_PARAMETER = 6,           // includes LBA ranges beyond the drive's max LBA
    OSKN_MEMORY_FAILURE = 7,
    OSKN_OS_PASSTHROUGH_FAILURE = 8,  // the operating system could not pass the command
    OSKN_LIBRARY_MISMATCH = 9,        // version block / record size differ from the library's
    OSKN_FROZEN = 10,                 // security or sanitize state is frozen
    OSKN_TIMEOUT = 11,                // the command did not complete in time
    OSKN_DEVICE_GONE = 12,            // the drive no longer answers (unplugged)
    OSKN_INVALID_DEVICE = 13,         // the record was not filled by this library
    OSKN_CANNOT_PERFORM = 14,         // the drive cannot perform this operation ("unable to run")
    OSKN_INCOMPLETE = 15              // the drive answered without saying the command was done:
                                      // NO SENSE / RECOVERED ERROR, or its data did not arrive
};

#ifdef __cplusplus
}
#endif
