#include "databinding/ZCheckHeader.h"
#include "databinding/ZTableWidget.h"
#include "orm/data/BaseVO.h"
#include "orm/data/HotwordVO.h"
#include "orm/data/KeywordVO.h"
#include "qui/QUIHelper.h"
#include "qui/control/ClickableLabel.h"
#include "support/InterfaceLanguage.h"
#include "support/TestHome.h"
#include "util/AppHelper.h"

#include <QFile>
#include <QHeaderView>
#include <QPointer>
#include <QSignalSpy>
#include <QStyleOptionHeader>
#include <QtTest>
#include <memory>
#include <vector>

Q_DECLARE_METATYPE(QTableWidgetItem *)

namespace {
// The recording fields the record list shows, as the server's record carries them.
class RecordLike : public BaseVO
{
    VB_RECORD(RecordLike)
public:
    QString filepath;
    QString attr1;
    QString content;
    QString translatedText;
    qint64 createTime = 0;
    QString createTimeStr;
    QString durationStr;
};
} // namespace

VB_FIELDS(RecordLike, &BaseVO::staticFieldTable(),
          VB_FIELD(RecordLike, filepath),
          VB_FIELD(RecordLike, attr1),
          VB_FIELD(RecordLike, content),
          VB_FIELD(RecordLike, translatedText),
          VB_FIELD(RecordLike, createTime),
          VB_FIELD(RecordLike, createTimeStr),
          VB_FIELD(RecordLike, durationStr))

class TestZTableWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<QTableWidgetItem *>(); }
    void init() { m_home = std::make_unique<TestHome>(); }
    void cleanup() { m_home.reset(); }
    void shippedLayouts_data();
    void shippedLayouts();
    void rows();
    void checkAllFromHeader();
    void checkedRowsInRowOrder();
    void setAllCheckboxStatusIsQuiet();
    void rowDataOutOfRange_data();
    void rowDataOutOfRange();
    void customCellWidgets();
    void cellWidgetMayRebuildTheTable();
    void refreshRowsEmptiesTheTable();
    void programFolderLayoutWins();
    void editedCellWritesThroughTheRecord();
    void missingLayoutShowsEveryField();
    void columnsAreAtLeastAsWideAsTheirTitles_data();
    void columnsAreAtLeastAsWideAsTheirTitles();

private:
    static std::vector<std::unique_ptr<HotwordVO>> hotwords(int n)
    {
        std::vector<std::unique_ptr<HotwordVO>> list;
        for (int i = 0; i < n; ++i) {
            auto r = std::make_unique<HotwordVO>();
            r->id = 100 + i;
            r->index = i + 1;
            r->hotword = QStringLiteral("word%1").arg(i);
            list.push_back(std::move(r));
        }
        return list;
    }
    static QVector<DataCore *> pointers(const std::vector<std::unique_ptr<HotwordVO>> &list)
    {
        QVector<DataCore *> out;
        for (const auto &r : list)
            out.append(r.get());
        return out;
    }

    std::unique_ptr<TestHome> m_home;
};

void TestZTableWidget::shippedLayouts_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("record");

    QTest::newRow("hot words") << "Default-zh" << QStringList{"index", "hotword"} << "HotwordVO";
    QTest::newRow("hot words by record") << "HotwordVO" << QStringList{"index", "hotword"} << "HotwordVO";
    QTest::newRow("keywords") << "KeywordVO" << QStringList{"keyword", "keywordTypeDesc", "content", "action"}
                              << "KeywordVO";
    QTest::newRow("recordings") << "AudioRecordVO"
                                << QStringList{"createTimeStr", "durationStr", "content", "action"} << "RecordLike";
}

void TestZTableWidget::shippedLayouts()
{
    QFETCH(QString, layout);
    QFETCH(QStringList, fields);
    QFETCH(QString, record);
    QVERIFY(QFile::exists(QStringLiteral(":/config/uiConfig/table/%1.xml").arg(layout)));
    const auto columns = AppHelper::loadDataConfig(layout);
    QStringList names;
    for (const auto &c : columns) {
        names << c.fieldName;
        QVERIFY2(!c.fieldDisplayName.isEmpty(), qPrintable(c.name));
    }
    QCOMPARE(names, fields);
    const FieldTable &table = record == "HotwordVO"   ? HotwordVO::staticFieldTable()
                              : record == "KeywordVO" ? KeywordVO::staticFieldTable()
                                                      : RecordLike::staticFieldTable();
    // Every column but the link column shows a field of its record.
    for (const QString &f : fields) {
        if (f != QLatin1String("action"))
            QVERIFY2(table.find(f), qPrintable(f));
    }
}

