// libOsknPublic's calls.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <new>
#include <vector>

#include "core/registry.h"
#include "core/nvme.h"
#include "oskn_public.h"
#include "transports.h"

using namespace oskn;

namespace {

// A READ(16) or WRITE(16) call's checks: the record, then the LBA range and the buffer against
// it. drive is set when there is something to transfer; otherwise rc is the call's answer (a
// refusal, or success for an empty range).
struct Transfer {
    std::shared_ptr<Drive> drive;
    int rc = OSKN_SUCCESS;
    uint32_t bytes = 0;
};
Transfer begin_Transfer(_tDevice* device, uint64_t lba, uint32_t count, const uint8_t* data)
{
    Transfer t;
    CallTarget call = begin_Call(device);
    if (call.refusal) {
        t.rc = call.refusal;
        return t;
    }
    if (lba > device->maxLBA || (count > 0 && uint64_t(count) - 1 > device->maxLBA - lba)) {
        t.rc = OSKN_BAD_PARAMETER;
        return t;
    }
    const uint64_t total = uint64_t(count) * (device->logicalSectorSize ? device->logicalSectorSize : 512);
    if (total > 0xFFFFFFFFull || (total && !data)) {
        t.rc = OSKN_BAD_PARAMETER;
        return t;
    }
    t.bytes = uint32_t(total);
    if (count)
        t.drive = std::move(call.drive);
    return t;
}

int ata_Data_In(_tDevice* device, const AtaCommand& command, uint8_t* ptrData, uint32_t dataSize)
{
    const CallTarget call = begin_Call(
        device, ptrData && dataSize && dataSize % 512 == 0 && dataSize / 512 == command.count, OSKN_NOT_SUPPORTED);
    if (call.refusal)
        return call.refusal;
    return ata_Command(*call.drive, command, ptrData, dataSize);
}

} // namespace

extern "C" {

int get_Device_Count(uint32_t* numberOfDevices, uint64_t flags)
{
    if (!numberOfDevices)
        return OSKN_BAD_PARAMETER;
    try {
        install_Transports();
        *numberOfDevices = uint32_t(Registry::instance().enumerate().size());
    } catch (const std::bad_alloc&) {
        return OSKN_MEMORY_FAILURE;
    } catch (...) {
        return OSKN_FAILURE;
    }
    return OSKN_SUCCESS;
}

int get_Version_Block(versionBlock* block)
{
    if (!block)
        return OSKN_BAD_PARAMETER;
    block->recordSize = sizeof(_tDevice);
    block->version = OSKN_VERSION_BLOCK_VERSION;
    return OSKN_SUCCESS;
}

int get_Device_List(_tDevice* deviceList, uint32_t sizeInBytes, versionBlock block, uint64_t flags)
{
    if (block.recordSize != sizeof(_tDevice) || (block.version >> 16) != (OSKN_VERSION_BLOCK_VERSION >> 16))
        return OSKN_LIBRARY_MISMATCH;
    const uint32_t slots = sizeInBytes / sizeof(_tDevice);
    if (slots && !deviceList)
        return OSKN_BAD_PARAMETER;
    try {
        install_Transports();
        const std::vector<DeviceEntry> entries = Registry::instance().enumerate();
        const size_t n = std::min<size_t>(slots, entries.size());
        for (size_t i = 0; i < n; ++i) {
            _tDevice* device = deviceList + i;
            std::memset(device, 0, sizeof *device);
            std::shared_ptr<Drive> drive = Registry::instance().add(entries[i], device);
            fill_Record(device, *drive);
        }
    } catch (const std::bad_alloc&) {
        return OSKN_MEMORY_FAILURE;
    } catch (...) {
        return OSKN_FAILURE;
    }
    return OSKN_SUCCESS;
}

bool is_Brevane(_tDevice* device, bool includeUsb)
{
    if (!device)
        return false;
    if (!includeUsb && device->interfaceType == OSKN_INTERFACE_USB)
        return false;
    static const char maker[] = "brevane";
    const size_t n = sizeof maker - 1;
    const char* model = device->modelNumber;
    const size_t length = strnlen(model, sizeof device->modelNumber);
    if (length < n)
        return false;
    for (size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(model[i])) != maker[i])
            return false;
    return true;
}

