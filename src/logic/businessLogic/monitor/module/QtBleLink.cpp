#include "QtBleLink.h"

#include <QLowEnergyController>
#include <QLowEnergyDescriptor>

QtBleLink::QtBleLink(const QBluetoothDeviceInfo &device, const QBluetoothUuid &service)
    : m_device(device)
    , m_serviceUuid(service)
{
}

QtBleLink::~QtBleLink()
{
    m_ready = nullptr;
    m_data = nullptr;
    m_lost = nullptr;
    close();
}

void QtBleLink::open(Ready ready, Data data, Lost lost)
{
    if (m_controller)
        return;
    m_ready = std::move(ready);
    m_data = std::move(data);
    m_lost = std::move(lost);
    m_controller = QLowEnergyController::createCentral(m_device, this);
    connect(m_controller, &QLowEnergyController::connected, this, [this] { m_controller->discoverServices(); });
    connect(m_controller, &QLowEnergyController::disconnected, this, [this] { lose(QStringLiteral("disconnected")); });
    connect(m_controller, QOverload<QLowEnergyController::Error>::of(&QLowEnergyController::error), this,
            [this](QLowEnergyController::Error) { lose(m_controller->errorString()); });
    connect(m_controller, &QLowEnergyController::discoveryFinished, this, [this] {
        if (m_service)
            return;
        m_service = m_controller->createServiceObject(m_serviceUuid, this);
        if (!m_service) {
            lose(QStringLiteral("service %1 not offered").arg(m_serviceUuid.toString()));
            return;
        }
        connect(m_service, &QLowEnergyService::stateChanged, this, &QtBleLink::onServiceState);
        connect(m_service, &QLowEnergyService::characteristicChanged, this,
                [this](const QLowEnergyCharacteristic &, const QByteArray &value) {
                    if (m_data)
                        m_data(value);
                });
        m_service->discoverDetails();
    });
    m_controller->connectToDevice();
}

void QtBleLink::onServiceState(QLowEnergyService::ServiceState state)
{
    if (state != QLowEnergyService::ServiceDiscovered || !m_ready)
        return;
    const QList<QLowEnergyCharacteristic> characteristics = m_service->characteristics();
    for (const QLowEnergyCharacteristic &c : characteristics) {
        if (!(c.properties() & QLowEnergyCharacteristic::Notify))
            continue;
        const QLowEnergyDescriptor config = c.descriptor(QBluetoothUuid::ClientCharacteristicConfiguration);
        if (config.isValid())
            m_service->writeDescriptor(config, QByteArray::fromHex("0100"));
    }
    Ready ready = std::move(m_ready);
    m_ready = nullptr;
    ready();
}

void QtBleLink::lose(const QString &why)
{
    Lost lost = std::move(m_lost);
    m_lost = nullptr;
    m_ready = nullptr;
    // Last: the owner may delete this object from inside it.
    if (lost)
        lost(why);
}

void QtBleLink::close()
{
    m_lost = nullptr;
    m_ready = nullptr;
    if (m_controller && m_controller->state() != QLowEnergyController::UnconnectedState)
        m_controller->disconnectFromDevice();
}

bool QtBleLink::write(const QByteArray &data)
{
    if (!m_service)
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
