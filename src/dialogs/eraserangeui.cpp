#include "dialogs/eraserangeui.h"
#include "ui_eraserangeui.h"

#include <QRegularExpressionValidator>

#include "dialogs/lbavalidator.h"

EraseRangeUI::EraseRangeUI(unsigned long long max, QWidget* parent)
    : QDialog(parent), ui(new Ui::EraseRangeUI), maxLBA(max)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::WindowCloseButtonHint);
    ui->lbMaxLBAfield->setText(QString::number(maxLBA));
    ui->inStart->setValidator(lba_Validator(maxLBA, this));
    ui->inEnd->setEnabled(false);
    ui->btnOK->setEnabled(false);
    // After the auto-connected slots, which store the values this one judges.
    connect(ui->inStart, &QLineEdit::textChanged, this, &EraseRangeUI::enable_btn_Ok);
    connect(ui->inEnd, &QLineEdit::textChanged, this, &EraseRangeUI::enable_btn_Ok);
}

EraseRangeUI::~EraseRangeUI()
{
    delete ui;
}

void EraseRangeUI::SetTitle(QString title)
{
    setWindowTitle(title);
}

void EraseRangeUI::on_inStart_textChanged()
{
    startValue = ui->inStart->text().toULongLong();
    if (!ui->inEnd->validator())
        ui->inEnd->setValidator(lba_Validator(maxLBA, this));
    ui->inEnd->setEnabled(true);
}

void EraseRangeUI::on_inEnd_textChanged()
{
    endValue = ui->inEnd->text().toULongLong();
}

void EraseRangeUI::enable_btn_Ok()
{
    ui->btnOK->setEnabled(!ui->inStart->text().isEmpty() && startValue < endValue && endValue <= maxLBA);
}

void EraseRangeUI::on_btnOK_clicked()
{
    close();
    emit execute_eraseRange(startValue, endValue);
}
