#include "mainwindow/savemsg.h"
#include "ui_savemsg.h"

#include <QTimerEvent>

SaveMsg::SaveMsg(QWidget* parent) : QDialog(parent), ui(new Ui::SaveMsg)
{
    ui->setupUi(this);
    timer.start(1000, this);
}

SaveMsg::~SaveMsg()
{
    delete ui;
}

void SaveMsg::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != timer.timerId())
        return QDialog::timerEvent(event);
    if (++ticks >= 2) {
        timer.stop();
        close();
    }
}

void SaveMsg::show_Notice()
{
    SaveMsg* notice = new SaveMsg(nullptr);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setWindowFlags(Qt::SplashScreen);
    notice->show();
}
