#include "DevicePageHome.h"
#include "TourPicture.h"

#include "config/MouseSetting.h"
#include "device/mouse/common/ui/MouseTextTranslationTab.h"
#include "form/dialog/LanguageDialog.h"
#include "form/dialog/TranslationDialog.h"
#include "screenshot/ScreenShotWidget.h"

#include <QLineEdit>
#include <QPainter>
#include <QtTest>

// Pictures of the translation windows and page, under build/ui-tour/translation/.
class TestTourTranslation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TourPicture::useProgramStyle();
    }

    void collapsedIcon()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        TranslationDialog dialog(0, &device.context, "getword_tranFromLanguage", "getword_tranToLanguage");
        dialog.setSourceVisible(true);
        TourPicture::save(&dialog, QStringLiteral("TranslationDialog-icon"));
    }

    void fullDialog()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(),
                              {{"snapshot_ocrLanguage", "CHN_ENG"}, {"snapshot_tranToLanguage", "en"}});
        TranslationDialog dialog(1, &device.context, "snapshot_ocrLanguage", "snapshot_tranToLanguage");
        dialog.setIconVisible(true);
        dialog.setSourceVisible(false);
        dialog.setSourceText(QStringLiteral("你好世界,今天天气很好"));
        dialog.setTranslationText(QStringLiteral("Hello world, the weather is fine today"));
        TourPicture::save(&dialog, QStringLiteral("TranslationDialog-full"));
    }

    void regionTool()
    {
        QImage screen(1280, 720, QImage::Format_RGB32);
        screen.fill(QColor(240, 240, 240));
        {
            QPainter painter(&screen);
            QFont font(QStringLiteral("Noto Sans CJK SC"));
            font.setPixelSize(28);
            painter.setFont(font);
            painter.drawText(QPoint(220, 260), QStringLiteral("Hello world"));
            painter.drawText(QPoint(220, 310), QStringLiteral("你好世界"));
        }
        ScreenShotWidget tool;
        tool.setAttribute(Qt::WA_DontShowOnScreen);
        tool.startWith(screen, QRect(0, 0, 1280, 720));
        QTest::mousePress(&tool, Qt::LeftButton, {}, QPoint(200, 220));
        QTest::mouseMove(&tool, QPoint(420, 330));
        QTest::mouseRelease(&tool, Qt::LeftButton, {}, QPoint(420, 330));
        TourPicture::save(&tool, QStringLiteral("RegionTool"));
        tool.releaseKeyboard();
    }

    void textTranslationPage()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(),
                              {{"getword_tranToLanguage", "jp"}, {"snapshot_ocrLanguage", "ENG"},
                               {"snapshot_tranToLanguage", "zh"}, {"snapshot_shortcut", "Ctrl+Shift+1"}});
        MouseTextTranslationTab page;
        page.setContext(&device.context);
        TourPicture::save(&page, QStringLiteral("MouseTextTranslationTab"), QSize(860, 600));
    }

    void languageDialogFiltered()
    {
        LanguageDialog dialog;
        const auto &languages = Languages::instance();
        dialog.addSection(QStringLiteral("常用语言"), languages.sections(Languages::TextTranslation, {"zh", "en", "jp", "kor", "cht"}));
        dialog.addSection(QStringLiteral("全部语言"), languages.sections(Languages::TextTranslation));
        dialog.findChild<QLineEdit *>("leKeyword")->setText(QStringLiteral("语"));
        TourPicture::save(&dialog, QStringLiteral("LanguageDialog-filtered"));
    }
};

QTEST_MAIN(TestTourTranslation)
#include "tst_tour_translation.moc"
