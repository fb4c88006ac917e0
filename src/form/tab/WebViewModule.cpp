// The web module: the only code that links QtWebEngine. LazyWebView loads it on first show.
#include "ProgramWebPage.h"

#include <QWebEngineView>

// A view whose page keeps the program's pages in the pane and hands other web addresses to
// the opener.
extern "C" Q_DECL_EXPORT QWidget *vbCreateWebView(QWidget *parent, const QString &programDir,
                                                  ProgramWebPage::Opener opener)
{
    auto *view = new QWebEngineView(parent);
    auto *page = new ProgramWebPage(programDir, opener, view);
    page->setObjectName(QStringLiteral("programWebPage"));
    view->setPage(page);
    return view;
}
