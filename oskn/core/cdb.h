// SCSI command descriptor blocks, built as bytes (SPC/SBC layouts). Pure functions.
#pragma once

#include <cstdint>

namespace oskn {

struct Cdb {
    uint8_t bytes[16] = {};
    uint8_t length = 0;
};

namespace cdb {

Cdb inquiry(bool evpd, uint8_t pageCode, uint16_t allocationLength);
Cdb test_Unit_Ready();
Cdb read_Capacity_10();
Cdb read_Capacity_16(uint32_t allocationLength);
Cdb read_16(uint8_t rdProtect, bool dpo, bool fua, bool rarc, uint64_t lba, uint32_t transferLength,
            uint8_t groupNumber);
Cdb write_16(uint8_t wrProtect, bool dpo, bool fua, uint64_t lba, uint32_t transferLength,
             uint8_t groupNumber);
// The 10-byte forms, for bridges without 16-byte commands (32-bit LBA, 16-bit length).
Cdb read_10(uint8_t rdProtect, bool dpo, bool fua, bool rarc, uint32_t lba, uint16_t transferLength,
            uint8_t groupNumber);
Cdb write_10(uint8_t wrProtect, bool dpo, bool fua, uint32_t lba, uint16_t transferLength,
             uint8_t groupNumber);
Cdb write_Same_16(uint8_t wrProtect, bool unmap, bool ndob, uint64_t lba, uint32_t numberOfBlocks,
                  uint8_t groupNumber);
// powerCondition 0 = START_VALID (start bit decides).
Cdb start_Stop_Unit(bool immediate, uint8_t powerCondition, bool loadEject, bool start);
// serviceAction: 1 overwrite, 2 block erase, 3 crypto erase, 0x1F exit failure mode.
Cdb sanitize(bool immediate, bool allowUnrestrictedExit, uint8_t serviceAction,
             uint16_t parameterListLength);
Cdb security_Protocol_In(uint8_t protocol, uint16_t protocolSpecific, bool inc512,
                         uint32_t allocationLength);
Cdb security_Protocol_Out(uint8_t protocol, uint16_t protocolSpecific, bool inc512,
                          uint32_t transferLength);
Cdb request_Sense(uint8_t allocationLength, bool descriptorFormat);

} // namespace cdb

// Big-endian helpers shared by the builders and the parsers.
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
inline uint16_t get_Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
inline uint32_t get_Le32(const uint8_t* p) { return uint32_t(get_Le16(p)) | uint32_t(get_Le16(p + 2)) << 16; }
inline uint64_t get_Le64(const uint8_t* p) { return uint64_t(get_Le32(p)) | uint64_t(get_Le32(p + 4)) << 32; }

} // namespace oskn
