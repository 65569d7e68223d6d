#include "dialogs/setmaxlba.h"
#include "ui_setmaxlba.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

SetMaxLba::SetMaxLba(unsigned long long native, unsigned long long current, bool singleDrive, QWidget* parent)
    : QDialog(parent), ui(new Ui::SetMaxLba), currentMaxLBA(current), nativeMaxLBA(native)
{
    ui->setupUi(this);
    ui->lbValueCapacity->setText(QString::number(currentMaxLBA));
    if (singleDrive && nativeMaxLBA > currentMaxLBA)
        ui->txtSetValueLBA->setText(QString::number(nativeMaxLBA));
    const QString pattern = "\\d{1," + QString::number(QString::number(currentMaxLBA).size()) + "}";
    ui->txtSetValueLBA->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
    ui->PBok->setEnabled(false);
    connect(ui->txtSetValueLBA, &QLineEdit::textChanged, this, &SetMaxLba::enable_btn_Ok);
}

SetMaxLba::~SetMaxLba()
{
    delete ui;
}

void SetMaxLba::enable_btn_Ok(QString text)
{
    if (text.contains(',')) {
        const int cursor = ui->txtSetValueLBA->cursorPosition();
        text.remove(',');
        ui->txtSetValueLBA->setText(text);
        ui->txtSetValueLBA->setCursorPosition(qMin(cursor, text.size()));
    }
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    ui->PBok->setEnabled(ok && value != 0 && value <= nativeMaxLBA && !ui->checkBox->isChecked());
}

void SetMaxLba::on_checkBox_clicked()
{
    if (ui->checkBox->isChecked()) {
        ui->txtSetValueLBA->setEnabled(false);
        ui->PBok->setEnabled(true);
    } else {
        ui->txtSetValueLBA->setEnabled(true);
        ui->PBok->setEnabled(ui->txtSetValueLBA->text().toLongLong() > 0);
    }
}

void SetMaxLba::on_PBok_clicked()
{
    restoreNative = ui->checkBox->isChecked();
    newMaxLBA = restoreNative ? nativeMaxLBA : ui->txtSetValueLBA->text().toULongLong();
    emit closeSetMax(newMaxLBA, restoreNative);
    close();
}
