#include "qui/control/ClickableLabel.h"
#include "qui/ui/SectionWidget.h"

#include <QGridLayout>
#include <QSignalSpy>
#include <QtTest>

class TestSectionWidget : public QObject
{
    Q_OBJECT
private slots:
    void gridPositions();
    void filter_data();
    void filter();
    void countMismatchAddsNothing();
    void clickReportsTextAndData();
    void line();
};

namespace {
const QStringList kNames{QStringLiteral("中文(简体)"), QStringLiteral("中文(繁体)"), QStringLiteral("English"),
                         QStringLiteral("日本語"), QStringLiteral("Español"), QStringLiteral("english slang")};
}

void TestSectionWidget::gridPositions()
{
    SectionWidget section;
    section.setColumnCount(4);
    QVERIFY(section.addOptions(kNames));
    auto *grid = section.findChild<QGridLayout *>(QStringLiteral("gridLayout"));
    QVERIFY(grid);
    const auto labels = section.labels();
    QCOMPARE(labels.size(), kNames.size());
    for (int i = 0; i < labels.size(); ++i) {
        QCOMPARE(labels.at(i)->text(), kNames.at(i));
        int row = -1, column = -1, rs = 0, cs = 0;
        grid->getItemPosition(grid->indexOf(labels.at(i)), &row, &column, &rs, &cs);
        QCOMPARE(row, i / 4);
        QCOMPARE(column, i % 4);
    }
}

void TestSectionWidget::filter_data()
{
    QTest::addColumn<QString>("keyword");
    QTest::addColumn<QStringList>("visible");
    QTest::newRow("empty shows all") << QString() << kNames;
    QTest::newRow("substring") << QStringLiteral("中文") << QStringList{kNames.at(0), kNames.at(1)};
    QTest::newRow("middle of text") << QStringLiteral("体") << QStringList{kNames.at(0), kNames.at(1)};
    QTest::newRow("case-sensitive") << QStringLiteral("english") << QStringList{kNames.at(5)};
    QTest::newRow("no match") << QStringLiteral("xyz") << QStringList();
}

void TestSectionWidget::filter()
{
    QFETCH(QString, keyword);
    QFETCH(QStringList, visible);
    SectionWidget section;
    section.setTitle(QStringLiteral("常用"));
    section.addOptions(kNames);
    section.show();
    section.filterLabels(QStringLiteral("zzz")); // a filter before must not stick
    section.filterLabels(keyword);
    QCOMPARE(section.visibleLabels(), visible);
    QCOMPARE(section.title(), QStringLiteral("常用"));
    auto *title = section.findChild<QLabel *>(QStringLiteral("lbTitle"));
    QVERIFY(title && title->isVisible());
}

void TestSectionWidget::countMismatchAddsNothing()
{
    SectionWidget section;
    QVERIFY(!section.addOptions(kNames, QVariantList{1, 2}));
    QVERIFY(section.labels().isEmpty());
    QVERIFY(section.findChildren<ClickableLabel *>().isEmpty());
    // Matching counts and no datas at all both work.
    QVERIFY(section.addOptions({QStringLiteral("a"), QStringLiteral("b")}, {1, 2}));
    QVERIFY(section.addOptions({QStringLiteral("c")}));
    QCOMPARE(section.labels().size(), 3);
}

void TestSectionWidget::clickReportsTextAndData()
{
    SectionWidget section;
    section.setColumnCount(2);
    section.addOptions({QStringLiteral("English"), QStringLiteral("<b>日本語</b>")},
                       {QStringLiteral("en"), QStringLiteral("ja")});
    section.show();
    QVERIFY(QTest::qWaitForWindowExposed(&section));
    QSignalSpy selected(&section, &SectionWidget::labelSelected);
    ClickableLabel *second = section.labels().at(1);
    // Names are plain text, never markup.
    QCOMPARE(second->textFormat(), Qt::PlainText);
    QTest::mouseClick(second, Qt::LeftButton);
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.first().at(0).toString(), QStringLiteral("<b>日本語</b>"));
    QCOMPARE(selected.first().at(1).toString(), QStringLiteral("ja"));
}

void TestSectionWidget::line()
{
    SectionWidget section;
    QVERIFY(!section.isLineHidden());
    section.setLineHidden(true);
    QVERIFY(section.isLineHidden());
    section.setLineHidden(false);
    QVERIFY(!section.isLineHidden());
}

QTEST_MAIN(TestSectionWidget)
#include "test_sectionwidget.moc"
