// Results of many machines sent at once to one WebDAV server (a local nginx): each simulated
// machine has its own delivery queue, folder and drive logs, as a batch of machines booted from
// the network would. Prints the throughput, the failures the queues warned of, and the files
// lost or sent twice (both must be zero).
//
//   ./bench_upload [--machines N] [--drives N] [--kib N] [--down-first] [--dir PATH]
//
// --machines (200) machines with --drives (4) logs of --kib (16) KiB each. --down-first starts
// the server only once every queue has failed a first time, so that all of them retry together.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <memory>
#include <vector>

#include "delivery/deliveryqueue.h"
#include "log/logsapplication.h"
#include "webdavserver.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int machines = 200, drives = 4, kib = 16;
    bool downFirst = false;
    QString base;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--machines" && i + 1 < args.size())
            machines = std::max(1, args[++i].toInt());
        else if (args[i] == "--drives" && i + 1 < args.size())
            drives = std::max(1, args[++i].toInt());
        else if (args[i] == "--kib" && i + 1 < args.size())
            kib = std::max(1, args[++i].toInt());
        else if (args[i] == "--down-first")
            downFirst = true;
        else if (args[i] == "--dir" && i + 1 < args.size())
            base = args[++i];
        else {
            std::fprintf(stderr, "usage: %s [--machines N] [--drives N] [--kib N] [--down-first] [--dir PATH]\n", argv[0]);
            return 2;
        }
    }
    if (!WebDavServer::available()) {
        std::fprintf(stderr, "bench_upload: nginx is missing (tools/install-deps.sh installs it)\n");
        return 1;
    }
    QTemporaryDir scratch(base.isEmpty() ? QDir::tempPath() + "/bench-upload-XXXXXX" : base + "/bench-upload-XXXXXX");
    const QDir root(scratch.path());
    WebDavServer server(root.filePath("server"));
    if (!downFirst && !server.start()) {
        std::fprintf(stderr, "bench_upload: nginx did not start (see %s)\n", qPrintable(server.error_Log()));
        return 1;
    }

    // Each machine's logs: text lines as the panels write them, different per drive.
    QStringList names;
    for (int d = 0; d < drives; ++d)
        names << QString("BV2K4C7Q%1.log").arg(d, 4, 10, QChar('0'));
    qint64 bytes = 0;
    for (int m = 0; m < machines; ++m) {
        const QString dir = root.filePath(QString("machine-%1").arg(m, 3, 10, QChar('0')));
        QDir().mkpath(dir);
        for (const QString& name : names) {
            QByteArray text;
            while (text.size() < kib * 1024)
                text += QString("12-07  | 10:%1:%2 |  Error LBA: %3\n")
                            .arg(QRandomGenerator::global()->bounded(60), 2, 10, QChar('0'))
                            .arg(QRandomGenerator::global()->bounded(60), 2, 10, QChar('0'))
                            .arg(QRandomGenerator::global()->generate64() % (quint64(1) << 40))
                            .toLatin1();
            QFile f(QDir(dir).filePath(name));
            f.open(QIODevice::WriteOnly);
            f.write(text);
            bytes += text.size();
        }
    }

    const int logFrom = LogsApplication::Instance()->get_List_log().size();
    std::vector<std::unique_ptr<delivery::Queue>> queues;
    QElapsedTimer clock;
    clock.start();
    for (int m = 0; m < machines; ++m) {
        delivery::Settings s;
        s.url = server.url();
        s.machineFolder = QString("machine-%1").arg(m, 3, 10, QChar('0'));
        s.directory = root.filePath(s.machineFolder);
        s.firstRetryMs = 200;
        s.lastRetryMs = 2000;
        queues.emplace_back(new delivery::Queue(s));
        queues.back()->enqueue(names);
    }
    auto all_In = [&](delivery::Status::State state) {
        for (const auto& q : queues)
            if (q->status().state != state)
                return false;
        return true;
    };
    if (downFirst) {
        while (!all_In(delivery::Status::Failing))
            QThread::msleep(10);
        if (!server.start()) {
            std::fprintf(stderr, "bench_upload: nginx did not start (see %s)\n", qPrintable(server.error_Log()));
            return 1;
        }
    }
    while (!all_In(delivery::Status::Sent) && clock.elapsed() < 600000)
        QThread::msleep(5);
    const double seconds = clock.elapsed() / 1000.0;
    for (auto& q : queues)
        q->stop();

    int lost = 0, duplicates = 0;
    const QMap<QString, int> puts = server.successful_Puts();
    for (int m = 0; m < machines; ++m) {
        const QString machine = QString("machine-%1").arg(m, 3, 10, QChar('0'));
        for (const QString& name : names) {
            QFile local(root.filePath(machine + "/" + name));
            local.open(QIODevice::ReadOnly);
            if (server.received(machine, name) != local.readAll())
                ++lost;
            if (puts.value("/results/" + machine + "/" + name) > 1)
                ++duplicates;
        }
    }
    int warned = 0;
    for (const QString& line : LogsApplication::Instance()->get_List_log().mid(logFrom))
        warned += line.contains("Warning: results not sent");

    const int files = machines * drives;
    std::printf("machines %d, drives each %d, files %d of %d KiB (%.1f MiB)%s\n", machines, drives, files, kib,
                bytes / 1048576.0, downFirst ? ", server down at start" : "");
    std::printf("all delivered in %.2f s: %.0f files/s, %.1f MiB/s\n", seconds, files / seconds,
                bytes / 1048576.0 / seconds);
    std::printf("failures warned of %d, lost %d, sent twice %d\n", warned, lost, duplicates);
    return lost == 0 && duplicates == 0 ? 0 : 1;
}
