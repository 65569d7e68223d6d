#include "app/windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QApplication>
#include <QEvent>
#include <QTimer>
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

namespace {

bool takes_Keyboard(const QWidget* w)
{
    const Qt::WindowType type = w->windowType();
    return w->isWindow() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen
        && type != Qt::Desktop;
}

class KeyboardToWindows : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || !takes_Keyboard(w))
            return false;
        if (event->type() == QEvent::Show) {
            w->activateWindow();
        } else if (event->type() == QEvent::Hide) {
            // Once the hide is done: a modal window left has the first claim, then the newest.
            QTimer::singleShot(0, this, [] {
                if (QApplication::activeWindow() || QApplication::activePopupWidget())
                    return;
                QWidget* next = QApplication::activeModalWidget();
                if (!next) {
                    const QWidgetList all = QApplication::topLevelWidgets();
                    for (auto it = all.crbegin(); it != all.crend() && !next; ++it)
                        if ((*it)->isVisible() && takes_Keyboard(*it))
                            next = *it;
                }
                if (next)
                    next->activateWindow();
            });
        }
        return false;
    }
};

} // namespace

void give_Windows_The_Keyboard(QApplication& app)
{
    app.installEventFilter(new KeyboardToWindows(&app));
}