void TestZTableWidget::rows()
{
    ZTableWidget table;
    table.init(HotwordVO::staticFieldTable(), QStringLiteral("Default-zh"), true);
    QCOMPARE(table.columnCount(), 3);
    QCOMPARE(table.columnOf("hotword"), 2);
    auto list = hotwords(3);
    table.setDatas(pointers(list));
    QCOMPARE(table.rowCount(), 0); // rows change when bound
    table.bindData();
    QCOMPARE(table.rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(table.rowHeight(row), 38);
        QVERIFY(table.item(row, 0)->flags() & Qt::ItemIsUserCheckable);
        QCOMPARE(table.item(row, 0)->checkState(), Qt::Unchecked);
        QCOMPARE(table.item(row, 1)->text(), QString::number(row + 1));
        QCOMPARE(table.item(row, 2)->text(), QStringLiteral("word%1").arg(row));
    }
    QCOMPARE(table.horizontalHeaderItem(2)->text(), QStringLiteral("热词"));

    // Appending keeps the rows there were.
    auto more = hotwords(2);
    table.setDatas(pointers(more), false);
    table.bindData();
    QCOMPARE(table.rowCount(), 5);
    QCOMPARE(table.rowData(3), more[0].get());
}

void TestZTableWidget::checkAllFromHeader()
{
    ZTableWidget table;
    table.init(HotwordVO::staticFieldTable(), QStringLiteral("Default-zh"), true);
    table.setAllChecked(false);
    auto list = hotwords(4);
    table.setDatas(pointers(list));
    table.bindData();
    table.resize(400, 300);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));

    QSignalSpy all(&table, &ZTableWidget::Table_Checkbox_ChangeAll);
    auto *header = qobject_cast<ZCheckHeader *>(table.horizontalHeader());
    QVERIFY(header);
    const QPoint box = header->checkBoxRect().center();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, box);
    QCOMPARE(all.count(), 1);
    QCOMPARE(all.at(0).at(0).toBool(), true);
    QVERIFY(table.isHeaderChecked());
    QCOMPARE(table.checkedRows().size(), 4);

    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, box);
    QCOMPARE(all.count(), 2);
    QCOMPARE(all.at(1).at(0).toBool(), false);
    QVERIFY(table.checkedRows().isEmpty());

    // setAllChecked and setHeaderChecked never signal.
    table.setAllChecked(true);
    QVERIFY(table.isAllChecked());
    table.setHeaderChecked(false);
    QVERIFY(!table.isHeaderChecked());
    QCOMPARE(all.count(), 2);
}

void TestZTableWidget::checkedRowsInRowOrder()
{
    ZTableWidget table;
    table.init(HotwordVO::staticFieldTable(), QStringLiteral("Default-zh"), true);
    auto list = hotwords(5);
    table.setDatas(pointers(list));
    table.bindData();
    QSignalSpy changed(&table, &QTableWidget::itemChanged);
    table.item(3, 0)->setCheckState(Qt::Checked);
    table.item(1, 0)->setCheckState(Qt::Checked);
    QCOMPARE(changed.count(), 2);
    const QVector<DataCore *> checked = table.checkedRows();
    QCOMPARE(checked.size(), 2);
    QCOMPARE(checked[0], list[1].get());
    QCOMPARE(checked[1], list[3].get());
    QVERIFY(!table.isHeaderChecked());
    // Checking every row by hand checks the header too, quietly.
    QSignalSpy all(&table, &ZTableWidget::Table_Checkbox_ChangeAll);
    for (int row : {0, 2, 4})
        table.item(row, 0)->setCheckState(Qt::Checked);
    QVERIFY(table.isHeaderChecked());
    QCOMPARE(all.count(), 0);
    QCOMPARE(table.checkedCount(), 5);
    // Unticking one row clears the header; ticking it again (twice) counts it once.
    table.setRowChecked(2, false);
    QVERIFY(!table.isHeaderChecked());
    table.setRowChecked(2, true);
    table.setRowChecked(2, true);
    QCOMPARE(table.checkedCount(), 5);
    QVERIFY(table.isHeaderChecked());
    // Unticking all quietly and rebuilding start the count again.
    table.setAllCheckboxStatus(false);
    QCOMPARE(table.checkedCount(), 0);
    table.setRowChecked(0, true);
    table.bindData();
    QCOMPARE(table.checkedCount(), 0);
    // A table without the check box column has no checked rows.
    ZTableWidget plain;
    plain.init(HotwordVO::staticFieldTable(), QStringLiteral("Default-zh"), false);
    plain.setDatas(pointers(list));
    plain.bindData();
    QCOMPARE(plain.columnCount(), 2);
    QVERIFY(plain.checkedRows().isEmpty());
}

