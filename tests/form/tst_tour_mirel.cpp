#include "DevicePageHome.h"
#include "TourPicture.h"

#include "config/HotWordStore.h"
#include "databinding/ZTableWidget.h"
#include "device/mouse/mirel/MirelMouseDevice.h"
#include "device/mouse/mirel/ui/HotWordTab.h"
#include "device/mouse/mirel/ui/MirelMouseHelpTab.h"
#include "device/mouse/mirel/ui/MirelTypingTab.h"
#include "form/tab/LazyWebView.h"
#include "form/tab/WebWithTitleTab.h"

#include <QAbstractButton>
#include <QDir>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>
#include <functional>

namespace {
const bool kSharedContexts = [] {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    return true;
}();
const QSize kPageSize(860, 600);
} // namespace

// Pictures of the branded mouse's pages under build/ui-tour/mirel/.
class TestTourMirel : public QObject
{
    Q_OBJECT

    // A web view paints through the GPU path: its picture comes from the screen after loading.
    static void saveFromScreen(QWidget *page, LazyWebView *view, const QString &name,
                               const std::function<void()> &then = {})
    {
        QSignalSpy loaded(view, &LazyWebView::loadFinished);
        page->resize(kPageSize);
        page->move(0, 0);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page));
        QVERIFY(loaded.wait(20000));
        if (then) {
            then();
            QVERIFY(loaded.wait(20000));
        }
        QVERIFY(loaded.last().value(0).toBool());
        QTest::qWait(700); // the first frame after the load
        QVERIFY(QDir().mkpath(TourPicture::dir()));
        const QRect area(page->mapToGlobal(QPoint(0, 0)), page->size());
        const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        QVERIFY(!shot.isNull());
        QVERIFY(shot.save(TourPicture::dir() + QStringLiteral("/%1.png").arg(name)));
    }

private slots:
    void initTestCase() { TourPicture::useProgramStyle(); }

    void typingTab()
    {
        DevicePageHome device(MirelMouseDevice(nullptr).createSetting(),
                              {{"mKey_functionIndex", 1}, {"translation_toLanguage", "ja"}});
        MirelTypingTab page;
        page.setContext(&device.context);
        // Tall enough for the mode rows at the bottom.
        TourPicture::save(&page, QStringLiteral("MirelTypingTab"), QSize(860, 820));
    }

    void hotWordTabWithRows()
    {
        TestHome home;
        QVector<HotwordVO> words;
        for (const char *w : {"Vellobox", "语音鼠标", "热词", "翻译笔", "人工智能"}) {
            HotwordVO record;
            record.hotword = QString::fromUtf8(w);
            words.append(record);
        }
        HotWordStore::instance().hotwords().appendAll(words);
        HotWordTab page;
        page.findChild<ZTableWidget *>("tvHotWords")->setRowChecked(1, true);
        TourPicture::save(&page, QStringLiteral("HotWordTab"), kPageSize);
    }

    void helpTabRendered()
    {
        TestHome home;
        MirelMouseHelpTab page;
        saveFromScreen(&page, page.webView(), QStringLiteral("MirelMouseHelpTab"));
    }

    void helpTabOnPageThree()
    {
        TestHome home;
        MirelMouseHelpTab page;
        saveFromScreen(&page, page.webView(), QStringLiteral("MirelMouseHelpTab-page3"),
                       [&page] { page.findChild<QAbstractButton *>(QStringLiteral("btnPage3"))->click(); });
    }

    void titledWebPageRendered()
    {
        TestHome home;
        MirelMouseHelpTab::installHelpPages();
        WebWithTitleTab page(QStringLiteral("/assets/mirel/help/help2.html"));
        saveFromScreen(&page, page.webView(), QStringLiteral("WebWithTitleTab"));
    }

    void missingPage()
    {
        TestHome home;
        WebWithTitleTab page(QStringLiteral("/assets/absent.html"));
        TourPicture::save(&page, QStringLiteral("WebWithTitleTab-missing"), kPageSize);
    }
};

QTEST_MAIN(TestTourMirel)
#include "tst_tour_mirel.moc"
