// libOsknTCG: security protocols and the TCG support check.
#pragma once

#include <stdint.h>

#include "oskn_public.h"

#ifdef __cplusplus
extern "C" {
#endif

// Size of the buffer handed to read_Supported_Security_Protocols_From_Device.
#define OSKN_SECURITY_PROTOCOL_LIST_BYTES 384

// How the security-protocol calls below (and revert_SP) reach a drive. SECURITY PROTOCOL IN/OUT
// comes first: a SAT layer translates it to TRUSTED RECEIVE/SEND itself, and Linux's libata
// lets it through while it filters TRUSTED commands sent in ATA PASS-THROUGH unless the kernel
// runs with libata.allow_tpm=1. An ATA drive that refuses the SCSI commands is asked again
// with TRUSTED RECEIVE/SEND in ATA PASS-THROUGH. The first exchange that works fixes the path
// for the drive; get_Security_Protocol_Path tells which one it took.
#define OSKN_SECURITY_PATH_NONE 0      // no exchange has worked yet
#define OSKN_SECURITY_PATH_SCSI 1      // SECURITY PROTOCOL IN/OUT
#define OSKN_SECURITY_PATH_ATA 2       // TRUSTED RECEIVE/SEND through ATA PASS-THROUGH
OSKNTCG_API int get_Security_Protocol_Path(_tDevice* device);

// SECURITY PROTOCOL IN, protocol 0, "supported security protocols" (or TRUSTED RECEIVE, as
// above). protocolList (OSKN_SECURITY_PROTOCOL_LIST_BYTES, zeroed by the caller) receives the
// drive's answer as it sends it: bytes 6-7 the list length (big-endian), the protocol numbers
// from byte 8.
OSKNTCG_API int read_Supported_Security_Protocols_From_Device(_tDevice* device,
                                                              uint8_t* protocolList);

// 0 when the list names the TCG protocol (protocol 1), OSKN_NOT_SUPPORTED otherwise.
OSKNTCG_API int check_TCG_Support(const uint8_t* protocolList);

#ifdef __cplusplus
}
#endif
