#include "config/HotWordStore.h"
#include "config/MouseSetting.h"
#include "device/DeviceContext.h"
#include "logic/businessLogic/Launcher.h"
#include "logic/businessLogic/workflow/voicesearch/SearchImp.h"
#include "support/TestHome.h"
#include "support/ToastRecorder.h"

#include <QDesktopServices>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

// Receives the URLs the code under test opens.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    }
    ~UrlCatcher() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

using KeywordList = QVector<std::shared_ptr<KeywordVO>>;

class TestSearchImp : public QObject
{
    Q_OBJECT
private slots:
    void match_data()
    {
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("expected"); // keyword, empty for none
        QTest::newRow("exact with punctuation") << "百度。" << "百度";
        QTest::newRow("case and blanks") << "Open  Notes!" << "open notes";
        QTest::newRow("contained, longest wins") << "打开百度翻译" << "百度翻译";
        QTest::newRow("user keyword before detected app") << "计算器" << "计算器";
        QTest::newRow("detected app") << "打开微信" << "微信";
        QTest::newRow("no match") << "天气怎么样" << "";
        QTest::newRow("only punctuation") << "。！" << "";
        QTest::newRow("symbols outside the basic plane") << "打开「微信」😀" << "微信";
    }
    void match()
    {
        QFETCH(QString, spoken);
        QFETCH(QString, expected);
        KeywordList user{std::make_shared<KeywordVO>(2, "百度", "www.baidu.com", ""),
                         std::make_shared<KeywordVO>(2, "百度翻译", "fanyi.baidu.com", ""),
                         std::make_shared<KeywordVO>(0, "open notes", "/usr/bin/notes", ""),
                         std::make_shared<KeywordVO>(0, "计算器", "/usr/bin/user-calc", ""),
                         std::make_shared<KeywordVO>(0, "  ", "/bin/blank", "")};
        KeywordList detected{std::make_shared<KeywordVO>(3, "计算器", "/usr/bin/gnome-calculator", ""),
                             std::make_shared<KeywordVO>(3, "微信", "/opt/wechat/wechat %U", "")};
        const auto found = SearchImp::match(spoken, user, detected);
        QCOMPARE(found ? found->keyword : QString(), expected);
        if (expected == QStringLiteral("计算器"))
            QCOMPARE(found->content, QStringLiteral("/usr/bin/user-calc"));
    }

    // An input method in full-width mode types "Ｍｕｓｉｃ Ｐｌａｙｅｒ"; speech can come back so too.
    void fullWidthLettersAndDigitsMatchTheirAsciiForms()
    {
        KeywordList user{std::make_shared<KeywordVO>(0, QStringLiteral("Ｍｕｓｉｃ Ｐｌａｙｅｒ"), "/usr/bin/player", ""),
                         std::make_shared<KeywordVO>(2, "123", "example.com", "")};
        KeywordList detected{std::make_shared<KeywordVO>(3, "Calculator", "/apps/calc.desktop", "")};
        const auto keywordOf = [&](const QString &spoken) {
            const auto found = SearchImp::match(spoken, user, detected);
            return found ? found->content : QString();
        };
        QCOMPARE(keywordOf("打开 music player"), QStringLiteral("/usr/bin/player"));
        QCOMPARE(keywordOf(QStringLiteral("打开ｃａｌｃｕｌａｔｏｒ")), QStringLiteral("/apps/calc.desktop"));
        QCOMPARE(keywordOf(QStringLiteral("１２３")), QStringLiteral("example.com"));
    }

