#ifndef ABOUTDIALOG_H
#define ABOUTDIALOG_H

#include <QDialog>

namespace Ui {
class AboutDialog;
}

// Name, version and build date of the program, with a button that shows the agreement.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

private slots:
    void on_btAboutLicence_clicked();

private:
    Ui::AboutDialog* ui;
};

#endif // ABOUTDIALOG_H
