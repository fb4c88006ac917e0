// The about page.
#include "form/tab/AboutTab.h"
#include "support/InterfaceLanguage.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestAboutTab : public QObject
{
    Q_OBJECT

private slots:
    void aboutPageShowsTheLogoAndTwoLinesWithoutAButton()
    {
        AboutTab page;
        page.show();
        QCOMPARE(page.windowTitle(), QStringLiteral("关于我们"));
        QVERIFY(!page.findChild<QLabel *>("lbLogo")->pixmap(Qt::ReturnByValue).isNull());
        for (const char *name : {"lbCompanyInfo1", "lbCompanyInfo2"}) {
            auto *line = page.findChild<QLabel *>(QLatin1String(name));
            QVERIFY(!line->text().isEmpty());
            QVERIFY(line->alignment() & Qt::AlignHCenter);
            QVERIFY(line->isVisible());
        }
        QVERIFY(!page.findChild<QPushButton *>("lbButton")->isVisible());
    }

    // The second line names the maker in English: the first one, translated, says something else.
    void aboutPageLinesSayDifferentThingsInEveryLanguage_data()
    {
        InterfaceLanguage::addRows();
    }

    void aboutPageLinesSayDifferentThingsInEveryLanguage()
    {
        QFETCH(QString, lang);
        InterfaceLanguage language(lang);
        QVERIFY(language.isReady());
        AboutTab page;
        language.uninstall();
        const QString first = page.findChild<QLabel *>("lbCompanyInfo1")->text();
        const QString second = page.findChild<QLabel *>("lbCompanyInfo2")->text();
        QVERIFY2(first.compare(second, Qt::CaseInsensitive) != 0, qPrintable(first));
    }
};

QTEST_MAIN(TestAboutTab)
#include "tst_abouttab.moc"
