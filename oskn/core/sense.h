// Sense data (fixed and descriptor formats, SPC) and the mapping of a command's outcome to the
// library's return codes. Pure functions.
#pragma once

#include <cstdint>

#include "ata.h"
#include "transport.h"

namespace oskn {

namespace sensekey {
enum : uint8_t {
    NoSense = 0x0, RecoveredError = 0x1, NotReady = 0x2, MediumError = 0x3, HardwareError = 0x4,
    IllegalRequest = 0x5, UnitAttention = 0x6, DataProtect = 0x7, AbortedCommand = 0xB,
    Miscompare = 0xE
};
}

struct SenseData {
    bool valid = false;
    bool descriptorFormat = false;
    uint8_t key = 0;
    uint8_t asc = 0;
    uint8_t ascq = 0;
    bool informationValid = false;
    uint64_t information = 0;  // for medium errors: the failing LBA
    bool progressValid = false;
    uint16_t progress = 0;     // sense-key specific progress, 65536 = 100 %
    AtaResult ata;             // ATA Status Return descriptor (09h) or fixed-format ATA fields
};

SenseData parse_Sense(const uint8_t* sense, uint32_t length);

// Additional sense code and qualifier pairs the library acts on.
struct AscPair {
    uint8_t asc, ascq;
};
namespace asc {
constexpr AscPair SanitizeInProgress{0x04, 0x1B};
constexpr AscPair SanitizeFailed{0x31, 0x03};
} // namespace asc
inline bool has(const SenseData& s, AscPair pair) { return s.valid && s.asc == pair.asc && s.ascq == pair.ascq; }

// Outcome of one command as a return code. Success is a GOOD status, or for ATA PASS-THROUGH
// (isAta) a RECOVERED ERROR 00h/1Dh whose ATA status shows the command done; a data-in command
// also needs its data (the residual), and a data-out command must have sent all of its data.
// NO SENSE or RECOVERED ERROR otherwise: OSKN_INCOMPLETE.
// ATA registers with ERR/DF decide the failure: ABRT = not supported, UNC = medium error,
// IDNF = address out of range.
int map_Command_Result(TransportResult delivered, const ScsiCommand& command, const SenseData& sense,
                       bool isAta);

} // namespace oskn
