#include "databinding/PageNavigator.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestPageNavigator : public QObject
{
    Q_OBJECT

private slots:
    void counts_data();
    void counts();
    void window_data();
    void window();
    void pageButtonsChangePage();
    void arrowsStopAtTheEnds();
};

void TestPageNavigator::counts_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<int>("buttonCount");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("buttons");

    QTest::newRow("empty") << 0 << 6 << 7 << 0 << 0;
    QTest::newRow("one record") << 1 << 6 << 7 << 1 << 1;
    QTest::newRow("exactly one page") << 6 << 6 << 7 << 1 << 1;
    QTest::newRow("one more") << 7 << 6 << 7 << 2 << 2;
    QTest::newRow("seven pages") << 42 << 6 << 7 << 7 << 7;
    QTest::newRow("more pages than buttons") << 100 << 6 << 7 << 17 << 7;
    QTest::newRow("fewer buttons wanted") << 100 << 10 << 3 << 10 << 3;
}

void TestPageNavigator::counts()
{
    QFETCH(int, total);
    QFETCH(int, pageSize);
    QFETCH(int, buttonCount);
    QFETCH(int, pages);
    QFETCH(int, buttons);
    PageNavigator nav;
    nav.setTotal(total, pageSize, 1, buttonCount);
    QCOMPARE(nav.pageCount(), pages);
    QCOMPARE(nav.pageButtonCount(), buttons);
    QCOMPARE(nav.totalText(), QStringLiteral("共%1条").arg(total));
    QCOMPARE(nav.findChildren<QPushButton *>(QRegularExpression("^btnPage")).size(), buttons);
}

void TestPageNavigator::window_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<QVector<int>>("shown");
    QTest::newRow("start") << 1 << QVector<int>{1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("middle") << 9 << QVector<int>{6, 7, 8, 9, 10, 11, 12};
    QTest::newRow("end") << 17 << QVector<int>{11, 12, 13, 14, 15, 16, 17};
    QTest::newRow("past the end is clamped") << 40 << QVector<int>{11, 12, 13, 14, 15, 16, 17};
}

void TestPageNavigator::window()
{
    QFETCH(int, current);
    QFETCH(QVector<int>, shown);
    PageNavigator nav;
    nav.setTotal(100, 6, current, 7);
    QCOMPARE(nav.buttonPages(), shown);
    QVERIFY(nav.currentPage() >= 1 && nav.currentPage() <= 17);
}

void TestPageNavigator::pageButtonsChangePage()
{
    PageNavigator nav;
    nav.setTotal(30, 6, 1, 7);
    nav.show();
    QSignalSpy spy(&nav, &PageNavigator::currentPageChanged);
    auto *three = nav.findChild<QPushButton *>("btnPage3");
    QVERIFY(three);
    QTest::mouseClick(three, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 3);
    QCOMPARE(nav.currentPage(), 3);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Clicking the current page again changes nothing and keeps it marked.
    auto *again = nav.findChild<QPushButton *>("btnPage3");
    QTest::mouseClick(again, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QVERIFY(again->isChecked());
}

void TestPageNavigator::arrowsStopAtTheEnds()
{
    PageNavigator nav;
    nav.setTotal(13, 6, 1, 7);
    QSignalSpy spy(&nav, &PageNavigator::currentPageChanged);
    auto *prev = nav.findChild<QPushButton *>("btnPrevPage");
    auto *next = nav.findChild<QPushButton *>("btnNextPage");
    QVERIFY(!prev->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(nav.currentPage(), 3);
    QVERIFY(!next->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
    QTest::mouseClick(prev, Qt::LeftButton);
    QCOMPARE(nav.currentPage(), 2);
}

QTEST_MAIN(TestPageNavigator)
#include "tst_pagenavigator.moc"
