// Sanitize: the drive's own overwrite, block erase and crypto erase (ATA SANITIZE DEVICE through
// pass-through; SCSI SANITIZE for other drives), its progress, and the features it offers.
#include <algorithm>
#include <cstdio>

#include "core/clock.h"
#include "core/nvme.h"
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

// The Sanitize Status log of an NVMe drive. A completion recorded for another sanitize than the
// one this library started is not its completion.
int read_Nvme_Status(Drive& drive, SanitizeStatus& status, nvme::SanitizeState* raw = nullptr)
{
    alignas(kTransferAlignment) uint8_t page[sizeof(nvme::SanitizeStatusLog)] = {};
    const int rc = nvme_Read_Log(drive, NVME_LOG_LID_SANITIZE, page, sizeof page);
    if (rc != OSKN_SUCCESS)
        return rc;
    const nvme::SanitizeState s = nvme::decode_Sanitize_Log(page);
    if (raw)
        *raw = s;
    uint32_t expected;
    {
        std::lock_guard<std::mutex> guard(drive.state->jobMutex);
        expected = drive.state->nvmeSanitizeCommand;
    }
    status.running = s.status == NVME_SANITIZE_SSTAT_STATUS_IN_PROGESS;
    status.failed = s.status == NVME_SANITIZE_SSTAT_STATUS_COMPLETED_FAILED;
    status.completed = (s.status == NVME_SANITIZE_SSTAT_STATUS_COMPLETE_SUCCESS ||
                        s.status == NVME_SANITIZE_SSTAT_STATUS_ND_COMPLETE_SUCCESS) &&
                       (expected == 0 || (s.command & 0x07) == (expected & 0x07));
    status.percent = status.running ? double(s.progress) * 100.0 / 65536.0 : (status.completed ? 100.0 : 0.0);
    return OSKN_SUCCESS;
}

