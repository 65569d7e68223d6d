#include "mainwindow/close.h"
#include "ui_close.h"

#include <QEvent>

Close::Close(QWidget* parent) : QDialog(parent), ui(new Ui::Close)
{
    ui->setupUi(this);
    // Answering ends every running test and the session: Return, and the first key press at
    // all, must take the safe answer. Ok is pressed on purpose or not at all.
    ui->pbCancel->setFocus();
    retranslate();
}

Close::~Close()
{
    delete ui;
}

void Close::retranslate()
{
    ui->retranslateUi(this);
    ui->textEdit->setHtml("<p align=\"center\" style=\"font-family:'Helvetica Neue LT Std'; font-size:11pt;\">"
                          + tr("Do you want to close the application? (There are running tests)").toHtmlEscaped()
                          + "</p>");
}

void Close::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void Close::on_pbOk_clicked()
{
    accept();
}
