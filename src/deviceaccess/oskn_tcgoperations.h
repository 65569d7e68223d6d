// libOsknTCGOperations: PSID revert of a self-encrypting drive.
#pragma once

#include "oskn_tcg.h"

#ifdef __cplusplus
extern "C" {
#endif

// Reverts the drive's locking SP to factory state with the PSID printed on its label (32
// characters, NUL-terminated). 0 success; OSKN_NOT_SUPPORTED / OSKN_CANNOT_PERFORM when the drive
// has no PSID authority; OSKN_FAILURE for a refused key.
OSKNTCGOPERATIONS_API int revert_SP(_tDevice* device, const char* psid);

#ifdef __cplusplus
}
#endif
