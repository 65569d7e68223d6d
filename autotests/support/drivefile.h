#pragma once

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include <sys/resource.h>

#include "deviceaccess/oskn_public.h"

// Writes a virtual-drive description and points the library at it.
inline QString use_Virtual_Drives(QTemporaryDir& dir, const QString& name, const QJsonArray& drives)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(QJsonDocument(QJsonObject{{"imageDirectory", "images"}, {"drives", drives}}).toJson());
    f.close();
    qputenv("OSKN_VIRTUAL_DRIVES", path.toLocal8Bit());
    return path;
}

inline QJsonObject virtual_Drive(const QString& name, const QString& model, const QString& serial,
                                 qint64 maxLba = 2000000)
{
    return QJsonObject{{"name", name}, {"model", model}, {"serial", serial}, {"maxLba", maxLba}};
}

// A drive of the maker, whose model is its name after "Brevane BV".
inline QJsonObject maker_Drive(const QString& name, const QString& serial, qint64 maxLba = 2000000)
{
    return virtual_Drive(name, "Brevane BV" + name, serial, maxLba);
}

// The drives of OSKN_VIRTUAL_DRIVES in records filled by discovery, with extra zeroed slots.
inline std::vector<_tDevice> discover_Records(uint32_t extraSlots = 0)
{
    uint32_t count = 0;
    versionBlock block;
    if (get_Device_Count(&count, OSKN_SCAN_ALL_DRIVES) != 0 || get_Version_Block(&block) != 0)
        return {};
    std::vector<_tDevice> records(count + extraSlots, _tDevice{}); // all zeros, as the library expects
    if (get_Device_List(records.data(), uint32_t(records.size() * sizeof(_tDevice)), block, OSKN_SCAN_ALL_DRIVES) != 0)
        return {};
    return records;
}

// Fills sectors [lba, lba + count) with a non-zero pattern, in one command.
inline bool fill_Sectors(_tDevice* d, uint64_t lba, uint32_t count, uint8_t value = 0xA5)
{
    std::vector<uint8_t> data(size_t(count) * d->logicalSectorSize, value);
    return scsi_Write_16(d, 0, false, false, lba, 0, count, data.data()) == 0;
}

// True when the sector reads back as all zeros.
inline bool sector_Is_Zero(_tDevice* d, uint64_t lba)
{
    std::vector<uint8_t> data(d->logicalSectorSize, 0xFF);
    return scsi_Read_16(d, 0, false, false, false, lba, 0, 1, data.data()) == 0
           && std::all_of(data.begin(), data.end(), [](uint8_t b) { return b == 0; });
}

inline bool all_Zero(_tDevice* d, uint64_t from, uint64_t to)
{
    for (uint64_t lba = from; lba <= to; ++lba)
        if (!sector_Is_Zero(d, lba))
            return false;
    return true;
}

// One READ(16) or WRITE(16) of count sectors at lba, through the library's public call.
inline int read_Sectors(_tDevice* d, uint64_t lba, uint32_t count, void* buffer)
{
    return scsi_Read_16(d, 0, false, false, false, lba, 0, count, static_cast<uint8_t*>(buffer));
}
inline int write_Sectors(_tDevice* d, uint64_t lba, uint32_t count, void* buffer)
{
    return scsi_Write_16(d, 0, false, false, lba, 0, count, static_cast<uint8_t*>(buffer));
}

// A text field of the device record, up to its length when it is not terminated.
inline QString record_Text(const char* field, size_t n) { return QString::fromLatin1(field, int(strnlen(field, n))); }

// Runs the body on a medium that takes only `bytes` more per file (RLIMIT_FSIZE, its signal
// ignored), as a full one would.
inline void on_Full_Medium(rlim_t bytes, const std::function<void()>& body)
{
    struct sigaction ignore = {}, before = {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &before);
    rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &small);
    body();
    setrlimit(RLIMIT_FSIZE, &saved);
    sigaction(SIGXFSZ, &before, nullptr);
}

inline QString file_Text(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
