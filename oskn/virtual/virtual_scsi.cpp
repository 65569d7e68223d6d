// The SCSI front end of the emulated drive: one table row per operation code, each with the
// rules that apply to it (data direction, shortest CDB, medium, sanitize, feature set) and a
// handler. scsiCommand applies the rules; the handlers only do their own command.
#include <algorithm>
#include <cstring>

#include "oskn_device.h"
#include "virtual/virtual_commands.h"

namespace oskn {
namespace vdrive {

namespace {
// Vital product data pages.
namespace vpd {
enum : uint8_t { SupportedPages = 0x00, UnitSerialNumber = 0x80, DeviceIdentification = 0x83, AtaInformation = 0x89,
                 BlockLimits = 0xB0, BlockDeviceCharacteristics = 0xB1 };
}
// START STOP UNIT power conditions.
enum : uint8_t { PowerStartValid = 0x0, PowerActive = 0x1, PowerStandby = 0x3 };
} // namespace

struct VirtualDrive::ScsiCall {
    VirtualDrive& d;
    ScsiCommand& c;
    Reply& r;
    uint64_t now;
    const uint8_t* cdb;

    void invalidOpcode() { r.invalidOpcode(); }
    void nothing() {}
    void ataPassThrough() { d.ataPassThrough(c, r, now); }

    void requestSense()
    {
        const bool desc = cdb[1] & 1;
        Reply s;
        if (d.sanitizeRunning_) {
            const uint32_t progress = d.sanitizeProgress(now);
            if (desc) { // sense-key specific descriptor carries the progress
                s.descriptor(sensekey::NotReady, SanitizeInProgress);
                uint8_t k[8] = {0x02, 0x06, 0, 0, 0x80};
                put_Be16(k + 5, progress);
                s.appendDescriptor(k, sizeof k);
            } else {
                s.fixed(sensekey::NotReady, SanitizeInProgress, false, 0, int(progress));
            }
        } else {
            const uint8_t key = d.sanitizeFailed_ ? sensekey::MediumError : sensekey::NoSense;
            const Asc asc = d.sanitizeFailed_ ? SanitizeCommandFailed : NoAdditionalSense;
            if (desc)
                s.descriptor(key, asc);
            else
                s.fixed(key, asc);
        }
        respond(c, r, s.sense.data(), s.sense.size(), cdb[4]);
    }

    void startStopUnit()
    {
        const uint8_t power = cdb[4] >> 4;
        const bool start = cdb[4] & 1;
        if (power == PowerStartValid)
            d.standby_ = !start;
        else if (power == PowerActive)
            d.wakeUp(r, now);
        else if (power == PowerStandby)
            d.standby_ = true;
    }

    void readCapacity10()
    {
        uint8_t buf[8];
        put_Be32(buf, uint32_t(std::min<uint64_t>(d.maxLba_, 0xFFFFFFFFull)));
        put_Be32(buf + 4, d.d_.logicalSectorSize);
        respond(c, r, buf, sizeof buf);
    }

    void serviceActionIn16()
    {
        if ((cdb[1] & 0x1F) != scsiop::ReadCapacity16Action) {
            r.invalidField();
            return;
        }
        uint8_t buf[32] = {};
        put_Be64(buf, d.maxLba_);
        put_Be32(buf + 8, d.d_.logicalSectorSize);
        buf[13] = d.physicalExponent();
        if (d.d_.supported & F_TRIM)
            buf[14] = 0x80; // TPE
        respond(c, r, buf, sizeof buf, get_Be32(cdb + 10));
    }

    // The SCSI form of a media access result: sense with the failing LBA, the residual.
    void finishMedia(const MediaResult& m, Asc mediumError, bool residual)
    {
        if (m.outcome == MediaResult::OutOfRange) {
            r.illegal(LbaOutOfRange);
            return;
        }
        if (m.outcome == MediaResult::BadBuffer) {
            r.invalidField();
            return;
        }
        if (residual)
            r.residual = c.dataLength - uint32_t(m.moved * d.d_.logicalSectorSize);
        if (m.outcome == MediaResult::MediumError)
            r.fixed(sensekey::MediumError, mediumError, true, m.failing);
    }
    void read(uint64_t lba, uint32_t count)
    {
        const MediaResult m = d.readSectors(c, r, lba, count, now);
        const uint8_t* sense = d.d_.unreadableSense;
        if (m.outcome == MediaResult::MediumError && sense[0] != sensekey::MediumError) {
            r.residual = c.dataLength - uint32_t(m.moved * d.d_.logicalSectorSize);
            r.fixed(sense[0], Asc{sense[1], sense[2]});
            return;
        }
        finishMedia(m, Asc{sense[1], sense[2]}, true);
    }
    void write(uint64_t lba, uint32_t count) { finishMedia(d.writeSectors(c, r, lba, count, now), WriteError, true); }
    void read10() { read(get_Be32(cdb + 2), get_Be16(cdb + 7)); }
    void read16() { read(get_Be64(cdb + 2), get_Be32(cdb + 10)); }
    void write10() { write(get_Be32(cdb + 2), get_Be16(cdb + 7)); }
    void write16() { write(get_Be64(cdb + 2), get_Be32(cdb + 10)); }

