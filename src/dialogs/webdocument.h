#ifndef WEBDOCUMENT_H
#define WEBDOCUMENT_H

class QObject;
class QWebView;

// Helpers of the windows that show an agreement or help document in a web view.

// True when the view's main frame shows the last line of its document.
bool document_At_End(const QWebView* view);

// Gives the view's document the thin grey vertical scroll bar of the document windows
// (7 pixels wide, 19-pixel arrows).
void style_Document_Scroll_Bar(QWebView* view);

// Cuts every connection from the view and its page to the window that shows them. A window
// calls it first in its destructor: a view destroyed while its document still loads announces
// the failed load, which must not reach a window whose form is already gone.
void detach_Document_View(QWebView* view, QObject* window);

#endif // WEBDOCUMENT_H
