// What the read-back after an erase costs.
//
//   OSKN_VIRTUAL_DRIVES is set by the benchmark itself; run from the build directory:
//   ./bench_erase_verify [--gib N] [--dir PATH] [--rounds N]
//
// On one image-backed virtual drive of N GiB (2), each round
//  - runs an erase overwrite full with its sampled read-back, and prints the read-back's time as
//    a share of the erase's own (the target: at most 5 %);
//  - reads the whole drive back as --verifyFull does and runs the long generic test over it,
//    taking turns going first, and prints the read-back's speed as a share of the scan's (the
//    target: at least 0.9).
#include <QCoreApplication>
#include <QElapsedTimer>

#include <atomic>
#include <cstdio>

#include "bench_support.h"
#include "common/common.h"
#include "tests/erasefull.h"
#include "tests/eraseverifier.h"
#include "tests/longgeneric.h"

namespace {

// Seconds of the erase's writing and of its read-back, from the first progress the read-back
// reports; false when the erase did not pass.
bool timed_Erase(_tDevice* d, double& eraseSeconds, double& verifySeconds)
{
    EraseFull test(d);
    int status = -1;
    qint64 verifyStart = -1;
    QElapsedTimer clock;
    QObject::connect(&test, &MainTest::changeStatus, &test, [&](int s) { status = s; }, Qt::DirectConnection);
    QObject::connect(&test, &MainTest::changeVerification, &test,
                     [&](double) {
                         if (verifyStart < 0)
                             verifyStart = clock.nsecsElapsed();
                     },
                     Qt::DirectConnection);
    clock.start();
    test.start();
    test.wait();
    const qint64 end = clock.nsecsElapsed();
    if (status != 0 || verifyStart < 0)
        return false;
    eraseSeconds = verifyStart / 1e9;
    verifySeconds = (end - verifyStart) / 1e9;
    return true;
}

double full_Read_Back(_tDevice* d)
{
    EraseVerifier::set_Full_Read_Back(true);
    EraseVerifier verifier(d, {{0, d->maxLBA}}, EraseVerifier::Expect::Pattern);
    EraseVerifier::set_Full_Read_Back(false);
    std::atomic<bool> abort{false};
    QElapsedTimer clock;
    clock.start();
    const EraseVerifier::Result r = verifier.verify(abort, {});
    return r == EraseVerifier::Result::Sound ? clock.nsecsElapsed() / 1e9 : -1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    bench::OneDrive drive;
    drive.gib = 2;
    drive.dir = QDir::currentPath() + "/bench-images/eraseverify";
    if (const int status = bench::one_Drive(app.arguments(), "verify", drive))
        return status;
    _tDevice* d = drive.drive;
    const int rounds = drive.rounds;
    const QString& image = drive.image;
    const double driveBytes = double(d->maxLBA + 1) * d->logicalSectorSize;

    double eraseAll = 0, sampleAll = 0, fullAll = 0, scanAll = 0;
    for (int round = 1; round <= rounds; ++round) {
        double erase = 0, sample = 0;
        if (!timed_Erase(d, erase, sample)) {
            std::fprintf(stderr, "round %d: the full erase failed\n", round);
            return 1;
        }
        double full = -1, scan = -1;
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == (round % 2 == 1))
                full = full_Read_Back(d);
            else
                scan = bench::run_To_End<LongGeneric>(d);
        }
        if (full <= 0 || scan <= 0) {
            std::fprintf(stderr, "round %d: %s failed\n", round, full <= 0 ? "the full read-back" : "the scan");
            return 1;
        }
        eraseAll += erase;
        sampleAll += sample;
        fullAll += full;
        scanAll += scan;
        std::printf("round %d: erase %6.2f s + sampled read-back %5.3f s (%4.1f %%)   full read-back %8.1f MB/s, "
                    "long scan %8.1f MB/s (%s first), ratio %.2f\n",
                    round, erase, sample, sample / erase * 100, driveBytes / full / 1e6, driveBytes / scan / 1e6,
                    round % 2 ? "read-back" : "scan", scan / full);
    }
    std::printf("all rounds: sampled read-back adds %.1f %% to the erase (target at most 5 %%); full read-back "
                "at %.2f of the long scan's speed (target at least 0.9)\n",
                sampleAll / eraseAll * 100, scanAll / fullAll);
    QFile::remove(image);
    return 0;
}
