#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// The in-memory application log. Any thread appends formatted lines to a pending list; the GUI
// thread drains it into the accumulated list, which only grows.
class LogsApplication : public QObject
{
    Q_OBJECT
public:
    static LogsApplication* Instance();

    static const QString dateFormat;

signals:
    void change_LogsApplication(QString);

public slots:
    void kestrova_Log_Debug(QString message);
    void kestrova_Log_Info(QString message);
    void kestrova_Log_Error(QString message);
    void kestrova_Log_Fatal(QString message);
    void kestrova_Log_Trace(QString message);
    QStringList get_List_log();

private:
    LogsApplication();
    static void append(const char* prefix, const QString& message);

    QStringList listLog;
    QString unused;
};
