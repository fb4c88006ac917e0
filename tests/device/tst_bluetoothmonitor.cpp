#include "device/DeviceContext.h"
#include "device/DeviceHardwareInfo.h"
#include "device/DeviceMap.h"
#include "device/IDeviceFactory.h"
#include "device/IDeviceListener.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/monitor/BlueToothMonitor.h"
#include "support/TestHome.h"
#include "support/ToastRecorder.h"

#include "logic/businessLogic/monitor/BluetoothModule.h"

#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {

BleAdvert advert(const QString &address, const QString &name, const QString &service)
{
    BleAdvert device;
    device.id = address;
    device.name = name;
    device.lowEnergy = true;
    device.serviceUuids = QStringList{service};
    return device;
}

// A link whose connection steps the test plays.
class ScriptedLink : public BleLink
{
public:
    Ready ready;
    Data data;
    Lost lost;
    QList<QByteArray> written;
    bool closed = false;

    void open(Ready r, Data d, Lost l) override
    {
        ready = std::move(r);
        data = std::move(d);
        lost = std::move(l);
    }
    void close() override { closed = true; }
    bool write(const QByteArray &bytes) override
    {
        written << bytes;
        return true;
    }
};

class ScriptedBluetooth : public BluetoothModule
{
public:
    ScriptedLink *link = nullptr; // the last one made; owned by its listener
    QString linkedService;

    bool hasAdapter() override { return true; }
    BleDiscovery *createDiscovery() override { return nullptr; }
    BleLink *createLink(const BleAdvert &, const QString &serviceUuid) override
    {
        linkedService = serviceUuid;
        link = new ScriptedLink;
        return link;
    }
};

// A product of the mouse catalogue offering service, and a device advertising it.
BleAdvert catalogued(const QString &service, const QString &name, const QString &address)
{
    ProductInfo product;
    product.brand = QStringLiteral("Test");
    product.name = name;
    product.serviceUuid = service;
    IDeviceFactory::factories()[2]->catalogue().add(product);
    return advert(address, name, QLatin1Char('{') + service + QLatin1Char('}'));
}

} // namespace

class TestBlueToothMonitor : public QObject
{
    Q_OBJECT
private slots:
    void stopBeforeStartOnlyLogs();
    void noAdapterTellsTheUser();
    void discoveredDevicesMatchByService();
    void aReadyLinkShowsTheDeviceAndItsLossRemovesIt();
};

