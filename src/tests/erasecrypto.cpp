#include "tests/erasecrypto.h"

#include "tests/eraseverifier.h"
#include "log/logsapplication.h"
#include "tests/reasons.h"
#include "deviceaccess/oskn_operations.h"
#include "tests/sanitizeoverwrite.h"

Erasecrypto::Erasecrypto(_tDevice* dev, QObject* parent)
    : MainTest(dev, parent, "OSKNOPERATIONS_API int run_Sanitize_Operation()"), maxLBA(dev->maxLBA)
{
    describe("Erase Crypto", TestType::EraseCrypto);
    libraryLineDebug = true;
}

int Erasecrypto::execute()
{
    const QString sn = serial();
    log()->kestrova_Log_Debug("Starting test:  Erase crypto - SN: " + sn);
    log()->kestrova_Log_Info("Test information: max LBA: " + QString::number(maxLBA));
    log()->kestrova_Log_Info("Test information: LBA: 0");
    emit change_Logs();
    outcome.parameters = {{"firstLba", 0ull}, {"lastLba", qulonglong(maxLBA)}, {"method", "sanitize crypto erase"}};

    if (int64_t(maxLBA) < 0) {
        return fail("Warning: Erasecrypto::execute() maxLBA: " + QString::number(maxLBA)
                                        + " less than zero - S/N: " + sn);
    }
    sanitizeFeaturesSupported features = {};
    const int r = get_Sanitize_Device_Features(device, &features);
    log_Library_Result("OSKNOPERATIONS_API int get_Sanitize_Device_Features()", r);
    emit change_Logs();
    if (drive_Lost(r)) {
        get_library_information(OSKN_FAILURE);
        return fail("Warning: Erasecrypto::execute() - returned:FAILURE for S/N: " + sn
                                        + " - Drive stopped answering", Reason::StoppedAnswering);
    }
    if (r != 0) {
        get_library_information(OSKN_CANNOT_PERFORM);
        return unable("Warning: Erasecrypto::execute() UNABLE TO RUN for S/N: " + sn, Reason::NotOffered);
    }
    log_Library_Result("sanitizeFeaturesSupported->crypto", features.crypto);
    emit change_Logs();
    if (!features.crypto) {
        get_library_information(OSKN_CANNOT_PERFORM);
        emit changePercent(0);
        return unable("Warning: Erasecrypto::execute() UNABLE TO RUN for S/N: " + sn
                                        + " - sanitize.crypto: not supported", Reason::NotOffered);
    }
    // What the sampled sectors hold now: afterwards each that held data must read otherwise.
    EraseVerifier verifier(device, {{0, maxLBA}}, EraseVerifier::Expect::Changed);
    if (!sample_Before_Erase(verifier) && !drive_Answers()) {
        get_library_information(OSKN_FAILURE);
        return fail("Warning: Erasecrypto::execute() - returned:FAILURE for S/N: " + sn
                    + " - Drive stopped answering");
    }
    // Waits for the drive to finish: 0 only when it reports the erase completed.
    const int c = run_Sanitize_Operation(device, OSKN_SANITIZE_CRYPTO_ERASE, true);
    if (c != 0) {
        get_library_information(OSKN_FAILURE);
        emit changePercent(0);
        set_Reason(c == OSKN_TIMEOUT ? Reason::NotCompleted
                   : drive_Lost(c)      ? Reason::StoppedAnswering
                                        : Reason::DriveFailure,
                   c == OSKN_TIMEOUT || drive_Lost(c) ? QString() : " " + QString::number(c));
        if (c == OSKN_TIMEOUT) {
            log()->kestrova_Log_Error("Warning: Erasecrypto::execute() - the drive did not report the erase "
                                            "completed in time for S/N: " + sn);
            log()->kestrova_Log_Error("Warning: Erasecrypto::execute() - last status: "
                                      + SanitizeOverwrite::status_Text(device) + " for S/N: " + sn);
        }
        else if (drive_Lost(c))
            log()->kestrova_Log_Error("Warning: Erasecrypto::execute() - the drive stopped answering for S/N: "
                                            + sn);
        double percent = 0;
        uint32_t state = OSKN_SANITIZE_STATE_IDLE;
        if (!drive_Lost(c) && get_Sanitize_Progress(device, &percent, &state) == 0
            && state == OSKN_SANITIZE_STATE_FAILED) {
            log()->kestrova_Log_Error("Warning: Erasecrypto::execute() - the drive reports that the sanitize failed,"
                                      " a new sanitize is needed for S/N: " + sn);
            emit sanitizeFailed();
        }
        return fail("Warning: Erasecrypto::execute() - returned:FAILURE for S/N: " + sn);
    }
    show_Sanitize_Progress(device);
    // An NVMe drive without a sanitize crypto erase was erased by Format NVM: say which.
    int method = OSKN_ERASE_METHOD_NONE;
    if (get_Crypto_Erase_Method(device, &method) == 0 && method != OSKN_ERASE_METHOD_SANITIZE)
        log()->kestrova_Log_Info(QString("Test information: Erasecrypto::execute() - erased by Format NVM, ")
                                       + (method == OSKN_ERASE_METHOD_FORMAT_CRYPTO ? "cryptographic erase"
                                                                                    : "user data erase")
                                       + " for S/N: " + sn);
    get_library_information(OSKN_SUCCESS);
    emit changePercent(100);
    if (read_Back(verifier, false) != TestStatus::Pass)
        return fail("Warning: Erasecrypto::execute() - returned:FAILURE for S/N: " + sn);
    return pass("Test information: Erasecrypto::execute() - returned:SUCCESS for S/N: " + sn);
}
