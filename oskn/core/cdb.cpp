#include "cdb.h"

namespace oskn {
namespace cdb {

namespace {
Cdb make(uint8_t length, uint8_t opcode)
{
    Cdb c;
    c.length = length;
    c.bytes[0] = opcode;
    return c;
}
} // namespace

Cdb inquiry(bool evpd, uint8_t pageCode, uint16_t allocationLength)
{
    Cdb c = make(6, 0x12);
    c.bytes[1] = evpd ? 0x01 : 0x00;
    c.bytes[2] = evpd ? pageCode : 0;
    put_Be16(c.bytes + 3, allocationLength);
    return c;
}

Cdb test_Unit_Ready() { return make(6, 0x00); }

Cdb read_Capacity_10() { return make(10, 0x25); }

Cdb read_Capacity_16(uint32_t allocationLength)
{
    Cdb c = make(16, 0x9E);
    c.bytes[1] = 0x10; // service action READ CAPACITY (16)
    put_Be32(c.bytes + 10, allocationLength);
    return c;
}

Cdb read_16(uint8_t rdProtect, bool dpo, bool fua, bool rarc, uint64_t lba, uint32_t transferLength,
            uint8_t groupNumber)
{
    Cdb c = make(16, 0x88);
    c.bytes[1] = uint8_t((rdProtect & 0x07) << 5 | (dpo ? 0x10 : 0) | (fua ? 0x08 : 0) |
                         (rarc ? 0x04 : 0));
    put_Be64(c.bytes + 2, lba);
    put_Be32(c.bytes + 10, transferLength);
    c.bytes[14] = groupNumber & 0x3F;
    return c;
}

Cdb write_16(uint8_t wrProtect, bool dpo, bool fua, uint64_t lba, uint32_t transferLength,
             uint8_t groupNumber)
{
    Cdb c = make(16, 0x8A);
    c.bytes[1] = uint8_t((wrProtect & 0x07) << 5 | (dpo ? 0x10 : 0) | (fua ? 0x08 : 0));
    put_Be64(c.bytes + 2, lba);
    put_Be32(c.bytes + 10, transferLength);
    c.bytes[14] = groupNumber & 0x3F;
    return c;
}

Cdb read_10(uint8_t rdProtect, bool dpo, bool fua, bool rarc, uint32_t lba, uint16_t transferLength,
            uint8_t groupNumber)
{
    Cdb c = make(10, 0x28);
    c.bytes[1] = uint8_t((rdProtect & 0x07) << 5 | (dpo ? 0x10 : 0) | (fua ? 0x08 : 0) |
                         (rarc ? 0x04 : 0));
    put_Be32(c.bytes + 2, lba);
    c.bytes[6] = groupNumber & 0x3F;
    put_Be16(c.bytes + 7, transferLength);
    return c;
}

Cdb write_10(uint8_t wrProtect, bool dpo, bool fua, uint32_t lba, uint16_t transferLength,
             uint8_t groupNumber)
{
    Cdb c = make(10, 0x2A);
    c.bytes[1] = uint8_t((wrProtect & 0x07) << 5 | (dpo ? 0x10 : 0) | (fua ? 0x08 : 0));
    put_Be32(c.bytes + 2, lba);
    c.bytes[6] = groupNumber & 0x3F;
    put_Be16(c.bytes + 7, transferLength);
    return c;
}

Cdb write_Same_16(uint8_t wrProtect, bool unmap, bool ndob, uint64_t lba, uint32_t numberOfBlocks,
                  uint8_t groupNumber)
{
    Cdb c = make(16, 0x93);
    c.bytes[1] = uint8_t((wrProtect & 0x07) << 5 | (unmap ? 0x08 : 0) | (ndob ? 0x01 : 0));
    put_Be64(c.bytes + 2, lba);
    put_Be32(c.bytes + 10, numberOfBlocks);
    c.bytes[14] = groupNumber & 0x3F;
    return c;
}

Cdb start_Stop_Unit(bool immediate, uint8_t powerCondition, bool loadEject, bool start)
{
    Cdb c = make(6, 0x1B);
    c.bytes[1] = immediate ? 0x01 : 0x00;
    c.bytes[4] = uint8_t((powerCondition & 0x0F) << 4 | (loadEject ? 0x02 : 0) | (start ? 0x01 : 0));
    return c;
}

Cdb sanitize(bool immediate, bool allowUnrestrictedExit, uint8_t serviceAction,
             uint16_t parameterListLength)
{
    Cdb c = make(10, 0x48);
    c.bytes[1] = uint8_t((immediate ? 0x80 : 0) | (allowUnrestrictedExit ? 0x20 : 0) |
                         (serviceAction & 0x1F));
    put_Be16(c.bytes + 7, parameterListLength);
    return c;
}

Cdb security_Protocol_In(uint8_t protocol, uint16_t protocolSpecific, bool inc512,
                         uint32_t allocationLength)
{
    Cdb c = make(12, 0xA2);
    c.bytes[1] = protocol;
    put_Be16(c.bytes + 2, protocolSpecific);
    c.bytes[4] = inc512 ? 0x80 : 0x00;
    put_Be32(c.bytes + 6, allocationLength);
    return c;
}

Cdb security_Protocol_Out(uint8_t protocol, uint16_t protocolSpecific, bool inc512,
                          uint32_t transferLength)
{
    Cdb c = make(12, 0xB5);
    c.bytes[1] = protocol;
    put_Be16(c.bytes + 2, protocolSpecific);
    c.bytes[4] = inc512 ? 0x80 : 0x00;
    put_Be32(c.bytes + 6, transferLength);
    return c;
}

Cdb request_Sense(uint8_t allocationLength, bool descriptorFormat)
{
    Cdb c = make(6, 0x03);
    c.bytes[1] = descriptorFormat ? 0x01 : 0x00;
    c.bytes[4] = allocationLength;
    return c;
}

} // namespace cdb
} // namespace oskn
