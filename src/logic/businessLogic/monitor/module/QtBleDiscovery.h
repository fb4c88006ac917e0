#pragma once

#include "logic/businessLogic/monitor/BluetoothModule.h"

#include <QBluetoothDeviceInfo>
#include <QHash>
#include <QObject>

class QBluetoothDeviceDiscoveryAgent;

// Bluetooth LE discovery through QBluetoothDeviceDiscoveryAgent. Keeps what it found, so that
// links can be made by id.
class QtBleDiscovery : public QObject, public BleDiscovery
{
public:
    explicit QtBleDiscovery(QHash<QString, QBluetoothDeviceInfo> *seen);
    ~QtBleDiscovery() override;

    void start(int timeoutMs, Found found, Ended ended) override;
    void stop() override;
    bool isActive() const override;

    static BleAdvert advertOf(const QBluetoothDeviceInfo &device);

private:
    void end(const QString &error);

    QHash<QString, QBluetoothDeviceInfo> *m_seen;
    QBluetoothDeviceDiscoveryAgent *m_agent;
    Found m_found;
    Ended m_ended;
};
