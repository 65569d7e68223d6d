// In-drive diagnostics: tests 70h (reset and recalibrate) and 71h (test pending and reallocation
// lists), started like a background self-test. The drive announces them in the vendor-specific
// part of its SMART data: byte 386 bit 0 / bit 1, approximate seconds at bytes 387 and 389.
#include "core/clock.h"
#include "ops_common.h"
#include "transferbuffer.h"

using namespace oskn;

namespace {

bool known_Kind(int kind) { return kind == OSKN_IDD_RESET_AND_RECALIBRATE || kind == OSKN_IDD_TEST_PENDING_AND_REALLOCATION_LISTS; }

// SMART data, and what it says about one diagnostic.
int idd_Info(_tDevice* device, int kind, bool& supported, uint64_t& seconds)
{
    alignas(kTransferAlignment) uint8_t data[512] = {};
    const int rc = ata_SMART_Read_Data(device, data, sizeof data);
    if (rc != OSKN_SUCCESS)
        return rc;
    const bool reset = kind == OSKN_IDD_RESET_AND_RECALIBRATE;
    supported = data[smartdata::IddCapability] & (reset ? smartdata::IddResetAndRecalibrate : smartdata::IddTestPendingLists);
    seconds = get_Le16(data + (reset ? smartdata::IddResetSeconds : smartdata::IddPendingListsSeconds));
    return OSKN_SUCCESS;
}

void set_Running(Drive& drive, int kind)
{
    std::lock_guard<std::mutex> guard(drive.state->jobMutex);
    drive.state->iddRunning = kind;
}

} // namespace

extern "C" {

int get_IDD_Support(_tDevice* device, iddSupportedFeatures* features)
{
    if (const int refusal = begin_Call(device, features, OSKN_NOT_SUPPORTED).refusal)
        return refusal;
    alignas(kTransferAlignment) uint8_t data[512] = {};
    const int rc = ata_SMART_Read_Data(device, data, sizeof data);
    if (rc != OSKN_SUCCESS)
        return rc;
    features->resetAndRecalibrate = data[smartdata::IddCapability] & smartdata::IddResetAndRecalibrate ? 1 : 0;
    features->testPendingAndReallocationLists = data[smartdata::IddCapability] & smartdata::IddTestPendingLists ? 1 : 0;
    features->full = 0;
    return OSKN_SUCCESS;
}

int get_Approximate_IDD_Time(_tDevice* device, _eIDDTests kind, uint64_t* seconds)
{
    const CallTarget call = begin_Call(device, seconds);
    if (call.refusal)
        return call.refusal;
    *seconds = 0;
    if (!is_Ata(device) || !known_Kind(kind))
        return OSKN_CANNOT_PERFORM;
    bool supported = false;
    const int rc = idd_Info(device, kind, supported, *seconds);
    if (rc != OSKN_SUCCESS)
        return cannot_If_Unsupported(rc);
    if (!supported)
        return OSKN_CANNOT_PERFORM;
    std::lock_guard<std::mutex> guard(call.drive->state->jobMutex);
    return call.drive->state->iddRunning == int(kind) ? OSKN_IN_PROGRESS : OSKN_SUCCESS;
}

int run_IDD(_tDevice* device, _eIDDTests kind, bool captive)
{
    const CallTarget call = begin_Call(device);
    if (call.refusal)
        return call.refusal;
    const std::shared_ptr<Drive>& drive = call.drive;
    if (!is_Ata(device) || !known_Kind(kind))
        return OSKN_CANNOT_PERFORM;
    bool supported = false;
    uint64_t seconds = 0;
    int rc = idd_Info(device, kind, supported, seconds);
    if (rc != OSKN_SUCCESS)
        return cannot_If_Unsupported(rc);
    if (!supported)
        return OSKN_CANNOT_PERFORM;
    {
        std::lock_guard<std::mutex> guard(drive->state->jobMutex);
        if (drive->state->iddRunning)
            return OSKN_IN_PROGRESS;
        drive->state->iddRunning = kind;
    }
    rc = start_Offline_Routine(device, *drive, uint8_t(kind));
    if (rc != OSKN_SUCCESS) {
        set_Running(*drive, 0);
        return cannot_If_Unsupported(rc);
    }
    // Follow it like a self-test, without holding the drive's lock between polls. A drive that
    // never finishes is given up on well after its own estimate.
    const uint64_t deadline = now_Nanoseconds() + (seconds * 4 + 600) * 1000000000ull;
    uint8_t status = smartdata::RoutineRunning;
    while (status == smartdata::RoutineRunning) {
        sleep_Milliseconds(1000);
        alignas(kTransferAlignment) uint8_t data[512] = {};
        rc = ata_SMART_Read_Data(device, data, sizeof data);
        if (rc != OSKN_SUCCESS)
            break;
        status = smartdata::self_Test_State(data);
        if (status == smartdata::RoutineRunning && now_Nanoseconds() > deadline) {
            rc = OSKN_TIMEOUT;
            break;
        }
    }
    set_Running(*drive, 0);
    if (rc != OSKN_SUCCESS)
        return rc;
    return status == 0 ? OSKN_SUCCESS : OSKN_FAILURE;
}

} // extern "C"
