#include "nvme.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "bytes.h"
#include "registry.h"
#include "oskn_return.h"
#include "transferbuffer.h"

namespace oskn {
namespace nvme {

namespace {

DataDirection direction_Of(uint8_t opcode)
{
    // Bits 1:0 of every opcode: 01b host to controller, 10b controller to host.
    switch (opcode & 0x03) {
    case 0x01: return DataDirection::Out;
    case 0x02: return DataDirection::In;
    default: return DataDirection::None;
    }
}

NvmeCommand command(bool admin, uint8_t opcode, uint32_t nsid, uint8_t* data, uint32_t length)
{
    NvmeCommand c;
    c.admin = admin;
    c.opcode = opcode;
    c.nsid = nsid;
    c.data = length ? data : nullptr;
    c.dataLength = length;
    c.direction = length ? direction_Of(opcode) : DataDirection::None;
    c.transferred = length;
    return c;
}

// Identity texts are ASCII, space padded; anything else is no controller's answer.
bool printable(const char* text, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c != 0 && (c < 0x20 || c > 0x7E))
            return false;
    }
    return true;
}

std::string trimmed(const char* text, size_t length)
{
    std::string s(text, strnlen(text, length));
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

} // namespace

NvmeCommand identify_Command(uint8_t cns, uint32_t nsid, uint8_t* data)
{
    NvmeCommand c = command(true, nvme_admin_identify, nsid, data, IdentifyBytes);
    c.cdw10 = cns;
    return c;
}

NvmeCommand get_Log_Page_Command(uint8_t logId, uint32_t nsid, uint8_t* data, uint32_t length)
{
    NvmeCommand c = command(true, nvme_admin_get_log_page, nsid, data, length);
    const uint32_t dwords = length / 4 - 1; // number of dwords less one, split over CDW10/11
    c.cdw10 = logId | (dwords & 0xFFFF) << 16;
    c.cdw11 = dwords >> 16;
    return c;
}

NvmeCommand device_Self_Test_Command(uint32_t nsid, uint8_t code)
{
    NvmeCommand c = command(true, nvme_admin_dev_self_test, nsid, nullptr, 0);
    c.cdw10 = code & 0x0F;
    return c;
}

NvmeCommand read_Write_Command(bool write, uint32_t nsid, uint64_t lba, uint32_t blocks, bool fua, uint8_t* data,
                               uint32_t length)
{
    NvmeCommand c = command(false, write ? nvme_cmd_write : nvme_cmd_read, nsid, data, length);
    c.cdw10 = uint32_t(lba);
    c.cdw11 = uint32_t(lba >> 32);
    c.cdw12 = ((blocks - 1) & 0xFFFF) | (fua ? 1u << 30 : 0u);
    c.timeoutSeconds = 60;
    return c;
}

NvmeCommand sanitize_Command(uint8_t action, uint32_t overwritePattern)
{
    NvmeCommand c = command(true, nvme_admin_sanitize_nvm, 0, nullptr, 0);
    c.cdw10 = (action & 0x07) | (action == NVME_SANITIZE_SANACT_START_OVERWRITE ? 1u << 4 : 0u); // OWPASS 1
    c.cdw11 = overwritePattern;
    c.timeoutSeconds = 60; // the drive answers at the start; the work goes on in the background
    return c;
}

NvmeCommand format_Command(uint32_t nsid, uint8_t lbaFormat, uint8_t ses)
{
    NvmeCommand c = command(true, nvme_admin_format_nvm, nsid, nullptr, 0);
    c.cdw10 = (lbaFormat & 0x0F) | uint32_t(lbaFormat >> 4 & 0x03) << 12 | uint32_t(ses & 0x07) << 9;
    c.timeoutSeconds = 4 * 3600; // a user-data erase of a large drive runs inside the command
    return c;
}

NvmeCommand security_Command(bool send, uint8_t protocol, uint16_t spSpecific, uint8_t* data, uint32_t length)
{
    NvmeCommand c = command(true, send ? nvme_admin_security_send : nvme_admin_security_recv, 0, data, length);
    c.cdw10 = uint32_t(protocol) << 24 | uint32_t(spSpecific) << 8;
    c.cdw11 = length; // transfer length (send), allocation length (receive)
    c.timeoutSeconds = 60;
    return c;
}

NvmeCommand write_Zeroes_Command(uint32_t nsid, uint64_t lba, uint32_t blocks)
{
    NvmeCommand c = command(false, nvme_cmd_write_zeroes, nsid, nullptr, 0);
    c.cdw10 = uint32_t(lba);
    c.cdw11 = uint32_t(lba >> 32);
    c.cdw12 = (blocks - 1) & 0xFFFF; // DEAC clear: the blocks must read back as zeros
    c.timeoutSeconds = 60;
    return c;
}

SanitizeState decode_Sanitize_Log(const uint8_t* data)
{
    SanitizeStatusLog log;
    std::memcpy(&log, data, sizeof log);
    SanitizeState s;
    s.progress = get_Le16(reinterpret_cast<const uint8_t*>(&log.sprog));
    s.sstat = get_Le16(reinterpret_cast<const uint8_t*>(&log.sstat));
    s.status = s.sstat & NVME_SANITIZE_SSTAT_STATUS_MASK;
    s.command = get_Le32(reinterpret_cast<const uint8_t*>(&log.scdw10));
    s.estimateSeconds[0] = get_Le32(reinterpret_cast<const uint8_t*>(&log.eto));
    s.estimateSeconds[1] = get_Le32(reinterpret_cast<const uint8_t*>(&log.etbe));
    s.estimateSeconds[2] = get_Le32(reinterpret_cast<const uint8_t*>(&log.etce));
    return s;
}

ControllerInfo decode_Identify_Controller(const uint8_t* data)
{
    IdentifyController id;
    std::memcpy(&id, data, sizeof id);
    ControllerInfo info;
    info.version = get_Le32(reinterpret_cast<const uint8_t*>(&id.ver));
    info.oacs = get_Le16(reinterpret_cast<const uint8_t*>(&id.oacs));
    info.oncs = get_Le16(reinterpret_cast<const uint8_t*>(&id.oncs));
    info.fna = id.fna;
    info.lpa = id.lpa;
    info.mdts = id.mdts;
    info.sanicap = get_Le32(reinterpret_cast<const uint8_t*>(&id.sanicap));
    info.namespaces = get_Le32(reinterpret_cast<const uint8_t*>(&id.nn));
    const bool texts = printable(id.mn, sizeof id.mn) && printable(id.sn, sizeof id.sn) &&
                       printable(id.fr, sizeof id.fr);
    if (texts) {
        info.model = trimmed(id.mn, sizeof id.mn);
        info.serial = trimmed(id.sn, sizeof id.sn);
        info.firmware = trimmed(id.fr, sizeof id.fr);
    }
    info.valid = texts && !info.model.empty() && info.namespaces > 0;
    return info;
}

NamespaceInfo decode_Identify_Namespace(const uint8_t* data)
{
    IdentifyNamespace id;
    std::memcpy(&id, data, sizeof id);
    NamespaceInfo info;
    info.size = get_Le64(reinterpret_cast<const uint8_t*>(&id.nsze));
    info.capacity = get_Le64(reinterpret_cast<const uint8_t*>(&id.ncap));
    info.utilization = get_Le64(reinterpret_cast<const uint8_t*>(&id.nuse));
    // nlbaf counts from 0; the index of the format in use has two more bits above the four.
    const unsigned listed = std::min<unsigned>(id.nlbaf + 1u, 64u);
    for (unsigned i = 0; i < listed; ++i) {
        LbaFormat f;
        const uint8_t exponent = id.lbaf[i].ds;
        f.dataSize = exponent >= 9 && exponent <= 16 ? 1u << exponent : 0;
        f.metadataSize = get_Le16(reinterpret_cast<const uint8_t*>(&id.lbaf[i].ms));
        f.relativePerformance = id.lbaf[i].rp & NVME_LBAF_RP_MASK;
        info.formats.push_back(f);
    }
    info.formatInUse = uint8_t((id.flbas & NVME_NS_FLBAS_LOWER_MASK) | (id.flbas & NVME_NS_FLBAS_HIGHER_MASK) >> 1);
    if (info.formatInUse >= info.formats.size() || info.size == 0 || info.capacity > info.size)
        return info;
    const LbaFormat& inUse = info.formats[info.formatInUse];
    if (inUse.dataSize == 0)
        return info;
    info.logicalBlockSize = inUse.dataSize;
    info.metadata = inUse.metadataSize != 0;
    // Preferred write granularity, when the namespace gives it (NSFEAT bit 4).
    const uint32_t granularity = get_Le16(reinterpret_cast<const uint8_t*>(&id.npwg)) + 1u;
    info.physicalBlockSize = info.logicalBlockSize;
    if ((id.nsfeat & 0x10) && granularity <= 16 && (granularity & (granularity - 1)) == 0)
        info.physicalBlockSize = info.logicalBlockSize * granularity;
    info.valid = true;
    return info;
}

uint64_t counter_128(const uint8_t* p)
{
    return get_Le64(p + 8) ? UINT64_MAX : get_Le64(p);
}

SelfTestEntry decode_Self_Test_Entry(const SelfTestResult& r)
{
    SelfTestEntry e;
    e.result = r.dsts & 0x0F;
    e.code = r.dsts >> NVME_ST_CODE_SHIFT;
    e.used = e.result != 0x0F;
    e.segment = r.seg;
    e.lbaValid = r.vdi & NVME_ST_VALID_DIAG_INFO_FLBA;
    e.nsidValid = r.vdi & NVME_ST_VALID_DIAG_INFO_NSID;
    e.lba = get_Le64(reinterpret_cast<const uint8_t*>(&r.flba));
    e.nsid = get_Le32(reinterpret_cast<const uint8_t*>(&r.nsid));
    e.powerOnHours = get_Le64(reinterpret_cast<const uint8_t*>(&r.poh));
    return e;
}

uint8_t ata_Self_Test_Status(const SelfTestEntry& e)
{
    switch (e.result) {
    case 0x0: return 0x0; // completed without error
    case 0x1: return 0x1; // aborted by a Device Self-test command
    case 0x5: return 0x3; // fatal error
    case 0x6: return 0x4; // a segment failed, which one unknown
    case 0x7: return e.lbaValid ? 0x7 : 0x4; // segments failed: a read where the LBA is known
    default: return 0x2;  // aborted by a reset, a namespace removal, a format, a sanitize, ...
    }
}

int map_Result(TransportResult delivered, const NvmeCommand& c)
{
    switch (delivered) {
    case TransportResult::NoDevice:
        return OSKN_DEVICE_GONE;
    case TransportResult::OsFailure:
        return OSKN_OS_PASSTHROUGH_FAILURE;
    case TransportResult::Delivered:
        break;
    }
    if (c.timedOut)
        return OSKN_TIMEOUT;
    const uint8_t sc = c.status_Code();
    switch (c.status_Code_Type()) {
    case NVME_SCT_GENERIC:
        switch (sc) {
        case NVME_SC_SUCCESS:
            if (c.direction == DataDirection::In && c.transferred < c.dataLength)
                return OSKN_INCOMPLETE; // a log page or identify data shorter than asked
            return OSKN_SUCCESS;
        case NVME_SC_INVALID_OPCODE:
        case NVME_SC_INVALID_FIELD:
            return OSKN_NOT_SUPPORTED;
        case NVME_SC_INVALID_NS: // the namespace is no more
            return OSKN_DEVICE_GONE;
        case NVME_SC_LBA_RANGE:
        case NVME_SC_CAP_EXCEEDED:
            return OSKN_BAD_PARAMETER;
        case NVME_SC_SANITIZE_IN_PROGRESS:
        case NVME_SC_FORMAT_IN_PROGRESS:
            return OSKN_IN_PROGRESS;
        case NVME_SC_NS_WRITE_PROTECTED:
            return OSKN_CANNOT_PERFORM;
        case NVME_SC_INTERNAL:
        case NVME_SC_POWER_LOSS:
            return OSKN_COMMAND_FAILURE;
        default:
            return OSKN_FAILURE;
        }
    case NVME_SCT_CMD_SPECIFIC:
        switch (sc) {
        case NVME_SC_SELF_TEST_IN_PROGRESS:
            return OSKN_IN_PROGRESS;
        case NVME_SC_INVALID_LOG_PAGE:
        case NVME_SC_INVALID_FORMAT:
            return OSKN_NOT_SUPPORTED;
        case NVME_SC_READ_ONLY: // a write to a read-only range
            return OSKN_CANNOT_PERFORM;
        default:
            return OSKN_FAILURE;
        }
    case NVME_SCT_MEDIA:
        if (sc == NVME_SC_ACCESS_DENIED)
            return OSKN_CANNOT_PERFORM;
        if (sc == NVME_SC_COMPARE_FAILED)
            return OSKN_FAILURE;
        return OSKN_COMMAND_FAILURE; // unrecovered read error, write fault, integrity checks
    case NVME_SCT_PATH:
        // The host gave up on the command (the kernel's timeout); or the path is gone.
        if (sc == NVME_SC_CMD_ABORTED_BY_HOST)
            return OSKN_TIMEOUT;
        if (sc == NVME_SC_HOST_PATH_ERROR || sc == NVME_SC_CTRL_PATH_ERROR)
            return OSKN_DEVICE_GONE;
        return OSKN_FAILURE;
    default:
        return OSKN_FAILURE;
    }
}

} // namespace nvme

