// Drive self-test and SMART health (ATA SMART).
#include "ops_common.h"
#include "transferbuffer.h"

using namespace oskn;

extern "C" {

int ata_SMART_Offline(_tDevice* device, uint8_t subcommand)
{
    // Captive tests keep the drive (and its lock) busy for minutes: not offered.
    const CallTarget call = begin_Call(device, !(subcommand & 0x80), OSKN_CANNOT_PERFORM);
    if (call.refusal)
        return call.refusal;
    const int rc = ata_Command(*call.drive,
                               ata_Smart_Command(ata::SmartExecuteOfflineImmediate, subcommand, 0,
                                                 AtaProtocol::NonData),
                               nullptr, 0);
    return cannot_If_Unsupported(rc);
}

int ata_Get_DST_Progress(_tDevice* device, uint32_t* percentRemaining, uint8_t* status)
{
    const CallTarget call = begin_Call(device, percentRemaining && status, OSKN_CANNOT_PERFORM);
    if (call.refusal)
        return call.refusal;
    alignas(kTransferAlignment) uint8_t data[512] = {};
    const int rc = ata_SMART_Read_Data(device, data, sizeof data);
    if (rc != OSKN_SUCCESS)
        return cannot_If_Unsupported(rc);
    const uint8_t execution = data[363];
    *status = execution >> 4;
    *percentRemaining = uint32_t(execution & 0x0F) * 10u;
    return OSKN_SUCCESS;
}

int ata_Abort_DST(_tDevice* device) { return ata_SMART_Offline(device, 0x7F); }

int run_SMART_Check(_tDevice* device)
{
    const CallTarget call = begin_Call(device, true, OSKN_NOT_SUPPORTED);
    if (call.refusal)
        return call.refusal;
    if (!identify::smart(record::identify(device)))
        return OSKN_NOT_SUPPORTED;
    AtaCommand command = ata_Smart_Command(ata::SmartReturnStatus, 0, 0, AtaProtocol::NonData);
    command.checkCondition = true;
    AtaResult result;
    const int rc = ata_Command(*call.drive, command, nullptr, 0, TimeoutDefault, &result);
    if (rc != OSKN_SUCCESS)
        return rc;
    const uint8_t mid = uint8_t(result.lba >> 8), high = uint8_t(result.lba >> 16);
    if (mid == ata::SmartLbaMid && high == ata::SmartLbaHigh)
        return OSKN_SUCCESS;
    return OSKN_FAILURE; // F4h/2Ch: threshold exceeded; anything else: no verdict is no pass
}

} // extern "C"
