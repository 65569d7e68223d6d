// SCSI command descriptor blocks, built as bytes (SPC/SBC layouts). Pure functions.
#pragma once

#include <cstdint>

#include "bytes.h"

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

} // namespace oskn
