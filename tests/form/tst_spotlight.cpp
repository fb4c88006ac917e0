#include "EffectsFixture.h"
#include "form/floating/FullScreenWidget.h"
#include "form/floating/Magnifier.h"
#include "form/floating/SpotlightFrame.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

namespace {
// The documented rule, pixel by pixel over the whole picture.
QImage referenceFrame(const QSize &size, const QPoint &c, int r)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 0, 150));
    for (int row = 0; row < size.height(); ++row)
        for (int col = 0; col < size.width(); ++col) {
            const qint64 dx = col - c.x(), dy = row - c.y();
            if (-r < dx && dx < r && -r < dy && dy < r && dx * dx + dy * dy < qint64(r) * r)
                image.setPixel(col, row, qRgba(254, 254, 254, 0));
        }
    return image;
}

bool isClear(const QImage &image, int x, int y)
{
    return image.pixel(x, y) == qRgba(254, 254, 254, 0);
}

bool isDark(const QImage &image, int x, int y)
{
    return image.pixel(x, y) == qRgba(0, 0, 0, 150);
}
} // namespace

class TestSpotlight : public QObject
{
    Q_OBJECT
private slots:
    void pixelsFollowTheRule_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("clear");
        QTest::newRow("centre") << 500 << 400 << true;
        QTest::newRow("149 right") << 649 << 400 << true;
        QTest::newRow("106,106 inside") << 606 << 506 << true;
        QTest::newRow("150 right") << 650 << 400 << false;
        QTest::newRow("107,107 outside") << 607 << 507 << false;
        QTest::newRow("149 left") << 351 << 400 << true;
        QTest::newRow("150 up") << 500 << 250 << false;
        QTest::newRow("far corner") << 1919 << 1079 << false;
    }

    void pixelsFollowTheRule()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, clear);
        EffectsFixture f;
        FullScreenWidget w;
        w.setContext(&f.context);
        w.startFunction(FullScreenWidget::Spotlight);
        QVERIFY(w.spotlightReady());
        const QImage *image = w.spotlightImage();
        QVERIFY(image);
        QCOMPARE(image->size(), QSize(1920, 1080));
        QCOMPARE(image->format(), QImage::Format_ARGB32);
        QVERIFY(clear ? isClear(*image, x, y) : isDark(*image, x, y));
    }

    // Moves, radius changes, circles cut by the picture's edges: the incremental frame must
    // equal the full scan every time.
    void frameEqualsTheFullScan()
    {
        const QSize size(640, 360);
        SpotlightFrame frame;
        QVERIFY(frame.reset(size));
        struct Step {
            QPoint c;
            int r;
        };
        QVector<Step> steps{{{320, 180}, 150}, {{321, 180}, 150}, {{0, 0}, 40},   {{639, 359}, 400},
                            {{-30, 100}, 50},  {{700, 500}, 200}, {{100, 100}, 0}, {{100, 100}, 1},
                            {{200, 50}, 2},    {{-5000, 9}, 3}};
        QRandomGenerator rng(42);
        for (int i = 0; i < 20; ++i)
            steps.append({QPoint(rng.bounded(-100, 740), rng.bounded(-100, 460)), rng.bounded(0, 300)});
        QRect previous;
        for (const Step &s : steps) {
            const SpotlightFrame::Change change = frame.moveSpot(s.c, s.r);
            QCOMPARE(change.restored, previous);
            QCOMPARE(frame.image(), referenceFrame(size, s.c, s.r));
            previous = frame.spotRect();
        }
    }

    void repaintCoversOnlyBothSpots()
    {
        EffectsFixture f;
        FullScreenWidget w;
        w.setContext(&f.context);
        w.startFunction(FullScreenWidget::Spotlight);
        PointerScreen::setPointer(QPoint(900, 600));
        QTRY_VERIFY(w.lastRepaint().boundingRect() != w.rect());
        const QRegion expected = QRegion(QRect(QPoint(351, 251), QPoint(649, 549)))
                                     .united(QRect(QPoint(751, 451), QPoint(1049, 749)));
        QCOMPARE(w.lastRepaint(), expected);
        QVERIFY(isClear(*w.spotlightImage(), 900, 600));
        QVERIFY(isDark(*w.spotlightImage(), 500, 400));
    }

    void restartWithoutMovingDrawsAFreshFrame()
    {
        EffectsFixture f;
        FullScreenWidget w;
        w.setContext(&f.context);
        w.startFunction(FullScreenWidget::Spotlight);
        w.stopFunction();
        QCOMPARE(w.functionMode(), int(FullScreenWidget::NoEffect));
        QVERIFY(!w.spotlightImage());
        QVERIFY(!w.spotlightReady());
        QVERIFY(!w.isTicking());
        w.startFunction(FullScreenWidget::Spotlight);
        QVERIFY(w.spotlightReady());
        QVERIFY(w.spotlightImage());
        QVERIFY(isClear(*w.spotlightImage(), 500, 400));
        QVERIFY(isDark(*w.spotlightImage(), 650, 400));
        w.grab(); // paints the new frame, never a freed one
    }

    void gearSteps_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("log");
        QTest::newRow("spot up") << 0 << "mKey_spotLightRadius" << "150" << true << "250" << "完成聚光灯的设置...: ";
        QTest::newRow("spot down") << 0 << "mKey_spotLightRadius" << "250" << false << "150" << "完成聚光灯的设置...: ";
        QTest::newRow("spot top") << 0 << "mKey_spotLightRadius" << "400" << true << "400" << "";
        QTest::newRow("spot bottom") << 0 << "mKey_spotLightRadius" << "150" << false << "150" << "";
        QTest::newRow("lens up") << 1 << "mKey_magnifierSize" << "300*200" << true << "400*266" << "完成放大镜的设置...: ";
        QTest::newRow("lens down") << 1 << "mKey_magnifierSize" << "600*400" << false << "400*266" << "完成放大镜的设置...: ";
        QTest::newRow("lens top") << 1 << "mKey_magnifierSize" << "600*400" << true << "600*400" << "";
        QTest::newRow("dot up") << 2 << "mKey_cursorRadius" << "50" << true << "100" << "完成电子光标的设置...: ";
        QTest::newRow("dot down") << 2 << "mKey_cursorRadius" << "50" << false << "25" << "完成电子光标的设置...: ";
        QTest::newRow("dot bottom") << 2 << "mKey_cursorRadius" << "25" << false << "25" << "";
        QTest::newRow("dot off-gear up") << 2 << "mKey_cursorRadius" << "30" << true << "25" << "完成电子光标的设置...: ";
        QTest::newRow("lens off-gear down") << 1 << "mKey_magnifierSize" << "500*300" << false << "500*300" << "";
        QTest::newRow("spot off-gear up") << 0 << "mKey_spotLightRadius" << "200" << true << "150" << "完成聚光灯的设置...: ";
    }

    void gearSteps()
    {
        QFETCH(int, mode);
        QFETCH(QString, field);
        QFETCH(QString, before);
        QFETCH(bool, up);
        QFETCH(QString, after);
        QFETCH(QString, log);
        EffectsFixture f;
        QVERIFY(f.setting.setValue(field, before));
        FullScreenWidget w;
        w.setContext(&f.context);
        w.startFunction(mode);
        const int notified = f.notifications;
        LogCapture capture;
        up ? w.gearUp() : w.gearDown();
        QCOMPARE(f.setting.text(field), after);
        // Written through the notifying setter, which is what saves the settings file.
        QCOMPARE(f.notifications - notified, after == before ? 0 : 1);
        if (!log.isEmpty())
            QCOMPARE(capture.lines({log, after}).size(), 1);
        else
            QVERIFY(capture.lines({"完成", "...: "}).isEmpty());
        const bool offGear = !FullScreenWidget::gears(mode).contains(before);
        QCOMPARE(capture.lines({"调节档位时没有找到对应的档位: ", before}).size(), offGear ? 1 : 0);
    }

    void gearStepRedrawsWithoutMoving()
    {
        EffectsFixture f;
        FullScreenWidget w;
        w.setContext(&f.context);
        w.startFunction(FullScreenWidget::Spotlight);
        QVERIFY(isDark(*w.spotlightImage(), 700, 400));
        w.gearUp(); // 250
        QVERIFY(isClear(*w.spotlightImage(), 700, 400));
        QVERIFY(isDark(*w.spotlightImage(), 750, 400));

        w.startFunction(FullScreenWidget::DigitalLight);
        QCOMPARE(w.magnifier()->size(), QSize(50, 50));
        w.gearUp();
        QCOMPARE(w.magnifier()->size(), QSize(100, 100));
        QCOMPARE(w.magnifier()->pos(), QPoint(450, 350));
    }

    void settingsChangeRedrawsOnTheNextTick()
    {
        EffectsFixture f;
        FullScreenWidget w;
        w.setContext(&f.context);
        w.startFunction(FullScreenWidget::Spotlight);
        QVERIFY(f.setting.setValue("mKey_spotLightRadius", 400));
        QTRY_VERIFY(isClear(*w.spotlightImage(), 850, 400));

        w.startFunction(FullScreenWidget::Lens);
        QCOMPARE(w.magnifier()->size(), QSize(600, 400));
        QVERIFY(f.setting.setValue("mKey_magnifierSize", "300*200"));
        QTRY_COMPARE(w.magnifier()->size(), QSize(300, 200));
    }

    void volumeKeysWithoutEffectDoNothing()
    {
        EffectsFixture f;
        FullScreenWidget w;
        w.setContext(&f.context);
        QCOMPARE(w.functionMode(), int(FullScreenWidget::NoEffect));
        const int notified = f.notifications;
        w.gearUp();
        w.gearDown();
        QCOMPARE(f.notifications, notified);
        QVERIFY(!w.magnifier());
        QVERIFY(!w.spotlightImage());
        QVERIFY(FullScreenWidget::gears(FullScreenWidget::NoEffect).isEmpty());
    }

    void effectSwitchReplacesTheMode()
    {
        EffectsFixture f;
        FullScreenWidget w;
        w.setContext(&f.context);
        LogCapture capture;
        w.startFunction(FullScreenWidget::Spotlight);
        w.startFunction(FullScreenWidget::Lens);
        QCOMPARE(w.functionMode(), int(FullScreenWidget::Lens));
        QVERIFY(!w.spotlightReady());
        QVERIFY(w.magnifier()->isVisible());
        QCOMPARE(w.magnifier()->shape(), int(Magnifier::Lens));
        QCOMPARE(capture.lines({"启动功能: ", "聚光灯"}).size(), 1);
        QCOMPARE(capture.lines({"启动功能: ", "放大镜"}).size(), 1);
        QCOMPARE(capture.lines({"mKey_magnifierSize:", ", sizeFactor:"}).size(), 1);

        w.startFunction(FullScreenWidget::DigitalLight);
        QCOMPARE(w.functionMode(), int(FullScreenWidget::DigitalLight));
        QCOMPARE(w.magnifier()->shape(), int(Magnifier::Dot));
        QCOMPARE(capture.lines({"color:", "#FF0000"}).size(), 1);

        // The dot goes at once; the spotlight's grab waits for the screen to repaint.
        w.startFunction(FullScreenWidget::Spotlight);
        QVERIFY(!w.magnifier()->isVisible());
        QVERIFY(w.isWaitingForRepaint());
        QTRY_VERIFY(w.spotlightReady());
        QCOMPARE(w.windowTitle(), QStringLiteral("聚光灯"));
    }

    void secondScreenRebuildsAtItsOrigin_data()
    {
        QTest::addColumn<QRect>("second");
        QTest::newRow("left of the primary") << QRect(-1280, 0, 1280, 1024);
        QTest::newRow("below the primary") << QRect(0, 1080, 2560, 1440);
        QTest::newRow("right, lower") << QRect(1920, 300, 800, 600);
    }

    void secondScreenRebuildsAtItsOrigin()
    {
        QFETCH(QRect, second);
        EffectsFixture f;
        EffectsFixture::useScreens({QRect(0, 0, 1920, 1080), second}, QPoint(500, 400));
        FullScreenWidget w;
        w.setContext(&f.context);
        w.startFunction(FullScreenWidget::Spotlight);
        QCOMPARE(w.pos(), QPoint(0, 0));
        const QPoint p = second.topLeft() + QPoint(200, 250);
        PointerScreen::setPointer(p);
        QTRY_COMPARE(w.spotlightImage()->size(), second.size());
        QCOMPARE(w.geometry(), second);
        QVERIFY(isClear(*w.spotlightImage(), 200, 250));
        QVERIFY(isDark(*w.spotlightImage(), 200 + 150, 250));

        // The lens grabs the new screen and covers it too.
        w.startFunction(FullScreenWidget::Lens);
        QVERIFY(w.magnifierImage());
        QCOMPARE(w.magnifierImage()->size(), second.size());
        QCOMPARE(w.geometry(), second);
        QCOMPARE(w.magnifier()->screenRect(), second);
        QCOMPARE(w.magnifier()->pos(), p - QPoint(300, 200));
    }

    void magnifierGrabsOncePerScreenAndAgainAfterAStop()
    {
        EffectsFixture f;
        FullScreenWidget w;
        w.setContext(&f.context);
        w.startFunction(FullScreenWidget::Lens);
        QCOMPARE(f.grabs, 1);
        PointerScreen::setPointer(QPoint(800, 500));
        QTRY_COMPARE(w.magnifier()->pos(), QPoint(500, 300));
        QCOMPARE(f.grabs, 1);
        w.stopFunction();
        QVERIFY(!w.magnifierImage());
        QVERIFY(!w.magnifier()->isVisible());
        w.startFunction(FullScreenWidget::Lens);
        QTRY_COMPARE(f.grabs, 2);
        QVERIFY(w.magnifierImage());
    }

    void lensSizeIsClampedToTheScreen()
    {
        EffectsFixture f;
        EffectsFixture::useScreens({QRect(0, 0, 800, 600)}, QPoint(400, 300));
        QVERIFY(f.setting.setValue("mKey_magnifierSize", "5000*4000"));
        QVERIFY(f.setting.setValue("mKey_magnifierRatio", 0.0));
        FullScreenWidget w;
        w.setContext(&f.context);
        w.startFunction(FullScreenWidget::Lens);
        QCOMPARE(w.magnifier()->size(), QSize(800, 600));
        QCOMPARE(w.magnifier()->zoom(), 1.0);
        QCOMPARE(w.magnifier()->sourceSize(), QSize(800, 600));
    }

    void dotWindowSurroundsThePointer()
    {
        EffectsFixture f;
        FullScreenWidget w;
        w.setContext(&f.context);
        w.startFunction(FullScreenWidget::DigitalLight);
        Magnifier *dot = w.magnifier();
        QCOMPARE(dot->size(), QSize(50, 50));
        QCOMPARE(dot->pos(), QPoint(475, 375));
        QCOMPARE(dot->color(), QColor("#FF0000"));
        QCOMPARE(w.windowTitle(), QStringLiteral("光标"));
        // Without a compositor the dot is cut out by a window mask.
        QVERIFY(dot->mask().contains(QPoint(25, 25)));
        QVERIFY(!dot->mask().contains(QPoint(1, 1)));
        PointerScreen::setPointer(QPoint(10, 20));
        QTRY_COMPARE(dot->pos(), QPoint(-15, -5));
    }

    void tickIsConnectedOnce()
    {
        EffectsFixture f;
        FullScreenWidget w;
        w.setContext(&f.context);
        for (int i = 0; i < 3; ++i) {
            w.startFunction(FullScreenWidget::DigitalLight);
            w.stopFunction();
        }
        w.startFunction(FullScreenWidget::DigitalLight);
        QSignalSpy timeouts(w.tickTimer(), &QTimer::timeout);
        const int before = w.tickCount();
        QTRY_VERIFY(timeouts.count() >= 3);
        QCOMPARE(w.tickCount() - before, timeouts.count());
    }

    void withoutCompositorTheSpotlightShowsTheFrozenScreen()
    {
        EffectsFixture f;
        EffectsFixture::useScreens({QRect(0, 0, 640, 480)}, QPoint(320, 240));
        FullScreenWidget w;
        w.setContext(&f.context);
        w.startFunction(FullScreenWidget::Spotlight);
        w.show();
        QVERIFY(w.isVisible());
        QCOMPARE(w.frozenScreen().size(), QSize(640, 480));
        const QImage shot = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage screen = EffectsFixture::screenPicture(QSize(640, 480));
        // Inside the circle the screen itself, outside it darkened, nowhere plain black.
        QCOMPARE(shot.pixel(320, 240), screen.pixel(320, 240));
        const QColor outside = shot.pixelColor(600, 50);
        const QColor under = screen.pixelColor(600, 50);
        QVERIFY(outside.green() > 0 && outside.green() < under.green());
        QVERIFY(qAbs(outside.blue() - 77 * 105 / 255) <= 1);

        // A lens or dot needs no full-screen window without a compositor.
        w.startFunction(FullScreenWidget::DigitalLight);
        w.show();
        QVERIFY(!w.isVisible());
        w.startFunction(FullScreenWidget::Spotlight);
        w.show();
        QVERIFY(!w.isVisible()); // not before its picture of the screen is taken
        QTRY_VERIFY(w.isVisible());
    }
};

QTEST_MAIN(TestSpotlight)
#include "tst_spotlight.moc"
