#include "dialogs/helpkestrova.h"
#include "ui_helpkestrova.h"

#include "app/translationstatic.h"
#include "dialogs/webdocument.h"
#include "app/windowplacement.h"

#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <QWebPage>

HelpKestrova::HelpKestrova(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::HelpKestrova)
    , translation(TranslationStatic::get_Instance())
{
    ui->setupUi(this);
    center_On_Available_Desktop(this);
    add_Web_View();
    // A main window has no Escape of its own; the About window closes on it, so does this one.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
}

HelpKestrova::~HelpKestrova()
{
    detach_Document_View(ui->webView, this);
    delete ui;
}

void HelpKestrova::add_Web_View()
{
    connect(ui->webView->page(), SIGNAL(scrollRequested(int, int, QRect)), this,
            SLOT(enable_Button()));
    style_Document_Scroll_Bar(ui->webView);
    ui->webView->load(QUrl("qrc:/licenseAgreement/help/" + translation->get_Help()));
}

void HelpKestrova::enable_Button()
{
    focus_If_At_End();
    // The frame's position may move only after the page has announced the scroll.
    QTimer::singleShot(0, this, &HelpKestrova::focus_If_At_End);
}

void HelpKestrova::focus_If_At_End()
{
    if (document_At_End(ui->webView))
        ui->btn_ok->setFocus();
}
