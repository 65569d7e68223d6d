// The per-drive record shared, byte for byte, between the program and the device-access
// library. The program zeroes an array of them, the library fills them during enumeration.
// Offsets are fixed and identical on 32-bit x86 and x86-64, hence the packing.
#pragma once

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Drive type codes (field driveType).
enum {
    OSKN_DRIVE_UNKNOWN = 0,
    OSKN_DRIVE_ATA = 1,
    OSKN_DRIVE_SCSI = 2,
    OSKN_DRIVE_NVME = 3,
    OSKN_DRIVE_NOT_A_DISK = 4, // optical drives, tape, enclosures: no panel
    OSKN_DRIVE_BLOCK = 5       // eMMC, virtio: reached as a plain block device, reads and writes only
};

// Interface type codes (field interfaceType).
enum {
    OSKN_INTERFACE_UNKNOWN = 0,
    OSKN_INTERFACE_ATA = 1,
    OSKN_INTERFACE_SCSI = 2,
    OSKN_INTERFACE_SAS = 3,
    OSKN_INTERFACE_NVME = 4,
    OSKN_INTERFACE_USB = 5,
    OSKN_INTERFACE_RAID = 6,
    OSKN_INTERFACE_VIRTUAL = 7,
    OSKN_INTERFACE_MMC = 8 // card readers: small writes, like USB
};

#define OSKN_SERIAL_LEN 30
#define OSKN_MODEL_LEN 41
#define OSKN_FIRMWARE_LEN 21

typedef struct __attribute__((packed)) _tDevice {
    uint8_t libraryArea0[52];      // 0: the library's own (handle, magic)
    uint32_t driveType;            // 52
    uint8_t libraryArea1[4];       // 56
    uint32_t interfaceType;        // 60
    uint32_t logicalSectorSize;    // 64
    uint32_t physicalSectorSize;   // 68
    uint8_t libraryArea2[4];       // 72
    uint64_t maxLBA;               // 76, not naturally aligned: highest addressable LBA
                                   //     (sectors - 1); 0 = no usable medium
    uint8_t libraryArea3[4];       // 84
    char serialNumber[OSKN_SERIAL_LEN];       // 88
    char modelNumber[OSKN_MODEL_LEN];         // 118
    char firmwareRevision[OSKN_FIRMWARE_LEN]; // 159
    uint16_t identifyData[256];    // 180: copy of the IDENTIFY DEVICE data
    uint8_t libraryArea4[616];     // 692: the library's own
} _tDevice;

#ifdef __cplusplus
static_assert(sizeof(_tDevice) == 1308, "device record size");
static_assert(offsetof(_tDevice, driveType) == 52, "driveType");
static_assert(offsetof(_tDevice, interfaceType) == 60, "interfaceType");
static_assert(offsetof(_tDevice, logicalSectorSize) == 64, "logicalSectorSize");
static_assert(offsetof(_tDevice, physicalSectorSize) == 68, "physicalSectorSize");
static_assert(offsetof(_tDevice, maxLBA) == 76, "maxLBA");
static_assert(offsetof(_tDevice, serialNumber) == 88, "serialNumber");
static_assert(offsetof(_tDevice, modelNumber) == 118, "modelNumber");
static_assert(offsetof(_tDevice, firmwareRevision) == 159, "firmwareRevision");
static_assert(offsetof(_tDevice, identifyData) == 180, "identifyData");
#else
_Static_assert(sizeof(_tDevice) == 1308, "device record size");
#endif

#ifdef __cplusplus
}
#endif
