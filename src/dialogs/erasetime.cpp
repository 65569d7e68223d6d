#include "dialogs/erasetime.h"
#include "ui_erasetime.h"

#include <QIntValidator>
#include <QRegularExpression>

#include <algorithm>
#include <climits>

#include "dialogs/lbavalidator.h"
#include "log/logsapplication.h"

EraseTime::EraseTime(unsigned long long max, QWidget* parent)
    : QDialog(parent), ui(new Ui::EraseTime), maxLBA(max)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::WindowCloseButtonHint);
    ui->lbLMaxBA->setText(QString::number(maxLBA));
    ui->leInputTime->setValidator(new QIntValidator(1, INT_MAX, this));
    ui->leInputLBA->setValidator(lba_Validator(maxLBA, this));
    ui->pushButton->setEnabled(false);
    connect(ui->leInputTime, &QLineEdit::textChanged, this, &EraseTime::enable_btn_Ok);
    connect(ui->leInputLBA, &QLineEdit::textChanged, this, &EraseTime::enable_btn_Ok);
}

EraseTime::~EraseTime()
{
    delete ui;
}

void EraseTime::remove_Commas(QLineEdit* field)
{
    const QString text = field->text();
    if (!text.contains(','))
        return;
    // The cursor stays after the same digit it followed.
    const int cursor = field->cursorPosition() - text.left(field->cursorPosition()).count(',');
    field->setText(QString(text).remove(','));
    field->setCursorPosition(cursor);
}

void EraseTime::enable_btn_Ok()
{
    // The validators let a pasted "1,000" through as an intermediate text: take it as 1000.
    remove_Commas(ui->leInputTime);
    remove_Commas(ui->leInputLBA);
    firstLBA = ui->leInputLBA->text().toULongLong(&conversionOk);
    timeValue = ui->leInputTime->text().toInt();
    ui->pushButton->setEnabled(!ui->leInputLBA->text().isEmpty() && !ui->leInputTime->text().isEmpty()
                               && firstLBA <= maxLBA && timeValue != 0);
}

void EraseTime::on_pushButton_clicked()
{
    const qint64 unit = ui->radioButton->isChecked() ? 3600 : ui->radioButton_2->isChecked() ? 60 : 1;
    // Hours beyond what an int holds in seconds mean "until the end of the drive" anyway.
    const int seconds = int(std::min<qint64>(qint64(timeValue) * unit, INT_MAX));
    if (!conversionOk) {
        LogsApplication::Instance()->kestrova_Log_Error("Warning: Erase Time ui - conversion error");
        reject();
        return;
    }
    emit set_Time(seconds, firstLBA);
    accept();
}
