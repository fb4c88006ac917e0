#pragma once

#include <QObject>

class DeviceContext;

// The transport of one device (a HID listener thread or a Bluetooth LE connection).
class IDeviceListener : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // Stops the transport promptly; safe to call more than once.
    virtual void stop() = 0;
    // Sends a raw output report or command; false when the device is gone.
    virtual bool write(const QByteArray &data) = 0;

signals:
    void newDevice(DeviceContext *context);
    void deleteDevice(DeviceContext *context);
    void notifyRowdata(const QByteArray &data);
};
