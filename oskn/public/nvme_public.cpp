// libOsknPublic's NVMe calls: identity, formats, erase methods, health and the self-test log.
#include <algorithm>
#include <cstring>

#include "core/bytes.h"
#include "core/registry.h"
#include "core/nvme.h"
#include "oskn_nvme.h"
#include "transferbuffer.h"

using namespace oskn;

namespace {

void decode_Health(const nvme::HealthLog& log, nvmeHealthInformation& h)
{
    std::memset(&h, 0, sizeof h);
    h.criticalWarning = log.critical_warning;
    h.availableSpare = log.avail_spare;
    h.availableSpareThreshold = log.spare_thresh;
    h.percentageUsed = log.percent_used;
    h.compositeTemperatureKelvin = get_Le16(log.temperature);
    h.compositeTemperatureCelsius = int16_t(int(h.compositeTemperatureKelvin) - 273);
    h.dataUnitsRead = nvme::counter_128(log.data_units_read);
    h.dataUnitsWritten = nvme::counter_128(log.data_units_written);
    h.hostReadCommands = nvme::counter_128(log.host_reads);
    h.hostWriteCommands = nvme::counter_128(log.host_writes);
    h.powerCycles = nvme::counter_128(log.power_cycles);
    h.powerOnHours = nvme::counter_128(log.power_on_hours);
    h.unsafeShutdowns = nvme::counter_128(log.unsafe_shutdowns);
    h.mediaErrors = nvme::counter_128(log.media_errors);
    h.errorLogEntries = nvme::counter_128(log.num_err_log_entries);
}

int read_Health(Drive& drive, nvmeHealthInformation& health)
{
    alignas(kTransferAlignment) nvme::HealthLog log;
    std::memset(&log, 0, sizeof log);
    const int rc = nvme_Read_Log(drive, NVME_LOG_LID_SMART, reinterpret_cast<uint8_t*>(&log), sizeof log);
    if (rc == OSKN_SUCCESS)
        decode_Health(log, health);
    return rc;
}

} // namespace

