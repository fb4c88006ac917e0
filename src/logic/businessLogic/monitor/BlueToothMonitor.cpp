#include "logic/businessLogic/monitor/BlueToothMonitor.h"

#include "config/Configurations.h"
#include "device/DeviceContext.h"
#include "device/DeviceHardwareInfo.h"
#include "device/DeviceMap.h"
#include "device/IDeviceFactory.h"
#include "device/IDeviceLogic.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/monitor/BleListener.h"
#include "logic/businessLogic/monitor/BluetoothModule.h"
#include "qui/Toast.h"
#include "util/TrContexts.h"


namespace {
constexpr int DiscoveryTimeoutMs = 8000;
}

BlueToothMonitor &BlueToothMonitor::instance()
{
    static BlueToothMonitor monitor;
    return monitor;
}

BlueToothMonitor::BlueToothMonitor()
{
    registerVelloboxMetaTypes();
    m_rescan.setSingleShot(true);
    connect(&m_rescan, &QTimer::timeout, this, [this] { start(false); });
}

BlueToothMonitor::~BlueToothMonitor()
{
    delete m_agent;
}

bool BlueToothMonitor::hasAdapter()
{
    BluetoothModule *module = BluetoothModule::instance();
    return module && module->hasAdapter();
}

bool BlueToothMonitor::isDiscovering() const
{
    return m_agent && m_agent->isActive();
}

void BlueToothMonitor::start(bool showTip)
{
    m_rescan.stop();
    if (!hasAdapter()) {
        QLOG_WARN() << "BlueTooth Manager: no Bluetooth adapter, discovery not started";
        if (showTip)
            Toast::instance().showMessage(2, TNotify::tr("没有找到蓝牙适配器, 无法搜索蓝牙设备!"), 2000);
        emit startScan();
        emit finishScan();
        return;
    }
    m_running = true;
    if (!m_agent)
        m_agent = BluetoothModule::instance()->createDiscovery();
    if (showTip)
        Toast::instance().showMessage(0, TNotify::tr("正在搜索蓝牙设备..."), 2000);
    if (m_agent->isActive())
        return;
    IDeviceFactory::loadCatalogues();
    QLOG_INFO() << "BlueTooth Manager: Start";
    emit startScan();
    m_agent->start(
        DiscoveryTimeoutMs, [this](const BleAdvert &device) { handleDiscovered(device); },
        [this](const QString &error) { runFinished(error); });
}

void BlueToothMonitor::runFinished(const QString &error)
{
    if (!error.isEmpty())
        QLOG_WARN() << "BlueTooth Manager: discovery failed:" << error;
    emit finishScan();
    const int interval = Configurations::instance().bluetoothSearchInterval();
    if (m_running && interval > 0)
        m_rescan.start(interval);
}

void BlueToothMonitor::stop()
{
    if (!m_agent) {
        QLOG_INFO() << "DiscoveryAgent is Not created";
        return;
    }
    m_running = false;
    m_rescan.stop();
    if (m_agent->isActive())
        m_agent->stop();
    QLOG_INFO() << "BlueTooth Manager: Stop";
}

bool BlueToothMonitor::handleDiscovered(const BleAdvert &device)
{
    if (!device.lowEnergy)
        return false;
    for (const QString &uuid : device.serviceUuids) {
        const ProductInfo *product = nullptr;
        IDeviceFactory *factory = IDeviceFactory::findByServiceUuid(uuid, &product);
        if (!factory)
            continue;
        auto hardware = std::make_unique<DeviceHardwareInfo>();
        hardware->path = device.id;
        hardware->vendorId = product->vendorId;
        hardware->productId = product->productId;
        hardware->product = device.name;
        hardware->manufacturer = product->brand;
        hardware->bluetooth = true;
        const QString key = hardware->key();
        if (DeviceMap::instance().contains(key))
            return false;

        DeviceContext *context = factory->createContext(std::move(hardware), product);
        auto *listener = new BleListener(device, uuid);
        context->listener = listener;
        listener->setContext(context);
        connect(listener, &IDeviceListener::notifyRowdata, context->logic, &IDeviceLogic::handleReport);
        connect(listener, &IDeviceListener::newDevice, this, &BlueToothMonitor::newDevice);
        connect(
            listener, &IDeviceListener::deleteDevice, this,
            [this, listener, key](DeviceContext *lost) {
                if (listener->announced()) {
                    emit deleteDevice(lost);
                    return;
                }
                // Never shown, so nobody else knows it: it goes here, unless the exit took
                // every device away in the meantime.
                if (DeviceMap::instance().value(key) != lost)
                    return;
                DeviceMap::instance().erase(key);
                delete lost;
            },
            // A failed connection may report while it is being started.
            Qt::QueuedConnection);
        DeviceMap::instance().insert(key, context);
        listener->start();
        return true;
    }
    return false;
}
