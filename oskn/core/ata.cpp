#include "ata.h"

#include <cstring>

namespace oskn {

Cdb ata_Pass_Through_16(const AtaCommand& c)
{
    Cdb cdb;
    cdb.length = 16;
    uint8_t* b = cdb.bytes;
    b[0] = 0x85;
    b[1] = uint8_t(uint8_t(c.protocol) << 1 | (c.extended ? 0x01 : 0x00));
    uint8_t flags = c.checkCondition ? 0x20 : 0x00;
    switch (c.protocol) {
    case AtaProtocol::PioDataIn:
    case AtaProtocol::Dma:
        flags |= 0x08 | 0x04 | 0x02; // T_DIR from device, BYT_BLOK, T_LENGTH in COUNT
        break;
    case AtaProtocol::PioDataOut:
        flags |= 0x04 | 0x02;
        break;
    default:
        break;
    }
    b[2] = flags;
    b[3] = uint8_t(c.feature >> 8);
    b[4] = uint8_t(c.feature);
    b[5] = uint8_t(c.count >> 8);
    b[6] = uint8_t(c.count);
    b[8] = uint8_t(c.lba);
    b[10] = uint8_t(c.lba >> 8);
    b[12] = uint8_t(c.lba >> 16);
    b[13] = c.device;
    if (c.extended) {
        b[7] = uint8_t(c.lba >> 24);
        b[9] = uint8_t(c.lba >> 32);
        b[11] = uint8_t(c.lba >> 40);
    } else {
        b[3] = 0;
        b[5] = 0;
        b[13] = uint8_t((c.device & 0xF0) | ((c.lba >> 24) & 0x0F));
    }
    b[14] = c.command;
    return cdb;
}

AtaCommand ata_Identify_Command()
{
    AtaCommand c;
    c.command = ata::IdentifyDevice;
    c.count = 1;
    c.device = 0xA0;
    c.protocol = AtaProtocol::PioDataIn;
    return c;
}

AtaCommand ata_Smart_Command(uint8_t subcommand, uint8_t lbaLow, uint16_t count, AtaProtocol protocol)
{
    AtaCommand c;
    c.command = ata::Smart;
    c.feature = subcommand;
    c.count = count;
    c.lba = uint64_t(ata::SmartLbaHigh) << 16 | uint64_t(ata::SmartLbaMid) << 8 | lbaLow;
    c.device = 0xA0;
    c.protocol = protocol;
    return c;
}

AtaCommand ata_Read_Log_Ext_Command(uint8_t logAddress, uint16_t page, uint16_t pageCount,
                                    uint16_t features)
{
    AtaCommand c;
    c.command = ata::ReadLogExt;
    c.feature = features;
    c.count = pageCount;
    // LBA(7:0) log address, LBA(15:8) page (7:0), LBA(39:32) page (15:8)
    c.lba = uint64_t(logAddress) | uint64_t(page & 0xFF) << 8 | uint64_t(page >> 8) << 32;
    c.extended = true;
    c.protocol = AtaProtocol::PioDataIn;
    return c;
}

AtaCommand ata_Read_Native_Max_Ext_Command()
{
    AtaCommand c;
    c.command = ata::ReadNativeMaxAddressExt;
    c.extended = true;
    c.checkCondition = true;
    return c;
}

AtaCommand ata_Read_Native_Max_Command()
{
    AtaCommand c = ata_Read_Native_Max_Ext_Command();
    c.command = ata::ReadNativeMaxAddress;
    c.extended = false;
    return c;
}

AtaCommand ata_Get_Native_Max_Address_Ext_Command()
{
    AtaCommand c;
    c.command = ata::AccessibleMaxAddressConfiguration;
    c.feature = 0x0000;
    c.extended = true;
    c.checkCondition = true;
    return c;
}

AtaCommand ata_Set_Max_Address_Ext_Command(uint64_t maxLba, bool volatileValue)
{
    AtaCommand c;
    c.command = ata::SetMaxAddressExt;
    c.count = volatileValue ? 0 : 1; // bit 0: value preserved over power cycles
    c.lba = maxLba & 0xFFFFFFFFFFFFull;
    c.extended = true;
    return c;
}

AtaCommand ata_Set_Accessible_Max_Address_Ext_Command(uint64_t maxLba)
{
    AtaCommand c;
    c.command = ata::AccessibleMaxAddressConfiguration;
    c.feature = 0x0001;
    c.lba = maxLba & 0xFFFFFFFFFFFFull;
    c.extended = true;
    return c;
}

AtaCommand ata_Standby_Immediate_Command()
{
    AtaCommand c;
    c.command = ata::StandbyImmediate;
    c.device = 0xA0;
    return c;
}

namespace {
AtaCommand sanitize_Command(uint16_t feature, uint64_t lba)
{
    AtaCommand c;
    c.command = ata::SanitizeDevice;
    c.feature = feature;
    c.lba = lba;
    c.extended = true;
    return c;
}
} // namespace

AtaCommand ata_Sanitize_Status_Command(bool clearFailure)
{
    AtaCommand c = sanitize_Command(0x0000, 0);
    c.count = clearFailure ? 0x0001 : 0x0000;
    c.checkCondition = true;
    return c;
}

AtaCommand ata_Sanitize_Crypto_Scramble_Command() { return sanitize_Command(0x0011, 0x43727970); } // "Cryp"

AtaCommand ata_Sanitize_Block_Erase_Command() { return sanitize_Command(0x0012, 0x426B4572); } // "BkEr"

AtaCommand ata_Sanitize_Overwrite_Command(uint32_t pattern, uint8_t passes)
{
    AtaCommand c = sanitize_Command(0x0014, uint64_t(0x4F57) << 32 | pattern); // "OW"
    c.count = passes & 0x0F; // 0 means 16; bit 7 clear: not inverted between passes
    return c;
}

AtaCommand ata_Trusted_Command(bool send, uint8_t protocol, uint16_t spSpecific, uint16_t blocks)
{
    AtaCommand c;
    c.command = send ? ata::TrustedSend : ata::TrustedReceive;
    c.feature = protocol;
    c.count = uint16_t(blocks & 0xFF);                  // transfer length (7:0)
    c.lba = uint64_t(spSpecific) << 8 | (blocks >> 8);  // SP specific, transfer length (15:8)
    c.protocol = send ? AtaProtocol::PioDataOut : AtaProtocol::PioDataIn;
    return c;
}

void sct_Write_Same_Key(uint8_t* page, uint64_t lba, uint64_t count, uint32_t pattern, bool foreground)
{
    std::memset(page, 0, 512);
    put_Le(page, 0x0002, 2);                           // action: write same
    put_Le(page + 2, foreground ? 0x0101 : 0x0001, 2); // function: repeat the pattern
    put_Le(page + 4, lba, 8);
    put_Le(page + 12, count, 8);
    put_Le(page + 20, pattern, 4);
}

AtaCommand ata_Log_Page_Command(uint8_t logAddress, bool write, bool gpl)
{
    const AtaProtocol protocol = write ? AtaProtocol::PioDataOut : AtaProtocol::PioDataIn;
    if (!gpl)
        return ata_Smart_Command(write ? ata::SmartWriteLog : ata::SmartReadLog, logAddress, 1, protocol);
    AtaCommand c = ata_Read_Log_Ext_Command(logAddress, 0, 1, 0);
    if (write)
        c.command = ata::WriteLogExt;
    c.protocol = protocol;
    return c;
}

SctStatus parse_Sct_Status(const uint8_t* page)
{
    SctStatus s;
    s.deviceState = page[10];
    s.extendedStatus = identify_Word(page, 7);
    s.actionCode = identify_Word(page, 8);
    s.functionCode = identify_Word(page, 9);
    s.currentLba = get_Le64(page + 40);
    return s;
}

std::string ata_String(const uint8_t* identify, unsigned firstWord, unsigned words)
{
    std::string s;
    s.reserve(words * 2);
    for (unsigned w = firstWord; w < firstWord + words; ++w) {
        s.push_back(char(identify[2 * w + 1]));
        s.push_back(char(identify[2 * w]));
    }
    auto blank = [](char ch) { return ch == ' ' || ch == '\0' || ch == '\t'; };
    size_t end = s.size();
    while (end > 0 && blank(s[end - 1]))
        --end;
    size_t begin = 0;
    while (begin < end && blank(s[begin]))
        ++begin;
    std::string out = s.substr(begin, end - begin);
    // An embedded NUL would end the record's C string early: show it as a blank.
    for (char& ch : out)
        if (ch == '\0')
            ch = ' ';
    return out;
}

IdentifyInfo decode_Identify(const uint8_t* id)
{
    IdentifyInfo info;
    info.serial = ata_String(id, 10, 10);
    info.firmware = ata_String(id, 23, 4);
    info.model = ata_String(id, 27, 20);
    const uint16_t w0 = identify_Word(id, 0);
    info.valid = !(w0 & 0x8000) && !info.model.empty();

    info.lba48 = identify::lba48(id);
    const uint64_t sectors28 = get_Le32(id + 2 * 60);
    const uint64_t sectors48 = get_Le64(id + 2 * 100);
    info.sectors = (info.lba48 && sectors48) ? sectors48 : sectors28;

    const uint16_t w106 = identify_Word(id, 106);
    if (identify::word_Valid(w106)) {
        if (w106 & 0x1000) {
            const uint32_t words = get_Le32(id + 2 * 117);
            if (words >= 256)
                info.logicalSectorSize = words * 2;
        }
        if (w106 & 0x2000)
            info.physicalSectorSize = info.logicalSectorSize << (w106 & 0x000F);
        else
            info.physicalSectorSize = info.logicalSectorSize;
    }
    return info;
}

} // namespace oskn
