#include "dialogs/msgdangerous.h"
#include "ui_msgdangerous.h"

#include "dialogs/messagefit.h"

#include <QEvent>

MsgDangerous::MsgDangerous(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::MsgDangerous)
    , valueBtnOK(1)
{
    ui->setupUi(this);
    // The shortcut is the only way to press it: clicks fall through to the dialog, and the
    // button never takes the focus, so Enter or Space cannot press it either.
    ui->btnOK->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Every language's text shows whole: a cut confirmation hides what it asks to confirm.
    fit_Message(this, ui->plainTextEdit);
}

MsgDangerous::~MsgDangerous()
{
    delete ui;
}

void MsgDangerous::retranslate()
{
    // retranslateUi also sets the confirm button's shortcut again from the catalog.
    ui->retranslateUi(this);
    fit_Message(this, ui->plainTextEdit);
}

void MsgDangerous::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void MsgDangerous::on_btnOK_clicked()
{
    valueBtnOK = 0;
    emit chenge_Value_BtnOK(valueBtnOK);
    accept();
}