namespace {

// Whether the command may change the medium, and where (count 0: anywhere).
bool nvme_Changes_Medium(const NvmeCommand& c, uint64_t& lba, uint64_t& count)
{
    lba = count = 0;
    if (c.admin)
        return c.opcode == nvme_admin_format_nvm || c.opcode == nvme_admin_sanitize_nvm ||
               c.opcode == nvme_admin_security_send || c.opcode == nvme_admin_ns_mgmt;
    switch (c.opcode) {
    case nvme_cmd_read:
    case nvme_cmd_compare:
    case nvme_cmd_verify:
    case nvme_cmd_flush:
        return false;
    case nvme_cmd_write:
    case nvme_cmd_write_zeroes:
    case nvme_cmd_write_uncor:
        lba = uint64_t(c.cdw11) << 32 | c.cdw10;
        count = (c.cdw12 & 0xFFFF) + 1u;
        return true;
    default:
        return true;
    }
}

} // namespace

int nvme_Command(Drive& drive, NvmeCommand& command)
{
    if (!drive.channel)
        return OSKN_DEVICE_GONE;
    if (drive.kind != DriveKind::Nvme)
        return OSKN_CANNOT_PERFORM;
    if (command.dataLength && !command.data)
        return OSKN_BAD_PARAMETER;
    TransportResult delivered;
    {
        std::lock_guard<std::recursive_mutex> guard(drive.state->lock);
        delivered = drive.channel->execute_Nvme(command);
        uint64_t lba, count;
        if (nvme_Changes_Medium(command, lba, count))
            drive.state->readAhead.medium_Changed(lba, count);
    }
    return nvme::map_Result(delivered, command);
}

