// Sanitize: the drive's own overwrite, block erase and crypto erase (ATA SANITIZE DEVICE through
// pass-through; SCSI SANITIZE for other drives), its progress, and the features it offers.
#include <cstdio>

#include "core/clock.h"
#include "ops_common.h"
#include "transferbuffer.h"

using namespace oskn;

namespace {

// How long a waited-for sanitize may show no progress before the wait gives up, in seconds.
constexpr uint64_t kCryptoEraseSeconds = 10 * 60;
constexpr uint64_t kStallSeconds = 60 * 60;

struct SanitizeStatus {
    bool running = false;
    bool completed = false; // the last sanitize ended without error
    bool failed = false;    // the drive reports that the last sanitize failed
    double percent = 0.0;
};

// What SANITIZE STATUS EXT answered: rc and its registers.
SanitizeStatus parse_Sanitize_Status(int& rc, const AtaResult& result)
{
    SanitizeStatus status;
    if (rc == OSKN_NOT_SUPPORTED && result.valid && (result.lba & 0xFF) == ata::SanitizeUnsuccessful) {
        status.failed = true;
        rc = OSKN_SUCCESS;
        return status;
    }
    status.running = result.count & ata::SanitizeInProgress;
    status.completed = result.count & ata::SanitizeCompleted;
    status.percent = status.running ? double(result.lba & 0xFFFF) * 100.0 / 65536.0 : (status.completed ? 100.0 : 0.0);
    return status;
}

// What REQUEST SENSE answered: NOT READY 04h/1Bh while a sanitize runs.
SanitizeStatus parse_Sanitize_Status(const SenseData& s)
{
    SanitizeStatus status;
    status.running = s.key == sensekey::NotReady && has(s, asc::SanitizeInProgress);
    status.failed = has(s, asc::SanitizeFailed);
    status.completed = !status.running && !status.failed;
    status.percent = status.running ? (s.progressValid ? s.progress * 100.0 / 65536.0 : 0.0) : 100.0;
    return status;
}

// SANITIZE STATUS EXT (ATA) or REQUEST SENSE (SCSI).
int read_Status(_tDevice* device, Drive& drive, SanitizeStatus& status, bool clearFailure = false)
{
    if (is_Ata(device)) {
        AtaResult result;
        int rc = ata_Command(drive, ata_Sanitize_Status_Command(clearFailure), nullptr, 0, TimeoutDefault, &result);
        const SanitizeStatus parsed = parse_Sanitize_Status(rc, result);
        if (rc == OSKN_SUCCESS)
            status = parsed;
        return rc;
    }
    alignas(kTransferAlignment) uint8_t sense[252] = {};
    const int rc = scsi_Command(drive, cdb::request_Sense(sizeof sense, false), DataDirection::In,
                                sense, sizeof sense);
    if (rc != OSKN_SUCCESS)
        return rc;
    status = parse_Sanitize_Status(parse_Sense(sense, sizeof sense));
    return OSKN_SUCCESS;
}

int start_Ata(Drive& drive, int operation)
{
    switch (operation) {
    case OSKN_SANITIZE_CRYPTO_ERASE:
        return ata_Command(drive, ata_Sanitize_Crypto_Scramble_Command(), nullptr, 0, TimeoutLong);
    case OSKN_SANITIZE_BLOCK_ERASE:
        return ata_Command(drive, ata_Sanitize_Block_Erase_Command(), nullptr, 0, TimeoutLong);
    case OSKN_SANITIZE_OVERWRITE:
        return ata_Command(drive, ata_Sanitize_Overwrite_Command(0, 1), nullptr, 0, TimeoutLong); // zeros, once
    default:
        return OSKN_BAD_PARAMETER;
    }
}

int start_Scsi(Drive& drive, int operation)
{
    alignas(kTransferAlignment) uint8_t parameters[8] = {0x01, 0x00, 0x00, 0x04, 0, 0, 0, 0}; // one pass, 4-byte zero pattern
    switch (operation) {
    case OSKN_SANITIZE_CRYPTO_ERASE:
        return scsi_Command(drive, cdb::sanitize(true, false, 0x03, 0), DataDirection::None, nullptr, 0);
    case OSKN_SANITIZE_BLOCK_ERASE:
        return scsi_Command(drive, cdb::sanitize(true, false, 0x02, 0), DataDirection::None, nullptr, 0);
    case OSKN_SANITIZE_OVERWRITE:
        return scsi_Command(drive, cdb::sanitize(true, false, 0x01, sizeof parameters),
                            DataDirection::Out, parameters, sizeof parameters);
    default:
        return OSKN_BAD_PARAMETER;
    }
}

} // namespace

