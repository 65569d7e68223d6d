#pragma once

#include <QDialog>

#include <cstdint>

namespace Ui {
class EraseRangeUI;
}

// Asks for the first and the last LBA of a range, both erased, up to the max LBA it is given.
// Shown without blocking; the range arrives through execute_eraseRange.
class EraseRangeUI : public QDialog
{
    Q_OBJECT
public:
    explicit EraseRangeUI(unsigned long long maxLBA, QWidget* parent = nullptr);
    ~EraseRangeUI() override;

    void SetTitle(QString title);

signals:
    void execute_eraseRange(uint64_t start, uint64_t end);

private slots:
    void on_inStart_textChanged();
    void on_inEnd_textChanged();
    void enable_btn_Ok();
    void on_btnOK_clicked();

private:
    Ui::EraseRangeUI* ui;
    uint64_t startValue = 0;
    uint64_t endValue = 0;
    uint64_t maxLBA = 0;
};
