// PSID revert: the TCG session to the drive's admin SP comes with later work; until then the
// drive is reported as unable, never as reverted.
#include "core/device.h"
#include "oskn_tcgoperations.h"

using namespace oskn;

extern "C" int revert_SP(_tDevice* device, const char* psid)
{
    if (!Registry::instance().find(device))
        return OSKN_INVALID_DEVICE;
    if (!psid)
        return OSKN_BAD_PARAMETER;
    return OSKN_NOT_SUPPORTED;
}
