#include "dialogs/psidui.h"
#include "ui_psidui.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {
constexpr int kKeyLength = 32;
}

PSIDui::PSIDui(QWidget* parent) : QDialog(parent), ui(new Ui::PSIDui)
{
    ui->setupUi(this);
    ui->leInputValue->setValidator(
        new QRegularExpressionValidator(QRegularExpression("^[a-zA-Z0-9]+$"), ui->leInputValue));
    ui->leInputValue->setMaxLength(kKeyLength);
    ui->pbOk->setEnabled(false);
    // After the upper-casing slot, which the form connected first.
    connect(ui->leInputValue, &QLineEdit::textChanged, this, &PSIDui::enable_pbOk);
}

PSIDui::~PSIDui()
{
    delete ui;
}

void PSIDui::on_leInputValue_textChanged(QString text)
{
    const QString upper = text.toUpper();
    if (upper != text) {
        const int cursor = ui->leInputValue->cursorPosition();
        ui->leInputValue->setText(upper);
        ui->leInputValue->setCursorPosition(cursor);
    }
}

void PSIDui::enable_pbOk()
{
    ui->pbOk->setEnabled(ui->leInputValue->text().size() == kKeyLength);
}

void PSIDui::on_pbOk_clicked()
{
    const QString key = ui->leInputValue->text();
    close();
    emit execute_psid(key);
}
