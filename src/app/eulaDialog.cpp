#include "app/eulaDialog.h"
#include "ui_eulaDialog.h"

#include "app/commandline.h"
#include "app/translationstatic.h"
#include "log/viewlog.h"
#include "dialogs/webdocument.h"
#include "app/windowplacement.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <QWebFrame>
#include <QWebPage>

std::function<void()> EULADialog::openMainWindow;

EULADialog::EULADialog(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::EULADialog)
    , translation(TranslationStatic::get_Instance())
    , aboutMode(false)
{
    ui->setupUi(this);
    setWindowTitle(tr("License Agreement"));
    ui->bt_not_accept->setText(tr("I Do Not Accept"));
    ui->bt_accept->setText(tr("I Accept"));
    ui->bt_ok->setText(tr("Done"));
    ui->label->setText(QString());
    ui->bt_ok->hide();
    add_Web_View();
    // The reader pages through the document with the keyboard from the start.
    ui->webView->setFocus();
    for (int key : {Qt::Key_Return, Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this,
                &EULADialog::press_Default_Button);
}

EULADialog::~EULADialog()
{
    detach_Document_View(ui->webView, this);
    delete ui;
}

void EULADialog::add_Web_View()
{
    center_On_Available_Desktop(this);
    connect(ui->webView->page(), SIGNAL(scrollRequested(int, int, QRect)), this,
            SLOT(enable_Button()));
    // A document that fits the view is never scrolled; it counts as read once it has loaded.
    connect(ui->webView, &QWebView::loadFinished, this, &EULADialog::document_Loaded);
    style_Document_Scroll_Bar(ui->webView);
    ui->webView->load(
        QUrl("qrc:/licenseAgreement/licenseAgreement/" + translation->get_License_Agreement()));
}

void EULADialog::enable_Button()
{
    accept_If_At_End();
    // The page may announce the scroll before the frame's position has moved: look again once
    // the scroll has been applied.
    QTimer::singleShot(0, this, &EULADialog::accept_If_At_End);
}

void EULADialog::accept_If_At_End()
{
    if (ui->bt_accept->isEnabled() || !document_At_End(ui->webView))
        return;
    ui->bt_accept->setEnabled(true);
    ui->bt_accept->setFocus();
}

void EULADialog::document_Loaded(bool ok)
{
    // A missing document leaves the view empty (not the engine's error page) and can never be
    // accepted.
    if (!ok) {
        ui->webView->setHtml(QString());
        return;
    }
    // toPlainText() also lays the page out, so the scroll range read next is up to date.
    if (ui->webView->page()->mainFrame()->toPlainText().trimmed().isEmpty())
        return;
    accept_If_At_End();
}

void EULADialog::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Without a window manager (the bootable environment) nothing else gives the new window the
    // keyboard, and the document could not be paged until clicked.
    activateWindow();
}

void EULADialog::press_Default_Button()
{
    // "I Accept" only once it is usable; a hidden button is never pressed.
    QPushButton* button = aboutMode ? ui->bt_ok : ui->bt_accept;
    if (button->isVisible() && button->isEnabled())
        button->click();
}

void EULADialog::on_bt_accept_clicked()
{
    if (openMainWindow)
        openMainWindow();
    else
        ViewLog::Instance()->show();
    // The form's deleteLater() connection destroys this window; no close event is sent, so
    // the process goes on.
}

void EULADialog::on_bt_not_accept_clicked()
{
    commandLine::get_Instance()->execute_Power_Off();
}

void EULADialog::closeEvent(QCloseEvent* event)
{
    if (!aboutMode) {
        commandLine::get_Instance()->execute_Power_Off();
        return;
    }
    event->accept();
}

void EULADialog::about_License_Agreement()
{
    aboutMode = true;
    ui->bt_not_accept->hide();
    ui->bt_accept->hide();
    ui->bt_ok->show();
}
