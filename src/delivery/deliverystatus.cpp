#include "delivery/deliverystatus.h"

#include <QCoreApplication>
#include <QEvent>

namespace delivery {

QString status_Text(const Status& s)
{
    QString text;
    switch (s.state) {
    case Status::Connecting:
        text = QCoreApplication::translate("DeliveryStatus", "Results: connecting to %1").arg(s.server);
        break;
    case Status::Sent:
        text = QCoreApplication::translate("DeliveryStatus", "Results: all sent to %1").arg(s.server);
        break;
    case Status::Waiting:
        text = QCoreApplication::translate("DeliveryStatus", "Results: %1 waiting to be sent to %2")
                   .arg(QString::number(s.queued), s.server);
        break;
    case Status::Failing:
        if (s.queued == 0) {
            text = QCoreApplication::translate("DeliveryStatus", "Results: %1 cannot be reached (%2); trying again")
                       .arg(s.server, s.reason);
            break;
        }
        text = QCoreApplication::translate("DeliveryStatus",
                                           "Results: sending to %1 failed (%2); %3 waiting, trying again")
                   .arg(s.server, s.reason, QString::number(s.queued));
        break;
    case Status::BadUrl:
        text = QCoreApplication::translate(
                   "DeliveryStatus", "Results stay in local files only: %1 is not a valid http:// or https:// address")
                   .arg(s.server);
        break;
    case Status::Refused:
        text = QCoreApplication::translate("DeliveryStatus",
                                           "Results stay in local files only: the certificate of %1 was refused (%2)")
                   .arg(s.server, s.reason);
        break;
    }
    if (!s.outboxReason.isEmpty())
        text += "\n"
                + QCoreApplication::translate("DeliveryStatus", "The list of results to send could not be saved: %1")
                      .arg(s.outboxReason);
    return text;
}

StatusLabel::StatusLabel(Queue* queue, QWidget* parent) : QLabel(parent), queue(queue)
{
    setObjectName("deliveryStatus");
    setStyleSheet("color: rgb(255, 255, 255);");
    setFont(QFont("Helvetica Neue LT Std", 10, QFont::Bold));
    setWordWrap(true);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(queue, &Queue::status_Changed, this, &StatusLabel::refresh);
    refresh();
}

void StatusLabel::refresh()
{
    if (queue)
        setText(status_Text(queue->status()));
}

void StatusLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        refresh();
    QLabel::changeEvent(event);
}

} // namespace delivery
