#include "tests/psid.h"

#include "log/logsapplication.h"
#include "deviceaccess/oskn_tcgoperations.h"
#include "tests/reasons.h"

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
    // A revert erases the user data: the sampled sectors that hold data now must read otherwise
    // afterwards. A locked drive reads nothing now, and then nothing is compared.
    verifier = std::make_unique<EraseVerifier>(device, std::vector<EraseVerifier::Range>{{0, device->maxLBA}},
                                               EraseVerifier::Expect::Changed);
    sample_Before_Erase(*verifier);
    return revert_SP(device, psid.toLocal8Bit().constData());
}

int CPSID::confirm()
{
    return read_Back(*verifier);
}
