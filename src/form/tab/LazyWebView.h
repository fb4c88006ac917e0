#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>

class QLabel;
class QStackedLayout;

// An embedded web view that costs nothing until it is first shown: Chromium (QtWebEngine)
// lives in a module loaded then, so start-up and idle memory never pay for it. Until the
// page is shown, load() only remembers the address. A page that cannot be shown (a file missing
// when it is loaded, a failed load, or no web module) gets a short plain text instead. Links to
// other sites open in the user's browser.
class LazyWebView : public QWidget
{
    Q_OBJECT
public:
    explicit LazyWebView(QWidget *parent = nullptr);

    // Loads the address now when the view exists, else when it is first shown.
    void load(const QUrl &url);
    QUrl url() const { return m_url; }
    // Loads a file below the program folder; a missing one shows a short text instead of a
    // page (and is logged), never the root folder's listing.
    void loadProgramFile(const QString &relativePath);
    // Shows the text (plain) in place of a page.
    void showText(const QString &text);
    QString text() const;
    bool isShowingText() const;
    // The QWebEngineView, null until first shown.
    QWidget *view() const { return m_view; }

    // Where the web module is looked for.
    static QString modulePath();

signals:
    void loadFinished(bool ok);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private slots:
    void viewLoadFinished(bool ok);

private:
    void createView();
    void loadIntoView();
    void showMissing(const QUrl &url);

    QStackedLayout *m_stack;
    QLabel *m_text;
    QPointer<QWidget> m_view;
    QUrl m_url;
    bool m_moduleFailed = false;
};
