#include "logic/businessLogic/monitor/BleListener.h"

#include "logging/QsLog.h"

#include <QLowEnergyDescriptor>

BleListener::BleListener(const QBluetoothDeviceInfo &device, const QBluetoothUuid &service, QObject *parent)
    : IDeviceListener(parent)
    , m_device(device)
    , m_serviceUuid(service)
{
}

BleListener::~BleListener()
{
    stop();
}

void BleListener::start()
{
    if (m_controller || m_stopped)
        return;
    m_controller = QLowEnergyController::createCentral(m_device, this);
    connect(m_controller, &QLowEnergyController::connected, this, [this] { m_controller->discoverServices(); });
    connect(m_controller, &QLowEnergyController::disconnected, this, [this] { fail(QStringLiteral("disconnected")); });
    connect(m_controller, QOverload<QLowEnergyController::Error>::of(&QLowEnergyController::error), this,
            [this](QLowEnergyController::Error) { fail(m_controller->errorString()); });
    connect(m_controller, &QLowEnergyController::discoveryFinished, this, [this] {
        if (m_service)
            return;
        m_service = m_controller->createServiceObject(m_serviceUuid, this);
        if (!m_service) {
            fail(QStringLiteral("service %1 not offered").arg(m_serviceUuid.toString()));
            return;
        }
        connect(m_service, &QLowEnergyService::stateChanged, this, &BleListener::onServiceState);
        connect(m_service, &QLowEnergyService::characteristicChanged, this,
                [this](const QLowEnergyCharacteristic &, const QByteArray &value) { emit notifyRowdata(value); });
        m_service->discoverDetails();
    });
    QLOG_INFO() << "connecting Bluetooth device" << m_device.name() << m_device.address().toString();
    m_controller->connectToDevice();
}

void BleListener::onServiceState(QLowEnergyService::ServiceState state)
{
    if (state != QLowEnergyService::ServiceDiscovered || m_announced || m_stopped)
        return;
    const QList<QLowEnergyCharacteristic> characteristics = m_service->characteristics();
    for (const QLowEnergyCharacteristic &c : characteristics) {
        if (!(c.properties() & QLowEnergyCharacteristic::Notify))
            continue;
        const QLowEnergyDescriptor config = c.descriptor(QBluetoothUuid::ClientCharacteristicConfiguration);
        if (config.isValid())
            m_service->writeDescriptor(config, QByteArray::fromHex("0100"));
    }
    m_announced = true;
    emit newDevice(m_context);
}

void BleListener::fail(const QString &why)
{
    if (m_stopped)
        return;
    m_stopped = true;
    QLOG_WARN() << "Bluetooth device" << m_device.name() << "lost:" << why;
    emit deleteDevice(m_context);
}

void BleListener::stop()
{
    m_stopped = true;
    if (m_controller && m_controller->state() != QLowEnergyController::UnconnectedState)
        m_controller->disconnectFromDevice();
}

bool BleListener::write(const QByteArray &data)
{
    if (!m_service || m_stopped)
        return false;
    const QList<QLowEnergyCharacteristic> characteristics = m_service->characteristics();
    for (const QLowEnergyCharacteristic &c : characteristics) {
        if (c.properties() & QLowEnergyCharacteristic::WriteNoResponse) {
            m_service->writeCharacteristic(c, data, QLowEnergyService::WriteWithoutResponse);
            return true;
        }
        if (c.properties() & QLowEnergyCharacteristic::Write) {
            m_service->writeCharacteristic(c, data);
            return true;
        }
    }
    return false;
}
