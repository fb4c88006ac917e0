#include "DevicePageHome.h"

#include "config/HotWordStore.h"
#include "config/MouseSetting.h"
#include "databinding/FormItem.h"
#include "databinding/PageNavigator.h"
#include "databinding/ZComboBox.h"
#include "databinding/ZTableWidget.h"
#include "form/tab/AutoDetectAppTab.h"
#include "form/tab/VoiceSearchTab.h"
#include "qui/FileChooser.h"
#include "qui/control/ClickableLabel.h"
#include "support/PromptRecorder.h"
#include "support/ToastRecorder.h"
#include "util/Clock.h"
#include "util/UserPrompt.h"

#include <QComboBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {
DataHandler<KeywordVO> &keywords()
{
    return HotWordStore::instance().keywords();
}

QStringList storedWords(const TestHome &home)
{
    QStringList words;
    for (const QJsonValue &v : QJsonDocument::fromJson(home.read("config/keywords.json")).array())
        words << QUrl::fromPercentEncoding(v.toObject().value("keyword").toString().toUtf8());
    return words;
}

// The page's editors, found by their names in the form.
struct Form {
    explicit Form(VoiceSearchTab &tab)
        : keyword(tab.findChild<QLineEdit *>("leVoiceSearchKeyword"))
        , content(tab.findChild<QLineEdit *>("leContent"))
        , type(tab.findChild<QComboBox *>("cbKeywordType"))
        , choose(tab.findChild<QPushButton *>("btnChooseFile"))
        , add(tab.findChild<QPushButton *>("btnAddKeyword"))
        , table(tab.findChild<ZTableWidget *>("tvRecord"))
        , pager(tab.findChild<PageNavigator *>("pager"))
    {
        tab.show(); // the list is read when the page is first shown
    }
    void enter(const QString &word, const QString &what, int typeIndex = 2)
    {
        type->setCurrentIndex(typeIndex);
        keyword->setText(word);
        content->setText(what);
        add->click();
    }
    void clickRow(int row, const char *link)
    {
        QWidget *cell = table->cellWidget(row, table->columnOf("action"));
        QVERIFY(cell);
        auto *label = cell->findChild<ClickableLabel *>(link);
        QVERIFY(label);
        QTest::mouseClick(label, Qt::LeftButton);
    }
    QLineEdit *keyword;
    QLineEdit *content;
    QComboBox *type;
    QPushButton *choose;
    QPushButton *add;
    ZTableWidget *table;
    PageNavigator *pager;
};
} // namespace

