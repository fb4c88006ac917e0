#include "device/mouse/mirel/ui/MirelMouseHelpTab.h"
#include "form/tab/LazyWebView.h"
#include "form/tab/WebWithTitleTab.h"
#include "support/TestHome.h"

#include <QAbstractButton>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {
bool webEngineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt5WebEngine");
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
        QVERIFY(!tab.webView()->view());
        tab.resize(700, 500);
        tab.show();
        QVERIFY(tab.webView()->view());
        QVERIFY(webEngineMapped());
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
