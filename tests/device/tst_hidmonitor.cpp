#include "FakeHid.h"

#include "config/DeviceConfigHelper.h"
#include "config/MouseSetting.h"
#include "device/DeviceContext.h"
#include "device/DeviceHardwareInfo.h"
#include "device/DeviceMap.h"
#include "device/IDeviceFactory.h"
#include "device/mouse/common/MouseDevice.h"
#include "device/pointer/common/PointerDevice.h"
#include "logic/businessLogic/monitor/HidApiBackend.h"
#include "logic/businessLogic/monitor/HidListener.h"
#include "logic/businessLogic/monitor/HidMonitor.h"
#include "support/TestHome.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

namespace {
constexpr ushort TestVendor = 0x5a5a;

FakeHidBackend *installFakeBackend()
{
    auto backend = std::make_unique<FakeHidBackend>();
    FakeHidBackend *raw = backend.get();
    HidMonitor::instance().setBackend(std::move(backend));
    return raw;
}

void addProduct(int factoryIndex, ushort pid, ushort usagePage, const QString &name)
{
    ProductInfo p;
    p.brand = QStringLiteral("Test");
    p.name = name;
    p.vendorId = TestVendor;
    p.productId = pid;
    p.usagePage = usagePage;
    IDeviceFactory::factories()[factoryIndex]->catalogue().add(p);
}
} // namespace

class TestHidMonitor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void scanMatchesCatalogue();
    void reportsReachTheLogic();
    void readErrorRemovesDevice();
    void stopIsPrompt();
    void contextDeletionReleasesListener();
    void unopenedInterfaceIsRetried();
    void startScanRestartsTheTimer();
    void realBackendLoadsOnFirstUse();

private:
    std::unique_ptr<TestHome> m_home;
};

void TestHidMonitor::initTestCase()
{
    registerVelloboxMetaTypes();
    // The test catalogue: a presenter and a mouse on a vendor usage page.
    addProduct(1, 0x0001, 0xff00, QStringLiteral("Test presenter"));
    addProduct(2, 0x0002, 0xff00, QStringLiteral("Test mouse"));
}

void TestHidMonitor::cleanup()
{
    const auto devices = DeviceMap::instance().snapshot();
    for (DeviceContext *context : devices)
        delete context;
    DeviceMap::instance().clear();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_home.reset();
}

void TestHidMonitor::scanMatchesCatalogue()
{
    m_home = std::make_unique<TestHome>();
    FakeHidBackend *backend = installFakeBackend();
    backend->interfaces = {
        fakeInterface("/dev/hidraw0", TestVendor, 0x0001, 0x0001, "Presenter"),   // keyboard page: not ours
        fakeInterface("/dev/hidraw1", TestVendor, 0x0001, 0xff00, "Presenter"),   // the presenter
        fakeInterface("/dev/hidraw2", TestVendor, 0x0002, 0xff00, "Mouse"),       // the mouse
        fakeInterface("/dev/hidraw3", TestVendor, 0x0002, 0xff00, "Mouse"),       // its second interface
        fakeInterface("/dev/hidraw4", 0x046d, 0xc52b, 0xff00, "Receiver", "Other"), // unknown product
    };
    QSignalSpy added(&HidMonitor::instance(), &HidMonitor::newDevice);
    QCOMPARE(HidMonitor::instance().scan(), 2);
    QCOMPARE(backend->openCalls, 2);
    QCOMPARE(DeviceMap::instance().size(), 2);

    QTRY_COMPARE(added.size(), 2);
    QSet<QString> kinds;
    for (const QList<QVariant> &args : added) {
        auto *context = args.at(0).value<DeviceContext *>();
        QVERIFY(context);
        QCOMPARE(DeviceMap::instance().value(context->key()), context);
        QVERIFY(context->listener);
        QVERIFY(context->setting);
        if (qobject_cast<PointerDevice *>(context->logic)) {
            kinds << "presenter";
            QCOMPARE(context->hardwareInfo->path, QStringLiteral("/dev/hidraw1"));
            QCOMPARE(context->setting->entityType(), QStringLiteral("PointerSetting"));
            QCOMPARE(context->product->name, QStringLiteral("Test presenter"));
        } else if (qobject_cast<MouseDevice *>(context->logic)) {
            kinds << "mouse";
            QCOMPARE(context->hardwareInfo->path, QStringLiteral("/dev/hidraw2"));
            QCOMPARE(context->setting->entityType(), QStringLiteral("MouseSetting"));
            QCOMPARE(context->hardwareInfo->serialNumber, QStringLiteral("SN-hidraw2"));
        }
    }
    QCOMPARE(kinds, (QSet<QString>{"presenter", "mouse"}));

    // Known devices are not opened again.
    QCOMPARE(HidMonitor::instance().scan(), 0);
    QCOMPARE(backend->openCalls, 2);
}

