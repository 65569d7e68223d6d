// Filling a record at enumeration: identity, geometry and the IDENTIFY copy.
#include <algorithm>
#include <cstring>

#include "registry.h"
#include "oskn_return.h"
#include "transferbuffer.h"

namespace oskn {

namespace {

std::string trimmed(const uint8_t* p, size_t n)
{
    std::string s(reinterpret_cast<const char*>(p), n);
    for (char& c : s)
        if (c == '\0')
            c = ' ';
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

bool is_Disk_Type(uint8_t peripheralType)
{
    return peripheralType == 0x00 || peripheralType == 0x0E; // direct access, simplified direct access
}

// VPD page 00h lists page 89h (ATA Information): a SAT layer sits in front of an ATA drive.
bool has_Ata_Vpd(Drive& drive)
{
    alignas(kTransferAlignment) uint8_t pages[252] = {};
    if (scsi_Command(drive, cdb::inquiry(true, 0x00, sizeof pages), DataDirection::In, pages,
                     sizeof pages) != OSKN_SUCCESS)
        return false;
    const unsigned n = std::min<unsigned>(get_Be16(pages + 2), sizeof pages - 4);
    for (unsigned i = 0; i < n; ++i)
        if (pages[4 + i] == 0x89)
            return true;
    return false;
}

std::string unit_Serial_Number(Drive& drive)
{
    alignas(kTransferAlignment) uint8_t page[252] = {};
    if (scsi_Command(drive, cdb::inquiry(true, 0x80, sizeof page), DataDirection::In, page,
                     sizeof page) != OSKN_SUCCESS || page[1] != 0x80)
        return {};
    const unsigned n = std::min<unsigned>(get_Be16(page + 2), sizeof page - 4);
    return trimmed(page + 4, n);
}

bool read_Capacity(Drive& drive, CapacityInfo& capacity)
{
    alignas(kTransferAlignment) uint8_t data[32] = {};
    if (scsi_Command(drive, cdb::read_Capacity_16(sizeof data), DataDirection::In, data,
                     sizeof data) == OSKN_SUCCESS) {
        capacity = parse_Read_Capacity_16(data);
        return true;
    }
    alignas(kTransferAlignment) uint8_t data10[8] = {};
    if (scsi_Command(drive, cdb::read_Capacity_10(), DataDirection::In, data10, sizeof data10) !=
        OSKN_SUCCESS)
        return false;
    capacity.lastLba = get_Be32(data10);
    capacity.logicalSectorSize = get_Be32(data10 + 4);
    capacity.physicalSectorSize = capacity.logicalSectorSize;
    return capacity.lastLba != 0xFFFFFFFFu; // larger than READ CAPACITY (10) can say
}

} // namespace

void copy_Record_Text(char* field, size_t fieldSize, const std::string& text)
{
    std::memset(field, 0, fieldSize);
    std::memcpy(field, text.data(), std::min(text.size(), fieldSize - 1));
}

InquiryInfo parse_Inquiry(const uint8_t* data, uint32_t length)
{
    InquiryInfo info;
    if (length < 1)
        return info;
    info.peripheralType = data[0] & 0x1F;
    if ((data[0] & 0xE0) != 0) // no logical unit behind this address
        info.peripheralType = 0x1F;
    if (length > 1)
        info.removable = data[1] & 0x80;
    if (length >= 36) {
        info.vendor = trimmed(data + 8, 8);
        info.product = trimmed(data + 16, 16);
        info.revision = trimmed(data + 32, 4);
    }
    return info;
}

CapacityInfo parse_Read_Capacity_16(const uint8_t* data)
{
    CapacityInfo c;
    c.lastLba = get_Be64(data);
    c.logicalSectorSize = get_Be32(data + 8);
    if (c.logicalSectorSize == 0)
        c.logicalSectorSize = 512;
    c.physicalSectorSize = c.logicalSectorSize << (data[13] & 0x0F);
    return c;
}

void fill_Record(_tDevice* device, Drive& drive)
{
    if (drive.kind == DriveKind::Nvme)
        return fill_Nvme_Record(device, drive);
    if (drive.kind == DriveKind::Block)
        return fill_Block_Record(device, drive);
    device->interfaceType = drive.interfaceType;
    uint32_t flags = record::flags(device);
    if (drive.interfaceType == OSKN_INTERFACE_USB)
        flags |= record::FlagUsb;
    record::set_Flags(device, flags);
    alignas(kTransferAlignment) uint8_t inquiry[96] = {};
    if (scsi_Command(drive, cdb::inquiry(false, 0, sizeof inquiry), DataDirection::In, inquiry,
                     sizeof inquiry) != OSKN_SUCCESS) {
        // Does not answer: max LBA stays 0, so it gets no panel.
        device->driveType = drive.driveTypeHint == OSKN_DRIVE_NOT_A_DISK ? OSKN_DRIVE_NOT_A_DISK
                                                                          : OSKN_DRIVE_UNKNOWN;
        return;
    }
    const InquiryInfo info = parse_Inquiry(inquiry, sizeof inquiry);
    uint8_t* bytes = reinterpret_cast<uint8_t*>(device);
    copy_Record_Text(reinterpret_cast<char*>(bytes + record::VendorOffset), 9, info.vendor);
    copy_Record_Text(reinterpret_cast<char*>(bytes + record::ProductOffset), 17, info.product);
    // Optical drives and the like get their name and nothing more: no panel, no other command.
    if (!is_Disk_Type(info.peripheralType) || drive.driveTypeHint == OSKN_DRIVE_NOT_A_DISK) {
        device->driveType = OSKN_DRIVE_NOT_A_DISK;
        copy_Record_Text(device->modelNumber, sizeof device->modelNumber,
                  trimmed(reinterpret_cast<const uint8_t*>((info.vendor + " " + info.product).data()),
                          info.vendor.size() + 1 + info.product.size()));
        return;
    }

    // ATA drive behind a SAT layer: the maker says "ATA", or the ATA Information VPD page exists.
    // USB bridges often show neither but pass ATA commands: try IDENTIFY there too.
    bool tryAta = info.vendor == "ATA" || drive.interfaceType == OSKN_INTERFACE_USB ||
                  drive.interfaceType == OSKN_INTERFACE_ATA;
    if (!tryAta)
        tryAta = has_Ata_Vpd(drive);
    if (tryAta && !drive.noMedium) {
        alignas(kTransferAlignment) uint8_t identify[512] = {};
        if (ata_Command(drive, ata_Identify_Command(), identify, sizeof identify) == OSKN_SUCCESS) {
            const IdentifyInfo id = decode_Identify(identify);
            if (id.valid) {
                device->driveType = OSKN_DRIVE_ATA;
                record::set_Flags(device, record::flags(device) | record::FlagAta);
                copy_Record_Text(device->serialNumber, sizeof device->serialNumber, id.serial);
                copy_Record_Text(device->modelNumber, sizeof device->modelNumber, id.model);
                copy_Record_Text(device->firmwareRevision, sizeof device->firmwareRevision, id.firmware);
                std::memcpy(device->identifyData, identify, sizeof identify);
                device->logicalSectorSize = id.logicalSectorSize;
                device->physicalSectorSize = id.physicalSectorSize;
                device->maxLBA = id.sectors ? id.sectors - 1 : 0;
                // A bridge may show a capacity other than the drive's (HPA, translation): the
                // SCSI side is what READ(16)/WRITE(16) address.
                CapacityInfo capacity;
                if (drive.interfaceType == OSKN_INTERFACE_USB && read_Capacity(drive, capacity) &&
                    capacity.logicalSectorSize == id.logicalSectorSize)
                    device->maxLBA = capacity.lastLba;
                return;
            }
        }
    }

    device->driveType = OSKN_DRIVE_SCSI;
    std::string model = info.vendor.empty() ? info.product : info.vendor + " " + info.product;
    copy_Record_Text(device->modelNumber, sizeof device->modelNumber, model);
    copy_Record_Text(device->firmwareRevision, sizeof device->firmwareRevision, info.revision);
    copy_Record_Text(device->serialNumber, sizeof device->serialNumber, unit_Serial_Number(drive));
    CapacityInfo capacity;
    if (!drive.noMedium && read_Capacity(drive, capacity)) {
        device->maxLBA = capacity.lastLba;
        device->logicalSectorSize = capacity.logicalSectorSize;
        device->physicalSectorSize = capacity.physicalSectorSize;
    } else {
        device->logicalSectorSize = 512;
        device->physicalSectorSize = 512;
    }
}

} // namespace oskn
