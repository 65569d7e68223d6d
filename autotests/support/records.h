#pragma once

#include "deviceaccess/oskn_device.h"

#include <cstring>

// A device record as the library would fill it, for tests that need no drive behind it.
inline _tDevice make_Record(const char* model, const char* serial, const char* firmware,
                            uint64_t maxLBA = 1000000)
{
    _tDevice d;
    std::memset(&d, 0, sizeof d);
    std::strncpy(d.modelNumber, model, sizeof d.modelNumber - 1);
    std::strncpy(d.serialNumber, serial, sizeof d.serialNumber - 1);
    std::strncpy(d.firmwareRevision, firmware, sizeof d.firmwareRevision - 1);
    d.maxLBA = maxLBA;
    d.logicalSectorSize = 512;
    d.physicalSectorSize = 4096;
    d.driveType = OSKN_DRIVE_ATA;
    d.interfaceType = OSKN_INTERFACE_ATA;
    return d;
}
