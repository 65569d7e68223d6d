// libOsknTCG: security protocols and the TCG support check.
#pragma once

#include <stdint.h>

#include "oskn_public.h"

#ifdef __cplusplus
extern "C" {
#endif

// Size of the buffer handed to read_Supported_Security_Protocols_From_Device.
#define OSKN_SECURITY_PROTOCOL_LIST_BYTES 384

// SECURITY PROTOCOL IN, protocol 0, "supported security protocols" (TRUSTED RECEIVE for ATA
// drives). protocolList (OSKN_SECURITY_PROTOCOL_LIST_BYTES, zeroed by the caller) receives the
// drive's answer as it sends it: bytes 6-7 the list length (big-endian), the protocol numbers
// from byte 8.
OSKNTCG_API int read_Supported_Security_Protocols_From_Device(_tDevice* device,
                                                              uint8_t* protocolList);

// 0 when the list names the TCG protocol (protocol 1), OSKN_NOT_SUPPORTED otherwise.
OSKNTCG_API int check_TCG_Support(const uint8_t* protocolList);

#ifdef __cplusplus
}
#endif
