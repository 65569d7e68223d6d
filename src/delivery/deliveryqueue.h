#pragma once

#include "delivery/davclient.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace delivery {

struct Settings {
    QString url;           // the results collection as the user gave it
    QString machineFolder; // one path segment under it (MachineIdentity::folder_Name)
    QString directory = "."; // where the files to send and the outbox are
    DavClient::Limits limits;
    int firstRetryMs = 2000;
    int lastRetryMs = 120000;
};

struct Status {
    enum State {
        Connecting, // nothing answered yet
        Sent,       // everything queued has arrived
        Waiting,    // files queued, no failure so far
        Failing,    // the last try failed (reason); trying again after a pause
        BadUrl,     // the address is not usable: nothing is sent this run
        Refused     // the server's certificate failed verification: nothing is sent this run
    };
    State state = Connecting;
    int queued = 0;
    QString server;       // host[:port], for the user
    QString reason;       // Failing and Refused
    QString outboxReason; // set while the outbox cannot be written
};

// Sends finished operations' files to URL/<machine folder>/ with WebDAV PUT, on a thread of its
// own, so that no result waits for the network. A file is queued by its name only: each upload
// sends what the file holds at that moment, and queueing a name that waits already changes
// nothing but which content goes. The names waiting are kept in the outbox file beside the
// files, rewritten and synced at every change, and a queue started later sends them.
class Queue : public QObject
{
    Q_OBJECT
public:
    static const char* const environmentVariable; // KESTROVA_RESULTS
    static const char* const outboxName;

    // The queue that KESTROVA_RESULTS asks for (files and outbox in the current directory), or
    // null when the variable is unset or empty.
    static Queue* from_Environment(QObject* parent = nullptr);

    explicit Queue(const Settings& settings, QObject* parent = nullptr);
    ~Queue() override;

    // Empty when url is an http:// or https:// address with a host and without a query or a
    // fragment; otherwise why not. *base gets the encoded collection address ending with '/'.
    static QString check_Url(const QString& url, QByteArray* base);

    // Names of files in the directory; a name that is not a plain file name is ignored.
    void enqueue(const QStringList& names);
    Status status() const;
    // Where the files go (the password of the address left out).
    QString destination() const { return shownDestination; }
    // Ends the thread, breaking off a transfer. What was not sent stays in the outbox.
    void stop();

signals:
    void status_Changed();
    void file_Sent(QString name);

private:
    struct Entry {
        QString name;
        quint64 generation;
    };
    using Clock = std::chrono::steady_clock;

    void run();
    void load_Outbox();
    void save_Outbox(); // with the lock held
    void set_State(Status::State state, const QString& reason = QString()); // lock held
    void failed(const Reply& reply, const QString& name); // lock held
    int find(const QString& name) const;
    void note_Changed();

    Settings settings;
    QByteArray base;
    QByteArray folderUrl;
    QString shownDestination;
    mutable std::mutex lock;
    std::condition_variable wake;
    std::atomic<bool> stopping{false};
    std::thread worker;
    QList<Entry> pending;
    quint64 generations = 0;
    Status current;
    QString loggedFailure;
    Clock::time_point retryAt;
    int retryMs = 0;
};

} // namespace delivery
