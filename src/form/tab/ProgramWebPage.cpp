#include "ProgramWebPage.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QWebEngineSettings>

ProgramWebPage::ProgramWebPage(const QString &programDir, Opener opener, QObject *parent)
    : QWebEnginePage(parent)
    , m_programDir(QDir::cleanPath(QFileInfo(programDir).absoluteFilePath()))
    , m_opener(opener)
{
    // A page that cannot be shown gets the program's own text, not Chromium's error page.
    settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    // Before the view hears of the end: it asks which address failed. A refused link ends no
    // load of ours, so it never counts as a failure.
    connect(this, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        m_failedUrl = ok ? QUrl() : m_loading;
        m_loading.clear();
    });
}

ProgramWebPage::ProgramWebPage(ProgramWebPage *openerPage)
    : QWebEnginePage(openerPage)
    , m_programDir(openerPage->m_programDir)
    , m_opener(openerPage->m_opener)
    , m_openerPage(openerPage)
{
}

bool ProgramWebPage::isProgramPage(const QUrl &url) const
{
    if (!url.isLocalFile() || m_programDir.isEmpty())
        return false;
    const QString path = QDir::cleanPath(QFileInfo(url.toLocalFile()).absoluteFilePath());
    return path.startsWith(m_programDir + QLatin1Char('/'));
}

bool ProgramWebPage::follow(const QUrl &url)
{
    if (isProgramPage(url)) {
        setUrl(url);
        return true;
    }
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        if (m_opener)
            m_opener(url);
        return true;
    }
    qWarning("web page: refused to open %s", qPrintable(url.toDisplayString()));
    return false;
}

bool ProgramWebPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (m_openerPage) {
        // The stand-in for a new window: its address is the link's, decided for the pane it
        // came from; the stand-in itself never shows anything.
        if (url.isEmpty() || url == QUrl(QStringLiteral("about:blank")))
            return false;
        m_openerPage->follow(url);
        QTimer::singleShot(0, this, &QObject::deleteLater);
        m_openerPage.clear();
        return false;
    }
    if (isProgramPage(url) || url == QUrl(QStringLiteral("about:blank"))) {
        if (isMainFrame)
            m_loading = url;
        return true;
    }
    // Only a link the user clicks leaves for the browser; a page that moves by itself to
    // another site (a redirect, a script) is refused.
    if (type == NavigationTypeLinkClicked)
        follow(url);
    else
        qWarning("web page: refused to show %s", qPrintable(url.toDisplayString()));
    Q_UNUSED(isMainFrame)
    return false;
}

QWebEnginePage *ProgramWebPage::createWindow(WebWindowType)
{
    return new ProgramWebPage(this);
}
