#pragma once

#include "device/IDeviceListener.h"
#include "logic/businessLogic/monitor/BluetoothModule.h"

#include <memory>

// The transport of one Bluetooth LE device, on the GUI thread: connects, finds the product's
// service, subscribes to its notifying characteristics and passes their values on as reports.
class BleListener : public IDeviceListener
{
    Q_OBJECT
public:
    BleListener(const BleAdvert &device, const QString &serviceUuid, QObject *parent = nullptr);
    ~BleListener() override;

    void setContext(DeviceContext *context) { m_context = context; }
    // True once newDevice was emitted (the service is ready).
    bool announced() const { return m_announced; }

    void start();
    void stop() override;
    // Writes to the service's first writable characteristic.
    bool write(const QByteArray &data) override;

private:
    void fail(const QString &why);

    BleAdvert m_device;
    QString m_serviceUuid;
    std::unique_ptr<BleLink> m_link;
    DeviceContext *m_context = nullptr;
    bool m_announced = false;
    bool m_stopped = false;
};
