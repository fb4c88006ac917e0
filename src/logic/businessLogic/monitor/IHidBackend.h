#pragma once

#include "device/DeviceHardwareInfo.h"

#include <QByteArray>
#include <QVector>
#include <memory>

// One opened HID interface.
class IHidHandle
{
public:
    virtual ~IHidHandle() = default;
    // Waits up to timeoutMs for one input report; its length, 0 on timeout, -1 when the
    // device is gone. Called on the listener thread only.
    virtual int read(unsigned char *buffer, int size, int timeoutMs) = 0;
    // Sends one output report; the bytes written or -1. May run beside a read.
    virtual int write(const QByteArray &report) = 0;
};

// Enumeration and opening of HID interfaces (hidapi in the program; tests bring their own).
class IHidBackend
{
public:
    virtual ~IHidBackend() = default;
    virtual QVector<DeviceHardwareInfo> enumerate() = 0;
    // Null when the interface cannot be opened (yet: udev may still be setting permissions).
    virtual std::unique_ptr<IHidHandle> open(const QString &path) = 0;
};
