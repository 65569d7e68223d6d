// Reading a virtual-drive description file. Every problem becomes one line naming the file,
// the drive and the field; nothing of a refused file is used.
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "oskn_device.h"
#include "virtual/virtual_drive.h"

namespace oskn {
namespace vdrive {

const FeatureName kFeatureNames[] = {
    {"smart", F_SMART},
    {"security", F_SECURITY},
    {"hpa", F_HPA},
    {"powerManagement", F_POWER_MANAGEMENT},
    {"apm", F_APM},
    {"downloadMicrocode", F_DOWNLOAD_MICROCODE},
    {"segmentedDownload", F_SEGMENTED_DOWNLOAD},
    {"deferredDownload", F_DEFERRED_DOWNLOAD},
    {"smartErrorLogging", F_SMART_ERROR_LOG},
    {"smartSelfTest", F_SMART_SELF_TEST},
    {"gpl", F_GPL},
    {"48bit", F_48BIT},
    {"amac", F_AMAC},
    {"writeCache", F_WRITE_CACHE},
    {"readLookAhead", F_READ_LOOK_AHEAD},
    {"trim", F_TRIM},
    {"ncq", F_NCQ},
    {"puis", F_PUIS},
    {"sct", F_SCT},
};
const size_t kFeatureNameCount = sizeof(kFeatureNames) / sizeof(kFeatureNames[0]);

namespace {

using nlohmann::json;

constexpr uint32_t kDefaultSupported = F_SMART | F_POWER_MANAGEMENT | F_SMART_ERROR_LOG |
                                       F_SMART_SELF_TEST | F_GPL | F_48BIT | F_WRITE_CACHE |
                                       F_READ_LOOK_AHEAD | F_DOWNLOAD_MICROCODE | F_NCQ | F_HPA |
                                       F_SCT;
// Features a drive does not turn on by itself.
constexpr uint32_t kNotEnabledByDefault = F_SECURITY | F_APM | F_PUIS;

// Every sector of the list is kept and looked up on every read, and a scan gives up long before:
// a drive with more unreadable sectors than this tells nothing more and only costs time. Arrays
// are bounded while the file is read, so that a huge list is refused before it is all parsed.
constexpr size_t kMostUnreadable = 65536;
constexpr size_t kMostArrayValues = kMostUnreadable;

struct BadField {
    std::string field;
    std::string problem;
};

[[noreturn]] void fail(const std::string& field, const std::string& problem)
{
    throw BadField{field, problem};
}

// Text from the file as it may appear in a message: one short line whatever the file holds.
// Bytes outside printable ASCII (a NUL, a line break, a control character) are written as
// \xHH, quotes and backslashes escaped, and the text cut after `most` bytes.
std::string echo(const std::string& text, size_t most = 48)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (size_t i = 0; i < text.size() && i < most; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20 || c > 0x7E) {
            out += "\\x";
            out += digits[c >> 4];
            out += digits[c & 0x0F];
        } else {
            out += char(c);
        }
    }
    if (text.size() > most)
        out += "...";
    return out;
}

bool has_Control(const std::string& text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F)
            return true;
    return false;
}

// Numbers may be written as JSON integers or as "0x..." strings (opcodes, sense codes).
uint64_t get_Unsigned(const json& v, const std::string& field, uint64_t max = UINT64_MAX)
{
    uint64_t value = 0;
    if (v.is_number_unsigned()) {
        value = v.get<uint64_t>();
    } else if (v.is_number_integer()) {
        fail(field, "must not be negative");
    } else if (v.is_string()) {
        const std::string s = v.get<std::string>();
        if (s.size() < 3 || (s.compare(0, 2, "0x") != 0 && s.compare(0, 2, "0X") != 0) ||
            s.size() > 18 || s.find_first_not_of("0123456789abcdefABCDEF", 2) != std::string::npos)
            fail(field, "expected an unsigned integer or a \"0x\" hexadecimal string");
        value = std::stoull(s.substr(2), nullptr, 16);
    } else {
        fail(field, "expected an unsigned integer");
    }
    if (value > max)
        fail(field, "value " + std::to_string(value) + " is above " + std::to_string(max));
    return value;
}

double get_Seconds(const json& v, const std::string& field)
{
    if (!v.is_number())
        fail(field, "expected a number");
    const double value = v.get<double>();
    if (!(value >= 0) || !std::isfinite(value) || value > 1e9)
        fail(field, "expected a number of seconds from 0 to 1e9");
    return value;
}

bool get_Bool(const json& v, const std::string& field)
{
    if (!v.is_boolean())
        fail(field, "expected true or false");
    return v.get<bool>();
}

std::string get_String(const json& v, const std::string& field)
{
    if (!v.is_string())
        fail(field, "expected a string");
    return v.get<std::string>();
}

// Identity texts travel in IDENTIFY words and the record's char arrays: printable ASCII only.
std::string get_Ata_String(const json& v, const std::string& field, size_t maxLength)
{
    std::string s = get_String(v, field);
    if (s.size() > maxLength)
        fail(field, "longer than " + std::to_string(maxLength) + " characters (" +
                        std::to_string(s.size()) + ")");
    for (unsigned char c : s)
        if (c < 0x20 || c > 0x7E)
            fail(field, "only printable ASCII characters are allowed");
    return s;
}

