#include "EffectsFixture.h"
#include "config/MouseSetting.h"
#include "form/floating/Compositing.h"
#include "form/floating/SubtitleWidget.h"

#include <QLabel>
#include <QtTest>

class TestSubtitle : public QObject
{
    Q_OBJECT
private slots:
    void placedOnTheRealScreen()
    {
        PointerScreen::setArrangement(std::nullopt);
        SubtitleWidget w; // the offscreen platform's one 800x600 screen
        QCOMPARE(w.size(), QSize(720, 200));
        QCOMPARE(w.pos(), QPoint(40, 400));
        QVERIFY(w.property("canMove").toBool());
        QVERIFY(w.text1Label()->text().isEmpty());
        QVERIFY(w.text2Label()->text().isEmpty());
    }

    void placement_data()
    {
        QTest::addColumn<QVector<QRect>>("screens");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("task bar at the bottom")
            << QVector<QRect>{QRect(0, 0, 1920, 1080)} << QPoint(10, 10) << QRect(40, 840, 1840, 200);
        QTest::newRow("second screen below")
            << QVector<QRect>{QRect(0, 0, 1920, 1080), QRect(0, 1080, 1920, 1080)} << QPoint(900, 1500)
            << QRect(40, 1920, 1840, 200);
        QTest::newRow("second screen left")
            << QVector<QRect>{QRect(0, 0, 1920, 1080), QRect(-1280, 0, 1280, 1024)} << QPoint(-5, 5)
            << QRect(-1240, 784, 1200, 200);
    }

    void placement()
    {
        QFETCH(QVector<QRect>, screens);
        QFETCH(QPoint, pointer);
        QFETCH(QRect, expected);
        EffectsFixture f;
        EffectsFixture::useScreens(screens, QPoint(10, 10), 40);
        SubtitleWidget w;
        PointerScreen::setPointer(pointer);
        w.updatePosition();
        QCOMPARE(w.geometry(), expected);
    }

    void styleFollowsThePresenterSettings()
    {
        EffectsFixture f;
        SubtitleWidget w;
        w.setContext(&f.context); // applies the style
        QCOMPARE(w.text1Label()->styleSheet(), QStringLiteral("color:#00ff00;"));
        QCOMPARE(w.text2Label()->styleSheet(), QStringLiteral("color:#ffffff;"));
        QCOMPARE(w.text1Label()->font().pointSize(), 24);
        QCOMPARE(w.text2Label()->font().pointSize(), 24);

        QVERIFY(f.setting.setValue("subtitle_ui_identify_fontColor", "red; background: url(x)"));
        QVERIFY(f.setting.setValue("subtitle_ui_fontSize", 30));
        w.updateStyle();
        QCOMPARE(w.text1Label()->styleSheet(), QStringLiteral("color:#00ff00;")); // not a colour: default
        QCOMPARE(w.text1Label()->font().pointSize(), 30);
    }

