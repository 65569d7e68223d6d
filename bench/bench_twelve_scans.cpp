// Twelve long generic tests at once, each on its own image-backed virtual drive and reporting to
// a real drive panel, while the GUI thread's event loop is watched: a 10 ms timer records how late
// each tick comes.
//
//   ./bench_twelve_scans [--gib N] [--dir PATH] [--drives N] [--cold] [--bare]
//
// The images are sparse (never written). Unless --cold is given they are read once before the
// timed run, so the holes sit in the page cache and the figures measure the program and the
// emulator rather than the kernel filling the cache; the output gives the cached share.
// --bare connects the progress signals to an empty receiver instead of the drive panels.
// Set QT_QPA_PLATFORM=offscreen to run without a display.
#include <QApplication>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "bench_support.h"
#include "device/device.h"
#include "tests/longgeneric.h"
#include "log/viewlog.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    double gib = 1;
    int count = 12;
    bool cold = false, bare = false;
    QString dir = QDir::currentPath() + "/bench-images/twelve";
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--gib" && i + 1 < args.size())
            gib = args[++i].toDouble();
        else if (args[i] == "--dir" && i + 1 < args.size())
            dir = args[++i];
        else if (args[i] == "--drives" && i + 1 < args.size())
            count = std::max(1, args[++i].toInt());
        else if (args[i] == "--cold")
            cold = true;
        else if (args[i] == "--bare")
            bare = true;
        else {
            std::fprintf(stderr, "usage: %s [--gib N] [--dir PATH] [--drives N] [--cold] [--bare]\n", argv[0]);
            return 2;
        }
    }
    const uint64_t bytes = uint64_t(gib * 1024 * 1024 * 1024) / 32768 * 32768;
    for (int i = 1; i <= count; ++i)
        QFile::remove(dir + "/scan" + QString::number(i) + ".img");
    if (!bench::describe_Drives(dir, count, bytes, "scan")) {
        std::fprintf(stderr, "cannot use %s\n", qPrintable(dir));
        return 1;
    }
    std::vector<_tDevice> drives = bench::enumerate_Drives();
    if (int(drives.size()) != count) {
        std::fprintf(stderr, "expected %d drives, found %zu\n", count, drives.size());
        return 1;
    }

    double cached = 0;
    for (int i = 1; i <= count; ++i) {
        const QString image = dir + "/scan" + QString::number(i) + ".img";
        if (!cold) {
            QFile f(image);
            std::vector<char> chunk(1 << 20);
            if (f.open(QIODevice::ReadOnly))
                while (f.read(chunk.data(), qint64(chunk.size())) > 0) {
                }
        }
        cached += std::max(0.0, bench::cached_Fraction(image)) / count;
    }

    QFile loadFile("/proc/loadavg");
    const QString loadBefore = loadFile.open(QIODevice::ReadOnly) ? QString::fromLatin1(loadFile.readLine()) : "unknown\n";

    QWidget window;
    QObject sink;
    auto* layout = new QVBoxLayout(&window);
    ViewLog* viewLog = ViewLog::Instance();
    std::vector<LongGeneric*> tests;
    int finished = 0, passed = 0;
    double totalBytes = 0;
    for (_tDevice& d : drives) {
        auto* panel = new device(d, &window);
        layout->addWidget(panel);
        auto* test = new LongGeneric(&d);
        *panel->get_Descriptor() = *test->getDescriptor();
        panel->execute();
        if (bare)
            QObject::connect(test, &LongGeneric::changePercent, &sink, [](double) {}, Qt::QueuedConnection);
        else
            QObject::connect(test, &LongGeneric::changePercent, panel,
                             QOverload<double>::of(&device::change_Progress_Value), Qt::QueuedConnection);
        QObject::connect(test, &LongGeneric::changeTimeEstimate, panel,
                         QOverload<QString>::of(&device::change_Progress_Value), Qt::QueuedConnection);
        QObject::connect(test, &LongGeneric::change_Log_Erro_Test_Device, panel,
                         &device::log_Erro_Test_Device, Qt::QueuedConnection);
        QObject::connect(test, &MainTest::changeStatus, panel, &device::change_Progress_status);
        QObject::connect(test, &MainTest::change_Logs, viewLog, &ViewLog::print_Logs);
        QObject::connect(test, &MainTest::changeStatus, &app, [&](int status) {
            passed += status == 0;
            if (++finished == count)
                QTimer::singleShot(0, &app, &QCoreApplication::quit);
        });
        tests.push_back(test);
        totalBytes += double(d.maxLBA) * d.logicalSectorSize;
    }
    window.show();
    // The window has been on screen for a while when a test starts: let it lay out, paint and
    // load the progress bar's fonts before the clock runs.
    for (device* panel : window.findChildren<device*>()) {
        panel->change_Progress_Value(0.0);
        panel->change_Progress_Value(QString("00:00:00"));
        panel->change_Progress_Value(0.0);
    }
    viewLog->print_Logs();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        app.processEvents(QEventLoop::AllEvents, 50);

    // Lateness of a 10 ms timer: how long the event loop was kept from its timers.
    QElapsedTimer sinceTick, clock;
    qint64 worstStallNs = 0, worstStallAt = 0, ticks = 0;
    std::vector<qint64> stalls;
    QTimer meter;
    meter.setTimerType(Qt::PreciseTimer);
    meter.setInterval(10);
    QObject::connect(&meter, &QTimer::timeout, [&] {
        const qint64 gap = sinceTick.nsecsElapsed();
        sinceTick.restart();
        const qint64 late = std::max<qint64>(0, gap - 10000000);
        if (late > worstStallNs) {
            worstStallNs = late;
            worstStallAt = clock.nsecsElapsed();
        }
        stalls.push_back(late);
        ++ticks;
    });

    QTimer::singleShot(0, [&] {
        sinceTick.start();
        meter.start();
        clock.start();
        for (LongGeneric* t : tests)
            t->start();
    });
    app.exec();
    const double seconds = clock.nsecsElapsed() / 1e9;
    meter.stop();
    for (LongGeneric* t : tests) {
        t->wait();
        delete t;
    }

    std::sort(stalls.begin(), stalls.end());
    const qint64 p99 = stalls.empty() ? 0 : stalls[size_t(double(stalls.size() - 1) * 0.99)];
    std::printf("%d long generic tests over sparse images of %.2f GiB (%d passed), %.0f %% cached, "
                "progress to %s\n", count, bytes / 1073741824.0, passed, cached * 100,
                bare ? "an empty receiver" : "drive panels");
    std::printf("wall time %.2f s, aggregate %s, per drive %s\n", seconds,
                qPrintable(bench::mbps(totalBytes, seconds)), qPrintable(bench::mbps(totalBytes / count, seconds)));
    std::printf("GUI event loop: %lld ticks of 10 ms, longest stall %.1f ms (ending %.2f s into the run), "
                "99th percentile %.1f ms\n", (long long)ticks, worstStallNs / 1e6, worstStallAt / 1e9, p99 / 1e6);
    std::printf("machine load before the run: %s", qPrintable(loadBefore));
    for (int i = 1; i <= count; ++i)
        QFile::remove(dir + "/scan" + QString::number(i) + ".img");
    return passed == count ? 0 : 1;
}
