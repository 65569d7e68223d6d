// Set max LBA: the Host Protected Area (READ NATIVE MAX ADDRESS then SET MAX ADDRESS, back to
// back on the drive) or, without it, Accessible Max Address Configuration.
#include "ops_common.h"
#include "transferbuffer.h"

using namespace oskn;

extern "C" int set_Max_LBA(_tDevice* device, uint64_t newMaxLBA, bool restoreNative)
{
    const CallTarget call = begin_Call(device, true, OSKN_CANNOT_PERFORM);
    if (call.refusal)
        return call.refusal;
    Drive& drive = *call.drive;
    if (!restoreNative && newMaxLBA == 0)
        return OSKN_BAD_PARAMETER;
    const uint8_t* id = record::identify(device);
    const bool hpa = identify::host_Protected_Area(id);
    if ((!hpa && !identify::accessible_Max_Address(id)) || !identify::lba48(id))
        return OSKN_CANNOT_PERFORM;

    // No other command of this drive may come between reading the native max and setting it.
    std::lock_guard<std::recursive_mutex> hold(drive.state->lock);
    AtaResult result;
    int rc = ata_Command(drive, hpa ? ata_Read_Native_Max_Ext_Command() : ata_Get_Native_Max_Address_Ext_Command(),
                         nullptr, 0, TimeoutDefault, &result);
    if (rc != OSKN_SUCCESS)
        return cannot_If_Unsupported(rc);
    const uint64_t native = result.lba & 0xFFFFFFFFFFFFull;
    const uint64_t target = restoreNative ? native : newMaxLBA;
    if (target > native)
        return OSKN_BAD_PARAMETER;
    rc = ata_Command(drive, hpa ? ata_Set_Max_Address_Ext_Command(target, false)
                                 : ata_Set_Accessible_Max_Address_Ext_Command(target),
                     nullptr, 0, TimeoutLong);
    if (rc != OSKN_SUCCESS)
        return cannot_If_Unsupported(rc);
    // A good status is no proof: the capacity the drive now reports must be the one asked for.
    alignas(kTransferAlignment) uint8_t identify[512] = {};
    rc = ata_Command(drive, ata_Identify_Command(), identify, sizeof identify);
    if (rc != OSKN_SUCCESS)
        return rc;
    const IdentifyInfo now = decode_Identify(identify);
    return now.sectors == target + 1 ? OSKN_SUCCESS : OSKN_FAILURE;
}
