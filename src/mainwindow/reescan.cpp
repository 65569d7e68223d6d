#include "mainwindow/reescan.h"

#include "log/logsapplication.h"

Reescan::Reescan(QVector<device*> p) : QThread(nullptr), panels(p) {}

Reescan::~Reescan()
{
    finished_ = true;
    if (isRunning()) {
        quit();
        wait();
    }
}

void Reescan::run()
{
    // With no panel the list tells the user to connect a drive and rescan: look again then too.
    LogsApplication::Instance()->kestrova_Log_Debug("Execute: rescan()");
    emit re_Scan();
    finished_ = true;
}
