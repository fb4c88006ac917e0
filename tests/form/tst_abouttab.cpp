// The about page.
#include "form/tab/AboutTab.h"

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
};

QTEST_MAIN(TestAboutTab)
#include "tst_abouttab.moc"
