#include "EffectsFixture.h"
#include "form/floating/Compositing.h"
#include "form/floating/Magnifier.h"

#include <QtTest>

class TestMagnifier : public QObject
{
    Q_OBJECT
private slots:
    void sourceSize_data()
    {
        QTest::addColumn<QSize>("lens");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QSize>("source");
        QTest::newRow("600x400 at 2") << QSize(600, 400) << 2.0 << QSize(300, 200);
        QTest::newRow("400x266 at 3") << QSize(400, 266) << 3.0 << QSize(133, 88);
        QTest::newRow("300x200 at 1") << QSize(300, 200) << 1.0 << QSize(300, 200);
        QTest::newRow("zoom 0 taken as 1") << QSize(300, 200) << 0.0 << QSize(300, 200);
        QTest::newRow("negative zoom taken as 1") << QSize(300, 200) << -2.0 << QSize(300, 200);
        QTest::newRow("oversize limited") << QSize(100000, 50) << 1.0 << QSize(Magnifier::MaxSide, 50);
        QTest::newRow("negative size") << QSize(-10, 40) << 2.0 << QSize(0, 20);
    }

    void sourceSize()
    {
        QFETCH(QSize, lens);
        QFETCH(double, zoom);
        QFETCH(QSize, source);
        Magnifier m;
        m.setZoom(zoom);
        m.setSize(lens.width(), lens.height());
        QCOMPARE(m.sourceSize(), source);
        QVERIFY(m.zoom() > 0.0);
    }

    void lensShowsTheCentredAreaEnlarged()
    {
        const QImage screen = EffectsFixture::screenPicture(QSize(1920, 1080));
        Magnifier m;
        m.setShape(Magnifier::Lens);
        m.setZoom(2.0);
        m.setSize(600, 400);
        m.fitSize(600, 400);
        m.setImage(QRect(0, 0, 1920, 1080), screen);
        m.moveTo(QPoint(1000, 500));
        QVERIFY(m.lensReady());
        QCOMPARE(m.sourceImage(), screen.copy(850, 400, 300, 200).convertToFormat(QImage::Format_RGB888));
        QCOMPARE(m.lensImage().size(), QSize(600, 400));
        QCOMPARE(m.size(), QSize(600, 400));
        QCOMPARE(m.pos(), QPoint(700, 300));
    }

    void offScreenPartIsAlmostBlack()
    {
        const QImage screen = EffectsFixture::screenPicture(QSize(800, 600));
        Magnifier m;
        m.setZoom(2.0);
        m.setSize(600, 400);
        m.setImage(QRect(0, 0, 800, 600), screen);
        m.moveTo(QPoint(0, 0));
        const QImage &source = m.sourceImage();
        QCOMPARE(source.size(), QSize(300, 200));
        QCOMPARE(source.pixel(0, 0) & 0xffffff, 2u);
        QCOMPARE(source.pixel(149, 99) & 0xffffff, 2u);
        QCOMPARE(source.pixel(150, 100), screen.pixel(0, 0));
        QCOMPARE(source.pixel(299, 199), screen.pixel(149, 99));
        QCOMPARE(m.pos(), QPoint(-300, -200)); // the window's corner lies off screen
    }

    void followsAScreenWithItsOwnOrigin()
    {
        const QImage screen = EffectsFixture::screenPicture(QSize(1280, 1024));
        Magnifier m;
        m.setZoom(1.0);
        m.setSize(200, 100);
        m.setImage(QRect(-1280, 0, 1280, 1024), screen);
        m.moveTo(QPoint(-1000, 300));
        QCOMPARE(m.sourceImage(), screen.copy(180, 250, 200, 100).convertToFormat(QImage::Format_RGB888));
        // Zoom 1: the source is shown as it is.
        QCOMPARE(m.lensImage(), m.sourceImage());
        QCOMPARE(m.pos(), QPoint(-1100, 250));
    }

    void secondMoveToTheSameSpotDoesNothing()
    {
        Magnifier m;
        m.setImage(QRect(0, 0, 800, 600), EffectsFixture::screenPicture(QSize(800, 600)));
        m.moveTo(QPoint(100, 100));
        const int built = m.buildCount();
        m.moveTo(QPoint(100, 100));
        QCOMPARE(m.buildCount(), built);
        // A new setting is shown at once, even without a move.
        m.setZoom(4.0);
        m.moveTo(QPoint(100, 100));
        QCOMPARE(m.buildCount(), built + 1);
        QCOMPARE(m.sourceImage().size(), QSize(100, 75));
    }

    void sizeLargerThanTheScreenIsClamped()
    {
        Magnifier m;
        m.setImage(QRect(0, 0, 800, 600), EffectsFixture::screenPicture(QSize(800, 600)));
        m.setSize(5000, 5000);
        m.fitSize(5000, 5000);
        QCOMPARE(m.lensSize(), QSize(800, 600));
        QCOMPARE(m.size(), QSize(800, 600));
    }

    void dotIsAFilledCircle()
    {
        Compositing::setOverride(true);
        Magnifier m;
        Compositing::setOverride(std::nullopt);
        m.setShape(Magnifier::Dot);
        m.setZoom(1.0);
        m.setRadius(25);
        m.setColor("#00FF00");
        m.fitSize(50, 50);
        m.moveTo(QPoint(300, 200));
        QCOMPARE(m.size(), QSize(50, 50));
        QCOMPARE(m.pos(), QPoint(275, 175));
        const QImage shot = m.grab().toImage();
        QCOMPARE(shot.pixelColor(25, 25), QColor(0, 255, 0));
        QCOMPARE(shot.pixelColor(1, 1).alpha(), 0);
        QVERIFY(m.mask().isEmpty()); // a compositor blends the corners itself

        m.setColor("not a colour");
        QCOMPARE(m.color(), QColor(0, 255, 0));
        m.setRadius(100000);
        QCOMPARE(m.radius(), int(Magnifier::MaxRadius));
    }
};

QTEST_MAIN(TestMagnifier)
#include "tst_magnifier.moc"
