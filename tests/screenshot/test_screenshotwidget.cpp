#include "qui/Toast.h"
#include "screenshot/ScreenShotButtons.h"
#include "screenshot/ScreenShotWidget.h"
#include "util/AppHelper.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

// The injected screen picture: every pixel encodes its own position, so a captured
// image tells exactly which part of the screen it came from.
static QImage positionPicture(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x & 0xff, y & 0xff, ((x >> 8) << 4) | (y >> 8)));
    return image;
}

static QPoint positionOf(QRgb pixel)
{
    return QPoint(qRed(pixel) | ((qBlue(pixel) >> 4) << 8), qGreen(pixel) | ((qBlue(pixel) & 0xf) << 8));
}

class TestScreenShotWidget : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dragSelectsRegion_data();
    void dragSelectsRegion();
    void highDensityPicture();
    void clickWithoutDragSelectsNothing();
    void drawsFrozenPictureDarkened();
    void cancelling_data();
    void cancelling();
    void translateButtonHandsRegionOn();
    void moveSelection();
    void copyPutsImageOnClipboard();
    void failedGrab();

private:
    void drag(QWidget *w, const QPoint &from, const QPoint &to);
    QVector<QRect> m_grabs;
    QSize m_pictureSize;
};

void TestScreenShotWidget::init()
{
    m_grabs.clear();
    m_pictureSize = QGuiApplication::primaryScreen()->geometry().size();
    AppHelper::setGrabber([this](WId window, int x, int y, int w, int h) {
        m_grabs << QRect(x, y, w, h);
        Q_UNUSED(window)
        return positionPicture(m_pictureSize);
    });
}

void TestScreenShotWidget::cleanup()
{
    AppHelper::setGrabber({});
}

void TestScreenShotWidget::drag(QWidget *w, const QPoint &from, const QPoint &to)
{
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, w->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, to);
}

void TestScreenShotWidget::dragSelectsRegion_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("down-right") << QPoint(100, 80) << QPoint(299, 229) << QRect(100, 80, 200, 150);
    QTest::newRow("up-left") << QPoint(299, 229) << QPoint(100, 80) << QRect(100, 80, 200, 150);
    QTest::newRow("past the edge") << QPoint(700, 500) << QPoint(5000, 5000)
                                   << QRect(QPoint(700, 500), QGuiApplication::primaryScreen()->geometry().bottomRight());
}

void TestScreenShotWidget::dragSelectsRegion()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QRect, expected);

    ScreenShotWidget picker;
    QVERIFY(picker.start());
    QCOMPARE(m_grabs, QVector<QRect>{QRect(0, 0, -1, -1)}); // the whole screen under the pointer
    QVERIFY(picker.isVisible());
    QCOMPARE(picker.geometry(), QGuiApplication::primaryScreen()->geometry());
    QVERIFY(!picker.buttons()->isVisible());

    drag(&picker, from, to);
    QCOMPARE(picker.selection(), expected);
    QVERIFY(picker.buttons()->isVisible());

    QSignalSpy captured(&picker, &ScreenShotWidget::regionCaptured);
    QTest::keyClick(&picker, Qt::Key_Return);
    QCOMPARE(captured.count(), 1);
    const QImage image = captured.first().at(0).value<QImage>();
    const QRect region = captured.first().at(1).toRect();
    QCOMPARE(region, expected.translated(QGuiApplication::primaryScreen()->geometry().topLeft()));
    QCOMPARE(image.size(), expected.size());
    QCOMPARE(positionOf(image.pixel(0, 0)), expected.topLeft());
    QCOMPARE(positionOf(image.pixel(image.width() - 1, image.height() - 1)), expected.bottomRight());
    QVERIFY(!picker.isVisible());
}

// A picture with twice the pixels of the screen's points (scaled display).
void TestScreenShotWidget::highDensityPicture()
{
    ScreenShotWidget picker;
    const QRect screen(0, 0, 400, 300);
    picker.startWith(positionPicture(QSize(800, 600)), screen);
    drag(&picker, QPoint(10, 20), QPoint(59, 69));
    QCOMPARE(picker.selection(), QRect(10, 20, 50, 50));
    QCOMPARE(picker.pictureRect(picker.selection()), QRect(20, 40, 100, 100));
    const QImage image = picker.selectedImage();
    QCOMPARE(image.size(), QSize(100, 100));
    QCOMPARE(positionOf(image.pixel(0, 0)), QPoint(20, 40));
    QCOMPARE(positionOf(image.pixel(99, 99)), QPoint(119, 139));
    picker.hide();
}

