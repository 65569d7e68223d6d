// Byte helpers of the emulator. They deliberately repeat what the library's own helpers do: the
// emulated drive is the oracle the library's encoding is tested against, so it must not share
// that encoding (a fault in one copy then shows up as a disagreement instead of cancelling out).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace oskn {
namespace vdrive {

inline void put_Be16(uint8_t* p, uint32_t v) { p[0] = uint8_t(v >> 8); p[1] = uint8_t(v); }
inline void put_Be32(uint8_t* p, uint32_t v) { put_Be16(p, v >> 16); put_Be16(p + 2, v); }
inline void put_Be64(uint8_t* p, uint64_t v) { put_Be32(p, uint32_t(v >> 32)); put_Be32(p + 4, uint32_t(v)); }
inline void put_Le16(uint8_t* p, uint32_t v) { p[0] = uint8_t(v); p[1] = uint8_t(v >> 8); }
inline void put_Le32(uint8_t* p, uint32_t v) { put_Le16(p, v); put_Le16(p + 2, v >> 16); }
inline void put_Le48(uint8_t* p, uint64_t v) { for (int i = 0; i < 6; ++i) p[i] = uint8_t(v >> (8 * i)); }
inline void put_Le64(uint8_t* p, uint64_t v) { put_Le32(p, uint32_t(v)); put_Le32(p + 4, uint32_t(v >> 32)); }
inline uint16_t get_Be16(const uint8_t* p) { return uint16_t(p[0] << 8 | p[1]); }
inline uint32_t get_Be32(const uint8_t* p) { return uint32_t(get_Be16(p)) << 16 | get_Be16(p + 2); }
inline uint64_t get_Be64(const uint8_t* p) { return uint64_t(get_Be32(p)) << 32 | get_Be32(p + 4); }
inline uint16_t get_Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
inline uint64_t get_Le64(const uint8_t* p)
{
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = v << 8 | p[i];
    return v;
}

// Last byte of a 512-byte ATA data structure: the sum of all 512 bytes is zero.
inline void put_Checksum(uint8_t* sector)
{
    uint8_t sum = 0;
    for (int i = 0; i < 511; ++i)
        sum = uint8_t(sum + sector[i]);
    sector[511] = uint8_t(-sum);
}

// ATA strings: space padded, the two characters of each word swapped.
inline void put_Ata_String(uint16_t* words, const std::string& s, size_t chars)
{
    for (size_t i = 0; i < chars; i += 2) {
        const uint8_t a = i < s.size() ? uint8_t(s[i]) : ' ';
        const uint8_t b = i + 1 < s.size() ? uint8_t(s[i + 1]) : ' ';
        words[i / 2] = uint16_t(a << 8 | b);
    }
}

// SCSI strings: space padded to n bytes.
inline void put_Padded(uint8_t* p, const std::string& s, size_t n)
{
    for (size_t i = 0; i < n; ++i)
        p[i] = i < s.size() ? uint8_t(s[i]) : ' ';
}

} // namespace vdrive
} // namespace oskn
