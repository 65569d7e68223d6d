#pragma once

#include <QDialog>

namespace Ui {
class MsgAlertIdd;
}

// The F8 confirmation of the in-drive diagnostics: the drive is out of reach while its routine
// runs. Its texts are English in every language. exec() gives 1 on F8 and 0 on Cancel, Escape
// or the close box.
class MsgAlertIdd : public QDialog
{
    Q_OBJECT

public:
    explicit MsgAlertIdd(QWidget* parent = nullptr);
    ~MsgAlertIdd() override;

signals:
    void change_Value_BtnOk(int value);

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();

private:
    Ui::MsgAlertIdd* ui;
    qint32 valueBtnOk = 1;
};
