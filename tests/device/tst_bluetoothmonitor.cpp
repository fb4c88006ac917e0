#include "device/DeviceContext.h"
#include "device/DeviceHardwareInfo.h"
#include "device/DeviceMap.h"
#include "device/IDeviceFactory.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/monitor/BlueToothMonitor.h"
#include "support/TestHome.h"
#include "support/ToastRecorder.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceInfo>
#include <QBluetoothUuid>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

class TestBlueToothMonitor : public QObject
{
    Q_OBJECT
private slots:
    void stopBeforeStartOnlyLogs();
    void noAdapterTellsTheUser();
    void discoveredDevicesMatchByService();
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
    const QString service = QStringLiteral("6e400001-b5a3-f393-e0a9-e50e24dcca9e");
    ProductInfo product;
    product.brand = QStringLiteral("Test");
    product.name = QStringLiteral("BLE mouse");
    product.serviceUuid = service;
    IDeviceFactory::factories()[2]->catalogue().add(product);

    QBluetoothDeviceInfo other(QBluetoothAddress(QStringLiteral("11:22:33:44:55:01")), QStringLiteral("Other"), 0);
    other.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    other.setServiceUuids(QVector<QBluetoothUuid>{QBluetoothUuid(QStringLiteral("0000180f-0000-1000-8000-00805f9b34fb"))});
    QVERIFY(!BlueToothMonitor::instance().handleDiscovered(other));

    QBluetoothDeviceInfo ours(QBluetoothAddress(QStringLiteral("11:22:33:44:55:66")), QStringLiteral("BLE mouse"), 0);
    ours.setServiceUuids(QVector<QBluetoothUuid>{QBluetoothUuid(service)});
    // A classic (not LE) device is not ours, whatever it offers.
    ours.setCoreConfigurations(QBluetoothDeviceInfo::BaseRateCoreConfiguration);
    QVERIFY(!BlueToothMonitor::instance().handleDiscovered(ours));

    QSignalSpy added(&BlueToothMonitor::instance(), &BlueToothMonitor::newDevice);
    QSignalSpy removed(&BlueToothMonitor::instance(), &BlueToothMonitor::deleteDevice);
    ours.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
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

QTEST_MAIN(TestBlueToothMonitor)
#include "tst_bluetoothmonitor.moc"
