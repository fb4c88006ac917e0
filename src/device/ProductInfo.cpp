#include "device/ProductInfo.h"

QString ProductInfo::toString() const
{
    return QStringLiteral("%1 %2 (model %3, vid=%4 pid=%5 usagePage=%6%7)")
        .arg(brand, name, model)
        .arg(vendorId, 4, 16, QLatin1Char('0'))
        .arg(productId, 4, 16, QLatin1Char('0'))
        .arg(usagePage, 4, 16, QLatin1Char('0'))
        .arg(isBluetooth() ? QStringLiteral(" ble=") + serviceUuid : QString());
}
