// Drive self-test and SMART health: ATA SMART, or for an NVMe drive its Device Self-test and
// health log under the same calls.
#include <algorithm>
#include <cstring>
#include <vector>

#include "core/nvme.h"
#include "ops_common.h"
#include "transferbuffer.h"

using namespace oskn;

namespace {

bool nvme_Self_Test(const _tDevice* device) { return record::nvme_Oacs(device) & NVME_CTRL_OACS_SELF_TEST; }

// The Device Self-test log: the running operation and the results, newest first.
int read_Self_Test_Log(Drive& drive, nvme::SelfTestLog& log)
{
    alignas(kTransferAlignment) uint8_t data[sizeof(nvme::SelfTestLog)] = {};
    const int rc = nvme_Read_Log(drive, NVME_LOG_LID_DEVICE_SELF_TEST, data, sizeof data);
    if (rc == OSKN_SUCCESS)
        std::memcpy(&log, data, sizeof log);
    return rc;
}

std::vector<uint8_t> results_Of(const nvme::SelfTestLog& log)
{
    const uint8_t* p = reinterpret_cast<const uint8_t*>(log.result);
    return std::vector<uint8_t>(p, p + sizeof log.result);
}

int nvme_Offline(_tDevice* device, Drive& drive, uint8_t subcommand)
{
    uint8_t code;
    switch (subcommand) {
    case 0x01: code = NVME_DST_STC_SHORT; break;
    case 0x02: code = NVME_DST_STC_LONG; break;
    case 0x7F: code = NVME_DST_STC_ABORT; break;
    default: return OSKN_CANNOT_PERFORM; // off-line data collection, in-drive diagnostics
    }
    if (!nvme_Self_Test(device))
        return OSKN_CANNOT_PERFORM;
    if (code != NVME_DST_STC_ABORT) {
        // What the log holds now: the result of this test is the entry that was not there.
        nvme::SelfTestLog before;
        const int rc = read_Self_Test_Log(drive, before);
        if (rc != OSKN_SUCCESS)
            return cannot_If_Unsupported(rc);
        std::lock_guard<std::mutex> guard(drive.state->jobMutex);
        drive.state->nvmeSelfTestBefore = results_Of(before);
    }
    NvmeCommand command = nvme::device_Self_Test_Command(record::nsid(device), code);
    const int rc = nvme_Command(drive, command);
    if (rc == OSKN_SUCCESS && code != NVME_DST_STC_ABORT) {
        std::lock_guard<std::mutex> guard(drive.state->jobMutex);
        drive.state->nvmeSelfTestStarted = true;
    }
    return cannot_If_Unsupported(rc);
}

int nvme_Progress(_tDevice* device, Drive& drive, uint32_t* percentRemaining, uint8_t* status)
{
    if (!nvme_Self_Test(device))
        return OSKN_CANNOT_PERFORM;
    nvme::SelfTestLog log;
    const int rc = read_Self_Test_Log(drive, log);
    if (rc != OSKN_SUCCESS)
        return cannot_If_Unsupported(rc);
    if ((log.current_operation & NVME_ST_CURR_OP_MASK) != NVME_ST_CURR_OP_NOT_RUNNING) {
        const unsigned done = std::min(log.completion & NVME_ST_CURR_OP_CMPL_MASK, 100);
        *status = 0x0F;
        *percentRemaining = 100u - done;
        return OSKN_SUCCESS;
    }
    *percentRemaining = 0;
    const nvme::SelfTestEntry newest = nvme::decode_Self_Test_Entry(log.result[0]);
    std::lock_guard<std::mutex> guard(drive.state->jobMutex);
    if (drive.state->nvmeSelfTestStarted && results_Of(log) == drive.state->nvmeSelfTestBefore) {
        // Not running, and no result of the test that was started: it did not run to an end
        // the drive recorded, which is no pass.
        *status = 0x02;
        return OSKN_SUCCESS;
    }
    drive.state->nvmeSelfTestStarted = false;
    *status = newest.used ? nvme::ata_Self_Test_Status(newest) : 0x02;
    return OSKN_SUCCESS;
}

int nvme_Health_Check(Drive& drive)
{
    alignas(kTransferAlignment) nvme::HealthLog log;
    std::memset(&log, 0, sizeof log);
    const int rc = nvme_Read_Log(drive, NVME_LOG_LID_SMART, reinterpret_cast<uint8_t*>(&log), sizeof log);
    if (rc != OSKN_SUCCESS)
        return rc;
    return log.critical_warning ? OSKN_FAILURE : OSKN_SUCCESS;
}

int routine_Running(_tDevice* device, bool& running)
{
    alignas(kTransferAlignment) uint8_t data[512] = {};
    const int rc = ata_SMART_Read_Data(device, data, sizeof data);
    if (rc == OSKN_SUCCESS)
        running = smartdata::self_Test_State(data) == smartdata::RoutineRunning;
    return rc;
}

// The first page of the self-test log: the SMART one, else the extended one. source tells
// which was read (0: none), so that a later copy is read the same way.
int read_Ata_Self_Test_Log(_tDevice* device, uint8_t* page, int& source)
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
    const bool logRead = read_Ata_Self_Test_Log(device, before, source) == OSKN_SUCCESS;
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
    if (logRead && read_Ata_Self_Test_Log(device, after, source) == OSKN_SUCCESS &&
        std::memcmp(before, after, sizeof after) != 0)
        return OSKN_SUCCESS;
    return OSKN_FAILURE;
}

} // namespace oskn

extern "C" {

int ata_SMART_Offline(_tDevice* device, uint8_t subcommand)
{
    // Captive tests keep the drive (and its lock) busy for minutes: not offered.
    const CallTarget call = begin_Call(device, !(subcommand & 0x80));
    if (call.refusal)
        return call.refusal;
    if (is_Nvme(device))
        return nvme_Identified(device) ? nvme_Offline(device, *call.drive, subcommand) : OSKN_FAILURE;
    if (!is_Ata(device))
        return OSKN_CANNOT_PERFORM;
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
    const CallTarget call = begin_Call(device, percentRemaining && status);
    if (call.refusal)
        return call.refusal;
    if (is_Nvme(device))
        return nvme_Identified(device) ? nvme_Progress(device, *call.drive, percentRemaining, status) : OSKN_FAILURE;
    if (!is_Ata(device))
        return OSKN_CANNOT_PERFORM;
    alignas(kTransferAlignment) uint8_t data[512] = {};
    const int rc = ata_SMART_Read_Data(device, data, sizeof data);
    if (rc != OSKN_SUCCESS)
        return cannot_If_Unsupported(rc);
    const uint8_t execution = data[smartdata::SelfTestExecution];
    *status = execution >> 4;
    *percentRemaining = uint32_t(execution & 0x0F) * 10u;
    return OSKN_SUCCESS;
}

int ata_Abort_DST(_tDevice* device) { return ata_SMART_Offline(device, 0x7F); }

int run_SMART_Check(_tDevice* device)
{
    const CallTarget call = begin_Call(device);
    if (call.refusal)
        return call.refusal;
    if (is_Nvme(device))
        return nvme_Identified(device) ? nvme_Health_Check(*call.drive) : OSKN_FAILURE;
    if (!is_Ata(device))
        return OSKN_NOT_SUPPORTED;
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
