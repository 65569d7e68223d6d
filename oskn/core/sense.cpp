#include "sense.h"

#include "oskn_return.h"

namespace oskn {

namespace {

void parse_Ata_Descriptor(const uint8_t* d, AtaResult& a)
{
    a.valid = true;
    a.extended = d[2] & 0x01;
    a.error = d[3];
    a.count = uint16_t(d[5] | (a.extended ? d[4] << 8 : 0));
    a.lba = uint64_t(d[7]) | uint64_t(d[9]) << 8 | uint64_t(d[11]) << 16;
    if (a.extended)
        a.lba |= uint64_t(d[6]) << 24 | uint64_t(d[8]) << 32 | uint64_t(d[10]) << 40;
    a.device = d[12];
    a.status = d[13];
}

} // namespace

SenseData parse_Sense(const uint8_t* s, uint32_t length)
{
    SenseData out;
    if (!s || length < 2)
        return out;
    const uint8_t code = s[0] & 0x7F;
    if (code == 0x70 || code == 0x71) {
        if (length < 3)
            return out;
        out.valid = true;
        out.key = s[2] & 0x0F;
        const uint32_t end = length < 8 ? length : (8u + s[7] < length ? 8u + s[7] : length);
        if (end > 13) {
            out.asc = s[12];
            out.ascq = s[13];
        }
        if (end >= 7 && (s[0] & 0x80)) {
            out.informationValid = true;
            out.information = get_Be32(s + 3);
        }
        if (end >= 18 && (s[15] & 0x80) &&
            (out.key == sensekey::NoSense || out.key == sensekey::NotReady)) {
            out.progressValid = true;
            out.progress = get_Be16(s + 16);
        }
        // ATA PASS-THROUGH results in fixed format: ERROR, STATUS, DEVICE, COUNT(7:0) in the
        // INFORMATION field, EXTEND and LBA(23:0) in COMMAND-SPECIFIC INFORMATION.
        if (out.asc == 0x00 && out.ascq == 0x1D && end >= 12) {
            AtaResult& a = out.ata;
            a.valid = true;
            a.error = s[3];
            a.status = s[4];
            a.device = s[5];
            a.count = s[6];
            a.extended = s[8] & 0x80;
            a.lba = uint64_t(s[9]) | uint64_t(s[10]) << 8 | uint64_t(s[11]) << 16;
            out.informationValid = false;
        }
        return out;
    }
    if (code == 0x72 || code == 0x73) {
        if (length < 4)
            return out;
        out.valid = true;
        out.descriptorFormat = true;
        out.key = s[1] & 0x0F;
        out.asc = s[2];
        out.ascq = s[3];
        if (length < 8)
            return out;
        const uint32_t end = 8u + s[7] < length ? 8u + s[7] : length;
        uint32_t at = 8;
        while (at + 2 <= end) {
            const uint8_t type = s[at];
            const uint32_t dlen = 2u + s[at + 1];
            if (at + dlen > end)
                break;
            const uint8_t* d = s + at;
            switch (type) {
            case 0x00: // information
                if (dlen >= 12 && (d[2] & 0x80)) {
                    out.informationValid = true;
                    out.information = get_Be64(d + 4);
                }
                break;
            case 0x02: // sense-key specific
                if (dlen >= 8 && (d[4] & 0x80) &&
                    (out.key == sensekey::NoSense || out.key == sensekey::NotReady)) {
                    out.progressValid = true;
                    out.progress = get_Be16(d + 5);
                }
                break;
            case 0x09: // ATA Status Return
                if (dlen >= 14)
                    parse_Ata_Descriptor(d, out.ata);
                break;
            case 0x0A: // another progress indication
                if (dlen >= 8 && !out.progressValid) {
                    out.progressValid = true;
                    out.progress = get_Be16(d + 6);
                }
                break;
            default:
                break;
            }
            at += dlen;
        }
        return out;
    }
    return out;
}

namespace {

// The ATA status of a finished command: ready, no error or fault, not busy or still moving data.
bool ata_Completed(const AtaResult& a)
{
    return (a.status & ata::StatusDrdy) &&
           !(a.status & (ata::StatusErr | ata::StatusDf | ata::StatusBsy | ata::StatusDrq));
}

// Commands whose transfer length is exact (media reads, ATA data-in): any residual means data
// is missing. The others take an allocation length and may return less, but not nothing.
bool exact_Transfer(const ScsiCommand& command)
{
    const uint8_t op = command.cdb ? command.cdb[0] : 0;
    return op == 0x85 || op == 0xA1 || op == 0x28 || op == 0x88 || op == 0xA8;
}

int status_Result(const ScsiCommand& command, const SenseData& sense, bool isAta)
{
    if (isAta && sense.ata.valid && (sense.ata.status & (ata::StatusErr | ata::StatusDf))) {
        const AtaResult& a = sense.ata;
        if (a.error & ata::ErrorUnc)
            return OSKN_COMMAND_FAILURE;
        if (a.error & ata::ErrorIdnf)
            return OSKN_BAD_PARAMETER;
        if (a.error & ata::ErrorAbrt)
            return OSKN_NOT_SUPPORTED;
        return OSKN_COMMAND_FAILURE;
    }
    if (command.scsiStatus == 0x00)
        return OSKN_SUCCESS;
    if (command.scsiStatus != 0x02) // BUSY, RESERVATION CONFLICT, TASK SET FULL, ...
        return OSKN_FAILURE;
    if (!sense.valid)
        return OSKN_FAILURE;
    switch (sense.key) {
    case sensekey::NoSense:
        return OSKN_INCOMPLETE;
    case sensekey::RecoveredError:
        // The one CHECK CONDITION that is a success: a pass-through command's registers,
        // returned on request (CK_COND), showing the command done.
        if (isAta && sense.asc == 0x00 && sense.ascq == 0x1D && sense.ata.valid && ata_Completed(sense.ata))
            return OSKN_SUCCESS;
        return OSKN_INCOMPLETE;
    case sensekey::NotReady:
        // 04/04 format, 04/09 self-test, 04/1B sanitize: the drive is busy with its own work.
        if (sense.asc == 0x04 && (sense.ascq == 0x04 || sense.ascq == 0x09 || sense.ascq == 0x1B))
            return OSKN_IN_PROGRESS;
        return OSKN_FAILURE;
    case sensekey::MediumError:
    case sensekey::HardwareError:
        return OSKN_COMMAND_FAILURE;
    case sensekey::IllegalRequest:
        if (sense.asc == 0x20) // invalid command operation code
            return OSKN_NOT_SUPPORTED;
        if (sense.asc == 0x21) // logical block address out of range
            return OSKN_BAD_PARAMETER;
        if (sense.asc == 0x24 && isAta) // the bridge does not pass this ATA command
            return OSKN_NOT_SUPPORTED;
        return OSKN_FAILURE;
    case sensekey::DataProtect:
        return OSKN_CANNOT_PERFORM;
    case sensekey::AbortedCommand:
        // An ATA command aborted by the drive without its registers: taken as ABRT.
        if (isAta && sense.asc == 0x00 && sense.ascq == 0x00)
            return OSKN_NOT_SUPPORTED;
        return OSKN_FAILURE;
    default:
        return OSKN_FAILURE;
    }
}

} // namespace

int map_Command_Result(TransportResult delivered, const ScsiCommand& command, const SenseData& sense,
                       bool isAta)
{
    switch (delivered) {
    case TransportResult::NoDevice:
        return OSKN_DEVICE_GONE;
    case TransportResult::OsFailure:
        return OSKN_OS_PASSTHROUGH_FAILURE;
    case TransportResult::Delivered:
        break;
    }
    if (command.timedOut)
        return OSKN_TIMEOUT;
    const int rc = status_Result(command, sense, isAta);
    // A good status over a read that brought nothing (or too little) is no read.
    if (rc == OSKN_SUCCESS && command.direction == DataDirection::In && command.dataLength &&
        (command.residual >= command.dataLength || (command.residual && exact_Transfer(command))))
        return OSKN_INCOMPLETE;
    // Nor is a write the drive did not take all of: bridges answer GOOD with data left over.
    if (rc == OSKN_SUCCESS && command.direction == DataDirection::Out && command.dataLength && command.residual)
        return OSKN_INCOMPLETE;
    return rc;
}

} // namespace oskn
