#include "config/HotWordStore.h"
#include "support/FullDisk.h"
#include "support/PromptRecorder.h"
#include "support/ToastRecorder.h"
#include "support/TestHome.h"
#include "util/Clock.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

namespace {
QStringList storedWords(const QByteArray &json)
{
    QStringList words;
    for (const QJsonValue &v : QJsonDocument::fromJson(json).array())
        words << v.toObject().value("hotword").toString();
    return words;
}

QStringList loadedWords()
{
    QStringList words;
    for (const auto &w : qAsConst(HotWordStore::instance().hotwords().records))
        words << w->hotword;
    return words;
}

// The file as it is, without waiting for the lists' writes as TestHome::read does.
QByteArray onDisk(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

HotwordVO word(const QString &text)
{
    HotwordVO w;
    w.hotword = text;
    return w;
}

enum FirstStartEnd { KilledBeforeTheFirstWrite, FirstWriteFails, WordAddedOnAFullDisk };

// What the word-list program prints once it has read the hot words.
const char *const kWordsRead = "hot words read\n";

// Fills the disk but for room for one small file of at most bytes.
void fillButForOneSmallFile(FullDisk &disk, const TestHome &home, qint64 bytes)
{
    home.write("room", "x"); // a page of its own on the small file system, given back below
    disk.fill();
    if (disk.isTmpfs()) {
        QFile::remove(home.file("room"));
        return;
    }
    struct rlimit limit {}; // fill() set the file-size limit to 0; free() restores it
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}
} // namespace

class TestHotwords : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { Clock::setOverride({}); }

    void missingFilesGiveEmptyLists()
    {
        TestHome home;
        auto &store = HotWordStore::instance();
        QVERIFY(store.hotwords().records.isEmpty());
        QVERIFY(store.keywords().records.isEmpty());
        QVERIFY(store.autoKeywords().records.isEmpty());
        QCOMPARE(store.keywords().filePath, home.file("config/keywords.json"));
    }

    void keywordsArePercentEncodedInTheFileAndReadBack()
    {
        TestHome home;
        auto &list = HotWordStore::instance().keywords();
        QVERIFY(list.appendAll({KeywordVO(2, "打开 百度", "https://www.baidu.com/?a=1&b=2", "网址")}));
        const QByteArray text = home.read("config/keywords.json");
        QVERIFY(!text.contains("百度"));
        QVERIFY(text.contains("%E6%89%93"));
        home.reload();
        QCOMPARE(list.records.size(), 1);
        QCOMPARE(list.records[0]->keyword, QStringLiteral("打开 百度"));
        QCOMPARE(list.records[0]->content, QStringLiteral("https://www.baidu.com/?a=1&b=2"));
        QCOMPARE(list.records[0]->keywordType, 2);
    }

    void appendAllGivesUniqueIdsWithinOneSecond()
    {
        TestHome home;
        Clock::setOverride([] { return qint64(1700000000) * 1000 + 500; });
        auto &list = HotWordStore::instance().autoKeywords();
        list.appendAll({KeywordVO(3, "a", "/a", ""), KeywordVO(3, "b", "/b", "")});
        list.appendAll({KeywordVO(3, "c", "/c", "")}); // same second again
        QCOMPARE(list.records.size(), 3);
        QCOMPARE(list.records[0]->id, qint64(1700000000));
        QCOMPARE(list.records[1]->id, qint64(1700000001));
        QCOMPARE(list.records[2]->id, qint64(1700000002));
    }

    void appendDoesNotSave()
    {
        TestHome home;
        auto &list = HotWordStore::instance().keywords();
        QSignalSpy changed(&HotWordStore::instance(), &HotWordStore::keywordsChanged);
        KeywordVO k(0, "x", "y", "");
        list.append(k);
        k.keyword = "changed later";
        QCOMPARE(list.records[0]->keyword, QStringLiteral("x")); // a copy was stored
        QCOMPARE(changed.count(), 1);
        QVERIFY(!home.exists("config/keywords.json"));
        QVERIFY(list.syncList());
        QVERIFY(home.exists("config/keywords.json"));
    }

