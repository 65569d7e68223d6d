// What an operation leaves beside the drive's log once it has ended: its results record and, for
// an erase, its certificate; what could not be written is said, kept and tried again.
#include "mainwindow/kv4l.h"

#include "tests/command.h"
#include "app/commandline.h"
#include "device/device.h"
#include "deviceaccess/devicetext.h"
#include "log/logsapplication.h"
#include "dialogs/msgalert.h"
#include "delivery/deliveryqueue.h"
#include "log/viewlog.h"

#include <QCoreApplication>

void KV4L::keep_Results(MainTest* test)
{
    _tDevice* record = test->getTDevice();
    if (!record)
        return;
    int index = -1;
    for (int i = 0; i < devices.size() && index < 0; ++i)
        if (devices[i]->get_tDevice() == record)
            index = i;
    const QString serial = device_Serial_Number(record);
    // A panel gone with a rescan leaves the record behind: its file keeps the serial's name.
    const QString logName = index >= 0 ? log_File_Name(index)
                            : serial.isEmpty() ? QString("Log........log")
                                               : logfile::name_For_Serial(serial);

    results::Record r;
    r.drive = results::DriveIdentity::of(record);
    r.machine = machine;
    r.operation = test->getDescriptor()->testName;
    r.testType = test->getDescriptor()->testType;
    r.outcome = test->get_Outcome();
    r.status = r.outcome.status;
    r.operatorName = commandLine::get_Instance()->get_Operator();
    r.organisation = commandLine::get_Instance()->get_Organisation();
    report_Results_Files(resultsKeeper.keep(r, logName), index >= 0 ? devices[index] : nullptr, serial);
}

void KV4L::retry_Results()
{
    const results::Keeper::Written files = resultsKeeper.retry();
    for (const QString& name : files.written)
        logKV4L->kestrova_Log_Info("Test information: " + name + " written after all");
    if (resultsQueue && !files.written.isEmpty())
        resultsQueue->enqueue(files.written);
}

void KV4L::report_Results_Files(const results::Keeper::Written& files, device* panel, const QString& serial)
{
    for (const QString& name : files.failed) {
        logKV4L->kestrova_Log_Info("Warning: " + name + " could not be written - kept to be written at the next save - SN: "
                                   + serial);
        if (panel)
            panel->add_Note({QT_TRANSLATE_NOOP("TranslateLog", "Could not write"), " ", name});
    }
    if (!files.failed.isEmpty()) {
        viewLog->print_Logs();
        MsgAlert::Instance()->show();
    }
    if (resultsQueue && !files.written.isEmpty())
        resultsQueue->enqueue(files.written);
}
