#pragma once

#include <QDialog>

namespace Ui {
class Close;
}

// Asks before the window closes or the machine powers off while tests are running.
class Close : public QDialog
{
    Q_OBJECT
public:
    explicit Close(QWidget* parent = nullptr);
    ~Close() override;
    void retranslate();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_pbOk_clicked();

private:
    Ui::Close* ui;
};
