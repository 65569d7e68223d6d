// The record's identity texts as QString. The fields are single-byte (Latin-1) and
// NUL-terminated, but never read past their length in case a record is not terminated.
#pragma once

#include <QString>
#include <cstring>

#include "oskn_device.h"

inline QString oskn_Field_Text(const char* field, size_t length)
{
    const void* nul = std::memchr(field, 0, length);
    const size_t n = nul ? static_cast<size_t>(static_cast<const char*>(nul) - field) : length;
    return QString::fromLatin1(field, static_cast<int>(n));
}

inline QString device_Serial_Number(const _tDevice* device)
{
    return oskn_Field_Text(device->serialNumber, sizeof device->serialNumber);
}

inline QString device_Model_Number(const _tDevice* device)
{
    return oskn_Field_Text(device->modelNumber, sizeof device->modelNumber);
}

inline QString device_Firmware_Revision(const _tDevice* device)
{
    return oskn_Field_Text(device->firmwareRevision, sizeof device->firmwareRevision);
}
