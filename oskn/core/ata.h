// ATA commands inside ATA PASS-THROUGH(16) (SAT), and the decoding of IDENTIFY DEVICE data and
// ATA strings. Pure functions.
#pragma once

#include <cstdint>
#include <string>

#include "cdb.h"

namespace oskn {

enum class AtaProtocol : uint8_t {
    NonData = 3,
    PioDataIn = 4,
    PioDataOut = 5,
    Dma = 6,
    ReturnResponseInformation = 15
};

// ATA command codes and SMART subcommands used by the library.
namespace ata {
enum : uint8_t {
    IdentifyDevice = 0xEC,
    Smart = 0xB0,
    ReadLogExt = 0x2F,
    WriteLogExt = 0x3F,
    ReadNativeMaxAddressExt = 0x27,
    ReadNativeMaxAddress = 0xF8,
    SetMaxAddressExt = 0x37,
    AccessibleMaxAddressConfiguration = 0x78,
    SanitizeDevice = 0xB4,
    TrustedReceive = 0x5C,
    TrustedSend = 0x5E,
    StandbyImmediate = 0xE0,
    FlushCacheExt = 0xEA
};
enum : uint8_t {
    SmartReadData = 0xD0,
    SmartReadThresholds = 0xD1,
    SmartExecuteOfflineImmediate = 0xD4,
    SmartReadLog = 0xD5,
    SmartWriteLog = 0xD6,
    SmartReturnStatus = 0xDA
};
// SMART commands carry this signature in LBA mid/high; RETURN STATUS answers with it (good)
// or with the threshold-exceeded one.
constexpr uint8_t SmartLbaMid = 0x4F, SmartLbaHigh = 0xC2;
constexpr uint8_t SmartExceededMid = 0xF4, SmartExceededHigh = 0x2C;
// Status and error register bits.
constexpr uint8_t StatusErr = 0x01, StatusDrq = 0x08, StatusDf = 0x20, StatusDrdy = 0x40, StatusBsy = 0x80;
constexpr uint8_t ErrorAbrt = 0x04, ErrorIdnf = 0x10, ErrorUnc = 0x40;
// SANITIZE STATUS EXT: the count's state bits; a failed sanitize ends the status command in
// ABORT with this reason in LBA 7:0.
constexpr uint16_t SanitizeInProgress = 0x4000, SanitizeCompleted = 0x8000;
constexpr uint8_t SanitizeUnsuccessful = 0x01;
} // namespace ata

// The 512 bytes of SMART READ DATA, where the library reads them.
namespace smartdata {
// Self-test execution status: the routine's state in the upper nibble, tenths left in the lower.
constexpr int SelfTestExecution = 363;
constexpr uint8_t RoutineRunning = 0x0F;
inline uint8_t self_Test_State(const uint8_t* data) { return data[SelfTestExecution] >> 4; }
// In-drive diagnostics: which of them the drive offers, and their approximate seconds.
constexpr int IddCapability = 386;
constexpr uint8_t IddResetAndRecalibrate = 0x01, IddTestPendingLists = 0x02;
constexpr int IddResetSeconds = 387, IddPendingListsSeconds = 389;
} // namespace smartdata

struct AtaCommand {
    uint8_t command = 0;
    uint16_t feature = 0;
    uint16_t count = 0;      // for data commands: the number of 512-byte blocks
    uint64_t lba = 0;        // 48 bits when extended, 28 otherwise
    uint8_t device = 0x40;   // LBA mode
    bool extended = false;   // 48-bit command
    AtaProtocol protocol = AtaProtocol::NonData;
    bool checkCondition = false; // ask for the output registers (CK_COND)
};

// Output registers of a completed ATA command (from the ATA Status Return descriptor or the
// fixed-format equivalent).
struct AtaResult {
    bool valid = false;
    bool extended = false;
    uint8_t error = 0;
    uint8_t status = 0;
    uint8_t device = 0;
    uint16_t count = 0;
    uint64_t lba = 0;
};

// ATA PASS-THROUGH(16). Data commands transfer `count` 512-byte blocks, their length taken from
// the COUNT field (T_LENGTH 2, BYT_BLOK 1, T_TYPE 0).
Cdb ata_Pass_Through_16(const AtaCommand& command);

// Common commands.
AtaCommand ata_Identify_Command();
AtaCommand ata_Smart_Command(uint8_t subcommand, uint8_t lbaLow, uint16_t count, AtaProtocol protocol);
AtaCommand ata_Read_Log_Ext_Command(uint8_t logAddress, uint16_t page, uint16_t pageCount,
                                    uint16_t features);
AtaCommand ata_Read_Native_Max_Ext_Command();
AtaCommand ata_Read_Native_Max_Command(); // 28-bit, for drives without the 48-bit feature set
AtaCommand ata_Get_Native_Max_Address_Ext_Command(); // ACCESSIBLE MAX ADDRESS CONFIGURATION 0000h
AtaCommand ata_Set_Max_Address_Ext_Command(uint64_t maxLba, bool volatileValue);
AtaCommand ata_Set_Accessible_Max_Address_Ext_Command(uint64_t maxLba); // AMAC 0001h
AtaCommand ata_Standby_Immediate_Command();

// SANITIZE DEVICE: its status (clearFailure leaves the sanitize failure mode), and the three
// erases, each with its key in LBA. The overwrite writes the 32-bit pattern passes times (1-16).
AtaCommand ata_Sanitize_Status_Command(bool clearFailure);
AtaCommand ata_Sanitize_Crypto_Scramble_Command();
AtaCommand ata_Sanitize_Block_Erase_Command();
AtaCommand ata_Sanitize_Overwrite_Command(uint32_t pattern, uint8_t passes);

// TRUSTED SEND / TRUSTED RECEIVE of `blocks` 512-byte blocks (at most FFFFh).
AtaCommand ata_Trusted_Command(bool send, uint8_t protocol, uint16_t spSpecific, uint16_t blocks);

// An ATA string of `words` words from `firstWord`: each word holds two characters high byte
// first; the result has leading and trailing blanks (and NULs) removed.
std::string ata_String(const uint8_t* identify, unsigned firstWord, unsigned words);

struct IdentifyInfo {
    bool valid = false;         // word 0 bit 15 clear and a model present
    std::string model, serial, firmware;
    uint64_t sectors = 0;       // user-addressable sectors (words 100-103, else 60-61)
    uint32_t logicalSectorSize = 512;
    uint32_t physicalSectorSize = 512;
    bool lba48 = false;
};

IdentifyInfo decode_Identify(const uint8_t* identify);

// SCT command transport: commands go as a key page to log E0h, their state comes back as the
// SCT status page read from the same log.
constexpr uint8_t SctCommandLog = 0xE0;

// Key page of an SCT Write Same that repeats a 32-bit pattern over count sectors from lba, in
// the background (followed through the SCT status) or in the foreground.
void sct_Write_Same_Key(uint8_t* page512, uint64_t lba, uint64_t count, uint32_t pattern, bool foreground);

// One 512-byte page written to or read from a log: the 48-bit log commands when the drive has
// the General Purpose Logging feature set, else the SMART log commands.
AtaCommand ata_Log_Page_Command(uint8_t logAddress, bool write, bool gpl);

struct SctStatus {
    uint8_t deviceState = 0;      // 5: an SCT command runs in the background
    uint16_t extendedStatus = 0;  // of the last SCT command: 0 done, FFFFh still running
    uint16_t actionCode = 0, functionCode = 0;
    uint64_t currentLba = 0;      // where a write same has got to
};
SctStatus parse_Sct_Status(const uint8_t* page512);

inline uint16_t identify_Word(const uint8_t* identify, unsigned word) { return get_Le16(identify + 2 * word); }

// What IDENTIFY DEVICE data (raw, little endian) says the drive has, by word and bit. Words 48,
// 83, 84, 87, 106 and 119 mean something only with 01b in bits 15:14; word 82 reads FFFFh when
// the drive does not implement it.
namespace identify {
inline bool word_Valid(uint16_t word) { return (word & 0xC000) == 0x4000; }
inline bool valid_Bit(const uint8_t* id, unsigned word, uint16_t bit)
{
    const uint16_t w = identify_Word(id, word);
    return word_Valid(w) && (w & bit);
}
inline bool trusted_Computing(const uint8_t* id) { return valid_Bit(id, 48, 0x0001); }        // 48.0
inline bool sanitize(const uint8_t* id) { return identify_Word(id, 59) & 0x1000; }            // 59.12
inline bool sanitize_Crypto_Scramble(const uint8_t* id) { return identify_Word(id, 59) & 0x2000; } // 59.13
inline bool sanitize_Overwrite(const uint8_t* id) { return identify_Word(id, 59) & 0x4000; }  // 59.14
inline bool sanitize_Block_Erase(const uint8_t* id) { return identify_Word(id, 59) & 0x8000; } // 59.15
// 82.0; an unimplemented word 82 does not rule SMART out.
inline bool smart(const uint8_t* id) { return identify_Word(id, 82) == 0xFFFF || (identify_Word(id, 82) & 0x0001); }
inline bool host_Protected_Area(const uint8_t* id)                                             // 82.10
{
    return identify_Word(id, 82) != 0xFFFF && (identify_Word(id, 82) & 0x0400);
}
inline bool lba48(const uint8_t* id) { return valid_Bit(id, 83, 0x0400); }                   // 83.10
// General Purpose Logging: 84.5 or its copy 87.5.
inline bool gpl(const uint8_t* id) { return valid_Bit(id, 84, 0x0020) || valid_Bit(id, 87, 0x0020); }
inline bool accessible_Max_Address(const uint8_t* id) { return valid_Bit(id, 119, 0x0100); } // 119.8
// SCT Command Transport (206.0) with its Write Same command (206.2).
inline bool sct_Write_Same(const uint8_t* id) { return (identify_Word(id, 206) & 0x0005) == 0x0005; }
} // namespace identify

} // namespace oskn