const json& require_Object(const json& v, const std::string& field)
{
    if (!v.is_object())
        fail(field, "expected an object");
    return v;
}

void check_Keys(const json& object, const std::string& prefix, std::initializer_list<const char*> known)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        bool found = false;
        for (const char* k : known)
            if (it.key() == k)
                found = true;
        if (!found)
            fail(prefix + echo(it.key()), "unknown field");
    }
}

uint32_t get_Feature_List(const json& v, const std::string& field)
{
    if (!v.is_array())
        fail(field, "expected an array of feature names");
    uint32_t bits = 0;
    for (size_t i = 0; i < v.size(); ++i) {
        const std::string item = field + "[" + std::to_string(i) + "]";
        const std::string name = get_String(v[i], item);
        bool found = false;
        for (size_t f = 0; f < kFeatureNameCount; ++f)
            if (name == kFeatureNames[f].name) {
                bits |= kFeatureNames[f].bit;
                found = true;
            }
        if (!found)
            fail(item, "unknown feature \"" + echo(name) + "\"");
    }
    return bits;
}

bool is_Power_Of_Two(uint64_t v) { return v && !(v & (v - 1)); }

// The value a name stands for. An unknown name is refused as "unknown <what> "name"<known>".
template <typename T, size_t N>
T get_Named(const json& v, const std::string& field, const std::pair<const char*, T> (&names)[N],
            const char* what, const char* known = "")
{
    const std::string s = get_String(v, field);
    for (const auto& n : names)
        if (s == n.first)
            return n.second;
    fail(field, std::string("unknown ") + what + " \"" + echo(s) + "\"" + known);
}

SelfTestOutcome get_Outcome(const json& v, const std::string& field)
{
    static const std::pair<const char*, SelfTestOutcome> names[] = {
        {"auto", SelfTestOutcome::Auto},
        {"pass", SelfTestOutcome::Pass},
        {"readFailure", SelfTestOutcome::ReadFailure},
        {"electricalFailure", SelfTestOutcome::ElectricalFailure},
        {"servoFailure", SelfTestOutcome::ServoFailure},
        {"handlingDamage", SelfTestOutcome::HandlingDamage},
        {"unknownFailure", SelfTestOutcome::UnknownFailure},
        {"fatalError", SelfTestOutcome::FatalError},
    };
    return get_Named(v, field, names, "outcome");
}

// One SMART attribute; ids collects the numbers already used.
SmartAttribute parse_Attribute(const json& v, const std::string& p, std::set<unsigned>& ids)
{
    SmartAttribute attr;
    attr.id = uint8_t(get_Unsigned(v["id"], p + ".id", 255));
    if (attr.id == 0)
        fail(p + ".id", "attribute id 0 is not allowed");
    if (!ids.insert(attr.id).second)
        fail(p + ".id", "attribute " + std::to_string(attr.id) + " appears twice");
    // Pre-fail for the classic reliability attributes, advisory otherwise.
    const bool prefail = attr.id == 1 || attr.id == 3 || attr.id == 5 || attr.id == 7 ||
                         attr.id == 10;
    attr.flags = prefail ? 0x0033 : 0x0032;
    if (v.contains("flags"))
        attr.flags = uint16_t(get_Unsigned(v["flags"], p + ".flags", 0xFFFF));
    if (v.contains("current"))
        attr.current = uint8_t(get_Unsigned(v["current"], p + ".current", 255));
    attr.worst = attr.current;
    if (v.contains("worst"))
        attr.worst = uint8_t(get_Unsigned(v["worst"], p + ".worst", 255));
    if (v.contains("threshold"))
        attr.threshold = uint8_t(get_Unsigned(v["threshold"], p + ".threshold", 255));
    if (v.contains("raw"))
        attr.raw = get_Unsigned(v["raw"], p + ".raw", (uint64_t(1) << 48) - 1);
    return attr;
}

Fault parse_Fault(const json& v, const std::string& p)
{
    require_Object(v, p);
    check_Keys(v, p + ".",
               {"scsiOpcode", "ataCommand", "feature", "sense", "ataError", "noData", "hang", "skip", "count"});
    Fault f;
    const bool scsi = v.contains("scsiOpcode"), ata = v.contains("ataCommand");
    if (scsi == ata)
        fail(p + ".scsiOpcode", "give exactly one of scsiOpcode and ataCommand");
    f.isAta = ata;
    f.opcode = uint8_t(ata ? get_Unsigned(v["ataCommand"], p + ".ataCommand", 255)
                           : get_Unsigned(v["scsiOpcode"], p + ".scsiOpcode", 255));
    if (v.contains("feature")) {
        if (!ata)
            fail(p + ".feature", "only an ATA command has a feature");
        f.feature = int(get_Unsigned(v["feature"], p + ".feature", 0xFFFF));
    }
    if (v.contains("sense")) {
        const json& s = v["sense"];
        if (!s.is_array() || s.size() != 3)
            fail(p + ".sense", "expected [sense key, ASC, ASCQ]");
        f.senseKey = uint8_t(get_Unsigned(s[0], p + ".sense[0]", 15));
        f.asc = uint8_t(get_Unsigned(s[1], p + ".sense[1]", 255));
        f.ascq = uint8_t(get_Unsigned(s[2], p + ".sense[2]", 255));
        f.useSense = true;
    }
    if (v.contains("ataError")) {
        if (!ata)
            fail(p + ".ataError", "only an ATA command has an error register");
        f.ataError = uint8_t(get_Unsigned(v["ataError"], p + ".ataError", 255));
        if (f.ataError == 0)
            fail(p + ".ataError", "an error register of 0 is no error");
    }
    if (v.contains("noData"))
        f.noData = get_Bool(v["noData"], p + ".noData");
    if (v.contains("hang"))
        f.hang = get_Bool(v["hang"], p + ".hang");
    if (int(v.contains("sense")) + int(v.contains("ataError")) + int(f.noData) + int(f.hang) > 1)
        fail(p, "give at most one of sense, ataError, noData and hang");
    if (v.contains("skip"))
        f.skip = uint32_t(get_Unsigned(v["skip"], p + ".skip", UINT32_MAX));
    if (v.contains("count"))
        f.count = int64_t(get_Unsigned(v["count"], p + ".count", UINT32_MAX));
    return f;
}

