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
    // The pages shown without a device come with the main window's tabs.
    return {};
}