    void writeSame16()
    {
        if (cdb[1] & 0x01) { // NDOB would need no data buffer; keep the classic form only
            r.invalidField();
            return;
        }
        finishMedia(d.fillSectors(c, r, get_Be64(cdb + 2), get_Be32(cdb + 10), now), WriteError, false);
    }

    // The overwrite parameter list: a pattern of 1 to a sector's bytes, kept as 32 bits.
    bool overwritePattern(uint16_t paramLength, uint32_t& pattern)
    {
        if (paramLength < 5 || c.direction != DataDirection::Out || c.dataLength < paramLength) {
            r.illegal(ParameterListLengthError);
            return false;
        }
        const uint16_t patternLength = get_Be16(c.data + 2);
        if (patternLength == 0 || patternLength > d.d_.logicalSectorSize || 4u + patternLength > paramLength) {
            r.illegal(InvalidFieldInParameterList);
            return false;
        }
        for (uint16_t i = 0; i < 4; ++i)
            pattern |= uint32_t(c.data[4 + (i % patternLength)]) << (8 * i);
        return true;
    }

    void sanitize()
    {
        enum : uint8_t { Overwrite = 0x01, BlockErase = 0x02, CryptoErase = 0x03, ExitFailureMode = 0x1F };
        const uint8_t action = cdb[1] & 0x1F;
        const bool immediate = cdb[1] & 0x80;
        int kind = NoSanitize;
        uint32_t pattern = 0;
        if (action == Overwrite) {
            kind = SanitizeOverwrite;
            if (!overwritePattern(get_Be16(cdb + 7), pattern))
                return;
        } else if (action == BlockErase) {
            kind = SanitizeBlockErase;
        } else if (action == CryptoErase) {
            kind = SanitizeCrypto;
        } else if (action == ExitFailureMode) { // nothing ever fails here
            return;
        } else {
            r.invalidField();
            return;
        }
        if (!d.startSanitize(kind, pattern, now)) {
            r.invalidField();
            return;
        }
        if (!immediate) {
            r.waitUntil = d.sanitizeEnd_;
            r.afterWait = [](Reply&) {};
        }
    }

    void security(bool out)
    {
        uint32_t length = get_Be32(cdb + 6);
        if (cdb[4] & 0x80) // INC_512
            length *= 512;
        d.securityCommand(c, r, out, cdb[1], get_Be16(cdb + 2), length);
    }
    void securityIn() { security(false); }
    void securityOut() { security(true); }