extern "C" {

int get_Sanitize_Device_Features(_tDevice* device, sanitizeFeaturesSupported* features)
{
    // SCSI drives do not say in advance.
    if (const int refusal = begin_Call(device, features, OSKN_NOT_SUPPORTED).refusal)
        return refusal;
    alignas(kTransferAlignment) uint8_t identify[512] = {};
    const int rc = ata_Identify(device, identify, sizeof identify);
    if (rc != OSKN_SUCCESS)
        return rc;
    features->sanitizeSupported = identify::sanitize(identify) ? 1 : 0;
    features->crypto = identify::sanitize_Crypto_Scramble(identify) ? 1 : 0;
    features->overwrite = identify::sanitize_Overwrite(identify) ? 1 : 0;
    features->blockErase = identify::sanitize_Block_Erase(identify) ? 1 : 0;
    features->exitFailureMode = features->sanitizeSupported;
    return OSKN_SUCCESS;
}

int run_Sanitize_Operation(_tDevice* device, int operation, bool waitForCompletion)
{
    const CallTarget call = begin_Call(device);
    if (call.refusal)
        return call.refusal;
    const std::shared_ptr<Drive>& drive = call.drive;
    if (takes_No_Scsi(device))
        return OSKN_CANNOT_PERFORM; // NVMe sanitize is not offered through this call yet
    SanitizeStatus status;
    if (operation == OSKN_SANITIZE_EXIT_FAILURE_MODE) {
        if (is_Ata(device))
            return cannot_If_Unsupported(read_Status(device, *drive, status, true));
        return cannot_If_Unsupported(
            scsi_Command(*drive, cdb::sanitize(false, false, 0x1F, 0), DataDirection::None, nullptr, 0));
    }
    if (operation < OSKN_SANITIZE_CRYPTO_ERASE || operation > OSKN_SANITIZE_BLOCK_ERASE)
        return OSKN_BAD_PARAMETER;
    if (read_Status(device, *drive, status) == OSKN_SUCCESS && status.running)
        return OSKN_IN_PROGRESS;
    int rc = is_Ata(device) ? start_Ata(*drive, operation) : start_Scsi(*drive, operation);
    if (rc != OSKN_SUCCESS)
        return cannot_If_Unsupported(rc);
    if (!waitForCompletion)
        return OSKN_SUCCESS;
    // The drive works alone; poll without holding its lock. Drives give no estimate of a
    // sanitize's time, so the wait ends when the progress has stood still far longer than any
    // sanitize pauses: a crypto erase only changes a key and moves no progress at all.
    const uint64_t stallLimit = (operation == OSKN_SANITIZE_CRYPTO_ERASE ? kCryptoEraseSeconds : kStallSeconds) *
                                1000000000ull;
    uint64_t lastMove = now_Nanoseconds();
    double lastPercent = -1;
    do {
        sleep_Milliseconds(1000);
        rc = read_Status(device, *drive, status);
        if (rc == OSKN_SUCCESS && status.running) {
            if (status.percent != lastPercent) {
                lastPercent = status.percent;
                lastMove = now_Nanoseconds();
            } else if (now_Nanoseconds() - lastMove > stallLimit) {
                // The drive goes on, and will be found running by the next start.
                return OSKN_TIMEOUT;
            }
        }
    } while (rc == OSKN_SUCCESS && status.running);
    if (rc != OSKN_SUCCESS)
        return rc;
    return status.completed ? OSKN_SUCCESS : OSKN_FAILURE;
}

int get_Sanitize_Progress(_tDevice* device, double* percent, uint32_t* state)
{
    const CallTarget call = begin_Call(device, percent && state);
    if (call.refusal)
        return call.refusal;
    SanitizeStatus status;
    const int rc = read_Status(device, *call.drive, status);
    *percent = rc == OSKN_SUCCESS ? status.percent : 0.0;
    *state = rc != OSKN_SUCCESS ? OSKN_SANITIZE_STATE_IDLE
             : status.running   ? OSKN_SANITIZE_STATE_IN_PROGRESS
             : status.failed    ? OSKN_SANITIZE_STATE_FAILED
                                : OSKN_SANITIZE_STATE_IDLE;
    return rc;
}

int show_Sanitize_Progress(_tDevice* device)
{
    double percent = 0.0;
    uint32_t state = OSKN_SANITIZE_STATE_IDLE;
    int rc;
    while ((rc = get_Sanitize_Progress(device, &percent, &state)) == OSKN_SUCCESS) {
        std::printf("Sanitize progress: %.2f%%\n", percent);
        std::fflush(stdout);
        if (state != OSKN_SANITIZE_STATE_IN_PROGRESS)
            break;
        sleep_Milliseconds(5000);
    }
    return rc;
}

} // extern "C"