extern "C" {

int nvme_Get_Health(_tDevice* device, nvmeHealthInformation* health)
{
    const CallTarget call = begin_Call(device, health);
    if (call.refusal)
        return call.refusal;
    if (!is_Nvme(device))
        return OSKN_NOT_SUPPORTED;
    if (!nvme_Identified(device))
        return OSKN_FAILURE;
    return read_Health(*call.drive, *health);
}

int get_NVMe_Information(_tDevice* device, nvmeDriveInformation* information)
{
    const CallTarget call = begin_Call(device, information);
    if (call.refusal)
        return call.refusal;
    if (!is_Nvme(device))
        return OSKN_NOT_SUPPORTED;
    Drive& drive = *call.drive;
    nvmeDriveInformation& info = *information;
    std::memset(&info, 0, sizeof info);

    TransferBuffer data(nvme::IdentifyBytes);
    NvmeCommand controller = nvme::identify_Command(NVME_IDENTIFY_CNS_CTRL, 0, data.data());
    int rc = nvme_Command(drive, controller);
    if (rc != OSKN_SUCCESS)
        return rc;
    const nvme::ControllerInfo ctrl = nvme::decode_Identify_Controller(data.data());
    if (!ctrl.valid)
        return OSKN_FAILURE;
    info.version = ctrl.version;
    info.selfTestSupported = (ctrl.oacs & NVME_CTRL_OACS_SELF_TEST) ? 1 : 0;
    nvmeEraseMethods& erase = info.erase;
    erase.sanitizeBlockErase = (ctrl.sanicap & NVME_CTRL_SANICAP_BES) ? 1 : 0;
    erase.sanitizeCryptoErase = (ctrl.sanicap & NVME_CTRL_SANICAP_CES) ? 1 : 0;
    erase.sanitizeOverwrite = (ctrl.sanicap & NVME_CTRL_SANICAP_OWS) ? 1 : 0;
    erase.formatUserData = (ctrl.oacs & NVME_CTRL_OACS_FORMAT) ? 1 : 0;
    erase.formatCryptoErase = erase.formatUserData && (ctrl.fna & NVME_CTRL_FNA_CRYPTO_ERASE) ? 1 : 0;
    erase.writeZeroes = (ctrl.oncs & NVME_CTRL_ONCS_WRITE_ZEROES) ? 1 : 0;
    erase.securitySendReceive = (ctrl.oacs & NVME_CTRL_OACS_SECURITY) ? 1 : 0;

    const uint32_t nsid = record::nsid(device);
    if (nsid == 0)
        return OSKN_FAILURE;
    data.resize(nvme::IdentifyBytes);
    NvmeCommand ns = nvme::identify_Command(NVME_IDENTIFY_CNS_NS, nsid, data.data());
    rc = nvme_Command(drive, ns);
    if (rc != OSKN_SUCCESS)
        return rc;
    const nvme::NamespaceInfo space = nvme::decode_Identify_Namespace(data.data());
    if (!space.valid)
        return OSKN_FAILURE;
    info.namespaceId = nsid;
    info.namespaceSize = space.size;
    info.namespaceCapacity = space.capacity;
    info.namespaceUtilization = space.utilization;
    info.lbaFormatCount = uint8_t(std::min<size_t>(space.formats.size(), OSKN_NVME_MAX_LBA_FORMATS));
    info.lbaFormatInUse = space.formatInUse;
    for (size_t i = 0; i < info.lbaFormatCount; ++i) {
        info.lbaFormats[i].dataSize = space.formats[i].dataSize;
        info.lbaFormats[i].metadataSize = space.formats[i].metadataSize;
        info.lbaFormats[i].relativePerformance = space.formats[i].relativePerformance;
        info.lbaFormats[i].inUse = i == space.formatInUse ? 1 : 0;
    }
    info.healthValid = read_Health(drive, info.health) == OSKN_SUCCESS ? 1 : 0;
    return OSKN_SUCCESS;
}

int nvme_Get_Self_Test_Log(_tDevice* device, nvmeSelfTestLog* log)
{
    const CallTarget call = begin_Call(device, log);
    if (call.refusal)
        return call.refusal;
    if (!is_Nvme(device))
        return OSKN_NOT_SUPPORTED;
    if (!nvme_Identified(device))
        return OSKN_FAILURE;
    alignas(kTransferAlignment) uint8_t data[sizeof(nvme::SelfTestLog)] = {};
    const int rc = nvme_Read_Log(*call.drive, NVME_LOG_LID_DEVICE_SELF_TEST, data, sizeof(nvme::SelfTestLog));
    if (rc != OSKN_SUCCESS)
        return rc;
    nvme::SelfTestLog raw;
    std::memcpy(&raw, data, sizeof raw);
    std::memset(log, 0, sizeof *log);
    log->currentOperation = raw.current_operation & NVME_ST_CURR_OP_MASK;
    log->completionPercent = std::min(raw.completion & NVME_ST_CURR_OP_CMPL_MASK, 100);
    for (const nvme::SelfTestResult& r : raw.result) {
        const nvme::SelfTestEntry e = nvme::decode_Self_Test_Entry(r);
        if (!e.used)
            break; // the entries are newest first; an unused one ends them
        nvmeSelfTestResult& out = log->results[log->resultCount++];
        out.code = e.code;
        out.result = e.result;
        out.segment = e.segment;
        out.failingLbaValid = e.lbaValid ? 1 : 0;
        out.failingLba = e.lba;
        out.namespaceIdValid = e.nsidValid ? 1 : 0;
        out.namespaceId = e.nsid;
        out.powerOnHours = e.powerOnHours;
    }
    return OSKN_SUCCESS;
}

} // extern "C"