void parse_Identity(const json& j, Description& d, size_t index)
{
    d.name = j.contains("name") ? get_String(j["name"], "name") : "virtual" + std::to_string(index);
    // The name is the drive's path: a NUL or control character would cut or garble it (and the
    // image file named after it), so two drives could end up as one.
    if (d.name.empty() || d.name.size() > 64 || d.name.find_first_of("/\\ ") != std::string::npos ||
        has_Control(d.name))
        fail("name", "must be 1 to 64 characters without blanks, slashes or control characters");

    // The record holds 30, 41 and 21 bytes with the NUL, but IDENTIFY holds 20, 40 and 8.
    d.model = j.contains("model") ? get_Ata_String(j["model"], "model", 40) : "Virtual Disk";
    d.serial = j.contains("serial") ? get_Ata_String(j["serial"], "serial", 20)
                                    : "VD" + std::to_string(100000 + index);
    d.firmware = j.contains("firmware") ? get_Ata_String(j["firmware"], "firmware", 8) : "1.00";
    d.maker = j.contains("maker") ? get_String(j["maker"], "maker") : "";

    if (j.contains("interface")) {
        static const std::pair<const char*, uint32_t> names[] = {
            {"ata", OSKN_INTERFACE_ATA}, {"sata", OSKN_INTERFACE_ATA}, {"scsi", OSKN_INTERFACE_SCSI},
            {"sas", OSKN_INTERFACE_SAS}, {"usb", OSKN_INTERFACE_USB},  {"raid", OSKN_INTERFACE_RAID},
            {"mmc", OSKN_INTERFACE_MMC}, {"nvme", OSKN_INTERFACE_NVME},
            {"emmc", OSKN_INTERFACE_MMC}, {"virtio", OSKN_INTERFACE_VIRTUAL}};
        d.interfaceType = get_Named(j["interface"], "interface", names, "interface",
                                    " (ata, sata, scsi, sas, usb, raid, mmc, nvme, emmc, virtio)");
    }
    if (j.contains("driveType")) {
        static const std::pair<const char*, uint8_t> names[] = {
            {"disk", 0x00}, {"tape", 0x01}, {"optical", 0x05}, {"enclosure", 0x0D}};
        d.peripheralType = get_Named(j["driveType"], "driveType", names, "drive type", " (disk, optical, tape, enclosure)");
        d.notADisk = d.peripheralType != 0;
    }
    d.ataPassThrough = !d.notADisk;
    if (j.contains("sixteenByteCommands"))
        d.sixteenByteCommands = get_Bool(j["sixteenByteCommands"], "sixteenByteCommands");
    d.noMedium = d.notADisk;
    if (j.contains("noMedium"))
        d.noMedium = get_Bool(j["noMedium"], "noMedium");
    if (j.contains("ataPassThrough"))
        d.ataPassThrough = get_Bool(j["ataPassThrough"], "ataPassThrough");
}

