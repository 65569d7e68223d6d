#include "mainwindow/nodrivenotice.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

namespace {

class NoDriveNotice : public QLabel
{
public:
    explicit NoDriveNotice(QWidget* parent) : QLabel(parent)
    {
        setObjectName("noDriveNotice");
        setWordWrap(true);
        setTextFormat(Qt::RichText);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setStyleSheet("color: rgb(60, 60, 60); background: transparent; padding: 12px 24px;");
        setFont(QFont("Helvetica Neue LT Std", 12));
    }

    void set_State(DriveListState state)
    {
        state_ = state;
        retranslate();
    }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            retranslate();
        QLabel::changeEvent(event);
    }

private:
    void retranslate()
    {
        const QString title =
            state_ == DriveListState::OnlyBootMedium
                ? QCoreApplication::translate("NoDriveNotice", "No drive was found besides the boot medium.")
                : QCoreApplication::translate("NoDriveNotice", "No drive was found.");
        const QString hints[] = {
            QCoreApplication::translate("NoDriveNotice",
                                        "Connect the drive and press Rescan; a drive that was just powered on "
                                        "may need a few seconds."),
            QCoreApplication::translate("NoDriveNotice",
                                        "Check that the drive's data and power cables are firmly attached at "
                                        "both ends, or try another port or cable."),
            QCoreApplication::translate("NoDriveNotice",
                                        "If the drive is attached but not listed, the firmware's storage mode "
                                        "may hide it: set the SATA mode from RAID to AHCI in the firmware "
                                        "setup and start the machine again.")};
        QString html = "<p style=\"font-size: 15pt; font-weight: bold; color: rgb(0, 161, 221);\">"
                       + title.toHtmlEscaped() + "</p><ul>";
        for (const QString& hint : hints)
            html += "<li style=\"margin-bottom: 8px;\">" + hint.toHtmlEscaped() + "</li>";
        setText(html + "</ul>");
    }

    DriveListState state_ = DriveListState::NoDrive;
};

} // namespace

void show_No_Drive_Notice(QBoxLayout* list, DriveListState state)
{
    QWidget* owner = list->parentWidget();
    auto* notice = static_cast<NoDriveNotice*>(owner->findChild<QLabel*>("noDriveNotice", Qt::FindDirectChildrenOnly));
    if (state == DriveListState::Drives) {
        if (notice)
            notice->hide();
        return;
    }
    if (!notice)
        notice = new NoDriveNotice(owner);
    notice->set_State(state);
    // Under the panels, above the spacer that closes the list.
    list->removeWidget(notice);
    const int count = list->count();
    list->insertWidget(count > 0 && list->itemAt(count - 1)->spacerItem() ? count - 1 : count, notice);
    notice->show();
}
