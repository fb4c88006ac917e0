#include "DevicePageHome.h"

#include "config/MouseSetting.h"
#include "device/mouse/common/ui/MouseTextTranslationTab.h"
#include "form/dialog/LanguageDialog.h"
#include "form/dialog/TranslationDialog.h"
#include "qui/QUIHelper.h"
#include "screenshot/ScreenShotWidget.h"

#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QtTest>

// Pictures of the translation windows and page, under build/ui-tour/translation/.
class TestTourTranslation : public QObject
{
    Q_OBJECT

    static void save(QWidget *widget, const QString &name, const QSize &size = QSize())
    {
        widget->setAttribute(Qt::WA_DontShowOnScreen);
        if (size.isValid())
            widget->resize(size);
        widget->show();
        QTest::qWait(50);
        QVERIFY(QDir().mkpath(QStringLiteral(VB_TOUR_DIR)));
        const QImage image = widget->grab().toImage();
        QVERIFY(!image.isNull());
        QVERIFY(image.save(QStringLiteral(VB_TOUR_DIR "/%1.png").arg(name)));
    }

private slots:
    void initTestCase()
    {
        QUIHelper::setStyle(QUIHelper::themeNames().value(0));
        QUIHelper::setStyleSheetFile(QStringLiteral(":/customization.css"));
    }

    void collapsedIcon()
    {
        DevicePageHome device(std::make_unique<MouseSetting>());
        TranslationDialog dialog(0, &device.context, "getword_tranFromLanguage", "getword_tranToLanguage");
        dialog.setSourceVisible(true);
        save(&dialog, QStringLiteral("TranslationDialog-icon"));
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
        save(&dialog, QStringLiteral("TranslationDialog-full"));
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
        save(&tool, QStringLiteral("RegionTool"));
        tool.releaseKeyboard();
    }

    void textTranslationPage()
    {
        DevicePageHome device(std::make_unique<MouseSetting>(),
                              {{"getword_tranToLanguage", "jp"}, {"snapshot_ocrLanguage", "ENG"},
                               {"snapshot_tranToLanguage", "zh"}, {"snapshot_shortcut", "Ctrl+Shift+1"}});
        MouseTextTranslationTab page;
        page.setContext(&device.context);
        save(&page, QStringLiteral("MouseTextTranslationTab"), QSize(860, 600));
    }

    void languageDialogFiltered()
    {
        LanguageDialog dialog;
        const auto &languages = Languages::instance();
        dialog.addSection(QStringLiteral("常用语言"), languages.sections(Languages::TextTranslation, {"zh", "en", "jp", "kor", "cht"}));
        dialog.addSection(QStringLiteral("全部语言"), languages.sections(Languages::TextTranslation));
        dialog.findChild<QLineEdit *>("leKeyword")->setText(QStringLiteral("语"));
        save(&dialog, QStringLiteral("LanguageDialog-filtered"));
    }
};

QTEST_MAIN(TestTourTranslation)
#include "tst_tour_translation.moc"
