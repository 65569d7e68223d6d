#include "reescan.h"

#include "logsapplication.h"

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
    if (!panels.isEmpty()) {
        LogsApplication::Instance()->kestrova_Log_Debug("Execute: rescan()");
        emit re_Scan();
    }
    finished_ = true;
}