void parse_Geometry(const json& j, Description& d)
{
    if (j.contains("logicalSectorSize")) {
        d.logicalSectorSize = uint32_t(get_Unsigned(j["logicalSectorSize"], "logicalSectorSize", 65536));
        if (d.logicalSectorSize < 512 || d.logicalSectorSize > 4096 || !is_Power_Of_Two(d.logicalSectorSize))
            fail("logicalSectorSize", "must be 512, 1024, 2048 or 4096");
    }
    d.physicalSectorSize = d.logicalSectorSize;
    if (j.contains("physicalSectorSize")) {
        d.physicalSectorSize = uint32_t(get_Unsigned(j["physicalSectorSize"], "physicalSectorSize", 1u << 20));
        if (d.physicalSectorSize < d.logicalSectorSize || !is_Power_Of_Two(d.physicalSectorSize) ||
            d.physicalSectorSize / d.logicalSectorSize > 16)
            fail("physicalSectorSize", "must be the logical sector size times 1, 2, 4, 8 or 16");
    }

    // 48-bit addressing bounds the capacity.
    const uint64_t lbaLimit = (uint64_t(1) << 48) - 2;
    const bool hasMax = j.contains("maxLba"), hasBytes = j.contains("capacityBytes");
    if (hasMax && hasBytes)
        fail("capacityBytes", "give either maxLba or capacityBytes, not both");
    if (hasMax) {
        d.nativeMaxLba = get_Unsigned(j["maxLba"], "maxLba", lbaLimit);
    } else if (hasBytes) {
        const uint64_t bytes = get_Unsigned(j["capacityBytes"], "capacityBytes");
        if (bytes < d.logicalSectorSize)
            fail("capacityBytes", "smaller than one logical sector");
        if (bytes / d.logicalSectorSize - 1 > lbaLimit)
            fail("capacityBytes", "beyond 48-bit addressing");
        d.nativeMaxLba = bytes / d.logicalSectorSize - 1;
    } else if (!d.noMedium) {
        fail("maxLba", "a drive with a medium needs maxLba or capacityBytes");
    }
    d.accessibleMaxLba = d.nativeMaxLba;
    if (j.contains("accessibleMaxLba")) {
        d.accessibleMaxLba = get_Unsigned(j["accessibleMaxLba"], "accessibleMaxLba");
        if (d.accessibleMaxLba > d.nativeMaxLba)
            fail("accessibleMaxLba", "LBA " + std::to_string(d.accessibleMaxLba) +
                                         " is beyond the native max LBA " + std::to_string(d.nativeMaxLba));
    }
    if (j.contains("rpm"))
        d.rpm = uint16_t(get_Unsigned(j["rpm"], "rpm", 0xFFFE));
    if (j.contains("cacheSizeMB"))
        d.cacheSizeMB = uint32_t(get_Unsigned(j["cacheSizeMB"], "cacheSizeMB", 1u << 20));
    if (j.contains("identifyDataLog"))
        d.identifyDataLog = get_Bool(j["identifyDataLog"], "identifyDataLog");
}

void parse_Features(const json& j, Description& d)
{
    d.supported = kDefaultSupported;
    d.enabled = kDefaultSupported & ~kNotEnabledByDefault;
    if (j.contains("features")) {
        const json& f = require_Object(j["features"], "features");
        check_Keys(f, "features.", {"supported", "enabled"});
        if (f.contains("supported")) {
            d.supported = get_Feature_List(f["supported"], "features.supported");
            d.enabled = d.supported & ~kNotEnabledByDefault;
        }
        if (f.contains("enabled")) {
            d.enabled = get_Feature_List(f["enabled"], "features.enabled");
            for (size_t i = 0; i < kFeatureNameCount; ++i)
                if ((d.enabled & kFeatureNames[i].bit) && !(d.supported & kFeatureNames[i].bit))
                    fail("features.enabled", std::string("\"") + kFeatureNames[i].name +
                                                 "\" is enabled but not supported");
        }
    }
    if (!d.ataPassThrough)
        d.supported = d.enabled = 0;
    if (j.contains("securityLocked"))
        d.securityLocked = get_Bool(j["securityLocked"], "securityLocked");
    if (j.contains("securityFrozen"))
        d.securityFrozen = get_Bool(j["securityFrozen"], "securityFrozen");
    if (d.securityLocked && !(d.enabled & F_SECURITY))
        fail("securityLocked", "a locked drive needs \"security\" enabled in features");
}

void parse_Smart(const json& j, Description& d)
{
    if (j.contains("smart")) {
        const json& s = require_Object(j["smart"], "smart");
        check_Keys(s, "smart.", {"health", "attributes"});
        if (s.contains("health")) {
            const std::string h = get_String(s["health"], "smart.health");
            if (h != "pass" && h != "fail")
                fail("smart.health", "expected \"pass\" or \"fail\"");
            d.smartHealthFailing = h == "fail";
        }
        if (s.contains("attributes")) {
            const json& a = s["attributes"];
            if (!a.is_array())
                fail("smart.attributes", "expected an array");
            if (a.size() > 30)
                fail("smart.attributes", "at most 30 attributes fit the SMART data");
            std::set<unsigned> ids;
            for (size_t i = 0; i < a.size(); ++i) {
                const std::string p = "smart.attributes[" + std::to_string(i) + "]";
                require_Object(a[i], p);
                check_Keys(a[i], p + ".", {"id", "current", "worst", "threshold", "raw", "flags"});
                if (!a[i].contains("id"))
                    fail(p + ".id", "missing");
                d.attributes.push_back(parse_Attribute(a[i], p, ids));
            }
        }
    } else {
        // A plausible healthy table so that the information panel has something to show.
        d.attributes = {{1, 0x000F, 100, 100, 6, 0},  {5, 0x0033, 100, 100, 10, 0},
                        {9, 0x0032, 98, 98, 0, 1234}, {12, 0x0032, 100, 100, 20, 57},
                        {194, 0x0022, 35, 45, 0, 35}, {197, 0x0012, 100, 100, 0, 0}};
    }
}

