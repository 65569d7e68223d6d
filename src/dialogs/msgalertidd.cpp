#include "dialogs/msgalertidd.h"
#include "ui_msgalertidd.h"

#include "dialogs/messagefit.h"

MsgAlertIdd::MsgAlertIdd(QWidget* parent) : QDialog(parent), ui(new Ui::MsgAlertIdd)
{
    ui->setupUi(this);
    // Only the F8 shortcut reaches the hidden confirm button, never a click.
    ui->pushButton->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Every language's text shows whole: a cut confirmation hides what it asks to confirm.
    fit_Message(this, ui->plainTextEdit);
}

MsgAlertIdd::~MsgAlertIdd()
{
    delete ui;
}

void MsgAlertIdd::on_pushButton_clicked()
{
    valueBtnOk = 0;
    emit change_Value_BtnOk(valueBtnOk);
    accept();
}

void MsgAlertIdd::on_pushButton_2_clicked()
{
    reject();
}