int ata_Identify(_tDevice* device, uint8_t* ptrData, uint32_t dataSize)
{
    if (dataSize < 512)
        return OSKN_BAD_PARAMETER;
    return ata_Data_In(device, ata_Identify_Command(), ptrData, 512);
}

int ata_Read_Log_Ext(_tDevice* device, uint8_t logAddress, uint16_t pageNumber, uint8_t* ptrData,
                     uint32_t dataSize, uint8_t options, uint16_t features)
{
    if (dataSize == 0 || dataSize % 512 || dataSize / 512 > 0xFFFF)
        return OSKN_BAD_PARAMETER;
    return ata_Data_In(device,
                       ata_Read_Log_Ext_Command(logAddress, pageNumber, uint16_t(dataSize / 512), features),
                       ptrData, dataSize);
}

int ata_SMART_Read_Data(_tDevice* device, uint8_t* ptrData, uint32_t dataSize)
{
    if (dataSize < 512)
        return OSKN_BAD_PARAMETER;
    return ata_Data_In(device, ata_Smart_Command(ata::SmartReadData, 0, 1, AtaProtocol::PioDataIn),
                       ptrData, 512);
}

int ata_SMART_Read_Thresholds(_tDevice* device, uint8_t* ptrData, uint32_t dataSize)
{
    if (dataSize < 512)
        return OSKN_BAD_PARAMETER;
    return ata_Data_In(device, ata_Smart_Command(ata::SmartReadThresholds, 0, 1, AtaProtocol::PioDataIn),
                       ptrData, 512);
}

int ata_SMART_Read_Log(_tDevice* device, uint8_t logAddress, uint8_t* ptrData, uint32_t dataSize)
{
    if (dataSize == 0 || dataSize % 512 || dataSize / 512 > 0xFF)
        return OSKN_BAD_PARAMETER;
    return ata_Data_In(device,
                       ata_Smart_Command(ata::SmartReadLog, logAddress, uint16_t(dataSize / 512),
                                         AtaProtocol::PioDataIn),
                       ptrData, dataSize);
}

int ata_Get_Native_Max_LBA(_tDevice* device, uint64_t* nativeMaxLBA)
{
    const CallTarget call = begin_Call(device, nativeMaxLBA, OSKN_NOT_SUPPORTED);
    if (call.refusal)
        return call.refusal;
    const bool lba48 = identify::lba48(record::identify(device));
    const AtaCommand command = lba48 ? ata_Read_Native_Max_Ext_Command() : ata_Read_Native_Max_Command();
    AtaResult result;
    const int rc = ata_Command(*call.drive, command, nullptr, 0, TimeoutDefault, &result);
    if (rc != OSKN_SUCCESS)
        return rc;
    *nativeMaxLBA = lba48 ? (result.lba & 0xFFFFFFFFFFFFull)
                          : ((result.lba & 0xFFFFFF) | uint64_t(result.device & 0x0F) << 24);
    return OSKN_SUCCESS;
}

int ata_Get_Native_Max_Address_Ext(_tDevice* device, uint64_t* nativeMaxLBA)
{
    const CallTarget call = begin_Call(device, nativeMaxLBA, OSKN_NOT_SUPPORTED);
    if (call.refusal)
        return call.refusal;
    AtaResult result;
    const int rc = ata_Command(*call.drive, ata_Get_Native_Max_Address_Ext_Command(), nullptr, 0,
                               TimeoutDefault, &result);
    if (rc != OSKN_SUCCESS)
        return rc;
    *nativeMaxLBA = result.lba & 0xFFFFFFFFFFFFull;
    return OSKN_SUCCESS;
}

} // extern "C"

