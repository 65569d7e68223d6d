// Byte order of the wire: CDBs and SCSI parameter data are big endian, ATA data (IDENTIFY,
// logs, SCT pages) little endian.
#pragma once

#include <cstdint>

namespace oskn {

inline void put_Be16(uint8_t* p, uint16_t v) { p[0] = uint8_t(v >> 8); p[1] = uint8_t(v); }
inline void put_Be32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (24 - 8 * i));
}
inline void put_Be64(uint8_t* p, uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        p[i] = uint8_t(v >> (56 - 8 * i));
}
inline uint16_t get_Be16(const uint8_t* p) { return uint16_t(p[0] << 8 | p[1]); }
inline uint32_t get_Be32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}
inline uint64_t get_Be64(const uint8_t* p) { return uint64_t(get_Be32(p)) << 32 | get_Be32(p + 4); }

// Little endian, `bytes` wide (up to 8).
inline void put_Le(uint8_t* p, uint64_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        p[i] = uint8_t(v >> (8 * i));
}
inline uint16_t get_Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
inline uint32_t get_Le32(const uint8_t* p) { return uint32_t(get_Le16(p)) | uint32_t(get_Le16(p + 2)) << 16; }
inline uint64_t get_Le64(const uint8_t* p) { return uint64_t(get_Le32(p)) | uint64_t(get_Le32(p + 4)) << 32; }

} // namespace oskn
