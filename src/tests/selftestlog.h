#pragma once

#include <QString>
#include <cstdint>

#include "deviceaccess/oskn_device.h"

// The failing LBA of the drive's newest self-test, from its self-test log (the extended log,
// else the SMART one; NVMe: its own log). False when the log names none.
bool newest_Self_Test_Failing_Lba(_tDevice* device, uint64_t* lba);

// The ATA self-test execution status (upper nibble) as the standard names it.
QString self_Test_Result_Name(uint8_t status);