namespace {

// READ/WRITE (16), or the 10-byte form once the drive has refused the 16-byte one (older USB
// bridges) and the request fits it.
int read_Write(Drive& drive, bool write, uint8_t protect, bool dpo, bool fua, bool rarc, uint64_t lba,
               uint8_t groupNumber, uint32_t count, uint8_t* data, uint32_t bytes)
{
    const bool fits10 = lba + count <= 0x100000000ull && count <= 0xFFFF;
    if (!drive.tenByteCommands || !fits10) {
        const Cdb c16 = write ? cdb::write_16(protect, dpo, fua, lba, count, groupNumber)
                              : cdb::read_16(protect, dpo, fua, rarc, lba, count, groupNumber);
        const int rc = scsi_Command(drive, c16, write ? DataDirection::Out : DataDirection::In, data, bytes,
                                    TimeoutLong);
        if (rc != OSKN_NOT_SUPPORTED || !fits10 || drive.tenByteCommands)
            return cannot_If_Unsupported(rc);
        drive.tenByteCommands = true;
    }
    const Cdb c10 = write ? cdb::write_10(protect, dpo, fua, uint32_t(lba), uint16_t(count), groupNumber)
                          : cdb::read_10(protect, dpo, fua, rarc, uint32_t(lba), uint16_t(count), groupNumber);
    const int rc = scsi_Command(drive, c10, write ? DataDirection::Out : DataDirection::In, data, bytes,
                                TimeoutLong);
    return cannot_If_Unsupported(rc);
}

// The system refusing a multi-sector transfer is, in practice, a transfer too long for the
// host or bridge: a plain failure, which callers answer with shorter transfers.
int transfer_Result(int rc, uint32_t count)
{
    return rc == OSKN_OS_PASSTHROUGH_FAILURE && count > 1 ? OSKN_FAILURE : rc;
}

// The drive's own command set for a record that takes no SCSI commands: NVMe Read/Write on its
// namespace, or a block device's read and write. 0 when the record is neither.
int nvme_Or_Block_Refusal(_tDevice* device, uint8_t protect)
{
    if (protect != 0)
        return OSKN_CANNOT_PERFORM; // no protection information asked of these drives
    if (is_Nvme(device)) {
        if (record::flags(device) & record::FlagNvmeMetadata)
            return OSKN_CANNOT_PERFORM; // blocks with metadata need buffers of their own
        if (!nvme_Identified(device))
            return OSKN_FAILURE;        // its identify data was not fit to use
    }
    return OSKN_SUCCESS;
}

int own_Read_Write(_tDevice* device, Drive& drive, bool write, bool fua, uint64_t at, uint32_t count,
                   uint8_t* data, uint32_t sectorSize)
{
    const int rc = is_Nvme(device)
                       ? nvme_Read_Write(drive, record::nsid(device), write, at, count, fua, data, sectorSize)
                       : block_Read_Write(drive, write, at, count, fua, data, sectorSize);
    return transfer_Result(cannot_If_Unsupported(rc), count);
}

} // namespace

