// The floating windows on a real X server (Xvfb: no compositing manager). Saves a picture of
// each effect to build/ui-tour/effects/.
#include "config/PointerSetting.h"
#include "device/DeviceContext.h"
#include "form/floating/Compositing.h"
#include "form/floating/FullScreenWidget.h"
#include "form/floating/Magnifier.h"
#include "form/floating/SubtitleWidget.h"

#include "form/dialog/RecordVolumeDialog.h"
#include "util/Clock.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QtTest>

namespace {
// A bright, busy "slide" under the effects, so that the pictures show what they do.
class Slide : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient g(0, 0, width(), height());
        g.setColorAt(0, QColor(250, 240, 200));
        g.setColorAt(1, QColor(120, 200, 250));
        p.fillRect(rect(), g);
        p.setPen(QPen(QColor(40, 60, 120), 3));
        for (int x = 0; x < width(); x += 80)
            p.drawLine(x, 0, x, height());
        for (int y = 0; y < height(); y += 80)
            p.drawLine(0, y, width(), y);
        QFont f = p.font();
        f.setPixelSize(64);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(160, 30, 30));
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Quarterly results 2026\nVellobox presenter"));
    }
};

QString tourDir()
{
    const QString dir = QStringLiteral(VB_UI_TOUR_DIR) + QStringLiteral("/effects");
    QDir().mkpath(dir);
    return dir;
}

QImage screenShot()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

void settle()
{
    for (int i = 0; i < 6; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(50);
    }
}
} // namespace

