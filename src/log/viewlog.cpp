#include "log/viewlog.h"
#include "ui_viewlog.h"

#include "log/logsapplication.h"
#include "app/windowplacement.h"

#include <QScrollBar>

ViewLog* ViewLog::Instance()
{
    static ViewLog* instance = new ViewLog();
    return instance;
}

ViewLog::ViewLog(QWidget* parent)
    : QMainWindow(parent), ui(new Ui::ViewLog), logs(LogsApplication::Instance())
{
    ui->setupUi(this);
    setWindowFlags(Qt::WindowCloseButtonHint);
    center_On_Available_Desktop(this);
    getLogs();
}

ViewLog::~ViewLog()
{
    delete ui;
}

void ViewLog::getLogs()
{
    listLogs.append(logs->get_List_log());
    QString text;
    for (const QString& line : qAsConst(listLogs)) {
        text += line;
        text += '\n';
    }
    ui->plainTextEdit->setPlainText(text);
    ui->plainTextEdit->repaint();
    // Newest lines are what the user opens the log for.
    QScrollBar* bar = ui->plainTextEdit->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void ViewLog::print_Logs()
{
    const int shown = listLogs.size();
    if (logs->get_List_log().size() > shown) {
        listLogs.clear();
        ui->plainTextEdit->clear();
        ui->plainTextEdit->repaint();
        getLogs();
    }
}

QString ViewLog::get_LogAplication() const
{
    return ui->plainTextEdit->toPlainText();
}

void ViewLog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QMainWindow::changeEvent(event);
}
