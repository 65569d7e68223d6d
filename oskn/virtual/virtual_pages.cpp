// The data structures the emulated drive hands out: IDENTIFY DEVICE data, SMART data and
// thresholds, and the pages of its logs, built from the description and the drive's state.
#include <algorithm>
#include <cstring>

#include "common.h"
#include "virtual/virtual_commands.h"

namespace oskn {
namespace vdrive {

namespace {

uint16_t bit(bool on, int b) { return uint16_t(on ? 1u << b : 0); }

// Words 82-87: the feature sets supported (82-84) and enabled (85-87).
void put_Feature_Set_Words(uint16_t* w, uint32_t sup, uint32_t en, bool smartEnabled)
{
    w[82] = uint16_t(bit(sup & F_SMART, 0) | bit(sup & F_SECURITY, 1) | bit(sup & F_POWER_MANAGEMENT, 3) |
                     bit(sup & F_WRITE_CACHE, 5) | bit(sup & F_READ_LOOK_AHEAD, 6) | bit(sup & F_HPA, 10) |
                     0x4000);
    w[83] = uint16_t(0x4000 | bit(sup & F_DOWNLOAD_MICROCODE, 0) | bit(sup & F_APM, 3) |
                     bit(sup & F_PUIS, 5) | bit(sup & F_48BIT, 10) | 0x3000);
    w[84] = uint16_t(0x4000 | bit(sup & F_SMART_ERROR_LOG, 0) | bit(sup & F_SMART_SELF_TEST, 1) |
                     bit(sup & F_GPL, 5) | 0x0100);
    w[85] = uint16_t(bit(smartEnabled, 0) | bit(en & F_SECURITY, 1) | bit(en & F_POWER_MANAGEMENT, 3) |
                     bit(en & F_WRITE_CACHE, 5) | bit(en & F_READ_LOOK_AHEAD, 6) | bit(en & F_HPA, 10) |
                     0x4000);
    w[86] = uint16_t(0x8000 | bit(en & F_DOWNLOAD_MICROCODE, 0) | bit(en & F_APM, 3) | bit(en & F_PUIS, 5) |
                     bit(en & F_48BIT, 10) | 0x3000);
    w[87] = uint16_t(0x4000 | bit(en & F_SMART_ERROR_LOG, 0) | bit(en & F_SMART_SELF_TEST, 1) |
                     bit(en & F_GPL, 5) | 0x0100);
}

} // namespace

// ------------------------------------------------------------------------------------------
// IDENTIFY DEVICE data, built from the description and the drive's current state.

void VirtualDrive::buildIdentify(uint8_t* out) const
{
    uint16_t w[256] = {};
    const uint32_t sup = d_.supported, en = d_.enabled;
    const uint64_t sectors = maxLba_ + 1;

    w[0] = 0x0040;
    w[1] = 16383;
    w[2] = 0xC837;
    w[3] = 16;
    w[6] = 63;
    put_Ata_String(&w[10], d_.serial, 20);
    put_Ata_String(&w[23], d_.firmware, 8);
    put_Ata_String(&w[27], d_.model, 40);
    // Word 21 is in kilobytes here; caches of 64 MB and more report only in the data log.
    if (d_.cacheSizeMB && d_.cacheSizeMB * 1024u <= 0xFFFF)
        w[21] = uint16_t(d_.cacheSizeMB * 1024u);
    w[47] = 0x8010;
    w[48] = uint16_t(0x4000 | bit(d_.tcg, 0));
    w[49] = 0x2F00;
    w[50] = 0x4000;
    w[53] = 0x0007;
    w[59] = uint16_t(0x0110 | bit(has_Sanitize(d_), 12) |
                     bit(d_.sanitizeCrypto, 13) | bit(d_.sanitizeOverwrite, 14) | bit(d_.sanitizeBlockErase, 15));
    const uint32_t lba28 = uint32_t(std::min<uint64_t>(sectors, 0x0FFFFFFF));
    w[60] = uint16_t(lba28);
    w[61] = uint16_t(lba28 >> 16);
    w[63] = 0x0407;
    w[64] = 0x0003;
    w[65] = w[66] = w[67] = w[68] = 120;
    w[69] = 0x0008; // words 230-233 hold the capacity
    w[75] = (sup & F_NCQ) ? 31 : 0;
    w[76] = uint16_t(0x000E | bit(sup & F_NCQ, 8));
    w[78] = 0x0040;
    w[79] = 0x0040;
    w[80] = 0x07F0;
    put_Feature_Set_Words(w, sup, en, smartEnabled_);
    w[88] = 0x407F;
    if (sup & F_APM)
        w[91] = 0x0080;
    w[100] = uint16_t(sectors);
    w[101] = uint16_t(sectors >> 16);
    w[102] = uint16_t(sectors >> 32);
    w[103] = uint16_t(sectors >> 48);
    const uint16_t exponent = physicalExponent();
    w[106] = uint16_t(0x4000 | bit(exponent > 0, 13) | bit(d_.logicalSectorSize > 512, 12) | exponent);
    const uint64_t wwn = worldWideName();
    for (int i = 0; i < 4; ++i)
        w[108 + i] = uint16_t(wwn >> (48 - 16 * i));
    if (d_.logicalSectorSize > 512) {
        const uint32_t words = d_.logicalSectorSize / 2;
        w[117] = uint16_t(words);
        w[118] = uint16_t(words >> 16);
    }
    w[119] = uint16_t(0x4000 | bit(sup & F_SEGMENTED_DOWNLOAD, 4) | bit(sup & F_AMAC, 8));
    w[120] = uint16_t(0x4000 | bit(en & F_SEGMENTED_DOWNLOAD, 4));
    if (sup & F_SECURITY)
        w[128] = uint16_t(0x0001 | bit(en & F_SECURITY, 1) | bit(d_.securityLocked, 2) |
                          bit(d_.securityFrozen, 3) | 0x0020);
    w[168] = 0x0002;
    w[169] = bit(sup & F_TRIM, 0);
    w[206] = uint16_t(bit(sup & F_SCT, 0) | bit((sup & F_SCT) && d_.writeSame, 2) | bit(sup & F_SCT, 3) |
                      bit(sup & F_SCT, 5));
    w[217] = d_.rpm;
    w[222] = 0x10FF;
    for (int i = 0; i < 4; ++i)
        w[230 + i] = uint16_t(sectors >> (16 * i));
    w[255] = 0x00A5;
    for (int i = 0; i < 256; ++i)
        put_Le16(out + 2 * i, w[i]);
    put_Checksum(out);
}

// ------------------------------------------------------------------------------------------
// SMART data, thresholds and logs.

void VirtualDrive::buildSmartData(uint8_t* out, uint64_t now) const
{
    std::memset(out, 0, 512);
    put_Le16(out, 0x0010);
    for (size_t i = 0; i < d_.attributes.size() && i < 30; ++i) {
        const SmartAttribute& a = d_.attributes[i];
        uint8_t* e = out + 2 + 12 * i;
        e[0] = a.id;
        put_Le16(e + 1, a.flags);
        e[3] = a.current;
        e[4] = a.worst;
        uint64_t raw = a.raw;
        if (a.id == 9)
            raw = std::max<uint64_t>(raw, powerOnHours());
        put_Le48(e + 5, raw);
    }
    out[362] = 0x82; // off-line data collection completed
    out[363] = selfTestStatusByte(now);
    put_Le16(out + 364, 600);
    out[367] = 0x5B; // execute off-line immediate, abort/restart, off-line scan, self-tests, selective
    put_Le16(out + 368, 0x0003);
    out[370] = (d_.supported & F_SMART_ERROR_LOG) ? 1 : 0;
    out[372] = uint8_t(std::min<uint32_t>(255, (d_.shortSelfTestSeconds + 59) / 60));
    const uint32_t extendedMinutes = (d_.extendedSelfTestSeconds + 59) / 60;
    out[373] = uint8_t(std::min<uint32_t>(255, extendedMinutes));
    put_Le16(out + 375, extendedMinutes);
    // Vendor-specific area: in-drive diagnostics offered and their approximate times.
    out[386] = uint8_t((d_.idd70 ? 1 : 0) | (d_.idd71 ? 2 : 0));
    put_Le16(out + 387, d_.idd70 ? d_.idd70Seconds : 0);
    put_Le16(out + 389, d_.idd71 ? d_.idd71Seconds : 0);
    put_Checksum(out);
}

void VirtualDrive::buildSmartThresholds(uint8_t* out) const
{
    std::memset(out, 0, 512);
    put_Le16(out, 0x0010);
    for (size_t i = 0; i < d_.attributes.size() && i < 30; ++i) {
        out[2 + 12 * i] = d_.attributes[i].id;
        out[3 + 12 * i] = d_.attributes[i].threshold;
    }
    put_Checksum(out);
}

// The number of pages of a log; gpl: as READ LOG EXT sees it (else SMART READ LOG).
uint16_t VirtualDrive::logPages(uint8_t log, bool gpl) const
{
    const uint32_t sup = d_.supported;
    const bool smartLogs = sup & F_SMART;
    switch (log) {
    case atacmd::log::SummaryError: return (!gpl && smartLogs && (sup & F_SMART_ERROR_LOG)) ? 1 : 0;
    case atacmd::log::ComprehensiveErrorExt: return (gpl && (sup & F_SMART_ERROR_LOG)) ? 1 : 0;
    case atacmd::log::SelfTest: return (!gpl && smartLogs && (sup & F_SMART_SELF_TEST)) ? 1 : 0;
    case atacmd::log::SelfTestExt: return (gpl && (sup & F_SMART_SELF_TEST)) ? 4 : 0;
    case atacmd::log::IdentifyData: return d_.identifyDataLog ? 4 : 0;
    case atacmd::log::SctCommand: case atacmd::log::SctData: return (sup & F_SCT) ? 1 : 0;
    default: return 0;
    }
}

// Fills one 512-byte page of a log. gpl: read through READ LOG EXT (else SMART READ LOG).
bool VirtualDrive::buildLogPage(uint8_t log, uint16_t page, bool gpl, uint8_t* out)
{
    std::memset(out, 0, 512);
    if (log != atacmd::log::Directory && page >= logPages(log, gpl))
        return false;
    switch (log) {
    case atacmd::log::Directory:
        if (page)
            return false;
        put_Le16(out, 0x0001);
        for (int l = 1; l < 256; ++l)
            put_Le16(out + 2 * l, logPages(uint8_t(l), gpl));
        return true;
    case atacmd::log::SummaryError: // no errors
    case atacmd::log::ComprehensiveErrorExt:
        out[0] = 0x01;
        put_Checksum(out);
        return true;
    case atacmd::log::SelfTest:
        buildSelfTestLog(out);
        return true;
    case atacmd::log::SelfTestExt:
        buildExtendedSelfTestLog(page, out);
        return true;
    case atacmd::log::IdentifyData:
        buildIdentifyDataLog(page, out);
        return true;
    case atacmd::log::SctCommand: // SCT status
        buildSctStatus(out, get_Time_Source_Nanoseconds());
        return true;
    default: // SCT data transfer: no data table to give
        return false;
    }
}

// SMART self-test log: the 21 most recent, circular.
void VirtualDrive::buildSelfTestLog(uint8_t* out) const
{
    put_Le16(out, 0x0001);
    const size_t n = std::min<size_t>(21, selfTestLog_.size());
    for (size_t i = 0; i < n; ++i) {
        const SelfTestEntry& e = selfTestLog_[selfTestLog_.size() - n + i];
        uint8_t* p = out + 2 + 24 * i;
        p[0] = e.type;
        p[1] = e.status;
        put_Le16(p + 2, e.hours);
        put_Le32(p + 5, e.lba == UINT64_MAX ? 0xFFFFFFFF : uint32_t(std::min<uint64_t>(e.lba, 0x0FFFFFFF)));
    }
    out[508] = uint8_t(n);
    put_Checksum(out);
}

// Extended self-test log: 19 descriptors a page, newest at the index.
void VirtualDrive::buildExtendedSelfTestLog(uint16_t page, uint8_t* out) const
{
    out[0] = 0x01;
    const size_t n = selfTestLog_.size();
    if (page == 0)
        put_Le16(out + 2, uint32_t(n));
    for (size_t slot = 0; slot < 19; ++slot) {
        const size_t index = page * 19 + slot; // 0-based descriptor number
        if (index >= n)
            break;
        const SelfTestEntry& e = selfTestLog_[index];
        uint8_t* p = out + 4 + 26 * slot;
        p[0] = e.type;
        p[1] = e.status;
        put_Le16(p + 2, e.hours);
        put_Le48(p + 5, e.lba == UINT64_MAX ? 0xFFFFFFFFFFFFull : e.lba);
    }
    put_Checksum(out);
}

// IDENTIFY DEVICE data log: the list of pages, a copy of IDENTIFY, capacity and capabilities.
void VirtualDrive::buildIdentifyDataLog(uint16_t page, uint8_t* out) const
{
    constexpr uint64_t Valid = 0x8000000000000000ull;
    if (page == 0) {
        put_Le16(out, 0x0001);
        const uint8_t list[5] = {4, 0x00, 0x01, 0x02, 0x03};
        std::memcpy(out + 8, list, sizeof list);
        return;
    }
    if (page == 1) {
        buildIdentify(out);
        return;
    }
    put_Le64(out, Valid | uint64_t(page & 0xFF) << 16 | 0x0001); // header of the page
    if (page == 2) {
        const uint8_t exponent = physicalExponent();
        put_Le64(out + 8, Valid | (maxLba_ + 1));
        put_Le64(out + 16, Valid | (uint64_t(exponent > 0) << 61) | exponent);
        put_Le64(out + 24, Valid | d_.logicalSectorSize);
        put_Le64(out + 32, d_.cacheSizeMB ? (Valid | (uint64_t(d_.cacheSizeMB) << 20)) : 0);
    } else if (page == 3) {
        put_Le64(out + 8, Valid);
        uint64_t dm = 0;
        if (d_.supported & F_DOWNLOAD_MICROCODE)
            dm = Valid | (uint64_t((d_.supported & F_DEFERRED_DOWNLOAD) != 0) << 34) |
                 (uint64_t((d_.supported & F_SEGMENTED_DOWNLOAD) != 0) << 33);
        put_Le64(out + 16, dm);
    }
}

} // namespace vdrive
} // namespace oskn
