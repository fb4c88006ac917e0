#include "logic/businessLogic/monitor/HidMonitor.h"

#include "device/DeviceContext.h"
#include "device/DeviceHardwareInfo.h"
#include "device/DeviceMap.h"
#include "device/IDeviceFactory.h"
#include "device/IDeviceLogic.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/monitor/HidApiBackend.h"
#include "logic/businessLogic/monitor/HidListener.h"

#include <QSet>

HidMonitor &HidMonitor::instance()
{
    static HidMonitor monitor;
    return monitor;
}

HidMonitor::HidMonitor()
{
    registerVelloboxMetaTypes();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { scan(); });
}

HidMonitor::~HidMonitor() = default;

void HidMonitor::startScan(int ms)
{
    m_timer.start(qMax(0, ms));
}

void HidMonitor::setBackend(std::unique_ptr<IHidBackend> backend)
{
    m_backend = std::move(backend);
    m_openFailures.clear();
}

IHidBackend &HidMonitor::backend()
{
    if (!m_backend)
        m_backend = std::make_unique<HidApiBackend>();
    return *m_backend;
}

int HidMonitor::scan()
{
    IDeviceFactory::loadCatalogues();
    const QVector<DeviceHardwareInfo> interfaces = backend().enumerate();
    QLOG_DEBUG() << "HID scan:" << interfaces.size() << "interfaces";
    DeviceMap &devices = DeviceMap::instance();
    int found = 0;
    bool retry = false;
    for (const DeviceHardwareInfo &info : interfaces) {
        const QString key = info.key();
        if (devices.contains(key))
            continue; // connected already (one context per device, the first matching interface)
        const ProductInfo *product = nullptr;
        IDeviceFactory *factory = IDeviceFactory::findFactory(info.vendorId, info.productId, info.usagePage, &product);
        if (!factory)
            continue;
        std::unique_ptr<IHidHandle> handle = backend().open(info.path);
        if (!handle) {
            const int failures = ++m_openFailures[info.path];
            QLOG_WARN() << "cannot open HID interface" << info.toString() << "attempt" << failures;
            retry = retry || failures < OpenRetries;
            continue;
        }
        m_openFailures.remove(info.path);

        DeviceContext *context = factory->createContext(std::make_unique<DeviceHardwareInfo>(info), product);
        auto *listener = new HidListener(std::move(handle));
        context->listener = listener;
        listener->setContext(context);
        // Reports reach the logic on its own (GUI) thread, in order.
        connect(listener, &IDeviceListener::notifyRowdata, context->logic, &IDeviceLogic::handleReport);
        connect(listener, &IDeviceListener::newDevice, this, &HidMonitor::newDevice);
        connect(listener, &IDeviceListener::deleteDevice, this, &HidMonitor::deleteDevice);
        devices.insert(key, context);
        listener->start();
        ++found;
    }
    if (retry)
        startScan(OpenRetryDelayMs);
    emit scanFinished(found);
    return found;
}
