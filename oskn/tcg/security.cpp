// Security protocols: which ones the drive speaks, and whether TCG is among them.
#include <algorithm>
#include <cstring>

#include "core/device.h"
#include "oskn_tcg.h"

using namespace oskn;

extern "C" {

int read_Supported_Security_Protocols_From_Device(_tDevice* device, uint8_t* protocolList)
{
    auto drive = Registry::instance().find(device);
    if (!drive)
        return OSKN_INVALID_DEVICE;
    if (!protocolList)
        return OSKN_BAD_PARAMETER;
    uint8_t data[512] = {}; // one block: ATA transfers whole sectors
    int rc;
    if (record::flags(device) & record::FlagAta) {
        AtaCommand command;
        command.command = ata::TrustedReceive;
        command.feature = 0x00; // protocol 0: security protocol information
        command.count = 1;      // transfer length (7:0), in 512-byte blocks
        command.lba = 0;        // transfer length (15:8) and protocol-specific 0000h
        command.protocol = AtaProtocol::PioDataIn;
        rc = ata_Command(*drive, command, data, sizeof data);
    } else {
        rc = scsi_Command(*drive, cdb::security_Protocol_In(0x00, 0x0000, false, sizeof data),
                          DataDirection::In, data, sizeof data);
    }
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
