#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "machine/machineidentity.h"
#include "deviceaccess/oskn_device.h"
#include "tests/operationoutcome.h"

// The machine-readable account of one finished operation: one JSON object per line in
// "<serial>.jsonl" beside the drive's log. Scripts and audits read it; the erasure certificate
// carries the SHA-256 of the line it belongs to.
namespace results {

// Bumped whenever a field changes meaning or goes away; new optional fields keep it.
constexpr int schemaVersion = 1;

struct DriveIdentity {
    QString model;
    QString serial;
    QString firmware;
    uint64_t logicalBlocks = 0; // max LBA + 1
    uint32_t blockSize = 512;
    uint32_t physicalBlockSize = 512;
    QString driveType;     // "ATA", "SCSI", "NVMe", "block", "unknown"
    QString interface;     // "ATA", "SCSI", "SAS", "NVMe", "USB", "RAID", "virtual", "MMC", "unknown"
    QString transportPath; // /dev/sdb, or the virtual drive's name
    QString mediaType;     // "flash", "magnetic" or "unknown"

    uint64_t capacity_Bytes() const { return logicalBlocks * blockSize; }
    static DriveIdentity of(_tDevice* device);
};

struct Record {
    DriveIdentity drive;
    MachineIdentity machine;
    QString operation; // the operation's name as the drive log gives it
    int testType = 0;
    int status = 0;    // the operation's final status
    OperationOutcome outcome;
    QString operatorName;
    QString organisation;
};

// "PASS", "FAIL", "UNABLE TO RUN", "ABORTED", "IN PROGRESS".
QString verdict_Text(int status);

// The record as one line of compact JSON, without the line break. Times are ISO 8601 with the
// UTC offset; 64-bit numbers stay exact.
QByteArray to_Json_Line(const Record& record);

// The records file that goes with a drive log's file name: "ABC~2.log" -> "ABC~2.jsonl".
QString records_Name(const QString& logName);

// Appends line and a line break to "./" + name, synced to the medium. Whole or not at all: a
// write that fails is cut back, and a line a crash left unfinished at the file's end is cut off
// before the next one is added, so every line of the file is a complete record.
bool append_Record(const QString& name, const QByteArray& line);

// Writes "./" + name with bytes, synced; an existing file of that name is left as it was when
// the write does not go through whole.
bool write_File(const QString& name, const QByteArray& bytes);

} // namespace results
