// Shared by the benchmarks: image-backed virtual drives in a scratch directory, page-cache
// residency of an image, and reading a long generic test to its end.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include "tests/maintest.h"
#include "deviceaccess/oskn_public.h"

namespace bench {

// Writes a description of `count` image-backed drives of `bytes` each into dir and points the
// library at it. Returns false when the directory cannot be used.
inline bool describe_Drives(const QString& dir, int count, uint64_t bytes, const QString& prefix)
{
    if (!QDir().mkpath(dir))
        return false;
    QByteArray json = "{ \"imageDirectory\": \"" + QFile::encodeName(dir) + "\", \"drives\": [";
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        json += (i ? ",\n" : "\n") + QByteArray("  { \"name\": \"") + prefix.toLatin1() + n
                + "\", \"model\": \"Bench Disk\", \"serial\": \"" + prefix.toUpper().toLatin1() + "-" + n
                + "\", \"capacityBytes\": " + QByteArray::number(qulonglong(bytes))
                + ", \"storage\": \"image\" }";
    }
    json += "\n] }\n";
    const QString path = dir + "/" + prefix + ".json";
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(json) != json.size())
        return false;
    f.close();
    qputenv("OSKN_VIRTUAL_DRIVES", QFile::encodeName(path));
    return true;
}

inline std::vector<_tDevice> enumerate_Drives();

// The options of a benchmark of one drive: its size, how many rounds, where its image goes.
struct OneDrive {
    double gib = 1;
    int rounds = 3;
    QString dir;
    QString image;
    uint64_t bytes = 0; // the image's size
    std::vector<_tDevice> drives;
    _tDevice* drive = nullptr;
};

// Reads --gib, --dir and --rounds, then makes a fresh image-backed drive <prefix>1.img of that
// size; prints why and returns the exit status (2 for bad options, 1 otherwise) when it cannot.
inline int one_Drive(const QStringList& args, const QString& prefix, OneDrive& o)
{
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--gib" && i + 1 < args.size())
            o.gib = args[++i].toDouble();
        else if (args[i] == "--dir" && i + 1 < args.size())
            o.dir = args[++i];
        else if (args[i] == "--rounds" && i + 1 < args.size())
            o.rounds = args[++i].toInt();
        else {
            std::fprintf(stderr, "usage: %s [--gib N] [--dir PATH] [--rounds N]\n", qPrintable(args.value(0)));
            return 2;
        }
    }
    const uint64_t bytes = o.bytes = uint64_t(o.gib * 1024 * 1024 * 1024) / 32768 * 32768;
    o.image = o.dir + "/" + prefix + "1.img";
    QFile::remove(o.image);
    if (!describe_Drives(o.dir, 1, bytes, prefix)) {
        std::fprintf(stderr, "cannot use %s\n", qPrintable(o.dir));
        return 1;
    }
    o.drives = enumerate_Drives();
    if (o.drives.size() != 1 || o.drives[0].maxLBA == 0) {
        std::fprintf(stderr, "the benchmark drive did not appear\n");
        return 1;
    }
    o.drive = &o.drives[0];
    std::printf("image: %s, %.2f GiB\n", qPrintable(o.image), bytes / 1073741824.0);
    return 0;
}

inline std::vector<_tDevice> enumerate_Drives()
{
    uint32_t count = 0;
    get_Device_Count(&count, OSKN_SCAN_ALL_DRIVES);
    std::vector<_tDevice> records(count);
    if (count) {
        std::memset(records.data(), 0, count * sizeof(_tDevice));
        versionBlock block;
        get_Version_Block(&block);
        get_Device_List(records.data(), count * uint32_t(sizeof(_tDevice)), block, OSKN_SCAN_ALL_DRIVES);
    }
    return records;
}

// Fraction of the file's pages in the page cache (0..1), or -1 when it cannot be told.
inline double cached_Fraction(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return -1;
    const off_t size = ::lseek(fd, 0, SEEK_END);
    double result = -1;
    if (size > 0) {
        void* map = ::mmap(nullptr, size_t(size), PROT_READ, MAP_SHARED, fd, 0);
        if (map != MAP_FAILED) {
            const long page = ::sysconf(_SC_PAGESIZE);
            std::vector<unsigned char> pages(size_t((size + page - 1) / page));
            if (::mincore(map, size_t(size), pages.data()) == 0) {
                size_t resident = 0;
                for (unsigned char p : pages)
                    resident += p & 1;
                result = double(resident) / double(pages.size());
            }
            ::munmap(map, size_t(size));
        }
    }
    ::close(fd);
    return result;
}

// Asks the kernel to drop the file's clean pages from the page cache.
inline void evict(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return;
    ::fdatasync(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

inline QString mbps(double bytes, double seconds)
{
    return QString::number(bytes / seconds / 1e6, 'f', 1) + " MB/s";
}

// Runs dd with the C locale (optionally under nice) and returns the seconds it reports, or -1;
// *bytes receives the bytes it copied.
inline double run_Dd(const QStringList& ddArgs, qint64* bytes, int niceness = 0)
{
    QProcess dd;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C");
    dd.setProcessEnvironment(env);
    if (niceness > 0)
        dd.start("nice", QStringList({"-n", QString::number(niceness), "dd"}) + ddArgs);
    else
        dd.start("dd", ddArgs);
    if (!dd.waitForFinished(-1) || dd.exitCode() != 0)
        return -1;
    const QString err = QString::fromLocal8Bit(dd.readAllStandardError());
    const QRegularExpressionMatch m = QRegularExpression("(\\d+) bytes .* copied, ([0-9.e+-]+) s").match(err);
    if (!m.hasMatch())
        return -1;
    *bytes = m.captured(1).toLongLong();
    return m.captured(2).toDouble();
}

// Seconds a test needed on its own thread, or -1 when it did not pass.
template <class Test>
double run_To_End(_tDevice* d)
{
    Test test(d);
    int status = -1;
    QObject::connect(&test, &MainTest::changeStatus, &test, [&](int s) { status = s; }, Qt::DirectConnection);
    QElapsedTimer clock;
    clock.start();
    test.start();
    test.wait();
    const double seconds = clock.nsecsElapsed() / 1e9;
    return status == 0 ? seconds : -1;
}

} // namespace bench
