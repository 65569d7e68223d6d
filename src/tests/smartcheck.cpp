#include "smartcheck.h"

#include "oskn_operations.h"

QMutex mutexSmart;

SmartCheck::SmartCheck(_tDevice* dev, QObject* parent)
    : OneCallTest(dev, "OSKNOPERATIONS_API int run_SMART_Check()",
                  {"S.M.A.R.T. Check", "Test information: S.M.A.R.T. Check - ABORTED",
                   "Test information: S.M.A.R.T. Check test - ABORTED",
                   "Test information: SmartCheck::execute() - returned: SUCCESS for SN: ",
                   "Warning: SmartCheck::execute() - returned: UNABLE TO RUN for SN: ",
                   "Warning: SmartCheck::execute() - returned: FAILURE for SN: "},
                  parent)
{
    describe("S.M.A.R.T. Check", TestType::SmartCheck);
}

int SmartCheck::call()
{
    QMutexLocker lock(&mutexSmart);
    return run_SMART_Check(device);
}