namespace {

// Blocks one command may move: the command's own field, and what the system passes at once.
uint32_t blocks_Per_Command(const Drive& drive, uint32_t blockSize)
{
    const uint32_t limit = drive.channel ? drive.channel->max_Transfer_Bytes() : 0;
    uint32_t blocks = nvme::MaxBlocksPerCommand;
    if (limit)
        blocks = std::min(blocks, std::max(limit / blockSize, 1u));
    return blocks;
}

} // namespace

int nvme_Read_Write(Drive& drive, uint32_t nsid, bool write, uint64_t lba, uint32_t count, bool fua,
                    uint8_t* data, uint32_t blockSize)
{
    const uint32_t most = blocks_Per_Command(drive, blockSize);
    for (uint32_t done = 0; done < count;) {
        const uint32_t n = std::min(most, count - done);
        NvmeCommand c = nvme::read_Write_Command(write, nsid, lba + done, n, fua, data + size_t(done) * blockSize,
                                                 n * blockSize);
        const int rc = nvme_Command(drive, c);
        if (rc != OSKN_SUCCESS)
            return rc;
        done += n;
    }
    return OSKN_SUCCESS;
}

namespace {

// A window's NVMe Reads as the channel took them. Constructed under the drive's lock: it hands
// the commands to the channel.
class NvmePieces final : public ReadAhead::Pieces {
public:
    NvmePieces(std::shared_ptr<DeviceChannel> channel, std::vector<NvmeCommand> commands)
        : channel_(std::move(channel)), commands_(std::move(commands)),
          flight_(channel_->start_Nvme_All(commands_.data(), commands_.size()))
    {
    }
    int wait(size_t i, uint64_t& arrivedNs) override
    {
        return nvme::map_Result(flight_->wait(i, arrivedNs), commands_[i]);
    }

private:
    std::shared_ptr<DeviceChannel> channel_; // outlives flight_
    std::vector<NvmeCommand> commands_;
    std::unique_ptr<InFlight> flight_;
};

} // namespace

