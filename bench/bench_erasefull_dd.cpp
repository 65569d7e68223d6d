// Erase overwrite full against dd writing zeros over the same image.
//
//   OSKN_VIRTUAL_DRIVES is set by the benchmark itself; run from the build directory:
//   ./bench_erasefull_dd [--gib N] [--dir PATH] [--rounds N]
//
// Each round writes the whole image of N GiB (4) twice: once by the full erase through the
// virtual drive (WRITE(16) of 64 sectors, 32 KiB, a command) and once by
// `dd if=/dev/zero bs=32k conv=notrunc` over the same file, taking turns going first. Both
// write to the page cache and leave the flushing to the kernel, so neither pays for the
// other's dirty pages more than the order of the turns does.
#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>

#include <cstdio>

#include "bench_support.h"
#include "common.h"
#include "erasefull.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    double gib = 4;
    int rounds = 3;
    QString dir = QDir::currentPath() + "/bench-images/erasefull";
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--gib" && i + 1 < args.size())
            gib = args[++i].toDouble();
        else if (args[i] == "--dir" && i + 1 < args.size())
            dir = args[++i];
        else if (args[i] == "--rounds" && i + 1 < args.size())
            rounds = args[++i].toInt();
        else {
            std::fprintf(stderr, "usage: %s [--gib N] [--dir PATH] [--rounds N]\n", argv[0]);
            return 2;
        }
    }

    const uint64_t bytes = uint64_t(gib * 1024 * 1024 * 1024) / 32768 * 32768;
    const QString image = dir + "/erase1.img";
    QFile::remove(image);
    if (!bench::describe_Drives(dir, 1, bytes, "erase")) {
        std::fprintf(stderr, "cannot use %s\n", qPrintable(dir));
        return 1;
    }
    std::vector<_tDevice> drives = bench::enumerate_Drives();
    if (drives.size() != 1 || drives[0].maxLBA == 0) {
        std::fprintf(stderr, "the benchmark drive did not appear\n");
        return 1;
    }
    _tDevice* d = &drives[0];
    const double eraseBytes = double(d->maxLBA + 1) * d->logicalSectorSize;
    std::printf("image: %s, %.2f GiB\n", qPrintable(image), bytes / 1073741824.0);

    double ddBytes = 0, ddSeconds = 0, eraseTotal = 0, eraseSeconds = 0;
    for (int round = 1; round <= rounds; ++round) {
        double dds = -1, es = -1;
        qint64 written = 0;
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == (round % 2 == 1))
                dds = bench::run_Dd({"if=/dev/zero", "of=" + image, "bs=32k", "conv=notrunc",
                                     "count=" + QString::number(qint64(bytes) / 32768)},
                                    &written);
            else
                es = bench::run_To_End<EraseFull>(d);
        }
        if (dds <= 0 || es <= 0) {
            std::fprintf(stderr, "round %d: %s failed\n", round, dds <= 0 ? "dd" : "the full erase");
            return 1;
        }
        ddBytes += double(written);
        ddSeconds += dds;
        eraseTotal += eraseBytes;
        eraseSeconds += es;
        std::printf("round %d (%s first): dd bs=32k %8.1f MB/s   full erase %8.1f MB/s   ratio %.2f\n", round,
                    round % 2 ? "dd" : "erase", written / dds / 1e6, eraseBytes / es / 1e6,
                    (eraseBytes / es) / (written / dds));
    }
    const double dd = ddBytes / ddSeconds, erase = eraseTotal / eraseSeconds;
    std::printf("all rounds: dd %.1f MB/s, full erase %.1f MB/s, ratio %.2f\n", dd / 1e6, erase / 1e6, erase / dd);
    QFile::remove(image);
    return 0;
}