    void fontSizeOutsideTheReadableRangeFallsBackToTheDefault_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("one point") << 1 << 24;
        QTest::newRow("below the smallest") << SubtitleWidget::MinFontSize - 1 << 24;
        QTest::newRow("smallest") << SubtitleWidget::MinFontSize << SubtitleWidget::MinFontSize;
        QTest::newRow("largest") << SubtitleWidget::MaxFontSize << SubtitleWidget::MaxFontSize;
        QTest::newRow("above the largest") << SubtitleWidget::MaxFontSize + 1 << 24;
        QTest::newRow("two hundred points") << 200 << 24;
        QTest::newRow("negative") << -5 << 24;
    }
    void fontSizeOutsideTheReadableRangeFallsBackToTheDefault()
    {
        QFETCH(int, stored);
        QFETCH(int, shown);
        EffectsFixture f;
        QVERIFY(f.setting.setValue("subtitle_ui_fontSize", stored));
        SubtitleWidget w;
        w.setContext(&f.context);
        QCOMPARE(w.text1Label()->font().pointSize(), shown);
        QCOMPARE(w.text2Label()->font().pointSize(), shown);
    }

    void otherDevicesChangeNothing()
    {
        MouseSetting mouse;
        DeviceContext context;
        context.setting = &mouse;
        SubtitleWidget w;
        const QString before = w.text1Label()->styleSheet();
        w.setContext(&context);
        QCOMPARE(w.text1Label()->styleSheet(), before);
        context.setting = nullptr;
    }

    void background()
    {
        EffectsFixture f;
        Compositing::setOverride(true);
        SubtitleWidget translucent;
        Compositing::setOverride(false);
        SubtitleWidget opaque;
        Compositing::setOverride(std::nullopt);
        translucent.setContext(&f.context);
        opaque.setContext(&f.context);
        QCOMPARE(translucent.backgroundColor(), QColor(0, 0, 0, 125));
        // Without a compositor the clear parts would be black anyway: painted opaque.
        QCOMPARE(opaque.backgroundColor(), QColor(0, 0, 0, 255));
        QVERIFY(f.setting.setValue("deviceName", "other"));
        QVERIFY(!translucent.backgroundColor().isValid());
        QVERIFY(f.setting.setValue("subtitle_ui_bakColor", "#123456"));
        QCOMPARE(opaque.backgroundColor(), QColor("#123456"));
        const QImage shot = opaque.grab().toImage();
        QCOMPARE(shot.pixelColor(2, 2), QColor("#123456"));
    }

    void longTextKeepsItsEnd()
    {
        EffectsFixture f;
        EffectsFixture::useScreens({QRect(0, 0, 800, 600)}, QPoint(1, 1));
        SubtitleWidget w;
        w.setContext(&f.context);
        QString text;
        for (int i = 0; i < 60; ++i)
            text += QStringLiteral("word%1 ").arg(i);
        text += QStringLiteral("THE-END");
        w.setText1(text);
        const QString shown = w.text1Label()->text();
        QVERIFY(shown.startsWith(QChar(0x2026)));
        QVERIFY(shown.endsWith(QStringLiteral("THE-END")));
        QVERIFY(shown.size() < text.size());
        QVERIFY(w.text1Label()->fontMetrics().horizontalAdvance(shown) <= w.width() - 60);

        w.setText2(text);
        QVERIFY(w.text2Label()->text().endsWith(QStringLiteral("THE-END")));
        QVERIFY(w.text2Label()->fontMetrics().horizontalAdvance(w.text2Label()->text()) <= w.width() - 80);

        w.setText1(QStringLiteral("short"));
        QCOMPARE(w.text1Label()->text(), QStringLiteral("short"));
    }

    void textsArePlain()
    {
        EffectsFixture f;
        SubtitleWidget w;
        w.setContext(&f.context);
        w.setText1(QStringLiteral("<b>bold</b>"));
        w.setText2(QStringLiteral("<img src=x>"));
        QCOMPARE(w.text1Label()->textFormat(), Qt::PlainText);
        QCOMPARE(w.text2Label()->textFormat(), Qt::PlainText);
        QCOMPARE(w.text1Label()->text(), QStringLiteral("<b>bold</b>"));
    }

    void translationLineFollowsTheSwitch()
    {
        EffectsFixture f;
        QVERIFY(f.setting.setValue("subtitle_ui_identify_disable", true));
        SubtitleWidget w;
        w.setContext(&f.context);
        w.setText2(QStringLiteral("hello"));
        QCOMPARE(w.text2Label()->text(), QString());
        // The preview shows it anyway.
        w.setIdentifyEnabled(true);
        w.setText2(QStringLiteral("This is preview!"));
        QCOMPARE(w.text2Label()->text(), QStringLiteral("This is preview!"));

        // Without a record the value is missing and counts as false.
        SubtitleWidget unbound;
        unbound.setText2(QStringLiteral("shown"));
        QCOMPARE(unbound.text2Label()->text(), QStringLiteral("shown"));
    }
};

QTEST_MAIN(TestSubtitle)
#include "tst_subtitle.moc"