class TestVoiceSearchTab : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_device = std::make_unique<DevicePageHome>(std::make_unique<MouseSetting>()); }
    void cleanup()
    {
        Clock::setOverride({});
        FileChooser::setHandler({});
        m_device.reset();
    }

    void theListIsReadWhenThePageIsFirstShown()
    {
        keywords().appendAll({KeywordVO(2, "word", "a.com", "")});
        VoiceSearchTab tab;
        QVERIFY(tab.keywordRecords().isEmpty());
        tab.show();
        QCOMPARE(tab.keywordRecords().size(), 1);
    }

    void anEmptyListShowsAnEmptyTableOfHeaderHeight()
    {
        VoiceSearchTab tab;
        Form form(tab);
        QCOMPARE(form.table->rowCount(), 0);
        QCOMPARE(form.table->height(), 42);
        QCOMPARE(form.pager->total(), 0);
    }

    void theSeventhKeywordGoesToPageTwoAndEveryChangeReturnsToPageOne()
    {
        VoiceSearchTab tab;
        Form form(tab);
        for (int i = 1; i <= 7; ++i)
            form.enter(QStringLiteral("word%1").arg(i), QStringLiteral("example.com/%1").arg(i));
        QCOMPARE(form.pager->pageCount(), 2);
        QCOMPARE(form.table->rowCount(), 6);
        QCOMPARE(form.table->height(), 6 * 37 + 42);
        form.pager->setCurrentPage(2);
        QCOMPARE(form.table->rowCount(), 1);
        QCOMPARE(form.table->item(0, form.table->columnOf("keyword"))->text(), QStringLiteral("word7"));

        form.clickRow(0, "lbEdit");
        form.enter("word7", "example.com/seven");
        QCOMPARE(form.pager->currentPage(), 1);
        QCOMPARE(form.table->rowCount(), 6);
        form.pager->setCurrentPage(2);
        QCOMPARE(keywords().records.last()->content, QStringLiteral("example.com/seven"));

        PromptRecorder yes;
        form.clickRow(0, "lbDelete");
        QCOMPARE(yes.texts, QStringList{"是否删除指令词!"});
        QCOMPARE(form.pager->currentPage(), 1);
        QCOMPARE(form.pager->pageCount(), 1);
        QCOMPARE(storedWords(m_device->home).size(), 6);
        QVERIFY(!storedWords(m_device->home).contains("word7"));
    }

    void wordsAreCheckedBeforeTheyAreStored_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("warning"); // empty: accepted
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("another case of a word is the same word") << "Word" << "a.com" << "指令词重复, 请换一个指令词"
                                                                << QStringList{"word"};
        QTest::newRow("blanks only are no word") << "   " << "a.com" << "请填写指令词" << QStringList{"word"};
        QTest::newRow("empty content") << "news" << "  " << "内容为空，请选择文件，文件夹，或者填写网页"
                                       << QStringList{"word"};
        QTest::newRow("blanks around are not stored") << "  news  " << " b.com " << ""
                                                      << QStringList{"word", "news"};
    }
    void wordsAreCheckedBeforeTheyAreStored()
    {
        QFETCH(QString, word);
        QFETCH(QString, content);
        QFETCH(QString, warning);
        QFETCH(QStringList, stored);
        VoiceSearchTab tab;
        Form form(tab);
        form.enter("word", "example.com");
        ToastRecorder toasts;
        form.enter(word, content);
        QCOMPARE(toasts.texts(), warning.isEmpty() ? QStringList() : QStringList{warning});
        QCOMPARE(storedWords(m_device->home), stored);
        if (!warning.isEmpty()) // the user's input stays for correcting
            QCOMPARE(form.keyword->text(), word);
        else
            QCOMPARE(keywords().records.last()->content, QStringLiteral("b.com"));
    }

    void aFullWidthWordIsTheSameWordAsItsAsciiForm()
    {
        VoiceSearchTab tab;
        Form form(tab);
        form.enter("word", "example.com");
        ToastRecorder toasts;
        form.enter(QStringLiteral("Ｗｏｒｄ"), "b.com");
        QCOMPARE(toasts.texts(), QStringList{"指令词重复, 请换一个指令词"});
        QCOMPARE(storedWords(m_device->home), QStringList{"word"});
    }

    // A full-width input method types the ideographic space too; to voice search both words
    // are one keyword, so the second could never be reached.
    void aWordMatchedAsAnotherIsADuplicate_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("full-width after ASCII") << "Music Player" << QStringLiteral("Ｍｕｓｉｃ　Ｐｌａｙｅｒ");
        QTest::newRow("ASCII after full-width") << QStringLiteral("Ｍｕｓｉｃ　Ｐｌａｙｅｒ") << "music player";
    }
    void aWordMatchedAsAnotherIsADuplicate()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        VoiceSearchTab tab;
        Form form(tab);
        form.enter(first, "example.com");
        ToastRecorder toasts;
        form.enter(second, "b.com");
        QCOMPARE(toasts.texts(), QStringList{"指令词重复, 请换一个指令词"});
        QCOMPARE(storedWords(m_device->home), QStringList{first});
    }

    // Voice search hears no blanks or punctuation: a word of nothing else could never be
    // matched, nor stand in the way of the next one as its duplicate.
    void aWordOfPunctuationAloneIsRefusedAndSaysWhy()
    {
        VoiceSearchTab tab;
        Form form(tab);
        ToastRecorder toasts;
        const QString why = QStringLiteral("指令词只有标点符号或空格, 语音搜索无法匹配, 请加入文字或数字");
        form.enter(QStringLiteral("???"), "a.com");
        QCOMPARE(toasts.texts(), QStringList{why});
        QCOMPARE(form.keyword->text(), QStringLiteral("???"));
        form.enter(QStringLiteral("。 ！"), "b.com");
        QCOMPARE(toasts.texts(), (QStringList{why, why}));
        QCOMPARE(form.keyword->text(), QStringLiteral("。 ！"));
        QVERIFY(keywords().records.isEmpty());
        QVERIFY(storedWords(m_device->home).isEmpty());
    }

    void aWordMayChangeItsOwnCase()
    {
        VoiceSearchTab tab;
        Form form(tab);
        form.enter("other", "b.com");
        form.enter("word", "a.com");
        const qint64 id = keywords().records.last()->id;
        form.clickRow(1, "lbEdit");
        QCOMPARE(form.add->text(), QStringLiteral("修改"));
        QCOMPARE(tab.editKeywordId(), id);
        QCOMPARE(form.keyword->text(), QStringLiteral("word"));
        ToastRecorder toasts;
        form.enter("WORD", "c.com");
        QVERIFY(toasts.entries.isEmpty());
        QCOMPARE(storedWords(m_device->home), (QStringList{"other", "WORD"}));
        QCOMPARE(keywords().records.last()->id, id);
        QCOMPARE(keywords().records.last()->content, QStringLiteral("c.com"));
        QCOMPARE(form.add->text(), QStringLiteral("添加"));
        QCOMPARE(tab.editKeywordId(), 0);
    }

    // The typed change is not thrown away: it stays in the fields, ready to be added anew.
    void anEditOfAWordDeletedMeanwhileKeepsTheTextAndSaysSo()
    {
        VoiceSearchTab tab;
        Form form(tab);
        form.enter("word", "a.com");
        form.enter("other", "b.com");
        form.clickRow(0, "lbEdit");
        keywords().remove(keywords().records.first()); // e.g. from the branded mouse's page
        ToastRecorder toasts;
        QCOMPARE(form.table->rowCount(), 1);
        form.enter("changed", "c.com");
        QCOMPARE(form.table->rowCount(), 1);
        QCOMPARE(toasts.texts(), QStringList{"该指令词已不存在, 修改未保存"});
        QCOMPARE(toasts.entries.first().type, 1);
        QCOMPARE(form.keyword->text(), QStringLiteral("changed"));
        QCOMPARE(form.content->text(), QStringLiteral("c.com"));
        QCOMPARE(form.add->text(), QStringLiteral("添加"));
        QCOMPARE(storedWords(m_device->home), QStringList{"other"});
        form.add->click();
        QCOMPARE(storedWords(m_device->home), (QStringList{"other", "changed"}));
    }

    // Another page may change the chosen record meanwhile: it is still the one saved or deleted.
    void aRecordChangedElsewhereIsStillTheOneChosen()
    {
        VoiceSearchTab tab;
        Form form(tab);
        form.enter("word", "a.com");
        form.enter("other", "b.com");
        form.clickRow(0, "lbEdit");
        keywords().replace(keywords().records.first(), KeywordVO(2, "word", "z.com", ""));
        ToastRecorder toasts;
        form.enter("WORD", "c.com");
        QVERIFY(toasts.entries.isEmpty());
        QCOMPARE(storedWords(m_device->home), (QStringList{"WORD", "other"}));
        QCOMPARE(keywords().records.first()->content, QStringLiteral("c.com"));

        // Changed while the question is open.
        UserPrompt::setHandler([](UserPrompt::Kind, const QString &) {
            keywords().replace(keywords().records.first(), KeywordVO(2, "WORD", "d.com", ""));
            return 16384;
        });
        form.clickRow(0, "lbDelete");
        UserPrompt::setHandler({});
        QCOMPARE(storedWords(m_device->home), QStringList{"other"});
    }

    // Page B deletes the word page A is editing and adds another in the same second: A's save
    // finds its word gone and leaves the newcomer alone.
    void anEditChangesOnlyTheRecordChosen()
    {
        Clock::setOverride([] { return qint64(1700000000) * 1000; });
        VoiceSearchTab a;
        VoiceSearchTab b;
        Form pageA(a);
        Form pageB(b);
        pageA.enter("other", "o.com");
        pageA.enter("chosen", "a.com");
        const qint64 chosenId = keywords().records.last()->id;
        pageA.clickRow(1, "lbEdit");
        PromptRecorder yes(16384);
        pageB.clickRow(1, "lbDelete");
        pageB.enter("newcomer", "n.com");
        QVERIFY(keywords().records.last()->id != chosenId); // an id is never given twice
        pageA.enter("changed", "c.com");
        QCOMPARE(storedWords(m_device->home), (QStringList{"other", "newcomer"}));
        QCOMPARE(keywords().records.last()->content, QStringLiteral("n.com"));
        QCOMPARE(pageA.add->text(), QStringLiteral("添加"));
    }

    // A change of the list is written off the GUI thread, like every word-list change.
    void addingOrChangingAKeywordWritesInTheBackground()
    {
        VoiceSearchTab tab;
        Form form(tab);
        const QString file = m_device->home.file("config/keywords.json");
        form.enter("word", "a.com");
        QVERIFY(!QFile::exists(file));
        QVERIFY(keywords().writer() && keywords().writer()->hasPendingWrite());
        QCOMPARE(storedWords(m_device->home), QStringList{"word"});

        form.clickRow(0, "lbEdit");
        form.enter("changed", "b.com");
        QVERIFY(keywords().writer()->hasPendingWrite());
        QCOMPARE(storedWords(m_device->home), QStringList{"changed"});
    }

    // Hand-edited files may repeat an id: the row chosen is the one that goes.
    void deleteRemovesTheChosenRowEvenWhenIdsRepeat()
    {
        m_device->home.write("config/keywords.json",
                             R"([{"entityType":"KeywordVO","id":7,"keywordType":2,"keyword":"first","content":"a.com"},)"
                             R"({"entityType":"KeywordVO","id":7,"keywordType":2,"keyword":"second","content":"b.com"}])");
        m_device->home.reload();
        VoiceSearchTab tab;
        Form form(tab);
        PromptRecorder answer(65536);
        form.clickRow(1, "lbDelete");
        QCOMPARE(keywords().records.size(), 2); // "No" keeps it
        answer.setAnswer(16384);
        form.clickRow(1, "lbDelete");
        QCOMPARE(storedWords(m_device->home), QStringList{"first"});
    }

    void theTypeDecidesTheChooser_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("folder");
        QTest::newRow("program or file") << 0 << true << "选择文件" << false;
        QTest::newRow("folder") << 1 << true << "选择文件夹" << true;
        QTest::newRow("web address") << 2 << false << "选择文件夹" << false;
    }
    void theTypeDecidesTheChooser()
    {
        QFETCH(int, index);
        QFETCH(bool, enabled);
        QFETCH(QString, text);
        QFETCH(bool, folder);
        VoiceSearchTab tab;
        Form form(tab);
        form.type->setCurrentIndex(1);
        form.type->setCurrentIndex(index);
        QCOMPARE(form.choose->isEnabled(), enabled);
        QCOMPARE(form.choose->text(), text);
        QCOMPARE(form.type->currentData().toInt(), index);
        if (!enabled)
            return;
        QStringList asked;
        QString answer = "/opt/chosen";
        FileChooser::setHandler([&](FileChooser::Kind kind, const QString &caption, const QString &) {
            const bool isFolder = kind == FileChooser::Folder;
            asked << QString("%1 %2").arg(isFolder).arg(caption);
            return answer;
        });
        form.choose->click();
        QCOMPARE(asked, QStringList{QString("%1 %2").arg(folder).arg(folder ? "选择目录" : "选择文件或者程序")});
        QCOMPARE(form.content->text(), QStringLiteral("/opt/chosen"));
        answer.clear(); // cancelled
        form.choose->click();
        QCOMPARE(form.content->text(), QStringLiteral("/opt/chosen"));
    }

    void everyPageShowingTheListFollowsIt()
    {
        VoiceSearchTab one;
        VoiceSearchTab other(nullptr, true, false);
        Form first(one);
        Form second(other);
        first.enter("word", "a.com");
        QCOMPARE(second.table->rowCount(), 1);
        QVERIFY(other.findChild<AutoDetectAppTab *>("appTab")->isHidden());
    }

    void theDetectedApplicationsPageShowsNoKeywords()
    {
        Form(*std::make_unique<VoiceSearchTab>()).enter("word", "a.com");
        VoiceSearchTab tab(nullptr, false, true);
        tab.show();
        for (const char *name : {"title1", "fm1", "titleFm2", "fm2"})
            QVERIFY2(tab.findChild<QWidget *>(name)->isHidden(), name);
        QVERIFY(!tab.findChild<AutoDetectAppTab *>("appTab")->isHidden());
        QVERIFY(tab.keywordRecords().isEmpty());
    }

    void theSearchEngineIsStoredInTheDevice()
    {
        VoiceSearchTab tab;
        tab.setContext(&m_device->context);
        auto *engine = tab.findChild<FormItem *>("fiSearchEngine")->comboBox();
        QCOMPARE(engine->currentText(), QStringLiteral("百度"));
        engine->setCurrentIndex(1);
        QCOMPARE(m_device->stored().value("search_engine").toString(), QStringLiteral("https://www.google.com/search?q="));
    }

private:
    std::unique_ptr<DevicePageHome> m_device;
};

QTEST_MAIN(TestVoiceSearchTab)
#include "tst_voicesearchtab.moc"
