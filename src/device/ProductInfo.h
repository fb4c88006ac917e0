#pragma once

#include <QString>

// A catalogue entry of a supported product.
struct ProductInfo
{
    // The nine texts.
    QString brand;
    QString name;
    QString model;           // model number reported by the device
    QString picture;         // resource path of the product picture
    QString logo;            // resource path of the brand logo
    QString productIntroUrl; // electronic manual
    QString description;     // rich text
    QString helpUrl;
    QString serviceUuid;     // Bluetooth LE service; empty for USB products
    // Bit 0: the product has the M-key common-function list.
    int flags = 1;
    ushort vendorId = 0;
    ushort productId = 0;
    ushort usagePage = 0;

    bool hasCommonFunctions() const { return flags & 1; }
    bool isBluetooth() const { return !serviceUuid.isEmpty(); }
    QString toString() const;
};