std::unique_ptr<ReadAhead::Pieces> start_Nvme_Read_Pieces(Drive& drive, uint32_t nsid, uint64_t lba, uint32_t count,
                                                          uint8_t* data, uint32_t blockSize, uint32_t pieceBlocks)
{
    if (!drive.channel)
        return std::make_unique<AnsweredPieces>(OSKN_DEVICE_GONE, steady_Clock_Ns());
    pieceBlocks = std::max(1u, std::min(pieceBlocks, nvme::MaxBlocksPerCommand));
    const size_t n = (count + pieceBlocks - 1) / pieceBlocks;
    std::vector<NvmeCommand> commands(n);
    for (size_t i = 0; i < n; ++i) {
        const uint64_t at = lba + uint64_t(i) * pieceBlocks;
        const uint32_t length = uint32_t(std::min<uint64_t>(pieceBlocks, lba + count - at));
        commands[i] = nvme::read_Write_Command(false, nsid, at, length, false, data + (at - lba) * blockSize,
                                               length * blockSize);
    }
    std::lock_guard<std::recursive_mutex> guard(drive.state->lock);
    return std::make_unique<NvmePieces>(drive.channel, std::move(commands));
}

int nvme_Identify_Controller(Drive& drive, nvme::ControllerInfo& info)
{
    TransferBuffer data(nvme::IdentifyBytes);
    NvmeCommand c = nvme::identify_Command(NVME_IDENTIFY_CNS_CTRL, 0, data.data());
    const int rc = nvme_Command(drive, c);
    if (rc == OSKN_SUCCESS)
        info = nvme::decode_Identify_Controller(data.data());
    return rc;
}

