// IF-SEND / IF-RECV: SECURITY PROTOCOL OUT/IN, or for an ATA drive that refuses them, TRUSTED
// SEND/RECEIVE in ATA PASS-THROUGH (get_Security_Protocol_Path). Lengths are whole 512-byte blocks.
#pragma once

#include <cstdint>

#include "core/registry.h"

namespace oskn {

int security_Receive(_tDevice* device, Drive& drive, uint8_t protocol, uint16_t spSpecific, uint8_t* data,
                     uint32_t length);
int security_Send(_tDevice* device, Drive& drive, uint8_t protocol, uint16_t spSpecific, uint8_t* data,
                  uint32_t length);

} // namespace oskn
