#include "dialogs/advancedfeatures.h"
#include "ui_advancedfeatures.h"

#include <QEvent>

AdvancedFeatures* AdvancedFeatures::g_Alert_Instance = nullptr;

AdvancedFeatures* AdvancedFeatures::Instance()
{
    if (!g_Alert_Instance)
        g_Alert_Instance = new AdvancedFeatures();
    return g_Alert_Instance;
}

AdvancedFeatures::AdvancedFeatures(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::AdvancedFeatures)
{
    ui->setupUi(this);
    // The form keeps the confirm button disabled; it becomes usable only once the shortcut
    // is in place. Clicks pass through it, so only F8 presses it.
    ui->pbF8->setAttribute(Qt::WA_TransparentForMouseEvents);
    ui->pbF8->setEnabled(true);
}

AdvancedFeatures::~AdvancedFeatures()
{
    delete ui;
}

void AdvancedFeatures::retranslate()
{
    ui->retranslateUi(this);
}

void AdvancedFeatures::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void AdvancedFeatures::on_pbF8_clicked()
{
    accept();
}
