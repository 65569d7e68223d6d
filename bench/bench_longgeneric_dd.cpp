// Long generic test against dd over the same image.
//
//   OSKN_VIRTUAL_DRIVES is set by the benchmark itself; run from the build directory:
//   ./bench_longgeneric_dd [--gib N] [--dir PATH] [--sparse] [--cold] [--rounds N]
//
// By default it writes N GiB (4) of real, non-zero data into a fresh image first, so both
// readers read data blocks, not holes; --sparse leaves the image empty (every read is a hole).
// Both readers see the same page-cache state: warm (the image as left by the writes and the
// previous reader) or, with --cold, evicted before each run; they take turns going first. On a
// virtual machine "evicted" only concerns this system's cache: the host may still hold the data. The output says how much of the
// image was cached before each run.
//
// The long generic test lowers its own thread to nice 10 so that scans of cached drives leave the
// window responsive; dd is run at the same niceness (--dd-nice, 0 for none) so that, on a busy
// machine, both compete for the processors alike.
#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>

#include <cstdio>

#include "bench_support.h"
#include "common/common.h"
#include "tests/longgeneric.h"

namespace {

struct Options {
    double gib = 4;
    QString dir;
    bool sparse = false;
    bool cold = false;
    int rounds = 4;
    int ddNice = 10;
};

bool fill_With_Data(_tDevice* d)
{
    const uint32_t sectors = 16384; // 8 MiB a command
    std::vector<uint8_t> data(size_t(sectors) * d->logicalSectorSize);
    uint64_t x = 0x9E3779B97F4A7C15ull;
    for (size_t i = 0; i + 8 <= data.size(); i += 8) { // non-zero, not compressible
        x ^= x << 13, x ^= x >> 7, x ^= x << 17;
        std::memcpy(&data[i], &x, 8);
    }
    for (uint64_t lba = 0; lba <= d->maxLBA;) {
        const uint32_t n = uint32_t(std::min<uint64_t>(sectors, d->maxLBA - lba + 1));
        if (scsi_Write_16(d, 0, false, false, lba, 0, n, data.data()) != 0)
            return false;
        lba += n;
    }
    return true;
}

QString load_Average()
{
    QFile f("/proc/loadavg");
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readLine()) : QString("unknown\n");
}

QString cache_Text(double fraction)
{
    return fraction < 0 ? QString("unknown") : QString::number(fraction * 100, 'f', 0) + " % cached";
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Options o;
    o.dir = QDir::currentPath() + "/bench-images/longgeneric";
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--gib" && i + 1 < args.size())
            o.gib = args[++i].toDouble();
        else if (args[i] == "--dir" && i + 1 < args.size())
            o.dir = args[++i];
        else if (args[i] == "--rounds" && i + 1 < args.size())
            o.rounds = args[++i].toInt();
        else if (args[i] == "--dd-nice" && i + 1 < args.size())
            o.ddNice = args[++i].toInt();
        else if (args[i] == "--sparse")
            o.sparse = true;
        else if (args[i] == "--cold")
            o.cold = true;
        else {
            std::fprintf(stderr, "usage: %s [--gib N] [--dir PATH] [--sparse] [--cold] [--rounds N] [--dd-nice N]\n", argv[0]);
            return 2;
        }
    }

    const uint64_t bytes = uint64_t(o.gib * 1024 * 1024 * 1024) / 32768 * 32768;
    const QString image = o.dir + "/bench1.img";
    QFile::remove(image);
    if (!bench::describe_Drives(o.dir, 1, bytes, "bench")) {
        std::fprintf(stderr, "cannot use %s\n", qPrintable(o.dir));
        return 1;
    }
    std::vector<_tDevice> drives = bench::enumerate_Drives();
    if (drives.size() != 1 || drives[0].maxLBA == 0) {
        std::fprintf(stderr, "the benchmark drive did not appear\n");
        return 1;
    }
    _tDevice* d = &drives[0];
    std::printf("image: %s, %.2f GiB, %s\n", qPrintable(image), bytes / 1073741824.0,
                o.sparse ? "sparse (never written: every read is a hole)" : "written with real data first");
    if (!o.sparse) {
        QElapsedTimer t;
        t.start();
        if (!fill_With_Data(d)) {
            std::fprintf(stderr, "writing the image failed\n");
            return 1;
        }
        const double seconds = t.nsecsElapsed() / 1e9;
        std::printf("wrote %llu MiB in %.1f s (%s)\n", (unsigned long long)(bytes >> 20), seconds,
                    qPrintable(bench::mbps(double(bytes), seconds)));
    }
    // The test reads sectors 0 .. maxLBA - 1; dd reads the whole file.
    const double testBytes = double(d->maxLBA) * d->logicalSectorSize;

    double ddTotalBytes = 0, ddTotalSeconds = 0, testTotalBytes = 0, testTotalSeconds = 0;
    for (int round = 1; round <= o.rounds; ++round) {
        // Alternate which reader goes first, so neither always meets the cache the other left.
        double cachedDd = 0, cachedTest = 0, ddSeconds = -1, testSeconds = -1;
        qint64 ddBytes = 0;
        for (int turn = 0; turn < 2; ++turn) {
            if (o.cold)
                bench::evict(image);
            if ((turn == 0) == (round % 2 == 1)) {
                cachedDd = bench::cached_Fraction(image);
                ddSeconds = bench::run_Dd({"if=" + image, "of=/dev/null", "bs=32k"}, &ddBytes, o.ddNice);
            } else {
                cachedTest = bench::cached_Fraction(image);
                testSeconds = bench::run_To_End<LongGeneric>(d);
            }
        }
        if (ddSeconds <= 0 || testSeconds <= 0) {
            std::fprintf(stderr, "round %d: %s failed\n", round, ddSeconds <= 0 ? "dd" : "the long generic test");
            return 1;
        }
        const double ddRate = ddBytes / ddSeconds, testRate = testBytes / testSeconds;
        ddTotalBytes += double(ddBytes);
        ddTotalSeconds += ddSeconds;
        testTotalBytes += testBytes;
        testTotalSeconds += testSeconds;
        std::printf("round %d (%s first): dd bs=32k %8.1f MB/s (%s)   long generic test %8.1f MB/s (%s)   ratio %.2f\n",
                    round, round % 2 ? "dd" : "test", ddRate / 1e6, qPrintable(cache_Text(cachedDd)), testRate / 1e6,
                    qPrintable(cache_Text(cachedTest)), testRate / ddRate);
    }
    const double ddAll = ddTotalBytes / ddTotalSeconds, testAll = testTotalBytes / testTotalSeconds;
    std::printf("all rounds: dd %.1f MB/s, long generic test %.1f MB/s, ratio %.2f\n", ddAll / 1e6,
                testAll / 1e6, testAll / ddAll);
    std::printf("dd ran at nice %d; machine load: %s", o.ddNice, qPrintable(load_Average()));
    QFile::remove(image);
    return 0;
}
