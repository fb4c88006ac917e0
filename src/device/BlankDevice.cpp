#include "device/BlankDevice.h"

#include "util/TrContexts.h"

BlankDevice::BlankDevice(QObject *parent)
    : IDeviceLogic(nullptr, parent)
{
    setStatus(Status_Disconnected);
}

QString BlankDevice::typeName() const
{
    return TUI::tr("无设备");
}

void BlankDevice::paintStatus(QPainter *, const QRect &) const
{
    // No device, no status.
}

QVector<IDeviceLogic::PageEntry> BlankDevice::pageTable() const
{
    // One page that tells a new user how to connect a device.
    return {{TUI::tr(" 连接设备"), QStringLiteral("NoDeviceTab"), nullptr}};
}
