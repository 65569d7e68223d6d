#include "log/logsapplication.h"

#include <QDateTime>
#include <QLocale>

#include <mutex>

const QString LogsApplication::dateFormat = "MMM dd yyyy - hh:mm:ss";

namespace {
// A standard mutex rather than QMutex: ThreadSanitizer sees its locking, so the suites' race
// check covers the lines every operation thread appends.
std::mutex pendingMutex;
QStringList& pendingLines()
{
    static QStringList lines;
    return lines;
}
} // namespace

LogsApplication* LogsApplication::Instance()
{
    static LogsApplication* instance = new LogsApplication();
    return instance;
}

LogsApplication::LogsApplication() : QObject(nullptr) {}

void LogsApplication::append(const char* prefix, const QString& message)
{
    // Month names in English whatever the system locale: the lines are compared byte for byte.
    const QString stamp = QLocale::c().toString(QDateTime::currentDateTime(), dateFormat);
    // Both placeholders are filled in one pass, so a "%1" inside the message stays as it is.
    const QString line = QLatin1String(prefix) + QString("%1 |   %2 ").arg(stamp, message);
    std::lock_guard<std::mutex> lock(pendingMutex);
    pendingLines().append(line);
}

void LogsApplication::kestrova_Log_Debug(QString message) { append("\nLOG_DEBUG  | ", message); }
void LogsApplication::kestrova_Log_Info(QString message) { append("\nLOG_INFO      | ", message); }
void LogsApplication::kestrova_Log_Error(QString message) { append("\nLOG_ERROR  | ", message); }
void LogsApplication::kestrova_Log_Fatal(QString message) { append("\nLOG_FATAL  | ", message); }
void LogsApplication::kestrova_Log_Trace(QString message) { append("\nLOG_TRACE  | ", message); }

QStringList LogsApplication::get_List_log()
{
    QStringList drained;
    {
        std::lock_guard<std::mutex> lock(pendingMutex);
        drained.swap(pendingLines());
    }
    listLog.append(drained);
    return listLog;
}
