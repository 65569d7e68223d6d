// The description fields of NVMe drives ("interface": "nvme") and block-only drives ("emmc",
// "virtio"): the "nvme" object, and the refusal of what only a SATA drive behind SAT has.
#include <cstdio>

#include <nlohmann/json.hpp>

#include "virtual/virtual_drive.h"

namespace oskn {
namespace vdrive {

namespace {

using nlohmann::json;

struct Refused {
    std::string field, problem;
};

[[noreturn]] void refuse(const std::string& field, const std::string& problem) { throw Refused{field, problem}; }

uint64_t unsigned_Value(const json& v, const std::string& field, uint64_t max = UINT64_MAX)
{
    uint64_t value = 0;
    if (v.is_number_unsigned()) {
        value = v.get<uint64_t>();
    } else if (v.is_string()) {
        const std::string s = v.get<std::string>();
        if (s.size() < 3 || s.size() > 18 || (s.compare(0, 2, "0x") != 0 && s.compare(0, 2, "0X") != 0) ||
            s.find_first_not_of("0123456789abcdefABCDEF", 2) != std::string::npos)
            refuse(field, "expected an unsigned integer or a \"0x\" hexadecimal string");
        value = std::stoull(s.substr(2), nullptr, 16);
    } else {
        refuse(field, "expected an unsigned integer");
    }
    if (value > max)
        refuse(field, "value " + std::to_string(value) + " is above " + std::to_string(max));
    return value;
}

bool bool_Value(const json& v, const std::string& field)
{
    if (!v.is_boolean())
        refuse(field, "expected true or false");
    return v.get<bool>();
}

void known_Keys(const json& object, const std::string& prefix, std::initializer_list<const char*> known)
{
    if (!object.is_object())
        refuse(prefix.empty() ? "nvme" : prefix.substr(0, prefix.size() - 1), "expected an object");
    for (auto it = object.begin(); it != object.end(); ++it) {
        bool found = false;
        for (const char* k : known)
            found = found || it.key() == k;
        if (!found)
            refuse(prefix + (it.key().size() > 48 ? it.key().substr(0, 48) + "..." : it.key()), "unknown field");
    }
}

// Names listed in an array, each one of `names`; the set bits.
uint32_t name_List(const json& v, const std::string& field, std::initializer_list<std::pair<const char*, uint32_t>> names)
{
    if (!v.is_array())
        refuse(field, "expected an array of names");
    uint32_t bits = 0;
    for (size_t i = 0; i < v.size(); ++i) {
        const std::string item = field + "[" + std::to_string(i) + "]";
        if (!v[i].is_string())
            refuse(item, "expected a string");
        bool found = false;
        for (const auto& n : names)
            if (v[i].get<std::string>() == n.first) {
                bits |= n.second;
                found = true;
            }
        if (!found) {
            std::string known;
            for (const auto& n : names)
                known += std::string(known.empty() ? "" : ", ") + n.first;
            refuse(item, "unknown name (" + known + ")");
        }
    }
    return bits;
}

NvmeFault parse_Fault(const json& v, const std::string& p)
{
    known_Keys(v, p + ".", {"adminOpcode", "ioOpcode", "logId", "status", "hang", "shortData", "noWork", "skip", "count"});
    NvmeFault f;
    const bool admin = v.contains("adminOpcode"), io = v.contains("ioOpcode");
    if (admin == io)
        refuse(p + ".adminOpcode", "give exactly one of adminOpcode and ioOpcode");
    f.admin = admin;
    f.opcode = uint8_t(admin ? unsigned_Value(v["adminOpcode"], p + ".adminOpcode", 255)
                             : unsigned_Value(v["ioOpcode"], p + ".ioOpcode", 255));
    if (v.contains("logId")) {
        if (!admin || f.opcode != 0x02)
            refuse(p + ".logId", "only a Get Log Page fault (adminOpcode 0x02) names a log");
        f.logId = int(unsigned_Value(v["logId"], p + ".logId", 255));
    }
    if (v.contains("status")) {
        f.status = uint16_t(unsigned_Value(v["status"], p + ".status", 0x7FFF));
        if ((f.status & 0x7FF) == 0)
            refuse(p + ".status", "a status of 0 is success, not a fault");
    }
    if (v.contains("hang"))
        f.hang = bool_Value(v["hang"], p + ".hang");
    if (v.contains("shortData"))
        f.shortData = bool_Value(v["shortData"], p + ".shortData");
    if (v.contains("noWork"))
        f.noWork = bool_Value(v["noWork"], p + ".noWork");
    if (int(v.contains("status")) + int(f.hang) + int(f.shortData) + int(f.noWork) > 1)
        refuse(p, "give at most one of status, hang, shortData and noWork");
    if (v.contains("skip"))
        f.skip = uint32_t(unsigned_Value(v["skip"], p + ".skip", UINT32_MAX));
    if (v.contains("count"))
        f.count = int64_t(unsigned_Value(v["count"], p + ".count", UINT32_MAX));
    return f;
}

void parse_Health(const json& h, NvmeDescription& n)
{
    known_Keys(h, "nvme.health.",
               {"criticalWarning", "temperatureCelsius", "availableSpare", "availableSpareThreshold", "percentageUsed",
                "dataUnitsRead", "dataUnitsWritten", "powerCycles", "powerOnHours", "unsafeShutdowns", "mediaErrors",
                "errorLogEntries"});
    if (h.contains("criticalWarning"))
        n.criticalWarning = uint8_t(name_List(h["criticalWarning"], "nvme.health.criticalWarning",
                                              {{"spare", 0x01}, {"temperature", 0x02}, {"reliability", 0x04},
                                               {"readOnly", 0x08}, {"volatileBackup", 0x10}, {"pmrReadOnly", 0x20}}));
    if (h.contains("temperatureCelsius"))
        n.temperatureKelvin = uint16_t(273 + unsigned_Value(h["temperatureCelsius"], "nvme.health.temperatureCelsius", 200));
    if (h.contains("availableSpare"))
        n.availableSpare = uint8_t(unsigned_Value(h["availableSpare"], "nvme.health.availableSpare", 100));
    if (h.contains("availableSpareThreshold"))
        n.availableSpareThreshold =
            uint8_t(unsigned_Value(h["availableSpareThreshold"], "nvme.health.availableSpareThreshold", 100));
    if (h.contains("percentageUsed"))
        n.percentageUsed = uint8_t(unsigned_Value(h["percentageUsed"], "nvme.health.percentageUsed", 255));
    const std::pair<const char*, uint64_t*> counters[] = {
        {"dataUnitsRead", &n.dataUnitsRead},       {"dataUnitsWritten", &n.dataUnitsWritten},
        {"powerCycles", &n.powerCycles},           {"powerOnHours", &n.powerOnHours},
        {"unsafeShutdowns", &n.unsafeShutdowns},   {"mediaErrors", &n.mediaErrors},
        {"errorLogEntries", &n.errorLogEntries}};
    for (const auto& c : counters)
        if (h.contains(c.first))
            *c.second = unsigned_Value(h[c.first], std::string("nvme.health.") + c.first);
}

void parse_Nvme_Object(const json& v, Description& d)
{
    NvmeDescription& n = d.nvme;
    known_Keys(v, "nvme.",
               {"namespaceId", "version", "selfTest", "selfTestNeverEnds", "lbaFormats", "format", "sanitize",
                "writeZeroes", "securitySendReceive", "psid", "identifyGarbage", "health", "faults", "sanitizeSeconds",
                "sanitizeRunningAtStart", "sanitizeFails", "sanitizeNeverProgresses"});
    if (v.contains("namespaceId")) {
        n.nsid = uint32_t(unsigned_Value(v["namespaceId"], "nvme.namespaceId", 0xFFFFFFFEu));
        if (n.nsid == 0)
            refuse("nvme.namespaceId", "namespace ids start at 1");
    }
    if (v.contains("version")) {
        if (!v["version"].is_string())
            refuse("nvme.version", "expected \"major.minor\" or \"major.minor.tertiary\"");
        unsigned major = 0, minor = 0, tertiary = 0;
        char extra = 0;
        const std::string text = v["version"].get<std::string>();
        const int got = std::sscanf(text.c_str(), "%u.%u.%u%c", &major, &minor, &tertiary, &extra);
        if (got < 2 || got > 3 || major == 0 || major > 0xFFFF || minor > 0xFF || tertiary > 0xFF)
            refuse("nvme.version", "expected \"major.minor\" or \"major.minor.tertiary\"");
        n.version = major << 16 | minor << 8 | tertiary;
    }
    if (v.contains("selfTest"))
        n.selfTest = bool_Value(v["selfTest"], "nvme.selfTest");
    if (v.contains("selfTestNeverEnds"))
        n.selfTestNeverEnds = bool_Value(v["selfTestNeverEnds"], "nvme.selfTestNeverEnds");
    if (n.selfTestNeverEnds && !n.selfTest)
        refuse("nvme.selfTestNeverEnds", "a drive without self-test runs none");
    if (v.contains("lbaFormats")) {
        const json& f = v["lbaFormats"];
        if (!f.is_array() || f.empty() || f.size() > 16)
            refuse("nvme.lbaFormats", "expected an array of 1 to 16 block sizes");
        for (size_t i = 0; i < f.size(); ++i) {
            const uint32_t size = uint32_t(unsigned_Value(f[i], "nvme.lbaFormats[" + std::to_string(i) + "]", 65536));
            if (size != 512 && size != 4096)
                refuse("nvme.lbaFormats[" + std::to_string(i) + "]", "512 or 4096");
            n.lbaFormats.push_back(size);
        }
    }
    if (v.contains("format")) {
        const uint32_t bits = name_List(v["format"], "nvme.format", {{"userData", 1}, {"cryptoErase", 2}});
        n.formatUserData = bits != 0;
        n.formatCrypto = bits & 2;
    }
    if (v.contains("sanitize")) {
        const uint32_t bits =
            name_List(v["sanitize"], "nvme.sanitize", {{"blockErase", 1}, {"cryptoErase", 2}, {"overwrite", 4}});
        n.sanitizeBlock = bits & 1;
        n.sanitizeCrypto = bits & 2;
        n.sanitizeOverwrite = bits & 4;
    }
    if (v.contains("sanitizeSeconds"))
        n.sanitizeSeconds = uint32_t(unsigned_Value(v["sanitizeSeconds"], "nvme.sanitizeSeconds", 30u * 86400));
    if (v.contains("sanitizeRunningAtStart"))
        n.sanitizeRunningAtStart = bool_Value(v["sanitizeRunningAtStart"], "nvme.sanitizeRunningAtStart");
    if (v.contains("sanitizeFails"))
        n.sanitizeFails = bool_Value(v["sanitizeFails"], "nvme.sanitizeFails");
    if (v.contains("sanitizeNeverProgresses"))
        n.sanitizeNeverProgresses = bool_Value(v["sanitizeNeverProgresses"], "nvme.sanitizeNeverProgresses");
    if (n.sanitizeRunningAtStart && !n.sanitizeOverwrite)
        refuse("nvme.sanitizeRunningAtStart", "a running overwrite sanitize needs \"overwrite\" in nvme.sanitize");
    if (v.contains("writeZeroes"))
        n.writeZeroes = bool_Value(v["writeZeroes"], "nvme.writeZeroes");
    if (v.contains("securitySendReceive"))
        n.securitySendReceive = bool_Value(v["securitySendReceive"], "nvme.securitySendReceive");
    if (v.contains("psid")) {
        const json& p = v["psid"];
        if (!p.is_string() || p.get<std::string>().size() != 32 ||
            p.get<std::string>().find_first_not_of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") !=
                std::string::npos)
            refuse("nvme.psid", "a PSID has 32 letters and digits");
        if (!n.securitySendReceive)
            refuse("nvme.psid", "a drive with a PSID needs \"securitySendReceive\": true");
        d.tcg = true;
        d.psid = p.get<std::string>();
    }
    if (v.contains("identifyGarbage")) {
        if (!v["identifyGarbage"].is_string() ||
            (v["identifyGarbage"] != "controller" && v["identifyGarbage"] != "namespace"))
            refuse("nvme.identifyGarbage", "expected \"controller\" or \"namespace\"");
        n.garbageIdentify = v["identifyGarbage"].get<std::string>();
    }
    if (v.contains("health"))
        parse_Health(v["health"], n);
    if (v.contains("faults")) {
        if (!v["faults"].is_array())
            refuse("nvme.faults", "expected an array");
        for (size_t i = 0; i < v["faults"].size(); ++i)
            n.faults.push_back(parse_Fault(v["faults"][i], "nvme.faults[" + std::to_string(i) + "]"));
    }
}

} // namespace

bool parse_Nvme_Description(const json& j, Description& d, std::string& field, std::string& problem)
{
    const std::string interface = j.contains("interface") && j["interface"].is_string() ? j["interface"].get<std::string>() : "";
    d.protocol = interface == "nvme" ? Protocol::Nvme
                 : interface == "emmc" || interface == "virtio" ? Protocol::Block
                                                                  : Protocol::Scsi;
    try {
        if (d.protocol == Protocol::Scsi) {
            if (j.contains("nvme"))
                refuse("nvme", "only a drive with \"interface\": \"nvme\" has one");
            return true;
        }
        // What only a SATA drive behind a SCSI/ATA translation layer has.
        static const char* const sataOnly[] = {
            "driveType", "ataPassThrough", "sixteenByteCommands", "noMedium", "accessibleMaxLba", "rpm",
            "cacheSizeMB", "identifyDataLog", "features", "securityLocked", "securityFrozen", "smart", "sanitize",
            "writeSame", "tcg", "idd", "spinUpSeconds", "faults"};
        const char* kind = d.protocol == Protocol::Nvme ? "an NVMe drive" : "a block-only drive";
        for (const char* key : sataOnly)
            if (j.contains(key))
                refuse(key, std::string("not for ") + kind +
                                (d.protocol == Protocol::Nvme && std::string(key) == "faults" ? " (see nvme.faults)" : ""));
        if (d.logicalSectorSize != 512 && d.logicalSectorSize != 4096)
            refuse("logicalSectorSize", std::string("512 or 4096 for ") + kind);
        if (d.protocol == Protocol::Block) {
            for (const char* key : {"selfTest", "nvme"})
                if (j.contains(key))
                    refuse(key, "not for a block-only drive: it takes reads and writes only");
            return true;
        }
        if (j.contains("nvme"))
            parse_Nvme_Object(j["nvme"], d);
        std::vector<uint32_t>& formats = d.nvme.lbaFormats;
        if (formats.empty())
            formats = {512, 4096};
        bool listed = false;
        for (uint32_t f : formats)
            listed = listed || f == d.logicalSectorSize;
        if (!listed)
            refuse("nvme.lbaFormats", "does not list the logicalSectorSize in use (" +
                                          std::to_string(d.logicalSectorSize) + ")");
    } catch (const Refused& r) {
        field = r.field;
        problem = r.problem;
        return false;
    }
    return true;
}

} // namespace vdrive
} // namespace oskn
