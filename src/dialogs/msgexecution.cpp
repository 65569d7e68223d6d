#include "dialogs/msgexecution.h"
#include "ui_msgexecution.h"

#include "dialogs/messagefit.h"

#include <QEvent>

MsgExecution::MsgExecution(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::MsgExecution)
    , valueBtnOk(1)
{
    ui->setupUi(this);
    // The confirm button lies under the icon and the message; it must not catch a click that
    // reaches it anyway (for instance through a gap of the layout).
    ui->pushButton->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Every language's text shows whole: a cut confirmation hides what it asks to confirm.
    fit_Message(this, ui->plainTextEdit);
}

MsgExecution::~MsgExecution()
{
    delete ui;
}

void MsgExecution::retranslate()
{
    ui->retranslateUi(this);
    fit_Message(this, ui->plainTextEdit);
}

void MsgExecution::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void MsgExecution::on_pushButton_clicked()
{
    valueBtnOk = 0;
    emit change_Value_BtnOk(valueBtnOk);
    accept();
}

void MsgExecution::on_pushButton_2_clicked()
{
    reject();
}
