// Security protocols: which ones the drive speaks, and whether TCG is among them.
#include <algorithm>
#include <cstring>

#include "core/nvme.h"
#include "oskn_tcg.h"
#include "security_io.h"
#include "transferbuffer.h"

using namespace oskn;

namespace oskn {

namespace {

int scsi_Transfer(Drive& drive, bool out, uint8_t protocol, uint16_t spSpecific, uint8_t* data, uint32_t length)
{
    const Cdb cdb = out ? cdb::security_Protocol_Out(protocol, spSpecific, false, length)
                        : cdb::security_Protocol_In(protocol, spSpecific, false, length);
    return scsi_Command(drive, cdb, out ? DataDirection::Out : DataDirection::In, data, length, TimeoutLong);
}

int ata_Transfer(Drive& drive, bool out, uint8_t protocol, uint16_t spSpecific, uint8_t* data, uint32_t length)
{
    const uint32_t blocks = length / 512;
    if (blocks > 0xFF)
        return OSKN_BAD_PARAMETER;
    return ata_Command(drive, ata_Trusted_Command(out, protocol, spSpecific, uint16_t(blocks)), data, length,
                       TimeoutLong);
}

// The answers that mean "not this way": the command itself was refused, not the drive gone.
bool path_Refused(int rc)
{
    return rc == OSKN_NOT_SUPPORTED || rc == OSKN_FAILURE || rc == OSKN_OS_PASSTHROUGH_FAILURE;
}

// Security Send/Receive, where the controller announced them (OACS bit 0, kept in the record at
// discovery): a drive without them is sent nothing.
int nvme_Transfer(_tDevice* device, Drive& drive, bool out, uint8_t protocol, uint16_t spSpecific, uint8_t* data,
                  uint32_t length)
{
    if (!(record::nvme_Oacs(device) & NVME_CTRL_OACS_SECURITY))
        return OSKN_CANNOT_PERFORM;
    NvmeCommand command = nvme::security_Command(out, protocol, spSpecific, data, length);
    return nvme_Command(drive, command);
}

int transfer(_tDevice* device, Drive& drive, bool out, uint8_t protocol, uint16_t spSpecific, uint8_t* data,
             uint32_t length)
{
    if (!data || length == 0 || length % 512 || length / 512 > 0xFFFF)
        return OSKN_BAD_PARAMETER;
    if (is_Nvme(device))
        return nvme_Transfer(device, drive, out, protocol, spSpecific, data, length);
    if (!is_Ata(device))
        return scsi_Transfer(drive, out, protocol, spSpecific, data, length);
    std::atomic<int>& path = drive.state->securityPath;
    if (path.load() == OSKN_SECURITY_PATH_ATA)
        return ata_Transfer(drive, out, protocol, spSpecific, data, length);
    const int rc = scsi_Transfer(drive, out, protocol, spSpecific, data, length);
    if (rc == OSKN_SUCCESS) {
        path.store(OSKN_SECURITY_PATH_SCSI);
        return rc;
    }
    // Linux's libata refuses SECURITY PROTOCOL IN/OUT only for a drive without trusted computing
    // (IDENTIFY word 48); asking that drive again in ATA PASS-THROUGH only meets the filter.
    if (path.load() == OSKN_SECURITY_PATH_SCSI || !path_Refused(rc) || !identify::trusted_Computing(record::identify(device)))
        return rc;
    const int ataRc = ata_Transfer(drive, out, protocol, spSpecific, data, length);
    if (ataRc == OSKN_SUCCESS)
        path.store(OSKN_SECURITY_PATH_ATA);
    return ataRc;
}

} // namespace

int security_Receive(_tDevice* device, Drive& drive, uint8_t protocol, uint16_t spSpecific, uint8_t* data,
                     uint32_t length)
{
    return transfer(device, drive, false, protocol, spSpecific, data, length);
}

int security_Send(_tDevice* device, Drive& drive, uint8_t protocol, uint16_t spSpecific, uint8_t* data,
                  uint32_t length)
{
    return transfer(device, drive, true, protocol, spSpecific, data, length);
}

} // namespace oskn

extern "C" {

int get_Security_Protocol_Path(_tDevice* device)
{
    auto drive = Registry::instance().find(device);
    if (!drive)
        return OSKN_SECURITY_PATH_NONE;
    if (!is_Ata(device))
        return OSKN_SECURITY_PATH_SCSI;
    return drive->state->securityPath.load();
}

int read_Supported_Security_Protocols_From_Device(_tDevice* device, uint8_t* protocolList)
{
    const CallTarget call = begin_Call(device, protocolList);
    if (call.refusal)
        return call.refusal;
    alignas(kTransferAlignment) uint8_t data[512] = {}; // one block: ATA transfers whole sectors
    const int rc = security_Receive(device, *call.drive, 0x00, 0x0000, data, sizeof data);
    if (rc != OSKN_SUCCESS)
        return rc;
    std::memcpy(protocolList, data, OSKN_SECURITY_PROTOCOL_LIST_BYTES);
    return OSKN_SUCCESS;
}

int check_TCG_Support(const uint8_t* protocolList)
{
    if (!protocolList)
        return OSKN_BAD_PARAMETER;
    const unsigned n = std::min<unsigned>(get_Be16(protocolList + 6), OSKN_SECURITY_PROTOCOL_LIST_BYTES - 8);
    for (unsigned i = 0; i < n; ++i)
        if (protocolList[8 + i] == 0x01)
            return OSKN_SUCCESS;
    return OSKN_NOT_SUPPORTED;
}

} // extern "C"
