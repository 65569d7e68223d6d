#include "psid.h"

#include "logsapplication.h"
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

// The drive refuses the revert with that answer when the key is not its PSID; where the session
// said so itself, the log says it too.
void CPSID::explain_Failure(int rc)
{
    int status = -1;
    if (get_Revert_Session_Status(device, &status) == 0 && status == OSKN_TCG_NOT_AUTHORIZED)
        log()->kestrova_Log_Error("Warning: CPSID::execute() - the drive refused the key: wrong PSID for SN: " + serial());
    if (rc == OSKN_FAILURE)
        set_Reason(Reason::WrongPsid);
}

int CPSID::call()
{
    return revert_SP(device, psid.toLocal8Bit().constData());
}