void parse_Self_Test(const json& j, Description& d)
{
    if (j.contains("selfTest")) {
        const json& s = require_Object(j["selfTest"], "selfTest");
        check_Keys(s, "selfTest.", {"shortSeconds", "extendedSeconds", "outcome", "failingLba", "neverEnds"});
        if (s.contains("shortSeconds"))
            d.shortSelfTestSeconds = uint32_t(get_Unsigned(s["shortSeconds"], "selfTest.shortSeconds", 86400));
        if (s.contains("extendedSeconds"))
            d.extendedSelfTestSeconds =
                uint32_t(get_Unsigned(s["extendedSeconds"], "selfTest.extendedSeconds", 65535u * 60));
        if (s.contains("outcome"))
            d.selfTestOutcome = get_Outcome(s["outcome"], "selfTest.outcome");
        if (s.contains("neverEnds"))
            d.selfTestNeverEnds = get_Bool(s["neverEnds"], "selfTest.neverEnds");
        if (s.contains("failingLba")) {
            d.failingLba = get_Unsigned(s["failingLba"], "selfTest.failingLba");
            if (d.failingLba > d.accessibleMaxLba)
                fail("selfTest.failingLba", "LBA " + std::to_string(d.failingLba) +
                                                " is beyond the max LBA " + std::to_string(d.accessibleMaxLba));
        }
        if (d.selfTestOutcome == SelfTestOutcome::ReadFailure && d.failingLba == UINT64_MAX)
            fail("selfTest.failingLba", "a read failure needs the failing LBA");
        // A read failure is a real unreadable sector: reads fail there too until it is rewritten.
        if (d.selfTestOutcome == SelfTestOutcome::ReadFailure) {
            d.unreadable.emplace(d.failingLba, false);
            d.selfTestOutcome = SelfTestOutcome::Auto;
        }
    }
}

void parse_Unreadable_Sectors(const json& j, Description& d)
{
    if (j.contains("unreadableSectors")) {
        const json& u = j["unreadableSectors"];
        if (!u.is_array())
            fail("unreadableSectors", "expected an array");
        for (size_t i = 0; i < u.size(); ++i) {
            const std::string p = "unreadableSectors[" + std::to_string(i) + "]";
            uint64_t lba = 0, count = 1;
            bool permanent = false;
            if (u[i].is_object()) {
                check_Keys(u[i], p + ".", {"lba", "count", "permanent"});
                if (!u[i].contains("lba"))
                    fail(p + ".lba", "missing");
                lba = get_Unsigned(u[i]["lba"], p + ".lba");
                if (u[i].contains("count"))
                    count = get_Unsigned(u[i]["count"], p + ".count", 1u << 20);
                if (u[i].contains("permanent"))
                    permanent = get_Bool(u[i]["permanent"], p + ".permanent");
                if (count == 0)
                    fail(p + ".count", "must be at least 1");
            } else {
                lba = get_Unsigned(u[i], p);
            }
            if (lba > d.nativeMaxLba || count - 1 > d.nativeMaxLba - lba)
                fail(u[i].is_object() ? p + ".lba" : p,
                     "LBA " + std::to_string(lba + count - 1) + " is beyond the max LBA " +
                         std::to_string(d.nativeMaxLba));
            for (uint64_t k = 0; k < count; ++k)
                d.unreadable[lba + k] = d.unreadable[lba + k] || permanent;
            if (d.unreadable.size() > kMostUnreadable)
                fail(u[i].is_object() && u[i].contains("count") ? p + ".count" : p,
                     "more than " + std::to_string(kMostUnreadable) + " unreadable sectors on one drive");
        }
    }
}

// "unstoredSectors": LBAs, or { "lba", "count" }: writes there are acknowledged and dropped.
void parse_Unstored_Sectors(const json& j, Description& d)
{
    if (!j.contains("unstoredSectors"))
        return;
    const json& u = j["unstoredSectors"];
    if (!u.is_array())
        fail("unstoredSectors", "expected an array");
    for (size_t i = 0; i < u.size(); ++i) {
        const std::string p = "unstoredSectors[" + std::to_string(i) + "]";
        uint64_t lba = 0, count = 1;
        if (u[i].is_object()) {
            check_Keys(u[i], p + ".", {"lba", "count"});
            if (!u[i].contains("lba"))
                fail(p + ".lba", "missing");
            lba = get_Unsigned(u[i]["lba"], p + ".lba");
            if (u[i].contains("count"))
                count = get_Unsigned(u[i]["count"], p + ".count", kMostUnreadable);
            if (count == 0)
                fail(p + ".count", "must be at least 1");
        } else {
            lba = get_Unsigned(u[i], p);
        }
        if (lba > d.nativeMaxLba || count - 1 > d.nativeMaxLba - lba)
            fail(u[i].is_object() ? p + ".lba" : p,
                 "LBA " + std::to_string(lba + count - 1) + " is beyond the max LBA " + std::to_string(d.nativeMaxLba));
        for (uint64_t k = 0; k < count; ++k)
            d.unstored.insert(lba + k);
        if (d.unstored.size() > kMostUnreadable)
            fail(p, "more than " + std::to_string(kMostUnreadable) + " unstored sectors on one drive");
    }
}

