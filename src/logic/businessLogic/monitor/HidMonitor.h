#pragma once

#include <QHash>
#include <QObject>
#include <QTimer>
#include <memory>

class DeviceContext;
class IHidBackend;

// Finds supported HID devices: a scan enumerates the interfaces, asks the device factories
// about each, opens the matched ones and starts one listener thread per interface.
// Lives on the GUI thread.
class HidMonitor : public QObject
{
    Q_OBJECT
public:
    // An interface that cannot be opened yet is tried again this many times.
    static constexpr int OpenRetries = 3;
    static constexpr int OpenRetryDelayMs = 500;

    static HidMonitor &instance();
    ~HidMonitor() override;

    // (Re)starts the single-shot scan timer: a burst of calls gives one scan.
    void startScan(int ms);
    bool isScanPending() const { return m_timer.isActive(); }

    // Tests give their own enumeration; the program uses hidapi.
    void setBackend(std::unique_ptr<IHidBackend> backend);

public slots:
    // Scans now; the number of devices newly found.
    int scan();

signals:
    // Relayed from the listeners, on the GUI thread.
    void newDevice(DeviceContext *context);
    void deleteDevice(DeviceContext *context);
    void scanFinished(int newDevices);

private:
    HidMonitor();
    IHidBackend &backend();

    QTimer m_timer;
    std::unique_ptr<IHidBackend> m_backend;
    QHash<QString, int> m_openFailures; // by path
};
