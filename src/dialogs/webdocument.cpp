#include "dialogs/webdocument.h"

#include <QWebFrame>
#include <QWebPage>
#include <QUrl>
#include <QWebSettings>
#include <QWebView>

bool document_At_End(const QWebView* view)
{
    const QWebFrame* frame = view->page()->mainFrame();
    return frame->scrollPosition().y() >= frame->scrollBarMaximum(Qt::Vertical);
}

void style_Document_Scroll_Bar(QWebView* view)
{
    // The engine draws the page's scroll bars itself, ignoring widget style sheets; a user
    // style sheet of the page gives them their look.
    static const char css[] =
        "::-webkit-scrollbar { width: 7px; background: rgb(241, 241, 241); }\n"
        "::-webkit-scrollbar-thumb:vertical { background: rgb(170, 170, 170); }\n"
        "::-webkit-scrollbar-button:vertical:start:decrement,"
        " ::-webkit-scrollbar-button:vertical:end:increment {"
        " display: block; height: 19px; border: 1px solid grey;"
        " background: rgb(241, 241, 241) no-repeat center; }\n"
        "::-webkit-scrollbar-button:vertical:start:decrement { background-image:"
        " url(\"data:image/svg+xml;utf8,<svg xmlns='http://www.w3.org/2000/svg' width='5' height='5'>"
        "<path d='M0 4 L2.5 1 L5 4 Z' fill='rgb(96,96,96)'/></svg>\"); }\n"
        "::-webkit-scrollbar-button:vertical:end:increment { background-image:"
        " url(\"data:image/svg+xml;utf8,<svg xmlns='http://www.w3.org/2000/svg' width='5' height='5'>"
        "<path d='M0 1 L2.5 4 L5 1 Z' fill='rgb(96,96,96)'/></svg>\"); }\n";
    view->settings()->setUserStyleSheetUrl(
        QUrl("data:text/css;charset=utf-8;base64," + QByteArray(css).toBase64()));
}

void detach_Document_View(QWebView* view, QObject* window)
{
    view->page()->disconnect(window);
    view->disconnect(window);
}
