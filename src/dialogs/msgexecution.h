#ifndef MSGEXECUTION_H
#define MSGEXECUTION_H

#include <QDialog>

namespace Ui {
class MsgExecution;
}

// The F8 confirmation with an extra warning that the operation runs for hours.
// exec() gives 1 on F8 and 0 on Cancel, Escape or the close box.
class MsgExecution : public QDialog
{
    Q_OBJECT

public:
    explicit MsgExecution(QWidget* parent = nullptr);
    ~MsgExecution() override;

    void retranslate();

signals:
    void change_Value_BtnOk(int value);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    Ui::MsgExecution* ui;
    qint32 valueBtnOk;
};

#endif // MSGEXECUTION_H
