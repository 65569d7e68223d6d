#ifndef MSGDANGEROUS_H
#define MSGDANGEROUS_H

#include <QDialog>

namespace Ui {
class MsgDangerous;
}

// Confirmation before an operation that changes data. Only the F8 key confirms: the confirm
// button is a 1-pixel strip without text that the mouse cannot reach. exec() gives 1 on F8 and
// 0 on Cancel, Escape or the close box.
class MsgDangerous : public QDialog
{
    Q_OBJECT

public:
    explicit MsgDangerous(QWidget* parent = nullptr);
    ~MsgDangerous() override;

    void retranslate();

signals:
    void chenge_Value_BtnOK(int value);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_btnOK_clicked();

private:
    Ui::MsgDangerous* ui;
    qint32 valueBtnOK;
};

#endif // MSGDANGEROUS_H
