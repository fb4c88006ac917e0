#pragma once

#include "logic/businessLogic/monitor/IHidBackend.h"

#include <QByteArrayList>
#include <QHash>
#include <QSet>
#include <condition_variable>
#include <deque>
#include <mutex>

// A HID interface in memory: tests push input reports, pull it out, and read what was written.
struct FakeHidDevice {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<QByteArray> reports;
    QByteArrayList written;
    bool unplugged = false;
    bool closed = false;
    int reads = 0;

    void push(const QByteArray &report);
    void unplug();
    QByteArrayList writtenReports();
    bool isClosed();
};

class FakeHidHandle : public IHidHandle
{
public:
    explicit FakeHidHandle(std::shared_ptr<FakeHidDevice> device);
    ~FakeHidHandle() override;
    int read(unsigned char *buffer, int size, int timeoutMs) override;
    int write(const QByteArray &report) override;

private:
    std::shared_ptr<FakeHidDevice> m_device;
};

// An enumeration the test sets up; interfaces whose path is in `refused` cannot be opened.
class FakeHidBackend : public IHidBackend
{
public:
    QVector<DeviceHardwareInfo> interfaces;
    QSet<QString> refused;
    QHash<QString, std::shared_ptr<FakeHidDevice>> devices; // by path, created on open
    int openCalls = 0;

    QVector<DeviceHardwareInfo> enumerate() override { return interfaces; }
    std::unique_ptr<IHidHandle> open(const QString &path) override;
};

DeviceHardwareInfo fakeInterface(const QString &path, ushort vid, ushort pid, ushort usagePage,
                                 const QString &product = QStringLiteral("Test Device"),
                                 const QString &manufacturer = QStringLiteral("Test Maker"));
