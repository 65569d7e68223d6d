#pragma once

#include <QDialog>

#include <cstdint>

namespace Ui {
class EraseTime;
}
class QLineEdit;

// Asks for the first LBA of a timed erase and how long it runs, in hours, minutes or seconds.
// Shown without blocking; the answer arrives through set_Time, in seconds.
class EraseTime : public QDialog
{
    Q_OBJECT
public:
    explicit EraseTime(unsigned long long maxLBA, QWidget* parent = nullptr);
    ~EraseTime() override;

signals:
    void set_Time(int seconds, uint64_t firstLBA);

private slots:
    void on_pushButton_clicked();
    void enable_btn_Ok();

private:
    static void remove_Commas(QLineEdit* field);

    Ui::EraseTime* ui;
    uint64_t firstLBA = 0;
    uint64_t maxLBA = 0;
    int timeValue = 0;
    bool conversionOk = false;
};