void TestZTableWidget::setAllCheckboxStatusIsQuiet()
{
    ZTableWidget table;
    table.init(HotwordVO::staticFieldTable(), QStringLiteral("Default-zh"), true);
    auto list = hotwords(3);
    table.setDatas(pointers(list));
    table.bindData();
    QSignalSpy changed(&table, &QTableWidget::itemChanged);
    QSignalSpy all(&table, &ZTableWidget::Table_Checkbox_ChangeAll);
    table.setAllCheckboxStatus(true);
    table.setAllCheckboxStatus(true);
    QCOMPARE(table.checkedRows().size(), 3);
    QCOMPARE(changed.count() + all.count(), 0);
}

void TestZTableWidget::rowDataOutOfRange_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("found");
    QTest::newRow("first") << 0 << true;
    QTest::newRow("last") << 2 << true;
    QTest::newRow("past the end") << 3 << false;
    QTest::newRow("negative") << -1 << false;
}

void TestZTableWidget::rowDataOutOfRange()
{
    QFETCH(int, row);
    QFETCH(bool, found);
    ZTableWidget table;
    table.init(HotwordVO::staticFieldTable(), QStringLiteral("Default-zh"), true);
    auto list = hotwords(3);
    table.setDatas(pointers(list));
    table.bindData();
    QCOMPARE(table.rowData(row) != nullptr, found);
    if (found)
        QCOMPARE(table.rowData(row), list[row].get());
}

void TestZTableWidget::customCellWidgets()
{
    ZTableWidget table;
    table.init(KeywordVO::staticFieldTable(), QStringLiteral("KeywordVO"), false);
    QCOMPARE(table.columnCount(), 4);
    KeywordVO a(0, QStringLiteral("music"), QStringLiteral("/usr/bin/player"), QStringLiteral("程序/文件"));
    KeywordVO b(2, QStringLiteral("news"), QStringLiteral("https://example.org"), QStringLiteral("网址"));
    QStringList seen;
    connect(&table, &ZTableWidget::Table_ItemWidgetRender, this,
            [&](DataCore *record, const QString &field, QWidget **widget) {
                seen << field;
                if (field != QLatin1String("action"))
                    return;
                auto *label = new ClickableLabel;
                label->setText(record->text("keyword"));
                *widget = label;
            });
    table.setDatas({&a, &b});
    table.bindData();
    QCOMPARE(seen.count("action"), 2);
    QCOMPARE(seen.count("keyword"), 2);
    const int action = table.columnOf("action");
    QCOMPARE(action, 3);
    for (int row = 0; row < 2; ++row) {
        auto *label = qobject_cast<ClickableLabel *>(table.cellWidget(row, action));
        QVERIFY(label);
        QCOMPARE(label->text(), row == 0 ? QStringLiteral("music") : QStringLiteral("news"));
        QCOMPARE(table.cellWidget(row, 0), nullptr); // other cells keep their text
    }
    QCOMPARE(table.item(1, 2)->text(), QStringLiteral("https://example.org"));
}

void TestZTableWidget::cellWidgetMayRebuildTheTable()
{
    ZTableWidget table;
    table.init(KeywordVO::staticFieldTable(), QStringLiteral("KeywordVO"), false);
    KeywordVO a(0, QStringLiteral("one"), QStringLiteral("x"), QString());
    KeywordVO b(0, QStringLiteral("two"), QStringLiteral("y"), QString());
    QVector<DataCore *> records{&a, &b};
    connect(&table, &ZTableWidget::Table_ItemWidgetRender, this,
            [&](DataCore *record, const QString &field, QWidget **widget) {
                if (field != QLatin1String("action"))
                    return;
                auto *label = new ClickableLabel;
                label->setText(QStringLiteral("删除"));
                // Deleting a row rebuilds the table from the label's own click.
                connect(label, &ClickableLabel::clicked, &table, [&, record](QMouseEvent *) {
                    records.removeAll(record);
                    table.setDatas(records);
                    table.bindData();
                });
                *widget = label;
            });
    table.setDatas(records);
    table.bindData();
    table.resize(500, 200);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    QPointer<QWidget> first = table.cellWidget(0, 3);
    QVERIFY(first);
    QTest::mouseClick(first, Qt::LeftButton, {}, first->rect().center());
    QCOMPARE(table.rowCount(), 1);
    QCOMPARE(table.rowData(0), static_cast<DataCore *>(&b));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
}

