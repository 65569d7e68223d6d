#include "results/resultsrecord.h"

#include "deviceaccess/devicetext.h"
#include "log/logfile.h"
#include "deviceaccess/oskn_public.h"
#include "tests/maintest.h"

#include <QFile>
#include <QSaveFile>

#include <nlohmann/json.hpp>


namespace results {

namespace {

using json = nlohmann::ordered_json;

std::string utf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

QString drive_Type_Name(uint32_t type)
{
    switch (type) {
    case OSKN_DRIVE_ATA: return "ATA";
    case OSKN_DRIVE_SCSI: return "SCSI";
    case OSKN_DRIVE_NVME: return "NVMe";
    case OSKN_DRIVE_BLOCK: return "block";
    default: return "unknown";
    }
}

QString interface_Name(uint32_t type)
{
    switch (type) {
    case OSKN_INTERFACE_ATA: return "ATA";
    case OSKN_INTERFACE_SCSI: return "SCSI";
    case OSKN_INTERFACE_SAS: return "SAS";
    case OSKN_INTERFACE_NVME: return "NVMe";
    case OSKN_INTERFACE_USB: return "USB";
    case OSKN_INTERFACE_RAID: return "RAID";
    case OSKN_INTERFACE_VIRTUAL: return "virtual";
    case OSKN_INTERFACE_MMC: return "MMC";
    default: return "unknown";
    }
}

// An ATA drive says in IDENTIFY word 217 whether it spins (0401h-FFFEh: its speed) or not (1).
QString media_Type(const _tDevice* device)
{
    if (device->driveType == OSKN_DRIVE_NVME || device->interfaceType == OSKN_INTERFACE_MMC)
        return "flash";
    if (device->driveType == OSKN_DRIVE_ATA) {
        const uint16_t rate = device->identifyData[217];
        if (rate == 1)
            return "flash";
        if (rate >= 0x0401 && rate != 0xFFFF)
            return "magnetic";
    }
    return "unknown";
}

// "2026-12-07T22:15:52.123+01:00": the offset always written out, "+00:00" for UTC too.
json iso_Time(const QDateTime& time)
{
    if (!time.isValid())
        return nullptr;
    const int offset = time.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    const QString zone = QString("%1%2:%3")
                             .arg(offset < 0 ? '-' : '+')
                             .arg(minutes / 60, 2, 10, QChar('0'))
                             .arg(minutes % 60, 2, 10, QChar('0'));
    return utf8(time.toString("yyyy-MM-ddTHH:mm:ss.zzz") + zone);
}

json lba_List(const QList<uint64_t>& lbas)
{
    json out = json::array();
    for (uint64_t lba : lbas)
        out.push_back(lba);
    return out;
}

json from_Variant(const QVariant& value)
{
    switch (int(value.type())) {
    case QMetaType::Bool: return value.toBool();
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Char: return int64_t(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::UChar: return uint64_t(value.toULongLong());
    case QMetaType::Double:
    case QMetaType::Float: return value.toDouble();
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        json out = json::array();
        for (const QVariant& item : value.toList())
            out.push_back(from_Variant(item));
        return out;
    }
    case QMetaType::QVariantMap: {
        json out = json::object();
        const QVariantMap map = value.toMap();
        for (auto it = map.constBegin(); it != map.constEnd(); ++it)
            out[utf8(it.key())] = from_Variant(it.value());
        return out;
    }
    default:
        if (!value.isValid() || value.isNull())
            return nullptr;
        return utf8(value.toString());
    }
}


} // namespace

DriveIdentity DriveIdentity::of(_tDevice* device)
{
    DriveIdentity id;
    id.model = device_Model_Number(device).trimmed();
    id.serial = device_Serial_Number(device).trimmed();
    id.firmware = device_Firmware_Revision(device).trimmed();
    id.blockSize = MainTest::logical_Sector_Size(device);
    id.physicalBlockSize = device->physicalSectorSize ? device->physicalSectorSize : id.blockSize;
    id.logicalBlocks = device->maxLBA ? device->maxLBA + 1 : 0;
    id.driveType = drive_Type_Name(device->driveType);
    id.interface = interface_Name(device->interfaceType);
    id.mediaType = media_Type(device);
    char path[256] = {};
    if (get_Device_Path(device, path, sizeof path) == 0)
        id.transportPath = QString::fromLocal8Bit(path);
    return id;
}

QString verdict_Text(int status)
{
    switch (status) {
    case TestStatus::Pass: return "PASS";
    case TestStatus::UnableToRun: return "UNABLE TO RUN";
    case TestStatus::Aborted: return "ABORTED";
    case TestStatus::InProgress: return "IN PROGRESS";
    default: return "FAIL";
    }
}

QByteArray to_Json_Line(const Record& r)
{
    const OperationOutcome& o = r.outcome;
    json parameters = json::object();
    for (auto it = o.parameters.constBegin(); it != o.parameters.constEnd(); ++it)
        parameters[utf8(it.key())] = from_Variant(it.value());
    json codes = json::array();
    for (int code : o.libraryCodes)
        codes.push_back(code);
    json verification = nullptr;
    if (!o.verification.method.isEmpty())
        verification = json{{"method", utf8(o.verification.method)},
                            {"seed", o.verification.seed},
                            {"sectorsRead", o.verification.sectorsRead},
                            {"sectorsCompared", o.verification.sectorsCompared},
                            {"mismatches", o.verification.mismatches},
                            {"mismatchLbas", lba_List(o.verification.mismatchLbas)}};

    const json record = {
        {"schemaVersion", schemaVersion},
        {"program", {{"name", "Kestrova Bootable"}, {"version", KESTROVA_VERSION}}},
        {"drive",
         {{"model", utf8(r.drive.model)},
          {"serial", utf8(r.drive.serial)},
          {"firmware", utf8(r.drive.firmware)},
          {"capacityBytes", r.drive.capacity_Bytes()},
          {"logicalBlocks", r.drive.logicalBlocks},
          {"blockSize", r.drive.blockSize},
          {"physicalBlockSize", r.drive.physicalBlockSize},
          {"driveType", utf8(r.drive.driveType)},
          {"interface", utf8(r.drive.interface)},
          {"transportPath", utf8(r.drive.transportPath)},
          {"mediaType", utf8(r.drive.mediaType)}}},
        {"machine",
         {{"vendor", utf8(r.machine.vendor)},
          {"product", utf8(r.machine.product)},
          {"serial", utf8(r.machine.serial)},
          {"uuid", utf8(r.machine.uuid)}}},
        {"operation", {{"name", utf8(r.operation)}, {"type", r.testType}, {"parameters", parameters}}},
        {"started", iso_Time(o.started)},
        {"ended", iso_Time(o.ended)},
        {"verdict", utf8(verdict_Text(r.status))},
        {"status", r.status},
        {"reason", utf8(o.reason)},
        {"libraryCodes", codes},
        {"unreadableLbas", lba_List(o.unreadableLbas)},
        {"fixedLbas", lba_List(o.fixedLbas)},
        {"verification", verification},
        {"operator", utf8(r.operatorName)},
        {"organisation", utf8(r.organisation)}};
    // Drive-supplied text may hold bytes that are not UTF-8; replace them, never throw.
    return QByteArray::fromStdString(record.dump(-1, ' ', false, json::error_handler_t::replace));
}

QString records_Name(const QString& logName)
{
    return (logName.endsWith(".log") ? logName.chopped(4) : logName) + ".jsonl";
}

bool append_Record(const QString& name, const QByteArray& line)
{
    QFile file("./" + name);
    const bool existed = file.exists();
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return false;
    qint64 end = file.size();
    // A record a crash left half written has no line break after it: drop it, the operation it
    // belonged to has no record then rather than a broken one.
    if (end > 0) {
        const qint64 window = std::min<qint64>(end, 1 << 20);
        if (file.seek(end - window)) {
            const QByteArray tail = file.read(window);
            if (!tail.endsWith('\n')) {
                const int cut = tail.lastIndexOf('\n');
                const qint64 whole = cut < 0 ? (window == end ? 0 : end) : end - window + cut + 1;
                if (whole != end && file.resize(whole))
                    end = whole;
            }
        }
    }
    return logfile::write_Synced_At(file, end, line + '\n', existed);
}

bool write_File(const QString& name, const QByteArray& bytes)
{
    return logfile::replace_Bytes_Atomically(name, bytes);
}

} // namespace results
