// The web module: the only code that links QtWebEngine. LazyWebView loads it on first show.
#include <QWebEngineView>

extern "C" Q_DECL_EXPORT QWidget *vbCreateWebView(QWidget *parent)
{
    return new QWebEngineView(parent);
}