void TestZTableWidget::refreshRowsEmptiesTheTable()
{
    ZTableWidget table;
    table.init(HotwordVO::staticFieldTable(), QStringLiteral("Default-zh"), true);
    auto list = hotwords(2);
    table.setDatas(pointers(list));
    table.bindData();
    table.setHeaderChecked(true);
    table.refreshRows();
    QCOMPARE(table.rowCount(), 0);
    QVERIFY(table.datas().isEmpty());
    QCOMPARE(table.rowData(0), nullptr);
    QVERIFY(table.checkedRows().isEmpty());
    QVERIFY(!table.isHeaderChecked());
}

void TestZTableWidget::programFolderLayoutWins()
{
    m_home->write("config/uiConfig/table/Default-zh.xml",
                  "<Table><Column Name=\"hotword\" FieldName=\"hotword\" FieldDisplayName=\"词\" Width=\"120\"/></Table>");
    ZTableWidget table;
    table.init(HotwordVO::staticFieldTable(), QStringLiteral("Default-zh"), false);
    QCOMPARE(table.columnCount(), 1);
    QCOMPARE(table.columnWidth(0), 120);
    QCOMPARE(table.horizontalHeaderItem(0)->text(), QStringLiteral("词"));
}

void TestZTableWidget::editedCellWritesThroughTheRecord()
{
    const QVector<TableColumnConfig> columns{{"index", "index", "序号", true, 60, QString()},
                                             {"hotword", "hotword", "热词", false, 0, QString()}};
    ZTableWidget table;
    table.init(HotwordVO::staticFieldTable(), columns, false);
    auto list = hotwords(1);
    table.setDatas(pointers(list));
    table.bindData();
    QVERIFY(table.item(0, 0)->flags() & Qt::ItemIsEditable);
    QVERIFY(!(table.item(0, 1)->flags() & Qt::ItemIsEditable));
    table.item(0, 0)->setText(QStringLiteral("7"));
    QCOMPARE(list[0]->index, 7);
    // Text the field refuses leaves the record and shows its value again.
    table.item(0, 0)->setText(QStringLiteral("seven"));
    QCOMPARE(list[0]->index, 7);
    QCOMPARE(table.item(0, 0)->text(), QStringLiteral("7"));
}

void TestZTableWidget::missingLayoutShowsEveryField()
{
    ZTableWidget table;
    table.init(KeywordVO::staticFieldTable(), QStringLiteral("NoSuchLayout"), false);
    QCOMPARE(table.columnCount(), KeywordVO::staticFieldTable().fields().size());
}

void TestZTableWidget::columnsAreAtLeastAsWideAsTheirTitles_data()
{
    InterfaceLanguage::addRows();
}

// The widths of the layouts are chosen for the Chinese titles; a translated title is longer.
void TestZTableWidget::columnsAreAtLeastAsWideAsTheirTitles()
{
    QFETCH(QString, lang);
    // The program's look: the header's padding comes from its style sheet.
    QVERIFY(QUIHelper::setStyle(QUIHelper::themeNames().value(0)));
    QVERIFY(QUIHelper::setStyleSheetFile(QStringLiteral(":/customization.css")));
    InterfaceLanguage language(lang);
    QVERIFY(language.isReady());
    const struct {
        const char *layout;
        const FieldTable &fields;
        bool checkable;
    } tables[] = {{"KeywordVO", KeywordVO::staticFieldTable(), false},
                  {"HotwordVO", HotwordVO::staticFieldTable(), false},
                  {"AudioRecordVO", RecordLike::staticFieldTable(), true}};
    for (const auto &t : tables) {
        ZTableWidget table;
        table.init(t.fields, QLatin1String(t.layout), t.checkable);
        table.resize(860, 200);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QHeaderView *header = table.horizontalHeader();
        for (int column = t.checkable ? 1 : 0; column < table.columnCount(); ++column) {
            // Where the header draws the title, and the room the title needs there.
            QStyleOptionHeader option;
            option.initFrom(header);
            option.section = column;
            option.text = table.horizontalHeaderItem(column)->text();
            option.rect = QRect(0, 0, header->sectionSize(column), header->height());
            const QRect label = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header);
            const int needed = header->fontMetrics().horizontalAdvance(option.text);
            QVERIFY2(needed <= label.width(),
                     qPrintable(QStringLiteral("%1 \"%2\": %3 px of title in %4 px")
                                    .arg(QLatin1String(t.layout), option.text)
                                    .arg(needed)
                                    .arg(label.width())));
        }
    }
    qApp->setStyleSheet(QString());
}

QTEST_MAIN(TestZTableWidget)
#include "tst_ztablewidget.moc"