    void removeByIdAndByValue()
    {
        TestHome home;
        Clock::setOverride([] { return qint64(100) * 1000; });
        auto &list = HotWordStore::instance().keywords();
        list.appendAll({KeywordVO(0, "one", "1", ""), KeywordVO(1, "two", "2", ""), KeywordVO(2, "three", "3", "")});
        QVERIFY(list.removeById(101));
        QVERIFY(!list.removeById(101)); // gone: nothing else is touched
        QCOMPARE(list.records.size(), 2);
        QCOMPARE(list.indexOfValue("keywordType", "2"), 1); // numbers compare as numbers
        QVERIFY(list.removeByValue("keywordType", 2.0));
        QVERIFY(!list.removeByValue("keyword", "absent"));
        QCOMPARE(list.records.size(), 1);
        QCOMPARE(list.records[0]->keyword, QStringLiteral("one"));
        home.reload();
        QCOMPARE(list.records.size(), 1);
    }

    void removeTakesTheChosenRecordEvenWithRepeatedIds()
    {
        TestHome home;
        home.write("config/keywords.json",
                   R"([{"id":5,"keyword":"a","entityType":"KeywordVO"},{"id":5,"keyword":"b","entityType":"KeywordVO"}])");
        home.reload();
        auto &list = HotWordStore::instance().keywords();
        QVERIFY(list.remove(list.records[1]));
        QCOMPARE(list.records.size(), 1);
        QCOMPARE(list.records[0]->keyword, QStringLiteral("a"));
    }

    void importOfForeignTypeAddsNothing()
    {
        PromptRecorder prompts;
        QVector<std::shared_ptr<HotwordVO>> out;
        const QByteArray text = R"([{"hotword":"ok","entityType":"HotwordVO"},{"keyword":"x","entityType":"KeywordVO"}])";
        QCOMPARE(DataHandler<HotwordVO>::parse(text, &out), DataHandler<HotwordVO>::ForeignType);
        QVERIFY(out.isEmpty());
        QCOMPARE(prompts.texts, QStringList({"导入数据的实际类型为KeywordVO, 和预期类型HotwordVO不匹配"}));

        QCOMPARE(DataHandler<HotwordVO>::parse("{\"a\":1}", &out), DataHandler<HotwordVO>::NotAnArray);
        QCOMPARE(DataHandler<HotwordVO>::parse("[{\"hotword\":\"你\",\"index\":2,\"entityType\":\"HotwordVO\"}]", &out),
                 DataHandler<HotwordVO>::Parsed);
        QCOMPARE(out.size(), 1);
        QCOMPARE(out[0]->hotword, QStringLiteral("你"));
        QCOMPARE(out[0]->index, 2);
    }

    void aListIsReadOnlyWhenFirstNeeded()
    {
        TestHome home;
        home.write("config/extra.json", R"([{"id":7,"hotword":"late","entityType":"HotwordVO"}])");
        DataHandler<HotwordVO> list;
        list.setFile(home.file("config/extra.json"));
        QVERIFY(!list.isLoaded());
        QVERIFY(list.records.isEmpty());
        list.ensureLoaded();
        QCOMPARE(list.records.size(), 1);
        QCOMPARE(list.records[0]->hotword, QStringLiteral("late"));
    }

    void quickEditsAreWrittenOnceInTheBackground()
    {
        TestHome home;
        auto &list = HotWordStore::instance().hotwords();
        list.appendAll({HotwordVO()});
        QSignalSpy written(list.writer(), &ListWriter::written);
        for (const char *word : {"a", "b", "c"}) {
            HotwordVO w;
            w.hotword = word;
            list.appendAll({w});
        }
        QVERIFY(!QFile::exists(home.file("config/hotwords.json"))); // nothing written on the GUI thread
        QVERIFY(written.wait(5000));
        QTest::qWait(3 * ListWriter::CoalesceMs);
        QCOMPARE(written.count(), 1);
        QCOMPARE(written.first().value(0).toBool(), true);
        QCOMPARE(QJsonDocument::fromJson(home.read("config/hotwords.json")).array().size(), 4);
    }

