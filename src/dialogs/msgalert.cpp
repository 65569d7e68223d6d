#include "dialogs/msgalert.h"
#include "ui_msgalert.h"

#include "log/logfile.h"

#include <QApplication>
#include <QEvent>

MsgAlert* MsgAlert::g_Alert_Instance = nullptr;

MsgAlert* MsgAlert::Instance()
{
    if (!g_Alert_Instance)
        g_Alert_Instance = new MsgAlert();
    return g_Alert_Instance;
}

MsgAlert::MsgAlert(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::MsgAlert)
{
    ui->setupUi(this);
}

MsgAlert::~MsgAlert()
{
    delete ui;
}

void MsgAlert::retranslate()
{
    ui->retranslateUi(this);
}

void MsgAlert::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

bool append_Or_Alert(const QString& name, const QString& text)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = logfile::append_Synced(name, text);
    QApplication::restoreOverrideCursor();
    if (!written)
        MsgAlert::Instance()->show();
    return written;
}
