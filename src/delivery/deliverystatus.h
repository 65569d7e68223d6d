#pragma once

#include "delivery/deliveryqueue.h"

#include <QLabel>
#include <QPointer>

namespace delivery {

// The delivery state in the user's language.
QString status_Text(const Status& status);

// The main window's line about results delivery; follows the queue and the language.
class StatusLabel : public QLabel
{
    Q_OBJECT
public:
    explicit StatusLabel(Queue* queue, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void refresh();

private:
    QPointer<Queue> queue;
};

} // namespace delivery
