#include "psid.h"

#include "oskn_tcgoperations.h"

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
