#pragma once

#include <array>
#include <cstdint>
#include <cstring>

// The program's own reading of ATA IDENTIFY DEVICE words (the record's identifyData): one place
// for the bit each check rests on.
namespace identify {

using Words = std::array<uint16_t, 256>;

// The record is packed: its words are read through an aligned copy.
inline Words copy_Of(const void* identifyData)
{
    Words words;
    std::memcpy(words.data(), identifyData, sizeof words);
    return words;
}

inline bool bit(const uint16_t* words, int word, int b) { return (words[word] >> b) & 1u; }
// The bit in the word that says it is supported or in the one that says it is enabled.
inline bool either(const uint16_t* words, int a, int b, int bitNumber)
{
    return bit(words, a, bitNumber) || bit(words, b, bitNumber);
}

// Word 82 bit 10: the Host Protected Area feature set (READ NATIVE MAX ADDRESS).
inline bool hpa_Supported(const uint16_t* words) { return bit(words, 82, 10); }
// Word 119 bit 8: Accessible Max Address Configuration (GET NATIVE MAX ADDRESS EXT).
inline bool amac_Supported(const uint16_t* words) { return bit(words, 119, 8); }
// Word 84 or 87 bit 5: the General Purpose Logging feature set.
inline bool gpl_Supported(const uint16_t* words) { return either(words, 84, 87, 5); }

// Word 82 bit 0 / word 85 bit 0: SMART supported / enabled.
inline bool smart_Supported(const uint16_t* words) { return bit(words, 82, 0); }
inline bool smart_Enabled(const uint16_t* words) { return bit(words, 85, 0); }
// Word 84 or 87 bit 0: SMART error logging; bit 1: SMART self-test.
inline bool smart_Error_Logging(const uint16_t* words) { return either(words, 84, 87, 0); }
inline bool smart_Self_Test(const uint16_t* words) { return either(words, 84, 87, 1); }
// Word 82 bit 1 / word 85 bit 1: the Security feature set supported / enabled.
inline bool security_Supported(const uint16_t* words) { return bit(words, 82, 1); }
inline bool security_Enabled(const uint16_t* words) { return bit(words, 85, 1); }
// Word 128 bits 0 to 3: security supported, enabled, locked, frozen.
inline bool security_Status_Supported(const uint16_t* words) { return bit(words, 128, 0); }
inline bool security_Status_Enabled(const uint16_t* words) { return bit(words, 128, 1); }
inline bool security_Locked(const uint16_t* words) { return bit(words, 128, 2); }
inline bool security_Frozen(const uint16_t* words) { return bit(words, 128, 3); }
// Word 83 or 85 bit 3: power management, as the information panel reads it.
inline bool power_Management(const uint16_t* words) { return either(words, 83, 85, 3); }
// Word 83 bit 3 / word 86 bit 3: Advanced Power Management supported / enabled.
inline bool apm_Supported(const uint16_t* words) { return bit(words, 83, 3); }
inline bool apm_Enabled(const uint16_t* words) { return bit(words, 86, 3); }
// Word 83 or 86 bit 10: the 48-bit Address feature set.
inline bool lba48(const uint16_t* words) { return either(words, 83, 86, 10); }
// Word 83 or 86 bit 0: DOWNLOAD MICROCODE; word 119 or 120 bit 4: its segmented mode.
inline bool download_Microcode(const uint16_t* words) { return either(words, 83, 86, 0); }
inline bool download_Microcode_Segmented(const uint16_t* words) { return either(words, 119, 120, 4); }
// Word 21: the buffer size, in 512-byte units.
inline uint16_t buffer_Size(const uint16_t* words) { return words[21]; }

} // namespace identify
