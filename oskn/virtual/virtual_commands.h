// Internal to the emulated drive: the codes it speaks by name, the reply one command builds, and
// the shapes shared by its SCSI and ATA command tables. The codes are named here rather than taken
// from the library's headers for the reason virtual_bytes.h gives: the drive checks the library.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "virtual/virtual_bytes.h"
#include "virtual/virtual_drive.h"

namespace oskn {
namespace vdrive {

constexpr uint64_t NS = 1000000000ull;

// SCSI operation codes the drive answers.
namespace scsiop {
enum : uint8_t {
    TestUnitReady = 0x00,
    RequestSense = 0x03,
    Inquiry = 0x12,
    StartStopUnit = 0x1B,
    ReadCapacity10 = 0x25,
    Read10 = 0x28,
    Write10 = 0x2A,
    Sanitize = 0x48,
    AtaPassThrough16 = 0x85,
    Read16 = 0x88,
    Write16 = 0x8A,
    WriteSame16 = 0x93,
    ServiceActionIn16 = 0x9E,
    SecurityProtocolIn = 0xA2,
    SecurityProtocolOut = 0xB5,
};
constexpr uint8_t ReadCapacity16Action = 0x10; // SERVICE ACTION IN(16)
} // namespace scsiop

// ATA commands, SMART subcommands and the functions of the commands that have them.
namespace atacmd {
enum : uint8_t {
    ReadDmaExt = 0x25,
    ReadNativeMaxAddressExt = 0x27,
    ReadLogExt = 0x2F,
    WriteDmaExt = 0x35,
    SetMaxAddressExt = 0x37,
    WriteLogExt = 0x3F,
    TrustedReceive = 0x5C,
    TrustedSend = 0x5E,
    AccessibleMaxAddressConfiguration = 0x78,
    Smart = 0xB0,
    SanitizeDevice = 0xB4,
    StandbyImmediate = 0xE0,
    IdentifyDevice = 0xEC,
    ReadNativeMaxAddress = 0xF8,
};
namespace smart {
enum : uint16_t {
    ReadData = 0xD0,
    ReadThresholds = 0xD1,
    ExecuteOfflineImmediate = 0xD4,
    ReadLog = 0xD5,
    WriteLog = 0xD6,
    ReturnStatus = 0xDA,
};
// EXECUTE OFF-LINE IMMEDIATE: what LBA 7:0 asks for (self-tests 80h up are captive).
enum : uint8_t { OfflineCollection = 0x00, ShortSelfTest = 0x01, ExtendedSelfTest = 0x02, Captive = 0x80,
                 IddResetAndRecalibrate = 0x70, IddPendingAndReallocationLists = 0x71, AbortTest = 0x7F };
constexpr uint32_t Key = 0xC24F;          // LBA 23:8 of every SMART command
constexpr uint32_t GoodStatus = 0xC24F00, ExceededStatus = 0x2CF400;
} // namespace smart
namespace sanitize {
enum : uint16_t { Status = 0x0000, CryptoScramble = 0x0011, BlockErase = 0x0012, Overwrite = 0x0014 };
constexpr uint64_t CryptoKey = 0x43727970, BlockEraseKey = 0x426B4572, OverwriteKey = 0x4F57; // "Cryp", "BkEr", "OW"
} // namespace sanitize
namespace amac {
enum : uint16_t { GetNativeMaxAddress = 0x0000, SetAccessibleMaxAddress = 0x0001 };
}
// Log addresses.
namespace log {
enum : uint8_t { Directory = 0x00, SummaryError = 0x01, ComprehensiveErrorExt = 0x03, SelfTest = 0x06,
                 SelfTestExt = 0x07, IdentifyData = 0x30, SctCommand = 0xE0, SctData = 0xE1 };
}
// Status and error register bits.
constexpr uint8_t StatusErr = 0x01, StatusDrdy = 0x40;
constexpr uint8_t ErrorAbrt = 0x04, ErrorIdnf = 0x10, ErrorUnc = 0x40;
// ATA PASS-THROUGH protocols that transfer no command: hard reset, soft reset, response info.
constexpr uint8_t ProtocolHardReset = 0, ProtocolSoftReset = 1, ProtocolReturnResponse = 15;
} // namespace atacmd

// Sense keys, and additional sense codes with their qualifiers.
namespace sensekey {
enum : uint8_t { NoSense = 0x0, RecoveredError = 0x1, NotReady = 0x2, MediumError = 0x3, IllegalRequest = 0x5,
                 AbortedCommand = 0xB };
}
struct Asc {
    uint8_t code, qualifier;
};
constexpr Asc NoAdditionalSense{0x00, 0x00};
constexpr Asc WriteError{0x0C, 0x00};
constexpr Asc UnrecoveredReadError{0x11, 0x00};
constexpr Asc UnrecoveredReadErrorAutoReallocFailed{0x11, 0x04};
constexpr Asc SanitizeInProgress{0x04, 0x1B};
constexpr Asc ParameterListLengthError{0x1A, 0x00};
constexpr Asc InvalidCommandOperationCode{0x20, 0x00};
constexpr Asc LbaOutOfRange{0x21, 0x00};
constexpr Asc InvalidFieldInCdb{0x24, 0x00};
constexpr Asc InvalidFieldInParameterList{0x26, 0x00};
constexpr Asc SanitizeCommandFailed{0x31, 0x03};
constexpr Asc MediumNotPresent{0x3A, 0x00};
constexpr Asc AtaPassThroughInformationAvailable{0x00, 0x1D};

// The outcome of one command, built under the drive's lock.
struct VirtualDrive::Reply {
    uint8_t status = 0;
    std::vector<uint8_t> sense;
    uint32_t residual = 0;
    uint64_t waitUntil = 0;                 // program time to wait for after unlocking
    std::function<void(Reply&)> afterWait;  // finished under the lock after the wait

