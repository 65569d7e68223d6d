#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>

namespace Ui {
class SetMaxLba;
}

// Asks for a drive's new max LBA (at most its native one), or for its native capacity back.
// For one clipped drive the field starts with the native max LBA.
class SetMaxLba : public QDialog
{
    Q_OBJECT

public:
    SetMaxLba(unsigned long long nativeMaxLBA, unsigned long long currentMaxLBA, bool singleDrive,
              QWidget* parent = nullptr);
    ~SetMaxLba() override;

signals:
    void closeSetMax(uint64_t tmpNewLBA, bool tmpReset);

private slots:
    void enable_btn_Ok(QString text);
    void on_checkBox_clicked();
    void on_PBok_clicked();

private:
    Ui::SetMaxLba* ui;
    uint64_t newMaxLBA = 0;
    uint64_t currentMaxLBA;
    uint64_t nativeMaxLBA;
    bool restoreNative = false;
};