void TestScreenShotWidget::clickWithoutDragSelectsNothing()
{
    ScreenShotWidget picker;
    QVERIFY(picker.start());
    QTest::mouseClick(&picker, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    QVERIFY(picker.selection().isEmpty());
    QVERIFY(!picker.buttons()->isVisible());
    QSignalSpy captured(&picker, &ScreenShotWidget::regionCaptured);
    QTest::keyClick(&picker, Qt::Key_Return);
    QCOMPARE(captured.count(), 0); // nothing to hand on; the picker stays
    QVERIFY(picker.isVisible());
    picker.hide();
}

// Without a compositor the picker must show the frozen screen itself, never black.
void TestScreenShotWidget::drawsFrozenPictureDarkened()
{
    ScreenShotWidget picker;
    const QRect screen(0, 0, 400, 300);
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(QColor(200, 220, 240));
    picker.startWith(picture, screen);
    drag(&picker, QPoint(100, 100), QPoint(199, 199));
    const QImage shown = picker.grab().toImage();
    // Inside the region: the picture as it is.
    QCOMPARE(shown.pixelColor(150, 150), QColor(200, 220, 240));
    // Outside: the picture darkened, not replaced.
    const QColor outside = shown.pixelColor(20, 250);
    QVERIFY(outside.red() < 200 && outside.red() > 40);
    QVERIFY(outside.blue() > outside.red());
    picker.hide();
}

void TestScreenShotWidget::cancelling_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("escape") << "escape";
    QTest::newRow("cancel button") << "button";
    QTest::newRow("right click twice") << "right";
}

void TestScreenShotWidget::cancelling()
{
    QFETCH(QString, how);
    ScreenShotWidget picker;
    QVERIFY(picker.start());
    drag(&picker, QPoint(10, 10), QPoint(100, 100));
    QSignalSpy canceled(&picker, &ScreenShotWidget::canceled);
    QSignalSpy captured(&picker, &ScreenShotWidget::regionCaptured);
    if (how == QLatin1String("escape")) {
        QTest::keyClick(&picker, Qt::Key_Escape);
    } else if (how == QLatin1String("button")) {
        picker.buttons()->findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
    } else {
        // The first right click drops the region, the second leaves.
        QTest::mouseClick(&picker, Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
        QVERIFY(picker.isVisible());
        QVERIFY(picker.selection().isEmpty());
        QTest::mouseClick(&picker, Qt::RightButton, Qt::NoModifier, QPoint(50, 50));
    }
    QCOMPARE(canceled.count(), 1);
    QCOMPARE(captured.count(), 0);
    QVERIFY(!picker.isVisible());
    QVERIFY(picker.selectedImage().isNull()); // the frozen picture is let go
}

void TestScreenShotWidget::translateButtonHandsRegionOn()
{
    ScreenShotWidget picker;
    QVERIFY(picker.start());
    drag(&picker, QPoint(30, 40), QPoint(129, 89));
    QSignalSpy translations(picker.buttons(), &ScreenShotButtons::snapshotTranslation);
    picker.buttons()->findChild<QPushButton *>(QStringLiteral("btnTranslate"))->click();
    QCOMPARE(translations.count(), 1);
    QCOMPARE(translations.first().at(0).value<QImage>().size(), QSize(100, 50));
    QCOMPARE(picker.buttons()->capturedRegion(), QRect(30, 40, 100, 50));

    // Recognising again uses the same region, also after the picker closed.
    QVERIFY(!picker.isVisible());
    picker.buttons()->retranslate();
    QCOMPARE(translations.count(), 2);
    QCOMPARE(translations.at(1).at(1).toRect(), QRect(30, 40, 100, 50));
    QCOMPARE(positionOf(translations.at(1).at(0).value<QImage>().pixel(0, 0)), QPoint(30, 40));

    // A double click inside the region is the same as translate.
    QVERIFY(picker.start());
    drag(&picker, QPoint(200, 200), QPoint(260, 240));
    QTest::mouseDClick(&picker, Qt::LeftButton, Qt::NoModifier, QPoint(220, 220));
    QCOMPARE(translations.count(), 3);
}

void TestScreenShotWidget::moveSelection()
{
    ScreenShotWidget picker;
    QVERIFY(picker.start());
    drag(&picker, QPoint(10, 10), QPoint(59, 39));
    drag(&picker, QPoint(20, 20), QPoint(120, 70));
    QCOMPARE(picker.selection(), QRect(110, 60, 50, 30));
    // It stops at the screen's edge.
    drag(&picker, QPoint(130, 70), QPoint(-500, -500));
    QCOMPARE(picker.selection(), QRect(0, 0, 50, 30));
    picker.hide();
}

void TestScreenShotWidget::copyPutsImageOnClipboard()
{
    ScreenShotWidget picker;
    QVERIFY(picker.start());
    drag(&picker, QPoint(5, 6), QPoint(24, 25));
    picker.buttons()->findChild<QPushButton *>(QStringLiteral("btnCopy"))->click();
    const QImage copied = QApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(20, 20));
    QCOMPARE(positionOf(copied.pixel(0, 0)), QPoint(5, 6));
    QVERIFY(!picker.isVisible());
}

void TestScreenShotWidget::failedGrab()
{
    AppHelper::setGrabber([](WId, int, int, int, int) { return QImage(); });
    ScreenShotWidget picker;
    QVERIFY(!picker.start());
    QVERIFY(!picker.isVisible());
    QVERIFY(Toast::instance().isShowing());
}

QTEST_MAIN(TestScreenShotWidget)
#include "test_screenshotwidget.moc"