void TestBlueToothMonitor::stopBeforeStartOnlyLogs()
{
    TestHome home;
    auto &logger = QsLogging::Logger::instance();
    logger.setFileDestination(home.file("log/log.txt"), 1024 * 1024, 1);
    BlueToothMonitor::instance().stop();
    logger.flush();
    logger.setFileDestination(QString(), 0, 0);
    QFile log(home.file("log/log.txt"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray text = log.readAll();
    QVERIFY2(text.contains("DiscoveryAgent is Not created"), text.constData());
    QVERIFY(!text.contains("BlueTooth Manager: Stop"));
}

void TestBlueToothMonitor::noAdapterTellsTheUser()
{
    if (BlueToothMonitor::hasAdapter())
        QSKIP("this machine has a Bluetooth adapter");
    ToastRecorder toasts;
    QSignalSpy started(&BlueToothMonitor::instance(), &BlueToothMonitor::startScan);
    QSignalSpy finished(&BlueToothMonitor::instance(), &BlueToothMonitor::finishScan);
    BlueToothMonitor::instance().start(true);
    QCOMPARE(started.size(), 1);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(toasts.entries.size(), 1);
    QCOMPARE(toasts.entries[0].type, 2);
    QVERIFY(toasts.entries[0].text.contains(QStringLiteral("蓝牙适配器")));
    QVERIFY(!BlueToothMonitor::instance().isDiscovering());

    // The quiet start at program start shows nothing.
    BlueToothMonitor::instance().start(false);
    QCOMPARE(toasts.entries.size(), 1);
    QCOMPARE(finished.size(), 2);
}

void TestBlueToothMonitor::discoveredDevicesMatchByService()
{
    if (BlueToothMonitor::hasAdapter())
        QSKIP("this machine has a Bluetooth adapter: a connection would really be tried");
    TestHome home;
    BleAdvert ours = catalogued(QStringLiteral("6e400001-b5a3-f393-e0a9-e50e24dcca9e"), QStringLiteral("BLE mouse"),
                                QStringLiteral("11:22:33:44:55:66"));
    const BleAdvert other = advert(QStringLiteral("11:22:33:44:55:01"), QStringLiteral("Other"),
                                   QStringLiteral("{0000180f-0000-1000-8000-00805f9b34fb}"));
    QVERIFY(!BlueToothMonitor::instance().handleDiscovered(other));

    // A classic (not LE) device is not ours, whatever it offers.
    ours.lowEnergy = false;
    QVERIFY(!BlueToothMonitor::instance().handleDiscovered(ours));

    QSignalSpy added(&BlueToothMonitor::instance(), &BlueToothMonitor::newDevice);
    QSignalSpy removed(&BlueToothMonitor::instance(), &BlueToothMonitor::deleteDevice);
    ours.lowEnergy = true;
    QVERIFY(BlueToothMonitor::instance().handleDiscovered(ours));
    QCOMPARE(DeviceMap::instance().size(), 1);
    const DeviceContext *context = DeviceMap::instance().snapshot().first();
    QVERIFY(context->hardwareInfo->bluetooth);
    QCOMPARE(context->product->name, QStringLiteral("BLE mouse"));
    QVERIFY(!BlueToothMonitor::instance().handleDiscovered(ours)); // known already

    // Without an adapter the connection fails: the device was never shown, so the monitor
    // drops it itself and nobody hears of it.
    QTRY_COMPARE_WITH_TIMEOUT(DeviceMap::instance().size(), 0, 10000);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(added.size(), 0);
    QCOMPARE(removed.size(), 0);
}

// The device is shown once its service is ready, its values reach the device and its loss
// after that is told to the window.
void TestBlueToothMonitor::aReadyLinkShowsTheDeviceAndItsLossRemovesIt()
{
    TestHome home;
    ScriptedBluetooth bluetooth;
    BluetoothModule::setInstance(&bluetooth);
    const BleAdvert device = catalogued(QStringLiteral("6e400002-b5a3-f393-e0a9-e50e24dcca9e"),
                                        QStringLiteral("BLE pointer"), QStringLiteral("11:22:33:44:55:77"));
    QSignalSpy added(&BlueToothMonitor::instance(), &BlueToothMonitor::newDevice);
    QSignalSpy removed(&BlueToothMonitor::instance(), &BlueToothMonitor::deleteDevice);
    QVERIFY(BlueToothMonitor::instance().handleDiscovered(device));
    QVERIFY(bluetooth.link);
    QCOMPARE(bluetooth.linkedService, device.serviceUuids.first());
    QCOMPARE(added.size(), 0); // not before its service is ready

    ScriptedLink *link = bluetooth.link;
    DeviceContext *context = DeviceMap::instance().snapshot().first();
    QSignalSpy reports(context->listener, &IDeviceListener::notifyRowdata);
    link->ready();
    QCOMPARE(added.size(), 1);
    QCOMPARE(added[0][0].value<DeviceContext *>(), context);
    link->data(QByteArray("\x01\x02", 2));
    QCOMPARE(reports.size(), 1);
    QVERIFY(context->listener->write("hi"));
    QCOMPARE(link->written, QList<QByteArray>{"hi"});

    link->lost(QStringLiteral("disconnected"));
    QTRY_COMPARE(removed.size(), 1);
    QCOMPARE(removed[0][0].value<DeviceContext *>(), context);
    QVERIFY(!context->listener->write("late"));
    BluetoothModule::setInstance(nullptr);
    DeviceMap::instance().erase(context->hardwareInfo->key());
    delete context;
}

QTEST_MAIN(TestBlueToothMonitor)
#include "tst_bluetoothmonitor.moc"
