#ifndef MSGALERT_H
#define MSGALERT_H

#include <QDialog>

namespace Ui {
class MsgAlert;
}

// Tells the user that a file could not be written. One window for the whole process: a second
// failure while it is open shows the same window again instead of stacking alerts.
class MsgAlert : public QDialog
{
    Q_OBJECT

public:
    static MsgAlert* Instance();
    void retranslate();

protected:
    void changeEvent(QEvent* event) override;

private:
    explicit MsgAlert(QWidget* parent = nullptr);
    ~MsgAlert() override;

    Ui::MsgAlert* ui;

    static MsgAlert* g_Alert_Instance;
};

// Appends text to a log file and syncs it, under the wait cursor; shows the alert when it could
// not. True when written.
bool append_Or_Alert(const QString& name, const QString& text);

#endif // MSGALERT_H
