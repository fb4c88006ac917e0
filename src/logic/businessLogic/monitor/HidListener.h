#pragma once

#include "device/IDeviceListener.h"

#include <QMutex>
#include <atomic>
#include <memory>

class IHidHandle;
class QThread;

// The transport of one opened HID interface: a thread of its own that blocks on 32-byte
// reads with a short timeout, so a stop takes effect within one timeout.
// The object itself lives on the GUI thread; only the read loop runs on the listener thread.
class HidListener : public IDeviceListener
{
    Q_OBJECT
public:
    static constexpr int ReportSize = 32;
    static constexpr int ReadTimeoutMs = 100;

    explicit HidListener(std::unique_ptr<IHidHandle> handle, QObject *parent = nullptr);
    ~HidListener() override;

    // The context its signals carry; set before start.
    void setContext(DeviceContext *context) { m_context = context; }
    DeviceContext *context() const { return m_context; }

    // Starts the listener thread; it announces the device (newDevice) at once, then passes
    // every report on (notifyRowdata) until it is stopped or the device fails (deleteDevice).
    void start();
    void stop() override;
    bool write(const QByteArray &data) override;
    bool isRunning() const;

private:
    void run();

    std::unique_ptr<IHidHandle> m_handle;
    QMutex m_handleMutex; // writes against the final close
    std::unique_ptr<QThread> m_thread;
    std::atomic_bool m_stop{false};
    DeviceContext *m_context = nullptr;
};
