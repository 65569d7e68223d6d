#pragma once

#include <QDialog>
#include <QString>

namespace Ui {
class PSIDui;
}

// Asks for the PSID printed on a self-encrypting drive's label: 32 letters and digits, shown
// in upper case. Its texts are English in every language.
class PSIDui : public QDialog
{
    Q_OBJECT

public:
    explicit PSIDui(QWidget* parent = nullptr);
    ~PSIDui() override;

signals:
    void execute_psid(QString key);

private slots:
    void on_leInputValue_textChanged(QString text);
    void enable_pbOk();
    void on_pbOk_clicked();

private:
    Ui::PSIDui* ui;
};
