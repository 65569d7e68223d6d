#include "dialogs/aboutdialog.h"
#include "ui_aboutdialog.h"

#include "app/eulaDialog.h"
#include "app/windowplacement.h"

namespace {
const char* const aboutVersion = "2.0.7";
const char* const aboutBuildDate = "Dec-14-2016";
}

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::AboutDialog)
{
    ui->setupUi(this);
    center_On_Available_Desktop(this);
    // Version and build date are the same in every language.
    ui->lbBuildDate->setText(QString::fromLatin1(aboutBuildDate));
    ui->lbVersion->setText(QString("Version %1").arg(QString::fromLatin1(aboutVersion)));
}

AboutDialog::~AboutDialog()
{
    delete ui;
}

void AboutDialog::on_btAboutLicence_clicked()
{
    auto* agreement = new EULADialog();
    agreement->setWindowFlags(Qt::WindowCloseButtonHint);
    // Read-only here: "Done" and the close box only dispose of the window.
    agreement->setAttribute(Qt::WA_DeleteOnClose);
    agreement->about_License_Agreement();
    agreement->show();
}
