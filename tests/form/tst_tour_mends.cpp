// Pictures under build/ui-tour/mends/: what a new user meets without a device, the typing
// tips with their pictures and text box, and the colour combo opened.
#include "config/PointerSetting.h"
#include "databinding/FormContainer.h"
#include "databinding/FormItem.h"
#include "databinding/ZColorComboBox.h"
#include "form/MainWindow.h"
#include "form/dialog/TypingMicDialog.h"
#include "form/floating/TextWidget.h"
#include "qui/QUIHelper.h"
#include "support/TestHome.h"

#include <QAbstractItemView>
#include <QDir>
#include <QLabel>
#include <QScreen>
#include <QtTest>
#include <memory>

namespace {
// What the screen shows in a rectangle (frameless and translucent windows included).
bool saveScreen(const QRect &area, const QString &name)
{
    QCoreApplication::processEvents();
    QTest::qWait(100);
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    return !shot.isNull() && shot.save(QStringLiteral(VB_TOUR_DIR "/%1.png").arg(name));
}
} // namespace

class TestTourMends : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs the X server");
        QVERIFY(QDir().mkpath(QStringLiteral(VB_TOUR_DIR)));
        QUIHelper::setStyleSheetFile(QStringLiteral(":/customization.css"));
    }

    void mainWindowWithoutADevice()
    {
        TestHome home;
        MainWindow window;
        window.move(40, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(saveScreen(window.frameGeometry(), QStringLiteral("main-no-device")));
    }

    void tips_data()
    {
        QTest::addColumn<int>("action");
        QTest::newRow("voice-typing") << 7;
        QTest::newRow("translation-typing") << 8;
        QTest::newRow("voice-search") << 16;
    }

    void tips()
    {
        QFETCH(int, action);
        TypingMicDialog tip(action, false);
        tip.move(300, 300);
        tip.showTip();
        tip.setVolume(12);
        tip.setMessage(QStringLiteral("今天下午三点开会"));
        QVERIFY(QTest::qWaitForWindowExposed(&tip));
        QVERIFY(QTest::qWaitForWindowExposed(tip.textBox()));
        const QLabel *picture = tip.findChild<QLabel *>(QStringLiteral("lbMic"));
        QCOMPARE(picture->width(), picture->height());
        const QRect area = tip.frameGeometry().united(tip.textBox()->frameGeometry()).adjusted(-10, -10, 10, 10);
        QVERIFY(saveScreen(area, QStringLiteral("tip-") + QString::fromLatin1(QTest::currentDataTag())));
        tip.hideTip();
    }

    void colourComboOpen()
    {
        PointerSetting record;
        record.subtitle_ui_bakColor = QStringLiteral("#123456"); // not listed: its own item
        FormContainer page;
        FormItem *row = page.addComboBoxItem(QStringLiteral("背景颜色"), &page, {"subtitle_ui_bakColor"});
        page.setData(&record, true);
        page.bindData();
        page.resize(520, 80);
        page.move(100, 100);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        ZColorComboBox *combo = row->secondComboBox();
        combo->showPopup();
        QTRY_VERIFY(combo->view()->isVisible());
        QWidget *popup = combo->view()->window();
        QVERIFY(QTest::qWaitForWindowExposed(popup));
        const QRect area = page.frameGeometry().united(popup->frameGeometry()).adjusted(-5, -5, 5, 5);
        QVERIFY(saveScreen(area, QStringLiteral("colour-combo-open")));
        combo->hidePopup();
        page.setData(nullptr, true);
    }
};

QTEST_MAIN(TestTourMends)
#include "tst_tour_mends.moc"
