#pragma once

#include <cstdint>

// The program's own reading of ATA IDENTIFY DEVICE words (the record's identifyData): one place
// for the bit each check rests on.
namespace identify {

// Word 82 bit 10: the Host Protected Area feature set (READ NATIVE MAX ADDRESS).
inline bool hpa_Supported(const uint16_t* words) { return words[82] & (1u << 10); }
// Word 119 bit 8: Accessible Max Address Configuration (GET NATIVE MAX ADDRESS EXT).
inline bool amac_Supported(const uint16_t* words) { return words[119] & (1u << 8); }
// Word 84 or 87 bit 5: the General Purpose Logging feature set.
inline bool gpl_Supported(const uint16_t* words) { return (words[84] & (1u << 5)) || (words[87] & (1u << 5)); }

} // namespace identify
