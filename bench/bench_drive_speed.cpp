// How close a scan's 64-sector reads come to the drive's own speed: a virtual drive with a set
// throughput is read front to back through scsi_Read_16 in 64-sector calls, and the rate is
// printed against the drive's. The drive's time runs while the caller takes its calls from a
// window, so this is where reading the next window ahead shows. Without --mbps it reads drives
// of 2, 3.5 and 8 MB/s (a failing drive, a slow USB stick) and of 200, 500 and 2000 MB/s, each
// sized to take about --seconds, and marks a best share below 0.9. With --nvme the drive is an
// NVMe one (3,500 MB/s unless --mbps says otherwise), read through the same call with NVMe Read.
//   bench_drive_speed [--nvme] [--mbps N] [--gib N | --seconds N] [--rounds N]   (from the build directory)
#include <QCoreApplication>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench_support.h"
#include "deviceaccess/transferbuffer.h"

namespace {

// Best share of the drive's speed over the rounds, or -1 when the drive cannot be set up.
double measure(const QTemporaryDir& dir, int index, double mbps, uint64_t bytes, int rounds, bool nvme)
{
    const QString path = dir.filePath(QString("speed-%1.json").arg(index));
    QFile f(path);
    const QByteArray json = "{ \"drives\": [ { \"name\": \"speed\", \"serial\": \"SPEED-" + QByteArray::number(index) +
                            "\", " + QByteArray(nvme ? "\"interface\": \"nvme\", " : "") + "\"capacityBytes\": " + QByteArray::number(qulonglong(bytes)) +
                            ", \"throughputMBps\": " + QByteArray::number(mbps) + " } ] }\n";
    if (!f.open(QIODevice::WriteOnly) || f.write(json) != json.size())
        return -1;
    f.close();
    qputenv("OSKN_VIRTUAL_DRIVES", QFile::encodeName(path));
    std::vector<_tDevice> drives = bench::enumerate_Drives();
    if (drives.size() != 1) {
        std::fprintf(stderr, "no virtual drive\n");
        return -1;
    }
    _tDevice* d = &drives[0];
    TransferBuffer buffer(64 * 512);
    const uint64_t sectors = d->maxLBA + 1;
    double best = 0;
    for (int round = 1; round <= rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        uint64_t failed = 0;
        for (uint64_t lba = 0; lba < sectors; lba += 64)
            failed += scsi_Read_16(d, 0, false, false, false, lba, 0, uint32_t(std::min<uint64_t>(64, sectors - lba)),
                                   buffer.data()) != 0;
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double rate = double(sectors * 512) / seconds / 1e6;
        best = std::max(best, rate);
        std::printf("  round %d: %.2f MB/s, %.3f of the drive's %g MB/s%s\n", round, rate, rate / mbps, mbps,
                    failed ? " (reads failed)" : "");
        std::fflush(stdout);
    }
    return best / mbps;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::vector<double> speeds = {2, 3.5, 8, 200, 500, 2000};
    double gib = 0, seconds = 6;
    int rounds = 3;
    bool nvme = false, speedGiven = false;
    for (int i = 1; i < argc; ++i) {
        const bool valued = i + 1 < argc;
        if (!std::strcmp(argv[i], "--nvme"))
            nvme = true;
        else if (valued && !std::strcmp(argv[i], "--mbps")) {
            speeds = {std::atof(argv[++i])};
            speedGiven = true;
        } else if (valued && !std::strcmp(argv[i], "--gib"))
            gib = std::atof(argv[++i]);
        else if (valued && !std::strcmp(argv[i], "--seconds"))
            seconds = std::atof(argv[++i]);
        else if (valued && !std::strcmp(argv[i], "--rounds"))
            rounds = std::atoi(argv[++i]);
        else {
            std::fprintf(stderr, "usage: %s [--nvme] [--mbps N] [--gib N | --seconds N] [--rounds N]\n", argv[0]);
            return 2;
        }
    }
    if (nvme && !speedGiven)
        speeds = {3500};
    QTemporaryDir dir;
    std::vector<std::pair<double, double>> results;
    for (size_t i = 0; i < speeds.size(); ++i) {
        const double mbps = speeds[i];
        // At least 8 MiB, so that a drive spans several windows.
        const double size = gib > 0 ? gib * 1073741824.0 : std::max(mbps * 1e6 * seconds, 8388608.0);
        const uint64_t bytes = uint64_t(size) / 512 * 512;
        std::printf("%s drive of %g MB/s, %.1f MB:\n", nvme ? "NVMe" : "SATA", mbps, double(bytes) / 1e6);
        const double share = measure(dir, int(i), mbps, bytes, rounds, nvme);
        if (share < 0)
            return 1;
        results.emplace_back(mbps, share);
    }
    for (const auto& [mbps, share] : results)
        std::printf("best at %g MB/s: %.3f of the drive's speed%s\n", mbps, share, share < 0.9 ? " (below 0.9)" : "");
    return 0;
}
