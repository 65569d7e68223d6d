#include "windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void center_On_Available_Desktop(QWidget* window)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveCenter(QPoint((area.left() + area.right()) / 2, (area.top() + area.bottom()) / 2));
    window->move(frame.topLeft());
}
