// Drive self-test and SMART health (ATA SMART).
#include <cstring>

#include "ops_common.h"
#include "transferbuffer.h"

using namespace oskn;

namespace {

constexpr uint8_t kRoutineRunning = 0x0F; // self-test execution status while a routine runs

int routine_Running(_tDevice* device, bool& running)
{
    alignas(kTransferAlignment) uint8_t data[512] = {};
    const int rc = ata_SMART_Read_Data(device, data, sizeof data);
    if (rc == OSKN_SUCCESS)
        running = (data[363] >> 4) == kRoutineRunning;
    return rc;
}

// The first page of the self-test log: the SMART one, else the extended one. source tells
// which was read (0: none), so that a later copy is read the same way.
int read_Self_Test_Log(_tDevice* device, uint8_t* page, int& source)
{
    if ((source == 0 || source == 0x06) && ata_SMART_Read_Log(device, 0x06, page, 512) == OSKN_SUCCESS) {
        source = 0x06;
        return OSKN_SUCCESS;
    }
    if ((source == 0 || source == 0x07) && ata_Read_Log_Ext(device, 0x07, 0, page, 512, 0, 0) == OSKN_SUCCESS) {
        source = 0x07;
        return OSKN_SUCCESS;
    }
    return OSKN_FAILURE;
}

// Self-tests (off-line 01h-04h) and the vendor's routines (40h-7Eh) report and log their run.
bool followed_Routine(uint8_t subcommand)
{
    return (subcommand >= 0x01 && subcommand <= 0x04) || (subcommand >= 0x40 && subcommand <= 0x7E);
}

} // namespace

namespace oskn {

int start_Offline_Routine(_tDevice* device, Drive& drive, uint8_t subcommand)
{
    bool wasRunning = false;
    routine_Running(device, wasRunning); // not known: a routine seen running later is ours
    alignas(kTransferAlignment) uint8_t before[512] = {};
    int source = 0;
    const bool logRead = read_Self_Test_Log(device, before, source) == OSKN_SUCCESS;
    const int rc = ata_Command(
        drive, ata_Smart_Command(ata::SmartExecuteOfflineImmediate, subcommand, 0, AtaProtocol::NonData), nullptr, 0);
    if (rc != OSKN_SUCCESS)
        return rc;
    bool running = false;
    // Without a status there is nothing to follow the routine by: the caller's own queries of
    // it fail alike, and no verdict can come of it.
    if (routine_Running(device, running) != OSKN_SUCCESS)
        return OSKN_SUCCESS;
    if (running && !wasRunning)
        return OSKN_SUCCESS;
    // Already over (a short routine), or one that ran before was replaced: either is logged.
    alignas(kTransferAlignment) uint8_t after[512] = {};
    if (logRead && read_Self_Test_Log(device, after, source) == OSKN_SUCCESS &&
        std::memcmp(before, after, sizeof after) != 0)
        return OSKN_SUCCESS;
    return OSKN_FAILURE;
}

} // namespace oskn

extern "C" {

int ata_SMART_Offline(_tDevice* device, uint8_t subcommand)
{
    // Captive tests keep the drive (and its lock) busy for minutes: not offered.
    const CallTarget call = begin_Call(device, !(subcommand & 0x80), OSKN_CANNOT_PERFORM);
    if (call.refusal)
        return call.refusal;
    if (followed_Routine(subcommand))
        return cannot_If_Unsupported(start_Offline_Routine(device, *call.drive, subcommand));
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