    void searchUrlPercentEncodesTheText_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("url");
        QTest::newRow("chinese") << "https://www.baidu.com/s?wd=" << "你好"
                                 << QByteArray("https://www.baidu.com/s?wd=%E4%BD%A0%E5%A5%BD");
        QTest::newRow("query characters") << "https://www.google.com/search?q=" << "a&b=c #1+1"
                                          << QByteArray("https://www.google.com/search?q=a%26b%3Dc%20%231%2B1");
        QTest::newRow("not a web prefix") << "file:///etc/passwd?" << "x" << QByteArray();
        QTest::newRow("empty prefix") << "" << "x" << QByteArray();
    }
    void searchUrlPercentEncodesTheText()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, text);
        QFETCH(QByteArray, url);
        QCOMPARE(Launcher::searchUrl(prefix, text).toEncoded(), url);
    }

    void unmatchedTextGoesToTheDeviceSearchEngine()
    {
        TestHome home;
        UrlCatcher catcher;
        MouseSetting setting;
        setting.search_engine = QStringLiteral("https://search.example/s?q=");
        DeviceContext context;
        context.setting = &setting;
        SearchImp search(&context);
        QSignalSpy title(&search, &SearchImp::setText);
        search.startHandle();
        QCOMPARE(title.last().value(0).toString(), QStringLiteral("请说话"));
        search.resultHandle(AsrResult{"今天 天气", "", false, false});
        QVERIFY(catcher.urls.isEmpty()); // nothing before the run ends
        search.resultHandle(AsrResult{"今天 天气？", "今天 天气？", true, true});
        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls[0].toEncoded(),
                 QByteArray("https://search.example/s?q=%E4%BB%8A%E5%A4%A9%20%E5%A4%A9%E6%B0%94"));
        QCOMPARE(title.last().value(0).toString(), QStringLiteral("语音搜索: 今天 天气"));
        search.finishHandle(); // searched once only
        QCOMPARE(catcher.urls.size(), 1);
    }

    void keywordOpensItsWebPageOrProgram()
    {
        TestHome home;
        UrlCatcher catcher;
        // A program that proves it ran by writing a file.
        const QString marker = home.file("ran.txt");
        const QString script = home.file("prog.sh");
        home.write("prog.sh", "#!/bin/sh\necho started > \"" + marker.toUtf8() + "\"\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        HotWordStore::instance().keywords().appendAll(
            {KeywordVO(2, "新闻", "news.example.com/today", "网址"), KeywordVO(0, "运行脚本", script, "程序/文件"),
             KeywordVO(2, "坏地址", "javascript:alert(1)", "网址")});
        MouseSetting setting;
        DeviceContext context;
        context.setting = &setting;
        SearchImp search(&context);
        QSignalSpy searched(&search, &SearchImp::searched);

        search.search(QStringLiteral("看新闻"));
        QCOMPARE(catcher.urls.value(0), QUrl("https://news.example.com/today"));

        search.search(QStringLiteral("运行脚本。"));
        QTRY_VERIFY(QFile::exists(marker));
        QCOMPARE(searched.last().value(2).toBool(), true);

        ToastRecorder toasts;
        search.search(QStringLiteral("坏地址"));
        QCOMPARE(catcher.urls.size(), 1); // refused: not http(s)
        QCOMPARE(searched.last().value(2).toBool(), false);
        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries[0].type, 2);
    }

    // The prepared keywords follow every change of the store at once.
    void aChangedListIsSeenByTheNextSearch()
    {
        TestHome home;
        UrlCatcher catcher;
        MouseSetting setting;
        setting.search_engine = QStringLiteral("https://search.example/s?q=");
        DeviceContext context;
        context.setting = &setting;
        SearchImp search(&context);
        auto &list = HotWordStore::instance().keywords();
        list.appendAll({KeywordVO(2, "地图", "map.example.com", "")});
        search.search(QStringLiteral("地图"));
        list.replace(list.records.first(), KeywordVO(2, "地图", "maps.example.org", ""));
        search.search(QStringLiteral("地图"));
        list.remove(list.records.first());
        search.search(QStringLiteral("地图"));
        QCOMPARE(catcher.urls, (QList<QUrl>{QUrl("https://map.example.com"), QUrl("https://maps.example.org"),
                                            QUrl("https://search.example/s?q=%E5%9C%B0%E5%9B%BE")}));
    }

    void failedRunSearchesNothing()
    {
        TestHome home;
        UrlCatcher catcher;
        SearchImp search(nullptr);
        search.startHandle();
        search.resultHandle(AsrResult{"半句", "", false, false});
        search.messageHandle(QStringLiteral("engine failed"));
        search.finishHandle();
        QVERIFY(catcher.urls.isEmpty());
    }
};

QTEST_MAIN(TestSearchImp)
#include "tst_searchimp.moc"