void parse_Unreadable_Sense(const json& j, Description& d)
{
    if (!j.contains("unreadableSense"))
        return;
    const json& s = j["unreadableSense"];
    if (!s.is_array() || s.size() != 3)
        fail("unreadableSense", "expected [sense key, ASC, ASCQ]");
    d.unreadableSense[0] = uint8_t(get_Unsigned(s[0], "unreadableSense[0]", 15));
    d.unreadableSense[1] = uint8_t(get_Unsigned(s[1], "unreadableSense[1]", 255));
    d.unreadableSense[2] = uint8_t(get_Unsigned(s[2], "unreadableSense[2]", 255));
    if (d.unreadableSense[0] == 0x00 || d.unreadableSense[0] == 0x01)
        fail("unreadableSense[0]", "NO SENSE and RECOVERED ERROR are no read error");
}

void parse_Erase_And_Security(const json& j, Description& d)
{
    if (j.contains("sanitize")) {
        const json& s = require_Object(j["sanitize"], "sanitize");
        check_Keys(s, "sanitize.",
                   {"overwrite", "crypto", "blockErase", "seconds", "runningAtStart", "fails", "neverProgresses"});
        if (s.contains("overwrite"))
            d.sanitizeOverwrite = get_Bool(s["overwrite"], "sanitize.overwrite");
        if (s.contains("crypto"))
            d.sanitizeCrypto = get_Bool(s["crypto"], "sanitize.crypto");
        if (s.contains("blockErase"))
            d.sanitizeBlockErase = get_Bool(s["blockErase"], "sanitize.blockErase");
        if (s.contains("seconds"))
            d.sanitizeSeconds = uint32_t(get_Unsigned(s["seconds"], "sanitize.seconds", 30u * 86400));
        if (s.contains("runningAtStart"))
            d.sanitizeRunningAtStart = get_Bool(s["runningAtStart"], "sanitize.runningAtStart");
        if (s.contains("fails"))
            d.sanitizeFails = get_Bool(s["fails"], "sanitize.fails");
        if (s.contains("neverProgresses"))
            d.sanitizeNeverProgresses = get_Bool(s["neverProgresses"], "sanitize.neverProgresses");
        if (d.sanitizeRunningAtStart && !d.sanitizeOverwrite)
            fail("sanitize.runningAtStart", "a running overwrite sanitize needs \"overwrite\": true");
    }
    if (j.contains("writeSame"))
        d.writeSame = get_Bool(j["writeSame"], "writeSame");
    if (j.contains("tcg")) {
        const json& t = require_Object(j["tcg"], "tcg");
        check_Keys(t, "tcg.", {"supported", "psid"});
        d.tcg = t.contains("supported") ? get_Bool(t["supported"], "tcg.supported") : true;
        if (t.contains("psid")) {
            d.psid = get_Ata_String(t["psid"], "tcg.psid", 32);
            if (d.psid.size() != 32)
                fail("tcg.psid", "a PSID has 32 characters");
        }
        if (d.tcg && d.psid.empty())
            fail("tcg.psid", "a drive with TCG support needs its PSID");
    }
}

void parse_Timing(const json& j, Description& d)
{
    if (j.contains("idd")) {
        const json& s = require_Object(j["idd"], "idd");
        check_Keys(s, "idd.", {"test70", "test71", "seconds70", "seconds71"});
        if (s.contains("test70"))
            d.idd70 = get_Bool(s["test70"], "idd.test70");
        if (s.contains("test71"))
            d.idd71 = get_Bool(s["test71"], "idd.test71");
        if (s.contains("seconds70"))
            d.idd70Seconds = uint32_t(get_Unsigned(s["seconds70"], "idd.seconds70", 65535));
        if (s.contains("seconds71"))
            d.idd71Seconds = uint32_t(get_Unsigned(s["seconds71"], "idd.seconds71", 65535));
    }
    if (j.contains("throughputMBps")) {
        d.throughputMBps = get_Seconds(j["throughputMBps"], "throughputMBps");
        if (d.throughputMBps <= 0)
            fail("throughputMBps", "must be above 0 (leave it out for no limit)");
    }
    if (j.contains("spinUpSeconds"))
        d.spinUpSeconds = get_Seconds(j["spinUpSeconds"], "spinUpSeconds");
    if (j.contains("disappearAfterSeconds"))
        d.disappearAfterSeconds = get_Seconds(j["disappearAfterSeconds"], "disappearAfterSeconds");
    if (j.contains("hangAfterSeconds"))
        d.hangAfterSeconds = get_Seconds(j["hangAfterSeconds"], "hangAfterSeconds");
}

void parse_Faults(const json& j, Description& d)
{
    if (j.contains("faults")) {
        const json& a = j["faults"];
        if (!a.is_array())
            fail("faults", "expected an array");
        for (size_t i = 0; i < a.size(); ++i) {
            const std::string p = "faults[" + std::to_string(i) + "]";
            d.faults.push_back(parse_Fault(a[i], p));
        }
    }
}

void parse_Storage(const json& j, Description& d, const std::string& imageDirectory)
{
    std::string storage = "memory";
    if (j.contains("storage")) {
        storage = get_String(j["storage"], "storage");
        if (storage != "memory" && storage != "image")
            fail("storage", "expected \"memory\" or \"image\"");
    }
    d.imageBacked = storage == "image";
    if (j.contains("imageFile") && !d.imageBacked)
        fail("imageFile", "only a drive with \"storage\": \"image\" has an image file");
    if (d.imageBacked) {
        std::string file = d.name + ".img";
        if (j.contains("imageFile")) {
            file = get_String(j["imageFile"], "imageFile");
            if (file.empty() || file.find('/') != std::string::npos || file == "." || file == ".." ||
                has_Control(file))
                fail("imageFile", "a plain file name inside imageDirectory, without control characters");
        }
        if (imageDirectory.empty())
            fail("imageDirectory", "missing at the top level, and this drive keeps its data in an image");
        d.imagePath = imageDirectory + "/" + file;
    }
}

