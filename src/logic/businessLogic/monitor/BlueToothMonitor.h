#pragma once

#include <QObject>
#include <QTimer>

class BleDiscovery;
class DeviceContext;
struct BleAdvert;

// Finds supported Bluetooth LE devices: a discovery run, repeated at the configured interval
// while the monitor runs, matched by the advertised service UUID against the catalogues.
// Lives on the GUI thread, like its listeners. Bluetooth itself is reached through
// BluetoothModule, loaded at the first scan.
class BlueToothMonitor : public QObject
{
    Q_OBJECT
public:
    static BlueToothMonitor &instance();
    ~BlueToothMonitor() override;

    // Starts discovery now and keeps rescanning. showTip shows the start (or the missing
    // adapter) as a toast: true when the user asked for the scan.
    void start(bool showTip);
    // Stops discovery and the rescans.
    void stop();
    bool isDiscovering() const;
    // Whether this machine has a Bluetooth adapter at all (false when Bluetooth cannot be
    // loaded).
    static bool hasAdapter();

    // Matches one discovered device and connects it when it is a supported product; true
    // when a new device was taken on.
    bool handleDiscovered(const BleAdvert &device);

signals:
    void startScan();
    void finishScan();
    void newDevice(DeviceContext *context);
    void deleteDevice(DeviceContext *context);

private:
    BlueToothMonitor();
    void runFinished(const QString &error);

    BleDiscovery *m_agent = nullptr;
    QTimer m_rescan;
    bool m_running = false;
};
