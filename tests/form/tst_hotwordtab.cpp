#include "config/HotWordStore.h"
#include "databinding/ZTableWidget.h"
#include "device/mouse/mirel/ui/HotWordTab.h"
#include "support/PromptRecorder.h"
#include "support/TestHome.h"
#include "support/ToastRecorder.h"
#include "util/Clock.h"
#include "qui/FileChooser.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class TestHotWordTab : public QObject
{
    Q_OBJECT

    static void press(HotWordTab &page, const char *button) { page.findChild<QPushButton *>(button)->click(); }
    static ZTableWidget *table(HotWordTab &page) { return page.findChild<ZTableWidget *>("tvHotWords"); }
    static void type(HotWordTab &page, const QString &text)
    {
        page.findChild<QPlainTextEdit *>("teHotWords")->setPlainText(text);
    }
    static QStringList shownWords(HotWordTab &page)
    {
        QStringList words;
        ZTableWidget *t = table(page);
        for (int row = 0; row < t->rowCount(); ++row)
            words << t->item(row, t->columnOf("hotword"))->text();
        return words;
    }
    // The words as they reached the file.
    static QStringList storedWords(const TestHome &home, const QString &file = QStringLiteral("config/hotwords.json"))
    {
        QStringList words;
        const QJsonArray array = QJsonDocument::fromJson(home.read(file)).array();
        for (const QJsonValue &v : array)
            words << v.toObject().value("hotword").toString();
        return words;
    }
    static void chooseFile(const QString &path)
    {
        FileChooser::setHandler([path](FileChooser::Kind, const QString &, const QString &) { return path; });
    }

private slots:
    void init() { Clock::setOverride([] { return qint64(1700000000) * 1000; }); }
    void cleanup()
    {
        Clock::setOverride({});
        FileChooser::setHandler({});
    }

    void addTakesTrimmedNonEmptyLinesInOrder()
    {
        TestHome home;
        HotWordTab page;
        type(page, "  苹果 \n\n\t\nbanana\n  苹果\n");
        press(page, "btnAdd");
        QCOMPARE(shownWords(page), QStringList({"苹果", "banana", "苹果"})); // duplicates give two rows
        QVERIFY(page.findChild<QPlainTextEdit *>("teHotWords")->toPlainText().isEmpty());
        QCOMPARE(storedWords(home), QStringList({"苹果", "banana", "苹果"}));
        QCOMPARE(table(page)->item(2, table(page)->columnOf("index"))->text(), QStringLiteral("3"));
    }

    void emptyTextAddsNothingAndSaysSo()
    {
        TestHome home;
        ToastRecorder toasts;
        HotWordTab page;
        type(page, " \n\n ");
        press(page, "btnAdd");
        QCOMPARE(toasts.texts(), QStringList({"请在文本框中填入热词，一行一条热词，按回车换行!"}));
        QVERIFY(!home.exists("config/hotwords.json"));
    }

    void newWordsGetConsecutiveIdsAfterTheExistingOnes()
    {
        TestHome home;
        home.write("config/hotwords.json", R"([{"id":1700000005,"hotword":"old","index":1,"entityType":"HotwordVO"}])");
        home.reload();
        HotWordTab page;
        type(page, "a\nb\nc");
        press(page, "btnAdd");
        const auto &records = HotWordStore::instance().hotwords().records;
        QCOMPARE(records.size(), 4);
        for (int i = 1; i < 4; ++i)
            QCOMPARE(records[i]->id, qint64(1700000005 + i));
        QCOMPARE(shownWords(page), QStringList({"old", "a", "b", "c"}));
    }

    void deleteWithNothingCheckedKeepsTheFile()
    {
        TestHome home;
        home.write("config/hotwords.json", R"([{"id":1,"hotword":"keep","index":1,"entityType":"HotwordVO"}])");
        home.reload();
        const QByteArray before = home.read("config/hotwords.json");
        ToastRecorder toasts;
        HotWordTab page;
        press(page, "btnDelete");
        QCOMPARE(toasts.texts(), QStringList({"没有选中数据!!"}));
        QCOMPARE(home.read("config/hotwords.json"), before);
    }

    void deleteRemovesExactlyTheCheckedRows()
    {
        TestHome home;
        // Hand-edited: two words share an id.
        home.write("config/hotwords.json", R"([{"id":7,"hotword":"a","entityType":"HotwordVO"},)"
                                           R"({"id":7,"hotword":"b","entityType":"HotwordVO"},)"
                                           R"({"id":8,"hotword":"c","entityType":"HotwordVO"}])");
        home.reload();
        HotWordTab page;
        table(page)->setRowChecked(1, true);
        press(page, "btnDelete");
        QCOMPARE(shownWords(page), QStringList({"a", "c"}));
        QCOMPARE(storedWords(home), QStringList({"a", "c"}));
    }

    void chooseAllTwiceKeepsEveryRowChecked()
    {
        TestHome home;
        HotWordTab page;
        type(page, "a\nb\nc");
        press(page, "btnAdd");
        press(page, "btnChooseAll");
        press(page, "btnChooseAll");
        QCOMPARE(table(page)->checkedRows().size(), 3);
        QVERIFY(table(page)->isHeaderChecked());
    }

    void wordsAddedAfterChooseAllComeUncheckedWithTheHeader()
    {
        TestHome home;
        HotWordTab page;
        type(page, "a\nb");
        press(page, "btnAdd");
        press(page, "btnChooseAll");
        type(page, "c");
        press(page, "btnAdd");
        QCOMPARE(shownWords(page), QStringList({"a", "b", "c"}));
        QVERIFY(table(page)->checkedRows().isEmpty());
        QVERIFY(!table(page)->isHeaderChecked());
    }

    void exportOfAnEmptyListOpensNoDialog()
    {
        TestHome home;
        ToastRecorder toasts;
        int asked = 0;
        FileChooser::setHandler([&asked](FileChooser::Kind, const QString &, const QString &) {
            ++asked;
            return QString();
        });
        HotWordTab page;
        press(page, "btnExport");
        QCOMPARE(asked, 0);
        QCOMPARE(toasts.texts(), QStringList({"无热词数据!"}));
    }

    void exportThenImportAppendsCopiesWithNewIds()
    {
        TestHome home;
        ToastRecorder toasts;
        HotWordTab page;
        type(page, "一\n二");
        press(page, "btnAdd");
        chooseFile(home.file("export.json"));
        press(page, "btnExport");
        QCOMPARE(toasts.texts(), QStringList({"导出成功!!"}));

        chooseFile(home.file("export.json"));
        press(page, "btnImport");
        QCOMPARE(shownWords(page), QStringList({"一", "二", "一", "二"}));
        const auto &records = HotWordStore::instance().hotwords().records;
        QSet<qint64> ids;
        for (const auto &r : records)
            ids.insert(r->id);
        QCOMPARE(ids.size(), 4);
        QCOMPARE(storedWords(home).size(), 4);
    }

    void exportThatCannotBeWrittenSaysSo()
    {
        TestHome home;
        HotWordTab page;
        type(page, "一");
        press(page, "btnAdd");
        ToastRecorder toasts;
        chooseFile(home.path()); // a folder: no file can be written there
        press(page, "btnExport");
        QVERIFY(!toasts.entries.isEmpty());
        QCOMPARE(toasts.entries.last().text, QStringLiteral("导出失败!!"));
        QCOMPARE(toasts.entries.last().type, 1);
        QVERIFY(!toasts.texts().contains(QStringLiteral("导出成功!!")));
    }

    void importWithAForeignElementAddsNothing()
    {
        TestHome home;
        PromptRecorder prompts;
        home.write("mixed.json", R"([{"hotword":"ok","entityType":"HotwordVO"},{"keyword":"x","entityType":"KeywordVO"}])");
        HotWordTab page;
        chooseFile(home.file("mixed.json"));
        press(page, "btnImport");
        QCOMPARE(prompts.texts.size(), 1);
        QVERIFY(shownWords(page).isEmpty());
        QVERIFY(!home.exists("config/hotwords.json"));
    }

    void importOfAnInvalidFileSaysSo_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not JSON") << QByteArray("hello");
        QTest::newRow("empty array") << QByteArray("[]");
        QTest::newRow("only blank words") << QByteArray("[{\"hotword\":\" \",\"entityType\":\"HotwordVO\"},{\"entityType\":\"HotwordVO\"}]");
        QTest::newRow("missing file") << QByteArray();
    }

    void importOfAnInvalidFileSaysSo()
    {
        QFETCH(QByteArray, content);
        TestHome home;
        ToastRecorder toasts;
        if (!content.isEmpty())
            home.write("bad.json", content);
        HotWordTab page;
        chooseFile(home.file("bad.json"));
        press(page, "btnImport");
        QCOMPARE(toasts.texts(), QStringList({"导入文件无效或不含热词, 没有导入任何热词!"}));
        QVERIFY(HotWordStore::instance().hotwords().records.isEmpty());
    }

    void hotWordsAreStoredExportedAndImportedAsWritten()
    {
        TestHome home;
        HotWordTab page;
        type(page, "北京\n100%ab");
        press(page, "btnAdd");
        QCOMPARE(storedWords(home), QStringList({"北京", "100%ab"}));
        chooseFile(home.file("export.json"));
        press(page, "btnExport");
        QCOMPARE(storedWords(home, "export.json"), QStringList({"北京", "100%ab"}));

        home.write("typed.json", R"([{"hotword":"100%ab","entityType":"HotwordVO"},)"
                                 R"({"hotword":"C%2B%2B","entityType":"HotwordVO"}])");
        chooseFile(home.file("typed.json"));
        press(page, "btnImport");
        QCOMPARE(shownWords(page), QStringList({"北京", "100%ab", "100%ab", "C%2B%2B"}));
        home.reload();
        QCOMPARE(storedWords(home), QStringList({"北京", "100%ab", "100%ab", "C%2B%2B"}));
    }

    void anImportTakesWordsThatLookEncodedAsWritten()
    {
        TestHome home;
        HotWordTab page;
        home.write("words.json", R"([{"hotword":"C%2B%2B","entityType":"HotwordVO"}])");
        chooseFile(home.file("words.json"));
        press(page, "btnImport");
        QCOMPARE(shownWords(page), QStringList({"C%2B%2B"}));
        QCOMPARE(storedWords(home), QStringList({"C%2B%2B"}));
    }

    void aWordEditedInItsCellIsSaved()
    {
        TestHome home;
        home.write("config/uiConfig/table/HotwordVO.xml",
                   R"(<Table><Column Name="index" FieldName="index" FieldDisplayName="序号" Edited="false" Width="80"/>)"
                   R"(<Column Name="hotword" FieldName="hotword" FieldDisplayName="热词" Edited="true" Width="0"/></Table>)");
        HotWordTab page;
        type(page, "old\nother");
        press(page, "btnAdd");
        QCOMPARE(storedWords(home), QStringList({"old", "other"})); // written: nothing pending
        ZTableWidget *t = table(page);
        QTableWidgetItem *cell = t->item(0, t->columnOf("hotword"));
        QVERIFY(cell->flags() & Qt::ItemIsEditable);
        cell->setText(QStringLiteral("new")); // as the cell's editor commits it
        QCOMPARE(storedWords(home), QStringList({"new", "other"}));
        home.reload();
        QCOMPARE(HotWordStore::instance().hotwords().records.first()->hotword, QStringLiteral("new"));
    }

    void addingOrDeletingAWordTouchesOnlyItsRows()
    {
        TestHome home;
        HotWordTab page;
        type(page, "a\nb\nc");
        press(page, "btnAdd");
        ZTableWidget *t = table(page);
        const int word = t->columnOf("hotword");
        // A mark on the cells shown: rows built anew would not carry it.
        for (int row = 0; row < 3; ++row)
            t->item(row, word)->setData(Qt::UserRole, row);
        const auto marked = [t, word](int row) { return t->item(row, word)->data(Qt::UserRole); };
        type(page, "d");
        press(page, "btnAdd");
        QCOMPARE(shownWords(page), QStringList({"a", "b", "c", "d"}));
        QCOMPARE(marked(0), QVariant(0)); // the rows already shown stay as they are
        QCOMPARE(marked(2), QVariant(2));
        QCOMPARE(t->item(3, t->columnOf("index"))->text(), QStringLiteral("4"));

        t->setRowChecked(1, true);
        press(page, "btnDelete");
        QCOMPARE(shownWords(page), QStringList({"a", "c", "d"}));
        QCOMPARE(marked(0), QVariant(0));
        QCOMPARE(marked(1), QVariant(2));
        QCOMPARE(t->item(1, t->columnOf("index"))->text(), QStringLiteral("2")); // numbered again
        QCOMPARE(t->item(2, t->columnOf("index"))->text(), QStringLiteral("3"));
        QVERIFY(t->checkedRows().isEmpty());
    }

    void theTableFollowsChangesMadeElsewhere()
    {
        TestHome home;
        HotWordTab page;
        HotwordVO w;
        w.hotword = "elsewhere";
        HotWordStore::instance().hotwords().appendAll({w});
        QCOMPARE(shownWords(page), QStringList({"elsewhere"}));
    }
};

QTEST_MAIN(TestHotWordTab)
#include "tst_hotwordtab.moc"