void parse_Drive(const json& j, size_t index, const std::string& imageDirectory, Description& d)
{
    require_Object(j, "(drive)");
    check_Keys(j, "",
               {"name", "model", "serial", "firmware", "maker", "interface", "driveType",
                "ataPassThrough", "sixteenByteCommands", "noMedium", "maxLba", "capacityBytes", "accessibleMaxLba",
                "logicalSectorSize", "physicalSectorSize", "rpm", "cacheSizeMB", "identifyDataLog", "features",
                "securityLocked", "securityFrozen", "smart", "selfTest", "unreadableSectors", "unreadableSense",
                "unstoredSectors",
                "sanitize", "writeSame", "tcg", "idd", "throughputMBps", "spinUpSeconds",
                "faults", "disappearAfterSeconds", "hangAfterSeconds", "storage", "imageFile", "nvme"});

    parse_Identity(j, d, index);
    parse_Geometry(j, d);
    parse_Features(j, d);
    parse_Smart(j, d);
    parse_Self_Test(j, d);
    parse_Unreadable_Sectors(j, d);
    parse_Unreadable_Sense(j, d);
    parse_Unstored_Sectors(j, d);
    parse_Erase_And_Security(j, d);
    parse_Timing(j, d);
    parse_Faults(j, d);
    parse_Storage(j, d, imageDirectory);
    std::string field, problem;
    if (!parse_Nvme_Description(j, d, field, problem))
        fail(field, problem);
}

std::string without_Outer_Blanks(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string inode_Key(const struct stat& st)
{
    return "inode " + std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
}

// Two paths with the same key name one file: an existing file by its inode (links, symbolic
// or hard, and "." or ".." in the path lead to the same one), a file still to be made by its
// name in the directory as the system resolves it.
std::string same_File_Key(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) == 0)
        return inode_Key(st);
    const size_t slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? "." : path.substr(0, slash ? slash : 1);
    char* real = ::realpath(directory.c_str(), nullptr);
    const std::string key = "path " + std::string(real ? real : directory.c_str()) + "/" + path.substr(slash + 1);
    std::free(real);
    return key;
}

bool make_Directories(const std::string& path)
{
    std::string partial;
    size_t pos = 0;
    while (pos != std::string::npos) {
        pos = path.find('/', pos + 1);
        partial = path.substr(0, pos);
        if (partial.empty())
            continue;
        if (::mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST)
            return false;
    }
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Reads and parses the file. The parser keeps the last of two equal keys: a description saying
// two things at once is refused instead.
bool read_Json(const std::string& jsonPath, json& root, std::string& error)
{
    std::ifstream in(jsonPath, std::ios::binary);
    if (!in) {
        error = jsonPath + ": cannot be opened: " + std::strerror(errno);
        return false;
    }
    // One frame per object or array being read: an object's keys so far, an array's count of
    // values so far, and the path to it as the other messages name fields.
    struct Frame {
        bool array = false;
        std::set<std::string> keys;
        std::string path, lastKey;
        size_t values = 0;
    };
    std::vector<Frame> frames;
    std::string where; // the drive the parser is in, once inside "drives"
    const auto refuse = [&](const std::string& field, const std::string& problem) {
        // Inside a drive the field is named from the drive, as the other messages name it.
        if (frames.size() >= 3 && frames[1].array && frames[1].path == "drives") {
            const std::string drive = frames[2].path + ".";
            where = "drive " + std::to_string(frames[1].values - 1);
            fail(field.compare(0, drive.size(), drive) == 0 ? field.substr(drive.size()) : field, problem);
        }
        fail(field, problem);
    };
    const json::parser_callback_t onlyOnce = [&](int, json::parse_event_t event, json& parsed) {
        // A new value of an array: a plain value, or the start of an object or array.
        if (!frames.empty() && frames.back().array &&
            (event == json::parse_event_t::value || event == json::parse_event_t::object_start ||
             event == json::parse_event_t::array_start) &&
            ++frames.back().values > kMostArrayValues)
            refuse(frames.back().path, "more than " + std::to_string(kMostArrayValues) + " values in one array");
        switch (event) {
        case json::parse_event_t::object_start:
        case json::parse_event_t::array_start: {
            Frame f;
            f.array = event == json::parse_event_t::array_start;
            if (!frames.empty()) {
                const Frame& parent = frames.back();
                f.path = parent.array ? parent.path + "[" + std::to_string(parent.values - 1) + "]"
                                      : (parent.path.empty() ? "" : parent.path + ".") + parent.lastKey;
            }
            frames.push_back(std::move(f));
            break;
        }
        case json::parse_event_t::object_end:
        case json::parse_event_t::array_end:
            if (!frames.empty())
                frames.pop_back();
            break;
        case json::parse_event_t::key:
            if (!frames.empty()) {
                const std::string key = parsed.get<std::string>();
                frames.back().lastKey = echo(key);
                if (!frames.back().keys.insert(key).second)
                    refuse((frames.back().path.empty() ? "" : frames.back().path + ".") + echo(key),
                           "appears twice in one object");
            }
            break;
        default:
            break;
        }
        return true;
    };
    try {
        root = json::parse(in, onlyOnce); // from the stream: a refused file is not read to its end
    } catch (const json::exception& e) {
        error = jsonPath + ": not valid JSON: " + echo(e.what(), 200);
        return false;
    } catch (const BadField& bad) {
        error = jsonPath + ": " + (where.empty() ? "" : where + ": ") + "field \"" + bad.field + "\": " + bad.problem;
        return false;
    }
    return true;
}

// The top-level image directory, relative to the description file's folder; "" when not given.
std::string get_Image_Directory(const json& root, const std::string& jsonPath)
{
    std::string imageDirectory;
    if (root.contains("imageDirectory")) {
        imageDirectory = get_String(root["imageDirectory"], "imageDirectory");
        if (imageDirectory.empty())
            fail("imageDirectory", "must not be empty");
        if (has_Control(imageDirectory))
            fail("imageDirectory", "must not hold control characters");
        if (imageDirectory[0] != '/') {
            const size_t slash = jsonPath.rfind('/');
            std::string base = slash == std::string::npos ? "." : jsonPath.substr(0, slash);
            if (base.empty())
                base = "/";
            imageDirectory = base + "/" + imageDirectory;
        }
        while (imageDirectory.size() > 1 && imageDirectory.back() == '/')
            imageDirectory.pop_back();
    }
    return imageDirectory;
}

} // namespace

