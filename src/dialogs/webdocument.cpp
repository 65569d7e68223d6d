#include "webdocument.h"

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
        " background: rgb(241, 241, 241); }\n";
    view->settings()->setUserStyleSheetUrl(
        QUrl("data:text/css;charset=utf-8;base64," + QByteArray(css).toBase64()));
}
