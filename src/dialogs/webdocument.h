#ifndef WEBDOCUMENT_H
#define WEBDOCUMENT_H

class QWebView;

// Helpers of the windows that show an agreement or help document in a web view.

// True when the view's main frame shows the last line of its document.
bool document_At_End(const QWebView* view);

// Gives the view's document the thin grey vertical scroll bar of the document windows
// (7 pixels wide, 19-pixel arrows).
void style_Document_Scroll_Bar(QWebView* view);

#endif // WEBDOCUMENT_H