bool parse_Description_File(const std::string& jsonPath, std::vector<Description>& drives,
                            std::vector<std::string>& driveKeys, std::string& error)
{
    drives.clear();
    driveKeys.clear();
    json root;
    if (!read_Json(jsonPath, root, error))
        return false;

    std::string where; // "drive N (name)" once inside a drive
    try {
        require_Object(root, "(top level)");
        check_Keys(root, "", {"imageDirectory", "drives"});
        if (!root.contains("drives"))
            fail("drives", "missing");
        if (!root["drives"].is_array())
            fail("drives", "expected an array");

        const std::string imageDirectory = get_Image_Directory(root, jsonPath);

        std::set<std::string> names, serials;
        const json& list = root["drives"];
        const auto drive_Where = [&list](size_t i) {
            std::string text = "drive " + std::to_string(i);
            if (list[i].is_object() && list[i].contains("name") && list[i]["name"].is_string())
                text += " (\"" + echo(list[i]["name"].get<std::string>()) + "\")";
            return text;
        };
        bool anyImage = false;
        for (size_t i = 0; i < list.size(); ++i) {
            where = drive_Where(i);
            Description d;
            parse_Drive(list[i], i, imageDirectory, d);
            if (!names.insert(d.name).second)
                fail("name", "another drive already has the name \"" + echo(d.name, 64) + "\"");
            // A drive reports its serial without the blanks around it: "DUP" and "DUP " would be
            // one drive to the program (and one log file).
            const std::string reported = without_Outer_Blanks(d.serial);
            if (!serials.insert(reported).second)
                fail("serial", "another drive already has the serial \"" + echo(reported) +
                                   "\" (blanks before and after a serial do not count)");
            anyImage = anyImage || d.imageBacked;
            driveKeys.push_back(std::to_string(i) + "\n" + list[i].dump());
            drives.push_back(std::move(d));
        }
        where.clear();

        // An image is sized to its drive when the drive is made: one that is this very file
        // would be cut or grown (and the description lost), one shared by two drives would hold
        // both drives' data at once.
        struct stat self = {};
        const bool selfKnown = ::stat(jsonPath.c_str(), &self) == 0;
        std::map<std::string, size_t> images;
        for (size_t i = 0; i < drives.size(); ++i) {
            const Description& d = drives[i];
            if (!d.imageBacked)
                continue;
            where = drive_Where(i);
            const std::string field = list[i].contains("imageFile") ? "imageFile" : "name";
            const std::string shown = "\"" + echo(d.imagePath, 200) + "\"";
            const std::string same = same_File_Key(d.imagePath);
            if (selfKnown && same == inode_Key(self))
                fail(field, "the image file " + shown + " is this description file");
            const auto known = images.emplace(same, i);
            if (!known.second)
                fail(field, "the image file " + shown + " is already the image of drive " +
                                std::to_string(known.first->second));
        }
        where.clear();
        // The image directory is made on demand, but only when some drive keeps its data there.
        if (anyImage && !make_Directories(imageDirectory))
            fail("imageDirectory", "\"" + echo(imageDirectory, 200) + "\" cannot be created: " + std::strerror(errno));
        for (std::string& key : driveKeys)
            key = imageDirectory + "\n" + key;
    } catch (const BadField& bad) {
        error = jsonPath + ": " + (where.empty() ? "" : where + ": ") + "field \"" + bad.field +
                "\": " + bad.problem;
        drives.clear();
        driveKeys.clear();
        return false;
    }
    return true;
}

} // namespace vdrive
} // namespace oskn
