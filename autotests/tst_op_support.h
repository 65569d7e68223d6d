// Shared by the operation suites: virtual drives from a fixture (fresh for every load), the
// application log's new lines reduced to "LEVEL | message", and running a test to its end.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <vector>

#include "common.h"
#include "devicetext.h"
#include "logsapplication.h"
#include "maintest.h"
#include "oskn_operations.h"
#include "oskn_public.h"

namespace optest {

inline QString fixture_Path(const QString& name)
{
    return qEnvironmentVariable("KV_FIXTURES", QFileInfo(__FILE__).path() + "/fixtures") + "/ops/" + name;
}

// The drives of one fixture. Each load copies the description into a new directory, so the
// drives start as described (the library keeps a drive for the life of the process per file).
class Drives
{
public:
    bool load(const QString& fixture, const QByteArray& replaceFrom = {}, const QByteArray& replaceTo = {})
    {
        QFile in(fixture_Path(fixture));
        if (!in.open(QIODevice::ReadOnly))
            return false;
        QByteArray text = in.readAll();
        if (!replaceFrom.isEmpty())
            text.replace(replaceFrom, replaceTo);
        return load_Text(text, fixture);
    }

    // A description made by the test itself.
    bool load_Text(const QByteArray& text, const QString& name = "drives.json")
    {
        if (!dir.isValid())
            return false;
        const QString path = dir.path() + "/" + QString::number(++loads) + "-" + name;
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size())
            return false;
        out.close();
        qputenv("OSKN_VIRTUAL_DRIVES", QFile::encodeName(path));
        uint32_t count = 0;
        if (get_Device_Count(&count, OSKN_SCAN_ALL_DRIVES) != 0 || count == 0)
            return false;
        records.assign(count, _tDevice{}); // all zeros, as the library expects
        versionBlock block;
        get_Version_Block(&block);
        return get_Device_List(records.data(), count * uint32_t(sizeof(_tDevice)), block,
                               OSKN_SCAN_ALL_DRIVES) == 0;
    }

    _tDevice* by_Serial(const QString& serial)
    {
        for (_tDevice& d : records)
            if (device_Serial_Number(&d) == serial)
                return &d;
        qFatal("no drive %s in the fixture", qPrintable(serial));
        return nullptr;
    }

    std::vector<_tDevice> records;

private:
    QTemporaryDir dir;
    int loads = 0;
};

// The lines the application log gained since the mark, as "LOG_LEVEL  |message" with the
// level's prefix kept byte for byte and the time stamp checked and dropped.
class LogTail
{
public:
    LogTail() { mark = LogsApplication::Instance()->get_List_log().size(); }

    QStringList lines() const
    {
        static const QRegularExpression form(
            "^\\n(LOG_[A-Z]+ +\\| )[A-Z][a-z]{2} \\d\\d \\d{4} - \\d\\d:\\d\\d:\\d\\d \\|   (.*) $",
            QRegularExpression::DotMatchesEverythingOption);
        const QStringList all = LogsApplication::Instance()->get_List_log();
        QStringList out;
        for (int i = mark; i < all.size(); ++i) {
            const QRegularExpressionMatch m = form.match(all[i]);
            out << (m.hasMatch() ? m.captured(1) + m.captured(2) : "MALFORMED: " + all[i]);
        }
        return out;
    }

private:
    int mark;
};

inline QString debug(const QString& m) { return "LOG_DEBUG  | " + m; }
inline QString info(const QString& m) { return "LOG_INFO      | " + m; }
inline QString error(const QString& m) { return "LOG_ERROR  | " + m; }
inline QString fatal(const QString& m) { return "LOG_FATAL  | " + m; }

// Runs the test's thread to its end and returns the status it reported.
inline int run_To_End(MainTest* test, int timeoutMs = 60000)
{
    int status = -1;
    QObject::connect(test, &MainTest::changeStatus, test, [&status](int s) { status = s; },
                     Qt::DirectConnection);
    test->start();
    if (!test->wait(timeoutMs))
        qFatal("operation did not end");
    return status;
}

// count consecutive LBAs from first, as decimal texts (the panel's lists).
inline QStringList lba_Range(int first, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out << QString::number(first + i);
    return out;
}

// Drives described with "disappearAfterSeconds": 1000000 vanish at once (the program's clock
// jumps a year ahead) and come back with bring_Back_Drives().
inline void vanish_Drives() { set_Time_Source_Offset_For_Test(365ull * 24 * 3600 * 1000000000ull); }
inline void bring_Back_Drives() { set_Time_Source_Offset_For_Test(0); }

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

} // namespace optest