    void appendedIdsStayAboveTheLargestId()
    {
        TestHome home;
        Clock::setOverride([] { return qint64(1000) * 1000; });
        home.write("config/hotwords.json", R"([{"id":5000,"hotword":"x","entityType":"HotwordVO"}])");
        home.reload();
        auto &list = HotWordStore::instance().hotwords();
        const auto added = list.appendStamped(QVector<HotwordVO>(3));
        QCOMPARE(added.size(), 3);
        QCOMPARE(added[0]->id, qint64(5001));
        QCOMPARE(added[2]->id, qint64(5003));
    }

    void removeRecordsTakesExactlyTheChosenOnes()
    {
        TestHome home;
        home.write("config/hotwords.json", R"([{"id":5,"hotword":"a","entityType":"HotwordVO"},)"
                                           R"({"id":5,"hotword":"b","entityType":"HotwordVO"},)"
                                           R"({"id":6,"hotword":"c","entityType":"HotwordVO"}])");
        home.reload();
        auto &list = HotWordStore::instance().hotwords();
        QCOMPARE(list.removeRecords({list.records[1].get()}), 1);
        QCOMPARE(list.records.size(), 2);
        QCOMPARE(list.records[0]->hotword, QStringLiteral("a"));
        QCOMPARE(list.records[1]->hotword, QStringLiteral("c"));
        home.reload();
        QCOMPARE(list.records.size(), 2);
    }

    void aFailedBackgroundWriteIsShown()
    {
        TestHome home;
        ToastRecorder toasts;
        QDir().mkpath(home.file("config/blocked.json")); // a folder where the file should go
        DataHandler<HotwordVO> list;
        list.setFile(home.file("config/blocked.json"));
        list.appendAll({HotwordVO()});
        QVERIFY(!list.flush());
        QCOMPARE(toasts.texts(), QStringList({"创建或写入文件失败, 请修改文件权限或者将程序安装到非系统盘!"}));
    }

    void aFailedWriteStaysUnsavedUntilAFlushWritesIt()
    {
        TestHome home;
        ToastRecorder toasts;
        QDir().mkpath(home.file("config/hotwords.json")); // a folder where the file should go
        auto &list = HotWordStore::instance().hotwords();
        HotwordVO word;
        word.hotword = QStringLiteral("kept");
        list.appendAll({word});
        QSignalSpy written(list.writer(), &ListWriter::written);
        QVERIFY(written.wait(5000)); // the background write fails
        QCOMPARE(written.last().value(0).toBool(), false);
        QVERIFY(!HotWordStore::instance().flush()); // still not writable: said so again

        QVERIFY(QDir(home.file("config/hotwords.json")).removeRecursively()); // writable again
        QVERIFY(HotWordStore::instance().flush());
        const QJsonArray stored = QJsonDocument::fromJson(home.read("config/hotwords.json")).array();
        QCOMPARE(stored.size(), 1);
        QCOMPARE(stored[0].toObject().value("hotword").toString(), QStringLiteral("kept"));
        QVERIFY(!list.writer()->isUnsaved());
    }

    void aHotWordFileOfAnEarlierBuildIsDecodedAndKeptAside()
    {
        {
            // A list written as words are typed is read as written, "%" and all.
            TestHome typed;
            typed.write("config/hotwords.json", R"([{"id":1,"hotword":"C%2B%2B","entityType":"HotwordVO"},)"
                                                R"({"id":2,"hotword":"100%ab","entityType":"HotwordVO"}])");
            typed.reload();
            auto &list = HotWordStore::instance().hotwords();
            QCOMPARE(list.records[0]->hotword, QStringLiteral("C%2B%2B"));
            QCOMPARE(list.records[1]->hotword, QStringLiteral("100%ab"));
            QVERIFY(!typed.exists("config/hotwords.json.encoded"));
        }
        TestHome home;
        // As earlier builds wrote "北京" and "C++": every word percent-encoded.
        const QByteArray earlier = R"([{"id":1,"hotword":"%E5%8C%97%E4%BA%AC","index":1,"entityType":"HotwordVO"},)"
                                   R"({"id":2,"hotword":"C%2B%2B","index":2,"entityType":"HotwordVO"}])";
        home.write("config/hotwords.json", earlier);
        home.reload();
        auto &list = HotWordStore::instance().hotwords();
        QCOMPARE(list.records.size(), 2);
        QCOMPARE(list.records[0]->hotword, QStringLiteral("北京"));
        QCOMPARE(list.records[1]->hotword, QStringLiteral("C++"));
        QCOMPARE(home.read("config/hotwords.json.encoded"), earlier);
        QVERIFY(home.read("config/hotwords.json").contains("北京"));
        home.reload(); // once: the words are as written now
        QCOMPARE(list.records[1]->hotword, QStringLiteral("C++"));
    }

