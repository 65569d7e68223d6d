#include "app/logsnotice.h"

#include "log/logsapplication.h"

#include <QCoreApplication>
#include <QMessageBox>

bool logs_Kept_In_Memory()
{
    return !qEnvironmentVariableIsEmpty("KESTROVA_LOGS_IN_MEMORY");
}

void show_Logs_In_Memory_Notice(QWidget* parent)
{
    LogsApplication::Instance()->kestrova_Log_Info("Warning: logs are kept in memory, the boot medium is read-only");
    QMessageBox* box = new QMessageBox(
        QMessageBox::Warning, QCoreApplication::translate("LogsNotice", "Logs kept in memory"),
        QCoreApplication::translate("LogsNotice",
                                    "The boot medium cannot be written, so the drive logs are kept in memory "
                                    "and are lost when the machine powers off.\n\nTo keep them, press Alt+F4 "
                                    "in the main window for a terminal and copy the files in /logs to another "
                                    "medium."),
        QMessageBox::Ok, parent);
    box->setObjectName("logsInMemoryNotice");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
