#include "DevicePageHome.h"

#include "config/MouseSetting.h"
#include "config/PointerSetting.h"
#include "device/mouse/common/ui/TypingTab.h"
#include "device/pointer/common/ui/MKeyTab.h"
#include "qui/QUIHelper.h"

#include <QDir>
#include <QtTest>

// Pictures of the device pages filled from real records, under build/ui-tour/pages/.
class TestPagesTour : public QObject
{
    Q_OBJECT

    static void save(QWidget *page, const QString &name)
    {
        // Laid out and painted as on screen, but never mapped: tests that read the screen's
        // pixels run beside this one.
        page->setAttribute(Qt::WA_DontShowOnScreen);
        page->resize(860, 600);
        page->show();
        QTest::qWait(50);
        QVERIFY(QDir().mkpath(QStringLiteral(VB_TOUR_DIR)));
        const QImage image = page->grab().toImage();
        QVERIFY(!image.isNull());
        QVERIFY(image.save(QStringLiteral(VB_TOUR_DIR "/%1.png").arg(name)));
    }

private slots:
    void initTestCase()
    {
        QUIHelper::setStyle(QUIHelper::themeNames().value(0));
        QUIHelper::setStyleSheetFile(QStringLiteral(":/customization.css"));
    }

    void typingTab()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(),
                              {{"asr_languageAndAccent", "zh_cn,cantonese"}, {"asr_typingOutputMode", 2},
                               {"translation_toLanguage", "ja"}});
        TypingTab page;
        page.setContext(&device.context);
        save(&page, QStringLiteral("TypingTab"));
    }

    void mkeyTab()
    {
        DevicePageHome device(std::make_unique<PointerSetting>(),
                              {{"mKey_functions", "3,2,0"}, {"mKey_functionIndex", 1},
                               {"mKey_cursorRadius", 50}, {"mKey_cursorColor", "#0000FF"},
                               {"mKey_magnifierRatio", 3.0}});
        MKeyTab page;
        page.setContext(&device.context);
        save(&page, QStringLiteral("MKeyTab"));
    }
};

QTEST_MAIN(TestPagesTour)
#include "tst_pages_tour.moc"
