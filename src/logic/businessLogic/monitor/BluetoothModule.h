#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// Bluetooth lives in a module of its own (libvb_bluetooth.so), loaded when the monitor first
// scans: QtBluetooth and the system bus client cost a start more than the rest of the
// program's libraries together, and the first scan waits a few seconds anyway.
//
// Only abstract classes, Qt's value types and standard types cross the boundary (see
// AudioModule.h for why). Callbacks run on the GUI thread; an object may be deleted from
// inside its own callback.

// One device a discovery run found.
struct BleAdvert {
    QString id; // the address, or the system's device id where it gives none
    QString name;
    bool lowEnergy = false;
    QStringList serviceUuids; // as "{0000fff0-0000-1000-8000-00805f9b34fb}"
};

class BleDiscovery
{
public:
    using Found = std::function<void(const BleAdvert &device)>;
    // The run ended: error is empty when it ran its time or was stopped.
    using Ended = std::function<void(const QString &error)>;

    virtual ~BleDiscovery() = default;
    // A Bluetooth LE discovery run of at most timeoutMs.
    virtual void start(int timeoutMs, Found found, Ended ended) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// The connection to one device's service: its notifying characteristics are subscribed to.
class BleLink
{
public:
    using Ready = std::function<void()>;
    using Data = std::function<void(const QByteArray &value)>;
    // The connection failed or went; why is for the log. Called once.
    using Lost = std::function<void(const QString &why)>;

    virtual ~BleLink() = default;
    virtual void open(Ready ready, Data data, Lost lost) = 0;
    virtual void close() = 0;
    // Writes to the service's first writable characteristic; false when it has none.
    virtual bool write(const QByteArray &data) = 0;
};

class BluetoothModule
{
public:
    virtual ~BluetoothModule() = default;
    virtual bool hasAdapter() = 0;
    virtual BleDiscovery *createDiscovery() = 0;
    // A link to a device by the id a discovery gave, on one of its services.
    virtual BleLink *createLink(const BleAdvert &device, const QString &serviceUuid) = 0;

    // The loaded module, loading it on the first call; null (and logged once) when it cannot
    // be loaded. Use on the GUI thread.
    static BluetoothModule *instance();
    // Tests put a module of their own in place; null goes back to the loaded one.
    static void setInstance(BluetoothModule *module);
};

extern "C" {
using VbCreateBluetoothModule = BluetoothModule *(*)();
}
