#pragma once

#include "logic/businessLogic/monitor/BluetoothModule.h"

#include <QBluetoothDeviceInfo>
#include <QBluetoothUuid>
#include <QLowEnergyService>
#include <QObject>

class QLowEnergyController;

// One device's service through QLowEnergyController: connect, find the service, subscribe to
// its notifying characteristics.
class QtBleLink : public QObject, public BleLink
{
public:
    QtBleLink(const QBluetoothDeviceInfo &device, const QBluetoothUuid &service);
    ~QtBleLink() override;

    void open(Ready ready, Data data, Lost lost) override;
    void close() override;
    bool write(const QByteArray &data) override;

private:
    void onServiceState(QLowEnergyService::ServiceState state);
    void lose(const QString &why);

    QBluetoothDeviceInfo m_device;
    QBluetoothUuid m_serviceUuid;
    QLowEnergyController *m_controller = nullptr;
    QLowEnergyService *m_service = nullptr;
    Ready m_ready;
    Data m_data;
    Lost m_lost;
};
