#include "DevicePageHome.h"

#include "config/PointerSetting.h"
#include "databinding/FormItem.h"
#include "databinding/ZColorComboBox.h"
#include "databinding/ZComboBox.h"
#include "device/pointer/common/ui/AiSubtitleTab.h"
#include "form/floating/SubtitleWidget.h"
#include "qui/control/ImageSwitch.h"

#include <QLabel>
#include <QPointer>
#include <QtTest>

class TestAiSubtitleTab : public QObject
{
    Q_OBJECT

    static FormItem *row(AiSubtitleTab &page, const char *name) { return page.findChild<FormItem *>(name); }

private slots:
    void bindingShowsTheRecordAndOpensNoPreview()
    {
        DevicePageHome device(std::make_unique<PointerSetting>(),
                              {{"subtitle_ui_fontSize", 16}, {"subtitle_ui_bakColor", "#0000ff"},
                               {"subtitle_transLanguage", "zh"}, {"subtitle_ui_identify_disable", true}});
        AiSubtitleTab page;
        page.setContext(&device.context);

        QCOMPARE(row(page, "fiFontSize")->comboBox()->currentText(), QStringLiteral("小"));
        QCOMPARE(row(page, "fiBackColor")->secondComboBox()->currentColor(), QColor(Qt::blue));
        QCOMPARE(row(page, "fiFontColor")->secondComboBox()->currentColor(), QColor(0, 255, 0));
        QCOMPARE(row(page, "fiTranslateLanguage")->comboBox()->currentData().toString(), QStringLiteral("zh"));
        QCOMPARE(row(page, "fiIdentifyLanguage")->comboBox()->currentData().toString(), QStringLiteral("zh"));
        QVERIFY(row(page, "fiTranslationOff")->imageSwitch()->isChecked());
        QVERIFY(!row(page, "fiSubtitleOff")->imageSwitch()->isChecked());
        QVERIFY(page.previews().isEmpty());
    }

    void fontSizeIsStoredAndPreviewedAtThatSize_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");
        QTest::newRow("大") << QStringLiteral("大") << 36;
        QTest::newRow("小") << QStringLiteral("小") << 16;
    }

    void fontSizeIsStoredAndPreviewedAtThatSize()
    {
        QFETCH(QString, text);
        QFETCH(int, size);
        DevicePageHome device(std::make_unique<PointerSetting>());
        AiSubtitleTab page;
        page.setContext(&device.context);
        ZComboBox *combo = row(page, "fiFontSize")->comboBox();
        combo->setCurrentIndex(combo->findText(text));

        QCOMPARE(device.stored().value(QStringLiteral("subtitle_ui_fontSize")).toInt(), size);
        QCOMPARE(page.previews().size(), 1);
        SubtitleWidget *preview = page.previews().first();
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->text1Label()->font().pointSize(), size);
        QCOMPARE(preview->text2Label()->font().pointSize(), size);
        QCOMPARE(preview->text2Label()->text(), QStringLiteral("This is preview!"));
    }

    // The translation line shows in the preview even while it is switched off for recordings.
    void colourChoiceIsStoredAndPreviewedWithTheTranslationLine()
    {
        DevicePageHome device(std::make_unique<PointerSetting>(), {{"subtitle_ui_identify_disable", true}});
        AiSubtitleTab page;
        page.setContext(&device.context);
        ZColorComboBox *combo = row(page, "fiTranslateColor")->secondComboBox();
        combo->setCurrentIndex(combo->findData(QStringLiteral("red")));

        QCOMPARE(device.stored().value(QStringLiteral("subtitle_ui_translate_fontColor")).toString(),
                 QStringLiteral("red"));
        QCOMPARE(page.previews().size(), 1);
        SubtitleWidget *preview = page.previews().first();
        QVERIFY(preview->text2Label()->styleSheet().contains(QStringLiteral("#ff0000")));
        QVERIFY(!preview->text2Label()->text().isEmpty());
    }

    // A colour from the record enters the preview's style sheet only when it is a colour.
    void previewRefusesAColourThatIsNoColour()
    {
        DevicePageHome device(std::make_unique<PointerSetting>(),
                              {{"subtitle_ui_identify_fontColor", "red;} QLabel{font-size:90px"}});
        AiSubtitleTab page;
        page.setContext(&device.context);
        page.showPreview();
        QCOMPARE(page.previews().value(0)->text1Label()->styleSheet(), QStringLiteral("color:#00ff00;"));
    }

    void previewClosesItselfAfterTwoSeconds()
    {
        DevicePageHome device(std::make_unique<PointerSetting>());
        AiSubtitleTab page;
        page.setContext(&device.context);
        page.showPreview();
        QPointer<SubtitleWidget> preview = page.previews().value(0);
        QVERIFY(preview);
        QTRY_VERIFY_WITH_TIMEOUT(preview.isNull(), AiSubtitleTab::PreviewMs + 1500);
    }

    void previewsGoWithThePage()
    {
        DevicePageHome device(std::make_unique<PointerSetting>());
        auto page = std::make_unique<AiSubtitleTab>();
        page->setContext(&device.context);
        page->showPreview();
        page->showPreview();
        QCOMPARE(page->previews().size(), 2);
        QPointer<SubtitleWidget> preview = page->previews().value(1);
        page.reset();
        QVERIFY(preview.isNull());
    }
};

QTEST_MAIN(TestAiSubtitleTab)
#include "tst_aisubtitletab.moc"
