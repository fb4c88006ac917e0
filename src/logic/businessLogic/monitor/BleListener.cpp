#include "logic/businessLogic/monitor/BleListener.h"

#include "logging/QsLog.h"

BleListener::BleListener(const BleAdvert &device, const QString &serviceUuid, QObject *parent)
    : IDeviceListener(parent)
    , m_device(device)
    , m_serviceUuid(serviceUuid)
{
}

BleListener::~BleListener()
{
    stop();
}

void BleListener::start()
{
    if (m_link || m_stopped)
        return;
    BluetoothModule *module = BluetoothModule::instance();
    if (!module) {
        fail(QStringLiteral("Bluetooth is not available"));
        return;
    }
    m_link.reset(module->createLink(m_device, m_serviceUuid));
    QLOG_INFO() << "connecting Bluetooth device" << m_device.name << m_device.id;
    m_link->open(
        [this] {
            if (m_announced || m_stopped)
                return;
            m_announced = true;
            emit newDevice(m_context);
        },
        [this](const QByteArray &value) { emit notifyRowdata(value); }, [this](const QString &why) { fail(why); });
}

void BleListener::fail(const QString &why)
{
    if (m_stopped)
        return;
    m_stopped = true;
    QLOG_WARN() << "Bluetooth device" << m_device.name << "lost:" << why;
    emit deleteDevice(m_context);
}

void BleListener::stop()
{
    m_stopped = true;
    if (m_link)
        m_link->close();
}

bool BleListener::write(const QByteArray &data)
{
    if (!m_link || m_stopped)
        return false;
    return m_link->write(data);
}
