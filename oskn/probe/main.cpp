// oskn-probe: what the device-access library sees.
//   oskn-probe            every drive: type, interface, identity, geometry, maker's verdict
//   oskn-probe <index>    that drive in detail: IDENTIFY words, SMART attributes, health and
//                         the self-test log; for an NVMe drive its version, LBA formats, erase
//                         methods, health log and self-test log
// Exit status 0 only when every library call worked.
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/registry.h"
#include "oskn_nvme.h"
#include "oskn_operations.h"
#include "oskn_public.h"

namespace {

const char* drive_Type_Name(uint32_t type)
{
    switch (type) {
    case OSKN_DRIVE_ATA: return "ATA";
    case OSKN_DRIVE_SCSI: return "SCSI";
    case OSKN_DRIVE_NVME: return "NVMe";
    case OSKN_DRIVE_NOT_A_DISK: return "not a disk";
    case OSKN_DRIVE_BLOCK: return "block device";
    default: return "unknown";
    }
}

const char* interface_Name(uint32_t type)
{
    switch (type) {
    case OSKN_INTERFACE_ATA: return "ATA";
    case OSKN_INTERFACE_SCSI: return "SCSI";
    case OSKN_INTERFACE_SAS: return "SAS";
    case OSKN_INTERFACE_NVME: return "NVMe";
    case OSKN_INTERFACE_USB: return "USB";
    case OSKN_INTERFACE_RAID: return "RAID";
    case OSKN_INTERFACE_VIRTUAL: return "virtual";
    case OSKN_INTERFACE_MMC: return "card reader";
    default: return "unknown";
    }
}

const char* attribute_Name(uint8_t id)
{
    switch (id) {
    case 1: return "read error rate";
    case 3: return "spin-up time";
    case 4: return "start/stop count";
    case 5: return "reallocated sectors";
    case 7: return "seek error rate";
    case 9: return "power-on hours";
    case 10: return "spin retries";
    case 12: return "power cycles";
    case 184: return "end-to-end errors";
    case 187: return "reported uncorrectable";
    case 188: return "command timeouts";
    case 190: return "airflow temperature";
    case 192: return "emergency retracts";
    case 193: return "load/unload cycles";
    case 194: return "temperature";
    case 196: return "reallocation events";
    case 197: return "pending sectors";
    case 198: return "offline uncorrectable";
    case 199: return "interface CRC errors";
    case 241: return "LBAs written";
    case 242: return "LBAs read";
    default: return "";
    }
}

const char* self_Test_Status(uint8_t status)
{
    switch (status >> 4) {
    case 0x0: return "completed without error";
    case 0x1: return "aborted by the host";
    case 0x2: return "interrupted by a reset";
    case 0x3: return "fatal error";
    case 0x4: return "failed: unknown element";
    case 0x5: return "failed: electrical element";
    case 0x6: return "failed: servo/seek element";
    case 0x7: return "failed: read element";
    case 0x8: return "failed: handling damage";
    case 0xF: return "in progress";
    default: return "reserved";
    }
}

bool report(const char* what, int rc)
{
    if (rc != OSKN_SUCCESS)
        std::printf("  %s failed: return code %d\n", what, rc);
    return rc == OSKN_SUCCESS;
}

std::string field(const char* text, size_t length) { return std::string(text, strnlen(text, length)); }

const char* nvme_Self_Test_Result(uint8_t result)
{
    switch (result) {
    case 0x0: return "completed without error";
    case 0x1: return "aborted by a self-test command";
    case 0x2: return "aborted by a controller reset";
    case 0x3: return "aborted: namespace removed";
    case 0x4: return "aborted by a format";
    case 0x5: return "fatal error";
    case 0x6: return "failed: unknown segment";
    case 0x7: return "failed: segment";
    case 0x8: return "aborted: unknown reason";
    case 0x9: return "aborted by a sanitize";
    default: return "reserved";
    }
}

bool nvme_Detail(_tDevice* device)
{
    bool ok = true;
    nvmeDriveInformation info = {};
    if (report("NVMe identify", get_NVMe_Information(device, &info))) {
        std::printf("NVMe version: %u.%u.%u\n", info.version >> 16, (info.version >> 8) & 0xFF, info.version & 0xFF);
        std::printf("Namespace %u: %" PRIu64 " blocks, capacity %" PRIu64 ", in use %" PRIu64 "\n", info.namespaceId,
                    info.namespaceSize, info.namespaceCapacity, info.namespaceUtilization);
        std::printf("LBA formats:\n");
        for (unsigned i = 0; i < info.lbaFormatCount; ++i)
            std::printf("  %2u: %5u bytes, metadata %u, performance %u%s\n", i, info.lbaFormats[i].dataSize,
                        info.lbaFormats[i].metadataSize, info.lbaFormats[i].relativePerformance,
                        info.lbaFormats[i].inUse ? "  (in use)" : "");
        const nvmeEraseMethods& e = info.erase;
        std::printf("Erase methods: sanitize block %u, crypto %u, overwrite %u; format user data %u, crypto %u; "
                    "write zeroes %u; security send/receive %u\n",
                    e.sanitizeBlockErase, e.sanitizeCryptoErase, e.sanitizeOverwrite, e.formatUserData,
                    e.formatCryptoErase, e.writeZeroes, e.securitySendReceive);
        std::printf("Self-test: %s\n", info.selfTestSupported ? "supported" : "not supported");
        if (info.healthValid) {
            const nvmeHealthInformation& h = info.health;
            std::printf("Health log:\n  critical warning 0x%02x\n  temperature %d C (%u K)\n"
                        "  available spare %u%%, threshold %u%%\n  percentage used %u%%\n"
                        "  data units read %" PRIu64 ", written %" PRIu64 "\n  power cycles %" PRIu64
                        "\n  power-on hours %" PRIu64 "\n  unsafe shutdowns %" PRIu64 "\n  media errors %" PRIu64
                        "\n  error log entries %" PRIu64 "\n",
                        h.criticalWarning, h.compositeTemperatureCelsius, h.compositeTemperatureKelvin,
                        h.availableSpare, h.availableSpareThreshold, h.percentageUsed, h.dataUnitsRead,
                        h.dataUnitsWritten, h.powerCycles, h.powerOnHours, h.unsafeShutdowns, h.mediaErrors,
                        h.errorLogEntries);
        } else {
            std::printf("  health log failed\n");
            ok = false;
        }
    } else {
        ok = false;
    }
    const int health = run_SMART_Check(device);
    std::printf("Health: %s (return code %d)\n",
                health == OSKN_SUCCESS ? "PASSED" : health == OSKN_FAILURE ? "FAILING" : "unknown", health);
    ok = ok && (health == OSKN_SUCCESS || health == OSKN_FAILURE);

    nvmeSelfTestLog log = {};
    if (report("NVMe self-test log", nvme_Get_Self_Test_Log(device, &log))) {
        std::printf("Self-test log (most recent first):");
        if (log.currentOperation)
            std::printf(" test %u running, %u%% done", log.currentOperation, log.completionPercent);
        std::printf("\n");
        for (unsigned n = 0; n < log.resultCount; ++n) {
            const nvmeSelfTestResult& r = log.results[n];
            std::printf("  #%-2u type 0x%x  %-32s at %6" PRIu64 " h", n + 1, r.code, nvme_Self_Test_Result(r.result),
                        r.powerOnHours);
            if (r.failingLbaValid)
                std::printf("  failing LBA %" PRIu64, r.failingLba);
            std::printf("\n");
        }
        if (!log.resultCount)
            std::printf("  (empty)\n");
    } else if (info.selfTestSupported) {
        ok = false;
    }
    return ok;
}

bool detail(_tDevice* device)
{
    if (device->driveType == OSKN_DRIVE_NVME)
        return nvme_Detail(device);
    if (device->driveType == OSKN_DRIVE_BLOCK) {
        std::printf("A block device: reads and writes only, nothing more to ask.\n");
        return true;
    }
    bool ok = true;
    uint8_t identify[512] = {};
    if (report("IDENTIFY DEVICE", ata_Identify(device, identify, sizeof identify))) {
        std::printf("IDENTIFY DEVICE words:\n");
        for (unsigned w = 0; w < 256; w += 8) {
            std::printf("  %3u:", w);
            for (unsigned i = w; i < w + 8; ++i)
                std::printf(" %04x", oskn::identify_Word(identify, i));
            std::printf("\n");
        }
    } else {
        ok = false;
    }

    uint8_t smart[512] = {};
    uint8_t thresholds[512] = {};
    if (report("SMART READ DATA", ata_SMART_Read_Data(device, smart, sizeof smart))) {
        // Thresholds come with the drive's (older) READ THRESHOLDS; without them the column is empty.
        bool haveThresholds = false;
        if (auto drive = oskn::Registry::instance().find(device))
            haveThresholds = oskn::ata_Command(*drive,
                                               oskn::ata_Smart_Command(0xD1, 0, 1, oskn::AtaProtocol::PioDataIn),
                                               thresholds, sizeof thresholds) == OSKN_SUCCESS;
        std::printf("SMART attributes:\n   id  name                      current worst thresh  raw\n");
        for (unsigned i = 0; i < 30; ++i) {
            const uint8_t* a = smart + 2 + 12 * i;
            if (a[0] == 0)
                continue;
            const uint64_t raw = oskn::get_Le64(a + 5) & 0xFFFFFFFFFFFFull; // six bytes
            std::string threshold = "-";
            for (unsigned t = 0; haveThresholds && t < 30; ++t)
                if (thresholds[2 + 12 * t] == a[0])
                    threshold = std::to_string(thresholds[3 + 12 * t]);
            std::printf("  %3u  %-25s %7u %5u %6s  %" PRIu64 "\n", a[0], attribute_Name(a[0]), a[3],
                        a[4], threshold.c_str(), raw);
        }
        std::printf("Self-test execution status: %s, %u%% remaining\n", self_Test_Status(smart[363]),
                    (smart[363] & 0x0F) * 10u);
    } else {
        ok = false;
    }

    const int health = run_SMART_Check(device);
    std::printf("Health: %s (return code %d)\n",
                health == OSKN_SUCCESS ? "PASSED" : health == OSKN_FAILURE ? "FAILING" : "unknown", health);
    ok = ok && (health == OSKN_SUCCESS || health == OSKN_FAILURE);

    uint8_t log[512] = {};
    if (report("SMART self-test log", ata_SMART_Read_Log(device, 6, log, sizeof log))) {
        std::printf("Self-test log (most recent first):\n");
        const unsigned latest = log[508];
        for (unsigned n = 0; n < 21 && latest; ++n) {
            const unsigned index = (latest - 1 + 21 - n) % 21;
            const uint8_t* d = log + 2 + 24 * index;
            if (d[0] == 0 && d[1] == 0 && d[2] == 0 && d[3] == 0)
                continue;
            const unsigned hours = oskn::get_Le16(d + 2);
            const uint32_t lba = oskn::get_Le32(d + 5);
            std::printf("  #%-2u type 0x%02x  %-28s at %5u h", n + 1, d[0], self_Test_Status(d[1]), hours);
            if ((d[1] >> 4) >= 3 && (d[1] >> 4) <= 8)
                std::printf("  failing LBA %u", lba);
            std::printf("\n");
        }
        if (!latest)
            std::printf("  (empty)\n");
    } else {
        ok = false;
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    long wanted = -1;
    if (argc > 2 || (argc == 2 && (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0))) {
        std::printf("usage: oskn-probe [index]\n");
        return argc == 2 ? 0 : 2;
    }
    if (argc == 2) {
        char* end = nullptr;
        wanted = std::strtol(argv[1], &end, 10);
        if (!end || *end || wanted < 0) {
            std::fprintf(stderr, "oskn-probe: not a drive index: %s\n", argv[1]);
            return 2;
        }
    }

    uint32_t count = 0;
    int rc = get_Device_Count(&count, OSKN_SCAN_ALL_DRIVES);
    if (rc != OSKN_SUCCESS) {
        std::fprintf(stderr, "oskn-probe: get_Device_Count returned %d\n", rc);
        return 1;
    }
    versionBlock block;
    get_Version_Block(&block);
    std::vector<_tDevice> devices(count);
    if (count)
        std::memset(devices.data(), 0, count * sizeof(_tDevice));
    rc = get_Device_List(devices.data(), uint32_t(count * sizeof(_tDevice)), block, OSKN_SCAN_ALL_DRIVES);
    if (rc != OSKN_SUCCESS) {
        std::fprintf(stderr, "oskn-probe: get_Device_List returned %d\n", rc);
        return 1;
    }
    const bool refused = !oskn::Registry::instance().last_Error().empty(); // already on stderr
    if (wanted >= 0 && uint32_t(wanted) >= count) {
        std::fprintf(stderr, "oskn-probe: no drive %ld (%u found)\n", wanted, count);
        return 1;
    }

    bool ok = true;
    std::printf("%u drive(s)\n", count);
    for (uint32_t i = 0; i < count; ++i) {
        if (wanted >= 0 && uint32_t(wanted) != i)
            continue;
        _tDevice* d = &devices[i];
        std::printf("[%u] %s\n", i, oskn::record::path(d).c_str());
        std::printf("  type:      %u (%s)\n", d->driveType, drive_Type_Name(d->driveType));
        std::printf("  interface: %u (%s)\n", d->interfaceType, interface_Name(d->interfaceType));
        std::printf("  model:     %s\n", field(d->modelNumber, sizeof d->modelNumber).c_str());
        std::printf("  serial:    %s\n", field(d->serialNumber, sizeof d->serialNumber).c_str());
        std::printf("  firmware:  %s\n", field(d->firmwareRevision, sizeof d->firmwareRevision).c_str());
        std::printf("  max LBA:   %" PRIu64 "\n", d->maxLBA);
        std::printf("  sectors:   %u logical, %u physical\n", d->logicalSectorSize, d->physicalSectorSize);
        std::printf("  maker's drive: %s\n", is_Brevane(d, true) ? "yes" : "no");
        if (wanted >= 0)
            ok = detail(d) && ok;
    }
    return ok && !refused ? 0 : 1;
}
