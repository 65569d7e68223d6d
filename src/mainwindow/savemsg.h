#pragma once

#include <QBasicTimer>
#include <QDialog>

namespace Ui {
class SaveMsg;
}

// A two-second notice; it closes itself.
class SaveMsg : public QDialog
{
    Q_OBJECT
public:
    explicit SaveMsg(QWidget* parent = nullptr);
    ~SaveMsg() override;
    // Shows a notice above everything that deletes itself once it has closed.
    static void show_Notice();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    Ui::SaveMsg* ui;
    QBasicTimer timer;
    int ticks = 0;
};
