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
#include "common/common.h"
#include "tests/erasefull.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    bench::OneDrive drive;
    drive.gib = 4;
    drive.dir = QDir::currentPath() + "/bench-images/erasefull";
    if (const int status = bench::one_Drive(app.arguments(), "erase", drive))
        return status;
    _tDevice* d = drive.drive;
    const int rounds = drive.rounds;
    const QString& image = drive.image;
    const uint64_t bytes = drive.bytes;
    const double eraseBytes = double(d->maxLBA + 1) * d->logicalSectorSize;

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