void TestHidMonitor::reportsReachTheLogic()
{
    m_home = std::make_unique<TestHome>();
    FakeHidBackend *backend = installFakeBackend();
    backend->interfaces = {fakeInterface("/dev/hidraw7", TestVendor, 0x0002, 0xff00, "Mouse")};
    QCOMPARE(HidMonitor::instance().scan(), 1);
    DeviceContext *context = DeviceMap::instance().snapshot().first();
    QSignalSpy raw(context->listener, &IDeviceListener::notifyRowdata);

    const QByteArray report = QByteArray(32, '\x9c');
    backend->devices.value("/dev/hidraw7")->push(report);
    backend->devices.value("/dev/hidraw7")->push(QByteArray(40, '\x01')); // longer than a report
    QTRY_COMPARE(raw.size(), 2);
    QCOMPARE(raw[0][0].toByteArray(), report);
    QCOMPARE(raw[1][0].toByteArray().size(), HidListener::ReportSize);
}

void TestHidMonitor::readErrorRemovesDevice()
{
    m_home = std::make_unique<TestHome>();
    FakeHidBackend *backend = installFakeBackend();
    backend->interfaces = {fakeInterface("/dev/hidraw8", TestVendor, 0x0001, 0xff00, "Presenter")};
    QSignalSpy removed(&HidMonitor::instance(), &HidMonitor::deleteDevice);
    QCOMPARE(HidMonitor::instance().scan(), 1);
    DeviceContext *context = DeviceMap::instance().snapshot().first();

    backend->devices.value("/dev/hidraw8")->unplug();
    QTRY_COMPARE(removed.size(), 1);
    QCOMPARE(removed[0][0].value<DeviceContext *>(), context);
    QVERIFY(!static_cast<HidListener *>(context->listener)->isRunning());
}

void TestHidMonitor::stopIsPrompt()
{
    auto device = std::make_shared<FakeHidDevice>();
    HidListener listener(std::make_unique<FakeHidHandle>(device));
    listener.start();
    QTRY_VERIFY(device->reads > 0); // blocked in a read that times out
    QTest::qWait(30);

    QElapsedTimer timer;
    timer.start();
    listener.stop();
    const qint64 took = timer.elapsed();
    QVERIFY2(took < 200, qPrintable(QString::number(took)));
    QVERIFY(!listener.isRunning());
    QVERIFY(device->isClosed());
    QVERIFY(!listener.write("x"));
    listener.stop(); // twice is harmless
}

void TestHidMonitor::contextDeletionReleasesListener()
{
    m_home = std::make_unique<TestHome>();
    FakeHidBackend *backend = installFakeBackend();
    backend->interfaces = {fakeInterface("/dev/hidraw9", TestVendor, 0x0002, 0xff00, "Mouse")};
    QCOMPARE(HidMonitor::instance().scan(), 1);
    DeviceContext *context = DeviceMap::instance().snapshot().first();
    QPointer<IDeviceListener> listener = context->listener;
    QPointer<IDeviceLogic> logic = context->logic;
    BaseSetting *record = context->setting;
    const QString key = context->key();

    QElapsedTimer timer;
    timer.start();
    DeviceMap::instance().erase(key);
    delete context;
    QVERIFY(timer.elapsed() < 200);
    QVERIFY(backend->devices.value("/dev/hidraw9")->isClosed());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(listener.isNull());
    QVERIFY(logic.isNull());
    // The record belongs to the settings store and outlives the device.
    QCOMPARE(DeviceConfigHelper::instance().setting(key), record);
}

void TestHidMonitor::unopenedInterfaceIsRetried()
{
    m_home = std::make_unique<TestHome>();
    FakeHidBackend *backend = installFakeBackend();
    backend->interfaces = {fakeInterface("/dev/hidraw5", TestVendor, 0x0002, 0xff00, "Mouse")};
    backend->refused << "/dev/hidraw5";

    QCOMPARE(HidMonitor::instance().scan(), 0);
    QVERIFY(HidMonitor::instance().isScanPending());
    QTRY_COMPARE_WITH_TIMEOUT(backend->openCalls, HidMonitor::OpenRetries, 5000);
    QTRY_VERIFY(!HidMonitor::instance().isScanPending());
    QTest::qWait(HidMonitor::OpenRetryDelayMs + 100);
    QCOMPARE(backend->openCalls, HidMonitor::OpenRetries);
    QCOMPARE(DeviceMap::instance().size(), 0);

    // Permissions arrive: the next scan (the next device change) takes it.
    backend->refused.clear();
    QCOMPARE(HidMonitor::instance().scan(), 1);
}

void TestHidMonitor::startScanRestartsTheTimer()
{
    m_home = std::make_unique<TestHome>();
    installFakeBackend();
    QSignalSpy scans(&HidMonitor::instance(), &HidMonitor::scanFinished);
    // A burst of device changes, each well inside the delay of the one before.
    HidMonitor::instance().startScan(400);
    QTest::qWait(100);
    HidMonitor::instance().startScan(400);
    QTest::qWait(100);
    HidMonitor::instance().startScan(400);
    QCOMPARE(scans.size(), 0);
    QTRY_COMPARE(scans.size(), 1);
    QTest::qWait(500);
    QCOMPARE(scans.size(), 1);
}

void TestHidMonitor::realBackendLoadsOnFirstUse()
{
    // hidapi is not linked: the backend loads it, and a path that names no device opens nothing.
    HidApiBackend backend;
    QVERIFY(backend.ready());
    backend.enumerate(); // whatever this machine has; it must not fail without devices
    QVERIFY(!backend.open(QStringLiteral("/dev/hidraw-none")));
    QVERIFY(!backend.open(QString()));
}

QTEST_MAIN(TestHidMonitor)
#include "tst_hidmonitor.moc"
