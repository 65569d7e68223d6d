// How close an overwrite erase of an NVMe drive comes to the drive's own speed: a virtual NVMe
// drive of 3,500 MB/s (or --mbps) is erased front to back, last block included, with erase_Range
// (NVMe Write of zeros), and the rate is printed against the drive's; a best share below 0.9 is
// marked. The drive is sized to take about --seconds; zeros over a hole cost no memory.
//   bench_nvme_erase [--mbps N] [--seconds N] [--rounds N]   (from the build directory)
#include <QCoreApplication>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bench_support.h"
#include "deviceaccess/oskn_operations.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    double mbps = 3500, seconds = 6;
    int rounds = 3;
    for (int i = 1; i < argc; ++i) {
        const bool valued = i + 1 < argc;
        if (valued && !std::strcmp(argv[i], "--mbps"))
            mbps = std::atof(argv[++i]);
        else if (valued && !std::strcmp(argv[i], "--seconds"))
            seconds = std::atof(argv[++i]);
        else if (valued && !std::strcmp(argv[i], "--rounds"))
            rounds = std::atoi(argv[++i]);
        else {
            std::fprintf(stderr, "usage: %s [--mbps N] [--seconds N] [--rounds N]\n", argv[0]);
            return 2;
        }
    }
    QTemporaryDir dir;
    const uint64_t bytes = uint64_t(std::max(mbps * 1e6 * seconds, 8388608.0)) / 4096 * 4096;
    const QString path = dir.filePath("erase.json");
    QFile f(path);
    const QByteArray json = "{ \"drives\": [ { \"name\": \"erase\", \"serial\": \"ERASE-1\", \"interface\": \"nvme\", "
                            "\"capacityBytes\": " + QByteArray::number(qulonglong(bytes)) +
                            ", \"throughputMBps\": " + QByteArray::number(mbps) + " } ] }\n";
    if (!f.open(QIODevice::WriteOnly) || f.write(json) != json.size())
        return 1;
    f.close();
    qputenv("OSKN_VIRTUAL_DRIVES", QFile::encodeName(path));
    std::vector<_tDevice> drives = bench::enumerate_Drives();
    if (drives.size() != 1) {
        std::fprintf(stderr, "no virtual drive\n");
        return 1;
    }
    _tDevice* d = &drives[0];
    const uint64_t blocks = d->maxLBA + 1;
    const double total = double(blocks) * d->logicalSectorSize;
    std::printf("NVMe drive of %g MB/s, %.1f MB:\n", mbps, total / 1e6);
    double best = 0;
    for (int round = 1; round <= rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        const int rc = erase_Range(d, 0, blocks, 0);
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double rate = total / s / 1e6;
        best = std::max(best, rate);
        std::printf("  round %d: %.2f MB/s, %.3f of the drive's speed%s\n", round, rate, rate / mbps,
                    rc ? " (the erase failed)" : "");
        std::fflush(stdout);
    }
    std::printf("best: %.3f of the drive's speed%s\n", best / mbps, best / mbps < 0.9 ? " (below 0.9)" : "");
    return 0;
}