int nvme_Read_Log(Drive& drive, uint8_t logId, uint8_t* data, uint32_t length)
{
    NvmeCommand c = nvme::get_Log_Page_Command(logId, nvme::AllNamespaces, data, length);
    return nvme_Command(drive, c);
}

int block_Result(TransportResult delivered, const BlockCommand& c)
{
    switch (delivered) {
    case TransportResult::NoDevice:
        return OSKN_DEVICE_GONE;
    case TransportResult::OsFailure:
        return OSKN_OS_PASSTHROUGH_FAILURE;
    case TransportResult::Delivered:
        break;
    }
    if (c.timedOut || c.error == ETIMEDOUT)
        return OSKN_TIMEOUT;
    switch (c.error) {
    case 0:
        return OSKN_SUCCESS;
    case EIO:
    case EILSEQ:
    case EBADMSG: // the kernel's answer for an unreadable block (medium or integrity error)
        return OSKN_COMMAND_FAILURE;
    case ENODEV:
    case ENXIO:
    case ENOENT:
    case ENOMEDIUM:
        return OSKN_DEVICE_GONE;
    case EINVAL:
    case ENOSPC:
        return OSKN_BAD_PARAMETER;
    case EROFS:
    case EPERM:
    case EACCES:
        return OSKN_CANNOT_PERFORM;
    case ENOMEM:
        return OSKN_MEMORY_FAILURE;
    default:
        return OSKN_OS_PASSTHROUGH_FAILURE;
    }
}

