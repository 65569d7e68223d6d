// libOsknPublic: enumeration, the device record, IDENTIFY, READ(16)/WRITE(16), logs, native max
// address, spin-down, write_LBA and the maker check.
//
// Every call that takes a record needs one filled by get_Device_List; records stay valid for the
// life of the process (an old array keeps working after a rescan). Calls on different drives run
// in parallel; calls on one drive are serialised inside the library. Buffers belong to the caller.
#pragma once

#include <stdbool.h>
#include <stdint.h>

#include "oskn_api.h"
#include "oskn_device.h"
#include "oskn_return.h"

#ifdef __cplusplus
extern "C" {
#endif

// 8 bytes, passed by value to get_Device_List, which refuses a block it was not built with
// (OSKN_LIBRARY_MISMATCH).
typedef struct _versionBlock {
    uint32_t recordSize; // sizeof(_tDevice) the caller was built with: 1308
    uint32_t version;    // OSKN_VERSION_BLOCK_VERSION
} versionBlock;

#define OSKN_VERSION_BLOCK_VERSION 0x00010000u

// Flags of get_Device_Count / get_Device_List: 0xFF = every kind of drive (the only value used).
#define OSKN_SCAN_ALL_DRIVES 0xFFull

// Size of the IDENTIFY DEVICE data, SMART data and a log page.
#define OSKN_SECTOR_BYTES 512

// Number of drives the active transport sees (the virtual drives of OSKN_VIRTUAL_DRIVES when
// that is set, otherwise the machine's disks).
OSKNPUBLIC_API int get_Device_Count(uint32_t* numberOfDevices, uint64_t flags);

OSKNPUBLIC_API int get_Version_Block(versionBlock* block);

// Fills sizeInBytes / 1308 zeroed records. Drives found beyond the array are left out; records
// beyond the drives found stay zero (max LBA 0). A drive that does not answer gets a record with
// max LBA 0 and its identity as far as known.
OSKNPUBLIC_API int get_Device_List(_tDevice* deviceList, uint32_t sizeInBytes, versionBlock block,
                                   uint64_t flags);

// The maker's verdict: the model number begins with "Brevane" (any letter case). With
// includeUsb false, a drive behind a USB bridge is never counted as the maker's.
OSKNPUBLIC_API bool is_Brevane(_tDevice* device, bool includeUsb);

// IDENTIFY DEVICE (ATA drives, also behind SAT/USB bridges). dataSize must be at least 512.
// Not an ATA drive: OSKN_NOT_SUPPORTED.
OSKNPUBLIC_API int ata_Identify(_tDevice* device, uint8_t* ptrData, uint32_t dataSize);

// READ LOG EXT of dataSize / 512 pages from pageNumber. options and features: 0.
OSKNPUBLIC_API int ata_Read_Log_Ext(_tDevice* device, uint8_t logAddress, uint16_t pageNumber,
                                    uint8_t* ptrData, uint32_t dataSize, uint8_t options,
                                    uint16_t features);

// SMART READ DATA (512 bytes).
OSKNPUBLIC_API int ata_SMART_Read_Data(_tDevice* device, uint8_t* ptrData, uint32_t dataSize);

// SMART READ THRESHOLDS (512 bytes): 30 entries of 12 bytes from byte 2, attribute id then its
// threshold. Obsolete in the newest ATA standards, so a drive may refuse it.
OSKNPUBLIC_API int ata_SMART_Read_Thresholds(_tDevice* device, uint8_t* ptrData, uint32_t dataSize);

// SMART READ LOG of dataSize / 512 sectors of logAddress (6 = SMART self-test log).
OSKNPUBLIC_API int ata_SMART_Read_Log(_tDevice* device, uint8_t logAddress, uint8_t* ptrData,
                                      uint32_t dataSize);

// Native max address (highest LBA) through READ NATIVE MAX ADDRESS EXT (Host Protected Area
// feature set).
OSKNPUBLIC_API int ata_Get_Native_Max_LBA(_tDevice* device, uint64_t* nativeMaxLBA);

// Native max address through GET NATIVE MAX ADDRESS EXT (Accessible Max Address Configuration).
OSKNPUBLIC_API int ata_Get_Native_Max_Address_Ext(_tDevice* device, uint64_t* nativeMaxLBA);

// READ(16) of transferLength logical sectors into ptrData (transferLength x logical sector size
// bytes). A range past the record's max LBA is refused (OSKN_BAD_PARAMETER) without a command.
// 0 success; OSKN_CANNOT_PERFORM when the drive cannot read (command unsupported, write/read
// protected); OSKN_COMMAND_FAILURE for a medium error; OSKN_FAILURE when the drive refuses the
// transfer itself (too long for a bridge); other codes as named.
OSKNPUBLIC_API int scsi_Read_16(_tDevice* device, uint8_t rdProtect, bool dpo, bool fua, bool rarc,
                                uint64_t lba, uint8_t groupNumber, uint32_t transferLength,
                                uint8_t* ptrData);

// WRITE(16); results as scsi_Read_16. A transfer length of 0 writes nothing and succeeds.
OSKNPUBLIC_API int scsi_Write_16(_tDevice* device, uint8_t wrProtect, bool dpo, bool fua,
                                 uint64_t lba, uint8_t groupNumber, uint32_t transferLength,
                                 uint8_t* ptrData);

// Writes dataSize bytes (a whole number of logical sectors) at lba.
OSKNPUBLIC_API int write_LBA(_tDevice* device, uint64_t lba, bool forceUnitAccess, uint8_t* ptrData,
                             uint32_t dataSize);

// The operating system's name of the drive (/dev/sdb), or the virtual drive's name, into path
// with its NUL. OSKN_BAD_PARAMETER when size cannot hold it all.
OSKNPUBLIC_API int get_Device_Path(_tDevice* device, char* path, uint32_t size);

// STANDBY IMMEDIATE for ATA drives, START STOP UNIT (stop) for others; forceScsiStop uses the
// latter for every drive. OSKN_NOT_SUPPORTED when the drive refuses.
OSKNPUBLIC_API int spin_down_drive(_tDevice* device, bool forceScsiStop);

#ifdef __cplusplus
}
#endif
