#include "form/tab/LazyWebView.h"

#include "form/tab/SharedGlContext.h"

#include "logging/QsLog.h"
#include "logic/businessLogic/Launcher.h"
#include "util/AppHelper.h"
#include "util/ModulePath.h"
#include "util/TrContexts.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLibrary>
#include <QPainter>
#include <QStackedLayout>
#include <QStyleOption>

namespace {
using OpenLink = void (*)(const QUrl &url);
using CreateView = QWidget *(*)(QWidget *parent, const QString &programDir, OpenLink opener);
const char *const kModule = "libvb_webview.so";

// A link of a page to another site opens in the user's browser.
void openInBrowser(const QUrl &url)
{
    Launcher::openUrl(url);
}

// The page's address as the missing-page text names it: below the program folder as the
// program names its pages, else as it stands.
QString pageName(const QUrl &url)
{
    if (url.isLocalFile()) {
        const QString dir = QDir::cleanPath(AppHelper::programDir());
        const QString path = QDir::cleanPath(url.toLocalFile());
        if (path.startsWith(dir + QLatin1Char('/')))
            return path.mid(dir.size());
        return path;
    }
    return url.toDisplayString();
}

bool isMissingFile(const QUrl &url)
{
    return url.isLocalFile() && !QFileInfo(url.toLocalFile()).isFile();
}
} // namespace

LazyWebView::LazyWebView(QWidget *parent)
    : QWidget(parent)
    , m_stack(new QStackedLayout(this))
    , m_text(new QLabel(this))
{
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_text->setObjectName(QStringLiteral("lbPageText"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    // Drawn on the view's own background (paintEvent), not on the page's.
    m_text->setStyleSheet(QStringLiteral("background: transparent;"));
    m_stack->addWidget(m_text);
}

QString LazyWebView::modulePath()
{
    return ModulePath::find(QLatin1String(kModule));
}

void LazyWebView::load(const QUrl &url)
{
    m_url = url;
    if (m_view)
        loadIntoView();
    else if (isVisible())
        createView();
}

void LazyWebView::loadIntoView()
{
    // Checked when the page is really loaded: the file may have gone since it was chosen.
    if (isMissingFile(m_url)) {
        QLOG_ERROR() << "page file missing when loaded:" << m_url.toLocalFile();
        showMissing(m_url);
        return;
    }
    m_view->setProperty("url", m_url);
    m_stack->setCurrentWidget(m_view);
}

void LazyWebView::showMissing(const QUrl &url)
{
    showText(TUI::tr("页面不存在: %1").arg(pageName(url)));
}

void LazyWebView::viewLoadFinished(bool ok)
{
    if (!ok && m_view && m_stack->currentWidget() == m_view) {
        // Any page of ours that could not be shown (a file gone, a page moving to a missing
        // one) shows the program's own text instead of an empty or foreign page. A link that
        // was refused is no failed page.
        QObject *page = m_view->findChild<QObject *>(QStringLiteral("programWebPage"));
        const QUrl failed = page ? page->property("failedUrl").toUrl() : QUrl();
        if (!failed.isEmpty()) {
            QLOG_ERROR() << "page could not be shown:" << failed.toDisplayString();
            showMissing(failed);
        }
    }
    emit loadFinished(ok);
}

void LazyWebView::loadProgramFile(const QString &relativePath)
{
    const QString path = AppHelper::checkResource(relativePath);
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        load(QUrl::fromLocalFile(path));
        return;
    }
    // A folder is no page either: the view would list its files.
    if (!path.isEmpty())
        QLOG_ERROR() << "not a page file:" << path;
    showText(TUI::tr("页面不存在: %1").arg(relativePath));
}

void LazyWebView::showText(const QString &text)
{
    m_url = QUrl();
    m_text->setText(text);
    m_stack->setCurrentWidget(m_text);
}

QString LazyWebView::text() const
{
    return m_text->text();
}

bool LazyWebView::isShowingText() const
{
    return m_stack->currentWidget() == m_text;
}

void LazyWebView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_view && m_url.isValid())
        createView();
}

void LazyWebView::paintEvent(QPaintEvent *)
{
    // The form's background colour shows also while the view is a text or not yet created.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void LazyWebView::createView()
{
    if (m_moduleFailed)
        return;
    SharedGlContext::createIfNeeded(); // the web engine shares it from its start
    QLibrary module(modulePath());
    const auto create = reinterpret_cast<CreateView>(module.resolve("vbCreateWebView"));
    if (!create) {
        m_moduleFailed = true;
        QLOG_ERROR() << "web module not available:" << module.errorString();
        showText(TUI::tr("无法显示网页: 缺少网页组件"));
        return;
    }
    m_view = create(this, AppHelper::programDir(), &openInBrowser);
    m_view->setObjectName(QStringLiteral("webEngineView"));
    // The view's own signal, by name: this library does not link QtWebEngine.
    connect(m_view, SIGNAL(loadFinished(bool)), this, SLOT(viewLoadFinished(bool)));
    m_stack->addWidget(m_view);
    loadIntoView();
}
