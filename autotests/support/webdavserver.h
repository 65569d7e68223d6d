#pragma once

// A WebDAV server for the delivery suites and the upload benchmark: Debian's nginx with its DAV
// module, run by the calling user in the foreground on a free loopback port, everything (config,
// uploaded files, logs) in a folder of its own.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

class WebDavServer
{
public:
    // With tls, a certificate for 127.0.0.1 is made by the openssl command (certificate_File()).
    WebDavServer(const QString& folder, bool tls = false) : dir(folder), tls(tls)
    {
        dir.mkpath("root");
        dir.mkpath("temp");
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port = probe.serverPort();
        probe.close();
        if (tls)
            QProcess::execute("openssl", {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                                          "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                                          "subjectAltName=IP:127.0.0.1", "-keyout", dir.filePath("key.pem"),
                                          "-out", certificate_File()});
        write_Config();
    }
    ~WebDavServer() { stop(); }

    static bool available() { return !QStandardPaths::findExecutable("nginx", {"/usr/sbin", "/usr/bin"}).isEmpty(); }

    QString url() const { return QString("%1://127.0.0.1:%2/results/").arg(tls ? "https" : "http").arg(port); }
    QString certificate_File() const { return dir.filePath("cert.pem"); }
    // Where the server keeps what it received: root_Folder()/results/<machine>/<file>.
    QString root_Folder() const { return dir.filePath("root"); }
    QString error_Log() const { return dir.filePath("error.log"); }

    // Starts nginx and waits until it takes connections.
    bool start()
    {
        if (process.state() != QProcess::NotRunning)
            return true;
        dir.mkpath("root/results");
        process.setProgram(QStandardPaths::findExecutable("nginx", {"/usr/sbin", "/usr/bin"}));
        process.setArguments({"-p", dir.path(), "-c", dir.filePath("nginx.conf"), "-e", error_Log()});
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start();
        if (!process.waitForStarted(10000))
            return false;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 20000 && process.state() == QProcess::Running) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, port);
            if (socket.waitForConnected(200))
                return true;
            QThread::msleep(20);
        }
        return false;
    }

    void stop()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(10000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    // How many PUT requests the server answered with a success, by path.
    QMap<QString, int> successful_Puts() const
    {
        QMap<QString, int> count;
        QFile log(dir.filePath("access.log"));
        if (!log.open(QIODevice::ReadOnly))
            return count;
        for (const QByteArray& line : log.readAll().split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            if (f.size() == 3 && f[0] == "PUT" && f[2].startsWith('2'))
                ++count[QString::fromUtf8(f[1])];
        }
        return count;
    }

    QByteArray received(const QString& machine, const QString& file) const
    {
        QFile f(QDir(root_Folder()).filePath("results/" + machine + "/" + file));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }

private:
    void write_Config()
    {
        const QString d = dir.path();
        QString listen = QString("listen 127.0.0.1:%1%2;\n").arg(port).arg(tls ? " ssl" : "");
        if (tls)
            listen += "ssl_certificate " + certificate_File() + ";\nssl_certificate_key " + dir.filePath("key.pem")
                      + ";\n";
        const QString config =
            "daemon off;\nmaster_process off;\nworker_processes 1;\npid " + d + "/nginx.pid;\nerror_log "
            + error_Log() + " warn;\nevents { worker_connections 1024; }\nhttp {\n"
            "  log_format requests '$request_method $uri $status';\n  access_log " + d
            + "/access.log requests;\n  client_body_temp_path " + d + "/temp/body;\n  proxy_temp_path " + d
            + "/temp/proxy;\n  fastcgi_temp_path " + d + "/temp/fastcgi;\n  uwsgi_temp_path " + d
            + "/temp/uwsgi;\n  scgi_temp_path " + d + "/temp/scgi;\n  client_max_body_size 0;\n"
            "  keepalive_requests 100000;\n  server {\n    " + listen + "    root " + root_Folder()
            + ";\n    location / {\n      dav_methods PUT MKCOL;\n      dav_access user:rw group:r all:r;\n"
            "    }\n  }\n}\n";
        QFile f(dir.filePath("nginx.conf"));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(config.toUtf8());
    }

    QDir dir;
    bool tls;
    quint16 port = 0;
    QProcess process;
};
