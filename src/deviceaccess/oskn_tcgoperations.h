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

// The TCG method status the drive gave to the last revert_SP's session start with the PSID, -1
// when none came: OSKN_TCG_NOT_AUTHORIZED says the PSID was wrong.
enum { OSKN_TCG_NOT_AUTHORIZED = 0x01 };
OSKNTCGOPERATIONS_API int get_Revert_Session_Status(_tDevice* device, int* status);

#ifdef __cplusplus
}
#endif
