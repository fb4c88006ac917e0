#include "DevicePageHome.h"

#include "config/MouseSetting.h"
#include "databinding/FormItem.h"
#include "device/IDeviceListener.h"
#include "device/ProductInfo.h"
#include "device/common/ui/DevicePages.h"
#include "device/mouse/common/MouseDevice.h"
#include "device/mouse/common/ui/MouseInfoTab.h"
#include "form/panel/DeviceInfoPanel.h"
#include "form/panel/DeviceStatusPanel.h"
#include "qui/control/ImageSwitch.h"
#include "support/ToastRecorder.h"

#include <QLabel>
#include <QtTest>

namespace {
// The mouse's transport as far as the page sees it: the reports written to the device.
class RecordingListener : public IDeviceListener
{
    Q_OBJECT
public:
    void stop() override {}
    bool write(const QByteArray &data) override
    {
        reports << data.toHex();
        return true;
    }
    QList<QByteArray> reports;
};

// A mouse logic that can tell how often its notifications are received.
class CountedMouse : public MouseDevice
{
    Q_OBJECT
public:
    using MouseDevice::MouseDevice;
    int notifyReceivers() const { return receivers(SIGNAL(notifyChange(NotifyType, QVariant, QVariant))); }
};

// A mouse with logic and transport, detached again before the stack objects go.
struct Mouse
{
    Mouse() : logic(&device.context)
    {
        device.context.logic = &logic;
        device.context.listener = &listener;
        product.productIntroUrl = QStringLiteral("https://manual.example/m1");
        device.context.product = &product;
    }
    ~Mouse()
    {
        device.context.logic = nullptr;
        device.context.listener = nullptr;
    }
    DevicePageHome device{std::make_unique<MouseSetting>()};
    ProductInfo product;
    RecordingListener listener;
    CountedMouse logic;
};
} // namespace

