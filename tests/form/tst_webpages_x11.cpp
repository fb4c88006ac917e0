#include "device/mouse/mirel/ui/MirelMouseHelpTab.h"
#include "form/StartupSequence.h"
#include "form/tab/LazyWebView.h"
#include "form/tab/SharedGlContext.h"
#include "form/tab/WebWithTitleTab.h"
#include "support/TestHome.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {
// As the program starts: before the application object.
const bool kStartedAsTheProgram = [] {
    StartupSequence::setApplicationAttributes();
    return true;
}();

bool webEngineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt5WebEngine");
}

// Stands in for the user's browser.
class BrowserCatcher : public QObject
{
    Q_OBJECT
public:
    BrowserCatcher()
    {
        for (const char *scheme : {"http", "https", "ftp"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~BrowserCatcher() override
    {
        for (const char *scheme : {"http", "https", "ftp"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

// The address the web view shows now.
QUrl shownUrl(LazyWebView *web)
{
    return web->view()->property("url").toUrl();
}

// A link drawn as a 600 x 80 block, one under the other.
QByteArray linkBlock(const char *href, const char *target = "")
{
    return QByteArray("<a style='display:block;width:600px;height:80px;margin:0' href='") + href + "' target='"
        + target + "'>" + href + "</a>";
}

void clickBlock(LazyWebView *web, int block)
{
    QWidget *surface = web->view()->focusProxy();
    QVERIFY(surface);
    const QPoint at(100, block * 80 + 40);
    QTest::mouseMove(surface, at);
    QTest::qWait(50);
    QTest::mouseClick(surface, Qt::LeftButton, {}, at);
}
} // namespace

class TestWebPages : public QObject
{
    Q_OBJECT

    static QAbstractButton *pageButton(MirelMouseHelpTab &tab, int n)
    {
        return tab.findChild<QAbstractButton *>(QStringLiteral("btnPage%1").arg(n));
    }
    static QStringList checkedButtons(MirelMouseHelpTab &tab)
    {
        QStringList names;
        for (int n = 1; n <= 3; ++n) {
            if (pageButton(tab, n)->isChecked())
                names << pageButton(tab, n)->text();
        }
        return names;
    }

private slots:
    // Runs first: nothing before it has shown a web page.
    void webEngineIsLoadedOnlyWhenAPageIsShown()
    {
        TestHome home;
        MirelMouseHelpTab tab;
        WebWithTitleTab web(QStringLiteral("/assets/mirel/help/help2.html"));
        QVERIFY(!webEngineMapped());
        QVERIFY(!SharedGlContext::isCreated());
        QVERIFY(!tab.webView()->view());
        tab.resize(700, 500);
        tab.show();
        QVERIFY(tab.webView()->view());
        QVERIFY(webEngineMapped());
        QVERIFY(SharedGlContext::isCreated() || QGuiApplication::platformName() == QLatin1String("offscreen"));
    }

    void helpPageOpensOnPageOneAndTheButtonsLoadTheirPages()
    {
        TestHome home;
        MirelMouseHelpTab tab;
        QSignalSpy loaded(tab.webView(), &LazyWebView::loadFinished);
        tab.resize(700, 500);
        tab.show();
        QVERIFY(loaded.wait(20000));
        QCOMPARE(loaded.last().value(0).toBool(), true);
        QCOMPARE(tab.webView()->url(), QUrl::fromLocalFile(home.file("assets/mirel/help/help1.html")));
        QVERIFY(checkedButtons(tab).isEmpty());

        pageButton(tab, 3)->click();
        QVERIFY(loaded.wait(20000));
        QCOMPARE(loaded.last().value(0).toBool(), true);
        QCOMPARE(tab.webView()->url(), QUrl::fromLocalFile(home.file("assets/mirel/help/help3.html")));
        QCOMPARE(checkedButtons(tab), QStringList({"3"}));

        pageButton(tab, 1)->click();
        QCOMPARE(tab.webView()->url(), QUrl::fromLocalFile(home.file("assets/mirel/help/help1.html")));
        QCOMPARE(checkedButtons(tab), QStringList({"1"}));
    }

    void anEditedHelpPageIsKept()
    {
        TestHome home;
        home.write("assets/mirel/help/help2.html", "<p>ours</p>");
        MirelMouseHelpTab tab;
        QCOMPARE(home.read("assets/mirel/help/help2.html"), QByteArray("<p>ours</p>"));
        QVERIFY(home.read("assets/mirel/help/help1.html").contains("<html"));
    }

    void aMissingHelpFolderShowsTheMissingText()
    {
        TestHome home;
        home.write("assets", "a file where the folder should be");
        MirelMouseHelpTab tab;
        tab.show();
        pageButton(tab, 2)->click();
        QVERIFY(tab.webView()->isShowingText());
        QVERIFY(tab.webView()->text().contains("/assets/mirel/help/help2.html"));
        QVERIFY(tab.webView()->url().isEmpty());
    }

    void titledPageLoadsItsFileOrSaysItIsMissing()
    {
        TestHome home;
        home.write("pages/about.html", "<html><body><p>about</p></body></html>");
        WebWithTitleTab page(QStringLiteral("/pages/about.html"));
        page.setTitle(QStringLiteral("关于"));
        QSignalSpy loaded(page.webView(), &LazyWebView::loadFinished);
        page.resize(600, 400);
        page.show();
        QVERIFY(loaded.wait(20000));
        QCOMPARE(loaded.last().value(0).toBool(), true);
        QCOMPARE(page.webView()->url(), QUrl::fromLocalFile(home.file("pages/about.html")));

    }

    void linksToOtherSitesOpenInTheBrowserAndProgramPagesStayInThePane()
    {
        TestHome home;
        BrowserCatcher browser;
        home.write("pages/links.html", "<html><body style='margin:0'>" + linkBlock("http://127.0.0.1:9/site")
                                           + linkBlock("https://127.0.0.1:9/blank", "_blank")
                                           + linkBlock("ftp://127.0.0.1/file") + linkBlock("next.html", "_blank")
                                           + "</body></html>");
        home.write("pages/next.html", "<html><body><p>next</p></body></html>");
        const QUrl links = QUrl::fromLocalFile(home.file("pages/links.html"));
        WebWithTitleTab page(QStringLiteral("/pages/links.html"));
        QSignalSpy loaded(page.webView(), &LazyWebView::loadFinished);
        page.resize(800, 600);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(loaded.wait(20000));
        QTRY_VERIFY_WITH_TIMEOUT(page.webView()->view()->focusProxy(), 10000);
        QTest::qWait(300); // painted once, so the clicks land on the links

        clickBlock(page.webView(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(browser.urls, QList<QUrl>{QUrl("http://127.0.0.1:9/site")}, 10000);
        clickBlock(page.webView(), 1); // target="_blank"
        QTRY_COMPARE_WITH_TIMEOUT(browser.urls.size(), 2, 10000);
        QCOMPARE(browser.urls.last(), QUrl("https://127.0.0.1:9/blank"));
        clickBlock(page.webView(), 2); // refused
        QTest::qWait(500);
        QCOMPARE(browser.urls.size(), 2);
        QCOMPARE(shownUrl(page.webView()), links);
        QVERIFY(!page.webView()->isShowingText());

        clickBlock(page.webView(), 3); // a page of the program, asked for in a new window
        QTRY_COMPARE_WITH_TIMEOUT(shownUrl(page.webView()), QUrl::fromLocalFile(home.file("pages/next.html")), 10000);
        QCOMPARE(browser.urls.size(), 2);
    }

    void aPageThatCannotBeShownShowsTheProgramsOwnText()
    {
        TestHome home;
        home.write("pages/gone.html", "<html><body><p>soon gone</p></body></html>");
        WebWithTitleTab gone(QStringLiteral("/pages/gone.html"));
        QVERIFY(QFile::remove(home.file("pages/gone.html"))); // after the page was built
        gone.show();
        QVERIFY(gone.webView()->isShowingText());
        QCOMPARE(gone.webView()->text(), QStringLiteral("页面不存在: /pages/gone.html"));

        home.write("pages/moved.html", "<html><head><meta http-equiv='refresh' content='0; url=absent.html'></head>"
                                       "<body><p>moved</p></body></html>");
        WebWithTitleTab moved(QStringLiteral("/pages/moved.html"));
        moved.resize(600, 400);
        moved.show();
        QTRY_VERIFY_WITH_TIMEOUT(moved.webView()->isShowingText(), 20000);
        QCOMPARE(moved.webView()->text(), QStringLiteral("页面不存在: /pages/absent.html"));
    }

    void aMissingFileOrAFolderIsNoPage_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing file") << QStringLiteral("/pages/absent.html");
        QTest::newRow("a folder") << QStringLiteral("/pages");
        QTest::newRow("the program folder") << QString();
    }

    void aMissingFileOrAFolderIsNoPage()
    {
        QFETCH(QString, path);
        TestHome home;
        home.write("pages/about.html", "<html><body><p>about</p></body></html>");
        WebWithTitleTab page(path);
        page.show();
        QVERIFY(page.webView()->isShowingText());
        QVERIFY(!page.webView()->view()); // no page, so no web view either
        QVERIFY(page.webView()->url().isEmpty());
        QCOMPARE(page.webView()->text(), QStringLiteral("页面不存在: %1").arg(path));
    }
};

QTEST_MAIN(TestWebPages)
#include "tst_webpages_x11.moc"