// SANITIZE STATUS EXT (ATA) or REQUEST SENSE (SCSI: NOT READY 04h/1Bh while it runs).
int read_Status(_tDevice* device, Drive& drive, SanitizeStatus& status, bool clearFailure = false)
{
    if (is_Nvme(device))
        return read_Nvme_Status(drive, status);
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

// What an NVMe controller offers to erase itself with.
struct NvmeOffer {
    bool crypto = false, blockErase = false, overwrite = false; // SANICAP
    bool format = false, formatCrypto = false;                  // OACS bit 1, FNA bit 2
};

int nvme_Offer(_tDevice* device, Drive& drive, NvmeOffer& offer)
{
    if (!nvme_Identified(device))
        return OSKN_FAILURE;
    nvme::ControllerInfo c;
    const int rc = nvme_Identify_Controller(drive, c);
    if (rc != OSKN_SUCCESS)
        return rc;
    offer.crypto = c.sanicap & NVME_CTRL_SANICAP_CES;
    offer.blockErase = c.sanicap & NVME_CTRL_SANICAP_BES;
    offer.overwrite = c.sanicap & NVME_CTRL_SANICAP_OWS;
    offer.format = c.oacs & NVME_CTRL_OACS_FORMAT;
    offer.formatCrypto = offer.format && (c.fna & NVME_CTRL_FNA_CRYPTO_ERASE);
    return OSKN_SUCCESS;
}

// Format NVM into the format in use, with a cryptographic erase where FNA offers one, else a
// user-data erase. The drive does the work inside the command.
int nvme_Format_Erase(_tDevice* device, Drive& drive, bool crypto)
{
    TransferBuffer data(nvme::IdentifyBytes);
    NvmeCommand identify = nvme::identify_Command(NVME_IDENTIFY_CNS_NS, record::nsid(device), data.data());
    int rc = nvme_Command(drive, identify);
    if (rc != OSKN_SUCCESS)
        return rc;
    const nvme::NamespaceInfo ns = nvme::decode_Identify_Namespace(data.data());
    if (!ns.valid)
        return OSKN_FAILURE;
    const uint8_t ses = crypto ? NVME_FORMAT_SES_CRYPTO_ERASE : NVME_FORMAT_SES_USER_DATA_ERASE;
    NvmeCommand format = nvme::format_Command(record::nsid(device), ns.formatInUse, ses);
    rc = nvme_Command(drive, format);
    if (rc == OSKN_SUCCESS) {
        std::lock_guard<std::mutex> guard(drive.state->jobMutex);
        drive.state->cryptoEraseMethod = crypto ? OSKN_ERASE_METHOD_FORMAT_CRYPTO : OSKN_ERASE_METHOD_FORMAT_USER_DATA;
    }
    return cannot_If_Unsupported(rc);
}

// Polls until the sanitize ends; OSKN_TIMEOUT once its progress stood still longer than
// stallSeconds (the drive goes on, and will be found running by the next start).
int wait_For_Sanitize(_tDevice* device, Drive& drive, uint64_t stallSeconds)
{
    SanitizeStatus status;
    const uint64_t stallLimit = stallSeconds * 1000000000ull;
    uint64_t lastMove = now_Nanoseconds();
    double lastPercent = -1;
    int rc;
    do {
        sleep_Milliseconds(1000);
        rc = read_Status(device, drive, status);
        if (rc == OSKN_SUCCESS && status.running) {
            if (status.percent != lastPercent) {
                lastPercent = status.percent;
                lastMove = now_Nanoseconds();
            } else if (now_Nanoseconds() - lastMove > stallLimit) {
                return OSKN_TIMEOUT;
            }
        }
    } while (rc == OSKN_SUCCESS && status.running);
    if (rc != OSKN_SUCCESS)
        return rc;
    return status.completed ? OSKN_SUCCESS : OSKN_FAILURE;
}

int nvme_Sanitize(_tDevice* device, Drive& drive, int operation, bool waitForCompletion)
{
    if (operation == OSKN_SANITIZE_EXIT_FAILURE_MODE) {
        // Restricted failure mode: the drive refuses this, and only a new sanitize clears it.
        NvmeCommand exit = nvme::sanitize_Command(NVME_SANITIZE_SANACT_EXIT_FAILURE, 0);
        return cannot_If_Unsupported(nvme_Command(drive, exit));
    }
    if (operation < OSKN_SANITIZE_CRYPTO_ERASE || operation > OSKN_SANITIZE_BLOCK_ERASE)
        return OSKN_BAD_PARAMETER;
    NvmeOffer offer;
    int rc = nvme_Offer(device, drive, offer);
    if (rc != OSKN_SUCCESS)
        return rc;
    {
        // What an earlier drive at this path did is not this erase's result.
        std::lock_guard<std::mutex> guard(drive.state->jobMutex);
        drive.state->nvmeSanitizeCommand = 0;
        if (operation == OSKN_SANITIZE_CRYPTO_ERASE)
            drive.state->cryptoEraseMethod = OSKN_ERASE_METHOD_NONE;
    }
    SanitizeStatus status;
    nvme::SanitizeState raw;
    rc = read_Nvme_Status(drive, status, &raw);
    if (rc == OSKN_SUCCESS && status.running)
        return OSKN_IN_PROGRESS; // found running: followed whatever it is
    uint8_t action = 0;
    size_t estimate = 0;
    switch (operation) {
    case OSKN_SANITIZE_CRYPTO_ERASE:
        if (!offer.crypto)
            return offer.format ? nvme_Format_Erase(device, drive, offer.formatCrypto) : OSKN_CANNOT_PERFORM;
        action = NVME_SANITIZE_SANACT_START_CRYPTO_ERASE;
        estimate = 2;
        break;
    case OSKN_SANITIZE_OVERWRITE:
        if (!offer.overwrite)
            return OSKN_CANNOT_PERFORM;
        action = NVME_SANITIZE_SANACT_START_OVERWRITE;
        estimate = 0;
        break;
    default:
        if (!offer.blockErase)
            return OSKN_CANNOT_PERFORM;
        action = NVME_SANITIZE_SANACT_START_BLOCK_ERASE;
        estimate = 1;
        break;
    }
    NvmeCommand start = nvme::sanitize_Command(action, 0);
    rc = nvme_Command(drive, start);
    if (rc != OSKN_SUCCESS)
        return cannot_If_Unsupported(rc);
    {
        std::lock_guard<std::mutex> guard(drive.state->jobMutex);
        drive.state->nvmeSanitizeCommand = start.cdw10;
        if (operation == OSKN_SANITIZE_CRYPTO_ERASE)
            drive.state->cryptoEraseMethod = OSKN_ERASE_METHOD_SANITIZE;
    }
    if (!waitForCompletion)
        return OSKN_SUCCESS;
    // The drive's own estimate bounds a wait without progress; a generous one where it gives none.
    uint64_t stall = operation == OSKN_SANITIZE_CRYPTO_ERASE ? kCryptoEraseSeconds : kStallSeconds;
    const uint32_t given = raw.estimateSeconds[estimate];
    if (rc == OSKN_SUCCESS && given != 0 && given != UINT32_MAX)
        stall = std::max<uint64_t>(given, 60);
    return wait_For_Sanitize(device, drive, stall);
}

} // namespace