class TestMouseInfoTab : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerVelloboxMetaTypes(); }

    void onlyTheProductAndTheLongPressRowShow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("visible");
        QTest::newRow("product panel") << "deviceInfo" << true;
        QTest::newRow("mouse settings title") << "title1" << true;
        QTest::newRow("mouse settings") << "fm_set" << true;
        QTest::newRow("long-press wheel row") << "fiLongPressWheel" << true;
        QTest::newRow("wheel sensitivity row") << "fiWheelSensitivity" << false;
        QTest::newRow("device status title") << "title2" << false;
        QTest::newRow("device status") << "fm_State" << false;
        QTest::newRow("microphone title") << "title3" << false;
        QTest::newRow("microphone") << "fm_microphone" << false;
    }

    void onlyTheProductAndTheLongPressRowShow()
    {
        QFETCH(QString, name);
        QFETCH(bool, visible);
        Mouse mouse;
        MouseInfoTab page;
        page.setContext(&mouse.device.context);
        auto *widget = page.findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->isVisibleTo(&page), visible);
    }

    void sixClicksOnTheTitleShowTheEngineNotice()
    {
        Mouse mouse;
        MouseInfoTab page;
        page.setContext(&mouse.device.context);
        ToastRecorder toasts;
        auto *title = page.findChild<QLabel *>("title1");
        for (int i = 0; i < 5; ++i)
            QTest::mouseClick(title, Qt::LeftButton);
        QVERIFY(toasts.entries.isEmpty());
        QTest::mouseClick(title, Qt::LeftButton);
        QCOMPARE(toasts.entries.size(), 1);
        QCOMPARE(toasts.entries[0].type, 0);
        QCOMPARE(toasts.entries[0].msec, 40000);
        QVERIFY(toasts.entries[0].text.startsWith(QStringLiteral("识别引擎信息:")));
        QVERIFY(toasts.entries[0].text.endsWith(QStringLiteral("    操作系统: 非Win11")));
        for (int i = 0; i < 6; ++i)
            QTest::mouseClick(title, Qt::LeftButton);
        QCOMPARE(toasts.entries.size(), 2);
    }

    void theNoticeNeedsNoDevice()
    {
        MouseInfoTab page;
        ToastRecorder toasts;
        for (int i = 0; i < MouseInfoTab::InfoClicks; ++i)
            QTest::mouseClick(page.findChild<QLabel *>("title1"), Qt::LeftButton);
        QCOMPARE(toasts.entries.size(), 1);
    }

    void theWheelSwitchSendsItsCommandOnce()
    {
        Mouse mouse;
        MouseInfoTab page;
        page.setContext(&mouse.device.context);
        const QByteArray stored = mouse.device.fileBytes();
        ImageSwitch *sw = page.switchRow()->findChild<ImageSwitch *>();
        QVERIFY(!sw->isChecked());
        QTest::mouseClick(sw, Qt::LeftButton);
        QCOMPARE(mouse.listener.reports, QList<QByteArray>({"0a032301"}));
        QTest::mouseClick(sw, Qt::LeftButton);
        QCOMPARE(mouse.listener.reports, QList<QByteArray>({"0a032301", "0a032300"}));
        QCOMPARE(mouse.device.fileBytes(), stored); // not a setting
    }

    void aModelUpdateRefreshesTheProductPanelOnly_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("manual");
        QTest::newRow("model") << int(Notify_Model) << "https://manual.example/m2";
        QTest::newRow("serial number") << int(Notify_SerialNumber) << "https://manual.example/m1";
        QTest::newRow("status") << int(Notify_Status) << "https://manual.example/m1";
    }

    void aModelUpdateRefreshesTheProductPanelOnly()
    {
        QFETCH(int, type);
        QFETCH(QString, manual);
        Mouse mouse;
        MouseInfoTab page;
        page.setContext(&mouse.device.context);
        page.setContext(&mouse.device.context);
        QCOMPARE(mouse.logic.notifyReceivers(), 1); // bound twice, told once
        ProductInfo newer;
        newer.productIntroUrl = QStringLiteral("https://manual.example/m2");
        mouse.device.context.product = &newer;
        emit mouse.logic.notifyChange(NotifyType(type), QVariant(), QVariant());
        QCOMPARE(page.deviceInfo()->manualAddress(), manual);
    }

    void withoutAProductThePanelWaits()
    {
        Mouse mouse;
        mouse.device.context.product = nullptr;
        MouseInfoTab page;
        page.setContext(&mouse.device.context);
        emit mouse.logic.notifyChange(Notify_Model, QVariant(), QVariant());
        QCOMPARE(page.findChild<QLabel *>("lbLogo")->text(), QStringLiteral("Logo"));
    }

    void linkStatesReachTheChain_data()
    {
        QTest::addColumn<bool>("bluetooth");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("receiver");
        QTest::addColumn<int>("bluetoothLink");
        QTest::newRow("Bluetooth connected") << true << 1 << 2 << 2;
        QTest::newRow("Bluetooth lost") << true << 0 << 1 << 1;
        QTest::newRow("receiver level 1") << false << 1 << 2 << 1;
        QTest::newRow("receiver level 0") << false << 0 << 1 << 1;
    }

    void linkStatesReachTheChain()
    {
        QFETCH(bool, bluetooth);
        QFETCH(int, value);
        QFETCH(int, receiver);
        QFETCH(int, bluetoothLink);
        Mouse mouse;
        std::unique_ptr<QWidget> widget(DevicePages::create(QStringLiteral("MouseInfoTab")));
        auto *page = qobject_cast<MouseInfoTab *>(widget.get());
        QVERIFY(page);
        DevicePages::connectDevice(page, &mouse.logic);
        page->setContext(&mouse.device.context);
        if (bluetooth) {
            mouse.logic.setBluetoothConnected(true);
            mouse.logic.setBluetoothConnected(value);
        } else {
            mouse.logic.setReceiverStatus(5);
            mouse.logic.setReceiverStatus(value);
        }
        DeviceStatusPanel *chain = page->deviceStatus();
        QCOMPARE(chain->status(DeviceStatusPanel::ReceiverNode), receiver);
        QCOMPARE(DeviceStatusPanel::shownStatus(chain->findChild<QLabel *>("lbBlueToothImg")), bluetoothLink);
        QCOMPARE(chain->linkStatus(0), receiver == 2 ? 2 : 1);
    }
};

QTEST_MAIN(TestMouseInfoTab)
#include "tst_mouseinfotab.moc"
