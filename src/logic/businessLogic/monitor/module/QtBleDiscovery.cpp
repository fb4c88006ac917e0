#include "QtBleDiscovery.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothUuid>

QtBleDiscovery::QtBleDiscovery(QHash<QString, QBluetoothDeviceInfo> *seen)
    : m_seen(seen)
    , m_agent(new QBluetoothDeviceDiscoveryAgent(this))
{
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this, [this](const QBluetoothDeviceInfo &device) {
        const BleAdvert advert = advertOf(device);
        m_seen->insert(advert.id, device);
        if (m_found) {
            Found found = m_found; // the callback may stop this run
            found(advert);
        }
    });
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::finished, this, [this] { end(QString()); });
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::canceled, this, [this] { end(QString()); });
    connect(m_agent, QOverload<QBluetoothDeviceDiscoveryAgent::Error>::of(&QBluetoothDeviceDiscoveryAgent::error), this,
            [this](QBluetoothDeviceDiscoveryAgent::Error) {
                end(m_agent->errorString().isEmpty() ? QStringLiteral("discovery failed") : m_agent->errorString());
            });
}

QtBleDiscovery::~QtBleDiscovery()
{
    m_found = nullptr;
    m_ended = nullptr;
    m_agent->disconnect(this);
    if (m_agent->isActive())
        m_agent->stop();
}

BleAdvert QtBleDiscovery::advertOf(const QBluetoothDeviceInfo &device)
{
    BleAdvert advert;
    advert.id = device.address().isNull() ? device.deviceUuid().toString() : device.address().toString();
    advert.name = device.name();
    advert.lowEnergy = device.coreConfigurations() & QBluetoothDeviceInfo::LowEnergyCoreConfiguration;
    const QList<QBluetoothUuid> services = device.serviceUuids();
    for (const QBluetoothUuid &uuid : services)
        advert.serviceUuids << uuid.toString();
    return advert;
}

void QtBleDiscovery::start(int timeoutMs, Found found, Ended ended)
{
    m_found = std::move(found);
    m_ended = std::move(ended);
    if (m_agent->isActive())
        return;
    m_agent->setLowEnergyDiscoveryTimeout(timeoutMs);
    m_agent->start(QBluetoothDeviceDiscoveryAgent::LowEnergyMethod);
}

void QtBleDiscovery::stop()
{
    if (m_agent->isActive())
        m_agent->stop();
}

bool QtBleDiscovery::isActive() const
{
    return m_agent->isActive();
}

void QtBleDiscovery::end(const QString &error)
{
    if (m_ended) {
        Ended ended = m_ended; // last: the owner may delete this object from inside it
        ended(error);
    }
}
