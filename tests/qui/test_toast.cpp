#include "qui/Toast.h"
#include "support/ToastRecorder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QtTest>

class TestToast : public QObject
{
    Q_OBJECT
private slots:
    void colours_data();
    void colours();
    void newMessageReplacesAndRestartsTime();
    void hidesAfterTime();
};

void TestToast::colours_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("information") << 0 << QColor(153, 153, 153, 200);
    QTest::newRow("warning") << 1 << QColor(254, 170, 51, 200);
    QTest::newRow("error") << 2 << QColor(255, 81, 81, 200);
    QTest::newRow("unknown is error") << 7 << QColor(255, 81, 81, 200);
}

void TestToast::colours()
{
    QFETCH(int, type);
    QFETCH(QColor, colour);
    QCOMPARE(Toast::background(type), colour);

    // The shown window carries that colour.
    Toast::instance().showMessage(type, QStringLiteral("colour"), 5000);
    QLabel *label = nullptr;
    const auto tops = QApplication::topLevelWidgets();
    for (QWidget *w : tops) {
        if (w->objectName() == QLatin1String("toast"))
            label = w->findChild<QLabel *>();
    }
    QVERIFY(label);
    const QString rgba = QStringLiteral("rgba(%1,%2,%3,%4)").arg(colour.red()).arg(colour.green()).arg(colour.blue()).arg(colour.alpha());
    QVERIFY2(label->styleSheet().contains(rgba), qPrintable(label->styleSheet()));
}

void TestToast::newMessageReplacesAndRestartsTime()
{
    ToastRecorder recorder;
    Toast &toast = Toast::instance();
    toast.showMessage(0, QStringLiteral("first"), 400);
    QVERIFY(toast.isShowing());
    QTest::qWait(250);
    toast.showMessage(2, QStringLiteral("second"), 400);
    QCOMPARE(toast.currentText(), QStringLiteral("second"));

    // One window only: the second message took the first one's place.
    int windows = 0;
    const auto tops = QApplication::topLevelWidgets();
    for (QWidget *w : tops)
        windows += w->objectName() == QLatin1String("toast") && w->isVisible();
    QCOMPARE(windows, 1);

    // The first message's time would end at 400 ms; the restart keeps the tip up past it.
    QTest::qWait(250);
    QVERIFY(toast.isShowing());
    QCOMPARE(toast.currentText(), QStringLiteral("second"));
    QTRY_VERIFY_WITH_TIMEOUT(!toast.isShowing(), 2000);
    QCOMPARE(recorder.texts(), (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
}

void TestToast::hidesAfterTime()
{
    Toast &toast = Toast::instance();
    QElapsedTimer clock;
    clock.start();
    toast.showMessage(1, QStringLiteral("short"), 150);
    QVERIFY(toast.isShowing());
    QTRY_VERIFY_WITH_TIMEOUT(!toast.isShowing(), 2000);
    QVERIFY(clock.elapsed() >= 140);
    QVERIFY(toast.currentText().isEmpty());
}

QTEST_MAIN(TestToast)
#include "test_toast.moc"