class TestEffectsX11 : public QObject
{
    Q_OBJECT
private:
    Slide *m_slide = nullptr;
    QImage m_slidePicture;
    PointerSetting m_setting;
    DeviceContext m_context;

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs the X server");
        m_context.setting = &m_setting;
        m_slide = new Slide;
        m_slide->setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        m_slide->setGeometry(QGuiApplication::primaryScreen()->geometry());
        m_slide->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_slide));
        settle();
        m_slidePicture = screenShot();
        QCursor::setPos(700, 450);
        settle();
    }

    void cleanupTestCase()
    {
        m_context.setting = nullptr;
        delete m_slide;
    }

    void spotlight()
    {
        QVERIFY(!Compositing::isActive()); // Xvfb draws no translucency
        FullScreenWidget w;
        w.setContext(&m_context);
        w.hide();
        w.startFunction(FullScreenWidget::Spotlight);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        settle();
        const QImage shot = screenShot();
        QVERIFY(shot.save(tourDir() + "/spotlight.png"));
        // The circle shows the slide as it was, the rest is darkened but never black.
        QCOMPARE(shot.pixel(700, 450), m_slidePicture.pixel(700, 450));
        QCOMPARE(shot.pixel(840, 450), m_slidePicture.pixel(840, 450));
        const QColor out = shot.pixelColor(1500, 900);
        const QColor under = m_slidePicture.pixelColor(1500, 900);
        QVERIFY(out.blue() > 20 && out.blue() < under.blue());
        QVERIFY(qAbs(out.blue() - under.blue() * 105 / 255) <= 2);

        // Follows the pointer.
        QCursor::setPos(300, 300);
        settle();
        const QImage moved = screenShot();
        QCOMPARE(moved.pixel(300, 300), m_slidePicture.pixel(300, 300));
        QVERIFY(moved.pixel(700, 450) != m_slidePicture.pixel(700, 450));
        w.stopFunction();
        w.hide();
        QCursor::setPos(700, 450);
        settle();
    }

    void magnifier()
    {
        FullScreenWidget w;
        w.setContext(&m_context);
        w.hide();
        w.startFunction(FullScreenWidget::Lens);
        w.show();
        Magnifier *lens = w.magnifier();
        QVERIFY(QTest::qWaitForWindowExposed(lens));
        settle();
        const QImage shot = screenShot();
        QVERIFY(shot.save(tourDir() + "/magnifier.png"));
        QCOMPARE(lens->geometry(), QRect(400, 250, 600, 400));
        // Enlarged twice: the slide's pixel (750, 450) appears 100 px right of the pointer.
        const QColor got = shot.pixelColor(800, 450);
        const QColor want = m_slidePicture.pixelColor(750, 450);
        QVERIFY2(qAbs(got.red() - want.red()) < 24 && qAbs(got.blue() - want.blue()) < 24,
                 qPrintable(got.name() + " " + want.name()));
        // Outside the lens the slide is untouched: no black overlay without a compositor.
        QCOMPARE(shot.pixel(100, 100), m_slidePicture.pixel(100, 100));
        QVERIFY(!w.isVisible());
        w.stopFunction();
        w.hide();
        settle();
    }

    void digitalLight()
    {
        FullScreenWidget w;
        w.setContext(&m_context);
        w.hide();
        w.startFunction(FullScreenWidget::DigitalLight);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(w.magnifier()));
        settle();
        const QImage shot = screenShot();
        QVERIFY(shot.save(tourDir() + "/digital-light.png"));
        QCOMPARE(shot.pixelColor(700, 450), QColor(255, 0, 0));
        QCOMPARE(shot.pixelColor(720, 450), QColor(255, 0, 0));
        // The dot's corners are cut away by the mask: the slide shows there.
        QCOMPARE(shot.pixel(677, 427), m_slidePicture.pixel(677, 427));
        QCOMPARE(shot.pixel(760, 450), m_slidePicture.pixel(760, 450));
        w.stopFunction();
        w.hide();
        settle();
    }

    void subtitleStrip()
    {
        SubtitleWidget w;
        w.setContext(&m_context);
        w.setText1(QStringLiteral("今天我们来看一下第三季度的销售数据"));
        w.setText2(QStringLiteral("Today we look at the sales figures of the third quarter"));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        settle();
        const QImage shot = screenShot();
        QVERIFY(shot.save(tourDir() + "/subtitle.png"));
        const QRect a = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(w.geometry(), QRect(a.left() + 40, a.bottom() + 1 - 200, a.width() - 80, 200));
        QCOMPARE(shot.pixelColor(w.x() + 5, w.y() + 190), QColor(0, 0, 0)); // opaque strip
        bool green = false;
        for (int x = w.x(); x < w.x() + 600 && !green; ++x)
            for (int y = w.y(); y < w.y() + 100 && !green; ++y)
                green = shot.pixelColor(x, y).green() > 200 && shot.pixelColor(x, y).red() < 80;
        QVERIFY(green);
    }

    void recordVolume()
    {
        RecordVolumeDialog d;
        const QRect a = QGuiApplication::primaryScreen()->availableGeometry();
        d.move(a.left() + a.width() - d.width(), a.bottom() + 1 - d.height());
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        Clock::setOverride([now] { return now; });
        d.showProgress(QDateTime::fromMSecsSinceEpoch(now - 3700 * 1000).toString("yyyy-MM-dd hh:mm:ss"), 62);
        Clock::setOverride({});
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        settle();
        const QImage shot = screenShot();
        QVERIFY(shot.save(tourDir() + "/record-volume.png"));
        QVERIFY(shot.copy(d.geometry()).save(tourDir() + "/record-volume-window.png"));
        // The background picture, not the slide, lies behind the time.
        QVERIFY(shot.pixel(d.x() + 200, d.y() + 10) != m_slidePicture.pixel(d.x() + 200, d.y() + 10));
    }

    void digitalLightDotHasNoDarkRim()
    {
        FullScreenWidget w;
        w.setContext(&m_context);
        w.startFunction(FullScreenWidget::DigitalLight);
        QVERIFY(QTest::qWaitForWindowExposed(w.magnifier()));
        settle();
        const QImage shot = screenShot();
        const QRect dot = w.magnifier()->geometry();
        QVERIFY(dot.width() >= 40);
        // Every pixel of the dot's square is the dot's colour or the slide: none is dark.
        int red = 0;
        int other = 0;
        for (int y = dot.top(); y <= dot.bottom(); ++y) {
            for (int x = dot.left(); x <= dot.right(); ++x) {
                if (shot.pixelColor(x, y) == QColor(255, 0, 0))
                    ++red;
                else if (shot.pixel(x, y) != m_slidePicture.pixel(x, y))
                    ++other;
            }
        }
        QCOMPARE(other, 0);
        QVERIFY(red > dot.width() * dot.height() * 3 / 4 - dot.width()); // about pi/4 of the square
        w.stopFunction();
        settle();
    }

    // Counts the pure red pixels of the dot in a rectangle of a picture.
    static int redPixels(const QImage &image, const QRect &area)
    {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += image.pixelColor(x, y) == QColor(255, 0, 0) ? 1 : 0;
        return n;
    }

    void switchingEffectsNeverFreezesThePreviousOne()
    {
        FullScreenWidget w;
        w.setContext(&m_context);
        w.startFunction(FullScreenWidget::DigitalLight);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(w.magnifier()));
        settle();
        QVERIFY(redPixels(screenShot(), QRect(650, 400, 100, 100)) > 1000);

        // Dot straight to lens: the lens shows the slide, not the dot.
        w.startFunction(FullScreenWidget::Lens);
        w.show();
        QTRY_VERIFY(w.magnifier()->isVisible());
        settle();
        const QImage lens = screenShot();
        QVERIFY(lens.save(tourDir() + "/switch-dot-to-lens.png"));
        QCOMPARE(redPixels(lens, w.magnifier()->geometry()), 0);

        // Lens straight to spotlight: the clear circle shows the slide, not the lens.
        w.startFunction(FullScreenWidget::Spotlight);
        w.show();
        QTRY_VERIFY(w.isVisible());
        QTRY_VERIFY(w.spotlightReady());
        settle();
        const QImage spot = screenShot();
        QVERIFY(spot.save(tourDir() + "/switch-lens-to-spotlight.png"));
        int differing = 0;
        for (int dx = -120; dx <= 120; dx += 10)
            for (int dy = -120; dy <= 120; dy += 10)
                if (dx * dx + dy * dy < 140 * 140)
                    differing += spot.pixel(700 + dx, 450 + dy) != m_slidePicture.pixel(700 + dx, 450 + dy) ? 1 : 0;
        QCOMPARE(differing, 0);
        w.stopFunction();
        w.hide();
        settle();
    }
};

QTEST_MAIN(TestEffectsX11)
#include "tst_effects_x11.moc"