extern "C" {

int scsi_Read_16(_tDevice* device, uint8_t rdProtect, bool dpo, bool fua, bool rarc, uint64_t lba,
                 uint8_t groupNumber, uint32_t transferLength, uint8_t* ptrData)
{
    const Transfer transfer = begin_Transfer(device, lba, transferLength, ptrData);
    if (!transfer.drive)
        return transfer.rc;
    Drive& drive = *transfer.drive;
    const uint32_t sectorSize = transfer.bytes / transferLength;
    ReadAhead::Call request;
    request.lba = lba;
    request.count = transferLength;
    request.data = ptrData;
    request.plain = rdProtect == 0 && !dpo && !fua && !rarc && groupNumber == 0;
    const ReadAhead::Geometry geometry{sectorSize, device->maxLBA, drive.channel ? drive.channel->max_Transfer_Bytes() : 0,
                                       drive.channel && drive.channel->overlaps_Commands()};
    std::lock_guard<std::recursive_mutex> guard(drive.state->lock);
    if (takes_No_Scsi(device)) {
        if (const int refusal = nvme_Or_Block_Refusal(device, rdProtect))
            return refusal;
        const uint32_t nsid = record::nsid(device);
        return drive.state->readAhead.read(
            request, geometry,
            [&](uint64_t at, uint32_t count, uint8_t* data) {
                return own_Read_Write(device, drive, false, fua, at, count, data, sectorSize);
            },
            [&](uint64_t at, uint32_t count, uint8_t* data, uint32_t piece) -> std::unique_ptr<ReadAhead::Pieces> {
                if (is_Nvme(device))
                    return start_Nvme_Read_Pieces(drive, nsid, at, count, data, sectorSize, piece);
                // The kernel splits a block device's read itself: one answer for the window.
                const int rc = block_Read_Write(drive, false, at, count, false, data, sectorSize);
                return std::make_unique<AnsweredPieces>(rc, steady_Clock_Ns());
            });
    }
    return drive.state->readAhead.read(
        request, geometry,
        [&](uint64_t at, uint32_t count, uint8_t* data) {
            return transfer_Result(read_Write(drive, false, rdProtect, dpo, fua, rarc, at, groupNumber, count, data,
                                              count * sectorSize),
                                   count);
        },
        [&](uint64_t at, uint32_t count, uint8_t* data, uint32_t piece) {
            return start_Read_Pieces(drive, at, count, data, sectorSize, piece);
        });
}

int scsi_Write_16(_tDevice* device, uint8_t wrProtect, bool dpo, bool fua, uint64_t lba,
                  uint8_t groupNumber, uint32_t transferLength, uint8_t* ptrData)
{
    const Transfer transfer = begin_Transfer(device, lba, transferLength, ptrData);
    if (!transfer.drive)
        return transfer.rc;
    if (takes_No_Scsi(device)) {
        if (const int refusal = nvme_Or_Block_Refusal(device, wrProtect))
            return refusal;
        return own_Read_Write(device, *transfer.drive, true, fua, lba, transferLength, ptrData,
                              transfer.bytes / transferLength);
    }
    return transfer_Result(read_Write(*transfer.drive, true, wrProtect, dpo, fua, false, lba, groupNumber,
                                      transferLength, ptrData, transfer.bytes),
                           transferLength);
}

int write_LBA(_tDevice* device, uint64_t lba, bool forceUnitAccess, uint8_t* ptrData, uint32_t dataSize)
{
    if (!device)
        return OSKN_INVALID_DEVICE;
    const uint32_t sector = device->logicalSectorSize ? device->logicalSectorSize : 512;
    if (dataSize % sector)
        return OSKN_BAD_PARAMETER;
    return scsi_Write_16(device, 0, false, forceUnitAccess, lba, 0, dataSize / sector, ptrData);
}

int get_Device_Path(_tDevice* device, char* path, uint32_t size)
{
    const CallTarget call = begin_Call(device, path && size > 0);
    if (call.refusal)
        return call.refusal;
    // A name cut short could be another drive's: refuse rather than truncate.
    if (call.drive->path.size() >= size)
        return OSKN_BAD_PARAMETER;
    std::memcpy(path, call.drive->path.c_str(), call.drive->path.size() + 1);
    return OSKN_SUCCESS;
}

int spin_down_drive(_tDevice* device, bool forceScsiStop)
{
    const CallTarget call = begin_Call(device);
    if (call.refusal)
        return call.refusal;
    if (takes_No_Scsi(device))
        return OSKN_CANNOT_PERFORM; // an NVMe drive has no command to stop its medium; nothing is sent
    if (is_Ata(device) && !forceScsiStop)
        return ata_Command(*call.drive, ata_Standby_Immediate_Command(), nullptr, 0, TimeoutLong);
    return scsi_Command(*call.drive, cdb::start_Stop_Unit(false, 0, false, false), DataDirection::None,
                        nullptr, 0, TimeoutLong);
}

} // extern "C"