    void aStrayPercentInAKeywordFileIsKeptAsWritten()
    {
        TestHome home;
        home.write("config/keywords.json",
                   R"([{"id":1,"keywordType":2,"keyword":"50%off","content":"https://a.example/?q=%E4%BD%A0","entityType":"KeywordVO"},)"
                   R"({"id":2,"keywordType":2,"keyword":"%E4%BD","content":"100%","entityType":"KeywordVO"}])");
        home.reload();
        auto &list = HotWordStore::instance().keywords();
        QCOMPARE(list.records[0]->keyword, QStringLiteral("50%off"));
        QCOMPARE(list.records[0]->content, QStringLiteral("https://a.example/?q=你"));
        QCOMPARE(list.records[1]->keyword, QStringLiteral("%E4%BD")); // no UTF-8 text: as written
        QCOMPARE(list.records[1]->content, QStringLiteral("100%"));
    }

    void anIdIsNeverGivenTwiceInAList()
    {
        TestHome home;
        Clock::setOverride([] { return qint64(1700000000) * 1000; });
        auto &list = HotWordStore::instance().keywords();
        list.appendAll({KeywordVO(2, "a", "a.com", ""), KeywordVO(2, "b", "b.com", "")});
        const qint64 last = list.records.last()->id;
        list.remove(list.records.last()); // it held the largest id
        QVERIFY(list.nextId() > last);
        QVERIFY(list.add(KeywordVO(2, "c", "c.com", ""))->id > last);
        QVERIFY(list.appendStamped({KeywordVO(2, "d", "d.com", "")}).first()->id > last + 1);
    }

    void aWordListSavedOnAFullDiskKeepsItsFile()
    {
        TestHome home;
        ToastRecorder toasts;
        FullDisk disk(home.path());
        auto &list = HotWordStore::instance().hotwords();
        list.appendAll({word("北京"), word("上海")});
        QVERIFY(list.flush());
        const QByteArray before = onDisk(home.file("config/hotwords.json"));
        QSignalSpy written(list.writer(), &ListWriter::written);

        disk.fill();
        list.appendAll({word("广州")});
        QVERIFY(written.wait(5000));
        QCOMPARE(written.last().value(0).toBool(), false);
        QVERIFY(!list.flush());
        disk.free();

        QCOMPARE(onDisk(home.file("config/hotwords.json")), before);
        QCOMPARE(toasts.texts().size(), 2);
        QVERIFY(list.flush()); // with room again, the list lands whole
        QCOMPARE(storedWords(home.read("config/hotwords.json")), QStringList({"北京", "上海", "广州"}));
    }

    void aRetryWritesOnlyTheFileItWasFor()
    {
        TestHome home;
        ToastRecorder toasts;
        home.write("a", "a file where the folder belongs");
        DataHandler<HotwordVO> list;
        list.setFile(home.file("a/words.json"));
        list.appendAll({word("for a")});
        QVERIFY(!list.flush());
        list.setFile(home.file("b.json"));
        QVERIFY(QFile::remove(home.file("a"))); // a could be written now
        QVERIFY(QDir().mkpath(home.file("a")));
        list.appendAll({word("for b")});
        QVERIFY(list.flush());
        QVERIFY(!home.exists("a/words.json"));
        QCOMPARE(storedWords(home.read("b.json")), QStringList({"for b"}));
    }

    void wordsThisBuildWroteAreNeverDecoded()
    {
        {
            TestHome home;
            HotWordStore::instance().hotwords().appendAll({word("%41"), word("C%2B%2B"), word("5%25")});
            QVERIFY(HotWordStore::instance().flush());
            home.reload();
            QCOMPARE(loadedWords(), QStringList({"%41", "C%2B%2B", "5%25"}));
        }
    }

