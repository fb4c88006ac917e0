#include "qui/AppWindowIcon.h"
#include "qui/DeferredIconEngine.h"

#include <QApplication>
#include <QDialog>

#include <QtTest>

// An icon read late must draw exactly what the same icon read at once draws.
class TestDeferredIconEngine : public QObject
{
    Q_OBJECT

private slots:
    void drawsWhatTheFileHolds_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QSize>("size");
        QTest::newRow("tray icon, several images") << QStringLiteral(":/logo/logo.ico") << QSize(22, 22);
        QTest::newRow("tray icon, large") << QStringLiteral(":/logo/logo.ico") << QSize(64, 64);
        QTest::newRow("program icon, drawing") << QStringLiteral(":/image/logo.svg") << QSize(48, 48);
    }

    void drawsWhatTheFileHolds()
    {
        QFETCH(QString, fileName);
        QFETCH(QSize, size);
        const QIcon direct(fileName);
        const QIcon deferred = DeferredIconEngine::icon(fileName);
        QVERIFY(!deferred.isNull());
        QCOMPARE(deferred.availableSizes(), direct.availableSizes());
        QCOMPARE(deferred.actualSize(size), direct.actualSize(size));
        const QImage expected = direct.pixmap(size).toImage();
        QVERIFY(!expected.isNull());
        QCOMPARE(deferred.pixmap(size).toImage(), expected);
        // A copy (a widget's window icon is one) draws the same.
        const QIcon copy = deferred;
        QCOMPARE(copy.pixmap(size).toImage(), expected);
    }

    void aMissingFileIsNoIcon()
    {
        const QIcon missing = DeferredIconEngine::icon(QStringLiteral(":/logo/no-such-icon.ico"));
        QVERIFY(missing.isNull());
        QVERIFY(missing.pixmap(QSize(16, 16)).isNull());
    }

    // The program's icon waits for the first window the window manager decorates: the tray
    // icon's own window and pop-ups do not set it.
    void theWindowIconWaitsForARealWindow()
    {
        AppWindowIcon::setWhenFirstShown(DeferredIconEngine::icon(QStringLiteral(":/logo/logo.ico")));
        AppWindowIcon::setWhenFirstShown(DeferredIconEngine::icon(QStringLiteral(":/image/logo.svg")));
        QWidget trayLike(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
        trayLike.show();
        QWidget popup(nullptr, Qt::Popup);
        popup.show();
        QVERIFY(QApplication::windowIcon().isNull());
        QDialog dialog;
        dialog.show();
        QVERIFY(!QApplication::windowIcon().isNull());
        // The later call's icon is the one set.
        QCOMPARE(QApplication::windowIcon().pixmap(QSize(32, 32)).toImage(),
                 QIcon(QStringLiteral(":/image/logo.svg")).pixmap(QSize(32, 32)).toImage());
        QCOMPARE(dialog.windowIcon().pixmap(QSize(32, 32)).toImage(),
                 QApplication::windowIcon().pixmap(QSize(32, 32)).toImage());
    }
};

QTEST_MAIN(TestDeferredIconEngine)
#include "test_deferrediconengine.moc"
