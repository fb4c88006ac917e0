#pragma once

#include <QString>

// The hardware identity of a connected device.
struct DeviceHardwareInfo
{
    QString path;         // HID path or Bluetooth address
    ushort vendorId = 0;
    ushort productId = 0;
    ushort usagePage = 0;
    QString product;
    QString manufacturer;
    QString serialNumber;
    bool bluetooth = false;

    // The device key: vendor id, product id, product and manufacturer.
    QString key() const;
    // One line for logs.
    QString toString() const;
};
