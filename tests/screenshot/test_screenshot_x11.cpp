// The region picker on a real X server without a compositor: it must grab the real screen
// and show it, and hand on the pixels of what was on screen.
#include "screenshot/ScreenShotWidget.h"
#include "util/AppHelper.h"

#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

class TestScreenShotX11 : public QObject
{
    Q_OBJECT
private slots:
    void capturesWhatIsOnScreen();
};

void TestScreenShotX11::capturesWhatIsOnScreen()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs the X server");
    QWidget marker(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    marker.setAutoFillBackground(true);
    QPalette palette = marker.palette();
    palette.setColor(QPalette::Window, QColor(10, 200, 30));
    marker.setPalette(palette);
    // Far from the top-left corner, where the windows of other tests on the same
    // server appear.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint at = screen.bottomRight() - QPoint(260, 200);
    marker.setGeometry(QRect(at, QSize(120, 90)));
    marker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&marker));
    marker.raise();
    QTest::qWait(200);
    QCursor::setPos(at + QPoint(50, 40));

    ScreenShotWidget picker;
    QVERIFY(picker.start());
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    const QPoint origin = picker.mapFromGlobal(at + QPoint(10, 10));
    QTest::mousePress(&picker, Qt::LeftButton, Qt::NoModifier, origin);
    QMouseEvent move(QEvent::MouseMove, origin + QPoint(79, 59), picker.mapToGlobal(origin + QPoint(79, 59)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&picker, &move);
    QTest::mouseRelease(&picker, Qt::LeftButton, Qt::NoModifier, origin + QPoint(79, 59));

    // The picker shows the frozen screen: the marker is drawn inside the clear region.
    const QImage shown = picker.grab().toImage();
    QCOMPARE(shown.pixelColor(origin + QPoint(40, 30)), QColor(10, 200, 30));

    QSignalSpy captured(&picker, &ScreenShotWidget::regionCaptured);
    QTest::keyClick(&picker, Qt::Key_Return);
    QCOMPARE(captured.count(), 1);
    const QImage image = captured.first().at(0).value<QImage>();
    const qreal ratio = picker.devicePixelRatioF();
    QCOMPARE(image.size(), QSize(qRound(80 * ratio), qRound(60 * ratio)));
    QCOMPARE(image.pixelColor(0, 0), QColor(10, 200, 30));
    QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), QColor(10, 200, 30));
    QCOMPARE(captured.first().at(1).toRect(), QRect(at + QPoint(10, 10), QSize(80, 60)));
}

QTEST_MAIN(TestScreenShotX11)
#include "test_screenshot_x11.moc"
