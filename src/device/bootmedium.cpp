#include "device/bootmedium.h"

#include "log/logsapplication.h"
#include "tests/maintest.h"
#include "deviceaccess/oskn_public.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QResizeEvent>

namespace {

// Follows a language switch by itself: the panel retranslates nothing of its own.
class BootMediumMark : public QLabel
{
public:
    explicit BootMediumMark(QWidget* parent) : QLabel(parent)
    {
        setObjectName("bootMediumMark");
        setStyleSheet("color: rgb(214, 88, 0); background: transparent;");
        QFont font("Helvetica Neue LT Std", 9);
        font.setBold(true);
        setFont(font);
        // The model column's width is the model's: the mark never widens it.
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        retranslate();
    }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QLabel::changeEvent(event);
    }
    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        show_Text();
    }

private:
    void retranslate()
    {
        text_ = QCoreApplication::translate("BootMedium", "Boot medium");
        setToolTip(QCoreApplication::translate("BootMedium",
                                               "The program runs from this drive and writes its logs on it. "
                                               "Operations that change or stop a drive are not run on it."));
        show_Text();
    }
    // Elided to the model's column, like the model itself.
    void show_Text() { setText(fontMetrics().elidedText(text_, Qt::ElideRight, width())); }

    QString text_;
};

} // namespace

bool is_Boot_Medium(_tDevice* record)
{
    const QByteArray boot = qgetenv("KESTROVA_BOOT_DISK");
    if (boot.isEmpty() || !record)
        return false;
    char path[256];
    return get_Device_Path(record, path, sizeof path) == 0 && boot == path;
}

bool changes_Drive(int testType)
{
    switch (testType) {
    case TestType::ShortDst:
    case TestType::ShortGeneric:
    case TestType::LongGeneric:
    case TestType::SmartCheck:
        return false;
    default:
        return true;
    }
}

void mark_Boot_Medium(QLabel* modelLabel)
{
    auto* row = qobject_cast<QBoxLayout*>(modelLabel->parentWidget()->layout());
    if (!row)
        return;
    const int at = row->indexOf(modelLabel);
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    row->removeWidget(modelLabel);
    row->insertLayout(at, column);
    column->addStretch();
    column->addWidget(modelLabel);
    column->addWidget(new BootMediumMark(modelLabel->parentWidget()));
    column->addStretch();
}

void refuse_On_Boot_Medium(QWidget* parent, const QString& operation, const QString& serial)
{
    LogsApplication::Instance()->kestrova_Log_Info("Warning: " + operation + " refused on the boot medium, SN: "
                                                   + serial);
    QMessageBox* box = new QMessageBox(
        QMessageBox::Warning, QCoreApplication::translate("BootMedium", "Boot medium"),
        QCoreApplication::translate("BootMedium",
                                    "The drive %1 is the medium this program runs from, and it holds the "
                                    "logs. Operations that change or stop a drive are not run on it.\n\n"
                                    "Untick it and choose the operation again for the other drives.")
            .arg(serial),
        QMessageBox::Ok, parent);
    box->setObjectName("bootMediumRefusal");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
