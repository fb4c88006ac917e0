#pragma once

#include "device/IDeviceListener.h"

#include <QBluetoothDeviceInfo>
#include <QBluetoothUuid>
#include <QLowEnergyCharacteristic>
#include <QLowEnergyController>
#include <QLowEnergyService>

// The transport of one Bluetooth LE device, on the GUI thread: connects, finds the product's
// service, subscribes to its notifying characteristics and passes their values on as reports.
class BleListener : public IDeviceListener
{
    Q_OBJECT
public:
    BleListener(const QBluetoothDeviceInfo &device, const QBluetoothUuid &service, QObject *parent = nullptr);
    ~BleListener() override;

    void setContext(DeviceContext *context) { m_context = context; }
    // True once newDevice was emitted (the service is ready).
    bool announced() const { return m_announced; }

    void start();
    void stop() override;
    // Writes to the service's first writable characteristic.
    bool write(const QByteArray &data) override;

private:
    void onServiceState(QLowEnergyService::ServiceState state);
    void fail(const QString &why);

    QBluetoothDeviceInfo m_device;
    QBluetoothUuid m_serviceUuid;
    QLowEnergyController *m_controller = nullptr;
    QLowEnergyService *m_service = nullptr;
    DeviceContext *m_context = nullptr;
    bool m_announced = false;
    bool m_stopped = false;
};