    void inquiry();
    std::vector<uint8_t> standardInquiry() const;
    bool vitalProductData(uint8_t page, std::vector<uint8_t>& buf) const;
    void deviceIdentification(std::vector<uint8_t>& buf) const;
    void ataInformation(std::vector<uint8_t>& buf) const;
};

namespace {

enum ScsiFlag : uint8_t {
    NeedsMedium = 1 << 0,    // without a medium: NOT READY, MEDIUM NOT PRESENT
    AnyDevice = 1 << 1,      // answered also by a device without a medium or that is no disk
    DuringSanitize = 1 << 2, // answered while a sanitize runs
    // Answered by the translation layer itself. The others become ATA commands, which break
    // the READ NATIVE MAX ADDRESS / SET MAX ADDRESS pair.
    NoAtaCommand = 1 << 3,
};

using Handler = void (VirtualDrive::ScsiCall::*)();
using Call = VirtualDrive::ScsiCall;

struct ScsiRow {
    uint8_t opcode;
    Data data;
    uint8_t minLength;
    uint8_t flags;
    bool (*needs)(const Description&); // feature set, else INVALID COMMAND OPERATION CODE
    Handler handler;
};

bool has_Sat(const Description& d) { return d.ataPassThrough; }
bool has_Write_Same(const Description& d) { return d.writeSame; }

constexpr uint8_t Always = AnyDevice | DuringSanitize | NoAtaCommand;

const ScsiRow kScsiCommands[] = {
    {scsiop::TestUnitReady, Data::Any, 6, NeedsMedium | NoAtaCommand, nullptr, &Call::nothing},
    {scsiop::RequestSense, Data::In, 6, Always, nullptr, &Call::requestSense},
    {scsiop::Inquiry, Data::In, 6, Always, nullptr, &Call::inquiry},
    {scsiop::StartStopUnit, Data::Any, 6, NeedsMedium, nullptr, &Call::startStopUnit},
    {scsiop::ReadCapacity10, Data::In, 6, NeedsMedium, nullptr, &Call::readCapacity10},
    {scsiop::Read10, Data::In, 10, NeedsMedium, nullptr, &Call::read10},
    {scsiop::Write10, Data::Out, 10, NeedsMedium, nullptr, &Call::write10},
    {scsiop::Sanitize, Data::Any, 10, NeedsMedium, has_Sanitize, &Call::sanitize},
    {scsiop::AtaPassThrough16, Data::Any, 16, Always, has_Sat, &Call::ataPassThrough},
    {scsiop::Read16, Data::In, 16, NeedsMedium, nullptr, &Call::read16},
    {scsiop::Write16, Data::Out, 16, NeedsMedium, nullptr, &Call::write16},
    {scsiop::WriteSame16, Data::Out, 16, NeedsMedium, has_Write_Same, &Call::writeSame16},
    {scsiop::ServiceActionIn16, Data::In, 16, NeedsMedium, nullptr, &Call::serviceActionIn16},
    {scsiop::SecurityProtocolIn, Data::In, 12, 0, has_Tcg, &Call::securityIn},
    {scsiop::SecurityProtocolOut, Data::Out, 12, 0, has_Tcg, &Call::securityOut},
};
const ScsiRow kUnknownScsi = {0, Data::Any, 6, 0, nullptr, &Call::invalidOpcode};

const ScsiRow& find_Scsi_Row(uint8_t opcode)
{
    for (const ScsiRow& row : kScsiCommands)
        if (row.opcode == opcode)
            return row;
    return kUnknownScsi;
}

} // namespace

void VirtualDrive::scsiCommand(ScsiCommand& c, Reply& r, uint64_t now)
{
    const uint8_t op = c.cdb[0];
    if (!d_.sixteenByteCommands && c.cdbLength >= 16 && (op & 0xE0) == 0x80) {
        r.invalidOpcode(); // group 4: the 16-byte commands
        return;
    }
    if (!d_.faults.empty())
        if (const Fault* f = injectFault(false, op, -1)) {
            if (!answer_Fault(*f, c, r, now))
                r.fixed(f->senseKey, {f->asc, f->ascq});
            return;
        }
    const ScsiRow& row = find_Scsi_Row(op);
    if (!(row.flags & NoAtaCommand))
        lastWasReadNativeMax_ = false;
    if (!(row.flags & AnyDevice) && (d_.noMedium || d_.notADisk)) {
        // An empty optical drive, card reader or tape drive; or a device that is no disk.
        if (d_.noMedium && (row.flags & NeedsMedium))
            r.fixed(sensekey::NotReady, MediumNotPresent);
        else
            r.invalidOpcode();
        return;
    }
    if (sanitizeRunning_ && !(row.flags & DuringSanitize)) {
        r.fixed(sensekey::NotReady, SanitizeInProgress, false, 0, int(sanitizeProgress(now)));
        return;
    }
    if (row.needs && !row.needs(d_)) {
        r.invalidOpcode();
        return;
    }
    if (c.cdbLength < row.minLength || (c.dataLength && wrong_Direction(row.data, c))) {
        r.invalidField();
        return;
    }
    ScsiCall call{*this, c, r, now, c.cdb};
    (call.*row.handler)();
}

// ------------------------------------------------------------------------------------------
// INQUIRY and its VPD pages.

void VirtualDrive::ScsiCall::inquiry()
{
    const bool evpd = cdb[1] & 1;
    const uint8_t page = cdb[2];
    std::vector<uint8_t> buf;
    if (evpd ? !vitalProductData(page, buf) : page != 0) {
        r.invalidField();
        return;
    }
    if (!evpd)
        buf = standardInquiry();
    respond(c, r, buf.data(), buf.size(), get_Be16(cdb + 3));
}

std::vector<uint8_t> VirtualDrive::ScsiCall::standardInquiry() const
{
    const Description& dd = d.d_;
    const bool sat = dd.ataPassThrough;
    std::vector<uint8_t> buf(96, 0);
    buf[0] = dd.peripheralType;
    buf[1] = dd.interfaceType == OSKN_INTERFACE_USB && !sat ? 0x80 : 0; // removable stick
    buf[2] = 0x06;
    buf[3] = 0x02;
    buf[4] = 91;
    put_Padded(&buf[8], sat ? std::string("ATA") : dd.maker.substr(0, 8), 8);
    put_Padded(&buf[16], dd.model, 16);
    // As SAT layers do: the last four characters of the firmware revision.
    std::string rev = dd.firmware;
    if (rev.size() > 4)
        rev = rev.substr(4);
    put_Padded(&buf[32], rev, 4);
    return buf;
}

bool VirtualDrive::ScsiCall::vitalProductData(uint8_t page, std::vector<uint8_t>& buf) const
{
    const Description& dd = d.d_;
    std::vector<uint8_t> pages = {vpd::SupportedPages, vpd::UnitSerialNumber, vpd::DeviceIdentification};
    if (dd.ataPassThrough)
        pages.push_back(vpd::AtaInformation);
    if (!dd.notADisk) {
        pages.push_back(vpd::BlockLimits);
        pages.push_back(vpd::BlockDeviceCharacteristics);
    }
    if (std::find(pages.begin(), pages.end(), page) == pages.end())
        return false;
    buf.assign(4, 0);
    buf[0] = dd.peripheralType;
    buf[1] = page;
    switch (page) {
    case vpd::SupportedPages:
        buf.insert(buf.end(), pages.begin(), pages.end());
        break;
    case vpd::UnitSerialNumber:
        buf.insert(buf.end(), dd.serial.begin(), dd.serial.end());
        break;
    case vpd::DeviceIdentification:
        deviceIdentification(buf);
        break;
    case vpd::AtaInformation:
        ataInformation(buf);
        break;
    case vpd::BlockLimits:
        buf.resize(64, 0);
        put_Be32(&buf[8], 0xFFFF);     // maximum transfer length
        put_Be32(&buf[12], dd.physicalSectorSize / dd.logicalSectorSize); // optimal granularity
        if (dd.writeSame)
            put_Be64(&buf[36], 0xFFFFFFFF); // maximum write same length
        break;
    case vpd::BlockDeviceCharacteristics:
        buf.resize(64, 0);
        put_Be16(&buf[4], dd.rpm);
        buf[7] = 0x02; // 3.5 inch
        break;
    }
    put_Be16(&buf[2], uint32_t(buf.size() - 4));
    return true;
}

// NAA designator from the world wide name, and a T10 vendor designator.
void VirtualDrive::ScsiCall::deviceIdentification(std::vector<uint8_t>& buf) const
{
    const Description& dd = d.d_;
    const bool sat = dd.ataPassThrough;
    uint8_t naa[12] = {0x01, 0x03, 0x00, 0x08};
    put_Be64(naa + 4, d.worldWideName());
    if (sat)
        buf.insert(buf.end(), naa, naa + 12);
    std::string t10 = (sat ? std::string("ATA     ") : (dd.maker + "        ").substr(0, 8)) + dd.model + " " +
                      dd.serial;
    const uint8_t head[4] = {0x02, 0x01, 0x00, uint8_t(t10.size())};
    buf.insert(buf.end(), head, head + 4);
    buf.insert(buf.end(), t10.begin(), t10.end());
}

// The SAT layer's own identity, the drive's signature and its IDENTIFY DEVICE data.
void VirtualDrive::ScsiCall::ataInformation(std::vector<uint8_t>& buf) const
{
    buf.resize(572, 0);
    put_Padded(&buf[8], "KESTROVA", 8);
    put_Padded(&buf[16], "VIRTUAL SAT", 16);
    put_Padded(&buf[32], "1.0", 4);
    // Device signature of a SATA disk: a register device-to-host FIS.
    buf[36] = 0x34;
    buf[38] = 0x50;
    buf[39] = 0x01;
    buf[40] = 0x01;
    buf[48] = 0x01;
    buf[56] = atacmd::IdentifyDevice;
    d.buildIdentify(&buf[60]);
}

} // namespace vdrive
} // namespace oskn
