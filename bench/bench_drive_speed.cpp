// How close a scan's 64-sector reads come to the drive's own speed: a virtual drive with a set
// throughput is read front to back through scsi_Read_16 in 64-sector calls, and the rate is
// printed against the drive's. The drive's time runs while the caller takes its calls from a
// window, so this is where reading the next window ahead shows.
// With --nvme the drive is an NVMe one (3,500 MB/s unless --mbps says otherwise), read through the
// same call with NVMe Read commands.
//   bench_drive_speed [--nvme] [--mbps N] [--gib N] [--rounds N]     (run from the build directory)
#include <QCoreApplication>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "bench_support.h"
#include "transferbuffer.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    double mbps = 0;
    double gib = 1;
    int rounds = 3;
    bool nvme = false;
    for (int i = 1; i < argc; i += 2) {
        if (!std::strcmp(argv[i], "--nvme")) {
            nvme = true;
            --i;
        } else if (i + 1 >= argc) {
            std::fprintf(stderr, "usage: %s [--nvme] [--mbps N] [--gib N] [--rounds N]\n", argv[0]);
            return 2;
        } else if (!std::strcmp(argv[i], "--mbps"))
            mbps = std::atof(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--gib"))
            gib = std::atof(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--rounds"))
            rounds = std::atoi(argv[i + 1]);
        else {
            std::fprintf(stderr, "usage: %s [--nvme] [--mbps N] [--gib N] [--rounds N]\n", argv[0]);
            return 2;
        }
    }
    if (mbps <= 0)
        mbps = nvme ? 3500 : 1000;
    QTemporaryDir dir;
    const uint64_t bytes = uint64_t(gib * 1073741824.0) / 512 * 512;
    const QString path = dir.filePath("speed.json");
    QFile f(path);
    const QByteArray json = "{ \"drives\": [ { \"name\": \"speed\", \"serial\": \"SPEED-1\", " +
                            QByteArray(nvme ? "\"interface\": \"nvme\", " : "") + "\"capacityBytes\": " +
                            QByteArray::number(qulonglong(bytes)) + ", \"throughputMBps\": " + QByteArray::number(mbps) +
                            " } ] }\n";
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
        const double rate = double(bytes) / seconds / 1e6;
        best = std::max(best, rate);
        std::printf("round %d: %s %.1f MB/s, %.3f of the drive's %.0f MB/s%s\n", round, nvme ? "NVMe" : "SATA", rate,
                    rate / mbps, mbps,
                    failed ? " (reads failed)" : "");
    }
    std::printf("best: %.3f of the drive's speed\n", best / mbps);
    return 0;
}
