#pragma once

#include <array>
#include <cstdint>
#include <cstring>

// The program's own reading of ATA IDENTIFY DEVICE words (the record's identifyData): one place
// for the bit each check rests on. Where two words are named, either one's bit counts.
namespace identify {

using Words = std::array<uint16_t, 256>;

// The record is packed: its words are read through an aligned copy.
inline Words copy_Of(const void* identifyData)
{
    Words words;
    std::memcpy(words.data(), identifyData, sizeof words);
    return words;
}

inline bool bit(const uint16_t* w, int word, int b) { return (w[word] >> b) & 1u; }
inline bool either(const uint16_t* w, int a, int b, int n) { return bit(w, a, n) || bit(w, b, n); }

// Host Protected Area (READ NATIVE MAX ADDRESS); Accessible Max Address Configuration.
inline bool hpa_Supported(const uint16_t* w) { return bit(w, 82, 10); }
inline bool amac_Supported(const uint16_t* w) { return bit(w, 119, 8); }
// General Purpose Logging; SMART error logging; SMART self-test (words 84/87).
inline bool gpl_Supported(const uint16_t* w) { return either(w, 84, 87, 5); }
inline bool smart_Error_Logging(const uint16_t* w) { return either(w, 84, 87, 0); }
inline bool smart_Self_Test(const uint16_t* w) { return either(w, 84, 87, 1); }
// SMART and the Security feature set: supported (word 82), enabled (word 85).
inline bool smart_Supported(const uint16_t* w) { return bit(w, 82, 0); }
inline bool smart_Enabled(const uint16_t* w) { return bit(w, 85, 0); }
inline bool security_Supported(const uint16_t* w) { return bit(w, 82, 1); }
inline bool security_Enabled(const uint16_t* w) { return bit(w, 85, 1); }
// The security status (word 128): supported, enabled, locked, frozen.
inline bool security_Status_Supported(const uint16_t* w) { return bit(w, 128, 0); }
inline bool security_Status_Enabled(const uint16_t* w) { return bit(w, 128, 1); }
inline bool security_Locked(const uint16_t* w) { return bit(w, 128, 2); }
inline bool security_Frozen(const uint16_t* w) { return bit(w, 128, 3); }
// Power management as the information panel reads it; Advanced Power Management supported, enabled.
inline bool power_Management(const uint16_t* w) { return either(w, 83, 85, 3); }
inline bool apm_Supported(const uint16_t* w) { return bit(w, 83, 3); }
inline bool apm_Enabled(const uint16_t* w) { return bit(w, 86, 3); }
// The 48-bit Address feature set; DOWNLOAD MICROCODE and its segmented mode.
inline bool lba48(const uint16_t* w) { return either(w, 83, 86, 10); }
inline bool download_Microcode(const uint16_t* w) { return either(w, 83, 86, 0); }
inline bool download_Microcode_Segmented(const uint16_t* w) { return either(w, 119, 120, 4); }
// The buffer size, in 512-byte units.
inline uint16_t buffer_Size(const uint16_t* w) { return w[21]; }

} // namespace identify