extern "C" {

int get_Sanitize_Device_Features(_tDevice* device, sanitizeFeaturesSupported* features)
{
    if (is_Nvme(device)) {
        const CallTarget call = begin_Call(device, features);
        if (call.refusal)
            return call.refusal;
        NvmeOffer offer;
        const int rc = nvme_Offer(device, *call.drive, offer);
        if (rc != OSKN_SUCCESS)
            return rc;
        features->crypto = offer.crypto || offer.format;
        features->overwrite = offer.overwrite;
        features->blockErase = offer.blockErase;
        features->sanitizeSupported = offer.crypto || offer.overwrite || offer.blockErase;
        features->exitFailureMode = features->sanitizeSupported;
        return OSKN_SUCCESS;
    }
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
    if (is_Block(device))
        return OSKN_CANNOT_PERFORM; // a block device takes reads and writes only
    if (is_Nvme(device))
        return nvme_Sanitize(device, *drive, operation, waitForCompletion);
    SanitizeStatus status;
    if (operation == OSKN_SANITIZE_EXIT_FAILURE_MODE) {
        if (is_Ata(device))
            return cannot_If_Unsupported(read_Status(device, *drive, status, true));
        return cannot_If_Unsupported(
            scsi_Command(*drive, cdb::sanitize(false, false, 0x1F, 0), DataDirection::None, nullptr, 0));
    }
    if (operation < OSKN_SANITIZE_CRYPTO_ERASE || operation > OSKN_SANITIZE_BLOCK_ERASE)
        return OSKN_BAD_PARAMETER;
    if (operation == OSKN_SANITIZE_CRYPTO_ERASE) {
        std::lock_guard<std::mutex> guard(drive->state->jobMutex);
        drive->state->cryptoEraseMethod = OSKN_ERASE_METHOD_NONE;
    }
    if (read_Status(device, *drive, status) == OSKN_SUCCESS && status.running)
        return OSKN_IN_PROGRESS;
    int rc = is_Ata(device) ? start_Ata(*drive, operation) : start_Scsi(*drive, operation);
    if (rc != OSKN_SUCCESS)
        return cannot_If_Unsupported(rc);
    if (operation == OSKN_SANITIZE_CRYPTO_ERASE) {
        std::lock_guard<std::mutex> guard(drive->state->jobMutex);
        drive->state->cryptoEraseMethod = OSKN_ERASE_METHOD_SANITIZE;
    }
    if (!waitForCompletion)
        return OSKN_SUCCESS;
    // The drive works alone; poll without holding its lock. These drives give no estimate of a
    // sanitize's time, so the wait ends when the progress has stood still far longer than any
    // sanitize pauses: a crypto erase only changes a key and moves no progress at all.
    return wait_For_Sanitize(device, *drive,
                             operation == OSKN_SANITIZE_CRYPTO_ERASE ? kCryptoEraseSeconds : kStallSeconds);
}

int get_Crypto_Erase_Method(_tDevice* device, int* method)
{
    const CallTarget call = begin_Call(device, method);
    if (call.refusal)
        return call.refusal;
    std::lock_guard<std::mutex> guard(call.drive->state->jobMutex);
    *method = call.drive->state->cryptoEraseMethod;
    return OSKN_SUCCESS;
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

int get_Sanitize_Status_Report(_tDevice* device, sanitizeStatusReport* report)
{
    const CallTarget call = begin_Call(device, report);
    if (call.refusal)
        return call.refusal;
    *report = sanitizeStatusReport{};
    SanitizeStatus status;
    nvme::SanitizeState raw;
    const bool nvme = is_Nvme(device);
    const int rc = nvme ? read_Nvme_Status(*call.drive, status, &raw) : read_Status(device, *call.drive, status);
    if (rc != OSKN_SUCCESS)
        return rc;
    report->state = status.running  ? OSKN_SANITIZE_STATE_IN_PROGRESS
                    : status.failed ? OSKN_SANITIZE_STATE_FAILED
                                    : OSKN_SANITIZE_STATE_IDLE;
    report->percent = status.percent;
    if (!nvme)
        return OSKN_SUCCESS;
    report->nvme = 1;
    report->status = raw.sstat;
    report->progress = raw.progress;
    report->command = raw.command;
    // The estimate of the action the most recent sanitize ran (SANACT); none given is all ones.
    const uint8_t action = raw.command & 0x07;
    const int index = action == NVME_SANITIZE_SANACT_START_OVERWRITE      ? 0
                      : action == NVME_SANITIZE_SANACT_START_BLOCK_ERASE  ? 1
                      : action == NVME_SANITIZE_SANACT_START_CRYPTO_ERASE ? 2
                                                                          : -1;
    if (index >= 0 && raw.estimateSeconds[index] != UINT32_MAX)
        report->estimateSeconds = raw.estimateSeconds[index];
    return OSKN_SUCCESS;
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
