#include "delivery/deliveryqueue.h"

#include "log/logsapplication.h"
#include "machine/machineidentity.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QUrl>

#include <fcntl.h>
#include <unistd.h>

namespace delivery {

const char* const Queue::environmentVariable = "KESTROVA_RESULTS";
const char* const Queue::outboxName = "kestrova-outbox.txt";

namespace {

bool plain_File_Name(const QString& name)
{
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') && !name.contains('\n')
           && !name.contains('\r') && !name.contains(QChar(0)) && name != Queue::outboxName;
}

void sync_Directory(const QString& directory)
{
    const int fd = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void log_Info(const QString& text)
{
    LogsApplication::Instance()->kestrova_Log_Info("Test information: " + text);
}

void log_Warning(const QString& text)
{
    LogsApplication::Instance()->kestrova_Log_Error("Warning: " + text);
}

} // namespace

Queue* Queue::from_Environment(QObject* parent)
{
    const QString url = qEnvironmentVariable(environmentVariable).trimmed();
    if (url.isEmpty())
        return nullptr;
    Settings settings;
    settings.url = url;
    settings.machineFolder = MachineIdentity::read().folder_Name();
    return new Queue(settings, parent);
}

QString Queue::check_Url(const QString& url, QByteArray* base)
{
    const QUrl parsed(url.trimmed(), QUrl::StrictMode);
    if (!parsed.isValid())
        return "not a URL";
    if (parsed.scheme() != "http" && parsed.scheme() != "https")
        return "not http:// or https://";
    if (parsed.host().isEmpty())
        return "no server named";
    if (parsed.hasQuery() || parsed.hasFragment())
        return "a query or fragment where a folder belongs";
    QUrl folder = parsed;
    if (!folder.path().endsWith('/'))
        folder.setPath(folder.path() + '/');
    if (base)
        *base = folder.toEncoded();
    return QString();
}

Queue::Queue(const Settings& settings, QObject* parent) : QObject(parent), settings(settings)
{
    const QString problem = check_Url(settings.url, &base);
    QUrl shown(QString::fromLatin1(base));
    shown.setUserInfo(QString());
    folderUrl = base + QUrl::toPercentEncoding(settings.machineFolder) + '/';
    // An address that does not parse is shown as given, but for a password in it.
    static const QRegularExpression password("(//[^/@:]*):[^/@]*@");
    const QString given = QString(settings.url.trimmed()).replace(password, "\\1:***@");
    current.server = problem.isEmpty() ? shown.authority() : given;
    shownDestination = problem.isEmpty() ? QUrl(QString::fromLatin1(folderUrl)).toString(QUrl::RemovePassword) : given;
    load_Outbox();
    if (!problem.isEmpty()) {
        // The files stay listed in the outbox: a later start with a usable address sends them.
        current.state = Status::BadUrl;
        current.reason = problem;
        log_Warning("results address is not a valid http:// or https:// URL (" + problem + "): " + given
                    + "; results stay in local files only");
        return;
    }
    log_Info("results go to " + shownDestination);
    retryMs = settings.firstRetryMs;
    worker = std::thread([this] { run(); });
}

Queue::~Queue()
{
    stop();
}

void Queue::stop()
{
    {
        std::lock_guard<std::mutex> hold(lock);
        stopping = true;
    }
    wake.notify_all();
    if (worker.joinable())
        worker.join();
}

Status Queue::status() const
{
    std::lock_guard<std::mutex> hold(lock);
    return current;
}

int Queue::find(const QString& name) const
{
    for (int i = 0; i < pending.size(); ++i)
        if (pending[i].name == name)
            return i;
    return -1;
}

void Queue::enqueue(const QStringList& names)
{
    {
        std::lock_guard<std::mutex> hold(lock);
        for (const QString& name : names) {
            if (!plain_File_Name(name))
                continue;
            const int at = find(name);
            // A name already waiting keeps its place; only the content sent will be newer.
            if (at >= 0)
                pending[at].generation = ++generations;
            else
                pending.append({name, ++generations});
        }
        save_Outbox();
        current.queued = pending.size();
        if (current.state == Status::Sent)
            current.state = Status::Waiting;
    }
    wake.notify_all();
    note_Changed();
}

void Queue::note_Changed()
{
    emit status_Changed();
}

void Queue::load_Outbox()
{
    QFile file(QDir(settings.directory).filePath(outboxName));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    for (const QString& name : lines) {
        if (!plain_File_Name(name) || find(name) >= 0)
            continue;
        pending.append({name, ++generations});
    }
    current.queued = pending.size();
    if (!pending.isEmpty())
        log_Info(QString("%1 results files from an earlier run wait to be sent").arg(pending.size()));
}

void Queue::save_Outbox()
{
    const QString path = QDir(settings.directory).filePath(outboxName);
    QString problem;
    if (pending.isEmpty()) {
        if (QFile::exists(path) && !QFile::remove(path))
            problem = "cannot remove " + path;
    } else {
        QByteArray text;
        for (const Entry& entry : qAsConst(pending))
            text += entry.name.toUtf8() + '\n';
        // Written aside, synced and renamed over the old list: a crash leaves one whole list.
        // Unbuffered: a short write (a full medium) must show here, as commit() lets a failed flush
        // of its buffer pass and would put a cut list in place. It need not leave an error text.
        QSaveFile file(path);
        const bool saved = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(text) == text.size()
                           && file.commit();
        if (!saved)
            problem = file.errorString().isEmpty() ? QString("write failed") : file.errorString();
    }
    if (problem.isEmpty())
        sync_Directory(settings.directory);
    if (problem != current.outboxReason) {
        if (!problem.isEmpty())
            log_Warning("results outbox " + path + " not saved: " + problem
                        + "; the files queued are sent while the program runs");
        else
            log_Info("results outbox saved again");
    }
    current.outboxReason = problem;
}

void Queue::set_State(Status::State state, const QString& reason)
{
    current.state = state;
    current.reason = reason;
    current.queued = pending.size();
}

void Queue::failed(const Reply& reply, const QString& name)
{
    if (reply.kind == Reply::Certificate) {
        set_State(Status::Refused, reply.detail);
        log_Warning("results server " + current.server + " refused: its certificate failed verification ("
                    + reply.detail + "); results stay in local files only");
        return;
    }
    set_State(Status::Failing, reply.reason);
    if (reply.reason != loggedFailure) {
        loggedFailure = reply.reason;
        log_Warning("results not sent to " + shownDestination + name + ": " + reply.detail + "; trying again");
    }
    retryAt = Clock::now() + std::chrono::milliseconds(retryMs);
    retryMs = std::min(retryMs * 2, settings.lastRetryMs);
}

void Queue::run()
{
    DavClient client(settings.limits, stopping);
    bool folderMade = false;
    std::unique_lock<std::mutex> hold(lock);
    while (!stopping) {
        if (current.state == Status::Refused || (folderMade && pending.isEmpty())) {
            wake.wait(hold);
            continue;
        }
        if (current.state == Status::Failing && Clock::now() < retryAt) {
            wake.wait_until(hold, retryAt);
            continue;
        }
        const Entry entry = pending.isEmpty() ? Entry{QString(), 0} : pending.first();
        hold.unlock();

        Reply reply;
        QString sentName;
        bool gone = false;
        if (!folderMade) {
            reply = client.make_Folder(folderUrl);
            folderMade = reply.kind == Reply::Done;
        }
        if (folderMade && !entry.name.isEmpty()) {
            QFile file(QDir(settings.directory).filePath(entry.name));
            if (!file.open(QIODevice::ReadOnly)) {
                gone = !file.exists();
                reply.reason = reply.detail = "cannot read " + entry.name + ": " + file.errorString();
            } else {
                const QByteArray content = file.readAll();
                file.close();
                reply = client.put(folderUrl + QUrl::toPercentEncoding(entry.name), content);
                // A server answers a PUT into a missing folder with 409 or 500: make sure of the
                // folder before the next try.
                if (reply.kind == Reply::Done)
                    sentName = entry.name;
                else
                    folderMade = false;
            }
        }

        hold.lock();
        if (reply.kind == Reply::Stopped)
            break;
        const int at = find(entry.name);
        if (gone) {
            if (at >= 0)
                pending.removeAt(at);
            save_Outbox();
            log_Warning("results file " + entry.name + " is gone; nothing to send");
        } else if (reply.kind != Reply::Done) {
            // Another file may get through where this one did not.
            if (at >= 0 && !entry.name.isEmpty())
                pending.move(at, pending.size() - 1);
            failed(reply, entry.name);
            hold.unlock();
            note_Changed();
            hold.lock();
            continue;
        } else if (!sentName.isEmpty() && at >= 0 && pending[at].generation == entry.generation) {
            // A file queued again while it travelled stays, to go once more with what it holds now.
            pending.removeAt(at);
            save_Outbox();
        }
        if (!sentName.isEmpty())
            log_Info("results sent: " + shownDestination + sentName);
        retryMs = settings.firstRetryMs;
        loggedFailure.clear();
        set_State(pending.isEmpty() ? Status::Sent : Status::Waiting);
        hold.unlock();
        if (!sentName.isEmpty())
            emit file_Sent(sentName);
        note_Changed();
        hold.lock();
    }
}

} // namespace delivery
