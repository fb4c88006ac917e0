#include "device/DeviceHardwareInfo.h"

QString DeviceHardwareInfo::key() const
{
    return QStringLiteral("%1_%2_%3_%4")
        .arg(vendorId, 4, 16, QLatin1Char('0'))
        .arg(productId, 4, 16, QLatin1Char('0'))
        .arg(product, manufacturer);
}

QString DeviceHardwareInfo::toString() const
{
    return QStringLiteral("vid=%1 pid=%2 usagePage=%3 product=\"%4\" manufacturer=\"%5\" serial=\"%6\" path=%7%8")
        .arg(vendorId, 4, 16, QLatin1Char('0'))
        .arg(productId, 4, 16, QLatin1Char('0'))
        .arg(usagePage, 4, 16, QLatin1Char('0'))
        .arg(product, manufacturer, serialNumber, path,
             bluetooth ? QStringLiteral(" (Bluetooth)") : QString());
}
