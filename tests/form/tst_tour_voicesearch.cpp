#include "DevicePageHome.h"
#include "TourPicture.h"

#include "config/HotWordStore.h"
#include "config/MouseSetting.h"
#include "databinding/PageNavigator.h"
#include "device/common/ui/DevicePages.h"
#include "form/tab/AutoDetectAppTab.h"
#include "form/tab/InstalledProgramList.h"
#include "form/tab/VoiceSearchTab.h"
#include "qui/control/IconCheckBoxItem.h"
#include "qui/control/ImageSwitch.h"
#include "util/TrContexts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// Pictures of the voice-search pages under build/ui-tour/voicesearch/: keywords on two
// pages, the add form in each type, and the detected applications of this system.
class TestTourVoiceSearch : public QObject
{
    Q_OBJECT

    static void save(QWidget *page, const QString &name, const QSize &size = QSize(860, 900))
    {
        TourPicture::save(page, name, size);
    }

    void fillKeywords()
    {
        QVector<KeywordVO> list;
        const char *const words[][3] = {
            {"百度", "2", "www.baidu.com"},     {"记事本", "0", "/usr/bin/gedit"},
            {"下载", "1", "/home/user/下载"},    {"新闻", "2", "news.example.com/today"},
            {"终端", "0", "/usr/bin/xterm"},     {"文档", "1", "/home/user/文档"},
            {"地图", "2", "map.example.com"},   {"计算器", "0", "/usr/bin/gnome-calculator"}};
        for (const auto &w : words) {
            const int type = QString::fromLatin1(w[1]).toInt();
            list.append(KeywordVO(type, QString::fromUtf8(w[0]), QString::fromUtf8(w[2]),
                                  TUI::tr(type == 0 ? "程序/文件" : type == 1 ? "文件夹" : "网址")));
        }
        HotWordStore::instance().keywords().appendAll(list);
    }

private slots:
    void initTestCase()
    {
        TourPicture::useProgramStyle();
        // This system's own desktop entries, and nothing of the user's.
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_empty.path()));
        qputenv("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    }

    void keywordsOnTwoPages()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        fillKeywords();
        VoiceSearchTab page(nullptr, true, false);
        page.setContext(&device.context);
        save(&page, QStringLiteral("VoiceSearchTab-keywords-page1"));
        page.findChild<PageNavigator *>("pager")->setCurrentPage(2);
        save(&page, QStringLiteral("VoiceSearchTab-keywords-page2"));
    }

    void theAddFormInEachType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("content");
        QTest::newRow("program") << 0 << "浏览器" << "/usr/bin/firefox";
        QTest::newRow("folder") << 1 << "图片" << "/home/user/图片";
        QTest::newRow("web") << 2 << "天气" << "weather.example.com";
    }
    void theAddFormInEachType()
    {
        QFETCH(int, type);
        QFETCH(QString, keyword);
        QFETCH(QString, content);
        DevicePageHome device(std::make_unique<MouseSetting>());
        fillKeywords();
        VoiceSearchTab page(nullptr, true, false);
        page.setContext(&device.context);
        page.findChild<QComboBox *>("cbKeywordType")->setCurrentIndex(type);
        page.findChild<QLineEdit *>("leVoiceSearchKeyword")->setText(keyword);
        page.findChild<QLineEdit *>("leContent")->setText(content);
        save(&page, QStringLiteral("VoiceSearchTab-add-%1").arg(QString::fromLatin1(QTest::currentDataTag())));
    }

    void theWholeMousePage()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        fillKeywords();
        std::unique_ptr<QWidget> page(DevicePages::create({TUI::tr(" 语音搜索"), QStringLiteral("VoiceSearchTab"), nullptr}));
        dynamic_cast<IContextBinder *>(page.get())->setContext(&device.context);
        QSignalSpy loaded(&InstalledProgramList::instance(), &InstalledProgramList::loaded);
        save(page.get(), QStringLiteral("VoiceSearchTab-mouse"), QSize(860, 1100));
        if (!InstalledProgramList::instance().isLoaded())
            QVERIFY(loaded.wait(10000));
        save(page.get(), QStringLiteral("VoiceSearchTab-mouse"), QSize(860, 1100));
    }

    void theDetectedApplicationsOfThisSystem()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        std::unique_ptr<QWidget> page(DevicePages::create({TUI::tr(" AI智适应"), QStringLiteral("VoiceSearchTab"), nullptr}));
        dynamic_cast<IContextBinder *>(page.get())->setContext(&device.context);
        QSignalSpy loaded(&InstalledProgramList::instance(), &InstalledProgramList::loaded);
        page->setAttribute(Qt::WA_DontShowOnScreen);
        page->show();
        if (!InstalledProgramList::instance().isLoaded())
            QVERIFY(loaded.wait(10000));
        auto *apps = page->findChild<AutoDetectAppTab *>("appTab");
        QVERIFY(!apps->items().isEmpty());
        int withIcon = 0;
        for (IconCheckBoxItem *row : apps->items())
            withIcon += row->hasIcon();
        QVERIFY(withIcon > 0);
        // Some switched on, as a user leaves them.
        for (int i = 0; i < apps->items().size(); i += 2)
            QTest::mouseClick(apps->items()[i]->imageSwitch(), Qt::LeftButton);
        save(page.get(), QStringLiteral("VoiceSearchTab-autodetect"), QSize(860, 600));
    }

private:
    QTemporaryDir m_empty;
};

QTEST_MAIN(TestTourVoiceSearch)
#include "tst_tour_voicesearch.moc"
