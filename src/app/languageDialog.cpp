#include "app/languageDialog.h"
#include "ui_languageDialog.h"

#include "app/commandline.h"
#include "log/logsapplication.h"
#include "app/translationstatic.h"
#include "log/viewlog.h"
#include "app/windowplacement.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QRadioButton>

std::function<void()> LanguageDialog::openNextWindow = [] {
    ViewLog::Instance()->print_Logs();
    ViewLog::Instance()->show();
};

LanguageDialog::LanguageDialog(QWidget* parent)
    : QDialog(parent), ui(new Ui::LanguageDialog), translation(TranslationStatic::get_Instance())
{
    ui->setupUi(this);
    center_On_Available_Desktop(this);
    create_Language_RadioButton();
    ui->btn_ok->setFocus();
}

LanguageDialog::~LanguageDialog()
{
    delete ui;
}

void LanguageDialog::create_Language_RadioButton()
{
    QButtonGroup* group = new QButtonGroup(this);
    QFont font("Helvetica Neue LT Std", 12, 75);

    for (const QString& file : TranslationStatic::list_Catalogs()) {
        const QString code = TranslationStatic::code_Of(file);
        translation->load_Language(file);
        const QString text = TranslationStatic::language_Name(*translation->get_Translator());
        QRadioButton* button = new QRadioButton(text);
        button->setFont(font);
        button->setObjectName(code);
        group->addButton(button);
        ui->verticalLayout_2->addWidget(button, 0);
        ui->scrollArea->setWidgetResizable(true);
        if (text == "English") {
            button->setChecked(true);
            button->setFocus();
            select_Value_Language(button);
        }
    }
    connect(group, SIGNAL(buttonClicked(QAbstractButton*)), this,
            SLOT(select_Value_Language(QAbstractButton*)));
}

void LanguageDialog::select_Value_Language(QAbstractButton* button)
{
    selectedCode = button->objectName();
    ui->btn_ok->setFocus();
}

void LanguageDialog::on_btn_ok_clicked()
{
    translation->set_language(selectedCode);
    translation->load_Language();
    LogsApplication::Instance()->kestrova_Log_Debug("Language selected: " + selectedCode);
    if (openNextWindow)
        openNextWindow();
    setAttribute(Qt::WA_DeleteOnClose);
}

void LanguageDialog::on_btn_cancel_clicked()
{
    commandLine::get_Instance()->execute_Power_Off();
}

void LanguageDialog::closeEvent(QCloseEvent* event)
{
    commandLine::get_Instance()->execute_Power_Off();
    event->accept();
}

void LanguageDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape would hide the only window and leave the machine on a blank screen.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
