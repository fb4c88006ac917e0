#include "qui/AppInit.h"
#include "qui/IconHelper.h"
#include "qui/control/AnimationButton.h"
#include "qui/control/BarVolume.h"
#include "qui/control/CheckBoxItem.h"
#include "qui/control/ClickableLabel.h"
#include "qui/control/InfoLabel.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestControls : public QObject
{
    Q_OBJECT
private slots:
    void barVolumeClampsAndPaints_data();
    void barVolumeClampsAndPaints();
    void barVolumeGradient();
    void animationButtonBlinks();
    void checkBoxItemSignals();
    void dragFilter_data();
    void dragFilter();
    void iconFont();
    void infoLabelPaintsSign();
};

void TestControls::barVolumeClampsAndPaints_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("lit");
    QTest::newRow("horizontal 3 of 10") << true << 3 << 3;
    QTest::newRow("horizontal above range") << true << 99 << 10;
    QTest::newRow("horizontal below range") << true << -5 << 0;
    QTest::newRow("vertical 7 of 10") << false << 7 << 7;
}

// Counts lit bars by sampling each bar's centre in the painted widget.
void TestControls::barVolumeClampsAndPaints()
{
    QFETCH(bool, horizontal);
    QFETCH(int, value);
    QFETCH(int, lit);
    BarVolume bar;
    bar.setMode(horizontal);
    bar.setStep(10);
    bar.setSpace(2);
    bar.setPadding(2);
    bar.setRadius(0);
    bar.setBarColorStart(QColor("#0000BD"));
    bar.setBarColorMid(QColor("#0000CD"));
    bar.setBarColorEnd(QColor("#0000FF"));
    bar.setBarBackground(QColor(Qt::white));
    bar.resize(horizontal ? QSize(220, 30) : QSize(30, 220));
    bar.setValue(value);
    QCOMPARE(bar.value(), lit);

    const QImage image = bar.grab().toImage();
    int count = 0;
    const qreal length = 220 - 4;
    const qreal each = (length - 2 * 9) / 10;
    for (int i = 0; i < 10; ++i) {
        const int along = qRound(2 + i * (each + 2) + each / 2);
        const QPoint centre = horizontal ? QPoint(along, 15) : QPoint(15, 220 - along);
        const QColor c = image.pixelColor(centre);
        if (c.blue() > 150 && c.red() < 50) {
            ++count;
            QVERIFY2(i < lit, "bars light from the start");
        }
    }
    QCOMPARE(count, lit);
}

void TestControls::barVolumeGradient()
{
    BarVolume bar;
    bar.setStep(5);
    bar.setBarColorStart(Qt::red);
    bar.setBarColorMid(Qt::green);
    bar.setBarColorEnd(Qt::blue);
    QCOMPARE(bar.barColor(0), QColor(Qt::red));
    QCOMPARE(bar.barColor(2), QColor(Qt::green));
    QCOMPARE(bar.barColor(4), QColor(Qt::blue));
    bar.setValue(5);
    bar.setStep(3); // fewer bars keep the value in range
    QCOMPARE(bar.value(), 3);
    bar.setStep(0);
    QCOMPARE(bar.step(), 1);
}

void TestControls::animationButtonBlinks()
{
    AnimationButton button;
    QVERIFY(!button.isAnimating());
    button.stop(); // harmless before setup
    button.setupAnimation();
    button.start(30);
    QVERIFY(button.isAnimating());
    QTRY_VERIFY(button.opacity() < 1.0);
    QTRY_VERIFY(button.opacity() == 1.0);
    QTRY_VERIFY(button.opacity() < 1.0);
    button.stop();
    QVERIFY(!button.isAnimating());
    QCOMPARE(button.opacity(), 1.0);
    QTest::qWait(100);
    QCOMPARE(button.opacity(), 1.0);
}

