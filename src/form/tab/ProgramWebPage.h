#pragma once

#include <QPointer>
#include <QWebEnginePage>

// The page of the embedded web view (part of the web module). Pages of the program (files
// below its folder) show in the pane; a link to any other http(s) address is handed to the
// opener, which shows it in the user's browser; every other address is refused. A link that
// asks for a new window (target="_blank") follows the same rule.
class ProgramWebPage : public QWebEnginePage
{
    Q_OBJECT
    // The address of the last load that failed (empty when the last load did not fail); read
    // by name where QtWebEngine is not linked.
    Q_PROPERTY(QUrl failedUrl READ failedUrl)
public:
    using Opener = void (*)(const QUrl &url);

    ProgramWebPage(const QString &programDir, Opener opener, QObject *parent = nullptr);

    // A file below the program folder.
    bool isProgramPage(const QUrl &url) const;
    QUrl failedUrl() const { return m_failedUrl; }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;

private:
    // A page standing in for a new window: its first address is decided for the opener page.
    ProgramWebPage(ProgramWebPage *openerPage);
    // Shows a program page in this pane or opens a web address outside; false when refused.
    bool follow(const QUrl &url);

    QString m_programDir;
    Opener m_opener;
    QPointer<ProgramWebPage> m_openerPage; // set on a stand-in for a new window
    QUrl m_loading;   // the address this page accepted last, until its load ends
    QUrl m_failedUrl;
};