    void anEarlierBuildsHotWordsAreDecodedOnceWhateverEndsTheFirstStart_data()
    {
        QTest::addColumn<int>("end");
        QTest::newRow("killed before the first write") << int(KilledBeforeTheFirstWrite);
        QTest::newRow("the first write fails and the program ends") << int(FirstWriteFails);
        QTest::newRow("a full disk at the start, then a word added") << int(WordAddedOnAFullDisk);
    }

    void anEarlierBuildsHotWordsAreDecodedOnceWhateverEndsTheFirstStart()
    {
        QFETCH(int, end);
        TestHome home;
        ToastRecorder toasts;
        FullDisk disk(home.path());
        // As earlier builds wrote "%41" and "C%2B%2B": decoded twice they would read "A" and "C++".
        const QByteArray earlier = R"([{"id":1,"hotword":"%2541","entityType":"HotwordVO"},)"
                                   R"({"id":2,"hotword":"C%252B%252B","entityType":"HotwordVO"}])";
        home.write("config/hotwords.json", earlier);
        QStringList decoded{"%41", "C%2B%2B"};
        switch (end) {
        case KilledBeforeTheFirstWrite: {
            QProcess program;
            program.setProcessChannelMode(QProcess::MergedChannels);
            program.start(QStringLiteral(VB_EXIT_PROGRAM), {QStringLiteral("read")});
            QByteArray out;
            while (!out.contains(kWordsRead) && program.waitForReadyRead(60000))
                out += program.readAll();
            QVERIFY2(out.contains(kWordsRead), out.constData());
            program.kill(); // SIGKILL: nothing more is written
            QVERIFY(program.waitForFinished(60000));
            break;
        }
        case FirstWriteFails:
            // The copy of the earlier list fits, the decoded list (longer by the index fields
            // this build writes) does not.
            fillButForOneSmallFile(disk, home, earlier.size());
            home.reload();
            QCOMPARE(loadedWords(), decoded);
            home.reload(); // the program ended with its write failed; the next start
            QCOMPARE(loadedWords(), decoded);
            disk.free();
            break;
        case WordAddedOnAFullDisk:
            disk.fill();
            home.reload();
            QCOMPARE(loadedWords(), QStringList({"%2541", "C%252B%252B"})); // as stored: nothing is kept yet
            HotWordStore::instance().hotwords().appendAll({word("x")});
            QVERIFY(!HotWordStore::instance().flush());
            disk.free();
            QVERIFY(HotWordStore::instance().flush());
            decoded << "x";
            QCOMPARE(loadedWords(), decoded);
            break;
        }
        home.reload();
        QCOMPARE(loadedWords(), decoded);
        QCOMPARE(storedWords(home.read("config/hotwords.json")), decoded);
        home.reload(); // once only
        QCOMPARE(loadedWords(), decoded);
        QCOMPARE(home.read("config/hotwords.json.encoded"), earlier);
    }

    void aListThatCannotBeWrittenAtExitEndsTheProgramCleanly()
    {
        TestHome home;
        home.write("config", "a file where the folder belongs");
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VELLOBOX_HOME", home.path());
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VB_EXIT_PROGRAM), QStringList());
        QVERIFY(program.waitForFinished(60000));
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0, qPrintable(err));
        // At the end the failure is logged once, and shown nowhere: the program is on its way out.
        const QString end = err.mid(err.indexOf("quitting\n"));
        QCOMPARE(end.count(QRegularExpression("^ERROR .*hotwords\\.json", QRegularExpression::MultilineOption)), 1);
        QVERIFY(!end.contains("toast"));
    }

    void corruptWordListIsKeptAside()
    {
        TestHome home;
        PromptRecorder prompts;
        home.write("config/hotwords.json", "[{\"hotword\": ");
        home.reload();
        QVERIFY(HotWordStore::instance().hotwords().records.isEmpty());
        QCOMPARE(home.read("config/hotwords.json.bad"), QByteArray("[{\"hotword\": "));
        QVERIFY(!home.exists("config/hotwords.json"));
    }
};

QTEST_MAIN(TestHotwords)
#include "tst_hotwords.moc"