    // CHECK CONDITION with fixed-format sense; sks >= 0 fills the sense-key specific bytes.
    void fixed(uint8_t key, Asc asc, bool infoValid = false, uint64_t info = 0, int sks = -1);
    // CHECK CONDITION with descriptor-format sense, the information descriptor when infoValid.
    void descriptor(uint8_t key, Asc asc, bool infoValid = false, uint64_t info = 0);
    void appendDescriptor(const uint8_t* d, size_t length);
    void illegal(Asc asc) { fixed(sensekey::IllegalRequest, asc); }
    void invalidOpcode() { illegal(InvalidCommandOperationCode); }
    void invalidField() { illegal(InvalidFieldInCdb); }
};

// The registers of one ATA command inside ATA PASS-THROUGH (12) or (16).
struct AtaTaskFile {
    uint16_t feature = 0, count = 0;
    uint64_t lba = 0;
    uint8_t device = 0, command = 0;
    uint8_t protocol = 0;
    bool extend = false, ckCond = false;
};

// What a media access did: how many sectors it moved, and where and why it stopped.
struct MediaResult {
    enum Outcome { Done, OutOfRange, BadBuffer, MediumError } outcome = Done;
    uint64_t moved = 0;   // sectors transferred
    uint64_t failing = 0; // first sector not transferred, for MediumError
};

// Which data transfer a command expects; a transfer the other way is an invalid field.
enum class Data : uint8_t { Any, In, Out };
inline bool wrong_Direction(Data expected, const ScsiCommand& c)
{
    return expected != Data::Any && c.direction != (expected == Data::In ? DataDirection::In : DataDirection::Out);
}

// Copies a response of `size` bytes, cut to the allocation length and to the host's buffer, and
// sets the residual to what the buffer did not receive. Returns the bytes copied.
size_t respond(ScsiCommand& c, VirtualDrive::Reply& r, const uint8_t* data, size_t size,
               size_t allocation = SIZE_MAX);

// The faults that are not a sense: a good status without the data, or no answer at all.
bool answer_Fault(const Fault& f, const ScsiCommand& c, VirtualDrive::Reply& r, uint64_t now);

// Feature sets a command table row may require.
inline bool has_Sanitize(const Description& d) { return d.sanitizeOverwrite || d.sanitizeCrypto || d.sanitizeBlockErase; }
inline bool has_Tcg(const Description& d) { return d.tcg; }

} // namespace vdrive
} // namespace oskn
