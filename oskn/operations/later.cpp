// Calls whose drive commands come with later work: until then they report that the drive
// cannot do them, so the program offers nothing it cannot carry out.
#include "core/device.h"
#include "oskn_operations.h"

using namespace oskn;

extern "C" {

bool is_Write_Same_Supported(_tDevice* device, uint64_t startLBA, uint32_t numberOfLogicalBlocks,
                             uint64_t* maxBlocksPerCommand)
{
    if (maxBlocksPerCommand)
        *maxBlocksPerCommand = 0;
    return false;
}

int writesame(_tDevice* device, uint64_t startLBA, uint32_t numberOfLogicalBlocks, bool waitForCompletion)
{
    return Registry::instance().find(device) ? OSKN_NOT_SUPPORTED : OSKN_INVALID_DEVICE;
}

int get_Writesame_Progress(_tDevice* device, double* percent, bool* inProgress, uint64_t startLBA,
                           uint64_t endLBA)
{
    if (percent)
        *percent = 0.0;
    if (inProgress)
        *inProgress = false;
    return OSKN_NOT_SUPPORTED;
}

int get_Sanitize_Device_Features(_tDevice* device, sanitizeFeaturesSupported* features)
{
    return Registry::instance().find(device) ? OSKN_NOT_SUPPORTED : OSKN_INVALID_DEVICE;
}

int run_Sanitize_Operation(_tDevice* device, int operation, bool waitForCompletion)
{
    return Registry::instance().find(device) ? OSKN_NOT_SUPPORTED : OSKN_INVALID_DEVICE;
}

int get_Sanitize_Progress(_tDevice* device, double* percent, uint32_t* state)
{
    if (percent)
        *percent = 0.0;
    if (state)
        *state = OSKN_SANITIZE_STATE_IDLE;
    return OSKN_NOT_SUPPORTED;
}

int show_Sanitize_Progress(_tDevice* device) { return OSKN_NOT_SUPPORTED; }

int set_Max_LBA(_tDevice* device, uint64_t newMaxLBA, bool restoreNative)
{
    return Registry::instance().find(device) ? OSKN_CANNOT_PERFORM : OSKN_INVALID_DEVICE;
}

int get_IDD_Support(_tDevice* device, iddSupportedFeatures* features)
{
    return Registry::instance().find(device) ? OSKN_NOT_SUPPORTED : OSKN_INVALID_DEVICE;
}

int run_IDD(_tDevice* device, _eIDDTests kind, bool captive)
{
    return Registry::instance().find(device) ? OSKN_CANNOT_PERFORM : OSKN_INVALID_DEVICE;
}

int get_Approximate_IDD_Time(_tDevice* device, _eIDDTests kind, uint64_t* seconds)
{
    if (seconds)
        *seconds = 0;
    return OSKN_NOT_SUPPORTED;
}

} // extern "C"
