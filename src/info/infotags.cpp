#include "infotags.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

InfoTags* informantionDevice = nullptr;

InfoTags::InfoTags(QWidget* parent) : QWidget(parent)
{
    setObjectName("InfoTags");
    setMinimumHeight(260);
    setStyleSheet("QWidget#InfoTags { background-color: rgb(241, 241, 241); }");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 6, 12, 6);
    logView = new QPlainTextEdit(this);
    logView->setObjectName("plainTextEdit");
    logView->setReadOnly(true);
    logView->setFont(QFont("Helvetica Neue LT Std", 10));
    logView->setStyleSheet("QPlainTextEdit { background-color: rgb(255, 255, 255); border-radius: 6px; }");
    layout->addWidget(logView);
}

void InfoTags::set_Plain_Text_Edit(const QStringList& lines)
{
    logView->setPlainText(lines.join(QString()).trimmed());
    logView->moveCursor(QTextCursor::End);
}

QString InfoTags::get_Plain_Text() const
{
    return logView->toPlainText();
}
