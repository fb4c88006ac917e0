#include "DevicePageHome.h"
#include "TourPicture.h"

#include "config/MouseSetting.h"
#include "config/PointerSetting.h"
#include "device/mouse/common/ui/TypingTab.h"
#include "device/pointer/common/ui/MKeyTab.h"

#include <QtTest>

// Pictures of the device pages filled from real records, under build/ui-tour/pages/.
class TestPagesTour : public QObject
{
    Q_OBJECT

    static void save(QWidget *page, const QString &name) { TourPicture::save(page, name, QSize(860, 600)); }

private slots:
    void initTestCase()
    {
        TourPicture::useProgramStyle();
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
