#include "dialogs/messagefit.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLayout>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <cmath>

void fit_Message(QDialog* dialog, QPlainTextEdit* message)
{
    // The style sheets give the message its font and frame; the layouts its width, from the
    // window down (a window not shown yet has not laid out the widgets inside its widgets).
    dialog->ensurePolished();
    message->ensurePolished();
    QList<QWidget*> chain;
    for (QWidget* w = message->parentWidget(); w; w = w == dialog ? nullptr : w->parentWidget())
        chain.prepend(w);
    for (QWidget* w : chain)
        if (w->layout())
            w->layout()->activate();
    const int frame = 2 * message->frameWidth();

    // The lines as the message lays them out: its font and wrapping, its margin, the leading
    // included.
    const qreal margin = message->document()->documentMargin();
    const qreal lineWidth = message->width() - frame - 2 * margin;
    qreal textHeight = 2 * margin;
    QTextOption option = message->document()->defaultTextOption();
    option.setWrapMode(message->wordWrapMode());
    for (QTextBlock block = message->document()->begin(); block.isValid(); block = block.next()) {
        QTextLayout lines(block.text(), message->font());
        lines.setTextOption(option);
        lines.beginLayout();
        for (QTextLine line = lines.createLine(); line.isValid(); line = lines.createLine()) {
            line.setLeadingIncluded(true);
            line.setLineWidth(lineWidth);
            textHeight += line.height();
        }
        lines.endLayout();
    }
    const int needed = int(std::ceil(textHeight)) + frame + 2;

    int height = dialog->height() + std::max(0, needed - message->height());
    const QScreen* screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().height() * 9 / 10 : height;
    const bool scrolls = height > room;
    if (scrolls)
        height = room;
    dialog->setMinimumHeight(height);
    dialog->setMaximumHeight(height);
    dialog->resize(dialog->width(), height);

    message->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    message->setFocusPolicy(scrolls ? Qt::StrongFocus : Qt::NoFocus);
    if (scrolls)
        message->setFocus();
}
