#include "tests/spindown.h"

#include "deviceaccess/oskn_public.h"

SpinDown::SpinDown(_tDevice* dev, QObject* parent)
    : OneCallTest(dev, "OSKNPUBLIC_API int spin_down_drive()",
                  {"Spin down", "Test information: Spin down - ABORTED", "Test information: Spin down - ABORTED",
                   "Test information: SpinDown::execute() - returned: SUCCESS for SN:",
                   "Warning: SpinDown::execute() - returned: UNABLE TO RUN for SN:",
                   "Warning: SpinDown::execute() - returned: FAIL for SN:"},
                  parent)
{
    describe("Spin Down", TestType::SpinDown);
}

int SpinDown::call()
{
    return spin_down_drive(device, false);
}