int block_Read_Write(Drive& drive, bool write, uint64_t lba, uint32_t count, bool fua, uint8_t* data,
                     uint32_t blockSize)
{
    if (!drive.channel)
        return OSKN_DEVICE_GONE;
    if (drive.kind != DriveKind::Block)
        return OSKN_CANNOT_PERFORM;
    BlockCommand c;
    c.write = write;
    c.forceUnitAccess = fua;
    c.lba = lba;
    c.count = count;
    c.blockSize = blockSize;
    c.data = data;
    TransportResult delivered;
    {
        std::lock_guard<std::recursive_mutex> guard(drive.state->lock);
        delivered = drive.channel->execute_Block(c);
        if (write)
            drive.state->readAhead.medium_Changed(lba, count);
    }
    return block_Result(delivered, c);
}

// ---------------------------------------------------------------------------------------------

void fill_Nvme_Record(_tDevice* device, Drive& drive)
{
    device->interfaceType = drive.interfaceType;
    device->driveType = OSKN_DRIVE_NVME;
    record::set_Flags(device, record::flags(device) | record::FlagNvme);
    TransferBuffer data(nvme::IdentifyBytes);
    NvmeCommand controller = nvme::identify_Command(NVME_IDENTIFY_CNS_CTRL, 0, data.data());
    if (nvme_Command(drive, controller) != OSKN_SUCCESS)
        return; // does not answer: max LBA stays 0, no panel
    const nvme::ControllerInfo ctrl = nvme::decode_Identify_Controller(data.data());
    copy_Record_Text(device->serialNumber, sizeof device->serialNumber, ctrl.serial);
    copy_Record_Text(device->modelNumber, sizeof device->modelNumber, ctrl.model);
    copy_Record_Text(device->firmwareRevision, sizeof device->firmwareRevision, ctrl.firmware);
    if (!ctrl.valid || drive.nsid == 0)
        return;
    data.resize(nvme::IdentifyBytes);
    NvmeCommand ns = nvme::identify_Command(NVME_IDENTIFY_CNS_NS, drive.nsid, data.data());
    if (nvme_Command(drive, ns) != OSKN_SUCCESS)
        return;
    const nvme::NamespaceInfo info = nvme::decode_Identify_Namespace(data.data());
    if (!info.valid)
        return; // garbage: no geometry to trust, no panel
    // Only a drive whose identify data made sense is one the NVMe calls work on.
    record::set_Nsid(device, drive.nsid);
    record::set_Nvme_Oacs(device, ctrl.oacs);
    if (info.metadata)
        record::set_Flags(device, record::flags(device) | record::FlagNvmeMetadata);
    device->logicalSectorSize = info.logicalBlockSize;
    device->physicalSectorSize = info.physicalBlockSize;
    device->maxLBA = info.size - 1;
}

void fill_Block_Record(_tDevice* device, Drive& drive)
{
    device->interfaceType = drive.interfaceType;
    device->driveType = OSKN_DRIVE_BLOCK;
    record::set_Flags(device, record::flags(device) | record::FlagBlock);
    const BlockIdentity& id = drive.identity;
    copy_Record_Text(device->modelNumber, sizeof device->modelNumber, id.model);
    copy_Record_Text(device->serialNumber, sizeof device->serialNumber, id.serial);
    copy_Record_Text(device->firmwareRevision, sizeof device->firmwareRevision, id.firmware);
    device->logicalSectorSize = id.logicalBlockSize ? id.logicalBlockSize : 512;
    device->physicalSectorSize = std::max(id.physicalBlockSize, device->logicalSectorSize);
    device->maxLBA = id.blocks ? id.blocks - 1 : 0;
}

} // namespace oskn
