#pragma once

#include <QMainWindow>
#include <QStringList>

namespace Ui {
class ViewLog;
}
class LogsApplication;

// The window that shows the whole application log.
class ViewLog : public QMainWindow
{
    Q_OBJECT
public:
    static ViewLog* Instance();
    ~ViewLog() override;

    QString get_LogAplication() const;

public slots:
    void getLogs();
    void print_Logs();

protected:
    void changeEvent(QEvent* event) override;

private:
    explicit ViewLog(QWidget* parent = nullptr);

    Ui::ViewLog* ui;
    LogsApplication* logs;
    QStringList listLogs;
};
