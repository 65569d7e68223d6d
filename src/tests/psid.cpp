#include "psid.h"

#include "oskn_tcgoperations.h"
#include "reasons.h"

CPSID::CPSID(_tDevice* dev, QString key, QObject* parent)
    : OneCallTest(dev, "OSKNPUBLIC_API int PSID Erase",
                  {"PSID Erase", "Test information: PSID Erase - ABORTED", "Test information: PSID Erase - ABORTED",
                   "Test information: CPSID::execute() - returned: SUCCESS for SN:",
                   "Warning: CPSID::execute() - returned: UNABLE TO RUN for SN:",
                   "Warning: CPSID::execute() - returned: FAIL for SN:"},
                  parent),
      psid(std::move(key))
{
    describe("PSID Erase", TestType::Psid);
}

// The drive refuses the revert with that answer when the key is not its PSID.
void CPSID::explain_Failure(int rc)
{
    if (rc == OSKN_FAILURE)
        set_Reason(Reason::WrongPsid);
}

int CPSID::call()
{
    return revert_SP(device, psid.toLocal8Bit().constData());
}
