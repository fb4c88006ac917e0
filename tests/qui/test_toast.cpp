#include "platform/IKeySender.h"
#include "qui/Toast.h"
#include "support/RealPointer.h"
#include "support/ToastRecorder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtTest>

namespace {
QWidget *toastWindow()
{
    const auto tops = QApplication::topLevelWidgets();
    for (QWidget *w : tops) {
        if (w->objectName() == QLatin1String("toast"))
            return w;
    }
    return nullptr;
}
} // namespace

class TestToast : public QObject
{
    Q_OBJECT
private slots:
    void colours_data();
    void colours();
    void newMessageReplacesAndRestartsTime();
    void hidesAfterTime();
    void aClickOnAToastLandsInTheTextBoxBeneathAndTheKeysFollow();
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

// A notice over a form hides nothing from the mouse: the text box under it takes the click
// and the keys typed next.
void TestToast::aClickOnAToastLandsInTheTextBoxBeneathAndTheKeysFollow()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("clicks and presses real keys on the X server: runs as test_toast_x11");
    QWidget form;
    auto *line = new QLineEdit(&form);
    auto *box = new QTextEdit(&form);
    auto *layout = new QVBoxLayout(&form);
    layout->addWidget(line);
    layout->addWidget(box);
    form.resize(800, 500);
    form.move(QGuiApplication::primaryScreen()->geometry().center() - form.rect().center());
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    line->setFocus();
    QTRY_VERIFY(line->hasFocus());

    Toast::instance().showMessage(1, QStringLiteral("请填写反馈的意见"), 5000);
    QWidget *tip = toastWindow();
    QVERIFY(tip);
    QVERIFY(QTest::qWaitForWindowExposed(tip));
    const QPoint onTheToast = tip->geometry().center();
    QVERIFY(box->rect().contains(box->mapFromGlobal(onTheToast)));
    QVERIFY(RealPointer::click(onTheToast));
    QTRY_VERIFY(box->hasFocus());
    QVERIFY(Toast::instance().isShowing());

    const QVector<KeyRecord> keys = IKeySender::taps('O', 1) + IKeySender::taps('K', 1);
    QCOMPARE(IKeySender::instance()->send(keys), keys.size());
    QTRY_COMPARE(box->toPlainText(), QStringLiteral("ok"));
    QVERIFY(line->text().isEmpty());
}

QTEST_MAIN(TestToast)
#include "test_toast.moc"