void TestControls::checkBoxItemSignals()
{
    CheckBoxItem item;
    item.setText(QStringLiteral("语音打字"));
    item.setData(7);
    QCOMPARE(item.checkBox()->text(), QStringLiteral("语音打字"));
    QCOMPARE(item.data().toInt(), 7);
    QVERIFY(!item.label());
    QSignalSpy states(&item, &CheckBoxItem::checkItem_checkStateChanged);
    QSignalSpy clicks(&item, &CheckBoxItem::checkItem_labelClick);
    item.checkBox()->setChecked(true);
    item.checkBox()->setChecked(false);
    QCOMPARE(states.count(), 2);
    QCOMPARE(states.at(0).at(0).toInt(), int(Qt::Checked));
    QCOMPARE(states.at(1).at(0).toInt(), int(Qt::Unchecked));

    item.setLabel(QStringLiteral("<u>设置</u>"));
    item.setLabel(QStringLiteral("<u>设置</u>"));
    QCOMPARE(item.findChildren<ClickableLabel *>().size(), 1);
    item.show();
    QVERIFY(QTest::qWaitForWindowExposed(&item));
    QTest::mouseClick(item.label(), Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(states.count(), 2);
}

void TestControls::dragFilter_data()
{
    QTest::addColumn<bool>("canMove");
    QTest::addColumn<bool>("onButton");
    QTest::addColumn<bool>("moves");
    QTest::newRow("movable window") << true << false << true;
    QTest::newRow("press on a button") << true << true << false;
    QTest::newRow("not movable") << false << false << false;
}

void TestControls::dragFilter()
{
    QFETCH(bool, canMove);
    QFETCH(bool, onButton);
    QFETCH(bool, moves);
    AppInit::instance().start();
    AppInit::instance().start(); // once only

    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setProperty("canMove", canMove);
    window.setGeometry(100, 100, 300, 200);
    auto *button = new QPushButton(QStringLiteral("ok"), &window);
    button->setGeometry(10, 10, 80, 30);
    auto *label = new QLabel(QStringLiteral("drag me"), &window);
    label->setGeometry(10, 100, 200, 30);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();

    // A press on a label falls through to the window; a button keeps its press.
    QWidget *target = onButton ? static_cast<QWidget *>(button) : label;
    const QPoint local(20, 15);
    const QPoint global = target->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    const QPoint delta(40, 25);
    QMouseEvent move(QEvent::MouseMove, local + delta, global + delta, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, local + delta, global + delta, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    QCOMPARE(window.pos(), moves ? start + delta : start);

    // After the release a move without the button does nothing.
    QMouseEvent after(QEvent::MouseMove, local, global + 2 * delta, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &after);
    QCOMPARE(window.pos(), moves ? start + delta : start);
}

void TestControls::iconFont()
{
    IconHelper::setIconFontIndex(2);
    QCOMPARE(IconHelper::iconFontIndex(), 2);
    QVERIFY(!IconHelper::fontFamily().isEmpty());
    QPushButton button;
    IconHelper::setIcon(&button, 0xf0c9, 16);
    QCOMPARE(button.text(), QString(QChar(0xf0c9)));
    QCOMPARE(button.font().pixelSize(), 16);
    QCOMPARE(QFontInfo(button.font()).family(), IconHelper::fontFamily());
    // The glyph really is in the font: it paints something.
    const QImage glyph = IconHelper::pixmap(0xf068, 32, Qt::black).toImage();
    int inked = 0;
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x)
            inked += qAlpha(glyph.pixel(x, y)) > 128;
    QVERIFY(inked > 20);
}

void TestControls::infoLabelPaintsSign()
{
    InfoLabel info;
    info.setToolTip(QStringLiteral("说明"));
    info.resize(19, 19);
    const QImage image = info.grab().toImage();
    // Grey disc inside, the window's background in the corner, white "i" in the middle.
    QCOMPARE(image.pixelColor(3, 10), QColor(0x9a, 0xa3, 0xad));
    QVERIFY(image.pixelColor(0, 0) != image.pixelColor(3, 10));
    QCOMPARE(image.pixelColor(9, 12), QColor(Qt::white));
}

QTEST_MAIN(TestControls)
#include "test_controls.moc"
