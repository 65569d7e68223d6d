#pragma once

#include <QString>
#include <cstdint>

#include "deviceaccess/oskn_device.h"

// The ATA self-test logs' layouts. The extended log (0x07) holds 19 descriptors of 26 bytes a
// page, its newest's index (counted across pages, from 1) in page 0's bytes 2-3, a failing LBA in
// 6 bytes; the SMART log (0x06) 21 descriptors of 24 bytes, its index in byte 508, an LBA in 4.
namespace selftestlog {
constexpr uint8_t kSmartLog = 0x06;
constexpr uint8_t kExtLog = 0x07;
inline uint32_t ext_Newest_Index(const uint8_t* page0) { return uint32_t(page0[2] | page0[3] << 8); }
inline uint16_t ext_Page_Of(uint32_t index) { return uint16_t((index - 1) / 19); }
uint64_t ext_Failing_Lba(const uint8_t* page, uint32_t index);
inline uint8_t smart_Newest_Index(const uint8_t* log) { return log[508]; }
// False for an index past the 21 descriptors.
bool smart_Failing_Lba(const uint8_t* log, uint8_t index, uint64_t* lba);
} // namespace selftestlog

// The failing LBA of the drive's newest self-test, from its self-test log (the extended log,
// else the SMART one; NVMe: its own log). False when the log names none.
bool newest_Self_Test_Failing_Lba(_tDevice* device, uint64_t* lba);

// The ATA self-test execution status (upper nibble) as the standard names it.
QString self_Test_Result_Name(uint8_t status);
